#include "controls/buttons/vr/VrClasses.h"

#include "controls/buttons/vr/VrButtons.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/StandardClasses.h"

#include <mutex>

namespace qx {

namespace {

void registerEnums()
{
    registerEnum<TVrTextAlignment>("TVrTextAlignment",
        {{"vtaLeft", vtaLeft}, {"vtaCenter", vtaCenter}, {"vtaRight", vtaRight}, {"vtaTopLeft", vtaTopLeft},
         {"vtaTop", vtaTop}, {"vtaTopRight", vtaTopRight}, {"vtaBottomLeft", vtaBottomLeft}, {"vtaBottom", vtaBottom},
         {"vtaBottomRight", vtaBottomRight}});
    registerEnum<TVrImageTextLayout>("TVrImageTextLayout",
        {{"ImageLeft", ImageLeft}, {"ImageRight", ImageRight}, {"ImageTop", ImageTop}, {"ImageBottom", ImageBottom}});
    registerEnum<TVrFont3DStyle>("TVrFont3DStyle",
        {{"f3dNone", f3dNone}, {"f3dRaised", f3dRaised}, {"f3dSunken", f3dSunken}, {"f3dShadow", f3dShadow}});
}

void registerSupport()
{
    registerClass<TVrPalette>("TVrPalette")
        .color("Low", &TVrPalette::Low, &TVrPalette::SetLow)
        .color("High", &TVrPalette::High, &TVrPalette::SetHigh);
    registerClass<TVrFont3D>("TVrFont3D")
        .property("Style", &TVrFont3D::Style, &TVrFont3D::SetStyle).defaultValue(f3dNone)
        .color("HighlightColor", &TVrFont3D::HighlightColor, &TVrFont3D::SetHighlightColor).colorDefault(clBtnHighlight)
        .color("ShadowColor", &TVrFont3D::ShadowColor, &TVrFont3D::SetShadowColor).colorDefault(clBtnShadow)
        .property("HighlightDepth", &TVrFont3D::HighlightDepth, &TVrFont3D::SetHighlightDepth).defaultValue(1)
        .property("ShadowDepth", &TVrFont3D::ShadowDepth, &TVrFont3D::SetShadowDepth).defaultValue(1);
    registerClass<TVrCustomControl, TCustomControl>("TVrCustomControl")
        .property("Version", &TVrCustomControl::Version, [](TVrCustomControl&, const std::string&) {}).stored(false);
    registerClass<TVrCustomImageControl, TVrCustomControl>("TVrCustomImageControl");
}

void registerButtons()
{
    registerClass<TVrDemoButton, TVrCustomImageControl>("TVrDemoButton")
        .font("FontEnter", &TVrDemoButton::FontEnter, &TVrDemoButton::SetFontEnter)
        .font("FontLeave", &TVrDemoButton::FontLeave, &TVrDemoButton::SetFontLeave)
        .picture("Bitmap", &TVrDemoButton::BitmapResource, &TVrDemoButton::SetBitmapResource)
        .color("OutlineColor", &TVrDemoButton::OutlineColor, &TVrDemoButton::SetOutlineColor).colorDefault(clBlack)
        .color("ShadowColor", &TVrDemoButton::ShadowColor, &TVrDemoButton::SetShadowColor).colorDefault(clBtnShadow)
        .color("HighlightColor", &TVrDemoButton::HighlightColor, &TVrDemoButton::SetHighlightColor).colorDefault(clBtnHighlight)
        .property("BevelWidth", &TVrDemoButton::BevelWidth, &TVrDemoButton::SetBevelWidth).defaultValue(2)
        .property("OutlineWidth", &TVrDemoButton::OutlineWidth, &TVrDemoButton::SetOutlineWidth).defaultValue(1)
        .property("TextAlignment", &TVrDemoButton::TextAlignment, &TVrDemoButton::SetTextAlignment).defaultValue(vtaCenter)
        .color("DisabledTextColor", &TVrDemoButton::DisabledTextColor, &TVrDemoButton::SetDisabledTextColor).colorDefault(clInactiveCaption)
        .color("FocusColor", &TVrDemoButton::FocusColor, &TVrDemoButton::SetFocusColor).colorDefault(clBlue)
        .object("Font3D", &TVrDemoButton::Font3D)
        .property("Flat", &TVrDemoButton::Flat, &TVrDemoButton::SetFlat).defaultValue(false)
        .property("TabStop", &TVrDemoButton::TabStop, &TVrDemoButton::SetTabStop).defaultValue(false);

    registerClass<TVrPowerButton, TVrCustomImageControl>("TVrPowerButton")
        .property("Active", &TVrPowerButton::Active, &TVrPowerButton::SetActive).defaultValue(false)
        .property("LedWidth", &TVrPowerButton::LedWidth, &TVrPowerButton::SetLedWidth).defaultValue(12)
        .property("LedHeight", &TVrPowerButton::LedHeight, &TVrPowerButton::SetLedHeight).defaultValue(12)
        .property("Layout", &TVrPowerButton::Layout, &TVrPowerButton::SetLayout).defaultValue(ImageLeft)
        .property("Margin", &TVrPowerButton::Margin, &TVrPowerButton::SetMargin).defaultValue(-1)
        .property("Spacing", &TVrPowerButton::Spacing, &TVrPowerButton::SetSpacing).defaultValue(5)
        .object("Palette", &TVrPowerButton::Palette)
        .color("FocusColor", &TVrPowerButton::FocusColor, &TVrPowerButton::SetFocusColor).colorDefault(clBlue)
        .color("OutlineColor", &TVrPowerButton::OutlineColor, &TVrPowerButton::SetOutlineColor).colorDefault(clBlack)
        .property("OutlineWidth", &TVrPowerButton::OutlineWidth, &TVrPowerButton::SetOutlineWidth).defaultValue(1)
        .color("HighlightColor", &TVrPowerButton::HighlightColor, &TVrPowerButton::SetHighlightColor).colorDefault(clBtnHighlight)
        .color("ShadowColor", &TVrPowerButton::ShadowColor, &TVrPowerButton::SetShadowColor).colorDefault(clBtnShadow)
        .property("BevelWidth", &TVrPowerButton::BevelWidth, &TVrPowerButton::SetBevelWidth).defaultValue(2)
        .property("TabStop", &TVrPowerButton::TabStop, &TVrPowerButton::SetTabStop).defaultValue(false);
}

} // namespace

void registerVrClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerStandardClasses();
        registerEnums();
        registerSupport();
        registerButtons();
        registerHandPointCursor();
    });
}

} // namespace qx
