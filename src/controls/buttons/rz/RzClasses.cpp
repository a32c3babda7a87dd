#include "controls/buttons/rz/RzClasses.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzBorder.h"
#include "controls/buttons/rz/RzButton.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/buttons/rz/RzFrameController.h"
#include "controls/buttons/rz/RzLabel.h"
#include "controls/buttons/rz/RzPanel.h"
#include "controls/buttons/rz/RzShapeButton.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/StandardClasses.h"

#include <mutex>

using qx::rz::TGradientDirection;
using enum qx::rz::TGradientDirection;

namespace qx {

namespace {

void registerEnums()
{
    registerEnum<TFrameStyleEx>("TFrameStyleEx",
        {{"fsNone", fsNone}, {"fsFlat", fsFlat}, {"fsGroove", fsGroove}, {"fsBump", fsBump}, {"fsLowered", fsLowered},
         {"fsButtonDown", fsButtonDown}, {"fsRaised", fsRaised}, {"fsButtonUp", fsButtonUp}, {"fsStatus", fsStatus},
         {"fsPopup", fsPopup}, {"fsFlatBold", fsFlatBold}, {"fsFlatRounded", fsFlatRounded}});
    registerEnum<TSide>("TSide", {{"sdLeft", sdLeft}, {"sdTop", sdTop}, {"sdRight", sdRight}, {"sdBottom", sdBottom}});
    registerEnum<TGradientDirection>("TGradientDirection",
        {{"gdDiagonalUp", gdDiagonalUp}, {"gdDiagonalDown", gdDiagonalDown}, {"gdHorizontalEnd", gdHorizontalEnd},
         {"gdHorizontalCenter", gdHorizontalCenter}, {"gdHorizontalBox", gdHorizontalBox},
         {"gdVerticalEnd", gdVerticalEnd}, {"gdVerticalCenter", gdVerticalCenter}, {"gdVerticalBox", gdVerticalBox},
         {"gdSquareBox", gdSquareBox}, {"gdBigSquareBox", gdBigSquareBox}});
    registerEnum<TDirection>("TDirection", {{"dirUp", dirUp}, {"dirDown", dirDown}, {"dirLeft", dirLeft}, {"dirRight", dirRight}});
    registerEnum<TRzGradientColorStyle>("TRzGradientColorStyle",
        {{"gcsSystem", gcsSystem}, {"gcsMSOffice", gcsMSOffice}, {"gcsCustom", gcsCustom}});
    registerEnum<TRzVisualStyle>("TRzVisualStyle", {{"vsClassic", vsClassic}, {"vsWinXP", vsWinXP}, {"vsGradient", vsGradient}});
    registerEnum<TTextStyle>("TTextStyle",
        {{"tsNormal", tsNormal}, {"tsRaised", tsRaised}, {"tsRecessed", tsRecessed}, {"tsShadow", tsShadow}});
    registerEnum<TAlignmentVertical>("TAlignmentVertical", {{"avTop", avTop}, {"avCenter", avCenter}, {"avBottom", avBottom}});
    registerEnum<TFramingPreference>("TFramingPreference", {{"fpCustomFraming", fpCustomFraming}, {"fpXPThemes", fpXPThemes}});
    registerEnum<TRzHotTrackColorType>("TRzHotTrackColorType", {{"htctComplement", htctComplement}, {"htctActual", htctActual}});
    registerEnum<TTrapDirect>("TTrapDirect", {{"tdLargeToSmall", tdLargeToSmall}, {"tdSmallToLarge", tdSmallToLarge}});
    registerEnum<TTrapShape>("TTrapShape", {{"tsLeft", tsLeft}, {"tsCenter", tsCenter}, {"tsRight", tsRight}});
    registerEnum<TRzGridStyle>("TRzGridStyle", {{"gsDots", gsDots}, {"gsDottedLines", gsDottedLines}, {"gsSolidLines", gsSolidLines}});
    registerEnum<TRzGroupBoxStyle>("TRzGroupBoxStyle",
        {{"gsStandard", gsStandard}, {"gsCustom", gsCustom}, {"gsTopLine", gsTopLine}, {"gsFlat", gsFlat},
         {"gsBanner", gsBanner}, {"gsUnderline", gsUnderline}});
    registerEnum<TRzMeterType>("TRzMeterType", {{"mtNormal", mtNormal}, {"mtBar3D", mtBar3D}, {"mtLED", mtLED}});
    registerEnum<TRzMeterShape>("TRzMeterShape", {{"msRectangular", msRectangular}, {"msTrapezoidal", msTrapezoidal}});
    registerEnum<TBrushStyle>("TBrushStyle",
        {{"bsSolid", bsSolid}, {"bsClear", bsClear}, {"bsHorizontal", bsHorizontal}, {"bsVertical", bsVertical},
         {"bsFDiagonal", bsFDiagonal}, {"bsBDiagonal", bsBDiagonal}, {"bsCross", bsCross}, {"bsDiagCross", bsDiagCross}});
    registerEnum<TButtonBorder>("TButtonBorder", {{"bbNone", bbNone}, {"bbSingle", bbSingle}, {"bbButton", bbButton}});
    registerEnum<TBtnSize>("TBtnSize",
        {{"bszNeither", bszNeither}, {"bszButtonToBitmap", bszButtonToBitmap}, {"bszStretchToButton", bszStretchToButton},
         {"bszTileToButton", bszTileToButton}});
    registerEnum<TButtonStyle>("TButtonStyle", {{"bsAutoDetect", bsAutoDetect}, {"bsWin31", bsWin31}, {"bsNew", bsNew}});
    registerEnum<TButtonLayout>("TButtonLayout",
        {{"blGlyphLeft", blGlyphLeft}, {"blGlyphRight", blGlyphRight}, {"blGlyphTop", blGlyphTop}, {"blGlyphBottom", blGlyphBottom}});
    registerEnum<TCenterPoint>("TCenterPoint",
        {{"cpUpperLeft", cpUpperLeft}, {"cpUpperCenter", cpUpperCenter}, {"cpUpperRight", cpUpperRight},
         {"cpLeftCenter", cpLeftCenter}, {"cpCenter", cpCenter}, {"cpRightCenter", cpRightCenter},
         {"cpLowerLeft", cpLowerLeft}, {"cpLowerCenter", cpLowerCenter}, {"cpLowerRight", cpLowerRight}});
    registerEnum<TRotation>("TRotation", {{"roNone", roNone}, {"roFlat", roFlat}, {"roCurve", roCurve}});
    registerEnum<TRzCondenseCaption>("TRzCondenseCaption", {{"ccNone", ccNone}, {"ccAtEnd", ccAtEnd}, {"ccWithinPath", ccWithinPath}});
    registerEnum<TRzPathType>("TRzPathType", {{"ptIniFile", ptIniFile}, {"ptRegistry", ptRegistry}});
    registerEnum<TRzRegKey>("TRzRegKey",
        {{"hkeyClassesRoot", hkeyClassesRoot}, {"hkeyCurrentUser", hkeyCurrentUser}, {"hkeyLocalMachine", hkeyLocalMachine},
         {"hkeyUsers", hkeyUsers}, {"hkeyPerformanceData", hkeyPerformanceData}, {"hkeyCurrentConfig", hkeyCurrentConfig},
         {"hkeyDynData", hkeyDynData}});
    registerEnum<TRzRegAccessKey>("TRzRegAccessKey",
        {{"keyQueryValue", keyQueryValue}, {"keySetValue", keySetValue}, {"keyCreateSubKey", keyCreateSubKey},
         {"keyEnumerateSubKeys", keyEnumerateSubKeys}, {"keyNotify", keyNotify}, {"keyCreateLink", keyCreateLink},
         {"keyRead", keyRead}, {"keyWrite", keyWrite}, {"keyExecute", keyExecute}, {"keyAllAccess", keyAllAccess}});
    registerEnum<TRzSpecialFolder>("TRzSpecialFolder",
        {{"sfNone", sfNone}, {"sfUserAppDataRoaming", sfUserAppDataRoaming}, {"sfUserAppDataLocal", sfUserAppDataLocal},
         {"sfUserDocuments", sfUserDocuments}, {"sfProgramData", sfProgramData}});
    registerEnum<TRzIniFileEncoding>("TRzIniFileEncoding", {{"feDefault", feDefault}, {"feUTF8", feUTF8}, {"feUnicode", feUnicode}});
    registerEnum<TRzCaptionPosition>("TRzCaptionPosition", {{"cpCentered", cpCentered}, {"cpXY", cpXY}});
}

/// The border properties the panel, label and border share.
template <class C>
void borderProperties(ClassBuilder<C>& b)
{
    b.property("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).defaultValue(1)
        .property("BorderInner", &C::BorderInner, &C::SetBorderInner).defaultValue(fsNone)
        .property("BorderSides", &C::BorderSides, &C::SetBorderSides).defaultValue(kAllSides)
        .color("BorderColor", &C::BorderColor, &C::SetBorderColor).colorDefault(clBtnFace)
        .color("BorderHighlight", &C::BorderHighlight, &C::SetBorderHighlight).colorDefault(clBtnHighlight)
        .color("BorderShadow", &C::BorderShadow, &C::SetBorderShadow).colorDefault(clBtnShadow)
        .property("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).defaultValue(0)
        .color("FlatColor", &C::FlatColor, &C::SetFlatColor).colorDefault(clBtnShadow)
        .property("FlatColorAdjustment", &C::FlatColorAdjustment, &C::SetFlatColorAdjustment).defaultValue(30)
        .property("FrameControllerNotifications", &C::FrameControllerNotifications, &C::SetFrameControllerNotifications)
        .defaultValue(std::uint16_t{0xFFFF})
        .template component<TRzFrameController>("FrameController", &C::FrameController, &C::SetFrameController);
}

template <class C>
auto ignored()
{
    return [](C&, const auto&) {};
}

void registerPanels()
{
    auto panel = registerClass<TRzCustomPanel, TCustomControl>("TRzCustomPanel");
    borderProperties(panel);
    panel.property("GradientColorStyle", &TRzCustomPanel::GradientColorStyle, &TRzCustomPanel::SetGradientColorStyle).defaultValue(gcsSystem)
        .color("GradientColorStart", &TRzCustomPanel::GradientColorStart, &TRzCustomPanel::SetGradientColorStart).colorDefault(clWhite)
        .color("GradientColorStop", &TRzCustomPanel::GradientColorStop, &TRzCustomPanel::SetGradientColorStop).colorDefault(clBtnFace)
        .property("GradientDirection", &TRzCustomPanel::GradientDirection, &TRzCustomPanel::SetGradientDirection).defaultValue(gdHorizontalEnd)
        .property("ShowDockClientCaptions", &TRzCustomPanel::ShowDockClientCaptions, &TRzCustomPanel::SetShowDockClientCaptions).defaultValue(true)
        .property("DockSite", &TRzCustomPanel::DockSite, &TRzCustomPanel::SetDockSite).defaultValue(false)
        .property("DoubleBuffered", &TRzCustomPanel::DoubleBuffered, &TRzCustomPanel::SetDoubleBuffered).defaultValue(false)
        .property("Transparent", &TRzCustomPanel::Transparent, &TRzCustomPanel::SetTransparent).defaultValue(false)
        .property("VisualStyle", &TRzCustomPanel::VisualStyle, &TRzCustomPanel::SetVisualStyle).defaultValue(vsWinXP)
        .property("FrameSides", &TRzCustomPanel::BorderSides, ignored<TRzCustomPanel>()).stored(false)
        .property("ThemeAware", [](const TRzCustomPanel&) { return true; }, ignored<TRzCustomPanel>()).stored(false)
        .property("UseGradients", [](const TRzCustomPanel& p) { return p.VisualStyle() == vsGradient; },
                  [](TRzCustomPanel& p, bool v) { if (v) p.SetVisualStyle(vsGradient); }).stored(false)
        .event("OnPaint", &TRzCustomPanel::OnPaint);

    registerClass<TRzPanel, TRzCustomPanel>("TRzPanel")
        .property("Alignment", &TRzPanel::Alignment, &TRzPanel::SetAlignment).defaultValue(taCenter)
        .property("AlignmentVertical", &TRzPanel::AlignmentVertical, &TRzPanel::SetAlignmentVertical).defaultValue(avCenter)
        .property("BorderOuter", &TRzPanel::BorderOuter, &TRzPanel::SetBorderOuter).defaultValue(fsRaised)
        .property("FullRepaint", &TRzPanel::FullRepaint, &TRzPanel::SetFullRepaint).defaultValue(true)
        .color("GridColor", &TRzPanel::GridColor, &TRzPanel::SetGridColor).colorDefault(clBtnShadow)
        .property("GridStyle", &TRzPanel::GridStyle, &TRzPanel::SetGridStyle).defaultValue(gsDots)
        .property("GridXSize", &TRzPanel::GridXSize, &TRzPanel::SetGridXSize).defaultValue(std::uint16_t{8})
        .property("GridYSize", &TRzPanel::GridYSize, &TRzPanel::SetGridYSize).defaultValue(std::uint16_t{8})
        .property("Locked", &TRzPanel::Locked, &TRzPanel::SetLocked).defaultValue(false)
        .property("PaintClientArea", &TRzPanel::PaintClientArea, &TRzPanel::SetPaintClientArea).defaultValue(true)
        .property("ShowGrid", &TRzPanel::ShowGrid, &TRzPanel::SetShowGrid).defaultValue(false)
        .property("TextMargin", &TRzPanel::TextMargin, &TRzPanel::SetTextMargin).defaultValue(0)
        .property("TextMarginVertical", &TRzPanel::TextMarginVertical, &TRzPanel::SetTextMarginVertical).defaultValue(0)
        .property("UseDockManager", &TRzPanel::UseDockManager, &TRzPanel::SetUseDockManager).defaultValue(true)
        .property("WordWrap", &TRzPanel::WordWrap, &TRzPanel::SetWordWrap).defaultValue(true);

    registerClass<TRzCustomGroupBox, TRzCustomPanel>("TRzCustomGroupBox");
    registerClass<TRzGroupBox, TRzCustomGroupBox>("TRzGroupBox")
        .property("Alignment", &TRzGroupBox::Alignment, &TRzGroupBox::SetAlignment).defaultValue(taLeftJustify)
        .property("BorderOuter", &TRzGroupBox::BorderOuter, &TRzGroupBox::SetBorderOuter).defaultValue(fsNone)
        .property("BannerHeight", &TRzGroupBox::BannerHeight, &TRzGroupBox::SetBannerHeight).defaultValue(0)
        .font("CaptionFont", &TRzGroupBox::CaptionFont, &TRzGroupBox::SetCaptionFont)
        .property("GroupStyle", &TRzGroupBox::GroupStyle, &TRzGroupBox::SetGroupStyle).defaultValue(gsFlat)
        .property("Height", &TRzGroupBox::Height, &TRzGroupBox::SetHeight).defaultValue(105);
}

void registerLabelAndBorder()
{
    auto label = registerClass<TRzLabel, TLabel>("TRzLabel");
    borderProperties(label);
    label.property("Angle", &TRzLabel::Angle, &TRzLabel::SetAngle).defaultValue(0)
        .property("Blinking", &TRzLabel::Blinking, &TRzLabel::SetBlinking).defaultValue(false)
        .color("BlinkColor", &TRzLabel::BlinkColor, &TRzLabel::SetBlinkColor).colorDefault(clHighlight)
        .property("BlinkIntervalOff", &TRzLabel::BlinkIntervalOff, &TRzLabel::SetBlinkIntervalOff).defaultValue(std::uint16_t{500})
        .property("BlinkIntervalOn", &TRzLabel::BlinkIntervalOn, &TRzLabel::SetBlinkIntervalOn).defaultValue(std::uint16_t{500})
        .property("BorderOuter", &TRzLabel::BorderOuter, &TRzLabel::SetBorderOuter).defaultValue(fsNone)
        .property("CondenseCaption", &TRzLabel::CondenseCaption, &TRzLabel::SetCondenseCaption).defaultValue(ccNone)
        .property("CenterPoint", &TRzLabel::CenterPoint, &TRzLabel::SetCenterPoint).defaultValue(cpCenter)
        .color("FlyByColor", &TRzLabel::FlyByColor, &TRzLabel::SetFlyByColor).colorDefault(clHighlight)
        .property("FlyByEnabled", &TRzLabel::FlyByEnabled, &TRzLabel::SetFlyByEnabled).defaultValue(false)
        .property("LightTextStyle", &TRzLabel::LightTextStyle, &TRzLabel::SetLightTextStyle).defaultValue(false)
        .property("Rotation", &TRzLabel::Rotation, &TRzLabel::SetRotation).defaultValue(roNone)
        .color("HighlightColor", &TRzLabel::HighlightColor, &TRzLabel::SetHighlightColor).colorDefault(clBtnHighlight)
        .color("ShadowColor", &TRzLabel::ShadowColor, &TRzLabel::SetShadowColor).colorDefault(clBtnShadow)
        .property("ShadowDepth", &TRzLabel::ShadowDepth, &TRzLabel::SetShadowDepth).defaultValue(2)
        .property("TextMargin", &TRzLabel::TextMargin, &TRzLabel::SetTextMargin).defaultValue(0)
        .property("TextStyle", &TRzLabel::TextStyle, &TRzLabel::SetTextStyle).defaultValue(tsNormal)
        .color("Color", &TRzLabel::Color, &TRzLabel::SetColor).colorDefault(clBtnFace)
        .property("FrameSides", &TRzLabel::BorderSides, ignored<TRzLabel>()).stored(false);

    auto border = registerClass<TRzBorder, TGraphicControl>("TRzBorder");
    borderProperties(border);
    border.property("BorderOuter", &TRzBorder::BorderOuter, &TRzBorder::SetBorderOuter).defaultValue(fsGroove);

    registerClass<TRzMeter, TRzBorder>("TRzMeter")
        .property("Direction", &TRzMeter::Direction, &TRzMeter::SetDirection).defaultValue(dirRight)
        .picture("Bitmap", &TRzMeter::BitmapResource, &TRzMeter::SetBitmapResource)
        .property("BrushStyle", &TRzMeter::BrushStyle, &TRzMeter::SetBrushStyle)
        .property("Min", &TRzMeter::Min, &TRzMeter::SetMin).defaultValue(0)
        .property("Max", &TRzMeter::Max, &TRzMeter::SetMax).defaultValue(100)
        .property("Value", &TRzMeter::Value, &TRzMeter::SetValue).defaultValue(0)
        .color("BackColor", &TRzMeter::BackColor, &TRzMeter::SetBackColor).colorDefault(clBlack)
        .color("BarColor", &TRzMeter::BarColor, &TRzMeter::SetBarColor).colorDefault(clRed)
        .property("MeterType", &TRzMeter::MeterType, &TRzMeter::SetMeterType).defaultValue(mtLED)
        .property("MeterShape", &TRzMeter::MeterShape, &TRzMeter::SetMeterShape).defaultValue(msRectangular)
        .property("ShowPercent", &TRzMeter::ShowPercent, &TRzMeter::SetShowPercent).defaultValue(true)
        .property("SegSpacing", &TRzMeter::SegSpacing, &TRzMeter::SetSegSpacing).defaultValue(2)
        .color("SegOffColor", &TRzMeter::SegOffColor, &TRzMeter::SetSegOffColor).colorDefault(clBlack)
        .property("Seg1Count", [](const TRzMeter& m) { return m.SegCount(0); }, [](TRzMeter& m, int v) { m.SetSegCount(0, v); }).defaultValue(5)
        .color("Seg1Color", [](const TRzMeter& m) { return m.SegColor(0); }, [](TRzMeter& m, TColor v) { m.SetSegColor(0, v); }).colorDefault(clGreen)
        .property("Seg2Count", [](const TRzMeter& m) { return m.SegCount(1); }, [](TRzMeter& m, int v) { m.SetSegCount(1, v); }).defaultValue(3)
        .color("Seg2Color", [](const TRzMeter& m) { return m.SegColor(1); }, [](TRzMeter& m, TColor v) { m.SetSegColor(1, v); }).colorDefault(clYellow)
        .property("Seg3Count", [](const TRzMeter& m) { return m.SegCount(2); }, [](TRzMeter& m, int v) { m.SetSegCount(2, v); }).defaultValue(2)
        .color("Seg3Color", [](const TRzMeter& m) { return m.SegColor(2); }, [](TRzMeter& m, TColor v) { m.SetSegColor(2, v); }).colorDefault(clRed)
        .property("TrapezoidDir", &TRzMeter::TrapezoidDir, &TRzMeter::SetTrapezoidDir).defaultValue(tdLargeToSmall)
        .property("TrapezoidMin", &TRzMeter::TrapezoidMin, &TRzMeter::SetTrapezoidMin).defaultValue(6)
        .property("TrapezoidShape", &TRzMeter::TrapezoidShape, &TRzMeter::SetTrapezoidShape).defaultValue(tsCenter)
        .property("BorderOuter", &TRzMeter::BorderOuter, &TRzMeter::SetBorderOuter).defaultValue(fsStatus)
        .color("Color", &TRzMeter::Color, &TRzMeter::SetColor).colorDefault(clWindow)
        .property("Height", &TRzMeter::Height, &TRzMeter::SetHeight).defaultValue(30)
        .property("Width", &TRzMeter::Width, &TRzMeter::SetWidth).defaultValue(150)
        .property("ParentColor", &TRzMeter::ParentColor, &TRzMeter::SetParentColor).defaultValue(true);
}

void registerButtons()
{
    using K = TRzButtonBitmaps::Kind;
    auto pictures = registerClass<TRzButtonBitmaps>("TRzButtonBitmaps");
    const std::pair<const char*, K> kinds[] = {{"Disabled", K::kDisabled}, {"Down", K::kDown}, {"StayDown", K::kStayDown},
                                               {"Hot", K::kHot}, {"Up", K::kUp}, {"UpAndFocused", K::kUpAndFocused}};
    for (const auto& [name, kind] : kinds) {
        const K k = kind;
        pictures.picture(name, [k](const TRzButtonBitmaps& b) { return b.PictureName(k); },
                         [k](TRzButtonBitmaps& b, const std::string& v) { b.SetPictureName(k, v); });
    }
    pictures.color("TransparentColor", &TRzButtonBitmaps::TransparentColor, &TRzButtonBitmaps::SetTransparentColor);

    registerClass<TRzBmpButton, TCustomControl>("TRzBmpButton")
        .property("AllowAllUp", &TRzBmpButton::AllowAllUp, &TRzBmpButton::SetAllowAllUp).defaultValue(false)
        .property("CaptionDownOffset", &TRzBmpButton::CaptionDownOffset, &TRzBmpButton::SetCaptionDownOffset).defaultValue(1)
        .property("ModalResult", &TRzBmpButton::ModalResult, &TRzBmpButton::SetModalResult).defaultValue(0)
        .property("GroupIndex", &TRzBmpButton::GroupIndex, &TRzBmpButton::SetGroupIndex).defaultValue(0)
        .property("Down", &TRzBmpButton::Down, &TRzBmpButton::SetDown).defaultValue(false)
        .object("Bitmaps", &TRzBmpButton::Bitmaps)
        .property("ButtonBorder", &TRzBmpButton::ButtonBorder, &TRzBmpButton::SetButtonBorder).defaultValue(bbNone)
        .property("ShowDownPattern", &TRzBmpButton::ShowDownPattern, &TRzBmpButton::SetShowDownPattern).defaultValue(true)
        .property("ShowFocus", &TRzBmpButton::ShowFocus, &TRzBmpButton::SetShowFocus).defaultValue(true)
        .property("ButtonSize", &TRzBmpButton::ButtonSize, &TRzBmpButton::SetButtonSize).defaultValue(bszButtonToBitmap)
        .property("ButtonStyle", &TRzBmpButton::ButtonStyle, &TRzBmpButton::SetButtonStyle).defaultValue(bsAutoDetect)
        .property("Layout", &TRzBmpButton::Layout, &TRzBmpButton::SetLayout).defaultValue(blGlyphLeft)
        .property("Margin", &TRzBmpButton::Margin, &TRzBmpButton::SetMargin).defaultValue(-1)
        .property("Spacing", &TRzBmpButton::Spacing, &TRzBmpButton::SetSpacing).defaultValue(4)
        .property("Height", &TRzBmpButton::Height, &TRzBmpButton::SetHeight).defaultValue(30)
        .property("Width", &TRzBmpButton::Width, &TRzBmpButton::SetWidth).defaultValue(80)
        .property("ParentFont", &TRzBmpButton::ParentFont, &TRzBmpButton::SetParentFont).defaultValue(true)
        .property("TabStop", &TRzBmpButton::TabStop, &TRzBmpButton::SetTabStop).defaultValue(true);

    registerClass<TRzCustomButton, TCustomControl>("TRzCustomButton");
    registerClass<TRzButton, TRzCustomButton>("TRzButton")
        .property("Alignment", &TRzButton::Alignment, &TRzButton::SetAlignment).defaultValue(taCenter)
        .property("AllowAllUp", &TRzButton::AllowAllUp, &TRzButton::SetAllowAllUp).defaultValue(false)
        .property("Cancel", &TRzButton::Cancel, &TRzButton::SetCancel).defaultValue(false)
        .property("Default", &TRzButton::Default, &TRzButton::SetDefault).defaultValue(false)
        .property("DropDownOnEnter", &TRzButton::DropDownOnEnter, &TRzButton::SetDropDownOnEnter).defaultValue(true)
        .property("GroupIndex", &TRzButton::GroupIndex, &TRzButton::SetGroupIndex).defaultValue(0)
        .property("Down", &TRzButton::Down, &TRzButton::SetDown).defaultValue(false)
        .color("FrameColor", &TRzButton::FrameColor, &TRzButton::SetFrameColor).colorDefault(cl3DDkShadow)
        .property("ModalResult", &TRzButton::ModalResult, &TRzButton::SetModalResult).defaultValue(0)
        .property("ShowDownPattern", &TRzButton::ShowDownPattern, &TRzButton::SetShowDownPattern).defaultValue(true)
        .property("ShowFocusRect", &TRzButton::ShowFocusRect, &TRzButton::SetShowFocusRect).defaultValue(true)
        .property("AlignmentVertical", &TRzButton::AlignmentVertical, &TRzButton::SetAlignmentVertical).defaultValue(avCenter)
        .color("HighlightColor", &TRzButton::HighlightColor, &TRzButton::SetHighlightColor).colorDefault(clHighlight)
        .property("HotTrack", &TRzButton::HotTrack, &TRzButton::SetHotTrack).defaultValue(false)
        .color("HotTrackColor", &TRzButton::HotTrackColor, &TRzButton::SetHotTrackColor).colorDefault(0x149BF0)
        .property("HotTrackColorType", &TRzButton::HotTrackColorType, &TRzButton::SetHotTrackColorType).defaultValue(htctActual)
        .property("LightTextStyle", &TRzButton::LightTextStyle, &TRzButton::SetLightTextStyle).defaultValue(false)
        .color("TextHighlightColor", &TRzButton::TextHighlightColor, &TRzButton::SetTextHighlightColor).colorDefault(clBtnHighlight)
        .color("TextShadowColor", &TRzButton::TextShadowColor, &TRzButton::SetTextShadowColor).colorDefault(clBtnShadow)
        .property("TextShadowDepth", &TRzButton::TextShadowDepth, &TRzButton::SetTextShadowDepth).defaultValue(2)
        .property("TextStyle", &TRzButton::TextStyle, &TRzButton::SetTextStyle).defaultValue(tsNormal)
        .property("ThemeAware", &TRzButton::ThemeAware, &TRzButton::SetThemeAware).defaultValue(true)
        .color("Color", &TRzButton::Color, &TRzButton::SetColor).colorDefault(clBtnFace)
        .property("Height", &TRzButton::Height, &TRzButton::SetHeight).defaultValue(25)
        .property("Width", &TRzButton::Width, &TRzButton::SetWidth).defaultValue(75)
        .property("TabStop", &TRzButton::TabStop, &TRzButton::SetTabStop).defaultValue(true)
        .property("FrameFlat", &TRzButton::HotTrack, &TRzButton::SetHotTrack).stored(false);

    registerClass<TRzShapeButton, TGraphicControl>("TRzShapeButton")
        .property("AutoSize", &TRzShapeButton::AutoSize, &TRzShapeButton::SetAutoSize).defaultValue(true)
        .color("BevelHighlightColor", &TRzShapeButton::BevelHighlightColor, &TRzShapeButton::SetBevelHighlightColor).colorDefault(clBtnHighlight)
        .color("BevelShadowColor", &TRzShapeButton::BevelShadowColor, &TRzShapeButton::SetBevelShadowColor).colorDefault(clBtnShadow)
        .property("BevelWidth", &TRzShapeButton::BevelWidth, &TRzShapeButton::SetBevelWidth).defaultValue(2)
        .picture("Bitmap", &TRzShapeButton::BitmapResource, &TRzShapeButton::SetBitmapResource)
        .property("BorderStyle", &TRzShapeButton::BorderStyle, &TRzShapeButton::SetBorderStyle).defaultValue(bsSingle)
        .color("BorderColor", &TRzShapeButton::BorderColor, &TRzShapeButton::SetBorderColor).colorDefault(cl3DDkShadow)
        .property("PreciseClick", &TRzShapeButton::PreciseClick, &TRzShapeButton::SetPreciseClick).defaultValue(true)
        .property("PreciseShowHint", &TRzShapeButton::PreciseShowHint, &TRzShapeButton::SetPreciseShowHint).defaultValue(true)
        .property("CaptionPosition", &TRzShapeButton::CaptionPosition, &TRzShapeButton::SetCaptionPosition).defaultValue(cpCentered)
        .property("CaptionX", &TRzShapeButton::CaptionX, &TRzShapeButton::SetCaptionX).defaultValue(0)
        .property("CaptionY", &TRzShapeButton::CaptionY, &TRzShapeButton::SetCaptionY).defaultValue(0)
        .property("ParentFont", &TRzShapeButton::ParentFont, &TRzShapeButton::SetParentFont).defaultValue(true);
}

void registerSettings()
{
    registerClass<TRzRegIniFile, TComponent>("TRzRegIniFile")
        .property("FileEncoding", &TRzRegIniFile::FileEncoding, &TRzRegIniFile::SetFileEncoding).defaultValue(feDefault)
        .property("Path", &TRzRegIniFile::Path, &TRzRegIniFile::SetPath).defaultValue(std::string())
        .property("PathType", &TRzRegIniFile::PathType, &TRzRegIniFile::SetPathType).defaultValue(ptIniFile)
        .property("RegKey", &TRzRegIniFile::RegKey, &TRzRegIniFile::SetRegKey).defaultValue(hkeyCurrentUser)
        .property("RegAccess", &TRzRegIniFile::RegAccess, &TRzRegIniFile::SetRegAccess).defaultValue(TRzRegAccess{keyAllAccess})
        .property("SpecialFolder", &TRzRegIniFile::SpecialFolder, &TRzRegIniFile::SetSpecialFolder).defaultValue(sfNone);

    using F = TRzFrameController;
    registerClass<F, TComponent>("TRzFrameController")
        .color("Color", &F::Color, &F::SetColor).colorDefault(clWindow)
        .color("DisabledColor", &F::DisabledColor, &F::SetDisabledColor).colorDefault(clBtnFace)
        .color("ReadOnlyColor", &F::ReadOnlyColor, &F::SetReadOnlyColor).colorDefault(clInfoBk)
        .property("ReadOnlyColorOnFocus", &F::ReadOnlyColorOnFocus, &F::SetReadOnlyColorOnFocus).defaultValue(false)
        .color("FlatButtonColor", &F::FlatButtonColor, &F::SetFlatButtonColor).colorDefault(clBtnFace)
        .property("FlatButtons", &F::FlatButtons, &F::SetFlatButtons).defaultValue(true)
        .color("FocusColor", &F::FocusColor, &F::SetFocusColor).colorDefault(clWindow)
        .color("FrameColor", &F::FrameColor, &F::SetFrameColor).colorDefault(clBtnShadow)
        .color("FrameHotColor", &F::FrameHotColor, &F::SetFrameHotColor).colorDefault(clBtnShadow)
        .property("FrameHotStyle", &F::FrameHotStyle, &F::SetFrameHotStyle).defaultValue(fsFlatBold)
        .property("FrameHotTrack", &F::FrameHotTrack, &F::SetFrameHotTrack).defaultValue(false)
        .property("FrameSides", &F::FrameSides, &F::SetFrameSides).defaultValue(kAllSides)
        .property("FrameStyle", &F::FrameStyle, &F::SetFrameStyle).defaultValue(fsFlat)
        .property("FrameVisible", &F::FrameVisible, &F::SetFrameVisible).defaultValue(false)
        .property("FramingPreference", &F::FramingPreference, &F::SetFramingPreference).defaultValue(fpXPThemes)
        .property("ParentColor", &F::ParentColor, &F::SetParentColor).defaultValue(false)
        .component<TRzRegIniFile>("RegIniFile", &F::RegIniFile, &F::SetRegIniFile)
        .property("FrameFlat", &F::FrameHotTrack, &F::ReadOldFrameFlat).stored(false)
        .property("FrameFocusStyle", &F::FrameHotStyle, &F::ReadOldFrameFocusStyle).stored(false)
        .property("FrameFlatStyle", &F::FrameStyle, [](F&, TFrameStyle) {}).stored(false);
}

void registerComboBox()
{
    registerClass<TRzComboBox, TComboBox>("TRzComboBox")
        .property("AllowEdit", &TRzComboBox::AllowEdit, &TRzComboBox::SetAllowEdit).defaultValue(true)
        .property("AutoComplete", &TRzComboBox::AutoComplete, &TRzComboBox::SetAutoComplete).defaultValue(true)
        .property("BeepOnInvalidKey", &TRzComboBox::BeepOnInvalidKey, &TRzComboBox::SetBeepOnInvalidKey).defaultValue(true)
        .color("DisabledColor", &TRzComboBox::DisabledColor, &TRzComboBox::SetDisabledColor).colorDefault(clBtnFace)
        .property("DropDownWidth", &TRzComboBox::DropDownWidth, &TRzComboBox::SetDropDownWidth).defaultValue(0)
        .color("FlatButtonColor", &TRzComboBox::FlatButtonColor, &TRzComboBox::SetFlatButtonColor).colorDefault(clBtnFace)
        .property("FlatButtons", &TRzComboBox::FlatButtons, &TRzComboBox::SetFlatButtons).defaultValue(false)
        .color("FocusColor", &TRzComboBox::FocusColor, &TRzComboBox::SetFocusColor).colorDefault(clWindow)
        .color("FrameColor", &TRzComboBox::FrameColor, &TRzComboBox::SetFrameColor).colorDefault(clBtnShadow)
        .property("FrameControllerNotifications", &TRzComboBox::FrameControllerNotifications,
                  &TRzComboBox::SetFrameControllerNotifications).defaultValue(std::uint16_t{0xFFFF})
        .color("FrameHotColor", &TRzComboBox::FrameHotColor, &TRzComboBox::SetFrameHotColor).colorDefault(clBtnShadow)
        .property("FrameHotTrack", &TRzComboBox::FrameHotTrack, &TRzComboBox::SetFrameHotTrack).defaultValue(false)
        .property("FrameHotStyle", &TRzComboBox::FrameHotStyle, &TRzComboBox::SetFrameHotStyle).defaultValue(fsFlatBold)
        .property("FrameSides", &TRzComboBox::FrameSides, &TRzComboBox::SetFrameSides).defaultValue(kAllSides)
        .property("FrameStyle", &TRzComboBox::FrameStyle, &TRzComboBox::SetFrameStyle).defaultValue(fsFlat)
        .property("FrameVisible", &TRzComboBox::FrameVisible, &TRzComboBox::SetFrameVisible).defaultValue(false)
        .property("FramingPreference", &TRzComboBox::FramingPreference, &TRzComboBox::SetFramingPreference).defaultValue(fpXPThemes)
        .property("KeepSearchCase", &TRzComboBox::KeepSearchCase, &TRzComboBox::SetKeepSearchCase).defaultValue(false)
        .property("ReadOnly", &TRzComboBox::ReadOnly, &TRzComboBox::SetReadOnly).defaultValue(false)
        .color("ReadOnlyColor", &TRzComboBox::ReadOnlyColor, &TRzComboBox::SetReadOnlyColor).colorDefault(clInfoBk)
        .property("ReadOnlyColorOnFocus", &TRzComboBox::ReadOnlyColorOnFocus, &TRzComboBox::SetReadOnlyColorOnFocus).defaultValue(false)
        .property("TabOnEnter", &TRzComboBox::TabOnEnter, &TRzComboBox::SetTabOnEnter).defaultValue(false)
        .strings("Values", &TRzComboBox::Values)
        .component<TRzFrameController>("FrameController", &TRzComboBox::FrameController, &TRzComboBox::SetFrameController)
        .property("FrameFlat", &TRzComboBox::FrameHotTrack, &TRzComboBox::ReadOldFrameFlat).stored(false)
        .property("FrameFocusStyle", &TRzComboBox::FrameHotStyle, &TRzComboBox::ReadOldFrameFocusStyle).stored(false)
        .property("FrameFlatStyle", &TRzComboBox::FrameStyle, [](TRzComboBox&, TFrameStyle) {}).stored(false)
        .event("OnMatch", &TRzComboBox::OnMatch)
        .event("OnNotInList", &TRzComboBox::OnNotInList)
        .color("Color", &TRzComboBox::Color, &TRzComboBox::SetColor).colorDefault(clWindow);
}

} // namespace

void registerRzClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerStandardClasses();
        registerEnums();
        registerPanels();
        registerLabelAndBorder();
        registerButtons();
        registerSettings();
        registerComboBox();
    });
}

} // namespace qx
