#include "controls/skinned/SkinnedClasses.h"

#include "controls/skinned/AdvOfficeImage.h"
#include "controls/skinned/AdvProgressBar.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "controls/skinned/GDIPFill.h"
#include "controls/skinned/GDIPPictureContainer.h"
#include "controls/skinned/PictureProperty.h"
#include "controls/skinned/RTFLabel.h"
#include "controls/skinned/SplashClasses.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/StandardClasses.h"

#include <mutex>

using qx::trackbar::TGradientDirection;
using enum qx::trackbar::TGradientDirection;

namespace qx {

namespace {

void registerTrackBarEnums()
{
    registerEnum<TTrackBarOrientation>("TTrackBarOrientation",
                                       {{"trHorizontal", trHorizontal}, {"trVertical", trVertical}});
    registerEnum<TMoveOnClick>("TMoveOnClick",
                               {{"mcStep", mcStep}, {"mcMove", mcMove}, {"mcMoveSlide", mcMoveSlide}});
    registerEnum<TGradientDirection>("TGradientDirection", {{"gdHorizontal", gdHorizontal},
                                                            {"gdVertical", gdVertical},
                                                            {"gdHorizontalInOut", gdHorizontalInOut},
                                                            {"gdVerticalInOut", gdVerticalInOut}});
    registerEnum<TGDIPGradient>("TGDIPGradient", {{"ggRadial", ggRadial},
                                                  {"ggVertical", ggVertical},
                                                  {"ggDiagonalForward", ggDiagonalForward},
                                                  {"ggDiagonalBackward", ggDiagonalBackward}});
    registerEnum<TThumbShape>("TThumbShape", {{"tsPointer", tsPointer},
                                              {"tsRectangle", tsRectangle},
                                              {"tsRoundRect", tsRoundRect},
                                              {"tsRound", tsRound},
                                              {"tsLine", tsLine},
                                              {"tsPointerLeftUp", tsPointerLeftUp},
                                              {"tsPointerRightUp", tsPointerRightUp},
                                              {"tsTriangle", tsTriangle},
                                              {"tsTriangleLeft", tsTriangleLeft},
                                              {"tsTriangleRight", tsTriangleRight}});
    registerEnum<TThumbPointer>("TThumbPointer",
                                {{"tpLeft", tpLeft}, {"tpCenter", tpCenter}, {"tpRight", tpRight}});
    registerEnum<TTickMark>("TTickMark",
                            {{"tmBottomRight", tmBottomRight}, {"tmTopLeft", tmTopLeft}, {"tmBoth", tmBoth}});
    registerEnum<TTickStyle>("TTickStyle", {{"tsNone", tsNone}, {"tsAuto", tsAuto}, {"tsManual", tsManual}});
    registerEnum<TTrackButtonShape>("TTrackButtonShape",
                                    {{"bsRound", bsRound}, {"bsRectangle", bsRectangle}});
    registerEnum<TLabelPosition>("TLabelPosition", {{"lpTopCenter", lpTopCenter},
                                                    {"lpTopLeft", lpTopLeft},
                                                    {"lpTopRight", lpTopRight},
                                                    {"lpBottomCenter", lpBottomCenter},
                                                    {"lpBottomLeft", lpBottomLeft},
                                                    {"lpBottomRight", lpBottomRight}});
}

void registerThumb()
{
    using T = TTrackBarThumb;
    auto b = registerClass<T>("TTrackBarThumb");
    b.color("Color", &T::Color, &T::SetColor)
        .colorDefault(15653832)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo)
        .colorDefault(16178633)
        .color("ColorMirror", &T::ColorMirror, &T::SetColorMirror)
        .colorDefault(15586496)
        .color("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo)
        .colorDefault(16245200)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .colorDefault(10317632)
        .color("ColorHot", &T::ColorHot, &T::SetColorHot)
        .colorDefault(15465983)
        .color("ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo)
        .colorDefault(11332863)
        .color("BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot)
        .colorDefault(10079963)
        .color("ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot)
        .colorDefault(5888767)
        .color("ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo)
        .colorDefault(10807807)
        .color("ColorDown", &T::ColorDown, &T::SetColorDown)
        .colorDefault(7778289)
        .color("ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo)
        .colorDefault(4296947)
        .color("BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown)
        .colorDefault(4548219)
        .color("ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown)
        .colorDefault(946929)
        .color("ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo)
        .colorDefault(5021693)
        .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled)
        .colorDefault(0)
        .color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo)
        .colorDefault(0)
        .color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled)
        .colorDefault(0)
        .color("ColorMirrorDisabled", &T::ColorMirrorDisabled, &T::SetColorMirrorDisabled)
        .colorDefault(0)
        .color("ColorMirrorDisabledTo", &T::ColorMirrorDisabledTo, &T::SetColorMirrorDisabledTo)
        .colorDefault(0)
        .property("Gradient", &T::Gradient, &T::SetGradient)
        .defaultValue(ggVertical)
        .property("GradientMirror", &T::GradientMirror, &T::SetGradientMirror)
        .defaultValue(ggRadial)
        .property("Shape", &T::Shape, &T::SetShape)
        .defaultValue(tsPointer)
        .property("ThumbPointer", &T::ThumbPointer, &T::SetThumbPointer)
        .defaultValue(tpCenter)
        .property("ShowAtMinMax", &T::ShowAtMinMax, &T::SetShowAtMinMax)
        .defaultValue(true)
        .property("Size", &T::Size, &T::SetSize)
        .defaultValue(15)
        .property("Width", &T::Width, &T::SetWidth)
        .defaultValue(10);
    addPicture(b, "Picture", &T::Picture);
    addPicture(b, "PictureHot", &T::PictureHot);
    addPicture(b, "PictureDown", &T::PictureDown);
    addPicture(b, "PictureDisabled", &T::PictureDisabled);
}

void registerSlider()
{
    using T = TTrackBarSlider;
    auto b = registerClass<T>("TTrackBarSlider");
    b.color("Color", &T::Color, &T::SetColor)
        .colorDefault(clWhite)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo)
        .colorDefault(clBlack)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .colorDefault(12752500)
        .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled)
        .colorDefault(0)
        .color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo)
        .colorDefault(0)
        .color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled)
        .colorDefault(0)
        .color("ColorCompleted", &T::ColorCompleted, &T::SetColorCompleted)
        .colorDefault(clNone)
        .color("ColorCompletedTo", &T::ColorCompletedTo, &T::SetColorCompletedTo)
        .colorDefault(clNone)
        .color("ColorCompletedDisabled", &T::ColorCompletedDisabled, &T::SetColorCompletedDisabled)
        .colorDefault(clNone)
        .color("ColorCompletedDisabledTo", &T::ColorCompletedDisabledTo, &T::SetColorCompletedDisabledTo)
        .colorDefault(clNone)
        .property("Direction", &T::Direction, &T::SetDirection)
        .defaultValue(gdHorizontal)
        .property("PictureStretched", &T::PictureStretched, &T::SetPictureStretched)
        .defaultValue(false)
        .property("Size", &T::Size, &T::SetSize)
        .defaultValue(2)
        .property("Border3D", &T::Border3D, &T::SetBorder3D)
        .defaultValue(true)
        .property("Rounded", &T::Rounded, &T::SetRounded)
        .defaultValue(false)
        .property("Visible", &T::Visible, &T::SetVisible)
        .defaultValue(true)
        .property("Offset", &T::Offset, &T::SetOffset)
        .defaultValue(10);
    addPicture(b, "Picture", &T::Picture);
    addPicture(b, "PictureDisabled", &T::PictureDisabled);
    addPicture(b, "PictureCompleted", &T::PictureCompleted);
    addPicture(b, "PictureCompletedDisabled", &T::PictureCompletedDisabled);
}

void registerTick()
{
    using T = TTrackBarTick;
    auto b = registerClass<T>("TTrackBarTick");
    b.color("Color", &T::Color, &T::SetColor)
        .colorDefault(clBlack)
        .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled)
        .colorDefault(0)
        .font("Font", &T::Font, &T::SetFont)
        .property("Line3D", &T::Line3D, &T::SetLine3D)
        .defaultValue(false)
        .property("Position", &T::Position, &T::SetPosition)
        .defaultValue(tmBottomRight)
        .property("RotateFontVert", &T::RotateFontVert, &T::SetRotateFontVert)
        .defaultValue(true)
        .property("Style", &T::Style, &T::SetStyle)
        .defaultValue(tsAuto)
        .property("ShowText", &T::ShowText, &T::SetShowText)
        .defaultValue(false)
        .property("ShowImageAtThumbOnly", &T::ShowImageAtThumbOnly, &T::SetShowImageAtThumbOnly)
        .defaultValue(false)
        .property("ShowImageAtSteps", &T::ShowImageAtSteps, &T::SetShowImageAtSteps)
        .defaultValue(1)
        .property("Spacing", &T::Spacing, &T::SetSpacing)
        .defaultValue(8)
        .property("Size", &T::Size, &T::SetSize)
        .defaultValue(4);
    addPicture(b, "Picture", &T::Picture);
    addPicture(b, "PictureDisabled", &T::PictureDisabled);
}

void registerButtons()
{
    using T = TTrackBarButtons;
    auto b = registerClass<T>("TTrackBarButtons");
    b.property("Visible", &T::Visible, &T::SetVisible)
        .defaultValue(false)
        .color("Color", &T::Color, &T::SetColor)
        .colorDefault(15653832)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo)
        .colorDefault(16178633)
        .color("ColorHot", &T::ColorHot, &T::SetColorHot)
        .colorDefault(15465983)
        .color("ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo)
        .colorDefault(11332863)
        .color("ColorDown", &T::ColorDown, &T::SetColorDown)
        .colorDefault(7778289)
        .color("ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo)
        .colorDefault(4296947)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .colorDefault(9262895)
        .color("BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot)
        .colorDefault(10079963)
        .color("BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown)
        .colorDefault(4548219)
        .color("ColorMirror", &T::ColorMirror, &T::SetColorMirror)
        .colorDefault(15586496)
        .color("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo)
        .colorDefault(16245200)
        .color("ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot)
        .colorDefault(5888767)
        .color("ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo)
        .colorDefault(10807807)
        .color("ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown)
        .colorDefault(946929)
        .color("ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo)
        .colorDefault(5021693)
        .property("Gradient", &T::Gradient, &T::SetGradient)
        .defaultValue(ggVertical)
        .property("GradientMirror", &T::GradientMirror, &T::SetGradientMirror)
        .defaultValue(ggVertical)
        .property("InitRepeatPause", &T::InitRepeatPause, &T::SetInitRepeatPause)
        .defaultValue(400)
        .property("RepeatPause", &T::RepeatPause, &T::SetRepeatPause)
        .defaultValue(100)
        .property("RepeatClick", &T::RepeatClick, &T::SetRepeatClick)
        .defaultValue(true)
        .property("RotateText", &T::RotateText, &T::SetRotateText)
        .defaultValue(true)
        .property("Size", &T::Size, &T::SetSize)
        .defaultValue(20)
        .property("Shape", &T::Shape, &T::SetShape)
        .defaultValue(bsRound)
        .property("Spacing", &T::Spacing, &T::SetSpacing)
        .defaultValue(2)
        .property("Step", &T::Step, &T::SetStep)
        .defaultValue(1);
    addPicture(b, "MinPicture", &T::MinPicture);
    addPicture(b, "MaxPicture", &T::MaxPicture);
    addPicture(b, "MinPictureHot", &T::MinPictureHot);
    addPicture(b, "MinPictureDown", &T::MinPictureDown);
    addPicture(b, "MaxPictureHot", &T::MaxPictureHot);
    addPicture(b, "MaxPictureDown", &T::MaxPictureDown);
}

void registerLabel()
{
    using T = TTrackBarLabel;
    registerClass<T>("TTrackBarLabel")
        .property("Visible", &T::Visible, &T::SetVisible)
        .defaultValue(false)
        .property("Position", &T::Position, &T::SetPosition)
        .defaultValue(lpTopCenter)
        .font("Font", &T::Font, &T::SetFont)
        .property("Format", &T::Format, &T::SetFormat)
        .defaultValue(std::string("Pos: %d"))
        .property("Spacing", &T::Spacing, &T::SetSpacing)
        .defaultValue(4);
}

void registerTrackBar()
{
    using T = TCustomTrackBar;
    auto b = registerClass<T, TCustomControl>("TCustomTrackBar");
    b.property("Max", &T::Max, &T::SetMax)
        .defaultValue(10)
        .property("Min", &T::Min, &T::SetMin)
        .defaultValue(0)
        .property("Position", &T::Position, &T::SetPosition)
        .defaultValue(0)
        .property("PageSize", &T::PageSize, &T::SetPageSize)
        .defaultValue(1)
        .property("Orientation", &T::Orientation, &T::SetOrientation)
        .defaultValue(trHorizontal)
        .property("MoveOnClick", &T::MoveOnClick, &T::SetMoveOnClick)
        .defaultValue(mcStep)
        .property("ShowFocus", &T::ShowFocus, &T::SetShowFocus)
        .defaultValue(false)
        .property("Transparent", &T::Transparent, &T::SetTransparent)
        .defaultValue(true)
        .property("TrackHint", &T::TrackHint, &T::SetTrackHint)
        .defaultValue(false)
        .event("OnGetTrackHint", &T::OnGetTrackHint)
        .event("OnGetTrackLabelText", &T::OnGetTrackLabelText)
        .event("OnGetTickMarkText", &T::OnGetTickMarkText)
        .event("OnDrawTick", &T::OnDrawTick)
        .property("TabStop", &T::TabStop, &T::SetTabStop)
        .defaultValue(true)
        .property("Version", &T::Version, &T::SetVersion)
        .stored(false)
        .color("Color", &T::Color, &T::SetColor)
        .colorDefault(clNone)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo)
        .colorDefault(clNone)
        .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled)
        .colorDefault(clNone)
        .color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo)
        .colorDefault(clNone)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .colorDefault(clNone)
        .color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled)
        .colorDefault(clNone)
        .property("Direction", &T::Direction, &T::SetDirection)
        .defaultValue(gdHorizontal)
        .property("BackGroundStretched", &T::BackGroundStretched, &T::SetBackGroundStretched)
        .defaultValue(false)
        .object("Thumb", [](T& t) -> TPersistent* { return &t.Thumb(); })
        .object("Slider", [](T& t) -> TPersistent* { return &t.Slider(); })
        .object("TickMark", [](T& t) -> TPersistent* { return &t.TickMark(); })
        .component<TImageList>("TickImages", &T::TickImages, &T::SetTickImages)
        .object("Buttons", [](T& t) -> TPersistent* { return &t.Buttons(); })
        .object("TrackLabel", [](T& t) -> TPersistent* { return &t.TrackLabel(); })
        .event("OnChange", &T::OnChange);
    addPicture(b, "BackGround", &T::BackGround);
    addPicture(b, "RateActive", &T::RateActive);
    addPicture(b, "RateInActive", &T::RateInActive);
    addPicture(b, "BackGroundDisabled", &T::BackGroundDisabled);
    registerClass<TAdvTrackBar, TCustomTrackBar>("TAdvTrackBar");
}

void registerFillEnums()
{
    registerEnum<TAdvGradientType>("TAdvGradientType", {{"gtSolid", gtSolid},
                                                        {"gtRadial", gtRadial},
                                                        {"gtVertical", gtVertical},
                                                        {"gtHorizontal", gtHorizontal},
                                                        {"gtForwardDiagonal", gtForwardDiagonal},
                                                        {"gtBackwardDiagonal", gtBackwardDiagonal},
                                                        {"gtAngle", gtAngle},
                                                        {"gtHatch", gtHatch},
                                                        {"gtPath", gtPath},
                                                        {"gtTexture", gtTexture},
                                                        {"gtNone", gtNone}});
    registerEnum<TFillRoundingType>("TFillRoundingType", {{"rtNone", rtNone},
                                                          {"rtTop", rtTop},
                                                          {"rtBottom", rtBottom},
                                                          {"rtBoth", rtBoth},
                                                          {"rtLeft", rtLeft},
                                                          {"rtRight", rtRight}});
    registerEnum<TShadowType>(
        "TShadowType",
        {{"stRightBottom", stRightBottom}, {"stBottom", stBottom}, {"stSurround", stSurround}});
    registerEnum<TGlowMode>("TGlowMode", {{"gmNone", gmNone},
                                          {"gmGradient", gmGradient},
                                          {"gmRadial", gmRadial},
                                          {"gmRadialGradient", gmRadialGradient}});
    registerEnum<TFillPicturePosition>("TFillPicturePosition", {{"ppTopLeft", ppTopLeft},
                                                                {"ppTopCenter", ppTopCenter},
                                                                {"ppTopRight", ppTopRight},
                                                                {"ppBottomLeft", ppBottomLeft},
                                                                {"ppBottomCenter", ppBottomCenter},
                                                                {"ppBottomRight", ppBottomRight},
                                                                {"ppTiled", ppTiled},
                                                                {"ppStretched", ppStretched},
                                                                {"ppCenterLeft", ppCenterLeft},
                                                                {"ppCenterCenter", ppCenterCenter},
                                                                {"ppCenterRight", ppCenterRight},
                                                                {"ppCustom", ppCustom}});
    registerEnum<TFillPictureMode>("TFillPictureMode",
                                   {{"pmInsideFill", pmInsideFill}, {"pmOutsideFill", pmOutsideFill}});
    registerEnum<TFillPictureSize>("TFillPictureSize", {{"psOriginal", psOriginal}, {"psCustom", psCustom}});
    registerEnum<TPictureMode>("TPictureMode", {{"pmStretch", pmStretch}, {"pmNormal", pmNormal}});
    static const char* const kHatchNames[] = {"Horizontal",
                                              "Vertical",
                                              "ForwardDiagonal",
                                              "BackwardDiagonal",
                                              "Cross",
                                              "DiagonalCross",
                                              "05Percent",
                                              "10Percent",
                                              "20Percent",
                                              "25Percent",
                                              "30Percent",
                                              "40Percent",
                                              "50Percent",
                                              "60Percent",
                                              "70Percent",
                                              "75Percent",
                                              "80Percent",
                                              "90Percent",
                                              "LightDownwardDiagonal",
                                              "LightUpwardDiagonal",
                                              "DarkDownwardDiagonal",
                                              "DarkUpwardDiagonal",
                                              "WideDownwardDiagonal",
                                              "WideUpwardDiagonal",
                                              "LightVertical",
                                              "LightHorizontal",
                                              "NarrowVertical",
                                              "NarrowHorizontal",
                                              "DarkVertical",
                                              "DarkHorizontal",
                                              "DashedDownwardDiagonal",
                                              "DashedUpwardDiagonal",
                                              "DashedHorizontal",
                                              "DashedVertical",
                                              "SmallConfetti",
                                              "LargeConfetti",
                                              "ZigZag",
                                              "Wave",
                                              "DiagonalBrick",
                                              "HorizontalBrick",
                                              "Weave",
                                              "Plaid",
                                              "Divot",
                                              "DottedGrid",
                                              "DottedDiamond",
                                              "Shingle",
                                              "Trellis",
                                              "Sphere",
                                              "SmallGrid",
                                              "SmallCheckerBoard",
                                              "LargeCheckerBoard",
                                              "OutlinedDiamond",
                                              "SolidDiamond",
                                              "Total"};
    std::vector<std::pair<std::string, gdiplus::HatchStyle>> hatches;
    for (std::size_t i = 0; i < std::size(kHatchNames); ++i)
        hatches.emplace_back(std::string("HatchStyle") + kHatchNames[i], static_cast<gdiplus::HatchStyle>(i));
    registerEnum<gdiplus::HatchStyle>("HatchStyle", std::move(hatches));
}

void registerFill()
{
    using T = TGDIPFill;
    auto b = registerClass<T>("TGDIPFill");
    b.color("Color", &T::Color, &T::SetColor)
        .colorDefault(0xC0C0C0)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo)
        .colorDefault(0x808080)
        .color("ColorMirror", &T::ColorMirror, &T::SetColorMirror)
        .colorDefault(clNone)
        .color("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo)
        .colorDefault(clNone)
        .property("GradientType", &T::GradientType, &T::SetGradientType)
        .defaultValue(gtVertical)
        .property("GradientMirrorType", &T::GradientMirrorType, &T::SetGradientMirrorType)
        .defaultValue(gtSolid)
        .property("HatchStyle", &T::HatchStyle, &T::SetHatchStyle)
        .defaultValue(gdiplus::HatchStyle::Horizontal)
        .property("HatchStyleMirror", &T::HatchStyleMirror, &T::SetHatchStyleMirror)
        .defaultValue(gdiplus::HatchStyle::Horizontal)
        .property("BackGroundPictureAspectRatio", &T::BackGroundPictureAspectRatio,
                  &T::SetBackGroundPictureAspectRatio)
        .defaultValue(false)
        .property("BackGroundPictureMode", &T::BackGroundPictureMode, &T::SetBackGroundPictureMode)
        .defaultValue(pmOutsideFill)
        .property("BackGroundPicturePosition", &T::BackGroundPicturePosition,
                  &T::SetBackGroundPicturePosition)
        .defaultValue(ppTopLeft)
        .property("BackGroundPictureLeft", &T::BackGroundPictureLeft, &T::SetBackGroundPictureLeft)
        .defaultValue(0)
        .property("BackGroundPictureTop", &T::BackGroundPictureTop, &T::SetBackGroundPictureTop)
        .defaultValue(0)
        .property("BackGroundPictureAspectMode", &T::BackGroundPictureAspectMode,
                  &T::SetBackGroundPictureAspectMode)
        .defaultValue(pmStretch)
        .property("PicturePosition", &T::PicturePosition, &T::SetPicturePosition)
        .defaultValue(ppTopLeft)
        .property("PictureLeft", &T::PictureLeft, &T::SetPictureLeft)
        .defaultValue(0)
        .property("PictureTop", &T::PictureTop, &T::SetPictureTop)
        .defaultValue(0)
        .property("PictureSize", &T::PictureSize, &T::SetPictureSize)
        .defaultValue(psOriginal)
        .property("PictureWidth", &T::PictureWidth, &T::SetPictureWidth)
        .defaultValue(50)
        .property("PictureHeight", &T::PictureHeight, &T::SetPictureHeight)
        .defaultValue(50)
        .property("PictureAspectRatio", &T::PictureAspectRatio, &T::SetPictureAspectRatio)
        .defaultValue(false)
        .property("PictureAspectMode", &T::PictureAspectMode, &T::SetPictureAspectMode)
        .defaultValue(pmStretch)
        .property("Opacity", &T::Opacity, &T::SetOpacity)
        .defaultValue(255)
        .property("OpacityTo", &T::OpacityTo, &T::SetOpacityTo)
        .defaultValue(255)
        .property("OpacityMirror", &T::OpacityMirror, &T::SetOpacityMirror)
        .defaultValue(255)
        .property("OpacityMirrorTo", &T::OpacityMirrorTo, &T::SetOpacityMirrorTo)
        .defaultValue(255)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .colorDefault(clNone)
        .property("BorderOpacity", &T::BorderOpacity, &T::SetBorderOpacity)
        .defaultValue(255)
        .property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth)
        .defaultValue(1)
        .property("Rounding", &T::Rounding, &T::SetRounding)
        .defaultValue(0)
        .property("RoundingType", &T::RoundingType, &T::SetRoundingType)
        .defaultValue(rtBoth)
        .color("ShadowColor", &T::ShadowColor, &T::SetShadowColor)
        .colorDefault(0x808080)
        .property("ShadowOffset", &T::ShadowOffset, &T::SetShadowOffset)
        .defaultValue(0)
        .property("ShadowType", &T::ShadowType, &T::SetShadowType)
        .defaultValue(stRightBottom)
        .property("Angle", &T::Angle, &T::SetAngle)
        .defaultValue(0)
        .event("OnChange", &T::OnChange)
        .property("Glow", &T::Glow, &T::SetGlow)
        .defaultValue(gmNone)
        .color("GlowGradientColor", &T::GlowGradientColor, &T::SetGlowGradientColor)
        .colorDefault(0xFFFFFF)
        .color("GlowRadialColor", &T::GlowRadialColor, &T::SetGlowRadialColor)
        .colorDefault(0xFFFFFF);
    addPicture(b, "BackGroundPicture", &T::BackGroundPicture);
    addPicture(b, "Picture", &T::Picture);
}

void registerPictureContainer()
{
    auto item = registerClass<TPictureItem>("TPictureItem");
    item.property("Name", &TPictureItem::Name, &TPictureItem::SetName)
        .property("Tag", &TPictureItem::Tag, &TPictureItem::SetTag)
        .defaultValue(0);
    addPicture(item, "Picture", &TPictureItem::Picture);
    registerClass<TGDIPPictureContainer, TComponent>("TGDIPPictureContainer")
        .collection("Items", [](TGDIPPictureContainer& c) { return &c.Items(); })
        .property("Version", &TGDIPPictureContainer::Version, &TGDIPPictureContainer::SetVersion)
        .stored(false);
}

void registerProgressBar()
{
    using T = TAdvProgressBar;
    registerEnum<TGaugeOrientation>("TGaugeOrientation",
                                    {{"goHorizontal", goHorizontal}, {"goVertical", goVertical}});
    registerClass<T, TGraphicControl>("TAdvProgressBar")
        .color("Level0Color", &T::Level0Color, &T::SetLevel0Color)
        .colorDefault(0x00FF00)
        .color("Level0ColorTo", &T::Level0ColorTo, &T::SetLevel0ColorTo)
        .colorDefault(0xE1FFE1)
        .color("Level1Color", &T::Level1Color, &T::SetLevel1Color)
        .colorDefault(0x00FFFF)
        .color("Level1ColorTo", &T::Level1ColorTo, &T::SetLevel1ColorTo)
        .colorDefault(0xCAFFFF)
        .color("Level2Color", &T::Level2Color, &T::SetLevel2Color)
        .colorDefault(0x53A9FF)
        .color("Level2ColorTo", &T::Level2ColorTo, &T::SetLevel2ColorTo)
        .colorDefault(0xA8D3FF)
        .color("Level3Color", &T::Level3Color, &T::SetLevel3Color)
        .colorDefault(0x0000FF)
        .color("Level3ColorTo", &T::Level3ColorTo, &T::SetLevel3ColorTo)
        .colorDefault(0xCACAFF)
        .property("Level1Perc", &T::Level1Perc, &T::SetLevel1Perc)
        .defaultValue(70)
        .property("Level2Perc", &T::Level2Perc, &T::SetLevel2Perc)
        .defaultValue(90)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor)
        .colorDefault(0x808080)
        .property("ShowBorder", &T::ShowBorder, &T::SetShowBorder)
        .defaultValue(true)
        .property("Stacked", &T::Stacked, &T::SetStacked)
        .defaultValue(false)
        .property("ShowPercentage", &T::ShowPercentage, &T::SetShowPercentage)
        .defaultValue(true)
        .font("Font", &T::Font, &T::SetFont)
        .property("CompletionSmooth", &T::CompletionSmooth, &T::SetCompletionSmooth)
        .defaultValue(false)
        .property("ShowGradient", &T::ShowGradient, &T::SetShowGradient)
        .defaultValue(true)
        .property("Steps", &T::Steps, &T::SetSteps)
        .defaultValue(8)
        .property("Min", &T::Min, &T::SetMin)
        .defaultValue(0)
        .property("Max", &T::Max, &T::SetMax)
        .defaultValue(100)
        .property("Position", &T::Position, &T::SetPosition)
        .defaultValue(50)
        .color("BackgroundColor", &T::BackgroundColor, &T::SetBackgroundColor)
        .colorDefault(0xFFFFFF)
        .property("Orientation", &T::Orientation, &T::SetOrientation)
        .defaultValue(goHorizontal)
        .property("ShowPosition", &T::ShowPosition, &T::SetShowPosition)
        .defaultValue(true)
        .property("Rounded", &T::Rounded, &T::SetRounded)
        .defaultValue(true)
        .property("Format", &T::Format, &T::SetFormat)
        .defaultValue(std::string())
        .property("Animated", &T::Animated, &T::SetAnimated)
        .defaultValue(false)
        .property("Infinite", &T::Infinite, &T::SetInfinite)
        .defaultValue(false)
        .property("InfiniteInterval", &T::InfiniteInterval, &T::SetInfiniteInterval)
        .defaultValue(50)
        .color("Level0BkColor", &T::Level0BkColor, &T::SetLevel0BkColor)
        .colorDefault(clNone)
        .color("Level1BkColor", &T::Level1BkColor, &T::SetLevel1BkColor)
        .colorDefault(clNone)
        .color("Level2BkColor", &T::Level2BkColor, &T::SetLevel2BkColor)
        .colorDefault(clNone)
        .property("Version", &T::Version, &T::SetVersion)
        .stored(false);
}

void registerOfficeImage()
{
    using H = TAdvHintInfo;
    auto hint = registerClass<H>("TAdvHintInfo");
    hint.property("ShowHelp", &H::ShowHelp, &H::SetShowHelp)
        .defaultValue(false)
        .strings("Notes", [](H& h) -> TStrings* { return &h.Notes(); })
        .property("Title", &H::Title, &H::SetTitle);
    addPicture(hint, "Picture", &H::Picture);
    using T = TAdvOfficeImage;
    auto image = registerClass<T, TGraphicControl>("TAdvOfficeImage");
    image.object("OfficeHint", [](T& t) -> TPersistent* { return &t.OfficeHint(); })
        .property("Center", &T::Center, &T::SetCenter)
        .defaultValue(true)
        .property("Stretch", &T::Stretch, &T::SetStretch)
        .defaultValue(false)
        .property("ShowHint", &T::ShowHint, &T::SetShowHint)
        .defaultValue(false)
        .property("Version", &T::Version, &T::SetVersion)
        .stored(false);
    addPicture(image, "Picture", &T::Picture);
}

void registerCurvyEdit()
{
    registerEnum<TControlPosition>("TControlPosition", {{"cpLeftInControl", cpLeftInControl},
                                                        {"cpRightInControl", cpRightInControl},
                                                        {"cpLeft", cpLeft},
                                                        {"cpRight", cpRight}});
    using B = TCurvyControl;
    auto button = registerClass<B>("TCurvyControl");
    button.property("DropDown", &B::DropDown, &B::SetDropDown)
        .defaultValue(false)
        .property("Hint", &B::Hint, &B::SetHint)
        .property("ImageIndex", &B::ImageIndex, &B::SetImageIndex)
        .defaultValue(-1)
        .property("ImageIndexHover", &B::ImageIndexHover, &B::SetImageIndexHover)
        .defaultValue(-1)
        .property("ImageIndexDown", &B::ImageIndexDown, &B::SetImageIndexDown)
        .defaultValue(-1)
        .property("Position", &B::Position, &B::SetPosition)
        .defaultValue(cpRightInControl);
    addPicture(button, "Picture", &B::Picture);
    addPicture(button, "PictureHover", &B::PictureHover);
    addPicture(button, "PictureDown", &B::PictureDown);

    using P = TCurvyPanel;
    registerClass<P, TCustomControl>("TCurvyPanel")
        .property("Rounding", &P::Rounding, &P::SetRounding)
        .defaultValue(8)
        .color("BorderColor", &P::BorderColor, &P::SetBorderColor)
        .colorDefault(0x808080)
        .color("Color", &P::Color, &P::SetColor)
        .colorDefault(clWindow);
    using C = TCurvyControlPanel;
    registerClass<C, P>("TCurvyControlPanel")
        .collection("Controls", [](C& c) -> TCollection* { return &c.Controls(); })
        .event("OnControlClick", &C::OnControlClick)
        .property("Version", &C::Version, &C::SetVersion)
        .stored(false);
    using E = TCurvyEdit;
    registerClass<E, C>("TCurvyEdit")
        .property("Alignment", &E::Alignment, &E::SetAlignment)
        .defaultValue(taLeftJustify)
        .property("AutoSelect", &E::AutoSelect, &E::SetAutoSelect)
        .defaultValue(true)
        .property("CharCase", &E::CharCase, &E::SetCharCase)
        .defaultValue(ecNormal)
        .property("MaxLength", &E::MaxLength, &E::SetMaxLength)
        .defaultValue(0)
        .property("NumbersOnly", &E::NumbersOnly, &E::SetNumbersOnly)
        .defaultValue(false)
        .property("ReadOnly", &E::ReadOnly, &E::SetReadOnly)
        .defaultValue(false)
        .property("TabStop", &E::TabStop, &E::SetTabStop)
        .defaultValue(true)
        .property("Text", &E::Text, &E::SetText)
        .property("Enabled", &E::Enabled, &E::SetEnabled)
        .defaultValue(true)
        .property("EmptyText", &E::EmptyText, &E::SetEmptyText)
        .property("HideSelection", &E::HideSelection, &E::SetHideSelection)
        .defaultValue(true)
        .property("TextHint", &E::TextHint, &E::SetTextHint)
        .event("OnChange", &E::OnChange)
        .event("OnClick", &E::OnClick)
        .event("OnDblClick", &E::OnDblClick)
        .event("OnEnter", &E::OnEnter)
        .event("OnExit", &E::OnExit)
        .event("OnKeyDown", &E::OnKeyDown)
        .event("OnKeyPress", &E::OnKeyPress)
        .event("OnKeyUp", &E::OnKeyUp)
        .event("OnMouseDown", &E::OnMouseDown)
        .event("OnMouseMove", &E::OnMouseMove)
        .event("OnMouseUp", &E::OnMouseUp)
        .event("OnMouseEnter", &E::OnMouseEnter)
        .event("OnMouseLeave", &E::OnMouseLeave);
}

void registerRtfLabel()
{
    using T = TRTFLabel;
    registerClass<T, TGraphicControl>("TRTFLabel")
        .property("RichText", &T::RichText, static_cast<void (T::*)(const std::string&)>(&T::SetRichText))
        .property("WordWrap", &T::WordWrap, &T::SetWordWrap)
        .defaultValue(false)
        .property("Transparent", &T::Transparent, &T::SetTransparent)
        .defaultValue(false)
        .color("Color", &T::Color, &T::SetColor)
        .colorDefault(clWindow)
        .property("Version", &T::Version, &T::SetVersion)
        .stored(false);
}

void registerAll()
{
    registerStandardClasses();
    registerCurvyEdit();
    registerRtfLabel();
    registerOfficeImage();
    registerFillEnums();
    registerFill();
    registerPictureContainer();
    registerProgressBar();
    registerTrackBarEnums();
    registerThumb();
    registerSlider();
    registerTick();
    registerButtons();
    registerLabel();
    registerTrackBar();
    registerSplashClasses();
}

} // namespace

void registerSkinnedClasses()
{
    static std::once_flag once;
    std::call_once(once, registerAll);
}

} // namespace qx
