#pragma once
// Helpers the channel editors share: a channel's control by its composed
// name, the members of a channel's link group and a busy flag held for a scope.

#include "editors/channel/ChannelEditorHost.h"
#include "model/ControlNames.h"
#include "platform/gui/Component.h"

#include <string>
#include <vector>

class LUnitControl;

namespace qx {

inline constexpr int kChannels = 12;
inline constexpr int kInputChannels = 4;

inline bool isChannelIndex(int c) { return c >= 0 && c < kChannels; }

// The control prefix + suffix of channel c; null when missing or of another class.
template <class T> T* channelControl(const TComponent& window, const std::string& prefix, int c)
{
    return findComponent<T>(window, prefix + channelSuffix(c));
}

// The sender as a control of class T whose Tag is a channel index; null
// for another sender.
template <class T> T* channelSender(TObject* sender)
{
    auto* control = dynamic_cast<T*>(sender);
    return control && isChannelIndex(control->Tag()) ? control : nullptr;
}

// The channels of c's link group in ascending order, c among them.
std::vector<int> linkGroupMembers(const LUnitControl& unit, int c);

// Sets the busy flag for the scope and then puts back what it was.
class BusyHold
{
public:
    explicit BusyHold(ChannelEditorHost& host) : host_(host), was_(host.IsBusy()) { host_.SetBusy(true); }
    ~BusyHold() { host_.SetBusy(was_); }
    BusyHold(const BusyHold&) = delete;
    BusyHold& operator=(const BusyHold&) = delete;

private:
    ChannelEditorHost& host_;
    bool was_;
};

} // namespace qx
