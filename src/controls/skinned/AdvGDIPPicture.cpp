#include "controls/skinned/AdvGDIPPicture.h"

#include "controls/skinned/ImageHeaders.h"
#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Graphics.h"

#include <algorithm>
#include <cctype>

using namespace qx::gdiplus;

namespace {

bool startsWithNoCase(const std::string& text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char p, char t) { return std::toupper(static_cast<unsigned char>(t)) == p; });
}

} // namespace

Image TAdvGDIPPicture::decode() const
{
    if (isEmpty_ || data_.empty())
        return {};
    return Image::FromStream(data_);
}

void TAdvGDIPPicture::GetImageSizesFromFileName(const std::string& fileName)
{
    if (isEmpty_ || data_.empty())
        return;
    const qx::PixelSize size = qx::ReadPixelSizeByExtension(fileName);
    width_ = size.width;
    height_ = size.height;
}

void TAdvGDIPPicture::LoadFromStream(qx::ByteView bytes)
{
    if (bytes.empty())
        return;
    setData(bytes);
    GetImageSizes();
    Changed();
}

bool TAdvGDIPPicture::LoadFromFile(const std::string& fileName)
{
    if (!readFile(fileName))
        return false;
    GetImageSizesFromFileName(fileName);
    Changed();
    return true;
}

void TAdvGDIPPicture::ReadData(qx::ByteView bytes)
{
    if (bytes.empty())
        return;
    setData(bytes);
    GetImageSizes();
}

void TAdvGDIPPicture::LoadFromURL(const std::string& url)
{
    if (startsWithNoCase(url, "RES://") && url.size() > 6)
        LoadFromResourceName(url.substr(6));
    else if (startsWithNoCase(url, "FILE://") && url.size() > 7)
        LoadFromFile(url.substr(7));
}

void TAdvGDIPPicture::Assign(const TGraphic& source)
{
    if (const auto* picture = dynamic_cast<const TAdvGDIPPicture*>(&source))
        return Assign(picture);
    assignGraphic(source);
}

void TAdvGDIPPicture::Draw(TCanvas& canvas, const TRect& r) const
{
    if (isEmpty_ || data_.empty())
        return;
    const Image image = decode();
    if (image.GetRawFormat() == qx::ImageFormat::Bmp) {
        TBitmap bitmap;
        bitmap.LoadFromBytes(data_);
        bitmap.TransparentMode = tmAuto;
        bitmap.Transparent = true;
        canvas.Draw(r.Left, r.Top, bitmap);
        return;
    }
    Graphics graphics(canvas);
    graphics.DrawImage(image, RectF{float(r.Left), float(r.Top), float(r.Width()), float(r.Height())});
}

void TAdvGDIPPicture::drawDecoded(Graphics& graphics, const RectF& r, bool stretchKeyed)
{
    const Image image = decode();
    width_ = image.GetWidth();
    height_ = image.GetHeight();
    pixelDepth_ = image.GetPixelDepth();
    hasAlpha_ = image.HasAlpha();
    hasPalette_ = image.HasPalette();
    if (image.IsEmpty())
        return;
    if (image.GetRawFormat() == qx::ImageFormat::Bmp && Transparent) {
        const QImage& q = image.qImage();
        const Argb key = TransparentMode == tmAuto ? (q.pixel(0, q.height() - 1) | 0xFF000000u)
                                                   : argbFromColor(TransparentColor, 255);
        ImageAttributes attributes;
        attributes.SetColorKey(key, key);
        const RectF src{0, 0, float(width_), float(height_)};
        const RectF dest = stretchKeyed ? r : RectF{r.X, r.Y, float(width_), float(height_)};
        graphics.DrawImage(image, dest, src, &attributes);
        return;
    }
    graphics.DrawImage(image, r);
}

void TAdvGDIPPicture::GDIPDraw(Graphics& graphics, const TRect& r)
{
    if (isEmpty_ || data_.empty())
        return;
    drawDecoded(graphics, RectF{float(r.Left), float(r.Top), float(r.Width()), float(r.Height())}, false);
}

void TAdvGDIPPicture::GDIPDraw(Graphics& graphics, const RectF& r)
{
    if (isEmpty_ || data_.empty() || drawing_)
        return;
    drawing_ = true;
    try {
        drawDecoded(graphics, r, true);
    } catch (...) {
        drawing_ = false;
        throw;
    }
    drawing_ = false;
}

void TAdvGDIPPicture::FillRect(Graphics& graphics, const RectF& r) const
{
    const Image image = decode();
    if (image.IsEmpty())
        return;
    graphics.FillRectangle(TextureBrush(image), r);
}

void TAdvGDIPPicture::FillPath(Graphics& graphics, const GraphicsPath& path) const
{
    const Image image = decode();
    if (image.IsEmpty())
        return;
    graphics.FillPath(TextureBrush(image), path);
}
