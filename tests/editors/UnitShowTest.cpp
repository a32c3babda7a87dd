// The unit state written into the main window's controls by the binder,
// the curves drawn after, and the meters.

#include "MainWindowFixture.h"
#include "PumpUntil.h"
#include "WindowSystemInput.h"

#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzBorder.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/UnitShow.h"
#include "editors/UnitShowHost.h"
#include "model/LUnitControl.h"
#include "model/PresetFile.h"
#include "model/ReplyDispatcher.h"
#include "model/UnitView.h"
#include "platform/gui/Application.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/UpDown.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/LProgressBar.h"
#include "response/TMyPEQType8.h"

#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

namespace {

namespace rec = qx::rec;

// What one control shows: a caption or text, a fader or up-down position, a
// button's Down, a combo's item index.
struct Shown
{
    const char* name;
    std::variant<const char*, int, bool> value;
    enum Kind { Text, Position, Down, Item } kind;
};

class ShowStateTest : public MainWindowTest
{
protected:
    qx::UnitRecord& record() { return window->UnitControl->record(); }
    void word(std::size_t at, unsigned value) { qx::writeWord(record(), at, value); }

    int position(const std::string& name) const
    {
        if (auto* fader = find<TAdvTrackBar>(name))
            return fader->Position();
        return find<TUpDown>(name)->Position();
    }
    std::string text(const std::string& name) const
    {
        if (auto* box = find<TCurvyEdit>(name))
            return box->Text();
        return find(name)->Caption();
    }
    bool down(const std::string& name) const { return find<TRzBmpButton>(name)->Down(); }
    int meter(const std::string& name) const { return find<TRzMeter>(name)->Value(); }

    void expectShown(const std::vector<Shown>& table) const
    {
        for (const Shown& s : table) {
            ASSERT_NE(find(s.name), nullptr) << s.name;
            switch (s.kind) {
            case Shown::Text:
                EXPECT_EQ(text(s.name), std::get<const char*>(s.value)) << s.name;
                break;
            case Shown::Position:
                EXPECT_EQ(position(s.name), std::get<int>(s.value)) << s.name;
                break;
            case Shown::Down:
                EXPECT_EQ(down(s.name), std::get<bool>(s.value)) << s.name;
                break;
            case Shown::Item:
                EXPECT_EQ(find<TComboBox>(s.name)->ItemIndex(), std::get<int>(s.value)) << s.name;
                break;
            }
        }
    }

    // The summed curve of a channel graph as drawn.
    std::vector<double> drawnSum(const std::string& graph) const
    {
        auto* g = find<LMyFFTDrawHpLp6dB>(graph);
        int n = 0;
        EXPECT_TRUE(g->GetPlotNumPoints(n, 33)) << graph;
        std::vector<double> y(static_cast<std::size_t>(n));
        g->GetPlotY(y.data(), 33);
        return y;
    }
};

constexpr auto T = Shown::Text;
constexpr auto P = Shown::Position;
constexpr auto D = Shown::Down;
constexpr auto I = Shown::Item;

TEST_F(ShowStateTest, TheFactoryRecordShowsItsDocumentedValues)
{
    expectShown({
        {"lbPstNum", "F00", T},
        {"lbPstName", "Default Preset", T},
        {"lbMatrixChNameInB", "InB", T},
        {"lbMatrixChNameOut7", "Out7", T},
        {"isGainInA", 0, P},
        {"isGainBackupInD", 0, P},
        {"cvdGainInA", "+0.0dB", T},
        {"cvdGainBackupOut3", "+0.0dB", T},
        {"rzbPhaseInC", false, D},
        {"rzbMuteOut2", false, D},
        {"rzbMuteBackupOut2", false, D},
        {"isDelayOut8", 0, P},
        {"lbNowFirTapsInA", "512", T},
        {"rzbFirBypassInA", true, D},
        {"lbNowFirTapsOut2", "512", T},
        {"rzbFirBypassOut2", true, D},
        {"rzcModeOut1", 2, I},
        {"rzcFirTypeOut1", 0, I},
        {"isFirLowCutOut4", 110, P},
        {"cvdFirLowCutOut4", "250.0Hz", T},
        {"cvdFirHighCutOut4", "20.16KHz", T},
        {"isLowCutFreqOut1", 0, P},
        {"cvdLowCutFreqOut1", "19.7Hz", T},
        {"rzbLowCutBypassOut1", true, D},
        {"rzcLowCutSlopOut1", 19, I},
        {"isHighCutFreqOut6", 300, P},
        {"cvdHighCutFreqOut6", "20.16KHz", T},
        {"rzbHighCutBypassOut6", true, D},
        {"isCompThresholdOut1", 40, P},
        {"cvdCompThresholdOut1", "+20.0dB", T},
        {"cvdCompRatioOut1", "1:1.0", T},
        {"cvdCompAttackOut1", "50.0ms", T},
        {"cvdCompReleaseOut1", "500ms", T},
        {"cvdCompKneeOut1", "0dB", T},
        {"cvdLimitRatioOut8", "Limit", T},
        {"udLimitRatioOut8", 15, P},
        {"rzbAMatrixOut5", true, D},
        {"rzbBMatrixOut5", false, D},
        {"rzbDMatrixOut8", true, D},
        {"udMixGainCOut3", 0, P},
        {"rzbUnit0", true, D},
        {"cvdGateThresholdInA", "-90.0dB", T},
        {"cvdGateHoldInB", "10ms", T},
    });
    EXPECT_EQ(find("rzbMenuInC")->Hint(), "InC");
    EXPECT_TRUE(find<TMenuItem>("InAnalog")->Checked());
    EXPECT_FALSE(find<TMenuItem>("OutDigital")->Checked());
    EXPECT_FALSE(find("lbInSelDigital")->Visible());
    EXPECT_EQ(find("imDelayInA")->Left(), 40);
    // Every FIR is bypassed: no tap of the budget is used.
    EXPECT_EQ(window->FirTapsReserved, 0);
    // 0x0F and 0xFF for the channel graphs, and each channel's own mark on
    // its side's graphs: the outputs' bits lie beyond 0xFF.
    for (int c = 0; c < 12; ++c)
        EXPECT_EQ(window->OverlayRefreshMasks[c], c < 4 ? 0x0F : 0xFFF) << c;
    EXPECT_EQ(window->OverlayRefreshMasks[12], 0xFFF);
    EXPECT_EQ(window->OverlayRefreshMasks[13], 0xFFF);
}

// Stored values beyond a control's range show at the nearest end, text
// included; indexes beyond a table are clamped before they are used.
TEST_F(ShowStateTest, EditedAndOutOfRangeValuesAreShownClamped)
{
    window->Replies->state().currentPreset = 7;
    qx::writeText(record(), rec::kPresetName, rec::kPresetNameSize, "FourteenChars!");
    qx::writeText(record(), rec::input(0), rec::kChannelNameSize, "EightChr");
    qx::writeText(record(), rec::output(1), rec::kChannelNameSize, "Ab");
    const std::size_t out1 = rec::output(0), out2 = rec::output(1), out3 = rec::output(2);
    word(rec::input(0) + rec::kInGain, 400);
    word(rec::input(1) + rec::kInGain, 80);
    word(rec::input(2) + rec::kInGain, 79);
    word(rec::input(3) + rec::kInGain, 0);
    word(out1 + rec::kOutGain, 999);
    word(out1 + rec::kOutCompressor + rec::kDynThreshold, 0);
    word(out1 + rec::kOutCompressor + rec::kDynRatio, 4);
    word(out1 + rec::kOutCompressor + rec::kDynAttack, 20000);
    word(out1 + rec::kOutCompressor + rec::kDynKnee, 40);
    word(out2 + rec::kOutCompressor + rec::kDynThreshold, 600);
    word(out2 + rec::kOutCompressor + rec::kDynRatio, 99);
    word(out1 + rec::kOutFilter + rec::kFilterHighPassFreq, 170);
    record()[out1 + rec::kOutFilter + rec::kFilterHighPassSlope] = 20;
    word(out2 + rec::kOutFilter + rec::kFilterHighPassFreq, 999);
    record()[out2 + rec::kOutFilter + rec::kFilterHighPassSlope] = 77;
    word(out3 + rec::kOutFilter + rec::kFilterMode, 9);
    word(rec::input(0) + rec::kInDelay, 32640);
    word(rec::input(1) + rec::kInDelay, 60000);
    word(rec::input(1) + rec::kInPolarity, 1);
    word(rec::kInputMuteMask, 0x0002);
    word(rec::kInputSelect, 1);
    word(rec::kDelayUnit, 2);
    word(out1 + rec::kOutMixLevels, 400);
    word(out1 + rec::kOutMixLevels + 2, 100);
    word(out1 + rec::kOutRouteMask, 0x0A);
    window->LoadUnitToForm();

    expectShown({
        {"lbPstNum", "U07", T},
        {"lbPstName", "FourteenChars!", T},
        {"lbMatrixChNameInA", "EightChr", T},
        {"lbMatrixChNameOut2", "Ab", T},
        {"isGainInA", 120, P},
        {"cvdGainInA", "+12.0dB", T},
        {"cvdGainBackupInA", "+12.0dB", T},
        {"isGainInB", -200, P},
        {"cvdGainInB", "-20.0dB", T},
        {"isGainInC", -201, P},
        {"cvdGainInC", "-20.5dB", T},
        {"isGainBackupInD", -280, P},
        {"cvdGainInD", "-60.0dB", T},
        {"isGainOut1", 120, P},
        {"cvdGainOut1", "+12.0dB", T},
        {"isCompThresholdOut1", -180, P},
        {"cvdCompThresholdOut1", "-90.0dB", T},
        {"cvdCompRatioOut1", "1:1.7", T},
        {"isCompAttackOut1", 9998, P},
        {"cvdCompAttackOut1", "999.9ms", T},
        {"cvdCompKneeOut1", "12dB", T},
        {"isCompThresholdOut2", 40, P},
        {"cvdCompThresholdOut2", "+20.0dB", T},
        {"cvdCompRatioOut2", "Limit", T},
        {"cvdLowCutFreqOut1", "1.00KHz", T},
        {"rzcLowCutSlopOut1", 19, I},
        {"rzbLowCutBypassOut1", false, D},
        {"isLowCutFreqOut2", 300, P},
        {"cvdLowCutFreqOut2", "20.16KHz", T},
        {"rzcLowCutSlopOut2", 19, I},
        {"rzcModeOut3", -1, I},
        {"isDelayInB", 32640, P},
        {"rzbPhaseInB", true, D},
        {"rzbPhaseBackupInB", true, D},
        {"rzbMuteInB", true, D},
        {"rzbMuteBackupInA", false, D},
        {"rzbUnit2", true, D},
        {"rzbUnit0", false, D},
        {"udMixGainAOut1", 0, P},
        {"udMixGainBOut1", -180, P},
        {"rzbAMatrixOut1", false, D},
        {"rzbBMatrixOut1", true, D},
        {"rzbDMatrixOut1", true, D},
    });
    EXPECT_EQ(find("rzbPhaseInB")->Caption(), window->Translate("SID_PHASE_ON"));
    EXPECT_EQ(find("rzbPhaseInA")->Caption(), window->Translate("SID_PHASE_OFF"));
    EXPECT_EQ(find("imDelayInA")->Left(), 425) << "32640 of 32640 on a line 475 wide";
    EXPECT_TRUE(find<TMenuItem>("InDigital")->Checked());
    EXPECT_FALSE(find<TMenuItem>("InAnalog")->Checked());
    EXPECT_TRUE(find("lbInSelDigital")->Visible());
    EXPECT_FALSE(find("lbOutSelDigital")->Visible());
}

// The start-up call leaves the gate caption alone; a delay unit beyond the
// three buttons presses none and the rest of the fill still runs.
TEST_F(ShowStateTest, StartUpCallAndUnknownDelayUnit)
{
    find("lbGateName")->SetCaption("before");
    window->Initialising = true;
    window->LoadUnitToForm();
    EXPECT_EQ(find("lbGateName")->Caption(), "before");
    window->Initialising = false;

    word(rec::kDelayUnit, 5);
    word(rec::kOutputSelect, 1);
    window->LoadUnitToForm();
    EXPECT_EQ(find("lbGateName")->Caption(), "In A  Gate");
    EXPECT_TRUE(down("rzbUnit0"));
    EXPECT_FALSE(down("rzbUnit1"));
    EXPECT_FALSE(down("rzbUnit2"));
    EXPECT_TRUE(find<TMenuItem>("OutDigital")->Checked());
    EXPECT_TRUE(find("lbOutSelDigital")->Visible());
    EXPECT_FALSE(window->IsBusy());
}

TEST_F(ShowStateTest, TheFirTapBudgetIsSummedAgainFromNothing)
{
    struct Case
    {
        const char* what;
        int mode, type, taps, inputBypass, inputTaps, expected;
    };
    const Case cases[] = {
        {"designed, FIR mode", 1, 2, 24, 1, 512, 1024},
        {"designed, IIR + FIR", 2, 3, 24, 1, 512, 1024},
        {"designed, IIR only", 0, 1, 24, 1, 512, 0},
        {"FIR bypassed", 2, 0, 24, 1, 512, 0},
        {"coefficients", 2, 4, 300, 1, 512, 300},
        {"coefficients, IIR only", 0, 4, 300, 1, 512, 0},
        {"input FIR on", 0, 0, 0, 0, 2048, 2048},
        {"input count beyond the buffer", 0, 0, 0, 0, 60000, 2048},
    };
    const std::size_t filter = rec::outputFilter(0);
    for (const Case& c : cases) {
        word(filter + rec::kFilterMode, static_cast<unsigned>(c.mode));
        record()[filter + rec::kFilterFirType] = static_cast<std::uint8_t>(c.type);
        word(filter + rec::kFilterFirTaps, static_cast<unsigned>(c.taps));
        word(rec::input(3) + rec::kInFirBypass, static_cast<unsigned>(c.inputBypass));
        word(rec::input(3) + rec::kInFirTapCount, static_cast<unsigned>(c.inputTaps));
        window->LoadUnitToForm();
        window->LoadUnitToForm();
        EXPECT_EQ(window->FirTapsReserved, c.expected) << c.what;
        EXPECT_LE(window->FirTaps[3], 2048) << c.what;
        EXPECT_LE(window->FirTaps[4], 2048) << c.what;
    }
    EXPECT_FALSE(find<TControl>("bnFirOKOut1")->Enabled()) << "a designed FIR leaves nothing to apply";
    EXPECT_EQ(find<TComboBox>("rzcFirTapsOut1")->ItemIndex(), 24);
}

// A band whose indexes lie beyond their tables is drawn as the band at the
// tables' ends.
TEST_F(ShowStateTest, TheCurvesAreRebuiltFromClampedBands)
{
    const std::size_t band = rec::inputBand(1, 3);
    auto setBand = [&](unsigned gain, unsigned frequency, std::uint8_t q, std::uint8_t type) {
        word(band + rec::kBandGain, gain);
        word(band + rec::kBandFreq, frequency);
        record()[band + rec::kBandQ] = q;
        record()[band + rec::kBandType] = type;
        window->LoadUnitToForm();
        return drawnSum("fftDrawInB");
    };
    const std::vector<double> flat = drawnSum("fftDrawInB");
    const std::vector<double> atEnds = setBand(240, 300, 100, 8);
    const std::vector<double> beyond = setBand(999, 4000, 200, 50);
    ASSERT_FALSE(beyond.empty());
    EXPECT_EQ(beyond, atEnds);
    for (double y : beyond)
        EXPECT_TRUE(std::isfinite(y));
    const std::vector<double> boosted = setBand(240, 170, 35, 0);
    EXPECT_NE(boosted, flat) << "a +12 dB peak at 1 kHz shows in the sum";
}

// The showing ends at a control the window lacks: what comes before it is
// shown, nothing after it, no curve is drawn again, and the busy flag is
// cleared so that the editors send again.
TEST_F(ShowStateTest, AMissingControlEndsTheShowingThere)
{
    delete find("cvdGainBackupInB");
    word(rec::input(1) + rec::kInFirBypass, 0);
    word(rec::input(1) + rec::kInGain, 100);
    word(rec::input(2) + rec::kInGain, 100);
    word(rec::input(1) + rec::kInPolarity, 1);
    const std::vector<double> before = drawnSum("fftDrawInA");
    word(rec::inputBand(0, 3) + rec::kBandGain, 240);
    window->LoadUnitToForm();
    EXPECT_FALSE(down("rzbFirBypassInB")) << "the row before the missing box is shown";
    EXPECT_EQ(position("isGainInB"), 0) << "the row of the missing box is not";
    EXPECT_FALSE(down("rzbPhaseInB")) << "nor the rows after it";
    EXPECT_EQ(position("isGainInC"), 0);
    EXPECT_EQ(drawnSum("fftDrawInA"), before) << "no curve drawn again";
    EXPECT_FALSE(window->Busy);
}

TEST_F(ShowStateTest, TheBusyFlagIsSetWhileTheControlsAreWritten)
{
    std::vector<bool> busyInHandler;
    auto* fader = find<TAdvTrackBar>("isGainOut4");
    fader->OnChange = [&](TObject*) { busyInHandler.push_back(window->IsBusy()); };
    word(rec::output(3) + rec::kOutGain, 300);
    window->LoadUnitToForm();
    ASSERT_EQ(busyInHandler.size(), 1U);
    EXPECT_TRUE(busyInHandler[0]);
    EXPECT_FALSE(window->IsBusy());
}

TEST_F(ShowStateTest, TheMeterReplyShowsInTheBarsAndMeters)
{
    // Out2's limiter can act (ratio 15, threshold below its maximum); its
    // compressor cannot (ratio 0).
    find<TAdvTrackBar>("isLimitThresholdOut2")->SetPosition(0);
    EXPECT_TRUE(window->IsDynamicsArmed(1, true));
    EXPECT_FALSE(window->IsDynamicsArmed(1, false));
    EXPECT_FALSE(window->IsDynamicsArmed(0, true)) << "threshold at its maximum";
    window->ShownGateInput = 1;
    window->ShownLimitOutput = 5;

    std::array<std::uint8_t, 34> reply{};
    reply[0] = static_cast<std::uint8_t>(-71); // InA: 1 segment
    reply[1] = 20;                             // InB: 8
    reply[5] = static_cast<std::uint8_t>(-30); // Out2: 3
    reply[13] = static_cast<std::uint8_t>(-4); // Out2 compressor (not armed)
    reply[21] = static_cast<std::uint8_t>(-4); // Out2 limiter: 3
    reply[28] = 0x02;                          // Out2 compressor engaged
    reply[29] = 0x02;                          // Out2 limiter engaged
    window->Replies->meters().OnMeterReply(reply);

    auto bar = [&](const char* name) { return find<LProgressBar>(name)->GetPosition(); };
    EXPECT_EQ(bar("pbLevelInA"), 1);
    EXPECT_EQ(bar("pbLevelBackupInB"), 8);
    EXPECT_EQ(bar("pbLevelGateInB"), 8);
    EXPECT_EQ(bar("pbLevelGateIn"), 8) << "InB is shown on the gate page";
    EXPECT_EQ(bar("pbLevelOut2"), 3);
    EXPECT_EQ(bar("pbLevelCompOut2"), 3);
    EXPECT_EQ(bar("pbLevelLimitOut2"), 3);
    EXPECT_EQ(bar("pbLevelLimitOut"), 3) << "Out2 is shown on the limiter page";
    EXPECT_EQ(bar("pbLimitLimitOut"), 1);
    EXPECT_EQ(bar("pbLimitCompOut2"), 0);
    EXPECT_EQ(bar("pbLimitLimitOut2"), 1);
    EXPECT_EQ(bar("pbLimitOut2"), 1);
    EXPECT_EQ(bar("pbLimitBackupOut2"), 1);
    EXPECT_EQ(meter("rzmGrLimitOut2"), 3);
    EXPECT_EQ(meter("rzmGrCompOut2"), 0);

    window->ClearMeters();
    for (const char* name : {"pbLevelInA", "pbLevelGateIn", "pbLevelOut2", "pbLevelLimitOut", "pbLimitOut2"})
        EXPECT_EQ(bar(name), 0) << name;
    EXPECT_EQ(meter("rzmGrLimitOut2"), 0);
}

TEST_F(ShowStateTest, AMissingMeterControlEndsTheUpdateThere)
{
    delete find("pbLevelOut3");
    qx::MeterFrame frame;
    frame.level.fill(5);
    window->ShowMeters(frame);
    auto bar = [&](const char* name) { return find<LProgressBar>(name)->GetPosition(); };
    EXPECT_EQ(bar("pbLevelOut2"), 5);
    EXPECT_EQ(bar("pbLevelBackupOut3"), 5) << "written before the missing bar";
    EXPECT_EQ(bar("pbLevelOut4"), 0) << "after it nothing is written";
    window->ClearMeters();
    EXPECT_EQ(bar("pbLevelOut2"), 0);
}

// A window host that records what the binder tells it.
class RecordingShowHost : public qx::UnitShowHost
{
public:
    std::string_view Translate(std::string_view id) const override { return id; }
    void SetBusy(bool on) override
    {
        busy = on;
        busyCalls.push_back(on);
    }
    void MarkCurveChanged(int channel) override
    {
        if (busy)
            markedWhileBusy.push_back(channel);
    }
    int ShownPreset() const override { return 5; }
    bool IsInitialising() const override { return false; }
    const qx::FirCounts& FirTapCounts() const override { return counts; }
    void SetFirTaps(const qx::FirCounts& shown, int inUse) override
    {
        counts = shown;
        tapsInUse = inUse;
    }
    void SetOverlayMasks(const qx::OverlayMasks& shown) override { masks = shown; }

    bool busy = false;
    std::vector<bool> busyCalls;
    std::vector<int> markedWhileBusy;
    qx::FirCounts counts{};
    int tapsInUse = -1;
    qx::OverlayMasks masks{};
};

// The binder needs of the window its controls and the host's few calls:
// any host serves, and the FIR budget comes from the record.
TEST_F(ShowStateTest, TheBinderServesAnyHost)
{
    LUnitControl unit;
    qx::writeWord(unit.record(), rec::input(0) + rec::kInGain, 300);
    qx::writeWord(unit.record(), rec::input(1) + rec::kInFirBypass, 0);
    qx::writeWord(unit.record(), rec::input(1) + rec::kInFirTapCount, 100);
    RecordingShowHost host;
    qx::showUnitState(*window, host, unit);

    EXPECT_EQ(host.busyCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.markedWhileBusy, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(host.tapsInUse, 100);
    EXPECT_EQ(host.counts[1], 100);
    EXPECT_EQ(host.counts[0], 512);
    for (int c = 0; c < 12; ++c)
        EXPECT_EQ(host.masks[static_cast<std::size_t>(c)], c < 4 ? 0x0F : 0xFF) << c;
    EXPECT_EQ(host.masks[12], 0xFFF);
    expectShown({
        {"lbPstNum", "U05", T},
        {"lbGateName", "In A  SID_GATE", T},
        {"isGainInA", 20, P},
        {"cvdGainInA", "+2.0dB", T},
        {"rzbFirBypassInB", false, D},
        {"lbNowFirTapsInB", "100", T},
    });
    EXPECT_EQ(find("rzbPhaseInA")->Caption(), "SID_PHASE_OFF");
    EXPECT_EQ(window->FirTapsReserved, 0) << "the window's own budget is left alone";
}

// Both control families name an enumeration TGradientDirection; each keeps
// its own type and values, and layouts name the values of either.
TEST(ControlFamilies, EachGradientDirectionKeepsItsOwnValues)
{
    const auto& registry = qx::ClassRegistry::instance();
    const auto* skinned = registry.findEnum(typeid(qx::trackbar::TGradientDirection));
    const auto* rz = registry.findEnum(typeid(qx::rz::TGradientDirection));
    ASSERT_NE(skinned, nullptr);
    ASSERT_NE(rz, nullptr);
    EXPECT_EQ(skinned->typeName, "TGradientDirection");
    EXPECT_EQ(rz->typeName, "TGradientDirection");
    EXPECT_EQ(skinned->valueOf("gdHorizontalInOut"), static_cast<int>(qx::trackbar::gdHorizontalInOut));
    EXPECT_FALSE(skinned->valueOf("gdVerticalEnd").has_value());
    EXPECT_EQ(rz->valueOf("gdVerticalEnd"), static_cast<int>(qx::rz::gdVerticalEnd));
    EXPECT_FALSE(rz->valueOf("gdHorizontalInOut").has_value());

    TAdvTrackBar fader(nullptr);
    qx::setProperty(fader, "Direction", qx::Ident{"gdVerticalInOut"}, true);
    EXPECT_EQ(fader.Direction(), qx::trackbar::gdVerticalInOut);
}

TEST_F(ShowStateTest, PeqGridsShowTheBandsWithTheirIndexesClamped)
{
    const std::size_t band = rec::outputBand(2, 4);
    qx::writeWord(record(), band + rec::kBandGain, 999);
    qx::writeWord(record(), band + rec::kBandFreq, 4000);
    record()[band + rec::kBandQ] = 200;
    record()[band + rec::kBandType] = 50;
    qx::writeWord(record(), rec::peqBypassMask(6), 1U << 4);
    qx::writeWord(record(), rec::inputBand(1, 13) + rec::kBandGain, 60);
    window->LoadUnitToForm();

    auto* inB = find<TMyPEQType8>("peqPeqInB");
    ASSERT_NE(inB, nullptr);
    EXPECT_EQ(inB->GetNowIndex(), 0);
    // Factory bands: frequency index 49 (61.1 Hz), Q index 35 (3.0), 0 dB, peak.
    EXPECT_NEAR(inB->GetFreqValue(2), 61.1, 0.1);
    EXPECT_NEAR(inB->GetQValue(2), qx::kQTable[35], 1e-6);
    EXPECT_DOUBLE_EQ(inB->GetGainValue(2), 0.0);
    EXPECT_EQ(inB->GetTypeValue(2), 0);
    EXPECT_NEAR(inB->GetGainValue(13), -6.0, 1e-9);

    auto* out3 = find<TMyPEQType8>("peqPeqOut3");
    EXPECT_NEAR(out3->GetFreqValue(4), 20158.7, 0.5) << "frequency index held at 300";
    EXPECT_NEAR(out3->GetQValue(4), qx::kQTable[100], 1e-6) << "Q index held at 100";
    EXPECT_NEAR(out3->GetGainValue(4), 12.0, 1e-9) << "gain index held at 240";
    EXPECT_EQ(out3->GetTypeValue(4), 8) << "type held at 8";
    EXPECT_EQ(out3->GetBypassValue(4), 1);
    EXPECT_EQ(out3->GetBypassValue(3), 0);
}

// The controls the unit view positions have the ranges and list lengths
// the view clamps to, on every channel.
TEST_F(ShowStateTest, TheViewsRangesAreTheControls)
{
    struct Range
    {
        const char* prefix;
        qx::ShownRange range;
        bool outputsOnly;
    };
    const Range ranges[] = {
        {"isGain", qx::shown::kGain, false},          {"isGainBackup", qx::shown::kGain, false},
        {"isDelay", qx::shown::kDelay, false},        {"isCompThreshold", qx::shown::kThreshold, true},
        {"isLimitThreshold", qx::shown::kThreshold, true}, {"isCompAttack", qx::shown::kAttack, true},
        {"isLimitRelease", qx::shown::kRelease, true}, {"isFirLowCut", qx::shown::kFirLowCut, true},
        {"isFirHighCut", qx::shown::kFirHighCut, true}, {"isLowCutFreq", qx::shown::kCrossover, true},
        {"isHighCutFreq", qx::shown::kCrossover, true}, {"udCompRatio", qx::shown::kRatio, true},
        {"udLimitKnee", qx::shown::kKnee, true},      {"udMixGainA", qx::shown::kMixLevel, true},
        {"udMixGainD", qx::shown::kMixLevel, true},
    };
    for (int c = 0; c < 12; ++c) {
        const std::string s = qx::channelSuffix(c);
        for (const Range& r : ranges) {
            if (r.outputsOnly && c < 4)
                continue;
            const std::string name = r.prefix + s;
            if (auto* fader = find<TAdvTrackBar>(name)) {
                EXPECT_EQ(fader->Min(), r.range.min) << name;
                EXPECT_EQ(fader->Max(), r.range.max) << name;
            } else {
                auto* upDown = find<TUpDown>(name);
                ASSERT_NE(upDown, nullptr) << name;
                EXPECT_EQ(upDown->Min(), r.range.min) << name;
                EXPECT_EQ(upDown->Max(), r.range.max) << name;
            }
        }
        if (c < 4)
            continue;
        for (const auto& [prefix, items] : {std::pair{"rzcMode", qx::shown::kModeItems},
                                            std::pair{"rzcFirType", qx::shown::kFirTypeItems},
                                            std::pair{"rzcFirWin", qx::shown::kFirWindowItems},
                                            std::pair{"rzcFirTaps", qx::shown::kFirTapsItems},
                                            std::pair{"rzcLowCutSlop", qx::shown::kSlopeItems},
                                            std::pair{"rzcHighCutSlop", qx::shown::kSlopeItems}})
            EXPECT_EQ(find<TComboBox>(prefix + s)->Items()->Count(), items) << prefix + s;
    }
}

// The sample preset file shown in the window: texts and positions on every
// page, the taps in use from the record and InB's coefficients drawn (once
// its graph shows the FIR: an input graph starts with the EQ only).
TEST_F(ShowStateTest, TheBusyPresetFileShowsOnEveryPage)
{
    ASSERT_TRUE(qx::openPresetFile(QX_FIXTURE_DIR "/busy.prs", record(), window->FirCoeffs).result.ok());
    window->FirTaps = qx::firCountsOf(record());
    const std::vector<double> flatInB = drawnSum("fftDrawInB");
    find<TRadioButton>("rbShowEqFirInB")->SetChecked(true);
    window->LoadUnitToForm();
    expectShown({
        {"lbPstName", "Live Set 1    ", T},
        {"lbMatrixChNameOut3", "Sub L", T},
        {"isGainInA", -30, P},
        {"cvdGainBackupInA", "-3.0dB", T},
        {"rzbPhaseOut2", true, D},
        {"rzbMuteOut6", true, D},
        {"isDelayInD", 4800, P},
        {"lbNowFirTapsInB", "100", T},
        {"rzbFirBypassInB", false, D},
        {"rzcModeOut1", 1, I},
        {"cvdLowCutFreqOut1", "78.7Hz", T},
        {"rzcHighCutSlopOut1", 4, I},
        {"rzcFirTapsOut4", 7, I},
        {"isFirLowCutOut4", 88, P},
        {"cvdFirLowCutOut4", "150.4Hz", T},
        {"cvdCompRatioOut5", "1:3.0", T},
        {"cvdCompReleaseOut5", "901ms", T},
        {"cvdLimitThresholdOut6", "+5.0dB", T},
        {"rzbCMatrixOut3", false, D},
        {"udMixGainBOut3", -80, P},
    });
    EXPECT_EQ(window->FirTapsReserved, 100 + 480);
    EXPECT_EQ(window->FirTaps[1], 100);
    EXPECT_NE(drawnSum("fftDrawInB"), flatInB) << "InB's 100 coefficients are drawn";
}

// What a channel page shows of a load: the graph's picture and summed
// curve, the selected band's boxes and faders.
struct PageShown
{
    QImage graph;
    std::vector<double> sum;
    std::vector<std::string> texts;
    std::vector<int> positions;
    friend bool operator==(const PageShown&, const PageShown&) = default;
};

// A load made while a channel page is out of sight, after another load,
// shows on that page, when the user opens it, just what a load made in sight
// shows: nothing of the first load is left in what the page draws later
// (the selected band's filled curve, the sum, the crossover, the boxes).
TEST_F(ShowStateTest, ALoadOutOfSightShowsAsALoadInSight)
{
    window->Show();
    ASSERT_TRUE(qx::test::pumpUntil([&] { return qx::test::readyForTheUser(*window); }, "the main window active"));
    const auto loadFile = [&](bool changed) {
        ASSERT_TRUE(qx::openPresetFile(QX_FIXTURE_DIR "/busy.prs", record(), window->FirCoeffs).result.ok());
        if (changed) {
            auto& unit = *window->UnitControl;
            unit.SetPeqBand(4, 0, {static_cast<std::uint16_t>(qx::kGainIndexZeroDb + 90), 150, 30, 0}, 0);
            unit.SetPeqBand(4, 1, {static_cast<std::uint16_t>(qx::kGainIndexZeroDb - 60), 220, 12, 0}, 0);
            qx::OutputFilter f = unit.GetOutputFilter(4);
            f.highPassFrequency = 90;
            f.highPassSlope = 5;
            unit.SetOutputFilter(4, f);
        }
        window->FirTaps = qx::firCountsOf(record());
        window->LoadUnitToForm();
    };
    const auto shown = [&] {
        Application->ProcessMessages(); // the paints
        auto* graph = find<LMyFFTDrawHpLp6dB>("fftDrawOut1");
        PageShown s{graph->Screen().Image(), drawnSum("fftDrawOut1"), {}, {}};
        for (const char* box : {"cvdEqFreqOut1", "cvdEqBwOut1", "cvdEqGainOut1"})
            s.texts.push_back(text(box));
        for (const char* fader : {"isEqFreqOut1", "isEqBwOut1", "isEqGainOut1", "isLowCutFreqOut1"})
            s.positions.push_back(position(fader));
        return s;
    };
    loadFile(false);
    loadFile(true); // Out1's page out of sight both times
    ASSERT_FALSE(find<LMyFFTDrawHpLp6dB>("fftDrawOut1")->InSight());
    qx::test::clickThroughWindow(*find("rzbMenuOut1"));
    const PageShown later = shown();
    ASSERT_FALSE(later.graph.isNull()) << "the page is shown";
    loadFile(false);
    loadFile(true); // in sight
    const PageShown inSight = shown();
    EXPECT_EQ(later.sum, inSight.sum);
    EXPECT_EQ(later.texts, inSight.texts);
    EXPECT_EQ(later.positions, inSight.positions);
    EXPECT_TRUE(later.graph == inSight.graph) << "every pixel of the graph";
}

} // namespace
