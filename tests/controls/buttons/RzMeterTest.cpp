#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzBorder.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using qx::test::pixel;
using qx::test::render;

/// The gain-reduction meter of the main window: 14 x 214, nine red segments counting down.
void makeEditorMeter(TRzMeter& m)
{
    m.SetBounds(0, 0, 14, 214);
    m.SetDirection(dirDown);
    m.SetMin(0);
    m.SetMax(9);
    for (int i = 0; i < 3; ++i) {
        m.SetSegCount(i, 3);
        m.SetSegColor(i, clRed);
    }
    m.SetSegOffColor(clMaroon);
    m.SetSegSpacing(0);
    m.SetBorderOuter(fsNone);
    m.SetBorderColor(clNavy);
}

class EditorMeterTest : public testing::TestWithParam<int> {};

TEST_P(EditorMeterTest, LightsTheTopSegmentsInRowsOf23Pixels)
{
    TRzMeter meter(nullptr);
    makeEditorMeter(meter);
    const int value = GetParam();
    meter.SetValue(value);
    const TBitmap b = render(meter);
    for (int k = 0; k < 9; ++k) {
        const TColor expected = k < value ? clRed : clMaroon;
        for (int y = 23 * k; y <= 23 * k + 21; ++y) {
            EXPECT_EQ(pixel(b, 0, y), expected) << "segment " << k << " row " << y;
            EXPECT_EQ(pixel(b, 12, y), expected) << "segment " << k << " row " << y;
            EXPECT_EQ(pixel(b, 13, y), clBlack) << "the right column stays black, row " << y;
        }
        EXPECT_EQ(pixel(b, 6, 23 * k + 22), clBlack) << "gap below segment " << k;
    }
    for (int y = 206; y < 214; ++y)
        EXPECT_EQ(pixel(b, 6, y), clBlack) << "bottom row " << y;
}

INSTANTIATE_TEST_SUITE_P(Values, EditorMeterTest, testing::Values(0, 1, 4, 8, 9));

struct LedCase
{
    int value;
    std::vector<TColor> segments;
};

void PrintTo(const LedCase& c, std::ostream* os) { *os << "value " << c.value; }

class DefaultLedMeterTest : public testing::TestWithParam<LedCase> {};

TEST_P(DefaultLedMeterTest, LightsTheZonesInTheirColours)
{
    TRzMeter meter(nullptr);
    meter.SetValue(GetParam().value);
    const TBitmap b = render(meter);
    // Inside the status border: ten segments 12 pixels wide, 2 apart, from x = 3.
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(pixel(b, 3 + 14 * k + 6, 14), GetParam().segments[k]) << "segment " << k;
}

const TColor G = clGreen, Y = clYellow, R = clRed, K = clBlack;
INSTANTIATE_TEST_SUITE_P(Values, DefaultLedMeterTest,
                         testing::Values(LedCase{0, {K, K, K, K, K, K, K, K, K, K}},
                                         LedCase{50, {G, G, G, G, G, K, K, K, K, K}},
                                         LedCase{100, {G, G, G, G, G, Y, Y, Y, R, R}}));

TEST(MeterLimits, ValueIsClampedAndTheRangeNeverCloses)
{
    TRzMeter meter(nullptr);
    meter.SetValue(105);
    EXPECT_EQ(meter.Value(), 100);
    meter.SetValue(-5);
    EXPECT_EQ(meter.Value(), 0);
    meter.SetMin(100);
    EXPECT_EQ(meter.Min(), 99) << "Min := Max stores Max - 1";
    meter.SetMin(10);
    meter.SetMax(10);
    EXPECT_EQ(meter.Max(), 11) << "Max := Min stores Min + 1";
}

TEST(MeterLimits, WithMinAboveMaxTheClampEndsAtMax)
{
    TRzMeter meter(nullptr);
    meter.SetMax(9);
    meter.SetMin(20);
    meter.SetValue(15);
    EXPECT_EQ(meter.Value(), 9);
    const TBitmap b = render(meter);
    EXPECT_EQ(b.Width(), 150);
}

TEST(MeterLimits, SegmentCountsStayWithinOneTo255)
{
    TRzMeter meter(nullptr);
    meter.SetSegCount(0, 0);
    EXPECT_EQ(meter.SegCount(0), 1);
    for (int i = 0; i < 3; ++i)
        meter.SetSegCount(i, 300);
    EXPECT_EQ(meter.SegCount(1), 255);
    meter.SetValue(50);
    const TBitmap b = render(meter); // 765 segments: a total beyond 8 bits draws without dividing by zero
    EXPECT_EQ(b.Height(), 30);
}

TEST(MeterLimits, WideRangesComputeWithoutOverflow)
{
    TRzMeter meter(nullptr);
    meter.SetMin(-2000000000);
    meter.SetMax(2000000000);
    meter.SetValue(1000000000);
    EXPECT_EQ(meter.Percent(), 75);
    meter.SetMeterType(mtNormal);
    meter.SetShowPercent(false);
    meter.SetBarColor(clLime);
    meter.SetBorderOuter(fsNone);
    const TBitmap b = render(meter);
    EXPECT_EQ(pixel(b, 100, 15), clLime);
    EXPECT_EQ(pixel(b, 120, 15), clBlack);
}

TEST(MeterBar, FillsTheWholeAreaAtMaxInEveryDirection)
{
    for (const TDirection d : {dirUp, dirDown, dirLeft, dirRight}) {
        TRzMeter meter(nullptr);
        meter.SetMeterType(mtNormal);
        meter.SetShowPercent(false);
        meter.SetBorderOuter(fsNone);
        meter.SetDirection(d);
        meter.SetValue(100);
        const TBitmap b = render(meter);
        EXPECT_EQ(pixel(b, 0, 0), clRed) << d;
        EXPECT_EQ(pixel(b, 149, 29), clRed) << d;
    }
}

TEST(MeterBar, HalfWayFillsHalfTheBar)
{
    TRzMeter meter(nullptr);
    meter.SetMeterType(mtNormal);
    meter.SetShowPercent(false);
    meter.SetBorderOuter(fsNone);
    meter.SetValue(50);
    const TBitmap b = render(meter);
    EXPECT_EQ(pixel(b, 73, 10), clRed);
    EXPECT_EQ(pixel(b, 76, 10), clBlack);
}

TEST(MeterBar, TrapezoidalShapesDraw)
{
    for (const TTrapDirect t : {tdLargeToSmall, tdSmallToLarge}) {
        TRzMeter meter(nullptr);
        meter.SetMeterShape(msTrapezoidal);
        meter.SetTrapezoidDir(t);
        meter.SetBorderOuter(fsLowered);
        meter.SetValue(60);
        const TBitmap led = render(meter);
        EXPECT_EQ(led.Width(), 150);
        meter.SetMeterType(mtBar3D);
        meter.SetTrapezoidMin(-20); // narrower than nothing: no bar, no fault
        const TBitmap bar = render(meter);
        EXPECT_EQ(bar.Width(), 150);
    }
}

} // namespace

namespace {

TEST(MeterBar, ShowsThePercentageCentred)
{
    TRzMeter meter(nullptr);
    meter.SetMeterType(mtNormal);
    meter.SetBorderOuter(fsNone);
    TFont font = meter.Font();
    font.Color = clWhite;
    meter.SetFont(font);
    meter.SetValue(50);
    const TBitmap b = render(meter);
    int white = 0, whiteFarLeft = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 150; ++x)
            if (GetGValue(pixel(b, x, y)) > 200)
                ++(x < 50 ? whiteFarLeft : white);
    EXPECT_GT(white, 0) << "the text \"50%\" in the middle";
    EXPECT_EQ(whiteFarLeft, 0);
    meter.SetMeterType(mtLED);
    const TBitmap led = render(meter);
    int ledWhite = 0;
    for (int x = 60; x < 90; ++x)
        ledWhite += GetGValue(pixel(led, x, 15)) > 200 && GetRValue(pixel(led, x, 15)) > 200 ? 1 : 0;
    EXPECT_EQ(ledWhite, 0) << "LED meters never show the percentage";
}

} // namespace
