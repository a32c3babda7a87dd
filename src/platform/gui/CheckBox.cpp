#include "platform/gui/CheckBox.h"

#include "platform/gui/Application.h"
#include "platform/gui/QtConversions.h"

#include <QCheckBox>

namespace {
QCheckBox* box(const TControl* c) { return static_cast<QCheckBox*>(c->Widget()); }
}

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner, new QCheckBox)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
    SetTabStop(true);
    QObject::connect(box(this), &QCheckBox::clicked, box(this), [this] { qx::guarded(this, [this] { userToggled(); }); });
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::userToggled()
{
    // The user's click steps through the states the box allows.
    const TCheckBoxState next = state_ == cbUnchecked ? cbChecked
                                : state_ == cbChecked && allowGrayed_ ? cbGrayed
                                                                      : cbUnchecked;
    SetState(next);
}

void TCheckBox::SetState(TCheckBoxState Value)
{
    {
        const QSignalBlocker block(box(this));
        box(this)->setCheckState(Value == cbChecked ? Qt::Checked : Value == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    if (Value == state_)
        return;
    state_ = Value;
    if (!Loading())
        Click();
}

void TCheckBox::SetAllowGrayed(bool Value)
{
    allowGrayed_ = Value;
    box(this)->setTristate(Value);
}

void TCheckBox::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    box(this)->setLayoutDirection(Value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::TextChanged() { box(this)->setText(qx::toQt(Caption())); }
