#include "model/FirImage.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace qx {

namespace {

int clampCount(int count)
{
    return std::clamp(count, 0, kFirSlots);
}

std::uint32_t getU32Le(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

bool isRefused(float value)
{
    return !std::isfinite(value) || value > kFirCoefficientLimit;
}

} // namespace

std::uint32_t floatBits(float value)
{
    return std::bit_cast<std::uint32_t>(value);
}
float floatFromBits(std::uint32_t bits)
{
    return std::bit_cast<float>(bits);
}

void putFloatLe(std::span<std::uint8_t> bytes, std::size_t offset, float value)
{
    const std::uint32_t bits = floatBits(value);
    for (std::size_t k = 0; k < kFirSlotSize; ++k) {
        bytes[offset + k] = static_cast<std::uint8_t>(bits >> (8 * k));
    }
}

float getFloatLe(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return floatFromBits(getU32Le(bytes, offset));
}

bool isUnitImpulse(const FirChannelBuffer& coeffs, int count)
{
    count = clampCount(count);
    if (count < 1 || coeffs[0] != 1.0F) {
        return false;
    }
    return std::all_of(coeffs.begin() + 1, coeffs.begin() + count, [](float v) { return v == 0.0F; });
}

FirChannelBuffer unitImpulse()
{
    FirChannelBuffer buffer{};
    buffer[0] = 1.0F;
    return buffer;
}

FirBuffers unitImpulseBuffers()
{
    FirBuffers buffers;
    buffers.fill(unitImpulse());
    return buffers;
}

FirCounts firCountsOf(std::span<const std::uint8_t> recordLayout)
{
    FirCounts counts{};
    for (int c = 0; c < kChannelCount; ++c) {
        counts[static_cast<std::size_t>(c)] = clampCount(readWord(recordLayout, rec::firCount(c)));
    }
    return counts;
}

void encodeFirArea(const FirChannelBuffer& coeffs, int count, std::span<std::uint8_t, kFirAreaSize> area)
{
    const int n = clampCount(count);
    std::fill(area.begin(), area.end(), std::uint8_t{0xFF});
    if (isUnitImpulse(coeffs, n)) {
        return;
    }
    for (int k = 0; k < n; ++k) {
        putFloatLe(area, kFirSlotSize * static_cast<std::size_t>(k), coeffs[static_cast<std::size_t>(k)]);
    }
}

Bytes encodeFirImage(const FirBuffers& buffers, const FirCounts& counts)
{
    Bytes image(kFirImageSize);
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        encodeFirArea(buffers[c], counts[c],
                      std::span(image).subspan(kFirAreaSize * c).first<kFirAreaSize>());
    }
    return image;
}

Bytes emptyFirImage()
{
    return Bytes(kFirImageSize, 0xFF);
}

FirAreaRead readFirArea(std::span<const std::uint8_t, kFirAreaSize> area, FirChannelBuffer& out)
{
    for (int s = 0; s < kFirSlots; ++s) {
        const std::size_t at = kFirSlotSize * static_cast<std::size_t>(s);
        const std::uint32_t bits = getU32Le(area, at);
        const float value = floatFromBits(bits);
        if (s == 0 && (bits == kFirEndMarker || isRefused(value))) {
            out = unitImpulse();
            return {FirAreaKind::Impulse, -1};
        }
        if (bits == kFirEndMarker) {
            out[static_cast<std::size_t>(s)] = 0.0F;
        } else if (isRefused(value)) {
            out = unitImpulse();
            return {FirAreaKind::Error, s};
        } else {
            out[static_cast<std::size_t>(s)] = value;
        }
    }
    return {};
}

std::array<FirAreaRead, kChannelCount> readFirImage(std::span<const std::uint8_t, kFirImageSize> image,
                                                    FirBuffers& out)
{
    std::array<FirAreaRead, kChannelCount> reads{};
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        reads[c] = readFirArea(image.subspan(kFirAreaSize * c).first<kFirAreaSize>(), out[c]);
    }
    return reads;
}

} // namespace qx
