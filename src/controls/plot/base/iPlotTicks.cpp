#include "controls/plot/base/iPlotTicks.h"

#include "controls/plot/base/iDateTime.h"
#include "controls/plot/base/iMath.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <initializer_list>

namespace {

/// Latest start of a month or year step (1 January 8999) and the longest span (100 years).
constexpr double kLastCalendarMin = 2593224;
constexpr double kLongestCalendarSpan = 36525;
/// Earliest start of a year step (1 January 1400).
constexpr double kFirstYearMin = -182625;

struct Increment
{
    double Value = 0;
    int Count = 0;
    bool MonthMode = false;
    bool YearMode = false;
};

int CountOf(double Quotient) { return static_cast<int>(std::clamp(Quotient, 0.0, static_cast<double>(INT_MAX))); }
int RoundCount(double Quotient) { return CountOf(std::nearbyint(Quotient)); }
int TruncCount(double Quotient) { return CountOf(std::trunc(Quotient)); }

/// The first of 1, 2, 5 times a power of ten whose majors fit.
Increment OneTwoFive(double Span, int N)
{
    int e = static_cast<int>(std::trunc(static_cast<double>(Log10(Span) - 1 - Log10(N))));
    for (;; ++e) {
        const auto p = static_cast<double>(Power(10, e));
        for (const double m : {1.0, 2.0, 5.0})
            if (N >= Span / (p * m))
                return {p * m, RoundCount(Span / (p * m))};
    }
}

/// Binary fractions down to 1/256 first, then 1, 2, 5 times a power of ten.
Increment ThirtySeconds(double Span, int N)
{
    for (const double step : {1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2})
        if (N >= Span / step) {
            if (const int count = TruncCount(Span / step); count != 0)
                return {step, count};
            break;
        }
    for (int i = 0;; ++i) {
        const double h = std::trunc(static_cast<double>(Power(10, i)));
        for (const double step : {h, 2 * h, 5 * h})
            if (N >= Span / step)
                return {step, TruncCount(Span / step)};
    }
}

struct CalendarRow
{
    double Units;        // the span counted in the row's unit
    double DaysPerUnit;  // one unit in days
    std::initializer_list<int> Steps;
};

/// The first calendar step whose count of majors fits: milliseconds up to half a
/// second, seconds, minutes, hours, days and weeks, months (month mode), years (year mode).
Increment Calendar(double Span, int N)
{
    using namespace iDateTime;
    const double days = std::trunc(Span);
    const std::array<CalendarRow, 5> rows = {{
        {static_cast<double>(SpanMilliseconds(Span)), 1.0 / 86400000, {1, 2, 5, 10, 20, 50, 100, 200, 500}},
        {static_cast<double>(SpanSeconds(Span)), 1.0 / 86400, {1, 2, 5, 10, 15, 20, 30}},
        {static_cast<double>(SpanMinutes(Span)), 1.0 / 1440, {1, 2, 5, 10, 15, 20, 30}},
        {static_cast<double>(SpanHours(Span)), 1.0 / 24, {1, 2, 4, 6, 12}},
        {days, 1.0, {1, 7, 14}},
    }};
    const auto fits = [N](double n, double per) { return N - 1 >= std::trunc(n / per); };
    const auto count = [](double n, double per) { return std::max(1, TruncCount(n / per)); };
    for (const CalendarRow& row : rows)
        for (const int s : row.Steps)
            if (fits(row.Units, s))
                return {s * row.DaysPerUnit, count(row.Units, s)};
    for (const auto& [daysPerStep, months] : {std::pair{31, 1}, {61, 2}, {92, 3}, {183, 6}})
        if (fits(days, daysPerStep))
            return {static_cast<double>(months), count(days, daysPerStep), true, false};
    for (int i = 0;; ++i) {
        const double o = std::trunc(static_cast<double>(Power(10, i)));
        for (const auto& [daysPerYear, years] : {std::pair{365.0, 1.0}, {730.0, 2.0}, {1825.0, 5.0}})
            if (fits(days, daysPerYear * o))
                return {years * o, count(days, daysPerYear * o), false, true};
    }
}

class TickWriter
{
public:
    TickWriter(const TiPlotAxisScale& Scale, const TiPlotLabelText& LabelText, std::vector<TiPlotTickObject>& Ticks)
        : scale_(Scale), labelText_(LabelText), ticks_(Ticks)
    {
    }

    /// An automatic tick: only on the scale (and above 0 on a logarithmic one).
    void Add(TiPlotTickType Type, double Value)
    {
        if (!scale_.PointOnScale(Value) || (scale_.ScaleType == ipstLog10 && !(Value > 0)))
            return;
        TiPlotTickObject tick;
        tick.TickType = Type;
        tick.Position = Value;
        if (Type == ipttMajor && labelText_)
            tick.Text = labelText_(Value);
        ticks_.push_back(std::move(tick));
    }
    bool Full() const { return ticks_.size() > static_cast<std::size_t>(kMaxPlotTicks); }
    /// The runaway answer: one major in the middle of the range.
    void MiddleOnly()
    {
        ticks_.clear();
        Add(ipttMajor, scale_.Min + scale_.Span / 2);
    }

private:
    const TiPlotAxisScale& scale_;
    const TiPlotLabelText& labelText_;
    std::vector<TiPlotTickObject>& ticks_;
};

/// Decades (or steps of several decades) with minors at 2..9 when every decade is shown.
void LogTicks(const TiPlotAxisScale& Scale, int N, TickWriter& Writer)
{
    const double m = Scale.Min > 0 ? Scale.Min : 1;
    const long double d = Log10(m + (Scale.Span > 0 ? Scale.Span : 1)) - Log10(m);
    int step = 1;
    long double e = std::trunc(Log10(m)) - 1;
    if (N < d) {
        step = 200;
        for (const int s : {2, 5, 10, 20, 50, 100, 200})
            if (N >= d / s) {
                step = s;
                break;
            }
        e = std::trunc(Log10(m));
    }
    const double top = m + Scale.Span;
    for (double decade = static_cast<double>(Power(10, e)); top >= decade;
         e += step, decade = static_cast<double>(Power(10, e))) {
        Writer.Add(ipttMajor, decade);
        if (step == 1)
            for (int k = 2; k <= 9; ++k)
                Writer.Add(ipttMinor, k * decade);
    }
}

/// The first major of a month or year step, with Min and Span held within the calendar.
double CalendarStart(TiPlotAxisScale& Scale, Increment& Inc)
{
    using namespace iDateTime;
    Scale.Min = std::min(std::max(Scale.Min, Inc.YearMode ? kFirstYearMin : 0.0), kLastCalendarMin);
    Scale.Span = std::min(Scale.Span, kLongestCalendarSpan);
    Scale.UpdatePixelsPerSpanUnit();
    Inc.Value = std::max(Inc.Value, 1.0);
    const int k = static_cast<int>(std::nearbyint(std::min(Inc.Value, 1e6)));
    if (Inc.MonthMode) {
        const TDateTime first = ReplaceDay(Scale.Min, 1);
        const int month = std::max(1, MonthOfDate(Scale.Min) / k * k);
        return IncMonth(ReplaceMonth(first, static_cast<Word>(month)), -k);
    }
    int year = YearOfDate(Scale.Min);
    if (k != 0)
        year = year / k * k;
    // Month and day first, so that a minimum on 29 February takes any year.
    const TDateTime newYear = ReplaceFields(Scale.Min, kKeep, 1, 1, kKeep, kKeep, kKeep, kKeep);
    return AddYears(ReplaceYear(newYear, static_cast<Word>(year)), -k);
}

void ListTicks(TiPlotAxisScale& Scale, const TiPlotTickSettings& Settings, TickWriter& Writer, TiPlotTickList& Result)
{
    int n = std::max(1, Settings.MaxIntervals);
    if (Scale.ScaleType == ipstLog10) {
        const double m = Scale.Min > 0 ? Scale.Min : 1;
        if (Log10(m + (Scale.Span > 0 ? Scale.Span : 1)) - Log10(m) > 1) {
            LogTicks(Scale, n, Writer);
            return;
        }
    }
    const int minorCount = std::clamp(Settings.MinorCount, 0, kMaxPlotTicks);
    const double span = Scale.Span;
    const double desired = Settings.DesiredIncrement;
    Increment inc;
    if (span <= 1e-299)
        inc = {span, 1};
    if (inc.Count == 0 && desired != 0 && !Settings.LabelsVisible &&
        span / desired < static_cast<double>(Scale.AxisLengthPixels()) / (minorCount + 1)) {
        inc = {desired, RoundCount(span / desired)};
        n = inc.Count;
    }
    if (inc.Count == 0 && desired != 0 && n > span / desired) {
        inc = {desired, RoundCount(span / desired)};
        n = inc.Count;
    }
    n = std::max(n, 1);
    if (inc.Count == 0) {
        if (Settings.FormatStyle == iptfDateTime)
            inc = Calendar(span, n);
        else if (Settings.FormatStyle == iptfPrice32nds)
            inc = ThirtySeconds(span, n);
        else
            inc = OneTwoFive(span, n);
    }
    if (inc.Count < 2 && n > 1) {
        inc.Value /= 2;
        inc.Count = 2;
    }
    if (n < inc.Count) {
        inc.Count = n;
        inc.Value = span / n;
    }
    if (!(inc.Value > 0) || !std::isfinite(inc.Value)) {
        // A range without extent (only a stored span can be 0 or below): its middle.
        Writer.MiddleOnly();
        return;
    }
    Result.MonthMode = inc.MonthMode;
    Result.YearMode = inc.YearMode;
    Result.MajorIncrement = inc.Value;
    Result.MinorIncrement = inc.Value / (minorCount + 1);
    const double minorInc = Result.MinorIncrement;
    const bool minors = minorCount >= 1 && !inc.MonthMode && !inc.YearMode && minorInc != 0;

    double v = 0;
    const double desiredStart = Settings.DesiredStart;
    if (desiredStart != 0 && Scale.Min <= desiredStart && desiredStart <= Scale.Max()) {
        v = desiredStart;
        while (v > Scale.Min) {
            const double lower = v - inc.Value;
            if (lower == v)
                break;
            v = lower;
        }
    } else if (inc.MonthMode || inc.YearMode) {
        v = CalendarStart(Scale, inc);
        Result.MajorIncrement = inc.Value;
    } else {
        v = std::trunc(Scale.Min / inc.Value) * inc.Value - inc.Value;
    }

    // Calendar steps move at least one month or year, so the walk always advances.
    const int calendarStep = std::max(1, static_cast<int>(std::nearbyint(std::min(inc.Value, 1e6))));
    const double max = Scale.Max();
    const auto runaway = [&] { return Writer.Full() || v + minorInc == v; };
    while (max + inc.Value >= v) {
        Writer.Add(ipttMajor, v);
        if (minors) {
            for (int i = 0; i < minorCount; ++i) {
                v += minorInc;
                Writer.Add(ipttMinor, v);
                if (Writer.Full())
                    break;
            }
            if (runaway()) {
                Writer.MiddleOnly();
                return;
            }
            v += minorInc;
            continue;
        }
        if (inc.MonthMode) {
            v = IncMonth(v, calendarStep);
        } else if (inc.YearMode) {
            v = iDateTime::AddYears(v, calendarStep);
        } else {
            if (v + inc.Value == v)
                break;
            v += inc.Value;
        }
        if (runaway()) {
            Writer.MiddleOnly();
            return;
        }
    }
}

} // namespace

int MaxMajorIntervals(int AxisLengthPixels, int LabelPitch)
{
    return std::max(1, AxisLengthPixels / std::max(1, LabelPitch));
}

void CalcTickList(TiPlotAxisScale& Scale, const TiPlotTickSettings& Settings, const TiPlotLabelText& LabelText,
                  TiPlotTickList& Result)
{
    Result = {};
    TickWriter writer(Scale, LabelText, Result.Ticks);
    try {
        ListTicks(Scale, Settings, writer, Result);
    } catch (...) {
        RefreshTickPixels(Scale, Result.Ticks);
        throw;
    }
    RefreshTickPixels(Scale, Result.Ticks);
}

void RefreshTickPixels(const TiPlotAxisScale& Scale, std::vector<TiPlotTickObject>& Ticks)
{
    for (TiPlotTickObject& tick : Ticks) {
        tick.Show = Scale.PointOnScale(tick.Position);
        if (tick.Show)
            tick.PositionPixels = Scale.PositionToPixels(tick.Position);
    }
}
