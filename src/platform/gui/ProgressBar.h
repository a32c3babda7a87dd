#pragma once

#include "platform/gui/Control.h"

/// A bar filled in proportion to Position within Min..Max. Position is
/// always kept within the range.
class TProgressBar : public TCustomControl
{
public:
    explicit TProgressBar(TComponent* AOwner);

    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    int Position() const { return position_; }
    void SetPosition(int Value);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool Value);

protected:
    void Paint() override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    bool smooth_ = false;
};
