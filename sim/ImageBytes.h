#pragma once

// Little-endian word access into a byte image.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace qx::sim {
inline std::uint16_t ReadWord(std::span<const std::uint8_t> image, std::size_t offset)
{
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

inline void WriteWord(std::span<std::uint8_t> image, std::size_t offset, std::uint16_t value)
{
    image[offset] = static_cast<std::uint8_t>(value & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void SetWordBit(std::span<std::uint8_t> image, std::size_t offset, int bit, bool on)
{
    const auto mask = static_cast<std::uint16_t>(1u << bit);
    const std::uint16_t word = ReadWord(image, offset);
    WriteWord(image, offset, static_cast<std::uint16_t>(on ? (word | mask) : (word & ~mask)));
}

// Writes exactly `width` bytes: the text, then NUL bytes.
inline void WriteText(std::span<std::uint8_t> image, std::size_t offset, std::string_view text,
                      std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        image[offset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}
} // namespace qx::sim
