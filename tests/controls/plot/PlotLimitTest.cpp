// Limits on a test plot: band elements, change notifications, drawing of lines, bands and
// polygon bands where the axes map them, the drawing layers, and dragging a line.

#include "PlotControlSupport.h"
#include "PlotInput.h"

#include "controls/plot/objects/iPlotLimit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace in = qx::test::plotinput;

/// A 500 x 300 X-Y plot with both axes 0..100, no curve, and one limit on its axes.
class PlotLimitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot.SetBounds(0, 0, 500, 300);
        plot.Show();
        plot.GetChannel(0).SetVisible(false);
        for (TiPlotAxis* axis : {&plot.XAxis(0), &plot.YAxis(0)}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 100);
        }
        plot.DataView(0).SetGridShow(false);
        plot.AddLimit();
        plot.ReCalcLayout();
    }

    TiPlotLimit& limit() { return plot.Limit(0); }
    int xPixel(double v) { return plot.XAxis(0).PositionToPixels(v); }
    int yPixel(double v) { return plot.YAxis(0).PositionToPixels(v); }
    TColor pixel(int x, int y)
    {
        TBitmap picture = qx::test::plotPicture(plot);
        return picture.Canvas().Pixel(x, y);
    }

    TiXYPlot plot{nullptr};
};

TEST_F(PlotLimitTest, ANewLimitTakesThePlotsFirstAxesAndItsDefaults)
{
    EXPECT_EQ(limit().XAxisName(), "X-Axis 1");
    EXPECT_EQ(limit().YAxisName(), "Y-Axis 1");
    EXPECT_EQ(limit().Style(), iplsLineY);
    EXPECT_EQ(limit().Color(), clRed);
    EXPECT_EQ(limit().Line1Position(), 50);
    EXPECT_EQ(limit().Line2Position(), 50);
    EXPECT_TRUE(limit().SelectModeOnlyInteraction());
    EXPECT_FALSE(limit().UserCanMove());
    EXPECT_EQ(limit().Layer(), 100);
}

TEST_F(PlotLimitTest, BandElementsNeedTheUpperLimitAtLeastTheLower)
{
    EXPECT_NO_THROW(limit().AddBandElement(1, 5, 5));
    try {
        limit().AddBandElement(1, 4, 5);
        ADD_FAILURE() << "accepted";
    } catch (const EiPlotError& error) {
        EXPECT_STREQ(error.what(), "the Upper Limit must be greater than or equal to the Lower Limit");
    }
    EXPECT_EQ(limit().ElementCount(), 1);
    limit().ClearAllElements();
    EXPECT_EQ(limit().ElementCount(), 0);
}

TEST_F(PlotLimitTest, EverySetterThatChangesAValueAsksForARepaint)
{
    int changes = 0;
    plot.Master().OnChange = [&](TObject*) { ++changes; };
    struct Case
    {
        const char* what;
        std::function<void()> set;
    };
    const std::vector<Case> cases = {
        {"YAxisName", [&] { limit().SetYAxisName("other"); }}, {"XAxisName", [&] { limit().SetXAxisName("other"); }},
        {"Color", [&] { limit().SetColor(clBlue); }},          {"Style", [&] { limit().SetStyle(iplsBandX); }},
        {"FillStyle", [&] { limit().SetFillStyle(bsClear); }}, {"LineWidth", [&] { limit().SetLineWidth(3); }},
        {"Line1Position", [&] { limit().SetLine1Position(7); }},
    };
    for (const Case& c : cases) {
        changes = 0;
        c.set();
        EXPECT_EQ(changes, 1) << c.what;
        c.set();
        EXPECT_EQ(changes, 1) << c.what << " again";
    }
}

TEST_F(PlotLimitTest, LinesAreDrawnWhereTheAxesMapThemAndOnlyInsideTheirRange)
{
    struct Case
    {
        TiPlotLimitStyle style;
        double position;
        bool shown;
    };
    const std::vector<Case> cases = {
        {iplsLineY, 30, true}, {iplsLineX, 70, true}, {iplsLineY, 130, false}, {iplsLineX, -1, false}};
    for (const Case& c : cases) {
        limit().SetStyle(c.style);
        limit().SetLine1Position(c.position);
        const bool y = c.style == iplsLineY;
        const int px = y ? xPixel(50) : xPixel(c.position);
        const int py = y ? yPixel(c.position) : yPixel(50);
        const TColor seen = pixel(px, py);
        EXPECT_EQ(limit().Line1Show(), c.shown) << c.position;
        if (c.shown)
            EXPECT_EQ(seen, clRed) << c.position;
        else
            EXPECT_EQ(limit().Line1ClickRect().Contains({px, py}), false);
    }
}

TEST_F(PlotLimitTest, ABandFillsBetweenItsTwoPositions)
{
    limit().SetStyle(iplsBandY);
    limit().SetLine1Position(20);
    limit().SetLine2Position(60);
    limit().SetColor(clLime);
    EXPECT_EQ(pixel(xPixel(50), yPixel(40)), clLime);
    EXPECT_NE(pixel(xPixel(50), yPixel(80)), clLime);
    EXPECT_TRUE(limit().Line1Show());
    EXPECT_TRUE(limit().Line2Show());
    // Both edges outside the range: still drawn, cut at the data view.
    limit().SetLine1Position(-50);
    limit().SetLine2Position(150);
    EXPECT_EQ(pixel(xPixel(50), yPixel(50)), clLime);
}

TEST_F(PlotLimitTest, APolygonBandStopsAtThePairBeyondTheAxisMaximum)
{
    limit().SetStyle(iplsPolyBandX);
    limit().SetColor(clAqua);
    limit().AddBandElement(10, 60, 40);
    limit().AddBandElement(50, 60, 40);
    limit().AddBandElement(150, 60, 40);
    limit().AddBandElement(90, 60, 40); // after the pair beyond the maximum: never drawn
    EXPECT_EQ(pixel(xPixel(50), yPixel(30)), clAqua);
    EXPECT_EQ(pixel(xPixel(50), yPixel(95)), clAqua); // the pair 50 .. 150 is drawn
    limit().ClearAllElements();
    limit().AddBandElement(150, 60, 40);
    limit().AddBandElement(10, 60, 40);
    EXPECT_NE(pixel(xPixel(50), yPixel(30)), clAqua);
}

TEST_F(PlotLimitTest, AFilledBandLiesUnderTheGridAndAClearOneOverIt)
{
    plot.DataView(0).SetGridShow(true);
    plot.DataView(0).SetGridLineMajorStyle(ipglsSolid);
    limit().SetStyle(iplsBandY);
    limit().SetLine1Position(0);
    limit().SetLine2Position(100);
    limit().SetColor(clYellow);
    const TColor grid = plot.DataView(0).GridLineColor();
    // A column of the grid, found while the band is hidden.
    limit().SetVisible(false);
    TBitmap bare = qx::test::plotPicture(plot);
    int x = -1;
    for (int column = xPixel(5); column < xPixel(95) && x < 0; ++column)
        if (bare.Canvas().Pixel(column, yPixel(47)) == grid && bare.Canvas().Pixel(column, yPixel(53)) == grid)
            x = column;
    ASSERT_GE(x, 0);
    limit().SetVisible(true);
    EXPECT_EQ(pixel(x, yPixel(50)), grid);
    limit().SetStyle(iplsLineX);
    limit().SetLine1Position(plot.XAxis(0).PixelsToPosition(x));
    ASSERT_EQ(xPixel(limit().Line1Position()), x);
    EXPECT_EQ(pixel(x, yPixel(50)), clYellow);
}

TEST_F(PlotLimitTest, AMovableLineIsDraggedInSelectModeOnly)
{
    limit().SetLine1Position(40);
    limit().SetUserCanMove(true);
    std::vector<std::string> events;
    plot.OnLimitLine1PositionChange = [&](int Index, double Old, double New) {
        events.push_back(std::to_string(Index) + ":" + std::to_string(static_cast<int>(Old)) + "->" +
                         std::to_string(static_cast<int>(std::lround(New))));
    };
    plot.OnClickLimit = [&](int Index) { events.push_back("click " + std::to_string(Index)); };
    plot.ReCalcLayout();
    const int x = xPixel(50);
    in::drag(plot, x, yPixel(40), x, yPixel(80));
    EXPECT_EQ(limit().Line1Position(), 40) << "not in select mode";
    EXPECT_TRUE(events.empty());

    plot.ToolBar(0).SetShowSelectButton(true);
    plot.ToolBar(0).DoButtonClickSelect();
    ASSERT_TRUE(plot.ToolBarSelectMode());
    plot.ReCalcLayout();
    TCursor cursor = crDefault;
    plot.OnGetMouseCursorLimit = [&](int, TCursor& Cursor) { cursor = Cursor; };
    EXPECT_EQ(limit().iGetMouseCursor({x, yPixel(40)}), crHandPoint);
    EXPECT_EQ(cursor, crHandPoint);
    in::press(plot, x, yPixel(40));
    in::move(plot, x, yPixel(80));
    plot.ReCalcLayout(); // the line's hit area follows it at the next paint
    in::release(plot, x, yPixel(80));
    EXPECT_NEAR(limit().Line1Position(), 80, 1);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], "0:40->80");
    EXPECT_EQ(events[1], "click 0");
}

} // namespace
