#pragma once

#include "platform/gui/Control.h"

#include <cstdint>

enum TUDOrientation { udHorizontal, udVertical };
enum TUpDownDirection { updNone, updUp, updDown };
enum TUDBtnType { btNext, btPrev };

using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
using TUDChangingEventEx =
    std::function<void(TObject* Sender, bool& AllowChange, std::int16_t NewValue, TUpDownDirection Direction)>;
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

/// A pair of arrow buttons that steps a position between Min and Max.
///
/// Before the position changes, OnChanging and then OnChangingEx are raised
/// with the new value; a handler that clears AllowChange keeps the old one.
/// An arrow click raises them with the position plus or minus Increment
/// (which may lie outside Min..Max; the position taken is clamped), then
/// OnClick. Writing a different Position from code raises them too, with
/// the value written and direction updNone. The position always lies within
/// Min..Max.
class TUpDown : public TWinControl
{
public:
    explicit TUpDown(TComponent* AOwner);

    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    int Increment() const { return increment_; }
    void SetIncrement(int Value) { increment_ = Value; }
    int Position() const { return position_; }
    void SetPosition(int Value);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation Value);
    /// Stepping past one end goes on from the other.
    bool Wrap() const { return wrap_; }
    void SetWrap(bool Value) { wrap_ = Value; }

    /// What an arrow click does: the upper (right) arrow is btNext.
    void ArrowClick(TUDBtnType Button);

    TUDChangingEvent OnChanging;
    TUDChangingEventEx OnChangingEx;
    TUDClickEvent OnClick;

protected:
    virtual bool DoCanChange(int NewValue, TUpDownDirection Direction);
    /// Raises OnClick after an arrow click.
    virtual void ArrowClicked(TUDBtnType Button);

private:
    int clamped(int value) const;
    void layoutArrows();
    void Resize() override;
    void Loaded() override;

    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    TUDOrientation orientation_ = udVertical;
    bool wrap_ = false;
};
