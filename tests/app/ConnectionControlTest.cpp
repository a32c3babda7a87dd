#include "FakeConnectionHost.h"
#include "app/ConnectionControl.h"
#include "app/FNetWorkScan.h"
#include "app/FNetworkSetup.h"
#include "link/LinkMessages.h"
#include "link/LinkRouter.h"
#include "link/hid/ProcessorHidPort.h"
#include "link/hid/TJvHidDeviceController.h"
#include "model/LUnitControl.h"
#include "model/ReplyDispatcher.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/Timer.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/serial/SerialPortList.h"
#include "platform/sync/Clock.h"
#include "tests/link/LinkFakes.h"
#include "FakeHosts.h"

#include <gtest/gtest.h>

namespace qx::test {
namespace {

struct RecordingView : ConnectionView
{
    void ShowOffline() override { calls.emplace_back("ShowOffline"); }
    void StopTransferTimers() override { calls.emplace_back("StopTransferTimers"); }
    void RescanHid() override { calls.emplace_back("RescanHid"); }
    void CloseExchangeWindows() override { calls.emplace_back("CloseExchangeWindows"); }
    void ShowScanDialog() override { calls.emplace_back("ShowScanDialog"); }
    std::vector<std::string> calls;
};

// The connection's decisions with links that open without a device (TCP and
// USB links need none to open) and the real scan dialog and reply dispatcher.
class ConnectionControlTest : public ::testing::Test
{
protected:
    ConnectionControlTest()
    {
        setSerialPortProvider(std::make_unique<FixedSerialPorts>(std::vector<std::string>{}));
        scan.SetHost(scanHost);
    }
    ~ConnectionControlTest() override
    {
        router.CloseAll();
        setSerialPortProvider(nullptr);
    }

    WindowMessage linkError(LinkError code) const
    {
        return makeLinkErrorMessage({static_cast<int>(code), 0, router.Generation()});
    }
    void leaveStaleExchangeState()
    {
        dispatcher.state().ackStep = 7;
        dispatcher.state().transferKind = kTransferPresetFile;
        dispatcher.state().presetFirSlot = 3;
    }
    void expectExchangeStateCleared() const
    {
        EXPECT_EQ(dispatcher.state().ackStep, 0);
        EXPECT_EQ(dispatcher.state().transferKind, kTransferNone);
        EXPECT_EQ(dispatcher.state().presetFirSlot, 0);
    }

    const bool registered = (registerConnectionWindows(), true);
    FakeOwner owner;
    TClientSocket socket{nullptr}; // never activated here
    hid::FakeHidBus bus;
    TJvHidDeviceController controller{owner, bus};
    ProcessorHidPort hidPort{controller};
    LinkRouter router{owner, socket, hidPort, Clock::system()};
    qxtest::FakeExchangeHost exchangeHost;
    LUnitControl unit;
    FirBuffers fir{};
    ReplyDispatcher dispatcher{exchangeHost, unit, fir};
    FakeConnectionHost scanHost;
    TfmNetwork scan{nullptr};
    RecordingView view;
    ConnectionControl control{router, dispatcher, scan, view};
};

TEST_F(ConnectionControlTest, ConnectingClearsAStaleExchangeAndSendsTheDeviceInformationRequest)
{
    leaveStaleExchangeState();
    control.ConnectNet();
    EXPECT_EQ(router.Kind(), LinkKind::Net);
    EXPECT_TRUE(dispatcher.state().connecting);
    expectExchangeStateCleared();
    EXPECT_TRUE(waitUntil(
        [&] {
            for (const auto& m : owner.posted())
                if (m.id == WM_LINK_TRACE &&
                    std::string(m.data.begin(), m.data.end()).rfind("NET W 10 02 00 01 01 10 ", 0) == 0)
                    return true;
            return false;
        },
        "0x10 to go to the link"));
}

TEST_F(ConnectionControlTest, NoAnswerWhileConnectingEndsTheProbeOnly)
{
    control.ConnectUsb();
    ASSERT_EQ(router.Kind(), LinkKind::Usb);
    control.OnLinkError(linkError(LinkError::NoAnswer));
    EXPECT_EQ(router.Kind(), LinkKind::None);
    EXPECT_FALSE(dispatcher.state().connecting);
    EXPECT_TRUE(scan.tmConnect->Enabled()) << "the scan moves on";
    EXPECT_EQ(scan.ConnectResult, 0);
    EXPECT_TRUE(view.calls == std::vector<std::string>{"StopTransferTimers"}) << "no disconnect steps";
}

TEST_F(ConnectionControlTest, AnotherFailureCodeWhileConnectingChangesNothing)
{
    control.ConnectUsb();
    view.calls.clear();
    control.OnLinkError(linkError(LinkError::WorkerStuck));
    EXPECT_EQ(router.Kind(), LinkKind::Usb);
    EXPECT_TRUE(dispatcher.state().connecting);
    EXPECT_FALSE(scan.tmConnect->Enabled());
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ConnectionControlTest, AFailureWhileConnectedDisconnectsAndShowsTheScanAgain)
{
    control.ConnectNet();
    dispatcher.state().connecting = false;
    dispatcher.state().connected = true;
    scan.ConnectResult = 1; // the probe had succeeded
    scan.pbScan->SetMax(3);
    scan.pbScan->SetPosition(2);
    leaveStaleExchangeState();
    view.calls.clear();
    control.OnLinkError(linkError(LinkError::PortFailed));
    EXPECT_EQ(router.Kind(), LinkKind::None);
    EXPECT_FALSE(dispatcher.state().connected);
    expectExchangeStateCleared();
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"StopTransferTimers", "RescanHid", "ShowOffline", "CloseExchangeWindows",
                                        "ShowScanDialog"}));
    EXPECT_EQ(scan.pbScan->Position(), 0);
    EXPECT_FALSE(scan.IsConnected());
    EXPECT_TRUE(scan.tmLinkBroken->Enabled());
}

TEST_F(ConnectionControlTest, AFailureOfALinkNoLongerOpenIsIgnored)
{
    control.ConnectNet();
    const WindowMessage late = linkError(LinkError::NoAnswer);
    control.ConnectUsb(); // the USB link now leads the router's order
    router.CloseLink();
    control.ConnectNet();
    control.OnLinkError(late);
    EXPECT_EQ(router.Kind(), LinkKind::Net);
    EXPECT_TRUE(dispatcher.state().connecting);
}

TEST_F(ConnectionControlTest, DisconnectOfAProbeOnlyClosesTheLink)
{
    control.ConnectNet();
    view.calls.clear();
    control.Disconnect();
    EXPECT_EQ(router.Kind(), LinkKind::None);
    EXPECT_EQ(view.calls, std::vector<std::string>{"StopTransferTimers"});
}

TEST_F(ConnectionControlTest, TheForeignIdTimerDropsEveryLinkWhileTheScanIsShown)
{
    control.ConnectNet();
    control.ConnectUsb();
    control.ComScanTimer();
    EXPECT_EQ(router.Kind(), LinkKind::Usb) << "a hidden scan dialog drops nothing";
    scan.Show();
    control.ComScanTimer();
    EXPECT_EQ(router.Kind(), LinkKind::None);
    EXPECT_TRUE(scan.tmConnect->Enabled());
}

} // namespace
} // namespace qx::test
