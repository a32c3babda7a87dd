// Editing on the response graphs with the mouse: picking a band or cut-off
// handle, dragging it (the commands of each step and the deferred redraw),
// the hover cursor and the handles that cannot be picked.

#include "EqWindowFixture.h"
#include "codec/ValueScales.h"
#include "controls/skinned/AdvTrackBar.h"
#include "editors/eq/ValueEntry.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"

namespace {

using eqtest::peqFrame;
using qxtest::Sent;

class GraphMouseTest : public eqtest::EqWindowTest
{
protected:
    void SetUp() override
    {
        eqtest::EqWindowTest::SetUp();
        find<TRzBmpButton>("rzbMenuOut1")->Click();
        graph = find<LMyFFTDrawHpLp6dB>("fftDrawOut1");
        sent().clear();
    }
    TPoint origin(const LMyFFTDrawHpLp6dB& g) const
    {
        const TRect& r = g.Page(LMyFFTDrawHpLp6dB::MainPage).Placement();
        return {r.Left, r.Top};
    }
    // The control point of a frequency and a level, as the graph's axes map them.
    TPoint at(const LMyFFTDrawHpLp6dB& g, double hz, double db) const
    {
        const double x = 4096.0 * std::log10(hz) / std::log10(24000.0);
        const TPoint o = origin(g);
        return {o.X + static_cast<int>(std::lround(g.GetPlotWidth() * (x - g.XMin()) / (g.XMax() - g.XMin()))),
                o.Y + static_cast<int>(std::lround(g.GetPlotHeight() * (18.0 - db) / 36.0))};
    }
    TPoint handle(const LMyFFTDrawHpLp6dB& g, int n) const
    {
        const TPoint o = origin(g);
        const TPoint p = g.GetBlockPos(n);
        return {o.X + p.X, o.Y + p.Y};
    }
    void press(LMyFFTDrawHpLp6dB* g, TPoint p, TMouseButton button = mbLeft) { g->OnMouseDown(g, button, {}, p.X, p.Y); }
    void move(LMyFFTDrawHpLp6dB* g, TPoint p) { g->OnMouseMove(g, {}, p.X, p.Y); }
    void release(LMyFFTDrawHpLp6dB* g, TPoint p) { g->OnMouseUp(g, mbLeft, {}, p.X, p.Y); }
    // What a drag step to p gives, by the graph's mapping: the frequency
    // index on the ladder and the gain index for a band at `bandDb`.
    std::pair<int, int> expectedStep(TPoint p, double bandDb) const
    {
        const TPoint o = origin(*graph);
        const double xv = graph->XMin() + double(p.X - o.X) / graph->GetPlotWidth() * (graph->XMax() - graph->XMin());
        const double f = std::pow(10.0, std::log10(24000.0) * xv / 4096.0);
        const int frequency = std::clamp(FreqToIndex(f), 0, 300);
        double yv = double(p.Y - o.Y) / graph->GetPlotHeight() * 36.0 - 18.0 + (bandDb < 0.0 ? 1.0 : 0.0);
        yv = std::clamp(yv, -12.0, 12.0);
        return {frequency, static_cast<int>(std::trunc(-yv * 10.0)) + 120};
    }
    LMyFFTDrawHpLp6dB* graph = nullptr;
};

// A band picked and dragged: each step is stored and sent at once, the
// curve follows one pass of the loop later, the release ends the drag.
TEST_F(GraphMouseTest, DraggingABandSendsEachStepAndRedrawsLater)
{
    press(graph, handle(*graph, 2));
    EXPECT_EQ(window->DragHandle, 2);
    EXPECT_TRUE(find<TRzBmpButton>("rzbEq3Out1")->Down());
    EXPECT_EQ(find<TMyPEQType8>("peqPeqOut1")->GetNowIndex(), 2);
    EXPECT_TRUE(find("lbFftParamOut1")->Visible());
    EXPECT_TRUE(sent().empty()) << "picking sends nothing";

    const TPoint to = at(*graph, 1000.0, 6.0);
    move(graph, to);
    const auto [frequency, gain] = expectedStep(to, 0.0);
    EXPECT_EQ(sent(), std::vector<Sent>{peqFrame(4, 2, gain, frequency, 25, 0, 0)});
    EXPECT_EQ(unit().GetPeqBand(4, 2), (qx::PeqBand{std::uint16_t(gain), std::uint16_t(frequency), 25, 0}));
    EXPECT_NEAR(sectionDb(4, 2, 1000.0), 0.0, 1e-9) << "the curve waits for the timer";
    settle();
    EXPECT_NEAR(sectionDb(4, 2, IndexToFreq(frequency)), (gain - 120) * 0.1, 0.05);
    EXPECT_EQ(find<TAdvTrackBar>("isEqGainOut1")->Position(), gain);
    EXPECT_EQ(find<TAdvTrackBar>("isEqFreqOut1")->Position(), frequency);

    sent().clear();
    move(graph, to);
    EXPECT_TRUE(sent().empty()) << "a move to the same point changes nothing";
    release(graph, to);
    EXPECT_EQ(window->DragHandle, -1);
    move(graph, at(*graph, 2000.0, 3.0));
    EXPECT_TRUE(sent().empty()) << "after the release a move only hovers";
}

// The ends of a drag: +-12 dB, the lowest and highest frequency steps; a
// band below 0 dB is set 1 dB below the pointer.
TEST_F(GraphMouseTest, ADragKeepsToTheScales)
{
    press(graph, handle(*graph, 3));
    ASSERT_EQ(window->DragHandle, 3);
    struct Case
    {
        const char* what;
        double hz, db;
        int frequency, gain;
    };
    const Case cases[] = {
        {"above +12 dB", 1000.0, 17.0, -1, 240},
        {"below -12 dB", 1000.0, -17.0, -1, 0},
        {"left of the lowest step", 12.0, 0.0, 0, -1},
        {"right of the highest step", 23000.0, 0.0, 300, -1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        sent().clear();
        move(graph, at(*graph, k.hz, k.db));
        ASSERT_EQ(sent().size(), 1U);
        const qx::PeqBand band = unit().GetPeqBand(4, 3);
        if (k.frequency >= 0) {
            EXPECT_EQ(band.frequency, k.frequency);
        }
        if (k.gain >= 0) {
            EXPECT_EQ(band.gain, k.gain);
        }
    }
    // The band now stands below 0 dB: a step to -6 dB under the pointer sets -7.0 dB.
    move(graph, at(*graph, 1000.0, -6.0));
    const TPoint p = at(*graph, 1100.0, -6.0);
    const auto expected = expectedStep(p, -1.0);
    move(graph, p);
    EXPECT_EQ(unit().GetPeqBand(4, 3).gain, expected.second);
    EXPECT_NEAR((expected.second - 120) * 0.1, -7.0, 0.11);
}

// Only the left button picks, and only handles the graph has placed: a
// handle never placed is not at (0, 0), the overviews have none.
TEST_F(GraphMouseTest, OnlyPlacedHandlesArePicked)
{
    press(graph, handle(*graph, 2), mbRight);
    EXPECT_EQ(window->DragHandle, -1);
    press(graph, handle(*graph, 2), mbMiddle);
    EXPECT_EQ(window->DragHandle, -1);
    press(graph, origin(*graph));
    EXPECT_EQ(window->DragHandle, -1) << "nothing at the plot's corner";
    press(graph, handle(*graph, 10));
    EXPECT_EQ(window->DragHandle, -1) << "band 11 of an output is not placed on its graph";

    find<TRzBmpButton>("rzbMenuGain")->Click();
    auto* overview = find<LMyFFTDrawHpLp6dB>("fftDrawGainIn");
    for (const TPoint p : {origin(*overview), at(*overview, IndexToFreq(1), 0.0)})
        press(overview, p);
    EXPECT_EQ(window->DragHandle, -1);
    EXPECT_TRUE(sent().empty());
}

// Handles on one spot: the higher index is tried first, a cut-off handle
// ends the search, and of two bands both are selected in turn and the lower
// one is dragged.
TEST_F(GraphMouseTest, OverlappingHandlesPickAsTheSearchOrderSays)
{
    unit().SetPeqBand(4, 2, qx::PeqBand{120, 150, 25, 0}, 0);
    unit().SetPeqBand(4, 3, qx::PeqBand{120, 150, 25, 0}, 0);
    window->LoadUnitToForm();
    settle();
    sent().clear();
    ASSERT_EQ(handle(*graph, 2), handle(*graph, 3));
    press(graph, handle(*graph, 3));
    EXPECT_EQ(window->DragHandle, 2) << "the lower band is dragged";
    EXPECT_EQ(find<TMyPEQType8>("peqPeqOut1")->GetNowIndex(), 2);
    EXPECT_TRUE(find<TRzBmpButton>("rzbEq3Out1")->Down());
    release(graph, handle(*graph, 3));

    qx::OutputFilter f = unit().GetOutputFilter(4);
    f.highPassFrequency = 150;
    f.highPassSlope = 10;
    unit().SetOutputFilter(4, f);
    window->LoadUnitToForm();
    settle();
    sent().clear();
    ASSERT_EQ(handle(*graph, 31).X, handle(*graph, 2).X);
    const int current = find<TMyPEQType8>("peqPeqOut1")->GetNowIndex();
    press(graph, handle(*graph, 2));
    EXPECT_EQ(window->DragHandle, 31) << "the cut-off wins";
    EXPECT_EQ(find<TMyPEQType8>("peqPeqOut1")->GetNowIndex(), current) << "no band was selected";
    EXPECT_TRUE(sent().empty());
    release(graph, handle(*graph, 2));
}

// A graph that has no plot area yet maps no point: its mouse events are
// ignored. (The window's graphs keep their last plot area when made too
// small for one.)
TEST_F(GraphMouseTest, AGraphWithoutAPlotAreaIgnoresTheMouse)
{
    LMyFFTDrawHpLp6dB bare(nullptr);
    bare.SetTag(4);
    bare.OnMouseDown = graph->OnMouseDown;
    bare.OnMouseMove = graph->OnMouseMove;
    ASSERT_LE(bare.GetPlotWidth(), 0);
    window->DragHandle = 4;
    press(&bare, {10, 10});
    move(&bare, {20, 20});
    EXPECT_EQ(window->DragHandle, 4);
    EXPECT_TRUE(sent().empty());
    window->DragHandle = -1;
}

// The cut-off handle: the high-pass cut-off moves with the slope the
// controls show, the selected band lets go and the box is green until the
// release.
TEST_F(GraphMouseTest, DraggingACutOff)
{
    find<TRzBmpButton>("rzbLowCutBypassOut1")->SetDown(false);
    auto* list = find<TComboBox>("rzcLowCutSlopOut1");
    list->SetItemIndex(9);
    list->OnChange(list);
    settle();
    sent().clear();
    auto* grid = find<TMyPEQType8>("peqPeqOut1");
    const TColor highlighted = grid->FrequencyBox(0)->Font().Color;
    press(graph, handle(*graph, 31));
    EXPECT_EQ(window->DragHandle, 31);
    const TPoint to = at(*graph, 120.0, 0.0);
    move(graph, to);
    const int frequency = expectedStep(to, 0.0).first;
    const Sent frame{qxtest::commandFrame(1, 0x32, {4, std::uint8_t(frequency), 0, 10}), false};
    ASSERT_FALSE(sent().empty());
    for (const Sent& s : sent())
        EXPECT_EQ(s, frame);
    EXPECT_EQ(unit().GetOutputFilter(4).highPassFrequency, frequency);
    EXPECT_EQ(find<TAdvTrackBar>("isLowCutFreqOut1")->Position(), frequency);
    EXPECT_EQ(find<TCurvyEdit>("cvdLowCutFreqOut1")->Text(), qx::frequencyBoxText(frequency));
    EXPECT_EQ(find("cvdLowCutFreqOut1")->Font().Color, 0x008000);
    EXPECT_NE(grid->FrequencyBox(0)->Font().Color, highlighted) << "the selected band's row loses its highlight";
    settle();
    EXPECT_NEAR(window->Plots[4]->section(31).biquad().frequency, IndexToFreq(frequency), 1e-3);
    release(graph, to);
    EXPECT_EQ(find("cvdLowCutFreqOut1")->Font().Color, 0x000000);
    EXPECT_EQ(window->DragHandle, -1);
}

TEST_F(GraphMouseTest, TheCursorShowsAHandleUnderThePointer)
{
    move(graph, handle(*graph, 4));
    EXPECT_EQ(graph->Cursor(), crCross);
    move(graph, at(*graph, 30.0, -15.0));
    EXPECT_EQ(graph->Cursor(), crDefault);
    EXPECT_TRUE(sent().empty());
}

} // namespace
