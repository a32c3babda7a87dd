#pragma once
// TiPlot: the Y-T plot control. It differs from the X-Y plot in the class of its channels
// (TiPlotChannel) and in adding its default objects inside an update bracket.

#include "controls/plot/plot/iPlotComponent.h"

class TiPlot : public TiPlotComponent
{
public:
    explicit TiPlot(TComponent* AOwner);
    /// The channel at Index (std::out_of_range for a bad index).
    TiPlotChannelCustom& GetChannel(int Index) const;
};
