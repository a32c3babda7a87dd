#pragma once
// Shows the whole unit-state record in a window's controls; the window then
// rebuilds the channel curves from them.

class LUnitControl;
class TComponent;

namespace qx {

class UnitShowHost;

// Works out the unit view of the record and writes it into the window's
// controls with the busy flag set; the FIR counts, taps in use and overlay
// marks go to the host. A control the window lacks ends the showing there,
// the busy flag cleared: false (the window then rebuilds no curve).
bool showUnitState(const TComponent& window, UnitShowHost& host, const LUnitControl& unit);

} // namespace qx
