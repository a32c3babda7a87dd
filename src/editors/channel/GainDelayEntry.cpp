#include "editors/channel/GainDelayEntry.h"

#include "editors/channel/EntryText.h"
#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "platform/text/CNumberReader.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace qx {

namespace {

constexpr double kGainMinDb = -60.0;
constexpr double kGainMaxDb = 12.0;
constexpr double kMixMaxDb = 0.0;
// Below this the gain scale has 0.5 dB steps.
constexpr double kHalfStepsBelowDb = -20.0;
constexpr int kHalfStepsBelowPosition = -200;
constexpr int kHalfStepTenths = 5;
constexpr std::string_view kGainChars = "0123456789.,-+ ";

constexpr long double kSamplesPerMetre = static_cast<long double>(kSamplesPerMs) * 1000.0L / kSpeedOfSound;
constexpr long double kFeetPerMetre = 3.2808L;
constexpr long double kMetresPerFoot = 0.304803706413069968L; // 1 / 3.2808
constexpr std::array<std::string_view, 2> kMetreSuffixes = {"m", "M"};
constexpr std::array<std::string_view, 4> kFeetSuffixes = {"ft", "Ft", "fT", "FT"};

// The gain text cut to one decimal and, below -20 dB, moved toward zero to
// a 0.5 dB step; false when the text is refused.
bool snapGainText(std::string& text)
{
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return true;
    if (point + 1 == text.size())
        return false;
    text.erase(point + 2);
    const char tenth = text[point + 1];
    const std::optional<std::int64_t> whole = strictWholeNumber(std::string_view(text).substr(0, point));
    if (!isDigit(tenth) || !whole)
        return false;
    if (CLocaleAtof(text) < kHalfStepsBelowDb) {
        const int d = tenth - '0';
        if (d < kHalfStepTenths)
            text = std::to_string(*whole);
        else if (d > kHalfStepTenths)
            text = text.substr(0, point + 1) + "5";
    }
    return true;
}

std::optional<int> gainEntryUpTo(std::string_view typed, double highestDb)
{
    std::string text(typed);
    cutSuffixes(text, kGainSuffixes);
    if (text.empty() || text == "-" || text == "." || text.find_first_not_of(kGainChars) != std::string::npos ||
        std::count(text.begin(), text.end(), '.') > 1 || std::count(text.begin(), text.end(), '-') > 1)
        return std::nullopt;
    if (!snapGainText(text))
        return std::nullopt;
    // Clamped as a floating value, before it becomes a whole number.
    const double db = std::clamp(CLocaleAtof(text), kGainMinDb, highestDb);
    const int tenths = static_cast<int>(db * 10.0);
    return tenths < kHalfStepsBelowPosition ? (tenths - kHalfStepsBelowPosition) / kHalfStepTenths + kHalfStepsBelowPosition
                                            : tenths;
}

} // namespace

std::optional<int> channelGainEntry(std::string_view typed) { return gainEntryUpTo(typed, kGainMaxDb); }

std::optional<int> mixLevelEntry(std::string_view typed) { return gainEntryUpTo(typed, kMixMaxDb); }

std::optional<int> delayEntry(std::string_view typed, int unit)
{
    std::string text(typed);
    switch (unit) {
    case kDelayUnitMetres:
        cutSuffixes(text, kMetreSuffixes);
        break;
    case kDelayUnitFeet:
        cutSuffixes(text, kFeetSuffixes);
        break;
    default:
        cutSuffixes(text, kTimeSuffixes);
        break;
    }
    if (text.empty() || !IsNumericText(text))
        return std::nullopt;
    const long double value = CLocaleAtof(text);
    long double samples = 0.0L;
    switch (unit) {
    case kDelayUnitMetres:
        samples = value * kSamplesPerMetre;
        break;
    case kDelayUnitFeet:
        samples = value * kSamplesPerMetre * kMetresPerFoot;
        break;
    default:
        samples = value * kSamplesPerMs;
        break;
    }
    // Clamped as a floating value, then the nearest sample.
    samples = std::clamp(samples, 0.0L, static_cast<long double>(kDelaySamplesMax));
    return static_cast<int>(std::lround(samples));
}

std::string delayText(int samples, int unit)
{
    const long double n = samples;
    switch (unit) {
    case kDelayUnitMetres:
        return Format("%4.3fm", n * kSpeedOfSound / kSamplesPerMs * 0.001L);
    case kDelayUnitFeet:
        return Format("%4.3fft", n * kSpeedOfSound / kSamplesPerMs * kFeetPerMetre * 0.001L);
    default:
        return Format("%4.3fms", n / kSamplesPerMs);
    }
}

} // namespace qx
