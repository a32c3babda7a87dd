#include "editors/channel/DynamicsEntry.h"

#include "codec/SharedConstants.h"
#include "editors/channel/EntryText.h"
#include "platform/text/CNumberReader.h"

#include <algorithm>
#include <string>

namespace qx {

namespace {

constexpr std::string_view kDecibelChars = "0123456789.,-+ ";
constexpr std::string_view kTimeChars = "0123456789., ";
constexpr std::string_view kRatioChars = "0123456789:.";
constexpr std::string_view kLimiterRatioChars = "0123456789:., ";
constexpr long double kFineTimeMinMs = 0.1L;
constexpr long double kFineTimeMaxMs = 999.9L;
constexpr int kFineTimeSteps = 10;
constexpr int kKeptAbove = 5;

bool holdsOnly(std::string_view text, std::string_view allowed) { return text.find_first_not_of(allowed) == std::string_view::npos; }

std::ptrdiff_t countOf(std::string_view text, char c) { return std::count(text.begin(), text.end(), c); }

bool endsInPoint(std::string_view text) { return !text.empty() && text.back() == '.'; }

// The first decimal weighed: 6-9 kept (the rest cut), 0-4 the whole part
// alone, 5 the text as it stands. A point followed by no digit, or a whole
// part that is no plain signed number where it is needed, refuses the text.
bool weighFirstDecimal(std::string& text)
{
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return true;
    const char first = text[point + 1];
    if (!isDigit(first))
        return false;
    const int d = first - '0';
    if (d > kKeptAbove) {
        text.erase(point + 2);
    } else if (d < kKeptAbove) {
        const auto whole = strictWholeNumber(std::string_view(text).substr(0, point));
        if (!whole)
            return false;
        text = std::to_string(*whole);
    }
    return true;
}

} // namespace

std::optional<long double> decibelEntry(std::string_view typed, double lowDb, double highDb, int factor)
{
    std::string text(typed);
    cutSuffixes(text, kGainSuffixes);
    if (text.empty() || text == "-" || text == "." || !holdsOnly(text, kDecibelChars) || countOf(text, '.') > 1 ||
        countOf(text, '-') > 1 || endsInPoint(text))
        return std::nullopt;
    if (!weighFirstDecimal(text))
        return std::nullopt;
    const long double db = std::clamp<long double>(CLocaleAtof(text), lowDb, highDb);
    return db * factor;
}

std::optional<long double> fineTimeEntry(std::string_view typed)
{
    std::string text(typed);
    cutSuffixes(text, kTimeSuffixes);
    if (text.empty() || text == "." || !holdsOnly(text, kTimeChars) || countOf(text, '.') > 1 || endsInPoint(text))
        return std::nullopt;
    const long double ms = std::clamp<long double>(CLocaleAtof(text), kFineTimeMinMs, kFineTimeMaxMs);
    return ms * kFineTimeSteps - 1;
}

std::optional<long double> wholeMsEntry(std::string_view typed, int faderMin, int faderMax)
{
    std::string text(typed);
    cutSuffixes(text, kTimeSuffixes);
    if (text.empty() || !holdsOnly(text, kTimeChars))
        return std::nullopt;
    const std::int64_t ms = std::clamp<std::int64_t>(leadingWholeNumber(text), std::int64_t{faderMin} + 1,
                                                     std::int64_t{faderMax} + 1);
    return static_cast<long double>(ms - 1);
}

std::optional<long double> ratioEntry(std::string_view typed, bool limiter)
{
    std::string text(typed);
    cutSuffixes(text, kGainSuffixes);
    const std::ptrdiff_t colons = countOf(text, ':');
    if (text.empty() || text == ":" || text == "." || !holdsOnly(text, limiter ? kLimiterRatioChars : kRatioChars) ||
        countOf(text, '.') > 1 || colons > 1 || (colons == 1 && text[0] != '1'))
        return std::nullopt;
    // "1:" leads the ratio; what follows it is the value.
    if (colons == 1)
        text.erase(0, std::min<std::size_t>(2, text.size()));
    if (text.empty() || endsInPoint(text))
        return std::nullopt;
    const double value = CLocaleAtof(text);
    const auto found = std::find_if(kRatioValues.begin(), kRatioValues.end(), [&](double v) { return v >= value; });
    return static_cast<long double>(found == kRatioValues.end() ? kRatioIndexMax : found - kRatioValues.begin());
}

} // namespace qx
