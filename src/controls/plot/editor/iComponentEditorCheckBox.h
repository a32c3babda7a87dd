#pragma once
// TiComponentEditorCheckBox: the check box of the library's editors. SetAsBoolean raises
// nothing; a change by the user tells the owner form and raises OnClick. Tab moves the focus
// within the form.

#include "controls/plot/editor/iCheckBox.h"

class TiComponentEditorCheckBox : public TiCheckBox
{
public:
    explicit TiComponentEditorCheckBox(TComponent* AOwner);

    bool GetAsBoolean() const { return Checked(); }
    void SetAsBoolean(bool Value);
    /// Disabled and unchecked, silently.
    void Disable();
    void Enable() { SetEnabled(true); }

protected:
    void DoChange() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

private:
    bool FBlockingEvents = false;
};
