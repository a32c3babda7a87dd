#pragma once
// TiPlot: the Y-T plot control. It differs from the X-Y plot in the class of its channels
// (TiPlotChannel) and in adding its default objects inside an update bracket.

#include "controls/plot/objects/iPlotChannel.h"
#include "controls/plot/plot/iPlotComponent.h"

class TiPlot : public TiPlotComponent
{
public:
    explicit TiPlot(TComponent* AOwner);
    /// The channel at Index (the list's index error for a bad index, std::bad_cast for a
    /// channel of another class).
    TiPlotChannel& GetChannel(int Index) const;
};
