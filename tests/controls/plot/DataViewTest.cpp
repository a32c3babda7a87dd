// The data view on a small test plot: its grid and frame as pixels, percent positions, and
// mouse and wheel input turned into axis control and zoom boxes.

#include "AxisTestPlot.h"
#include "PlotInput.h"

#include "platform/gui/Keys.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace in = qx::test::plotinput;

constexpr TRect kView = TAxisTestPlot::kDataView;
constexpr TColor kBackground = clBlack;

class DataViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot.SetBackGroundColor(kBackground);
        for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(&plot.X()), static_cast<TiPlotAxis*>(&plot.Y())}) {
            axis->SetMinorCount(1);
            axis->SetDesiredIncrement(25);
            axis->SetLabelSeparation(1);
            axis->SetTrackingEnabled(false);
        }
    }
    /// Pixels of the shown ticks of one kind.
    static std::vector<int> TickPixels(const TiPlotAxis& axis, TiPlotTickType type)
    {
        std::vector<int> pixels;
        for (int i = 0; i < axis.TickListCount(); ++i)
            if (axis.Tick(i).Show && axis.Tick(i).TickType == type)
                pixels.push_back(axis.Tick(i).PositionPixels);
        std::sort(pixels.begin(), pixels.end());
        return pixels;
    }
    /// Columns (X) or rows (Y) inside the frame that carry a line of Color along the middle.
    std::vector<int> Lines(TBitmap& picture, bool columns, TColor color)
    {
        std::vector<int> found;
        const int midRow = (kView.Top + kView.Bottom) / 2 + 3;
        const int midColumn = (kView.Left + kView.Right) / 2 + 3;
        if (columns) {
            for (int x = kView.Left + 1; x < kView.Right; ++x)
                if (picture.Canvas().Pixel(x, midRow) == color && picture.Canvas().Pixel(x, midRow + 20) == color)
                    found.push_back(x);
        } else {
            for (int y = kView.Top + 1; y < kView.Bottom; ++y)
                if (picture.Canvas().Pixel(midColumn, y) == color && picture.Canvas().Pixel(midColumn + 20, y) == color)
                    found.push_back(y);
        }
        return found;
    }
    static std::vector<int> Inside(std::vector<int> pixels, int low, int high)
    {
        std::erase_if(pixels, [&](int p) { return p <= low || p >= high; });
        return pixels;
    }

    TAxisTestPlot plot{nullptr};
};

TEST_F(DataViewTest, GridLinesLieAtTheMajorTicks)
{
    TBitmap picture = plot.Picture();
    ASSERT_EQ(plot.X().MajorIncrement(), 25);
    const std::vector<int> xMajors = Inside(TickPixels(plot.X(), ipttMajor), kView.Left, kView.Right);
    const std::vector<int> yMajors = Inside(TickPixels(plot.Y(), ipttMajor), kView.Top, kView.Bottom);
    EXPECT_EQ(xMajors, (std::vector<int>{135, 210, 285}));
    EXPECT_EQ(yMajors, (std::vector<int>{60, 110, 160}));
    EXPECT_EQ(Lines(picture, true, clGreen), xMajors) << "vertical grid lines at the X majors only";
    EXPECT_EQ(Lines(picture, false, clGreen), yMajors) << "horizontal lines at the Y majors only";

    plot.View().SetGridLineShowXMinors(true);
    picture = plot.Picture();
    std::vector<int> withMinors = xMajors;
    for (const int m : Inside(TickPixels(plot.X(), ipttMinor), kView.Left, kView.Right))
        withMinors.push_back(m);
    std::sort(withMinors.begin(), withMinors.end());
    EXPECT_EQ(Lines(picture, true, clGreen), withMinors);
    EXPECT_EQ(Lines(picture, false, clGreen), yMajors) << "Y minors still off";
}

TEST_F(DataViewTest, TheFrameHasFourEdges)
{
    TBitmap picture = plot.Picture();
    TCanvas& c = picture.Canvas();
    for (int y = kView.Top; y < kView.Bottom; y += 7) {
        EXPECT_EQ(c.Pixel(kView.Left, y), clGreen) << "left edge " << y;
        EXPECT_EQ(c.Pixel(kView.Right, y), clGreen) << "right edge " << y;
    }
    for (int x = kView.Left; x <= kView.Right; x += 7) {
        EXPECT_EQ(c.Pixel(x, kView.Top), clGreen) << "top edge " << x;
        EXPECT_EQ(c.Pixel(x, kView.Bottom), clGreen) << "bottom edge " << x;
    }
    EXPECT_EQ(c.Pixel(kView.Right, kView.Bottom), clGreen) << "the bottom edge reaches the corner";
    EXPECT_EQ(c.Pixel(100, 100), kBackground) << "transparent inside";

    struct Case { void (TiPlotDataView::*hide)(bool); TPoint gone; TPoint kept; const char* what; };
    const Case edges[] = {
        {&TiPlotDataView::SetGridLineShowLeft, {kView.Left, 30}, {kView.Right, 30}, "left"},
        {&TiPlotDataView::SetGridLineShowRight, {kView.Right, 30}, {kView.Left, 30}, "right"},
        {&TiPlotDataView::SetGridLineShowTop, {100, kView.Top}, {100, kView.Bottom}, "top"},
        {&TiPlotDataView::SetGridLineShowBottom, {100, kView.Bottom}, {100, kView.Top}, "bottom"},
    };
    for (const Case& e : edges) {
        TAxisTestPlot other(nullptr);
        other.SetBackGroundColor(kBackground);
        // Grid lines at the end ticks would lie on the edges.
        other.View().SetGridLineShowXMajors(false);
        other.View().SetGridLineShowYMajors(false);
        (other.View().*e.hide)(false);
        TBitmap p = other.Picture();
        EXPECT_NE(p.Canvas().Pixel(e.gone.X, e.gone.Y), clGreen) << e.what << " edge hidden";
        EXPECT_EQ(p.Canvas().Pixel(e.kept.X, e.kept.Y), clGreen) << e.what << ": the opposite edge stays";
    }
}

TEST_F(DataViewTest, GridAxisNames)
{
    plot.master->AddXAxis();
    plot.LayOut();
    TiPlotAxis& second = plot.X(1);
    second.SetMinSpan(10, 100);
    second.SetDesiredIncrement(25);
    second.SetTrackingEnabled(false);
    plot.Picture();
    const std::vector<int> first = Inside(TickPixels(plot.X(0), ipttMajor), kView.Left, kView.Right);
    const std::vector<int> other = Inside(TickPixels(second, ipttMajor), kView.Left, kView.Right);
    ASSERT_EQ(other, (std::vector<int>{105, 180, 255, 330}));

    plot.View().SetGridXAxisName("X-Axis 2");
    TBitmap picture = plot.Picture();
    EXPECT_EQ(Lines(picture, true, clGreen), other) << "the named axis only";

    plot.View().SetGridXAxisName("<all>");
    picture = plot.Picture();
    std::vector<int> both = first;
    both.insert(both.end(), other.begin(), other.end());
    std::sort(both.begin(), both.end());
    EXPECT_EQ(Lines(picture, true, clGreen), both) << "\"<all>\" in any case: every X axis";

    plot.View().SetGridXAxisName("Nothing");
    picture = plot.Picture();
    EXPECT_TRUE(Lines(picture, true, clGreen).empty()) << "an unknown axis draws no lines";
    EXPECT_EQ(picture.Canvas().Pixel(kView.Left, 50), clGreen) << "but the frame";

    second.SetName("Renamed");
    plot.View().SetGridXAxisName("X-Axis 2");
    EXPECT_EQ(plot.View().GridXAxis(), nullptr);
    plot.View().SetGridXAxisName("Renamed");
    ASSERT_EQ(plot.View().GridXAxis(), &second);
    second.SetName("Again");
    EXPECT_EQ(plot.View().GridXAxisName(), "Again") << "the cached axis' new name is taken over";
    delete &second;
    EXPECT_EQ(plot.View().GridXAxis(), nullptr) << "a removed axis is forgotten";
}

TEST_F(DataViewTest, GridSwitchesAndPens)
{
    plot.View().SetGridShow(false);
    TBitmap picture = plot.Picture();
    EXPECT_TRUE(Lines(picture, true, clGreen).empty());
    EXPECT_EQ(picture.Canvas().Pixel(kView.Left, 50), kBackground) << "no frame either";

    plot.View().SetGridShow(true);
    plot.View().SetGridLineXMajorCustom(true);
    plot.View().SetGridLineXMajorColor(clRed);
    plot.View().SetGridLineColor(clBlue);
    picture = plot.Picture();
    EXPECT_EQ(Lines(picture, true, clRed), (std::vector<int>{135, 210, 285})) << "custom X majors";
    EXPECT_EQ(Lines(picture, false, clBlue), (std::vector<int>{60, 110, 160})) << "the grid colour elsewhere";
    EXPECT_EQ(picture.Canvas().Pixel(kView.Left, 50), clBlue) << "frame in the grid colour";

    plot.Y().SetGridLinesVisible(false);
    picture = plot.Picture();
    EXPECT_TRUE(Lines(picture, false, clBlue).empty()) << "an axis can hide its grid lines";

    plot.View().SetBackgroundTransparent(false);
    picture = plot.Picture();
    EXPECT_EQ(picture.Canvas().Pixel(100, 100), TColor{8421376}) << "own background";
}

TEST_F(DataViewTest, SelectedViewIsOutlined)
{
    plot.View().SetUserSelected(true);
    TBitmap picture = plot.Picture();
    EXPECT_NE(picture.Canvas().Pixel(kView.Left + 4, kView.Top), clGreen) << "edges drawn over, then a focus frame";
}

TEST_F(DataViewTest, PercentPositions)
{
    TiPlotDataView& v = plot.View();
    EXPECT_DOUBLE_EQ(v.PixelsXToPositionPercent(60), 0);
    EXPECT_DOUBLE_EQ(v.PixelsXToPositionPercent(210), 50);
    EXPECT_DOUBLE_EQ(v.PixelsYToPositionPercent(210), 0) << "bottom";
    EXPECT_DOUBLE_EQ(v.PixelsYToPositionPercent(10), 100) << "top";
    EXPECT_EQ(v.PositionPercentToPixelsX(50), 210);
    EXPECT_EQ(v.PositionPercentToPixelsY(25), 160);
    v.SetDrawRect({0, 0, 101, 11});
    EXPECT_EQ(v.PositionPercentToPixelsX(50), 50) << "50.5 rounds to even";
    EXPECT_EQ(v.PositionPercentToPixelsY(50), 6) << "5.5 rounds to even";
    EXPECT_EQ(v.PositionPercentToPixelsX(1e12), 32000) << "held within drawable pixels";
    v.SetDrawRect({50, 50, 50, 50});
    EXPECT_EQ(v.PixelsXToPositionPercent(60), 0) << "no width: nothing to divide by";
    EXPECT_EQ(v.PixelsYToPositionPercent(60), 0);
}

TEST_F(DataViewTest, TheProgramsViewTakesNoInput)
{
    plot.Picture();
    in::drag(plot, 200, 100, 260, 140);
    in::wheel(plot, 200, 100, 1);
    ExpectRange(plot.X(), 0, 100, "axes control off, no toolbar mode");
    ExpectRange(plot.Y(), 0, 100, "");
}

TEST_F(DataViewTest, ZoomBoxFromTheToolbarMode)
{
    plot.zoomBoxMode = true;
    plot.X().SetTrackingEnabled(true);
    plot.Picture();
    EXPECT_EQ(plot.View().iGetMouseCursor({}), crDrag);
    in::press(plot, 110, 60);
    EXPECT_FALSE(plot.X().TrackingEnabled()) << "tracking off on every axis";
    in::move(plot, 210, 160);
    EXPECT_TRUE(plot.View().ZoomBoxActive());
    TBitmap during = plot.Picture();
    int boxPixels = 0;
    for (int x = 111; x < 209; ++x)
        boxPixels += during.Canvas().Pixel(x, 60) != kBackground;
    EXPECT_GT(boxPixels, 20) << "the box's top edge is drawn";
    plot.events.clear();
    in::release(plot, 210, 160);
    EXPECT_FALSE(plot.View().ZoomBoxActive());
    ExpectRange(plot.X(), 50.0 / 3, 50, "X from the box's left and right");
    ExpectRange(plot.Y(), 25, 75, "Y from its bottom and top");
    EXPECT_EQ(plot.events.front(), "zoom box 110,60,210,160");
    EXPECT_EQ(plot.events.back(), "click Data View 1");

    plot.X().SetMinSpan(0, 100);
    plot.Y().SetMinSpan(0, 100);
    plot.Picture();
    in::drag(plot, 210, 160, 110, 60);
    ExpectRange(plot.X(), 0, 100, "a box drawn toward the upper left does nothing");

    plot.beforeZoomBox = [](TRect&) { return false; };
    in::drag(plot, 110, 60, 210, 160);
    ExpectRange(plot.X(), 0, 100, "cancelled before it was applied");

    plot.beforeZoomBox = [](TRect& r) {
        r.Right = 360;
        return true;
    };
    in::drag(plot, 110, 60, 210, 160);
    ExpectRange(plot.X(), 50.0 / 3, 100, "the handler may change the box");

    plot.beforeZoomBox = nullptr;
    plot.X().SetMinSpan(0, 100);
    plot.Y().SetMinSpan(0, 100);
    plot.Picture();
    plot.View().SetUserSelected(true);
    in::press(plot, 110, 60);
    in::move(plot, 210, 160);
    in::key(plot, Qt::Key_Escape);
    EXPECT_FALSE(plot.View().ZoomBoxActive()) << "Escape ends the box";
    in::release(plot, 210, 160);
    ExpectRange(plot.X(), 0, 100, "nothing applied");
}

TEST_F(DataViewTest, RightDragDrawsAZoomBoxInAxesControl)
{
    plot.View().SetAxesControlEnabled(true);
    plot.Picture();
    EXPECT_EQ(plot.View().iGetMouseCursor({}), crHandPoint);
    in::press(plot, 110, 60, {}, Qt::RightButton);
    in::move(plot, 114, 64, {}, Qt::RightButton);
    EXPECT_FALSE(plot.View().ZoomBoxActive()) << "within five pixels";
    in::release(plot, 114, 64, {}, Qt::RightButton);
    ExpectRange(plot.X(), 0, 100, "no zoom");

    in::press(plot, 110, 60, {}, Qt::RightButton);
    in::move(plot, 210, 160, {}, Qt::RightButton);
    EXPECT_TRUE(plot.View().ZoomBoxActive());
    in::release(plot, 210, 160, {}, Qt::RightButton);
    ExpectRange(plot.X(), 50.0 / 3, 50, "zoomed to the box");
    ExpectRange(plot.Y(), 25, 75, "");
}

TEST_F(DataViewTest, AxesControlDragsByStyle)
{
    plot.View().SetAxesControlEnabled(true);
    struct Case { TiPlotAxesControlStyle style; Qt::KeyboardModifiers mods; int dx, dy; double xMin, yMin; const char* what; };
    const Case cases[] = {
        {ipacsBoth, {}, 30, 20, -10, 10, "both axes follow the mouse"},
        {ipacsXAxis, {}, 30, 20, -10, 0, "X only"},
        {ipacsXAxis, Qt::ShiftModifier, 30, 20, 0, 10, "Shift turns it to Y"},
        {ipacsYAxis, {}, 30, 20, 0, 10, "Y only"},
        {ipacsYAxis, Qt::ShiftModifier, 30, 20, -10, 0, "Shift turns it to X"},
        {ipacsBoth, Qt::ShiftModifier, 30, 2, -10, 0, "Shift and a horizontal move lock to X"},
        {ipacsBoth, Qt::ShiftModifier, 30, 20, 0, 10, "both far: the vertical test wins"},
        {ipacsNone, {}, 30, 20, 0, 0, "none"},
    };
    for (const Case& c : cases) {
        plot.X().SetMinSpan(0, 100);
        plot.Y().SetMinSpan(0, 100);
        plot.View().SetAxesControlMouseStyle(c.style);
        plot.Picture();
        in::press(plot, 200, 100, c.mods);
        in::move(plot, 200 + c.dx, 100 + c.dy, c.mods);
        in::release(plot, 200 + c.dx, 100 + c.dy, c.mods);
        EXPECT_NEAR(plot.X().Min(), c.xMin, 1e-9) << c.what;
        EXPECT_NEAR(plot.Y().Min(), c.yMin, 1e-9) << c.what;
    }
}

TEST_F(DataViewTest, TheWheelOverTheViewControlsTheAxes)
{
    plot.Picture();
    in::wheel(plot, 200, 100, 1);
    ExpectRange(plot.X(), 0, 100, "not handled without axes control");
    plot.View().SetAxesControlEnabled(true);
    struct Case { TiPlotAxesControlStyle style; Qt::KeyboardModifiers mods; double xMin, yMin; };
    const Case cases[] = {
        {ipacsXAxis, {}, 5, 0}, {ipacsXAxis, Qt::ShiftModifier, 0, 5}, {ipacsYAxis, {}, 0, 5},
        {ipacsYAxis, Qt::ShiftModifier, 5, 0}, {ipacsBoth, {}, 5, 5}, {ipacsNone, {}, 0, 0},
    };
    for (const Case& c : cases) {
        plot.X().SetMinSpan(0, 100);
        plot.Y().SetMinSpan(0, 100);
        plot.View().SetAxesControlWheelStyle(c.style);
        in::wheel(plot, 200, 100, 1, c.mods);
        EXPECT_NEAR(plot.X().Min(), c.xMin, 1e-9) << "wheel style " << c.style << " shift " << (c.mods != 0);
        EXPECT_NEAR(plot.Y().Min(), c.yMin, 1e-9) << "wheel style " << c.style << " shift " << (c.mods != 0);
    }
    plot.selectMode = true;
    plot.X().SetMinSpan(0, 100);
    plot.View().SetAxesControlWheelStyle(ipacsXAxis);
    in::wheel(plot, 200, 100, 1);
    ExpectRange(plot.X(), 0, 100, "the toolbar's select mode takes the mouse");
    plot.View().SetAxesControlAllowInSelectMode(true);
    in::wheel(plot, 200, 100, 1);
    ExpectRange(plot.X(), 5, 105, "unless axes control is allowed in it");
}

} // namespace
