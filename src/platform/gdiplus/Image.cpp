#include "platform/gdiplus/Image.h"

#include <cstring>

namespace qx::gdiplus {

Image Image::FromStream(qx::ByteView bytes)
{
    Image out;
    const qx::DecodeResult decoded = qx::decodeImage(bytes);
    if (!decoded || decoded.image->empty()) {
        out.m_error = decoded ? "empty picture" : decoded.error;
        return out;
    }
    const qx::Image& image = *decoded.image;
    QImage q(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(q.scanLine(y), image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                    static_cast<std::size_t>(image.width) * 4);
    out.m_image = image.hasAlpha ? q.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                 : q.convertToFormat(QImage::Format_RGB32);
    out.m_format = image.sourceFormat;
    out.m_hasAlpha = image.hasAlpha;
    out.m_hasPalette = image.hasPalette;
    out.m_depth = image.bitsPerPixel;
    return out;
}

Image Image::FromQImage(const QImage& image)
{
    Image out;
    out.m_image = image;
    out.m_hasAlpha = image.hasAlphaChannel();
    out.m_depth = image.depth();
    return out;
}

QImage ImageAttributes::apply(const QImage& image) const
{
    if (!m_keyed)
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const auto inside = [&](QRgb p) {
        return qRed(p) >= redOf(m_low) && qRed(p) <= redOf(m_high) && qGreen(p) >= greenOf(m_low) &&
               qGreen(p) <= greenOf(m_high) && qBlue(p) >= blueOf(m_low) && qBlue(p) <= blueOf(m_high);
    };
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (inside(line[x]))
                line[x] = 0;
    }
    return out;
}

} // namespace qx::gdiplus
