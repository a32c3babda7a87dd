#pragma once
// TiComponentEditorButton: the push button of the library's editors (a plain button whose
// Tab moves the focus within the owner form), and the base of the font, file and value
// converter pickers.

#include "platform/gui/Button.h"

class TiComponentEditorButton : public TButton
{
public:
    explicit TiComponentEditorButton(TComponent* AOwner);

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
};
