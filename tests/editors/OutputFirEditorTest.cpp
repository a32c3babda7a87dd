// The output FIR editor on the main window: the mode list, the FIR design
// controls with OK, the FIR bypass and the panel layout, asserted as the
// frames sent, the model, the tap budget, the controls and the drawn FIR.

#include "EqWindowFixture.h"
#include "codec/ValueScales.h"
#include "controls/skinned/AdvTrackBar.h"
#include "response/FrequencyGrid.h"
#include "response/Plot.h"

#include <complex>
#include <numbers>

namespace {

using qxtest::Sent;

constexpr std::uint8_t kFir = 0x4B;
constexpr std::uint8_t kMode = 0x4C;

Sent modeFrame(int c, int mode) { return {qxtest::commandFrame(1, kMode, {std::uint8_t(c), std::uint8_t(mode)}), true}; }

Sent firFrame(int c, const qx::OutputFirSettings& f)
{
    return {qxtest::commandFrame(1, kFir,
                                 {std::uint8_t(c), f.type, f.window, std::uint8_t(f.lowCut & 0xFF),
                                  std::uint8_t(f.lowCut >> 8), std::uint8_t(f.highCut & 0xFF),
                                  std::uint8_t(f.highCut >> 8), std::uint8_t(f.taps & 0xFF), std::uint8_t(f.taps >> 8)}),
            true};
}

class OutputFirEditorTest : public eqtest::EqWindowTest
{
protected:
    // Stores the output's record as a loaded state and shows it.
    void load(int c, int mode, int type, int taps, int firWindow = 6, int lowCut = 110, int highCut = 300)
    {
        qx::OutputFilter f = unit().GetOutputFilter(c);
        f.mode = static_cast<std::int16_t>(mode);
        f.fir = {std::uint8_t(type), std::uint8_t(firWindow), std::uint16_t(lowCut), std::uint16_t(highCut),
                 std::uint16_t(taps)};
        unit().SetOutputFilter(c, f);
        window->LoadUnitToForm();
        sent().clear();
        window->messages.clear();
    }
    qx::OutputFirSettings stored(int c) { return unit().GetOutputFilter(c).fir; }
    std::string caption(const std::string& name) { return find(name)->Caption(); }
    bool enabled(const std::string& name) { return find(name)->Enabled(); }
    TColor fontColour(const std::string& name) { return find(name)->Font().Color; }
};

// A mode applies at once with 0x4C only; the same mode sends nothing; a
// linked output stores the mode in its whole group.
TEST_F(OutputFirEditorTest, TheModeAppliesAtOnce)
{
    linkOutputs(5, 0x06); // Out2 and Out3
    window->LoadUnitToForm();
    sent().clear();
    struct Case
    {
        int item;
        std::vector<Sent> frames;
        int mode;
    };
    for (const Case& k : std::vector<Case>{{0, {modeFrame(5, 0)}, 0}, {0, {}, 0}, {1, {modeFrame(5, 1)}, 1},
                                           {2, {modeFrame(5, 2)}, 2}}) {
        sent().clear();
        pick("rzcModeOut2", k.item);
        EXPECT_EQ(sent(), k.frames) << k.item;
        EXPECT_EQ(unit().GetOutputFilter(5).mode, k.mode);
        EXPECT_EQ(unit().GetOutputFilter(6).mode, k.mode) << "Out3 is in the group";
        EXPECT_EQ(unit().GetOutputFilter(7).mode, 2) << "Out4 is not";
    }
    sent().clear();
    window->Busy = true;
    pick("rzcModeOut2", 0);
    window->Busy = false;
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(unit().GetOutputFilter(5).mode, 2);
}

// IIR + FIR runs no designed FIR: switching to it drops the design (the
// processor is told the mode only), releasing the design's taps when it
// came from FIR mode, leaving the budget when it came from IIR.
TEST_F(OutputFirEditorTest, IirPlusFirDropsADesignedFir)
{
    for (const int from : {1, 0}) {
        SCOPED_TRACE(from);
        load(4, from, 2, 8);
        window->FirCoeffs[4][0] = 0.5F;
        EXPECT_EQ(window->FirTapsReserved, from == 1 ? 512 : 0);
        pick("rzcModeOut1", 2);
        EXPECT_EQ(sent(), std::vector<Sent>{modeFrame(4, 2)});
        EXPECT_EQ(stored(4).type, 0);
        EXPECT_EQ(stored(4).taps, 512);
        EXPECT_EQ(caption("lbNowFirTapsOut1"), "512");
        EXPECT_EQ(window->FirCoeffs[4], qx::unitImpulse());
        EXPECT_EQ(window->FirTapsReserved, 0);
    }
}

TEST_F(OutputFirEditorTest, AModeChangeOverTheBudgetIsRefused)
{
    load(6, 0, 4, 2048);
    window->FirTapsReserved = 12000;
    pick("rzcModeOut3", 1);
    EXPECT_EQ(window->messages, std::vector<std::string>{"Run Out of FIR Resource!!"});
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(find<TComboBox>("rzcModeOut3")->ItemIndex(), 0) << "the list shows IIR again";
    EXPECT_EQ(unit().GetOutputFilter(6).mode, 0);
    EXPECT_EQ(window->FirTapsReserved, 12000);
    // Towards IIR a loaded state over the budget is always let go.
    load(6, 1, 4, 2048);
    window->FirTapsReserved = 13000;
    pick("rzcModeOut3", 0);
    EXPECT_EQ(sent(), std::vector<Sent>{modeFrame(6, 0)});
    EXPECT_EQ(window->FirTapsReserved, 13000 - 2048);
}

// The crossover and FIR boxes by mode and FIR type.
TEST_F(OutputFirEditorTest, ThePanelFollowsModeAndType)
{
    struct Case
    {
        const char* what;
        int mode, type;
        bool crossover, file, design, lowCut, highCut, firBypassDown;
        int typeItem;
        TColor boxFont;
    };
    const Case cases[] = {
        {"IIR", 0, 0, true, false, true, false, false, false, 0, 0x000000},
        {"FIR, bypassed", 1, 0, false, true, true, false, false, true, 0, 0x000000},
        {"FIR, high-pass", 1, 2, false, false, true, true, false, false, 2, 0x000000},
        {"FIR, band-pass", 1, 3, false, false, true, true, true, false, 3, 0x000000},
        {"FIR, coefficients", 1, 4, false, true, false, false, false, false, 0, 0x808080},
        {"IIR + FIR, bypassed", 2, 0, true, true, true, false, false, true, 0, 0x000000},
        {"IIR + FIR, coefficients", 2, 4, true, true, true, false, false, false, 0, 0x000000},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        load(7, k.mode, k.type, 8);
        EXPECT_EQ(enabled("rzgLowCutOut4"), k.crossover);
        EXPECT_EQ(enabled("rzgHighCutOut4"), k.crossover);
        EXPECT_EQ(enabled("rzgFirOut4"), k.file);
        if (k.mode == 1) {
            for (const char* box : {"rzgFirTypeOut4", "rzgFirWinOut4", "rzgFirTapsOut4", "rzgFirLowCutOut4",
                                    "rzgFirHighCutOut4"})
                EXPECT_EQ(enabled(box), k.design) << box;
            EXPECT_EQ(enabled("isFirLowCutOut4"), k.lowCut);
            EXPECT_EQ(enabled("isFirHighCutOut4"), k.highCut);
            EXPECT_EQ(find<TComboBox>("rzcFirTypeOut4")->ItemIndex(), k.typeItem);
            EXPECT_EQ(fontColour("cvdFirLowCutOut4"), k.boxFont);
        }
        EXPECT_EQ(find<TRzBmpButton>("rzbFirBypassOut4")->Down(), k.firBypassDown);
        EXPECT_TRUE(sent().empty());
    }
    // The crossover bypass buttons show the stored slopes.
    qx::OutputFilter f = unit().GetOutputFilter(7);
    f.highPassSlope = 0;
    f.lowPassSlope = 5;
    unit().SetOutputFilter(7, f);
    window->UpdateOutputFirPanel(7);
    EXPECT_TRUE(find<TRzBmpButton>("rzbLowCutBypassOut4")->Down());
    EXPECT_FALSE(find<TRzBmpButton>("rzbHighCutBypassOut4")->Down());
}

// The low cut stays below the high cut: by the type the moved fader pushes
// the other or is held back.
TEST_F(OutputFirEditorTest, CutOffFadersKeepTheirOrder)
{
    load(4, 1, 3, 8, 6, 150, 200);
    struct Case
    {
        const char* what;
        int type;
        const char* moved;
        int to;
        int low, high;
    };
    const Case cases[] = {
        {"high-pass: the low cut pushes the high cut", 2, "isFirLowCutOut1", 250, 250, 251},
        {"band-pass: the low cut is held below", 3, "isFirLowCutOut1", 280, 250, 251},
        {"low-pass: the high cut pushes the low cut", 1, "isFirHighCutOut1", 120, 119, 120},
        {"band-pass: the high cut is held above", 3, "isFirHighCutOut1", 100, 119, 120},
        {"apart, nothing is pushed", 3, "isFirHighCutOut1", 200, 119, 200},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        pick("rzcFirTypeOut1", k.type);
        find<TAdvTrackBar>(k.moved)->SetPosition(k.to);
        EXPECT_EQ(find<TAdvTrackBar>("isFirLowCutOut1")->Position(), k.low);
        EXPECT_EQ(find<TAdvTrackBar>("isFirHighCutOut1")->Position(), k.high);
        EXPECT_EQ(window->FirDesign[0].lowCut, k.low);
        EXPECT_EQ(window->FirDesign[0].highCut, k.high);
        EXPECT_TRUE(enabled("bnFirOKOut1"));
    }
    EXPECT_TRUE(sent().empty()) << "a design applies with OK only";
    find<TAdvTrackBar>("isFirHighCutOut1")->SetPosition(140);
    EXPECT_EQ(find<TCurvyEdit>("cvdFirHighCutOut1")->Text(), " 500.0Hz");
}

TEST_F(OutputFirEditorTest, TypedCutOffsKeepToTheirFaders)
{
    load(4, 1, 3, 8, 6, 150, 200);
    struct Case
    {
        const char* box;
        const char* typed;
        bool enter;
        const char* fader;
        int position;
        const char* shown;
    };
    const Case cases[] = {
        {"cvdFirLowCutOut1", "10", true, "isFirLowCutOut1", 88, "150.4Hz"},
        {"cvdFirLowCutOut1", "10", false, "isFirLowCutOut1", 88, "150.4Hz"},
        {"cvdFirLowCutOut1", "500", false, "isFirLowCutOut1", 140, "500.0Hz"},
        {"cvdFirHighCutOut1", "30k", true, "isFirHighCutOut1", 300, "20.16KHz"},
        {"cvdFirHighCutOut1", "1", true, "isFirHighCutOut1", 141, "511.7Hz"},
        {"cvdFirHighCutOut1", "x", false, "isFirHighCutOut1", 141, "511.7Hz"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.box) + " " + k.typed);
        type(k.box, k.typed, k.enter);
        EXPECT_EQ(find<TAdvTrackBar>(k.fader)->Position(), k.position);
        EXPECT_EQ(find<TCurvyEdit>(k.box)->Text(), k.shown);
    }
    EXPECT_TRUE(sent().empty());
}

// An independent windowed-sinc low-pass (Hamming window, centred taps) and
// its magnitude in dB at f.
double referenceLowPassDb(int taps, double cutoffHz, double f)
{
    const int h = taps / 2;
    const double edge = 2.0 * std::numbers::pi * cutoffHz / 48000.0;
    std::complex<double> sum = 0.0;
    for (int i = -h; i <= h; ++i) {
        const double ideal = i == 0 ? edge / std::numbers::pi : std::sin(i * edge) / (i * std::numbers::pi);
        const double w = 0.54 + 0.46 * std::cos(2.0 * std::numbers::pi * i / taps);
        sum += ideal * w * std::polar(1.0, -2.0 * std::numbers::pi * f / 48000.0 * i);
    }
    return 20.0 * std::log10(std::abs(sum));
}

// OK applies the pending design: 0x4B with the design, the taps reserved,
// the designed response drawn.
TEST_F(OutputFirEditorTest, OkAppliesTheDesign)
{
    load(4, 1, 0, 512);
    pick("rzcFirTypeOut1", 1);
    pick("rzcFirWinOut1", 3);
    pick("rzcFirTapsOut1", 8);
    find<TAdvTrackBar>("isFirHighCutOut1")->SetPosition(200);
    const qx::OutputFirSettings design{1, 3, 110, 200, 8};
    EXPECT_EQ(window->FirDesign[0], design);
    find<TRzBmpButton>("bnFirOKOut1")->Click();
    EXPECT_EQ(sent(), std::vector<Sent>{firFrame(4, design)});
    EXPECT_EQ(stored(4), design);
    EXPECT_EQ(window->FirTapsReserved, 512);
    EXPECT_FALSE(enabled("bnFirOKOut1"));
    EXPECT_FALSE(enabled("rzgFirOut1"));
    const auto drawn = curveOf(4, Plot::kOutputFirSection);
    double worst = 0.0;
    for (std::size_t i = 1000; i < qx::kGridSize; i += 5) {
        const double f = std::pow(24000.0, static_cast<double>(i) / qx::kGridSize);
        const double want = referenceLowPassDb(512, IndexToFreq(200), f);
        if (want > -40.0)
            worst = std::max(worst, std::abs(drawn[i] - want));
    }
    EXPECT_LT(worst, 0.01);
}

TEST_F(OutputFirEditorTest, OkWithBypassReleasesTheDesign)
{
    load(4, 1, 2, 24);
    window->FirCoeffs[4][0] = 0.5F;
    EXPECT_EQ(window->FirTapsReserved, 1024);
    pick("rzcFirTypeOut1", 0);
    find<TRzBmpButton>("bnFirOKOut1")->Click();
    EXPECT_EQ(sent(), std::vector<Sent>{firFrame(4, {0, 6, 110, 300, 1024})});
    EXPECT_EQ(window->FirTapsReserved, 0);
    EXPECT_EQ(caption("lbNowFirTapsOut1"), "1024");
    EXPECT_EQ(window->FirCoeffs[4], qx::unitImpulse());
    EXPECT_TRUE(enabled("rzgFirOut1"));
    EXPECT_TRUE(find<TRzBmpButton>("rzbFirBypassOut1")->Down());
    EXPECT_TRUE(flat(curveOf(4, Plot::kOutputFirSection)));
}

TEST_F(OutputFirEditorTest, ARefusedOkShowsTheStoredDesignAgain)
{
    load(4, 1, 1, 0, 2, 110, 250);
    window->FirTapsReserved = 12100;
    pick("rzcFirTypeOut1", 3);
    pick("rzcFirTapsOut1", 24);
    pick("rzcFirWinOut1", 9);
    find<TRzBmpButton>("bnFirOKOut1")->Click();
    EXPECT_EQ(window->messages, std::vector<std::string>{"Run Out of FIR Resource!!"});
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(window->FirDesign[0], stored(4));
    EXPECT_EQ(find<TComboBox>("rzcFirTypeOut1")->ItemIndex(), 1);
    EXPECT_EQ(find<TComboBox>("rzcFirWinOut1")->ItemIndex(), 2);
    EXPECT_EQ(find<TComboBox>("rzcFirTapsOut1")->ItemIndex(), 0);
    EXPECT_FALSE(enabled("isFirLowCutOut1"));
    EXPECT_TRUE(enabled("isFirHighCutOut1"));
    EXPECT_FALSE(enabled("bnFirOKOut1"));
    EXPECT_EQ(window->FirTapsReserved, 12100);
}

// Each output keeps its own pending design: after a load (which puts every
// output's stored design back) OK on one output applies that output's.
TEST_F(OutputFirEditorTest, EachOutputKeepsItsOwnPendingDesign)
{
    load(4, 1, 1, 8, 3, 110, 200);
    pick("rzcFirWinOut1", 3);
    find<TRzBmpButton>("bnFirOKOut1")->Click();
    EXPECT_EQ(sent(), std::vector<Sent>{firFrame(4, {1, 3, 110, 200, 8})});
    EXPECT_EQ(stored(11), (qx::OutputFirSettings{0, 6, 110, 300, 512})) << "Out8 keeps the factory design";
}

// OK on the stored coefficients from a file changes nothing: the
// coefficients stay, nothing is sent.
TEST_F(OutputFirEditorTest, OkOnTheStoredFileDesignDoesNothing)
{
    window->FirCoeffs[4][0] = 0.25F;
    window->FirCoeffs[4][1] = 0.5F;
    window->FirTaps[4] = 2;
    load(4, 1, 4, 2);
    const auto before = curveOf(4, Plot::kOutputFirSection);
    EXPECT_FALSE(flat(before));
    find("bnFirOKOut1")->SetEnabled(true);
    find<TRzBmpButton>("bnFirOKOut1")->Click();
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(window->FirCoeffs[4][1], 0.5F);
    EXPECT_EQ(curveOf(4, Plot::kOutputFirSection), before);
}

// The FIR bypass switches between no FIR and the loaded coefficients.
TEST_F(OutputFirEditorTest, TheFirBypassSwitchesTheCoefficients)
{
    window->FirCoeffs[5][0] = 0.25F;
    window->FirCoeffs[5][1] = 0.5F;
    window->FirTaps[5] = 2;
    load(5, 2, 4, 2);
    EXPECT_FALSE(find<TRzBmpButton>("rzbFirBypassOut2")->Down());
    EXPECT_EQ(window->FirTapsReserved, 2);
    toggle("rzbFirBypassOut2");
    EXPECT_EQ(sent(), std::vector<Sent>{firFrame(5, {0, 6, 110, 300, 2})});
    EXPECT_EQ(window->FirTapsReserved, 0);
    EXPECT_TRUE(flat(curveOf(5, Plot::kOutputFirSection)));
    sent().clear();
    toggle("rzbFirBypassOut2");
    EXPECT_EQ(sent(), std::vector<Sent>{firFrame(5, {4, 6, 110, 300, 2})});
    EXPECT_EQ(window->FirTapsReserved, 2);
    EXPECT_FALSE(flat(curveOf(5, Plot::kOutputFirSection)));
    // Over the budget the button goes down again and nothing is sent.
    toggle("rzbFirBypassOut2");
    sent().clear();
    window->FirTapsReserved = 12288;
    toggle("rzbFirBypassOut2");
    EXPECT_TRUE(find<TRzBmpButton>("rzbFirBypassOut2")->Down());
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(window->messages, std::vector<std::string>{"Run Out of FIR Resource!!"});
    // A unit impulse draws flat.
    window->FirTapsReserved = 0;
    window->FirCoeffs[5] = qx::unitImpulse();
    toggle("rzbFirBypassOut2");
    EXPECT_TRUE(flat(curveOf(5, Plot::kOutputFirSection)));
}

} // namespace
