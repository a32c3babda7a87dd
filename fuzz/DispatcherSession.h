#pragma once
// The reply dispatcher over the recording fakes of the main window, as the
// targets that drive exchanges use it.

#include "FakeHosts.h"
#include "FuzzInput.h"

#include "model/ExchangeCodes.h"
#include "model/LUnitControl.h"
#include "model/ReplyDispatcher.h"

#include <memory>
#include <string_view>

namespace qxfuzz {

struct Session
{
    qxtest::FakeUnitHost unitHost;
    LUnitControl unit{&unitHost};
    std::unique_ptr<qx::FirBuffers> fir = std::make_unique<qx::FirBuffers>(qx::unitImpulseBuffers());
    qxtest::FakeExchangeHost host;
    qx::ReplyDispatcher dispatcher{host, unit, *fir};

    void deliver(std::uint8_t code, std::span<const std::uint8_t> payload)
    {
        dispatcher.OnDeviceReply(qx::frame::Build(host.deviceId, 0, code, payload));
    }

    void goOnline()
    {
        dispatcher.BeginConnect();
        deliver(qx::reply::kDeviceInfo, {});
        constexpr std::string_view model = "QX-73B V012";
        deliver(qx::reply::kModel, std::span(reinterpret_cast<const std::uint8_t*>(model.data()), model.size()));
    }

    // Checks that every command sent so far is a whole frame, and forgets them.
    void takeSent()
    {
        for (const auto& sent : host.sent)
            check(qx::frame::HasMarkers(sent.frame), "every command sent is a whole frame");
        for (const auto& sent : unitHost.sent)
            check(qx::frame::HasMarkers(sent.frame), "every command the model sends is a whole frame");
        host.sent.clear();
        unitHost.sent.clear();
    }
};

} // namespace qxfuzz
