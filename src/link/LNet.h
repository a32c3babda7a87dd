#pragma once

#include "link/DeliveredLink.h"

/// The TCP link: the owner's client socket writes its frames and delivers
/// what it reads.
class LNet : public qx::DeliveredLink
{
public:
    LNet(qx::MessageTarget& owner, qx::FrameWriter& writer, qx::Clock& clock = qx::Clock::system())
        : DeliveredLink(owner, writer, clock, 0)
    {
    }
    ~LNet() override { Shutdown(); }

protected:
    // The client socket never blocks a write.
    bool WritesOnOwnerThread() const override { return true; }
};

/// The USB HID link: as LNet, writing through the owner's HID device, and
/// waiting four more time-outs for an answer after its last resend.
class LUsb : public qx::DeliveredLink
{
public:
    static constexpr int kExtraPeriods = 4;

    LUsb(qx::MessageTarget& owner, qx::FrameWriter& writer, qx::Clock& clock = qx::Clock::system())
        : DeliveredLink(owner, writer, clock, kExtraPeriods)
    {
    }
    ~LUsb() override { Shutdown(); }
};
