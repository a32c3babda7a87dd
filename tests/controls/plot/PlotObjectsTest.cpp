// The legend, the toolbar, the data cursors and the label of a plot.

#include "PlotControlSupport.h"
#include "RaisedText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qx::test::plotPicture;

// ---- Legend ----

TEST(PlotLegend, WrapsIntoThreeRowsWithScrollButtons)
{
    TiXYPlot plot(nullptr);
    plot.SetBounds(0, 0, 500, 200);
    for (int i = 0; i < 3; ++i)
        plot.AddChannel();
    TiPlotLegend& legend = plot.Legend(0);
    legend.SetWrapRowAutoCountEnabled(false);
    legend.SetWrapRowDesiredCount(2);
    TBitmap canvas(10, 10);
    const int plain = legend.GetRequiredThickness(canvas.Canvas());
    EXPECT_EQ(legend.ActualWrapRowCount(), 3) << "fewer than three rows become three";
    EXPECT_TRUE(legend.UpButton().Visible());
    EXPECT_TRUE(legend.DownButton().Visible());
    EXPECT_FALSE(legend.UpButton().Enabled());
    EXPECT_TRUE(legend.DownButton().Enabled());
    EXPECT_EQ(legend.ItemViewStopIndex(), 2);
    // Scrolling down stops when the last item is the first one shown.
    for (int i = 0; i < 5; ++i) {
        legend.ScrollDown();
        legend.GetRequiredThickness(canvas.Canvas());
    }
    EXPECT_EQ(legend.ItemViewStartIndex(), 3);
    EXPECT_TRUE(legend.UpButton().Enabled());
    EXPECT_FALSE(legend.DownButton().Enabled());
    (void)plain;
}

TEST(PlotLegend, CountsAndSpacingsNeverMakeAZeroDivisor)
{
    TiXYPlot plot(nullptr);
    for (int i = 0; i < 4; ++i)
        plot.AddChannel();
    TiPlotLegend& legend = plot.Legend(0);
    legend.SetWrapColDesiredCount(0);
    EXPECT_EQ(legend.WrapColDesiredCount(), 1);
    legend.SetWrapRowDesiredCount(-3);
    EXPECT_EQ(legend.WrapRowDesiredCount(), 1);
    TBitmap canvas(10, 10);
    for (const bool horizontal : {false, true})
        for (const double spacing : {-1.0, -3.0, -100.0}) {
            legend.SetHorizontal(horizontal);
            legend.SetRowSpacing(spacing);
            legend.SetWrapColSpacingMin(spacing);
            legend.SetColumnSpacing(spacing);
            legend.SetWrapColAutoCountEnabled(true);
            legend.SetWrapColAutoCountMax(0);
            legend.SetWrapRowAutoCountMax(0);
            legend.SetWrapRowSpacingAuto(true);
            EXPECT_NO_THROW(legend.GetRequiredThickness(canvas.Canvas())) << spacing;
            EXPECT_GE(legend.ActualWrapColCount(), 1);
            EXPECT_NO_THROW(plotPicture(plot));
        }
}

TEST(PlotLegend, ListsChannelsByTitleOrName)
{
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    plot.GetChannel(1).SetTitleText("  ");
    plot.GetChannel(0).SetVisibleInLegend(false);
    plot.Legend(0).SetShowColumnYValue(true);
    plotPicture(plot);
    ASSERT_EQ(plot.Legend(0).Items().size(), 1u);
    EXPECT_EQ(plot.Legend(0).Items()[0].Channel, &plot.GetChannel(1));
    EXPECT_NE(plot.GetChannel(1).LegendRect().Right, 0);
    EXPECT_EQ(plot.GetChannel(0).LegendRect().Right, 0);
}

TEST(PlotLegend, WithoutListedChannelsItDrawsNothing)
{
    TiXYPlot plot(nullptr);
    plot.GetChannel(0).SetVisibleInLegend(false);
    plot.Legend(0).SetBackGroundTransparent(false);
    plot.Legend(0).SetBackGroundColor(clFuchsia);
    TBitmap picture = plotPicture(plot);
    const TRect r = plot.Legend(0).DrawRect();
    EXPECT_NE(picture.Canvas().Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), clFuchsia);
}

// ---- Toolbar ----

TEST(PlotToolBar, ShowSettersRaiseTheChangeNotification)
{
    TiXYPlot plot(nullptr);
    int changes = 0;
    plot.Master().OnChange = [&](TObject*) { ++changes; };
    TiPlotToolBar& bar = plot.ToolBar(0);
    using Setter = void (TiPlotToolBar::*)(bool);
    for (Setter set : {&TiPlotToolBar::SetShowResumeButton, &TiPlotToolBar::SetShowPauseButton,
                       &TiPlotToolBar::SetShowAxesModeButtons, &TiPlotToolBar::SetShowZoomInOutButtons,
                       &TiPlotToolBar::SetShowZoomBoxButton, &TiPlotToolBar::SetShowCursorButton,
                       &TiPlotToolBar::SetShowEditButton, &TiPlotToolBar::SetShowCopyButton,
                       &TiPlotToolBar::SetShowSaveButton, &TiPlotToolBar::SetShowPrintButton}) {
        changes = 0;
        (bar.*set)(false);
        EXPECT_EQ(changes, 1);
        (bar.*set)(false);
        EXPECT_EQ(changes, 1) << "an unchanged value notifies nobody";
    }
    changes = 0;
    bar.SetShowSelectButton(true);
    bar.SetShowPreviewButton(true);
    EXPECT_EQ(changes, 2);
}

TEST(PlotToolBar, ZoomInPausesAndHalvesTheSpanAroundItsCentre)
{
    TiXYPlot plot(nullptr);
    plot.XAxis(0).SetMinSpan(0, 100);
    std::vector<std::string> events;
    plot.OnBeforeToolBarButtonClick = [&](int, int type, bool&) { events.push_back("before " + std::to_string(type)); };
    plot.OnToolBarButtonClick = [&](int, int type) { events.push_back("after " + std::to_string(type)); };
    plot.ToolBar(0).DoButtonClickZoomIn();
    EXPECT_EQ(plot.XAxis(0).Span(), 50);
    EXPECT_EQ(plot.XAxis(0).Min(), 25);
    EXPECT_FALSE(plot.XAxis(0).TrackingEnabled());
    const std::string in = std::to_string(iptbbtZoomIn), pause = std::to_string(iptbbtPause);
    EXPECT_EQ(events, (std::vector<std::string>{"before " + in, "before " + pause, "after " + pause, "after " + in}));
}

TEST(PlotToolBar, ACancelledActionDoesNothing)
{
    TiXYPlot plot(nullptr);
    const double span = plot.XAxis(0).Span();
    bool after = false;
    plot.OnBeforeToolBarButtonClick = [](int, int type, bool& cancel) { cancel = type == iptbbtZoomIn; };
    plot.OnToolBarButtonClick = [&](int, int) { after = true; };
    plot.ToolBar(0).DoButtonClickZoomIn();
    EXPECT_EQ(plot.XAxis(0).Span(), span);
    EXPECT_TRUE(plot.XAxis(0).TrackingEnabled());
    EXPECT_FALSE(after);
}

TEST(PlotToolBar, ModeButtonsExcludeEachOther)
{
    TiXYPlot plot(nullptr);
    TiPlotToolBar& bar = plot.ToolBar(0);
    bar.DoButtonClickSelect();
    EXPECT_TRUE(bar.SelectActive());
    EXPECT_TRUE(plot.ToolBarSelectMode());
    bar.DoButtonClickZoomBox();
    EXPECT_FALSE(bar.SelectActive());
    EXPECT_TRUE(bar.ZoomBoxActive());
    bar.DoButtonClickZoomAxesMode();
    EXPECT_EQ(plot.XAxis(0).Mode(), ipamZoom);
    EXPECT_FALSE(bar.Button(iptbbtScrollAxesMode).Down());
    // Resume with the cursor down: the cursors go, selections clear, tracking resumes.
    bar.DoButtonClickCursor();
    EXPECT_TRUE(plot.DataCursor(0).Visible());
    EXPECT_FALSE(plot.XAxis(0).TrackingEnabled());
    bar.DoButtonClickResume();
    EXPECT_FALSE(plot.DataCursor(0).Visible());
    EXPECT_FALSE(plot.DataCursor(0).UserSelected());
    EXPECT_TRUE(plot.XAxis(0).TrackingEnabled());
}

TEST(PlotToolBar, FactorsAndSizes)
{
    TiXYPlot plot(nullptr);
    TiPlotToolBar& bar = plot.ToolBar(0);
    bar.SetZoomInOutFactor(0.5);
    EXPECT_EQ(bar.ZoomInOutFactor(), 1);
    TBitmap canvas(4, 4);
    EXPECT_EQ(bar.GetRequiredThickness(canvas.Canvas()), 36);
    bar.SetSmallButtons(true);
    EXPECT_EQ(bar.GetRequiredThickness(canvas.Canvas()), 28);
    EXPECT_EQ(bar.Button(iptbbtCopy).ImageName(), "SMALLCOPY");
    plotPicture(plot);
    EXPECT_EQ(bar.Button(iptbbtCopy).DrawRect().Right - bar.Button(iptbbtCopy).DrawRect().Left, 22);
}

TEST(PlotToolBar, TheSpacerAfterTheCursorFollowsZoomBoxAndCursorOnly)
{
    TiXYPlot plot(nullptr);
    TiPlotToolBar& bar = plot.ToolBar(0);
    bar.SetShowZoomBoxButton(false);
    bar.SetShowCursorButton(false);
    bar.SetShowSelectButton(true);
    plotPicture(plot);
    EXPECT_EQ(bar.Button(iptbbtSelect).DrawRect().Right, bar.Button(iptbbtEdit).DrawRect().Left);
}

// ---- Data cursor ----

TEST(PlotDataCursor, PointerPositionsAreHeldWithinTheView)
{
    TiXYPlot plot(nullptr);
    TiPlotDataCursor& cursor = plot.DataCursor(0);
    cursor.SetPointer1Position(150);
    EXPECT_EQ(cursor.Pointer1Position(), 100);
    cursor.SetPointer1Position(-3);
    EXPECT_EQ(cursor.Pointer1Position(), 0);
    cursor.SetPointer2Position(std::nan(""));
    EXPECT_EQ(cursor.Pointer2Position(), 0);
}

TEST(PlotDataCursor, PointerSetsOfTheStyles)
{
    TiXYPlot plot(nullptr);
    TiPlotDataCursor& cursor = plot.DataCursor(0);
    cursor.SetStyle(ipcsValueY);
    EXPECT_FALSE(cursor.Pointer1Show());
    EXPECT_TRUE(cursor.Pointer2Show());
    EXPECT_EQ(cursor.Pointer2Orientation(), ioHorizontal);
    EXPECT_EQ(cursor.HintOrientation(), ioHorizontal);
    cursor.SetStyle(ipcsDeltaX);
    EXPECT_EQ(cursor.Pointer1Orientation(), ioVertical);
    EXPECT_EQ(cursor.Pointer2Orientation(), ioVertical);
    plot.SetXYAxesReverse(true);
    EXPECT_EQ(cursor.Pointer1Orientation(), ioHorizontal);
}

TEST(PlotDataCursor, OnAllChannelsTheLegendShowsTheReadings)
{
    TiXYPlot plot(nullptr);
    plot.GetChannel(0).AddXY(0, 0);
    TiPlotDataCursor& cursor = plot.DataCursor(0);
    cursor.SetChannelName("<All>");
    cursor.SetVisible(true);
    plotPicture(plot);
    EXPECT_TRUE(plot.Legend(0).CursorAllChannels());
    EXPECT_FALSE(cursor.HintShowing()) << "no hint on <All>";
    EXPECT_FALSE(plot.GetChannel(0).DataCursorXText().empty());
}

TEST(PlotDataCursor, AHintFlipsAtTheRightEdgeAndStaysInside)
{
    TiXYPlot plot(nullptr);
    plot.GetChannel(0).AddXY(0, 0);
    TiPlotDataCursor& cursor = plot.DataCursor(0);
    cursor.SetVisible(true);
    cursor.SetStyle(ipcsValueX);
    cursor.SetPointer1Position(99);
    plotPicture(plot);
    EXPECT_EQ(cursor.HintOrientationSide(), iosTopLeft);
    const TRect view = plot.DataView(0).DrawRect();
    EXPECT_LE(cursor.HintRect().Right, view.Right);
    EXPECT_GE(cursor.HintRect().Left, view.Left);
}

TEST(PlotDataCursor, SelectingAChannelMovesASelectedCursorToIt)
{
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    TiPlotDataCursor& cursor = plot.DataCursor(0);
    cursor.SetUserSelected(true);
    plot.GetChannel(1).SetUserSelected(true);
    EXPECT_EQ(cursor.ChannelName(), "Channel 2");
}

// ---- Label ----

TEST(PlotLabel, MarginsAddCharacterHeightsToTheThickness)
{
    TiXYPlot plot(nullptr);
    TiPlotLabel& label = plot.Label(0);
    TBitmap canvas(4, 4);
    const int plain = label.GetRequiredThickness(canvas.Canvas());
    label.SetMarginTop(1);
    label.SetMarginBottom(1);
    canvas.Canvas().Font() = label.Font();
    const int h0 = canvas.Canvas().TextHeight("0");
    EXPECT_EQ(label.GetRequiredThickness(canvas.Canvas()), plain + 2 * h0);
}

TEST(PlotLabel, AnEmptyImageListOrABadIndexDrawsTheCaption)
{
    TiXYPlot plot(nullptr);
    TiPlotLabel& label = plot.Label(0);
    label.SetCaption("WWWWWW");
    label.Font();
    TFont font = label.Font();
    font.Color = clFuchsia;
    label.SetFont(font);
    for (const auto& [list, index] : {std::pair{0, 0}, std::pair{-1, -1}, std::pair{1, -1}}) {
        label.SetImageListIndex(list);
        label.SetImageIndex(index);
        TBitmap picture = plotPicture(plot);
        const TRect r = label.DrawRect();
        int caption = 0;
        for (int x = r.Left; x < r.Right; ++x)
            for (int y = r.Top; y < r.Bottom; ++y)
                caption += picture.Canvas().Pixel(x, y) == clFuchsia;
        EXPECT_GT(caption, 10) << list << "," << index;
    }
}

} // namespace
