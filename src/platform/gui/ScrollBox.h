#pragma once

#include "platform/gui/Control.h"

class QScrollBar;
class TScrollBox;

/// One scroll bar of a scrolling container. Position is clamped to the part
/// of Range that does not fit; Range 0 means the extent of the children.
class TControlScrollBar : public TPersistent
{
public:
    TControlScrollBar(TScrollBox& box, bool vertical) : box_(box), vertical_(vertical) {}

    int Position() const { return position_; }
    void SetPosition(int Value);
    int Range() const { return range_; }
    void SetRange(int Value);
    int Increment() const { return increment_; }
    void SetIncrement(int Value) { increment_ = Value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);

    /// The range in force: Range, or the children's extent when it is 0.
    int EffectiveRange() const;
    /// The largest position: the range less the visible part.
    int MaxPosition() const;

private:
    friend class TScrollBox;
    TScrollBox& box_;
    bool vertical_;
    int position_ = 0;
    int range_ = 0;
    int increment_ = 8;
    bool visible_ = true;
};

/// A container whose children scroll: moving a scroll bar moves every child
/// by the same distance, as changes of their Left or Top.
class TScrollBox : public TWinControl
{
public:
    explicit TScrollBox(TComponent* AOwner);
    ~TScrollBox() override;

    TControlScrollBar* VertScrollBar() const { return vert_.get(); }
    TControlScrollBar* HorzScrollBar() const { return horz_.get(); }
    /// Moves every child by (DeltaX, DeltaY).
    void ScrollBy(int DeltaX, int DeltaY);

    int ClientWidth() const override;
    int ClientHeight() const override;
    void Loaded() override;

protected:
    void Resize() override;

private:
    friend class TControlScrollBar;
    void updateBars();
    int childExtent(bool vertical) const;
    bool barShown(bool vertical) const;

    std::unique_ptr<TControlScrollBar> vert_;
    std::unique_ptr<TControlScrollBar> horz_;
    QScrollBar* vertWidget_ = nullptr;
    QScrollBar* horzWidget_ = nullptr;
};
