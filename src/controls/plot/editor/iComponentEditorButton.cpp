#include "controls/plot/editor/iComponentEditorButton.h"

#include "controls/plot/editor/iCustomEditorForm.h"

TiComponentEditorButton::TiComponentEditorButton(TComponent* AOwner) : TButton(AOwner) {}

void TiComponentEditorButton::KeyDown(Word& Key, TShiftState Shift)
{
    if (qx::plot::HandleEditorTab(*this, Key, Shift))
        return;
    TButton::KeyDown(Key, Shift);
}
