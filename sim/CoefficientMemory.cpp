#include "CoefficientMemory.h"

#include <algorithm>

namespace qx::sim {
using namespace layout;

CoefficientMemory::CoefficientMemory() : bytes_(kCoefficientMemorySize, 0xFF) {}

void CoefficientMemory::EraseAll()
{
    std::fill(bytes_.begin(), bytes_.end(), 0xFF);
}

bool CoefficientMemory::EraseSector(std::size_t sector)
{
    if (sector >= kCoefficientMemorySize / kFirSectorSize)
        return false;
    const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(sector * kFirSectorSize);
    std::fill(first, first + kFirSectorSize, 0xFF);
    return true;
}

void CoefficientMemory::ClearSet(int set)
{
    const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(kFirImageSize * set);
    std::fill(first, first + kFirImageSize, 0xFF);
}

void CoefficientMemory::CopySet(int from, int to)
{
    const auto source = Set(from);
    std::copy(source.begin(), source.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(kFirImageSize * to));
}

void CoefficientMemory::CopyChannel(int set, int from, int to)
{
    const auto source = Area(set, from);
    std::copy(source.begin(), source.end(), Area(set, to).begin());
}

void CoefficientMemory::WriteBlock(int set, int channel, std::size_t first,
                                   std::span<const std::uint8_t> bigEndianFloats, std::size_t count)
{
    const auto area = Area(set, channel);
    for (std::size_t i = 0; i + 4 <= bigEndianFloats.size() && first + i / 4 < kFirSlots; i += 4) {
        const std::size_t at = (first + i / 4) * 4;
        for (std::size_t k = 0; k < 4; ++k)
            area[at + k] = bigEndianFloats[i + 3 - k];
    }
    std::fill(area.begin() +
                  static_cast<std::ptrdiff_t>(std::min(count, static_cast<std::size_t>(kFirSlots)) * 4),
              area.end(), 0xFF);
}

std::vector<std::uint8_t> CoefficientMemory::ReadBlock(int set, int block) const
{
    std::vector<std::uint8_t> out(kFirBlockSize, 0xFF);
    const auto data = Set(set);
    const std::size_t first = kFirBlockSize * static_cast<std::size_t>(block);
    if (first < data.size()) {
        const std::size_t n = std::min(kFirBlockSize, data.size() - first);
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(first), n, out.begin());
    }
    return out;
}

void CoefficientMemory::SetImage(int set, std::span<const std::uint8_t> image)
{
    const auto start = bytes_.begin() + static_cast<std::ptrdiff_t>(kFirImageSize * static_cast<std::size_t>(set));
    std::copy_n(image.begin(), std::min(image.size(), kFirImageSize), start);
}

void CoefficientMemory::SetCoefficient(int set, int channel, std::size_t slot, float value)
{
    putFloatLe(Area(set, channel), slot * kFirSlotSize, value);
}

std::span<const std::uint8_t> CoefficientMemory::Set(int set) const
{
    return std::span<const std::uint8_t>(bytes_).subspan(kFirImageSize * static_cast<std::size_t>(set),
                                                         kFirImageSize);
}

std::span<std::uint8_t> CoefficientMemory::Area(int set, int channel)
{
    return std::span<std::uint8_t>(bytes_).subspan(kFirImageSize * static_cast<std::size_t>(set) +
                                                       kFirAreaSize * static_cast<std::size_t>(channel),
                                                   kFirAreaSize);
}
} // namespace qx::sim
