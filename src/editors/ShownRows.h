#pragma once
// Writes the unit view's rows into a window's controls, found by their
// composed names. A row whose control is missing, or is of a class that
// cannot show its value, is left out and the next row is written.

#include "model/UnitView.h"

#include <span>

class TComponent;

namespace qx {

void writeShownRows(const TComponent& window, std::span<const ShownRow> rows);

} // namespace qx
