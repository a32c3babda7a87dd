#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace qx {

/// A window message as worker threads hand it to the GUI thread. The bytes a
/// message carries travel inside it, so a sender may give up waiting (and
/// even be destroyed) while the GUI thread still reads them.
struct WindowMessage
{
    unsigned id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::vector<std::uint8_t> data;
};

/// Where links and device threads deliver their messages: a window on the
/// GUI thread in the program, a fake in tests.
class MessageTarget
{
public:
    virtual ~MessageTarget() = default;

    /// Queues the message for the GUI thread and returns at once.
    virtual void postMessage(WindowMessage message) = 0;

    /// Has the GUI thread handle the message and waits for its result. From
    /// the GUI thread itself the handler runs directly. Returns nullopt when
    /// `cancel` is signalled before the handler finished: the waiter is
    /// released at once, and a message not yet started is never handled.
    virtual std::optional<std::intptr_t> sendMessage(WindowMessage message, std::stop_token cancel) = 0;

    /// True on the thread that handles this target's messages, where a send
    /// runs its handler at once. A target without such a thread says false.
    virtual bool isOwnerThread() const { return false; }
};

} // namespace qx
