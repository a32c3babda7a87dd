#include "platform/sync/WorkerThread.h"

#include <system_error>
#include <utility>

namespace qx {

WorkerThread::WorkerThread(Clock& clock) : done_(1, clock) {}

WorkerThread::~WorkerThread()
{
    join();
}

bool WorkerThread::start(std::function<void()> body)
{
    if (thread_.joinable())
        return false;
    finished_ = false;
    try {
        thread_ = std::thread([this, body = std::move(body)] {
            body();
            finished_ = true;
            done_.set(0);
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

bool WorkerThread::waitFinished(std::int64_t timeoutMs)
{
    if (!running())
        return true;
    const std::int64_t deadline = done_.clock().nowMs() + timeoutMs;
    while (!finished_.load()) {
        if (done_.waitUntil(deadline).kind == WaitResult::Kind::TimedOut)
            return finished_.load();
    }
    return true;
}

void WorkerThread::join()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace qx
