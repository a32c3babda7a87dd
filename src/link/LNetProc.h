#pragma once

#include "link/FramingLink.h"
#include "link/LNet.h"

/// The TCP link object the main window creates.
class LNetProc : public qx::FramingLink<LNet>
{
public:
    static constexpr int kKeepAliveTimeoutMs = 5000;

    LNetProc(qx::MessageTarget& owner, qx::FrameWriter& writer, int deviceId, qx::Clock& clock = qx::Clock::system())
        : FramingLink({kKeepAliveTimeoutMs}, deviceId, owner, writer, clock)
    {
    }
    ~LNetProc() override { Shutdown(); }
};

/// The USB link object the main window creates.
class LUsbProc : public qx::FramingLink<LUsb>
{
public:
    static constexpr int kKeepAliveTimeoutMs = 5000;

    LUsbProc(qx::MessageTarget& owner, qx::FrameWriter& writer, int deviceId, qx::Clock& clock = qx::Clock::system())
        : FramingLink({kKeepAliveTimeoutMs}, deviceId, owner, writer, clock)
    {
    }
    ~LUsbProc() override { Shutdown(); }
};
