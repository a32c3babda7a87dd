// The plot library's calendar routines: making and splitting values, replacing fields,
// stepping by years, and the span counters with their too-large answers.

#include "controls/plot/base/iDateTime.h"

#include "platform/text/EConvertError.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace iDateTime;

TEST(PlotDateTime, LeapYears)
{
    EXPECT_FALSE(LeapYear(1900));
    EXPECT_TRUE(LeapYear(2000));
    EXPECT_TRUE(LeapYear(2024));
    EXPECT_FALSE(LeapYear(2023));
}

TEST(PlotDateTime, MakesDatesAndTimes)
{
    struct Case { Word y, m, d; bool ok; double value; };
    const Case dates[] = {
        {1899, 12, 30, true, 0},     {1899, 12, 31, true, 1},  {2000, 1, 1, true, 36526},
        {2024, 2, 29, true, 45351},  {1, 1, 1, true, -693593}, {9999, 12, 31, true, 2958465},
        {2023, 2, 29, false, 0},     {2023, 4, 31, false, 0},  {0, 1, 1, false, 0},
        {10000, 1, 1, false, 0},     {2023, 0, 1, false, 0},   {2023, 13, 1, false, 0},
        {2023, 1, 0, false, 0},
    };
    for (const Case& c : dates) {
        TDateTime value = -1;
        EXPECT_EQ(TryMakeDate(c.y, c.m, c.d, value), c.ok) << c.y << "-" << c.m << "-" << c.d;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.y << "-" << c.m << "-" << c.d;
        }
    }
    struct TimeCase { Word h, n, s, z; bool ok; double value; };
    const TimeCase times[] = {
        {12, 0, 0, 0, true, 0.5},  {6, 0, 0, 0, true, 0.25}, {23, 59, 59, 999, true, 86399999.0 / 86400000},
        {24, 0, 0, 0, false, 0},   {0, 60, 0, 0, false, 0},  {0, 0, 60, 0, false, 0},
        {0, 0, 0, 1000, false, 0},
    };
    for (const TimeCase& c : times) {
        TDateTime value = -1;
        EXPECT_EQ(TryMakeTime(c.h, c.n, c.s, c.z, value), c.ok) << c.h << ":" << c.n << ":" << c.s << "." << c.z;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(value, c.value);
        }
    }
    TDateTime value = 0;
    ASSERT_TRUE(TryMakeDateTime(2024, 2, 29, 18, 0, 0, 0, value));
    EXPECT_DOUBLE_EQ(value, 45351.75);
    EXPECT_FALSE(TryMakeDateTime(2024, 2, 30, 18, 0, 0, 0, value));
    EXPECT_FALSE(TryMakeDateTime(2024, 2, 28, 25, 0, 0, 0, value));
}

TEST(PlotDateTime, SplitsFields)
{
    const double value = 45351 + (13 * 3600 + 5 * 60 + 9) / 86400.0 + 0.042 / 86400;
    Word y, m, d, h, n, s, z;
    SplitDateTime(value, y, m, d, h, n, s, z);
    EXPECT_EQ((std::vector<int>{y, m, d, h, n, s, z}), (std::vector<int>{2024, 2, 29, 13, 5, 9, 42}));
    EXPECT_EQ(YearOfDate(value), 2024);
    EXPECT_EQ(MonthOfDate(value), 2);
    EXPECT_EQ(DayOfDate(value), 29);
    EXPECT_EQ(HourOfTime(value), 13);
    EXPECT_EQ(MinuteOfTime(value), 5);
    EXPECT_EQ(SecondOfTime(value), 9);
    EXPECT_EQ(MillisecondOfTime(value), 42);
}

TEST(PlotDateTime, ReplacesFieldsAndStepsYears)
{
    const double jan31 = 36556.5;  // 31 January 2000, 12:00
    struct Case { const char* what; double result; double expected; };
    const Case cases[] = {
        {"year", ReplaceYear(jan31, 2001), 36922.5},
        {"day", ReplaceDay(jan31, 1), 36526.5},
        {"month of a first", ReplaceMonth(ReplaceDay(jan31, 1), 3), 36586.5},
        {"hour only", ReplaceFields(jan31, kKeep, kKeep, kKeep, 6, kKeep, kKeep, kKeep), 36556.25},
        {"every field", ReplaceFields(jan31, 2024, 2, 29, 0, 0, 0, 0), 45351},
        {"years on a leap day", AddYears(45351, 1), 45716},
        {"years back", AddYears(36526.25, -100), 2.25},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(c.result, c.expected) << c.what;
    TDateTime result = 0;
    EXPECT_FALSE(TryReplaceFields(jan31, kKeep, 2, kKeep, kKeep, kKeep, kKeep, kKeep, result));
}

TEST(PlotDateTime, AnInvalidReplacementNamesEveryField)
{
    const auto message = [](auto f) -> std::string {
        try {
            f();
        } catch (const EConvertError& e) {
            return e.what();
        }
        return "nothing raised";
    };
    EXPECT_EQ(message([] { ReplaceMonth(36556.5, 2); }), "''2000/2/31 12:0:0.0'' is not a valid date and time")
        << "the year of the value, the new month and the old day";
    EXPECT_EQ(message([] { ReplaceFields(36556.5, 2023, 2, 29, 25, kKeep, kKeep, kKeep); }),
              "''2023/2/29 25:0:0.0'' is not a valid date and time");
    EXPECT_EQ(message([] { ReplaceDay(0, 40); }), "''?/?/40 ?:?:?.?'' is not a valid date and time")
        << "the fields of the value 0 are not shown";
}

TEST(PlotDateTime, SpanCountersCountIn64Bits)
{
    struct Case { const char* what; int count; int expected; };
    const Case cases[] = {
        {"half a day in ms", SpanMilliseconds(0.5), 43200000},
        {"a day just below 1", SpanMilliseconds(1 - 1e-16), 86400000},
        {"3 days in hours", SpanHours(3), 72},
        {"3.5 days in minutes", SpanMinutes(3.5), 5040},
        {"90 seconds", SpanSeconds(90.0 / 86400), 90},
        {"24 days in ms", SpanMilliseconds(24), 2073600000},
        // Past the 32-bit range: the too-large answers, never a wrapped small number.
        {"25 days in ms", SpanMilliseconds(25), INT_MAX},
        {"50 days in ms (a 32-bit wrap would give 25032704)", SpanMilliseconds(50), INT_MAX},
        {"30000 days in seconds", SpanSeconds(30000), INT_MAX},
        {"2000000 days in minutes", SpanMinutes(2000000), 10000},
        {"1e9 days in hours", SpanHours(1e9), INT_MAX},
        {"a negative span", SpanSeconds(-2), INT_MAX},
        {"a negative span in minutes", SpanMinutes(-2), 10000},
        {"an unmeasurable span", SpanHours(1e300), INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.count, c.expected) << c.what;
}

} // namespace
