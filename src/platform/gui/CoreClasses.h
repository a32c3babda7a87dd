#pragma once

namespace qx {

/// Registers the published properties of the base classes (component,
/// control, windowed control, form, timer) and their enumerations. Safe to
/// call more than once; initApplication calls it.
void registerCoreClasses();

} // namespace qx
