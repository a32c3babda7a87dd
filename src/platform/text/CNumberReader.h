#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qx {

// Number reading as the C library does it, always in the "C" locale whatever
// the process locale is.
//
// A decimal number is: leading white space, an optional sign, digits with at
// most one "." (at least one digit in all), then optionally "e" or "E", an
// optional sign and at least one digit. Reading stops at the first character
// that cannot continue the number ("1,5" reads 1, "5-" reads 5); a text that
// does not begin with a number reads 0 with nothing consumed. Hexadecimal
// numbers, "inf" and "nan" are not numbers here, so every result is a finite
// value except an overflow, which gives plus or minus HUGE_VAL.

// strtod: the value and, in `consumed`, the count of characters read.
double CLocaleStrtod(std::string_view text, std::size_t* consumed = nullptr);

// atof: the value of the leading number, 0 when there is none.
double CLocaleAtof(std::string_view text);

// atol with a 32-bit long: leading white space, an optional sign
// and decimal digits; 0 when there are no digits; beyond the 32-bit range the
// result is held at INT32_MIN or INT32_MAX (as strtol does).
std::int32_t CLocaleAtol(std::string_view text);

}  // namespace qx
