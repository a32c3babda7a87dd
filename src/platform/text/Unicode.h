#pragma once
// UTF-8 (the program's strings) and UTF-16 (the units the class library counts text
// positions in, such as an edit field's selection).

#include <cstddef>
#include <string>
#include <string_view>

namespace qx {

// Reads one character at `pos` and advances past it. A malformed sequence
// (bad lead byte, overlong form, surrogate, beyond U+10FFFF or cut short)
// yields U+FFFD and is skipped as one maximal invalid part.
char32_t NextUtf8(std::string_view text, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t c);

// Malformed UTF-8 and unpaired surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace qx
