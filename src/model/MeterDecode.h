#pragma once
// Decoding of the meter reply (64): levels and gain reductions to segment
// counts, the engagement word and the DSP load.
//   0-11   level of channels 0-11, signed
//   12-19  compressor gain reduction of outputs 1-8, signed (negative reduces)
//   20-27  limiter gain reduction of outputs 1-8, signed
//   28-29  engagement word: bit i compressor of output i+1, bit 8+i its limiter
//   30-33  DSP idle count, low byte first

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qx {

inline constexpr std::size_t kMeterReplySize = 34;
// The idle count of a processor doing nothing.
inline constexpr std::int64_t kDspIdleCapacity = 8181;
// From this load on the DSP label flashes.
inline constexpr float kDspAlarmLoad = 99.0F;

inline constexpr std::array<int, 8> kInputLevelSteps = {-50, -30, -10, -5, 0, 5, 10, 18};
inline constexpr std::array<int, 8> kOutputLevelSteps = {-50, -30, -10, -5, 0, 5, 12, 18};
inline constexpr std::array<int, 9> kGainReductionSteps = {-1, -2, -3, -5, -10, -15, -20, -30, -50};
// The level bytes run 22 below the table's values.
inline constexpr int kLevelOffset = 22;

// Segments lit by a level byte of channel c (0-11): the steps t with
// t - 22 below the level (0-8).
int levelSegments(int channel, std::int8_t level);
// Segments lit by a gain-reduction byte: the leading steps at or above it,
// up to the first that lies below (0-9).
int gainReductionSegments(std::int8_t reduction);

std::uint32_t dspIdleCount(std::span<const std::uint8_t, kMeterReplySize> reply);
// (8181 - idle) x 100 / 8181 in single precision; computed signed, so an idle
// count above 8181 gives a negative load instead of a huge one.
float dspLoad(std::uint32_t idleCount);
// "DSP:35.0%"; nothing for a negative load (the label keeps its text).
std::optional<std::string> dspLoadText(float load);

} // namespace qx
