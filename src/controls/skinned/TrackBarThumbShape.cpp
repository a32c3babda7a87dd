#include "controls/skinned/TrackBarThumbShape.h"

#include "controls/skinned/AdvGDIP.h"
#include "controls/skinned/TrackBarDrawing.h"
#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gdiplus/Pen.h"
#include "platform/gui/canvas/Canvas.h"

#include <array>

using qx::trackbar::TGradientDirection;
using enum qx::trackbar::TGradientDirection;

using namespace qx::gdiplus;

namespace qx {

namespace {

std::vector<TPoint> pointerOutline(const TRect& r, const ThumbShapeSpec& s)
{
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    const bool before = s.tickSide == tmTopLeft || s.tickSide == tmBoth;
    const bool after = s.tickSide == tmBottomRight || s.tickSide == tmBoth;
    if (s.vertical) {
        const int p = (B - T) / 2;
        std::vector<TPoint> v{{before ? L + p : L, T}};
        if (after) {
            v.insert(v.end(), {{R - p, T}, {R, B - p}, {R - p, B}});
        } else {
            v.insert(v.end(), {{R, T}, {R, B}});
        }
        v.push_back({before ? L + p : L, B});
        if (before)
            v.push_back({L, T + p});
        return v;
    }
    const int p = (R - L) / 2;
    std::vector<TPoint> v;
    if (before)
        v.insert(v.end(), {{L, T + p}, {L + p, T}, {R, T + p}});
    else
        v.insert(v.end(), {{L, T}, {R, T}});
    if (after)
        v.insert(v.end(), {{R, B - p}, {L + p, B}, {L, B - p}});
    else
        v.insert(v.end(), {{R, B}, {L, B}});
    return v;
}

int polygonKind(const ThumbShapeSpec& s)
{
    switch (s.shape) {
    case tsTriangleLeft:
        return s.vertical ? 2 : 0;
    case tsTriangleRight:
        return s.vertical ? 3 : 1;
    default:
        break;
    }
    switch (s.tickSide) {
    case tmTopLeft:
        return s.vertical ? 0 : 2;
    case tmBottomRight:
        return s.vertical ? 1 : 3;
    case tmBoth:
        break;
    }
    return s.vertical ? 4 : 5;
}

std::vector<TPoint> kindOutline(const TRect& r, const ThumbShapeSpec& s)
{
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom, w = (R - L) / 2, h = (B - T) / 2;
    const int kind = polygonKind(s);
    if (s.shape == tsPointerRightUp || s.shape == tsPointerLeftUp) {
        const bool right = s.shape == tsPointerRightUp;
        switch (kind) {
        case 0:
            return right ? std::vector<TPoint>{{L, T}, {R, T}, {R, B}, {L + h, B}}
                         : std::vector<TPoint>{{L, T}, {R, T}, {R - h, B}, {L, B}};
        case 1:
            return right ? std::vector<TPoint>{{L, T}, {R, T}, {R - h, B}, {L, B}}
                         : std::vector<TPoint>{{L, T}, {R, T}, {R, B}, {L + h, B}};
        case 2:
            return right ? std::vector<TPoint>{{L, T + w}, {R, T}, {R, B}, {L, B}}
                         : std::vector<TPoint>{{L, T}, {R, T + w}, {R, B}, {L, B}};
        case 3:
            return right ? std::vector<TPoint>{{L, T}, {R, T}, {R, B}, {L, B - w}}
                         : std::vector<TPoint>{{L, T}, {R, T}, {R, B - w}, {L, B}};
        case 4:
            return {{L, T}, {R, T}, {R - h, B}, {L + h, B}};
        default:
            return right ? std::vector<TPoint>{{L, T + w}, {R, T}, {R, B}, {L, B - w}}
                         : std::vector<TPoint>{{L, T}, {R, T + w}, {R, B - w}, {L, B}};
        }
    }
    switch (kind) {
    case 0:
        return {{L, B}, {L, T}, {R, T + h}};
    case 1:
        return {{L, T + h}, {R, T}, {R, B}};
    case 2:
        return {{L, B}, {L + w, T}, {R, B}};
    case 3:
        return {{L, T}, {R, T}, {L + w, B}};
    default:
        return {{L, T + h}, {L + w, T}, {R, T + h}, {L + w, B}};
    }
}

TGradientDirection directionOf(TGDIPGradient g)
{
    switch (g) {
    case ggRadial:
        return gdHorizontal;
    case ggDiagonalForward:
        return gdHorizontalInOut;
    default:
        return gdVertical;
    }
}

bool set(TColor c)
{
    return c != clNone;
}

void glossyHalf(Graphics& g, const RectF& half, TColor from, TColor to, TGDIPGradient mode, bool upper)
{
    if (mode == ggRadial) {
        g.FillRectangle(SolidBrush(ArgbFromColor(from)), half);
        GraphicsPath ellipse;
        ellipse.AddEllipse(half.X, upper ? half.Y - (int(half.Height) / 2 - 2) : half.Y, half.Width,
                           half.Height);
        PathGradientBrush brush(ellipse);
        brush.SetCenterPoint(PointF{half.X + half.Width / 2, upper ? half.Y : half.Bottom()});
        brush.SetCenterColor(ArgbFromColor(to));
        const std::array<Argb, 1> surround{ArgbFromColor(from)};
        brush.SetSurroundColors(surround);
        g.FillPath(brush, ellipse);
        return;
    }
    const LinearGradientMode m = mode == ggVertical          ? LinearGradientMode::Vertical
                                 : mode == ggDiagonalForward ? LinearGradientMode::ForwardDiagonal
                                                             : LinearGradientMode::BackwardDiagonal;
    g.FillRectangle(LinearGradientBrush(half, ArgbFromColor(from), ArgbFromColor(to), m), half);
}

} // namespace

// The two-half glossy fill with an optional border (round shapes get circles).
void drawGlossy(TCanvas& canvas, const TRect& r, const ThumbLook& c, TColor border, TColor light, bool round)
{
    Graphics g(canvas);
    g.SetSmoothingMode(SmoothingMode::AntiAlias);
    const int h = r.Height() / 2;
    glossyHalf(
        g, RectF{float(r.Left), float(r.Top + h - 1), float(r.Width()), float(r.Bottom - (r.Top + h - 1))},
        c.mirrorTo, c.mirror, c.gradientMirror, false);
    glossyHalf(g, RectF{float(r.Left), float(r.Top), float(r.Width()), float(r.Bottom - h + 1 - r.Top)},
               c.color, c.colorTo, c.gradient, true);
    if (!set(border))
        return;
    if (round) {
        const int side = std::min(r.Width(), r.Height());
        const RectF square{float(r.Left + (r.Width() - side) / 2), float(r.Top + (r.Height() - side) / 2),
                           float(side), float(side)};
        g.DrawPath(Pen(ArgbFromColor(border)), BuildRoundedPath(square, side / 2.0f, rtBoth));
        const RectF inner{square.X + 1, square.Y + 1, square.Width - 2, square.Height - 2};
        g.DrawPath(Pen(ArgbFromColor(light)), BuildRoundedPath(inner, inner.Width / 2, rtBoth));
    } else {
        const RectF box{float(r.Left), float(r.Top), float(r.Width()), float(r.Height())};
        g.DrawRectangle(Pen(ArgbFromColor(border)), box);
        g.DrawRectangle(Pen(ArgbFromColor(light)), box);
    }
}

namespace {

// The shared fill rule, clipped to the outline region.
void fillShape(TCanvas& canvas, const TRect& r, const TRegion& outline, const ThumbLook& c, bool glossyBorder)
{
    canvas.SaveState();
    canvas.IntersectClipRegion(outline);
    const bool mirrors = set(c.mirror) && set(c.mirrorTo);
    if (set(c.color) && set(c.colorTo) && !mirrors) {
        DrawGradientDir(canvas, c.color, c.colorTo, directionOf(c.gradient), r, 64);
    } else if (set(c.color) && set(c.colorTo) && mirrors) {
        drawGlossy(canvas, r, c, glossyBorder ? c.border : clNone, clWhite, false);
    } else if (set(c.color)) {
        canvas.Brush().Style = bsSolid;
        canvas.Brush().Color = c.color;
        canvas.FillRect(r);
    }
    canvas.RestoreState();
}

void outlinePolygon(TCanvas& canvas, std::vector<TPoint> v, TColor colour)
{
    canvas.Pen().Style = psSolid;
    canvas.Pen().Color = colour;
    v.push_back(v.front());
    canvas.Polyline(v);
}

void centreLine(TCanvas& canvas, const TRect& r, bool vertical, TColor colour)
{
    canvas.Pen().Color = colour;
    if (vertical) {
        const int y = r.Top + r.Height() / 2;
        canvas.MoveTo(r.Left + 2, y);
        canvas.LineTo(r.Right - 2, y);
    } else {
        const int x = r.Left + r.Width() / 2;
        canvas.MoveTo(x, r.Top + 2);
        canvas.LineTo(x, r.Bottom - 2);
    }
}

TRect inset(TRect r, int d)
{
    InflateRect(r, -d, -d);
    return r;
}

} // namespace

std::vector<TPoint> thumbPolygon(const TRect& r, const ThumbShapeSpec& spec)
{
    return spec.shape == tsPointer ? pointerOutline(r, spec) : kindOutline(r, spec);
}

void drawThumbShape(TCanvas& canvas, const TRect& r, const ThumbLook& c, const ThumbShapeSpec& s)
{
    const bool office = s.style == tstOffice2007;
    canvas.Brush().Style = bsClear;
    switch (s.shape) {
    case tsPointer: {
        const std::vector<TPoint> outline = thumbPolygon(r, s);
        fillShape(canvas, r, TRegion::FromPolygon(outline), c, false);
        if (set(c.border)) {
            outlinePolygon(canvas, outline, clWhite);
            outlinePolygon(canvas, thumbPolygon(inset(r, 1), s), c.border);
            outlinePolygon(canvas, thumbPolygon(inset(r, 2), s), clWhite);
            centreLine(canvas, r, s.vertical, c.border);
        }
        return;
    }
    case tsRectangle:
    case tsRoundRect: {
        if (!office)
            return;
        const int corner = s.shape == tsRectangle ? 1 : 8;
        fillShape(canvas, Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1),
                  TRegion::FromRoundRect(r, corner, corner), c, false);
        if (set(c.border)) {
            canvas.Pen().Color = clWhite;
            canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
            canvas.Pen().Color = c.border;
            const TRect in = inset(r, 1);
            canvas.RoundRect(in.Left, in.Top, in.Right, in.Bottom, corner, corner);
            if (s.shape == tsRectangle) {
                canvas.Pen().Color = clWhite;
                canvas.Rectangle(inset(r, 2));
            }
            centreLine(canvas, r, s.vertical, c.border);
        }
        return;
    }
    case tsRound: {
        const int corner = s.size / 2;
        fillShape(canvas, r, TRegion::FromRoundRect(r, corner, corner), c, office);
        if (office) {
            canvas.Brush().Style = bsSolid;
            canvas.Brush().Color = c.border;
            canvas.Pen().Color = c.border;
            const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
            canvas.RoundRect(cx - 2, cy - 2, cx + 2, cy + 2, 2, 2);
        } else if (set(c.border)) {
            canvas.Pen().Color = clWhite;
            canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
            canvas.Pen().Color = c.border;
            const TRect in = inset(r, 1);
            canvas.RoundRect(in.Left, in.Top, in.Right, in.Bottom, corner, corner);
        }
        return;
    }
    case tsLine: {
        if (!office)
            return;
        const TColor colours[] = {c.colorTo, c.color, BlendColor(c.color, clWhite, 60),
                                  BlendColor(c.color, clWhite, 10)};
        const int m = s.vertical ? r.Top + r.Height() / 2 : r.Left + r.Width() / 2;
        for (int i = 0; i < 4; ++i) {
            canvas.Pen().Color = colours[i];
            if (s.vertical) {
                canvas.MoveTo(r.Left, m - 1 + i);
                canvas.LineTo(r.Right, m - 1 + i);
            } else {
                canvas.MoveTo(m - 1 + i, r.Top);
                canvas.LineTo(m - 1 + i, r.Bottom);
            }
        }
        return;
    }
    default: {
        const std::vector<TPoint> outline = thumbPolygon(r, s);
        canvas.SaveState();
        canvas.IntersectClipRegion(TRegion::FromPolygon(outline));
        if (set(c.color) && set(c.colorTo))
            DrawGradientDir(canvas, c.color, c.colorTo, directionOf(c.gradient), r, 64);
        canvas.RestoreState();
        if (set(c.border))
            outlinePolygon(canvas, outline, c.border);
        return;
    }
    }
}

} // namespace qx
