// The Y-T channel of a TiPlot: points kept in X order, draw ranges found by bisection,
// interpolated readings, the data cursor's answers and the pixels of every drawing style.

#include "PlotControlSupport.h"
#include "PlotInput.h"
#include "RaisedText.h"

#include "controls/plot/plot/iPlot.h"

#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using qx::test::plotPicture;
using qx::test::raisedText;

/// A Y-T plot with fixed axes (X 0..100, Y 0..10), no toolbar, legend or title, black
/// background; its channel 0 white and one pixel wide.
std::unique_ptr<TiPlot> makeYTPlot(int Width = 520, int Height = 320)
{
    auto plot = std::make_unique<TiPlot>(nullptr);
    plot->SetBounds(0, 0, Width, Height);
    plot->SetBorderStyle(ibsNone);
    plot->SetTitleVisible(false);
    plot->ToolBar(0).SetVisible(false);
    plot->Legend(0).SetVisible(false);
    for (const bool x : {true, false}) {
        TiPlotAxis& axis = x ? plot->XAxis(0) : plot->YAxis(0);
        axis.SetTrackingEnabled(false);
        axis.SetMinSpan(0, x ? 100 : 10);
    }
    plot->GetChannel(0).SetColor(clWhite);
    return plot;
}

int px(TiPlot& plot, double X) { return plot.XAxis(0).PositionToPixels(X); }
int py(TiPlot& plot, double Y) { return plot.YAxis(0).PositionToPixels(Y); }

bool colourNear(TBitmap& picture, int X, int Y, TColor Colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (picture.Canvas().Pixel(X + dx, Y + dy) == Colour)
                return true;
    return false;
}

int countColour(TBitmap& picture, TColor Colour)
{
    int n = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            n += picture.Canvas().Pixel(x, y) == Colour;
    return n;
}

// ---- Points, order and ranges ----

TEST(YTChannel, OutOfOrderPointsAreRefusedWhenAsked)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    c.AddXY(1, 0);
    c.AddXY(2, 0);
    c.AddXY(0.5, 0);
    EXPECT_EQ(c.Count(), 3) << "out-of-order values are allowed by default";
    c.Clear();

    c.SetAllowOutOfOrderXValues(false);
    c.AddXY(1, 0);
    c.AddXY(2, 0);
    EXPECT_EQ(raisedText([&] { c.AddXY(1.5, 0); }), "New Data-Point X-Value is out of order");
    EXPECT_EQ(raisedText([&] { c.AddXNull(1.5); }), "New Data-Point X-Value is out of order");
    EXPECT_EQ(raisedText([&] { c.AddHighLow(1.5, 1, 0, 0, 1); }), "New Data-Point X-Value is out of order");
    EXPECT_EQ(c.Count(), 2) << "nothing added";
    c.AddXY(2, 5);
    EXPECT_EQ(c.Count(), 3) << "an equal X is in order";

    c.Clear();
    c.AddXY(2, 0);
    c.AddXY(1, 0);
    EXPECT_EQ(raisedText([&] { c.AddXY(1.5, 0); }), "New Data-Point X-Value is out of order.");
    c.AddXY(0.5, 0);
    EXPECT_EQ(c.Count(), 3);
}

TEST(YTChannel, AddYArrayContinuesFromTheNewestX)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    const std::vector<double> first{1, 2};
    c.AddYArray(first, 0.5);
    EXPECT_EQ(c.DataX(0), 0);
    EXPECT_EQ(c.DataX(1), 0.5);
    c.Clear();
    c.AddXY(10, 0);
    const std::vector<double> ys{5, 6, 7};
    c.AddYArray(ys, 1);
    ASSERT_EQ(c.Count(), 4);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(c.DataX(i), 9 + i);
        EXPECT_EQ(c.DataY(i), 4 + i);
    }
}

TEST(YTChannel, ElapsedAddersMeasureFromTheStartTime)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    c.SetElapsedStartTime(c.ElapsedStartTime() - 1.0 / 24); // an hour ago
    c.AddYElapsedTime(1);
    c.AddYElapsedSeconds(2);
    EXPECT_NEAR(c.DataX(0), 1.0 / 24, 1.0 / 86400 * 5);
    EXPECT_NEAR(c.DataX(1), 3600, 5);
    c.Clear();
    c.SetResetStartTimeOnFirstDataPoint(true);
    c.AddYElapsedSeconds(3);
    EXPECT_NEAR(c.DataX(0), 0, 2) << "the first point restarts the clock";
}

TEST(YTChannel, CalcIndexFindsTheFirstPointAtOrAboveTheTarget)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    for (double x : {0.0, 10.0, 20.0})
        c.AddXY(x, x);
    struct Case
    {
        double Target;
        int Index;
    };
    for (const Case& k : std::vector<Case>{{5, 1}, {10, 1}, {15, 2}, {0, 0}, {20, 2}, {25, -1}, {-1, -1}})
        EXPECT_EQ(c.CalcIndex(k.Target), k.Index) << k.Target;

    // Decreasing data: the largest X at or below the target.
    c.Clear();
    for (double x : {20.0, 10.0, 0.0})
        c.AddXY(x, x);
    for (const Case& k : std::vector<Case>{{15, 0}, {10, 1}, {5, 1}, {25, -1}})
        EXPECT_EQ(c.CalcIndex(k.Target), k.Index) << "decreasing, " << k.Target;
}

TEST(YTChannel, TheDrawRangeRunsFromThePointBeforeTheViewToThePointAfterIt)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    for (int i = 0; i <= 100; ++i)
        c.AddXY(i, i % 7);
    plot->XAxis(0).SetMinSpan(40, 20);
    plotPicture(*plot);
    EXPECT_TRUE(c.CanDraw());
    EXPECT_EQ(c.DrawStartIndex(), 40) << "a point on the axis minimum starts the range";
    EXPECT_EQ(c.DrawStopIndex(), 60);

    plot->XAxis(0).SetMinSpan(39.5, 20);
    plotPicture(*plot);
    EXPECT_EQ(c.DrawStartIndex(), 39) << "the point before the view";
    EXPECT_EQ(c.DrawStopIndex(), 60) << "the point after the view";

    plot->XAxis(0).SetMinSpan(200, 20);
    plotPicture(*plot);
    EXPECT_FALSE(c.CanDraw()) << "no point overlaps the axis";

    c.SetDrawOutOfOrderXValues(true);
    plot->XAxis(0).SetMinSpan(40, 20);
    plotPicture(*plot);
    EXPECT_EQ(c.DrawStartIndex(), 39);
    EXPECT_EQ(c.DrawStopIndex(), 61);
}

TEST(YTChannel, FitExtentsFollowTheOrderOfX)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    EXPECT_EQ(c.GetFitXMax(), -1e300);
    EXPECT_EQ(c.GetFitXMin(), 1e300);
    for (double x : {30.0, 20.0, 10.0, 5.0})
        c.AddXY(x, x / 10);
    EXPECT_EQ(c.GetFitXMax(), 30);
    EXPECT_EQ(c.GetFitXMin(), 5);
    EXPECT_EQ(c.GetFitYMax(), 3);
    EXPECT_EQ(c.GetFitYMin(), 0.5);
}

// ---- Interpolated readings ----

TEST(YTChannel, InterpolatesYBetweenNeighboursInPixels)
{
    auto plot = makeYTPlot(1000, 400);
    plot->XAxis(0).SetMinSpan(0, 10);
    plotPicture(*plot);
    TiPlotChannel& c = plot->GetChannel(0);
    c.AddXY(0, 0);
    c.AddXY(10, 10);
    double y = -1;
    ASSERT_TRUE(c.GetYInterpolated(5, y));
    EXPECT_NEAR(y, 5, 0.02);
    ASSERT_TRUE(c.GetYInterpolated(10, y));
    EXPECT_EQ(y, 10);
    EXPECT_FALSE(c.GetYInterpolated(11, y)) << "beyond the data";

    c.SetDataNull(1, true);
    EXPECT_FALSE(c.GetYInterpolated(5, y)) << "a null neighbour";

    c.SetDataNull(1, false);
    c.SetDigitalEnabled(true);
    ASSERT_TRUE(c.GetYInterpolated(5, y));
    EXPECT_EQ(y, 0) << "a digital channel holds the level before the next point";
}

TEST(YTChannel, DecreasingDataInterpolatesInEveryBracket)
{
    auto plot = makeYTPlot(1000, 400);
    plot->XAxis(0).SetMinSpan(0, 20);
    plotPicture(*plot);
    TiPlotChannel& c = plot->GetChannel(0);
    for (double x : {20.0, 10.0, 0.0})
        c.AddXY(x, x / 10);
    struct Case
    {
        double X;
        bool Found;
        double Y;
    };
    for (const Case& k : std::vector<Case>{{15, true, 1.5}, {5, true, 0.5}, {20, true, 2}, {0, true, 0},
                                           {10, true, 1}, {25, false, 0}, {-5, false, 0}}) {
        double y = -1;
        EXPECT_EQ(c.GetYInterpolated(k.X, y), k.Found) << k.X;
        EXPECT_NEAR(y, k.Y, 0.02) << k.X;
    }
    double y = -1;
    EXPECT_EQ(c.GetCursorY(15, y), ipdpsValid) << "the first bracket, between the two oldest points";
    EXPECT_NEAR(y, 1.5, 0.02);
}

TEST(YTChannel, CursorReadingsPerInterpolationStyle)
{
    auto plot = makeYTPlot(1000, 400);
    TiPlotChannel& c = plot->GetChannel(0);
    c.AddXY(0, 1);
    c.AddXY(40, 3);
    c.AddXY(80, 5);
    plotPicture(*plot);
    double y = 0;
    EXPECT_EQ(c.GetCursorY(20, y), ipdpsValid);
    EXPECT_NEAR(y, 2, 0.02) << "straight line";
    EXPECT_EQ(c.GetCursorY(0, y), ipdpsValid);
    EXPECT_EQ(y, 1) << "the oldest point itself";
    EXPECT_EQ(c.GetCursorY(90, y), ipdpsEmpty) << "beyond the data";

    c.SetInterpolationStyle(ipistDifferential);
    EXPECT_EQ(c.GetCursorY(20, y), ipdpsValid);
    EXPECT_EQ(y, 1) << "the step before the point";
    EXPECT_EQ(c.GetCursorY(90, y), ipdpsValid);
    EXPECT_EQ(y, 5) << "the last level extends";
    c.SetInterpolationStyle(ipistDifferentialTerminated);
    EXPECT_EQ(c.GetCursorY(90, y), ipdpsEmpty) << "the terminated step ends at its point";

    c.SetInterpolationStyle(ipistCubicSpline);
    plotPicture(*plot);
    EXPECT_EQ(c.GetCursorY(40, y), ipdpsValid);
    EXPECT_NEAR(y, 3, 0.05) << "the spline runs through its points";
    EXPECT_EQ(c.GetCursorY(90, y), ipdpsEmpty);
    const int column = px(*plot, 20);
    const TiPlotPixelPoint& p = c.PixelList()[static_cast<std::size_t>(column - c.PixelListStart())];
    EXPECT_FALSE(p.Null);
    EXPECT_EQ(c.GetCursorY(20, y), ipdpsValid);
    EXPECT_EQ(y, p.YValue) << "the cursor reads what the trace drew in that column";
}

TEST(YTChannel, TheDataCursorReadsTheTraceAtPointerOne)
{
    auto plot = makeYTPlot(1000, 400);
    TiPlotChannel& c = plot->GetChannel(0);
    c.AddXY(0, 0);
    c.AddXY(100, 10);
    TiPlotDataCursor& cursor = plot->DataCursor(0);
    cursor.SetVisible(true);
    cursor.SetPointer1Position(25);
    plotPicture(*plot);
    EXPECT_EQ(cursor.Status(), ipdpsValid);
    EXPECT_NEAR(cursor.ValueX(), 25, 0.2);
    EXPECT_NEAR(cursor.ValueY(), 2.5, 0.02);
    EXPECT_EQ(cursor.CursorDisplayText(), c.DataCursorXText() + ", " + c.DataCursorYText());

    cursor.SetStyle(ipcsDeltaX);
    cursor.SetPointer2Position(75);
    plotPicture(*plot);
    EXPECT_NEAR(cursor.ValueX(), 50, 0.3);

    // 1/35 on a scale of span 100: three significant digits of its own, not "0".
    cursor.SetStyle(ipcsInverseDeltaX);
    cursor.SetPointer2Position(60);
    plotPicture(*plot);
    EXPECT_NEAR(cursor.ValueX(), 1.0 / 35, 1e-4);
    const std::string text = cursor.CursorDisplayText();
    EXPECT_EQ(text.size(), 6u) << text;
    EXPECT_NEAR(std::stod(text), cursor.ValueX(), 0.00005) << text;

    cursor.SetPointer2Position(25);
    plotPicture(*plot);
    EXPECT_EQ(cursor.CursorDisplayText(), "Infinite");
}

TEST(YTChannel, ACursorReadsAnyXOfANamedChannelAndIsLeftAsItWas)
{
    auto plot = makeYTPlot(1000, 400);
    TiPlotChannel& c = plot->GetChannel(0);
    c.AddXY(0, 0);
    c.AddXY(100, 10);
    plot->XAxis(0).SetMinSpan(0, 200);
    plotPicture(*plot);
    TiPlotDataCursor& cursor = plot->DataCursor(0);
    cursor.SetStyle(ipcsDeltaX);
    cursor.SetPointer1Position(70);
    for (const bool cached : {false, true}) {
        cursor.SetUseCachedInterpolatedData(cached);
        double y = -1;
        EXPECT_EQ(cursor.GetInterpolatedYValue("Channel 1", 25, y), ipdpsValid) << cached;
        EXPECT_NEAR(y, 2.5, 0.1) << cached;
        EXPECT_EQ(cursor.GetInterpolatedYValue("Channel 1", 150, y), ipdpsEmpty) << cached << ": beyond the data";
        EXPECT_EQ(cursor.GetInterpolatedYValue("No such channel", 25, y), ipdpsNull) << cached;
        EXPECT_EQ(y, 0);
        EXPECT_FALSE(cursor.Visible());
        EXPECT_EQ(cursor.Style(), ipcsDeltaX);
        EXPECT_EQ(cursor.Pointer1Position(), 70);
        EXPECT_EQ(plot->XAxis(0).Min(), 0);
    }
}

TEST(YTChannel, ADigitalCursorShowsHighAndLow)
{
    auto plot = makeYTPlot(1000, 400);
    TiPlotChannel& c = plot->GetChannel(0);
    c.SetDigitalEnabled(true);
    c.AddXY(0, 1);
    c.AddXY(50, 0);
    c.AddXY(100, 0);
    TiPlotDataCursor& cursor = plot->DataCursor(0);
    cursor.SetVisible(true);
    cursor.SetStyle(ipcsValueY);
    cursor.SetPointer1Position(25);
    plotPicture(*plot);
    EXPECT_EQ(cursor.CursorDisplayText(), "High");
    cursor.SetPointer1Position(75);
    plotPicture(*plot);
    EXPECT_EQ(cursor.CursorDisplayText(), "Low");
}

// ---- Drawing ----

TEST(YTChannelDrawing, AFastTraceCostsAtMostTwoLinesAPixelColumn)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    // 1000 points that fall into 10 pixel columns, five pixels apart.
    plotPicture(*plot);
    const TiPlotAxis& x = plot->XAxis(0);
    const double tiny = (x.PixelsToPosition(px(*plot, 50) + 1) - x.PixelsToPosition(px(*plot, 50))) / 1000;
    for (int i = 0; i < 1000; ++i)
        c.AddXY(x.PixelsToPosition(px(*plot, 10) + 5 * (i / 100)) + std::abs(tiny) * (i % 100), i % 5);
    plotPicture(*plot);
    EXPECT_LE(c.FastTraceLineCount(), 10 + 9);
    EXPECT_GE(c.FastTraceLineCount(), 10);
}

TEST(YTChannelDrawing, TheReducedTraceHasThePixelsOfEverySegmentDrawn)
{
    struct Case
    {
        const char* Name;
        int Points;
        double XStep;
        double Noise;
        bool ClipToAxes;
        bool Reversed;
    };
    // Dense (100 points a pixel column, with a null point), sparse (several columns between
    // points), clipped to the axes, and with the X and Y axes exchanged.
    for (const Case& k : {Case{"dense", 100000, 0.001, 1, false, false}, Case{"sparse", 300, 0.33, 3, false, false},
                          Case{"mixed", 20000, 0.005, 0.2, false, false}, Case{"clipped", 100000, 0.001, 4, true, false},
                          Case{"reversed", 50000, 0.002, 1, false, true}}) {
        auto plot = makeYTPlot(1000, 400);
        plot->SetXYAxesReverse(k.Reversed);
        TiPlotChannel& c = plot->GetChannel(0);
        c.SetClipToAxes(k.ClipToAxes);
        for (int i = 0; i < k.Points; ++i) {
            const double x = i * k.XStep;
            if (i == k.Points * 6 / 10)
                c.AddXNull(x);
            else
                c.AddXY(x, 5 + 3 * std::sin(x / 7) + k.Noise * (((i * 7919) % 101) / 50.0 - 1));
        }
        TBitmap reduced = plotPicture(*plot);
        c.SetFastDrawEnabled(false);
        TBitmap everySegment = plotPicture(*plot);
        ASSERT_GT(countColour(reduced, clWhite), 500) << k.Name;
        EXPECT_TRUE(reduced.Image() == everySegment.Image()) << k.Name << ": the same pixels";
        if (reduced.Image() != everySegment.Image()) {
            int differ = 0;
            for (int y = 0; y < reduced.Height(); ++y)
                for (int x = 0; x < reduced.Width(); ++x)
                    differ += reduced.Canvas().Pixel(x, y) != everySegment.Canvas().Pixel(x, y);
            ADD_FAILURE() << k.Name << ": " << differ << " pixels differ";
        }
    }
}

TEST(YTChannelDrawing, ARedrawUsesTheKeptColumnsUntilAPointChanges)
{
    auto plot = makeYTPlot(1000, 400);
    TiPlotChannel& c = plot->GetChannel(0);
    for (int i = 0; i < 20000; ++i)
        c.AddXY(i / 200.0, 5 + 3 * std::sin(i / 700.0));
    TBitmap reduced = plotPicture(*plot);
    TBitmap again = plotPicture(*plot);
    EXPECT_TRUE(again.Image() == reduced.Image()) << "a redraw from the kept columns";
    c.SetDataY(10000, 9.9);
    TBitmap changed = plotPicture(*plot);
    EXPECT_FALSE(changed.Image() == reduced.Image()) << "a changed point is seen at once";
    plot->XAxis(0).SetMinSpan(20, 50);
    TBitmap zoomed = plotPicture(*plot);
    c.SetFastDrawEnabled(false);
    EXPECT_TRUE(plotPicture(*plot).Image() == zoomed.Image()) << "a new column map is used at once";
}

TEST(YTChannelDrawing, SteppedTraces)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    c.AddXY(20, 2);
    c.AddXY(50, 6);
    c.SetInterpolationStyle(ipistDifferentialTerminated);
    TBitmap terminated = plotPicture(*plot);
    EXPECT_TRUE(colourNear(terminated, px(*plot, 35), py(*plot, 2), clWhite)) << "the step at the first level";
    EXPECT_TRUE(colourNear(terminated, px(*plot, 50), py(*plot, 4), clWhite)) << "the riser";
    EXPECT_FALSE(colourNear(terminated, px(*plot, 35), py(*plot, 6), clWhite)) << "no diagonal";
    EXPECT_FALSE(colourNear(terminated, px(*plot, 80), py(*plot, 6), clWhite)) << "nothing after the last point";

    c.SetInterpolationStyle(ipistDifferential);
    TBitmap extended = plotPicture(*plot);
    EXPECT_TRUE(colourNear(extended, px(*plot, 80), py(*plot, 6), clWhite)) << "the last level reaches the axis end";
}

TEST(YTChannelDrawing, DigitalTraceDrawsLevelsAndEdges)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    c.SetDigitalEnabled(true);
    c.SetDigitalReferenceLow(2);
    c.SetDigitalReferenceHigh(8);
    const double xs[] = {10, 30, 50, 70, 90};
    const double ys[] = {0, 0, 5, 5, 0};
    for (int i = 0; i < 5; ++i)
        c.AddXY(xs[i], ys[i]);
    TBitmap picture = plotPicture(*plot);
    EXPECT_TRUE(colourNear(picture, px(*plot, 40), py(*plot, 2), clWhite)) << "low from the first to the third X";
    EXPECT_TRUE(colourNear(picture, px(*plot, 50), py(*plot, 5), clWhite)) << "the edge up";
    EXPECT_TRUE(colourNear(picture, px(*plot, 60), py(*plot, 8), clWhite)) << "high to the fifth X";
    EXPECT_TRUE(colourNear(picture, px(*plot, 90), py(*plot, 5), clWhite)) << "the edge down";
    EXPECT_FALSE(colourNear(picture, px(*plot, 95), py(*plot, 2), clWhite)) << "no run of one point";
    EXPECT_FALSE(colourNear(picture, px(*plot, 40), py(*plot, 5), clWhite)) << "no trace through the values";
}

TEST(YTChannelDrawing, FillBarsAndHighLowBarsTakeTheirColours)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    c.AddXY(20, 4);
    c.AddXY(60, 4);
    c.SetFillEnabled(true);
    c.SetFillUseChannelColor(false);
    c.SetFillColor(clBlue);
    c.SetFillReference(1);
    TBitmap fill = plotPicture(*plot);
    EXPECT_EQ(fill.Canvas().Pixel(px(*plot, 40), py(*plot, 2.5)), clBlue) << "between the trace and the reference";
    EXPECT_NE(fill.Canvas().Pixel(px(*plot, 40), py(*plot, 0.5)), clBlue) << "below the reference";

    c.SetFillEnabled(false);
    c.SetBarEnabled(true);
    c.SetBarWidth(10);
    c.SetBarBrushUseChannelColor(false);
    c.SetBarBrushColor(clLime);
    TBitmap bars = plotPicture(*plot);
    EXPECT_EQ(bars.Canvas().Pixel(px(*plot, 22), py(*plot, 2)), clLime) << "inside the bar";
    EXPECT_NE(bars.Canvas().Pixel(px(*plot, 30), py(*plot, 2)), clLime) << "beside the bar";

    c.SetBarEnabled(false);
    c.SetTraceVisible(false);
    c.SetDataStyle(ipdsFullFeature);
    c.AddHighLow(30, 8, 2, 3, 7);
    c.AddHighLow(70, 8, 2, 7, 3);
    c.SetHighLowEnabled(true);
    c.SetHighLowOpenWidth(3);
    c.SetHighLowCloseWidth(3);
    c.SetHighLowOpenHeight(0.2);
    c.SetHighLowCloseHeight(0.2);
    TBitmap openClose = plotPicture(*plot);
    const int tick = plot->XAxis(0).WidthToPixels(2);
    EXPECT_EQ(openClose.Canvas().Pixel(px(*plot, 30), py(*plot, 5)), TColor(0xFFFF00)) << "the bar";
    EXPECT_EQ(openClose.Canvas().Pixel(px(*plot, 30) - tick, py(*plot, 3)), TColor(0x00FF00)) << "the open tick";
    EXPECT_EQ(openClose.Canvas().Pixel(px(*plot, 30) + tick, py(*plot, 7)), clRed) << "the close tick";
    EXPECT_NE(openClose.Canvas().Pixel(px(*plot, 30) - tick, py(*plot, 7)), clRed) << "no close tick left";

    c.SetHighLowBarWidth(4);

    c.SetHighLowStyle(iphlsCandleStick);
    c.SetHighLowBullishColor(clLime);
    c.SetHighLowBearishColor(clRed);
    TBitmap candles = plotPicture(*plot);
    EXPECT_EQ(candles.Canvas().Pixel(px(*plot, 30) + 3, py(*plot, 5)), clLime) << "rising: bullish body";
    EXPECT_EQ(candles.Canvas().Pixel(px(*plot, 70) + 3, py(*plot, 5)), clRed) << "falling: bearish body";
    EXPECT_EQ(candles.Canvas().Pixel(px(*plot, 30), py(*plot, 7.8)), TColor(0x808080)) << "the wick";
}

TEST(YTChannelDrawing, InterpolatedTracesPassThroughTheirPoints)
{
    struct Case
    {
        TiPlotInterpolationStyle Style;
        const char* Name;
    };
    for (const Case& k : {Case{ipistCubicSpline, "spline"}, Case{ipistPolynomial, "polynomial"},
                          Case{ipistRational, "rational"}}) {
        auto plot = makeYTPlot();
        TiPlotChannel& c = plot->GetChannel(0);
        c.SetInterpolationStyle(k.Style);
        for (double x : {10.0, 30.0, 50.0, 70.0, 90.0})
            c.AddXY(x, 5 + 3 * std::sin(x / 15));
        TBitmap picture = plotPicture(*plot);
        for (double x : {30.0, 50.0, 70.0})
            EXPECT_TRUE(colourNear(picture, px(*plot, x), py(*plot, 5 + 3 * std::sin(x / 15)), clWhite))
                << k.Name << " at " << x;
        EXPECT_FALSE(colourNear(picture, px(*plot, 95), py(*plot, 5 + 3 * std::sin(95 / 15.0)), clWhite))
            << k.Name << ": nothing beyond the last point";
    }
}

TEST(YTChannelDrawing, AFailingSplineLeavesTheRestOfThePlotPainted)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    c.SetInterpolationStyle(ipistCubicSpline);
    c.SetMarkersVisible(true);
    c.AddXY(10, 2);
    c.AddXY(10, 5);
    c.AddXY(50, 4);
    plot->AddChannel();
    TiPlotChannel& other = plot->GetChannel(1);
    other.SetColor(clLime);
    other.AddXY(0, 8);
    other.AddXY(100, 8);
    TBitmap picture = plotPicture(*plot);
    EXPECT_TRUE(colourNear(picture, px(*plot, 50), py(*plot, 8), clLime)) << "the other channel still draws";
}

TEST(YTChannelDrawing, ASplineRunOutsideTheAxisIsSkippedAndTheMarkersStillDraw)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    c.SetInterpolationStyle(ipistCubicSpline);
    c.SetMarkersVisible(true);
    c.SetMarkersStyle(ipmsSquare);
    for (double x : {10.0, 30.0, 50.0})
        c.AddXY(x, 5);
    c.AddXNull(60);
    for (double x : {200.0, 250.0, 300.0})
        c.AddXY(x, 5);
    c.SetDrawOutOfOrderXValues(true);
    TBitmap picture = plotPicture(*plot);
    EXPECT_TRUE(colourNear(picture, px(*plot, 40), py(*plot, 5), clWhite)) << "the run in view";
    EXPECT_TRUE(colourNear(picture, px(*plot, 10) + 2, py(*plot, 5) + 2, clWhite)) << "the markers after it";
}

TEST(YTChannel, RightClickNearTheTraceHitsTheChannel)
{
    auto plot = makeYTPlot();
    TiPlotChannel& c = plot->GetChannel(0);
    c.AddXY(0, 2);
    c.AddXY(100, 8);
    plotPicture(*plot);
    TiPlotMouseData near;
    near.X = px(*plot, 50);
    near.Y = py(*plot, 5) + 6;
    near.Button = mbRight;
    EXPECT_TRUE(c.iMouseHitTest(near));
    TiPlotMouseData far = near;
    far.Y = py(*plot, 5) + 30;
    EXPECT_FALSE(c.iMouseHitTest(far));
    near.Button = mbLeft;
    EXPECT_FALSE(c.iMouseHitTest(near)) << "only the right button finds the trace";
}

} // namespace

namespace {

namespace in = qx::test::plotinput;

/// A shown Y-T plot with points at X 0, 10, ..., 100 and its cursor shown and selected
/// through the toolbar's cursor button.
class YTCursorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot = makeYTPlot(600, 320);
        plot->Show();
        for (int i = 0; i <= 10; ++i)
            plot->GetChannel(0).AddXY(10 * i, i % 3);
        plot->ToolBar(0).DoButtonClickCursor();
        plot->ReCalcLayout();
        plotPicture(*plot);
    }
    TiPlotDataCursor& cursor() { return plot->DataCursor(0); }
    int pointerPixel() { return plot->DataView(0).PositionPercentToPixelsX(cursor().Pointer1Position()); }
    double pointerX() { return plot->XAxis(0).PixelsToPosition(pointerPixel()); }

    std::unique_ptr<TiPlot> plot;
};

TEST_F(YTCursorTest, EveryValueStyleReadsOnPointerOneAlone)
{
    struct Case
    {
        TiPlotDataCursorStyle Style;
        bool Pointer2;
        TiOrientation Hint;
    };
    for (const Case& k : {Case{ipcsValueXY, false, ioVertical}, Case{ipcsValueX, false, ioVertical},
                          Case{ipcsValueY, false, ioVertical}, Case{ipcsDeltaX, true, ioVertical},
                          Case{ipcsDeltaY, true, ioHorizontal}}) {
        cursor().SetStyle(k.Style);
        EXPECT_TRUE(cursor().Pointer1Show()) << k.Style;
        EXPECT_EQ(cursor().Pointer1Orientation(), k.Style == ipcsDeltaY ? ioHorizontal : ioVertical) << k.Style;
        EXPECT_EQ(cursor().Pointer2Show(), k.Pointer2) << k.Style;
        EXPECT_EQ(cursor().HintOrientation(), k.Hint) << k.Style;
    }
}

TEST_F(YTCursorTest, ADraggedPointerSnapsToTheNearestPointOnRelease)
{
    cursor().SetStyle(ipcsValueX);
    cursor().SetSnapToDataPoint(true);
    plotPicture(*plot);
    const int y = (plot->DataView(0).DrawRect().Top + plot->DataView(0).DrawRect().Bottom) / 2;
    in::drag(*plot, pointerPixel(), y, px(*plot, 33), y);
    EXPECT_NEAR(pointerX(), 30, 0.2) << "33 snaps to the point at 30";
    EXPECT_EQ(cursor().SnapToIndexData(), 3);
    EXPECT_EQ(cursor().SnapToIndexChannel(), 0);
    plotPicture(*plot);
    in::drag(*plot, pointerPixel(), y, px(*plot, 36), y);
    EXPECT_NEAR(pointerX(), 40, 0.2) << "36 snaps to the point at 40";
}

TEST_F(YTCursorTest, KeysStepASnappingPointerByDataPoints)
{
    cursor().SetStyle(ipcsValueX);
    cursor().SetSnapToDataPoint(true);
    cursor().SetPointer1Position(52);
    plotPicture(*plot);
    in::key(*plot, Qt::Key_Right);
    EXPECT_EQ(cursor().SnapToIndexData(), 6) << "snapped to 50, then one point on";
    EXPECT_NEAR(pointerX(), 60, 0.2);
    in::key(*plot, Qt::Key_PageDown);
    EXPECT_EQ(cursor().SnapToIndexData(), 1);
    in::key(*plot, Qt::Key_End);
    EXPECT_EQ(cursor().SnapToIndexData(), 10);
    EXPECT_NEAR(pointerX(), 100, 0.2);
    in::key(*plot, Qt::Key_Home);
    EXPECT_EQ(cursor().SnapToIndexData(), 0);
    const double hint = cursor().HintPosition();
    in::key(*plot, Qt::Key_Up);
    EXPECT_GT(cursor().HintPosition(), hint) << "Up moves the hint instead";
    EXPECT_EQ(cursor().SnapToIndexData(), 0);
}

TEST_F(YTCursorTest, APointBeyondTheAxisScrollsIntoView)
{
    cursor().SetStyle(ipcsValueX);
    cursor().SetSnapToDataPoint(true);
    plot->GetChannel(0).AddXY(150, 1);
    cursor().SetPointer1Position(99);
    plotPicture(*plot);
    in::key(*plot, Qt::Key_End);
    EXPECT_EQ(cursor().SnapToIndexData(), 11);
    EXPECT_DOUBLE_EQ(plot->XAxis(0).Min(), 150 - 100 + 100.0 / 40);
}

TEST_F(YTCursorTest, ThePopupOffersSnappingOnAYTPlotOnly)
{
    TPopupMenu menu(nullptr);
    cursor().BuildPopupMenu(menu);
    TMenuItem* snap = nullptr;
    for (int i = 0; i < menu.Items()->Count(); ++i)
        if (menu.Items()->Items(i)->Caption() == "Snap to Data-Point")
            snap = menu.Items()->Items(i);
    ASSERT_NE(snap, nullptr);
    EXPECT_FALSE(snap->Checked());
    cursor().SetStyle(ipcsValueX);
    cursor().SetPointer1Position(48);
    snap->Click();
    EXPECT_TRUE(cursor().SnapToDataPoint());
    EXPECT_NEAR(pointerX(), 50, 0.2) << "switching it on snaps the pointers";

    TiXYPlot xy(nullptr);
    TPopupMenu xyMenu(nullptr);
    xy.DataCursor(0).BuildPopupMenu(xyMenu);
    for (int i = 0; i < xyMenu.Items()->Count(); ++i)
        EXPECT_NE(xyMenu.Items()->Items(i)->Caption(), "Snap to Data-Point");
}

} // namespace

namespace {

TEST(YTChannelInput, OfTheChannelsOnlyYTChannelsTakeTheWheel)
{
    auto wheelEvents = [](TiPlotComponent& plot) {
        plot.SetBounds(0, 0, 400, 300);
        plot.Show();
        plot.Channel(0).AddXY(0, 1);
        plot.Channel(0).AddXY(100, 5);
        plotPicture(plot);
        int wheeled = 0;
        plot.OnMouseWheelChannel = [&](int, int, TShiftState, int, int) { ++wheeled; };
        plot.Channel(0).SetUserSelected(true);
        const TRect view = plot.DataView(0).DrawRect();
        qx::test::plotinput::wheel(plot, (view.Left + view.Right) / 2, (view.Top + view.Bottom) / 2, 1);
        return wheeled;
    };
    TiPlot yt(nullptr);
    EXPECT_EQ(wheelEvents(yt), 1);
    TiXYPlot xy(nullptr);
    EXPECT_EQ(wheelEvents(xy), 0);
}

} // namespace
