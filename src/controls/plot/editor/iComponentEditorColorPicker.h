#pragma once
// TiComponentEditorColorPicker: a colour swatch with a "..." button. The button, or a double
// click on the swatch, opens the colour dialog; a confirmed colour tells the owner form and
// raises OnChange. SetColor from code raises nothing.

#include "platform/gui/Control.h"

class TButton;

class TiComponentEditorColorPicker : public TCustomControl
{
public:
    explicit TiComponentEditorColorPicker(TComponent* AOwner);

    /// The picked colour (the control's background colour is not used).
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

    void Disable();
    void Enable();
    /// Opens the colour dialog on the current colour.
    void ShowDialog();
    TButton& Button() const { return *FButton; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Loaded() override;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void DblClick() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

private:
    void PlaceButton();

    TButton* FButton = nullptr;
    TColor FColor = clRed;
};
