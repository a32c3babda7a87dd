#include "platform/gui/MessagePump.h"

#include "platform/gui/Application.h"
#include "platform/sync/MessageQueue.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace qx {

namespace {

/// Wakes the GUI thread's loop from any thread through an eventfd: a worker
/// only makes a system call and touches no memory the GUI thread uses, and
/// any number of wake-ups before the loop looks make one pass.
class Waker
{
public:
    Waker() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
    {
        if (fd_ < 0)
            throw std::runtime_error("Cannot create the message loop's wake-up event");
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read);
        QObject::connect(notifier_, &QSocketNotifier::activated, [this] {
            std::uint64_t count = 0;
            [[maybe_unused]] const auto got = read(fd_, &count, sizeof count);
            MessagePump::instance().dispatchAll();
        });
    }

    void wake() const
    {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto put = write(fd_, &one, sizeof one);
    }

    // GUI thread: a notifier outlives the application whose loop it was
    // registered with; an application made later (tests make several in one
    // process) has it registered with its own loop.
    void attach()
    {
        if (application_ && application_ == QCoreApplication::instance())
            return;
        application_ = QCoreApplication::instance();
        notifier_->setEnabled(false);
        notifier_->setEnabled(true);
        wake();
    }

private:
    int fd_;
    QSocketNotifier* notifier_;
    // Cleared when that application goes: a later one made at the same
    // address is still another.
    QPointer<QCoreApplication> application_ = QCoreApplication::instance();
};

Waker& waker()
{
    // Made on the GUI thread by the first window's queue, kept to the end.
    static Waker* instance = new Waker;
    return *instance;
}

} // namespace

MessagePump& MessagePump::instance()
{
    static MessagePump pump;
    return pump;
}

void MessagePump::add(MessageQueue* queue)
{
    waker().attach();
    queues_.push_back(queue);
    registered_.insert(queue);
    queue->setWakeUp([this, queue] { wake(queue); });
    // Messages that came before the wake-up was set are not lost.
    wake(queue);
}

void MessagePump::remove(MessageQueue* queue)
{
    queues_.erase(std::remove(queues_.begin(), queues_.end(), queue), queues_.end());
    registered_.erase(queue);
    std::lock_guard lock(readyMutex_);
    ready_.erase(std::remove(ready_.begin(), ready_.end(), queue), ready_.end());
}

void MessagePump::wake()
{
    {
        std::lock_guard lock(readyMutex_);
        wakeAll_ = true;
    }
    waker().wake();
}

void MessagePump::wake(MessageQueue* queue)
{
    {
        std::lock_guard lock(readyMutex_);
        if (std::find(ready_.begin(), ready_.end(), queue) == ready_.end())
            ready_.push_back(queue);
    }
    waker().wake();
}

std::vector<MessageQueue*> MessagePump::takeReady()
{
    std::vector<MessageQueue*> ready;
    bool all = false;
    {
        std::lock_guard lock(readyMutex_);
        ready.swap(ready_);
        all = std::exchange(wakeAll_, false);
    }
    // A woken queue may have gone since; only registered ones are touched.
    if (all)
        return queues_;
    ready.erase(std::remove_if(ready.begin(), ready.end(), [this](MessageQueue* q) { return !registered(q); }),
                ready.end());
    return ready;
}

std::size_t MessagePump::dispatchAll()
{
    std::size_t handled = 0;
    const std::vector<MessageQueue*> ready = takeReady();
    // A handler may run a nested loop (a modal form, a message box): that
    // loop must be woken to go on with the messages behind the running one.
    for (MessageQueue* queue : ready)
        if (queue->pendingCount() > 0)
            wake(queue);
    // A handler may destroy windows (and their queues) or open a modal loop
    // that dispatches again, so each entry is checked before its turn.
    for (MessageQueue* queue : ready) {
        if (!registered(queue))
            continue;
        try {
            handled += queue->dispatchPending();
        } catch (...) {
            wake(queue);
            if (Application)
                Application->HandleException(nullptr);
        }
    }
    return handled;
}

} // namespace qx
