#pragma once

#include "platform/gui/Control.h"

/// A framed box with a caption around other controls; radio buttons inside
/// one box form one group.
class TGroupBox : public TWinControl
{
public:
    explicit TGroupBox(TComponent* AOwner);

protected:
    void TextChanged() override;
    // The caption is written in the font's colour.
    void FontChanged() override;
};
