#include "editors/channel/ChannelDialogHost.h"

#include "platform/gui/Control.h"

namespace qx {

namespace {
ChannelDialogHost* gHost = nullptr;
}

void setChannelDialogHost(ChannelDialogHost* host) { gHost = host; }
ChannelDialogHost* channelDialogHost() { return gHost; }

void captionFromHost(TControl& control, std::string_view id)
{
    if (gHost)
        control.SetCaption(std::string(gHost->Translate(id)));
}

} // namespace qx
