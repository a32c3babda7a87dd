#include "editors/eq/ValueEntry.h"

#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "platform/text/CNumberReader.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <array>

namespace qx {

namespace {

constexpr double kQMin = kQTable.front();
constexpr double kQMax = kQTable.back();
constexpr double kGainLimitDb = 12.0;
// Far above the top of the frequency scale: a typed number is held here in
// floating point before it becomes an index, so no conversion overflows.
constexpr double kFrequencyCeilingHz = 1.0e6;
constexpr double kKilo = 1000.0;

constexpr std::string_view kFrequencyChars = "0123456789., ";
constexpr std::string_view kGainChars = "0123456789., -+";

// Each suffix found anywhere in the text cuts the text's last characters,
// once per suffix, in the table's order; true when any was found.
template <std::size_t N>
bool cutSuffixes(std::string& text, const std::array<std::string_view, N>& suffixes)
{
    bool cut = false;
    for (std::string_view s : suffixes)
        if (text.find(s) != std::string::npos) {
            text.erase(text.size() - std::min(text.size(), s.size()));
            cut = true;
        }
    return cut;
}

bool onlyChars(std::string_view text, std::string_view allowed)
{
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

bool plainNumberText(std::string_view text, std::string_view allowed)
{
    return !text.empty() && text != "." && onlyChars(text, allowed) &&
           std::count(text.begin(), text.end(), '.') <= 1;
}

} // namespace

std::optional<int> frequencyEntry(std::string_view typed)
{
    std::string text(typed);
    cutSuffixes(text, kFrequencySuffixes);
    const bool kilo = cutSuffixes(text, kKiloSuffixes);
    if (!plainNumberText(text, kFrequencyChars))
        return std::nullopt;
    double hz = CLocaleStrtod(text);
    hz = std::min(hz, kFrequencyCeilingHz);
    if (kilo)
        hz = std::min(hz * kKilo, kFrequencyCeilingHz);
    return std::clamp(FreqToIndex(hz), 0, kFreqIndexMax);
}

std::optional<int> qEntry(std::string_view text)
{
    if (!plainNumberText(text, kFrequencyChars))
        return std::nullopt;
    const double q = std::clamp(CLocaleStrtod(text), kQMin, kQMax);
    return std::clamp(QToIndex(q), 0, kQIndexMax);
}

std::optional<int> gainEntry(std::string_view typed)
{
    std::string text(typed);
    cutSuffixes(text, kGainSuffixes);
    if (text == "-" || !plainNumberText(text, kGainChars) || std::count(text.begin(), text.end(), '-') > 1)
        return std::nullopt;
    if (const auto point = text.find('.'); point != std::string::npos) {
        if (point + 1 == text.size())
            return std::nullopt;
        text.erase(point + 2);
    }
    const double db = std::clamp(CLocaleStrtod(text), -kGainLimitDb, kGainLimitDb);
    const double index = db * 10.0 + kGainIndexZeroDb;
    return static_cast<int>(index);
}

std::string frequencyBoxText(int index)
{
    const double f = IndexToFreq(index);
    return f >= kKilo ? Format("%4.2fKHz", f / kKilo) : Format("%4.1fHz", f);
}

std::string qBoxText(int index) { return Format("%3.2f", IndexToQ(index)); }

std::string gainBoxText(int index)
{
    return index >= kGainIndexZeroDb ? Format("+%1.1fdB", (index - kGainIndexZeroDb) * 0.1)
                                   : Format("-%1.1fdB", (kGainIndexZeroDb - index) * 0.1);
}

} // namespace qx
