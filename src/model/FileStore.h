#pragma once
// Whole-file reading and writing for the preset and unit files. Writing goes
// to a temporary file in the target's folder that is renamed over the target
// only after every byte is written and flushed, so a failed save never
// leaves a damaged or partial file behind.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

enum class FileStatus
{
    Ok,
    CannotOpen,  // missing, unreadable or not a regular file
    WrongSize,   // not the exact size of its format
    BadMarker,   // does not begin with the file marker
    CannotWrite, // creating, writing or replacing the target failed
};

// Text id that the caller translates and shows when a file is refused or
// cannot be written.
inline constexpr std::string_view kFileErrorText = "SID_INFO_ERROR_FILE";

struct FileResult
{
    FileStatus status = FileStatus::Ok;
    std::string_view textId; // empty when Ok
    std::string detail;      // system reason, for a log; empty when Ok
    bool ok() const { return status == FileStatus::Ok; }
};

struct FileRead
{
    FileResult result;
    std::vector<std::uint8_t> bytes;
};

// Reads the whole file, but never more than limit + 1 bytes: enough to tell
// that a file is larger than its format allows without reading all of it.
FileRead readFileLimited(const std::filesystem::path& path, std::size_t limit);

// Writes the bytes as the file's new contents; the old file stays untouched
// unless every step succeeded. A symbolic link keeps pointing at its target,
// which gets the contents. The folder is flushed after the rename.
FileResult writeFileReplacing(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The name a file is saved under: the chosen file name cut before its first
// "." followed by the extension in lower or upper case, then "." and the
// lower-case extension appended. Only the last component of the path is
// looked at, so a folder name never cuts the path.
std::filesystem::path nameWithExtension(const std::filesystem::path& chosen, std::string_view extension);

} // namespace qx
