#pragma once

#include <string>

namespace qx {

// A double rounded to decimal digits: value = 0.d1d2d3... x 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros; empty for zero
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }
};

// |value| rounded, halves away from zero, to at most `precision` significant
// digits and at most `decimals` digits after the point. Like the class
// library's extended-precision conversion, the rounding starts from the
// value's first 18 significant digits. `value` must be finite; a result that
// rounds to zero is not negative.
DecimalDigits ToDecimalDigits(double value, int precision, int decimals);

}  // namespace qx
