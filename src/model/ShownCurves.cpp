#include "model/ShownCurves.h"

#include "platform/gui/canvas/Colors.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

#include <algorithm>

namespace {

constexpr int kBypassTextSize = 60;

void setFirSection(PlotSection& section, const qx::CurveFir& fir)
{
    static const float kImpulse = 1.0F;
    switch (fir.kind) {
    case qx::CurveFir::Kind::Designed:
        section.SetFirDesign(fir.type, fir.window, fir.lowCutHz, fir.highCutHz, fir.taps);
        break;
    case qx::CurveFir::Kind::Coefficients:
        section.SetFirCoefficients(fir.coefficients.empty() ? std::span<const float>(&kImpulse, 1)
                                                             : fir.coefficients);
        break;
    case qx::CurveFir::Kind::Flat:
        section.SetFirCoefficients(std::span<const float>(&kImpulse, 1));
        break;
    }
}

} // namespace

void qx::drawChannelCurve(Plot& plot, int channel, const ChannelCurve& curve)
{
    const int bands = std::min(static_cast<int>(curve.bands.size()), Plot::kPeqSections);
    for (int b = 0; b < bands; ++b) {
        const CurveBand& band = curve.bands[static_cast<std::size_t>(b)];
        plot.section(b).SetPeq(band.gainDb, band.frequencyHz, band.q, band.filterCode);
    }
    const bool input = channel < 4;
    setFirSection(plot.section(input ? Plot::kHighPassSection : Plot::kOutputFirSection), curve.fir);
    plot.DrawSum(channel);
    if (auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(plot.graph()))
        graph->UpdateCurvePage();
}

void qx::showBypassText(TControl* control, bool bypassed)
{
    auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(control);
    if (!graph)
        return;
    graph->DrawTextA(graph->Width() / 3, graph->Height() / 4, kBypassTextSize, clBtnFace, "Times New Roman",
                     bypassed ? "BYPASS" : "");
}
