#pragma once
// Text helpers the typed-value rules of the channel editors share.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx {

// Each suffix found anywhere in the text cuts as many characters off the
// text's end, once per suffix, in the table's order.
template <std::size_t N> void cutSuffixes(std::string& text, const std::array<std::string_view, N>& suffixes)
{
    for (std::string_view s : suffixes)
        if (text.find(s) != std::string::npos)
            text.erase(text.size() - std::min(text.size(), s.size()));
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A whole number as the strict conversion takes it: an optional sign and
// one or more digits, nothing else; held at the 64-bit limits beyond them.
std::optional<std::int64_t> strictWholeNumber(std::string_view text);

// The leading whole number of a text: blanks skipped, an optional sign and
// the digits that follow (0 when there are none); held at the 64-bit limits.
std::int64_t leadingWholeNumber(std::string_view text);

} // namespace qx
