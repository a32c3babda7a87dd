// What the PEQ grid makes of typed texts and of values written by code:
// tables of inputs, bad ones included, with the steps and texts they give.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "codec/ValueScales.h"
#include "response/PeqBoxRules.h"

namespace {

namespace peq = qx::peq;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(PeqBoxRules, TypedFrequencies)
{
    struct Case
    {
        const char* typed;
        std::optional<int> index; // frequency index 0..300, none when refused
        const char* shown;
    };
    const Case cases[] = {
        {"2kHz", 200, "2.00KHz"}, {"1.5K", 188, "1.52KHz"},   {"440", 134, "435.3Hz"},
        {"1000", 170, "1.00KHz"}, {"1000Hz", 170, "1.00KHz"}, {"1000HZ", 170, "1.00KHz"},
        {"0.0", 0, "19.7Hz"},     {"99999", 300, "20.16KHz"}, {"20", 1, "20.1Hz"},
        {"1,5k", 170, "1.00KHz"}, {"Hz", {}, nullptr},        {"2 k", {}, nullptr},
        {"1.2.3", {}, nullptr},   {"0", {}, nullptr},         {".", {}, nullptr},
        {"", {}, nullptr},        {"-50", {}, nullptr},       {"abc", {}, nullptr},
        {"1e5", {}, nullptr},     {"\xc2\xb5", {}, nullptr},  {"9999999", 300, "20.16KHz"},
    };
    for (const Case& c : cases) {
        const std::optional<int> step = peq::frequencyStepFromText(c.typed);
        ASSERT_EQ(step.has_value(), c.index.has_value()) << c.typed;
        if (step) {
            EXPECT_EQ(*step + 170, *c.index) << c.typed;
            EXPECT_EQ(peq::frequencyText(peq::frequencyOfStep(*step)), c.shown) << c.typed;
        }
    }
}

TEST(PeqBoxRules, FrequencyIndexGoesUpOnlyAboveAHalf)
{
    // Index a = 30 log2(f / 1000) + 170: a fraction of exactly .5 goes down.
    const double half = 1000 * std::pow(2.0, 0.5 / 30);
    EXPECT_EQ(peq::frequencyStepFromText(std::to_string(half)).value(), 0);
    const double more = 1000 * std::pow(2.0, 0.52 / 30);
    EXPECT_EQ(peq::frequencyStepFromText(std::to_string(more)).value(), 1);
}

TEST(PeqBoxRules, TypedQ)
{
    struct Case
    {
        const char* typed;
        std::optional<int> step;
        const char* shown;
    };
    const Case cases[] = {
        {"200", 100, "128.00"}, {"128", 100, "128.00"}, {"0.1", 0, "0.40"},  {"0.4", 0, "0.40"},
        {"1", 16, "1.00"},      {"0.71", 10, "0.71"},   {".", {}, nullptr},  {"1.2.3", {}, nullptr},
        {"0", {}, nullptr},     {"-1", {}, nullptr},    {"Q1", {}, nullptr}, {"", {}, nullptr},
    };
    for (const Case& c : cases) {
        const std::optional<int> step = peq::qStepFromText(c.typed);
        ASSERT_EQ(step.has_value(), c.step.has_value()) << c.typed;
        if (step) {
            EXPECT_EQ(*step, *c.step) << c.typed;
            EXPECT_EQ(peq::qText(*step), c.shown) << c.typed;
        }
    }
}

TEST(PeqBoxRules, TypedGains)
{
    struct Case
    {
        const char* typed;
        std::optional<int> step;
    };
    const Case cases[] = {
        {"3.45dB", 34}, {"-20", -120}, {"20", 120},   {"2.3", 23}, {"3-", 30},   {"-0.7", -7},
        {"0", 0},       {"6DB", 60},   {"5.", {}},    {"--3", {}}, {"-", {}},    {".", {}},
        {"", {}},       {"dB", {}},    {"1.2.3", {}}, {"+3", {}},  {"3 dB", {}},
    };
    for (const Case& c : cases) {
        const std::optional<int> step = peq::gainStepFromText(c.typed);
        ASSERT_EQ(step.has_value(), c.step.has_value()) << c.typed;
        if (step) {
            EXPECT_EQ(*step, *c.step) << c.typed;
        }
    }
    // The twin grid: 0.2 dB steps toward zero, limits +-20 dB.
    EXPECT_EQ(peq::gainStepFromText("3.3", peq::kFifthsScale).value(), 16);
    EXPECT_EQ(peq::gainStepFromText("25", peq::kFifthsScale).value(), 100);
}

TEST(PeqBoxRules, FrequenciesWrittenByCode)
{
    struct Case
    {
        double hz;
        int step;
    };
    const double r = 1.023373891996775;
    const Case cases[] = {
        {1000, 0},
        {1000 * std::pow(r, 12.55), 12},
        {1000 * std::pow(r, 12.6), 13},
        {1000 * std::pow(r, -3.7), -4},
        {19.7, -170},
        {20160, 130},
        {0, -170},
        {-5, -170},
        {kNaN, -170},
        {kInf, 130},
        {1e300, 130},
        {1e-300, -170},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(peq::frequencyStepFromHz(c.hz), c.step) << c.hz;
    }
}

TEST(PeqBoxRules, GainsAndQWrittenByCode)
{
    struct Case
    {
        double db;
        int step;
    };
    const Case cases[] = {{-0.7, -7}, {-3.4, -34},    {3.4, 34}, {12, 120},
                          {50, 120},  {-1e300, -120}, {kNaN, 0}, {0.06, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(peq::gainStepFromDb(c.db), c.step) << c.db;
    }
    EXPECT_EQ(peq::gainStepTruncated(3.45), 34);
    EXPECT_EQ(peq::gainStepTruncated(-99), -120);
    EXPECT_EQ(peq::gainStepTruncated(kInf), 120);
    struct QCase
    {
        double value;
        int step;
    };
    for (const QCase c : {QCase{10.9, 10}, QCase{-4, 0}, QCase{250, 100}, QCase{kNaN, 0}, QCase{kInf, 100}}) {
        EXPECT_EQ(peq::qStepFromValue(c.value), c.step) << c.value;
    }
    EXPECT_EQ(peq::qText(-3), "0.40") << "the table is never read outside 0..100";
    EXPECT_EQ(peq::qText(300), "128.00");
}

// A loaded band's frequency (its index's frequency as a float) reads the
// same step as the values beside it, and a step shows its frequency's text.
TEST(PeqBoxRules, LoadedFrequenciesAndStepTexts)
{
    for (int i = 0; i <= qx::kFreqIndexMax; ++i) {
        const double hz = static_cast<float>(IndexToFreq(i));
        const int step = peq::frequencyStepFromHz(hz);
        EXPECT_EQ(step, peq::frequencyStepFromHz(std::nextafter(hz, kInf))) << i;
        EXPECT_EQ(step, peq::frequencyStepFromHz(std::nextafter(hz, 0.0))) << i;
    }
    for (int step = peq::kFrequencyStepMin - 2; step <= peq::kFrequencyStepMax + 2; ++step) {
        EXPECT_EQ(peq::frequencyStepText(step), peq::frequencyText(peq::frequencyOfStep(step))) << step;
    }
}

} // namespace
