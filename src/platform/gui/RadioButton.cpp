#include "platform/gui/RadioButton.h"

#include "platform/gui/Application.h"
#include "platform/gui/QtConversions.h"

#include <QRadioButton>

namespace {
QRadioButton* radio(const TControl* c) { return static_cast<QRadioButton*>(c->Widget()); }
}

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner, new QRadioButton)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
    SetTabStop(true);
    // The siblings are unchecked here, through their Checked, not by Qt.
    radio(this)->setAutoExclusive(false);
    QObject::connect(radio(this), &QRadioButton::clicked, radio(this),
                     [this] { qx::guarded(this, [this] { SetChecked(true); }); });
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool Value)
{
    if (Value == checked_) {
        showChecked();
        return;
    }
    checked_ = Value;
    showChecked();
    if (!Value)
        return;
    turnSiblingsOff();
    if (!Loading())
        Click();
}

void TRadioButton::showChecked()
{
    const QSignalBlocker block(radio(this));
    radio(this)->setChecked(checked_);
}

void TRadioButton::turnSiblingsOff()
{
    if (!Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); sibling && sibling != this)
            sibling->SetChecked(false);
}

void TRadioButton::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    radio(this)->setLayoutDirection(Value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TRadioButton::TextChanged() { radio(this)->setText(qx::toQt(Caption())); }
