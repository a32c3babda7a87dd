#pragma once

namespace qx {
/// Publishes the plot component, its objects and the two plot controls for the layouts.
void registerPlotClasses();
/// Publishes the plot component's own properties and object collections.
void registerPlotComponentProperties();
} // namespace qx
