#include "platform/gui/MessageBox.h"

#include "platform/gui/DialogService.h"

namespace {
std::string& title()
{
    static std::string value;
    return value;
}
} // namespace

void ShowMessage(const std::string& text)
{
    qx::messageBox(text, qx::messageBoxTitle(), MB_OK);
}

namespace qx {

int messageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    return dialogs().messageBox(text, caption, flags);
}

void setMessageBoxTitle(const std::string& value)
{
    title() = value;
}

const std::string& messageBoxTitle()
{
    return title();
}

} // namespace qx
