#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The class library's strict conversions of a whole text to a number.

// An optional sign and one or more decimal digits, nothing else (no blanks),
// within the 32-bit range; nullopt for any other text.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt; throws EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// Optional blanks, an optional sign, digits with at most one "." (at least one
// digit), an optional exponent ("e" or "E", optional sign, digits) and
// optional blanks; "." is the decimal separator. A text beyond the range of a
// double, "inf" or "nan" is not a number.
std::optional<double> TryStrToFloat(std::string_view text);

// As TryStrToFloat; throws EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);
