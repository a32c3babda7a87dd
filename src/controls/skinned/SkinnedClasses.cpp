#include "controls/skinned/SkinnedClasses.h"

#include "controls/skinned/AdvTrackBar.h"
#include "platform/gui/PropertyRegistry.h"

#include <mutex>

namespace qx {

namespace {

// Layouts name a picture by its resource; an empty name clears it.
template <class Picture>
void loadPicture(Picture& picture, const std::string& name)
{
    if (name.empty())
        return picture.Clear();
    picture.LoadFromResourceName(name);
    if (picture.ResourceName() != name)
        throw PropertyError("no picture resource named '" + name + "'");
}

template <class C, class A>
void addPicture(ClassBuilder<C>& builder, const std::string& name, A accessor)
{
    builder.picture(
        name, [accessor](const C& c) { return std::invoke(accessor, c).ResourceName(); },
        [accessor](C& c, const std::string& v) { loadPicture(std::invoke(accessor, c), v); });
}

void registerTrackBarEnums()
{
    registerEnum<TTrackBarOrientation>("TTrackBarOrientation", {{"trHorizontal", trHorizontal}, {"trVertical", trVertical}});
    registerEnum<TMoveOnClick>("TMoveOnClick", {{"mcStep", mcStep}, {"mcMove", mcMove}, {"mcMoveSlide", mcMoveSlide}});
    registerEnum<TGradientDirection>("TGradientDirection", {{"gdHorizontal", gdHorizontal}, {"gdVertical", gdVertical},
                                                           {"gdHorizontalInOut", gdHorizontalInOut},
                                                           {"gdVerticalInOut", gdVerticalInOut}});
    registerEnum<TGDIPGradient>("TGDIPGradient", {{"ggRadial", ggRadial}, {"ggVertical", ggVertical},
                                                 {"ggDiagonalForward", ggDiagonalForward},
                                                 {"ggDiagonalBackward", ggDiagonalBackward}});
    registerEnum<TThumbShape>("TThumbShape", {{"tsPointer", tsPointer}, {"tsRectangle", tsRectangle},
                                             {"tsRoundRect", tsRoundRect}, {"tsRound", tsRound}, {"tsLine", tsLine},
                                             {"tsPointerLeftUp", tsPointerLeftUp},
                                             {"tsPointerRightUp", tsPointerRightUp}, {"tsTriangle", tsTriangle},
                                             {"tsTriangleLeft", tsTriangleLeft}, {"tsTriangleRight", tsTriangleRight}});
    registerEnum<TThumbPointer>("TThumbPointer", {{"tpLeft", tpLeft}, {"tpCenter", tpCenter}, {"tpRight", tpRight}});
    registerEnum<TTickMark>("TTickMark", {{"tmBottomRight", tmBottomRight}, {"tmTopLeft", tmTopLeft}, {"tmBoth", tmBoth}});
    registerEnum<TTickStyle>("TTickStyle", {{"tsNone", tsNone}, {"tsAuto", tsAuto}, {"tsManual", tsManual}});
    registerEnum<TTrackButtonShape>("TTrackButtonShape", {{"bsRound", bsRound}, {"bsRectangle", bsRectangle}});
    registerEnum<TLabelPosition>("TLabelPosition", {{"lpTopCenter", lpTopCenter}, {"lpTopLeft", lpTopLeft},
                                                   {"lpTopRight", lpTopRight}, {"lpBottomCenter", lpBottomCenter},
                                                   {"lpBottomLeft", lpBottomLeft}, {"lpBottomRight", lpBottomRight}});
}

void registerThumb()
{
    using T = TTrackBarThumb;
    auto b = registerClass<T>("TTrackBarThumb");
    b.color("Color", &T::Color, &T::SetColor).colorDefault(15653832)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo).colorDefault(16178633)
        .color("ColorMirror", &T::ColorMirror, &T::SetColorMirror).colorDefault(15586496)
        .color("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo).colorDefault(16245200)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor).colorDefault(10317632)
        .color("ColorHot", &T::ColorHot, &T::SetColorHot).colorDefault(15465983)
        .color("ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo).colorDefault(11332863)
        .color("BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot).colorDefault(10079963)
        .color("ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot).colorDefault(5888767)
        .color("ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo).colorDefault(10807807)
        .color("ColorDown", &T::ColorDown, &T::SetColorDown).colorDefault(7778289)
        .color("ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo).colorDefault(4296947)
        .color("BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown).colorDefault(4548219)
        .color("ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown).colorDefault(946929)
        .color("ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo).colorDefault(5021693)
        .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled).colorDefault(0)
        .color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo).colorDefault(0)
        .color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled).colorDefault(0)
        .color("ColorMirrorDisabled", &T::ColorMirrorDisabled, &T::SetColorMirrorDisabled).colorDefault(0)
        .color("ColorMirrorDisabledTo", &T::ColorMirrorDisabledTo, &T::SetColorMirrorDisabledTo).colorDefault(0)
        .property("Gradient", &T::Gradient, &T::SetGradient).defaultValue(ggVertical)
        .property("GradientMirror", &T::GradientMirror, &T::SetGradientMirror).defaultValue(ggRadial)
        .property("Shape", &T::Shape, &T::SetShape).defaultValue(tsPointer)
        .property("ThumbPointer", &T::ThumbPointer, &T::SetThumbPointer).defaultValue(tpCenter)
        .property("ShowAtMinMax", &T::ShowAtMinMax, &T::SetShowAtMinMax).defaultValue(true)
        .property("Size", &T::Size, &T::SetSize).defaultValue(15)
        .property("Width", &T::Width, &T::SetWidth).defaultValue(10);
    addPicture(b, "Picture", &T::Picture);
    addPicture(b, "PictureHot", &T::PictureHot);
    addPicture(b, "PictureDown", &T::PictureDown);
    addPicture(b, "PictureDisabled", &T::PictureDisabled);
}

void registerSlider()
{
    using T = TTrackBarSlider;
    auto b = registerClass<T>("TTrackBarSlider");
    b.color("Color", &T::Color, &T::SetColor).colorDefault(clWhite)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo).colorDefault(clBlack)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor).colorDefault(12752500)
        .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled).colorDefault(0)
        .color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo).colorDefault(0)
        .color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled).colorDefault(0)
        .color("ColorCompleted", &T::ColorCompleted, &T::SetColorCompleted).colorDefault(clNone)
        .color("ColorCompletedTo", &T::ColorCompletedTo, &T::SetColorCompletedTo).colorDefault(clNone)
        .color("ColorCompletedDisabled", &T::ColorCompletedDisabled, &T::SetColorCompletedDisabled)
        .colorDefault(clNone)
        .color("ColorCompletedDisabledTo", &T::ColorCompletedDisabledTo, &T::SetColorCompletedDisabledTo)
        .colorDefault(clNone)
        .property("Direction", &T::Direction, &T::SetDirection).defaultValue(gdHorizontal)
        .property("PictureStretched", &T::PictureStretched, &T::SetPictureStretched).defaultValue(false)
        .property("Size", &T::Size, &T::SetSize).defaultValue(2)
        .property("Border3D", &T::Border3D, &T::SetBorder3D).defaultValue(true)
        .property("Rounded", &T::Rounded, &T::SetRounded).defaultValue(false)
        .property("Visible", &T::Visible, &T::SetVisible).defaultValue(true)
        .property("Offset", &T::Offset, &T::SetOffset).defaultValue(10);
    addPicture(b, "Picture", &T::Picture);
    addPicture(b, "PictureDisabled", &T::PictureDisabled);
    addPicture(b, "PictureCompleted", &T::PictureCompleted);
    addPicture(b, "PictureCompletedDisabled", &T::PictureCompletedDisabled);
}

void registerTick()
{
    using T = TTrackBarTick;
    auto b = registerClass<T>("TTrackBarTick");
    b.color("Color", &T::Color, &T::SetColor).colorDefault(clBlack)
        .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled).colorDefault(0)
        .font("Font", &T::Font, &T::SetFont)
        .property("Line3D", &T::Line3D, &T::SetLine3D).defaultValue(false)
        .property("Position", &T::Position, &T::SetPosition).defaultValue(tmBottomRight)
        .property("RotateFontVert", &T::RotateFontVert, &T::SetRotateFontVert).defaultValue(true)
        .property("Style", &T::Style, &T::SetStyle).defaultValue(tsAuto)
        .property("ShowText", &T::ShowText, &T::SetShowText).defaultValue(false)
        .property("ShowImageAtThumbOnly", &T::ShowImageAtThumbOnly, &T::SetShowImageAtThumbOnly).defaultValue(false)
        .property("ShowImageAtSteps", &T::ShowImageAtSteps, &T::SetShowImageAtSteps).defaultValue(1)
        .property("Spacing", &T::Spacing, &T::SetSpacing).defaultValue(8)
        .property("Size", &T::Size, &T::SetSize).defaultValue(4);
    addPicture(b, "Picture", &T::Picture);
    addPicture(b, "PictureDisabled", &T::PictureDisabled);
}

void registerButtons()
{
    using T = TTrackBarButtons;
    auto b = registerClass<T>("TTrackBarButtons");
    b.property("Visible", &T::Visible, &T::SetVisible).defaultValue(false)
        .color("Color", &T::Color, &T::SetColor).colorDefault(15653832)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo).colorDefault(16178633)
        .color("ColorHot", &T::ColorHot, &T::SetColorHot).colorDefault(15465983)
        .color("ColorHotTo", &T::ColorHotTo, &T::SetColorHotTo).colorDefault(11332863)
        .color("ColorDown", &T::ColorDown, &T::SetColorDown).colorDefault(7778289)
        .color("ColorDownTo", &T::ColorDownTo, &T::SetColorDownTo).colorDefault(4296947)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor).colorDefault(9262895)
        .color("BorderColorHot", &T::BorderColorHot, &T::SetBorderColorHot).colorDefault(10079963)
        .color("BorderColorDown", &T::BorderColorDown, &T::SetBorderColorDown).colorDefault(4548219)
        .color("ColorMirror", &T::ColorMirror, &T::SetColorMirror).colorDefault(15586496)
        .color("ColorMirrorTo", &T::ColorMirrorTo, &T::SetColorMirrorTo).colorDefault(16245200)
        .color("ColorMirrorHot", &T::ColorMirrorHot, &T::SetColorMirrorHot).colorDefault(5888767)
        .color("ColorMirrorHotTo", &T::ColorMirrorHotTo, &T::SetColorMirrorHotTo).colorDefault(10807807)
        .color("ColorMirrorDown", &T::ColorMirrorDown, &T::SetColorMirrorDown).colorDefault(946929)
        .color("ColorMirrorDownTo", &T::ColorMirrorDownTo, &T::SetColorMirrorDownTo).colorDefault(5021693)
        .property("Gradient", &T::Gradient, &T::SetGradient).defaultValue(ggVertical)
        .property("GradientMirror", &T::GradientMirror, &T::SetGradientMirror).defaultValue(ggVertical)
        .property("InitRepeatPause", &T::InitRepeatPause, &T::SetInitRepeatPause).defaultValue(400)
        .property("RepeatPause", &T::RepeatPause, &T::SetRepeatPause).defaultValue(100)
        .property("RepeatClick", &T::RepeatClick, &T::SetRepeatClick).defaultValue(true)
        .property("RotateText", &T::RotateText, &T::SetRotateText).defaultValue(true)
        .property("Size", &T::Size, &T::SetSize).defaultValue(20)
        .property("Shape", &T::Shape, &T::SetShape).defaultValue(bsRound)
        .property("Spacing", &T::Spacing, &T::SetSpacing).defaultValue(2)
        .property("Step", &T::Step, &T::SetStep).defaultValue(1);
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
        .property("Visible", &T::Visible, &T::SetVisible).defaultValue(false)
        .property("Position", &T::Position, &T::SetPosition).defaultValue(lpTopCenter)
        .font("Font", &T::Font, &T::SetFont)
        .property("Format", &T::Format, &T::SetFormat).defaultValue(std::string("Pos: %d"))
        .property("Spacing", &T::Spacing, &T::SetSpacing).defaultValue(4);
}

void registerTrackBar()
{
    using T = TCustomTrackBar;
    auto b = registerClass<T, TCustomControl>("TCustomTrackBar");
    b.property("Max", &T::Max, &T::SetMax).defaultValue(10)
        .property("Min", &T::Min, &T::SetMin).defaultValue(0)
        .property("Position", &T::Position, &T::SetPosition).defaultValue(0)
        .property("PageSize", &T::PageSize, &T::SetPageSize).defaultValue(1)
        .property("Orientation", &T::Orientation, &T::SetOrientation).defaultValue(trHorizontal)
        .property("MoveOnClick", &T::MoveOnClick, &T::SetMoveOnClick).defaultValue(mcStep)
        .property("ShowFocus", &T::ShowFocus, &T::SetShowFocus).defaultValue(false)
        .property("Transparent", &T::Transparent, &T::SetTransparent).defaultValue(true)
        .property("TabStop", &T::TabStop, &T::SetTabStop).defaultValue(true)
        .property("Version", &T::Version, &T::SetVersion).stored(false)
        .color("Color", &T::Color, &T::SetColor).colorDefault(clNone)
        .color("ColorTo", &T::ColorTo, &T::SetColorTo).colorDefault(clNone)
        .color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled).colorDefault(clNone)
        .color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo).colorDefault(clNone)
        .color("BorderColor", &T::BorderColor, &T::SetBorderColor).colorDefault(clNone)
        .color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled).colorDefault(clNone)
        .property("Direction", &T::Direction, &T::SetDirection).defaultValue(gdHorizontal)
        .property("BackGroundStretched", &T::BackGroundStretched, &T::SetBackGroundStretched).defaultValue(false)
        .object("Thumb", [](T& t) -> TPersistent* { return &t.Thumb(); })
        .object("Slider", [](T& t) -> TPersistent* { return &t.Slider(); })
        .object("TickMark", [](T& t) -> TPersistent* { return &t.TickMark(); })
        .object("Buttons", [](T& t) -> TPersistent* { return &t.Buttons(); })
        .object("TrackLabel", [](T& t) -> TPersistent* { return &t.TrackLabel(); })
        .event("OnChange", &T::OnChange);
    addPicture(b, "BackGround", &T::BackGround);
    addPicture(b, "BackGroundDisabled", &T::BackGroundDisabled);
    registerClass<TAdvTrackBar, TCustomTrackBar>("TAdvTrackBar");
}

void registerAll()
{
    registerTrackBarEnums();
    registerThumb();
    registerSlider();
    registerTick();
    registerButtons();
    registerLabel();
    registerTrackBar();
}

} // namespace

void registerSkinnedClasses()
{
    static std::once_flag once;
    std::call_once(once, registerAll);
}

} // namespace qx
