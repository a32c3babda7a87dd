#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "model/UnitRecord.h"

namespace qx::sim {
// Sets or clears one bit of a little-endian word of an image.
inline void SetWordBit(std::span<std::uint8_t> image, std::size_t offset, int bit, bool on)
{
    const auto mask = static_cast<std::uint16_t>(1u << bit);
    const std::uint16_t word = readWord(image, offset);
    writeWord(image, offset, static_cast<std::uint16_t>(on ? (word | mask) : (word & ~mask)));
}
} // namespace qx::sim
