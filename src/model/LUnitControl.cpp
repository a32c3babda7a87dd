#include "model/LUnitControl.h"

#include <algorithm>

#include "model/FactoryDefault.h"
#include "model/PresetFile.h"

namespace {
constexpr std::size_t kPresetImageRecordBytes = qx::kStoredPresetImageSize - 1; // record bytes 0-1244

bool isLastPiece(std::span<const std::uint8_t> payload)
{
    return !payload.empty() && payload[0] == LUnitControl::kLastPiece;
}
} // namespace

LUnitControl::LUnitControl()
{
    LoadFactoryDefault();
}

void LUnitControl::LoadFactoryDefault()
{
    record_ = qx::kFactoryDefaultRecord;
}

const qx::StoredPresetImage& LUnitControl::storedPresetImage(int preset) const
{
    static constexpr qx::StoredPresetImage kEmptySlot = [] {
        qx::StoredPresetImage image{};
        image.fill(qx::kEmptyPresetByte);
        return image;
    }();
    if (preset < 1 || preset > qx::kStoredPresetCount) {
        return kEmptySlot;
    }
    return presets_[static_cast<std::size_t>(preset - 1)];
}

void LUnitControl::stagePiece(std::span<const std::uint8_t> payload)
{
    if (payload.empty() || payload[0] > kLastPiece) {
        return;
    }
    const std::size_t at = kPieceSize * payload[0];
    const auto data = payload.subspan(1, std::min(payload.size() - 1, kPieceSize));
    std::copy(data.begin(), data.end(), staging_.begin() + static_cast<std::ptrdiff_t>(at));
}

void LUnitControl::StoreParameterPiece(std::span<const std::uint8_t> payload)
{
    stagePiece(payload);
    if (isLastPiece(payload)) {
        std::copy(staging_.begin() + 2, staging_.begin() + qx::kRecordSize, record_.begin() + 2);
    }
}

void LUnitControl::StorePresetPiece(int preset, std::span<const std::uint8_t> payload)
{
    if (preset < 1 || preset > qx::kStoredPresetCount) {
        return;
    }
    stagePiece(payload);
    if (isLastPiece(payload)) {
        qx::StoredPresetImage& image = presets_[static_cast<std::size_t>(preset - 1)];
        image[0] = static_cast<std::uint8_t>(preset);
        std::copy_n(staging_.begin(), kPresetImageRecordBytes, image.begin() + 1);
    }
}

void LUnitControl::StoreMemoryHeader(std::span<const std::uint8_t> payload)
{
    std::copy_n(payload.begin(), std::min(payload.size(), memoryHeader_.size()), memoryHeader_.begin());
}

void LUnitControl::SetPresetFlags(std::span<const std::uint8_t> payload)
{
    for (std::size_t p = 0; p < presetUsed_.size(); ++p) {
        presetUsed_[p] = p < payload.size() && payload[p] == 0xFF;
    }
}

bool LUnitControl::IsPresetUsed(int p) const
{
    return p >= 0 && p < qx::kStoredPresetCount && presetUsed_[static_cast<std::size_t>(p)];
}

qx::Bytes LUnitControl::EncodeFirBlock(int k, const qx::FirBuffers& buffers) const
{
    if (k < 0 || k >= qx::kStoredPresetCount) {
        return qx::emptyFirImage();
    }
    const qx::StoredPresetImage& image = storedPresetImage(k + 1);
    return qx::encodeFirImage(buffers, qx::firCountsOf(std::span(image).subspan(1)));
}

qx::Bytes LUnitControl::EncodeEmptyFirBlock()
{
    return qx::emptyFirImage();
}

qx::Bytes LUnitControl::EncodePresetFile(const qx::FirBuffers& buffers) const
{
    return qx::encodePresetFileWithoutEnd(record_, buffers);
}

qx::FileResult
LUnitControl::WriteUnitFile(const std::filesystem::path& chosen,
                            const std::array<qx::Bytes, qx::kStoredPresetCount>& firImages) const
{
    const qx::Bytes file = qx::encodeUnitFile({memoryHeader_, presets_, presetUsed_, firImages});
    return qx::writeFileReplacing(qx::unitFileName(chosen), file);
}
