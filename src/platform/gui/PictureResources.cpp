#include "platform/gui/PictureResources.h"

#include "platform/gui/canvas/Picture.h"

#include <stdexcept>

namespace qx {

namespace {
PictureResolver& resolver()
{
    static PictureResolver r;
    return r;
}
} // namespace

void setPictureResolver(PictureResolver r) { resolver() = std::move(r); }

void loadPictureResource(TPicture& picture, const std::string& name)
{
    const Bytes bytes = name.empty() || !resolver() ? Bytes{} : resolver()(name);
    std::string error;
    if (!picture.LoadFromBytes(bytes, &error) && !bytes.empty())
        throw std::runtime_error("Picture " + name + ": " + error);
}

} // namespace qx
