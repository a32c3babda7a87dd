#pragma once
// The graphic classes for PNG (with alpha) and JPEG files, and TPicture, which holds a
// graphic of whichever kind its bytes are (BMP, PNG or JPEG).

#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Graphic.h"

#include <QImage>

#include <memory>

// A decoded picture drawn stretched and alpha-blended; the base of the PNG and JPEG graphics.
class TRasterGraphic : public TGraphic
{
public:
    void Draw(TCanvas& canvas, const TRect& r) const override;
    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    bool Empty() const override { return m_image.isNull(); }
    bool LoadFromBytes(qx::ByteView bytes, std::string* error = nullptr) override;

    const QImage& Image() const { return m_image; }
    // The file facts of the last loaded picture.
    bool HasAlpha() const { return m_hasAlpha; }
    bool HasPalette() const { return m_hasPalette; }
    int PixelDepth() const { return m_bitsPerPixel; }
    void Assign(const QImage& image);
    void Assign(const TBitmap& bitmap) { Assign(bitmap.Image()); }

protected:
    virtual qx::DecodeResult decode(qx::ByteView bytes) const = 0;
    qx::Image toImage() const;

    QImage m_image;
    bool m_hasAlpha = false;
    bool m_hasPalette = false;
    int m_bitsPerPixel = 0;
};

class TPngImage : public TRasterGraphic
{
public:
    int CompressionLevel = 6; // 0 .. 9
    qx::Bytes SaveToBytes() const override;

protected:
    qx::DecodeResult decode(qx::ByteView bytes) const override;
};

class TJPEGImage : public TRasterGraphic
{
public:
    int CompressionQuality = 90; // 1 .. 100
    bool ProgressiveEncoding = false;
    qx::Bytes SaveToBytes() const override;

protected:
    qx::DecodeResult decode(qx::ByteView bytes) const override;
};

class TPicture
{
public:
    // Chooses the graphic by the bytes' signature; unknown or broken bytes leave the
    // picture empty and return false with the reason. Zero bytes clear the picture.
    bool LoadFromBytes(qx::ByteView bytes, std::string* error = nullptr);
    bool LoadFromFile(const std::string& path, std::string* error = nullptr);
    // Saves the graphic in its own format (nothing for an empty picture).
    bool SaveToFile(const std::string& path, std::string* error = nullptr) const;

    TGraphic* Graphic() const { return m_graphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // The picture drawn into a new bitmap of its size (an empty bitmap when empty).
    TBitmap ToBitmap() const;
    int Width() const { return m_graphic ? m_graphic->Width() : 0; }
    int Height() const { return m_graphic ? m_graphic->Height() : 0; }
    bool Empty() const { return !m_graphic || m_graphic->Empty(); }

    std::function<void()> OnChange;

private:
    std::unique_ptr<TGraphic> m_graphic;
};
