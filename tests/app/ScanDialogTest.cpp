#include "FakeConnectionHost.h"
#include "app/FNetWorkScan.h"
#include "app/FNetworkSetup.h"
#include "link/DeviceOpenFailure.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Label.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/Timer.h"
#include "platform/serial/SerialPortList.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace qx::test {
namespace {

// The scan dialog against a recording main window, on a manual clock. The
// port names are pseudo-terminal paths; nothing here opens them.
class ScanDialogTest : public ::testing::Test
{
protected:
    ScanDialogTest()
    {
        registerConnectionWindows();
        setTimerClock(clock);
        setSerialPortProvider(std::make_unique<FixedSerialPorts>(
            std::vector<std::string>{"/dev/pts/12", "/dev/pts/3", "/dev/pts/7"}));
        host.deviceAddress = 0;
        dialog = std::make_unique<TfmNetwork>(nullptr);
        dialog->SetHost(host);
    }
    ~ScanDialogTest() override
    {
        dialog.reset();
        setSerialPortProvider(nullptr);
        setTimerClock(Clock::system());
    }

    // Starts a scan as the link button does: rescan, then show.
    void startScan()
    {
        dialog->btnOKClick(dialog->btnOK);
        dialog->Show();
        host.calls.clear();
    }

    // Lets time pass in steps of 50 ms, each with a pass of the loop.
    void run(int ms)
    {
        for (int t = 0; t < ms; t += 50) {
            clock.advance(50);
            Application->ProcessMessages();
        }
    }

    int count(const std::string& call) const { return static_cast<int>(std::count(host.calls.begin(), host.calls.end(), call)); }
    bool buttonsEnabled() const
    {
        return dialog->btnOK->Enabled() && dialog->btnId->Enabled() && dialog->btnExit->Enabled();
    }

    ManualClock clock{1000};
    FakeConnectionHost host;
    std::unique_ptr<TfmNetwork> dialog;
};

TEST_F(ScanDialogTest, UsbLeadsThenTheSerialPortsInAscendingNumberOrder)
{
    host.hidDevice = true;
    host.deviceAddress = 0x7F000001; // USB takes precedence over Ethernet
    startScan();
    EXPECT_EQ(dialog->lblDeviceID->Caption(), "1/4");
    EXPECT_EQ(dialog->lblScan->Caption(), "Scan USB");
    EXPECT_FALSE(buttonsEnabled());
    run(100);
    EXPECT_EQ(host.calls, std::vector<std::string>{"ConnectUsb"});

    const std::vector<std::string> ports = {"/dev/pts/3", "/dev/pts/7", "/dev/pts/12"};
    for (std::size_t i = 0; i < ports.size(); ++i) {
        host.calls.clear();
        dialog->NotifyConnectResult(0);
        run(200);
        EXPECT_EQ(host.calls, (std::vector<std::string>{"Disconnect", "ConnectCom " + ports[i]}));
        EXPECT_EQ(dialog->lblDeviceID->Caption(), std::to_string(i + 2) + "/4");
        EXPECT_EQ(dialog->lblScan->Caption(), "Scanning" + ports[i] + " ......");
        EXPECT_EQ(dialog->pbScan->Position(), static_cast<int>(i + 2));
    }
    dialog->NotifyConnectResult(0);
    run(100);
    EXPECT_EQ(dialog->lblScan->Caption(), "No Device found.");
    EXPECT_EQ(dialog->lblDeviceID->Caption(), "");
    EXPECT_EQ(dialog->pbScan->Position(), 4);
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_TRUE(dialog->Visible()) << "a failed scan leaves the dialog open";
}

TEST_F(ScanDialogTest, AnAddressMakesEthernetTheFirstProbe)
{
    host.deviceAddress = 0x7F000001;
    startScan();
    EXPECT_EQ(dialog->lblScan->Caption(), "Scan Ethernet");
    EXPECT_EQ(dialog->lblDeviceID->Caption(), "1/4");
    run(100);
    EXPECT_EQ(host.calls, std::vector<std::string>{"ConnectNet"});
}

TEST_F(ScanDialogTest, NoPortsAndNoLeadEndsTheScanAtOnce)
{
    setSerialPortProvider(std::make_unique<FixedSerialPorts>(std::vector<std::string>{}));
    startScan();
    EXPECT_EQ(dialog->lblScan->Caption(), "No Device found.");
    run(100);
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_EQ(count("ConnectCom "), 0);
}

TEST_F(ScanDialogTest, EachProbeGetsTheWholeWatchdogTimeFromItsOwnStart)
{
    startScan();
    run(100);
    ASSERT_EQ(host.calls, std::vector<std::string>{"ConnectCom /dev/pts/3"});
    run(5000);
    dialog->NotifyConnectResult(0); // a quick failure at 5.1 s
    run(200);
    ASSERT_EQ(host.calls.back(), "ConnectCom /dev/pts/7");
    run(5000); // past the first probe's watchdog
    EXPECT_EQ(host.calls.back(), "ConnectCom /dev/pts/7") << "the second probe is still running";
    run(5200); // past its own, and the 200 ms to the next probe
    EXPECT_EQ(host.calls.back(), "ConnectCom /dev/pts/12");
}

TEST_F(ScanDialogTest, SuccessClosesTheDialogAndAHiddenDialogNeverScansOn)
{
    startScan();
    run(100);
    dialog->NotifyConnectResult(1);
    EXPECT_TRUE(dialog->IsConnected());
    run(100);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(count("Disconnect"), 0);

    host.calls.clear();
    dialog->NotifyLinkLost(); // the connection drops before the probe's watchdog would have expired
    EXPECT_FALSE(dialog->IsConnected());
    run(20000);
    EXPECT_EQ(host.calls, std::vector<std::string>{"CloseProgressWindow"}) << "no probe starts behind the user's back";
    EXPECT_EQ(dialog->lblScan->Caption(), "Link Broken");
}

TEST_F(ScanDialogTest, ALinkLostJustBeforeANewScanDoesNotMarkThatScanBroken)
{
    host.deviceAddress = 0x7F000001;
    dialog->NotifyLinkLost(); // the user ended the connection
    startScan();              // and pressed the link button again at once
    run(1000);
    EXPECT_EQ(dialog->lblScan->Caption(), "Scan Ethernet");
    EXPECT_FALSE(buttonsEnabled());
}

TEST_F(ScanDialogTest, APortThatDoesNotOpenShowsLinkBrokenAndTheWatchdogScansOn)
{
    startScan();
    run(100);
    dialog->NotifyLinkLost(); // the serial probe's port did not open
    run(100);
    EXPECT_EQ(dialog->lblScan->Caption(), "Link Broken");
    EXPECT_TRUE(buttonsEnabled());
    run(10000);
    EXPECT_EQ(host.calls.back(), "ConnectCom /dev/pts/7");
    EXPECT_EQ(dialog->lblScan->Caption(), "Scanning/dev/pts/7 ......");
}

TEST_F(ScanDialogTest, DemoLeavesOfflineAndKeepsTheScanState)
{
    startScan();
    run(100);
    dialog->NotifyLinkLost();
    run(100);
    const std::string label = dialog->lblScan->Caption();
    dialog->btnExitClick(dialog->btnExit);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(host.calls.back(), "EnableLinkControls");
    EXPECT_EQ(dialog->lblScan->Caption(), label);
    host.calls.clear();
    run(20000);
    EXPECT_TRUE(host.calls.empty()) << "the closed dialog's watchdog is stopped";
}

TEST_F(ScanDialogTest, ShowCaptionsTheDialogAndItsButtons)
{
    dialog->FormShow(dialog.get());
    EXPECT_EQ(dialog->Caption(), "Connect");
    EXPECT_EQ(dialog->btnOK->Caption(), "Scanning");
    EXPECT_EQ(dialog->btnId->Caption(), "Set");
    EXPECT_EQ(dialog->btnExit->Caption(), "Demo");
    dialog->btnIdClick(dialog->btnId);
    EXPECT_EQ(host.calls.back(), "OpenNetworkSetup");
}

TEST_F(ScanDialogTest, ANodeJustPluggedInIsTriedAgainABoundedNumberOfTimesThenNamed)
{
    startScan();
    run(100);
    ASSERT_EQ(host.calls, std::vector<std::string>{"ConnectCom /dev/pts/3"});
    const DeviceOpenFailure fresh{"/dev/pts/3", EACCES, true, false};
    int tries = 1;
    while (dialog->NotifyOpenFailure(fresh)) {
        host.calls.clear();
        run(TfmNetwork::kOpenRetryMs + 100);
        ASSERT_EQ(host.calls, std::vector<std::string>{"ConnectCom /dev/pts/3"}) << "the same port again";
        ASSERT_LE(++tries, 1 + TfmNetwork::kOpenRetries);
    }
    EXPECT_EQ(tries, 1 + TfmNetwork::kOpenRetries);
    EXPECT_EQ(dialog->lblAccess->Caption(),
              "/dev/pts/3: permission denied. Join the dialout group (sudo usermod -aG dialout $USER), then log in "
              "again.");
    host.calls.clear();
    run(2000);
    EXPECT_EQ(count("ConnectCom /dev/pts/3"), 0) << "no try after the line";

    dialog->btnOKClick(dialog->btnOK);
    EXPECT_EQ(dialog->lblAccess->Caption(), "") << "a new scan starts without the line";
}

TEST_F(ScanDialogTest, ARetryPendingWhenTheDialogClosesTriesNothing)
{
    startScan();
    run(100);
    host.calls.clear();
    ASSERT_TRUE(dialog->NotifyOpenFailure({"/dev/pts/3", EACCES, true, false}));
    dialog->btnExitClick(dialog->btnExit);
    run(1000);
    EXPECT_EQ(count("ConnectCom /dev/pts/3"), 0);
}

TEST_F(ScanDialogTest, TheAddedLineComesInTheEditorsLanguage)
{
    host.language = kLanguageSimplifiedChinese;
    startScan();
    EXPECT_FALSE(dialog->NotifyOpenFailure({"/dev/pts/3", EACCES, false, false}));
    EXPECT_EQ(dialog->lblAccess->Caption(),
              "/dev/pts/3：权限不足。请加入 dialout 组（sudo usermod -aG dialout $USER），然后重新登录。");
    EXPECT_FALSE(dialog->NotifyOpenFailure({"/fake/qx73b", EACCES, false, true}));
    EXPECT_EQ(dialog->lblAccess->Caption().rfind("/fake/qx73b：权限不足。", 0), 0u);
    EXPECT_NE(dialog->lblAccess->Caption().find("70-qx73b-editor.rules"), std::string::npos);
}

TEST_F(ScanDialogTest, OnlyAProblemOfTheDeviceAddsALine)
{
    startScan();
    EXPECT_FALSE(dialog->NotifyOpenFailure({}));
    EXPECT_FALSE(dialog->NotifyOpenFailure({"/dev/pts/3", EBUSY, false, false}));
    EXPECT_EQ(dialog->lblAccess->Caption(),
              "/dev/pts/3 is in use by another program. Close that program, then scan again.");
}

} // namespace
} // namespace qx::test
