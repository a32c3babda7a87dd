#include "platform/image/Image.h"

#include "platform/image/BmpCodec.h"
#include "platform/image/JpegCodec.h"
#include "platform/image/PngCodec.h"

#include <algorithm>
#include <array>

namespace qx {

Image::Image(int w, int h, std::uint32_t fill)
    : width(std::max(w, 0)), height(std::max(h, 0)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
{
}

bool imageSizeAcceptable(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxImagePixels && height <= kMaxImagePixels &&
           width * height <= kMaxImagePixels;
}

namespace {
bool startsWith(ByteView bytes, std::initializer_list<std::uint8_t> signature)
{
    return bytes.size() >= signature.size() && std::equal(signature.begin(), signature.end(), bytes.begin());
}
} // namespace

ImageFormat detectImageFormat(ByteView bytes)
{
    if (startsWith(bytes, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}))
        return ImageFormat::Png;
    if (startsWith(bytes, {0xFF, 0xD8}))
        return ImageFormat::Jpeg;
    if (startsWith(bytes, {'B', 'M'}))
        return ImageFormat::Bmp;
    if (startsWith(bytes, {'G', 'I', 'F'}))
        return ImageFormat::Gif;
    if (startsWith(bytes, {'I', 'I', 42, 0}) || startsWith(bytes, {'M', 'M', 0, 42}))
        return ImageFormat::Tiff;
    return ImageFormat::Unknown;
}

DecodeResult decodeImage(ByteView bytes)
{
    if (bytes.empty())
        return {Image{}, {}};
    switch (detectImageFormat(bytes)) {
    case ImageFormat::Png:
        return decodePng(bytes);
    case ImageFormat::Jpeg:
        return decodeJpeg(bytes);
    case ImageFormat::Bmp:
        return decodeBmp(bytes);
    case ImageFormat::Gif:
    case ImageFormat::Tiff:
        return DecodeResult::failure("unsupported picture format");
    case ImageFormat::Unknown:
        break;
    }
    return DecodeResult::failure("not a picture file");
}

} // namespace qx
