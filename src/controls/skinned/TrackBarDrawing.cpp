#include "controls/skinned/TrackBarDrawing.h"

#include "controls/skinned/Rounding.h"
#include "platform/gui/canvas/Canvas.h"

using qx::trackbar::TGradientDirection;
using enum qx::trackbar::TGradientDirection;

TColor BlendColor(TColor c1, TColor c2, int percent)
{
    if (percent >= 100)
        return c1;
    if (percent <= 0)
        return c2;
    const double p = percent / 100.0;
    const TColor a = ColorToRGB(c1), b = ColorToRGB(c2);
    auto mix = [p](int x, int y) { return qx::roundEven(p * x + (1 - p) * y); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

void DrawGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, TRect r, int steps)
{
    if (steps <= 0)
        steps = 1;
    (horizontal ? r.Right : r.Bottom) -= 1;
    const TColor f = ColorToRGB(from), t = ColorToRGB(to);
    const double length = horizontal ? r.Width() : r.Height();
    const double band = length / steps;
    const double dr = (GetRValue(t) - GetRValue(f)) / double(steps);
    const double dg = (GetGValue(t) - GetGValue(f)) / double(steps);
    const double db = (GetBValue(t) - GetBValue(f)) / double(steps);
    const int size = qx::roundEven(band) + 1;
    for (int n = 0; n < steps; ++n) {
        const TColor c = RGB(GetRValue(f) + qx::roundEven(n * dr), GetGValue(f) + qx::roundEven(n * dg),
                             GetBValue(f) + qx::roundEven(n * db));
        canvas.Pen().Color = c;
        canvas.Pen().Style = psSolid;
        canvas.Brush().Color = c;
        canvas.Brush().Style = bsSolid;
        const int o = qx::roundEven(n * band);
        if (horizontal)
            canvas.Rectangle(r.Left + o, r.Top, r.Left + o + size, r.Bottom);
        else
            canvas.Rectangle(r.Left, r.Top + o, r.Right, r.Top + o + size);
    }
}

void DrawGradientDir(TCanvas& canvas, TColor from, TColor to, TGradientDirection direction, const TRect& r,
                     int steps)
{
    switch (direction) {
    case gdHorizontal:
        return DrawGradient(canvas, from, to, true, r, steps);
    case gdVertical:
        return DrawGradient(canvas, from, to, false, r, steps);
    case gdHorizontalInOut: {
        const int mid = r.Left + r.Width() / 2;
        DrawGradient(canvas, from, to, true, Rect(r.Left, r.Top, mid, r.Bottom), steps);
        return DrawGradient(canvas, to, from, true, Rect(mid, r.Top, r.Right, r.Bottom), steps);
    }
    case gdVerticalInOut: {
        const int mid = r.Top + r.Height() / 2;
        DrawGradient(canvas, from, to, false, Rect(r.Left, r.Top, r.Right, mid), steps);
        return DrawGradient(canvas, to, from, false, Rect(r.Left, mid, r.Right, r.Bottom), steps);
    }
    }
}

namespace {

void line(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

void DrawFrame3D(TCanvas& canvas, const TRect& r, TColor dark, TColor light)
{
    canvas.Pen().Style = psSolid;
    canvas.Pen().Width = 1;
    canvas.Pen().Color = dark;
    if (r.Height() > 2)
        line(canvas, r.Left, r.Top, r.Left, r.Bottom);
    line(canvas, r.Left, r.Top, r.Right, r.Top);
    line(canvas, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 2);
    line(canvas, r.Right - 2, r.Bottom - 2, r.Left, r.Bottom - 2);
    canvas.Pen().Color = light;
    line(canvas, r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
    line(canvas, r.Right - 1, r.Bottom - 1, r.Right - 1, r.Top - 1);
    line(canvas, r.Left + 1, r.Bottom - 1, r.Left + 1, r.Top + 1);
    line(canvas, r.Left + 1, r.Top + 1, r.Right - 2, r.Top + 1);
}

void DrawFocusFrame(TCanvas& canvas, const TRect& r, TColor color)
{
    auto edge = [&](int x, int y, int dx, int dy, int count) {
        for (int i = 0; i < count; i += 2)
            canvas.SetPixel(x + i * dx, y + i * dy, color);
    };
    edge(r.Left, r.Top, 1, 0, r.Width());
    edge(r.Right, r.Top, 0, 1, r.Height());
    edge(r.Right, r.Bottom, -1, 0, r.Width());
    edge(r.Left, r.Top, 0, 1, r.Height());
}
