#pragma once

#include <cstddef>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace qx {

class MessageQueue;

/// The GUI thread's list of window message queues. A queue's wake-up notes
/// the queue as ready and posts one event to the Qt loop, whichever loop is
/// running (main or modal); that event dispatches the ready queues. A window
/// has thousands of controls, each with a queue: a pass looks only at the
/// queues that were woken.
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

    /// Any thread: makes the loop dispatch every queue soon.
    void wake();

private:
    MessagePump() = default;
    /// Any thread: the queue has a message; the loop dispatches it soon.
    void wake(MessageQueue* queue);
    /// The queues a pass dispatches, in the order they were woken, once each;
    /// every registered queue after a general wake.
    std::vector<MessageQueue*> takeReady();
    bool registered(MessageQueue* queue) const { return registered_.contains(queue); }

    // GUI thread only.
    std::vector<MessageQueue*> queues_;
    std::unordered_set<MessageQueue*> registered_;
    // Filled from any thread.
    std::mutex readyMutex_;
    std::vector<MessageQueue*> ready_;
    bool wakeAll_ = false;
};

} // namespace qx
