#include "controls/skinned/SplashClasses.h"

#include "controls/skinned/AdvSmoothSplashScreen.h"
#include "controls/skinned/GDIPPictureContainer.h"
#include "controls/skinned/PictureProperty.h"
#include "platform/gui/ImageList.h"

namespace qx {

namespace {

void registerSplashEnums()
{
    registerEnum<TDisplayStyle>("TDisplayStyle", {{"dsNormal", dsNormal}, {"dsFadeInOut", dsFadeInOut}});
    registerEnum<TDisplayLocation>("TDisplayLocation", {{"dlFixedPos", dlFixedPos}, {"dlCenter", dlCenter}});
    registerEnum<TAdvSmoothSplashScreenTextRenderingHint>(
        "TAdvSmoothSplashScreenTextRenderingHint",
        {{"tAntiAlias", tAntiAlias}, {"tAntiAliasGridFit", tAntiAliasGridFit}, {"tClearType", tClearType}});
    registerEnum<TItemLocation>("TItemLocation", {{"ilTopLeft", ilTopLeft},
                                                  {"ilTopCenter", ilTopCenter},
                                                  {"ilTopRight", ilTopRight},
                                                  {"ilBottomLeft", ilBottomLeft},
                                                  {"ilBottomCenter", ilBottomCenter},
                                                  {"ilBottomRight", ilBottomRight},
                                                  {"ilCustom", ilCustom}});
    registerEnum<TAdvSmoothSplashScreenLocation>("TAdvSmoothSplashScreenLocation",
                                                 {{"cpTopLeft", cpTopLeft},
                                                  {"cpTopCenter", cpTopCenter},
                                                  {"cpTopRight", cpTopRight},
                                                  {"cpCenterLeft", cpCenterLeft},
                                                  {"cpCenterCenter", cpCenterCenter},
                                                  {"cpCenterRight", cpCenterRight},
                                                  {"cpBottomLeft", cpBottomLeft},
                                                  {"cpBottomCenter", cpBottomCenter},
                                                  {"cpBottomRight", cpBottomRight},
                                                  {"cpCustom", cpCustom}});
    registerEnum<TGDIPProgressValueType>("TGDIPProgressValueType",
                                         {{"vtPercentage", vtPercentage}, {"vtAbsolute", vtAbsolute}});
    registerEnum<TGDIPProgressValuePosition>("TGDIPProgressValuePosition", {{"vpProgressCenter", vpProgressCenter},
                                                                            {"vpProgressRight", vpProgressRight},
                                                                            {"vpCenter", vpCenter},
                                                                            {"vpLeft", vpLeft},
                                                                            {"vpRight", vpRight},
                                                                            {"vpCustom", vpCustom}});
}

void registerContent()
{
    using I = TSplashItem;
    auto item = registerClass<I>("TSplashItem");
    item.property("Text", &I::Text, &I::SetText)
        .property("ImageIndex", &I::ImageIndex, &I::SetImageIndex)
        .defaultValue(-1)
        .property("Tag", &I::Tag, &I::SetTag)
        .defaultValue(0)
        .property("PosX", &I::PosX, &I::SetPosX)
        .defaultValue(80)
        .property("PosY", &I::PosY, &I::SetPosY)
        .defaultValue(130)
        .font("Font", &I::Font, &I::SetFont);
    addPicture(item, "Picture", &I::Picture);

    using L = TSplashListItem;
    registerClass<L>("TSplashListItem")
        .property("HTMLText", &L::HTMLText, &L::SetHTMLText)
        .property("Tag", &L::Tag, &L::SetTag)
        .defaultValue(0);

    using R = TListItemsRect;
    registerClass<R>("TListItemsRect")
        .property("Left", &R::Left, &R::SetLeft)
        .defaultValue(30)
        .property("Top", &R::Top, &R::SetTop)
        .defaultValue(150)
        .property("Width", &R::Width, &R::SetWidth)
        .defaultValue(300)
        .property("Height", &R::Height, &R::SetHeight)
        .defaultValue(200);

    using S = TSplashListItemsSettings;
    registerClass<S>("TSplashListItemsSettings")
        .object("Rect", [](S& s) -> TPersistent* { return &s.Rect(); })
        .property("Space", &S::Space, &S::SetSpace)
        .defaultValue(8)
        .font("HTMLFont", &S::HTMLFont, &S::SetHTMLFont)
        .color("HTMLURLColor", &S::HTMLURLColor, &S::SetHTMLURLColor)
        .colorDefault(0xFF0000)
        .color("HTMLShadowColor", &S::HTMLShadowColor, &S::SetHTMLShadowColor)
        .colorDefault(0x808080)
        .property("HTMLShadowOffset", &S::HTMLShadowOffset, &S::SetHTMLShadowOffset)
        .defaultValue(5);

    using H = TSplashHeadingText;
    auto heading = registerClass<H>("TSplashHeadingText");
    heading.property("Text", &H::Text, &H::SetText)
        .font("Font", &H::Font, &H::SetFont)
        .property("Location", &H::Location, &H::SetLocation)
        .defaultValue(ilTopLeft)
        .property("PosX", &H::PosX, &H::SetPosX)
        .defaultValue(10)
        .property("PosY", &H::PosY, &H::SetPosY)
        .defaultValue(100)
        .property("GradientType", &H::GradientType, &H::SetGradientType)
        .defaultValue(gtVertical)
        .color("ColorStart", &H::ColorStart, &H::SetColorStart)
        .colorDefault(0x000000)
        .color("ColorEnd", &H::ColorEnd, &H::SetColorEnd)
        .colorDefault(clNone)
        .property("OpacityStart", &H::OpacityStart, &H::SetOpacityStart)
        .defaultValue(255)
        .property("OpacityEnd", &H::OpacityEnd, &H::SetOpacityEnd)
        .defaultValue(255)
        .property("HatchStyle", &H::HatchStyle, &H::SetHatchStyle)
        .defaultValue(gdiplus::HatchStyle::Horizontal)
        .property("Angle", &H::Angle, &H::SetAngle)
        .defaultValue(0);
    addPicture(heading, "Picture", &H::Picture);

    using P = TBasicProgramInfo;
    registerClass<P>("TBasicProgramInfo")
        .property("AutoLoad", &P::AutoLoad, &P::SetAutoLoad)
        .defaultValue(true)
        .object("ProgramName", [](P& p) -> TPersistent* { return &p.ProgramName(); })
        .object("ProgramVersion", [](P& p) -> TPersistent* { return &p.ProgramVersion(); })
        .property("CopyRight", &P::CopyRight, &P::SetCopyRight)
        .font("CopyRightFont", &P::CopyRightFont, &P::SetCopyRightFont)
        .property("CopyRightLocation", &P::CopyRightLocation, &P::SetCopyRightLocation)
        .defaultValue(ilTopLeft)
        .property("CopyRightPosX", &P::CopyRightPosX, &P::SetCopyRightPosX)
        .defaultValue(10)
        .property("CopyRightPosY", &P::CopyRightPosY, &P::SetCopyRightPosY)
        .defaultValue(130);

    using T = TAdvSplashHTMLText;
    registerClass<T>("TAdvSplashHTMLText")
        .property("Text", &T::Text, &T::SetText)
        .property("Location", &T::Location, &T::SetLocation)
        .defaultValue(cpTopLeft)
        .property("Left", &T::Left, &T::SetLeft)
        .defaultValue(0)
        .property("Top", &T::Top, &T::SetTop)
        .defaultValue(0)
        .color("URLColor", &T::URLColor, &T::SetURLColor)
        .colorDefault(0xFF0000)
        .color("ShadowColor", &T::ShadowColor, &T::SetShadowColor)
        .colorDefault(0x808080)
        .property("ShadowOffset", &T::ShadowOffset, &T::SetShadowOffset)
        .defaultValue(5)
        .font("Font", &T::Font, &T::SetFont);

    using O = TAdvSplashTopLayerItem;
    registerClass<O>("TAdvSplashTopLayerItem")
        .property("Visible", &O::Visible, &O::SetVisible)
        .defaultValue(true)
        .property("Left", &O::Left, &O::SetLeft)
        .defaultValue(0)
        .property("Top", &O::Top, &O::SetTop)
        .defaultValue(0)
        .property("Width", &O::Width, &O::SetWidth)
        .defaultValue(100)
        .property("Height", &O::Height, &O::SetHeight)
        .defaultValue(100)
        .property("Align", &O::Align, &O::SetAlign)
        .defaultValue(alCustom)
        .object("Fill", [](O& o) -> TPersistent* { return &o.Fill(); })
        .object("HTMLText", [](O& o) -> TPersistent* { return &o.HTMLText(); });
}

void registerProgress()
{
    using P = TGDIPSplashProgress;
    registerClass<P>("TGDIPSplashProgress")
        .object("BackGroundFill", [](P& p) -> TPersistent* { return &p.BackGroundFill(); })
        .object("ProgressFill", [](P& p) -> TPersistent* { return &p.ProgressFill(); })
        .font("Font", &P::Font, &P::SetFont)
        .font("ProgressFont", &P::ProgressFont, &P::SetProgressFont)
        .property("ValueFormat", &P::ValueFormat, &P::SetValueFormat)
        .defaultValue(std::string("%.0f%%"))
        .property("ValueType", &P::ValueType, &P::SetValueType)
        .defaultValue(vtAbsolute)
        .property("ValuePosition", &P::ValuePosition, &P::SetValuePosition)
        .defaultValue(vpCenter)
        .property("ValuePositionLeft", &P::ValuePositionLeft, &P::SetValuePositionLeft)
        .defaultValue(0)
        .property("ValuePositionTop", &P::ValuePositionTop, &P::SetValuePositionTop)
        .defaultValue(0)
        .property("ValueVisible", &P::ValueVisible, &P::SetValueVisible)
        .defaultValue(false)
        .property("Visible", &P::Visible, &P::SetVisible)
        .defaultValue(false)
        .property("Left", &P::Left, &P::SetLeft)
        .defaultValue(50)
        .property("Top", &P::Top, &P::SetTop)
        .defaultValue(100)
        .property("Width", &P::Width, &P::SetWidth)
        .defaultValue(300)
        .property("Height", &P::Height, &P::SetHeight)
        .defaultValue(17)
        .property("Step", &P::Step, &P::SetStep)
        .defaultValue(10.0)
        .property("Minimum", &P::Minimum, &P::SetMinimum)
        .defaultValue(0.0)
        .property("Maximum", &P::Maximum, &P::SetMaximum)
        .defaultValue(100.0)
        .property("Position", &P::Position, &P::SetPosition)
        .defaultValue(0.0)
        .event("OnChange", &P::OnChange);

    using B = TAdvSplashProgressBar;
    registerClass<B, TGraphicControl>("TAdvSplashProgressBar")
        .property("Step", &B::Step, &B::SetStep)
        .defaultValue(10.0)
        .property("Minimum", &B::Minimum, &B::SetMinimum)
        .defaultValue(0.0)
        .property("Maximum", &B::Maximum, &B::SetMaximum)
        .defaultValue(100.0)
        .property("Position", &B::Position, &B::SetPosition)
        .defaultValue(0.0)
        .property("GlowAnimation", &B::GlowAnimation, &B::SetGlowAnimation)
        .defaultValue(false)
        .property("ProgressAnimation", &B::ProgressAnimation, &B::SetProgressAnimation)
        .defaultValue(false)
        .object("Appearance", [](B& b) -> TPersistent* { return &b.Appearance(); })
        .property("Version", &B::Version, &B::SetVersion)
        .stored(false)
        .event("OnChange", &B::OnChange)
        .event("OnPositionChanged", &B::OnPositionChanged);
}

void registerSplashScreen()
{
    using T = TAdvSmoothSplashScreen;
    registerClass<T, TComponent>("TAdvSmoothSplashScreen")
        .property("StayOnTop", &T::StayOnTop, &T::SetStayOnTop)
        .defaultValue(true)
        .property("Version", &T::Version, &T::SetVersion)
        .stored(false)
        .property("AutoShow", &T::AutoShow, &T::SetAutoShow)
        .defaultValue(true)
        .property("AutoAdaptPictureSize", &T::AutoAdaptPictureSize, &T::SetAutoAdaptPictureSize)
        .defaultValue(true)
        .object("BasicProgramInfo", [](T& t) -> TPersistent* { return &t.BasicProgramInfo(); })
        .property("CloseOnMainFormShow", &T::CloseOnMainFormShow, &T::SetCloseOnMainFormShow)
        .defaultValue(true)
        .property("CloseOnTimeout", &T::CloseOnTimeout, &T::SetCloseOnTimeout)
        .defaultValue(false)
        .object("Fill", [](T& t) -> TPersistent* { return &t.Fill(); })
        .property("TimeOut", &T::TimeOut, &T::SetTimeOut)
        .defaultValue(1000)
        .object("ProgressBar", [](T& t) -> TPersistent* { return &t.ProgressBar(); })
        .collection("Items", [](T& t) { return &t.Items(); })
        .property("PictureGap", &T::PictureGap, &T::SetPictureGap)
        .defaultValue(5)
        .collection("ListItems", [](T& t) { return &t.ListItems(); })
        .object("ListItemsSettings", [](T& t) -> TPersistent* { return &t.ListItemsSettings(); })
        .component<TGDIPPictureContainer>("PictureContainer", &T::PictureContainer, &T::SetPictureContainer)
        .property("DisplayStyle", &T::DisplayStyle, &T::SetDisplayStyle)
        .defaultValue(dsFadeInOut)
        .property("DisplayLocation", &T::DisplayLocation, &T::SetDisplayLocation)
        .defaultValue(dlCenter)
        .property("DisplayPosX", &T::DisplayPosX, &T::SetDisplayPosX)
        .defaultValue(0)
        .property("DisplayPosY", &T::DisplayPosY, &T::SetDisplayPosY)
        .defaultValue(0)
        .property("Width", &T::Width, &T::SetWidth)
        .defaultValue(600)
        .property("Height", &T::Height, &T::SetHeight)
        .defaultValue(400)
        .component<TImageList>("Images", &T::Images, &T::SetImages)
        .collection("TopLayerItems", [](T& t) { return &t.TopLayerItems(); })
        .property("MaxOpacity", &T::MaxOpacity, &T::SetMaxOpacity)
        .defaultValue(255)
        .property("TextRendering", &T::TextRendering, &T::SetTextRendering)
        .defaultValue(tClearType)
        .event("OnProgressChange", &T::OnProgressChange)
        .event("OnProgressPositionChanged", &T::OnProgressPositionChanged)
        .event("OnClick", &T::OnClick)
        .event("OnBeforeShow", &T::OnBeforeShow)
        .event("OnClose", &T::OnClose);
}

} // namespace

void registerSplashClasses()
{
    registerSplashEnums();
    registerContent();
    registerProgress();
    registerSplashScreen();
}

} // namespace qx
