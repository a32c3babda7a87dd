#pragma once
// TiComponentEditorComboBox: the combo box of the library's editors. Writes from code raise
// nothing; an item picked by the user tells the owner form and raises OnChange (OnClick is
// never raised), and typing into an editable box raises OnChange. Tab moves the focus
// within the form.

#include "platform/gui/ComboBox.h"

#include <string>

class TiComponentEditorComboBox : public TComboBox
{
public:
    explicit TiComponentEditorComboBox(TComponent* AOwner);

    int GetAsInteger() const { return ItemIndex(); }
    void SetAsInteger(int Value);
    std::string GetAsString() const { return Text(); }
    void SetAsString(const std::string& Value);

    /// Disabled, greyed and emptied, silently.
    void Disable();
    void Enable();

protected:
    void Click() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

private:
    bool FBlockingEvents = false;
};
