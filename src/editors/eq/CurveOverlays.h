#pragma once
// Curve overlays: a channel graph shows, beside its own curve, the summed
// curves of the other channels of its side that the user switches on with
// their LED buttons, and the two gain overview graphs show any chosen set of
// input or output curves. Each graph keeps a mask of the channels whose curve
// changed since it last copied them and copies only those, when it is shown.
// Also the show-all-EQ buttons and the hiding of a channel's overlay buttons
// after a link change.

#include "editors/UnitShowHost.h"

#include <string>

class TComponent;
class TObject;

namespace qx {

class EqEditorHost;

// The graphs that keep a mask: 0-11 the channel graphs, these two the overviews.
inline constexpr int kInputOverview = 12;
inline constexpr int kOutputOverview = 13;

class CurveOverlays
{
public:
    CurveOverlays(const TComponent& window, EqEditorHost& host, OverlayMasks& masks);

    // Channel c's summed curve changed: every graph of its side copies it again.
    void MarkCurveChanged(int channel);
    // Brings the overlays of channel graph g up to date (nothing for a page
    // that is not a channel page).
    void RefreshChannel(int graph);
    // Brings both overview graphs up to date.
    void RefreshOverviews();
    // An overlay button of graph g (0-13) was switched.
    void ToggleClick(TObject* sender, int graph);
    void ShowAllClick(TObject* sender);
    // Shows or hides every button that overlays channel c; hiding also takes
    // its curve off the graphs that showed it.
    void ShowButtons(int channel, bool visible);

private:
    const TComponent& window_;
    EqEditorHost& host_;
    OverlayMasks& masks_;
};

// The name of the button that overlays channel c on graph g (0-13).
std::string overlayButtonName(int channel, int graph);
// The section of graph g (0-13) that holds channel c's curve.
int overlaySection(int channel, int graph);

} // namespace qx
