#include "app/MainPlots.h"

#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "controls/plot/plot/iXYPlot.h"

#include <algorithm>
#include <utility>
#include <vector>

void qx::PlotDeleter::operator()(Plot* plot) const { delete plot; }

qx::PlotPtr qx::makeMagnitudePlot(TControl* graph)
{
    PlotPtr plot(new Plot(dynamic_cast<LMyFFTDrawHpLp6dB*>(graph)));
    plot->SetPhaseMode(0);
    return plot;
}

namespace {

// Replaces the points drawn before (as many as the new ones; fewer when the
// channel holds fewer) by the curve on channel 0 and the marker on channel 1.
void replacePoints(TControl* control, const std::vector<std::pair<double, double>>& curve, std::pair<double, double> marker)
{
    auto* plot = dynamic_cast<TiXYPlot*>(control);
    if (!plot || plot->ChannelCount() < 2)
        return;
    TiXYPlotChannel& line = plot->GetChannel(0);
    TiXYPlotChannel& point = plot->GetChannel(1);
    line.DeletePoints(std::min(line.Count(), static_cast<int>(curve.size())));
    point.DeletePoints(std::min(point.Count(), 1));
    for (const auto& [x, y] : curve)
        line.AddXY(x, y);
    point.AddXY(marker.first, marker.second);
}

} // namespace

void qx::seedTransferPlots(TControl* comp, TControl* limit, TControl* gate)
{
    for (TControl* plot : {comp, limit})
        replacePoints(plot, {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {19.8, 20.4});
    replacePoints(gate, {{20, 20}, {-90, -90}, {-90, -100}}, {-89.8, -90.4});
}

void qx::drawGateCurve(TControl* gate, double threshold)
{
    replacePoints(gate, {{20, 20}, {threshold, threshold}, {threshold, -100}}, {threshold + 0.2, threshold - 0.4});
}
