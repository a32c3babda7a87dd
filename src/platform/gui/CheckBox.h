#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

/// A check box. Every change of its state, by the user or by writing
/// Checked or State from code, raises OnClick once.
class TCheckBox : public TWinControl
{
public:
    explicit TCheckBox(TComponent* AOwner);

    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState Value);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);

protected:
    void TextChanged() override;

private:
    void userToggled();

    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};
