#pragma once
// TiComponentEditorRadioGroup: the radio group of the library's editors. SetAsInteger raises
// nothing; a selection by the user raises OnChange and tells the owner form. Tab moves the
// focus within the form.

#include "controls/plot/editor/iRadioGroup.h"

class TiComponentEditorRadioGroup : public TiRadioGroup
{
public:
    explicit TiComponentEditorRadioGroup(TComponent* AOwner);

    int GetAsInteger() const { return ItemIndex(); }
    void SetAsInteger(int Value);
    /// Disabled with no item selected, silently.
    void Disable();
    void Enable() { SetEnabled(true); }

protected:
    void DoChange() override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    bool FBlockingEvents = false;
};
