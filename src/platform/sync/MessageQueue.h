#pragma once

#include "platform/sync/MessageTarget.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace qx {

/// The message queue of one GUI thread. Any thread posts or sends; the GUI
/// thread handles the queued messages, in the order they came, whenever its
/// message loop (or a nested modal loop) calls dispatchPending(). A send
/// from a worker is therefore never handled in the middle of running GUI
/// code, only at a pass of a loop.
class MessageQueue final : public MessageTarget
{
public:
    using Handler = std::function<std::intptr_t(const WindowMessage&)>;

    /// The queue belongs to the thread that creates it.
    explicit MessageQueue(Handler handler);
    /// Releases every sender still waiting (their sends return nullopt) and
    /// returns once they have all let go of the queue.
    ~MessageQueue() override;

    MessageQueue(const MessageQueue&) = delete;
    MessageQueue& operator=(const MessageQueue&) = delete;

    /// Called after each message is queued, from the queuing thread, so the
    /// GUI's event loop can wake up and dispatch.
    void setWakeUp(std::function<void()> wakeUp);

    void postMessage(WindowMessage message) override;
    std::optional<std::intptr_t> sendMessage(WindowMessage message, std::stop_token cancel) override;

    /// GUI thread: handles the messages queued before this call; returns how
    /// many were handled. Messages queued by the handlers wait for the next
    /// call; a nested call from a handler goes on with the messages queued
    /// behind the running one.
    std::size_t dispatchPending();

    /// Messages queued and not yet handled or abandoned.
    std::size_t pendingCount() const;

    bool isOwnerThread() const override { return std::this_thread::get_id() == owner_; }

private:
    struct Request;
    void enqueue(std::shared_ptr<Request> request);

    Handler handler_;
    std::thread::id owner_;
    mutable std::mutex mutex_;
    std::condition_variable_any done_;
    std::condition_variable left_;
    int waiters_ = 0;
    std::deque<std::shared_ptr<Request>> queue_;
    std::function<void()> wakeUp_;
};

} // namespace qx
