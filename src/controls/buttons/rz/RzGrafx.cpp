#include "controls/buttons/rz/RzGrafx.h"

#include "platform/gui/Control.h"
#include "platform/gui/canvas/Bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using qx::rz::TGradientDirection;
using enum qx::rz::TGradientDirection;

namespace {

/// A colour step between two colours: the channel moves by (end - start) / (steps + 1)
/// in 16.16 fixed point per step, as the banded fills paint it.
TRGBQuad bandColor(TColor start, TColor stop, std::int64_t step, std::int64_t steps)
{
    const TColor a = ColorToRGB(start), b = ColorToRGB(stop);
    auto channel = [&](int s, int e) {
        const std::int64_t inc = (static_cast<std::int64_t>(e - s) * 65536) / (steps + 1);
        return std::clamp(static_cast<int>((s * 65536 + inc * step) >> 16), 0, 255);
    };
    return qx::rgbQuadFromColor(RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
                                    channel(GetBValue(a), GetBValue(b))));
}

/// Distance of (x, y) from the centre figure of a box gradient (0 on it) and the largest
/// such distance, measured in the top-left quarter (the others mirror it).
struct BoxFigure
{
    int left, top; // the figure's top-left corner in the quarter
};

BoxFigure boxFigure(TGradientDirection d, int w, int h)
{
    const int cx = (w - 1) / 2, cy = (h - 1) / 2;
    switch (d) {
    case gdHorizontalBox: return {w / 4, cy};
    case gdVerticalBox: return {cx, h / 4};
    case gdBigSquareBox: return {w / 4, h / 4};
    default: return {cx, cy};
    }
}

/// Paints the bands: the diagonal kinds whole, the centre kinds as one strip copied across
/// by doubling, the box kinds as the top-left quarter mirrored into the others.
void paintBanded(TBitmap& bands, TGradientDirection d, TColor start, TColor stop)
{
    const int w = bands.Width(), h = bands.Height();
    switch (d) {
    case gdDiagonalUp:
    case gdDiagonalDown: {
        const std::int64_t steps = std::max(w + h - 2, 1);
        for (int y = 0; y < h; ++y) {
            const auto row = bands.ScanLine(y);
            for (int x = 0; x < w; ++x) {
                const int k = d == gdDiagonalDown ? x + y : x + (h - 1 - y);
                row[x] = bandColor(start, stop, k, steps - 1);
            }
        }
        return;
    }
    case gdHorizontalCenter: {
        const int mid = h / 2, strip = std::min(w, 8);
        for (int y = 0; y < h; ++y)
            std::ranges::fill(bands.ScanLine(y).first(strip),
                              bandColor(stop, start, std::abs(y - mid), std::max(mid, 1) - 1));
        ReplicateBlock(bands.Canvas(), 0, 0, strip, h, w, h);
        return;
    }
    case gdVerticalCenter: {
        const int mid = w / 2, strip = std::min(h, 8);
        const auto first = bands.ScanLine(0);
        for (int x = 0; x < w; ++x)
            first[x] = bandColor(stop, start, std::abs(x - mid), std::max(mid, 1) - 1);
        for (int y = 1; y < strip; ++y)
            std::ranges::copy(first, bands.ScanLine(y).begin());
        ReplicateBlock(bands.Canvas(), 0, 0, w, strip, w, h);
        return;
    }
    default: {
        const BoxFigure f = boxFigure(d, w, h);
        const int steps = std::max(f.left, f.top) + 1;
        for (int y = 0; y < (h + 1) / 2; ++y) {
            const auto row = bands.ScanLine(y);
            for (int x = 0; x < (w + 1) / 2; ++x) {
                const int dist = std::max(std::max(f.left - x, 0), std::max(f.top - y, 0));
                row[x] = bandColor(stop, start, dist, steps - 1);
            }
        }
        MirrorQuadrants(bands.Canvas(), 0, 0, w, h);
    }
    }
}

bool isBox(TGradientDirection d)
{
    return d == gdHorizontalBox || d == gdVerticalBox || d == gdSquareBox || d == gdBigSquareBox;
}

int edgeAt(const TPoint& p1, const TPoint& p2, int v, bool solveForY)
{
    if (solveForY)
        return static_cast<int>(p2.Y - static_cast<double>(p2.Y - p1.Y) / (p2.X - p1.X) * (p2.X - v));
    return static_cast<int>(p2.X - static_cast<double>(p2.X - p1.X) / (p2.Y - p1.Y) * (p2.Y - v));
}

} // namespace

void BlitTransparent(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, const TRect& source, TColor transparent)
{
    if (dest.IsEmpty() || bitmap.Empty())
        return;
    canvas.BlitTransparent(dest, bitmap, source, ColorToRGB(transparent));
}

void StretchBlitTransparent(TCanvas& canvas, const TBitmap& bitmap, const TRect& dest, const TRect& source,
                            TColor transparent)
{
    BlitTransparent(canvas, bitmap, dest, source, transparent);
}

void StretchBitmapTransparent(TCanvas& canvas, const TBitmap& bitmap, const TRect& r, TColor transparent)
{
    BlitTransparent(canvas, bitmap, r, {0, 0, bitmap.Width(), bitmap.Height()}, transparent);
}

namespace {

template <class DrawTile>
void tile(const TBitmap& bitmap, const TRect& r, DrawTile draw)
{
    const int bw = bitmap.Width(), bh = bitmap.Height();
    if (bw <= 0 || bh <= 0)
        return;
    for (int y = r.Top; y < r.Bottom; y += bh)
        for (int x = r.Left; x < r.Right; x += bw) {
            const int w = std::min(bw, r.Right - x), h = std::min(bh, r.Bottom - y);
            draw(TRect{x, y, x + w, y + h}, TRect{0, 0, w, h});
        }
}

} // namespace

void TileBitmapTransparent(TCanvas& canvas, const TBitmap& bitmap, const TRect& r, TColor transparent)
{
    tile(bitmap, r, [&](const TRect& d, const TRect& s) { BlitTransparent(canvas, bitmap, d, s, transparent); });
}

void TileBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& r)
{
    tile(bitmap, r, [&](const TRect& d, const TRect& s) { canvas.BlitImage(d, bitmap, s); });
}

void FillGradient(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop, int step)
{
    if (direction != gdHorizontalEnd && direction != gdVerticalEnd) {
        FillGradientBanded(canvas, r, direction, start, stop, step);
        return;
    }
    const bool rows = direction == gdHorizontalEnd;
    const int n = rows ? r.Height() : r.Width();
    if (r.IsEmpty())
        return;
    const TColor a = ColorToRGB(start), b = ColorToRGB(stop);
    const TBrush saved = canvas.Brush();
    canvas.Brush().Style = bsSolid;
    for (int i = 0; i < n; ++i) {
        const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0.0;
        auto mix = [t](int s, int e) { return static_cast<int>(std::nearbyint(s + (e - s) * t)); };
        canvas.Brush().Color = RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                                   mix(GetBValue(a), GetBValue(b)));
        canvas.FillRect(rows ? TRect{r.Left, r.Top + i, r.Right, r.Top + i + 1}
                             : TRect{r.Left + i, r.Top, r.Left + i + 1, r.Bottom});
    }
    canvas.Brush() = saved;
}

void FillGradientBanded(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor start, TColor stop, int)
{
    const int w = std::abs(r.Right - r.Left), h = std::abs(r.Bottom - r.Top);
    if (w == 0 || h == 0)
        return;
    TBitmap bands(w, h);
    const bool plain = ColorToRGB(start) == ColorToRGB(stop) || (isBox(direction) && (w < 5 || h <= 4));
    if (plain) {
        for (int y = 0; y < h; ++y)
            std::ranges::fill(bands.ScanLine(y), qx::rgbQuadFromColor(start));
    } else {
        paintBanded(bands, direction, start, stop);
    }
    bands.Canvas().Detach();
    canvas.Draw(r.Left, r.Top, bands);
}

void ReplicateBlock(TCanvas& canvas, int x, int y, int w0, int h0, int w, int h)
{
    int bw = std::max(w0, 1), bh = std::max(h0, 1);
    while (bh < h || bw < w) {
        if (bh < h) {
            const int ch = std::min(bh, h - bh);
            canvas.CopyRect({x, y + bh, x + bw, y + bh + ch}, canvas, {x, y, x + bw, y + ch});
            bh = std::min(bh * 2, h);
        }
        if (bw < w) {
            const int cw = std::min(bw, w - bw);
            canvas.CopyRect({x + bw, y, x + bw + cw, y + bh}, canvas, {x, y, x + cw, y + bh});
            bw = std::min(bw * 2, w);
        }
    }
}

void MirrorQuadrants(TCanvas& canvas, int x, int y, int w, int h)
{
    // The left half mirrored onto the right, then the top half onto the bottom; a middle
    // column or row of an odd size stays as it is.
    const int hw = w / 2, hh = h / 2;
    canvas.CopyRect({x + w, y, x + w - hw, y + h}, canvas, {x, y, x + hw, y + h});
    canvas.CopyRect({x, y + h, x + w, y + h - hh}, canvas, {x, y, x + w, y + hh});
}

bool MakeMeterQuad(MeterQuad& q, const TRect& r, int narrow, TTrapShape shape, TDirection direction,
                   TTrapDirect trapDirect)
{
    if (narrow < 0 || r.Right < r.Left || r.Bottom < r.Top)
        return false;
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    auto place = [shape](int e) { return shape == tsLeft ? 0 : shape == tsCenter ? e / 2 : e; };
    if (direction == dirUp || direction == dirDown) {
        const int d = std::min(R - L, narrow);
        const int e = place(R - L - d);
        if ((trapDirect == tdLargeToSmall && direction == dirUp) || (trapDirect == tdSmallToLarge && direction == dirDown))
            q = {TPoint{L + e, T}, TPoint{L + e + d, T}, TPoint{R, B}, TPoint{L, B}};
        else
            q = {TPoint{L, T}, TPoint{R, T}, TPoint{L + e + d, B}, TPoint{L + e, B}};
    } else {
        const int d = std::min(B - T, narrow);
        const int e = place(B - T - d);
        if ((trapDirect == tdLargeToSmall && direction == dirRight) || (trapDirect == tdSmallToLarge && direction == dirLeft))
            q = {TPoint{L, T}, TPoint{R, T + e}, TPoint{R, T + e + d}, TPoint{L, B}};
        else
            q = {TPoint{L, T + e}, TPoint{R, T}, TPoint{R, B}, TPoint{L, T + e + d}};
    }
    return true;
}

bool ClipMeterQuad(const MeterQuad& q, const TRect& r, TDirection direction, MeterQuad& out)
{
    if (direction == dirLeft || direction == dirRight) {
        if (q[1].X == q[0].X || q[2].X == q[3].X)
            return false;
        out = {TPoint{r.Left, edgeAt(q[0], q[1], r.Left, true)}, TPoint{r.Right, edgeAt(q[0], q[1], r.Right, true)},
               TPoint{r.Right, edgeAt(q[3], q[2], r.Right, true)}, TPoint{r.Left, edgeAt(q[3], q[2], r.Left, true)}};
    } else {
        if (q[3].Y == q[0].Y || q[2].Y == q[1].Y)
            return false;
        out = {TPoint{edgeAt(q[0], q[3], r.Top, false), r.Top}, TPoint{edgeAt(q[1], q[2], r.Top, false), r.Top},
               TPoint{edgeAt(q[1], q[2], r.Bottom, false), r.Bottom}, TPoint{edgeAt(q[0], q[3], r.Bottom, false), r.Bottom}};
    }
    return true;
}

void InflateMeterQuad(MeterQuad& q, int n)
{
    q[0].X -= n; q[0].Y -= n;
    q[1].X += n; q[1].Y -= n;
    q[2].X += n; q[2].Y += n;
    q[3].X -= n; q[3].Y += n;
}

void DrawQuadBevel(TCanvas& canvas, const MeterQuad& q, int kind, int count)
{
    canvas.Pen().Width = 1;
    const TColor a = kind == 1 ? clBtnHighlight : clBtnShadow;
    const TColor b = kind == 1 ? clBtnShadow : clBtnHighlight;
    const TPoint tl = q[0], tr = q[1], br = q[2], bl = q[3];
    for (int i = 0; i < count; ++i) {
        canvas.Pen().Color = a;
        canvas.MoveTo(tr.X - i - 1, tr.Y + i);
        canvas.LineTo(br.X - i - 1, br.Y - i - 1);
        canvas.LineTo(bl.X + i, bl.Y - i - 1);
        canvas.Pen().Color = b;
        canvas.LineTo(tl.X + i, tl.Y + i);
        canvas.LineTo(tr.X - i - 1, tr.Y + i);
    }
}

void PaintParentBackgroundOnCanvas(const TControl& control, TCanvas& canvas)
{
    TWinControl* parent = control.Parent();
    if (!parent)
        return;
    // The parent erases and draws its client area on the canvas, shifted so that the
    // control's top-left corner lies at the canvas's origin.
    canvas.SaveState();
    canvas.MoveOrigin(-control.Left(), -control.Top());
    canvas.IntersectClipRect({0, 0, parent->ClientWidth(), parent->ClientHeight()});
    const auto target = reinterpret_cast<std::uintptr_t>(&canvas);
    parent->Perform(WM_ERASEBKGND, target);
    parent->Perform(WM_PRINTCLIENT, target);
    canvas.RestoreState();
}
