#include "controls/plot/plot/iPlot.h"

#include "controls/plot/plot/iPlotDefaults.h"

TiPlot::TiPlot(TComponent* AOwner) : TiPlotComponent(AOwner)
{
    BeginUpdate();
    try {
        Master().SetChannelClass("TiPlotChannel");
        AddDefaultObjects(*this);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TiPlotChannel& TiPlot::GetChannel(int Index) const
{
    return dynamic_cast<TiPlotChannel&>(*Master().ChannelManager()->GetItem(Index));
}
