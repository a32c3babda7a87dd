// Shows the whole unit-state record in the main window's controls, then
// rebuilds the channel curves. The busy flag is set while the controls are
// written, so the change handlers that the writes set off return at once and
// the model's setters send nothing.
//
// Controls are found by their composed names; a row whose control is missing
// is left out and the fill goes on with the next one. Every value-box text is
// made from the position its fader or up-down holds after the write, so a
// stored value beyond a control's range shows at the nearest end, text
// included, and no stored value indexes a table unchecked.

#include "app/FMain.h"
#include "app/MainLayout.h"
#include "codec/SharedConstants.h"
#include "codec/ValueScales.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "model/LUnitControl.h"
#include "model/NameText.h"
#include "model/ShownRzControls.h"
#include "model/ShownCurves.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/UpDown.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kInputFirst = 0;
constexpr int kOutputFirst = qx::kInputCount;
constexpr int kFirDesignedFirst = 1;
constexpr int kFirDesignedLast = 3;
constexpr int kFirCoefficients = 4;
constexpr int kModeIir = 0;
constexpr int kTapsIndexMax = 24;
constexpr int kFirWindowMax = 10;
constexpr int kSlopeCodeMax = 20;
constexpr int kBandBypassedCode = 10;
constexpr int kPeqTypeMax = 8;

// Unit-wide overlay refresh marks: every channel of the side.
constexpr int kInputGraphMask = 0x0F;
constexpr int kOutputGraphMask = 0xFF;
constexpr int kOverviewMask = 0xFFF;
constexpr int kOverviewInput = 12;
constexpr int kOverviewOutput = 13;

std::string frequencyText(int index)
{
    const double f = IndexToFreq(index);
    return f >= 1000.0 ? Format("%4.2fKHz", f * 0.001) : Format("%4.1fHz", f);
}

std::string ratioText(int position)
{
    const int i = std::clamp(position, 0, qx::kRatioIndexMax);
    return i == qx::kRatioIndexMax ? std::string(qx::kRatioTexts[i]) : "1:" + std::string(qx::kRatioTexts[i]);
}

// The record's band as the grid shows it, every index clamped into its
// table first: a band from the processor or a file may hold anything.
qx::PeqRowValues peqRowOf(const qx::PeqBand& band, bool bypassed)
{
    qx::PeqRowValues row;
    row.frequencyHz = static_cast<float>(IndexToFreq(band.frequency));
    row.qStep = std::clamp<int>(band.q, 0, qx::kQIndexMax);
    row.gainDb = (std::clamp<int>(band.gain, 0, qx::kGainIndexMax) - qx::kGainIndexZeroDb) * 0.1;
    row.type = std::clamp<int>(band.type, 0, kPeqTypeMax);
    row.bypassed = bypassed;
    return row;
}

// The same band as the response model takes it.
qx::CurveBand curveBandOf(const qx::PeqRowValues& row)
{
    qx::CurveBand out;
    out.gainDb = row.gainDb;
    out.frequencyHz = row.frequencyHz;
    out.q = qx::kQTable[static_cast<std::size_t>(row.qStep)];
    out.filterCode = row.bypassed ? kBandBypassedCode : qx::kPeqTypeFilterCodes[static_cast<std::size_t>(row.type)];
    return out;
}

// Sets the busy flag for the lifetime of the scope.
class BusyScope
{
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

// Writes the model into the controls, one row of controls at a time.
class FormFiller
{
public:
    FormFiller(TfmMain& form, const LUnitControl& unit) : form_(form), unit_(unit) {}

    void showPreset();
    void showInput(int c);
    void showOutput(int c);
    void showDelayUnit();
    void showIoSelect();
    void repaintMatrix();

    qx::ChannelCurve curveOf(int c) const;

private:
    template <class T> T* find(const std::string& name) const { return qx::findComponent<T>(form_, name); }
    // A bitmap button, null when missing.
    TControl* button(const std::string& name) const
    {
        TControl* control = find<TControl>(name);
        return qx::isBitmapButton(control) ? control : nullptr;
    }

    std::vector<qx::PeqRowValues> peqRowsOf(int c) const;

    void showName(int c);
    void showPeqGrid(int c);
    void showGate(int c);
    void showInputFir(int c);
    void showGain(int c);
    void showPolarity(int c);
    void showDelay(int c);
    void showMute(int c);
    void showEqBypass(int c);
    void showMatrix(int c);
    void showOutputFir(int c);
    void showCrossover(int c, bool highPass);
    void showDynamics(int c, bool limiter);

    // The box's text, the caret put behind it as after a program write.
    static void setText(TCurvyEdit& box, const std::string& text)
    {
        box.SetText(text);
        box.CaretToEnd();
    }

    TfmMain& form_;
    const LUnitControl& unit_;
};

void FormFiller::showPreset()
{
    const int preset = form_.Exchange().currentPreset;
    if (auto* number = find<TControl>("lbPstNum"))
        number->SetCaption(Format(preset >= 1 ? "U%02d" : "F%02d", preset));
    if (auto* name = find<TControl>("lbPstName"))
        name->SetCaption(qx::textOfName(unit_.PresetName()));
}

void FormFiller::showInput(int c)
{
    showName(c);
    showPeqGrid(c);
    showGate(c);
    showInputFir(c);
    showGain(c);
    showPolarity(c);
    showDelay(c);
    showMute(c);
    showEqBypass(c);
}

void FormFiller::showOutput(int c)
{
    showName(c);
    showMatrix(c);
    showOutputFir(c);
    showCrossover(c, true);
    showCrossover(c, false);
    showPeqGrid(c);
    showDynamics(c, false);
    showDynamics(c, true);
    showGain(c);
    showPolarity(c);
    showDelay(c);
    showMute(c);
    showEqBypass(c);
}

void FormFiller::showName(int c)
{
    const std::string s = qx::channelSuffix(c);
    auto* label = find<TControl>("lbMatrixChName" + s);
    auto* menu = find<TControl>("rzbMenu" + s);
    if (!label || !menu)
        return;
    const std::string name = qx::textOfName(unit_.ChannelRecord(c).first(qx::rec::kChannelNameSize));
    label->SetCaption(name);
    menu->SetHint(name);
}

std::vector<qx::PeqRowValues> FormFiller::peqRowsOf(int c) const
{
    std::vector<qx::PeqRowValues> rows;
    const int bands = c < kOutputFirst ? qx::kInputBandCount : qx::kOutputBandCount;
    for (int b = 0; b < bands; ++b)
        rows.push_back(peqRowOf(unit_.GetPeqBand(c, b), unit_.IsPeqBandBypassed(c, b)));
    return rows;
}

void FormFiller::showPeqGrid(int c)
{
    TControl* grid = find<TControl>("peqPeq" + qx::channelSuffix(c));
    if (qx::isPeqGrid(grid))
        qx::showPeqRows(grid, peqRowsOf(c));
}

// The record holds no gate values: the faders keep their positions and the
// texts and the curve's caption are made from them.
void FormFiller::showGate(int c)
{
    const std::string s = qx::channelSuffix(c);
    auto* threshold = find<TAdvTrackBar>("isGateThreshold" + s);
    auto* thresholdBox = find<TCurvyEdit>("cvdGateThreshold" + s);
    if (!threshold || !thresholdBox)
        return;
    setText(*thresholdBox, Format("%+1.1fdB", threshold->Position() * 0.5));
    for (const char* field : {"Attack", "Release", "Hold"}) {
        auto* fader = find<TAdvTrackBar>(std::string("isGate") + field + s);
        auto* box = find<TCurvyEdit>(std::string("cvdGate") + field + s);
        if (!fader || !box)
            return;
        setText(*box, Format("%dms", fader->Position() + 1));
    }
    if (c != kInputFirst || form_.Initialising)
        return;
    if (auto* caption = find<TControl>("lbGateName"))
        caption->SetCaption("In A  " + std::string(form_.Translate("SID_GATE")));
}

void FormFiller::showInputFir(int c)
{
    const std::string s = qx::channelSuffix(c);
    auto* taps = find<TControl>("lbNowFirTaps" + s);
    auto* bypass = button("rzbFirBypass" + s);
    if (!taps || !bypass)
        return;
    // The buffer holds at most kFirSlots coefficients, whatever the record says.
    const int count = std::clamp(unit_.GetInputFirTaps(c), 0, qx::kFirSlots);
    form_.FirTaps[static_cast<std::size_t>(c)] = count;
    taps->SetCaption(std::to_string(count));
    if (!qx::setButtonDown(bypass, unit_.GetInFirBypass(c)))
        form_.FirTapsInUse += count;
}

void FormFiller::showGain(int c)
{
    const std::string s = qx::channelSuffix(c);
    auto* fader = find<TAdvTrackBar>("isGain" + s);
    auto* backup = find<TAdvTrackBar>("isGainBackup" + s);
    auto* box = find<TCurvyEdit>("cvdGain" + s);
    auto* backupBox = find<TCurvyEdit>("cvdGainBackup" + s);
    if (!fader || !backup || !box || !backupBox)
        return;
    fader->SetPosition(unit_.GetGain(c) + fader->Min());
    backup->SetPosition(fader->Position());
    setText(*box, GainText(fader->Position()));
    setText(*backupBox, GainText(backup->Position()));
}

void FormFiller::showPolarity(int c)
{
    const std::string s = qx::channelSuffix(c);
    auto* phase = button("rzbPhase" + s);
    auto* backup = button("rzbPhaseBackup" + s);
    if (!phase || !backup)
        return;
    for (TControl* b : {phase, backup}) {
        const bool down = qx::setButtonDown(b, unit_.GetPolarity(c) != 0);
        b->SetCaption(std::string(form_.Translate(down ? "SID_PHASE_ON" : "SID_PHASE_OFF")));
    }
}

void FormFiller::showDelay(int c)
{
    const std::string s = qx::channelSuffix(c);
    auto* fader = find<TAdvTrackBar>("isDelay" + s);
    auto* marker = find<TControl>("imDelay" + s);
    auto* line = find<TControl>("lbDelayLine" + s);
    if (!fader || !marker || !line)
        return;
    fader->SetPosition(unit_.GetDelay(c));
    marker->SetLeft(qx::delayMarkerLeft(fader->Position(), fader->Max(), line->Width()));
}

void FormFiller::showMute(int c)
{
    const std::string s = qx::channelSuffix(c);
    auto* mute = button("rzbMute" + s);
    auto* backup = button("rzbMuteBackup" + s);
    if (!mute || !backup)
        return;
    qx::setButtonDown(mute, unit_.IsMuted(c));
    qx::setButtonDown(backup, unit_.IsMuted(c));
    form_.MarkCurveChanged(c);
}

void FormFiller::showEqBypass(int c)
{
    const int bit = c < kOutputFirst ? c : c - kOutputFirst;
    qx::showBypassText(find<TControl>("fftDraw" + qx::channelSuffix(c)), (unit_.GetEqBypassMask(c) >> bit) & 1);
}

void FormFiller::showMatrix(int c)
{
    const std::string s = qx::channelSuffix(c);
    const int route = unit_.GetMatrixRoute(c);
    for (int input = 0; input < qx::kInputCount; ++input) {
        const char letter = static_cast<char>('A' + input);
        TControl* routed = button(std::string("rzb") + letter + "Matrix" + s);
        auto* level = find<TUpDown>(std::string("udMixGain") + letter + s);
        if (!routed || !level)
            return;
        qx::setButtonDown(routed, (route >> input) & 1);
        level->SetPosition(unit_.GetMixLevel(c, input) + level->Min());
    }
}

void FormFiller::showOutputFir(int c)
{
    const std::string s = qx::channelSuffix(c);
    const qx::OutputFilter filter = unit_.GetOutputFilter(c);
    auto* mode = find<TComboBox>("rzcMode" + s);
    auto* lowCut = find<TAdvTrackBar>("isFirLowCut" + s);
    auto* lowCutBox = find<TCurvyEdit>("cvdFirLowCut" + s);
    auto* highCut = find<TAdvTrackBar>("isFirHighCut" + s);
    auto* highCutBox = find<TCurvyEdit>("cvdFirHighCut" + s);
    auto* type = find<TComboBox>("rzcFirType" + s);
    if (!mode || !lowCut || !lowCutBox || !highCut || !highCutBox || !type)
        return;
    mode->SetItemIndex(filter.mode);
    lowCut->SetPosition(filter.fir.lowCut);
    setText(*lowCutBox, frequencyText(lowCut->Position()));
    highCut->SetPosition(filter.fir.highCut);
    setText(*highCutBox, frequencyText(highCut->Position()));
    type->SetItemIndex(filter.fir.type);

    const bool filtering = filter.mode != kModeIir;
    if (filter.fir.type >= kFirDesignedFirst && filter.fir.type <= kFirDesignedLast) {
        auto* ok = find<TControl>("bnFirOK" + s);
        auto* window = find<TComboBox>("rzcFirWin" + s);
        auto* taps = find<TComboBox>("rzcFirTaps" + s);
        if (!ok || !window || !taps)
            return;
        ok->SetEnabled(false);
        window->SetItemIndex(filter.fir.window);
        taps->SetItemIndex(filter.fir.taps);
        if (filtering)
            form_.FirTapsInUse += filter.fir.taps * 32 + 256;
        return;
    }
    auto* taps = find<TControl>("lbNowFirTaps" + s);
    auto* bypass = button("rzbFirBypass" + s);
    if (!taps || !bypass)
        return;
    const int count = std::clamp<int>(filter.fir.taps, 0, qx::kFirSlots);
    form_.FirTaps[static_cast<std::size_t>(c)] = count;
    taps->SetCaption(std::to_string(count));
    if (!qx::setButtonDown(bypass, filter.fir.type == 0) && filtering)
        form_.FirTapsInUse += count;
}

// The high-pass (low cut) or low-pass (high cut) controls of an output.
void FormFiller::showCrossover(int c, bool highPass)
{
    const std::string s = qx::channelSuffix(c);
    const std::string side = highPass ? "LowCut" : "HighCut";
    auto* fader = find<TAdvTrackBar>("is" + side + "Freq" + s);
    auto* box = find<TCurvyEdit>("cvd" + side + "Freq" + s);
    auto* slope = find<TComboBox>("rzc" + side + "Slop" + s);
    auto* bypass = button("rzb" + side + "Bypass" + s);
    if (!fader || !box || !slope || !bypass)
        return;
    const qx::OutputFilter filter = unit_.GetOutputFilter(c);
    fader->SetPosition(highPass ? filter.highPassFrequency : filter.lowPassFrequency);
    setText(*box, frequencyText(fader->Position()));
    const int code = highPass ? filter.highPassSlope : filter.lowPassSlope;
    if (code != 0) {
        slope->SetItemIndex(std::min(code, kSlopeCodeMax) - 1);
        qx::setButtonDown(bypass, false);
    } else {
        qx::setButtonDown(bypass, true);
    }
}

void FormFiller::showDynamics(int c, bool limiter)
{
    const std::string s = qx::channelSuffix(c);
    const std::string kind = limiter ? "Limit" : "Comp";
    auto* threshold = find<TAdvTrackBar>("is" + kind + "Threshold" + s);
    auto* ratio = find<TUpDown>("ud" + kind + "Ratio" + s);
    auto* attack = find<TAdvTrackBar>("is" + kind + "Attack" + s);
    auto* release = find<TAdvTrackBar>("is" + kind + "Release" + s);
    auto* knee = find<TUpDown>("ud" + kind + "Knee" + s);
    auto* thresholdBox = find<TCurvyEdit>("cvd" + kind + "Threshold" + s);
    auto* ratioBox = find<TCurvyEdit>("cvd" + kind + "Ratio" + s);
    auto* attackBox = find<TCurvyEdit>("cvd" + kind + "Attack" + s);
    auto* releaseBox = find<TCurvyEdit>("cvd" + kind + "Release" + s);
    auto* kneeBox = find<TCurvyEdit>("cvd" + kind + "Knee" + s);
    if (!threshold || !ratio || !attack || !release || !knee || !thresholdBox || !ratioBox || !attackBox ||
        !releaseBox || !kneeBox)
        return;
    const qx::Dynamics d = limiter ? unit_.GetLimiter(c) : unit_.GetCompressor(c);
    threshold->SetPosition(d.threshold + threshold->Min());
    setText(*thresholdBox, Format("%+1.1fdB", threshold->Position() * 0.5));
    ratio->SetPosition(d.ratio);
    setText(*ratioBox, ratioText(ratio->Position()));
    attack->SetPosition(d.attack);
    setText(*attackBox, Format("%1.1fms", (attack->Position() + 1) * 0.1));
    release->SetPosition(d.release);
    setText(*releaseBox, Format("%3dms", release->Position() + 1));
    knee->SetPosition(d.knee);
    setText(*kneeBox, Format("%ddB", knee->Position()));
}

// A unit outside 0-2 has no button: the buttons stay as they are.
void FormFiller::showDelayUnit()
{
    const int unit = unit_.GetDelayUnit();
    if (unit < qx::kDelayUnitMs || unit > qx::kDelayUnitFeet)
        return;
    if (TControl* pressed = button("rzbUnit" + std::to_string(unit))) {
        qx::setButtonDown(pressed, true);
        qx::pressButton(pressed);
    }
}

void FormFiller::showIoSelect()
{
    for (const auto& [side, selected] : {std::pair{"In", unit_.GetInputSelect() != 0},
                                         std::pair{"Out", unit_.GetOutputSelect() != 0}}) {
        auto* analog = find<TMenuItem>(std::string(side) + "Analog");
        auto* digital = find<TMenuItem>(std::string(side) + "Digital");
        auto* label = find<TControl>(std::string("lb") + side + "SelDigital");
        if (!analog || !digital || !label)
            continue;
        analog->SetChecked(!selected);
        digital->SetChecked(selected);
        label->SetVisible(selected);
    }
}

void FormFiller::repaintMatrix()
{
    if (auto* matrix = find<TControl>("pbMatrix"))
        matrix->Invalidate();
}

qx::ChannelCurve FormFiller::curveOf(int c) const
{
    qx::ChannelCurve curve;
    const bool input = c < kOutputFirst;
    for (const qx::PeqRowValues& row : peqRowsOf(c))
        curve.bands.push_back(curveBandOf(row));
    const std::span<const float> coefficients(form_.FirCoeffs[static_cast<std::size_t>(c)].data(),
                                              static_cast<std::size_t>(form_.FirTaps[static_cast<std::size_t>(c)]));
    qx::CurveFir& fir = curve.fir;
    if (input) {
        if (!unit_.GetInFirBypass(c)) {
            fir.kind = qx::CurveFir::Kind::Coefficients;
            fir.coefficients = coefficients;
        }
        return curve;
    }
    const qx::OutputFilter filter = unit_.GetOutputFilter(c);
    if (filter.mode == kModeIir)
        return curve;
    if (filter.fir.type >= kFirDesignedFirst && filter.fir.type <= kFirDesignedLast) {
        fir.kind = qx::CurveFir::Kind::Designed;
        fir.type = filter.fir.type;
        fir.window = std::min<int>(filter.fir.window, kFirWindowMax);
        fir.lowCutHz = IndexToFreq(filter.fir.lowCut);
        fir.highCutHz = IndexToFreq(filter.fir.highCut);
        fir.taps = std::min<int>(filter.fir.taps, kTapsIndexMax) * 32 + 256;
    } else if (filter.fir.type == kFirCoefficients) {
        fir.kind = qx::CurveFir::Kind::Coefficients;
        fir.coefficients = coefficients;
    }
    return curve;
}

} // namespace

void TfmMain::LoadUnitToForm()
{
    if (!UnitControl)
        return;
    ClearPeqSelection();
    FormFiller filler(*this, *UnitControl);
    {
        BusyScope busy(Busy);
        filler.showPreset();
        for (int c = 0; c < qx::kChannelCount; ++c)
            OverlayRefreshMasks[static_cast<std::size_t>(c)] = c < kOutputFirst ? kInputGraphMask : kOutputGraphMask;
        OverlayRefreshMasks[kOverviewInput] = kOverviewMask;
        OverlayRefreshMasks[kOverviewOutput] = kOverviewMask;
        FirTapsInUse = 0;
        for (int c = kInputFirst; c < kOutputFirst; ++c)
            filler.showInput(c);
        for (int c = kOutputFirst; c < qx::kChannelCount; ++c)
            filler.showOutput(c);
        filler.showDelayUnit();
        filler.showIoSelect();
        filler.repaintMatrix();
    }
    for (int c = 0; c < qx::kChannelCount; ++c)
        if (Plots[static_cast<std::size_t>(c)])
            qx::drawChannelCurve(*Plots[static_cast<std::size_t>(c)], c, filler.curveOf(c));
}
