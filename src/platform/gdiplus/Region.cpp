#include "platform/gdiplus/Region.h"

namespace qx::gdiplus {

namespace {
// Stands in for an infinite region when it must be combined with a finite one.
QPainterPath hugeRect()
{
    QPainterPath p;
    p.addRect(QRectF(-4.0e6, -4.0e6, 8.0e6, 8.0e6));
    return p;
}
} // namespace

Region::Region() : m_infinite(true) {}

Region::Region(const RectF& r) { m_path.addRect(QRectF(r.X, r.Y, r.Width, r.Height)); }

Region::Region(const GraphicsPath& path) : m_path(path.qPath()) {}

void Region::combine(const Region& other, CombineMode mode)
{
    const QPainterPath mine = m_infinite ? hugeRect() : m_path;
    const QPainterPath theirs = other.m_infinite ? hugeRect() : other.m_path;
    switch (mode) {
    case CombineMode::Replace:
        *this = other;
        return;
    case CombineMode::Intersect:
        m_path = mine.intersected(theirs);
        m_infinite = m_infinite && other.m_infinite;
        break;
    case CombineMode::Union:
        m_path = mine.united(theirs);
        m_infinite = m_infinite || other.m_infinite;
        break;
    case CombineMode::Xor:
        m_path = mine.united(theirs).subtracted(mine.intersected(theirs));
        m_infinite = false;
        break;
    case CombineMode::Exclude:
        m_path = mine.subtracted(theirs);
        m_infinite = false;
        break;
    case CombineMode::Complement:
        m_path = theirs.subtracted(mine);
        m_infinite = false;
        break;
    }
    if (m_infinite)
        m_path = QPainterPath();
}

RectF Region::GetBounds() const
{
    if (m_infinite)
        return {-4.0e6f, -4.0e6f, 8.0e6f, 8.0e6f};
    const QRectF b = m_path.boundingRect();
    return {float(b.x()), float(b.y()), float(b.width()), float(b.height())};
}

} // namespace qx::gdiplus
