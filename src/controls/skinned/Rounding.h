#pragma once
// Rounding as the class library rounds: to the nearest integer, halves to the even one.
// Values beyond the integer range saturate, so extreme ranges from a layout cannot overflow.

#include <cmath>
#include <cstdint>
#include <limits>

namespace qx {

inline int saturate(double v)
{
    if (std::isnan(v))
        return 0;
    if (v <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (v >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

inline int saturate(std::int64_t v)
{
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

inline int roundEven(double v)
{
    return saturate(std::nearbyint(v));
}

// The sum of two positions without overflow.
inline int addSaturated(int a, int b)
{
    return saturate(std::int64_t{a} + b);
}

} // namespace qx
