#include "platform/text/DateTime.h"

#include "platform/text/EConvertError.h"

#include <array>
#include <cctype>
#include <chrono>
#include <cmath>

namespace {

namespace chr = std::chrono;

constexpr std::int64_t kMsPerDay = 86400000;
// Days from 30 December 1899 to 1 January 1970.
constexpr int kUnixDayOffset = 25569;
// Day numbers of 1 January 0001 and 31 December 9999.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kLastDay = 2958465;

constexpr std::array<const char*, 12> kShortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 12> kLongMonths = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

constexpr std::string_view kShortDateFormat = "m/d/yyyy";
constexpr std::string_view kLongDateFormat = "dddd, mmmm d, yyyy";
constexpr std::string_view kShortTimeFormat = "h:nn AMPM";
constexpr std::string_view kLongTimeFormat = "h:nn:ss AMPM";

// Largest magnitude whose milliseconds fit a 64-bit count.
constexpr double kLargestSplitValue = 1e11;

// The day number (whole days from 30 December 1899) and the millisecond of the day.
bool SplitDays(TDateTime value, std::int64_t& day, std::int64_t& msOfDay)
{
    if (!(std::fabs(value) < kLargestSplitValue))
        return false;
    const std::int64_t ms = std::llround(value * static_cast<double>(kMsPerDay));
    day = ms / kMsPerDay;
    msOfDay = (ms < 0 ? -ms : ms) % kMsPerDay;
    return true;
}

void SetTimeFields(std::int64_t ms, TDateTimeFields& fields)
{
    fields.hour = static_cast<int>(ms / 3600000);
    fields.minute = static_cast<int>(ms / 60000 % 60);
    fields.second = static_cast<int>(ms / 1000 % 60);
    fields.millisecond = static_cast<int>(ms % 1000);
}

std::int64_t DayNumber(int year, int month, int day)
{
    const chr::sys_days days{chr::year{year} / chr::month{static_cast<unsigned>(month)} /
                             chr::day{static_cast<unsigned>(day)}};
    return days.time_since_epoch().count() + kUnixDayOffset;
}

std::string Padded(int value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i])
            return false;
    return true;
}

// Writes one pattern; nested for the composite letters (c, ddddd, t ...).
class DateTimeWriter {
public:
    explicit DateTimeWriter(const TDateTimeFields& f) : f_(f) {}

    void Write(std::string_view pattern, std::string& out, int depth = 0)
    {
        if (depth > 2)
            return;
        const bool twelveHour = UsesTwelveHourClock(pattern);
        bool afterHour = false;
        std::size_t i = 0;
        while (i < pattern.size()) {
            const char c = pattern[i];
            const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const std::size_t run = RunLength(pattern, i, lower);
            if (c == '"' || c == '\'') {
                const std::size_t end = pattern.find(c, i + 1);
                out.append(pattern.substr(i + 1, end == std::string_view::npos ? std::string_view::npos : end - i - 1));
                i = end == std::string_view::npos ? pattern.size() : end + 1;
                continue;
            }
            if (lower == 'a' && WriteHalfDay(pattern, i, out))
                continue;
            switch (lower) {
            case 'c':
                Write(kShortDateFormat, out, depth + 1);
                if (f_.hour != 0 || f_.minute != 0 || f_.second != 0 || f_.millisecond != 0) {
                    out += ' ';
                    Write(kLongTimeFormat, out, depth + 1);
                }
                i += 1;
                break;
            case 'd':
                WriteDay(std::min<std::size_t>(run, 6), out, depth);
                i += std::min<std::size_t>(run, 6);
                break;
            case 'm':
                if (afterHour && run <= 2)
                    out += Padded(f_.minute, static_cast<int>(run));
                else if (run <= 2)
                    out += Padded(f_.month, static_cast<int>(run));
                else
                    out += (run == 3 ? kShortMonths : kLongMonths)[static_cast<std::size_t>(f_.month - 1)];
                i += std::min<std::size_t>(run, 4);
                break;
            case 'y':
                out += run <= 2 ? Padded(f_.year % 100, 2) : Padded(f_.year, 4);
                i += std::min<std::size_t>(run, 4);
                break;
            case 'h': {
                int hour = f_.hour;
                if (twelveHour) {
                    hour %= 12;
                    if (hour == 0)
                        hour = 12;
                }
                out += Padded(hour, run >= 2 ? 2 : 1);
                i += std::min<std::size_t>(run, 2);
                afterHour = true;
                continue;
            }
            case 'n':
                out += Padded(f_.minute, run >= 2 ? 2 : 1);
                i += std::min<std::size_t>(run, 2);
                break;
            case 's':
                out += Padded(f_.second, run >= 2 ? 2 : 1);
                i += std::min<std::size_t>(run, 2);
                break;
            case 'z':
                out += Padded(f_.millisecond, run >= 3 ? 3 : 1);
                i += run >= 3 ? 3 : 1;
                break;
            case 't':
                Write(run >= 2 ? kLongTimeFormat : kShortTimeFormat, out, depth + 1);
                i += std::min<std::size_t>(run, 2);
                break;
            case '/':
                out += kDateSeparator;
                i += 1;
                break;
            case ':':
                out += kTimeSeparator;
                i += 1;
                break;
            default:
                out += c;
                i += 1;
                break;
            }
            afterHour = afterHour && (lower == ' ' || lower == ':');
        }
    }

private:
    static std::size_t RunLength(std::string_view pattern, std::size_t at, char lower)
    {
        std::size_t n = 0;
        while (at + n < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[at + n])) == lower)
            ++n;
        return n;
    }

    static bool UsesTwelveHourClock(std::string_view pattern)
    {
        for (std::size_t i = 0; i < pattern.size(); ++i)
            if (StartsWithNoCase(pattern, i, "am/pm") || StartsWithNoCase(pattern, i, "a/p") ||
                StartsWithNoCase(pattern, i, "ampm"))
                return true;
        return false;
    }

    bool WriteHalfDay(std::string_view pattern, std::size_t& i, std::string& out) const
    {
        const bool pm = f_.hour >= 12;
        if (StartsWithNoCase(pattern, i, "am/pm")) {
            out += pm ? "pm" : "am";
            i += 5;
        } else if (StartsWithNoCase(pattern, i, "a/p")) {
            out += pm ? "p" : "a";
            i += 3;
        } else if (StartsWithNoCase(pattern, i, "ampm")) {
            out += pm ? "PM" : "AM";
            i += 4;
        } else {
            return false;
        }
        return true;
    }

    void WriteDay(std::size_t run, std::string& out, int depth)
    {
        const auto weekday = static_cast<std::size_t>(f_.dayOfWeek - 1);
        switch (run) {
        case 1: case 2: out += Padded(f_.day, static_cast<int>(run)); break;
        case 3: out += kShortDays[weekday]; break;
        case 4: out += kLongDays[weekday]; break;
        case 5: Write(kShortDateFormat, out, depth + 1); break;
        default: Write(kLongDateFormat, out, depth + 1); break;
        }
    }

    const TDateTimeFields& f_;
};

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool DecodeDateTime(TDateTime value, TDateTimeFields& fields)
{
    fields = {};
    std::int64_t day = 0;
    std::int64_t ms = 0;
    if (!SplitDays(value, day, ms) || day < kFirstDay || day > kLastDay)
        return false;
    const chr::sys_days days{chr::days{day - kUnixDayOffset}};
    const chr::year_month_day ymd{days};
    fields.year = static_cast<int>(ymd.year());
    fields.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    fields.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    fields.dayOfWeek = static_cast<int>(chr::weekday{days}.c_encoding()) + 1;
    SetTimeFields(ms, fields);
    return true;
}

bool DecodeTime(TDateTime value, TDateTimeFields& fields)
{
    fields = {};
    std::int64_t day = 0;
    std::int64_t ms = 0;
    if (!SplitDays(value, day, ms))
        return false;
    SetTimeFields(ms, fields);
    return true;
}

TDateTime IncMonth(TDateTime value, int months)
{
    TDateTimeFields f;
    if (!DecodeDateTime(value, f))
        throw EConvertError("Invalid argument to date encode");
    const std::int64_t monthIndex = static_cast<std::int64_t>(f.year) * 12 + (f.month - 1) + months;
    const std::int64_t year = monthIndex >= 0 ? monthIndex / 12 : -1;
    if (year < 1 || year > 9999)
        throw EConvertError("Invalid argument to date encode");
    const int month = static_cast<int>(monthIndex % 12) + 1;
    const int day = std::min(f.day, DaysInAMonth(static_cast<int>(year), month));
    const double days = static_cast<double>(DayNumber(static_cast<int>(year), month, day));
    const double time = std::fabs(value - std::trunc(value));
    return days >= 0 ? days + time : days - time;
}

std::string FormatDateTime(std::string_view pattern, TDateTime value)
{
    TDateTimeFields f;
    if (!DecodeDateTime(value, f))
        throw EConvertError("Invalid argument to date encode");
    std::string out;
    DateTimeWriter(f).Write(pattern.empty() ? std::string_view("c") : pattern, out);
    return out;
}
