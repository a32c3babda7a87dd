#pragma once
// The pixels of a one-pixel line as the original canvas sets them: every pixel from the
// start point up to, but not including, the end point; and the dash patterns of thin pens.

#include "platform/gui/canvas/Geometry.h"
#include "platform/gui/canvas/GraphicsObjects.h"

#include <span>
#include <vector>

namespace qx {

// Calls Pixel for each Bresenham step from `from` towards `to`; `to` itself is left out.
template <class F>
void forEachLinePixel(TPoint from, TPoint to, F&& Pixel)
{
    const int dx = to.X > from.X ? to.X - from.X : from.X - to.X;
    const int dy = -(to.Y > from.Y ? to.Y - from.Y : from.Y - to.Y);
    const int sx = from.X < to.X ? 1 : -1;
    const int sy = from.Y < to.Y ? 1 : -1;
    int error = dx + dy;
    TPoint p = from;
    while (p != to) {
        Pixel(p);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.X += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.Y += sy;
        }
    }
}

// The pixels of forEachLinePixel.
std::vector<TPoint> linePixels(TPoint from, TPoint to);

// On and off run lengths of a thin pen's style; empty for a solid line.
std::span<const int> dashPattern(TPenStyle style);

// Walks a dash pattern pixel by pixel; the phase carries on from one segment to the next.
class DashWalker
{
public:
    explicit DashWalker(TPenStyle style) : m_pattern(dashPattern(style)) {}
    bool next(); // whether the next pixel is drawn
    void reset() { m_run = m_left = 0; }

private:
    std::span<const int> m_pattern;
    std::size_t m_run = 0;
    int m_left = 0;
};

} // namespace qx
