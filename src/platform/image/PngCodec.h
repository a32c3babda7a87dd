#pragma once
// PNG through libpng (which calls zlib): decode with alpha, encode at a compression level.

#include "platform/image/Image.h"

namespace qx {

DecodeResult decodePng(ByteView bytes);

// level 0 (store) to 9 (smallest); out-of-range levels are clamped. Alpha is written
// when the image has it (Image::hasAlpha), else an RGB file is written.
EncodeResult encodePng(const Image& image, int compressionLevel = 6);

} // namespace qx
