#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"

/// A text on its parent, drawn without a window of its own. With AutoSize
/// its size follows the text (with WordWrap only its height, and a
/// right-aligned label keeps its right edge); with Transparent the parent
/// shows through; "&" marks the next character unless ShowAccelChar is off.
class TLabel : public TGraphicControl
{
public:
    explicit TLabel(TComponent* AOwner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout Value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool Value);

    void Loaded() override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    unsigned textFlags() const;
    void adjustBounds();

    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
};
