#pragma once
// Rounding as the class library rounds: to the nearest integer, halves to the even one.

#include <cmath>

namespace qx {

inline int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

} // namespace qx
