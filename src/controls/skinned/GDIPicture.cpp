#include "controls/skinned/GDIPicture.h"

#include "platform/gdiplus/Graphics.h"
#include "platform/gui/canvas/Bitmap.h"

using namespace qx::gdiplus;

void TGDIPPicture::LoadFromStream(qx::ByteView bytes)
{
    setData(bytes);
    GetImageSizes();
    Changed();
}

bool TGDIPPicture::LoadFromFile(const std::string& fileName)
{
    if (!readFile(fileName))
        return false;
    GetImageSizes();
    Changed();
    return true;
}

void TGDIPPicture::ReadData(qx::ByteView bytes)
{
    setData(bytes);
}

void TGDIPPicture::Assign(const TGraphic& source)
{
    if (const auto* picture = dynamic_cast<const TGDIPPicture*>(&source))
        return Assign(picture);
    if (!dynamic_cast<const TBitmap*>(&source)) {
        isEmpty_ = true;
        return;
    }
    assignGraphic(source);
}

void TGDIPPicture::Draw(TCanvas& canvas, const TRect& r) const
{
    if (isEmpty_ || data_.empty())
        return;
    const Image image = Image::FromStream(data_);
    if (image.GetRawFormat() == qx::ImageFormat::Bmp) {
        TBitmap bitmap;
        bitmap.LoadFromBytes(data_);
        bitmap.TransparentMode = tmAuto;
        bitmap.Transparent = true;
        canvas.StretchDraw(r, bitmap);
        return;
    }
    width_ = image.GetWidth();
    height_ = image.GetHeight();
    Graphics graphics(canvas);
    graphics.DrawImage(image, RectF{float(r.Left), float(r.Top), float(r.Width()), float(r.Height())});
}

void TGDIPPicture::DrawImage(Graphics& graphics, int x, int y) const
{
    if (isEmpty_ || data_.empty())
        return;
    graphics.DrawImage(Image::FromStream(data_), float(x), float(y));
}

void TGDIPPicture::DrawImageRect(Graphics& graphics, int x, int y, int w, int h) const
{
    if (isEmpty_ || data_.empty())
        return;
    graphics.DrawImage(Image::FromStream(data_), RectF{float(x), float(y), float(w), float(h)});
}
