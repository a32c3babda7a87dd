#pragma once

// Byte layout of the processor's parameter image and coefficient memory, as the
// simulated processor addresses them.

#include <cstddef>

namespace qx::sim::layout {
inline constexpr std::size_t kRecordSize = 1260;
// The image travels as 26 pieces of 50 bytes; bytes past the record are padding.
inline constexpr std::size_t kPieceSize = 50;
inline constexpr std::size_t kPieceCount = 26;
inline constexpr std::size_t kImageSize = kPieceSize * kPieceCount;
inline constexpr std::size_t kLastPieceSize = 45; // piece 25 of a preset download

inline constexpr std::size_t kStatusByte = 0;
inline constexpr std::size_t kPresetName = 2;
inline constexpr std::size_t kPresetNameSize = 14;

inline constexpr int kInputs = 4;
inline constexpr int kOutputs = 8;
inline constexpr int kChannels = kInputs + kOutputs;
inline constexpr int kInputBands = 14;
inline constexpr int kOutputBands = 6;

inline constexpr std::size_t kInputBase = 16;
inline constexpr std::size_t kInputSize = 104;
inline constexpr std::size_t kOutputBase = 432;
inline constexpr std::size_t kOutputSize = 98;

// Offsets inside a channel record.
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kNameSize = 8;
inline constexpr std::size_t kBandSize = 6;
inline constexpr std::size_t kInBands = 8;
inline constexpr std::size_t kInFirTaps = 92;
inline constexpr std::size_t kInFirBypass = 94;
inline constexpr std::size_t kInGain = 96;
inline constexpr std::size_t kInPolarity = 98;
inline constexpr std::size_t kInDelay = 100;
inline constexpr std::size_t kInLink = 102;
inline constexpr std::size_t kOutRoute = 8;
inline constexpr std::size_t kOutMix = 10;
inline constexpr std::size_t kOutFilter = 18;
inline constexpr std::size_t kOutBands = 34;
inline constexpr std::size_t kOutComp = 70;
inline constexpr std::size_t kOutLimit = 80;
inline constexpr std::size_t kDynamicsSize = 10;
inline constexpr std::size_t kOutGain = 90;
inline constexpr std::size_t kOutPolarity = 92;
inline constexpr std::size_t kOutDelay = 94;
inline constexpr std::size_t kOutLink = 96;

// Offsets inside the output filter record.
inline constexpr std::size_t kFilterMode = 0;
inline constexpr std::size_t kFilterHighPass = 2;
inline constexpr std::size_t kFilterLowPass = 4;
inline constexpr std::size_t kFilterHighPassSlope = 6;
inline constexpr std::size_t kFilterLowPassSlope = 7;
inline constexpr std::size_t kFilterFir = 8;
inline constexpr std::size_t kFilterFirSize = 8;
inline constexpr std::size_t kFilterFirTaps = 14;

// Unit-wide words.
inline constexpr std::size_t kInputMute = 1216;
inline constexpr std::size_t kOutputMute = 1218;
inline constexpr std::size_t kSourceSelect = 1220;
inline constexpr std::size_t kPeqBypass = 1222; // one word per channel
inline constexpr std::size_t kTestSignal = 1246;
inline constexpr std::size_t kSineIndex = 1248;
inline constexpr std::size_t kToneAttenuation = 1249;
inline constexpr std::size_t kDelayUnit = 1250;
inline constexpr std::size_t kInputSelect = 1252;
inline constexpr std::size_t kOutputSelect = 1254;
inline constexpr std::size_t kInputEqBypass = 1256;
inline constexpr std::size_t kOutputEqBypass = 1258;

// Bytes of a stored preset image that belong to the preset.
inline constexpr std::size_t kStoredPresetBytes = 1245;
inline constexpr int kStoredPresets = 20;

// Coefficient memory: set 0 is the current settings, set p stored preset p.
inline constexpr std::size_t kCoefficientSlots = 2048;
inline constexpr std::size_t kChannelAreaSize = kCoefficientSlots * 4;
inline constexpr std::size_t kCoefficientSetSize = kChannelAreaSize * kChannels;
inline constexpr int kCoefficientSets = kStoredPresets + 1;
inline constexpr std::size_t kCoefficientMemorySize = kCoefficientSetSize * kCoefficientSets;
inline constexpr std::size_t kSectorSize = 4096;
inline constexpr std::size_t kReadBlockSize = 52;
inline constexpr int kReadBlocks = 1891;

inline constexpr std::size_t kMemoryHeaderSize = 21;
inline constexpr std::size_t kMeterSize = 34;

constexpr std::size_t ChannelBase(int channel)
{
    return channel < kInputs ? kInputBase + kInputSize * static_cast<std::size_t>(channel)
                             : kOutputBase + kOutputSize * static_cast<std::size_t>(channel - kInputs);
}

constexpr bool IsInput(int channel)
{
    return channel < kInputs;
}
} // namespace qx::sim::layout
