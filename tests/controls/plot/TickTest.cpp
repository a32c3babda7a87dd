// Tick positions as plain values: the 1-2-5, desired, 32nds, calendar and logarithmic
// increment rules, minor ticks, labels and pixels, and the bounds that keep a paint from
// dividing by zero or running away.

#include "controls/plot/base/iPlotTicks.h"

#include "controls/plot/base/iDateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct Axis
{
    TiPlotAxisScale scale;
    TiPlotTickSettings settings;
    TiPlotTickList result;

    Axis(double min, double span, int lengthPixels, int intervals)
    {
        scale.Min = min;
        scale.Span = span;
        scale.SetScaleRect({0, 0, lengthPixels, 20});
        settings.MaxIntervals = intervals;
    }
    Axis& Calc(const TiPlotLabelText& label = [](double v) { return std::to_string(static_cast<long long>(std::llround(v))); })
    {
        CalcTickList(scale, settings, label, result);
        return *this;
    }
    std::vector<double> Positions(TiPlotTickType type) const
    {
        std::vector<double> p;
        for (const TiPlotTickObject& t : result.Ticks)
            if (t.TickType == type)
                p.push_back(t.Position);
        return p;
    }
    std::vector<double> Majors() const { return Positions(ipttMajor); }
    std::vector<double> Minors() const { return Positions(ipttMinor); }
};

std::vector<double> Steps(double from, double to, double step)
{
    std::vector<double> v;
    for (int i = 0; from + i * step <= to + step * 1e-9; ++i)
        v.push_back(from + i * step);
    return v;
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::max(1.0, std::fabs(expected[i]))) << what << " [" << i << "]";
}

TEST(AxisTicks, TheProgramsAxes)
{
    // X: -100 .. 20, desired start 20 and increment 20, four minors.
    Axis x(-100, 120, 600, 10);
    x.settings.DesiredStart = 20;
    x.settings.DesiredIncrement = 20;
    x.settings.MinorCount = 4;
    x.Calc();
    ExpectNear(x.Majors(), Steps(-100, 20, 20), "room for six or more labels: the desired increment");
    std::vector<double> minors;
    for (double m = -96; m < 20; m += 4)
        if (std::fmod(m + 100, 20) != 0)
            minors.push_back(m);
    ExpectNear(x.Minors(), minors, "four minors between majors");
    EXPECT_EQ(x.result.MajorIncrement, 20);
    EXPECT_EQ(x.result.MinorIncrement, 4);
    EXPECT_EQ(x.result.Ticks.front().Text, "-100");

    Axis narrow(-100, 120, 150, 5);
    narrow.settings.DesiredStart = 20;
    narrow.settings.DesiredIncrement = 20;
    narrow.settings.MinorCount = 4;
    narrow.Calc();
    ExpectNear(narrow.Majors(), {-80, -30, 20}, "fewer than six fit: the 1-2-5 choice, from the desired start");

    // Y: desired increment 10 only when at least thirteen labels fit.
    for (const auto& [intervals, majors] : {std::pair{13, Steps(-100, 20, 10)}, {11, Steps(-100, 20, 20)}, {5, std::vector<double>{-100, -50, 0}}}) {
        Axis y(-100, 120, 300, intervals);
        y.settings.DesiredIncrement = 10;
        y.Calc();
        ExpectNear(y.Majors(), majors, ("Y with room for " + std::to_string(intervals)).c_str());
    }
}

TEST(AxisTicks, LinearIncrementsAndMinors)
{
    struct Case { double min, span; int intervals; double increment; std::vector<double> majors; };
    const Case cases[] = {
        {0, 100, 10, 10, Steps(0, 100, 10)},
        {0, 100, 4, 50, {0, 50, 100}},
        {0, 100, 7, 20, Steps(0, 100, 20)},
        {-3, 7, 8, 1, Steps(-3, 4, 1)},
        {0.1, 0.35, 6, 0.1, {0.1, 0.2, 0.3, 0.4}},
        {1e6, 5e5, 3, 2e5, {1e6, 1.2e6, 1.4e6}},
        {-1e-3, 2e-3, 4, 5e-4, Steps(-1e-3, 1e-3, 5e-4)},
    };
    for (const Case& c : cases) {
        Axis a(c.min, c.span, 400, c.intervals);
        a.Calc();
        EXPECT_NEAR(a.result.MajorIncrement, c.increment, c.increment * 1e-12) << c.min << " + " << c.span;
        ExpectNear(a.Majors(), c.majors, "majors");
        EXPECT_NEAR(a.result.MinorIncrement, c.increment / 2, c.increment * 1e-12);
        for (const double m : a.Minors())
            EXPECT_NEAR(std::fmod(std::fabs(m - c.majors.front()), c.increment), c.increment / 2, c.increment * 1e-6) << m;
    }
    Axis one(0, 130, 400, 2);
    one.Calc();
    EXPECT_EQ(one.result.MajorIncrement, 50) << "a single 100 step is halved into two";
}

TEST(AxisTicks, LabelsAndPixelsOfTheTicks)
{
    Axis a(0, 100, 200, 10);
    // "v" and the whole value.
    const auto label = [](double v) { return std::string(1, 'v').append(std::to_string(static_cast<int>(v))); };
    a.Calc(label);
    for (const TiPlotTickObject& t : a.result.Ticks) {
        EXPECT_TRUE(t.Show);
        EXPECT_EQ(t.PositionPixels, static_cast<int>(std::nearbyint(t.Position * 2)));
        if (t.TickType == ipttMajor)
            EXPECT_EQ(t.Text, label(t.Position));
        else
            EXPECT_EQ(t.Text, "");
    }
}

TEST(AxisTicks, DesiredIncrementWithoutLabels)
{
    Axis a(0, 100, 100, 2);
    a.settings.DesiredIncrement = 5;
    a.settings.LabelsVisible = false;
    a.Calc();
    EXPECT_EQ(a.result.MajorIncrement, 5) << "without labels the pixels per minor decide: 20 < 100 / 2";
    EXPECT_EQ(a.Majors().size(), 21u);
    a.settings.MinorCount = 9;
    a.Calc();
    EXPECT_EQ(a.result.MajorIncrement, 50) << "20 majors need 200 pixels with nine minors each";
}

TEST(AxisTicks, PricesInThirtySeconds)
{
    Axis a(100, 1, 400, 10);
    a.settings.FormatStyle = iptfPrice32nds;
    a.Calc();
    EXPECT_EQ(a.result.MajorIncrement, 0.125);
    ExpectNear(a.Majors(), Steps(100, 101, 0.125), "eighths");
    Axis wide(0, 40, 400, 10);
    wide.settings.FormatStyle = iptfPrice32nds;
    wide.Calc();
    EXPECT_EQ(wide.result.MajorIncrement, 5) << "beyond a half: 1, 2, 5 times a power of ten";
}

TEST(AxisTicks, LogarithmicDecades)
{
    Axis longAxis(1, 99, 600, 10);
    longAxis.scale.ScaleType = ipstLog10;
    longAxis.scale.SetScaleRect({0, 0, 600, 20});
    longAxis.Calc();
    ExpectNear(longAxis.Majors(), {1, 10, 100}, "every decade");
    ExpectNear(longAxis.Minors(), {2, 3, 4, 5, 6, 7, 8, 9, 20, 30, 40, 50, 60, 70, 80, 90}, "2..9 within each");

    Axis shortAxis(1, 999999, 60, 2);
    shortAxis.scale.ScaleType = ipstLog10;
    shortAxis.scale.SetScaleRect({0, 0, 60, 20});
    shortAxis.Calc();
    ExpectNear(shortAxis.Majors(), {1, 1e5}, "a step of five decades");
    EXPECT_TRUE(shortAxis.Minors().empty());

    Axis withinDecade(2, 6, 300, 10);
    withinDecade.scale.ScaleType = ipstLog10;
    withinDecade.scale.SetScaleRect({0, 0, 300, 20});
    withinDecade.Calc();
    ExpectNear(withinDecade.Majors(), Steps(2, 8, 1), "less than a decade: linear steps");
}

TEST(AxisTicks, DateTimeSteps)
{
    // Three days with room for ten labels: 12-hour steps.
    const double feb29 = 45351;
    Axis days(feb29, 3, 500, 10);
    days.settings.FormatStyle = iptfDateTime;
    days.Calc();
    EXPECT_DOUBLE_EQ(days.result.MajorIncrement, 0.5);
    ExpectNear(days.Majors(), Steps(feb29, feb29 + 3, 0.5), "every 12 hours");
    EXPECT_EQ(days.Minors().size(), 6u) << "one minor (6 h) between majors";

    struct Case { double span; int intervals; double increment; };
    const Case rows[] = {
        {0.5 / 86400, 10, 100.0 / 86400000},    // half a second: 100 ms
        {40.0 / 86400, 10, 5.0 / 86400},         // 40 s: 5 s
        {0.25, 10, 1.0 / 24},                    // 6 h: hours
        {0.1, 10, 15.0 / 1440},                  // 2.4 h: 15 min
        {20, 10, 7},                             // 20 days: weeks
    };
    for (const Case& c : rows) {
        Axis a(feb29, c.span, 500, c.intervals);
        a.settings.FormatStyle = iptfDateTime;
        a.Calc();
        EXPECT_NEAR(a.result.MajorIncrement, c.increment, c.increment * 1e-9) << "span " << c.span;
        EXPECT_FALSE(a.result.MonthMode || a.result.YearMode);
    }
}

TEST(AxisTicks, MonthStepsStartOnTheFirst)
{
    const double mar15 = 45366;  // 15 March 2024
    Axis a(mar15, 200, 500, 10);
    a.settings.FormatStyle = iptfDateTime;
    a.Calc([](double v) { return FormatDateTime("yyyy-mm-dd", v); });
    EXPECT_TRUE(a.result.MonthMode);
    std::vector<std::string> labels;
    for (const TiPlotTickObject& t : a.result.Ticks)
        labels.push_back(t.Text);
    EXPECT_EQ(labels, (std::vector<std::string>{"2024-04-01", "2024-05-01", "2024-06-01", "2024-07-01", "2024-08-01",
                                                "2024-09-01", "2024-10-01"}));
    EXPECT_TRUE(a.Minors().empty()) << "no minors in month mode";

    Axis early(-10, 200, 500, 10);
    early.settings.FormatStyle = iptfDateTime;
    early.Calc();
    EXPECT_EQ(early.scale.Min, 0) << "a month step holds Min at the calendar's start";
}

TEST(AxisTicks, YearStepsFromALeapDay)
{
    // 29 February 2028 with five-year steps: the start year 2025 has no 29 February, so the
    // month and day are set before the year.
    const double feb29of2028 = 46812;
    Axis a(feb29of2028, 4000, 300, 3);
    a.settings.FormatStyle = iptfDateTime;
    ASSERT_NO_THROW(a.Calc([](double v) { return FormatDateTime("yyyy-mm-dd", v); }));
    EXPECT_TRUE(a.result.YearMode);
    EXPECT_EQ(a.result.MajorIncrement, 5);
    std::vector<std::string> labels;
    for (const TiPlotTickObject& t : a.result.Ticks)
        labels.push_back(t.Text);
    EXPECT_EQ(labels, (std::vector<std::string>{"2030-01-01", "2035-01-01"}));
}

TEST(AxisTicks, RunawayListsBecomeOneMiddleTick)
{
    Axis far(1e20, 1, 400, 10);
    far.Calc();
    ASSERT_EQ(far.result.Ticks.size(), 1u) << "the increment no longer moves the value";
    EXPECT_EQ(far.result.Ticks[0].Position, 1e20 + 0.5);

    Axis tiny(0, 1e-300, 400, 10);
    tiny.Calc();
    EXPECT_EQ(tiny.result.MajorIncrement, 1e-300 / 2) << "a span below 1e-299 is one increment, halved";
}

TEST(AxisTicks, MinorCountsOutsideTheirRangeAreBounded)
{
    Axis negative(0, 100, 400, 10);
    negative.settings.MinorCount = -1;
    negative.settings.LabelsVisible = false;
    negative.settings.DesiredIncrement = 10;
    negative.Calc();
    EXPECT_EQ(negative.result.MinorIncrement, 10) << "below 0 counts as 0: no division by zero";
    EXPECT_TRUE(negative.Minors().empty());
    ExpectNear(negative.Majors(), Steps(0, 100, 10), "majors only");

    for (const int count : {5000, 100000, 2147483647}) {
        Axis huge(0, 100, 400, 10);
        huge.settings.MinorCount = count;
        huge.Calc();
        ASSERT_EQ(huge.result.Ticks.size(), 1u) << "more than 5000 ticks: one in the middle";
        EXPECT_EQ(huge.result.Ticks[0].Position, 50);
    }
}

TEST(AxisTicks, MaxMajorIntervals)
{
    EXPECT_EQ(MaxMajorIntervals(400, 40), 10);
    EXPECT_EQ(MaxMajorIntervals(400, 41), 9);
    EXPECT_EQ(MaxMajorIntervals(400, 0), 400) << "a pitch below 1 counts as 1";
    EXPECT_EQ(MaxMajorIntervals(10, 40), 1) << "at least one interval";
    EXPECT_EQ(MaxMajorIntervals(0, 40), 1);
}

} // namespace
