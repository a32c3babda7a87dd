#include "platform/gui/ExceptionBox.h"

#include "platform/gui/MessageBox.h"

namespace qx {

void showExceptionBox(const std::string& message)
{
    std::string text = message;
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    messageBox(text, messageBoxTitle(), MB_OK | MB_ICONERROR);
}

void showException(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        showExceptionBox(e.what());
    } catch (...) {
        showExceptionBox({});
    }
}

} // namespace qx
