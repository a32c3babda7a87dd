#include "platform/gui/Button.h"

#include "platform/gui/Application.h"
#include "platform/gui/Keys.h"
#include "platform/gui/QtConversions.h"

#include <QPushButton>

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner, new QPushButton)
{
    // The click comes from the button itself, not from the mouse messages.
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
    SetTabStop(true);
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { qx::guarded(this, [this] { Click(); }); });
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool Value)
{
    default_ = Value;
    static_cast<QPushButton*>(Widget())->setDefault(Value);
}

void TButton::Click()
{
    if (modalResult_ != mrNone)
        if (TForm* form = GetParentForm(this))
            form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGKEY && takesDialogKey(Message)) {
        Click();
        Message.Result = 1;
        return;
    }
    TWinControl::Dispatch(Message);
}

bool TButton::takesDialogKey(const TMessage& Message) const
{
    if (!KeyDataToShiftState(Message.LParam).Empty() || !CanFocus())
        return false;
    if (Message.WParam == VK_ESCAPE)
        return cancel_;
    if (Message.WParam != VK_RETURN)
        return false;
    TForm* form = GetParentForm(this);
    auto* focused = form ? dynamic_cast<TButton*>(form->ActiveControl()) : nullptr;
    return focused ? focused == this : default_;
}

void TButton::TextChanged() { static_cast<QPushButton*>(Widget())->setText(qx::toQt(Caption())); }
