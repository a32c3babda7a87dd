#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"

/// A radio button. Radio buttons with the same parent exclude one another.
/// Checking a button, by the user's click or by writing Checked = true from
/// code, unchecks its siblings and raises its OnClick; checking a button
/// that is already checked, or unchecking one, raises nothing.
class TRadioButton : public TWinControl
{
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return checked_; }
    void SetChecked(bool Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);

protected:
    void TextChanged() override;

private:
    void showChecked();
    void turnSiblingsOff();

    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};
