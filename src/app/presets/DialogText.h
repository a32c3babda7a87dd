#pragma once
// The texts of the dialogs come from the main window's current language:
// the main window puts in its translation when it is made, and each dialog
// re-captions itself from it every time it is shown. Without one the
// dialogs keep the texts of their layouts.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class TControl;

namespace qx {

using DialogTranslator = std::function<std::string_view(std::string_view id)>;

void setDialogTranslator(DialogTranslator translator);
// The text of the string id, nothing without a translator.
std::optional<std::string> dialogText(std::string_view id);
// Sets the caption of a control (or a form) to the text of the string id.
void captionFromTable(TControl& control, std::string_view id);

} // namespace qx
