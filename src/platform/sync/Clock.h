#pragma once

#include <atomic>
#include <cstdint>

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

    /// The process-wide steady clock.
    static Clock& system();
};

/// A clock that only moves when told to.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(std::int64_t startMs = 0) : now_(startMs) {}
    std::int64_t nowMs() const override { return now_.load(); }
    void advance(std::int64_t ms) { now_ += ms; }

private:
    std::atomic<std::int64_t> now_;
};

} // namespace qx
