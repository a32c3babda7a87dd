#pragma once
// Windows bitmap files: read 1, 4, 8, 16, 24 and 32 bits per pixel (uncompressed or bit
// fields, bottom-up or top-down); write 24 bits, or 32 with alpha.

#include "platform/image/Image.h"

namespace qx {

DecodeResult decodeBmp(ByteView bytes);
EncodeResult encodeBmp(const Image& image);

} // namespace qx
