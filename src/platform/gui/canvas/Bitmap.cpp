#include "platform/gui/canvas/Bitmap.h"

#include "platform/gui/canvas/QtBridge.h"
#include "platform/image/BmpCodec.h"
#include "platform/image/Image.h"

#include <bit>
#include <cstring>
#include <stdexcept>
#include <string>

// Scan lines hand out QImage's 32-bit pixels (0xAARRGGBB words) as blue, green, red, alpha bytes.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(TRGBQuad) == sizeof(QRgb));

namespace qx {

TRGBQuad rgbQuadFromColor(TColor color)
{
    const TColor c = ColorToRGB(color);
    return {GetBValue(c), GetGValue(c), GetRValue(c), 255};
}

TColor colorFromRgbQuad(TRGBQuad pixel)
{
    if (pixel.rgbReserved != 255) {
        QRgb word;
        std::memcpy(&word, &pixel, sizeof word);
        return fromQRgb(qUnpremultiply(word));
    }
    return RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
}

QImage toQImage(const qx::Image& image)
{
    if (image.empty())
        return {};
    QImage q(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(q.scanLine(y), image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                    static_cast<std::size_t>(image.width) * 4);
    return q;
}

qx::Image fromQImage(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qx::Image out(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(out.pixels.data() + static_cast<std::size_t>(y) * out.width, argb.constScanLine(y),
                    static_cast<std::size_t>(out.width) * 4);
    out.hasAlpha = image.hasAlphaChannel();
    return out;
}

QImage withColorKey(const QImage& image, TColor key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb k = qx::toQColor(key).rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == k)
                line[x] = 0;
    }
    return out;
}

QImage withMask(const QImage& image, const QImage& mask)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (x >= mask.width() || y >= mask.height() || qGray(mask.pixel(x, y)) >= 128)
                line[x] = 0;
    }
    return out;
}

} // namespace qx

namespace {
QImage::Format storageFormat(TPixelFormat format)
{
    return format == pf32bit ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

QImage monochrome(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qGray(line[x]) >= 128 ? 0xFFFFFFFFu : 0xFF000000u;
    }
    return out;
}
} // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

// A copy shares the pixels until either side draws (Qt copies them then),
// unless a painter is drawing on the source now: it would go on drawing into
// the shared pixels.
QImage TBitmap::pixelsForCopy() const
{
    return m_canvas && m_canvas->Drawing() ? m_image.copy() : m_image;
}

TBitmap::TBitmap(const TBitmap& other)
    : TGraphic(other), AlphaFormat(other.AlphaFormat), TransparentMode(other.TransparentMode), m_image(other.pixelsForCopy()),
      m_format(other.m_format), m_transparentColor(other.m_transparentColor)
{
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other) {
        if (m_canvas)
            m_canvas->Detach();
        TGraphic::operator=(other);
        AlphaFormat = other.AlphaFormat;
        TransparentMode = other.TransparentMode;
        m_image = other.pixelsForCopy();
        m_format = other.m_format;
        m_transparentColor = other.m_transparentColor;
        attachCanvas();
    }
    return *this;
}

void TBitmap::attachCanvas()
{
    if (m_canvas)
        m_canvas->Attach(m_image.isNull() ? nullptr : &m_image);
}

TCanvas& TBitmap::Canvas()
{
    if (!m_canvas) {
        m_canvas = std::make_unique<TCanvas>();
        attachCanvas();
    }
    return *m_canvas;
}

void TBitmap::ResetCanvas()
{
    if (m_canvas)
        m_canvas->Detach();
    m_canvas.reset();
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    if (m_canvas)
        m_canvas->Detach();
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, storageFormat(m_format));
        resized.fill(Qt::white);
        if (!m_image.isNull()) {
            QPainter p(&resized);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, m_image);
        }
    }
    m_image = resized;
    attachCanvas();
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == m_format)
        return;
    m_format = format;
    if (m_image.isNull())
        return;
    if (m_canvas)
        m_canvas->Detach();
    m_image = format == pf1bit ? monochrome(m_image) : m_image.convertToFormat(storageFormat(format));
    attachCanvas();
    Changed();
}

namespace {
int checkedRow(int row, int height)
{
    if (row < 0 || row >= height)
        throw std::out_of_range("Scan line index out of range (" + std::to_string(row) + ")");
    return row;
}
} // namespace

std::span<TRGBQuad> TBitmap::ScanLine(int row)
{
    auto* pixels = reinterpret_cast<TRGBQuad*>(m_image.scanLine(checkedRow(row, Height())));
    return {pixels, static_cast<std::size_t>(Width())};
}

std::span<const TRGBQuad> TBitmap::ScanLine(int row) const
{
    const auto* pixels = reinterpret_cast<const TRGBQuad*>(m_image.constScanLine(checkedRow(row, Height())));
    return {pixels, static_cast<std::size_t>(Width())};
}

TColor TBitmap::TransparentColor() const
{
    if (TransparentMode == tmFixed && m_transparentColor != clNone)
        return m_transparentColor;
    if (m_image.isNull())
        return clNone;
    return qx::fromQRgb(m_image.pixel(0, m_image.height() - 1));
}

void TBitmap::SetTransparentColor(TColor color)
{
    m_transparentColor = color;
    TransparentMode = tmFixed;
}

TBitmap TBitmap::CreateMask(TColor color) const
{
    TBitmap mask;
    mask.m_format = pf1bit;
    if (m_image.isNull())
        return mask;
    QImage bits(m_image.size(), QImage::Format_RGB32);
    const QRgb key = qx::toQColor(color).rgb() & 0xFFFFFF;
    for (int y = 0; y < bits.height(); ++y)
        for (int x = 0; x < bits.width(); ++x)
            bits.setPixel(x, y, (m_image.pixel(x, y) & 0xFFFFFF) == key ? 0xFFFFFFFFu : 0xFF000000u);
    mask.m_image = bits;
    return mask;
}

void TBitmap::Assign(const QImage& image)
{
    if (m_canvas)
        m_canvas->Detach();
    m_format = image.hasAlphaChannel() ? pf32bit : pf24bit;
    m_image = image.isNull() ? QImage() : image.convertToFormat(storageFormat(m_format));
    attachCanvas();
    Changed();
}

void TBitmap::Assign(const qx::Image& image) { Assign(qx::toQImage(image)); }

qx::Image TBitmap::ToImage() const
{
    qx::Image image = qx::fromQImage(m_image);
    image.hasAlpha = m_format == pf32bit;
    return image;
}

bool TBitmap::LoadFromBytes(qx::ByteView bytes, std::string* error)
{
    qx::DecodeResult decoded = qx::decodeImage(bytes);
    if (!decoded) {
        if (error)
            *error = decoded.error;
        Assign(QImage());
        return false;
    }
    const bool alpha = decoded.image->hasAlpha;
    Assign(*decoded.image);
    m_format = alpha ? pf32bit : decoded.image->bitsPerPixel == 1 ? pf1bit : pf24bit;
    return true;
}

qx::Bytes TBitmap::SaveToBytes() const
{
    return Empty() ? qx::Bytes{} : qx::encodeBmp(ToImage()).bytes;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) const
{
    if (Empty())
        return;
    const TRect all = Bounds(0, 0, Width(), Height());
    if (Transparent) {
        canvas.BlitTransparent(r, *this, all, TransparentColor());
    } else if (m_format == pf32bit && AlphaFormat != afIgnored) {
        if (QPainter* painter = canvas.Painter())
            painter->drawImage(qx::toQRect(r), m_image);
    } else {
        canvas.BlitImage(r, m_image, all);
    }
}
