#pragma once

#include "platform/sync/Clock.h"
#include "platform/sync/EventSet.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

namespace qx {

/// One worker thread whose end can be awaited with a time-out on a
/// replaceable clock. The destructor waits for the body to return, so
/// nothing the body uses is freed under it; the body must therefore not
/// destroy its own WorkerThread.
class WorkerThread
{
public:
    explicit WorkerThread(Clock& clock = Clock::system());
    ~WorkerThread();

    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    /// Starts the body; false when a thread is already started or the system
    /// refuses a new one.
    bool start(std::function<void()> body);

    bool started() const { return thread_.joinable(); }
    /// True from start until the body has returned.
    bool running() const { return started() && !finished_.load(); }

    /// Waits up to `timeoutMs` on the clock for the body to return; true when
    /// it has (or never started).
    bool waitFinished(std::int64_t timeoutMs);

    /// Waits without limit for the body to return.
    void join();

private:
    EventSet done_;
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

} // namespace qx
