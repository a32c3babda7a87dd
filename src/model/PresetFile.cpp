#include "model/PresetFile.h"

#include <algorithm>
#include <string>
#include <utility>

namespace qx {

bool hasFileMarker(std::span<const std::uint8_t> file)
{
    return file.size() >= kFileMarkerSize &&
           std::equal(kFileMarker.begin(), kFileMarker.end(), file.begin(),
                      [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
}

Bytes encodePresetFileWithoutEnd(const UnitRecord& record, const FirBuffers& buffers)
{
    Bytes file(kFileMarker.begin(), kFileMarker.end());
    file.reserve(kPresetFileSize);
    const auto params = std::span(record).subspan(rec::kPresetParamsStart, rec::kPresetParamsSize);
    file.insert(file.end(), params.begin(), params.end());
    const Bytes image = encodeFirImage(buffers, firCountsOf(record));
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

Bytes encodePresetFile(const UnitRecord& record, const FirBuffers& buffers)
{
    Bytes file = encodePresetFileWithoutEnd(record, buffers);
    file.push_back('\r');
    file.push_back('\n');
    return file;
}

PresetFileDecode decodePresetFile(std::span<const std::uint8_t> file)
{
    PresetFileDecode decode;
    if (file.size() != kPresetFileSize) {
        decode.result = {FileStatus::WrongSize, kFileErrorText,
                         "preset file of " + std::to_string(file.size()) + " bytes"};
        return decode;
    }
    if (!hasFileMarker(file)) {
        decode.result = {FileStatus::BadMarker, kFileErrorText, "preset file without its marker"};
        return decode;
    }
    const auto params = file.subspan(kFileMarkerSize, rec::kPresetParamsSize);
    std::copy(params.begin(), params.end(), decode.contents.parameters.begin());
    const auto image = file.subspan(kFileMarkerSize + rec::kPresetParamsSize, kFirImageSize);
    decode.contents.firImage.assign(image.begin(), image.end());
    return decode;
}

void applyPresetParameters(UnitRecord& record, const PresetParameters& parameters)
{
    std::copy(parameters.begin(), parameters.end(), record.begin() + rec::kPresetParamsStart);
}

PresetFileTake takePresetFile(std::span<const std::uint8_t> file, UnitRecord& record, FirBuffers& buffers)
{
    PresetFileDecode decode = decodePresetFile(file);
    PresetFileTake take{std::move(decode.result), {}};
    if (take.result.ok()) {
        applyPresetParameters(record, decode.contents.parameters);
        take.firReads = readFirImage(std::span(decode.contents.firImage).first<kFirImageSize>(), buffers);
    }
    return take;
}

PresetFileTake openPresetFile(const std::filesystem::path& path, UnitRecord& record, FirBuffers& buffers)
{
    FileRead read = readFileLimited(path, kPresetFileSize);
    if (!read.result.ok()) {
        return {std::move(read.result), {}};
    }
    return takePresetFile(read.bytes, record, buffers);
}

FileResult savePresetFile(const std::filesystem::path& path, const UnitRecord& record,
                          const FirBuffers& buffers)
{
    return writeFileReplacing(path, encodePresetFile(record, buffers));
}

std::filesystem::path presetFileName(const std::filesystem::path& chosen)
{
    return nameWithExtension(chosen, "prs");
}

} // namespace qx
