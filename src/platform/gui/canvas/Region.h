#pragma once
// A clipping region in pixels: rectangles, rounded rectangles, ellipses and polygons,
// combined by union, intersection, difference and exclusive or.

#include "platform/gui/canvas/Geometry.h"

#include <QRegion>

#include <span>

class TBitmap;

enum TFillMode
{
    fmAlternate,
    fmWinding,
};

class TRegion
{
public:
    TRegion() = default;
    explicit TRegion(const QRegion& region) : m_region(region) {}

    static TRegion FromRect(const TRect& r);
    // Corner ellipse of cornerWidth x cornerHeight, as the system's rounded-rectangle region.
    static TRegion FromRoundRect(const TRect& r, int cornerWidth, int cornerHeight);
    static TRegion FromEllipse(const TRect& r);
    static TRegion FromPolygon(std::span<const TPoint> points, TFillMode mode = fmAlternate);
    // The black pixels of a two-colour mask (as TBitmap::CreateMask makes it: white leaves out).
    static TRegion FromMask(const TBitmap& mask);

    TRegion United(const TRegion& other) const { return TRegion(m_region.united(other.m_region)); }
    TRegion Intersected(const TRegion& other) const { return TRegion(m_region.intersected(other.m_region)); }
    TRegion Subtracted(const TRegion& other) const { return TRegion(m_region.subtracted(other.m_region)); }
    TRegion Xored(const TRegion& other) const { return TRegion(m_region.xored(other.m_region)); }
    void Offset(int dx, int dy) { m_region.translate(dx, dy); }

    bool IsEmpty() const { return m_region.isEmpty(); }
    bool Contains(TPoint p) const { return m_region.contains(QPoint(p.X, p.Y)); }
    TRect BoundingRect() const;
    const QRegion& qRegion() const { return m_region; }

private:
    QRegion m_region;
};
