#pragma once
// The FIR coefficient file (".txt", ".csv"): a text of at most 2048 numbers
// separated by commas, tabs or line ends, read only. It is read byte by byte,
// a CR LF line end reading as one line end:
// - 0x00 is skipped;
// - tab, line feed and "," end the number being read;
// - 0x01-0x45 (digits, signs, ".", blank, CR, "E" ...), "e", "~", 0x7F, 0xFE
//   and 0xFF belong to the number's text;
// - any other byte (the letters "F" to "d" and "f" to "}", 0x80-0xFD)
//   refuses the whole file.
// A number with no text, or whose text begins with 0x7F, is skipped; the
// value of a text is its leading C-locale decimal number, kept as a 32-bit
// float. A UTF-8 byte-order mark at the start is skipped.
// Refused as well: a text from which no number reads (a lone sign, "E", "~",
// blanks), a value beyond the float range, a CR that does not end a line
// (a CR-only file), a UTF-16 byte-order mark, and a file with no number.
// Refused files leave nothing but the reason.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

inline constexpr std::size_t kMaxFirCoefficients = 2048;
// The text of one number, its separator included, fits in 52 bytes.
inline constexpr std::size_t kMaxFirNumberText = 51;
// Larger files are refused unread: 2048 numbers of the longest text, with
// room for skipped bytes and empty lines.
inline constexpr std::size_t kMaxFirFileSize = 1 << 20;

enum class FirFileStatus
{
    Ok,
    CannotOpen, // missing, unreadable, not a regular file, or larger than kMaxFirFileSize
    BadText,    // a refused byte, a number text longer than kMaxFirNumberText or
                // without a number, a value beyond the float range, a lone CR,
                // a UTF-16 file, or no number at all
    TooMany,    // more than kMaxFirCoefficients numbers
};

struct FirFileRead
{
    FirFileStatus status = FirFileStatus::Ok;
    std::string_view textId;   // the message to show; empty when Ok
    std::vector<float> values; // when Ok, and the first 2048 when TooMany
    std::size_t count = 0;     // numbers found (also when TooMany)
    bool ok() const { return status == FirFileStatus::Ok; }
};

FirFileRead parseFirCoefficients(std::span<const std::uint8_t> text);
FirFileRead readFirCoefficientFile(const std::filesystem::path& path);

} // namespace qx
