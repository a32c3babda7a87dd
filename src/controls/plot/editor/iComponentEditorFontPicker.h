#pragma once
// TiComponentEditorFontPicker: a "Font" button that opens the font dialog on its font; a
// confirmed font tells the owner form and raises OnChange.

#include "controls/plot/editor/iComponentEditorButton.h"

class TiComponentEditorFontPicker : public TiComponentEditorButton
{
public:
    explicit TiComponentEditorFontPicker(TComponent* AOwner);

    /// The picked font (the button's own caption font is not used).
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont = Value; }
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }

    void Click() override;

    TNotifyEvent OnChange;

private:
    TFont FFont;
};
