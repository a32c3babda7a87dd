#pragma once
// TBitmap: an off-screen picture with its own canvas, a transparent colour, and BMP files.

#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Graphic.h"

#include <QImage>

#include <cstdint>
#include <span>

enum TPixelFormat
{
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
};

// How Draw treats a pf32bit bitmap's alpha: afIgnored copies the pixels as a block copy,
// alpha included; the other two blend the bitmap over the canvas by its alpha.
enum TAlphaFormat
{
    afIgnored,
    afDefined,
    afPremultiplied,
};

// One pixel of a scan line: blue, green, red and alpha bytes in memory, whatever the
// PixelFormat (rows are always 32 bits here). Alpha is 255 in the opaque formats; pf32bit
// rows hold premultiplied colour (each channel already scaled by alpha).
struct TRGBQuad
{
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
    friend bool operator==(const TRGBQuad&, const TRGBQuad&) = default;
};

enum TTransparentMode
{
    tmAuto,  // the colour of the bottom-left pixel
    tmFixed, // TransparentColor
};

class TBitmap : public TGraphic
{
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);

    void Draw(TCanvas& canvas, const TRect& r) const override;
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    bool Empty() const override { return m_image.isNull(); }
    // BMP bytes, and also PNG or JPEG (the artwork is kept as PNG).
    bool LoadFromBytes(qx::ByteView bytes, std::string* error = nullptr) override;
    qx::Bytes SaveToBytes() const override; // BMP, 32 bits with alpha for pf32bit, else 24

    // Resizing keeps the pixels that still fit; new pixels are white.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }

    TPixelFormat PixelFormat() const { return m_format; }
    void SetPixelFormat(TPixelFormat format);
    // A two-colour bitmap: every pixel black or white.
    bool Monochrome() const { return m_format == pf1bit; }
    void SetMonochrome(bool mono) { SetPixelFormat(mono ? pf1bit : pfDevice); }

    TAlphaFormat AlphaFormat = afIgnored;

    // The pixels of one row, left to right, Width() of them; writing them changes the
    // bitmap at once. A row outside 0 .. Height() - 1 throws std::out_of_range.
    std::span<TRGBQuad> ScanLine(int row);
    std::span<const TRGBQuad> ScanLine(int row) const;

    TTransparentMode TransparentMode = tmAuto;
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);

    // The two-colour mask of a colour: white where the bitmap has it, black elsewhere.
    TBitmap CreateMask(TColor color) const;

    TCanvas& Canvas();
    // The canvas anew: default pen, brush, font and copy mode, as on a new bitmap.
    void ResetCanvas();
    // The pixels; painting through Canvas writes into this image directly.
    const QImage& Image() const { return m_image; }
    QImage& Image() { return m_image; }
    void Assign(const qx::Image& image);
    void Assign(const QImage& image);
    qx::Image ToImage() const;

private:
    void attachCanvas();
    QImage pixelsForCopy() const;

    QImage m_image;
    TPixelFormat m_format = pfDevice;
    TColor m_transparentColor = clNone; // clNone: follow TransparentMode
    std::unique_ptr<TCanvas> m_canvas;
};

namespace qx {
// The opaque scan-line pixel of a colour (system colours resolved).
TRGBQuad rgbQuadFromColor(TColor color);
// The colour a scan-line pixel shows, as Pixel reads it: a premultiplied pixel is divided
// back by its alpha, and the alpha is dropped.
TColor colorFromRgbQuad(TRGBQuad pixel);

QImage toQImage(const qx::Image& image);
qx::Image fromQImage(const QImage& image);
// The picture's pixels with the key colour (or the mask's white) made transparent.
QImage withColorKey(const QImage& image, TColor key);
QImage withMask(const QImage& image, const QImage& mask);
} // namespace qx
