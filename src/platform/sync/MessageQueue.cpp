#include "platform/sync/MessageQueue.h"

#include <utility>

namespace qx {

struct MessageQueue::Request
{
    enum class State { Waiting, Running, Done, Abandoned };

    WindowMessage message;
    bool synchronous = false;
    State state = State::Waiting;
    std::intptr_t result = 0;
};

MessageQueue::MessageQueue(Handler handler)
    : handler_(std::move(handler)), owner_(std::this_thread::get_id())
{
}

MessageQueue::~MessageQueue()
{
    // Release every sender still waiting; their messages will not be handled.
    // The senders wake up inside this queue's lock, so it must outlive them.
    std::unique_lock lock(mutex_);
    for (auto& request : queue_)
        request->state = Request::State::Abandoned;
    queue_.clear();
    done_.notify_all();
    left_.wait(lock, [&] { return waiters_ == 0; });
}

void MessageQueue::setWakeUp(std::function<void()> wakeUp)
{
    std::lock_guard lock(mutex_);
    wakeUp_ = std::move(wakeUp);
}

void MessageQueue::enqueue(std::shared_ptr<Request> request)
{
    std::function<void()> wakeUp;
    {
        std::lock_guard lock(mutex_);
        // A sender counts as waiting from here: the queue may be destroyed
        // before it gets back to wait, and must not be freed under it.
        if (request->synchronous)
            ++waiters_;
        queue_.push_back(std::move(request));
        wakeUp = wakeUp_;
    }
    if (wakeUp)
        wakeUp();
}

void MessageQueue::postMessage(WindowMessage message)
{
    auto request = std::make_shared<Request>();
    request->message = std::move(message);
    enqueue(std::move(request));
}

std::optional<std::intptr_t> MessageQueue::sendMessage(WindowMessage message, std::stop_token cancel)
{
    if (isOwnerThread())
        return handler_(message);
    if (cancel.stop_requested())
        return std::nullopt;

    auto request = std::make_shared<Request>();
    request->message = std::move(message);
    request->synchronous = true;
    enqueue(request);

    std::unique_lock lock(mutex_);
    const bool finished = done_.wait(lock, cancel, [&] {
        return request->state == Request::State::Done || request->state == Request::State::Abandoned;
    });
    if (--waiters_ == 0)
        left_.notify_all();
    if (finished && request->state == Request::State::Done)
        return request->result;
    // Cancelled: a waiting request is dropped; a running one finishes on the
    // GUI thread with its own copy of the message, and its result is ignored.
    if (request->state == Request::State::Waiting)
        request->state = Request::State::Abandoned;
    return std::nullopt;
}

std::size_t MessageQueue::dispatchPending()
{
    // Messages are taken one at a time, so that a handler that runs a nested
    // loop lets that loop handle the messages queued behind its own, in order.
    std::size_t budget = 0;
    {
        std::lock_guard lock(mutex_);
        budget = queue_.size();
    }
    std::size_t handled = 0;
    for (; budget > 0; --budget) {
        std::shared_ptr<Request> request;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty())
                break;
            request = std::move(queue_.front());
            queue_.pop_front();
            if (request->state == Request::State::Abandoned)
                continue;
            request->state = Request::State::Running;
        }
        std::intptr_t result = 0;
        try {
            result = handler_(request->message);
        } catch (...) {
            // A handler that throws still releases its sender, then the
            // exception goes on to the loop's own handler; later messages stay queued.
            std::lock_guard lock(mutex_);
            request->state = Request::State::Done;
            done_.notify_all();
            throw;
        }
        ++handled;
        std::lock_guard lock(mutex_);
        request->result = result;
        request->state = Request::State::Done;
        if (request->synchronous)
            done_.notify_all();
    }
    return handled;
}

std::size_t MessageQueue::pendingCount() const
{
    std::lock_guard lock(mutex_);
    std::size_t count = 0;
    for (const auto& request : queue_)
        if (request->state == Request::State::Waiting)
            ++count;
    return count;
}

} // namespace qx
