#include "editors/eq/GraphViewEditor.h"

#include "codec/ValueScales.h"
#include "editors/eq/EqEditorHost.h"
#include "editors/eq/PeqEditor.h"
#include "model/ControlNames.h"
#include "model/FirTapRule.h"
#include "model/LUnitControl.h"
#include "platform/gui/RadioButton.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"

#include <algorithm>
#include <span>

namespace qx {

namespace {

constexpr TColor kChosenFont = 0x00FFFF; // yellow
constexpr TColor kOtherFont = 0xC0C0C0;  // silver
constexpr int kContentEqFir = 0;
constexpr int kContentFir = 1;

struct Axis
{
    int horizontalLines;
    const char* label;
    double labelScale;
};
constexpr Axis kMagnitudeAxis{11, "dB", 1.0};
// The phase is kept in tenths of degrees: the same -18..18 axis reads degrees.
constexpr Axis kPhaseAxis{7, "", 10.0};
constexpr double kAxisTop = 18.0;
constexpr double kAxisBottom = -18.0;

void setFontColour(TControl& control, TColor colour)
{
    TFont font = control.Font();
    font.Color = colour;
    control.SetFont(font);
}

template <class T>
T* partner(const TComponent& window, const char* prefix, int channel)
{
    return findComponent<T>(window, prefix + channelSuffix(channel));
}

void flatten(PlotSection& section) { section.SetBiquad(0.0, 1000.0, 0.71, kFilterFlat, 0.0F, 0.0F); }

} // namespace

GraphViewEditor::GraphViewEditor(const TComponent& window, EqEditorHost& host, PendingFirDesigns& pending,
                                 const FirBuffers& buffers, const FirCounts& counts)
    : window_(window), host_(host), pending_(pending), buffers_(buffers), counts_(counts)
{
}

void GraphViewEditor::MagnitudeView(TObject* sender) { showView(sender, false); }
void GraphViewEditor::PhaseView(TObject* sender) { showView(sender, true); }

void GraphViewEditor::showView(TObject* sender, bool phase)
{
    auto* radio = dynamic_cast<TControl*>(sender);
    if (!radio)
        return;
    const int c = radio->Tag();
    Plot* plot = host_.ChannelPlot(c);
    if (!plot)
        return;
    plot->SetPhaseMode(phase ? 1 : 0);
    auto* graph = partner<LMyFFTDrawHpLp6dB>(window_, "fftDraw", c);
    auto* grid = partner<TMyPEQType8>(window_, "peqPeq", c);
    auto* box = partner<TControl>(window_, "rzgFft", c);
    auto* other = partner<TRadioButton>(window_, phase ? "rbShowGain" : "rbShowPhase", c);
    if (!graph || !grid || !box || !other)
        return;
    if (c >= kInputCount) {
        host_.UpdateFirSection(graph);
        host_.UpdateHighPassSection(graph);
        host_.UpdateLowPassSection(graph);
    } else {
        host_.UpdateFirSection(graph);
    }
    host_.UpdatePeqSections(graph);
    setFontColour(*radio, kChosenFont);
    setFontColour(*other, kOtherFont);
    const Axis& axis = phase ? kPhaseAxis : kMagnitudeAxis;
    graph->SetNumHorzGrid(axis.horizontalLines);
    graph->SetYLabel(axis.label);
    graph->SetYLabelScale(axis.labelScale);
    graph->SetYMax(kAxisTop);
    graph->SetYMin(kAxisBottom);
    showCurrentBandCurve(*plot, *grid);
    graph->UpdateCurvePage();
    box->Repaint();
    host_.MarkCurveChanged(c);
    host_.RefreshChannelOverlays(c);
}

void GraphViewEditor::ContentChange(TObject* sender)
{
    auto* radio = dynamic_cast<TControl*>(sender);
    if (!radio)
        return;
    const int c = radio->Tag();
    auto* eq = partner<TRadioButton>(window_, "rbShowEq", c);
    auto* fir = partner<TRadioButton>(window_, "rbShowFir", c);
    auto* both = partner<TRadioButton>(window_, "rbShowEqFir", c);
    auto* magnitude = partner<TRadioButton>(window_, "rbShowGain", c);
    auto* phase = partner<TRadioButton>(window_, "rbShowPhase", c);
    if (!eq || !fir || !both || !magnitude || !phase)
        return;
    const int content = radio->HelpContext();
    setFontColour(*both, content == kContentEqFir ? kChosenFont : kOtherFont);
    setFontColour(*fir, content == kContentFir ? kChosenFont : kOtherFont);
    setFontColour(*eq, content != kContentEqFir && content != kContentFir ? kChosenFont : kOtherFont);
    // The view's own font stays as it is: the handlers are run with the
    // content radio as the sender.
    if (magnitude->Checked())
        MagnitudeView(sender);
    else
        PhaseView(sender);
}

void GraphViewEditor::UpdateFirSection(TObject* sender)
{
    auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(sender);
    if (!graph)
        return;
    const int c = graph->Tag();
    Plot* plot = host_.ChannelPlot(c);
    if (!plot || c < 0 || c >= kChannelCount)
        return;
    const auto& buffer = buffers_[static_cast<std::size_t>(c)];
    const int count = coefficientCount(counts_[static_cast<std::size_t>(c)]);
    const std::span<const float> coefficients(buffer.data(), static_cast<std::size_t>(count));
    LUnitControl& unit = host_.Unit();
    if (c >= kInputCount) {
        auto* eqOnly = partner<TRadioButton>(window_, "rbShowEq", c);
        if (!eqOnly || !partner<TControl>(window_, "rzcMode", c))
            return;
        const OutputFilter filter = unit.GetOutputFilter(c);
        // A design chosen in the FIR controls but not applied is dropped.
        pending_[static_cast<std::size_t>(c - kInputCount)] = filter.fir;
        PlotSection& section = plot->section(Plot::kOutputFirSection);
        if (filter.mode == kOutputModeIir || filter.fir.type == kFirDesignTypeBypass || eqOnly->Checked())
            flatten(section);
        else if (filter.fir.type >= kFirDesignTypeCoefficients)
            section.SetFirCoefficients(coefficients);
        else
            section.SetFirDesign(filter.fir.type, filter.fir.window, IndexToFreq(filter.fir.lowCut),
                                 IndexToFreq(filter.fir.highCut), designedFirTaps(filter.fir.taps));
    } else {
        auto* eqOnly = partner<TRadioButton>(window_, "rbShowEq", c);
        if (!eqOnly)
            return;
        PlotSection& section = plot->section(Plot::kHighPassSection);
        if (unit.GetInFirBypass(c) || eqOnly->Checked())
            flatten(section);
        else
            section.SetFirCoefficients(coefficients);
    }
    plot->DrawSum(c);
    graph->UpdateCurvePage();
}

} // namespace qx
