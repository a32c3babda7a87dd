#pragma once
// Writes the unit view's rows into a window's controls, found by their
// composed names, in order. The writing ends at a row whose control is
// missing, or is of a class that cannot show its value: that row and the
// ones after it are not written.

#include "model/UnitView.h"

#include <span>

class TComponent;

namespace qx {

// False when it ended at a missing control.
bool writeShownRows(const TComponent& window, std::span<const ShownRow> rows);

} // namespace qx
