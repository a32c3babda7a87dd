// The JPEG decoder over arbitrary bytes.

#include "ImageChecks.h"

#include "platform/image/JpegCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::checkDecoder({data, size}, qx::ImageFormat::Jpeg, qx::decodeJpeg,
                         [](const qx::Image& image) { return qx::encodeJpeg(image); }, false);
    return 0;
}
