#pragma once
// The main window's response models, owned through a deleter so the
// window's header needs no response-layer header.

#include <memory>

class Plot;
class TControl;

namespace qx {

struct PlotDeleter
{
    void operator()(Plot* plot) const;
};
using PlotPtr = std::unique_ptr<Plot, PlotDeleter>;

// A new response model in magnitude view, drawn on graph when it is a
// response graph.
PlotPtr makeMagnitudePlot(TControl* graph = nullptr);

// The first points of the three transfer plots (input dB, output dB): the curve on channel 0
// and the threshold marker on channel 1, as many points as every later drawing replaces.
// A control that is no X-Y plot is left alone.
void seedTransferPlots(TControl* comp, TControl* limit, TControl* gate);

} // namespace qx
