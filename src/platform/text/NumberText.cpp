#include "platform/text/NumberText.h"

#include "platform/text/CNumberReader.h"
#include "platform/text/EConvertError.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text)
{
    std::size_t pos = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (pos == text.size())
        return std::nullopt;
    const bool negative = text[0] == '-';
    constexpr std::int64_t kMagnitudeLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos]))
            return std::nullopt;
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > kMagnitudeLimit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(std::string_view text)
{
    if (const auto value = TryStrToInt(text))
        return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::optional<double> TryStrToFloat(std::string_view text)
{
    const std::string_view number = TrimBlanks(text);
    // The C reader would also skip tabs and line ends; here only blanks may lead.
    if (number.empty() || !(IsDigit(number[0]) || number[0] == '+' || number[0] == '-' || number[0] == '.'))
        return std::nullopt;
    std::size_t consumed = 0;
    const double value = qx::CLocaleStrtod(number, &consumed);
    if (consumed != number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double StrToFloat(std::string_view text)
{
    if (const auto value = TryStrToFloat(text))
        return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}
