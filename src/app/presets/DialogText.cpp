#include "app/presets/DialogText.h"

#include <utility>

#include "platform/gui/Control.h"

namespace qx {
namespace {
DialogTranslator& translator()
{
    static DialogTranslator current;
    return current;
}
} // namespace

void setDialogTranslator(DialogTranslator translator_)
{
    translator() = std::move(translator_);
}

std::optional<std::string> dialogText(std::string_view id)
{
    if (!translator()) {
        return std::nullopt;
    }
    return std::string(translator()(id));
}

void captionFromTable(TControl& control, std::string_view id)
{
    if (auto text = dialogText(id)) {
        control.SetCaption(*text);
    }
}

} // namespace qx
