#pragma once
// The response controls: the two response graphs, the segmented level bar
// and the PEQ band grids.

namespace qx {
// Publishes every response control and its properties to the layouts; call
// once at start, after the standard classes.
void registerResponseControls();
} // namespace qx
