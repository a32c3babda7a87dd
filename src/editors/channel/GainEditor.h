#pragma once
// The gain, polarity and mute editors of every channel: the gain fader with
// its value box, the polarity and mute buttons on the channel's page, and
// their twins on the gain page. A change on either twin is copied to the
// other, stored in the model for the channel's link group (gain and
// polarity; mute belongs to the channel alone), sent unless the busy flag is
// set, and shown on the controls of the group's other members. Every handler
// finds its controls by composed names and does nothing when one is missing.

class TComponent;
class TObject;

namespace qx {

class ChannelEditorHost;

// The channel page's controls, or their twins on the gain page.
enum class GainSide
{
    ChannelPage,
    GainPage
};

class GainEditor
{
public:
    GainEditor(const TComponent& window, ChannelEditorHost& host);

    void FaderChange(TObject* sender, GainSide side);
    // Enter or leaving the box: the typed gain becomes the fader's position.
    void CommitBox(TObject* sender, GainSide side);
    void PhaseClick(TObject* sender, GainSide side);
    // The channel page's button takes its channel from the page in front.
    void MuteClick(TObject* sender, GainSide side);

    // Fader position p on both faders and boxes of every member of c's group.
    void ShowLinkedGain(int channel, int position);
    // Both polarity buttons and captions of every member of c's group.
    void MirrorPhaseToLinked(int channel, bool inverse);

private:
    const TComponent& window_;
    ChannelEditorHost& host_;
};

} // namespace qx
