#include "platform/gui/ProgressBar.h"

#include "platform/gui/PaintHelpers.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Edges.h"

#include <algorithm>

namespace {
constexpr TColor kBarColor = 0x00D77800; // highlight blue
constexpr int kBlockWidth = 8;
} // namespace

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::SetMin(int Value)
{
    min_ = Value;
    max_ = std::max(max_, min_);
    SetPosition(position_);
}

void TProgressBar::SetMax(int Value)
{
    max_ = Value;
    min_ = std::min(min_, max_);
    SetPosition(position_);
}

void TProgressBar::SetPosition(int Value)
{
    position_ = std::clamp(Value, min_, max_);
    Invalidate();
}

void TProgressBar::SetSmooth(bool Value)
{
    smooth_ = Value;
    Invalidate();
}

void TProgressBar::Paint()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    TRect r = ClientRect();
    qx::fillThenClearBrush(*canvas, r, clBtnFace);
    DrawEdge(*canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (max_ <= min_ || position_ <= min_)
        return;
    const long long span = max_ - min_;
    int filled = static_cast<int>((r.Right - r.Left) * static_cast<long long>(position_ - min_) / span);
    if (!smooth_)
        filled -= filled % kBlockWidth;
    TRect bar = r;
    bar.Right = r.Left + filled;
    qx::fillThenClearBrush(*canvas, bar, kBarColor);
}
