#include "controls/plot/plot/iXYPlot.h"

#include "controls/plot/plot/iPlotDefaults.h"

TiXYPlot::TiXYPlot(TComponent* AOwner) : TiPlotComponent(AOwner)
{
    Master().SetChannelClass("TiXYPlotChannel");
    AddDefaultObjects(*this);
}

TiXYPlotChannel& TiXYPlot::GetChannel(int Index) const
{
    return dynamic_cast<TiXYPlotChannel&>(*Master().ChannelManager()->GetItem(Index));
}
