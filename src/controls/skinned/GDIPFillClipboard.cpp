// The fill on the clipboard: its published settings as the layout text of a saver object,
// "object Saver: TSaver" with "SaveObject.<property> = value" lines.

#include "controls/skinned/GDIPFill.h"

#include "platform/gui/Clipboard.h"
#include "platform/gui/LayoutParser.h"
#include "platform/gui/PropertyRegistry.h"

namespace {

constexpr std::string_view kPrefix = "SaveObject.";
constexpr std::string_view kData = ".Data";

unsigned fillFormat()
{
    static const unsigned format = RegisterClipboardFormat("GDI+ Fill");
    return format;
}

std::string quoted(const std::string& hex)
{
    return "\"" + hex + "\"";
}

} // namespace

void TGDIPFill::SaveToClipBoard() const
{
    // The registry reads through non-const references; reading changes nothing.
    auto& self = const_cast<TGDIPFill&>(*this);
    const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(self);
    if (!info)
        return;
    std::string text = "object Saver: TSaver\n";
    for (const qx::PropertyInfo* p : info->properties()) {
        if (!p->stored || !p->get || p->type == qx::PropertyType::Event ||
            p->type == qx::PropertyType::Picture)
            continue;
        text += "  " + std::string(kPrefix) + p->name + " = " + qx::toText(p->get(self)) + "\n";
    }
    for (const auto& [name, picture] :
         {std::pair{"Picture", picture_.get()}, std::pair{"BackGroundPicture", backGroundPicture_.get()}})
        if (!picture->Empty())
            text += "  " + std::string(kPrefix) + name + std::string(kData) + " = " +
                    quoted(qx::StreamToHexText(picture->Data())) + "\n";
    text += "end\n";
    Clipboard()->SetAsBytes(fillFormat(), std::vector<std::uint8_t>(text.begin(), text.end()));
}

void TGDIPFill::LoadFromClipBoard()
{
    if (!Clipboard()->HasFormat(fillFormat()))
        return;
    const std::vector<std::uint8_t> bytes = Clipboard()->AsBytes(fillFormat());
    const qx::LayoutObject saver = qx::parseLayout(std::string(bytes.begin(), bytes.end()), "GDI+ Fill");
    for (const qx::LayoutProperty& p : saver.properties) {
        if (p.name.compare(0, kPrefix.size(), kPrefix) != 0)
            continue;
        const std::string path = p.name.substr(kPrefix.size());
        if (path.size() > kData.size() &&
            path.compare(path.size() - kData.size(), kData.size(), kData) == 0) {
            const std::string which = path.substr(0, path.size() - kData.size());
            TAdvGDIPPicture* target = which == "Picture"             ? picture_.get()
                                      : which == "BackGroundPicture" ? backGroundPicture_.get()
                                                                     : nullptr;
            if (const auto* hex = std::get_if<std::string>(&p.value); target && hex)
                target->LoadFromStream(qx::HexTextToStream(*hex, hex->size()));
            continue;
        }
        qx::setProperty(*this, path, p.value, true);
    }
}
