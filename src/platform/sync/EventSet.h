#pragma once

#include "platform/sync/Clock.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace qx {

/// What a wait for any of an EventSet's events found.
struct WaitResult
{
    enum class Kind { Signalled, TimedOut, Failed };
    static constexpr std::size_t kNoEvent = static_cast<std::size_t>(-1);

    Kind kind = Kind::TimedOut;
    /// The event taken (Signalled) or the event whose descriptor failed
    /// (Failed); kNoEvent when the wait itself failed or timed out.
    std::size_t index = kNoEvent;
    /// errno of a failure.
    int error = 0;
};

/// A fixed set of auto-reset events that one thread waits on together, with
/// a time-out measured on a replaceable clock. Any thread may set an event.
/// An event can also stand for a file descriptor: it then counts as set for as
/// long as the descriptor has input, so a worker waits for its port and its
/// events in one call.
class EventSet
{
public:
    /// Throws std::system_error when the wake-up descriptor cannot be made.
    explicit EventSet(std::size_t count, Clock& clock = Clock::system());
    ~EventSet();

    EventSet(const EventSet&) = delete;
    EventSet& operator=(const EventSet&) = delete;

    std::size_t size() const { return signalled_.size(); }

    void set(std::size_t index);

    /// Event `index` follows the descriptor's input from now on (-1 stops
    /// that). A descriptor that reports an error or hang-up with no input
    /// waiting makes the wait fail with this index.
    void watch(std::size_t index, int fd);

    /// Waits until an event is set or the clock reaches `deadlineMs`. When
    /// several are set, the lowest index wins and only it is reset.
    WaitResult waitUntil(std::int64_t deadlineMs);
    WaitResult waitFor(std::int64_t timeoutMs) { return waitUntil(clock_.nowMs() + timeoutMs); }

    Clock& clock() const { return clock_; }

private:
    enum class FdState { Quiet, Readable, Failed };

    void wake();
    void drainWake();
    /// Polls the wake-up and watched descriptors; fills fdStates_.
    int pollOnce(int timeoutMs, int& error);
    WaitResult takeFirst();

    Clock& clock_;
    int wakeFd_ = -1;
    std::size_t listenerId_ = 0;
    std::mutex mutex_;
    std::vector<bool> signalled_;
    std::vector<int> watched_;
    std::vector<FdState> fdStates_;
};

} // namespace qx
