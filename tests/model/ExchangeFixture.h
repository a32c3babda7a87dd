#pragma once
// A dispatcher over fake main-window services, with a helper to deliver
// replies and to take the commands sent so far.

#include <gtest/gtest.h>

#include <vector>

#include "FakeHosts.h"
#include "model/LUnitControl.h"
#include "model/ReplyDispatcher.h"

namespace qxtest {

class ExchangeFixture : public ::testing::Test
{
protected:
    void deliver(std::uint8_t code, const std::vector<std::uint8_t>& payload)
    {
        dispatcher.OnDeviceReply(replyFrame(host.deviceId, code, payload));
    }

    std::vector<Sent> takeSent()
    {
        std::vector<Sent> out;
        out.swap(host.sent);
        return out;
    }

    // Connected and online with the right model; the lock status is asked.
    void goOnline()
    {
        dispatcher.BeginConnect();
        deliver(16, {});
        const std::string model = "QX-73B V012";
        deliver(19, std::vector<std::uint8_t>(model.begin(), model.end()));
        host.sent.clear();
        host.calls.clear();
    }

    Sent command(std::uint8_t code, std::initializer_list<std::uint8_t> payload, bool urgent) const
    {
        return {commandFrame(host.deviceId, code, payload), urgent};
    }

    FakeUnitHost unitHost;
    LUnitControl unit{&unitHost};
    qx::FirBuffers fir{};
    FakeExchangeHost host;
    qx::ReplyDispatcher dispatcher{host, unit, fir};
};

} // namespace qxtest
