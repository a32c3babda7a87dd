// The BMP decoder over arbitrary bytes.

#include "ImageChecks.h"

#include "platform/image/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::checkDecoder({data, size}, qx::ImageFormat::Bmp, qx::decodeBmp,
                         [](const qx::Image& image) { return qx::encodeBmp(image); }, true);
    return 0;
}
