#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>

namespace qx {

/// Monotonic millisecond clock. Code that measures time-outs reads one of
/// these so that tests can replace it with a ManualClock and advance time
/// instead of sleeping.
class Clock
{
public:
    virtual ~Clock() = default;
    /// Milliseconds since an arbitrary fixed start; never goes backwards.
    virtual std::int64_t nowMs() const = 0;

    /// How long, in real milliseconds, a waiter sleeps before it looks at the
    /// clock again when `clockMs` of this clock's time remain; -1 means until
    /// an advance listener wakes it.
    virtual int realWaitMs(std::int64_t clockMs) const;

    /// Registers a callback run, on the advancing thread, after each jump of a
    /// clock that only moves when told to. Returns an id for removal; the
    /// steady clock never jumps and keeps no listeners.
    virtual std::size_t addAdvanceListener(std::function<void()> listener);
    virtual void removeAdvanceListener(std::size_t id);

    /// The process-wide steady clock.
    static Clock& system();
};

/// A clock that only moves when told to.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(std::int64_t startMs = 0) : now_(startMs) {}
    std::int64_t nowMs() const override { return now_.load(); }
    void advance(std::int64_t ms);

    int realWaitMs(std::int64_t clockMs) const override;
    std::size_t addAdvanceListener(std::function<void()> listener) override;
    void removeAdvanceListener(std::size_t id) override;

private:
    std::atomic<std::int64_t> now_;
    mutable std::mutex mutex_;
    std::size_t nextId_ = 1;
    std::map<std::size_t, std::function<void()>> listeners_;
};

} // namespace qx
