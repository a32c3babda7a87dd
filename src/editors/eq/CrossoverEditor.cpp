#include "editors/eq/CrossoverEditor.h"

#include "codec/ValueScales.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/eq/EqEditorHost.h"
#include "editors/eq/PeqEditor.h"
#include "model/ControlNames.h"
#include "model/LUnitControl.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Timer.h"
#include "platform/gui/UpDown.h"
#include "platform/text/Format.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

#include <string>

namespace qx {

namespace {

constexpr int kModeFirOnly = 1;
constexpr int kTopSlope = 20; // "LR -48", the lists' item at start
// The PEQ type whose text names the side's total: "HP -6dB" and "LP -6dB".
constexpr int kHighPassText = 5;
constexpr int kLowPassText = 3;

bool highPass(CrossoverSide side) { return side == CrossoverSide::HighPass; }
std::string sideName(CrossoverSide side) { return highPass(side) ? "LowCut" : "HighCut"; }

template <class T>
T* sideControl(const TComponent& window, const std::string& role, CrossoverSide side, int channel)
{
    const std::size_t at = role.find('*');
    return findComponent<T>(window, role.substr(0, at) + sideName(side) + role.substr(at + 1) + channelSuffix(channel));
}

bool validChannel(int c) { return c >= 0 && c < kChannelCount; }

// The record with the side's cut-off and slope replaced.
OutputFilter withSide(OutputFilter filter, CrossoverSide side, int position, int slope)
{
    if (highPass(side)) {
        filter.highPassFrequency = static_cast<std::uint16_t>(position);
        filter.highPassSlope = static_cast<std::uint8_t>(slope);
    } else {
        filter.lowPassFrequency = static_cast<std::uint16_t>(position);
        filter.lowPassSlope = static_cast<std::uint8_t>(slope);
    }
    return filter;
}

} // namespace

CrossoverEditor::CrossoverEditor(const TComponent& window, EqEditorHost& host) : window_(window), host_(host)
{
    for (auto& side : lastSlope_)
        side.fill(kTopSlope);
}

int CrossoverEditor::SlopeCode(int c, CrossoverSide side, bool bypassed, int item)
{
    auto& last = lastSlope_[highPass(side) ? 1 : 0][static_cast<std::size_t>(c)];
    if (item >= 0)
        last = static_cast<std::uint8_t>(item + 1);
    else if (const OutputFilter stored = host_.Unit().GetOutputFilter(c);
             (highPass(side) ? stored.highPassSlope : stored.lowPassSlope) != 0)
        last = highPass(side) ? stored.highPassSlope : stored.lowPassSlope;
    return bypassed ? 0 : last;
}

void CrossoverEditor::drawTotal(int c, CrossoverSide side, int slope, double f)
{
    // An input keeps no crossover and its graph's section 31 carries its FIR:
    // its cut-offs are sent but not drawn.
    Plot* plot = c >= kInputCount ? host_.ChannelPlot(c) : nullptr;
    if (!plot)
        return;
    computeCrossoverCurve(*plot, side, slope, f);
    plot->ShowSectionCurve(highPass(side) ? kHighPassText : kLowPassText,
                           highPass(side) ? Plot::kHighPassSection : Plot::kLowPassSection, 0.0F, 0.0F, true);
    plot->DrawSum(c);
    if (auto* graph = findComponent<LMyFFTDrawHpLp6dB>(window_, "fftDraw" + channelSuffix(c)))
        graph->UpdateCurvePage();
}

void CrossoverEditor::store(int c, CrossoverSide side, const OutputFilter& filter)
{
    if (highPass(side))
        host_.Unit().SetHighPass(c, filter);
    else
        host_.Unit().SetLowPass(c, filter);
}

void CrossoverEditor::CutoffChange(TObject* sender, CrossoverSide side)
{
    auto* fader = dynamic_cast<TAdvTrackBar*>(sender);
    if (!fader || host_.IsBusy())
        return;
    const int c = fader->Tag();
    auto* box = sideControl<TCurvyEdit>(window_, "cvd*Freq", side, c);
    auto* list = sideControl<TRzComboBox>(window_, "rzc*Slop", side, c);
    auto* bypass = sideControl<TRzBmpButton>(window_, "rzb*Bypass", side, c);
    if (!box || !list || !bypass || !validChannel(c))
        return;
    const int position = fader->Position();
    const auto f = static_cast<float>(IndexToFreq(position));
    box->SetText(f >= 1000.0F ? Format("%4.2fKHz", f / 1000.0F)
                              : Format(highPass(side) ? "%4.1fHz" : " %4.1fHz", f));
    const int slope = SlopeCode(c, side, bypass->Down(), list->ItemIndex());
    const OutputFilter filter = withSide(host_.Unit().GetOutputFilter(c), side, position, slope);
    if (filter.mode != kModeFirOnly)
        if (auto* timer = findComponent<TTimer>(window_, "tmHpLpCurve"))
            timer->SetEnabled(true);
    pending_ = {side, c, f, slope};
    store(list->Tag(), side, filter);
}

void CrossoverEditor::DeferCurve(int c, CrossoverSide side, float frequencyHz, int slope)
{
    if (auto* timer = findComponent<TTimer>(window_, "tmHpLpCurve"))
        timer->SetEnabled(true);
    pending_ = {side, c, frequencyHz, slope};
}

void CrossoverEditor::CurveTimer()
{
    if (auto* timer = findComponent<TTimer>(window_, "tmHpLpCurve"))
        timer->SetEnabled(false);
    drawTotal(pending_.channel, pending_.side, pending_.slopeCode, pending_.frequencyHz);
}

void CrossoverEditor::SlopeChange(TObject* sender, CrossoverSide side)
{
    auto* list = dynamic_cast<TRzComboBox*>(sender);
    if (!list)
        return;
    const int c = list->Tag();
    auto* fader = sideControl<TAdvTrackBar>(window_, "is*Freq", side, c);
    auto* bypass = sideControl<TRzBmpButton>(window_, "rzb*Bypass", side, c);
    if (!fader || !bypass || !validChannel(c))
        return;
    applyNow(c, side, fader->Position(), SlopeCode(c, side, bypass->Down(), list->ItemIndex()), true);
}

void CrossoverEditor::applyNow(int c, CrossoverSide side, int position, int slope, bool draw)
{
    const OutputFilter filter = withSide(host_.Unit().GetOutputFilter(c), side, position, slope);
    if (draw && filter.mode != kModeFirOnly)
        drawTotal(c, side, slope, IndexToFreq(position));
    if (!host_.IsBusy())
        store(c, side, filter);
}

void CrossoverEditor::BypassClick(TObject* sender, CrossoverSide side)
{
    auto* bypass = dynamic_cast<TRzBmpButton*>(sender);
    if (!bypass)
        return;
    const int c = bypass->Tag();
    auto* fader = sideControl<TAdvTrackBar>(window_, "is*Freq", side, c);
    auto* list = sideControl<TRzComboBox>(window_, "rzc*Slop", side, c);
    const bool output = c >= kInputCount;
    auto* firView = output ? findComponent<TRadioButton>(window_, "rbShowFir" + channelSuffix(c)) : nullptr;
    if (!fader || !list || !validChannel(c) || (output && !firView))
        return;
    applyNow(c, side, fader->Position(), SlopeCode(c, side, bypass->Down(), list->ItemIndex()),
             !(firView && firView->Checked()));
}

void CrossoverEditor::CommitCutoff(TObject* sender, CrossoverSide side)
{
    auto* box = dynamic_cast<TCurvyEdit*>(sender);
    if (!box)
        return;
    if (auto* fader = sideControl<TAdvTrackBar>(window_, "is*Freq", side, box->Tag()))
        commitTypedValue(*box, *fader, BandFader::Frequency);
}

void CrossoverEditor::QChanging(TObject* sender, int newValue, CrossoverSide side)
{
    auto* upDown = dynamic_cast<TUpDown*>(sender);
    if (host_.IsBusy() || !upDown || newValue < upDown->Min() || newValue > upDown->Max())
        return;
    const int c = upDown->Tag();
    auto* box = sideControl<TCurvyEdit>(window_, "cvd*Bw", side, c);
    if (!box || !validChannel(c))
        return;
    box->SetText(Format("%1.2f", IndexToQ(newValue)));
    const OutputFilter filter = host_.Unit().GetOutputFilter(c);
    const int position = highPass(side) ? filter.highPassFrequency : filter.lowPassFrequency;
    drawTotal(c, side, highPass(side) ? filter.highPassSlope : filter.lowPassSlope, IndexToFreq(position));
    if (!host_.IsBusy())
        store(c, side, filter);
}

void CrossoverEditor::UpdateSection(TObject* sender, CrossoverSide side)
{
    auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(sender);
    if (!graph)
        return;
    const int c = graph->Tag();
    Plot* plot = validChannel(c) ? host_.ChannelPlot(c) : nullptr;
    if (c < kInputCount || !plot)
        return;
    auto* firView = findComponent<TRadioButton>(window_, "rbShowFir" + channelSuffix(c));
    if (!firView)
        return;
    const OutputFilter filter = host_.Unit().GetOutputFilter(c);
    if (firView->Checked() || filter.mode == kModeFirOnly)
        flattenCrossover(*plot, side);
    else
        computeCrossoverCurve(*plot, side, highPass(side) ? filter.highPassSlope : filter.lowPassSlope,
                              IndexToFreq(highPass(side) ? filter.highPassFrequency : filter.lowPassFrequency));
    plot->DrawSum(c);
}

} // namespace qx
