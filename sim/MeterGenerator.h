#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ImageLayout.h"

namespace qx::sim {
// Meter readings the processor reports to the meter poll.
struct MeterPattern
{
    enum class Levels
    {
        Quiet,
        Ramp,
        Hot
    };
    Levels levels = Levels::Quiet;
    // 0-100; 99 and more makes the editor flash its load label.
    double dspLoadPercent = 35.0;

    // "quiet", "ramp" or "hot"; nothing for an unknown name.
    static std::optional<Levels> ParseLevels(std::string_view name);
};

// Produces one 34-byte meter reply per poll: 12 signed levels, 8 compressor and
// 8 limiter gain reductions, the engagement word and the DSP idle count.
class MeterGenerator
{
public:
    static constexpr std::uint32_t kIdleCountAtNoLoad = 8181;

    void SetPattern(const MeterPattern& pattern) { pattern_ = pattern; }
    std::array<std::uint8_t, layout::kMeterSize> Next();

private:
    MeterPattern pattern_;
    int step_ = 0;
};
} // namespace qx::sim
