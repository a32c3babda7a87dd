#pragma once

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/Component.h"

/// The colour dialog: Execute shows it with Color chosen and, when it is
/// confirmed, Color becomes the plain RGB colour picked (a system colour
/// comes back resolved).
class TColorDialog : public TComponent
{
public:
    explicit TColorDialog(TComponent* AOwner) : TComponent(AOwner) {}

    TColor Color() const { return color_; }
    void SetColor(TColor Value) { color_ = Value; }

    bool Execute();

private:
    TColor color_ = clBlack;
};
