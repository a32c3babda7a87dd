// The per-graph model: a new plot, sums in both views, phase wrapping,
// views of the curves and range checks.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "response/Plot.h"

namespace {

qx::Curve constantCurve(double v)
{
    qx::Curve c{};
    c.fill(v);
    return c;
}

TEST(Plot, NewPlotIsFlatInBothViewsAndSumsToZero)
{
    Plot plot;
    for (std::uint8_t view : {0, 1}) {
        plot.SetPhaseMode(view);
        for (int n = 0; n < Plot::kSectionCount; ++n) {
            PlotSection& s = plot.section(n);
            s.SetPeq(s.biquad().gain, s.biquad().frequency, s.biquad().q, s.biquad().filterCode);
            for (double v : plot.curve(n)) {
                ASSERT_EQ(v, 0.0) << "section " << n << " view " << int{view};
            }
        }
        ASSERT_TRUE(plot.DrawSum(0));
        for (double v : plot.curve(Plot::kSumSection)) {
            ASSERT_EQ(v, 0.0);
        }
    }
}

TEST(Plot, MagnitudeSumsAreNotWrapped)
{
    Plot plot;
    plot.section(0).SetPeq(12, 1000, 1, 1);
    plot.section(5).SetPeq(12, 1000, 1, 1);
    plot.section(33).SetPeq(12, 1000, 1, 1); // the total itself is not summed
    plot.section(34).SetPeq(12, 1000, 1, 1); // nor are the stages and overlays
    ASSERT_TRUE(plot.DrawSum(4));
    EXPECT_NEAR(plot.curve(Plot::kSumSection)[2805], 24.0, 0.05);
}

TEST(Plot, PhaseSumsAreWrappedByWholeTurns)
{
    struct Case
    {
        double sum;
        double shown;
    };
    // 100 would show as 28 after only two corrections; it is -8 (+100 = -8 + 3 turns).
    const Case cases[] = {{40, 4},  {-40, -4},  {18, 18}, {-18, -18}, {60, -12}, {100, -8},
                          {54, 18}, {-54, -18}, {400, 4}, {-1000, 8}, {0, 0},    {17.5, 17.5}};
    for (const Case& c : cases) {
        Plot plot;
        plot.SetPhaseMode(1);
        plot.section(3).setCurve(constantCurve(c.sum / 2));
        plot.section(32).setCurve(constantCurve(c.sum / 2));
        ASSERT_TRUE(plot.DrawSum(0));
        EXPECT_DOUBLE_EQ(plot.curve(Plot::kSumSection)[100], c.shown) << c.sum;
        EXPECT_DOUBLE_EQ(qx::wrapPhase(c.sum), c.shown) << c.sum;
    }
}

TEST(Plot, SetPhaseModeTakesEffectAtTheNextComputation)
{
    Plot plot;
    plot.section(2).SetPeq(6, 1000, 1, 1);
    const double before = plot.curve(2)[2805];
    plot.SetPhaseMode(1);
    EXPECT_EQ(plot.curve(2)[2805], before);
    EXPECT_EQ(plot.section(2).view(), qx::PlotView::Phase);
    plot.section(2).SetPeq(6, 1000, 1, 1);
    EXPECT_NEAR(plot.curve(2)[2805], 0.0, 0.05); // a peak's phase crosses 0 at its centre
    plot.SetPhaseMode(7);
    EXPECT_EQ(plot.view(), qx::PlotView::Phase);
    plot.SetPhaseMode(0);
    EXPECT_EQ(plot.view(), qx::PlotView::Magnitude);
}

TEST(Plot, CurvesAreViewsOfTheSectionsOwnPoints)
{
    Plot plot;
    const qx::CurveView view = plot.curve(7);
    plot.section(7).SetPeq(-6, 200, 2, 1);
    EXPECT_EQ(view.data(), plot.section(7).curve().data());
    EXPECT_LT(view[static_cast<std::size_t>(qx::logFrequencyIndex(200.0))], -5.9);
    // Setting one section leaves the others as they were.
    for (double v : plot.curve(6)) {
        ASSERT_EQ(v, 0.0);
    }
}

TEST(Plot, SectionAndChannelNumbersAreRangeChecked)
{
    Plot plot;
    EXPECT_THROW(plot.section(-1), std::out_of_range);
    EXPECT_THROW(plot.section(48), std::out_of_range);
    EXPECT_THROW(plot.sectionPosition(48), std::out_of_range);
    EXPECT_NO_THROW(plot.section(47));
    EXPECT_FALSE(plot.DrawSum(-1));
    EXPECT_FALSE(plot.DrawSum(14));
    EXPECT_TRUE(plot.DrawSum(13));
}

TEST(Plot, SectionPositionIsItsFrequencyOnTheLogAxis)
{
    Plot plot;
    EXPECT_NEAR(plot.sectionPosition(0), 2805.3, 0.05); // a new section sits at 1000 Hz
    plot.section(4).SetBiquad(0, 32000, 0.05, 10, 0, 0);
    EXPECT_GT(plot.sectionPosition(4), 4096.0); // a flat reset lies beyond the right end
}

TEST(Plot, CopiedCurvesStayFinite)
{
    qx::Curve points = constantCurve(3.0);
    points[10] = std::numeric_limits<double>::quiet_NaN();
    points[11] = std::numeric_limits<double>::infinity();
    Plot plot;
    plot.section(40).setCurve(points);
    EXPECT_EQ(plot.curve(40)[10], 0.0);
    EXPECT_EQ(plot.curve(40)[11], 0.0);
    EXPECT_EQ(plot.curve(40)[12], 3.0);
    EXPECT_EQ(plot.section(40).nonFinitePoints(), 2);
}

// Records what a Plot asks of its graph.
class RecordingGraph : public qx::PlotGraph
{
public:
    bool FFTDraw(const double* y, int count, int number, TColor colour, TMyPlotStyle style) override
    {
        calls.push_back("FFTDraw " + std::to_string(number) + " " + std::to_string(count) + " " +
                        std::to_string(colour) + " " + std::to_string(static_cast<int>(style)));
        lastY = y;
        return false;
    }
    bool RemovePlot(int number) override
    {
        calls.push_back("RemovePlot " + std::to_string(number));
        return true;
    }
    void DrawBlock(double y, double x, TColor colour, int number, bool hidden, int kind) override
    {
        calls.push_back("DrawBlock " + std::to_string(number) + " " + std::to_string(colour) + " " +
                        std::to_string(hidden) + " " + std::to_string(kind));
        blockX = x;
        blockY = y;
    }
    void SetBlockParameter(int number, double frequency, double gain, double q, int filterCode) override
    {
        calls.push_back("SetBlockParameter " + std::to_string(number) + " " + std::to_string(filterCode));
        parameters = {frequency, gain, q};
    }
    void DrawParam(int type, double gain, double x, float frequency, double q, TColor colour) override
    {
        calls.push_back("DrawParam " + std::to_string(type) + " " + std::to_string(colour));
        parameters = {gain, x, frequency, q};
    }
    void DrawCurveFill(int type, const double* curve, int count) override
    {
        calls.push_back("DrawCurveFill " + std::to_string(type) + " " + std::to_string(count));
        lastY = curve;
    }
    void SetCurveDisplay(bool on) override { calls.push_back("SetCurveDisplay " + std::to_string(on)); }

    std::vector<std::string> calls;
    const double* lastY = nullptr;
    double blockX = 0, blockY = 0;
    std::vector<double> parameters;
};

using Calls = std::vector<std::string>;

TEST(PlotOnGraph, TotalsSectionsAndRemovalsAreDrawnByNumber)
{
    RecordingGraph graph;
    Plot plot(&graph);
    ASSERT_TRUE(plot.DrawSum(4));
    ASSERT_TRUE(plot.DrawSum(0));
    EXPECT_EQ(graph.lastY, plot.curve(Plot::kSumSection).data()) << "the curve is read where it lies";
    ASSERT_TRUE(plot.DrawSection(40, 0x00FF00));
    ASSERT_TRUE(plot.RemoveSection(40));
    EXPECT_FALSE(plot.DrawSum(14));
    EXPECT_FALSE(plot.DrawSection(48, 0));
    EXPECT_FALSE(plot.RemoveSection(-1));
    EXPECT_EQ(graph.calls, (Calls{"FFTDraw 33 4096 255 0", "FFTDraw 33 4096 8388736 0",
                                  "FFTDraw 40 4096 65280 0", "RemovePlot 40"}));
}

TEST(PlotOnGraph, HandlesCarryTheSectionsPositionColourAndParameters)
{
    RecordingGraph graph;
    Plot plot(&graph);
    plot.section(16).SetPeq(-4.5, 1000, 2.0, 2);
    ASSERT_TRUE(plot.ShowSectionHandle(16, -4.5F, 1));
    EXPECT_FALSE(plot.ShowSectionHandle(48, 0, 1));
    EXPECT_EQ(graph.calls, (Calls{"DrawBlock 16 16711935 0 1", "SetBlockParameter 16 2"}))
        << "fuchsia: 16 = 14 + 2";
    EXPECT_NEAR(graph.blockX, 2805.3, 0.05);
    EXPECT_EQ(graph.blockY, -4.5);
    EXPECT_EQ(graph.parameters, (std::vector<double>{1000, -4.5, 2.0}));
}

TEST(PlotOnGraph, SectionCurveShownOrHidden)
{
    RecordingGraph graph;
    Plot plot(&graph);
    plot.section(0).SetPeq(3, 500, 1, 1);
    ASSERT_TRUE(plot.ShowSectionCurve(0, -1, 3.0F, 1.0F, true)); // a negative section is section 0
    EXPECT_EQ(graph.lastY, plot.curve(0).data());
    EXPECT_EQ(graph.parameters[2], 500.0);
    ASSERT_TRUE(plot.ShowSectionCurve(0, 5, 3.0F, 1.0F, false));
    EXPECT_FALSE(plot.ShowSectionCurve(0, 48, 3.0F, 1.0F, true));
    EXPECT_EQ(graph.calls,
              (Calls{"DrawParam 0 65535", "DrawCurveFill 0 4096", "SetCurveDisplay 1", "SetCurveDisplay 0"}));
}

TEST(PlotOnGraph, APlotWithoutGraphDrawsNothing)
{
    Plot plot;
    EXPECT_TRUE(plot.DrawSum(1));
    EXPECT_TRUE(plot.ShowSectionHandle(3, 0, 1));
    EXPECT_EQ(plot.graph(), nullptr);
}

// A graph out of sight: it keeps what is owed to it, one per owner, until it is drawn.
class HiddenGraph : public RecordingGraph
{
public:
    void OweSeries(const void* owner, std::function<void()> draw) override { owed[owner] = std::move(draw); }
    void PaySeries(const void* owner) override
    {
        if (const auto it = owed.find(owner); it != owed.end()) {
            const auto draw = std::move(it->second);
            owed.erase(it);
            draw();
        }
    }
    void DrawCurveFill(int type, const double* curve, int count) override
    {
        RecordingGraph::DrawCurveFill(type, curve, count);
        fill.assign(curve, curve + count);
    }
    // Draws everything owed, as the graph does when it comes into sight.
    void show()
    {
        auto draws = std::move(owed);
        owed.clear();
        for (auto& [owner, draw] : draws)
            draw();
    }
    std::map<const void*, std::function<void()>> owed;
    std::vector<double> fill;
};

// The curve of a band set as given, computed on its own.
std::vector<double> bandCurve(qx::PlotView view, double gain, double frequency, double q, int code)
{
    PlotSection s;
    s.setView(view);
    s.SetPeq(gain, frequency, q, code);
    const qx::CurveView c = s.curve();
    return {c.begin(), c.end()};
}

// The filled curve a graph out of sight takes when it is shown is the band's
// as it was at the call, whatever the section holds by then, in the view of
// the call.
TEST(PlotOnGraph, AFillOwedOutOfSightIsTheBandAsItWasAtTheCall)
{
    struct Case
    {
        const char* what;
        bool changeAfter;
        bool phase;
    };
    for (const Case k : {Case{"unchanged", false, false}, Case{"set again after", true, false},
                         Case{"phase view, set again", true, true}}) {
        HiddenGraph graph;
        Plot plot(&graph);
        plot.SetPhaseMode(k.phase ? 1 : 0);
        const qx::PlotView view = k.phase ? qx::PlotView::Phase : qx::PlotView::Magnitude;
        plot.section(0).SetPeq(6.0, 800.0, 1.4, 1);
        ASSERT_TRUE(plot.ShowSectionCurve(0, 0, 6.0F, 1.4F, true));
        EXPECT_TRUE(graph.fill.empty()) << k.what << ": nothing computed out of sight";
        if (k.changeAfter) {
            plot.section(0).SetPeq(-9.0, 3000.0, 0.7, 2);
            plot.SetPhaseMode(k.phase ? 0 : 1);
        }
        graph.show();
        EXPECT_EQ(graph.fill, bandCurve(view, 6.0, 800.0, 1.4, 1)) << k.what;
    }
}

// Held, the sum is drawn at the first DrawSum and once more at the release,
// in the last channel's colour; reading it in between sums the sections as they are.
TEST(PlotOnGraph, AHeldSumIsDrawnFirstAndAtTheRelease)
{
    RecordingGraph graph;
    Plot plot(&graph);
    plot.HoldSumDrawing();
    ASSERT_TRUE(plot.DrawSum(4));
    plot.section(0).SetPeq(6.0, 800.0, 1.4, 1);
    ASSERT_TRUE(plot.DrawSum(4));
    EXPECT_EQ(plot.curve(Plot::kSumSection)[100], plot.curve(0)[100]) << "read while held";
    ASSERT_TRUE(plot.DrawSum(0));
    EXPECT_EQ(graph.calls, (Calls{"FFTDraw 33 4096 255 0"}));
    plot.ReleaseSumDrawing();
    plot.ReleaseSumDrawing();
    EXPECT_EQ(graph.calls, (Calls{"FFTDraw 33 4096 255 0", "FFTDraw 33 4096 8388736 0"}));
    ASSERT_TRUE(plot.DrawSum(4));
    EXPECT_EQ(graph.calls.size(), 3U) << "drawn at once after the release";
}

} // namespace
