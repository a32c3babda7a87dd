#pragma once

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/Component.h"

/// The font dialog: Execute shows it with Font and, when it is confirmed,
/// Font becomes the chosen one (name, height, colour, styles).
class TFontDialog : public TComponent
{
public:
    explicit TFontDialog(TComponent* AOwner) : TComponent(AOwner) {}

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value) { font_ = Value; }

    bool Execute();

private:
    TFont font_;
};
