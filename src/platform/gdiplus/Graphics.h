#pragma once
// Graphics: anti-aliased, translucent drawing on a canvas, a bitmap or a painter. It draws
// through the painter of the canvas it is made on and gives that painter back unchanged.
// Coordinates are floats. In the default pixel offset modes pixel centres lie on whole
// numbers, so smoothed edges at whole coordinates cover half pixels; PixelOffsetMode::Half
// (and HighQuality) moves the centres to .5, where such edges fall between pixels.
// Whatever the mode, unsmoothed drawing is pixel-exact at whole coordinates: a filled
// x, y, w, h rectangle covers pixels x .. x + w - 1, a line or outline of a one-pixel pen
// covers both its end points (x .. x + w for a rectangle), and pictures, textures and
// hatches put their pixels on whole pixels.

#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Font.h"
#include "platform/gdiplus/GraphicsPath.h"
#include "platform/gdiplus/Image.h"
#include "platform/gdiplus/Pen.h"
#include "platform/gdiplus/Region.h"

#include <QTransform>

#include <span>
#include <string>

class QPainter;
class TBitmap;
class TCanvas;

namespace qx::gdiplus {

class Graphics
{
public:
    explicit Graphics(TCanvas& canvas);
    explicit Graphics(TBitmap& bitmap);
    explicit Graphics(QPainter& painter);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // False when the canvas had nothing to draw on; every call then draws nothing.
    bool IsValid() const { return m_painter != nullptr; }

    void SetSmoothingMode(SmoothingMode mode);
    SmoothingMode GetSmoothingMode() const { return m_smoothing; }
    void SetPixelOffsetMode(PixelOffsetMode mode) { m_pixelOffset = mode; }
    PixelOffsetMode GetPixelOffsetMode() const { return m_pixelOffset; }
    void SetTextRenderingHint(TextRenderingHint hint) { m_textHint = hint; }
    TextRenderingHint GetTextRenderingHint() const { return m_textHint; }

    void TranslateTransform(float dx, float dy);
    void ScaleTransform(float sx, float sy);
    void RotateTransform(float degrees); // clockwise
    void ResetTransform();

    // Clipping is kept within whatever clipping the canvas had when the graphics was made.
    void SetClip(const Region& region, CombineMode mode = CombineMode::Replace);
    void SetClip(const RectF& r, CombineMode mode = CombineMode::Replace) { SetClip(Region(r), mode); }
    void SetClip(const GraphicsPath& path, CombineMode mode = CombineMode::Replace) { SetClip(Region(path), mode); }
    void ResetClip();

    void Clear(Argb color);
    void DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    void DrawLines(const Pen& pen, std::span<const PointF> points);
    void DrawRectangle(const Pen& pen, const RectF& r);
    void FillRectangle(const Brush& brush, const RectF& r);
    void DrawEllipse(const Pen& pen, const RectF& r);
    void FillEllipse(const Brush& brush, const RectF& r);
    void DrawArc(const Pen& pen, const RectF& r, float startAngle, float sweepAngle);
    void DrawPolygon(const Pen& pen, std::span<const PointF> points);
    void FillPolygon(const Brush& brush, std::span<const PointF> points, FillMode mode = FillMode::Alternate);
    void DrawBezier(const Pen& pen, PointF p1, PointF c1, PointF c2, PointF p2);
    void DrawCurve(const Pen& pen, std::span<const PointF> points, float tension = 0.5f);
    void DrawPath(const Pen& pen, const GraphicsPath& path);
    void FillPath(const Brush& brush, const GraphicsPath& path);
    void FillRegion(const Brush& brush, const Region& region);

    void DrawImage(const Image& image, float x, float y);
    void DrawImage(const Image& image, const RectF& dest);
    // The source rectangle of the image (in pixels) into dest, through the attributes' colour key.
    void DrawImage(const Image& image, const RectF& dest, const RectF& src, const ImageAttributes* attributes = nullptr);

    void DrawString(const std::string& text, const Font& font, const RectF& layout, const StringFormat& format,
                    const Brush& brush);
    // The rectangle the text takes in the layout, padding included (a zero width or height
    // leaves that direction unbounded).
    RectF MeasureString(const std::string& text, const Font& font, const RectF& layout,
                        const StringFormat& format = StringFormat()) const;

private:
    // How a drawing meets the pixel grid (see pixelOffset).
    enum class Grid
    {
        Area,     // fills and wide pens: a pixel is covered when its centre is inside
        ThinLine, // one-pixel pens
        Pixels,   // pictures and text: whole coordinates on pixel edges
    };

    void begin();
    bool smoothing() const;
    // How far whole coordinates move on the device for the mode, smoothing and grid.
    double pixelOffset(Grid grid) const;
    void applyTransform(Grid grid);
    // Maps pattern coordinates, whole numbers on pixel edges, to the painter's coordinates.
    QTransform pixelGrid(Grid grid) const;
    void applyClip();
    void strokePath(const Pen& pen, const QPainterPath& path, bool closed);
    void fillPath(const Brush& brush, const QPainterPath& path);

    QPainter* m_painter = nullptr;
    QTransform m_base;
    QTransform m_user;
    bool m_hadClip = false;
    QPainterPath m_baseClip; // device coordinates
    Region m_clip;           // device coordinates
    SmoothingMode m_smoothing = SmoothingMode::Default;
    PixelOffsetMode m_pixelOffset = PixelOffsetMode::Default;
    TextRenderingHint m_textHint = TextRenderingHint::SystemDefault;
};

} // namespace qx::gdiplus
