// The view and content radios of the channel graphs with the FIR section,
// and the curve overlays of the channel graphs and the gain overviews.

#include "EqWindowFixture.h"
#include "codec/ValueScales.h"
#include "controls/buttons/vr/VrButtons.h"
#include "controls/skinned/AdvTrackBar.h"
#include "editors/eq/CurveOverlays.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

#include <QImage>

namespace {

constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kSilver = 0xC0C0C0;

class GraphViewsTest : public eqtest::EqWindowTest
{
protected:
    void click(const std::string& name)
    {
        auto* radio = find<TRadioButton>(name);
        radio->SetChecked(true);
    }
    void switchOn(const std::string& name, bool on)
    {
        auto* b = find<TVrPowerButton>(name);
        b->SetActive(on);
        b->OnClick(b);
    }
    bool drawn(const std::string& graph, int number)
    {
        int points = 0;
        return find<LMyFFTDrawHpLp6dB>(graph)->GetPlotNumPoints(points, number);
    }
    void page(const std::string& button) { find<TRzBmpButton>(button)->Click(); }
};

// "EQ" leaves the FIR flat, "FIR" the bands and crossover, "EQ+FIR" draws
// every section; the chosen radio reads yellow.
TEST_F(GraphViewsTest, TheContentChoosesTheSections)
{
    qx::OutputFilter f = unit().GetOutputFilter(5);
    f.mode = 2;
    f.fir = {1, 3, 110, 200, 8};
    f.highPassFrequency = 100;
    f.highPassSlope = 3;
    unit().SetOutputFilter(5, f);
    unit().SetPeqBand(5, 1, {180, 150, 25, 0}, 0);
    window->LoadUnitToForm();
    sent().clear();
    struct Case
    {
        const char* radio;
        bool fir, bands;
    };
    for (const Case& k : {Case{"rbShowEqOut2", false, true}, Case{"rbShowFirOut2", true, false},
                          Case{"rbShowEqFirOut2", true, true}}) {
        SCOPED_TRACE(k.radio);
        click(k.radio);
        EXPECT_EQ(!flat(curveOf(5, Plot::kOutputFirSection)), k.fir);
        EXPECT_EQ(!flat(curveOf(5, 1)), k.bands);
        EXPECT_EQ(!flat(curveOf(5, Plot::kHighPassSection)), k.bands) << "the crossover goes with the bands";
        for (const char* other : {"rbShowEqOut2", "rbShowFirOut2", "rbShowEqFirOut2"})
            EXPECT_EQ(find(other)->Font().Color, std::string(other) == k.radio ? kYellow : kSilver) << other;
        EXPECT_EQ(find("rbShowGainOut2")->Font().Color, kYellow) << "the view's own font stays";
    }
    EXPECT_TRUE(sent().empty());
}

TEST_F(GraphViewsTest, IirModeOrABypassedFirDrawsNoFir)
{
    for (const auto& [mode, type] : {std::pair{0, 1}, std::pair{2, 0}}) {
        qx::OutputFilter f = unit().GetOutputFilter(4);
        f.mode = static_cast<std::int16_t>(mode);
        f.fir = {std::uint8_t(type), 3, 110, 200, 8};
        unit().SetOutputFilter(4, f);
        window->LoadUnitToForm();
        click("rbShowFirOut1");
        EXPECT_TRUE(flat(curveOf(4, Plot::kOutputFirSection))) << mode << " " << type;
    }
}

// An input graph draws its coefficients only with its content shown as FIR
// or EQ+FIR and its FIR not bypassed.
TEST_F(GraphViewsTest, AnInputGraphDrawsItsCoefficientsWhenAsked)
{
    window->FirCoeffs[2][0] = 0.5F;
    window->FirCoeffs[2][1] = 0.25F;
    qx::writeWord(unit().record(), qx::rec::input(2) + qx::rec::kInFirTapCount, 2);
    qx::writeWord(unit().record(), qx::rec::input(2) + qx::rec::kInFirBypass, 0);
    window->LoadUnitToForm();
    EXPECT_FALSE(find("rzgFftShowCurveInC")->Visible()) << "shown by the input-FIR access dialog only";
    EXPECT_TRUE(flat(curveOf(2, Plot::kHighPassSection))) << "an input starts with the EQ";
    click("rbShowFirInC");
    EXPECT_FALSE(flat(curveOf(2, Plot::kHighPassSection)));
    qx::writeWord(unit().record(), qx::rec::input(2) + qx::rec::kInFirBypass, 1);
    window->UpdateFirSection(find("fftDrawInC"));
    EXPECT_TRUE(flat(curveOf(2, Plot::kHighPassSection)));
}

// The phase view changes the grid lines, the label and its scale; the range
// stays -18..18.
TEST_F(GraphViewsTest, ThePhaseViewSetsTheAxis)
{
    auto* graph = find<LMyFFTDrawHpLp6dB>("fftDrawOut3");
    click("rbShowPhaseOut3");
    EXPECT_EQ(window->Plots[6]->view(), qx::PlotView::Phase);
    EXPECT_EQ(graph->NumHorzGrid(), 7);
    EXPECT_EQ(graph->YLabel(), "");
    EXPECT_EQ(graph->YLabelScale(), 10.0);
    EXPECT_EQ(graph->YMax(), 18.0);
    EXPECT_EQ(graph->YMin(), -18.0);
    EXPECT_EQ(find("rbShowPhaseOut3")->Font().Color, kYellow);
    EXPECT_EQ(find("rbShowGainOut3")->Font().Color, kSilver);
    click("rbShowFirOut3");
    EXPECT_EQ(window->Plots[6]->view(), qx::PlotView::Phase) << "a content change keeps the view";
    click("rbShowGainOut3");
    EXPECT_EQ(window->Plots[6]->view(), qx::PlotView::Magnitude);
    EXPECT_EQ(graph->NumHorzGrid(), 11);
    EXPECT_EQ(graph->YLabel(), "dB");
    EXPECT_EQ(graph->YLabelScale(), 1.0);
}

// A view change puts the stored design back into the pending one.
TEST_F(GraphViewsTest, AViewChangeDropsAPendingDesign)
{
    pick("rzcModeOut1", 1); // FIR: the design boxes come to the front
    pick("rzcFirTypeOut1", 3);
    EXPECT_EQ(window->FirDesign[0].type, 3);
    click("rbShowEqOut1");
    EXPECT_EQ(window->FirDesign[0], unit().GetOutputFilter(4).fir);
}

TEST_F(GraphViewsTest, EveryContentRadioCanBeChosen)
{
    for (int c = 4; c < 12; ++c)
        EXPECT_TRUE(find("rbShowEqFir" + qx::channelSuffix(c))->Enabled()) << c;
    click("rbShowEqOut1");
    click("rbShowEqFirOut1");
    EXPECT_TRUE(find<TRadioButton>("rbShowEqFirOut1")->Checked());
}

// Every other channel of a side has its overlay button on each graph.
TEST_F(GraphViewsTest, EveryOverlayButtonExists)
{
    for (int g = 0; g < 14; ++g)
        for (int c = 0; c < 12; ++c) {
            const bool sameSide = (c < 4) == (g < 4 || g == qx::kInputOverview);
            if (!sameSide || c == g)
                continue;
            auto* b = find<TVrPowerButton>(qx::overlayButtonName(c, g));
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->Tag(), c);
            EXPECT_EQ(b->Caption(), qx::channelSuffix(c));
            EXPECT_FALSE(b->Active());
        }
}

// A channel's curve changes while its overlay on another graph is off and
// that graph's page is not shown: showing the page copies the new curve,
// switching the overlay on draws it.
TEST_F(GraphViewsTest, AnOverlayShowsTheCurveOfTheLastRefresh)
{
    page("rzbMenuOut3");
    find<TAdvTrackBar>("isEqGainOut3")->SetPosition(200);
    settle();
    const auto out3 = curveOf(6, Plot::kSumSection);
    EXPECT_NE(window->OverlayRefreshMasks[4] & (1 << 6), 0) << "marked for Out1's graph";
    page("rzbMenuOut1");
    EXPECT_EQ(window->OverlayRefreshMasks[4] & (1 << 6), 0);
    EXPECT_EQ(curveOf(4, 41), out3) << "copied although the button is off";
    EXPECT_FALSE(drawn("fftDrawOut1", 41));
    switchOn("vrbShow3Out1", true);
    EXPECT_TRUE(drawn("fftDrawOut1", 41));
    // Out3 changes again while Out1's page is shown elsewhere: the overlay
    // keeps the old curve until Out1's page is shown again.
    page("rzbMenuOut3");
    find<TAdvTrackBar>("isEqGainOut3")->SetPosition(60);
    settle();
    EXPECT_EQ(curveOf(4, 41), out3);
    page("rzbMenuOut1");
    EXPECT_EQ(curveOf(4, 41), curveOf(6, Plot::kSumSection));
    switchOn("vrbShow3Out1", false);
    EXPECT_FALSE(drawn("fftDrawOut1", 41));
}

// The overviews copy all twelve curves and draw those switched on.
TEST_F(GraphViewsTest, TheGainOverviewsShowTheChosenCurves)
{
    switchOn("vrbShow3Gain", true);
    switchOn("vrbShowBGain", true);
    page("rzbMenuOut3");
    find<TAdvTrackBar>("isEqGainOut3")->SetPosition(200);
    settle();
    page("rzbMenuGain");
    EXPECT_EQ(curveOf(qx::kOutputOverview, 6), curveOf(6, Plot::kSumSection));
    EXPECT_EQ(curveOf(qx::kInputOverview, 1), curveOf(1, Plot::kSumSection));
    EXPECT_TRUE(drawn("fftDrawGainOut", 6));
    EXPECT_TRUE(drawn("fftDrawGainIn", 1));
    EXPECT_FALSE(drawn("fftDrawGainOut", 7));
    EXPECT_EQ(window->OverlayRefreshMasks[qx::kOutputOverview] & (1 << 6), 0);
    EXPECT_NE(window->OverlayRefreshMasks[qx::kOutputOverview] & (1 << 7), 0) << "bits of buttons that are off stay";
}

// Hiding a channel's buttons takes its curve off every graph; showing them
// again leaves them off.
TEST_F(GraphViewsTest, HidingAChannelsButtonsTakesItsCurvesAway)
{
    switchOn("vrbShow3Out1", true);
    switchOn("vrbShow3Gain", true);
    window->ShowOverlayButtons(6, false);
    for (int g : {4, 5, 7, 8, 9, 10, 11, qx::kOutputOverview}) {
        auto* b = find<TVrPowerButton>(qx::overlayButtonName(6, g));
        EXPECT_FALSE(b->Visible()) << g;
        EXPECT_FALSE(b->Active()) << g;
    }
    EXPECT_FALSE(drawn("fftDrawOut1", 41));
    EXPECT_FALSE(drawn("fftDrawGainOut", 6));
    window->ShowOverlayButtons(6, true);
    EXPECT_TRUE(find("vrbShow3Out1")->Visible());
    EXPECT_FALSE(find<TVrPowerButton>("vrbShow3Out1")->Active());
    EXPECT_TRUE(find("vrbShow1Out3")->Visible()) << "Out3's own graph keeps the others' buttons";
}

TEST_F(GraphViewsTest, ShowAllEqShowsEveryBandsText)
{
    switchOn("vrbEqShowAllOut2", true);
    EXPECT_TRUE(find<LMyFFTDrawHpLp6dB>("fftDrawOut2")->ParameterDisplay());
    switchOn("vrbEqShowAllOut2", false);
    EXPECT_FALSE(find<LMyFFTDrawHpLp6dB>("fftDrawOut2")->ParameterDisplay());
}

// The texts appear and go with the click, not with the next curve change.
TEST_F(GraphViewsTest, ShowAllEqShowsAtTheClick)
{
    auto* graph = find<LMyFFTDrawHpLp6dB>("fftDrawOut2");
    page("rzbMenuOut2");
    ASSERT_FALSE(graph->Screen().Empty()) << "the page is shown";
    const QImage selectedOnly = graph->Screen().Image();
    switchOn("vrbEqShowAllOut2", true);
    EXPECT_NE(graph->Screen().Image(), selectedOnly) << "every band's text shown";
    switchOn("vrbEqShowAllOut2", false);
    EXPECT_EQ(graph->Screen().Image(), selectedOnly);
}

} // namespace
