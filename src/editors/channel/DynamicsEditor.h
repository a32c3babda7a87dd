#pragma once
// The compressor and limiter editors of every output: threshold, attack and
// release faders, ratio and knee up-downs, and a value box per parameter. A
// change is written into the output's record in the model for its link group
// (sent unless the busy flag is set), shown on the other members' controls,
// and the output's transfer curve is drawn at the next tick of the block's
// curve timer. A mouse-down on the output's controls or label shows its curve
// at once. Every handler finds its controls by composed names and does
// nothing when one is missing.

#include "editors/channel/ChannelEditorHost.h"
#include "editors/channel/DynamicsCurve.h"

#include <optional>
#include <string>

class TComponent;
class TObject;

namespace qx {

enum class DynamicsField
{
    Threshold,
    Attack,
    Release,
    Ratio,
    Knee
};

class DynamicsEditor
{
public:
    // block: Compressor or Limiter.
    DynamicsEditor(const TComponent& window, ChannelEditorHost& host, DynamicsBlock block);

    void FaderChange(TObject* sender, DynamicsField which);
    // The up-down's change before it is taken; it is never refused.
    void UpDownChanging(TObject* sender, DynamicsField which, int newValue);
    // Enter or leaving the box: the typed value becomes the partner's position.
    void CommitBox(TObject* sender, DynamicsField which);
    // A mouse-down on a control or label of an output.
    void MouseDown(TObject* sender);
    // The curve timer's tick: the output changed last is drawn.
    void CurveTimer();

    // Replaces one field of the output's record and stores it for the group.
    void SetParam(int channel, DynamicsField which, int value);
    // The value on the controls of every member of the channel's group (for
    // ratio and knee the changed output's own up-down is left alone).
    void ShowLinked(int channel, DynamicsField which, int value);
    // The output's curve drawn from its controls, the captions written and
    // the output made the shown one.
    void PlotCurve(int channel);
    // The curve the output's controls stand for; none when one is missing.
    std::optional<TransferCurve> CurveOf(int channel) const;

private:
    std::string name(const char* role, DynamicsField which) const;
    void changed(int channel, DynamicsField which, int value);

    const TComponent& window_;
    ChannelEditorHost& host_;
    DynamicsBlock block_;
    int pending_;
};

} // namespace qx
