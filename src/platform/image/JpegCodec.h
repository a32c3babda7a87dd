#pragma once
// JPEG through libjpeg: decode (greyscale, RGB and CMYK files), encode at a quality.

#include "platform/image/Image.h"

namespace qx {

// Truncated or corrupt data is an error, even where libjpeg could show part of the picture.
DecodeResult decodeJpeg(ByteView bytes);

// quality 1 to 100 (clamped); progressive writes a progressive file. Alpha is dropped.
EncodeResult encodeJpeg(const Image& image, int quality = 90, bool progressive = false);

} // namespace qx
