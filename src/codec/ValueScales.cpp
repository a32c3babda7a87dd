#include "codec/ValueScales.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>

#include "codec/SharedConstants.h"

namespace {

constexpr long double kMilli = 0.001L;
constexpr long double kTenth = 0.1L;
constexpr long double kFootFactor = 0.30480370641307L; // 1 / 3.2808
constexpr double kFeetPerMetre = 3.2808;
constexpr double kQStepRatio = 1.0596;
constexpr float kQMax = 128.0F;
constexpr double kQMin = 0.4;
constexpr float kThousand = 1000.0F;
constexpr float kTen = 10.0F;
constexpr float kCentreIndex = 170.0F;

// Truncation toward zero that cannot overflow; NaN gives 0.
int truncateToInt(long double v)
{
    if (std::isnan(v)) {
        return 0;
    }
    constexpr long double lo = std::numeric_limits<int>::min();
    constexpr long double hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(v, lo, hi));
}

// A product that should be a whole number but came out a hair below it
// through rounding of the operands counts as that whole number; anything
// further away truncates toward zero.
int truncateAllowingRoundingNoise(long double v)
{
    const long double nearest = std::nearbyint(v);
    const long double tolerance = 1e-9L * std::max(1.0L, std::fabs(v));
    return truncateToInt(std::fabs(v - nearest) <= tolerance ? nearest : v);
}

std::string formatDb(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

namespace qx {

int gainWordToPosition(int gainWord)
{
    return std::clamp(gainWord, 0, kGainWordMax) - kGainWordZeroDb;
}

double faderPositionToDb(int position)
{
    const int p = std::clamp(position, -kGainWordZeroDb, kGainWordMax - kGainWordZeroDb);
    if (p >= -200) {
        return static_cast<double>(p * kTenth);
    }
    return -(20.0 + (-p - 200) * 0.5);
}

double samplesToDelay(int samples, int unit)
{
    const double ms = samples / static_cast<double>(kSamplesPerMs);
    switch (unit) {
    case kDelayUnitMs:
        return ms;
    case kDelayUnitMetres:
        return ms * kSpeedOfSound * static_cast<double>(kMilli);
    case kDelayUnitFeet:
        return ms * kSpeedOfSound * static_cast<double>(kMilli) * kFeetPerMetre;
    default:
        return 0.0;
    }
}

} // namespace qx

int FreqToIndex(double hz)
{
    if (!(hz > 0.0)) {
        return 0;
    }
    const double v = static_cast<double>(
        std::log(hz * kMilli) / std::log(static_cast<long double>(qx::kFrequencyStepRatio)) + kCentreIndex);
    // Far beyond any index; keeps n + 1 below the int limit for huge input.
    constexpr double kBound = 1e9;
    const double bounded = std::clamp(v, -kBound, kBound);
    const int n = truncateToInt(bounded);
    return bounded - n > 0.5 ? n + 1 : n;
}

double IndexToFreq(int index)
{
    const int i = std::clamp(index, 0, qx::kFreqIndexMax);
    return kThousand * std::pow(qx::kFrequencyStepRatio, static_cast<double>(i - 170));
}

int GainToIndex(double db)
{
    const double tenths = static_cast<double>(static_cast<long double>(db) * kTen);
    return truncateToInt(tenths) + qx::kGainIndexZeroDb;
}

long double IndexToGain(int index)
{
    return (std::clamp(index, 0, qx::kGainIndexMax) - qx::kGainIndexZeroDb) * kTenth;
}

int QToIndex(double q)
{
    const double clamped = std::isnan(q) ? kQMin : std::clamp(q, kQMin, static_cast<double>(kQMax));
    double s = static_cast<double>(std::log(static_cast<long double>(kQMax) / clamped) /
                                   std::log(static_cast<long double>(kQStepRatio)));
    // Rounds on the value's 15-digit decimal text, as the step table was made.
    // (to_chars writes what printf's "%.15g" writes, without printf's cost.)
    char text[64];
    const auto written = std::to_chars(std::begin(text), std::end(text) - 1, s, std::chars_format::general, 15);
    *written.ptr = '\0';
    const char* point = std::strchr(text, '.');
    if (point != nullptr && point[1] >= '5' && point[1] <= '9') {
        s += 1.0;
    }
    return std::clamp(qx::kQIndexMax - truncateToInt(s), 0, qx::kQIndexMax);
}

double IndexToQ(int index)
{
    return qx::clampedEntry(qx::kQTable, index);
}

int DelayToSamples(double value, int unit)
{
    const long double metres =
        static_cast<long double>(value) * qx::kSamplesPerMs * kThousand / qx::kSpeedOfSound;
    long double samples = 0.0L;
    switch (unit) {
    case qx::kDelayUnitMs:
        samples = value * static_cast<long double>(qx::kSamplesPerMs);
        break;
    case qx::kDelayUnitMetres:
        samples = metres;
        break;
    case qx::kDelayUnitFeet:
        samples = metres * kFootFactor;
        break;
    default:
        return 0;
    }
    return truncateAllowingRoundingNoise(samples);
}

std::string GainText(int position)
{
    if (position >= 0) {
        return formatDb("+%3.1fdB", static_cast<double>(position * kTenth));
    }
    const float v = -static_cast<float>(position);
    const float db = v > 200.0F ? (v - 200.0F) * 0.5F + 20.0F : static_cast<float>(v * kTenth);
    return formatDb("-%3.1fdB", db);
}

bool IsNumericText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char ch) {
        return (ch >= '0' && ch <= '9') || ch == '.' || ch == ',' || ch == ' ';
    });
}
