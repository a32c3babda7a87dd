#include "response/PeqBoxRules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "platform/text/CNumberReader.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/Format.h"

namespace qx::peq {

namespace {
bool contains(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

void dropLast(std::string& text, std::size_t n)
{
    text.resize(text.size() - std::min(n, text.size()));
}

bool onlyOf(const std::string& text, std::string_view allowed)
{
    return text.find_first_not_of(allowed) == std::string::npos;
}

// The checks the frequency and Q boxes share.
bool plainNumber(const std::string& text)
{
    return !text.empty() && text != "." && onlyOf(text, "0123456789.,") &&
           std::count(text.begin(), text.end(), '.') <= 1 && text != "0";
}

int clampStep(double v, int lo, int hi)
{
    if (std::isnan(v)) {
        return 0;
    }
    return static_cast<int>(std::clamp(v, static_cast<double>(lo), static_cast<double>(hi)));
}
} // namespace

double frequencyOfStep(int step)
{
    return 1000.0 * std::pow(kFrequencyStepRatio, static_cast<double>(step));
}

std::string frequencyText(double hz)
{
    return hz >= 1000 ? Format("%4.2fKHz", hz / 1000) : Format("%4.1fHz", hz);
}

double qOfStep(int step)
{
    return kQTable[static_cast<std::size_t>(std::clamp(step, 0, kQStepMax))];
}

std::string frequencyStepText(int step)
{
    // Every row write shows a step's text: made once per step.
    static const auto texts = [] {
        std::array<std::string, kFrequencyStepMax - kFrequencyStepMin + 1> out;
        for (int s = kFrequencyStepMin; s <= kFrequencyStepMax; ++s)
            out[static_cast<std::size_t>(s - kFrequencyStepMin)] = frequencyText(frequencyOfStep(s));
        return out;
    }();
    const int s = std::clamp(step, kFrequencyStepMin, kFrequencyStepMax);
    if (s != step)
        return frequencyText(frequencyOfStep(step));
    return texts[static_cast<std::size_t>(s - kFrequencyStepMin)];
}

std::string qText(int step)
{
    static const auto texts = [] {
        std::array<std::string, kQStepMax + 1> out;
        for (int s = 0; s <= kQStepMax; ++s)
            out[static_cast<std::size_t>(s)] = Format("%1.2f", qOfStep(s));
        return out;
    }();
    return texts[static_cast<std::size_t>(std::clamp(step, 0, kQStepMax))];
}

std::optional<int> frequencyStepFromText(std::string text)
{
    for (std::string_view suffix : {"HZ", "Hz", "hZ", "hz"}) {
        if (contains(text, suffix)) {
            dropLast(text, 2);
        }
    }
    bool kilo = false;
    for (std::string_view suffix : {"k", "K"}) {
        if (contains(text, suffix)) {
            dropLast(text, 1);
            kilo = true;
        }
    }
    if (!plainNumber(text)) {
        return std::nullopt;
    }
    const double f = CLocaleAtof(text) * (kilo ? 1000 : 1);
    return std::clamp(FreqToIndex(f), 0, kFreqIndexMax) + kFrequencyStepMin;
}

std::optional<int> qStepFromText(const std::string& text)
{
    if (!plainNumber(text)) {
        return std::nullopt;
    }
    const double q = std::clamp(CLocaleAtof(text), 0.4, 128.0);
    return std::clamp(QToIndex(q), 0, kQStepMax);
}

std::optional<int> gainStepFromText(std::string text, GainScale scale)
{
    for (std::string_view suffix : {"DB", "Db", "dB", "db"}) {
        if (contains(text, suffix)) {
            dropLast(text, 2);
        }
    }
    if (text.empty() || text == "-" || text == "." || !onlyOf(text, "0123456789.,-") ||
        std::count(text.begin(), text.end(), '.') > 1 || std::count(text.begin(), text.end(), '-') > 1) {
        return std::nullopt;
    }
    if (const std::size_t dot = text.find('.'); dot != std::string::npos) {
        if (dot + 1 >= text.size()) {
            return std::nullopt;
        }
        text.resize(dot + 2); // one decimal
    }
    const double db = std::clamp(CLocaleAtof(text), -static_cast<double>(scale.limitDb),
                                 static_cast<double>(scale.limitDb));
    return static_cast<int>(static_cast<float>(db * scale.stepsPerDb));
}

namespace {
// v steps from 1000 Hz, written by `format`; a first decimal above 5 moves one
// step away from zero (written by `formatMoved`), then the text is cut at its point.
int roundedFrequencyStep(double hz, std::string (*format)(double), std::string (*formatMoved)(double))
{
    if (!(hz > 0)) {
        return kFrequencyStepMin;
    }
    const double v = std::log(hz / 1000) / std::log(kFrequencyStepRatio);
    if (!std::isfinite(v)) {
        return kFrequencyStepMax;
    }
    std::string s = format(std::clamp(v, -1e6, 1e6));
    const std::size_t dot = s.find('.');
    if (dot != std::string::npos && dot + 1 < s.size() && s[dot + 1] > '5') {
        const double value = CLocaleAtof(s);
        s = formatMoved(value < 0 ? value - 1 : value + 1);
    }
    s = s.substr(0, s.find('.'));
    return clampStep(CLocaleAtof(s), kFrequencyStepMin, kFrequencyStepMax);
}

std::string twoDecimals(double v)
{
    return Format("%1.2f", v);
}
std::string threeDigits(double v)
{
    return FloatToStrF(v, sffFixed, 3, 2);
}
std::string shortest(double v)
{
    return FloatToStr(v);
}
} // namespace

int frequencyStepFromHz(double hz)
{
    // A loaded band's frequency is its index's frequency as a float: the
    // answers for those exact values are made once, by the same rounding.
    static const auto ofIndex = [] {
        std::array<std::pair<double, int>, kFreqIndexMax + 1> out;
        for (int i = 0; i <= kFreqIndexMax; ++i) {
            const double f = static_cast<float>(IndexToFreq(i));
            out[static_cast<std::size_t>(i)] = {f, roundedFrequencyStep(f, twoDecimals, twoDecimals)};
        }
        return out;
    }();
    if (hz > 0 && std::isfinite(hz)) {
        const int i = FreqToIndex(hz);
        if (i >= 0 && i <= kFreqIndexMax && ofIndex[static_cast<std::size_t>(i)].first == hz)
            return ofIndex[static_cast<std::size_t>(i)].second;
    }
    return roundedFrequencyStep(hz, twoDecimals, twoDecimals);
}

int twinFrequencyStepFromHz(double hz)
{
    return roundedFrequencyStep(hz, threeDigits, shortest);
}

int gainStepFromDb(double db)
{
    const int limit = kTenthsScale.stepsPerDb * kTenthsScale.limitDb;
    if (std::isnan(db)) {
        return 0;
    }
    const long double hundredths = std::trunc(std::clamp(static_cast<long double>(db) * 100, -1e6L, 1e6L));
    const auto l = static_cast<long long>(hundredths);
    long long step = l / 10;
    const long long dropped = l % 10;
    if (dropped > 5) {
        ++step;
    } else if (dropped < -5) {
        --step;
    }
    return static_cast<int>(std::clamp<long long>(step, -limit, limit));
}

int gainStepTruncated(double db, GainScale scale)
{
    const int limit = scale.stepsPerDb * scale.limitDb;
    return clampStep(db * scale.stepsPerDb, -limit, limit);
}

int qStepFromValue(double step)
{
    return clampStep(step, 0, kQStepMax);
}

} // namespace qx::peq
