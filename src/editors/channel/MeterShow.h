#pragma once
// The meter poll's display: the level bars, the engagement indicators and
// the gain-reduction meters of the main window. Every control is found by
// its name on each update; a missing one ends the update where it stands.

#include "model/MeterView.h"

class TComponent;

namespace qx {

// The channels whose meters the gate, compressor and limiter pages also
// show in their shared bars.
struct MetersShownAlone
{
    int gateInput = 0;
    int compOutput = 0;
    int limitOutput = 0;
};

// Whether output i's (0-7) compressor or limiter can act: its ratio is not 0
// and its threshold fader is below its maximum.
bool isDynamicsArmed(const TComponent& window, int output, bool limiter);
void showMeters(const TComponent& window, const MeterFrame& frame, const MetersShownAlone& alone);
// Every bar and meter, the shared ones too, to 0.
void clearMeters(const TComponent& window);

} // namespace qx
