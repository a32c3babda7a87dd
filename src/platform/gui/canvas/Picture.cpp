#include "platform/gui/canvas/Picture.h"

#include "platform/gui/canvas/QtBridge.h"
#include "platform/image/JpegCodec.h"
#include "platform/image/PngCodec.h"

void TRasterGraphic::Draw(TCanvas& canvas, const TRect& r) const
{
    QPainter* painter = canvas.Painter();
    if (Empty() || !painter)
        return;
    painter->drawImage(qx::toQRect(r), m_image);
}

bool TRasterGraphic::LoadFromBytes(qx::ByteView bytes, std::string* error)
{
    const qx::DecodeResult decoded = bytes.empty() ? qx::DecodeResult{qx::Image{}, {}} : decode(bytes);
    if (!decoded) {
        if (error)
            *error = decoded.error;
        m_image = QImage();
        Changed();
        return false;
    }
    m_image = qx::toQImage(*decoded.image);
    if (!decoded.image->hasAlpha && !m_image.isNull())
        m_image = m_image.convertToFormat(QImage::Format_RGB32);
    m_hasAlpha = decoded.image->hasAlpha;
    m_hasPalette = decoded.image->hasPalette;
    m_bitsPerPixel = decoded.image->bitsPerPixel;
    Changed();
    return true;
}

void TRasterGraphic::Assign(const QImage& image)
{
    m_image = image.copy();
    m_hasAlpha = image.hasAlphaChannel();
    m_hasPalette = false;
    m_bitsPerPixel = m_hasAlpha ? 32 : 24;
    Changed();
}

qx::Image TRasterGraphic::toImage() const
{
    qx::Image image = qx::fromQImage(m_image);
    image.hasAlpha = m_hasAlpha;
    return image;
}

qx::DecodeResult TPngImage::decode(qx::ByteView bytes) const { return qx::decodePng(bytes); }

qx::Bytes TPngImage::SaveToBytes() const
{
    return Empty() ? qx::Bytes{} : qx::encodePng(toImage(), CompressionLevel).bytes;
}

qx::DecodeResult TJPEGImage::decode(qx::ByteView bytes) const { return qx::decodeJpeg(bytes); }

qx::Bytes TJPEGImage::SaveToBytes() const
{
    return Empty() ? qx::Bytes{} : qx::encodeJpeg(toImage(), CompressionQuality, ProgressiveEncoding).bytes;
}

bool TPicture::LoadFromBytes(qx::ByteView bytes, std::string* error)
{
    std::unique_ptr<TGraphic> graphic;
    switch (qx::detectImageFormat(bytes)) {
    case qx::ImageFormat::Png:
        graphic = std::make_unique<TPngImage>();
        break;
    case qx::ImageFormat::Jpeg:
        graphic = std::make_unique<TJPEGImage>();
        break;
    case qx::ImageFormat::Bmp:
        graphic = std::make_unique<TBitmap>();
        break;
    default:
        break;
    }
    bool ok = true;
    if (bytes.empty()) {
        graphic.reset();
    } else if (!graphic) {
        if (error)
            *error = "not a BMP, PNG or JPEG picture";
        ok = false;
    } else if (!graphic->LoadFromBytes(bytes, error)) {
        graphic.reset();
        ok = false;
    }
    SetGraphic(std::move(graphic));
    return ok;
}

bool TPicture::LoadFromFile(const std::string& path, std::string* error)
{
    qx::Bytes bytes;
    if (!qx::readFileBytes(path, bytes, error)) {
        SetGraphic(nullptr);
        return false;
    }
    return LoadFromBytes(bytes, error);
}

bool TPicture::SaveToFile(const std::string& path, std::string* error) const
{
    return qx::writeFileBytes(path, m_graphic ? m_graphic->SaveToBytes() : qx::Bytes{}, error);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    m_graphic = std::move(graphic);
    if (OnChange)
        OnChange();
}

TBitmap TPicture::ToBitmap() const
{
    TBitmap bitmap;
    if (Empty())
        return bitmap;
    if (const auto* asBitmap = dynamic_cast<const TBitmap*>(m_graphic.get()))
        return *asBitmap;
    if (const auto* raster = dynamic_cast<const TRasterGraphic*>(m_graphic.get())) {
        bitmap.Assign(raster->Image());
        return bitmap;
    }
    // Any other graphic (a drawing) is played into a bitmap of its size.
    bitmap.SetSize(m_graphic->Width(), m_graphic->Height());
    m_graphic->Draw(bitmap.Canvas(), {0, 0, m_graphic->Width(), m_graphic->Height()});
    return bitmap;
}
