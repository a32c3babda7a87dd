#pragma once
// What the channel dialogs (link selection, channel copy, channel names, the
// PEQ reset, source select and the test signal) need of the main window: its
// language, the device model, the busy flag and the send router, the stored
// link masks, the FIR taps in use, the operations on links, copies, names and
// the equaliser, and the curve overlay buttons. The main window implements it
// and sets itself as the host when it is made.

#include "editors/channel/LinkEditor.h"
#include "model/RecordFields.h"

#include <cstdint>
#include <string>
#include <string_view>

class LCmd;
class LUnitControl;
class TControl;

namespace qx {

class ChannelDialogHost
{
public:
    virtual ~ChannelDialogHost() = default;

    virtual std::string_view Translate(std::string_view id) const = 0;
    virtual LUnitControl& Unit() = 0;
    // Set while the model is shown: nothing is sent.
    virtual bool IsBusy() const = 0;
    virtual std::uint8_t GetDeviceId() const = 0;
    virtual void SendCommand(const LCmd& command, bool urgent) = 0;
    // The stored link mask of channel c (side-relative bits).
    virtual std::uint16_t GetLinkMask(int channel) const = 0;
    // Stores c's link mask and sends it unless busy.
    virtual void SetLinkGroup(int channel, std::uint16_t mask) = 0;
    // False when the copy was refused.
    virtual bool CopyChannel(int source, int target, bool reload, CopyTargets targets) = 0;
    virtual void FinishLinkChange() = 0;
    virtual void ShowLinkCaption(int head, int channel) = 0;
    // Channel c's FIR taps by the tap rule, from the model.
    virtual int FirTapsInUse(int channel) const = 0;
    // Shows the buttons that overlay c's curve on the other graphs, or hides
    // them and takes c's overlays off (a member's curve is not overlaid).
    virtual void ShowOverlayButtons(int channel, bool visible) = 0;
    // The information dialog with the text of a string id, modally.
    virtual void ShowInformation(std::string_view stringId) = 0;
    // The gain page in front, its page button down.
    virtual void ShowGainPage() = 0;
    // A channel's name as text (UTF-8), and a new name stored, shown and sent.
    virtual std::string ChannelNameText(int channel) const = 0;
    virtual void SetChannelName(int channel, const ChannelName& name) = 0;
    // Every band of the channel back to its factory band.
    virtual void ResetPeq(int channel) = 0;

protected:
    ChannelDialogHost() = default;
    ChannelDialogHost(const ChannelDialogHost&) = default;
    ChannelDialogHost& operator=(const ChannelDialogHost&) = default;
};

// The host of the channel dialogs (not owned); without one their buttons
// only close them.
void setChannelDialogHost(ChannelDialogHost* host);
ChannelDialogHost* channelDialogHost();

// The control's caption becomes the text of a string id in the host's
// language; without a host it keeps its layout text.
void captionFromHost(TControl& control, std::string_view id);

} // namespace qx
