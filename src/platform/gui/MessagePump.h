#pragma once

#include <cstddef>
#include <vector>

namespace qx {

class MessageQueue;

/// The GUI thread's list of window message queues. A queue's wake-up posts
/// one event to the Qt loop, whichever loop is running (main or modal), and
/// that event dispatches every queue.
class MessagePump
{
public:
    static MessagePump& instance();

    /// GUI thread: a queue to dispatch; its wake-up is set here.
    void add(MessageQueue* queue);
    void remove(MessageQueue* queue);

    /// GUI thread: handles the messages waiting in every queue. An exception
    /// from a handler goes to the application's handler and the rest wait
    /// for the next pass. Returns how many were handled.
    std::size_t dispatchAll();

    /// Any thread: makes the loop dispatch soon.
    void wake();

private:
    MessagePump() = default;
    std::vector<MessageQueue*> queues_;
};

} // namespace qx
