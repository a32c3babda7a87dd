#pragma once
// The gate editors of every input: threshold, attack, release and hold
// faders with their value boxes. A change is shown in its box, on the other
// members of the input's link group, and at once as the input's transfer
// curve. The gate has no place in the unit-state record and no command: its
// settings live in the controls alone. A mouse-down on an input's label or
// gate controls shows its curve. Every handler finds its controls by
// composed names and does nothing when one is missing.

#include "editors/channel/DynamicsCurve.h"

#include <optional>
#include <string>

class TComponent;
class TObject;

namespace qx {

class ChannelEditorHost;

enum class GateField
{
    Threshold,
    Attack,
    Release,
    Hold
};

class GateEditor
{
public:
    GateEditor(const TComponent& window, ChannelEditorHost& host);

    void FaderChange(TObject* sender, GateField which);
    // Enter or leaving the box: the typed value becomes the fader's position.
    void CommitBox(TObject* sender, GateField which);
    void MouseDown(TObject* sender);

    // The value on the fader and box of every member of the channel's group.
    void ShowLinked(int channel, GateField which, int value);
    // The input's curve drawn, both captions written, the input made the shown one.
    void PlotCurve(int channel);
    // The curve the input's threshold fader stands for; none when it is missing.
    std::optional<TransferCurve> CurveOf(int channel) const;
    // The curve drawn and the plot's caption written, the header and the
    // shown input left alone; false when a control is missing.
    bool DrawCurve(int channel);

private:

    const TComponent& window_;
    ChannelEditorHost& host_;
};

} // namespace qx
