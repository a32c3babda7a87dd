#pragma once
// The main window's response models. Kept apart from the model's headers:
// both the model and the response layer declare a `qx::FirSettings`, so no
// source file may include both.

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
