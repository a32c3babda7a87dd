#include "platform/gui/CoreClasses.h"

#include "platform/gui/Application.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/Timer.h"

#include <mutex>

namespace qx {

namespace {

void registerEnums()
{
    registerEnum<TAlign>("TAlign", {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom},
                                    {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient},
                                    {"alCustom", alCustom}});
    registerEnum<TAnchorKind>("TAnchorKind",
                              {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}});
    registerEnum<TFormBorderStyle>("TFormBorderStyle",
                                   {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable},
                                    {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow},
                                    {"bsSizeToolWin", bsSizeToolWin}});
    registerEnum<TBorderIcon>("TBorderIcon", {{"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize},
                                              {"biMaximize", biMaximize}, {"biHelp", biHelp}});
    registerEnum<TPosition>("TPosition", {{"poDesigned", poDesigned}, {"poDefault", poDefault},
                                          {"poDefaultPosOnly", poDefaultPosOnly},
                                          {"poDefaultSizeOnly", poDefaultSizeOnly},
                                          {"poScreenCenter", poScreenCenter}, {"poDesktopCenter", poDesktopCenter},
                                          {"poMainFormCenter", poMainFormCenter},
                                          {"poOwnerFormCenter", poOwnerFormCenter}});
    registerEnum<TFormStyle>("TFormStyle", {{"fsNormal", fsNormal}, {"fsMDIChild", fsMDIChild},
                                            {"fsMDIForm", fsMDIForm}, {"fsStayOnTop", fsStayOnTop}});
    registerEnum<TWindowState>("TWindowState",
                               {{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}});
}

void registerClasses()
{
    registerClass<TComponent>("TComponent")
        .property("Name", &TComponent::Name, &TComponent::SetName)
        .stored(false)
        .property("Tag", &TComponent::Tag, &TComponent::SetTag)
        .defaultValue(0);

    registerClass<TControl, TComponent>("TControl")
        .property("Left", &TControl::Left, &TControl::SetLeft)
        .property("Top", &TControl::Top, &TControl::SetTop)
        .property("Width", &TControl::Width, &TControl::SetWidth)
        .property("Height", &TControl::Height, &TControl::SetHeight)
        .property("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
        .stored(false)
        .property("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
        .stored(false)
        .property("Align", &TControl::Align, &TControl::SetAlign)
        .defaultValue(alNone)
        .property("Anchors", &TControl::Anchors, &TControl::SetAnchors)
        .defaultValue(TAnchors{akLeft, akTop})
        .property("Visible", &TControl::Visible, &TControl::SetVisible)
        .defaultValue(true)
        .property("Enabled", &TControl::Enabled, &TControl::SetEnabled)
        .defaultValue(true)
        .property("Caption", &TControl::Caption, &TControl::SetCaption)
        .property("Text", &TControl::Text, &TControl::SetText)
        .stored(false)
        .font("Font", &TControl::Font, &TControl::SetFont)
        .storedWhen([](const TControl& c) { return !c.ParentFont(); })
        .property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
        .defaultValue(true)
        .color("Color", &TControl::Color, &TControl::SetColor)
        .colorDefault(clBtnFace)
        .property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
        .defaultValue(false)
        .property("Hint", &TControl::Hint, &TControl::SetHint)
        .property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .defaultValue(false)
        .property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
        .defaultValue(true)
        .property("Cursor", &TControl::Cursor, &TControl::SetCursor)
        .defaultValue(0)
        .property("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext)
        .defaultValue(0)
        .event("OnClick", &TControl::OnClick)
        .event("OnDblClick", &TControl::OnDblClick)
        .event("OnMouseDown", &TControl::OnMouseDown)
        .event("OnMouseUp", &TControl::OnMouseUp)
        .event("OnMouseMove", &TControl::OnMouseMove)
        .event("OnMouseEnter", &TControl::OnMouseEnter)
        .event("OnMouseLeave", &TControl::OnMouseLeave)
        .event("OnMouseWheel", &TControl::OnMouseWheel)
        .event("OnResize", &TControl::OnResize)
        .event("OnContextPopup", &TControl::OnContextPopup);

    registerClass<TWinControl, TControl>("TWinControl")
        .property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
        .defaultValue(false)
        .property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
        .event("OnEnter", &TWinControl::OnEnter)
        .event("OnExit", &TWinControl::OnExit)
        .event("OnKeyDown", &TWinControl::OnKeyDown)
        .event("OnKeyUp", &TWinControl::OnKeyUp)
        .event("OnKeyPress", &TWinControl::OnKeyPress);

    registerClass<TGraphicControl, TControl>("TGraphicControl");
    registerClass<TCustomControl, TWinControl>("TCustomControl");

    registerClass<TSizeConstraints>("TSizeConstraints")
        .property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth)
        .defaultValue(0)
        .property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
        .defaultValue(0)
        .property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
        .defaultValue(0)
        .property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
        .defaultValue(0);
    registerClass<TForm, TCustomControl>("TForm")
        .object("Constraints", &TForm::Constraints)
        .property("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview)
        .defaultValue(false)
        .property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle)
        .defaultValue(bsSizeable)
        .property("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
        .defaultValue(TBorderIcons{biSystemMenu, biMinimize, biMaximize})
        .property("Position", &TForm::Position, &TForm::SetPosition)
        .defaultValue(poDesigned)
        .property("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle)
        .defaultValue(fsNormal)
        .property("WindowState", &TForm::WindowState, &TForm::SetWindowState)
        .defaultValue(wsNormal)
        .property("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll)
        .defaultValue(false)
        .property("Scaled", &TForm::Scaled, &TForm::SetScaled)
        .defaultValue(false)
        .component<TWinControl>("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
        .event("OnCreate", &TForm::OnCreate)
        .event("OnDestroy", &TForm::OnDestroy)
        .event("OnShow", &TForm::OnShow)
        .event("OnHide", &TForm::OnHide)
        .event("OnActivate", &TForm::OnActivate)
        .event("OnDeactivate", &TForm::OnDeactivate)
        .event("OnClose", &TForm::OnClose)
        .event("OnCloseQuery", &TForm::OnCloseQuery)
        .event("OnPaint", &TForm::OnPaint);

    registerClass<TTimer, TComponent>("TTimer")
        .property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
        .defaultValue(true)
        .property("Interval", &TTimer::Interval, &TTimer::SetInterval)
        .defaultValue(1000)
        .event("OnTimer", &TTimer::OnTimer);
}

} // namespace

void registerCoreClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerEnums();
        registerClasses();
    });
}

} // namespace qx
