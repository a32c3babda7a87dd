#include "platform/gdiplus/Graphics.h"

#include "platform/gui/canvas/Bitmap.h"

#include <QPainter>

#include <cmath>

namespace qx::gdiplus {

namespace {

QRectF q(const RectF& r) { return QRectF(r.X, r.Y, r.Width, r.Height); }

QPolygonF q(std::span<const PointF> points)
{
    QPolygonF polygon;
    for (const PointF& p : points)
        polygon << QPointF(p.X, p.Y);
    return polygon;
}

// Shapes reach Qt's rasteriser on a 1/64-pixel grid, and without smoothing it counts a
// pixel whose centre lies exactly on a left or top edge as outside and one on a right or
// bottom edge as inside: a whole-number rectangle would cover x + 1 .. x + w. Moved up and
// left by one grid step, left and top edges take their pixels and right and bottom edges
// leave theirs, so x .. x + w - 1 is covered.
constexpr double kEdgeRule = 1.0 / 64;

// Pens up to one unit wide draw one-pixel lines, whatever the transform.
bool isThin(const Pen& pen) { return pen.GetWidth() <= 1.0f; }

QPen toQPen(const Pen& pen)
{
    QPen q(QColor::fromRgba(pen.GetColor()), std::max(pen.GetWidth(), 1.0f));
    q.setCosmetic(isThin(pen));
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    switch (pen.GetDashStyle()) {
    case DashStyle::Dash:
        q.setDashPattern({3, 1});
        break;
    case DashStyle::Dot:
        q.setDashPattern({1, 1});
        break;
    case DashStyle::DashDot:
        q.setDashPattern({3, 1, 1, 1});
        break;
    case DashStyle::DashDotDot:
        q.setDashPattern({3, 1, 1, 1, 1, 1});
        break;
    case DashStyle::Solid:
        break;
    }
    return q;
}

} // namespace

Graphics::Graphics(TCanvas& canvas) : m_painter(canvas.Painter()) { begin(); }

Graphics::Graphics(TBitmap& bitmap) : m_painter(bitmap.Canvas().Painter()) { begin(); }

Graphics::Graphics(QPainter& painter) : m_painter(&painter) { begin(); }

Graphics::~Graphics()
{
    if (m_painter)
        m_painter->restore();
}

void Graphics::begin()
{
    if (!m_painter)
        return;
    m_painter->save();
    m_base = m_painter->worldTransform();
    m_hadClip = m_painter->hasClipping();
    if (m_hadClip)
        m_baseClip = m_base.map(m_painter->clipPath());
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    SetSmoothingMode(m_smoothing);
}

void Graphics::SetSmoothingMode(SmoothingMode mode)
{
    m_smoothing = mode;
    if (m_painter)
        m_painter->setRenderHint(QPainter::Antialiasing, smoothing());
}

bool Graphics::smoothing() const
{
    return m_smoothing == SmoothingMode::AntiAlias || m_smoothing == SmoothingMode::HighQuality;
}

double Graphics::pixelOffset(Grid grid) const
{
    if (grid == Grid::Pixels)
        return 0;
    // The device's pixel centres lie at .5; in the default modes they must lie on whole
    // numbers of the caller's coordinates.
    const bool half = m_pixelOffset == PixelOffsetMode::Half || m_pixelOffset == PixelOffsetMode::HighQuality;
    const double centres = half ? 0.0 : 0.5;
    return grid == Grid::Area && !smoothing() ? centres - kEdgeRule : centres;
}

void Graphics::applyTransform(Grid grid)
{
    const double offset = pixelOffset(grid);
    m_painter->setWorldTransform(m_user * QTransform::fromTranslate(offset, offset) * m_base);
    const bool plainText =
        m_textHint == TextRenderingHint::SingleBitPerPixel || m_textHint == TextRenderingHint::SingleBitPerPixelGridFit;
    m_painter->setRenderHint(QPainter::TextAntialiasing, !plainText);
}

QTransform Graphics::pixelGrid(Grid grid) const
{
    const double offset = pixelOffset(grid);
    return m_user * QTransform::fromTranslate(-offset, -offset) * m_user.inverted();
}

void Graphics::TranslateTransform(float dx, float dy) { m_user = QTransform::fromTranslate(dx, dy) * m_user; }

void Graphics::ScaleTransform(float sx, float sy) { m_user = QTransform::fromScale(sx, sy) * m_user; }

void Graphics::RotateTransform(float degrees) { m_user = QTransform().rotate(degrees) * m_user; }

void Graphics::ResetTransform() { m_user = QTransform(); }

void Graphics::applyClip()
{
    m_painter->setWorldTransform(QTransform());
    if (m_clip.IsInfinite()) {
        if (m_hadClip)
            m_painter->setClipPath(m_baseClip, Qt::ReplaceClip);
        else
            m_painter->setClipping(false);
        return;
    }
    m_painter->setClipPath(m_hadClip ? m_clip.qPath().intersected(m_baseClip) : m_clip.qPath(), Qt::ReplaceClip);
}

void Graphics::SetClip(const Region& region, CombineMode mode)
{
    if (!m_painter)
        return;
    const Region device = region.IsInfinite() ? Region() : Region((m_user * m_base).map(region.qPath()));
    m_clip.combine(device, mode);
    applyClip();
}

void Graphics::ResetClip()
{
    if (!m_painter)
        return;
    m_clip = Region();
    applyClip();
}

void Graphics::Clear(Argb color)
{
    if (!m_painter)
        return;
    m_painter->setWorldTransform(QTransform());
    m_painter->setCompositionMode(QPainter::CompositionMode_Source);
    m_painter->fillRect(QRect(0, 0, m_painter->device()->width(), m_painter->device()->height()),
                        QColor::fromRgba(color));
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Graphics::strokePath(const Pen& pen, const QPainterPath& path, bool closed)
{
    if (!m_painter)
        return;
    const bool thin = isThin(pen);
    applyTransform(thin ? Grid::ThinLine : Grid::Area);
    QPen qpen = toQPen(pen);
    if (thin && !smoothing())
        qpen.setCapStyle(Qt::SquareCap); // an unsmoothed one-pixel line covers its end point
    m_painter->save();
    if (closed && pen.GetAlignment() == PenAlignment::Inset && pen.GetWidth() > 1) {
        m_painter->setClipPath(path, Qt::IntersectClip);
        qpen.setWidthF(pen.GetWidth() * 2);
    }
    m_painter->setPen(qpen);
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawPath(path);
    m_painter->restore();
}

void Graphics::fillPath(const Brush& brush, const QPainterPath& path)
{
    if (!m_painter)
        return;
    applyTransform(Grid::Area);
    brush.fill(*m_painter, path, pixelGrid(Grid::Area));
}

void Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2)
{
    QPainterPath path({x1, y1});
    path.lineTo(x2, y2);
    strokePath(pen, path, false);
}

void Graphics::DrawLines(const Pen& pen, std::span<const PointF> points)
{
    QPainterPath path;
    path.addPolygon(q(points));
    strokePath(pen, path, false);
}

void Graphics::DrawRectangle(const Pen& pen, const RectF& r)
{
    QPainterPath path;
    path.addRect(q(r));
    strokePath(pen, path, true);
}

void Graphics::FillRectangle(const Brush& brush, const RectF& r)
{
    QPainterPath path;
    path.addRect(q(r));
    fillPath(brush, path);
}

void Graphics::DrawEllipse(const Pen& pen, const RectF& r)
{
    QPainterPath path;
    path.addEllipse(q(r));
    strokePath(pen, path, true);
}

void Graphics::FillEllipse(const Brush& brush, const RectF& r)
{
    QPainterPath path;
    path.addEllipse(q(r));
    fillPath(brush, path);
}

void Graphics::DrawArc(const Pen& pen, const RectF& r, float startAngle, float sweepAngle)
{
    GraphicsPath path;
    path.AddArc(r, startAngle, sweepAngle);
    strokePath(pen, path.qPath(), false);
}

void Graphics::DrawPolygon(const Pen& pen, std::span<const PointF> points)
{
    GraphicsPath path;
    path.AddPolygon(points);
    strokePath(pen, path.qPath(), true);
}

void Graphics::FillPolygon(const Brush& brush, std::span<const PointF> points, FillMode mode)
{
    GraphicsPath path(mode);
    path.AddPolygon(points);
    fillPath(brush, path.qPath());
}

void Graphics::DrawBezier(const Pen& pen, PointF p1, PointF c1, PointF c2, PointF p2)
{
    GraphicsPath path;
    path.AddBezier(p1, c1, c2, p2);
    strokePath(pen, path.qPath(), false);
}

void Graphics::DrawCurve(const Pen& pen, std::span<const PointF> points, float tension)
{
    GraphicsPath path;
    path.AddCurve(points, tension);
    strokePath(pen, path.qPath(), false);
}

void Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) { strokePath(pen, path.qPath(), true); }

void Graphics::FillPath(const Brush& brush, const GraphicsPath& path) { fillPath(brush, path.qPath()); }

void Graphics::FillRegion(const Brush& brush, const Region& region)
{
    if (!region.IsInfinite())
        fillPath(brush, region.qPath());
}

void Graphics::DrawImage(const Image& image, float x, float y)
{
    DrawImage(image, RectF{x, y, float(image.GetWidth()), float(image.GetHeight())});
}

void Graphics::DrawImage(const Image& image, const RectF& dest)
{
    DrawImage(image, dest, RectF{0, 0, float(image.GetWidth()), float(image.GetHeight())});
}

void Graphics::DrawImage(const Image& image, const RectF& dest, const RectF& src, const ImageAttributes* attributes)
{
    if (!m_painter || image.IsEmpty())
        return;
    // Pictures cover whole pixels in every mode.
    applyTransform(Grid::Pixels);
    const bool stretched = std::abs(dest.Width - src.Width) > 0.01f || std::abs(dest.Height - src.Height) > 0.01f;
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, stretched);
    m_painter->drawImage(q(dest), attributes ? attributes->apply(image.qImage()) : image.qImage(), q(src));
}

void Graphics::DrawString(const std::string& text, const Font& font, const RectF& layout,
                          const StringFormat& format, const Brush& brush)
{
    if (!m_painter)
        return;
    const TextLayout lines = layoutText(text, font, layout, format);
    applyTransform(Grid::Pixels);
    m_painter->save();
    if (!(format.FormatFlags & StringFormatFlagsNoClip) && layout.Width > 0 && layout.Height > 0)
        m_painter->setClipRect(q(layout), Qt::IntersectClip);
    m_painter->setFont(font.qFont());
    m_painter->setPen(QPen(brush.qBrush(q(layout)), 0));
    for (std::size_t i = 0; i < lines.lines.size(); ++i)
        m_painter->drawText(QPointF(lines.lefts[i], lines.top + lines.lineHeight * double(i) + lines.ascent),
                            lines.lines[i]);
    m_painter->restore();
}

RectF Graphics::MeasureString(const std::string& text, const Font& font, const RectF& layout,
                              const StringFormat& format) const
{
    return layoutText(text, font, layout, format).bounds;
}

} // namespace qx::gdiplus
