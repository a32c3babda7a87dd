#include "platform/gui/canvas/Canvas.h"

#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/QtBridge.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

QPainter::CompositionMode penComposition(TPenMode mode)
{
    switch (mode) {
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// Eight-by-eight hatch of a brush style, aligned to the device origin; clear between lines.
QImage hatchPattern(TBrushStyle style, const QColor& color)
{
    QImage pattern(8, 8, QImage::Format_ARGB32_Premultiplied);
    pattern.fill(Qt::transparent);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool horizontal = y == 7;
            const bool vertical = x == 7;
            const bool forward = x == y;     // falling to the right
            const bool backward = x + y == 7; // rising to the right
            bool set = false;
            switch (style) {
            case bsHorizontal:
                set = horizontal;
                break;
            case bsVertical:
                set = vertical;
                break;
            case bsFDiagonal:
                set = forward;
                break;
            case bsBDiagonal:
                set = backward;
                break;
            case bsCross:
                set = horizontal || vertical;
                break;
            case bsDiagCross:
                set = forward || backward;
                break;
            default:
                break;
            }
            if (set)
                pattern.setPixelColor(x, y, color);
        }
    return pattern;
}

// Parametric angle, in degrees counter-clockwise, of the ray from the ellipse's centre through p.
double rayAngle(const QRectF& box, int px, int py)
{
    const double dx = (px - box.center().x()) / std::max(box.width(), 1.0);
    const double dy = -(py - box.center().y()) / std::max(box.height(), 1.0);
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

} // namespace

TCanvas::TCanvas() = default;

TCanvas::TCanvas(QPaintDevice* device) : m_device(device) {}

TCanvas::TCanvas(QPainter& painter) { Attach(painter); }

TCanvas::~TCanvas() { Detach(); }

void TCanvas::Attach(QPaintDevice* device)
{
    Detach();
    m_device = device;
}

void TCanvas::Attach(QPainter& painter)
{
    Detach();
    m_device = painter.device();
    m_active = &painter;
    m_active->save();
    m_origin = {};
}

void TCanvas::Detach()
{
    if (m_active && !m_owned)
        m_active->restore();
    if (m_owned && m_owned->isActive())
        m_owned->end();
    m_owned.reset();
    m_active = nullptr;
    m_device = nullptr;
    m_origin = {};
    m_saved.clear();
}

QPainter* TCanvas::Painter()
{
    if (!m_device)
        return nullptr;
    if (!m_active) {
        m_owned = std::make_unique<QPainter>(m_device);
        m_active = m_owned.get();
        m_active->setRenderHint(QPainter::Antialiasing, false);
        m_active->setRenderHint(QPainter::SmoothPixmapTransform, false);
        m_active->setRenderHint(QPainter::TextAntialiasing, true);
        m_active->translate(m_origin.X, m_origin.Y);
    }
    return m_active->isActive() ? m_active : nullptr;
}

TPoint TCanvas::deviceOffset() const
{
    if (!m_active)
        return m_origin;
    const QTransform t = m_active->worldTransform();
    return {static_cast<int>(std::lround(t.dx())), static_cast<int>(std::lround(t.dy()))};
}

QImage* TCanvas::Image() const
{
    return m_device && m_device->devType() == QInternal::Image ? static_cast<QImage*>(m_device) : nullptr;
}

void TCanvas::resetComposition()
{
    if (m_active)
        m_active->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bool TCanvas::applyPenMode(TColor& color)
{
    switch (m_pen.Mode) {
    case pmNop:
        return false;
    case pmBlack:
        color = clBlack;
        break;
    case pmWhite:
        color = clWhite;
        break;
    default:
        break;
    }
    m_active->setCompositionMode(penComposition(m_pen.Mode));
    return true;
}

void TCanvas::fillRectRaw(const TRect& r, TColor color)
{
    if (r.IsEmpty() || color == clNone || !Painter())
        return;
    m_active->fillRect(qx::toQRect(r), qx::toQColor(color));
}

void TCanvas::fillPixelsWithPen(std::span<const TPoint> pixels)
{
    TColor color = m_pen.Color;
    if (pixels.empty() || !Painter() || !applyPenMode(color))
        return;
    const QColor q = qx::toQColor(color);
    // Runs of neighbours along a row or a column, either way, are filled as one rectangle.
    const auto runEnd = [&](std::size_t i, int dx, int dy) {
        std::size_t j = i + 1;
        while (j < pixels.size() && pixels[j].X == pixels[j - 1].X + dx && pixels[j].Y == pixels[j - 1].Y + dy)
            ++j;
        return j;
    };
    std::size_t i = 0;
    while (i < pixels.size()) {
        std::size_t j = i + 1;
        QRect run(pixels[i].X, pixels[i].Y, 1, 1);
        for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
            j = runEnd(i, dx, dy);
            if (j > i + 1) {
                const TPoint last = pixels[j - 1];
                run = QRect(QPoint(std::min(pixels[i].X, last.X), std::min(pixels[i].Y, last.Y)),
                            QPoint(std::max(pixels[i].X, last.X), std::max(pixels[i].Y, last.Y)));
                break;
            }
        }
        m_active->fillRect(run, q);
        i = j;
    }
    resetComposition();
}

void TCanvas::fillSolidLine(TPoint from, TPoint to)
{
    // The pixels of qx::linePixels, walked the same way, filled as runs along a column (a
    // steep line) or a row without collecting them first.
    TColor color = m_pen.Color;
    if (from == to || !Painter() || !applyPenMode(color))
        return;
    const QColor q = qx::toQColor(color);
    const int dx = std::abs(to.X - from.X);
    const int dy = -std::abs(to.Y - from.Y);
    const int sx = from.X < to.X ? 1 : -1;
    const int sy = from.Y < to.Y ? 1 : -1;
    const bool steep = -dy > dx;
    TPoint runStart = from, runEnd = from;
    const auto fillRun = [&] {
        m_active->fillRect(QRect(QPoint(std::min(runStart.X, runEnd.X), std::min(runStart.Y, runEnd.Y)),
                                 QPoint(std::max(runStart.X, runEnd.X), std::max(runStart.Y, runEnd.Y))),
                           q);
    };
    if (dx == 0 || dy == 0) {
        // Along a column or a row: one run up to the pixel before the end.
        runEnd = {to.X - (dx ? sx : 0), to.Y - (dy ? sy : 0)};
        fillRun();
        resetComposition();
        return;
    }
    qx::forEachLinePixel(from, to, [&](TPoint p) {
        if (p == from)
            return;
        if (steep ? p.X == runStart.X : p.Y == runStart.Y) {
            runEnd = p;
        } else {
            fillRun();
            runStart = runEnd = p;
        }
    });
    fillRun();
    resetComposition();
}

void TCanvas::drawThinLine(TPoint from, TPoint to)
{
    if (m_dashStyle != m_pen.Style) {
        m_dash = qx::DashWalker(m_pen.Style);
        m_dashStyle = m_pen.Style;
    }
    if (qx::dashPattern(m_pen.Style).empty()) {
        fillSolidLine(from, to);
        return;
    }
    std::vector<TPoint> pixels = qx::linePixels(from, to);
    std::erase_if(pixels, [this](const TPoint&) { return !m_dash.next(); });
    fillPixelsWithPen(pixels);
}

void TCanvas::setPenOnPainter()
{
    TColor color = m_pen.Color;
    if (m_pen.IsClear() || !applyPenMode(color)) {
        m_active->setPen(Qt::NoPen);
        return;
    }
    QPen pen(qx::toQColor(color), std::max(m_pen.Width, 1));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCosmetic(m_pen.Width <= 1);
    if (m_pen.Width <= 1) {
        const std::span<const int> pattern = qx::dashPattern(m_pen.Style);
        if (!pattern.empty()) {
            pen.setCapStyle(Qt::FlatCap);
            pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
        }
    }
    m_active->setPen(pen);
}

void TCanvas::setBrushOnPainter(bool fill)
{
    if (!fill || m_brush.IsClear()) {
        m_active->setBrush(Qt::NoBrush);
        return;
    }
    const TPoint offset = deviceOffset();
    m_active->setBrushOrigin(-offset.X, -offset.Y);
    if (m_brush.Bitmap && !m_brush.Bitmap->Empty())
        m_active->setBrush(QBrush(m_brush.Bitmap->Image()));
    else if (m_brush.Style == bsSolid)
        m_active->setBrush(qx::toQColor(m_brush.Color));
    else
        m_active->setBrush(QBrush(hatchPattern(m_brush.Style, qx::toQColor(m_brush.Color))));
}

void TCanvas::MoveTo(int x, int y)
{
    m_penPos = {x, y};
    m_dash.reset();
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = m_penPos;
    m_penPos = {x, y};
    if (m_pen.IsClear() || !Painter())
        return;
    if (m_pen.Width <= 1) {
        drawThinLine(from, m_penPos);
        return;
    }
    setPenOnPainter();
    m_active->drawLine(from.X, from.Y, x, y);
    resetComposition();
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (points.empty())
        return;
    const TPoint saved = m_penPos;
    MoveTo(points[0].X, points[0].Y);
    for (std::size_t i = 1; i < points.size(); ++i)
        LineTo(points[i].X, points[i].Y);
    m_penPos = saved;
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    const TRect r = qx::fromQRect(qx::toQRect(Rect(left, top, right, bottom)));
    if (r.IsEmpty() || !Painter())
        return;
    if (m_pen.IsClear()) {
        FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
        return;
    }
    const int w = std::max(m_pen.Width, 1);
    const int inset = m_pen.Style == psInsideFrame ? w : w - (w - 1) / 2;
    FillRect(Rect(r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset));
    if (w == 1) {
        const TPoint saved = m_penPos;
        const TPoint corners[] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1},
                                  {r.Left, r.Bottom - 1}, {r.Left, r.Top}};
        Polyline(corners);
        if (r.Width() == 1 && r.Height() == 1) { // every segment is empty
            const TPoint single[] = {{r.Left, r.Top}};
            fillPixelsWithPen(single);
        }
        m_penPos = saved;
        return;
    }
    // A wide pen: four bands, inside the figure for psInsideFrame, else centred on its edge.
    const int out = m_pen.Style == psInsideFrame ? 0 : (w - 1) / 2;
    const TRect o = Rect(r.Left - out, r.Top - out, r.Right + out, r.Bottom + out);
    TColor color = m_pen.Color;
    if (!applyPenMode(color))
        return;
    const QColor q = qx::toQColor(color);
    const QRegion frame = QRegion(qx::toQRect(o)).subtracted(QRegion(qx::toQRect(Rect(o.Left + w, o.Top + w,
                                                                                      o.Right - w, o.Bottom - w))));
    for (const QRect& band : frame)
        m_active->fillRect(band, q);
    resetComposition();
}

void TCanvas::FillRect(const TRect& r)
{
    if (r.IsEmpty() || m_brush.IsClear() || !Painter())
        return;
    if (!m_brush.Bitmap && m_brush.Style == bsSolid) {
        fillRectRaw(r, m_brush.Color);
        return;
    }
    m_active->setPen(Qt::NoPen);
    setBrushOnPainter(true);
    m_active->drawRect(qx::toQRect(r));
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty() || m_brush.IsClear())
        return;
    const TColor c = m_brush.Color;
    fillRectRaw(Rect(r.Left, r.Top, r.Right, r.Top + 1), c);
    fillRectRaw(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), c);
    fillRectRaw(Rect(r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1), c);
    fillRectRaw(Rect(r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1), c);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    const QRect box = qx::toQRect(Rect(left, top, right, bottom));
    if (box.isEmpty() || !Painter())
        return;
    setPenOnPainter();
    setBrushOnPainter(true);
    m_active->drawEllipse(box.adjusted(0, 0, -1, -1));
    resetComposition();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    const QRect box = qx::toQRect(Rect(left, top, right, bottom));
    if (box.isEmpty() || !Painter())
        return;
    setPenOnPainter();
    setBrushOnPainter(true);
    m_active->drawRoundedRect(QRectF(box.adjusted(0, 0, -1, -1)), cornerWidth / 2.0, cornerHeight / 2.0);
    resetComposition();
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.size() < 2 || !Painter())
        return;
    // A pixel is filled when its top-left corner point lies inside, or on a left or top
    // edge: shifted so that Qt's sample at the pixel centre falls just right of and below it.
    constexpr double shift = 0.5 - 1.0 / 32;
    QPolygonF polygon;
    for (const TPoint& p : points)
        polygon << QPointF(p.X + shift, p.Y + shift);
    if (!m_brush.IsClear()) {
        m_active->setPen(Qt::NoPen);
        setBrushOnPainter(true);
        m_active->drawPolygon(polygon, PolyFillMode == fmWinding ? Qt::WindingFill : Qt::OddEvenFill);
    }
    if (m_pen.IsClear())
        return;
    const TPoint saved = m_penPos;
    std::vector<TPoint> closed(points.begin(), points.end());
    closed.push_back(points.front());
    Polyline(closed);
    m_penPos = saved;
}

void TCanvas::drawArcShape(int kind, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const QRect box = qx::toQRect(Rect(x1, y1, x2, y2));
    if (box.isEmpty() || !Painter())
        return;
    const QRectF ellipse(box.adjusted(0, 0, -1, -1));
    const double start = rayAngle(ellipse, x3, y3);
    double span = rayAngle(ellipse, x4, y4) - start;
    if (span <= 0)
        span += 360;
    const int a = static_cast<int>(std::lround(start * 16));
    const int s = static_cast<int>(std::lround(span * 16));
    setPenOnPainter();
    setBrushOnPainter(kind != 0);
    if (kind == 0)
        m_active->drawArc(ellipse, a, s);
    else if (kind == 1)
        m_active->drawPie(ellipse, a, s);
    else
        m_active->drawChord(ellipse, a, s);
    resetComposition();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    drawArcShape(0, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    drawArcShape(1, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    drawArcShape(2, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (r.IsEmpty() || !Painter())
        return;
    std::vector<TPoint> frame;
    const TPoint offset = deviceOffset();
    const auto add = [&](int x, int y) {
        if ((x + offset.X + y + offset.Y) % 2 == 0)
            frame.push_back({x, y});
    };
    for (int x = r.Left; x < r.Right; ++x) {
        add(x, r.Top);
        if (r.Height() > 1)
            add(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        add(r.Left, y);
        if (r.Width() > 1)
            add(r.Right - 1, y);
    }
    m_active->setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const TPoint& p : frame)
        m_active->fillRect(QRect(p.X, p.Y, 1, 1), Qt::black);
    resetComposition();
}

TColor TCanvas::Pixel(int x, int y)
{
    const QImage* image = Image();
    const TPoint offset = deviceOffset();
    const int dx = x + offset.X;
    const int dy = y + offset.Y;
    if (!image || !image->rect().contains(dx, dy))
        return clNone;
    return qx::fromQRgb(image->pixel(dx, dy));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (Painter())
        m_active->setCompositionMode(QPainter::CompositionMode_Source);
    fillRectRaw(Rect(x, y, x + 1, y + 1), color);
    resetComposition();
}

TRect TCanvas::ClipRect()
{
    if (!Painter())
        return {};
    if (m_active->hasClipping())
        return qx::fromQRect(m_active->clipBoundingRect().toAlignedRect());
    const TPoint offset = deviceOffset();
    return Bounds(-offset.X, -offset.Y, m_device->width(), m_device->height());
}

void TCanvas::SetClipRect(const TRect& r)
{
    if (Painter())
        m_active->setClipRect(qx::toQRect(r), Qt::ReplaceClip);
}

void TCanvas::IntersectClipRect(const TRect& r)
{
    if (Painter())
        m_active->setClipRect(qx::toQRect(r), m_active->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::ExcludeClipRect(const TRect& r)
{
    if (!Painter())
        return;
    const TPoint offset = deviceOffset();
    const QRegion current = m_active->hasClipping()
                                ? m_active->clipRegion()
                                : QRegion(-offset.X, -offset.Y, m_device->width(), m_device->height());
    m_active->setClipRegion(current.subtracted(QRegion(qx::toQRect(r))), Qt::ReplaceClip);
}

void TCanvas::SelectClipRegion(const TRegion* region)
{
    if (!Painter())
        return;
    const TPoint offset = deviceOffset();
    if (!region)
        m_active->setClipping(false);
    else
        m_active->setClipRegion(region->qRegion().translated(-offset.X, -offset.Y), Qt::ReplaceClip);
}

void TCanvas::IntersectClipRegion(const TRegion& region)
{
    if (!Painter())
        return;
    const TPoint offset = deviceOffset();
    const QRegion logical = region.qRegion().translated(-offset.X, -offset.Y);
    m_active->setClipRegion(logical, m_active->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

bool TCanvas::HasClipping() { return Painter() && m_active->hasClipping(); }

void TCanvas::MoveOrigin(int dx, int dy)
{
    m_origin.X += dx;
    m_origin.Y += dy;
    if (m_active)
        m_active->translate(dx, dy);
}

void TCanvas::SaveState()
{
    m_saved.push_back({m_pen, m_brush, m_font, m_origin});
    if (Painter())
        m_active->save();
}

void TCanvas::RestoreState()
{
    if (m_saved.empty())
        return;
    const SavedState& s = m_saved.back();
    m_pen = s.pen;
    m_brush = s.brush;
    m_font = s.font;
    m_origin = s.origin;
    m_saved.pop_back();
    if (Painter())
        m_active->restore();
}
