#pragma once
// TCanvas: the class library's drawing surface over a QPainter, on an off-screen bitmap
// or on any paint device a control hands it. It keeps the original pixel rules:
// - a line sets every pixel from its start up to, not including, its end point;
// - a rectangle covers Left .. Right - 1 and Top .. Bottom - 1 (its pen drawn inside);
//   with a clear pen its fill is one pixel smaller at the right and bottom;
// - colours are resolved (system colours through the fixed table) just before drawing,
//   and clNone draws nothing;
// - text is drawn on the brush colour unless the brush is clear.

#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Geometry.h"
#include "platform/gui/canvas/GraphicsObjects.h"
#include "platform/gui/canvas/LineRaster.h"
#include "platform/gui/canvas/Region.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QImage;
class QPainter;
class QPaintDevice;
class TBitmap;
class TGraphic;

// Raster operations of block copies (the system's codes).
using TCopyMode = std::uint32_t;
inline constexpr TCopyMode cmBlackness = 0x00000042;
inline constexpr TCopyMode cmDstInvert = 0x00550009;
inline constexpr TCopyMode cmMergePaint = 0x00BB0226;
inline constexpr TCopyMode cmNotSrcCopy = 0x00330008;
inline constexpr TCopyMode cmNotSrcErase = 0x001100A6;
inline constexpr TCopyMode cmPatCopy = 0x00F00021;
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
inline constexpr TCopyMode cmSrcErase = 0x00440328;
inline constexpr TCopyMode cmSrcInvert = 0x00660046;
inline constexpr TCopyMode cmSrcPaint = 0x00EE0086;
inline constexpr TCopyMode cmWhiteness = 0x00FF0062;

// DrawText flags (the system's values).
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_MODIFYSTRING = 0x10000;
inline constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
inline constexpr unsigned DT_HIDEPREFIX = 0x100000;
inline constexpr unsigned DT_PREFIXONLY = 0x200000;

struct TSize
{
    int cx = 0;
    int cy = 0;
};

class TCanvas
{
public:
    TCanvas();
    explicit TCanvas(QPaintDevice* device);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // On a painter that is already drawing (a control's paint handler): the canvas draws
    // through it and gives it back in the state it had at Detach (or destruction).
    explicit TCanvas(QPainter& painter);

    // Drawing begins on the device at the first call and ends at Detach (or destruction).
    void Attach(QPaintDevice* device);
    void Attach(QPainter& painter);
    void Detach();
    QPaintDevice* Device() const { return m_device; }
    // A painter is drawing on the device (begun and not yet ended).
    bool Drawing() const { return m_active != nullptr; }
    bool HandleAllocated() const { return m_device != nullptr; }
    // The painter on the device, begun if needed; null without a device. For the
    // anti-aliased layer, which draws through the same painter.
    QPainter* Painter();
    // The image behind the canvas when it draws on one (a bitmap), else null.
    QImage* Image() const;

    TPen& Pen() { return m_pen; }
    TBrush& Brush() { return m_brush; }
    TFont& Font() { return m_font; }
    const TPen& Pen() const { return m_pen; }
    const TBrush& Brush() const { return m_brush; }
    const TFont& Font() const { return m_font; }
    TCopyMode CopyMode = cmSrcCopy;
    TFillMode PolyFillMode = fmAlternate;

    // Lines
    TPoint PenPos() const { return m_penPos; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);

    // Shapes: outlined with the pen, filled with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const TRect& r);  // brush only
    void FrameRect(const TRect& r); // one-pixel frame in the brush colour
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Polygon(std::span<const TPoint> points);
    // Elliptic arcs counter-clockwise from the ray through (x3, y3) to the ray through (x4, y4).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Dotted frame that inverts every other pixel; drawing it twice removes it.
    void DrawFocusRect(const TRect& r);

    // Text (UTF-8). TextOut and TextRect move nothing; the font's Orientation turns the
    // text about its start point.
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    /// Height of the font's cells above the base line.
    int TextAscent();
    // The system's DrawText: returns the text height (with DT_VCENTER or DT_BOTTOM the
    // offset from the rectangle's top to the bottom of the text); DT_CALCRECT only
    // measures and sets r's right and bottom.
    int DrawText(const std::string& text, TRect& r, unsigned flags);

    // Pictures and block copies
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& r, const TGraphic& graphic);
    // Copies source's srcRect stretched into dest with CopyMode. The source must draw on a bitmap.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& srcRect);
    // Copies an image with CopyMode (the raster operation), stretched from src to dest.
    void BlitImage(const TRect& dest, const QImage& image, const TRect& src);
    void BlitImage(const TRect& dest, const TBitmap& image, const TRect& src);
    // Draws image's src stretched into dest where the two-colour mask is black; the mask's
    // white pixels leave the canvas as it was (the mask is read at the same source rectangle).
    void BlitMasked(const TRect& dest, const TBitmap& image, const TRect& src, const TBitmap& mask);
    // Draws image's src stretched into dest leaving out the pixels of the key colour.
    void BlitTransparent(const TRect& dest, const TBitmap& image, const TRect& src, TColor key);

    // Pixels (a canvas on a control cannot be read: clNone)
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // Clipping, in the canvas's coordinates
    TRect ClipRect();
    void SetClipRect(const TRect& r);
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    // Device coordinates, as the system's region selection; null removes the clipping.
    void SelectClipRegion(const TRegion* region);
    void IntersectClipRegion(const TRegion& region);
    bool HasClipping();

    // The origin: MoveOrigin(dx, dy) draws everything after it dx, dy further on.
    void MoveOrigin(int dx, int dy);
    TPoint Origin() const { return m_origin; }
    // Saves and restores pen, brush, font, origin and clipping.
    void SaveState();
    void RestoreState();

private:
    struct SavedState
    {
        TPen pen;
        TBrush brush;
        TFont font;
        TPoint origin;
    };
    // Where the canvas's (0, 0) lies on the device.
    TPoint deviceOffset() const;
    void fillRectRaw(const TRect& r, TColor color);
    void fillPixelsWithPen(std::span<const TPoint> pixels);
    void drawThinLine(TPoint from, TPoint to);
    void fillSolidLine(TPoint from, TPoint to);
    bool applyPenMode(TColor& color);
    void resetComposition();
    void setBrushOnPainter(bool fill);
    void setPenOnPainter();
    void drawArcShape(int kind, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Returns the line's width, or -1 when there is nothing to draw on.
    int drawTextLine(int x, int y, const std::string& text, int underlineIndex, bool opaque);

    QPaintDevice* m_device = nullptr;
    std::unique_ptr<QPainter> m_owned; // a painter of our own on m_device
    QPainter* m_active = nullptr;      // m_owned, or a painter lent by Attach
    TPen m_pen;
    TBrush m_brush;
    TFont m_font;
    TPoint m_penPos;
    TPoint m_origin;
    std::vector<SavedState> m_saved;
    qx::DashWalker m_dash{psSolid};
    TPenStyle m_dashStyle = psSolid;
};
