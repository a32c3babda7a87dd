#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace qx {

// The system's ANSI code page, Windows-1252.
//
// Every byte decodes to one character: the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters
// of the same number, so any byte string survives a round trip unchanged.
// Encoding writes kAnsiReplacement for each character outside the code page,
// for each malformed UTF-8 sequence and for each unpaired UTF-16 surrogate.
inline constexpr char kAnsiReplacement = '?';

std::string Utf8ToAnsi(std::string_view utf8);
std::string Utf16ToAnsi(std::u16string_view utf16);
std::string AnsiToUtf8(std::string_view ansi);
std::u16string AnsiToUtf16(std::string_view ansi);

// The text in the ANSI code page as a new array of exactly the converted
// length plus a terminating NUL; the caller owns it.
std::unique_ptr<char[]> ToAnsiBuffer(std::u16string_view text);
std::unique_ptr<char[]> ToAnsiBuffer(std::string_view utf8);

}  // namespace qx
