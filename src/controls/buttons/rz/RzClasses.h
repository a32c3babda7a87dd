#pragma once

namespace qx {

/// Registers the Rz controls, their enumerations and published properties (once).
void registerRzClasses();

} // namespace qx
