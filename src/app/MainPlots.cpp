#include "app/MainPlots.h"

#include "response/Plot.h"

void qx::PlotDeleter::operator()(Plot* plot) const { delete plot; }

qx::PlotPtr qx::makeMagnitudePlot()
{
    PlotPtr plot(new Plot());
    plot->SetPhaseMode(0);
    return plot;
}
