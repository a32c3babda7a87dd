#include "platform/gdiplus/Brush.h"

#include "platform/gdiplus/Image.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>
#include <limits>

namespace qx::gdiplus {

namespace {

QColor toQColor(Argb c) { return QColor::fromRgba(c); }

double toLinear(int channel) { return std::pow(channel / 255.0, 2.2); }
int fromLinear(double v) { return static_cast<int>(std::lround(std::pow(std::clamp(v, 0.0, 1.0), 1 / 2.2) * 255)); }

// Piecewise-linear blend factor at t from factor and position tables (identity without).
double blendAt(const std::vector<float>& factors, const std::vector<float>& positions, double t)
{
    if (factors.empty() || factors.size() != positions.size())
        return t;
    if (t <= positions.front())
        return factors.front();
    for (std::size_t i = 1; i < positions.size(); ++i)
        if (t <= positions[i]) {
            const double span = positions[i] - positions[i - 1];
            const double u = span > 0 ? (t - positions[i - 1]) / span : 1.0;
            return factors[i - 1] + u * (factors[i] - factors[i - 1]);
        }
    return factors.back();
}

Argb presetAt(const std::vector<Argb>& colors, const std::vector<float>& positions, double t, bool gamma)
{
    if (t <= positions.front())
        return colors.front();
    for (std::size_t i = 1; i < positions.size(); ++i)
        if (t <= positions[i]) {
            const double span = positions[i] - positions[i - 1];
            return interpolate(colors[i - 1], colors[i], span > 0 ? (t - positions[i - 1]) / span : 1.0, gamma);
        }
    return colors.back();
}

// A pattern brush with its cells on whole pixels.
void fillOnGrid(QPainter& painter, const QPainterPath& area, QBrush brush, const QTransform& pixelGrid)
{
    brush.setTransform(brush.transform() * pixelGrid);
    painter.fillPath(area, brush);
}

} // namespace

Argb interpolate(Argb a, Argb b, double t, bool gamma)
{
    t = std::clamp(t, 0.0, 1.0);
    const auto mix = [&](int x, int y) {
        if (gamma)
            return fromLinear(toLinear(x) + (toLinear(y) - toLinear(x)) * t);
        return static_cast<int>(std::lround(x + (y - x) * t));
    };
    const int alpha = static_cast<int>(std::lround(alphaOf(a) + (alphaOf(b) - alphaOf(a)) * t));
    return makeArgb(alpha, mix(redOf(a), redOf(b)), mix(greenOf(a), greenOf(b)), mix(blueOf(a), blueOf(b)));
}

void GradientBlend::setBlend(std::span<const float> factors, std::span<const float> positions)
{
    if (factors.size() != positions.size() || factors.empty())
        return;
    m_factors.assign(factors.begin(), factors.end());
    m_positions.assign(positions.begin(), positions.end());
}

void GradientBlend::setPresets(std::span<const Argb> colors, std::span<const float> positions)
{
    if (colors.size() < 2 || colors.size() != positions.size())
        return;
    m_presetColors.assign(colors.begin(), colors.end());
    m_presetPositions.assign(positions.begin(), positions.end());
}

Argb GradientBlend::colorAt(double t, Argb from, Argb to, bool gamma) const
{
    if (!m_presetColors.empty())
        return presetAt(m_presetColors, m_presetPositions, t, gamma);
    return interpolate(from, to, blendAt(m_factors, m_positions, t), gamma);
}

void Brush::fill(QPainter& painter, const QPainterPath& area, const QTransform&) const
{
    painter.fillPath(area, qBrush(area.boundingRect()));
}

void SolidBrush::fill(QPainter& painter, const QPainterPath& area, const QTransform&) const
{
    painter.fillPath(area, qBrush({}));
}

QBrush SolidBrush::qBrush(const QRectF&) const { return QBrush(toQColor(m_color)); }

HatchBrush::HatchBrush(HatchStyle style, Argb foreColor, Argb backColor)
    : m_style(style), m_fore(foreColor), m_back(backColor)
{
}

const std::uint8_t* HatchBrush::pattern(HatchStyle style)
{
    using Row = std::array<std::uint8_t, 8>;
    static constexpr std::array<Row, 53> kPatterns = {{
        {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, // Horizontal
        {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, // Vertical
        {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // ForwardDiagonal
        {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // BackwardDiagonal
        {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, // Cross
        {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // DiagonalCross
        {0x80, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00}, // Percent05
        {0x80, 0x00, 0x08, 0x00, 0x80, 0x00, 0x08, 0x00}, // Percent10
        {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00}, // Percent20
        {0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22}, // Percent25
        {0xAA, 0x44, 0xAA, 0x11, 0xAA, 0x44, 0xAA, 0x11}, // Percent30
        {0xAA, 0x55, 0xAA, 0x15, 0xAA, 0x55, 0xAA, 0x51}, // Percent40
        {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, // Percent50
        {0xEE, 0x55, 0xBB, 0x55, 0xEE, 0x55, 0xBB, 0x55}, // Percent60
        {0xEE, 0xBB, 0xEE, 0x55, 0xEE, 0xBB, 0xEE, 0x55}, // Percent70
        {0xEE, 0xBB, 0xEE, 0xBB, 0xEE, 0xBB, 0xEE, 0xBB}, // Percent75
        {0xF7, 0xFF, 0x7F, 0xFF, 0xF7, 0xDD, 0x7F, 0xFF}, // Percent80
        {0xFF, 0xFF, 0xFF, 0xF7, 0xFF, 0xFF, 0xFF, 0x7F}, // Percent90
        {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11}, // LightDownwardDiagonal
        {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88}, // LightUpwardDiagonal
        {0xCC, 0x66, 0x33, 0x99, 0xCC, 0x66, 0x33, 0x99}, // DarkDownwardDiagonal
        {0x33, 0x66, 0xCC, 0x99, 0x33, 0x66, 0xCC, 0x99}, // DarkUpwardDiagonal
        {0xC1, 0xE0, 0x70, 0x38, 0x1C, 0x0E, 0x07, 0x83}, // WideDownwardDiagonal
        {0x83, 0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1}, // WideUpwardDiagonal
        {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88}, // LightVertical
        {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}, // LightHorizontal
        {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA}, // NarrowVertical
        {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}, // NarrowHorizontal
        {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC}, // DarkVertical
        {0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00}, // DarkHorizontal
        {0x88, 0x44, 0x22, 0x11, 0x00, 0x00, 0x00, 0x00}, // DashedDownwardDiagonal
        {0x11, 0x22, 0x44, 0x88, 0x00, 0x00, 0x00, 0x00}, // DashedUpwardDiagonal
        {0xF0, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00}, // DashedHorizontal
        {0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08}, // DashedVertical
        {0x80, 0x10, 0x02, 0x20, 0x01, 0x08, 0x40, 0x04}, // SmallConfetti
        {0xB1, 0x30, 0x03, 0x1B, 0xD8, 0xC0, 0x0C, 0x8D}, // LargeConfetti
        {0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18}, // ZigZag
        {0x00, 0x18, 0xA4, 0x03, 0x00, 0x18, 0xA4, 0x03}, // Wave
        {0x80, 0x40, 0x20, 0x10, 0x18, 0x24, 0x42, 0x81}, // DiagonalBrick
        {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08}, // HorizontalBrick
        {0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51}, // Weave
        {0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0}, // Plaid
        {0x80, 0x00, 0x04, 0x08, 0x04, 0x00, 0x80, 0x40}, // Divot
        {0xAA, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00}, // DottedGrid
        {0x80, 0x00, 0x22, 0x00, 0x08, 0x00, 0x22, 0x00}, // DottedDiamond
        {0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01}, // Shingle
        {0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99}, // Trellis
        {0x77, 0x89, 0x8F, 0x8F, 0x77, 0x98, 0xF8, 0xF8}, // Sphere
        {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88}, // SmallGrid
        {0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99}, // SmallCheckerBoard
        {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F}, // LargeCheckerBoard
        {0x82, 0x44, 0x28, 0x10, 0x28, 0x44, 0x82, 0x01}, // OutlinedDiamond
        {0x10, 0x38, 0x7C, 0xFE, 0x7C, 0x38, 0x10, 0x00}, // SolidDiamond
    }};
    const auto index = static_cast<std::size_t>(style);
    return kPatterns[index < kPatterns.size() ? index : 0].data();
}

void HatchBrush::fill(QPainter& painter, const QPainterPath& area, const QTransform& pixelGrid) const
{
    fillOnGrid(painter, area, qBrush(area.boundingRect()), pixelGrid);
}

QBrush HatchBrush::qBrush(const QRectF&) const
{
    QImage tile(8, 8, QImage::Format_ARGB32);
    const std::uint8_t* rows = pattern(m_style);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (rows[y] >> (7 - x)) & 1 ? m_fore : m_back);
    return QBrush(tile);
}

LinearGradientBrush::LinearGradientBrush(const RectF& rect, Argb color1, Argb color2, LinearGradientMode mode)
    : m_rect(rect), m_scaled(true), m_color1(color1), m_color2(color2)
{
    switch (mode) {
    case LinearGradientMode::Horizontal:
        m_start = {0, 0}, m_end = {1, 0};
        break;
    case LinearGradientMode::Vertical:
        m_start = {0, 0}, m_end = {0, 1};
        break;
    case LinearGradientMode::ForwardDiagonal:
        m_start = {0, 0}, m_end = {1, 1};
        break;
    case LinearGradientMode::BackwardDiagonal:
        m_start = {1, 0}, m_end = {0, 1};
        break;
    }
    // In the unit square the diagonal modes have lines of equal colour along the other
    // diagonal; scaled to the rectangle they keep running corner to corner.
}

LinearGradientBrush::LinearGradientBrush(const RectF& rect, Argb color1, Argb color2, float angle,
                                         bool isAngleScalable)
    : m_rect(rect), m_scaled(isAngleScalable), m_color1(color1), m_color2(color2)
{
    const double radians = angle * 3.14159265358979323846 / 180.0;
    const QPointF dir(std::cos(radians), std::sin(radians));
    // Project the rectangle's corners on the direction: the gradient spans their extent.
    const QRectF box = m_scaled ? QRectF(0, 0, 1, 1) : QRectF(rect.X, rect.Y, rect.Width, rect.Height);
    double lo = std::numeric_limits<double>::max(), hi = std::numeric_limits<double>::lowest();
    for (const QPointF& c : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
        const double d = QPointF::dotProduct(c - box.center(), dir);
        lo = std::min(lo, d);
        hi = std::max(hi, d);
    }
    m_start = box.center() + dir * lo;
    m_end = box.center() + dir * hi;
}

LinearGradientBrush::LinearGradientBrush(PointF point1, PointF point2, Argb color1, Argb color2)
    : m_start(point1.X, point1.Y), m_end(point2.X, point2.Y), m_color1(color1), m_color2(color2)
{
}

Argb LinearGradientBrush::colorAt(float t) const { return m_blend.colorAt(t, m_color1, m_color2, m_gamma); }

QTransform LinearGradientBrush::unitToWorld() const
{
    if (!m_scaled)
        return {};
    return QTransform(m_rect.Width, 0, 0, m_rect.Height, m_rect.X, m_rect.Y);
}

QBrush LinearGradientBrush::qBrush(const QRectF&) const
{
    QLinearGradient gradient(m_start, m_end);
    constexpr int kStops = 64; // sampled so that gamma and blends follow their curves
    for (int i = 0; i <= kStops; ++i) {
        const float t = static_cast<float>(i) / kStops;
        gradient.setColorAt(t, toQColor(colorAt(t)));
    }
    gradient.setSpread(m_wrap == WrapMode::Clamp       ? QGradient::PadSpread
                       : m_wrap == WrapMode::Tile      ? QGradient::RepeatSpread
                                                       : QGradient::ReflectSpread);
    QBrush brush(gradient);
    brush.setTransform(unitToWorld());
    return brush;
}

TextureBrush::TextureBrush(const Image& image, WrapMode) : m_image(image.qImage()) {}

void TextureBrush::fill(QPainter& painter, const QPainterPath& area, const QTransform& pixelGrid) const
{
    if (!m_image.isNull())
        fillOnGrid(painter, area, qBrush(area.boundingRect()), pixelGrid);
}

QBrush TextureBrush::qBrush(const QRectF&) const { return m_image.isNull() ? QBrush() : QBrush(m_image); }

PathGradientBrush::PathGradientBrush(const GraphicsPath& path) : m_path(path.qPath())
{
    m_outline = m_path.toFillPolygon();
    m_centerPoint = path.soleEllipse() ? m_path.boundingRect().center() : m_outline.boundingRect().center();
}

PathGradientBrush::PathGradientBrush(std::span<const PointF> points)
{
    for (const PointF& p : points)
        m_outline << QPointF(p.X, p.Y);
    m_path.addPolygon(m_outline);
    m_path.closeSubpath();
    QPointF sum;
    for (const QPointF& p : m_outline)
        sum += p;
    m_centerPoint = m_outline.isEmpty() ? QPointF() : sum / m_outline.size();
}

void PathGradientBrush::SetSurroundColors(std::span<const Argb> colors)
{
    if (!colors.empty())
        m_surround = colors.front();
}

Argb PathGradientBrush::colorAtScale(double s) const
{
    return m_blend.colorAt(1.0 - s, m_surround, m_center, false); // 0 at the outline, 1 at the centre
}

Argb PathGradientBrush::colorAt(QPointF p) const
{
    if (!m_path.contains(p))
        return 0;
    const QPointF d = p - m_centerPoint;
    if (d.isNull())
        return colorAtScale(0);
    // Nearest crossing of the ray centre + u * d with the outline: the point lies at scale 1 / u.
    double nearest = std::numeric_limits<double>::max();
    const int n = static_cast<int>(m_outline.size());
    for (int i = 0; i < n; ++i) {
        const QPointF a = m_outline[i] - m_centerPoint;
        const QPointF e = m_outline[(i + 1) % n] - m_outline[i];
        const double den = d.x() * e.y() - d.y() * e.x();
        if (std::abs(den) < 1e-12)
            continue;
        const double u = (a.x() * e.y() - a.y() * e.x()) / den;
        const double v = (a.x() * d.y() - a.y() * d.x()) / den;
        if (u > 0 && v >= 0 && v <= 1)
            nearest = std::min(nearest, u);
    }
    return colorAtScale(nearest == std::numeric_limits<double>::max() ? 1.0 : std::min(1.0, 1.0 / nearest));
}

QImage PathGradientBrush::render(const QRect& box, const QTransform& pixelGrid) const
{
    QImage image(box.size(), QImage::Format_ARGB32);
    for (int y = 0; y < box.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < box.width(); ++x)
            line[x] = colorAt(pixelGrid.map(QPointF(box.x() + x + 0.5, box.y() + y + 0.5)));
    }
    return image;
}

void PathGradientBrush::fill(QPainter& painter, const QPainterPath& area, const QTransform& pixelGrid) const
{
    if (m_path.isEmpty())
        return;
    // The pixels round the path, one more on each side for the partly covered edge pixels.
    const QRect box = pixelGrid.inverted().mapRect(m_path.boundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1);
    QBrush brush(render(box, pixelGrid));
    brush.setTransform(QTransform::fromTranslate(box.x(), box.y()) * pixelGrid);
    QPainterPath inside;
    inside.addRect(box);
    painter.fillPath(area.intersected(pixelGrid.map(inside)), brush);
}

QBrush PathGradientBrush::qBrush(const QRectF&) const
{
    const QRect box = m_path.boundingRect().toAlignedRect();
    if (box.isEmpty())
        return {};
    QBrush brush(render(box, QTransform()));
    brush.setTransform(QTransform::fromTranslate(box.x(), box.y()));
    return brush;
}

} // namespace qx::gdiplus
