#include "platform/text/DecimalDigits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace qx {
namespace {

constexpr int kReadDigits = 18;

// The first 18 significant digits of a positive finite value and its exponent.
DecimalDigits ReadDigits(double magnitude)
{
    std::array<char, 64> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::scientific, kReadDigits - 1);
    // "d.ddddddddddddddddde+XX"
    DecimalDigits result;
    result.digits.push_back(text[0]);
    result.digits.append(text.data() + 2, kReadDigits - 1);
    const char* exponentText = text.data() + 2 + (kReadDigits - 1) + 1;
    if (*exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, written.ptr, exponent);
    result.exponent = exponent + 1;
    return result;
}

// Rounds `digits` to its first `keep` digits, halves away from zero.
void RoundTo(DecimalDigits& d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up)
        return;
    for (auto it = d.digits.rbegin(); it != d.digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    d.digits.insert(d.digits.begin(), '1');  // all nines, or nothing kept
    ++d.exponent;
}

}  // namespace

DecimalDigits ToDecimalDigits(double value, int precision, int decimals)
{
    if (value == 0.0 || !std::isfinite(value))
        return {};
    DecimalDigits result = ReadDigits(std::fabs(value));
    result.negative = value < 0.0;
    const long long keep = std::min<long long>(precision, static_cast<long long>(result.exponent) + decimals);
    if (keep < 0)
        return {};
    RoundTo(result, static_cast<int>(keep));
    while (!result.digits.empty() && result.digits.back() == '0')
        result.digits.pop_back();
    if (result.digits.empty())
        return {};
    return result;
}

}  // namespace qx
