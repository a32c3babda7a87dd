#pragma once
// The FIR coefficient image: the coefficients of all 12 channels as the
// processor's coefficient memory, a preset file and a unit file hold them.
// 12 channel areas of 8192 bytes (2048 slots of 4 bytes, IEEE single
// precision, low byte first) in channel order InA-InD, Out1-Out8. A channel
// with n coefficients fills slots 0..n-1 and FF FF FF FF after them; a unit
// impulse is FF FF FF FF in every slot.
//
// The memory is read back in 52-byte blocks; 98304 = 1890 x 52 + 24, so the
// blocks are 0-1890 and the last holds only the image's final 24 bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/UnitRecord.h"

namespace qx {

using Bytes = std::vector<std::uint8_t>;

inline constexpr int kFirSlots = 2048;
inline constexpr std::size_t kFirSlotSize = 4;
inline constexpr std::size_t kFirAreaSize = kFirSlots * kFirSlotSize;      // 8192
inline constexpr std::size_t kFirImageSize = kFirAreaSize * kChannelCount; // 98304
inline constexpr std::uint32_t kFirEndMarker = 0xFFFFFFFFU;
// A coefficient above this (or not finite) is refused when an image is read.
inline constexpr float kFirCoefficientLimit = 50.0F;

using FirChannelBuffer = std::array<float, kFirSlots>;
using FirBuffers = std::array<FirChannelBuffer, kChannelCount>;
using FirCounts = std::array<int, kChannelCount>;

// 1.0 followed by zeros.
FirChannelBuffer unitImpulse();
FirBuffers unitImpulseBuffers();
// True when the first `count` values (held within 1..2048) are a unit
// impulse: 1.0, then zeros.
bool isUnitImpulse(const FirChannelBuffer& buffer, int count);

// Coefficient counts of the 12 channels as a record (or the record-layout
// part of a stored preset image) holds them, each clamped to 0-2048.
FirCounts firCountsOf(std::span<const std::uint8_t> recordLayout);

// The area of one channel; count is clamped to 0-2048.
void encodeFirArea(const FirChannelBuffer& coeffs, int count, std::span<std::uint8_t, kFirAreaSize> area);
Bytes encodeFirImage(const FirBuffers& buffers, const FirCounts& counts);
Bytes emptyFirImage();

enum class FirAreaKind
{
    Coefficients, // read into the buffer, end markers as zeros
    Impulse,      // end marker, or a refused value, in slot 0
    Error,        // a refused value in a later slot: the buffer became a unit impulse
};

struct FirAreaRead
{
    FirAreaKind kind = FirAreaKind::Coefficients;
    int errorSlot = -1;
    friend bool operator==(const FirAreaRead&, const FirAreaRead&) = default;
};

// Reads one channel area into the buffer. A slot holding FF FF FF FF ends
// nothing by itself: it reads as 0 and reading goes on. A value above 50.0
// or not finite makes the channel a unit impulse, reported as Error unless it
// stands in slot 0.
FirAreaRead readFirArea(std::span<const std::uint8_t, kFirAreaSize> area, FirChannelBuffer& out);
// Reads a whole image (kFirImageSize bytes) channel by channel.
std::array<FirAreaRead, kChannelCount> readFirImage(std::span<const std::uint8_t, kFirImageSize> image,
                                                    FirBuffers& out);

// Little-endian IEEE single precision, independent of the host's order.
std::uint32_t floatBits(float value);
float floatFromBits(std::uint32_t bits);
void putFloatLe(std::span<std::uint8_t> bytes, std::size_t offset, float value);
float getFloatLe(std::span<const std::uint8_t> bytes, std::size_t offset);

// Readback blocks of the coefficient memory.
inline constexpr std::size_t kFirBlockSize = 52;
inline constexpr int kFirBlockCount = static_cast<int>((kFirImageSize + kFirBlockSize - 1) / kFirBlockSize);

struct FirBlockPosition
{
    int block;
    int offset; // byte offset of the position within the block's data
    friend constexpr bool operator==(FirBlockPosition, FirBlockPosition) = default;
};

// Where channel c (0-11) starts; c = 12 gives the end of the image.
constexpr FirBlockPosition firChannelStart(int c)
{
    const std::size_t byte = kFirAreaSize * static_cast<std::size_t>(c);
    return {static_cast<int>(byte / kFirBlockSize), static_cast<int>(byte % kFirBlockSize)};
}

// The block holding channel c's last byte. It is the next channel's start
// block whenever that channel starts inside a block, which every channel
// after the first does.
constexpr int firChannelLastBlock(int c)
{
    return static_cast<int>((kFirAreaSize * static_cast<std::size_t>(c + 1) - 1) / kFirBlockSize);
}

// Bytes of block b within one coefficient set: [begin, end), end clipped to
// the image (the last block has 24 bytes inside it).
constexpr std::size_t firBlockBegin(int b)
{
    return kFirBlockSize * static_cast<std::size_t>(b);
}
constexpr std::size_t firBlockEndInImage(int b)
{
    const std::size_t end = firBlockBegin(b) + kFirBlockSize;
    return end < kFirImageSize ? end : kFirImageSize;
}

// Coefficient memory: set s (0 current settings, 1-20 stored presets) at
// s x 0x18000, erased in 4096-byte sectors.
inline constexpr std::size_t kFirSetStride = 0x18000;
inline constexpr std::size_t kFirSectorSize = 4096;

struct FirSectors
{
    std::array<int, 2> sector;
    int count;
};

// The sectors cleared when channel c of set s becomes a unit impulse: both
// sectors of an input's area, the first sector of an output's area (outputs
// hold at most 1024 coefficients).
constexpr FirSectors firChannelSectors(int set, int c)
{
    const int base = static_cast<int>(kFirSetStride / kFirSectorSize) * set;
    const int first = base + static_cast<int>(kFirAreaSize / kFirSectorSize) * c;
    return c < kInputCount ? FirSectors{{first, first + 1}, 2} : FirSectors{{first, 0}, 1};
}

} // namespace qx
