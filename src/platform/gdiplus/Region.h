#pragma once
// A clipping area with anti-aliased edges: rectangles and paths combined.

#include "platform/gdiplus/GraphicsPath.h"

#include <QPainterPath>

namespace qx::gdiplus {

class Region
{
public:
    Region(); // infinite
    explicit Region(const RectF& r);
    explicit Region(const GraphicsPath& path);
    explicit Region(const QPainterPath& path) : m_path(path) {}

    void Intersect(const Region& other) { combine(other, CombineMode::Intersect); }
    void Union(const Region& other) { combine(other, CombineMode::Union); }
    void Exclude(const Region& other) { combine(other, CombineMode::Exclude); }
    void Xor(const Region& other) { combine(other, CombineMode::Xor); }
    void combine(const Region& other, CombineMode mode);

    bool IsInfinite() const { return m_infinite; }
    bool IsVisible(float x, float y) const { return m_infinite || m_path.contains(QPointF(x, y)); }
    RectF GetBounds() const;
    const QPainterPath& qPath() const { return m_path; }

private:
    QPainterPath m_path;
    bool m_infinite = false;
};

} // namespace qx::gdiplus
