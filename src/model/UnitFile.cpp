#include "model/UnitFile.h"

#include <algorithm>
#include <string>
#include <utility>

namespace qx {

namespace {

void appendFirImage(Bytes& file, const Bytes& image)
{
    const std::size_t used = std::min(image.size(), kFirImageSize);
    file.insert(file.end(), image.begin(), image.begin() + static_cast<std::ptrdiff_t>(used));
    file.insert(file.end(), kFirImageSize - used, std::uint8_t{0xFF});
}

UnitFileDecode refused(FileStatus status, std::string detail)
{
    return {{status, kUnitFileErrorText, std::move(detail)}, {}};
}

} // namespace

Bytes encodeUnitFile(const UnitFileParts& parts)
{
    Bytes file(kFileMarker.begin(), kFileMarker.end());
    file.reserve(kUnitFileSize);
    file.insert(file.end(), parts.header.begin(), parts.header.end());
    for (std::size_t k = 0; k < kStoredPresetCount; ++k) {
        if (parts.presetUsed[k]) {
            file.insert(file.end(), parts.presetImages[k].begin(), parts.presetImages[k].end());
        } else {
            file.insert(file.end(), kStoredPresetImageSize, kEmptyPresetByte);
        }
        appendFirImage(file, parts.firImages[k]);
        file.push_back('\r');
        file.push_back('\n');
    }
    return file;
}

UnitFileDecode decodeUnitFile(std::span<const std::uint8_t> file)
{
    if (file.size() != kUnitFileSize) {
        return refused(FileStatus::WrongSize, "unit file of " + std::to_string(file.size()) + " bytes");
    }
    if (!hasFileMarker(file)) {
        return refused(FileStatus::BadMarker, "unit file without its marker");
    }
    UnitFileDecode decode;
    const auto header = file.subspan(kFileMarkerSize, kMemoryHeaderSize);
    std::copy(header.begin(), header.end(), decode.contents.header.begin());
    const auto blocks = file.subspan(kUnitFileHeaderEnd);
    decode.contents.blocks.assign(blocks.begin(), blocks.end());
    return decode;
}

FileResult openUnitFile(const std::filesystem::path& path, UnitFileContents& into)
{
    FileRead read = readFileLimited(path, kUnitFileSize);
    if (!read.result.ok()) {
        return {read.result.status, kUnitFileErrorText, std::move(read.result.detail)};
    }
    UnitFileDecode decode = decodeUnitFile(read.bytes);
    if (decode.result.ok()) {
        into = std::move(decode.contents);
    }
    return std::move(decode.result);
}

std::filesystem::path unitFileName(const std::filesystem::path& chosen)
{
    return nameWithExtension(chosen, "unt");
}

} // namespace qx
