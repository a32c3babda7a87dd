// The axis object on a small test plot: range setters and their events, tracking styles fed
// by a channel's data, zoom to fit, zoom, drag, wheel and keys through the plot's window,
// input replayed on the other axes, texts, ticks and drawing.

#include "AxisTestPlot.h"
#include "PlotInput.h"

#include "controls/plot/base/iPlotError.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

namespace in = qx::test::plotinput;

using Events = std::vector<std::string>;

/// The recorded events whose text starts with Prefix.
Events Only(const Events& events, const std::string& prefix)
{
    Events kept;
    for (const std::string& e : events)
        if (e.rfind(prefix, 0) == 0)
            kept.push_back(e);
    return kept;
}

class AxisTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot.SetBackGroundColor(clBlack);
        plot.AddChannel("X-Axis 1", "Y-Axis 1");
    }
    TAxisTestPlot plot{nullptr};
};

TEST_F(AxisTest, StartsWithTheDefaultsAndItsManagersNames)
{
    EXPECT_EQ(plot.X().Name(), "X-Axis 1");
    EXPECT_EQ(plot.X().Title(), "X-Axis 1") << "the manager gives a new axis its name as title";
    EXPECT_EQ(plot.X().Min(), 0);
    EXPECT_EQ(plot.X().Span(), 100);
    EXPECT_EQ(plot.X().TrackingStyle(), iptsScaleMinMax) << "not inside a TiPlot";
    EXPECT_EQ(plot.X().TrackingAlignFirstStyle(), ipafsAuto);
    EXPECT_EQ(plot.Y().TrackingAlignFirstStyle(), ipafsNone);
    EXPECT_EQ(plot.View().GridXAxisName(), "X-Axis 1");
    EXPECT_EQ(plot.View().GridYAxisName(), "Y-Axis 1");
    EXPECT_EQ(plot.Channel().XAxisName(), "X-Axis 1");
    EXPECT_EQ(plot.X().TitleFont().Name, "Arial");
    EXPECT_EQ(plot.X().LabelsFont().Color, clWhite);
}

TEST_F(AxisTest, RangeSettersHoldTheirBoundsAndRefuseNotANumber)
{
    TiPlotAxis& x = plot.X();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    x.SetMin(1e301);
    EXPECT_EQ(x.Min(), 1e300);
    x.SetMin(-1e305);
    EXPECT_EQ(x.Min(), -1e300);
    x.SetMin(nan);
    EXPECT_EQ(x.Min(), -1e300) << "not a number is refused";
    x.SetMin(0);
    x.SetSpan(1e-301);
    EXPECT_EQ(x.Span(), 1e-300);
    x.SetSpan(-5);
    EXPECT_EQ(x.Span(), 1e-300);
    x.SetSpan(2e300);
    EXPECT_EQ(x.Span(), 1e300);
    x.SetSpan(nan);
    EXPECT_EQ(x.Span(), 1e300);
    x.SetMinSpan(nan, nan);
    EXPECT_EQ(x.Span(), 1e300);
    x.SetDesiredIncrement(-3);
    EXPECT_EQ(x.DesiredIncrement(), 0);
    x.SetDesiredIncrement(2e300);
    EXPECT_EQ(x.DesiredIncrement(), 1e300);
    x.SetMinSpan(-100, 100);
    plot.events.clear();
    x.SetScaleType(ipstLog10);
    EXPECT_EQ(x.Min(), 1) << "a logarithmic scale cannot start at or below 0";
    EXPECT_TRUE(plot.events.empty()) << "set directly, without events";
    x.SetMinSpan(-5, 0);
    EXPECT_EQ(x.Min(), 1);
    EXPECT_EQ(x.Span(), 1);
}

TEST_F(AxisTest, RangeEventsComeOnceForBothValues)
{
    TiPlotAxis& x = plot.X();
    plot.events.clear();
    x.SetMin(5);
    EXPECT_EQ(plot.events, (Events{"min X-Axis 1 0>5", "range X-Axis 1 0+100>5+100"}));
    plot.events.clear();
    x.SetSpan(50);
    EXPECT_EQ(plot.events, (Events{"span X-Axis 1 100>50", "range X-Axis 1 5+100>5+50"}));
    plot.events.clear();
    x.SetMinSpan(10, 60);
    EXPECT_EQ(plot.events, (Events{"min X-Axis 1 5>10", "span X-Axis 1 50>60", "range X-Axis 1 5+50>10+60"}));
    plot.events.clear();
    x.SetMinSpan(10, 60);
    x.SetMin(10);
    EXPECT_TRUE(plot.events.empty()) << "unchanged values raise nothing";
    x.SetMinSpan(10, 70);
    EXPECT_EQ(plot.events, (Events{"span X-Axis 1 60>70", "range X-Axis 1 10+60>10+70"}));
}

struct TrackingCase
{
    const char* what;
    TiPlotTrackingStyle style;
    TiPlotAlignFirstStyle alignFirst;
    double min, span;
    std::vector<double> values;
    double expectedMin, expectedMax;
    double compressMax = 0;
};

TEST(AxisTracking, StylesFollowTheData)
{
    const TrackingCase cases[] = {
        {"scale min max, above", iptsScaleMinMax, ipafsNone, 0, 10, {5, 15}, 0, 15},
        {"scale min max, below keeps the span", iptsScaleMinMax, ipafsNone, 0, 10, {5, 15, -5}, -5, 10},
        {"first value at Min", iptsScaleMinMax, ipafsMin, 0, 10, {105}, 105, 115},
        {"first value at Max", iptsScaleMinMax, ipafsMax, 0, 10, {105}, 95, 105},
        {"first value inside, automatic", iptsScaleMinMax, ipafsAuto, 0, 10, {5}, 0, 10},
        {"first value outside, automatic", iptsScaleMinMax, ipafsAuto, 0, 10, {50}, 50, 60},
        {"scale max", iptsScaleMax, ipafsNone, 0, 10, {5, 15, -5}, 0, 15},
        {"scale min", iptsScaleMin, ipafsNone, 0, 10, {5, -5, 15}, -5, 10},
        {"scroll smooth", iptsScrollSmooth, ipafsNone, 0, 10, {5, 15}, 5, 15},
        {"scroll smooth back", iptsScrollSmooth, ipafsNone, 0, 10, {5, 15, -3}, -3, 7},
        {"scroll page", iptsScrollPage, ipafsNone, 0, 10, {5, 10.5}, 10, 20},
        {"scroll page back", iptsScrollPage, ipafsNone, 0, 10, {5, 10.5, -1}, 0, 10},
        {"expand min max", iptsExpandMinMax, ipafsNone, 0, 10, {5, 15, -5}, -5, 15},
        {"expand collapse", iptsExpandCollapse, ipafsNone, 0, 10, {5, 15}, 5, 15},
        {"expand collapse, lower", iptsExpandCollapse, ipafsNone, 0, 10, {5, 15, -5}, -5, 15},
        {"expand collapse fast", iptsExpandCollapseFast, ipafsNone, 0, 10, {5, 15, -5}, -5, 15},
        {"compress widens up to its maximum", iptsScrollSmooth, ipafsNone, 0, 10, {1, 20, 40, 60}, 0, 60, 60},
        {"then slides", iptsScrollSmooth, ipafsNone, 0, 10, {1, 20, 40, 60, 70}, 10, 70, 60},
        {"a jump never widens beyond the maximum", iptsScrollSmooth, ipafsNone, 0, 10, {1, 200}, 140, 200, 60},
        {"compress while paging", iptsScrollPage, ipafsNone, 0, 10, {1, 200}, 60, 120, 60},
    };
    for (const TrackingCase& c : cases) {
        TAxisTestPlot plot(nullptr);
        plot.AddChannel("X-Axis 1", "Y-Axis 1");
        TiPlotAxis& x = plot.X();
        x.SetMinSpan(c.min, c.span);
        x.SetTrackingStyle(c.style);
        x.SetTrackingAlignFirstStyle(c.alignFirst);
        x.SetTrackingScrollCompressMax(c.compressMax);
        for (const double v : c.values)
            plot.Channel().AddXY(v, 0);
        ExpectRange(x, c.expectedMin, c.expectedMax, c.what);
    }
}

TEST_F(AxisTest, SpanMinimumAndMarginsAfterEachValue)
{
    TiPlotAxis& x = plot.X();
    x.SetTrackingAlignFirstStyle(ipafsNone);
    x.SetMinSpan(0, 10);
    x.SetTrackingSpanMinimum(50);
    plot.Channel().AddXY(1, 0);
    plot.Channel().AddXY(5, 0);
    ExpectRange(x, -20, 30, "the span minimum about the middle");

    x.SetTrackingSpanMinimum(0);
    x.SetMinSpan(0, 10);
    x.SetTrackingMinMargin(2);
    plot.Channel().AddXY(0.5, 0);
    ExpectRange(x, -1.5, 8.5, "room below the value");

    x.SetTrackingMinMargin(0);
    x.SetMinSpan(0, 10);
    x.SetTrackingMaxMargin(2);
    plot.Channel().AddXY(9, 0);
    ExpectRange(x, 0, 11, "room above the value");
}

TEST_F(AxisTest, AlignsToTheLastMajorIncrement)
{
    TiPlotAxis& x = plot.X();
    x.SetTrackingAlignFirstStyle(ipafsNone);
    x.SetTrackingIncrementStyle(iptisMajor);
    x.SetMinSpan(-13, 60);
    x.SetDesiredIncrement(20);
    plot.Channel().AddXY(0, 0);
    plot.Channel().AddXY(0, 0);
    ExpectRange(x, -13, 47, "before the first paint there is no increment: no alignment");
    plot.Picture();
    ASSERT_EQ(x.MajorIncrement(), 20);
    plot.Channel().AddXY(0, 0);
    ExpectRange(x, -20, 60, "aligned outward to whole increments");
    x.SetTrackingIncrementStyle(iptisMinor);
    x.SetMinSpan(-13, 60);
    plot.Channel().AddXY(0, 0);
    ExpectRange(x, -20, 50, "minor increment 10");
}

TEST_F(AxisTest, ResumingTrackingRestoresTheSavedRange)
{
    TiPlotAxis& x = plot.X();
    x.SetTrackingEnabled(false);
    x.Zoom(0.5);
    ExpectRange(x, 25, 75, "zoomed while tracking was off");
    plot.Channel().AddXY(500, 0);
    ExpectRange(x, 25, 75, "no tracking while off");
    x.SetTrackingEnabled(true);
    ExpectRange(x, 0, 100, "restored");
    x.SetRestoreValuesOnResume(false);
    x.SetTrackingEnabled(false);
    x.Zoom(0.5);
    x.SetTrackingEnabled(true);
    ExpectRange(x, 25, 75, "kept without RestoreValuesOnResume");
}

TEST_F(AxisTest, ZoomToFitScansTheChannelsOfThisAxis)
{
    TiPlotAxis& x = plot.X();
    x.SetTrackingEnabled(false);
    plot.AddChannel("x-axis 1", "Y-Axis 1");
    plot.AddChannel("X-Axis 2", "Y-Axis 1");
    for (const double v : {2.0, 8.0})
        plot.Channel(0).AddXY(v, v);
    for (const double v : {-4.0, 5.0})
        plot.Channel(1).AddXY(v, v);
    for (const double v : {-100.0, 100.0})
        plot.Channel(2).AddXY(v, v);
    x.ZoomToFit();
    ExpectRange(x, -4, 8, "both channels of X-Axis 1 (names compared without case), not X-Axis 2");
    x.SetTrackingMinMargin(1);
    x.SetTrackingMaxMargin(2);
    x.ZoomToFit();
    ExpectRange(x, -5, 10, "with the margins");
    x.SetTrackingMinMargin(0);
    x.SetTrackingMaxMargin(0);
    x.SetTrackingSpanMinimum(20);
    x.ZoomToFit();
    ExpectRange(x, -4, 16, "at least the span minimum");
    plot.Channel(1).runningXMax = 50;
    x.ZoomToFitFast();
    ExpectRange(x, -4, 50, "the fast fit reads the running extremes and no span minimum");
    plot.Y().ZoomToFit();
    ExpectRange(plot.Y(), -100, 100, "the Y axis fits every channel's Y");

    TAxisTestPlot empty(nullptr);
    empty.AddChannel("X-Axis 1", "Y-Axis 1");
    empty.X().ZoomToFit();
    ExpectRange(empty.X(), 0, 100, "no data: unchanged");
    empty.X().SetTrackingEnabled(false);
    empty.Channel().AddXY(3, 3);
    empty.X().ZoomToFit();
    ExpectRange(empty.X(), 0, 100, "a single value: unchanged");
}

TEST_F(AxisTest, ZoomByAFactor)
{
    TiPlotAxis& x = plot.X();
    x.Zoom(2);
    ExpectRange(x, -50, 150, "twice the span about the middle");
    try {
        x.Zoom(0);
        ADD_FAILURE() << "a zero factor zoomed";
    } catch (const EiPlotError& e) {
        EXPECT_STREQ(e.what(), "Linear Scale Zoom Factor must be Greater than Zero");
    }
    ExpectRange(x, -50, 150, "unchanged after the refused factor");
    x.SetScaleType(ipstLog10);
    x.SetMinSpan(1, 99);
    x.Zoom(1);
    ExpectRange(x, 0.1, 990.1, "a decade each way of the minimum and span");
}

TEST_F(AxisTest, PercentPositions)
{
    TiPlotAxis& x = plot.X();
    EXPECT_DOUBLE_EQ(x.PercentToPosition(0.25), 25);
    x.SetStartPercent(50);
    EXPECT_DOUBLE_EQ(x.PercentToPosition(0.75), 50) << "a fraction of the whole stacking dimension";
    x.SetReverseScale(true);
    EXPECT_DOUBLE_EQ(x.PercentToPosition(0.25), 75) << "reversed: a fraction of the axis from Max";
    x.SetReverseScale(false);
    x.SetScaleType(ipstLog10);
    x.SetMinSpan(1, 99);
    EXPECT_NEAR(x.PercentToPosition(0.5), 10, 1e-12);
    x.SetStartStopPercent(40, 40);
    EXPECT_EQ(x.PercentToPosition(0.5), 0) << "no layout span";
}

TEST_F(AxisTest, CustomTicksSurviveAPaint)
{
    TiPlotAxis& x = plot.X();
    x.SetTickListCustom(true);
    x.TickListClear();
    x.TickListAdd(25, "quarter", ipttMajor);
    x.TickListAdd(150, "beyond", ipttMajor);
    plot.Picture();
    ASSERT_EQ(x.TickListCount(), 2);
    EXPECT_EQ(x.Tick(0).Text, "quarter");
    EXPECT_TRUE(x.Tick(0).Show);
    EXPECT_EQ(x.Tick(0).PositionPixels, 60 + 75);
    EXPECT_FALSE(x.Tick(1).Show) << "off the scale";
    x.SetScaleType(ipstLog10);
    try {
        x.TickListAdd(0, "zero", ipttMajor);
        ADD_FAILURE() << "added";
    } catch (const EiPlotError& e) {
        EXPECT_STREQ(e.what(), "Log Scale Requires Position to be Greater Than Zero");
    }
    EXPECT_EQ(x.TickListCount(), 2);
}

TEST_F(AxisTest, TheProgramsAxesLabelTheirTicks)
{
    for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(&plot.X()), static_cast<TiPlotAxis*>(&plot.Y())}) {
        axis->SetMinSpan(-100, 120);
        axis->SetLabelsPrecision(2);
        axis->SetTrackingEnabled(false);
    }
    plot.X().SetDesiredStart(20);
    plot.X().SetLabelSeparation(0);
    plot.X().SetLabelsMinLength(3);
    plot.X().SetDesiredIncrement(20);
    plot.X().SetMinorCount(4);
    plot.Y().SetDesiredIncrement(10);
    plot.Picture();
    std::vector<std::string> labels;
    std::vector<int> pixels;
    for (int i = 0; i < plot.X().TickListCount(); ++i)
        if (plot.X().Tick(i).TickType == ipttMajor) {
            labels.push_back(plot.X().Tick(i).Text);
            pixels.push_back(plot.X().Tick(i).PositionPixels);
        }
    EXPECT_EQ(labels, (std::vector<std::string>{"-100", "-80", "-60", "-40", "-20", "0", "20"}));
    EXPECT_EQ(pixels, (std::vector<int>{60, 110, 160, 210, 260, 310, 360}));
    EXPECT_EQ(plot.X().TickListCount(), 7 + 6 * 4) << "four minors between majors";
    EXPECT_EQ(plot.Y().Tick(0).Text, "-100");
    EXPECT_EQ(plot.Y().Tick(0).PositionPixels, 210);
}

TEST_F(AxisTest, ScaleLineAndTickMarksArePainted)
{
    TiPlotAxis& x = plot.X();
    x.SetMinSpan(0, 100);
    x.SetDesiredIncrement(25);
    x.SetMinorCount(0);
    TBitmap picture = plot.Picture();
    TCanvas& canvas = picture.Canvas();
    // The scale line lies InnerMargin (5) below the axis' top, marks run 5..12 below it.
    EXPECT_EQ(canvas.Pixel(100, 215), clWhite) << "scale line";
    for (const int column : {60, 135, 210, 285})
        for (const int row : {216, 221})
            EXPECT_EQ(canvas.Pixel(column, row), clWhite) << "major mark at " << column << "," << row;
    EXPECT_EQ(canvas.Pixel(100, 218), clBlack) << "between marks";
    EXPECT_EQ(canvas.Pixel(135, 222), clBlack) << "a mark is MajorLength long";
    bool labelInk = false;
    for (int col = 120; col < 150; ++col)
        for (int row = 223; row < 250; ++row)
            labelInk = labelInk || canvas.Pixel(col, row) != clBlack;
    EXPECT_TRUE(labelInk) << "the label \"25\" below its mark";

    x.SetScaleLinesShow(false);
    TBitmap bare = plot.Picture();
    EXPECT_EQ(bare.Canvas().Pixel(135, 218), clBlack) << "no marks without scale lines";
}

TEST_F(AxisTest, TitleIsPaintedAtTheOuterSide)
{
    TiPlotAxis& x = plot.X();
    x.SetTitle("Input level");
    x.SetTitleShow(true);
    x.SetLabelsVisible(false);
    TBitmap picture = plot.Picture();
    bool titleInk = false;
    for (int col = 60; col < 360; ++col)
        for (int row = 230; row < 245; ++row)
            titleInk = titleInk || picture.Canvas().Pixel(col, row) != clBlack;
    EXPECT_TRUE(titleInk);
    EXPECT_GT(x.GetRequiredThickness(picture.Canvas()), 5 + 5 + 7) << "margins, marks, labels and title";
}

TEST_F(AxisTest, DraggingTheAxisScrollsOrZooms)
{
    TiPlotAxis& x = plot.X();
    plot.Picture();
    plot.events.clear();
    in::drag(plot, 200, 230, 230, 230);
    ExpectRange(x, -10, 90, "a tenth of the axis to the right: the range follows the mouse");
    EXPECT_FALSE(x.TrackingEnabled()) << "user control switches tracking off";
    EXPECT_EQ(Only(plot.events, "click"), (Events{"click X-Axis 1"}));
    EXPECT_EQ(Only(plot.events, "finished"), (Events{"finished X-Axis 1 0+100>-10+100"}));
    EXPECT_GT(plot.invalidations, 0) << "repainted at once";

    x.SetMinSpan(0, 100);
    in::drag(plot, 200, 230, 230, 230, Qt::ControlModifier);
    EXPECT_NEAR(x.Span(), 100 / std::pow(10, 0.025), 1e-9) << "Ctrl drags zoom: a quarter of the fraction in decades";
    EXPECT_NEAR(x.Mid(), 50, 1e-9);

    x.SetMinSpan(0, 100);
    x.SetMode(ipamZoom);
    in::drag(plot, 200, 230, 230, 230);
    EXPECT_NEAR(x.Span(), 100 / std::pow(10, 0.025), 1e-9) << "zoom mode";
    x.SetMode(ipamScroll);

    x.SetMinSpan(0, 100);
    x.SetReverseScale(true);
    plot.Picture();
    in::drag(plot, 200, 230, 230, 230);
    ExpectRange(x, 10, 110, "reversed: the other way");

    TiPlotAxis& y = plot.Y();
    plot.Picture();
    in::drag(plot, 30, 110, 30, 90);
    ExpectRange(y, -10, 90, "a vertical axis follows the mouse up");
}

TEST_F(AxisTest, AnAxisWithoutLengthIgnoresDrags)
{
    TiPlotAxis& x = plot.X();
    x.SetDrawRect({200, 210, 200, 250});
    TBitmap picture(400, 260);
    x.CalcTicks(picture.Canvas());
    ASSERT_EQ(x.AxisLengthPixels(), 0);
    ASSERT_TRUE(x.HitTest(200, 230)) << "its focus rectangle still takes the mouse";
    plot.events.clear();
    in::drag(plot, 200, 230, 230, 230);
    ExpectRange(x, 0, 100, "nothing to divide by: the drag is ignored");
    EXPECT_TRUE(x.TrackingEnabled());
    EXPECT_TRUE(Only(plot.events, "range").empty());
}

TEST_F(AxisTest, TheWheelScrollsOrZooms)
{
    TiPlotAxis& x = plot.X();
    plot.Picture();
    in::wheel(plot, 200, 230, 1);
    ExpectRange(x, 5, 105, "five percent of the span per notch");
    EXPECT_FALSE(x.TrackingEnabled());
    in::wheel(plot, 200, 230, -1);
    ExpectRange(x, 0, 100, "back");
    in::wheel(plot, 200, 230, 1, Qt::ControlModifier);
    EXPECT_NEAR(x.Span(), 100 / std::pow(10, 0.025), 1e-9) << "Ctrl zooms by 10^0.025 per notch";
    EXPECT_NEAR(x.Mid(), 50, 1e-9);

    x.SetScaleType(ipstLog10);
    x.SetMinSpan(1, 99);
    in::wheel(plot, 200, 230, 1, Qt::ControlModifier);
    EXPECT_NEAR(x.Span(), 99 / std::pow(10, 0.05), 1e-9) << "logarithmic zoom step";
    EXPECT_NEAR(x.Min(), std::pow(10, 0.05), 1e-12);
    x.SetMinSpan(1, 99);
    x.SetScrollMinMaxEnabled(true);
    x.SetScrollMin(1);
    in::wheel(plot, 200, 230, -1);
    ExpectRange(x, 1, 100, "held at ScrollMin");
}

TEST_F(AxisTest, KeysOnASelectedAxis)
{
    TiPlotAxis& x = plot.X();
    x.SetUserSelected(true);
    struct Case { int key; double min, max; const char* what; };
    const Case scroll[] = {
        {Qt::Key_PageUp, 100, 200, "a whole span up"},  {Qt::Key_Up, 101, 201, "one percent"},
        {Qt::Key_Left, 100, 200, "one percent back"},   {Qt::Key_Home, 0, 100, "a span back"},
        {Qt::Key_End, 100, 200, "End as Page Up"},      {Qt::Key_PageDown, 0, 100, "a span down"},
        {Qt::Key_A, 0, 100, "other keys do nothing"},
    };
    for (const Case& c : scroll) {
        in::key(plot, c.key);
        ExpectRange(x, c.min, c.max, c.what);
    }
    EXPECT_FALSE(x.TrackingEnabled());
    plot.events.clear();
    x.SetMode(ipamZoom);
    in::key(plot, Qt::Key_PageUp);
    ExpectRange(x, 45, 55, "zoom mode: a tenth of the span about the middle");
    EXPECT_EQ(Only(plot.events, "finished"), (Events{"finished X-Axis 1 0+100>45+10"}));
    x.SetUserSelected(false);
    in::key(plot, Qt::Key_PageUp);
    ExpectRange(x, 45, 55, "keys reach selected objects only");
}

TEST_F(AxisTest, MasterInputIsReplayedOnTheOtherAxes)
{
    plot.master->AddXAxis();
    plot.LayOut();
    TiPlotAxis& first = plot.X(0);
    TiPlotAxis& second = plot.X(1);
    second.SetMinSpan(1000, 50);
    first.SetMasterUIInput(true);
    plot.Picture();
    in::drag(plot, 200, 230, 230, 230);
    ExpectRange(first, -10, 90, "the axis dragged");
    ExpectRange(second, 995, 1045, "the other X axis moves by the same fraction");
    EXPECT_FALSE(plot.replayBlock) << "the block is lifted afterwards";
    in::wheel(plot, 200, 230, 1);
    ExpectRange(second, 997.5, 1047.5, "the wheel too");
    ExpectRange(plot.Y(), 0, 100, "Y axes are not touched");
}

TEST_F(AxisTest, SelectingAnotherObjectDeselects)
{
    plot.master->AddXAxis();
    TiPlotAxis& first = plot.X(0);
    TiPlotAxis& second = plot.X(1);
    first.SetUserSelected(true);
    second.SetUserSelected(true);
    EXPECT_FALSE(first.UserSelected()) << "one selected object at a time";
    first.SetShiftState(TShiftState{ssShift});
    first.SetUserSelected(true);
    second.SetUserSelected(false);
    second.SetUserSelected(true);
    EXPECT_TRUE(first.UserSelected()) << "axes with Shift held are selected together";
    plot.View().SetUserSelected(true);
    EXPECT_FALSE(first.UserSelected()) << "but not with another kind of object";
    EXPECT_TRUE(plot.View().UserSelected());
    first.SetUserSelected(true);
    EXPECT_FALSE(plot.View().UserSelected()) << "the data view steps aside too";
}

TEST_F(AxisTest, CursorHintAndPopupMenu)
{
    TiPlotAxis& x = plot.X();
    EXPECT_EQ(x.iGetMouseCursor({}), crHandPoint);
    x.SetMode(ipamZoom);
    EXPECT_EQ(x.iGetMouseCursor({}), crSizeWE);
    plot.Y().SetMode(ipamZoom);
    EXPECT_EQ(plot.Y().iGetMouseCursor({}), crSizeNS);

    plot.Picture();
    plot.events.clear();
    in::move(plot, 200, 230, {}, Qt::NoButton);
    const Events hints = Only(plot.events, "hint");
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_EQ(hints[0].rfind("hint X-Axis 1! at 200,210 size ", 0), 0u) << hints[0];
    x.SetTitleShow(true);
    plot.events.clear();
    in::move(plot, 200, 230, {}, Qt::NoButton);
    EXPECT_TRUE(Only(plot.events, "hint").empty()) << "a shown title gives no hint";

    plot.translate = [](const std::string& text) { return "~" + text; };
    TPopupMenu menu(nullptr);
    x.BuildPopupMenu(menu);
    std::vector<std::string> captions;
    for (int i = 0; i < menu.Items()->Count(); ++i)
        captions.push_back(menu.Items()->Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"~Tracking Enabled", "~Update Resume Values", "~Zoom to Fit", "Edit..."}));
    EXPECT_TRUE(menu.Items()->Items(0)->Checked());
    EXPECT_FALSE(menu.Items()->Items(1)->Enabled()) << "tracking is on";
    menu.Items()->Items(0)->Click();
    EXPECT_FALSE(x.TrackingEnabled());
    x.SetMin(30);
    x.BuildPopupMenu(menu);
    EXPECT_TRUE(menu.Items()->Items(1)->Enabled()) << "tracking off and the range moved";
}

TEST_F(AxisTest, LabelsAreCustomisedAndMeasured)
{
    TiPlotAxis& x = plot.X();
    plot.customizeLabel = [](TiPlotObject&, double, std::string& label) { label = "<" + label + ">"; };
    EXPECT_EQ(x.GetLabelText(20), "<20>");
    plot.customizeLabel = [&x](TiPlotObject&, double value, std::string& label) {
        label = "ignored";
        if (value > 50)
            x.SetCustomizeLabelEventText("written");
    };
    EXPECT_EQ(x.GetLabelText(20), "ignored");
    EXPECT_EQ(x.GetLabelText(60), "written") << "the written text overrides the returned label";
    plot.customizeLabel = [](TiPlotObject&, double, std::string& label) { label = "a\rb\nc\r\nd"; };
    EXPECT_EQ(x.GetCursorText(1), "a b c d") << "cursor texts never break lines";
    EXPECT_EQ(x.GetLegendText(1), "a b c d");
    plot.customizeLabel = nullptr;
    x.SetCursorUseDefaultFormat(false);
    x.SetCursorFormatStyle(iptfDateTime);
    x.SetCursorDateTimeFormat("hh\"\r\n\"nn");
    EXPECT_EQ(x.GetCursorText(0.5), "12 00");
    EXPECT_EQ(x.GetCursorValueText(0.5), "0") << "always a plain value: three digits over a span of 100";

    x.SetLabelsPrecision(99);
    EXPECT_EQ(x.LabelsPrecision(), 30);
    x.SetCursorPrecision(-3);
    EXPECT_EQ(x.CursorPrecision(), 0);
    x.SetLegendPrecision(31);
    EXPECT_EQ(x.LegendPrecision(), 30);
    x.SetLabelsPrecision(3);

    x.SetLabelsMinLength(1);
    x.SetLabelsMinLengthAutoAdjust(true);
    x.GetLabelText(12345);
    EXPECT_EQ(x.LabelsMinLength(), 1) << "labels alone do not adjust";
    x.SetMinSpan(0, 100000);
    plot.Picture();
    EXPECT_EQ(x.LabelsMinLength(), 6) << "the sample label of the width estimate: \"100000\"";

    x.SetScaleType(ipstLog10);
    int calls = 0;
    plot.customizeLabel = [&calls](TiPlotObject&, double, std::string&) { ++calls; };
    EXPECT_EQ(x.GetLabelText(0), "Unknown");
    EXPECT_EQ(calls, 0) << "an unknown logarithmic value is not customised";
}

TEST_F(AxisTest, CartesianAxesUseTheCollisionList)
{
    TiPlotAxis& x = plot.X();
    x.SetCartesianStyle(ipcsMaster);
    x.SetDrawRect({60, 110, 360, 110});
    plot.Picture();
    EXPECT_EQ(x.QuadSide(), iqsBottom);
    ASSERT_FALSE(plot.collisions.empty());
    EXPECT_EQ(plot.collisions.front(), (TRect{60, 110, 361, 111})) << "the scale line's one-pixel rectangle";
    EXPECT_EQ(x.ScaleRect().Left, 60) << "no stacking margins for a cartesian axis";
}

} // namespace
