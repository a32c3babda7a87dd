#pragma once
// A decoded picture in memory: 32-bit ARGB pixels, the facts of the file it came from,
// and the result type of the codecs. No Qt: the codecs are testable and fuzzable alone.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qx {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

enum class ImageFormat
{
    Unknown,
    Bmp,
    Png,
    Jpeg,
    Gif,
    Tiff,
};

// Pixels are 0xAARRGGBB, not premultiplied, rows top to bottom without padding.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    ImageFormat sourceFormat = ImageFormat::Unknown;
    bool hasAlpha = false;   // the file carries an alpha channel or a transparent palette entry
    bool hasPalette = false; // the file stores palette indices
    int bitsPerPixel = 32;   // as stored in the file

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0xFF000000u);

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void setPixel(int x, int y, std::uint32_t argb) { pixels[static_cast<std::size_t>(y) * width + x] = argb; }
};

// Either an image or the reason it could not be read.
struct DecodeResult
{
    std::optional<Image> image;
    std::string error;

    explicit operator bool() const { return image.has_value(); }
    static DecodeResult failure(std::string why) { return {std::nullopt, std::move(why)}; }
};

// Either the encoded bytes or the reason they could not be made.
struct EncodeResult
{
    Bytes bytes;
    std::string error;

    bool ok() const { return error.empty(); }
};

// Largest picture a decoder accepts, so a forged header cannot ask for gigabytes.
inline constexpr std::int64_t kMaxImagePixels = 64LL * 1024 * 1024;

bool imageSizeAcceptable(std::int64_t width, std::int64_t height);

// Format by the file signature; Unknown when none matches.
ImageFormat detectImageFormat(ByteView bytes);

// Decodes BMP, PNG or JPEG by signature. A zero-byte input is an empty picture, not an error.
DecodeResult decodeImage(ByteView bytes);

} // namespace qx
