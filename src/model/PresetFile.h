#pragma once
// The preset file (".prs"): one preset with its FIR coefficients.
//   0      16     file marker "***QX-73BV012***"
//   16     1244   unit-state record bytes 2-1245
//   1260   98304  FIR coefficient image, counts taken from the record
//   99564  2      CR LF
// A file is accepted only at exactly this size with the marker.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "model/FileStore.h"
#include "model/FirImage.h"
#include "model/UnitRecord.h"

namespace qx {

inline constexpr std::string_view kFileMarker = "***QX-73BV012***";
inline constexpr std::size_t kFileMarkerSize = 16;
inline constexpr std::size_t kPresetFileSize = kFileMarkerSize + rec::kPresetParamsSize + kFirImageSize + 2;

static_assert(kPresetFileSize == 99566);

using PresetParameters = std::array<std::uint8_t, rec::kPresetParamsSize>;

struct PresetFileContents
{
    PresetParameters parameters{};
    Bytes firImage; // kFirImageSize bytes
};

struct PresetFileDecode
{
    FileResult result;
    PresetFileContents contents; // filled only when result.ok()
};

// Marker, parameters and coefficient image, without the closing CR LF.
Bytes encodePresetFileWithoutEnd(const UnitRecord& record, const FirBuffers& buffers);
// The complete file.
Bytes encodePresetFile(const UnitRecord& record, const FirBuffers& buffers);

PresetFileDecode decodePresetFile(std::span<const std::uint8_t> file);

// Record bytes 2-1245 := the parameters; every other record byte is kept.
void applyPresetParameters(UnitRecord& record, const PresetParameters& parameters);

struct PresetFileTake
{
    FileResult result;
    // How each channel's coefficients were read; meaningful only when ok.
    std::array<FirAreaRead, kChannelCount> firReads{};
};

// Takes a preset file into the record (bytes 2-1245) and the coefficient
// buffers. A refused file changes neither.
PresetFileTake takePresetFile(std::span<const std::uint8_t> file, UnitRecord& record, FirBuffers& buffers);
PresetFileTake openPresetFile(const std::filesystem::path& path, UnitRecord& record, FirBuffers& buffers);
// Writes the complete file; on failure the old file is left as it was.
FileResult savePresetFile(const std::filesystem::path& path, const UnitRecord& record,
                          const FirBuffers& buffers);

// The name a preset file is saved under: the chosen file name cut before its
// first ".prs" or ".PRS", then ".prs" appended (last path component only).
std::filesystem::path presetFileName(const std::filesystem::path& chosen);

// True when the bytes begin with the file marker.
bool hasFileMarker(std::span<const std::uint8_t> file);

} // namespace qx
