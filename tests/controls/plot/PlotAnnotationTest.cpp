// Annotations on a test plot: the position and size frames, drawing where the frames put
// them, hit tests in and out of select mode, moving and resizing by the mouse with the
// plot's events, and handles of a selected polygon.

#include "PlotControlSupport.h"
#include "PlotInput.h"

#include "controls/plot/objects/iPlotAnnotation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

namespace in = qx::test::plotinput;

/// A 500 x 300 X-Y plot with both axes 0..100, its curve hidden, and one annotation.
class PlotAnnotationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot.SetBounds(0, 0, 500, 300);
        plot.Show();
        plot.GetChannel(0).SetVisible(false);
        plot.DataView(0).SetGridShow(false);
        for (TiPlotAxis* axis : {&plot.XAxis(0), &plot.YAxis(0)}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 100);
        }
        plot.AddAnnotation();
        note().SetChannelName(plot.GetChannel(0).Name());
        plot.ReCalcLayout();
    }

    TiPlotAnnotation& note() { return plot.Annotation(0); }
    TRect view() { return plot.DataView(0).DrawRect(); }
    TColor pixel(int x, int y)
    {
        TBitmap picture = qx::test::plotPicture(plot);
        return picture.Canvas().Pixel(x, y);
    }
    void selectMode()
    {
        plot.ToolBar(0).SetShowSelectButton(true);
        plot.ToolBar(0).DoButtonClickSelect();
        ASSERT_TRUE(plot.ToolBarSelectMode());
    }

    TiXYPlot plot{nullptr};
};

TEST_F(PlotAnnotationTest, EachCoordinateFollowsItsFrame)
{
    struct Case
    {
        TiPlotReferenceType reference;
        TiPlotReferenceIndividual positionX, positionY;
        bool xInChannel, yInChannel;
    };
    const std::vector<Case> cases = {
        {iprtDataView, ipriAuto, ipriAuto, false, false},
        {iprtChannel, ipriAuto, ipriAuto, true, true},
        {iprtXChannelYDataView, ipriAuto, ipriAuto, true, false},
        {iprtXDataViewYChannel, ipriAuto, ipriAuto, false, true},
        {iprtDataView, ipriChannel, ipriAuto, true, false},
        {iprtChannel, ipriDataView, ipriDataView, false, false},
    };
    // The X axis runs 0..100 like the percentages: shift it so the frames differ.
    plot.XAxis(0).SetMinSpan(-100, 400);
    plot.YAxis(0).SetMinSpan(-100, 400);
    plot.ReCalcLayout();
    const TRect v = view();
    for (const Case& c : cases) {
        note().SetReference(c.reference);
        note().SetReferencePositionX(c.positionX);
        note().SetReferencePositionY(c.positionY);
        const int x = note().PositionXToPixels(50);
        const int y = note().PositionYToPixels(50);
        EXPECT_EQ(x, c.xInChannel ? plot.XAxis(0).PositionToPixels(50) : plot.DataView(0).PositionPercentToPixelsX(50))
            << c.reference << c.positionX;
        EXPECT_EQ(y, c.yInChannel ? plot.YAxis(0).PositionToPixels(50) : plot.DataView(0).PositionPercentToPixelsY(50))
            << c.reference << c.positionY;
        EXPECT_NEAR(note().PixelsXToPosition(x), 50, c.xInChannel ? 1 : 0.5);
    }
    EXPECT_EQ(plot.DataView(0).PositionPercentToPixelsX(50), (v.Left + v.Right) / 2);
}

TEST_F(PlotAnnotationTest, ALeftAlignedTextStartsOneAWidthRightOfItsAnchor)
{
    note().SetText("Hello");
    note().SetX(50);
    note().SetY(50);
    note().SetTextHorzAlignment(iahLeft);
    plot.ReCalcLayout();
    ASSERT_TRUE(note().Showing());
    TBitmap measure(8, 8);
    measure.Canvas().Font() = note().Font();
    const int aWidth = measure.Canvas().TextWidth("A");
    const int centre = plot.DataView(0).PositionPercentToPixelsX(50);
    EXPECT_NEAR(note().DrawRect().Left, centre + aWidth, 1);
}

TEST_F(PlotAnnotationTest, ShapesAreDrawnWhereTheirFramesPutThem)
{
    note().SetReference(iprtChannel);
    note().SetBrushColor(clLime);
    note().SetPenColor(clLime);
    struct Case
    {
        TiPlotAnnotationStyle style;
        double x, y, x2, y2, width, height;
        double insideX, insideY, outsideX, outsideY;
    };
    const std::vector<Case> cases = {
        {ipasRectangle, 50, 50, 0, 0, 20, 10, 58, 53, 62, 50},
        {ipasEllipse2, 50, 50, 0, 0, 20, 20, 50, 58, 58, 58},
        {ipasRectangle2, 10, 10, 30, 40, 0, 0, 20, 35, 35, 20},
        {ipasEllipse, 60, 60, 90, 90, 0, 0, 75, 75, 62, 62},
    };
    for (const Case& c : cases) {
        note().SetStyle(c.style);
        note().SetX(c.x);
        note().SetY(c.y);
        note().SetX2(c.x2);
        note().SetY2(c.y2);
        note().SetWidth(c.width);
        note().SetHeight(c.height);
        const int ix = plot.XAxis(0).PositionToPixels(c.insideX), iy = plot.YAxis(0).PositionToPixels(c.insideY);
        const int ox = plot.XAxis(0).PositionToPixels(c.outsideX), oy = plot.YAxis(0).PositionToPixels(c.outsideY);
        EXPECT_EQ(pixel(ix, iy), clLime) << c.style;
        EXPECT_NE(pixel(ox, oy), clLime) << c.style;
    }
}

TEST_F(PlotAnnotationTest, AnAnnotationThatLacksWhatItsFramesNeedIsNotDrawn)
{
    note().SetStyle(ipasRectangle);
    note().SetReference(iprtChannel);
    note().SetX(50);
    note().SetY(50);
    note().SetWidth(20);
    note().SetHeight(20);
    plot.ReCalcLayout();
    EXPECT_TRUE(note().Showing());
    note().SetChannelName("no such channel");
    plot.ReCalcLayout();
    EXPECT_FALSE(note().Showing());
    note().SetStyle(ipasPolygon);
    note().SetReference(iprtDataView);
    note().PolyPointAdd(10, 10);
    plot.ReCalcLayout();
    EXPECT_FALSE(note().Showing()) << "one corner";
    note().PolyPointAdd(50, 90);
    note().PolyPointAdd(90, 10);
    plot.ReCalcLayout();
    EXPECT_TRUE(note().Showing());
}

TEST_F(PlotAnnotationTest, ClicksPassThroughOutsideSelectMode)
{
    note().SetStyle(ipasRectangle);
    note().SetX(50);
    note().SetY(50);
    note().SetWidth(20);
    note().SetHeight(20);
    plot.ReCalcLayout();
    const TPoint centre{plot.DataView(0).PositionPercentToPixelsX(50), plot.DataView(0).PositionPercentToPixelsY(50)};
    EXPECT_NE(plot.ObjectAt(centre.X, centre.Y), &note());
    selectMode();
    plot.ReCalcLayout();
    EXPECT_EQ(plot.ObjectAt(centre.X, centre.Y), &note());
    note().SetSelectModeOnlyInteraction(false);
    plot.ToolBar(0).DoButtonClickSelect();
    EXPECT_EQ(plot.ObjectAt(centre.X, centre.Y), &note());
}

TEST_F(PlotAnnotationTest, MovingAnEllipseMovesBothCornersAndARectangleItsCentre)
{
    selectMode();
    note().SetUserCanMove(true);
    std::vector<std::string> events;
    plot.OnAnnotationMoveUser = [&](int i) { events.push_back("move " + std::to_string(i)); };
    plot.OnAnnotationCoordinatesChangeFinished = [&](int i) { events.push_back("finished " + std::to_string(i)); };
    plot.OnClickAnnotation = [&](int i) { events.push_back("click " + std::to_string(i)); };
    struct Case
    {
        TiPlotAnnotationStyle style;
        bool secondPointMoves;
    };
    for (const Case& c : {Case{ipasEllipse, true}, Case{ipasRectangle, false}}) {
        note().SetStyle(c.style);
        note().SetX(40);
        note().SetY(40);
        note().SetX2(60);
        note().SetY2(60);
        note().SetWidth(20);
        note().SetHeight(20);
        plot.ReCalcLayout();
        events.clear();
        const TPoint from{plot.DataView(0).PositionPercentToPixelsX(50), plot.DataView(0).PositionPercentToPixelsY(50)};
        in::press(plot, from.X, from.Y);
        in::move(plot, from.X + 10, from.Y);
        plot.ReCalcLayout();
        in::release(plot, from.X + 10, from.Y);
        const double moved = 10.0 / plot.DataView(0).Width() * 100;
        EXPECT_NEAR(note().X(), 40 + moved, 0.5) << c.style;
        EXPECT_NEAR(note().Y(), 40, 0.5) << c.style;
        EXPECT_NEAR(note().X2(), c.secondPointMoves ? 60 + moved : 60, 0.5) << c.style;
        EXPECT_EQ(events, (std::vector<std::string>{"move 0", "click 0", "finished 0"})) << c.style;
    }
}

TEST_F(PlotAnnotationTest, DraggingAHandleResizesACentredRectangle)
{
    selectMode();
    note().SetStyle(ipasRectangle);
    note().SetUserCanSize(true);
    note().SetX(50);
    note().SetY(50);
    note().SetWidth(20);
    note().SetHeight(20);
    note().SetUserSelected(true);
    plot.ReCalcLayout();
    int resized = 0;
    plot.OnAnnotationResizeUser = [&](int) { ++resized; };
    const TRect r = note().DrawRect();
    EXPECT_EQ(note().iGetMouseCursor({r.Right, r.Bottom}), crSizeNWSE);
    EXPECT_EQ(note().iGetMouseCursor({r.Right, r.Top}), crSizeNESW);
    const int dx = 20;
    in::press(plot, r.Right, r.Bottom);
    in::move(plot, r.Right + dx, r.Bottom);
    in::release(plot, r.Right + dx, r.Bottom);
    EXPECT_EQ(resized, 1);
    const double widthPercent = static_cast<double>(r.Right - r.Left + dx) / plot.DataView(0).Width() * 100;
    EXPECT_NEAR(note().Width(), widthPercent, 0.5);
    EXPECT_NEAR(note().X(), 50 + dx / 2.0 / plot.DataView(0).Width() * 100, 0.5);
}

TEST_F(PlotAnnotationTest, ASelectedPolygonShowsHandlesButCannotBeResized)
{
    selectMode();
    note().SetStyle(ipasPolygon);
    note().SetUserCanSize(true);
    note().PolyPointAdd(20, 20);
    note().PolyPointAdd(50, 80);
    note().PolyPointAdd(80, 20);
    note().SetUserSelected(true);
    plot.ReCalcLayout();
    const TRect r = note().DrawRect();
    EXPECT_EQ(note().iGetMouseCursor({r.Right, r.Bottom}), crHandPoint);
    TiPlotMouseData corner;
    corner.X = r.Left - 2;
    corner.Y = r.Top - 2;
    EXPECT_TRUE(note().iMouseHitTest(corner)) << "the handle square";
    const double before = note().PolyPoint(0).X;
    in::press(plot, r.Left - 2, r.Top - 2);
    in::move(plot, r.Left - 30, r.Top - 2);
    in::release(plot, r.Left - 30, r.Top - 2);
    EXPECT_EQ(note().PolyPoint(0).X, before);
    EXPECT_FALSE(note().Resizable());
}

TEST_F(PlotAnnotationTest, AnnotationsDrawOverTheChannels)
{
    plot.GetChannel(0).SetVisible(true);
    plot.GetChannel(0).SetColor(clRed);
    plot.GetChannel(0).SetTraceLineWidth(5);
    plot.GetChannel(0).AddXY(0, 50);
    plot.GetChannel(0).AddXY(100, 50);
    note().SetStyle(ipasLineX);
    note().SetX(50);
    note().SetPenColor(clAqua);
    const int x = plot.DataView(0).PositionPercentToPixelsX(50);
    EXPECT_EQ(pixel(x, plot.YAxis(0).PositionToPixels(50)), clAqua);
}

} // namespace

namespace {

TEST(PlotAnnotationDefaults, ANewAnnotationTakesThePlotsDefaults)
{
    TiXYPlot plot(nullptr);
    TFont font;
    font.Name = "Courier New";
    font.Color = clYellow;
    plot.SetAnnotationDefaultFont(font);
    plot.SetAnnotationDefaultBrushStlye(bsClear);
    plot.SetAnnotationDefaultBrushColor(clBlue);
    plot.SetAnnotationDefaultPenStlye(psDash);
    plot.SetAnnotationDefaultPenColor(clRed);
    plot.SetAnnotationDefaultPenWidth(3);
    plot.SetAnnotationDefaultReference(iprtChannel);
    plot.SetAnnotationDefaultReferencePositionX(ipriDataView);
    plot.SetAnnotationDefaultReferencePositionY(ipriChannel);
    plot.SetAnnotationDefaultReferenceSizeX(ipriChannel);
    plot.SetAnnotationDefaultReferenceSizeY(ipriDataView);
    TiPlotAnnotation& note = plot.Annotation(plot.AddAnnotation());
    EXPECT_EQ(note.Font().Name, "Courier New");
    EXPECT_EQ(note.Font().Color, clYellow);
    EXPECT_EQ(note.BrushStyle(), bsClear);
    EXPECT_EQ(note.BrushColor(), clBlue);
    EXPECT_EQ(note.PenStyle(), psDash);
    EXPECT_EQ(note.PenColor(), clRed);
    EXPECT_EQ(note.PenWidth(), 3);
    EXPECT_EQ(note.Reference(), iprtChannel);
    EXPECT_EQ(note.ReferencePositionX(), ipriDataView);
    EXPECT_EQ(note.ReferencePositionY(), ipriChannel);
    EXPECT_EQ(note.ReferenceSizeX(), ipriChannel);
    EXPECT_EQ(note.ReferenceSizeY(), ipriDataView);
    EXPECT_EQ(TiXYPlot(nullptr).AnnotationDefaultPenWidth(), 1);
}

} // namespace
