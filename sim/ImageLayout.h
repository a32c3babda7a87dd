#pragma once

// What the simulated processor stores beyond the unit-state record's layout:
// the padded parameter image, the stored presets, the coefficient memory and
// the small blocks it answers with.

#include <cstddef>

#include "model/FirImage.h"
#include "model/UnitFile.h"
#include "model/UnitRecord.h"

namespace qx::sim::layout {
// The parameter image travels as 26 pieces of 50 bytes; bytes past the record are padding.
inline constexpr std::size_t kPieceCount = kParameterPieceCount;
inline constexpr std::size_t kImageSize = kParameterPieceSize * kPieceCount;
inline constexpr std::size_t kLastPieceSize = 45; // piece 25 of a preset download

// FIR design settings of the output filter record: type, window, three words.
inline constexpr std::size_t kFirDesignSize = rec::kFilterSize - rec::kFilterFirType;

// Bytes of a stored preset image that belong to the preset (after its number byte).
inline constexpr std::size_t kStoredPresetBytes = kStoredPresetImageSize - 1;
inline constexpr int kStoredPresets = kStoredPresetCount;

// Coefficient memory: set 0 is the current settings, set p stored preset p.
inline constexpr int kCoefficientSets = kStoredPresets + 1;
inline constexpr std::size_t kCoefficientMemorySize = kFirSetStride * kCoefficientSets;

inline constexpr std::size_t kMeterSize = 34;

constexpr bool IsInput(int channel)
{
    return channel < kInputCount;
}
} // namespace qx::sim::layout
