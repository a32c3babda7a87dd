#include "platform/text/CNumberReader.h"

#include "platform/text/CLocale.h"

#include <cstdlib>
#include <limits>
#include <string>

namespace qx {
namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipSpace(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsCSpace(text[pos]))
        ++pos;
    return pos;
}

std::size_t SkipSign(std::string_view text, std::size_t pos)
{
    return (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ? pos + 1 : pos;
}

std::size_t SkipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// End of the decimal number that begins at `begin` (after the white space),
// or `begin` when none does.
std::size_t DecimalNumberEnd(std::string_view text, std::size_t begin)
{
    const std::size_t intStart = SkipSign(text, begin);
    const std::size_t intEnd = SkipDigits(text, intStart);
    std::size_t end = intEnd;
    std::size_t digits = intEnd - intStart;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fracEnd = SkipDigits(text, end + 1);
        digits += fracEnd - (end + 1);
        end = fracEnd;
    }
    if (digits == 0)
        return begin;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        const std::size_t expStart = SkipSign(text, end + 1);
        const std::size_t expEnd = SkipDigits(text, expStart);
        if (expEnd > expStart)
            end = expEnd;
    }
    return end;
}

}  // namespace

double CLocaleStrtod(std::string_view text, std::size_t* consumed)
{
    const std::size_t begin = SkipSpace(text, 0);
    const std::size_t end = DecimalNumberEnd(text, begin);
    if (consumed != nullptr)
        *consumed = end == begin ? 0 : end;
    if (end == begin)
        return 0.0;
    const std::string number(text.substr(begin, end - begin));
    return strtod_l(number.c_str(), nullptr, CLocale());
}

double CLocaleAtof(std::string_view text)
{
    return CLocaleStrtod(text);
}

std::int32_t CLocaleAtol(std::string_view text)
{
    std::size_t pos = SkipSpace(text, 0);
    const bool negative = pos < text.size() && text[pos] == '-';
    pos = SkipSign(text, pos);
    // Held one past INT32_MAX, so that a negative text can reach INT32_MIN.
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > kLimit)
            value = kLimit;
    }
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(value == kLimit ? kLimit - 1 : value);
}

}  // namespace qx
