#include "MeterGenerator.h"

#include <algorithm>
#include <cmath>

namespace qx::sim {
std::optional<MeterPattern::Levels> MeterPattern::ParseLevels(std::string_view name)
{
    if (name == "quiet")
        return Levels::Quiet;
    if (name == "ramp")
        return Levels::Ramp;
    if (name == "hot")
        return Levels::Hot;
    return std::nullopt;
}

std::array<std::uint8_t, layout::kMeterSize> MeterGenerator::Next()
{
    std::array<std::uint8_t, layout::kMeterSize> out{};
    int level = -60;
    int reduction = 0;
    std::uint16_t engaged = 0;
    switch (pattern_.levels) {
    case MeterPattern::Levels::Quiet:
        break;
    case MeterPattern::Levels::Ramp:
        level = -60 + (step_ % 9) * 10;
        reduction = -(step_ % 6) * 5;
        engaged = static_cast<std::uint16_t>(step_ % 2 == 0 ? 0x00FF : 0xFF00);
        break;
    case MeterPattern::Levels::Hot:
        level = 20;
        reduction = -30;
        engaged = 0xFFFF;
        break;
    }
    ++step_;
    for (int c = 0; c < kChannelCount; ++c)
        out[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(static_cast<std::int8_t>(level));
    for (std::size_t i = 12; i < 28; ++i)
        out[i] = static_cast<std::uint8_t>(static_cast<std::int8_t>(reduction));
    out[28] = static_cast<std::uint8_t>(engaged & 0xFF);
    out[29] = static_cast<std::uint8_t>(engaged >> 8);
    const double load = std::clamp(pattern_.dspLoadPercent, 0.0, 100.0);
    const auto idle = static_cast<std::uint32_t>(std::lround(kIdleCountAtNoLoad * (100.0 - load) / 100.0));
    for (std::size_t k = 0; k < 4; ++k)
        out[30 + k] = static_cast<std::uint8_t>(idle >> (8 * k));
    return out;
}
} // namespace qx::sim
