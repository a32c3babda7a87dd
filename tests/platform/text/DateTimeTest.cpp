#include "platform/text/DateTime.h"

#include "platform/text/EConvertError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Day numbers that other programs using the same day count agree on (spreadsheet serial
// numbers are equal from March 1900 on).
struct DayCase {
    double value;
    int year, month, day, hour, minute, second, millisecond, dayOfWeek;
};

TEST(DateTime, DecodesKnownDayNumbers)
{
    const DayCase cases[] = {
        {0, 1899, 12, 30, 0, 0, 0, 0, 7},
        {1, 1899, 12, 31, 0, 0, 0, 0, 1},
        {36526, 2000, 1, 1, 0, 0, 0, 0, 7},
        {45351, 2024, 2, 29, 0, 0, 0, 0, 5},
        {45351.5, 2024, 2, 29, 12, 0, 0, 0, 5},
        {-693593, 1, 1, 1, 0, 0, 0, 0, 2},
        {2958465.999, 9999, 12, 31, 23, 58, 33, 600, 6},
        {-1.25, 1899, 12, 29, 6, 0, 0, 0, 6},           // the fraction still counts from midnight
        {-0.25, 1899, 12, 30, 6, 0, 0, 0, 7},
        {0.99999999999, 1899, 12, 31, 0, 0, 0, 0, 1},   // rounded to the millisecond
        {1.0 / 86400000 * 1234, 1899, 12, 30, 0, 0, 1, 234, 7},
    };
    for (const DayCase& c : cases) {
        TDateTimeFields f;
        ASSERT_TRUE(DecodeDateTime(c.value, f)) << c.value;
        EXPECT_EQ(f.year, c.year) << c.value;
        EXPECT_EQ(f.month, c.month) << c.value;
        EXPECT_EQ(f.day, c.day) << c.value;
        EXPECT_EQ(f.hour, c.hour) << c.value;
        EXPECT_EQ(f.minute, c.minute) << c.value;
        EXPECT_EQ(f.second, c.second) << c.value;
        EXPECT_EQ(f.millisecond, c.millisecond) << c.value;
        EXPECT_EQ(f.dayOfWeek, c.dayOfWeek) << c.value;
    }
}

TEST(DateTime, ValuesOutsideTheCalendarDecodeToNothing)
{
    for (const double value : {-693594.0, 2958466.0, 1e12, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()}) {
        TDateTimeFields f;
        f.year = 5;
        EXPECT_FALSE(DecodeDateTime(value, f)) << value;
        EXPECT_EQ(f.year, 0) << value;
    }
    TDateTimeFields t;
    ASSERT_TRUE(DecodeTime(5e6 + 0.75, t)) << "the time of day of a value beyond the calendar";
    EXPECT_EQ(t.hour, 18);
    EXPECT_EQ(t.year, 0);
    EXPECT_FALSE(DecodeTime(2e11, t));
}

TEST(DateTime, MonthLengthsAndLeapYears)
{
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInAMonth(2023, 2), 28);
    EXPECT_EQ(DaysInAMonth(2023, 4), 30);
    EXPECT_EQ(DaysInAMonth(2023, 12), 31);
    EXPECT_EQ(DaysInAMonth(2023, 0), 0);
    EXPECT_EQ(DaysInAMonth(2023, 13), 0);
}

TEST(DateTime, IncMonthHoldsTheDayAtAShorterMonthsEnd)
{
    struct Case { double from; int months; double to; };
    const Case cases[] = {
        {36556, 1, 36585},             // 31 Jan 2000 -> 29 Feb 2000
        {36556.25, 1, 36585.25},       // the time of day is kept
        {36556, 13, 36950},            // -> 28 Feb 2001
        {36526, -1, 36495},            // 1 Jan 2000 -> 1 Dec 1999
        {36526, -12 * 101, -363},      // 1 Jan 1899
        {45351, 12, 45716},            // 29 Feb 2024 -> 28 Feb 2025
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(IncMonth(c.from, c.months), c.to) << c.from << " + " << c.months;
    EXPECT_THROW(IncMonth(2958465, 1), EConvertError) << "beyond year 9999";
    EXPECT_THROW(IncMonth(-693593, -1), EConvertError) << "before year 1";
}

TEST(DateTime, FormatsThePatternLetters)
{
    const double value = 45351 + (13 * 3600 + 5 * 60 + 9) / 86400.0 + 0.042 / 86400;  // Thu 29 Feb 2024 13:05:09.042
    struct Case { const char* pattern; const char* text; };
    const Case cases[] = {
        {"hh:nn:ss", "13:05:09"},
        {"h:n:s.z", "13:5:9.42"},
        {"hh:nn:ss.zzz", "13:05:09.042"},
        {"yyyy/mm/dd", "2024/02/29"},
        {"yy-m-d", "24-2-29"},
        {"ddd dddd", "Thu Thursday"},
        {"mmm mmmm", "Feb February"},
        {"ddddd", "2/29/2024"},
        {"dddddd", "Thursday, February 29, 2024"},
        {"c", "2/29/2024 1:05:09 PM"},
        {"t", "1:05 PM"},
        {"tt", "1:05:09 PM"},
        {"hh:mm", "13:05"},             // m right after an hour is the minute
        {"h am/pm", "1 pm"},
        {"h a/p", "1 p"},
        {"'day' d \"of\" m", "day 29 of 2"},
        {"HH:NN", "13:05"},
        {"x-#", "x-#"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(c.pattern, value), c.text) << c.pattern;
    EXPECT_EQ(FormatDateTime("c", 45351), "2/29/2024") << "midnight leaves the time out";
    EXPECT_EQ(FormatDateTime("hh:nn", 0.5), "12:00");
    EXPECT_THROW(FormatDateTime("hh:nn", 3e6), EConvertError);
    EXPECT_THROW(FormatDateTime("hh:nn", std::nan("")), EConvertError);
}

} // namespace
