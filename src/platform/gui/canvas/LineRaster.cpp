#include "platform/gui/canvas/LineRaster.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace qx {

std::vector<TPoint> linePixels(TPoint from, TPoint to)
{
    std::vector<TPoint> pixels;
    pixels.reserve(static_cast<std::size_t>(std::max(std::abs(to.X - from.X), std::abs(to.Y - from.Y))));
    forEachLinePixel(from, to, [&](TPoint p) { pixels.push_back(p); });
    return pixels;
}

std::span<const int> dashPattern(TPenStyle style)
{
    static constexpr std::array<int, 2> dash = {18, 6};
    static constexpr std::array<int, 2> dot = {3, 3};
    static constexpr std::array<int, 4> dashDot = {9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot = {9, 3, 3, 3, 3, 3};
    static constexpr std::array<int, 2> alternate = {1, 1};
    switch (style) {
    case psDash:
        return dash;
    case psDot:
        return dot;
    case psDashDot:
        return dashDot;
    case psDashDotDot:
        return dashDotDot;
    case psAlternate:
        return alternate;
    default:
        return {};
    }
}

bool DashWalker::next()
{
    if (m_pattern.empty())
        return true;
    if (m_left == 0)
        m_left = m_pattern[m_run];
    const bool on = m_run % 2 == 0;
    if (--m_left == 0)
        m_run = (m_run + 1) % m_pattern.size();
    return on;
}

} // namespace qx
