#pragma once
// TiXYPlot: the X-Y plot control. Its channels are TiXYPlotChannel (free X and Y per point);
// made in code it holds a toolbar, a legend, an X and a Y axis, a channel, a data view, a
// data cursor and the title label.

#include "controls/plot/objects/iXYPlotChannel.h"
#include "controls/plot/plot/iPlotComponent.h"

class TiXYPlot : public TiPlotComponent
{
public:
    explicit TiXYPlot(TComponent* AOwner);
    /// The X-Y channel at Index: std::out_of_range for a bad index, std::bad_cast for a
    /// channel of another class.
    TiXYPlotChannel& GetChannel(int Index) const;
};
