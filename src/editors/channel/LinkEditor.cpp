#include "editors/channel/LinkEditor.h"

#include "codec/CmMcs.h"
#include "editors/channel/ChannelControls.h"
#include "editors/channel/ChannelEditorHost.h"
#include "model/FirTapRule.h"
#include "model/LUnitControl.h"
#include "platform/gui/Control.h"
#include "platform/gui/Timer.h"

#include <string>
#include <vector>

namespace qx {

namespace {

constexpr std::uint8_t kCopyChannel = 0x2A;
constexpr std::uint8_t kStatusPoll = 0x12;

bool sameSide(int a, int b) { return (a < kInputChannels) == (b < kInputChannels); }

// "A" of InA, "3" of Out3.
std::string shortName(int c)
{
    const std::string s = channelSuffix(c);
    return s.substr(c < kInputChannels ? 2 : 3);
}

} // namespace

LinkEditor::LinkEditor(const TComponent& window, ChannelEditorHost& host) : window_(window), host_(host) {}

std::uint16_t LinkEditor::LinkGroupMask(int channel) const { return host_.Unit().GetLinkGroup(channel); }

bool LinkEditor::CopyChannel(int source, int target, bool reload, CopyTargets targets)
{
    if (source == target || !isChannelIndex(source) || !isChannelIndex(target) || !sameSide(source, target))
        return source == target;
    // The target takes the source's FIR, in every channel the copy reaches.
    LUnitControl& unit = host_.Unit();
    const int reached = targets == CopyTargets::Group ? unit.CountLinkedChannels(target) : 1;
    if (host_.ReserveFirTaps((firTapsInUse(unit, source) - firTapsInUse(unit, target)) * reached))
        return false;
    if (host_.IsConnected()) {
        // The processor copies; its acknowledgement reloads the state.
        if (reload)
            host_.ReloadStateOnAcknowledge();
        host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), kCopyChannel, static_cast<std::uint8_t>(source),
                                     static_cast<std::uint8_t>(target)),
                          true);
        return true;
    }
    const std::vector<int> members =
        targets == CopyTargets::Group ? linkGroupMembers(unit, target) : std::vector<int>{target};
    for (int m : members) {
        unit.CopyChannelRecord(source, m);
        host_.CopyFirCoefficients(source, m);
    }
    if (reload)
        host_.LoadUnitToForm();
    return true;
}

void LinkEditor::FinishLinkChange()
{
    if (!host_.IsConnected()) {
        host_.LoadUnitToForm();
        return;
    }
    if (auto* poll = findComponent<TTimer>(window_, "tmInLevelDet"))
        poll->SetEnabled(false);
    host_.ReloadStateOnAcknowledge();
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), kStatusPoll), true);
    if (auto* link = findComponent<TWinControl>(window_, "rzbMenuLink"); link && link->CanFocus())
        link->SetFocus();
}

void LinkEditor::ShowLinkCaption(int head, int channel)
{
    if (!isChannelIndex(head) || !isChannelIndex(channel))
        return;
    auto* button = channelControl<TControl>(window_, "rzbMenu", channel);
    if (!button)
        return;
    button->SetCaption(head == channel ? channelSuffix(channel) : shortName(channel) + "=" + shortName(head));
}

} // namespace qx
