#include "controls/buttons/ButtonArt.h"

#include "Artwork.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Bitmap.h"

namespace qx::buttons {

void loadPictureResource(TBitmap& bitmap, const std::string& name)
{
    if (name.empty()) {
        bitmap = TBitmap();
        return;
    }
    const std::string_view bytes = qx::art::resource(name);
    if (bytes.empty())
        throw PropertyError("no picture named \"" + name + "\"");
    std::string error;
    TBitmap loaded;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (!loaded.LoadFromBytes(qx::ByteView(data, bytes.size()), &error))
        throw PropertyError("picture \"" + name + "\": " + error);
    bitmap = loaded;
}

} // namespace qx::buttons
