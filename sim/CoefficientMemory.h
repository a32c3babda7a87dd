#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ImageLayout.h"

namespace qx::sim {
// The processor's FIR coefficient memory: 21 sets of 12 channel areas, each area
// 2048 little-endian floats; erased memory reads FF.
class CoefficientMemory
{
public:
    CoefficientMemory();

    void EraseAll();
    // Erases one 4096-byte sector; false when the sector lies outside the memory.
    bool EraseSector(std::size_t sector);
    void ClearSet(int set);
    void CopySet(int from, int to);
    void CopyChannel(int set, int from, int to);

    // Stores big-endian floats (as the block commands carry them) into slots
    // first.. of a channel, and marks the slots from `count` on as erased.
    void WriteBlock(int set, int channel, std::size_t first, std::span<const std::uint8_t> bigEndianFloats,
                    std::size_t count);
    // Read block `block` of a set: 52 bytes, FF past the end of the set.
    std::vector<std::uint8_t> ReadBlock(int set, int block) const;

    // A whole set from a coefficient image; bytes past kFirImageSize are ignored.
    void SetImage(int set, std::span<const std::uint8_t> image);
    void SetCoefficient(int set, int channel, std::size_t slot, float value);
    std::span<const std::uint8_t> Set(int set) const;

private:
    std::span<std::uint8_t> Area(int set, int channel);

    std::vector<std::uint8_t> bytes_;
};
} // namespace qx::sim
