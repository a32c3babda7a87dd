#pragma once
// The processor's parameter model: the unit-state record and the transfer
// areas around it (preset-used flags, memory header, the staging area of
// parameter pieces and the stored preset images), with the encoders of the
// coefficient images and the preset and unit files.
//
// FIR coefficients live with the main window; the encoders take them as an
// argument.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>

#include "model/FileStore.h"
#include "model/FirImage.h"
#include "model/UnitFile.h"
#include "model/UnitRecord.h"

class LUnitControl
{
public:
    static constexpr int kPieceCount = qx::kParameterPieceCount;
    static constexpr std::size_t kPieceSize = qx::kParameterPieceSize;
    static constexpr std::size_t kStagingSize = kPieceSize * kPieceCount; // 1300
    static constexpr int kLastPiece = kPieceCount - 1;

    LUnitControl();

    void LoadFactoryDefault();

    const qx::UnitRecord& record() const { return record_; }
    qx::UnitRecord& record() { return record_; }
    const qx::MemoryHeader& memoryHeader() const { return memoryHeader_; }
    // Stored preset image of preset p (1-20); an empty slot's image ('d'
    // bytes) for any other number.
    const qx::StoredPresetImage& storedPresetImage(int preset) const;

    // Reply 36: byte 0 the piece number n, then up to 50 data bytes for
    // staging bytes 50 n onwards. Piece 25 decodes the staging area into record
    // bytes 2-1259. A piece numbered above 25 has no place and is ignored.
    void StoreParameterPiece(std::span<const std::uint8_t> payload);
    // Reply 40 for stored preset p (1-20); piece 25 fills that preset's image.
    void StorePresetPiece(int preset, std::span<const std::uint8_t> payload);
    // Reply 25: the 21 header bytes (extra bytes are ignored).
    void StoreMemoryHeader(std::span<const std::uint8_t> payload);

    // Reply 34: preset p (0-19) is used when payload byte p is 0xFF.
    void SetPresetFlags(std::span<const std::uint8_t> payload);
    bool IsPresetUsed(int p) const;

    // FIR coefficient image of preset index k (0-19), counts from its stored
    // preset image; the empty image for any other k.
    qx::Bytes EncodeFirBlock(int k, const qx::FirBuffers& buffers) const;
    static qx::Bytes EncodeEmptyFirBlock();
    // The preset file of the current record without its closing CR LF.
    qx::Bytes EncodePresetFile(const qx::FirBuffers& buffers) const;
    // Writes the unit file under the name that unitFileName makes of chosen.
    qx::FileResult WriteUnitFile(const std::filesystem::path& chosen,
                                 const std::array<qx::Bytes, qx::kStoredPresetCount>& firImages) const;

private:
    void stagePiece(std::span<const std::uint8_t> payload);

    qx::UnitRecord record_{};
    std::array<bool, qx::kStoredPresetCount> presetUsed_{};
    qx::MemoryHeader memoryHeader_{};
    std::array<std::uint8_t, kStagingSize> staging_{};
    std::array<qx::StoredPresetImage, qx::kStoredPresetCount> presets_{};
};
