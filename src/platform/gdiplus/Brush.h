#pragma once
// Brushes: solid, hatch (8 x 8 patterns), linear gradient (gamma correction, blend
// factors, preset colours), texture and path gradient (centre colour to surround colour).

#include "platform/gdiplus/GraphicsPath.h"
#include "platform/gdiplus/Types.h"

#include <QBrush>
#include <QImage>

#include <memory>
#include <vector>

class QPainter;

namespace qx::gdiplus {

class Image;

// Blend factors or preset colours along a gradient, shared by the gradient brushes.
class GradientBlend
{
public:
    // factors[i] is the share of the end colour at positions[i] (0 .. 1).
    void setBlend(std::span<const float> factors, std::span<const float> positions);
    // Preset colours at positions; they replace the two colours and the blend.
    void setPresets(std::span<const Argb> colors, std::span<const float> positions);
    Argb colorAt(double t, Argb from, Argb to, bool gamma) const;

private:
    std::vector<float> m_factors, m_positions;
    std::vector<Argb> m_presetColors;
    std::vector<float> m_presetPositions;
};

class Brush
{
public:
    virtual ~Brush() = default;
    // Fills an area given in the painter's coordinates. pixelGrid maps coordinates whose
    // whole numbers lie on pixel edges to the painter's; patterns are laid on it so that
    // each of their cells covers a whole pixel.
    virtual void fill(QPainter& painter, const QPainterPath& area, const QTransform& pixelGrid) const;
    // The brush as a Qt brush (for pens and text); area is the region being painted.
    virtual QBrush qBrush(const QRectF& area) const = 0;
};

class SolidBrush : public Brush
{
public:
    explicit SolidBrush(Argb color) : m_color(color) {}
    Argb GetColor() const { return m_color; }
    void SetColor(Argb color) { m_color = color; }
    // One colour everywhere: no need of the area's bounds, which cost a walk over every curve.
    void fill(QPainter& painter, const QPainterPath& area, const QTransform& pixelGrid) const override;
    QBrush qBrush(const QRectF& area) const override;

private:
    Argb m_color;
};

class HatchBrush : public Brush
{
public:
    HatchBrush(HatchStyle style, Argb foreColor, Argb backColor = 0xFF000000u);
    HatchStyle GetHatchStyle() const { return m_style; }
    void fill(QPainter& painter, const QPainterPath& area, const QTransform& pixelGrid) const override;
    QBrush qBrush(const QRectF& area) const override;

    // The 8 x 8 pattern: bit 7 of row byte y is pixel (0, y); a set bit takes the fore colour.
    static const std::uint8_t* pattern(HatchStyle style);

private:
    HatchStyle m_style;
    Argb m_fore;
    Argb m_back;
};

class LinearGradientBrush : public Brush
{
public:
    LinearGradientBrush(const RectF& rect, Argb color1, Argb color2, LinearGradientMode mode);
    // At an angle in degrees, clockwise; scalable angles follow the rectangle's shape.
    LinearGradientBrush(const RectF& rect, Argb color1, Argb color2, float angle, bool isAngleScalable = false);
    LinearGradientBrush(PointF point1, PointF point2, Argb color1, Argb color2);

    void SetGammaCorrection(bool on) { m_gamma = on; }
    bool GetGammaCorrection() const { return m_gamma; }
    // factors[i] is the share of color2 at positions[i] (0 .. 1 along the gradient).
    void SetBlend(std::span<const float> factors, std::span<const float> positions)
    {
        m_blend.setBlend(factors, positions);
    }
    // Preset colours at positions; they replace the two colours and the blend.
    void SetInterpolationColors(std::span<const Argb> colors, std::span<const float> positions)
    {
        m_blend.setPresets(colors, positions);
    }
    void SetWrapMode(WrapMode mode) { m_wrap = mode; }
    QBrush qBrush(const QRectF& area) const override;

    // The colour at position t (0 .. 1) along the gradient.
    Argb colorAt(float t) const;

private:
    QTransform unitToWorld() const;

    RectF m_rect;
    QPointF m_start, m_end; // in unit space when m_scaled, else in world space
    bool m_scaled = false;
    Argb m_color1, m_color2;
    bool m_gamma = false;
    GradientBlend m_blend;
    WrapMode m_wrap = WrapMode::Tile;
};

class TextureBrush : public Brush
{
public:
    explicit TextureBrush(const Image& image, WrapMode mode = WrapMode::Tile);
    void fill(QPainter& painter, const QPainterPath& area, const QTransform& pixelGrid) const override;
    QBrush qBrush(const QRectF& area) const override;

private:
    QImage m_image;
};

// Colours run from the surround colour at the path's outline to the centre colour at the
// centre point, along rays from that point; the brush paints nothing outside the path.
class PathGradientBrush : public Brush
{
public:
    explicit PathGradientBrush(const GraphicsPath& path);
    explicit PathGradientBrush(std::span<const PointF> points);

    void SetCenterColor(Argb color) { m_center = color; }
    void SetCenterPoint(PointF p) { m_centerPoint = QPointF(p.X, p.Y); }
    PointF GetCenterPoint() const { return {float(m_centerPoint.x()), float(m_centerPoint.y())}; }
    void SetSurroundColors(std::span<const Argb> colors);
    // factors[i] is the share of the centre colour at positions[i] (0 outline .. 1 centre).
    void SetBlend(std::span<const float> factors, std::span<const float> positions)
    {
        m_blend.setBlend(factors, positions);
    }
    // Preset colours at positions from the outline (0) to the centre (1).
    void SetInterpolationColors(std::span<const Argb> colors, std::span<const float> positions)
    {
        m_blend.setPresets(colors, positions);
    }
    void SetWrapMode(WrapMode) {} // always clamped: nothing is painted outside the path

    void fill(QPainter& painter, const QPainterPath& area, const QTransform& pixelGrid) const override;
    QBrush qBrush(const QRectF& area) const override;
    // The colour at a point (transparent outside the path).
    Argb colorAt(QPointF p) const;

private:
    Argb colorAtScale(double s) const;
    // The colours of the pixels of box (in pixel-grid coordinates), each taken at its centre.
    QImage render(const QRect& box, const QTransform& pixelGrid) const;

    QPainterPath m_path;
    QPolygonF m_outline;
    QPointF m_centerPoint;
    Argb m_center = 0xFF000000u;
    Argb m_surround = 0xFFFFFFFFu;
    GradientBlend m_blend;
};

// Colour between a and b at t, in linear light when gamma is set (gamma 2.2).
Argb interpolate(Argb a, Argb b, double t, bool gamma);

} // namespace qx::gdiplus
