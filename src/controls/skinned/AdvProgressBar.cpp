#include "controls/skinned/AdvProgressBar.h"

#include "controls/skinned/PaintGuard.h"
#include "controls/skinned/Rounding.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/text/EConvertError.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor kCornerKey = 0xFF00FF; // magenta, left in the corners of a rounded bar

void solidFill(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = color;
    canvas.Pen().Style = psSolid;
    canvas.Pen().Color = color;
    canvas.Rectangle(r);
}

int percentOf(int value, int min, int max)
{
    return min == max ? 0 : qx::roundEven(double(value) / (double(max) - min) * 100);
}

} // namespace

void FillGradientBands(TCanvas& canvas, TColor from, TColor to, bool acrossX, const TRect& r, int count)
{
    if (count <= 0)
        count = 1;
    const TColor f = ColorToRGB(from), t = ColorToRGB(to);
    const int start = acrossX ? r.Left : r.Top, end = acrossX ? r.Right : r.Bottom;
    const double h = double(end - start) / count;
    const double dr = (GetRValue(t) - GetRValue(f)) / double(count);
    const double dg = (GetGValue(t) - GetGValue(f)) / double(count);
    const double db = (GetBValue(t) - GetBValue(f)) / double(count);
    for (int i = 0; i < count; ++i) {
        const TColor c = RGB(GetRValue(f) + qx::roundEven(i * dr), GetGValue(f) + qx::roundEven(i * dg),
                             GetBValue(f) + qx::roundEven(i * db));
        const int a = start + qx::roundEven(i * h);
        const int b = std::min(end, a + int(h) + 1);
        if (a >= b)
            continue;
        solidFill(canvas, acrossX ? Rect(a, r.Top, b, r.Bottom) : Rect(r.Left, a, r.Right, b), c);
    }
}

namespace {

struct LevelColours
{
    TColor color, colorTo;
};

// A block drawn as two shaded halves split across the bar, or solid.
void drawBlock(TCanvas& canvas, const TRect& r, LevelColours c, const TGaugeSettings& s)
{
    if (r.IsEmpty())
        return;
    if (!s.ShowGradient)
        return solidFill(canvas, r, c.color);
    const bool vertical = s.Orientation == goVertical;
    if (vertical) {
        const int mid = r.Left + r.Width() / 2;
        FillGradientBands(canvas, c.colorTo, c.color, true, Rect(r.Left, r.Top, mid, r.Bottom), s.Steps);
        FillGradientBands(canvas, c.color, c.colorTo, true, Rect(mid, r.Top, r.Right, r.Bottom), s.Steps);
    } else {
        const int mid = r.Top + r.Height() / 2;
        FillGradientBands(canvas, c.colorTo, c.color, false, Rect(r.Left, r.Top, r.Right, mid), s.Steps);
        FillGradientBands(canvas, c.color, c.colorTo, false, Rect(r.Left, mid, r.Right, r.Bottom), s.Steps);
    }
}

void paintLevelBackgrounds(TCanvas& canvas, int w, int h, int c, const TGaugeSettings& s)
{
    if (s.Level0BkColor == clNone && s.Level1BkColor == clNone && s.Level2BkColor == clNone)
        return;
    const int z1 = qx::roundEven(s.Level1Perc / 100.0 * c);
    const int z2 = qx::roundEven((s.Level2Perc - s.Level1Perc) / 100.0 * c);
    const int z3 = c - z1 - z2;
    const bool vertical = s.Orientation == goVertical;
    const TRect zones[3] = {
        vertical ? Rect(1, h - z1 + 1, w - 1, h - 2) : Rect(2, 1, z1, h - 1),
        vertical ? Rect(1, h - z1 + 1 - z2, w - 1, h - z1 + 1) : Rect(z1, 1, z1 + z2, h - 1),
        vertical ? Rect(1, h - z1 - z2 - z3, w - 1, h - z1 - z2) : Rect(z1 + z2, 1, z1 + z2 + z3, h - 1),
    };
    const TColor colours[3] = {s.Level0BkColor, s.Level1BkColor, s.Level2BkColor};
    for (int i = 0; i < 3; ++i)
        if (colours[i] != clNone)
            solidFill(canvas, zones[i], colours[i]);
}

void paintStacked(TCanvas& canvas, int w, int h, int c, int p, const TGaugeSettings& s)
{
    const LevelColours levels[3] = {
        {s.Level0Color, s.Level0ColorTo}, {s.Level1Color, s.Level1ColorTo}, {s.Level2Color, s.Level2ColorTo}};
    int lengths[3] = {0, 0, 0};
    lengths[0] = qx::roundEven((p < s.Level1Perc ? p : s.Level1Perc) / 100.0 * c);
    if (p >= s.Level1Perc)
        lengths[1] = qx::roundEven(((p < s.Level2Perc ? p : s.Level2Perc) - s.Level1Perc) / 100.0 * c);
    if (p >= s.Level2Perc)
        lengths[2] = p == 100 ? c - lengths[0] - lengths[1] : qx::roundEven((p - s.Level2Perc) / 100.0 * c);
    const bool vertical = s.Orientation == goVertical;
    int edge = vertical ? h - lengths[0] + 1 : 2;
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && lengths[i] <= 0)
            break;
        TRect r;
        if (vertical) {
            const int bottom = i == 0 ? h - 2 : edge - (i == 2 ? 1 : 0);
            r = Rect(1, bottom - (i == 0 ? lengths[0] - 3 : lengths[i]), w - 1, bottom);
            edge = r.Top;
        } else {
            r = Rect(edge, 1, i == 0 ? lengths[0] : edge + lengths[i], h - 1);
            edge = r.Right;
        }
        drawBlock(canvas, r, levels[i], s);
    }
}

void paintBlocks(TCanvas& canvas, int w, int h, int c, int p, const TGaugeSettings& s)
{
    const LevelColours colours = p < s.Level1Perc   ? LevelColours{s.Level0Color, s.Level0ColorTo}
                                 : p < s.Level2Perc ? LevelColours{s.Level1Color, s.Level1ColorTo}
                                 : p > 99           ? LevelColours{s.Level3Color, s.Level3ColorTo}
                                                    : LevelColours{s.Level2Color, s.Level2ColorTo};
    const bool vertical = s.Orientation == goVertical;
    if (s.CompletionSmooth) {
        const int u = qx::roundEven(p / 100.0 * c);
        return drawBlock(canvas, vertical ? Rect(2, h - u, w - 2, h - 2) : Rect(2, 2, u, h - 2), colours, s);
    }
    const int n = qx::roundEven(c * p / 100.0);
    if (n < 10) {
        if (n > 1)
            drawBlock(canvas, vertical ? Rect(2, h - n - 1, w - 2, h - 2) : Rect(2, 2, n + 1, h - 2), colours,
                      s);
        return;
    }
    const int full = n / 9;
    for (int k = 0; k < full; ++k)
        drawBlock(canvas,
                  vertical ? Rect(2, h - 9 - 9 * k, w - 2, h - 2 - 9 * k)
                           : Rect(2 + 9 * k, 2, 9 + 9 * k, h - 2),
                  colours, s);
    const int rest = n % 9;
    if (rest <= 2)
        return;
    if (vertical) {
        const int bottom = h - 9 * full - 2;
        drawBlock(canvas, Rect(2, std::max(2, bottom - (rest - 1)), w - 2, bottom), colours, s);
    } else {
        const int left = 2 + 9 * full;
        drawBlock(canvas, Rect(left, 2, left + rest - 1, h - 2), colours, s);
    }
}

// Only whole-number conversions (with flags, width and precision) and "%%" are accepted.
bool numericPattern(const std::string& format)
{
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        if (++i < format.size() && format[i] == '%')
            continue;
        while (i < format.size() &&
               std::string_view("-+ #0123456789.").find(format[i]) != std::string_view::npos)
            ++i;
        if (i >= format.size() || std::string_view("diuxX").find(format[i]) == std::string_view::npos)
            return false;
        ++conversions;
    }
    return conversions <= 2;
}

} // namespace

namespace qx {

std::string gaugeText(const TGaugeSettings& s)
{
    const std::string plain = s.ShowPercentage ? std::to_string(s.Position) + "%" : std::to_string(s.Value);
    if (s.Format.empty() || !numericPattern(s.Format))
        return plain;
    try {
        return Format(s.Format, s.Value, s.Max);
    } catch (const EConvertError&) {
        return plain;
    }
}

} // namespace qx

void PaintLevelGauge(TCanvas& canvas, const TRect& r, TGaugeSettings s)
{
    const int w = r.Width(), h = r.Height();
    const bool vertical = s.Orientation == goVertical;
    const int c = vertical ? h - 2 : w - 2;
    if (s.Rounded)
        solidFill(canvas, r, kCornerKey);
    if (s.Infinite) {
        s.Position = 100;
        s.Level1Perc = s.Level2Perc = 101;
    }
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = s.BackgroundColor;
    canvas.Pen().Style = psSolid;
    canvas.Pen().Color = s.ShowBorder ? s.BorderColor : s.BackgroundColor;
    if (s.Rounded)
        canvas.RoundRect(0, 0, w, h, 6, 6);
    else
        canvas.Rectangle(0, 0, w, h);
    paintLevelBackgrounds(canvas, w, h, c, s);
    const int p = s.Position;
    if (p > 0)
        s.Stacked ? paintStacked(canvas, w, h, c, p, s) : paintBlocks(canvas, w, h, c, p, s);
    if (s.Infinite) {
        const int extent = vertical ? h : w;
        const int o = extent < 5 ? 0 : qx::roundEven(s.InfinitePos / 100.0 * (extent - 4));
        if (vertical) {
            solidFill(canvas, Rect(2, 2, w - 2, std::max(2, o - 10)), s.BackgroundColor);
            solidFill(canvas, Rect(2, std::min(h - 2, o + 12), w - 2, h - 2), s.BackgroundColor);
        } else {
            solidFill(canvas, Rect(2, 1, std::max(2, o - 10), h - 1), s.BackgroundColor);
            solidFill(canvas, Rect(std::min(w - 2, o + 12), 2, w - 2, h - 2), s.BackgroundColor);
        }
    }
    if (!s.ShowPosition)
        return;
    canvas.Brush().Style = bsClear;
    canvas.Font() = s.Font;
    const std::string text = qx::gaugeText(s);
    if (vertical) {
        canvas.Font().Orientation = 900;
        const TSize size = canvas.TextExtent(text);
        canvas.TextOut(w / 2 - size.cy / 2, h / 2 + size.cx / 2, text);
    } else {
        const TSize size = canvas.TextExtent(text);
        canvas.TextOut(w / 2 - size.cx / 2, h / 2 - size.cy / 2, text);
    }
}

// ---- the control ----

TAdvProgressBar::TAdvProgressBar(TComponent* AOwner) : TGraphicControl(AOwner)
{
    s_ = TGaugeSettings{0x00FF00, 0xE1FFE1, 0x00FFFF,     0xCAFFFF, 0x53A9FF, 0xA8D3FF, 0x0000FF, 0xCACAFF,
                        70,       90,       0x808080,     clNone,   clNone,   clNone,   true,     false,
                        true,     true,     TFont{},      false,    true,     8,        0,        0,
                        100,      0xFFFFFF, goHorizontal, true,     0,        "",       false,    0};
    s_.Font.Name = "Verdana";
    s_.Font.SetSize(10);
    SetBounds(Left(), Top(), 128, 18);
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->SetInterval(static_cast<unsigned>(infiniteInterval_));
    timer_->OnTimer = [this](TObject*) { InfiniteTimerTick(); };
}

TAdvProgressBar::~TAdvProgressBar() = default;

void TAdvProgressBar::SetPosition(int Value)
{
    if (Value < min_ || Value > max_) {
        position_ = Value < min_ ? min_ : max_;
        return;
    }
    position_ = Value;
    const int p = percentOf(Value, min_, max_);
    const bool paint = maxIncrement_ == 0 || Value % maxIncrement_ == 0 ||
                       Value / maxIncrement_ != oldBlockPos_ || p != oldPos_;
    if (paint)
        PaintNow();
    oldPos_ = p;
    if (maxIncrement_ != 0)
        oldBlockPos_ = Value / maxIncrement_;
}

void TAdvProgressBar::SetMax(int Value)
{
    max_ = Value;
    maxIncrement_ = qx::saturate((std::int64_t{max_} - min_) / 100);
    Invalidate();
}

void TAdvProgressBar::SetMin(int Value)
{
    min_ = Value;
    maxIncrement_ = qx::saturate((std::int64_t{max_} - min_) / 100);
    Invalidate();
}

void TAdvProgressBar::setBackground(TColor& field, TColor value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TAdvProgressBar::updateTimer()
{
    timer_->SetEnabled(s_.Infinite && animated_);
}

void TAdvProgressBar::SetInfinite(bool Value)
{
    s_.Infinite = Value;
    if (Value)
        s_.InfinitePos = 0;
    updateTimer();
    Invalidate();
}

void TAdvProgressBar::SetAnimated(bool Value)
{
    animated_ = Value;
    updateTimer();
    Invalidate();
}

void TAdvProgressBar::SetInfiniteInterval(int Value)
{
    infiniteInterval_ = Value;
    timer_->SetInterval(static_cast<unsigned>(std::max(0, Value)));
}

void TAdvProgressBar::InfiniteTimerTick()
{
    if (infiniteInc_) {
        s_.InfinitePos += 4;
        if (s_.InfinitePos > 99) {
            s_.InfinitePos = 100;
            infiniteInc_ = false;
        }
    } else {
        s_.InfinitePos -= 4;
        if (s_.InfinitePos < 1) {
            s_.InfinitePos = 0;
            infiniteInc_ = true;
        }
    }
    PaintNow();
}

TGaugeSettings TAdvProgressBar::Settings() const
{
    TGaugeSettings s = s_;
    s.Position = percentOf(position_, min_, max_);
    s.Value = position_;
    s.Max = max_;
    s.ParentColor = 0;
    return s;
}

void TAdvProgressBar::PaintTo(TCanvas& canvas)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    TBitmap bitmap(Width(), Height());
    qx::paintGuarded(bitmap.Canvas(), [&] { PaintLevelGauge(bitmap.Canvas(), ClientRect(), Settings()); });
    bitmap.TransparentMode = tmAuto;
    bitmap.Transparent = s_.Rounded;
    canvas.Draw(0, 0, bitmap);
}

void TAdvProgressBar::Paint()
{
    if (Parent() && Canvas())
        PaintTo(*Canvas());
}
