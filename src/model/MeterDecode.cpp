#include "model/MeterDecode.h"

#include <algorithm>

#include "platform/text/Format.h"
#include "model/UnitRecord.h"

namespace qx {

int levelSegments(int channel, std::int8_t level)
{
    const auto& steps = channel < kInputCount ? kInputLevelSteps : kOutputLevelSteps;
    return static_cast<int>(
        std::count_if(steps.begin(), steps.end(), [level](int t) { return t - kLevelOffset < level; }));
}

int gainReductionSegments(std::int8_t reduction)
{
    const auto below = std::find_if(kGainReductionSteps.begin(), kGainReductionSteps.end(),
                                    [reduction](int g) { return g < reduction; });
    return static_cast<int>(below - kGainReductionSteps.begin());
}

std::uint32_t dspIdleCount(std::span<const std::uint8_t, kMeterReplySize> reply)
{
    std::uint32_t count = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        count |= static_cast<std::uint32_t>(reply[30 + k]) << (8 * k);
    }
    return count;
}

float dspLoad(std::uint32_t idleCount)
{
    const std::int64_t busy = kDspIdleCapacity - static_cast<std::int64_t>(idleCount);
    return static_cast<float>(busy) * 100.0F / static_cast<float>(kDspIdleCapacity);
}

std::optional<std::string> dspLoadText(float load)
{
    if (!(load >= 0.0F)) {
        return std::nullopt;
    }
    return Format("DSP:%2.1f%%", load);
}

} // namespace qx
