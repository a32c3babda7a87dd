#include "controls/buttons/ButtonArt.h"

#include "Artwork.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Bitmap.h"

#include <map>
#include <string>

namespace qx::buttons {

void loadPictureResource(TBitmap& bitmap, const std::string& name)
{
    if (name.empty()) {
        bitmap = TBitmap();
        return;
    }
    // Many controls show the same few pictures: each is decoded once, and
    // the controls' copies share its pixels until one draws on its own.
    static std::map<std::string, TBitmap, std::less<>> decoded;
    if (const auto known = decoded.find(name); known != decoded.end()) {
        bitmap = known->second;
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
    bitmap = decoded.emplace(name, std::move(loaded)).first->second;
}

} // namespace qx::buttons
