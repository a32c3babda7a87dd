// The PEQ band editors on the main window: faders, value boxes, band
// buttons, the key box, the band grid and the whole-channel operations,
// each asserted as the frames sent, the model, the grid and the graph.

#include "EqWindowFixture.h"
#include "WindowSystemInput.h"
#include "codec/CmMcs.h"
#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/buttons/vr/VrButtons.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "model/LUnitControl.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Timer.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace eqtest;
using qxtest::Sent;

class PeqEditorTest : public EqWindowTest
{
};

// A band moved by its fader reaches the grid, the model and the processor
// at the pass of the loop after the move, for every fader kind and channel side.
TEST_F(PeqEditorTest, FaderMovesSendTheBand)
{
    struct Case
    {
        const char* fader;
        int channel;
        int position;
        Sent frame;
    };
    // After a load band 1 of every channel is selected: inputs start at
    // frequency index 1 with Q index 35, outputs at 41 with Q index 25.
    const std::vector<Case> cases = {
        {"isEqFreqInA", 0, 170, peqFrame(0, 0, 120, 170, 35, 0, 0)},
        {"isEqGainInA", 0, 85, peqFrame(0, 0, 85, 170, 35, 0, 0)},
        {"isEqBwInC", 2, 60, peqFrame(2, 0, 120, 1, 60, 0, 0)},
        {"isEqFreqOut3", 6, 0, peqFrame(6, 0, 120, 0, 25, 0, 0)},
        {"isEqGainOut8", 11, 240, peqFrame(11, 0, 240, 41, 25, 0, 0)},
        {"isEqBwOut1", 4, 100, peqFrame(4, 0, 120, 41, 100, 0, 0)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.fader);
        sent().clear();
        slide(k.fader, k.position);
        settle();
        ASSERT_FALSE(sent().empty());
        EXPECT_EQ(sent().back(), k.frame);
        const qx::PeqBand band = unit().GetPeqBand(k.channel, 0);
        const auto& p = k.frame.frame;
        EXPECT_EQ(band.gain, p[8] | (p[9] << 8));
        EXPECT_EQ(band.frequency, p[10] | (p[11] << 8));
        EXPECT_EQ(band.q, p[12]);
    }
}

TEST_F(PeqEditorTest, FaderTextsFollowTheMove)
{
    struct Case
    {
        const char* fader;
        int position;
        const char* box;
        const char* text;
    };
    for (const Case& k : std::vector<Case>{{"isEqFreqOut2", 170, "cvdEqFreqOut2", "1.00KHz"},
                                           {"isEqFreqOut2", 0, "cvdEqFreqOut2", "19.7Hz"},
                                           {"isEqFreqOut2", 300, "cvdEqFreqOut2", "20.16KHz"},
                                           {"isEqGainOut2", 120, "cvdEqGainOut2", "+0.0dB"},
                                           {"isEqGainOut2", 85, "cvdEqGainOut2", "-3.5dB"},
                                           {"isEqGainOut2", 0, "cvdEqGainOut2", "-12.0dB"},
                                           {"isEqBwOut2", 10, "cvdEqBwOut2", "0.71"}}) {
        slide(k.fader, k.position);
        settle();
        EXPECT_EQ(find<TCurvyEdit>(k.box)->Text(), k.text) << k.fader << " " << k.position;
    }
}

// A burst of moves costs one apply: the last value, one frame, one curve.
// (Moves within one pass of the loop: the window system helpers deliver each
// input with a pass of its own, so the fader is moved from here.)
TEST_F(PeqEditorTest, ABurstOfMovesAppliesOncePerPass)
{
    auto* fader = find<TAdvTrackBar>("isEqGainOut1");
    for (int p = 121; p <= 180; ++p)
        fader->SetPosition(p);
    settle();
    EXPECT_EQ(sent(), std::vector<Sent>{peqFrame(4, 0, 180, 41, 25, 0, 0)});
    EXPECT_NEAR(sectionDb(4, 0, IndexToFreq(41)), 6.0, 0.05);
}

TEST_F(PeqEditorTest, TheBusyFlagKeepsFadersAndGridSilent)
{
    window->Busy = true;
    find<TAdvTrackBar>("isEqGainOut1")->SetPosition(200);
    EXPECT_FALSE(find<TTimer>("tmEqCurve")->Enabled());
    EXPECT_EQ(find<TCurvyEdit>("cvdEqGainOut1")->Text(), "+0.0dB");
    find<TMyPEQType8>("peqPeqOut1")->SetGainValue(0, 3.0);
    window->Busy = false;
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(unit().GetPeqBand(4, 0).gain, 120);
}

// Value boxes, by Enter and by leaving them, for each kind.
TEST_F(PeqEditorTest, TypedValuesGoThroughTheFader)
{
    struct Case
    {
        const char* box;
        const char* typed;
        bool enter;
        const char* fader;
        int position;
        const char* shown;
        bool sends;
    };
    const std::vector<Case> cases = {
        {"cvdEqFreqOut1", "1kHz", true, "isEqFreqOut1", 170, "1.00KHz", true},
        {"cvdEqFreqOut1", "1.5 kHz", false, "isEqFreqOut1", 188, "1.52KHz", true},
        {"cvdEqFreqOut1", "abc", true, "isEqFreqOut1", 188, "1.52KHz", false},
        {"cvdEqFreqOut1", "1.52k", true, "isEqFreqOut1", 188, "1.52KHz", false},
        {"cvdEqBwOut1", "200", false, "isEqBwOut1", 100, "128.00", true},
        {"cvdEqBwOut1", "", true, "isEqBwOut1", 100, "128.00", false},
        {"cvdEqGainOut1", "+3.27dB", true, "isEqGainOut1", 152, "+3.2dB", true},
        {"cvdEqGainOut1", "-20", false, "isEqGainOut1", 0, "-12.0dB", true},
        {"cvdEqGainOut1", "5.", true, "isEqGainOut1", 0, "-12.0dB", false},
        {"cvdEqGainOut1", "-", false, "isEqGainOut1", 0, "-12.0dB", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.box) + " '" + k.typed + "'");
        sent().clear();
        type(k.box, k.typed, k.enter);
        settle();
        auto* box = find<TCurvyEdit>(k.box);
        EXPECT_EQ(find<TAdvTrackBar>(k.fader)->Position(), k.position);
        EXPECT_EQ(box->Text(), k.shown);
        EXPECT_EQ(sent().size(), k.sends ? 1U : 0U);
        if (!k.sends) {
            EXPECT_EQ(box->Edit().SelStart(), static_cast<int>(box->Text().size())) << "caret at the end";
        }
    }
}

TEST_F(PeqEditorTest, OtherKeysInAValueBoxCommitNothing)
{
    auto* box = find<TCurvyEdit>("cvdEqGainOut1");
    showPageOf(*box);
    EXPECT_TRUE(qx::test::enterThroughWindow(*box, "6a", Qt::Key_unknown));
    settle();
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(find<TAdvTrackBar>("isEqGainOut1")->Position(), 120);
}

TEST_F(PeqEditorTest, KeyBoxStepsTheCurrentBand)
{
    struct Case
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* fader;
        int before;
        int after;
    };
    constexpr Qt::KeyboardModifiers pad = Qt::KeypadModifier;
    const std::vector<Case> cases = {
        {Qt::Key_Right, {}, "isEqFreqOut2", 85, 86},  {Qt::Key_Left, {}, "isEqFreqOut2", 85, 84},
        {Qt::Key_Up, {}, "isEqGainOut2", 120, 121},   {Qt::Key_Down, {}, "isEqGainOut2", 120, 119},
        {Qt::Key_Plus, pad, "isEqBwOut2", 25, 26},    {Qt::Key_Equal, {}, "isEqBwOut2", 25, 26},
        {Qt::Key_Minus, pad, "isEqBwOut2", 25, 24},   {Qt::Key_Minus, {}, "isEqBwOut2", 25, 24},
        {Qt::Key_Left, {}, "isEqFreqOut2", 0, 0},     {Qt::Key_Up, {}, "isEqGainOut2", 240, 240},
        {Qt::Key_Shift, {}, "isEqGainOut2", 120, 120}, {Qt::Key_X, {}, "isEqGainOut2", 120, 120},
    };
    // The band button gives the page's key box the focus.
    auto* band = find<TRzBmpButton>("rzbEq2Out2");
    showPageOf(*band);
    qx::test::clickThroughWindow(*band);
    ASSERT_TRUE(find<TCurvyEdit>("cvdEqParamOut2")->Edit().Focused());
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.key) + " " + k.fader);
        auto* fader = find<TAdvTrackBar>(k.fader);
        if (fader->Position() != k.before) {
            slide(k.fader, k.before);
            qx::test::clickThroughWindow(*band); // the key box takes the keys again
        }
        settle();
        sent().clear();
        qx::test::pressThroughWindow(*band, k.key, k.modifiers);
        EXPECT_EQ(fader->Position(), k.after);
        if (k.before != k.after) {
            settle();
            ASSERT_EQ(sent().size(), 1U);
            EXPECT_EQ(sent()[0].frame[7], 1) << "band 2";
        }
    }
}

TEST_F(PeqEditorTest, BandButtonSelectsAndShowsTheBand)
{
    auto* grid = find<TMyPEQType8>("peqPeqInB");
    grid->SetEqParamValue(4, 2000.0, 20, -4.0, 2, 0);
    sent().clear();
    clickOn("rzbEq5InB");
    EXPECT_EQ(grid->GetNowIndex(), 4);
    EXPECT_EQ(find<TAdvTrackBar>("isEqFreqInB")->Position(), FreqToIndex(2000.0));
    EXPECT_EQ(find<TAdvTrackBar>("isEqBwInB")->Position(), 20);
    EXPECT_EQ(find<TAdvTrackBar>("isEqGainInB")->Position(), 80);
    EXPECT_TRUE(find<TAdvTrackBar>("isEqGainInB")->Enabled());
    EXPECT_EQ(find<TCurvyEdit>("cvdEqGainInB")->Text(), "-4.0dB");
    EXPECT_TRUE(find("lbFftParamInB")->Visible());
    EXPECT_TRUE(sent().empty()) << "selecting sends nothing";
}

TEST_F(PeqEditorTest, TheWheelNeverChangesABandType)
{
    auto* list = find<TMyPEQType8>("peqPeqOut1")->TypeList(0);
    const int item = list->ItemIndex();
    wheel(*list, -1);
    wheel(*list, 1);
    wheel(*list, 1);
    EXPECT_EQ(list->ItemIndex(), item);
    EXPECT_EQ(unit().GetPeqBand(4, 0).type, 0);
    EXPECT_TRUE(sent().empty());
}

// Changing a band's type sets the Q the type calls for.
TEST_F(PeqEditorTest, TypeChangesFollowTheQRules)
{
    struct Case
    {
        const char* grid;
        int channel;
        int type;
        int qIndex;
    };
    const std::vector<Case> cases = {
        {"peqPeqOut1", 4, 2, 10}, {"peqPeqOut1", 4, 0, 25}, {"peqPeqInA", 0, 1, 10},
        {"peqPeqInA", 0, 8, 35},  {"peqPeqInA", 0, 5, 10},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.grid) + " type " + std::to_string(k.type));
        auto* list = find<TMyPEQType8>(k.grid)->TypeList(0);
        showPageOf(*list);
        ASSERT_TRUE(qx::test::chooseThroughWindow(*list, k.type));
        EXPECT_EQ(unit().GetPeqBand(k.channel, 0).q, k.qIndex);
        EXPECT_EQ(unit().GetPeqBand(k.channel, 0).type, k.type);
        EXPECT_EQ(sent().back().frame[12], k.qIndex);
    }
    // With a shelf the Q fader stops at 3.0; Peak reaches the whole range.
    auto* shelfQ = find<TAdvTrackBar>("isEqBwInA");
    showPageOf(*shelfQ);
    qx::test::dragFaderThroughWindow(*shelfQ, 80);
    EXPECT_EQ(shelfQ->Position(), 35);
    EXPECT_EQ(find<TCurvyEdit>("cvdEqBwInA")->Text(), "3.00");
    slide("isEqBwOut1", 100);
    EXPECT_EQ(find<TCurvyEdit>("cvdEqBwOut1")->Text(), "128.00");
}

TEST_F(PeqEditorTest, ABypassedBandDrawsFlatAndKeepsItsHandle)
{
    auto* grid = find<TMyPEQType8>("peqPeqOut1");
    grid->SetEqParamValue(0, 1000.0, 25, 6.0, 0, 1);
    EXPECT_EQ(sent().back(), peqFrame(4, 0, 180, 170, 25, 0, 1));
    EXPECT_TRUE(unit().IsPeqBandBypassed(4, 0));
    EXPECT_NEAR(sectionDb(4, 0, 1000.0), 0.0, 1e-9);
    auto* graph = find<LMyFFTDrawHpLp6dB>("fftDrawOut1");
    const auto handle = graph->GetBlockPos(0);
    EXPECT_LT(handle.Y, graph->GetPlotHeight() / 2) << "handle above the 0 dB line";
}

TEST_F(PeqEditorTest, NoSelectedBandMeansNoChange)
{
    window->ClearPeqSelection();
    auto* grid = find<TMyPEQType8>("peqPeqOut1");
    EXPECT_EQ(grid->GetNowIndex(), 15);
    EXPECT_FALSE(find<TAdvTrackBar>("isEqFreqOut1")->Enabled());
    EXPECT_EQ(find<TCurvyEdit>("cvdEqFreqOut1")->Text(), "19.7Hz");
    EXPECT_EQ(find<TCurvyEdit>("cvdEqBwOut1")->Text(), "0.40");
    EXPECT_EQ(find<TCurvyEdit>("cvdEqGainOut1")->Text(), "+0.0dB");
    grid->SetGainValue(15, 6.0);
    EXPECT_TRUE(sent().empty());
    // Only input A's band buttons can be released; a second clear releases
    // band 1's button again.
    EXPECT_FALSE(find<TRzBmpButton>("rzbEq1InA")->Down());
    EXPECT_TRUE(find<TRzBmpButton>("rzbEq1Out1")->Down());
    find<TRzBmpButton>("rzbEq1InA")->SetDown(true);
    window->ClearPeqSelection();
    EXPECT_FALSE(find<TRzBmpButton>("rzbEq1InA")->Down());
}

TEST_F(PeqEditorTest, ALinkedBandIsStoredInTheGroupAndSentOnce)
{
    linkOutputs(4, 0x03);
    slide("isEqGainOut1", 150);
    settle();
    ASSERT_FALSE(sent().empty());
    EXPECT_EQ(sent().back(), peqFrame(4, 0, 150, 41, 25, 0, 0));
    for (const Sent& s : sent())
        EXPECT_EQ(s.frame[6], 4) << "one frame for the group, Out1's";
    EXPECT_EQ(unit().GetPeqBand(5, 0).gain, 150);
    EXPECT_EQ(unit().GetPeqBand(6, 0).gain, 120) << "Out3 is not in the group";
}

TEST_F(PeqEditorTest, ALoadSelectsBandOneEverywhere)
{
    unit().SetPeqBand(7, 0, {130, 100, 30, 2}, 0);
    sent().clear();
    window->LoadUnitToForm();
    for (int c = 0; c < 12; ++c) {
        const std::string s = qx::channelSuffix(c);
        EXPECT_EQ(find<TMyPEQType8>("peqPeq" + s)->GetNowIndex(), 0) << s;
        EXPECT_TRUE(find<TRzBmpButton>("rzbEq1" + s)->Down()) << s;
        EXPECT_TRUE(find<TAdvTrackBar>("isEqGain" + s)->Enabled()) << s;
    }
    EXPECT_EQ(find<TAdvTrackBar>("isEqFreqOut4")->Position(), 100);
    EXPECT_EQ(find<TCurvyEdit>("cvdEqGainOut4")->Text(), "+1.0dB");
    const auto& shelf = window->Plots[7]->section(0).biquad();
    EXPECT_EQ(shelf.filterCode, 3) << "high shelf";
    EXPECT_NEAR(shelf.gain, 1.0, 1e-9);
    EXPECT_NEAR(shelf.frequency, IndexToFreq(100), 1e-6);
    for (const Sent& s : sent())
        ADD_FAILURE() << "sent code " << int(s.frame[5]) << " channel " << int(s.frame[6]);
}

TEST_F(PeqEditorTest, TheFirViewLeavesNoBandOnTheCurve)
{
    unit().SetPeqBand(5, 2, {180, 170, 25, 0}, 0);
    window->LoadUnitToForm();
    EXPECT_NEAR(sectionDb(5, 2, 1000.0), 6.0, 0.01) << "the band is on the curve before";
    clickOn("rbShowFirOut2");
    EXPECT_TRUE(find<TRadioButton>("rbShowFirOut2")->Checked());
    EXPECT_NEAR(sectionDb(5, 2, 1000.0), 0.0, 1e-9);
    EXPECT_GT(window->Plots[5]->section(2).biquad().frequency, 24000.0);
}

TEST_F(PeqEditorTest, PeqResetRestoresTheFactoryBandsOfTheGroup)
{
    for (const int c : {1, 2})
        for (int b = 0; b < 14; ++b)
            unit().SetPeqBand(c, b, {200, 150, 60, 3}, 1);
    qx::writeWord(unit().record(), rec::input(1) + rec::kInLinkMask, 0x06);
    window->LoadUnitToForm();
    sent().clear();
    window->ResetPeq(1);
    for (const int c : {1, 2})
        for (int b = 0; b < 14; ++b) {
            EXPECT_EQ(unit().GetPeqBand(c, b), unit().GetDefaultPeqBand(c, b)) << c << " " << b;
            EXPECT_FALSE(unit().IsPeqBandBypassed(c, b));
        }
    auto* grid = find<TMyPEQType8>("peqPeqInB");
    EXPECT_EQ(grid->GetNowIndex(), 0);
    EXPECT_NEAR(grid->GetFreqValue(13), IndexToFreq(290), 1e-6);
    for (int b = 0; b < 14; ++b) {
        const qx::PeqBand f = unit().GetDefaultPeqBand(1, b);
        const Sent urgent = peqFrame(1, b, f.gain, f.frequency, f.q, 0, 0, true);
        const Sent plain = peqFrame(1, b, f.gain, f.frequency, f.q, 0, 0, false);
        EXPECT_EQ(std::count(sent().begin(), sent().end(), urgent), 1) << b;
        EXPECT_GE(std::count(sent().begin(), sent().end(), plain), 1) << b;
    }
    // The reset sends its urgent frames while busy too.
    sent().clear();
    window->Busy = true;
    window->ResetPeq(4);
    window->Busy = false;
    EXPECT_EQ(sent().size(), 6U);
    for (const Sent& s : sent())
        EXPECT_TRUE(s.urgent);
}

TEST_F(PeqEditorTest, EqBypassFollowsTheClickedChannelsBit)
{
    linkOutputs(6, 0x0C); // Out3 and Out4
    auto* out3 = find<TVrDemoButton>("vrbEqBypassOut3");
    auto* out4 = find<TVrDemoButton>("vrbEqBypassOut4");
    const std::uint8_t code = 0x3C;
    struct Step
    {
        TVrDemoButton* button;
        int mask;
        Sent frame;
    };
    const std::vector<Step> steps = {
        {out3, 0x0C, {qxtest::commandFrame(1, code, {6, 1}), false}},
        {out4, 0x00, {qxtest::commandFrame(1, code, {7, 0}), false}},
        {out4, 0x0C, {qxtest::commandFrame(1, code, {7, 1}), false}},
        {out3, 0x00, {qxtest::commandFrame(1, code, {6, 0}), false}},
    };
    window->Busy = true; // the bypass sends whatever the busy flag says
    for (const Step& step : steps) {
        sent().clear();
        step.button->OnClick(step.button);
        EXPECT_EQ(unit().GetEqBypassMask(6), step.mask);
        EXPECT_EQ(sent(), std::vector<Sent>{step.frame});
    }
    window->Busy = false;
}

// "BYPASS" stands on the clicked channel's graph as soon as it is clicked,
// and goes with the next click.
TEST_F(PeqEditorTest, TheBypassTextShowsAtTheClick)
{
    const TColor face = ColorToRGB(clBtnFace);
    auto* graph = find<LMyFFTDrawHpLp6dB>("fftDrawOut3");
    // The pixels of the text's colour that the graph shows.
    const auto textPixels = [&] {
        const QImage image = graph->Screen().Image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                count += static_cast<TColor>(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16) == face ? 1 : 0;
            }
        return count;
    };
    showPageOf(*graph);
    ASSERT_FALSE(graph->Screen().Empty()) << "the page is shown";
    const int plain = textPixels();
    auto* bypass = find<TVrDemoButton>("vrbEqBypassOut3");
    qx::test::clickThroughWindow(*bypass);
    EXPECT_GT(textPixels(), plain + 200);
    qx::test::clickThroughWindow(*bypass);
    EXPECT_EQ(textPixels(), plain);
    // A shown state draws it from the mask.
    unit().SetEqBypassMask(6, 0x04);
    window->LoadUnitToForm();
    EXPECT_GT(textPixels(), plain + 200);
}

} // namespace
