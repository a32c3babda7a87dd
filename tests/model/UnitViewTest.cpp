// What the pages show of a unit-state record: texts, positions, Down
// states, selected items, the FIR buffers' counts and the taps in use.

#include "model/LUnitControl.h"
#include "model/PresetFile.h"
#include "model/UnitView.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace {

namespace rec = qx::rec;
using qx::Shows;

std::string translated(std::string_view id) { return std::string(1, '<').append(id).append(1, '>'); }

// What one control is expected to show, and how.
struct Expect
{
    const char* control;
    std::variant<bool, int, const char*> value;
    Shows shows;
};

constexpr auto T = Shows::Text;
constexpr auto C = Shows::Caption;
constexpr auto P = Shows::Position;
constexpr auto D = Shows::Down;
constexpr auto I = Shows::Item;

class UnitViewTest : public ::testing::Test
{
protected:
    UnitViewTest() { inputs.translate = translated; }

    qx::UnitView view() const { return qx::UnitView(unit, inputs); }
    void word(std::size_t at, unsigned value) { qx::writeWord(unit.record(), at, value); }
    void byte(std::size_t at, std::uint8_t value) { unit.record()[at] = value; }

    static const qx::Shown* find(const qx::UnitView& v, std::string_view control, Shows shows)
    {
        for (const qx::ShownRow& row : v.rows())
            for (const qx::Shown& s : row)
                if (s.control == control && s.shows == shows)
                    return &s;
        return nullptr;
    }

    static void expectShows(const qx::UnitView& v, const std::vector<Expect>& table)
    {
        for (const Expect& e : table) {
            const qx::Shown* s = find(v, e.control, e.shows);
            ASSERT_NE(s, nullptr) << e.control;
            if (const auto* text = std::get_if<const char*>(&e.value))
                EXPECT_EQ(std::get<std::string>(s->value), *text) << e.control;
            else if (const auto* number = std::get_if<int>(&e.value))
                EXPECT_EQ(std::get<int>(s->value), *number) << e.control;
            else
                EXPECT_EQ(std::get<bool>(s->value), std::get<bool>(e.value)) << e.control;
        }
    }

    LUnitControl unit;
    qx::UnitViewInputs inputs;
};

// The factory-default record, a sample of controls of every page.
TEST_F(UnitViewTest, TheFactoryDefaultShowsItsValuesOnEveryPage)
{
    inputs.gates[0] = {-180, 0, 9, 9};
    inputs.firCounts.fill(2048);
    const qx::UnitView v = view();
    expectShows(v, {
                       // The title bar and the matrix page's names.
                       {"lbPstNum", "F00", C},
                       {"lbPstName", "Default Preset", C},
                       {"lbMatrixChNameInB", "InB", C},
                       {"lbMatrixChNameOut7", "Out7", C},
                       {"rzbMenuOut7", "Out7", Shows::Hint},
                       // Gain page.
                       {"isGainInA", 0, P},
                       {"isGainBackupInD", 0, P},
                       {"cvdGainInA", "+0.0dB", T},
                       {"cvdGainBackupOut3", "+0.0dB", T},
                       {"rzbPhaseInC", false, D},
                       {"rzbPhaseInC", "<SID_PHASE_OFF>", C},
                       {"rzbMuteOut2", false, D},
                       {"rzbMuteBackupOut2", false, D},
                       // Delay page.
                       {"isDelayOut8", 0, P},
                       // Gate page: texts of the faders' positions.
                       {"cvdGateThresholdInA", "-90.0dB", T},
                       {"cvdGateAttackInA", "1ms", T},
                       {"cvdGateHoldInA", "10ms", T},
                       {"lbGateName", "In A  <SID_GATE>", C},
                       // Input page.
                       {"lbNowFirTapsInA", "512", C},
                       {"rzbFirBypassInA", true, D},
                       // Output page: FIR, crossover.
                       {"lbNowFirTapsOut2", "512", C},
                       {"rzbFirBypassOut2", true, D},
                       {"rzcModeOut1", 2, I},
                       {"rzcFirTypeOut1", 0, I},
                       {"isFirLowCutOut4", 110, P},
                       {"cvdFirLowCutOut4", "250.0Hz", T},
                       {"cvdFirHighCutOut4", "20.16KHz", T},
                       {"isLowCutFreqOut1", 0, P},
                       {"cvdLowCutFreqOut1", "19.7Hz", T},
                       {"rzbLowCutBypassOut1", true, D},
                       {"isHighCutFreqOut6", 300, P},
                       {"cvdHighCutFreqOut6", "20.16KHz", T},
                       {"rzbHighCutBypassOut6", true, D},
                       // Comp and Limit pages.
                       {"isCompThresholdOut1", 40, P},
                       {"cvdCompThresholdOut1", "+20.0dB", T},
                       {"cvdCompRatioOut1", "1:1.0", T},
                       {"cvdCompAttackOut1", "50.0ms", T},
                       {"cvdCompReleaseOut1", "500ms", T},
                       {"cvdCompKneeOut1", "0dB", T},
                       {"cvdLimitRatioOut8", "Limit", T},
                       {"udLimitRatioOut8", 15, P},
                       // Matrix page.
                       {"rzbAMatrixOut5", true, D},
                       {"rzbBMatrixOut5", false, D},
                       {"rzbDMatrixOut8", true, D},
                       {"udMixGainCOut3", 0, P},
                       // Delay unit and input/output select.
                       {"rzbUnit0", true, D},
                       {"InAnalog", true, Shows::Checked},
                       {"OutDigital", false, Shows::Checked},
                       {"lbInSelDigital", false, Shows::Visible},
                   });
    EXPECT_NE(find(v, "rzbUnit0", Shows::Click), nullptr) << "the unit button is pressed to write the delay texts";
    EXPECT_EQ(find(v, "rzcLowCutSlopOut1", I), nullptr) << "slope code 0 leaves the list as it is";
    EXPECT_NE(find(v, "isGateThresholdInB", P), nullptr) << "no position given: the row names the fader, where a "
                                                           "window without it ends the showing";
    EXPECT_EQ(v.firTapsInUse(), 0) << "every FIR is bypassed";
    for (int c = 0; c < 12; ++c)
        EXPECT_EQ(v.firCounts()[static_cast<std::size_t>(c)], 512) << c;
}

// The sample preset file written by a separate implementation of the format.
TEST_F(UnitViewTest, TheBusyPresetFileShowsItsValuesOnEveryPage)
{
    qx::FirBuffers buffers{};
    ASSERT_TRUE(qx::openPresetFile(QX_TEST_DATA_DIR "/samples/busy.prs", unit.record(), buffers).result.ok());
    inputs.currentPreset = 3;
    inputs.firCounts = qx::firCountsOf(unit.record());
    const qx::UnitView v = view();
    expectShows(v, {
                       {"lbPstNum", "U03", C},
                       {"lbPstName", "Live Set 1    ", C},
                       {"lbMatrixChNameInA", "Kick", C},
                       {"lbMatrixChNameOut3", "Sub L", C},
                       {"rzbMenuInA", "Kick", Shows::Hint},
                       // Gain page: words 250, 300, 180, 400.
                       {"isGainInA", -30, P},
                       {"cvdGainInA", "-3.0dB", T},
                       {"isGainBackupInB", 20, P},
                       {"cvdGainBackupInB", "+2.0dB", T},
                       {"cvdGainOut2", "-10.0dB", T},
                       {"isGainOut8", 120, P},
                       {"cvdGainOut8", "+12.0dB", T},
                       {"rzbPhaseOut2", true, D},
                       {"rzbPhaseBackupOut2", "<SID_PHASE_ON>", C},
                       {"rzbPhaseOut1", false, D},
                       {"rzbMuteInC", true, D},
                       {"rzbMuteBackupInC", true, D},
                       {"rzbMuteInB", false, D},
                       {"rzbMuteOut6", true, D},
                       // Delay page. The file's record lists delay unit 1, but the unit
                       // (byte 1250) lies beyond the bytes a preset file carries.
                       {"isDelayInD", 4800, P},
                       {"isDelayOut7", 123, P},
                       {"rzbUnit0", true, D},
                       // Input pages: InB's 100 coefficients in use.
                       {"lbNowFirTapsInB", "100", C},
                       {"rzbFirBypassInB", false, D},
                       {"rzbFirBypassInA", true, D},
                       // Out1: FIR mode, crossover slopes 3 and 5.
                       {"rzcModeOut1", 1, I},
                       {"isLowCutFreqOut1", 60, P},
                       {"cvdLowCutFreqOut1", "78.7Hz", T},
                       {"rzcLowCutSlopOut1", 2, I},
                       {"rzbLowCutBypassOut1", false, D},
                       {"isHighCutFreqOut1", 200, P},
                       {"cvdHighCutFreqOut1", "2.00KHz", T},
                       {"rzcHighCutSlopOut1", 4, I},
                       {"rzbHighCutBypassOut1", false, D},
                       // Out4: a designed FIR; its low cut 80 lies below the fader's range.
                       {"rzcFirTypeOut4", 1, I},
                       {"rzcFirWinOut4", 2, I},
                       {"rzcFirTapsOut4", 7, I},
                       {"bnFirOKOut4", false, Shows::Enabled},
                       {"isFirLowCutOut4", 88, P},
                       {"cvdFirLowCutOut4", "150.4Hz", T},
                       {"isFirHighCutOut4", 250, P},
                       {"cvdFirHighCutOut4", "6.35KHz", T},
                       // Comp page: Out5.
                       {"isCompThresholdOut5", -30, P},
                       {"cvdCompThresholdOut5", "-15.0dB", T},
                       {"udCompRatioOut5", 7, P},
                       {"cvdCompRatioOut5", "1:3.0", T},
                       {"cvdCompAttackOut5", "10.1ms", T},
                       {"cvdCompReleaseOut5", "901ms", T},
                       {"cvdCompKneeOut5", "6dB", T},
                       // Limit page: Out6.
                       {"cvdLimitRatioOut6", "Limit", T},
                       {"cvdLimitThresholdOut6", "+5.0dB", T},
                       // Matrix page: Out3 routes A, B and D; InB's level 200.
                       {"rzbAMatrixOut3", true, D},
                       {"rzbBMatrixOut3", true, D},
                       {"rzbCMatrixOut3", false, D},
                       {"rzbDMatrixOut3", true, D},
                       {"udMixGainBOut3", -80, P},
                   });
    EXPECT_EQ(find(v, "lbNowFirTapsOut4", C), nullptr) << "a designed FIR shows its lists, not a count";
    // InB's 100 coefficients, and Out4's design of 7 * 32 + 256 taps.
    EXPECT_EQ(v.firTapsInUse(), 100 + 480);
    const qx::FirCounts counts{512, 100, 512, 512, 512, 512, 512, 7, 512, 512, 512, 512};
    EXPECT_EQ(v.firCounts(), counts) << "as the file holds them; a designed FIR keeps its buffer's count";

    const std::vector<qx::PeqRowValues>& inA =
        std::get<std::vector<qx::PeqRowValues>>(find(v, "peqPeqInA", Shows::PeqRows)->value);
    ASSERT_EQ(inA.size(), 14U);
    EXPECT_NEAR(inA[0].frequencyHz, 49.6, 0.05);
    EXPECT_EQ(inA[0].qStep, 20);
    EXPECT_NEAR(inA[0].gainDb, 3.0, 1e-9);
    EXPECT_EQ(inA[0].type, 1);
    EXPECT_TRUE(inA[0].bypassed) << "bit 0 of InA's bypass mask 5";
    EXPECT_FALSE(inA[1].bypassed);
    EXPECT_TRUE(inA[2].bypassed);
    EXPECT_EQ(v.curve(0).bands[0].filterCode, 10) << "a bypassed band is flat";
    EXPECT_EQ(v.curve(1).fir.kind, qx::CurveFir::Kind::Coefficients);
    EXPECT_EQ(v.curve(1).fir.coefficients, 100);
    EXPECT_EQ(v.curve(7).fir.kind, qx::CurveFir::Kind::Designed);
    EXPECT_EQ(v.curve(7).fir.taps, 480);
}

// Stored values beyond a control's range show at the nearest end, text
// included; list indexes beyond their list select nothing.
TEST_F(UnitViewTest, StoredValuesAreShownClampedIntoTheControls)
{
    struct Case
    {
        const char* what;
        std::size_t at;
        unsigned value;
        bool isByte;
        std::vector<Expect> shows;
    };
    const std::size_t out1 = rec::output(0);
    const std::size_t filter1 = rec::outputFilter(0);
    const Case cases[] = {
        {"gain word 400", rec::input(0) + rec::kInGain, 400, false, {{"isGainInA", 120, P}, {"cvdGainInA", "+12.0dB", T}}},
        {"gain word 80", rec::input(0) + rec::kInGain, 80, false, {{"isGainInA", -200, P}, {"cvdGainInA", "-20.0dB", T}}},
        {"gain word 79", rec::input(0) + rec::kInGain, 79, false, {{"isGainInA", -201, P}, {"cvdGainInA", "-20.5dB", T}}},
        {"gain word 0", rec::input(0) + rec::kInGain, 0, false, {{"isGainInA", -280, P}, {"cvdGainInA", "-60.0dB", T}}},
        {"gain word 999", out1 + rec::kOutGain, 999, false, {{"isGainBackupOut1", 120, P}, {"cvdGainBackupOut1", "+12.0dB", T}}},
        {"threshold 180", out1 + rec::kOutCompressor + rec::kDynThreshold, 180, false,
         {{"isCompThresholdOut1", 0, P}, {"cvdCompThresholdOut1", "+0.0dB", T}}},
        {"threshold 0", out1 + rec::kOutCompressor + rec::kDynThreshold, 0, false,
         {{"isCompThresholdOut1", -180, P}, {"cvdCompThresholdOut1", "-90.0dB", T}}},
        {"threshold 600", out1 + rec::kOutLimiter + rec::kDynThreshold, 600, false,
         {{"isLimitThresholdOut1", 40, P}, {"cvdLimitThresholdOut1", "+20.0dB", T}}},
        {"ratio 4", out1 + rec::kOutCompressor + rec::kDynRatio, 4, false,
         {{"udCompRatioOut1", 4, P}, {"cvdCompRatioOut1", "1:1.7", T}}},
        {"ratio 99", out1 + rec::kOutCompressor + rec::kDynRatio, 99, false,
         {{"udCompRatioOut1", 15, P}, {"cvdCompRatioOut1", "Limit", T}}},
        {"attack 20000", out1 + rec::kOutCompressor + rec::kDynAttack, 20000, false,
         {{"isCompAttackOut1", 9998, P}, {"cvdCompAttackOut1", "999.9ms", T}}},
        {"release 5000", out1 + rec::kOutLimiter + rec::kDynRelease, 5000, false,
         {{"isLimitReleaseOut1", 2999, P}, {"cvdLimitReleaseOut1", "3000ms", T}}},
        {"knee 40", out1 + rec::kOutCompressor + rec::kDynKnee, 40, false,
         {{"udCompKneeOut1", 12, P}, {"cvdCompKneeOut1", "12dB", T}}},
        {"high-pass index 170", filter1 + rec::kFilterHighPassFreq, 170, false, {{"cvdLowCutFreqOut1", "1.00KHz", T}}},
        {"high-pass index 999", filter1 + rec::kFilterHighPassFreq, 999, false,
         {{"isLowCutFreqOut1", 300, P}, {"cvdLowCutFreqOut1", "20.16KHz", T}}},
        {"slope code 20", filter1 + rec::kFilterHighPassSlope, 20, true,
         {{"rzcLowCutSlopOut1", 19, I}, {"rzbLowCutBypassOut1", false, D}}},
        {"slope code 77", filter1 + rec::kFilterLowPassSlope, 77, true,
         {{"rzcHighCutSlopOut1", 19, I}, {"rzbHighCutBypassOut1", false, D}}},
        {"mode 9", filter1 + rec::kFilterMode, 9, false, {{"rzcModeOut1", -1, I}}},
        {"FIR high cut 20", filter1 + rec::kFilterFirHighCut, 20, false,
         {{"isFirHighCutOut1", 89, P}, {"cvdFirHighCutOut1", "153.9Hz", T}}},
        {"delay 60000", rec::input(1) + rec::kInDelay, 60000, false, {{"isDelayInB", 32640, P}}},
        {"mix level 400", out1 + rec::kOutMixLevels, 400, false, {{"udMixGainAOut1", 0, P}}},
        {"mix level 100", out1 + rec::kOutMixLevels + 2, 100, false, {{"udMixGainBOut1", -180, P}}},
        {"input FIR count 60000", rec::input(3) + rec::kInFirTapCount, 60000, false,
         {{"lbNowFirTapsInD", "2048", C}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        unit.LoadFactoryDefault();
        if (c.isByte)
            byte(c.at, static_cast<std::uint8_t>(c.value));
        else
            word(c.at, c.value);
        expectShows(view(), c.shows);
    }
}

TEST_F(UnitViewTest, NamesAndPresetNumbers)
{
    struct Case
    {
        int preset;
        const char* presetName;
        const char* channelName;
        const char* number;
        const char* shownPreset;
        const char* shownChannel;
    };
    const Case cases[] = {
        {0, "Default", "InA", "F00", "Default", "InA"},
        {7, "FourteenChars!", "EightChr", "U07", "FourteenChars!", "EightChr"},
        {20, "Ab", "", "U20", "Ab", ""},
    };
    for (const Case& c : cases) {
        qx::writeText(unit.record(), rec::kPresetName, rec::kPresetNameSize, c.presetName);
        qx::writeText(unit.record(), rec::input(0), rec::kChannelNameSize, c.channelName);
        inputs.currentPreset = c.preset;
        expectShows(view(), {{"lbPstNum", c.number, C},
                             {"lbPstName", c.shownPreset, C},
                             {"lbMatrixChNameInA", c.shownChannel, C}});
    }
}

TEST_F(UnitViewTest, TheTapsInUseAreSummedFromTheRecord)
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
        {"designed, a taps selection beyond the list", 2, 1, 60000, 1, 512, 1024},
        {"FIR bypassed", 2, 0, 24, 1, 512, 0},
        {"coefficients", 2, 4, 300, 1, 512, 300},
        {"coefficients beyond the buffer", 2, 4, 9000, 1, 512, 2048},
        {"coefficients, IIR only", 0, 4, 300, 1, 512, 0},
        {"input FIR on", 0, 0, 0, 0, 2048, 2048},
        {"input count beyond the buffer", 0, 0, 0, 0, 60000, 2048},
    };
    const std::size_t filter = rec::outputFilter(0);
    for (const Case& c : cases) {
        word(filter + rec::kFilterMode, static_cast<unsigned>(c.mode));
        byte(filter + rec::kFilterFirType, static_cast<std::uint8_t>(c.type));
        word(filter + rec::kFilterFirTaps, static_cast<unsigned>(c.taps));
        word(rec::input(3) + rec::kInFirBypass, static_cast<unsigned>(c.inputBypass));
        word(rec::input(3) + rec::kInFirTapCount, static_cast<unsigned>(c.inputTaps));
        const qx::UnitView v = view();
        EXPECT_EQ(v.firTapsInUse(), c.expected) << c.what;
        EXPECT_LE(v.firCounts()[3], 2048) << c.what;
        EXPECT_LE(v.firCounts()[4], 2048) << c.what;
    }
}

// What the load shows depends on the window's moment, not only the record.
TEST_F(UnitViewTest, StartUpUnknownDelayUnitAndMissingGateFaders)
{
    inputs.initialising = true;
    inputs.gates[1] = {-20, 4, std::nullopt, 99};
    word(rec::kDelayUnit, 5);
    word(rec::kOutputSelect, 1);
    const qx::UnitView v = view();
    EXPECT_EQ(find(v, "lbGateName", C), nullptr) << "the start-up call leaves the gate caption";
    for (const char* unitButton : {"rzbUnit0", "rzbUnit1", "rzbUnit2"})
        EXPECT_EQ(find(v, unitButton, D), nullptr) << "unit 5 has no button";
    expectShows(v, {{"cvdGateThresholdInB", "-10.0dB", T},
                    {"cvdGateAttackInB", "5ms", T},
                    {"cvdGateHoldInB", "100ms", T},
                    {"OutDigital", true, Shows::Checked},
                    {"OutAnalog", false, Shows::Checked},
                    {"lbOutSelDigital", true, Shows::Visible}});
    expectShows(v, {{"isGateThresholdInB", -20, P}, {"isGateHoldInB", 99, P}});
    EXPECT_NE(find(v, "isGateReleaseInB", P), nullptr) << "a fader the window lacks keeps its row, where the "
                                                          "showing ends";
}

// A band whose indexes lie beyond their tables is shown and drawn as the
// band at the tables' ends.
TEST_F(UnitViewTest, PeqBandsBeyondTheirTablesAreHeldAtTheEnds)
{
    const std::size_t band = rec::outputBand(2, 4);
    word(band + rec::kBandGain, 999);
    word(band + rec::kBandFreq, 4000);
    byte(band + rec::kBandQ, 200);
    byte(band + rec::kBandType, 50);
    word(rec::peqBypassMask(6), 1U << 4);
    const qx::UnitView v = view();
    const auto& rows = std::get<std::vector<qx::PeqRowValues>>(find(v, "peqPeqOut3", Shows::PeqRows)->value);
    ASSERT_EQ(rows.size(), 6U);
    EXPECT_NEAR(rows[4].frequencyHz, 20158.7, 0.5);
    EXPECT_EQ(rows[4].qStep, 100);
    EXPECT_NEAR(rows[4].gainDb, 12.0, 1e-9);
    EXPECT_EQ(rows[4].type, 8);
    EXPECT_TRUE(rows[4].bypassed);
    const qx::CurveBand& drawn = v.curve(6).bands[4];
    EXPECT_EQ(drawn.filterCode, 10) << "bypassed";
    EXPECT_NEAR(drawn.frequencyHz, 20158.7, 0.5);
}

} // namespace
