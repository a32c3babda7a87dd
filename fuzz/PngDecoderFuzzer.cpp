// The PNG decoder over arbitrary bytes.

#include "ImageChecks.h"

#include "platform/image/PngCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::checkDecoder({data, size}, qx::ImageFormat::Png, qx::decodePng,
                         [](const qx::Image& image) { return qx::encodePng(image); }, true);
    return 0;
}
