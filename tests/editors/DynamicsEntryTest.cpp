// What a typed compressor, limiter or gate value means, and the transfer
// curves the plots are given: the typed rules as tables of cases, the curve
// points for representative thresholds, ratios and knees.

#include "codec/SharedConstants.h"
#include "editors/channel/DynamicsCurve.h"
#include "editors/channel/DynamicsEntry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using qx::CurvePoint;

struct Entry
{
    std::string typed;
    std::optional<long double> value;
};

const std::optional<long double> refused;

template <class Rule> void check(const std::vector<Entry>& table, Rule rule)
{
    for (const Entry& e : table) {
        const std::optional<long double> got = rule(e.typed);
        ASSERT_EQ(got.has_value(), e.value.has_value()) << '"' << e.typed << '"';
        if (got) {
            EXPECT_NEAR(static_cast<double>(*got), static_cast<double>(*e.value), 1e-9) << '"' << e.typed << '"';
        }
    }
}

// The threshold's 0.5 dB grid: the first decimal 6-9 kept, 0-4 dropped, 5 as typed.
TEST(DynamicsEntryTest, ThresholdEntries)
{
    check({{"-3.7", -7.4},    {"-3.5", -7},      {"3.4", 6},       {"3.9", 7.8},     {"25", 40},
           {"+25dB", 40},     {"-100", -180},    {"-90", -180},    {"0", 0},         {"+07.1", 14},
           {"-3.2", -6},      {"3.57", 7.14},    {"3.69", 7.2},    {"1,5", 2},       {"-3.7DB", -7.4},
           {" -4", -8},       {"20.0", 40},
           {"--3", refused},  {"3..5", refused}, {"3.", refused},  {"abc", refused}, {"", refused},
           {"-", refused},    {".", refused},    {"5%", refused},  {"3.,", refused}, {"3.-", refused},
           {".3", refused},   {"-.2", refused},  {"1,2.3", refused}},
          [](const std::string& t) { return qx::decibelEntry(t, -90, 20, 2); });
}

TEST(DynamicsEntryTest, KneeEntries)
{
    check({{"6.7", 6.7}, {"6.2", 6}, {"-3", 0}, {"99", 12}, {"4dB", 4}, {"6.5", 6.5}, {"x", refused}},
          [](const std::string& t) { return qx::decibelEntry(t, 0, 12, 1); });
}

// Attack: ms x 10 - 1, within 0.1..999.9 ms.
TEST(DynamicsEntryTest, FineTimeEntries)
{
    check({{"0", 0},          {"1000", 9998},   {"5", 49},       {"5ms", 49},      {"12.3", 122},
           {"0.15", 0.5},     {"999.9", 9998},  {"1,5", 9},      {"50.0MS", 499},
           {"", refused},     {".", refused},   {"-5", refused}, {"5.", refused},  {"1.2.3", refused},
           {"abc", refused}},
          [](const std::string& t) { return qx::fineTimeEntry(t); });
}

// Release: whole ms within the fader's 0..2999 (1..3000 ms); huge numbers
// saturate and then clamp.
TEST(DynamicsEntryTest, WholeMillisecondEntries)
{
    const std::string huge(40, '9');
    check({{"0", 0},            {"12.7", 11},       {"99999", 2999},  {"12ms", 11},    {"1", 0},
           {"3000", 2999},      {"3001", 2999},     {huge, 2999},     {" 7", 6},       {"5.", 4},
           {"", refused},       {"-3", refused},    {"abc", refused}, {"1e3", refused}},
          [](const std::string& t) { return qx::wholeMsEntry(t, 0, 2999); });
    // The gate's bounds: attack 1-999, release 10-3000, hold 10-999 ms.
    EXPECT_EQ(qx::wholeMsEntry("0", 0, 998), 0);
    EXPECT_EQ(qx::wholeMsEntry("5", 9, 2999), 9);
    EXPECT_EQ(qx::wholeMsEntry("2000", 9, 998), 998);
    EXPECT_EQ(qx::wholeMsEntry(huge, 9, 998), 998);
}

TEST(DynamicsEntryTest, RatioEntries)
{
    check({{"4", 9},           {"1:4", 9},        {"1:4dB", 9},     {"3.7", 9},       {"20.05", 15},
           {"50", 15},         {"30", 15},        {"1:20", 14},     {"1:1.0", 0},     {"0", 0},
           {"1.2", 2},         {"20.1", 15},      {"1:20.1", 15},
           {"2:1", refused},   {"1:", refused},   {":", refused},   {".", refused},   {"", refused},
           {"1::4", refused},  {"4.", refused},   {"1: 4", refused}, {"4,5", refused}, {"a", refused}},
          [](const std::string& t) { return qx::ratioEntry(t, false); });
    // The limiter's box also takes commas and blanks.
    check({{"1: 4", 9}, {"4,5", 9}, {"25", 15}, {"1:20.1", 15}, {"x", refused}},
          [](const std::string& t) { return qx::ratioEntry(t, true); });
}

// --- transfer curves ---------------------------------------------------------

struct CurveCase
{
    int threshold; // fader position, 0.5 dB
    int ratio;
    int knee;
    std::vector<CurvePoint> points;
    CurvePoint marker;
};

void expectPoints(const std::vector<CurvePoint>& got, const std::vector<CurvePoint>& want)
{
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << "point " << i;
        EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << "point " << i;
    }
}

TEST(DynamicsCurveTest, CompressorCurves)
{
    const CurveCase cases[] = {
        // -10 dB, 1:4, knee 6: the slope 1/4 above the knee, the knee one line.
        {-20, 9, 6, {{20, -2.5}, {-4, -8.5}, {-16, -16}, {-100, -100}}, {-9.8, -10.4}},
        // "Limit" at 0 dB without a knee: flat above 0 dB.
        {0, 15, 0, {{20, 0}, {0, 0}, {0, 0}, {-100, -100}}, {0.2, -0.4}},
        // 1:1 is the unity line whatever the threshold and knee.
        {-60, 0, 12, {{20, 20}, {-18, -18}, {-42, -42}, {-100, -100}}, {-29.8, -30.4}},
        // +20 dB with knee 12: the upper knee point lies beyond the scale.
        {40, 5, 12, {{20, 20}, {32, 26}, {8, 8}, {-100, -100}}, {20.2, 19.6}},
        // -90 dB at 1:20.
        {-180, 14, 0, {{20, -84.5}, {-90, -90}, {-90, -90}, {-100, -100}}, {-89.8, -90.4}},
    };
    for (const CurveCase& k : cases) {
        SCOPED_TRACE(testing::Message() << k.threshold << " " << k.ratio << " " << k.knee);
        const qx::TransferCurve curve = qx::compressorCurve(k.threshold, k.ratio, k.knee);
        expectPoints(curve.points, k.points);
        expectPoints({curve.marker}, {k.marker});
    }
}

TEST(DynamicsCurveTest, GateCurves)
{
    for (const auto& [threshold, t] : {std::pair{-80, -40.0}, std::pair{0, 0.0}, std::pair{-180, -90.0}}) {
        const qx::TransferCurve curve = qx::gateCurve(threshold);
        expectPoints(curve.points, {{20, 20}, {t, t}, {t, -100}});
        expectPoints({curve.marker}, {{t + 0.2, t - 0.4}});
    }
}

} // namespace
