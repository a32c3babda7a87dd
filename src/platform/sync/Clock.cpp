#include "platform/sync/Clock.h"

#include <algorithm>
#include <chrono>
#include <climits>

namespace qx {
namespace {

class SteadyClock final : public Clock
{
public:
    std::int64_t nowMs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace

int Clock::realWaitMs(std::int64_t clockMs) const
{
    return static_cast<int>(std::clamp<std::int64_t>(clockMs, 0, INT_MAX));
}

std::size_t Clock::addAdvanceListener(std::function<void()>)
{
    return 0;
}

void Clock::removeAdvanceListener(std::size_t) {}

Clock& Clock::system()
{
    static SteadyClock clock;
    return clock;
}

void ManualClock::advance(std::int64_t ms)
{
    now_ += ms;
    std::lock_guard lock(mutex_);
    for (auto& [id, listener] : listeners_)
        listener();
}

int ManualClock::realWaitMs(std::int64_t clockMs) const
{
    return clockMs <= 0 ? 0 : -1;
}

std::size_t ManualClock::addAdvanceListener(std::function<void()> listener)
{
    std::lock_guard lock(mutex_);
    const std::size_t id = nextId_++;
    listeners_.emplace(id, std::move(listener));
    return id;
}

void ManualClock::removeAdvanceListener(std::size_t id)
{
    std::lock_guard lock(mutex_);
    listeners_.erase(id);
}

} // namespace qx
