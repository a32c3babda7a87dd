#pragma once
// A picture decoded from file bytes (BMP, PNG, JPEG) with its size and file facts, and the
// colour key used when drawing it.

#include "platform/gdiplus/Types.h"
#include "platform/image/Image.h"

#include <QImage>

#include <string>

namespace qx::gdiplus {

class Image
{
public:
    Image() = default;
    // Decodes the bytes; a failure leaves an empty image and the reason in LastError.
    // Pictures decoded before are not decoded again: their pixels are shared.
    static Image FromStream(qx::ByteView bytes);
    static Image FromQImage(const QImage& image);

    bool IsEmpty() const { return m_image.isNull(); }
    int GetWidth() const { return m_image.width(); }
    int GetHeight() const { return m_image.height(); }
    ImageFormat GetRawFormat() const { return m_format; }
    bool HasAlpha() const { return m_hasAlpha; }
    bool HasPalette() const { return m_hasPalette; }
    int GetPixelDepth() const { return m_depth; }
    const std::string& LastError() const { return m_error; }
    const QImage& qImage() const { return m_image; }

private:
    static Image decodeBytes(qx::ByteView bytes);

    QImage m_image;
    ImageFormat m_format = ImageFormat::Unknown;
    bool m_hasAlpha = false;
    bool m_hasPalette = false;
    int m_depth = 0;
    std::string m_error;
};

class ImageAttributes
{
public:
    // Pixels whose red, green and blue each lie between low's and high's are not drawn.
    void SetColorKey(Argb low, Argb high)
    {
        m_low = low;
        m_high = high;
        m_keyed = true;
    }
    void ClearColorKey() { m_keyed = false; }
    QImage apply(const QImage& image) const;

private:
    Argb m_low = 0, m_high = 0;
    bool m_keyed = false;
};

} // namespace qx::gdiplus
