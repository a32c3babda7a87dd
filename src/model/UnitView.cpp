#include "model/UnitView.h"

#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "model/ControlNames.h"
#include "model/FirTapRule.h"
#include "model/LUnitControl.h"
#include "model/NameText.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <utility>

namespace qx {

namespace {

constexpr int kFirWindowMax = shown::kFirWindowItems - 1;
constexpr int kBandBypassedCode = 10;

bool isDesigned(const OutputFirSettings& fir) { return isDesignedFir(fir.type); }

// The item a combo box of that many items shows for a stored index.
int itemOf(int index, int items) { return index >= 0 && index < items ? index : -1; }

Shown text(std::string control, std::string value) { return {std::move(control), Shows::Text, std::move(value)}; }
Shown caption(std::string control, std::string value)
{
    return {std::move(control), Shows::Caption, std::move(value)};
}
Shown position(std::string control, int value) { return {std::move(control), Shows::Position, value}; }
Shown down(std::string control, bool value) { return {std::move(control), Shows::Down, value}; }
Shown item(std::string control, int value) { return {std::move(control), Shows::Item, value}; }

// The record's band as the grid shows it, every index clamped into its
// table first: a band from the processor or a file may hold anything.
PeqRowValues peqRowOf(const PeqBand& band, bool bypassed)
{
    PeqRowValues row;
    row.frequencyHz = static_cast<float>(IndexToFreq(band.frequency));
    row.qStep = std::clamp<int>(band.q, 0, kQIndexMax);
    row.gainDb = (std::clamp<int>(band.gain, 0, kGainIndexMax) - kGainIndexZeroDb) * 0.1;
    row.type = std::clamp<int>(band.type, 0, kPeqTypeMax);
    row.bypassed = bypassed;
    return row;
}

// The same band as the response model takes it.
CurveBand curveBandOf(const PeqRowValues& row)
{
    CurveBand out;
    out.gainDb = row.gainDb;
    out.frequencyHz = row.frequencyHz;
    out.q = kQTable[static_cast<std::size_t>(row.qStep)];
    out.filterCode = row.bypassed ? kBandBypassedCode : kPeqTypeFilterCodes[static_cast<std::size_t>(row.type)];
    return out;
}

} // namespace

std::string UnitView::frequencyText(int index)
{
    const double f = IndexToFreq(index);
    return f >= 1000.0 ? Format("%4.2fKHz", f * 0.001) : Format("%4.1fHz", f);
}

std::string UnitView::thresholdText(int position) { return Format("%+1.1fdB", position * 0.5); }

std::string UnitView::ratioText(int position)
{
    const int i = std::clamp(position, 0, kRatioIndexMax);
    return i == kRatioIndexMax ? std::string(kRatioTexts[i]) : "1:" + std::string(kRatioTexts[i]);
}

std::string UnitView::attackText(int position) { return Format("%1.1fms", (position + 1) * 0.1); }
std::string UnitView::releaseText(int position) { return Format("%3dms", position + 1); }
std::string UnitView::kneeText(int position) { return Format("%ddB", position); }
std::string UnitView::gateTimeText(int position) { return Format("%dms", position + 1); }

UnitView::UnitView(const LUnitControl& unit, const UnitViewInputs& inputs)
    : unit_(unit), inputs_(inputs), firCounts_(inputs.firCounts)
{
    showPreset();
    for (int c = 0; c < kInputCount; ++c)
        showInput(c);
    for (int c = kInputCount; c < kChannelCount; ++c)
        showOutput(c);
    showDelayUnit();
    showIoSelect();
    for (int c = 0; c < kChannelCount; ++c)
        curves_[static_cast<std::size_t>(c)] = curveOf(c);
}

void UnitView::showPreset()
{
    const int preset = inputs_.currentPreset;
    rows_.push_back({caption("lbPstNum", Format(preset >= 1 ? "U%02d" : "F%02d", preset))});
    rows_.push_back({caption("lbPstName", textOfName(unit_.PresetName()))});
}

void UnitView::showInput(int c)
{
    showName(c);
    showPeq(c);
    showGate(c);
    showInputFir(c);
    showGain(c);
    showPolarity(c);
    showDelay(c);
    showMute(c);
    showEqBypass(c);
}

void UnitView::showOutput(int c)
{
    showName(c);
    showMatrix(c);
    showOutputFir(c);
    showCrossover(c, true);
    showCrossover(c, false);
    showPeq(c);
    showDynamics(c, false);
    showDynamics(c, true);
    showGain(c);
    showPolarity(c);
    showDelay(c);
    showMute(c);
    showEqBypass(c);
}

void UnitView::showName(int c)
{
    const std::string s = channelSuffix(c);
    const std::string name = textOfName(unit_.ChannelRecord(c).first(rec::kChannelNameSize));
    rows_.push_back({caption("lbMatrixChName" + s, name), {"rzbMenu" + s, Shows::Hint, name}});
}

std::vector<PeqRowValues> UnitView::peqRowsOf(int c) const
{
    std::vector<PeqRowValues> rows;
    const int bands = c < kInputCount ? kInputBandCount : kOutputBandCount;
    for (int b = 0; b < bands; ++b)
        rows.push_back(peqRowOf(unit_.GetPeqBand(c, b), unit_.IsPeqBandBypassed(c, b)));
    return rows;
}

void UnitView::showPeq(int c) { rows_.push_back({{"peqPeq" + channelSuffix(c), Shows::PeqRows, peqRowsOf(c)}}); }

// The record holds no gate values: each fader keeps its position and its
// box shows it. A fader the window lacks still has its row, so that a binder
// ends the showing there.
void UnitView::showGate(int c)
{
    static constexpr std::array<const char*, 4> kFields = {"Threshold", "Attack", "Release", "Hold"};
    const std::string s = channelSuffix(c);
    const GatePositions& gate = inputs_.gates[static_cast<std::size_t>(c)];
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const int p = gate[i].value_or(0);
        rows_.push_back({position(std::string("isGate") + kFields[i] + s, p),
                         text(std::string("cvdGate") + kFields[i] + s, i == 0 ? thresholdText(p) : gateTimeText(p))});
    }
    if (c == 0 && !inputs_.initialising)
        rows_.push_back({caption("lbGateName", "In A  " + inputs_.translate("SID_GATE"))});
}

void UnitView::showInputFir(int c)
{
    const std::string s = channelSuffix(c);
    // The buffer holds at most kFirSlots coefficients, whatever the record says.
    const int count = coefficientCount(unit_.GetInputFirTaps(c));
    const bool bypassed = unit_.GetInFirBypass(c);
    firCounts_[static_cast<std::size_t>(c)] = count;
    firTapsInUse_ += qx::firTapsInUse(unit_, c);
    rows_.push_back({caption("lbNowFirTaps" + s, std::to_string(count)), down("rzbFirBypass" + s, bypassed)});
}

void UnitView::showGain(int c)
{
    const std::string s = channelSuffix(c);
    const int p = shown::kGain.clamp(unit_.GetGain(c) + shown::kGain.min);
    rows_.push_back({position("isGain" + s, p), position("isGainBackup" + s, p), text("cvdGain" + s, GainText(p)),
                     text("cvdGainBackup" + s, GainText(p))});
}

void UnitView::showPolarity(int c)
{
    const std::string s = channelSuffix(c);
    const bool on = unit_.GetPolarity(c) != 0;
    const std::string name = inputs_.translate(on ? "SID_PHASE_ON" : "SID_PHASE_OFF");
    rows_.push_back({down("rzbPhase" + s, on), caption("rzbPhase" + s, name), down("rzbPhaseBackup" + s, on),
                     caption("rzbPhaseBackup" + s, name)});
}

void UnitView::showDelay(int c)
{
    const std::string s = channelSuffix(c);
    const int p = shown::kDelay.clamp(unit_.GetDelay(c));
    rows_.push_back({position("isDelay" + s, p),
                     {"imDelay" + s, Shows::MarkerLeft, DelayMarker{p, shown::kDelay.max, "lbDelayLine" + s}}});
}

void UnitView::showMute(int c)
{
    const std::string s = channelSuffix(c);
    rows_.push_back({down("rzbMute" + s, unit_.IsMuted(c)), down("rzbMuteBackup" + s, unit_.IsMuted(c))});
}

void UnitView::showEqBypass(int c)
{
    const int bit = c < kInputCount ? c : c - kInputCount;
    const bool bypassed = (unit_.GetEqBypassMask(c) >> bit) & 1;
    rows_.push_back({{"fftDraw" + channelSuffix(c), Shows::BypassText, bypassed}});
}

void UnitView::showMatrix(int c)
{
    const std::string s = channelSuffix(c);
    const int route = unit_.GetMatrixRoute(c);
    for (int input = 0; input < kInputCount; ++input) {
        const char letter = static_cast<char>('A' + input);
        const int level = shown::kMixLevel.clamp(unit_.GetMixLevel(c, input) + shown::kMixLevel.min);
        rows_.push_back({down(std::string("rzb") + letter + "Matrix" + s, (route >> input) & 1),
                         position(std::string("udMixGain") + letter + s, level)});
    }
}

void UnitView::showOutputFir(int c)
{
    const std::string s = channelSuffix(c);
    const OutputFilter filter = unit_.GetOutputFilter(c);
    const int lowCut = shown::kFirLowCut.clamp(filter.fir.lowCut);
    const int highCut = shown::kFirHighCut.clamp(filter.fir.highCut);
    rows_.push_back({item("rzcMode" + s, itemOf(filter.mode, shown::kModeItems)), position("isFirLowCut" + s, lowCut),
                     text("cvdFirLowCut" + s, frequencyText(lowCut)), position("isFirHighCut" + s, highCut),
                     text("cvdFirHighCut" + s, frequencyText(highCut)),
                     item("rzcFirType" + s, itemOf(filter.fir.type, shown::kFirTypeItems))});

    firTapsInUse_ += outputFirTapsInUse(filter);
    if (isDesigned(filter.fir)) {
        rows_.push_back({{"bnFirOK" + s, Shows::Enabled, false},
                         item("rzcFirWin" + s, itemOf(filter.fir.window, shown::kFirWindowItems)),
                         item("rzcFirTaps" + s, itemOf(filter.fir.taps, shown::kFirTapsItems))});
        return;
    }
    const int count = coefficientCount(filter.fir.taps);
    const bool bypassed = filter.fir.type == kFirDesignTypeBypass;
    firCounts_[static_cast<std::size_t>(c)] = count;
    rows_.push_back({caption("lbNowFirTaps" + s, std::to_string(count)), down("rzbFirBypass" + s, bypassed)});
}

// The high-pass (low cut) or low-pass (high cut) controls of an output. A
// slope code of 0 puts the bypass down and leaves the slope list as it is.
void UnitView::showCrossover(int c, bool highPass)
{
    const std::string s = channelSuffix(c);
    const std::string side = highPass ? "LowCut" : "HighCut";
    const OutputFilter filter = unit_.GetOutputFilter(c);
    const int p = shown::kCrossover.clamp(highPass ? filter.highPassFrequency : filter.lowPassFrequency);
    const int code = highPass ? filter.highPassSlope : filter.lowPassSlope;
    ShownRow row{position("is" + side + "Freq" + s, p), text("cvd" + side + "Freq" + s, frequencyText(p))};
    if (code != 0)
        row.push_back(item("rzc" + side + "Slop" + s, std::min(code, shown::kSlopeItems) - 1));
    row.push_back(down("rzb" + side + "Bypass" + s, code == 0));
    rows_.push_back(std::move(row));
}

void UnitView::showDynamics(int c, bool limiter)
{
    const std::string s = channelSuffix(c);
    const std::string kind = limiter ? "Limit" : "Comp";
    const Dynamics d = limiter ? unit_.GetLimiter(c) : unit_.GetCompressor(c);
    const int threshold = shown::kThreshold.clamp(d.threshold + shown::kThreshold.min);
    const int ratio = shown::kRatio.clamp(d.ratio);
    const int attack = shown::kAttack.clamp(d.attack);
    const int release = shown::kRelease.clamp(d.release);
    const int knee = shown::kKnee.clamp(d.knee);
    rows_.push_back({
        position("is" + kind + "Threshold" + s, threshold),
        text("cvd" + kind + "Threshold" + s, thresholdText(threshold)),
        position("ud" + kind + "Ratio" + s, ratio),
        text("cvd" + kind + "Ratio" + s, ratioText(ratio)),
        position("is" + kind + "Attack" + s, attack),
        text("cvd" + kind + "Attack" + s, attackText(attack)),
        position("is" + kind + "Release" + s, release),
        text("cvd" + kind + "Release" + s, releaseText(release)),
        position("ud" + kind + "Knee" + s, knee),
        text("cvd" + kind + "Knee" + s, kneeText(knee)),
    });
}

// A unit outside 0-2 has no button: the buttons stay as they are.
void UnitView::showDelayUnit()
{
    const int unit = unit_.GetDelayUnit();
    if (unit < kDelayUnitMs || unit > kDelayUnitFeet)
        return;
    const std::string button = "rzbUnit" + std::to_string(unit);
    rows_.push_back({down(button, true), {button, Shows::Click, std::monostate{}}});
}

void UnitView::showIoSelect()
{
    for (const auto& [side, digital] :
         {std::pair{"In", unit_.GetInputSelect() != 0}, std::pair{"Out", unit_.GetOutputSelect() != 0}}) {
        rows_.push_back({{std::string(side) + "Analog", Shows::Checked, !digital},
                         {std::string(side) + "Digital", Shows::Checked, digital},
                         {std::string("lb") + side + "SelDigital", Shows::Visible, digital}});
    }
}

ChannelCurve UnitView::curveOf(int c) const
{
    ChannelCurve curve;
    for (const PeqRowValues& row : peqRowsOf(c))
        curve.bands.push_back(curveBandOf(row));
    CurveFir& fir = curve.fir;
    const int coefficients = firCounts_[static_cast<std::size_t>(c)];
    if (c < kInputCount) {
        if (!unit_.GetInFirBypass(c)) {
            fir.kind = CurveFir::Kind::Coefficients;
            fir.coefficients = coefficients;
        }
        return curve;
    }
    const OutputFilter filter = unit_.GetOutputFilter(c);
    if (filter.mode == kOutputModeIir)
        return curve;
    if (isDesigned(filter.fir)) {
        fir.kind = CurveFir::Kind::Designed;
        fir.type = filter.fir.type;
        fir.window = std::min<int>(filter.fir.window, kFirWindowMax);
        fir.lowCutHz = IndexToFreq(filter.fir.lowCut);
        fir.highCutHz = IndexToFreq(filter.fir.highCut);
        fir.taps = designedFirTaps(filter.fir.taps);
    } else if (filter.fir.type >= kFirDesignTypeCoefficients) {
        fir.kind = CurveFir::Kind::Coefficients;
        fir.coefficients = coefficients;
    }
    return curve;
}

} // namespace qx
