#include "platform/gui/canvas/Region.h"

#include "platform/gui/canvas/Bitmap.h"

#include <QBitmap>
#include <QPainterPath>
#include <QPolygon>

namespace {
QRect toQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// The pixels whose centres lie inside the path.
QRegion regionOfPath(const QPainterPath& path)
{
    const QRect bounds = path.boundingRect().toAlignedRect();
    QRegion region;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        int runStart = 0;
        bool inRun = false;
        for (int x = bounds.left(); x <= bounds.right() + 1; ++x) {
            const bool inside = x <= bounds.right() && path.contains(QPointF(x + 0.5, y + 0.5));
            if (inside && !inRun) {
                runStart = x;
                inRun = true;
            } else if (!inside && inRun) {
                region += QRect(runStart, y, x - runStart, 1);
                inRun = false;
            }
        }
    }
    return region;
}
} // namespace

TRegion TRegion::FromRect(const TRect& r)
{
    return r.IsEmpty() ? TRegion() : TRegion(QRegion(toQRect(r)));
}

TRegion TRegion::FromRoundRect(const TRect& r, int cornerWidth, int cornerHeight)
{
    if (r.IsEmpty())
        return {};
    QPainterPath path;
    path.addRoundedRect(QRectF(toQRect(r)), cornerWidth / 2.0, cornerHeight / 2.0);
    return TRegion(regionOfPath(path));
}

TRegion TRegion::FromEllipse(const TRect& r)
{
    if (r.IsEmpty())
        return {};
    QPainterPath path;
    path.addEllipse(QRectF(toQRect(r)));
    return TRegion(regionOfPath(path));
}

TRegion TRegion::FromPolygon(std::span<const TPoint> points, TFillMode mode)
{
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    path.setFillRule(mode == fmWinding ? Qt::WindingFill : Qt::OddEvenFill);
    return TRegion(regionOfPath(path));
}

TRect TRegion::BoundingRect() const
{
    const QRect b = m_region.boundingRect();
    return b.isEmpty() ? TRect{} : Bounds(b.x(), b.y(), b.width(), b.height());
}

TRegion TRegion::FromMask(const TBitmap& mask)
{
    const QImage& pixels = mask.Image();
    if (pixels.isNull())
        return {};
    // Index 1 (black) is what a bitmap region keeps.
    QImage bits(pixels.size(), QImage::Format_Mono);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            bits.setPixel(x, y, qGray(line[x]) < 128 ? 1 : 0);
    }
    return TRegion(QRegion(QBitmap::fromImage(bits)));
}
