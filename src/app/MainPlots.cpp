#include "app/MainPlots.h"

#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"
#include "controls/plot/plot/iXYPlot.h"

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

void seed(TControl* control, const std::vector<std::pair<double, double>>& curve, std::pair<double, double> marker)
{
    auto* plot = dynamic_cast<TiXYPlot*>(control);
    if (!plot || plot->ChannelCount() < 2)
        return;
    for (const auto& [x, y] : curve)
        plot->GetChannel(0).AddXY(x, y);
    plot->GetChannel(1).AddXY(marker.first, marker.second);
}

} // namespace

void qx::seedTransferPlots(TControl* comp, TControl* limit, TControl* gate)
{
    for (TControl* plot : {comp, limit})
        seed(plot, {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {19.8, 20.4});
    seed(gate, {{20, 20}, {-90, -90}, {-90, -100}}, {-89.8, -90.4});
}
