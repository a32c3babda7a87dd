// The editor's road through an X-Y plot: GetChannel, DeletePoints and AddXY, the pixels the
// curve then takes, and the repaints the changes ask for.

#include "PlotControlSupport.h"
#include "RaisedText.h"

#include "controls/plot/base/iClasses.h"
#include "platform/gui/Application.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using qx::test::makeTransferPlot;
using qx::test::plotPicture;
using qx::test::replacePoints;

using Points = std::vector<std::pair<double, double>>;

/// Whether a pixel of the colour lies within one pixel of (X, Y).
bool colourNear(TBitmap& picture, int X, int Y, TColor Colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (picture.Canvas().Pixel(X + dx, Y + dy) == Colour)
                return true;
    return false;
}

/// Every point along the segments of a curve, mapped by the plot's axes, has the curve's
/// colour within a pixel (the curve is two pixels wide).
void expectCurveAt(TiXYPlot& plot, TBitmap& picture, const Points& points, TColor colour, const std::string& what)
{
    const TiPlotAxis& x = plot.XAxis(0);
    const TiPlotAxis& y = plot.YAxis(0);
    for (std::size_t i = 1; i < points.size(); ++i)
        for (int step = 0; step <= 10; ++step) {
            const double t = step / 10.0;
            const double vx = points[i - 1].first + t * (points[i].first - points[i - 1].first);
            const double vy = points[i - 1].second + t * (points[i].second - points[i - 1].second);
            if (vx >= x.Max() || vy >= y.Max())
                continue; // the top and right edges carry the frame
            const int px = x.PositionToPixels(vx), py = y.PositionToPixels(vy);
            EXPECT_TRUE(colourNear(picture, px, py, colour))
                << what << ": (" << vx << ", " << vy << ") at pixel " << px << "," << py;
        }
}

TEST(PlotRoad, DrawsTheCurveAndMarkerWhereTheAxesMapThePoints)
{
    auto plot = makeTransferPlot();
    // Threshold -10 dB, ratio 1:4, knee 6 dB.
    const Points compressor{{20, -2.5}, {-4, -8.5}, {-16, -16}, {-100, -100}};
    replacePoints(plot->GetChannel(0), compressor);
    replacePoints(plot->GetChannel(1), {{-9.8, -10.4}});
    TBitmap picture = plotPicture(*plot);
    if (const char* dir = std::getenv("QX_PLOT_DUMP"))
        plot->SaveImageToPNG(std::string(dir) + "/road.png", 6);
    expectCurveAt(*plot, picture, compressor, clWhite, "compressor curve");
    const int mx = plot->XAxis(0).PositionToPixels(-9.8), my = plot->YAxis(0).PositionToPixels(-10.4);
    EXPECT_EQ(picture.Canvas().Pixel(mx, my), TColor(8421631)) << "the marker's fill";
    EXPECT_EQ(picture.Canvas().Pixel(mx + 8, my), clBlack) << "beyond the marker's half-size of 5";
}

TEST(PlotRoad, ReplacedPointsLeaveNothingOfTheOldCurve)
{
    auto plot = makeTransferPlot();
    replacePoints(plot->GetChannel(0), {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}});
    replacePoints(plot->GetChannel(0), {{20, 0}, {0, 0}, {0, 0}, {-100, -100}});
    EXPECT_EQ(plot->GetChannel(0).Count(), 4);
    TBitmap picture = plotPicture(*plot);
    expectCurveAt(*plot, picture, {{20, 0}, {0, 0}, {-100, -100}}, clWhite, "limit curve");
    const int px = plot->XAxis(0).PositionToPixels(15), py = plot->YAxis(0).PositionToPixels(15);
    EXPECT_FALSE(colourNear(picture, px, py, clWhite)) << "the old unity line above 0 dB is gone";
}

TEST(PlotRoad, DeletingMorePointsThanHeldIsRefusedAndChangesNothing)
{
    auto plot = makeTransferPlot();
    TiXYPlotChannel& curve = plot->GetChannel(0);
    replacePoints(curve, {{20, 20}, {-90, -90}, {-90, -100}});
    EXPECT_EQ(qx::test::raisedText([&] { curve.DeletePoints(4); }), "Delete size out of Range");
    EXPECT_EQ(curve.Count(), 3);
    curve.DeletePoints(3);
    EXPECT_EQ(curve.Count(), 0);
    EXPECT_EQ(curve.RunningXMin(), 1e300);
}

/// A plot that counts its real invalidations.
class CountingPlot : public TiXYPlot
{
public:
    using TiXYPlot::TiXYPlot;
    void RepaintNow() override
    {
        ++repaints;
        TiXYPlot::RepaintNow();
    }
    int repaints = 0;
};

class PlotRepaintTest : public ::testing::Test
{
protected:
    void SetUp() override { qx::setTimerClock(clock); }
    void TearDown() override { qx::setTimerClock(qx::Clock::system()); }

    /// One transfer-curve update: four points on the curve, one on the marker.
    void update(CountingPlot& plot, double t)
    {
        replacePoints(plot.GetChannel(0), {{20, t}, {t, t}, {t, t}, {-100, -100}});
        replacePoints(plot.GetChannel(1), {{t + 0.2, t - 0.4}});
    }

    qx::ManualClock clock{100000};
};

TEST_F(PlotRepaintTest, ABurstRepaintsOncePerFrameInterval)
{
    CountingPlot plot(nullptr);
    plot.AddChannel();
    plot.GetChannel(0).AddXY(0, 0);
    plot.GetChannel(1).AddXY(0, 0);
    clock.advance(1000);
    plot.repaints = 0;
    // A burst of ten curve updates within one 1/60 s interval: the first change repaints,
    // the others are held back.
    for (int i = 0; i < 10; ++i)
        update(plot, -10 - i);
    EXPECT_EQ(plot.repaints, 1);
    EXPECT_TRUE(plot.GetNeedsRepaint());
    // Within the interval nothing more; after it the next change repaints at once.
    clock.advance(16);
    update(plot, -30);
    EXPECT_EQ(plot.repaints, 1);
    clock.advance(1);
    update(plot, -31);
    EXPECT_EQ(plot.repaints, 2);
    // The last held-back request is carried out by the global repaint timer.
    EXPECT_TRUE(plot.GetNeedsRepaint());
    clock.advance(1000);
    Application->ProcessMessages();
    EXPECT_EQ(plot.repaints, 3);
    EXPECT_FALSE(plot.GetNeedsRepaint());
}

TEST_F(PlotRepaintTest, AnUpdateBracketHoldsEveryRequestBack)
{
    CountingPlot plot(nullptr);
    plot.AddChannel();
    clock.advance(1000);
    plot.repaints = 0;
    plot.BeginUpdate();
    for (int i = 0; i < 5; ++i)
        plot.GetChannel(0).AddXY(i, i);
    EXPECT_EQ(plot.repaints, 0);
    plot.EndUpdate();
    EXPECT_EQ(plot.repaints, 1);
}

} // namespace
