#pragma once
// The delay editors of every channel on the delay page: the delay fader
// with its value box, the marker on the channel's delay line with its time
// label and trail of dashes (the marker can be dragged along the line), and
// the delay unit buttons. A change is stored in the model for the channel's
// link group, sent unless the busy flag is set, and shown on the controls of
// the group's other members. For 100 ms after a delay fader gets the focus
// (the window's timer tmSlider) any move of a delay fader is turned back to
// the stored delay. Every handler finds its controls by composed names and
// does nothing when one is missing.

class TComponent;
class TObject;

namespace qx {

class ChannelEditorHost;

class DelayEditor
{
public:
    DelayEditor(const TComponent& window, ChannelEditorHost& host);

    void FaderChange(TObject* sender);
    // A delay fader got the focus: the change guard starts.
    void FaderEnter(TObject* sender);
    // The guard's one tick ends it.
    void GuardTimer();
    // Enter or leaving the box: the typed delay becomes the fader's position;
    // a box whose text is the one last written is left alone.
    void CommitBox(TObject* sender);
    void LineMouseDown(TObject* sender, int x, int y);
    void LineMouseMove(TObject* sender, int x, int y);
    void LineMouseUp();
    // A delay unit button (Tag 0 ms, 1 m, 2 ft) was pressed.
    void UnitClick(TObject* sender);

    // Samples n on the controls and delay line of every member of c's
    // group; the markers go to `markerLeft`.
    void ShowLinkedDelay(int channel, int samples, int markerLeft);
    // Channel c's time label beside its marker and the dashes up to it.
    void DrawDelayLine(int channel);

    bool Dragging() const { return dragging_; }

private:
    const TComponent& window_;
    ChannelEditorHost& host_;
    bool dragging_ = false;
};

} // namespace qx
