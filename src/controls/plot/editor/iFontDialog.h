#pragma once
// TiFontDialog: the font dialog of the library's editors, run through the program's dialog
// service. When confirmed, Font takes the chosen face, height, colour and styles; its
// character set changes only with the face.

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/Component.h"

class TiFontDialog : public TComponent
{
public:
    explicit TiFontDialog(TComponent* AOwner) : TComponent(AOwner) {}

    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont = Value; }

    /// True when the user confirms; a cancel changes nothing.
    bool Execute();

private:
    TFont FFont;
};
