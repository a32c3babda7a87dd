#pragma once
// Shows the whole unit-state record in a window's controls, then rebuilds
// the channel curves.

class LUnitControl;
class TComponent;

namespace qx {

class UnitShowHost;

// Works out the unit view of the record and writes it into the window's
// controls with the busy flag set; then the FIR counts, taps in use and
// overlay marks go to the host and every channel curve is drawn again. A
// control the window lacks ends the showing there, the busy flag cleared and
// no curve drawn: false.
bool showUnitState(const TComponent& window, UnitShowHost& host, const LUnitControl& unit);

} // namespace qx
