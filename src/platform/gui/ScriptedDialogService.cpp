#include "platform/gui/ScriptedDialogService.h"

#include "platform/gui/MessageBox.h"

namespace qx {

int ScriptedDialogService::messageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    messageBoxes.push_back({text, caption, flags});
    if (!messageBoxAnswers.empty()) {
        const int answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    switch (flags & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNO:
    case MB_YESNOCANCEL: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
    }
}

} // namespace qx
