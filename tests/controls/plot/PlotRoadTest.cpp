// The editor's road through an X-Y plot: GetChannel, DeletePoints and AddXY, and the pixels
// the curve then takes.

#include "PlotControlSupport.h"
#include "RaisedText.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using qx::test::makeTransferPlot;
using qx::test::plotPicture;
using qx::test::replacePoints;

TEST(PlotRoad, DrawsTheCurveWhereTheAxesMapThePoints)
{
    auto plot = makeTransferPlot();
    replacePoints(plot->GetChannel(0), {{20, -2.5}, {-4, -8.5}, {-16, -16}, {-100, -100}});
    replacePoints(plot->GetChannel(1), {{-9.8, -10.4}});
    TBitmap picture = plotPicture(*plot);
    if (const char* dir = std::getenv("QX_PLOT_DUMP"))
        plot->SaveImageToPNG(std::string(dir) + "/road.png", 6);
    const TiPlotAxis& x = plot->XAxis(0);
    const TiPlotAxis& y = plot->YAxis(0);
    // A point on the unity line below the knee.
    const int px = x.PositionToPixels(-50), py = y.PositionToPixels(-50);
    EXPECT_EQ(picture.Canvas().Pixel(px, py), clWhite);
}

} // namespace
