#pragma once
// TiColorDialog: the colour dialog of the library's editors, run through the program's
// dialog service. Execute starts on Color (a system colour resolved to RGB) and, when
// confirmed, Color becomes the chosen RGB colour.

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/Component.h"

class TiColorDialog : public TComponent
{
public:
    explicit TiColorDialog(TComponent* AOwner) : TComponent(AOwner) {}

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

    /// True when the user confirms; a cancel changes nothing.
    bool Execute();

private:
    TColor FColor = 0;
};
