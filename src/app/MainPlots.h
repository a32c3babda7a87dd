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

} // namespace qx
