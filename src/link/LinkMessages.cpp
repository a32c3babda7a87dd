#include "link/LinkMessages.h"

namespace qx {

WindowMessage makeLinkErrorMessage(const LinkErrorReport& report)
{
    WindowMessage message;
    message.id = WM_LINK_ERROR;
    message.wParam = static_cast<std::uintptr_t>(report.code);
    message.lParam = static_cast<std::intptr_t>((report.generation << 8) | (report.extra & 0xFF));
    return message;
}

LinkErrorReport readLinkErrorMessage(const WindowMessage& message)
{
    const auto packed = static_cast<std::uint64_t>(message.lParam);
    return {static_cast<int>(message.wParam), static_cast<int>(packed & 0xFF), packed >> 8};
}

} // namespace qx
