#pragma once

#include "LinkFakes.h"

#include "link/LinkWorker.h"

#include <atomic>

namespace qx::test {

/// A link whose worker's waits can be watched, and made to fail. Each pass
/// of the worker enters the wait once; tick() moves the clock and returns
/// once the worker has handled that move and waits again, so a test knows
/// exactly what happened at each point in time.
template <class Link>
class ObservedLink final : public Link
{
public:
    using Link::Link;
    ~ObservedLink() override { this->Shutdown(); }

    std::size_t waits() const { return waits_.load(); }
    std::int64_t lastDeadline() const { return lastDeadline_.load(); }

    /// Waits until the worker has entered its wait `count` times.
    bool waitForWaits(std::size_t count)
    {
        return log_.waitUntil([&] { return waits_.load() >= count; }, "the worker's waits");
    }

    /// Returns once the worker waits again.
    void settle()
    {
        log_.waitUntil([&] { return inWait_.load(); }, "the worker to wait again");
    }

    /// Moves the clock once the worker waits, and returns once it waits again.
    void tick(ManualClock& clock, std::int64_t ms)
    {
        settle();
        const std::size_t before = waits_.load();
        clock.advance(ms);
        waitForWaits(before + 1);
    }

    std::atomic<bool> failWait{false};

protected:
    WaitResult WaitForWork(std::int64_t deadlineMs) override
    {
        if (failWait)
            return {WaitResult::Kind::Failed, WaitResult::kNoEvent, 0};
        lastDeadline_ = deadlineMs;
        log_.enter(waits_, inWait_);
        const WaitResult result = Link::WaitForWork(deadlineMs);
        log_.leave(inWait_);
        return result;
    }

private:
    struct Log : Recorder
    {
        void enter(std::atomic<std::size_t>& counter, std::atomic<bool>& inWait)
        {
            record([&] {
                ++counter;
                inWait = true;
            });
        }
        void leave(std::atomic<bool>& inWait)
        {
            record([&] { inWait = false; });
        }
    };
    Log log_;
    std::atomic<std::size_t> waits_{0};
    std::atomic<bool> inWait_{false};
    std::atomic<std::int64_t> lastDeadline_{0};
};

} // namespace qx::test
