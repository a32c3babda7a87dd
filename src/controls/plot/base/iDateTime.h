#pragma once
// The plot library's calendar routines for date-time axes: fields of a date-time value
// (days since 30 December 1899, the fraction the time of day), replacing single fields,
// stepping by years, validity tests, and how many milliseconds, seconds, minutes or hours a
// span holds. Fields are 16-bit; in the replace routines 65535 leaves a field as it is.

#include "platform/text/DateTime.h"

#include <cstdint>

namespace iDateTime {

using Word = std::uint16_t;
/// A field value that leaves the field unchanged.
inline constexpr Word kKeep = 65535;

bool LeapYear(Word Year);
bool TryMakeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Time);
bool TryMakeDate(Word Year, Word Month, Word Day, TDateTime& Date);
bool TryMakeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Value);

Word YearOfDate(TDateTime Value);
Word MonthOfDate(TDateTime Value);
Word DayOfDate(TDateTime Value);
Word HourOfTime(TDateTime Value);
Word MinuteOfTime(TDateTime Value);
Word SecondOfTime(TDateTime Value);
Word MillisecondOfTime(TDateTime Value);
void SplitDateTime(TDateTime Value, Word& Year, Word& Month, Word& Day, Word& Hour, Word& Min, Word& Sec,
                   Word& MSec);

/// Calendar-month stepping by Years * 12 months (the day held at a shorter month's end).
TDateTime AddYears(TDateTime Value, int Years);
TDateTime ReplaceYear(TDateTime Value, Word Year);
TDateTime ReplaceMonth(TDateTime Value, Word Month);
TDateTime ReplaceDay(TDateTime Value, Word Day);
bool TryReplaceFields(TDateTime Value, Word Year, Word Month, Word Day, Word Hour, Word Min, Word Sec, Word MSec,
                      TDateTime& Result);
/// As TryReplaceFields; fields that make no valid date and time raise EConvertError
/// "''y/m/d h:n:s.z'' is not a valid date and time", each field the new value when given,
/// else the old field of Value ("?" when Value is 0).
TDateTime ReplaceFields(TDateTime Value, Word Year, Word Month, Word Day, Word Hour, Word Min, Word Sec,
                        Word MSec);

/// Whole units a span of days holds: the whole days (with 1e-15 added against a day stored
/// just below the integer) plus the time fields. Counted in 64 bits; a count that is negative
/// or beyond the 32-bit range gives 2147483647 (10000 for minutes).
int SpanMilliseconds(TDateTime Span);
int SpanSeconds(TDateTime Span);
int SpanMinutes(TDateTime Span);
int SpanHours(TDateTime Span);

} // namespace iDateTime
