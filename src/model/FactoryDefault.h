#pragma once
// The factory-default unit-state record: the state the editor starts from
// before a processor has been read, and the reference PEQ bands are reset to.

#include <array>

#include "model/UnitRecord.h"

namespace qx {

namespace factory {
inline constexpr std::array<int, kInputBandCount> kInputBandFreqs = {1,   25,  49,  71,  93,  118, 140,
                                                                     161, 184, 206, 230, 251, 270, 290};
inline constexpr std::array<int, kOutputBandCount> kOutputBandFreqs = {41, 85, 131, 174, 218, 260};
inline constexpr int kInputBandQ = 35;  // Q 3.0
inline constexpr int kOutputBandQ = 25; // Q 1.7
inline constexpr int kFirTaps = 512;
inline constexpr int kDynamicsAttack = 499;
inline constexpr int kDynamicsRelease = 499;
inline constexpr int kThresholdTop = 220; // +20 dB
inline constexpr int kLimitRatio = 15;
inline constexpr int kOutputModeIirFir = 2;
inline constexpr int kFirWindowSinc = 6;
inline constexpr int kFirLowCut = 110;
} // namespace factory

namespace detail {
constexpr void writeBand(UnitRecord& r, std::size_t at, int freq, int q)
{
    writeWord(r, at + rec::kBandGain, 120);
    writeWord(r, at + rec::kBandFreq, static_cast<unsigned>(freq));
    r[at + rec::kBandQ] = static_cast<std::uint8_t>(q);
    r[at + rec::kBandType] = 0;
}

constexpr void writeDynamics(UnitRecord& r, std::size_t at, int ratio)
{
    writeWord(r, at + rec::kDynRatio, static_cast<unsigned>(ratio));
    writeWord(r, at + rec::kDynAttack, factory::kDynamicsAttack);
    writeWord(r, at + rec::kDynRelease, factory::kDynamicsRelease);
    writeWord(r, at + rec::kDynKnee, 0);
    writeWord(r, at + rec::kDynThreshold, factory::kThresholdTop);
}

constexpr void writeDefaultInput(UnitRecord& r, int n)
{
    constexpr std::array<std::string_view, kInputCount> names = {"InA", "InB", "InC", "InD"};
    const std::size_t at = rec::input(n);
    writeText(r, at + rec::kInName, rec::kChannelNameSize, names[static_cast<std::size_t>(n)]);
    for (int b = 0; b < kInputBandCount; ++b) {
        writeBand(r, rec::inputBand(n, b), factory::kInputBandFreqs[static_cast<std::size_t>(b)],
                  factory::kInputBandQ);
    }
    writeWord(r, at + rec::kInFirTapCount, factory::kFirTaps);
    writeWord(r, at + rec::kInFirBypass, 1);
    writeWord(r, at + rec::kInGain, 280);
    writeWord(r, at + rec::kInLinkMask, 1U << n);
}

constexpr void writeDefaultOutput(UnitRecord& r, int i)
{
    constexpr std::array<std::string_view, kOutputCount> names = {"Out1", "Out2", "Out3", "Out4",
                                                                  "Out5", "Out6", "Out7", "Out8"};
    const std::size_t at = rec::output(i);
    writeText(r, at + rec::kOutName, rec::kChannelNameSize, names[static_cast<std::size_t>(i)]);
    writeWord(r, at + rec::kOutRouteMask, 1U << (i % kInputCount));
    for (std::size_t n = 0; n < kInputCount; ++n) {
        writeWord(r, at + rec::kOutMixLevels + 2 * n, 280);
    }
    const std::size_t filter = rec::outputFilter(i);
    writeWord(r, filter + rec::kFilterMode, factory::kOutputModeIirFir);
    writeWord(r, filter + rec::kFilterHighPassFreq, 0);
    writeWord(r, filter + rec::kFilterLowPassFreq, 300);
    r[filter + rec::kFilterFirWindow] = factory::kFirWindowSinc;
    writeWord(r, filter + rec::kFilterFirLowCut, factory::kFirLowCut);
    writeWord(r, filter + rec::kFilterFirHighCut, 300);
    writeWord(r, filter + rec::kFilterFirTaps, factory::kFirTaps);
    for (int b = 0; b < kOutputBandCount; ++b) {
        writeBand(r, rec::outputBand(i, b), factory::kOutputBandFreqs[static_cast<std::size_t>(b)],
                  factory::kOutputBandQ);
    }
    writeDynamics(r, at + rec::kOutCompressor, 0);
    writeDynamics(r, at + rec::kOutLimiter, factory::kLimitRatio);
    writeWord(r, at + rec::kOutGain, 280);
    writeWord(r, at + rec::kOutLinkMask, 1U << i);
}
} // namespace detail

constexpr UnitRecord makeFactoryDefaultRecord()
{
    UnitRecord r{};
    writeText(r, rec::kPresetName, rec::kPresetNameSize, "Default Preset");
    for (int n = 0; n < kInputCount; ++n) {
        detail::writeDefaultInput(r, n);
    }
    for (int i = 0; i < kOutputCount; ++i) {
        detail::writeDefaultOutput(r, i);
    }
    return r;
}

inline constexpr UnitRecord kFactoryDefaultRecord = makeFactoryDefaultRecord();

} // namespace qx
