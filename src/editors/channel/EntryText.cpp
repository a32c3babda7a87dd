#include "editors/channel/EntryText.h"

#include <limits>

namespace qx {

namespace {

// The digits at the start of text, held at the 64-bit limit.
std::int64_t digitsValue(std::string_view digits, bool negative)
{
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max();
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (!isDigit(c))
            break;
        const int digit = c - '0';
        magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
    }
    if (!negative)
        return magnitude;
    return magnitude == kLimit ? std::numeric_limits<std::int64_t>::min() : -magnitude;
}

} // namespace

std::optional<std::int64_t> strictWholeNumber(std::string_view text)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    return digitsValue(text, negative);
}

std::int64_t leadingWholeNumber(std::string_view text)
{
    while (!text.empty() && (text[0] == ' ' || text[0] == '\t'))
        text.remove_prefix(1);
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    return digitsValue(text, negative);
}

} // namespace qx
