#pragma once

namespace qx {

/// Registers the Vr controls, their enumerations and published properties (once).
void registerVrClasses();

} // namespace qx
