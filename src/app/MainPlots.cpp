#include "app/MainPlots.h"

#include "response/LMyFFTDrawHpLp6dB.h"
#include "response/Plot.h"

void qx::PlotDeleter::operator()(Plot* plot) const { delete plot; }

qx::PlotPtr qx::makeMagnitudePlot(TControl* graph)
{
    PlotPtr plot(new Plot(dynamic_cast<LMyFFTDrawHpLp6dB*>(graph)));
    plot->SetPhaseMode(0);
    return plot;
}
