#pragma once
// The unit file (".unt"): all 20 stored presets of a processor.
//   0              16     file marker
//   16             21     memory header
//   37 + 99552 k   99552  preset block k (k = 0-19) for preset U(k+1):
//       0     1246   stored preset image, or 1246 bytes 'd' for an empty slot
//       1246  98304  FIR coefficient image, all 0xFF for an empty slot
//       99550 2      CR LF
// A file is accepted only at exactly 1991077 bytes with the marker.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "model/FileStore.h"
#include "model/FirImage.h"
#include "model/PresetFile.h"

namespace qx {

inline constexpr int kStoredPresetCount = 20;
inline constexpr std::size_t kMemoryHeaderSize = 21;
// Preset-number byte, then record bytes 0-1244 as the processor sent them.
inline constexpr std::size_t kStoredPresetImageSize = 1246;
inline constexpr std::uint8_t kEmptyPresetByte = 0x64; // 'd'
inline constexpr std::size_t kPresetBlockSize = kStoredPresetImageSize + kFirImageSize + 2;
inline constexpr std::size_t kUnitFileHeaderEnd = kFileMarkerSize + kMemoryHeaderSize;
inline constexpr std::size_t kUnitFileSize = kUnitFileHeaderEnd + kPresetBlockSize * kStoredPresetCount;
static_assert(kPresetBlockSize == 99552);
static_assert(kUnitFileSize == 1991077);

// Text id shown when a unit file is refused for download.
inline constexpr std::string_view kUnitFileErrorText = "SID_INFO_ERROR_DOWNLAOD";

using MemoryHeader = std::array<std::uint8_t, kMemoryHeaderSize>;
using StoredPresetImage = std::array<std::uint8_t, kStoredPresetImageSize>;

struct UnitFileParts
{
    const MemoryHeader& header;
    const std::array<StoredPresetImage, kStoredPresetCount>& presetImages;
    const std::array<bool, kStoredPresetCount>& presetUsed;
    // One FIR coefficient image per preset. An image of another size than
    // kFirImageSize is cut or filled up with 0xFF, so the file keeps its size.
    const std::array<Bytes, kStoredPresetCount>& firImages;
};

Bytes encodeUnitFile(const UnitFileParts& parts);

struct UnitFileContents
{
    MemoryHeader header{};
    Bytes blocks; // kStoredPresetCount blocks of kPresetBlockSize bytes
    std::span<const std::uint8_t, kPresetBlockSize> block(int k) const
    {
        return std::span(blocks)
            .subspan(kPresetBlockSize * static_cast<std::size_t>(k))
            .first<kPresetBlockSize>();
    }
};

struct UnitFileDecode
{
    FileResult result;
    UnitFileContents contents; // filled only when result.ok()
};

UnitFileDecode decodeUnitFile(std::span<const std::uint8_t> file);
// Reads and checks a unit file; into is replaced only when the file is
// accepted.
FileResult openUnitFile(const std::filesystem::path& path, UnitFileContents& into);

// The name a unit file is saved under: the chosen file name cut before its
// first ".unt" or ".UNT", then ".unt" appended. Only the last component of
// the path is looked at, so a folder name never cuts the path.
std::filesystem::path unitFileName(const std::filesystem::path& chosen);

} // namespace qx
