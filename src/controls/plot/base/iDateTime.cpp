#include "controls/plot/base/iDateTime.h"

#include "platform/text/EConvertError.h"

#include <climits>
#include <cmath>
#include <string>

namespace iDateTime {

namespace {

constexpr int kDateDelta = 693594;
constexpr int kMsPerDay = 86400000;

TDateTimeFields DateFields(TDateTime Value)
{
    TDateTimeFields f;
    DecodeDateTime(Value, f);
    return f;
}

TDateTimeFields TimeFields(TDateTime Value)
{
    TDateTimeFields f;
    DecodeTime(Value, f);
    return f;
}

/// Whole days of the span times the unit plus the time part, or TooLarge when the count is
/// negative or does not fit 32 bits.
int SpanCount(TDateTime Span, long long UnitsPerDay, long long TimePart, int TooLarge)
{
    const double days = std::trunc(Span + 1e-15);
    if (!std::isfinite(days) || std::fabs(days) * static_cast<double>(UnitsPerDay) > 4.0e18)
        return TooLarge;
    const long long count = static_cast<long long>(days) * UnitsPerDay + TimePart;
    if (count < 0 || count > INT_MAX)
        return TooLarge;
    return static_cast<int>(count);
}

std::string FieldText(Word NewValue, int OldValue, bool Unknown)
{
    if (NewValue != kKeep)
        return std::to_string(NewValue);
    return Unknown ? "?" : std::to_string(OldValue);
}

} // namespace

bool LeapYear(Word Year) { return IsLeapYear(Year); }

bool TryMakeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Time)
{
    if (Hour >= 24 || Min >= 60 || Sec >= 60 || MSec >= 1000)
        return false;
    Time = (Hour * 3600000.0 + Min * 60000.0 + Sec * 1000.0 + MSec) / kMsPerDay;
    return true;
}

bool TryMakeDate(Word Year, Word Month, Word Day, TDateTime& Date)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month))
        return false;
    int dayOfYear = Day;
    for (int m = 1; m < Month; ++m)
        dayOfYear += DaysInAMonth(Year, m);
    const int y = Year - 1;
    Date = static_cast<double>(y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - kDateDelta);
    return true;
}

bool TryMakeDateTime(Word Year, Word Month, Word Day, Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Value)
{
    TDateTime date = 0;
    TDateTime time = 0;
    if (!TryMakeDate(Year, Month, Day, date) || !TryMakeTime(Hour, Min, Sec, MSec, time))
        return false;
    Value = date + time;
    return true;
}

Word YearOfDate(TDateTime Value) { return static_cast<Word>(DateFields(Value).year); }
Word MonthOfDate(TDateTime Value) { return static_cast<Word>(DateFields(Value).month); }
Word DayOfDate(TDateTime Value) { return static_cast<Word>(DateFields(Value).day); }
Word HourOfTime(TDateTime Value) { return static_cast<Word>(TimeFields(Value).hour); }
Word MinuteOfTime(TDateTime Value) { return static_cast<Word>(TimeFields(Value).minute); }
Word SecondOfTime(TDateTime Value) { return static_cast<Word>(TimeFields(Value).second); }
Word MillisecondOfTime(TDateTime Value) { return static_cast<Word>(TimeFields(Value).millisecond); }

void SplitDateTime(TDateTime Value, Word& Year, Word& Month, Word& Day, Word& Hour, Word& Min, Word& Sec,
                   Word& MSec)
{
    const TDateTimeFields d = DateFields(Value);
    const TDateTimeFields t = TimeFields(Value);
    Year = static_cast<Word>(d.year);
    Month = static_cast<Word>(d.month);
    Day = static_cast<Word>(d.day);
    Hour = static_cast<Word>(t.hour);
    Min = static_cast<Word>(t.minute);
    Sec = static_cast<Word>(t.second);
    MSec = static_cast<Word>(t.millisecond);
}

TDateTime AddYears(TDateTime Value, int Years) { return IncMonth(Value, Years * 12); }

TDateTime ReplaceYear(TDateTime Value, Word Year) { return ReplaceFields(Value, Year, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep); }
TDateTime ReplaceMonth(TDateTime Value, Word Month) { return ReplaceFields(Value, kKeep, Month, kKeep, kKeep, kKeep, kKeep, kKeep); }
TDateTime ReplaceDay(TDateTime Value, Word Day) { return ReplaceFields(Value, kKeep, kKeep, Day, kKeep, kKeep, kKeep, kKeep); }

bool TryReplaceFields(TDateTime Value, Word Year, Word Month, Word Day, Word Hour, Word Min, Word Sec, Word MSec,
                      TDateTime& Result)
{
    Word y, m, d, h, n, s, z;
    SplitDateTime(Value, y, m, d, h, n, s, z);
    const auto pick = [](Word given, Word old) { return given != kKeep ? given : old; };
    return TryMakeDateTime(pick(Year, y), pick(Month, m), pick(Day, d), pick(Hour, h), pick(Min, n), pick(Sec, s),
                           pick(MSec, z), Result);
}

TDateTime ReplaceFields(TDateTime Value, Word Year, Word Month, Word Day, Word Hour, Word Min, Word Sec, Word MSec)
{
    TDateTime result = 0;
    if (TryReplaceFields(Value, Year, Month, Day, Hour, Min, Sec, MSec, result))
        return result;
    const TDateTimeFields d = DateFields(Value);
    const TDateTimeFields t = TimeFields(Value);
    const bool unknown = Value == 0;
    const std::string text = FieldText(Year, d.year, unknown) + kDateSeparator + FieldText(Month, d.month, unknown) +
                             kDateSeparator + FieldText(Day, d.day, unknown) + ' ' + FieldText(Hour, t.hour, unknown) +
                             kTimeSeparator + FieldText(Min, t.minute, unknown) + kTimeSeparator +
                             FieldText(Sec, t.second, unknown) + kDecimalSeparator +
                             FieldText(MSec, t.millisecond, unknown);
    throw EConvertError("''" + text + "'' is not a valid date and time");
}

int SpanMilliseconds(TDateTime Span)
{
    const TDateTimeFields t = TimeFields(Span);
    return SpanCount(Span, kMsPerDay, t.hour * 3600000LL + t.minute * 60000LL + t.second * 1000LL + t.millisecond,
                     INT_MAX);
}

int SpanSeconds(TDateTime Span)
{
    const TDateTimeFields t = TimeFields(Span);
    return SpanCount(Span, 86400, t.hour * 3600LL + t.minute * 60LL + t.second, INT_MAX);
}

int SpanMinutes(TDateTime Span)
{
    const TDateTimeFields t = TimeFields(Span);
    return SpanCount(Span, 1440, t.hour * 60LL + t.minute, 10000);
}

int SpanHours(TDateTime Span)
{
    const TDateTimeFields t = TimeFields(Span);
    return SpanCount(Span, 24, t.hour, INT_MAX);
}

} // namespace iDateTime
