// The main window's three transfer-curve plots: X-Y plots read from the layout with the
// settings of the dynamics pages, seeded with their first points, and the editor's road
// (GetChannel, DeletePoints, AddXY) through them.

#include "MainWindowFixture.h"

#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotDataCursor.h"
#include "controls/plot/objects/iPlotLegend.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/plot/iXYPlot.h"
#include "platform/gui/canvas/Bitmap.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

Points pointsOf(TiXYPlotChannel& channel)
{
    Points points;
    for (int i = 0; i < channel.Count(); ++i)
        points.emplace_back(channel.DataX(i), channel.DataY(i));
    return points;
}

struct PlotCase
{
    const char* name;
    int width;
    Points curve;
    Points marker;
};

const PlotCase kPlots[] = {
    {"ipComp", 380, {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {{19.8, 20.4}}},
    {"ipLimit", 380, {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {{19.8, 20.4}}},
    {"ipGate", 810, {{20, 20}, {-90, -90}, {-90, -100}}, {{-89.8, -90.4}}},
};

TEST_F(MainWindowTest, TransferPlotsCarryTheDynamicsPageSettings)
{
    for (const PlotCase& c : kPlots) {
        SCOPED_TRACE(c.name);
        auto* plot = find<TiXYPlot>(c.name);
        ASSERT_NE(plot, nullptr);
        EXPECT_EQ(plot->Width(), c.width);
        EXPECT_EQ(plot->Height(), 230);
        EXPECT_FALSE(plot->UserCanEditObjects());
        EXPECT_EQ(plot->BorderStyle(), ibsNone);
        EXPECT_FALSE(plot->TitleVisible());
        EXPECT_FALSE(plot->GetUpdateActive()) << "the layout's update bracket closed";
        ASSERT_EQ(plot->ChannelCount(), 2);
        EXPECT_EQ(plot->ToolBarCount(), 1);
        EXPECT_FALSE(plot->ToolBar(0).Visible());
        EXPECT_FALSE(plot->Legend(0).Visible());
        EXPECT_FALSE(plot->DataCursor(0).Visible());
        for (TiPlotAxis* axis : {&plot->XAxis(0), &plot->YAxis(0)}) {
            EXPECT_EQ(axis->Min(), -100);
            EXPECT_EQ(axis->Max(), 20);
            EXPECT_FALSE(axis->TrackingEnabled());
            EXPECT_FALSE(axis->Enabled());
            EXPECT_EQ(axis->LabelsFont().Color, clYellow);
        }
        EXPECT_EQ(plot->YAxis(0).DesiredIncrement(), 10);
        for (TiPlotAxis* axis : {&plot->XAxis(0), &plot->YAxis(0)}) {
            EXPECT_FALSE(axis->ScaleLinesShow()) << "no scale line or tick marks";
            EXPECT_FALSE(axis->PopupEnabled());
            EXPECT_FALSE(axis->CanFocus());
        }
        EXPECT_EQ(plot->XAxis(0).MinorCount(), 4);
        EXPECT_EQ(plot->XAxis(0).LabelSeparation(), 0);
        EXPECT_EQ(plot->XAxis(0).StackingEndsMargin(), 1.0);
        EXPECT_EQ(plot->YAxis(0).LabelSeparation(), 2.0);
        TiXYPlotChannel& curve = plot->GetChannel(0);
        EXPECT_EQ(curve.Color(), clWhite);
        EXPECT_EQ(curve.TraceLineWidth(), 2);
        EXPECT_FALSE(curve.MarkersVisible());
        TiXYPlotChannel& marker = plot->GetChannel(1);
        EXPECT_EQ(marker.Color(), TColor(8421631));
        EXPECT_EQ(marker.TraceLineStyle(), iplsDot);
        EXPECT_TRUE(marker.MarkersVisible());
        EXPECT_EQ(marker.MarkersSize(), 5);
        EXPECT_EQ(marker.MarkersPenWidth(), 3);
        EXPECT_EQ(pointsOf(curve), c.curve);
        EXPECT_EQ(pointsOf(marker), c.marker);
    }
}

std::vector<std::string> majorLabels(TiPlotAxis& axis)
{
    std::vector<std::string> labels;
    for (int i = 0; i < axis.TickListCount(); ++i)
        if (axis.Tick(i).TickType == ipttMajor && axis.Tick(i).Show)
            labels.push_back(axis.Tick(i).Text);
    return labels;
}

TEST_F(MainWindowTest, TransferPlotsLabelXEvery20DbAndYByWhatFitsIn230Pixels)
{
    // A desired increment holds only when more labels fit than it makes: 120 dB in steps of
    // 10 needs thirteen, and the 230-pixel plots fit about four labels of three heights of
    // "0" each up the Y axis, so Y takes the 1-2-5 step of 50 from the desired start 20.
    for (const PlotCase& c : kPlots) {
        SCOPED_TRACE(c.name);
        auto* plot = find<TiXYPlot>(c.name);
        ASSERT_NE(plot, nullptr);
        TBitmap picture(plot->Width(), plot->Height());
        plot->PaintTo(picture.Canvas());
        EXPECT_EQ(majorLabels(plot->XAxis(0)), (std::vector<std::string>{"-100", "-80", "-60", "-40", "-20", "0", "20"}));
        EXPECT_EQ(plot->XAxis(0).MajorIncrement(), 20);
        EXPECT_EQ(majorLabels(plot->YAxis(0)), (std::vector<std::string>{"-80", "-30", "20"}));
        EXPECT_EQ(plot->YAxis(0).MajorIncrement(), 50);
    }
}

TEST_F(MainWindowTest, TransferPlotsTakeANewCurveOverTheSeededPoints)
{
    // The gate curve at -40 dB, as the gate editor draws it.
    auto* plot = find<TiXYPlot>("ipGate");
    ASSERT_NE(plot, nullptr);
    TiXYPlotChannel& curve = plot->GetChannel(0);
    curve.DeletePoints(3);
    for (const auto& [x, y] : Points{{20, 20}, {-40, -40}, {-40, -100}})
        curve.AddXY(x, y);
    TiXYPlotChannel& marker = plot->GetChannel(1);
    marker.DeletePoints(1);
    marker.AddXY(-39.8, -40.4);
    EXPECT_EQ(pointsOf(curve), (Points{{20, 20}, {-40, -40}, {-40, -100}}));
    EXPECT_EQ(pointsOf(marker), (Points{{-39.8, -40.4}}));
    // The fixed axes do not follow the points.
    EXPECT_EQ(plot->XAxis(0).Min(), -100);
    EXPECT_EQ(plot->XAxis(0).Span(), 120);
}

} // namespace
