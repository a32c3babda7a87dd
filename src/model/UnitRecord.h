#pragma once
// The unit-state record: the processor's whole parameter state as one
// 1260-byte image. The same bytes are the processor's parameter image, the
// body of a stored preset image and of a preset file, so the layout is given
// here as byte offsets. Words are 16 bits, low byte first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace qx {

inline constexpr int kInputCount = 4;
inline constexpr int kOutputCount = 8;
inline constexpr int kChannelCount = kInputCount + kOutputCount;
inline constexpr int kInputBandCount = 14;
inline constexpr int kOutputBandCount = 6;

inline constexpr std::size_t kRecordSize = 1260;
using UnitRecord = std::array<std::uint8_t, kRecordSize>;

namespace rec {
inline constexpr std::size_t kStatus = 0;
inline constexpr std::size_t kPresetName = 2;
inline constexpr std::size_t kPresetNameSize = 14;
inline constexpr std::size_t kChannelNameSize = 8;

inline constexpr std::size_t kInputsStart = 16;
inline constexpr std::size_t kInputSize = 104;
inline constexpr std::size_t kOutputsStart = 432;
inline constexpr std::size_t kOutputSize = 98;

// Within an input channel record.
inline constexpr std::size_t kInName = 0;
inline constexpr std::size_t kInBands = 8;
inline constexpr std::size_t kInFirTapCount = 92;
inline constexpr std::size_t kInFirBypass = 94;
inline constexpr std::size_t kInGain = 96;
inline constexpr std::size_t kInPolarity = 98;
inline constexpr std::size_t kInDelay = 100;
inline constexpr std::size_t kInLinkMask = 102;

// Within an output channel record.
inline constexpr std::size_t kOutName = 0;
inline constexpr std::size_t kOutRouteMask = 8;
inline constexpr std::size_t kOutMixLevels = 10; // + 2 n for input n
inline constexpr std::size_t kOutFilter = 18;
inline constexpr std::size_t kOutBands = 34;
inline constexpr std::size_t kOutCompressor = 70;
inline constexpr std::size_t kOutLimiter = 80;
inline constexpr std::size_t kOutGain = 90;
inline constexpr std::size_t kOutPolarity = 92;
inline constexpr std::size_t kOutDelay = 94;
inline constexpr std::size_t kOutLinkMask = 96;

// Within a PEQ band record.
inline constexpr std::size_t kBandSize = 6;
inline constexpr std::size_t kBandGain = 0;
inline constexpr std::size_t kBandFreq = 2;
inline constexpr std::size_t kBandQ = 4;
inline constexpr std::size_t kBandType = 5;

// Within an output filter record.
inline constexpr std::size_t kFilterSize = 16;
inline constexpr std::size_t kFilterMode = 0;
inline constexpr std::size_t kFilterHighPassFreq = 2;
inline constexpr std::size_t kFilterLowPassFreq = 4;
inline constexpr std::size_t kFilterHighPassSlope = 6;
inline constexpr std::size_t kFilterLowPassSlope = 7;
inline constexpr std::size_t kFilterFirType = 8;
inline constexpr std::size_t kFilterFirWindow = 9;
inline constexpr std::size_t kFilterFirLowCut = 10;
inline constexpr std::size_t kFilterFirHighCut = 12;
inline constexpr std::size_t kFilterFirTaps = 14;

// Within a compressor or limiter record.
inline constexpr std::size_t kDynamicsSize = 10;
inline constexpr std::size_t kDynRatio = 0;
inline constexpr std::size_t kDynAttack = 2;
inline constexpr std::size_t kDynRelease = 4;
inline constexpr std::size_t kDynKnee = 6;
inline constexpr std::size_t kDynThreshold = 8;

// Unit-wide fields.
inline constexpr std::size_t kInputMuteMask = 1216;
inline constexpr std::size_t kOutputMuteMask = 1218;
inline constexpr std::size_t kSourceSelectMask = 1220;
inline constexpr std::size_t kPeqBypassMasks = 1222; // + 2 c for channel c
inline constexpr std::size_t kTestSignalKind = 1246;
inline constexpr std::size_t kSineIndex = 1248;
inline constexpr std::size_t kToneAttenuation = 1249;
inline constexpr std::size_t kDelayUnit = 1250;
inline constexpr std::size_t kInputSelect = 1252;
inline constexpr std::size_t kOutputSelect = 1254;
inline constexpr std::size_t kInputEqBypassMask = 1256;
inline constexpr std::size_t kOutputEqBypassMask = 1258;

// Record bytes 2-1245: what a preset file carries.
inline constexpr std::size_t kPresetParamsStart = 2;
inline constexpr std::size_t kPresetParamsSize = 1244;

constexpr std::size_t input(int n)
{
    return kInputsStart + kInputSize * static_cast<std::size_t>(n);
}
constexpr std::size_t output(int i)
{
    return kOutputsStart + kOutputSize * static_cast<std::size_t>(i);
}
// Start of channel c's record (0-3 inputs, 4-11 outputs).
constexpr std::size_t channel(int c)
{
    return c < kInputCount ? input(c) : output(c - kInputCount);
}
constexpr std::size_t inputBand(int n, int b)
{
    return input(n) + kInBands + kBandSize * static_cast<std::size_t>(b);
}
constexpr std::size_t outputBand(int i, int b)
{
    return output(i) + kOutBands + kBandSize * static_cast<std::size_t>(b);
}
constexpr std::size_t outputFilter(int i)
{
    return output(i) + kOutFilter;
}
constexpr std::size_t peqBypassMask(int c)
{
    return kPeqBypassMasks + 2 * static_cast<std::size_t>(c);
}
// The word holding channel c's FIR coefficient count: an input's tap count,
// an output's FIR taps word.
constexpr std::size_t firCount(int c)
{
    return c < kInputCount ? input(c) + kInFirTapCount : outputFilter(c - kInputCount) + kFilterFirTaps;
}

static_assert(input(kInputCount) == kOutputsStart);
static_assert(output(kOutputCount) == kInputMuteMask);
static_assert(peqBypassMask(kChannelCount) == kTestSignalKind);
static_assert(kPresetParamsStart + kPresetParamsSize == kTestSignalKind);
static_assert(kOutputEqBypassMask + 2 == kRecordSize);
} // namespace rec

// The processor sends its parameter image in 26 pieces of 50 bytes; image
// bytes from 1260 on mean nothing and travel as zeros.
inline constexpr int kParameterPieceCount = 26;
inline constexpr std::size_t kParameterPieceSize = 50;

constexpr std::array<std::uint8_t, kParameterPieceSize> parameterPieceData(const UnitRecord& record,
                                                                           int piece)
{
    std::array<std::uint8_t, kParameterPieceSize> data{};
    for (std::size_t k = 0; k < kParameterPieceSize; ++k) {
        const std::size_t at = kParameterPieceSize * static_cast<std::size_t>(piece) + k;
        data[k] = at < kRecordSize ? record[at] : 0;
    }
    return data;
}

constexpr std::uint16_t readWord(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

constexpr void writeWord(std::span<std::uint8_t> bytes, std::size_t offset, unsigned value)
{
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFFU);
    bytes[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFFU);
}

// Copies the text into the field, padding with NUL bytes; no terminator
// when the text fills the field.
constexpr void writeText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t size,
                         std::string_view text)
{
    for (std::size_t k = 0; k < size; ++k) {
        bytes[offset + k] = k < text.size() ? static_cast<std::uint8_t>(text[k]) : 0;
    }
}

} // namespace qx
