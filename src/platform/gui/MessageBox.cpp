#include "platform/gui/MessageBox.h"

#include "platform/gui/Application.h"
#include "platform/gui/DialogService.h"

#include <QApplication>

void ShowMessage(const std::string& text)
{
    qx::messageBox(text, Application ? Application->Title() : std::string(), MB_OK);
}

namespace qx {

int messageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    return dialogs().messageBox(text, caption, flags);
}

} // namespace qx

void MessageBeep(unsigned) { QApplication::beep(); }
