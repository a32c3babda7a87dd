// The main window's part in showing the unit state and the meters: the
// editors' binder does the work; the window lends its controls and state.

#include "app/FMain.h"

#include "editors/UnitShow.h"
#include "editors/channel/MeterShow.h"
#include "response/Plot.h"

void TfmMain::LoadUnitToForm()
{
    if (!UnitControl)
        return;
    ClearPeqSelection();
    if (!qx::showUnitState(*this, *this, *UnitControl))
        return;
    for (int c = 0; c < qx::kChannelCount; ++c)
        UpdatePeqSections(control("fftDraw" + qx::channelSuffix(c)));
    for (int c = qx::kInputCount; c < qx::kChannelCount; ++c) {
        UpdateHighPassSection(control("fftDraw" + qx::channelSuffix(c)));
        UpdateLowPassSection(control("fftDraw" + qx::channelSuffix(c)));
    }
    RebuildPeqCurves();
}

void TfmMain::SetFirTaps(const qx::FirCounts& counts, int inUse)
{
    FirTaps = counts;
    FirTapsInUse = inUse;
}

Plot* TfmMain::ChannelPlot(int channel)
{
    return channel >= 0 && channel < qx::kChannelCount ? Plots[static_cast<std::size_t>(channel)].get() : nullptr;
}

std::span<const float> TfmMain::FirCoefficients(int channel) const
{
    if (channel < 0 || channel >= qx::kChannelCount)
        return {};
    return FirCoeffs[static_cast<std::size_t>(channel)];
}

bool TfmMain::IsDynamicsArmed(int output, bool limiter) const { return qx::isDynamicsArmed(*this, output, limiter); }

void TfmMain::ShowMeters(const qx::MeterFrame& frame)
{
    qx::showMeters(*this, frame, {ShownGateInput, ShownCompOutput, ShownLimitOutput});
}

void TfmMain::ClearMeters() { qx::clearMeters(*this); }
