#pragma once
// A path of figures: lines, Bézier curves, cardinal splines, arcs, ellipses, rectangles
// and polygons. Angles are in degrees, clockwise from the positive x axis (y downwards).

#include "platform/gdiplus/Types.h"

#include <QPainterPath>

#include <optional>
#include <span>

namespace qx::gdiplus {

class GraphicsPath
{
public:
    explicit GraphicsPath(FillMode mode = FillMode::Alternate);

    // Open-figure parts join the figure's last point with a line.
    void AddLine(float x1, float y1, float x2, float y2);
    void AddLines(std::span<const PointF> points);
    void AddBezier(PointF p1, PointF c1, PointF c2, PointF p2);
    void AddBeziers(std::span<const PointF> points); // 1 + 3n points
    // Cardinal spline through the points; tension 0 gives straight lines, 0.5 is the default.
    void AddCurve(std::span<const PointF> points, float tension = 0.5f);
    // Segments first .. last - 1 of that spline (segment i runs from points[i] to points[i + 1],
    // shaped by its neighbours in the whole list), the same curves AddCurve adds for them.
    void AddCurveSegments(std::span<const PointF> points, std::size_t first, std::size_t last, float tension = 0.5f);
    // The same segments for a path that is only filled: a run of segments that lie on one row
    // (their points and the neighbours that shape them share a y) is put in as one straight line
    // along the row. A fill takes no pixel from a level edge, so it fills the same pixels.
    void AddCurveSegmentsToFill(std::span<const PointF> points, std::size_t first, std::size_t last,
                                float tension = 0.5f);
    // The same segments for a path that is stroked with a one-pixel pen: a segment on one row
    // whose ends lie in different columns goes in as the straight line between its ends, which
    // the stroker draws in place of such a flat curve; every other segment stays a curve.
    void AddCurveSegmentsToStroke(std::span<const PointF> points, std::size_t first, std::size_t last,
                                  float tension = 0.5f);
    void AddClosedCurve(std::span<const PointF> points, float tension = 0.5f);
    void AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    void AddArc(const RectF& r, float startAngle, float sweepAngle)
    {
        AddArc(r.X, r.Y, r.Width, r.Height, startAngle, sweepAngle);
    }
    // Closed figures of their own.
    void AddEllipse(float x, float y, float width, float height);
    void AddEllipse(const RectF& r) { AddEllipse(r.X, r.Y, r.Width, r.Height); }
    void AddRectangle(const RectF& r);
    void AddPolygon(std::span<const PointF> points);
    void AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);

    void StartFigure();
    void CloseFigure();
    void Reset();

    FillMode GetFillMode() const { return m_fillMode; }
    void SetFillMode(FillMode mode);
    RectF GetBounds() const;
    bool IsVisible(float x, float y) const;
    int GetPointCount() const { return m_path.elementCount(); }

    const QPainterPath& qPath() const { return m_path; }
    // The ellipse's box when the path is exactly one ellipse (path gradients draw those radially).
    std::optional<RectF> soleEllipse() const { return m_soleEllipse; }

private:
    void lineToOrStart(PointF p);
    bool startSegments(std::span<const PointF> points, std::size_t first, std::size_t& last);
    void closedFigure();

    QPainterPath m_path;
    FillMode m_fillMode;
    bool m_figureOpen = false;
    std::optional<RectF> m_soleEllipse;
};

} // namespace qx::gdiplus
