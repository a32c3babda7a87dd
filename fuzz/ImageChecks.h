#pragma once
// What every picture decoder promises for any input: a picture of an
// acceptable size with one pixel per place, or a reason; the same result
// through the decoder chosen by signature; and a decoded picture survives
// being written and read again.

#include "FuzzInput.h"

#include "platform/image/Image.h"

#include <algorithm>

namespace qxfuzz {

using Decoder = qx::DecodeResult (*)(qx::ByteView);
using Encoder = qx::EncodeResult (*)(const qx::Image&);

inline void checkDecoded(const qx::DecodeResult& result)
{
    if (!result) {
        check(!result.error.empty(), "a refused picture says why");
        return;
    }
    const qx::Image& image = *result.image;
    check(qx::imageSizeAcceptable(image.width, image.height), "a decoded picture has an acceptable size");
    check(image.pixels.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height),
          "a decoded picture has one pixel per place");
}

/// Opaque pixels of a picture without alpha, whatever their alpha byte says.
inline std::vector<std::uint32_t> visiblePixels(const qx::Image& image)
{
    std::vector<std::uint32_t> pixels = image.pixels;
    if (!image.hasAlpha)
        for (auto& p : pixels)
            p |= 0xFF000000u;
    return pixels;
}

/// Decodes the input; a decoded picture is written with `encode` and read
/// again, exactly when `lossless`, else at the same size.
inline void checkDecoder(std::span<const std::uint8_t> input, qx::ImageFormat format, Decoder decode,
                         Encoder encode, bool lossless)
{
    const qx::DecodeResult result = decode(input);
    checkDecoded(result);
    if (qx::detectImageFormat(input) == format)
        check(static_cast<bool>(qx::decodeImage(input)) == static_cast<bool>(result),
              "decoding by signature succeeds like the decoder");
    // Writing is bounded so that a large forged picture does not slow the run.
    constexpr std::size_t kMaxRewrite = 1 << 16;
    if (!result || result.image->pixels.size() > kMaxRewrite)
        return;
    const qx::EncodeResult written = encode(*result.image);
    check(written.ok(), "a decoded picture can be written");
    const qx::DecodeResult again = decode(written.bytes);
    check(static_cast<bool>(again), "a written picture is read");
    check(again.image->width == result.image->width && again.image->height == result.image->height,
          "a written picture keeps its size");
    if (lossless)
        check(visiblePixels(*again.image) == visiblePixels(*result.image), "a written picture keeps its pixels");
}

} // namespace qxfuzz
