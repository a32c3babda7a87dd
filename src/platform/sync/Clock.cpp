#include "platform/sync/Clock.h"

#include <chrono>

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

Clock& Clock::system()
{
    static SteadyClock clock;
    return clock;
}

} // namespace qx
