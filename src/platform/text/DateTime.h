#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The class library's date-time values: days since 30 December 1899 as a
// double, the fraction being the time of day (for a negative value the
// fraction still counts forward from midnight: -1.25 is 29 December 1899,
// 06:00). The calendar is the proleptic Gregorian one, years 1 to 9999.
using TDateTime = double;

// The separators of the format settings (the program formats the C way).
inline constexpr char kDateSeparator = '/';
inline constexpr char kTimeSeparator = ':';
inline constexpr char kDecimalSeparator = '.';

// The fields of one value; a value is split at the nearest millisecond.
struct TDateTimeFields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 0;  // 1 Sunday .. 7 Saturday
};

bool IsLeapYear(int year);
// The days of a month (28 to 31); 0 for a month outside 1..12.
int DaysInAMonth(int year, int month);

// True and the fields for a value within years 1..9999; false (all fields 0)
// for a value outside them or not a number.
bool DecodeDateTime(TDateTime value, TDateTimeFields& fields);
// The time of day alone (hour to millisecond; the date fields stay 0), for
// any value of magnitude below 1e11 days, inside the calendar or not;
// false (all fields 0) for a larger value or not a number.
bool DecodeTime(TDateTime value, TDateTimeFields& fields);

// The value stepped by whole calendar months, the day held at the last day
// of a shorter month and the time of day kept. Throws EConvertError when the
// value or the result lies outside years 1..9999.
TDateTime IncMonth(TDateTime value, int months);

// The class library's date-time formatting. Pattern letters (any case):
// c (short date, then the long time unless it is midnight), d dd (day),
// ddd dddd (day name), ddddd (short date "m/d/yyyy"), dddddd (long date),
// m mm (month, or minutes right after an hour), mmm mmmm (month name), yy
// yyyy (year), h hh (hour), n nn (minute), s ss (second), z zzz
// (millisecond), t (short time "h:nn AMPM"), tt (long time "h:nn:ss AMPM"),
// am/pm a/p ampm (12-hour clock), "/" and ":" (the separators); text in
// quotes is copied without them, any other character as it stands.
// Throws EConvertError for a value outside years 1..9999.
std::string FormatDateTime(std::string_view pattern, TDateTime value);
