#pragma once

#include "link/FramingLink.h"
#include "link/LComm.h"

/// The serial link object the main window creates. A reply frame that
/// arrives while the port is not at 115200 baud goes to the owner as message
/// 1362 instead of 1360.
class LCommProc : public qx::FramingLink<LComm>
{
public:
    static constexpr int kKeepAliveTimeoutMs = 2000;
    static constexpr int kProtocolBaud = 115200;

    LCommProc(qx::MessageTarget& owner, int deviceId, qx::Clock& clock = qx::Clock::system())
        : FramingLink({kKeepAliveTimeoutMs}, deviceId, owner, clock)
    {
    }
    ~LCommProc() override { Shutdown(); }

protected:
    unsigned FrameMessageId() const override
    {
        return PortBaudRate() == kProtocolBaud ? WM_LINK_FRAME : WM_LINK_FRAME_OTHER_BAUD;
    }
};
