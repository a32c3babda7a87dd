// An axis' map between values and pixels, linear and logarithmic, as plain values: round
// trips, reversed scales, saturation far off the scale and degenerate geometry.

#include "controls/plot/base/iPlotAxisScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TiPlotAxisScale Scale(double min, double span, bool horizontal, TRect rect, TiPlotScaleType type = ipstLinear,
                      bool reverse = false)
{
    TiPlotAxisScale s;
    s.Min = min;
    s.Span = span;
    s.Horizontal = horizontal;
    s.ScaleType = type;
    s.ReverseScale = reverse;
    s.SetScaleRect(rect);
    return s;
}

TEST(AxisScale, GeometryFollowsDirectionAndReversal)
{
    struct Case { bool horizontal, reverse; int start, stop; };
    const Case cases[] = {{true, false, 10, 110}, {true, true, 110, 10}, {false, false, 250, 50}, {false, true, 50, 250}};
    for (const Case& c : cases) {
        const auto s = Scale(0, 100, c.horizontal, {10, 50, 110, 250}, ipstLinear, c.reverse);
        EXPECT_EQ(s.ActualStart, c.start);
        EXPECT_EQ(s.ActualStop, c.stop);
        EXPECT_DOUBLE_EQ(s.PixelsPerSpanUnit, (c.start - c.stop) / 100.0);
        EXPECT_EQ(s.AxisLengthPixels(), c.horizontal ? 100 : 200);
        EXPECT_EQ(s.PositionToPixels(0), c.start);
        EXPECT_EQ(s.PositionToPixels(100), c.stop);
    }
}

TEST(AxisScale, LinearValuesToPixelsAndBack)
{
    // The program's axes: -100 .. 20.
    const auto x = Scale(-100, 120, true, {0, 0, 240, 10});
    const auto y = Scale(-100, 120, false, {0, 0, 10, 120});
    struct Case { double value; int xPixel; int yPixel; };
    const Case cases[] = {
        {-100, 0, 120}, {20, 240, 0}, {-40, 120, 60}, {-99.75, 0, 120},   // 0.5 px rounds to even
        {-99.25, 2, 119}, {0, 200, 20}, {-101, -2, 121},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(x.PositionToPixels(c.value), c.xPixel) << c.value;
        EXPECT_EQ(y.PositionToPixels(c.value), c.yPixel) << c.value;
    }
    for (int p = -20; p <= 260; p += 7) {
        EXPECT_EQ(x.PositionToPixels(x.PixelsToPosition(p)), p) << "horizontal pixel " << p;
        EXPECT_EQ(y.PositionToPixels(y.PixelsToPosition(p)), p) << "vertical pixel " << p;
    }
    for (double v = -130; v <= 50; v += 3.3)
        EXPECT_NEAR(x.PixelsToPosition(x.PositionToPixels(v)), v, 0.5 * 120 / 240) << v;
    EXPECT_EQ(x.WidthToPixels(30), 60);
    EXPECT_DOUBLE_EQ(x.PositionToPercent(-40), 0.5);
}

TEST(AxisScale, ReversedScalesRoundTrip)
{
    const auto y = Scale(0, 50, false, {0, 10, 10, 110}, ipstLinear, true);
    EXPECT_EQ(y.PositionToPixels(0), 10) << "Min at the top";
    EXPECT_EQ(y.PositionToPixels(50), 110);
    EXPECT_DOUBLE_EQ(y.PositionToPercent(10), 0.8);
    for (double v = 0; v <= 50; v += 2.5)
        EXPECT_NEAR(y.PixelsToPosition(y.PositionToPixels(v)), v, 0.25 + 1e-9) << v;
    const auto x = Scale(0, 50, true, {0, 10, 100, 20}, ipstLinear, true);
    EXPECT_EQ(x.PositionToPixels(0), 100);
    EXPECT_DOUBLE_EQ(x.PixelsToPosition(100), 0);
    EXPECT_DOUBLE_EQ(x.PixelsToPosition(0), 50);
}

TEST(AxisScale, FarOffValuesSaturate)
{
    const auto x = Scale(0, 100, true, {0, 0, 500, 10});
    const auto log = Scale(1, 9, true, {0, 0, 1000, 10}, ipstLog10);  // 1000 px a decade
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case { const TiPlotAxisScale* scale; double value; int pixel; const char* what; };
    const Case cases[] = {
        {&x, 1e12, 32000, "far above"},
        {&x, -1e12, -32000, "far below"},
        {&x, 1e300, 32000, "beyond any integer"},
        {&x, inf, 32000, "infinity"},
        {&x, -inf, -32000, "minus infinity"},
        {&x, nan, -32000, "not a number"},
        {&log, 1e200, 32000, "log far above"},
        {&log, 1e-200, -32000, "log far below"},
        {&log, 0, 0, "log of 0 is read as 1"},
        {&log, -5, 0, "log of a negative value is read as 1"},
        {&log, inf, 32000, "log infinity"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.scale->PositionToPixels(c.value), c.pixel) << c.what;
    EXPECT_EQ(PlotPixel(32000.4), 32000);
    EXPECT_EQ(PlotPixel(-32000.6), -32000);
    EXPECT_EQ(PlotPixel(2.5), 2);
    EXPECT_EQ(PlotPixel(3.5), 4);
    EXPECT_EQ(PlotPixel(-2.5), -2);
}

TEST(AxisScale, LogarithmicValuesToPixelsAndBack)
{
    const auto x = Scale(1, 999, true, {0, 0, 300, 10}, ipstLog10);   // 1 .. 1000, 100 px a decade
    struct Case { double value; int pixel; };
    const Case cases[] = {{1, 0}, {10, 100}, {100, 200}, {1000, 300}, {2, 30}, {5, 70}, {0.1, -100}, {1e4, 400}};
    for (const Case& c : cases)
        EXPECT_EQ(x.PositionToPixels(c.value), c.pixel) << c.value;
    for (int p = 0; p <= 300; p += 13)
        EXPECT_EQ(x.PositionToPixels(x.PixelsToPosition(p)), p) << p;
    EXPECT_NEAR(x.PixelsToPosition(150), std::sqrt(10.0) * 10, 1e-9);
    const auto y = Scale(0.01, 99.99, false, {0, 0, 10, 400}, ipstLog10, true);  // 0.01 .. 100, reversed
    EXPECT_EQ(y.PositionToPixels(0.01), 0);
    EXPECT_EQ(y.PositionToPixels(1), 200);
    EXPECT_EQ(y.PositionToPixels(100), 400);
    EXPECT_NEAR(y.PixelsToPosition(300), 10, 1e-9);
    // A logarithmic scale with a range it cannot show reads Min (and Span) at or below 0 as 1.
    const auto bad = Scale(-5, 0, true, {0, 0, 100, 10}, ipstLog10);
    EXPECT_EQ(bad.PositionToPixels(3), 50) << "degenerate span: the middle";
    auto negative = Scale(-5, 10, true, {0, 0, 100, 10}, ipstLog10);
    EXPECT_EQ(negative.PositionToPixels(1), 0);
    EXPECT_EQ(negative.PositionToPixels(11), 100) << "Min read as 1, so the scale ends at 1 + 10";
    EXPECT_DOUBLE_EQ(negative.PixelsToPosition(100), 11);
}

TEST(AxisScale, DegenerateGeometryNeverDivides)
{
    const auto collapsed = Scale(0, 100, true, {50, 0, 50, 10});
    EXPECT_EQ(collapsed.PositionToPixels(30), 50);
    EXPECT_EQ(collapsed.PixelsToPosition(50), 0) << "Min";
    auto tiny = Scale(0, 1e-300, true, {0, 0, 100, 10});
    EXPECT_EQ(tiny.PositionToPixels(5), 50) << "the middle";
    auto huge = Scale(0, 1e-310, true, {0, 0, 100, 10});
    EXPECT_EQ(huge.PixelsPerSpanUnit, 0) << "pixels per unit beyond 1e300 count as 0";
    const TiPlotAxisScale unpainted;
    EXPECT_EQ(unpainted.PositionToPixels(40), 0) << "before the first paint";
    EXPECT_FALSE(Scale(0, 100, true, {0, 0, 100, 10}).PointOnScale(101));
    EXPECT_TRUE(Scale(0, 100, true, {0, 0, 100, 10}).PointOnScale(100.4)) << "ends included";
}

} // namespace
