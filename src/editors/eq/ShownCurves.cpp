#include "editors/eq/ShownCurves.h"

#include "platform/gui/canvas/Colors.h"
#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

#include <algorithm>

namespace {

constexpr int kBypassTextSize = 60;

void setFirSection(PlotSection& section, const qx::CurveFir& fir, std::span<const float> buffer)
{
    static const float kImpulse = 1.0F;
    const std::span<const float> impulse(&kImpulse, 1);
    switch (fir.kind) {
    case qx::CurveFir::Kind::Designed:
        section.SetFirDesign(fir.type, fir.window, fir.lowCutHz, fir.highCutHz, fir.taps);
        break;
    case qx::CurveFir::Kind::Coefficients: {
        const auto count = std::min(buffer.size(), static_cast<std::size_t>(std::max(fir.coefficients, 0)));
        section.SetFirCoefficients(count == 0 ? impulse : buffer.first(count));
        break;
    }
    case qx::CurveFir::Kind::Flat:
        section.SetFirCoefficients(impulse);
        break;
    }
}

} // namespace

void qx::drawChannelCurve(Plot& plot, int channel, const ChannelCurve& curve, std::span<const float> buffer)
{
    const int bands = std::min(static_cast<int>(curve.bands.size()), Plot::kPeqSections);
    for (int b = 0; b < bands; ++b) {
        const CurveBand& band = curve.bands[static_cast<std::size_t>(b)];
        plot.section(b).SetPeq(band.gainDb, band.frequencyHz, band.q, band.filterCode);
    }
    const bool input = channel < kInputCount;
    setFirSection(plot.section(input ? Plot::kHighPassSection : Plot::kOutputFirSection), curve.fir, buffer);
    plot.DrawSum(channel);
    if (auto* graph = dynamic_cast<LMyFFTDrawHpLp6dB*>(plot.graph()))
        graph->UpdateCurvePage();
}

void qx::showBypassText(LMyFFTDrawHpLp6dB& graph, bool bypassed)
{
    graph.DrawTextA(graph.Width() / 3, graph.Height() / 4, kBypassTextSize, clBtnFace, "Times New Roman",
                    bypassed ? "BYPASS" : "");
}
