#include "platform/gui/ImageList.h"

#include "platform/gui/PictureResources.h"
#include "platform/gui/canvas/Picture.h"
#include "platform/gui/canvas/QtBridge.h"

#include <QPainter>

#include <algorithm>

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TImageList::setSize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    images_.clear();
    changed();
}

int TImageList::addStrip(const TBitmap& strip, TColor key)
{
    if (strip.Empty() || strip.Width() < width_)
        return -1;
    const int first = Count();
    for (int x = 0; x + width_ <= strip.Width(); x += width_) {
        TBitmap picture(width_, height_);
        picture.Assign(strip.Image().copy(x, 0, width_, height_));
        if (key != clNone) {
            picture.SetTransparentColor(key);
            picture.Transparent = true;
        }
        images_.push_back(std::move(picture));
    }
    changed();
    return first;
}

void TImageList::Clear()
{
    if (images_.empty())
        return;
    images_.clear();
    changed();
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index) const
{
    if (Index < 0 || Index >= Count())
        return;
    Canvas.Draw(X, Y, images_[static_cast<std::size_t>(Index)]);
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const
{
    if (Enabled) {
        Draw(Canvas, X, Y, Index);
        return;
    }
    QPainter* painter = Canvas.Painter();
    if (Index < 0 || Index >= Count() || !painter)
        return;
    const TBitmap& picture = images_[static_cast<std::size_t>(Index)];
    const QImage& pixels = picture.Image();
    const TColor key = ColorToRGB(picture.TransparentColor());
    const QRgb keyRgb = qRgb(key & 0xFF, (key >> 8) & 0xFF, (key >> 16) & 0xFF);
    const auto shape = [&](TColor Color) {
        QImage tinted(pixels.size(), QImage::Format_ARGB32);
        tinted.fill(Qt::transparent);
        const QRgb ink = qx::toQColor(Color).rgba();
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x) {
                const QRgb c = pixels.pixel(x, y);
                if (qAlpha(c) == 0 || (picture.Transparent && (c & 0xFFFFFF) == (keyRgb & 0xFFFFFF)))
                    continue;
                if (qGray(c) < 192)
                    tinted.setPixel(x, y, ink);
            }
        return tinted;
    };
    painter->drawImage(QPoint(X + 1, Y + 1), shape(clBtnHighlight));
    painter->drawImage(QPoint(X, Y), shape(clBtnShadow));
}

void TImageList::SetBitmapName(const std::string& Value)
{
    TPicture picture;
    qx::loadPictureResource(picture, Value);
    bitmapName_ = Value;
    images_.clear();
    if (picture.Width() > 0) {
        const TBitmap strip = picture.ToBitmap();
        AddMasked(strip, strip.TransparentColor());
    } else {
        changed();
    }
}

void TImageList::changed()
{
    if (OnChange)
        OnChange(this);
}
