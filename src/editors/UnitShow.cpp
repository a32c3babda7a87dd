#include "editors/UnitShow.h"

#include "controls/skinned/AdvTrackBar.h"
#include "editors/ShownRows.h"
#include "editors/UnitShowHost.h"
#include "model/ControlNames.h"
#include "model/UnitView.h"
#include "platform/gui/Control.h"

#include <string>

namespace qx {

namespace {

// Unit-wide overlay refresh marks: every channel of the side.
constexpr int kInputGraphMask = 0x0F;
constexpr int kOutputGraphMask = 0xFF;
constexpr int kOverviewMask = 0xFFF;

// Sets the busy flag for the lifetime of the scope.
class BusyScope
{
public:
    explicit BusyScope(UnitShowHost& host) : host_(host) { host_.SetBusy(true); }
    ~BusyScope() { host_.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    UnitShowHost& host_;
};

// The positions the gate faders hold: the record keeps no gate values.
GatePositions gatePositions(const TComponent& window, int c)
{
    static constexpr std::array<const char*, 4> kFields = {"Threshold", "Attack", "Release", "Hold"};
    GatePositions gate;
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (auto* fader = findComponent<TAdvTrackBar>(window, std::string("isGate") + kFields[i] + channelSuffix(c)))
            gate[i] = fader->Position();
    return gate;
}

UnitViewInputs viewInputs(const TComponent& window, const UnitShowHost& host)
{
    UnitViewInputs in;
    in.currentPreset = host.ShownPreset();
    in.initialising = host.IsInitialising();
    in.firCounts = host.FirTapCounts();
    for (int c = 0; c < kInputCount; ++c)
        in.gates[static_cast<std::size_t>(c)] = gatePositions(window, c);
    in.translate = [&host](std::string_view id) { return std::string(host.Translate(id)); };
    return in;
}

OverlayMasks wholeStateMasks()
{
    OverlayMasks masks{};
    for (int c = 0; c < kChannelCount; ++c)
        masks[static_cast<std::size_t>(c)] = c < kInputCount ? kInputGraphMask : kOutputGraphMask;
    masks[kChannelCount] = kOverviewMask;
    masks[kChannelCount + 1] = kOverviewMask;
    return masks;
}

} // namespace

bool showUnitState(const TComponent& window, UnitShowHost& host, const LUnitControl& unit)
{
    const UnitView view(unit, viewInputs(window, host));
    {
        BusyScope busy(host);
        host.SetOverlayMasks(wholeStateMasks());
        host.SetFirTaps(view.firCounts(), view.firTapsInUse());
        if (!writeShownRows(window, view.rows()))
            return false;
        for (int c = 0; c < kChannelCount; ++c)
            host.MarkCurveChanged(c);
        if (auto* matrix = findComponent<TControl>(window, "pbMatrix"))
            matrix->Invalidate();
    }
    return true;
}

} // namespace qx
