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

namespace {

constexpr std::uint16_t kStreamVersion = 1;
constexpr std::size_t kHeaderSize = 2 + 2 + 4 + 4 + 4;
constexpr std::size_t kPictureHeaderSize = 1 + 4;
// Larger pictures than this are no image list's; refusing them keeps the arithmetic small.
constexpr std::uint32_t kMaxSide = 32767;

enum : std::uint8_t { kTransparent = 1, kFixedColor = 2, kAlpha = 4 };

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t get32(std::span<const std::uint8_t> in, std::size_t at)
{
    return std::uint32_t{in[at]} | std::uint32_t{in[at + 1]} << 8 | std::uint32_t{in[at + 2]} << 16 |
           std::uint32_t{in[at + 3]} << 24;
}

} // namespace

std::vector<std::uint8_t> TImageList::WriteStream() const
{
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + images_.size() * (kPictureHeaderSize + std::size_t(width_) * height_ * 4));
    out.push_back('I');
    out.push_back('L');
    put16(out, kStreamVersion);
    put32(out, static_cast<std::uint32_t>(width_));
    put32(out, static_cast<std::uint32_t>(height_));
    put32(out, static_cast<std::uint32_t>(images_.size()));
    for (const TBitmap& picture : images_) {
        const bool alpha = picture.PixelFormat() == pf32bit;
        out.push_back(static_cast<std::uint8_t>((picture.Transparent ? kTransparent : 0) |
                                                (picture.TransparentMode == tmFixed ? kFixedColor : 0) |
                                                (alpha ? kAlpha : 0)));
        put32(out, static_cast<std::uint32_t>(picture.TransparentColor()));
        // Every picture is width_ x height_; one of another size is written at the list's.
        const QImage pixels = picture.Image()
                                  .convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
                                  .copy(0, 0, width_, height_);
        for (int y = 0; y < height_; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
            for (int x = 0; x < width_; ++x)
                put32(out, alpha ? row[x] : (row[x] | 0xFF000000u));
        }
    }
    return out;
}

bool TImageList::ReadStream(std::span<const std::uint8_t> Stream)
{
    if (Stream.size() < kHeaderSize || Stream[0] != 'I' || Stream[1] != 'L' ||
        (Stream[2] | Stream[3] << 8) != kStreamVersion)
        return false;
    const std::uint32_t width = get32(Stream, 4);
    const std::uint32_t height = get32(Stream, 8);
    const std::uint32_t count = get32(Stream, 12);
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return false;
    // The count must be what the bytes hold, checked before anything is made.
    const std::uint64_t pictureSize = kPictureHeaderSize + std::uint64_t{width} * height * 4;
    const std::uint64_t rest = Stream.size() - kHeaderSize;
    if (rest % pictureSize != 0 || rest / pictureSize != count)
        return false;
    std::vector<TBitmap> pictures;
    pictures.reserve(count);
    std::size_t at = kHeaderSize;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t flags = Stream[at];
        const auto key = static_cast<TColor>(get32(Stream, at + 1));
        at += kPictureHeaderSize;
        QImage pixels(static_cast<int>(width), static_cast<int>(height),
                      flags & kAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        for (int y = 0; y < pixels.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x, at += 4) {
                const QRgb pixel = get32(Stream, at);
                // A premultiplied channel above its alpha is no colour: it is held at the alpha.
                const int a = qAlpha(pixel);
                row[x] = flags & kAlpha ? qRgba(std::min(qRed(pixel), a), std::min(qGreen(pixel), a),
                                                std::min(qBlue(pixel), a), a)
                                        : pixel | 0xFF000000u;
            }
        }
        TBitmap picture;
        picture.Assign(pixels);
        if (flags & kFixedColor)
            picture.SetTransparentColor(key);
        picture.Transparent = (flags & kTransparent) != 0;
        pictures.push_back(std::move(picture));
    }
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    images_ = std::move(pictures);
    bitmapName_.clear();
    changed();
    return true;
}

void TImageList::changed()
{
    if (OnChange)
        OnChange(this);
}
