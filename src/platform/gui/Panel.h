#pragma once

#include "platform/gui/Control.h"
#include "platform/gui/ControlEnums.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

/// A container drawn with an outer and an inner bevel, a border between
/// them, and its caption in the middle.
class TPanel : public TCustomControl
{
public:
    explicit TPanel(TComponent* AOwner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut Value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut Value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TTextLayout VerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(TTextLayout Value);

protected:
    void Paint() override;
    void TextChanged() override { Invalidate(); }

private:
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
    TTextLayout verticalAlignment_ = tlCenter;
};
