// What a typed gain or delay means, and the delay texts: suffixes cut,
// characters refused, the 0.5 dB steps below -20 dB, clamping before any
// whole-number conversion, delays rounded to the nearest sample.

#include "codec/ValueScales.h"
#include "editors/channel/GainDelayEntry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

using qx::kDelayUnitFeet;
using qx::kDelayUnitMetres;
using qx::kDelayUnitMs;

struct Entry
{
    std::string typed;
    std::optional<int> value;
};

TEST(GainDelayEntryTest, GainEntries)
{
    const std::optional<int> refused;
    const Entry table[] = {
        {"5dB", 50},    {"5DB", 50},      {"5db", 50},     {"5Db", 50},     {"-70", -280},   {"99", 120},
        {"0", 0},       {"+12", 120},     {"12.1", 120},   {"-60", -280},   {"-60.5", -280}, {"3.14", 31},
        {"2.3", 23},    {"-0.3", -3},     {"-19.9", -199}, {"-20", -200},   {"-20.5", -201}, {"-20.49", -200},
        {"-20.7", -201}, {"-20.3", -200}, {"-25.3", -210}, {"-25.5", -211}, {"-25.7", -211}, {"-59.9", -279},
        {"1,5", 10},    {"5-", 50},       {" 5", 50},      {"+3.5", 35},    {"-0020.3", -200},
        // Refused: nothing to read, foreign characters, doubled signs or points.
        {"", refused},  {"-", refused},   {".", refused},  {"abc", refused}, {"5.", refused}, {"1..2", refused},
        {"--3", refused}, {"dB", refused}, {"1e1", refused}, {"5%", refused},
        // Refused: a "." whose whole part or next character the strict conversion rejects.
        {"-25.,", refused}, {".3", refused}, {"3.,", refused}, {"-.5", refused}, {" 3.5", refused},
        {"1,5.3", refused}, {"-25. ", refused},
    };
    for (const Entry& e : table)
        EXPECT_EQ(qx::channelGainEntry(e.typed), e.value) << '"' << e.typed << '"';
}

// A mix level has the gain's rules, held at 0 dB at the top.
TEST(GainDelayEntryTest, MixLevelEntries)
{
    const std::optional<int> refused;
    const Entry table[] = {
        {"-25.3", -210}, {"-25.7", -211}, {"-20.3", -200}, {"-20.5", -201}, {"-3.75dB", -37}, {"-0.05", 0},
        {"-70", -280},   {"5", 0},        {"+12", 0},      {"0", 0},        {"-60", -280},   {"-59.9", -279},
        {"-20", -200},   {"-1,5", -10},
        {"abc", refused}, {"", refused},  {"-", refused},  {".", refused},  {"1.2.3", refused}, {"--5", refused},
        {"-5.", refused},
    };
    for (const Entry& e : table)
        EXPECT_EQ(qx::mixLevelEntry(e.typed), e.value) << '"' << e.typed << '"';
}

// Numbers past any range are clamped before they become whole numbers.
TEST(GainDelayEntryTest, HugeGainsAreHeldAtTheEnds)
{
    const std::string digits(40, '9');
    EXPECT_EQ(qx::channelGainEntry(digits), 120);
    EXPECT_EQ(qx::channelGainEntry("-" + digits), -280);
    EXPECT_EQ(qx::channelGainEntry("-" + digits + ".3"), -280) << "the whole part held at the 64-bit limit";
    EXPECT_EQ(qx::channelGainEntry("-" + digits + ".7"), -280);
    EXPECT_EQ(qx::channelGainEntry(digits + ".3"), 120);
}

// Every gain the boxes show reads back as the position it came from.
TEST(GainDelayEntryTest, EveryGainTextReadsBackAsItsPosition)
{
    for (int p = -280; p <= 120; ++p)
        EXPECT_EQ(qx::channelGainEntry(GainText(p)), p) << GainText(p);
}

struct DelayEntry
{
    std::string typed;
    int unit;
    std::optional<int> samples;
};

TEST(GainDelayEntryTest, DelayEntries)
{
    const std::optional<int> refused;
    const std::string huge(400, '9');
    const DelayEntry table[] = {
        // milliseconds: 48 samples each
        {"12.5ms", kDelayUnitMs, 600}, {"12.5", kDelayUnitMs, 600}, {"12.5MS", kDelayUnitMs, 600},
        {"1Ms", kDelayUnitMs, 48},     {"1mS", kDelayUnitMs, 48},   {"700", kDelayUnitMs, 32640},
        {"680", kDelayUnitMs, 32640},  {"0.01", kDelayUnitMs, 0},   {"0.011", kDelayUnitMs, 1},
        {"0.979", kDelayUnitMs, 47},   {"1,5", kDelayUnitMs, 48},   {" 2", kDelayUnitMs, 96},
        {huge, kDelayUnitMs, 32640},   {"-5", kDelayUnitMs, refused}, {"abc", kDelayUnitMs, refused},
        {"", kDelayUnitMs, refused},   {"5m", kDelayUnitMs, refused}, {"5ft", kDelayUnitMs, refused},
        // metres: 48000 / 343.5 samples each
        {"1m", kDelayUnitMetres, 140}, {"1M", kDelayUnitMetres, 140}, {"1", kDelayUnitMetres, 140},
        {"0.995", kDelayUnitMetres, 139}, {"233.580m", kDelayUnitMetres, 32640}, {"300", kDelayUnitMetres, 32640},
        {"1ms", kDelayUnitMetres, refused}, {"1ft", kDelayUnitMetres, refused},
        // feet: 0.3048 m each
        {"1ft", kDelayUnitFeet, 43},   {"1FT", kDelayUnitFeet, 43}, {"1Ft", kDelayUnitFeet, 43},
        {"1fT", kDelayUnitFeet, 43},   {"0.986", kDelayUnitFeet, 42}, {"766.329", kDelayUnitFeet, 32640},
        {"1m", kDelayUnitFeet, refused},
        // an unknown unit reads as milliseconds
        {"1ms", 7, 48},
    };
    for (const DelayEntry& e : table)
        EXPECT_EQ(qx::delayEntry(e.typed, e.unit), e.samples) << '"' << e.typed << "\" unit " << e.unit;
}

TEST(GainDelayEntryTest, DelayTexts)
{
    struct Text
    {
        int samples;
        const char* ms;
        const char* m;
        const char* ft;
    };
    const Text table[] = {
        {0, "0.000ms", "0.000m", "0.000ft"},         {1, "0.021ms", "0.007m", "0.023ft"},
        {42, "0.875ms", "0.301m", "0.986ft"},        {47, "0.979ms", "0.336m", "1.103ft"},
        {48, "1.000ms", "0.344m", "1.127ft"},        {139, "2.896ms", "0.995m", "3.263ft"},
        {16320, "340.000ms", "116.790m", "383.165ft"}, {32640, "680.000ms", "233.580m", "766.329ft"},
    };
    for (const Text& t : table) {
        EXPECT_EQ(qx::delayText(t.samples, kDelayUnitMs), t.ms);
        EXPECT_EQ(qx::delayText(t.samples, kDelayUnitMetres), t.m);
        EXPECT_EQ(qx::delayText(t.samples, kDelayUnitFeet), t.ft);
    }
    EXPECT_EQ(qx::delayText(48, 9), "1.000ms") << "an unknown unit shows milliseconds";
}

// The three-decimal text of every delay reads back as that delay in each
// unit: the rounding keeps a re-read box from moving its fader.
TEST(GainDelayEntryTest, EveryDelayTextReadsBackAsItsSamples)
{
    for (int unit : {kDelayUnitMs, kDelayUnitMetres, kDelayUnitFeet})
        for (int n = 0; n <= 32640; ++n)
            ASSERT_EQ(qx::delayEntry(qx::delayText(n, unit), unit), n) << qx::delayText(n, unit);
}

} // namespace
