#include "controls/plot/editor/iComponentEditorFontPicker.h"

#include "controls/plot/editor/iCustomEditorForm.h"
#include "controls/plot/editor/iFontDialog.h"

#include <memory>

TiComponentEditorFontPicker::TiComponentEditorFontPicker(TComponent* AOwner) : TiComponentEditorButton(AOwner)
{
    SetBounds(Left(), Top(), 75, 25);
    SetCaption("Font");
}

void TiComponentEditorFontPicker::Click()
{
    TiComponentEditorButton::Click();
    const std::unique_ptr<TiFontDialog> dialog = std::make_unique<TiFontDialog>(this);
    dialog->SetFont(FFont);
    if (!dialog->Execute())
        return;
    FFont = dialog->Font();
    qx::plot::NotifyOwnerForm(*this);
    Invalidate();
    qx::fire(OnChange, this);
}
