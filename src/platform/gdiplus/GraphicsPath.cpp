#include "platform/gdiplus/GraphicsPath.h"

#include <vector>

namespace qx::gdiplus {

namespace {
QPointF q(PointF p) { return {p.X, p.Y}; }

// Bézier control points of a cardinal spline segment from points[i] to points[i + 1].
void splineSegment(QPainterPath& path, std::span<const PointF> points, std::size_t i, float tension, bool closed)
{
    const std::size_t n = points.size();
    const auto at = [&](std::ptrdiff_t k) {
        if (closed)
            return q(points[static_cast<std::size_t>((k % std::ptrdiff_t(n) + std::ptrdiff_t(n)) % std::ptrdiff_t(n))]);
        return q(points[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(k, 0, std::ptrdiff_t(n) - 1))]);
    };
    const auto k = static_cast<std::ptrdiff_t>(i);
    const double t = tension / 3.0;
    const QPointF c1 = at(k) + (at(k + 1) - at(k - 1)) * t;
    const QPointF c2 = at(k + 1) - (at(k + 2) - at(k)) * t;
    path.cubicTo(c1, c2, at(k + 1));
}

// Whether segment i of the spline (from points[i] to points[i + 1]) lies on one row: its
// four points, and so its control points and every point of its curve, share a y.
bool levelSegment(std::span<const PointF> points, std::size_t i)
{
    const auto y = [&](std::ptrdiff_t d) {
        const auto k = std::clamp<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(i) + d, 0, std::ptrdiff_t(points.size()) - 1);
        return points[static_cast<std::size_t>(k)].Y;
    };
    return y(-1) == y(0) && y(1) == y(0) && y(2) == y(0);
}
} // namespace

GraphicsPath::GraphicsPath(FillMode mode) : m_fillMode(mode) { SetFillMode(mode); }

void GraphicsPath::SetFillMode(FillMode mode)
{
    m_fillMode = mode;
    m_path.setFillRule(mode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
}

void GraphicsPath::lineToOrStart(PointF p)
{
    if (m_figureOpen) {
        m_path.lineTo(q(p));
    } else {
        m_path.moveTo(q(p));
        m_figureOpen = true;
    }
    m_soleEllipse.reset();
}

void GraphicsPath::closedFigure()
{
    m_figureOpen = false;
}

void GraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    lineToOrStart({x1, y1});
    m_path.lineTo(x2, y2);
}

void GraphicsPath::AddLines(std::span<const PointF> points)
{
    for (const PointF& p : points)
        lineToOrStart(p);
}

void GraphicsPath::AddBezier(PointF p1, PointF c1, PointF c2, PointF p2)
{
    lineToOrStart(p1);
    m_path.cubicTo(q(c1), q(c2), q(p2));
}

void GraphicsPath::AddBeziers(std::span<const PointF> points)
{
    if (points.empty())
        return;
    lineToOrStart(points[0]);
    for (std::size_t i = 1; i + 2 < points.size(); i += 3)
        m_path.cubicTo(q(points[i]), q(points[i + 1]), q(points[i + 2]));
}

void GraphicsPath::AddCurve(std::span<const PointF> points, float tension)
{
    if (points.size() < 2)
        return;
    AddCurveSegments(points, 0, points.size() - 1, tension);
}

// Clamps `last` to the points' last segment end and starts the path at the first segment's
// start; false when no segment lies between them.
bool GraphicsPath::startSegments(std::span<const PointF> points, std::size_t first, std::size_t& last)
{
    last = std::min(last, points.size() > 0 ? points.size() - 1 : 0);
    if (first >= last)
        return false;
    lineToOrStart(points[first]);
    return true;
}

void GraphicsPath::AddCurveSegments(std::span<const PointF> points, std::size_t first, std::size_t last, float tension)
{
    if (!startSegments(points, first, last))
        return;
    m_path.reserve(m_path.elementCount() + 3 * static_cast<int>(last - first)); // three elements a segment
    for (std::size_t i = first; i < last; ++i)
        splineSegment(m_path, points, i, tension, false);
}

void GraphicsPath::AddCurveSegmentsToFill(std::span<const PointF> points, std::size_t first, std::size_t last,
                                          float tension)
{
    if (!startSegments(points, first, last))
        return;
    for (std::size_t i = first; i < last;) {
        std::size_t end = i;
        while (end < last && levelSegment(points, end))
            ++end;
        if (end > i) {
            m_path.lineTo(q(points[end]));
            i = end;
        } else {
            splineSegment(m_path, points, i, tension, false);
            ++i;
        }
    }
}

void GraphicsPath::AddCurveSegmentsToStroke(std::span<const PointF> points, std::size_t first, std::size_t last,
                                            float tension)
{
    if (!startSegments(points, first, last))
        return;
    m_path.reserve(m_path.elementCount() + 3 * static_cast<int>(last - first)); // at most three elements a segment
    for (std::size_t i = first; i < last; ++i) {
        if (levelSegment(points, i) && points[i + 1].X != points[i].X)
            m_path.lineTo(q(points[i + 1]));
        else
            splineSegment(m_path, points, i, tension, false);
    }
}

void GraphicsPath::AddClosedCurve(std::span<const PointF> points, float tension)
{
    if (points.size() < 3)
        return;
    m_path.moveTo(q(points[0]));
    for (std::size_t i = 0; i < points.size(); ++i)
        splineSegment(m_path, points, i, tension, true);
    m_path.closeSubpath();
    m_soleEllipse.reset();
    closedFigure();
}

void GraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    const QRectF box(x, y, width, height);
    if (!m_figureOpen) {
        m_path.arcMoveTo(box, -startAngle);
        m_figureOpen = true;
    }
    m_path.arcTo(box, -startAngle, -sweepAngle);
    m_soleEllipse.reset();
}

void GraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    const bool first = m_path.isEmpty();
    m_path.addEllipse(QRectF(x, y, width, height));
    closedFigure();
    if (first)
        m_soleEllipse = RectF{x, y, width, height};
    else
        m_soleEllipse.reset();
}

void GraphicsPath::AddRectangle(const RectF& r)
{
    m_path.addRect(QRectF(r.X, r.Y, r.Width, r.Height));
    m_soleEllipse.reset();
    closedFigure();
}

void GraphicsPath::AddPolygon(std::span<const PointF> points)
{
    if (points.size() < 2)
        return;
    m_path.moveTo(q(points[0]));
    for (std::size_t i = 1; i < points.size(); ++i)
        m_path.lineTo(q(points[i]));
    m_path.closeSubpath();
    m_soleEllipse.reset();
    closedFigure();
}

void GraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    const QRectF box(x, y, width, height);
    m_path.moveTo(box.center());
    m_path.arcTo(box, -startAngle, -sweepAngle);
    m_path.closeSubpath();
    m_soleEllipse.reset();
    closedFigure();
}

void GraphicsPath::StartFigure() { m_figureOpen = false; }

void GraphicsPath::CloseFigure()
{
    if (m_figureOpen)
        m_path.closeSubpath();
    closedFigure();
}

void GraphicsPath::Reset()
{
    m_path.clear();
    SetFillMode(FillMode::Alternate);
    m_figureOpen = false;
    m_soleEllipse.reset();
}

RectF GraphicsPath::GetBounds() const
{
    const QRectF b = m_path.boundingRect();
    return {static_cast<float>(b.x()), static_cast<float>(b.y()), static_cast<float>(b.width()),
            static_cast<float>(b.height())};
}

bool GraphicsPath::IsVisible(float x, float y) const { return m_path.contains(QPointF(x, y)); }

} // namespace qx::gdiplus
