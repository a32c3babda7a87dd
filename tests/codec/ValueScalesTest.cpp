// Value scales: the documented cases, round trips over every integer of a
// scale, and clamping of out-of-range or non-finite input.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ValueScales, FreqToIndexCases)
{
    struct Case
    {
        double hz;
        int index;
    };
    const Case cases[] = {{1000, 170}, {20000, 300}, {20, 1},   {1040, 172}, {1011.6, 170},
                          {0, 0},      {-5, 0},      {kNaN, 0}, {19.686, 0}, {20158.737, 300}};
    for (const Case& c : cases) {
        EXPECT_EQ(FreqToIndex(c.hz), c.index) << c.hz << " Hz";
    }
    EXPECT_LT(FreqToIndex(19.0), 0) << "not clamped: callers clamp";
    EXPECT_GT(FreqToIndex(21000.0), 300) << "not clamped: callers clamp";
    EXPECT_GT(FreqToIndex(kInf), 300) << "no overflow on infinity";
}

TEST(ValueScales, IndexToFreqCases)
{
    struct Case
    {
        int index;
        double hz;
    };
    const Case cases[] = {{0, 19.686}, {140, 500.0}, {170, 1000.0}, {230, 4000.0}, {300, 20158.737}};
    for (const Case& c : cases) {
        EXPECT_NEAR(IndexToFreq(c.index), c.hz, 0.001) << "index " << c.index;
    }
}

TEST(ValueScales, FrequencyIndexRoundTripsOverWholeRange)
{
    for (int i = 0; i <= qx::kFreqIndexMax; ++i) {
        EXPECT_EQ(FreqToIndex(IndexToFreq(i)), i);
    }
}

TEST(ValueScales, GainIndexCases)
{
    struct Case
    {
        double db;
        int index;
    };
    const Case cases[] = {{12, 240}, {-12, 0}, {0, 120}, {-3.25, 88}, {2.35, 143}, {-0.05, 120}, {kNaN, 120}};
    for (const Case& c : cases) {
        EXPECT_EQ(GainToIndex(c.db), c.index) << c.db << " dB";
    }
    EXPECT_NEAR(static_cast<double>(IndexToGain(123)), 0.3, 1e-12);
}

TEST(ValueScales, GainIndexRoundTripsOverWholeRange)
{
    for (int g = 0; g <= qx::kGainIndexMax; ++g) {
        EXPECT_EQ(GainToIndex(static_cast<double>(IndexToGain(g))), g);
    }
}

TEST(ValueScales, QToIndexCases)
{
    struct Case
    {
        double q;
        int index;
    };
    const Case cases[] = {{1.0, 16},
                          {0.4, 0},
                          {7.1, 50},
                          {1.3, 21},
                          {128, 100},
                          {3.0, 35},
                          {1.7, 25},
                          // clamped to 0.4-128 rather than read out of the table
                          {0.1, 0},
                          {-1, 0},
                          {500, 100},
                          {kNaN, 0},
                          {kInf, 100}};
    for (const Case& c : cases) {
        EXPECT_EQ(QToIndex(c.q), c.index) << "Q " << c.q;
    }
}

TEST(ValueScales, QIndexRoundTripsOverWholeTable)
{
    for (int q = 0; q <= qx::kQIndexMax; ++q) {
        EXPECT_EQ(QToIndex(IndexToQ(q)), q);
    }
}

TEST(ValueScales, DelayToSamplesCases)
{
    struct Case
    {
        double value;
        int unit;
        int samples;
    };
    const Case cases[] = {{1.5, 0, 72},        {1, 1, 139},   {1, 2, 42},   {680, 0, 32640},
                          {10, 1, 1397},       {5, 7, 0},     {kNaN, 0, 0}, {kInf, 0, INT_MAX},
                          {-kInf, 1, INT_MIN}, {-1.5, 0, -72}};
    for (const Case& c : cases) {
        EXPECT_EQ(DelayToSamples(c.value, c.unit), c.samples) << c.value << " in unit " << c.unit;
    }
}

TEST(ValueScales, DelayRoundTripsOverWholeRangeInEveryUnit)
{
    for (int unit : {qx::kDelayUnitMs, qx::kDelayUnitMetres, qx::kDelayUnitFeet}) {
        for (int d = 0; d <= qx::kDelaySamplesMax; ++d) {
            ASSERT_EQ(DelayToSamples(qx::samplesToDelay(d, unit), unit), d) << "unit " << unit;
        }
    }
}

TEST(ValueScales, SamplesToDelayUnits)
{
    EXPECT_DOUBLE_EQ(qx::samplesToDelay(32640, qx::kDelayUnitMs), 680.0);
    EXPECT_NEAR(qx::samplesToDelay(48, qx::kDelayUnitMetres), 0.3435, 1e-12);
    EXPECT_NEAR(qx::samplesToDelay(48, qx::kDelayUnitFeet), 0.3435 * 3.2808, 1e-12);
    EXPECT_EQ(qx::samplesToDelay(48, 9), 0.0);
}

TEST(ValueScales, GainTextCases)
{
    struct Case
    {
        int position;
        const char* text;
    };
    const Case cases[] = {{0, "+0.0dB"},     {120, "+12.0dB"},  {-1, "-0.1dB"},  {-200, "-20.0dB"},
                          {-201, "-20.5dB"}, {-280, "-60.0dB"}, {-55, "-5.5dB"}, {5, "+0.5dB"}};
    for (const Case& c : cases) {
        EXPECT_EQ(GainText(c.position), c.text) << "position " << c.position;
    }
}

TEST(ValueScales, GainWordsAndFaderPositionsAgreeWithTheirText)
{
    for (int w = 0; w <= qx::kGainWordMax; ++w) {
        const int p = qx::gainWordToPosition(w);
        ASSERT_EQ(p, w - 280);
        char expected[32];
        const double db = qx::faderPositionToDb(p);
        std::snprintf(expected, sizeof expected, db >= 0 ? "+%3.1fdB" : "-%3.1fdB", std::fabs(db));
        ASSERT_EQ(GainText(p), expected) << "word " << w;
    }
    EXPECT_EQ(qx::gainWordToPosition(-5), -280);
    EXPECT_EQ(qx::gainWordToPosition(9999), 120);
    EXPECT_DOUBLE_EQ(qx::faderPositionToDb(-9999), -60.0);
}

TEST(ValueScales, StoredIndexesAreClampedWhenConverted)
{
    EXPECT_EQ(IndexToFreq(-1), IndexToFreq(0));
    EXPECT_EQ(IndexToFreq(65535), IndexToFreq(300));
    EXPECT_EQ(IndexToQ(-1), 0.4);
    EXPECT_EQ(IndexToQ(255), 128.0);
    EXPECT_EQ(IndexToGain(-7), IndexToGain(0));
    EXPECT_EQ(IndexToGain(65535), IndexToGain(240));
}

TEST(ValueScales, IsNumericText)
{
    struct Case
    {
        const char* text;
        bool numeric;
    };
    const Case cases[] = {{"", true},    {"1.2.3", true}, {"1,5 ", true}, {"120", true},
                          {"-5", false}, {"5e3", false},  {"1k", false},  {"12 dB", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsNumericText(c.text), c.numeric) << '"' << c.text << '"';
    }
}

} // namespace
