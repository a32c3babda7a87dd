// The high-pass and low-pass editors on the main window: cut-off faders and
// value boxes, slope lists, bypass buttons and the hidden Q up-downs, each
// asserted as the frames sent, the model and the channel's curve.

#include "EqWindowFixture.h"
#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/skinned/AdvTrackBar.h"
#include "editors/eq/CrossoverCurve.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/UpDown.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/TMyPEQType8.h"

#include <functional>

namespace {

using eqtest::peqFrame;
using qxtest::Sent;

constexpr std::uint8_t kHighPass = 0x32;
constexpr std::uint8_t kLowPass = 0x31;

Sent passFrame(std::uint8_t code, int c, int index, int slope)
{
    return {qxtest::commandFrame(1, code,
                                 {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(index & 0xFF),
                                  static_cast<std::uint8_t>(index >> 8), static_cast<std::uint8_t>(slope)}),
            false};
}

class CrossoverEditorTest : public eqtest::EqWindowTest
{
protected:
    // The factory state has every output side bypassed; the tests start
    // with the bypass buttons up (the lists show "LR -48").
    void SetUp() override
    {
        eqtest::EqWindowTest::SetUp();
        for (int n = 1; n <= 8; ++n)
            for (const char* side : {"LowCut", "HighCut"})
                find<TRzBmpButton>(std::string("rzb") + side + "BypassOut" + std::to_string(n))->SetDown(false);
    }
    void setMode(int c, int mode)
    {
        qx::OutputFilter filter = unit().GetOutputFilter(c);
        filter.mode = static_cast<std::int16_t>(mode);
        unit().SetOutputFilter(c, filter);
    }
    // The side's total as the curve maths draw it for these settings.
    std::vector<double> expectedTotal(bool highPass, int slope, int index)
    {
        Plot plot;
        qx::computeCrossoverCurve(plot, highPass ? qx::CrossoverSide::HighPass : qx::CrossoverSide::LowPass, slope,
                                  IndexToFreq(index));
        const auto c = plot.curve(highPass ? 31 : 32);
        return {c.begin(), c.end()};
    }
    // The drawn total equals the expected one up to the editors' single-
    // precision cut-off frequency.
    static void expectSameCurve(const std::vector<double>& drawn, const std::vector<double>& expected)
    {
        ASSERT_EQ(drawn.size(), expected.size());
        double worst = 0.0;
        for (std::size_t i = 0; i < drawn.size(); ++i)
            worst = std::max(worst, std::abs(drawn[i] - expected[i]));
        EXPECT_LT(worst, 1e-3);
    }
    std::vector<double> total(int c, bool highPass)
    {
        const auto t = window->Plots[static_cast<std::size_t>(c)]->curve(highPass ? 31 : 32);
        return {t.begin(), t.end()};
    }
};

// Every editor action of both sides: the frame sent, the record stored and
// the total drawn once the loop has run.
TEST_F(CrossoverEditorTest, EditorActionsSendTheSide)
{
    struct Case
    {
        const char* what;
        std::function<void()> act;
        Sent frame;
        int channel;
        bool highPass;
        int index;
        int slope;
    };
    const std::vector<Case> cases = {
        {"low-cut fader", [this] { find<TAdvTrackBar>("isLowCutFreqOut1")->SetPosition(170); },
         passFrame(kHighPass, 4, 170, 20), 4, true, 170, 20},
        {"high-cut fader", [this] { find<TAdvTrackBar>("isHighCutFreqOut3")->SetPosition(140); },
         passFrame(kLowPass, 6, 140, 20), 6, false, 140, 20},
        {"slope list", [this] { pick("rzcLowCutSlopOut1", 9); }, passFrame(kHighPass, 4, 170, 10), 4,
         true, 170, 10},
        {"bypass down", [this] { toggle("rzbLowCutBypassOut1"); }, passFrame(kHighPass, 4, 170, 0), 4, true,
         170, 0},
        {"bypass up", [this] { toggle("rzbLowCutBypassOut1"); }, passFrame(kHighPass, 4, 170, 10), 4, true,
         170, 10},
        {"typed with Enter", [this] { type("cvdHighCutFreqOut3", "500", true); },
         passFrame(kLowPass, 6, 140, 20), 6, false, 140, 20},
        {"typed 2k and left", [this] { type("cvdHighCutFreqOut3", "2k", false); },
         passFrame(kLowPass, 6, 200, 20), 6, false, 200, 20},
        {"Q up-down", [this] { find<TUpDown>("udLowCutBwOut1")->SetPosition(12); },
         passFrame(kHighPass, 4, 170, 10), 4, true, 170, 10},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        sent().clear();
        k.act();
        settle();
        if (std::string(k.what) == "typed with Enter") {
            // The same value as before: nothing changes, nothing is sent.
            EXPECT_TRUE(sent().empty());
            find<TAdvTrackBar>("isHighCutFreqOut3")->SetPosition(300);
            settle();
            sent().clear();
            k.act();
            settle();
        }
        EXPECT_EQ(sent(), std::vector<Sent>{k.frame});
        const qx::OutputFilter f = unit().GetOutputFilter(k.channel);
        EXPECT_EQ(k.highPass ? f.highPassFrequency : f.lowPassFrequency, k.index);
        EXPECT_EQ(k.highPass ? f.highPassSlope : f.lowPassSlope, k.slope);
        expectSameCurve(total(k.channel, k.highPass), expectedTotal(k.highPass, k.slope, k.index));
    }
    EXPECT_EQ(find<TCurvyEdit>("cvdLowCutBwOut1")->Text(), "0.79");
}

TEST_F(CrossoverEditorTest, BoxTextsOfTheTwoSides)
{
    find<TAdvTrackBar>("isHighCutFreqOut2")->SetPosition(140);
    EXPECT_EQ(find<TCurvyEdit>("cvdHighCutFreqOut2")->Text(), " 500.0Hz");
    find<TAdvTrackBar>("isLowCutFreqOut2")->SetPosition(140);
    EXPECT_EQ(find<TCurvyEdit>("cvdLowCutFreqOut2")->Text(), "500.0Hz");
    find<TAdvTrackBar>("isHighCutFreqOut2")->SetPosition(0);
    type("cvdHighCutFreqOut2", "500", true);
    EXPECT_EQ(find<TCurvyEdit>("cvdHighCutFreqOut2")->Text(), "500.0Hz");
    type("cvdHighCutFreqOut2", "x", true);
    EXPECT_EQ(find<TCurvyEdit>("cvdHighCutFreqOut2")->Text(), "500.0Hz");
}

TEST_F(CrossoverEditorTest, ALinkedOutputStoresTheGroupAndSendsOnce)
{
    linkOutputs(8, 0x30); // Out5 and Out6
    find<TAdvTrackBar>("isLowCutFreqOut5")->SetPosition(120);
    settle();
    EXPECT_EQ(sent(), std::vector<Sent>{passFrame(kHighPass, 8, 120, 20)});
    EXPECT_EQ(unit().GetOutputFilter(9).highPassFrequency, 120);
    EXPECT_EQ(unit().GetOutputFilter(10).highPassFrequency, unit().GetOutputFilter(11).highPassFrequency)
        << "Out7 keeps the factory value";
}

// An input's section 31 carries its FIR: its cut-off is sent but not drawn.
TEST_F(CrossoverEditorTest, AnInputIsSentAndStoredNowhere)
{
    const qx::UnitRecord before = unit().record();
    const auto firSection = total(0, true);
    // The inputs' cut-off controls lie below the bottom of their box, where
    // no user sees them: they are moved from here.
    find<TAdvTrackBar>("isLowCutFreqInA")->SetPosition(100);
    auto* slope = find<TComboBox>("rzcHighCutSlopInA");
    ASSERT_FALSE(qx::test::inSightAtItsCentre(*slope));
    slope->SetItemIndex(3);
    slope->OnChange(slope);
    settle();
    EXPECT_EQ(sent(), (std::vector<Sent>{passFrame(kHighPass, 0, 100, 20), passFrame(kLowPass, 0, 300, 4)}));
    EXPECT_EQ(unit().record(), before);
    EXPECT_EQ(total(0, true), firSection);
    EXPECT_TRUE(flat(total(0, false)));
}

TEST_F(CrossoverEditorTest, TheBusyFlagStopsTheFaderAndTheStores)
{
    const qx::OutputFilter before = unit().GetOutputFilter(4);
    window->Busy = true;
    find<TAdvTrackBar>("isLowCutFreqOut1")->SetPosition(150);
    pick("rzcHighCutSlopOut1", 2);
    toggle("rzbHighCutBypassOut1");
    find<TUpDown>("udHighCutBwOut1")->SetPosition(20);
    window->Busy = false;
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(unit().GetOutputFilter(4), before);
}

TEST_F(CrossoverEditorTest, FirOnlyModeSendsButLeavesTheGraph)
{
    setMode(4, 1);
    const auto before = total(4, true);
    find<TAdvTrackBar>("isLowCutFreqOut1")->SetPosition(170);
    pick("rzcLowCutSlopOut1", 2);
    settle();
    EXPECT_EQ(sent(), (std::vector<Sent>{passFrame(kHighPass, 4, 170, 20), passFrame(kHighPass, 4, 170, 3)}));
    EXPECT_EQ(total(4, true), before);
}

TEST_F(CrossoverEditorTest, TheFirViewKeepsTheBypassButtonFromDrawing)
{
    find<TRadioButton>("rbShowFirOut1")->SetChecked(true);
    find<TAdvTrackBar>("isLowCutFreqOut1")->SetPosition(170);
    settle();
    expectSameCurve(total(4, true), expectedTotal(true, 20, 170)); // the fader still draws
    toggle("rzbLowCutBypassOut1");
    expectSameCurve(total(4, true), expectedTotal(true, 20, 170)); // the bypass does not
    EXPECT_EQ(sent().back(), passFrame(kHighPass, 4, 170, 0));
}

TEST_F(CrossoverEditorTest, TheWheelNeverChangesTheLists)
{
    for (const char* name : {"rzcLowCutSlopOut1", "rzcHighCutSlopOut1", "rzcModeOut1", "rzcFirTypeOut1"}) {
        auto* list = find<TRzComboBox>(name);
        bool handled = false;
        list->OnMouseWheel(list, {}, -120, {}, handled);
        EXPECT_TRUE(handled) << name;
    }
}

// A burst of cut-off moves sends each position (the link's queue folds
// them) but draws the total once, one pass of the loop later, at the last.
TEST_F(CrossoverEditorTest, ABurstOfCutOffMovesDrawsOncePerPass)
{
    const auto before = total(7, false);
    auto* fader = find<TAdvTrackBar>("isHighCutFreqOut4");
    for (int p = 299; p >= 200; --p)
        fader->SetPosition(p);
    EXPECT_EQ(sent().size(), 100U);
    EXPECT_EQ(sent().back(), passFrame(kLowPass, 7, 200, 20));
    EXPECT_EQ(total(7, false), before) << "nothing drawn before the loop runs";
    EXPECT_TRUE(find<TTimer>("tmHpLpCurve")->Enabled());
    settle();
    expectSameCurve(total(7, false), expectedTotal(false, 20, 200));
}

// A band fader and a cut-off fader moved in one pass each apply their own
// values: the band keeps its Q, the cut-off its frequency.
TEST_F(CrossoverEditorTest, BandAndCutOffMovesInOnePassKeepTheirOwnValues)
{
    find<TAdvTrackBar>("isEqBwOut2")->SetPosition(30);
    find<TAdvTrackBar>("isLowCutFreqOut2")->SetPosition(250);
    settle();
    ASSERT_EQ(sent().size(), 2U);
    EXPECT_EQ(std::count(sent().begin(), sent().end(), passFrame(kHighPass, 5, 250, 20)), 1);
    EXPECT_EQ(std::count(sent().begin(), sent().end(), peqFrame(5, 0, 120, 41, 30, 0, 0)), 1);
    EXPECT_EQ(unit().GetPeqBand(5, 0).q, 30);
    expectSameCurve(total(5, true), expectedTotal(true, 20, 250));
}

// A list left without an item keeps its last slope; it never sends the
// bypass code while the bypass is up.
TEST_F(CrossoverEditorTest, AListWithoutAnItemKeepsTheLastSlope)
{
    pick("rzcHighCutSlopOut4", 4);
    sent().clear();
    // No user can choose no item: the list is emptied by the program.
    auto* list = find<TComboBox>("rzcHighCutSlopOut4");
    list->SetItemIndex(-1);
    list->OnChange(list);
    find<TAdvTrackBar>("isHighCutFreqOut4")->SetPosition(200);
    settle();
    EXPECT_EQ(sent(), (std::vector<Sent>{passFrame(kLowPass, 7, 300, 5), passFrame(kLowPass, 7, 200, 5)}));
}

// With the bypass down the slope code is 0 whatever the list shows: the
// total is flat with its handle at the cut-off.
TEST_F(CrossoverEditorTest, ABypassedSideDrawsFlatAtItsCutOff)
{
    toggle("rzbHighCutBypassOut6");
    find<TAdvTrackBar>("isHighCutFreqOut6")->SetPosition(170);
    settle();
    EXPECT_EQ(sent().back(), passFrame(kLowPass, 9, 170, 0));
    for (double v : total(9, false))
        ASSERT_EQ(v, 0.0);
    EXPECT_DOUBLE_EQ(window->Plots[9]->section(32).biquad().frequency, IndexToFreq(170));
}

// A loaded state draws both sides of every output from the record.
TEST_F(CrossoverEditorTest, ALoadDrawsTheStoredSides)
{
    qx::OutputFilter filter;
    filter.highPassFrequency = 90;
    filter.highPassSlope = 10;
    filter.lowPassFrequency = 250;
    filter.lowPassSlope = 3;
    unit().SetOutputFilter(7, filter);
    filter.mode = 1;
    unit().SetOutputFilter(8, filter);
    window->LoadUnitToForm();
    expectSameCurve(total(7, true), expectedTotal(true, 10, 90));
    expectSameCurve(total(7, false), expectedTotal(false, 3, 250));
    EXPECT_EQ(find<TRzComboBox>("rzcLowCutSlopOut4")->ItemIndex(), 9);
    EXPECT_EQ(find<TAdvTrackBar>("isHighCutFreqOut4")->Position(), 250);
    // FIR only: both sides flat, their handles beyond the graph.
    for (const bool side : {true, false})
        for (double v : total(8, side))
            ASSERT_EQ(v, 0.0);
    EXPECT_GT(window->Plots[8]->section(31).biquad().frequency, 24000.0);
    EXPECT_TRUE(sent().empty());
}

} // namespace
