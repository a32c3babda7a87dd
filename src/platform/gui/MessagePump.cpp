#include "platform/gui/MessagePump.h"

#include "platform/gui/Application.h"
#include "platform/sync/MessageQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>

#include <algorithm>
#include <atomic>

namespace qx {

namespace {

const QEvent::Type kWakeEvent = static_cast<QEvent::Type>(QEvent::User + 0x51);

/// Lives on the GUI thread; its event dispatches the queues.
class Waker : public QObject
{
public:
    std::atomic<bool> pending{false};

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != kWakeEvent)
            return;
        pending = false;
        MessagePump::instance().dispatchAll();
    }
};

Waker* waker()
{
    // Made on the GUI thread by the first window's queue.
    static Waker* instance = new Waker;
    return instance;
}

} // namespace

MessagePump& MessagePump::instance()
{
    static MessagePump pump;
    return pump;
}

void MessagePump::add(MessageQueue* queue)
{
    waker();
    queues_.push_back(queue);
    queue->setWakeUp([this] { wake(); });
}

void MessagePump::remove(MessageQueue* queue)
{
    queues_.erase(std::remove(queues_.begin(), queues_.end(), queue), queues_.end());
}

void MessagePump::wake()
{
    Waker* w = waker();
    if (!w->pending.exchange(true))
        QCoreApplication::postEvent(w, new QEvent(kWakeEvent));
}

std::size_t MessagePump::dispatchAll()
{
    std::size_t handled = 0;
    // A handler may destroy windows (and their queues) or open a modal loop
    // that dispatches again, so the list is copied and each entry checked.
    const std::vector<MessageQueue*> snapshot = queues_;
    for (MessageQueue* queue : snapshot) {
        if (std::find(queues_.begin(), queues_.end(), queue) == queues_.end())
            continue;
        try {
            handled += queue->dispatchPending();
        } catch (...) {
            wake();
            if (Application)
                Application->HandleException(nullptr);
        }
    }
    return handled;
}

} // namespace qx
