// The number readers over arbitrary text, checked against the C library
// read in the "C" locale: the same value from the same characters.

#include "FuzzInput.h"

#include "platform/text/CNumberReader.h"
#include "platform/text/EConvertError.h"
#include "platform/text/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

bool isDecimalStart(std::string_view text)
{
    std::size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string_view::npos)
        return false;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    // strtod would also read hexadecimal numbers, "inf" and "nan", which are not numbers here.
    return i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.') &&
           !(text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X'));
}

void checkStrtod(std::string_view text)
{
    std::size_t consumed = 99;
    const double value = qx::CLocaleStrtod(text, &consumed);
    qxfuzz::check(consumed <= text.size(), "strtod consumes no more than the text");
    qxfuzz::check(qx::CLocaleAtof(text) == value || (std::isnan(value) && std::isnan(qx::CLocaleAtof(text))),
                  "atof is strtod");
    if (consumed == 0) {
        qxfuzz::check(value == 0.0, "nothing read is 0");
        return;
    }
    qxfuzz::check(!std::isnan(value), "a number read is not NaN");
    if (!isDecimalStart(text))
        return;
    const std::string prefix(text.substr(0, consumed));
    char* end = nullptr;
    const double expected = std::strtod(prefix.c_str(), &end);
    qxfuzz::check(end == prefix.c_str() + prefix.size(), "the characters consumed are a whole number for strtod");
    qxfuzz::check(value == expected, "the value is the C library's");
}

void checkAtol(std::string_view text)
{
    const std::int32_t value = qx::CLocaleAtol(text);
    const std::string copy(text.substr(0, text.find('\0')));
    errno = 0;
    const long long wide = std::strtoll(copy.c_str(), nullptr, 10);
    const long long expected = std::clamp<long long>(wide, INT32_MIN, INT32_MAX);
    qxfuzz::check(value == expected, "atol is strtol held at the 32-bit range");
}

void checkStrict(std::string_view text)
{
    const auto integer = TryStrToInt(text);
    std::optional<std::int32_t> strictInteger;
    try {
        strictInteger = StrToInt(text);
    } catch (const EConvertError&) {
    }
    qxfuzz::check(strictInteger == integer, "StrToInt is TryStrToInt, throwing where it refuses");
    if (integer) {
        const std::string copy(text);
        char* end = nullptr;
        qxfuzz::check(std::strtoll(copy.c_str(), &end, 10) == *integer && *end == '\0',
                      "a whole text read as an integer is that integer");
    }

    const auto floating = TryStrToFloat(text);
    std::optional<double> strictFloating;
    try {
        strictFloating = StrToFloat(text);
    } catch (const EConvertError&) {
    }
    qxfuzz::check(strictFloating == floating, "StrToFloat is TryStrToFloat, throwing where it refuses");
    if (floating)
        qxfuzz::check(std::isfinite(*floating), "a float read is finite");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkStrtod(text);
    checkAtol(text);
    checkStrict(text);
    return 0;
}
