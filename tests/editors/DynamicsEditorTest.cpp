// The compressor, limiter, gate and matrix editors on the main window: each
// action asserted as the frames sent, the model, the controls of the other
// members of the output's link group, the curves the plots are given and
// the routing diagram.

#include "ChannelWindowFixture.h"
#include "PumpUntil.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/plot/objects/iXYPlotChannel.h"
#include "controls/plot/plot/iXYPlot.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/DynamicsEditor.h"
#include "editors/channel/GateEditor.h"
#include "editors/channel/MatrixEditor.h"
#include "model/LUnitControl.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UpDown.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace chantest;
using qx::CurvePoint;
using qx::DynamicsBlock;

constexpr std::uint8_t kComp = 0x30;
constexpr std::uint8_t kLimit = 0x3F;
constexpr std::uint8_t kMatrix = 0x3A;
constexpr std::uint8_t kMix = 0x41;

// A compressor or limiter frame: the channel and the five words low byte first.
Sent dynamicsFrame(std::uint8_t code, int channel, const qx::Dynamics& d)
{
    std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(channel)};
    for (std::uint16_t w : d.words()) {
        payload.push_back(static_cast<std::uint8_t>(w & 0xFF));
        payload.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    return frame(code, payload);
}

constexpr qx::Dynamics kFactoryComp{0, 499, 499, 0, 220};
constexpr qx::Dynamics kFactoryLimit{15, 499, 499, 0, 220};

class DynamicsEditorTest : public ChannelWindowTest
{
protected:
    TAdvTrackBar* fader(const std::string& name) const { return find<TAdvTrackBar>(name); }
    TUpDown* upDown(const std::string& name) const { return find<TUpDown>(name); }
    std::string text(const std::string& box) const { return find<TCurvyEdit>(box)->Text(); }
    std::string caption(const std::string& name) const { return find(name)->Caption(); }
    // The compressor and limiter curve timers run once.
    void settleCurves()
    {
        auto* comp = find<TTimer>("tmCompDisp");
        auto* limit = find<TTimer>("tmLimitDisp");
        qx::test::pumpUntil([&] { return !comp->Enabled() && !limit->Enabled(); }, "the curve timers ran");
    }
    std::vector<CurvePoint> curve(DynamicsBlock block, int c)
    {
        auto shown = block == DynamicsBlock::Gate ? window->GateEdit().CurveOf(c)
                                                  : window->DynamicsEdit(block).CurveOf(c);
        EXPECT_TRUE(shown.has_value());
        return shown ? shown->points : std::vector<CurvePoint>{};
    }
    // The points on a plot's channel (0 the curve, 1 the marker).
    std::vector<CurvePoint> plotted(const std::string& plot, int channel = 0) const
    {
        std::vector<CurvePoint> points;
        TiXYPlotChannel& c = find<TiXYPlot>(plot)->GetChannel(channel);
        for (int i = 0; i < c.Count(); ++i)
            points.push_back({c.DataX(i), c.DataY(i)});
        return points;
    }
    static void expectPoints(const std::vector<CurvePoint>& got, const std::vector<CurvePoint>& want)
    {
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i) {
            EXPECT_DOUBLE_EQ(got[i].x, want[i].x) << "point " << i;
            EXPECT_DOUBLE_EQ(got[i].y, want[i].y) << "point " << i;
        }
    }
};

// --- compressor and limiter ----------------------------------------------

// Out3's threshold at -7: word 173 stored and sent for channel 6, -3.5dB
// shown, Out3's curve drawn once the timer has ticked.
TEST_F(DynamicsEditorTest, ThresholdFaderStoresSendsAndDrawsAtTheTick)
{
    slide("isCompThresholdOut3", -7);
    qx::Dynamics want = kFactoryComp;
    want.threshold = 173;
    EXPECT_EQ(unit().GetCompressor(6), want);
    ASSERT_FALSE(sent().empty());
    EXPECT_EQ(sent().back(), dynamicsFrame(kComp, 6, want)) << "a frame for each step, the last one -3.5 dB";
    EXPECT_EQ(text("cvdCompThresholdOut3"), "-3.5dB");
    EXPECT_EQ(window->ShownCompOutput, 6);
    settleCurves();
    EXPECT_EQ(caption("lbCompName"), "Out 3  RMS Compressor");
    EXPECT_EQ(caption("lbHeadCompOut"), "Out 3");
    EXPECT_EQ(window->ShownLimitOutput, 4) << "the limiter plot keeps its output";
    expectPoints(plotted("ipComp"), {{20, 20}, {-3.5, -3.5}, {-3.5, -3.5}, {-100, -100}});
    expectPoints(plotted("ipComp", 1), {{-3.3, -3.9}});
}

// Every control of both blocks: the field it writes, the frame and the box.
TEST_F(DynamicsEditorTest, EveryControlWritesItsFieldAndSendsTheRecord)
{
    struct Case
    {
        const char* kind;
        const char* field;
        bool upDown;
        int position;
        const char* shown;
        qx::Dynamics record;
    };
    const Case cases[] = {
        {"Comp", "Threshold", false, -180, "-90.0dB", {0, 499, 499, 0, 0}},
        {"Comp", "Attack", false, 0, "0.1ms", {0, 0, 499, 0, 0}},
        {"Comp", "Attack", false, 9998, "999.9ms", {0, 9998, 499, 0, 0}},
        {"Comp", "Release", false, 11, " 12ms", {0, 9998, 11, 0, 0}},
        {"Comp", "Ratio", true, 9, "1:4.0", {9, 9998, 11, 0, 0}},
        {"Comp", "Knee", true, 6, "6dB", {9, 9998, 11, 6, 0}},
        {"Comp", "Threshold", false, 40, "+20.0dB", {9, 9998, 11, 6, 220}},
        {"Limit", "Ratio", true, 14, "1:20", {14, 499, 499, 0, 220}},
        {"Limit", "Threshold", false, -20, "-10.0dB", {14, 499, 499, 0, 160}},
        {"Limit", "Release", false, 2999, "3000ms", {14, 499, 2999, 0, 160}},
        {"Limit", "Knee", true, 12, "12dB", {14, 499, 2999, 12, 160}},
        {"Limit", "Attack", false, 49, "5.0ms", {14, 49, 2999, 12, 160}},
    };
    for (const Case& k : cases) {
        const std::string s = std::string(k.kind) + k.field + "Out4";
        SCOPED_TRACE(s);
        sent().clear();
        if (k.upDown) {
            const int steps = k.position - upDown("ud" + s)->Position();
            arrow("ud" + s, steps > 0 ? btNext : btPrev, std::abs(steps));
        } else {
            slide("is" + s, k.position);
        }
        const bool limiter = std::string(k.kind) == "Limit";
        // A frame for each step on the way, the record as it ends last.
        ASSERT_FALSE(sent().empty());
        EXPECT_EQ(sent().back(), dynamicsFrame(limiter ? kLimit : kComp, 7, k.record));
        EXPECT_EQ(limiter ? unit().GetLimiter(7) : unit().GetCompressor(7), k.record);
        EXPECT_EQ(text("cvd" + s), k.shown);
    }
    EXPECT_EQ(unit().GetCompressor(8), kFactoryComp) << "Out5 is not touched";
}

// Out2 and Out5 linked: a knee change on Out2 goes into both records, one
// command for Out2, and Out5's knee controls follow.
TEST_F(DynamicsEditorTest, AChangeFansOutOverTheLinkGroup)
{
    linkOutputs(5, 0x12);
    arrow("udCompKneeOut2", btNext);
    qx::Dynamics want = kFactoryComp;
    want.knee = 1;
    EXPECT_EQ(sent(), std::vector<Sent>{dynamicsFrame(kComp, 5, want)});
    EXPECT_EQ(unit().GetCompressor(5), want);
    EXPECT_EQ(unit().GetCompressor(8), want);
    EXPECT_EQ(upDown("udCompKneeOut5")->Position(), 1);
    EXPECT_EQ(text("cvdCompKneeOut5"), "1dB");
    EXPECT_EQ(text("cvdCompKneeOut2"), "1dB");
    EXPECT_EQ(upDown("udCompKneeOut3")->Position(), 0);

    sent().clear();
    slide("isLimitAttackOut5", 99);
    want = kFactoryLimit;
    want.attack = 99;
    ASSERT_FALSE(sent().empty());
    EXPECT_EQ(sent().back(), dynamicsFrame(kLimit, 8, want));
    for (const Sent& s : sent())
        EXPECT_EQ(s.frame[6], 8) << "the moved member's channel only";
    EXPECT_EQ(unit().GetLimiter(5), want);
    EXPECT_EQ(fader("isLimitAttackOut2")->Position(), 99);
    EXPECT_EQ(text("cvdLimitAttackOut2"), "10.0ms");
    EXPECT_FALSE(window->IsBusy());
}

TEST_F(DynamicsEditorTest, TheBusyFlagKeepsTheDynamicsEditorsSilent)
{
    window->Busy = true;
    fader("isCompThresholdOut1")->SetPosition(-20);
    upDown("udLimitRatioOut2")->SetPosition(3);
    fader("isGateThresholdInA")->SetPosition(-40);
    upDown("udMixGainAOut1")->SetPosition(-10);
    window->Busy = false;
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(unit().GetCompressor(4), kFactoryComp);
    EXPECT_EQ(unit().GetLimiter(5), kFactoryLimit);
    EXPECT_EQ(unit().GetMixLevel(4, 0), 280);
    EXPECT_EQ(text("cvdAMatrixOut1"), "-1.0dB") << "the mix box is written even while busy";
    EXPECT_FALSE(find<TTimer>("tmCompDisp")->Enabled());
}

// Typed values through the boxes, by Enter and by leaving the box.
TEST_F(DynamicsEditorTest, TypedValuesGoThroughThePartnerControl)
{
    struct Case
    {
        const char* box;
        const char* typed;
        bool enter;
        const char* shown;
        int position;
    };
    const Case cases[] = {
        {"cvdCompThresholdOut1", "-100", true, "-90.0dB", -180},
        {"cvdCompThresholdOut1", "+25dB", false, "+20.0dB", 40},
        {"cvdCompThresholdOut1", "3.9", true, "+3.5dB", 7},
        {"cvdCompThresholdOut1", "-3.7", true, "-3.5dB", -7},
        {"cvdCompAttackOut1", "0", true, "0.1ms", 0},
        {"cvdCompAttackOut1", "1000", false, "999.9ms", 9998},
        {"cvdCompAttackOut1", "5", true, "5.0ms", 49},
        {"cvdCompReleaseOut1", "0", true, "1ms", 0},
        {"cvdCompReleaseOut1", "12.7", true, "12ms", 11},
        {"cvdCompReleaseOut1", "99999", false, "3000ms", 2999},
        {"cvdCompKneeOut1", "6.7", true, "6dB", 6},
        {"cvdCompKneeOut1", "-3", true, "0dB", 0},
        {"cvdCompRatioOut1", "30", true, "Limit", 15},
        {"cvdCompRatioOut1", "1:4dB", true, "1:4.0", 9},
        {"cvdCompRatioOut1", "3.7", false, "1:4.0", 9},
        {"cvdLimitRatioOut6", "1: 4", true, "1:4.0", 9},
        {"cvdLimitRatioOut6", "25", true, "Limit", 15},
        {"cvdLimitRatioOut6", "4,5", true, "1:4.0", 9},
        {"cvdLimitReleaseOut6", "12", true, "12ms", 11},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.box) + " " + k.typed);
        type(k.box, k.typed, k.enter);
        EXPECT_EQ(text(k.box), k.shown);
        const std::string partner = std::string(k.box).substr(3);
        const bool onUpDown = partner.find("Ratio") != std::string::npos || partner.find("Knee") != std::string::npos;
        EXPECT_EQ(onUpDown ? upDown("ud" + partner)->Position() : fader("is" + partner)->Position(), k.position);
    }
    EXPECT_EQ(unit().GetCompressor(4), (qx::Dynamics{9, 49, 2999, 0, 173}));
    EXPECT_EQ(unit().GetLimiter(9), (qx::Dynamics{9, 499, 11, 0, 220}));
}

// Refused and unchanged texts restore the box, caret at its end, and send nothing.
TEST_F(DynamicsEditorTest, RefusedTextsRestoreTheBox)
{
    struct Case
    {
        const char* box;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"cvdCompThresholdOut2", "--3", "+20.0dB"}, {"cvdCompThresholdOut2", "3..5", "+20.0dB"},
        {"cvdCompThresholdOut2", "3.", "+20.0dB"},  {"cvdCompThresholdOut2", "abc", "+20.0dB"},
        {"cvdCompThresholdOut2", "3.,", "+20.0dB"}, {"cvdCompThresholdOut2", "20", "+20.0dB"},
        {"cvdCompReleaseOut2", "500", "500ms"},     {"cvdCompReleaseOut2", "x", "500ms"},
        {"cvdCompKneeOut2", "0", "0dB"},            {"cvdCompRatioOut2", "2:1", "1:1.0"},
        {"cvdCompRatioOut2", "1:", "1:1.0"},        {"cvdLimitAttackOut2", "-5", "50.0ms"},
        {"cvdGateHoldInB", "", "10ms"},             {"cvdAMatrixOut2", "1.2.3", "+0.0dB"},
        {"cvdAMatrixOut2", "-5.", "+0.0dB"},        {"cvdAMatrixOut2", "0", "+0.0dB"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.box) + " " + k.typed);
        for (bool enter : {true, false}) {
            type(k.box, k.typed, enter);
            EXPECT_EQ(text(k.box), k.shown);
            EXPECT_EQ(find<TCurvyEdit>(k.box)->Edit().SelStart(), static_cast<int>(std::string(k.shown).size()));
        }
    }
    EXPECT_TRUE(sent().empty());
}

// Pressing an up-down beyond its ends changes nothing.
TEST_F(DynamicsEditorTest, UpDownsStopAtTheirEnds)
{
    arrow("udLimitRatioOut4", btNext);
    arrow("udCompRatioOut4", btPrev);
    arrow("udCompKneeOut4", btPrev);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(text("cvdLimitRatioOut4"), "Limit");
    // From "Limit" downwards: 1:20, stored and sent for channel 7.
    arrow("udLimitRatioOut4", btPrev);
    qx::Dynamics want = kFactoryLimit;
    want.ratio = 14;
    EXPECT_EQ(sent(), std::vector<Sent>{dynamicsFrame(kLimit, 7, want)});
    EXPECT_EQ(text("cvdLimitRatioOut4"), "1:20");
}

// Changes before the tick are drawn together, for the output changed last;
// a mouse-down shows an output at once, without a change.
TEST_F(DynamicsEditorTest, CurvesFollowTheLastChangeAndTheMouse)
{
    slide("isCompThresholdOut2", -20);
    arrow("udCompRatioOut2", btNext, 9);
    arrow("udCompKneeOut2", btNext, 6);
    arrow("udCompKneeOut3", btNext, 6);
    EXPECT_EQ(window->ShownCompOutput, 6);
    settleCurves();
    EXPECT_EQ(caption("lbCompName"), "Out 3  RMS Compressor");
    // Out3: +20 dB, 1:1, knee 6.
    expectPoints(plotted("ipComp"), {{20, 20}, {26, 26}, {14, 14}, {-100, -100}});
    expectPoints(curve(DynamicsBlock::Compressor, 5), {{20, -2.5}, {-4, -8.5}, {-16, -16}, {-100, -100}});
    clickOn("lbCompOut2");
    expectPoints(plotted("ipComp"), {{20, -2.5}, {-4, -8.5}, {-16, -16}, {-100, -100}});
    expectPoints(plotted("ipComp", 1), {{-9.8, -10.4}});

    sent().clear();
    clickOn("cvdCompAttackOut7");
    EXPECT_EQ(window->ShownCompOutput, 10);
    EXPECT_EQ(caption("lbHeadCompOut"), "Out 7");
    clickOn("isLimitThresholdOut8");
    EXPECT_EQ(window->ShownLimitOutput, 11);
    EXPECT_EQ(caption("lbLimitName"), "Out 8  Peak Limit");
    clickOn("lbLimitOut2");
    EXPECT_EQ(window->ShownLimitOutput, 5);
    EXPECT_EQ(window->ShownCompOutput, 10) << "the plots are separate";
    EXPECT_TRUE(sent().empty());
    // The factory limiter is flat above its +20 dB threshold.
    clickOn("lbLimitOut1");
    expectPoints(plotted("ipLimit"), {{20, 20}, {20, 20}, {20, 20}, {-100, -100}});
}

// A drawing replaces every point a plot's channel holds, however many.
TEST_F(DynamicsEditorTest, ADrawingReplacesWhateverPointsThePlotHolds)
{
    auto* limit = find<TiXYPlot>("ipLimit");
    limit->GetChannel(0).DeletePoints(3);
    limit->GetChannel(1).DeletePoints(1);
    auto* gate = find<TiXYPlot>("ipGate");
    gate->GetChannel(0).AddXY(0, 0);
    gate->GetChannel(0).AddXY(5, 5);
    clickOn("lbLimitOut3");
    slide("isGateThresholdInC", -60);
    expectPoints(plotted("ipLimit"), {{20, 20}, {20, 20}, {20, 20}, {-100, -100}});
    expectPoints(plotted("ipLimit", 1), {{20.2, 19.6}});
    expectPoints(plotted("ipGate"), {{20, 20}, {-30, -30}, {-30, -100}});
    expectPoints(plotted("ipGate", 1), {{-29.8, -30.4}});
}

// --- gate ------------------------------------------------------------------

TEST_F(DynamicsEditorTest, GateChangesAreShownAndGoNowhere)
{
    const std::vector<std::uint8_t> before(unit().record().begin(), unit().record().end());
    slide("isGateThresholdInB", -40);
    EXPECT_EQ(text("cvdGateThresholdInB"), "-20.0dB");
    EXPECT_EQ(caption("lbGateName"), "In B  Gate");
    EXPECT_EQ(window->ShownGateInput, 1);
    expectPoints(plotted("ipGate"), {{20, 20}, {-20, -20}, {-20, -100}});
    expectPoints(plotted("ipGate", 1), {{-19.8, -20.4}});
    slide("isGateHoldInB", 500);
    EXPECT_EQ(text("cvdGateHoldInB"), "501ms");
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), unit().record().begin())) << "the record has no gate";
}

TEST_F(DynamicsEditorTest, TypedGateValues)
{
    struct Case
    {
        const char* box;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"cvdGateThresholdInC", "+10", "+0.0dB"}, {"cvdGateThresholdInC", "-95", "-90.0dB"},
                          {"cvdGateAttackInC", "0", "1ms"},          {"cvdGateReleaseInC", "5", "10ms"},
                          {"cvdGateHoldInC", "2000", "999ms"},       {"cvdGateReleaseInC", "1234.5ms", "1234ms"}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.box) + " " + k.typed);
        type(k.box, k.typed, true);
        EXPECT_EQ(text(k.box), k.shown);
    }
    EXPECT_EQ(fader("isGateThresholdInC")->Position(), -180);
    EXPECT_EQ(fader("isGateReleaseInC")->Position(), 1233);
    EXPECT_TRUE(sent().empty());
}

TEST_F(DynamicsEditorTest, GateFollowsTheLinkGroupAndTheMouse)
{
    storeMasks(0, {0x5, 0x0, 0x0, 0x0}); // InA heads InA and InC
    slide("isGateHoldInA", 199);
    EXPECT_EQ(fader("isGateHoldInC")->Position(), 199);
    EXPECT_EQ(text("cvdGateHoldInC"), "200ms");
    EXPECT_EQ(fader("isGateHoldInB")->Position(), 9);
    clickOn("isGateHoldInD");
    EXPECT_EQ(window->ShownGateInput, 3);
    EXPECT_EQ(caption("lbHeadGateIn"), "In D");
    EXPECT_EQ(caption("lbGateName"), "In D  Gate");
}

// --- matrix ----------------------------------------------------------------

TEST_F(DynamicsEditorTest, RouteButtonsSendTheOutputsMask)
{
    toggle("rzbCMatrixOut2");
    EXPECT_EQ(unit().GetMatrixRoute(5), 0x6);
    toggle("rzbBMatrixOut2");
    EXPECT_EQ(unit().GetMatrixRoute(5), 0x4);
    toggle("rzbCMatrixOut2");
    EXPECT_EQ(unit().GetMatrixRoute(5), 0x0);
    EXPECT_EQ(sent(), (std::vector<Sent>{frame(kMatrix, {5, 0x06}), frame(kMatrix, {5, 0x04}),
                                         frame(kMatrix, {5, 0x00})}));
}

TEST_F(DynamicsEditorTest, TypedMixLevels)
{
    struct Case
    {
        const char* typed;
        const char* shown;
        int position;
    };
    const Case cases[] = {{"-25.3", "-25.0dB", -210}, {"-25.7", "-25.5dB", -211}, {"-20.3", "-20.0dB", -200},
                          {"-20.5", "-20.5dB", -201}, {"-3.75dB", "-3.7dB", -37}, {"-70", "-60.0dB", -280},
                          {"5", "+0.0dB", 0},          {"-12", "-12.0dB", -120}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.typed);
        sent().clear();
        type("cvdBMatrixOut3", k.typed, true);
        EXPECT_EQ(text("cvdBMatrixOut3"), k.shown);
        EXPECT_EQ(upDown("udMixGainBOut3")->Position(), k.position);
        const int level = k.position + 280;
        EXPECT_EQ(unit().GetMixLevel(6, 1), level);
        EXPECT_EQ(sent(), std::vector<Sent>{frame(kMix, {6, 1, static_cast<std::uint8_t>(level & 0xFF),
                                                          static_cast<std::uint8_t>(level >> 8)})});
        type("cvdBMatrixOut3", k.shown, false);
        EXPECT_EQ(sent().size(), 1u) << "leaving the box after Enter sends nothing more";
    }
    type("cvdBMatrixOut3", "-0.05", true);
    EXPECT_EQ(text("cvdBMatrixOut3"), "+0.0dB");
}

TEST_F(DynamicsEditorTest, MixArrowsStepTheScaleAndStopAtItsEnds)
{
    arrow("udMixGainDOut8", btNext);
    EXPECT_TRUE(sent().empty()) << "0 dB is the top";
    type("cvdDMatrixOut8", "-20", true);
    sent().clear();
    arrow("udMixGainDOut8", btPrev);
    EXPECT_EQ(text("cvdDMatrixOut8"), "-20.5dB");
    EXPECT_EQ(sent(), std::vector<Sent>{frame(kMix, {11, 3, 79, 0})});
    type("cvdDMatrixOut8", "-60", true);
    sent().clear();
    arrow("udMixGainDOut8", btPrev);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(text("cvdDMatrixOut8"), "-60.0dB");
}

// Routes and levels belong to their output alone, linked or not.
TEST_F(DynamicsEditorTest, MatrixChangesIgnoreLinkGroups)
{
    linkOutputs(4, 0x03);
    toggle("rzbDMatrixOut1");
    type("cvdAMatrixOut1", "-6", true);
    EXPECT_EQ(unit().GetMatrixRoute(4), 0x9);
    EXPECT_EQ(unit().GetMatrixRoute(5), 0x2);
    EXPECT_EQ(unit().GetMixLevel(5, 0), 280);
    EXPECT_EQ(text("cvdAMatrixOut2"), "+0.0dB");
    EXPECT_FALSE(find<TRzBmpButton>("rzbDMatrixOut2")->Down());
}

TEST_F(DynamicsEditorTest, RoutingLinesFollowTheModelAndTheWindowHeight)
{
    qx::MatrixEditor& matrix = window->MatrixEdit();
    // Factory: Out1/Out5 from InA, Out2/Out6 from InB, Out3/Out7 from InC, Out4/Out8 from InD.
    const std::vector<qx::RouteLine> factory = matrix.Lines(100, 0);
    ASSERT_EQ(factory.size(), 8u);
    EXPECT_EQ(factory[0], (qx::RouteLine{{0, 16}, {100, 0}, clPurple}));
    EXPECT_EQ(factory[1], (qx::RouteLine{{0, 16}, {100, 121}, clPurple}));
    EXPECT_EQ(factory[2], (qx::RouteLine{{0, 76}, {100, 31}, clOlive}));
    EXPECT_EQ(factory[7], (qx::RouteLine{{0, 199}, {100, 209}, clMaroon}));
    // Taller by 90: InB's row at trunc(18 x 1.4) + 76, Out2's at 10 + 31.
    EXPECT_EQ(matrix.Lines(100, 90)[2], (qx::RouteLine{{0, 101}, {100, 41}, clOlive}));
    toggle("rzbAMatrixOut1");
    EXPECT_EQ(matrix.Lines(100, 0).size(), 7u) << "an output with no input has no line";
}

// A route change outside a paint is drawn into the paint box's buffer; the
// paint that follows shows it.
TEST_F(DynamicsEditorTest, TheNextPaintShowsTheRoutes)
{
    TControl* box = find("pbMatrix");
    showPageOf(*box);
    const auto pixelAt = [&](int x, int y) { return box->Widget()->grab().toImage().pixelColor(x, y); };
    // InC's line to Out1 is new: from (0, 138 + 0) to (width, 0).
    const int x = box->Width() / 2;
    const int y = 138 - 138 * x / box->Width();
    EXPECT_NE(pixelAt(x, y), QColor(0, 128, 128));
    toggle("rzbCMatrixOut1");
    EXPECT_EQ(pixelAt(x, y), QColor(0, 128, 128)) << "InC's teal line";
    toggle("rzbCMatrixOut1");
    EXPECT_NE(pixelAt(x, y), QColor(0, 128, 128));
}

// --- the state shown -------------------------------------------------------

// A loaded state shows its mix levels in the boxes and its curves on the plots.
TEST_F(DynamicsEditorTest, ALoadedStateShowsItsLevelsAndCurves)
{
    qx::writeWord(unit().record(), rec::output(2) + rec::kOutMixLevels + 2, 70);
    unit().SetCompressor(4, qx::Dynamics{9, 499, 499, 6, 160});
    sent().clear();
    clickOn("lbCompOut5");
    clickOn("lbLimitOut6");
    window->LoadUnitToForm();
    EXPECT_EQ(text("cvdBMatrixOut3"), "-25.0dB");
    EXPECT_EQ(upDown("udMixGainBOut3")->Position(), -210);
    EXPECT_EQ(window->ShownCompOutput, 4) << "Out1's curves are drawn";
    EXPECT_EQ(window->ShownLimitOutput, 4);
    EXPECT_EQ(caption("lbCompName"), "Out 1  RMS Compressor");
    expectPoints(plotted("ipComp"), {{20, -2.5}, {-4, -8.5}, {-16, -16}, {-100, -100}});
    expectPoints(plotted("ipLimit"), {{20, 20}, {20, 20}, {20, 20}, {-100, -100}});
    expectPoints(plotted("ipGate"), {{20, 20}, {-90, -90}, {-90, -100}});
    EXPECT_EQ(caption("lbGateName"), "In A  Gate");
    EXPECT_TRUE(sent().empty());
}

// The three dynamics pages and the matrix page with a loaded state: its
// curves on the plots, its levels in the boxes. Set QX_SCREENSHOT_DIR to keep
// the pictures.
TEST_F(DynamicsEditorTest, TheDynamicsPagesShowALoadedState)
{
    auto& record = unit().record();
    qx::writeDynamics(record, rec::output(0) + rec::kOutCompressor, qx::Dynamics{9, 99, 299, 6, 160});
    qx::writeDynamics(record, rec::output(0) + rec::kOutLimiter, qx::Dynamics{15, 9, 99, 2, 168});
    qx::writeWord(record, rec::output(1) + rec::kOutRouteMask, 0x7);
    qx::writeWord(record, rec::output(1) + rec::kOutMixLevels + 2, 70);
    slide("isGateThresholdInA", -100);
    window->LoadUnitToForm();
    expectPoints(plotted("ipComp"), {{20, -2.5}, {-4, -8.5}, {-16, -16}, {-100, -100}});
    expectPoints(plotted("ipLimit"), {{20, -6}, {-4, -6}, {-8, -8}, {-100, -100}});
    expectPoints(plotted("ipGate"), {{20, 20}, {-50, -50}, {-50, -100}});
    EXPECT_EQ(text("cvdBMatrixOut2"), "-25.0dB");
    // Each page brought to the front as a user brings it, by way of a control on it.
    for (const char* page : {"Comp", "Limit", "Gate", "Matrix"}) {
        showPageOf(*find(page == std::string("Matrix") ? std::string("pbMatrix") : std::string("ip") + page));
        QApplication::processEvents();
        const QImage shot = window->Widget()->grab().toImage();
        EXPECT_FALSE(shot.isNull()) << page;
        if (const char* dir = std::getenv("QX_SCREENSHOT_DIR")) {
            std::string name = page;
            for (char& c : name)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_TRUE(shot.save(QString::fromStdString(std::string(dir) + "/main-" + name + "-loaded.png"))) << page;
        }
    }
}

} // namespace
