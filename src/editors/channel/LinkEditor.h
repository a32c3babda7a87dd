#pragma once
// Link groups seen from the main window: the group of a channel, the copy
// of one channel's settings onto another (by the processor while connected,
// else in the model), the end of a link change, and the channel menu
// buttons' captions, which tell a member of a group by "member=head"
// (C=A, 3=1).

#include <cstdint>

class TComponent;

namespace qx {

class ChannelEditorHost;

// Where an offline copy goes: into every member of the target's group, or
// into the target alone (a member that joins a group).
enum class CopyTargets
{
    Group,
    TargetOnly
};

class LinkEditor
{
public:
    LinkEditor(const TComponent& window, ChannelEditorHost& host);

    // Channel c's group, side-relative (bit n: input n, or output n + 1).
    std::uint16_t LinkGroupMask(int channel) const;
    // Source's settings onto the target of the same side; with `reload` the
    // model is shown again (online: once the processor has acknowledged and
    // its state is loaded again). The FIR tap budget is asked first for the
    // change of the tap rule times the channels reached (the target's group,
    // or the target alone); false when the copy was refused.
    bool CopyChannel(int source, int target, bool reload, CopyTargets targets = CopyTargets::Group);
    // Online: the processor's state is loaded again once it acknowledges a
    // status poll; offline: the model is shown again.
    void FinishLinkChange();
    // The menu button of c: its own name when c = head, else "member=head".
    void ShowLinkCaption(int head, int channel);

private:
    const TComponent& window_;
    ChannelEditorHost& host_;
};

} // namespace qx
