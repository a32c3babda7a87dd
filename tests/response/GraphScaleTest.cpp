// The graph's mapping between data and pixels and its repair of axis limits,
// checked with numbers.

#include <gtest/gtest.h>

#include <cmath>

#include "response/GraphScale.h"

namespace {

using qx::GraphScale;

GraphScale channelScale()
{
    GraphScale s;
    s.xMin = 966;
    s.xMax = 4096;
    s.yMin = -18;
    s.yMax = 18;
    s.width = 1000;
    s.height = 200;
    return s;
}

TEST(GraphScale, LinearMappingOfTheChannelGraph)
{
    const GraphScale s = channelScale();
    struct Case
    {
        double x, screenX;
    };
    for (const Case c : {Case{966, 0}, Case{4096, 1000}, Case{2531, 500}, Case{0, -966000.0 / 3130}}) {
        EXPECT_DOUBLE_EQ(s.screenX(c.x), c.screenX) << c.x;
    }
    struct YCase
    {
        double y, screenY;
    };
    // YMax maps to row 0, YMin to row H (one below the last row).
    for (const YCase c : {YCase{18, 0}, YCase{-18, 200}, YCase{0, 100}, YCase{6, 200 - 200 * 24.0 / 36}}) {
        EXPECT_DOUBLE_EQ(s.screenY(c.y), c.screenY) << c.y;
    }
}

TEST(GraphScale, ControlPixelsMapBackToData)
{
    const GraphScale s = channelScale();
    const int left = 25;
    const int top = 10;
    EXPECT_DOUBLE_EQ(s.plotX(left, left), 966);
    EXPECT_DOUBLE_EQ(s.plotX(left + 1000, left), 4096);
    EXPECT_DOUBLE_EQ(s.plotY(top, top), 18);
    EXPECT_DOUBLE_EQ(s.plotY(top + 200, top), -18);
    for (double x : {1000.0, 2805.3, 3999.0}) {
        EXPECT_NEAR(s.plotX(s.screenX(x) + left, left), x, 1e-9);
    }
    for (double y : {-12.0, 0.5, 17.0}) {
        EXPECT_NEAR(s.plotY(s.screenY(y) + top, top), y, 1e-9);
    }
}

TEST(GraphScale, LogAxesPlaceZeroAtATenthOfTheMinimum)
{
    GraphScale s;
    s.xFormat = s.yFormat = TMyAxisFormat::Log;
    s.xMin = 10;
    s.xMax = 1000;
    s.yMin = 1;
    s.yMax = 100;
    s.width = 200;
    s.height = 100;
    s.calculateLogMaxMin();
    EXPECT_DOUBLE_EQ(s.screenX(100), 100);
    EXPECT_DOUBLE_EQ(s.screenX(1000), 200);
    EXPECT_DOUBLE_EQ(s.screenY(10), 50);
    EXPECT_DOUBLE_EQ(s.screenY(0), s.screenY(0.1)); // 0.1 * YMin
    EXPECT_DOUBLE_EQ(s.screenY(-5), 150);
    EXPECT_NEAR(s.plotX(150, 50), 100, 1e-9);
}

TEST(GraphScale, EqualLimitsAreSeparatedAndLogLimitsRepaired)
{
    GraphScale s;
    s.yMin = s.yMax = 5;
    s.compareMaxMin();
    EXPECT_EQ(s.yMin, 5);
    EXPECT_EQ(s.yMax, 6);

    s.yFormat = TMyAxisFormat::Log;
    s.yMin = s.yMax = 5;
    s.compareMaxMin();
    EXPECT_EQ(s.yMax, 50);

    // Through the limit setters a non-positive minimum is a hundredth of the
    // maximum; switching the axis to Log makes it a tenth.
    s.yMin = 0;
    s.yMax = 100;
    s.calculateLogMaxMin();
    EXPECT_EQ(s.yMin, 1);
    EXPECT_DOUBLE_EQ(s.logYMin, 0);
    EXPECT_DOUBLE_EQ(s.logYMax, 2);
    s.yMin = 0;
    s.repairLogY();
    EXPECT_EQ(s.yMin, 10);
    s.yMax = -3;
    s.repairLogY();
    EXPECT_EQ(s.yMax, 10);
    EXPECT_EQ(s.yMin, 1);

    s.xFormat = TMyAxisFormat::Log;
    s.xMin = -1;
    s.xMax = 0;
    s.calculateLogMaxMin();
    EXPECT_EQ(s.xMax, 10);
    EXPECT_EQ(s.xMin, 1); // a tenth on the x axis
}

TEST(GraphScale, FrequencyIndexAndPixels)
{
    EXPECT_NEAR(qx::frequencyIndex(3, TFFTNumber::n4096, TSampleRate::n48000), 2805.3, 0.05);
    EXPECT_DOUBLE_EQ(qx::frequencyIndex(std::log10(24000.0), TFFTNumber::n4096, TSampleRate::n48000), 4096);
    EXPECT_EQ(qx::pointsAcross(TFFTNumber::n256), 256);
    EXPECT_EQ(qx::pointsAcross(TFFTNumber::n1024), 1024);
    EXPECT_EQ(qx::upperFrequency(TSampleRate::n96000), 48000);
    // 966 is 10.79 Hz, the constructor's range 1030..4130 is 12.6 Hz..26.1 kHz.
    EXPECT_NEAR(std::pow(24000.0, 966.0 / 4096), 10.79, 0.01);
    EXPECT_NEAR(std::pow(24000.0, 4130.0 / 4096), 26100, 100);

    struct Case
    {
        double v;
        int pixel;
    };
    for (const Case c : {Case{12.9, 12}, Case{-12.9, -12}, Case{1e300, 1000000}, Case{-1e300, -1000000}}) {
        EXPECT_EQ(qx::pixelOf(c.v), c.pixel) << c.v;
    }
}

TEST(GraphScale, AxisValuesReadAsTheLabelsWriteThem)
{
    struct Case
    {
        double v;
        const char* text;
    };
    for (const Case c :
         {Case{18, "18"}, Case{-6, "-6"}, Case{0.5, "0.5"}, Case{180, "180"}, Case{20, "20"}}) {
        EXPECT_EQ(qx::FormatAxisValue(c.v, sffGeneral, 5, 4), c.text);
    }
}

} // namespace
