// The main window's part in showing the unit state and the meters: the
// editors' binder does the work; the window lends its controls and state.

#include "app/FMain.h"

#include <array>
#include <span>

#include "editors/UnitShow.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/FLinkSel.h"
#include "editors/channel/FTest.h"
#include "editors/channel/MeterShow.h"
#include "model/LUnitControl.h"
#include "response/Plot.h"

namespace {

// The channel sums set over and over by a load, drawn on their graphs
// once more at the end of the scope (the first drawing of each stays where it was).
class SumDrawingHold
{
public:
    explicit SumDrawingHold(std::span<const qx::PlotPtr> plots) : plots_(plots)
    {
        for (const qx::PlotPtr& plot : plots_)
            if (plot)
                plot->HoldSumDrawing();
    }
    ~SumDrawingHold()
    {
        for (const qx::PlotPtr& plot : plots_)
            if (plot)
                plot->ReleaseSumDrawing();
    }
    SumDrawingHold(const SumDrawingHold&) = delete;
    SumDrawingHold& operator=(const SumDrawingHold&) = delete;

private:
    std::span<const qx::PlotPtr> plots_;
};

} // namespace

void TfmMain::LoadUnitToForm()
{
    if (!UnitControl)
        return;
    if (!fillSections())
        return;
    if (CurrentPage == kPageGain)
        RefreshGainOverlays();
    else
        RefreshChannelOverlays(CurrentPage);
    for (int c = qx::kInputCount; c < qx::kChannelCount; ++c)
        UpdateOutputFirPanel(c);
    if (!Initialising) {
        GateEdit().DrawCurve(0);
        PlotCompCurve(qx::kInputCount);
        PlotLimitCurve(qx::kInputCount);
    }
}

// The controls and every channel's sections, band 0 selected; each graph
// in sight draws its sum once more at the end.
bool TfmMain::fillSections()
{
    const SumDrawingHold hold(Plots);
    ClearPeqSelection();
    if (!qx::showUnitState(*this, *this, *UnitControl))
        return false;
    showLinksAndDelayLines();
    std::array<TControl*, qx::kChannelCount> graphs{};
    for (int c = 0; c < qx::kChannelCount; ++c)
        graphs[static_cast<std::size_t>(c)] = control("fftDraw" + qx::channelSuffix(c));
    for (TControl* graph : graphs)
        UpdatePeqSections(graph);
    for (int c = qx::kInputCount; c < qx::kChannelCount; ++c) {
        UpdateHighPassSection(graphs[static_cast<std::size_t>(c)]);
        UpdateLowPassSection(graphs[static_cast<std::size_t>(c)]);
    }
    for (TControl* graph : graphs)
        UpdateFirSection(graph);
    RebuildPeqCurves();
    return true;
}

// The link dialog's grid and the menu buttons' link captions from the
// stored masks and the test dialog's signal (once the dialogs exist), and
// every delay line drawn to its marker; still busy, as the rest of the fill.
void TfmMain::showLinksAndDelayLines()
{
    SetBusy(true);
    if (fmTest)
        fmTest->ShowModel(UnitControl->GetTestSignalKind(), UnitControl->GetTestSineIndex(),
                          UnitControl->GetTestAttenuation());
    if (fmLinkSel) {
        for (int c = 0; c < qx::kChannels; ++c)
            fmLinkSel->ShowLinkMask(c, UnitControl->GetLinkMask(c));
        fmLinkSel->ApplyGroupHeads();
        fmLinkSel->ApplyLinkCaptions();
    }
    for (int c = 0; c < qx::kChannels; ++c)
        DrawDelayLine(c);
    SetBusy(false);
}

void TfmMain::SetFirTaps(const qx::FirCounts& counts, int inUse)
{
    FirTaps = counts;
    FirTapsReserved = inUse;
}

Plot* TfmMain::ChannelPlot(int channel)
{
    return channel >= 0 && channel < kPlotCount ? Plots[static_cast<std::size_t>(channel)].get() : nullptr;
}

bool TfmMain::IsDynamicsArmed(int output, bool limiter) const { return qx::isDynamicsArmed(*this, output, limiter); }

void TfmMain::ShowMeters(const qx::MeterFrame& frame)
{
    qx::showMeters(*this, frame, {ShownGateInput, ShownCompOutput, ShownLimitOutput});
}

void TfmMain::ClearMeters() { qx::clearMeters(*this); }
