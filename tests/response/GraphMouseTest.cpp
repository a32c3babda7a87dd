// The response graph's own mouse handling: pan, stretch and zoom of the axis
// ranges, scaling to the series on a double click, and the coordinate readout.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <QImage>
#include <QWidget>

#include "GraphTestSupport.h"

namespace {

using qx::test::GraphOnForm;

struct Limits
{
    double xMin, xMax, yMin, yMax;
};

Limits limitsOf(const LMyFFTDrawHpLp6dB& g)
{
    return {g.XMin(), g.XMax(), g.YMin(), g.YMax()};
}

// One drag: press at (100, 100), move by (dx, dy), release there.
void drag(LMyFFTDrawHpLp6dB& g, TShiftState shift, int dx, int dy)
{
    g.MouseDown1(mbLeft, shift, 100, 100);
    g.MouseMove1(shift, 100 + dx, 100 + dy);
    g.MouseUp1(mbLeft, shift, 100 + dx, 100 + dy);
}

TEST(GraphMouse, ADragPansOrStretchesTheRanges)
{
    struct Case
    {
        const char* what;
        TShiftState shift;
        // Signs of the change of xMin, xMax, yMin and yMax per unit of movement.
        int xMin, xMax, yMin, yMax;
    };
    const Case cases[] = {
        {"pan", {ssLeft}, -1, -1, +1, +1},
        {"pan with Shift", {ssShift, ssLeft}, -1, -1, +1, +1},
        {"stretch with Alt", {ssAlt, ssLeft}, +1, -1, -1, +1},
        {"stretch with Alt and the right button", {ssAlt, ssRight}, +1, -1, -1, +1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GraphOnForm f;
        LMyFFTDrawHpLp6dB& g = *f.graph;
        const Limits before = limitsOf(g);
        const double ux = (before.xMax - before.xMin) / g.GetPlotWidth();
        const double uy = (before.yMax - before.yMin) / g.GetPlotHeight();
        drag(g, c.shift, 10, 20);
        const Limits after = limitsOf(g);
        EXPECT_NEAR(after.xMin, before.xMin + c.xMin * 10 * ux, 1e-9);
        EXPECT_NEAR(after.xMax, before.xMax + c.xMax * 10 * ux, 1e-9);
        EXPECT_NEAR(after.yMin, before.yMin + c.yMin * 20 * uy, 1e-9);
        EXPECT_NEAR(after.yMax, before.yMax + c.yMax * 20 * uy, 1e-9);
        // The move after the release changes nothing.
        g.MouseMove1({}, 300, 200);
        EXPECT_EQ(g.XMin(), after.xMin);
    }
}

TEST(GraphMouse, ALogAxisPansByFactors)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.SetYMin(1.0);
    g.SetYMax(100.0);
    g.SetYAxisFormat(TMyAxisFormat::Log);
    const double decadesPerPixel = 2.0 / g.GetPlotHeight();
    drag(g, {ssLeft}, 0, 30);
    EXPECT_NEAR(g.YMin(), std::pow(10.0, 30 * decadesPerPixel), 1e-9);
    EXPECT_NEAR(g.YMax(), 100.0 * std::pow(10.0, 30 * decadesPerPixel), 1e-9);
}

TEST(GraphMouse, WithoutMouseControlTheRangesStay)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    std::vector<double> y(4096, 0.0);
    y[3000] = 40.0;
    g.FFTDraw(y.data(), 4096, 33, clRed, TMyPlotStyle::Line);
    g.SetYAutoScale(true);
    g.SetYMax(50.0);
    g.SetMouseControl(false);
    const Limits before = limitsOf(g);
    drag(g, {ssLeft}, 10, 20);
    drag(g, {ssAlt, ssLeft}, 10, 20);
    drag(g, {ssCtrl, ssLeft}, 200, 100);
    g.DblClick1();
    EXPECT_EQ(g.XMin(), before.xMin);
    EXPECT_EQ(g.XMax(), before.xMax);
    EXPECT_EQ(g.YMin(), before.yMin);
    EXPECT_EQ(g.YMax(), 50.0);
    EXPECT_FALSE(g.ZoomRect());
}

TEST(GraphMouse, ACtrlDragZoomsIntoItsRectangle)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    f.form->Show();
    const TShiftState ctrl{ssCtrl, ssLeft};
    g.MouseDown1(mbLeft, ctrl, 400, 150);
    ASSERT_TRUE(g.ZoomRect());
    EXPECT_EQ(*g.ZoomRect(), (TRect{400, 150, 402, 152}));
    g.MouseMove1(ctrl, 200, 50);
    ASSERT_TRUE(g.ZoomRect());
    EXPECT_EQ(*g.ZoomRect(), (TRect{200, 50, 400, 150})) << "spanned from the anchor";

    // The rectangle is shown inverted over the graph, dotted.
    const QImage shown = f.form->Widget()->grab().toImage();
    const QImage under = g.Screen().Image();
    int inverted = 0;
    for (int x = 200; x < 400; ++x) {
        const QRgb s = shown.pixel(x, 50);
        const QRgb u = under.pixel(x, 50);
        inverted += qRed(s) == 255 - qRed(u) && qGreen(s) == 255 - qGreen(u) ? 1 : 0;
    }
    EXPECT_GT(inverted, 60);
    EXPECT_LT(inverted, 140) << "dotted";

    const double left = g.PlotX(200), right = g.PlotX(400), top = g.PlotY(50), bottom = g.PlotY(150);
    g.MouseUp1(mbLeft, ctrl, 200, 50);
    EXPECT_FALSE(g.ZoomRect());
    EXPECT_DOUBLE_EQ(g.XMin(), left);
    EXPECT_DOUBLE_EQ(g.XMax(), right);
    EXPECT_DOUBLE_EQ(g.YMin(), bottom);
    EXPECT_DOUBLE_EQ(g.YMax(), top);
    EXPECT_EQ(f.form->Widget()->grab().toImage().pixel(300, 50), g.Screen().Image().pixel(300, 50))
        << "the rectangle is gone";
}

TEST(GraphMouse, ADoubleClickScalesToTheSeriesWhileAutoScaleIsOn)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    std::vector<double> y(4096, 0.0);
    y[100] = -30.0;
    y[3000] = 40.0;
    g.FFTDraw(y.data(), 4096, 33, clRed, TMyPlotStyle::Line);
    g.DblClick1();
    EXPECT_EQ(g.YMax(), 18.0) << "auto scale is off";
    g.SetYAutoScale(true);
    drag(g, {ssLeft}, 0, 40);
    const double panned = g.YMax();
    g.DblClick1();
    EXPECT_NE(g.YMax(), panned);
    EXPECT_EQ(g.YMax(), 40.0);
    EXPECT_EQ(g.YMin(), -30.0);
}

TEST(GraphMouse, TheControlsOwnEventsComeFirst)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    std::vector<std::string> seen;
    g.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { seen.push_back("down"); };
    g.OnMouseMove = [&](TObject*, TShiftState, int, int) {
        seen.push_back("move at " + std::to_string(g.XMin()));
    };
    g.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { seen.push_back("up"); };
    g.OnDblClick = [&](TObject*) { seen.push_back("double"); };
    const double xMin = g.XMin();
    drag(g, {ssLeft}, 10, 0);
    g.DblClick1();
    EXPECT_EQ(seen, (std::vector<std::string>{"down", "move at " + std::to_string(xMin), "up", "double"}));
}

TEST(GraphMouse, TheCoordinatesFollowTheMouse)
{
    GraphOnForm f;
    LMyFFTDrawHpLp6dB& g = *f.graph;
    g.MouseMove1({}, 500, 120);
    EXPECT_DOUBLE_EQ(g.MouseX(), g.PlotX(500));
    EXPECT_DOUBLE_EQ(g.MouseY(), g.PlotY(120));
    // Written in the coordinate font's lime on the coordinate page, shown on the control.
    const TPaintPage& page = g.Page(LMyFFTDrawHpLp6dB::CoordinatePage);
    const TRect& at = page.Placement();
    ASSERT_FALSE(page.Bitmap().Empty());
    int lime = 0;
    for (int y = at.Top; y < at.Bottom; ++y) {
        for (int x = at.Left; x < at.Right; ++x) {
            lime += g.Screen().Image().pixel(x, y) == qRgb(0, 255, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(lime, 20);

    // Without the readout the values still follow.
    g.SetShowCoordinates(false);
    g.MouseMove1({}, 510, 130);
    EXPECT_DOUBLE_EQ(g.MouseX(), g.PlotX(510));
}

} // namespace
