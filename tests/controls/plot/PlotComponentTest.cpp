// The plot component: its default objects, the object API, the title properties, the
// layout stacks and pass, the drawing layers, and the data operations.

#include "PlotControlSupport.h"
#include "RaisedText.h"
#include "TempDir.h"

#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/plot/iPlot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

using qx::test::plotPicture;
using qx::test::raisedText;

TEST(PlotComponent, AnXYPlotMadeInCodeHoldsOneObjectOfEachKind)
{
    TiXYPlot plot(nullptr);
    struct Case
    {
        const char* kind;
        int count;
        std::string firstName;
    };
    const std::vector<Case> cases = {
        {"toolbar", plot.ToolBarCount(), plot.ToolBar(0).Name()},
        {"legend", plot.LegendCount(), plot.Legend(0).Name()},
        {"X axis", plot.XAxisCount(), plot.XAxis(0).Name()},
        {"Y axis", plot.YAxisCount(), plot.YAxis(0).Name()},
        {"channel", plot.ChannelCount(), plot.GetChannel(0).Name()},
        {"data view", plot.DataViewCount(), plot.DataView(0).Name()},
        {"data cursor", plot.DataCursorCount(), plot.DataCursor(0).Name()},
        {"label", plot.LabelCount(), plot.Label(0).Name()},
    };
    const char* names[] = {"Toolbar 1", "Legend 1", "X-Axis 1", "Y-Axis 1", "Channel 1", "Data View 1", "Cursor 1",
                           "Title"};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].count, 1) << cases[i].kind;
        EXPECT_EQ(cases[i].firstName, names[i]) << cases[i].kind;
    }
    EXPECT_EQ(plot.GetChannel(0).Color(), clRed);
    EXPECT_EQ(plot.ToolBar(0).ZOrder(), 3);
    EXPECT_EQ(plot.Legend(0).ZOrder(), 2);
    EXPECT_EQ(plot.Label(0).ZOrder(), 2);
    EXPECT_EQ(plot.TitleText(), "Untitled");
    EXPECT_EQ(plot.GetChannel(0).XAxisName(), "X-Axis 1");
    EXPECT_EQ(plot.DataCursor(0).ChannelName(), "Channel 1");
    EXPECT_FALSE(plot.DataCursor(0).Visible());
    EXPECT_EQ(plot.Width(), 500);
    EXPECT_EQ(plot.Height(), 200);
}

TEST(PlotComponent, GetChannelRaisesTheListErrorsOutsideItsChannels)
{
    TiXYPlot plot(nullptr);
    EXPECT_EQ(raisedText([&] { plot.GetChannel(1); }), "List index out of bounds (1)");
    EXPECT_EQ(raisedText([&] { plot.GetChannel(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(plot.AddChannel(), 1);
    EXPECT_EQ(plot.GetChannel(1).Name(), "Channel 2");
}

TEST(PlotComponent, AYTPlotStartsWithItsRedYTChannel)
{
    TiPlot plot(nullptr);
    ASSERT_EQ(plot.ChannelCount(), 1);
    EXPECT_EQ(plot.GetChannel(0).Name(), "Channel 1");
    EXPECT_EQ(plot.GetChannel(0).Color(), clRed);
    EXPECT_EQ(raisedText([&] { plot.GetChannel(1); }), "List index out of bounds (1)");
    EXPECT_EQ(plot.ToolBarCount(), 1);
    EXPECT_EQ(plot.DataCursorCount(), 1);
    EXPECT_FALSE(plot.GetUpdateActive()) << "the update bracket closed";
}

TEST(PlotComponent, LabelZeroIsTheTitleAndStays)
{
    TiXYPlot plot(nullptr);
    plot.AddLabel();
    plot.AddLabel();
    EXPECT_EQ(raisedText([&] { plot.DeleteLabel(0); }), "Label Index 0 can not be Deleted (Resevered for Title)");
    EXPECT_EQ(plot.LabelCount(), 3);
    plot.RemoveAllLabels();
    EXPECT_EQ(plot.LabelCount(), 1);
    EXPECT_EQ(plot.Label(0).Name(), "Title");
}

TEST(PlotComponent, TitlePropertiesWithoutALabel)
{
    TiXYPlot plot(nullptr);
    plot.SetTitleText("Gain");
    plot.SetTitleMargin(0.5);
    EXPECT_EQ(plot.TitleText(), "Gain");
    EXPECT_EQ(plot.TitleMargin(), 0.5);
    plot.Master().LabelManager()->Clear();
    EXPECT_EQ(plot.TitleText(), "");
    EXPECT_FALSE(plot.TitleVisible());
    EXPECT_EQ(plot.TitleMargin(), 0.0);
    EXPECT_EQ(plot.TitleFont(), plot.Font());
    plot.SetTitleText("x");
    plot.SetTitleVisible(true);
    EXPECT_EQ(plot.TitleText(), "");
}

TEST(PlotComponent, RefusalsKeepTheFieldsAsTheyWere)
{
    TiXYPlot plot(nullptr);
    plot.SetDataFileFormat(ipdffCompactInterval);
    EXPECT_EQ(plot.DataFileFormat(), ipdffCompactInterval);
    EXPECT_EQ(raisedText([&] { plot.ImageListClear(3); }), "ImageList Index must be 0-2");
    EXPECT_EQ(raisedText([&] { plot.ImageListAdd(-1, TBitmap(4, 4)); }), "ImageList Index must be 0-2");
}

TEST(PlotComponent, DeletingTheObjectUnderTheMouseClearsTheReferenceBeforeItsEvent)
{
    TiXYPlot plot(nullptr);
    qx::test::plotPicture(plot);
    const TRect view = plot.DataView(0).DrawRect();
    const int x = plot.XAxis(0).DrawRect().Left + 40, y = plot.XAxis(0).DrawRect().Top + 3;
    ASSERT_EQ(plot.ObjectAt(x, y), &plot.XAxis(0));
    (void)view;
    bool cleared = false;
    plot.OnRemoveXAxis = [&](int index) {
        EXPECT_EQ(index, 0);
        cleared = plot.MouseDownObject() == nullptr && plot.LastMouseOverObject() == nullptr;
    };
    plot.DeleteXAxis(0);
    EXPECT_TRUE(cleared);
    EXPECT_EQ(plot.XAxisCount(), 0);
}

TEST(PlotComponent, AddAndRemoveEventsNameTheIndexInTheManager)
{
    TiXYPlot plot(nullptr);
    std::vector<std::string> events;
    plot.OnAddChannel = [&](int i) { events.push_back("add channel " + std::to_string(i)); };
    plot.OnRemoveChannel = [&](int i) { events.push_back("remove channel " + std::to_string(i)); };
    plot.OnAddLegend = [&](int i) { events.push_back("add legend " + std::to_string(i)); };
    plot.AddChannel();
    plot.AddLegend();
    plot.DeleteChannel(0);
    plot.RemoveAllChannels();
    EXPECT_EQ(events, (std::vector<std::string>{"add channel 1", "add legend 1", "remove channel 0",
                                                "remove channel 0"}));
}

TEST(PlotComponent, TranslationsTakeTheNewestPair)
{
    TiXYPlot plot(nullptr);
    plot.AddTranslation("Close", "X");
    plot.AddTranslation("Close", "Y");
    EXPECT_EQ(plot.GetTranslationReplacementString(0), "Y");
    EXPECT_EQ(plot.TranslateText("Close"), "Y");
    EXPECT_EQ(plot.TranslateText("close"), "close");
}

// ---- Data ----

TEST(PlotComponent, TransferredNullAndEmptyPointsKeepTheirFlags)
{
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    TiXYPlotChannel& source = plot.GetChannel(0);
    source.AddXY(1, 10);
    source.AddNull();
    source.AddEmpty();
    source.AddXY(4, 40);
    TiXYPlotChannel& destination = plot.GetChannel(1);
    plot.TransferChannelData(0, 1, 0, 3);
    ASSERT_EQ(destination.Count(), 4);
    EXPECT_TRUE(destination.DataNull(1));
    EXPECT_TRUE(destination.DataEmpty(2));
    EXPECT_TRUE(destination.DataValid(3));
    // The statistics count the two valid points only.
    EXPECT_EQ(destination.RunningXMin(), 1);
    EXPECT_EQ(destination.RunningYMax(), 40);
    EXPECT_EQ(destination.RunningYMean(), 25);
}

TEST(PlotComponent, TransferChannelDataChecksItsRange)
{
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    for (int i = 0; i < 5; ++i)
        plot.GetChannel(0).AddXY(i, i);
    EXPECT_EQ(raisedText([&] { plot.TransferChannelData(0, 1, -1, 0); }), "Start Index Must be 0 or Greater");
    EXPECT_EQ(raisedText([&] { plot.TransferChannelData(0, 1, 0, 5); }), "StopIndex Must Out Of Range");
    EXPECT_EQ(raisedText([&] { plot.TransferChannelData(0, 1, 3, 2); }), "(nothing raised)");
    EXPECT_EQ(plot.GetChannel(1).Count(), 0);
}

// ---- Layout ----

std::vector<std::string> stackNames(const TiPlotLayoutStack& stack)
{
    std::vector<std::string> names;
    for (int i = 0; i < stack.Count(); ++i)
        names.push_back(stack.Item(i)->Name());
    return names;
}

TEST(PlotLayout, StacksFollowTheDataViewsZOrders)
{
    TiXYPlot plot(nullptr);
    const TiPlotLayoutManager& layout = plot.LayoutManager();
    EXPECT_EQ(stackNames(layout.BottomList()), std::vector<std::string>{"X-Axis 1"});
    EXPECT_EQ(stackNames(layout.LeftList()), std::vector<std::string>{"Y-Axis 1"});
    EXPECT_EQ(stackNames(layout.TopList()), (std::vector<std::string>{"Title", "Toolbar 1"}));
    EXPECT_EQ(stackNames(layout.RightList()), std::vector<std::string>{"Legend 1"});
    EXPECT_TRUE(plot.Label(0).ReverseSide());
    EXPECT_FALSE(plot.XAxis(0).ReverseSide());
}

TEST(PlotLayout, MergingIntoATakenLayerMovesTheOthersOut)
{
    TiXYPlot plot(nullptr);
    plot.AddXAxis();
    // The new axis overlaps X-Axis 1 at z order 0: every horizontal member at 0 or above
    // (the place holder too) moves out by one and the new axis takes 0.
    EXPECT_EQ(plot.XAxis(1).ZOrder(), 0);
    EXPECT_EQ(plot.XAxis(0).ZOrder(), 1);
    EXPECT_EQ(plot.DataViewZHorz(), 2);
    EXPECT_EQ(plot.ToolBar(0).ZOrder(), 4);
    EXPECT_EQ(plot.LayoutManager().BottomUniqueCount(), 2);
    // Removing the only member of a layer closes the gap.
    plot.DeleteXAxis(0);
    EXPECT_EQ(plot.DataViewZHorz(), 1);
    EXPECT_EQ(plot.ToolBar(0).ZOrder(), 3);
}

TEST(PlotLayout, AxesSharingALayerStackSideBySide)
{
    TiXYPlot plot(nullptr);
    plot.XAxis(0).SetStartStopPercent(0, 50);
    plot.AddXAxis();
    plot.XAxis(1).SetStartStopPercent(50, 100);
    plot.LayoutManager().RemoveZOrder(&plot.XAxis(1));
    plot.LayoutManager().InsertZOrder(&plot.XAxis(1), 0, iidMerge);
    ASSERT_EQ(plot.XAxis(0).ZOrder(), plot.XAxis(1).ZOrder());
    qx::test::plotPicture(plot);
    EXPECT_TRUE(plot.XAxis(0).StopStacked());
    EXPECT_TRUE(plot.XAxis(1).StartStacked());
    EXPECT_EQ(plot.XAxis(0).DrawRect().Right, plot.XAxis(1).DrawRect().Left);
    EXPECT_EQ(plot.XAxis(0).DrawRect().Top, plot.XAxis(1).DrawRect().Top);
}

TEST(PlotLayout, TheToolbarSitsAtTheTopOfTheControl)
{
    TiXYPlot plot(nullptr);
    plot.Label(0).SetVisible(false);
    plot.Legend(0).SetVisible(false);
    qx::test::plotPicture(plot);
    const TRect toolbar = plot.ToolBar(0).DrawRect();
    EXPECT_EQ(toolbar.Top, 2) << "below the lowered border";
    EXPECT_EQ(toolbar.Bottom - toolbar.Top, 36);
    EXPECT_EQ(toolbar.Left, 2);
    EXPECT_EQ(toolbar.Right, plot.Width() - 3);
    const TRect view = plot.DataView(0).DrawRect();
    EXPECT_GT(view.Top, toolbar.Bottom) << "room for the toolbar and the Y axis' end label";
    // A hidden legend takes no room but is still placed along its edge.
    EXPECT_EQ(plot.Legend(0).DrawRect().Top, view.Top);
}

TEST(PlotLayout, TheDataViewIsBoundedByTheAxesScales)
{
    auto plot = qx::test::makeTransferPlot();
    qx::test::plotPicture(*plot);
    const TRect view = plot->DataView(0).DrawRect();
    EXPECT_EQ(plot->XAxis(0).PositionToPixels(-100), view.Left);
    EXPECT_EQ(plot->XAxis(0).PositionToPixels(20), view.Right);
    EXPECT_EQ(plot->YAxis(0).PositionToPixels(20), view.Top);
    EXPECT_EQ(plot->YAxis(0).PositionToPixels(-100), view.Bottom);
    EXPECT_EQ(plot->XAxis(0).DrawRect().Top, view.Bottom);
    EXPECT_EQ(plot->YAxis(0).DrawRect().Right, view.Left);
}

TEST(PlotLayout, WithoutAYAxisTheDataViewIsEmpty)
{
    TiXYPlot plot(nullptr);
    plot.DeleteYAxis(0);
    qx::test::plotPicture(plot);
    const TRect view = plot.DataView(0).DrawRect();
    EXPECT_EQ(view.Top, plot.Height());
    EXPECT_EQ(view.Bottom, 0);
}

// ---- Drawing ----

TEST(PlotDrawing, APlotWithoutItsToolbarDrawsNothing)
{
    TiXYPlot plot(nullptr);
    plot.GetChannel(0).AddXY(0, 0);
    plot.GetChannel(0).AddXY(100, 100);
    plot.DeleteToolBar(0);
    TBitmap canvas(plot.Width(), plot.Height());
    canvas.Canvas().Brush().Color = clFuchsia;
    canvas.Canvas().FillRect({0, 0, plot.Width(), plot.Height()});
    plot.ReCalcLayout();
    plot.iPaintToCanvas(0, 0, false, canvas.Canvas());
    for (const TPoint p : {TPoint{5, 5}, TPoint{250, 100}, TPoint{100, 180}})
        EXPECT_EQ(canvas.Canvas().Pixel(p.X, p.Y), clFuchsia);
}

TEST(PlotDrawing, ChannelZeroIsDrawnLastAndALowLayerUnderTheGrid)
{
    auto plot = qx::test::makeTransferPlot();
    TiXYPlotChannel& first = plot->GetChannel(0);
    TiXYPlotChannel& second = plot->GetChannel(1);
    second.SetMarkersVisible(false);
    second.SetTraceLineStyle(iplsSolid);
    second.SetTraceLineWidth(1);
    first.SetTraceLineWidth(1);
    second.SetColor(clLime);
    // Both along the grid line at -40 dB output.
    for (TiXYPlotChannel* c : {&first, &second})
        qx::test::replacePoints(*c, {{-100, -30}, {20, -30}});
    TBitmap picture = plotPicture(*plot);
    const int y = plot->YAxis(0).PositionToPixels(-30);
    const int x = plot->XAxis(0).PositionToPixels(-50);
    EXPECT_EQ(picture.Canvas().Pixel(x, y), clWhite) << "channel 0 on top";
    // With layer 50 channel 0 goes under the grid (layer 100), which then shows.
    first.SetLayer(50);
    second.SetLayer(50);
    picture = plotPicture(*plot);
    EXPECT_EQ(picture.Canvas().Pixel(x - 1, y), clGreen) << "the grid over the channels";
}

TEST(PlotDrawing, ChannelsStayInsideTheDataViewPlusOnePixel)
{
    auto plot = qx::test::makeTransferPlot();
    plot->YAxis(0).SetMinSpan(-50, 20);
    plot->GetChannel(0).SetColor(clFuchsia);
    plot->GetChannel(0).SetTraceLineWidth(6);
    qx::test::replacePoints(plot->GetChannel(0), {{-100, -100}, {20, 20}});
    TBitmap picture = plotPicture(*plot);
    const TRect view = plot->DataView(0).DrawRect();
    int inside = 0;
    for (int x = 0; x < plot->Width(); ++x)
        for (int y = 0; y < plot->Height(); ++y) {
            if (picture.Canvas().Pixel(x, y) != clFuchsia)
                continue;
            if (x < view.Left || x > view.Right + 1 || y < view.Top || y > view.Bottom + 1)
                ADD_FAILURE() << "the channel at " << x << "," << y;
            else
                ++inside;
        }
    EXPECT_GT(inside, 100);
}

TEST(PlotDrawing, CollapsedAndTinyPlotsPaintWithoutFault)
{
    for (const TPoint size : {TPoint{0, 0}, TPoint{1, 1}, TPoint{3, 200}, TPoint{500, 2}}) {
        TiXYPlot plot(nullptr);
        plot.SetBounds(0, 0, size.X, size.Y);
        plot.GetChannel(0).AddXY(1, 1);
        plot.GetChannel(0).AddXY(2, 3);
        plot.DataCursor(0).SetVisible(true);
        plot.Legend(0).SetHorizontal(true);
        TBitmap picture(std::max(size.X, 1), std::max(size.Y, 1));
        plot.PaintTo(picture.Canvas());
        EXPECT_FALSE(plot.PaintingActive());
        // Hit tests and cursor moves on the collapsed layout.
        EXPECT_NO_THROW(plot.ObjectAt(0, 0));
        EXPECT_NO_THROW(plot.DataCursor(0).UpdateCursorValues());
        Word key = 0x27;
        EXPECT_NO_THROW(plot.DataCursor(0).iKeyDown(key, {}, nullptr));
    }
}

TEST(PlotDrawing, AFailingDrawShowsItsTextAndLeavesThePlotWhole)
{
    TiXYPlot plot(nullptr);
    plot.OnXAxisCustomizeLabel = [](int, double, std::string&) { throw EiPlotError("label failure"); };
    TBitmap picture = plotPicture(plot);
    EXPECT_FALSE(plot.PaintingActive());
    // The error text is drawn in white on black.
    bool white = false;
    for (int x = 0; x < 100 && !white; ++x)
        for (int y = 0; y < 16 && !white; ++y)
            white = picture.Canvas().Pixel(x, y) == clWhite;
    EXPECT_TRUE(white);
    EXPECT_EQ(picture.Canvas().Pixel(plot.Width() - 5, plot.Height() - 5), clBlack);
    plot.OnXAxisCustomizeLabel = nullptr;
    EXPECT_NO_THROW(plotPicture(plot));
}

TEST(PlotDrawing, ReservationsRefuseOverlapsAndLeaveTheDataView)
{
    TiXYPlot plot(nullptr);
    plot.ReCalcLayout();
    const TRect view = plot.DataView(0).DrawRect();
    EXPECT_TRUE(plot.AxesCollisionAccept({-10, -10, -5, -5})) << "the first of a paint is accepted anywhere";
    EXPECT_FALSE(plot.AxesCollisionAccept({-8, -8, 0, 0})) << "overlap";
    EXPECT_FALSE(plot.AxesCollisionAccept({view.Right - 2, view.Top, view.Right + 5, view.Top + 5})) << "outside";
    EXPECT_TRUE(plot.AxesCollisionAccept({view.Left, view.Top, view.Left + 5, view.Top + 5}));
}

} // namespace

// ---- Property file ----

namespace {

struct PropertyFileTest : ::testing::Test
{
    std::string path(const char* name) const { return (dir / name).string(); }
    qx::test::TempDir dir;
};

TEST_F(PropertyFileTest, APlotReadsBackWhatItWrote)
{
    TiXYPlot source(nullptr);
    source.AddChannel();
    source.GetChannel(1).SetTitleText("Marker");
    source.GetChannel(1).SetColor(8421631);
    source.XAxis(0).SetMinSpan(-100, 120);
    source.SetOuterMarginLeft(9);
    source.SavePropertiesToFile(path("plot.txt"));
    TiXYPlot target(nullptr);
    target.LoadPropertiesFromFile(path("plot.txt"));
    ASSERT_EQ(target.ChannelCount(), 2);
    EXPECT_EQ(target.GetChannel(1).TitleText(), "Marker");
    EXPECT_EQ(target.GetChannel(1).Color(), TColor(8421631));
    EXPECT_EQ(target.XAxis(0).Min(), -100);
    EXPECT_EQ(target.OuterMarginLeft(), 9);
    EXPECT_TRUE(target.LayoutManager().Enabled());
    EXPECT_FALSE(target.GetUpdateActive());
}

TEST_F(PropertyFileTest, WithoutToolbarOrTitleLabelNothingIsRemoved)
{
    TiXYPlot source(nullptr);
    source.SavePropertiesToFile(path("plot.txt"));
    for (const bool withoutToolBar : {true, false}) {
        TiXYPlot plot(nullptr);
        plot.AddChannel();
        if (withoutToolBar)
            plot.DeleteToolBar(0);
        else
            plot.Master().LabelManager()->Clear();
        EXPECT_EQ(qx::test::raisedText([&] { plot.LoadPropertiesFromFile(path("plot.txt")); }),
                  "Error Loading Properties - Plot has no ToolBar 0 or Label 0");
        EXPECT_EQ(plot.ChannelCount(), 2);
        EXPECT_EQ(plot.XAxisCount(), 1);
        EXPECT_TRUE(plot.LayoutManager().Enabled());
        EXPECT_NO_THROW(qx::test::plotPicture(plot));
    }
}

TEST_F(PropertyFileTest, AFileOfAnotherTypeIsRefusedFirst)
{
    std::ofstream(path("other.txt"), std::ios::binary) << "File Type = Plot Channel Config\r\nChannelCount = 0\r\n";
    TiXYPlot plot(nullptr);
    EXPECT_EQ(qx::test::raisedText([&] { plot.LoadPropertiesFromFile(path("other.txt")); }),
              "Error Loading Properties - Incompatible Plot Configuration File Type");
    EXPECT_EQ(plot.ChannelCount(), 1);
}

TEST_F(PropertyFileTest, AFailurePartWayLeavesThePlotWorking)
{
    std::ofstream(path("bad.txt"), std::ios::binary)
        << "FILE TYPE = plot config\r\nChannelCount = 1\r\nChannel0.TraceLineWidth = wide\r\n";
    TiXYPlot plot(nullptr);
    EXPECT_NE(qx::test::raisedText([&] { plot.LoadPropertiesFromFile(path("bad.txt")); }), "(nothing raised)");
    EXPECT_TRUE(plot.LayoutManager().Enabled());
    EXPECT_FALSE(plot.GetUpdateActive());
    EXPECT_NO_THROW(qx::test::plotPicture(plot));
}

} // namespace
