// The connection as the main window runs it, end to end against the
// simulated processor: over TCP on 127.0.0.1, a pseudo-terminal, and the fake
// HID bus.

#include "DeviceCore.h"
#include "NullHost.h"
#include "PumpUntil.h"
#include "TempDir.h"
#include "FakeHidProcessor.h"
#include "Responder.h"
#include "SimServer.h"
#include "app/ConnectionControl.h"
#include "app/ConnectionHost.h"
#include "app/FHidData.h"
#include "app/FNetWorkScan.h"
#include "app/FNetworkSetup.h"
#include "app/strings/TextTables.h"
#include "link/LinkMessages.h"
#include "link/LinkRouter.h"
#include "link/hid/ProcessorHidPort.h"
#include "link/hid/TJvHidDeviceController.h"
#include "model/FirImage.h"
#include "model/LUnitControl.h"
#include "model/ReplyDispatcher.h"
#include "platform/gui/Button.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Strings.h"
#include "platform/gui/Timer.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/net/ClientSocket.h"
#include "platform/serial/SerialPortList.h"
#include "platform/sync/Clock.h"
#include "tests/platform/net/LoopbackListener.h"
#include "WindowSystemInput.h"
#include "WithoutOverrides.h"
#include "platform/serial/SerialPort.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <pty.h>
#include <thread>
#include <unistd.h>

namespace qx::test {
namespace {

constexpr std::uint32_t kLoopback = 0x7F000001;

// The main window's connection part, wired as the program wires it, with
// what it would show recorded.
class TestMainWindow : public TForm, public NullHost, public ConnectionHost, public ConnectionView
{
public:
    TestMainWindow(hid::FakeHidBus& bus, int simPort)
        : TForm(nullptr), socket(new TClientSocket(this)),
          controller(std::make_unique<TJvHidDeviceController>(*this, bus)), port(*controller),
          router(*this, *socket, port, Clock::system()), dispatcher(*this, unit, fir),
          scan(std::make_unique<TfmNetwork>(nullptr)), monitor(std::make_unique<TfmHidData>(nullptr)),
          control(router, dispatcher, *scan, *this)
    {
        SetCaption("test main window");
        socket->SetAddress("127.0.0.1");
        socket->SetPort(simPort);
        socket->OnConnecting = [this](TObject*, TCustomWinSocket*) { control.SocketConnecting(); };
        socket->OnConnect = [this](TObject*, TCustomWinSocket* s) { control.SocketConnected(*s); };
        socket->OnRead = [this](TObject*, TCustomWinSocket* s) { control.SocketRead(*s); };
        socket->OnError = [](TObject*, TCustomWinSocket*, TErrorEvent, int& code) { code = 0; };
        scan->SetHost(*this);
        tmDisconnect = oneShot(300, [this] { control.DisconnectTimer(); });
        tmLinkBroken = oneShot(300, [this] { control.LinkBrokenTimer(); });
        tmComScan = oneShot(1, [this] { control.ComScanTimer(); });
        controller->SetOnEnumerate(TJvHidEnumerateEvent::bind<&TestMainWindow::HidEnumerate>(this));
        controller->SetOnDeviceData(TJvHidDataEvent::bind<&TestMainWindow::HidData>(this));
        controller->SetOnDeviceUnplug(TJvHidPlugEvent::bind<&TestMainWindow::HidUnplug>(this));
        controller->SetOnDeviceChange(TJvHidNotifyEvent::bind<&TestMainWindow::HidChange>(this));
    }
    ~TestMainWindow() override
    {
        router.CloseAll();
        controller.reset();
    }

    void WndProc(TMessage& m) override
    {
        const WindowMessage message{m.Msg, m.WParam, m.LParam, m.Data ? *m.Data : std::vector<std::uint8_t>{}};
        switch (m.Msg) {
        case WM_LINK_FRAME:
        case WM_LINK_FRAME_OTHER_BAUD:
            m.Result = handleLinkFrame(router, dispatcher, message);
            return;
        case WM_LINK_ERROR:
            control.OnLinkError(message);
            return;
        case WM_LINK_TRACE:
            control.OnTraceMessage(message, *monitor);
            return;
        default:
            if (!controller || !controller->HandleMessage(message))
                TForm::WndProc(m);
        }
    }

    // A new scan as the user starts one: the scan dialog's Start Scan button
    // clicked through its window.
    void startScan()
    {
        scan->Show();
        bool clicked = false;
        const ReleaseWatch watch(scan->btnOK->Widget(), &clicked);
        clickThroughWindow(*scan->btnOK);
        EXPECT_TRUE(clicked) << "Start Scan took the click";
    }
    std::vector<std::string> traceLines() const { return monitor->hbHidData->Items()->Lines(); }
    bool shown(const std::string& what) const
    {
        return std::find(record.begin(), record.end(), what) != record.end();
    }

    // What the exchanges and the connection dialogs use.
    std::uint8_t GetDeviceId() const override { return static_cast<std::uint8_t>(router.DeviceId()); }
    void SendCommand(const LCmd& command, bool urgent) override { router.SendCommand(command, urgent); }
    void SetLinkTimeout(int ms) override { router.SetLinkTimeout(ms); }
    void SetLinkRetries(int count) override { router.SetLinkRetries(count); }
    void SetKeepAliveSuppressed(bool suppressed) override { router.SetKeepAliveSuppressed(suppressed); }
    bool IsUsbLink() const override { return router.Kind() == LinkKind::Usb; }
    void SetTimerEnabled(ExchangeTimer timer, bool enabled) override
    {
        if (timer == ExchangeTimer::Disconnect)
            tmDisconnect->SetEnabled(enabled);
        else if (timer == ExchangeTimer::ComScan)
            tmComScan->SetEnabled(enabled);
    }
    int ProgressPosition() const override { return progress; }
    int ProgressMax() const override { return progressMax; }
    void SetProgressPosition(int p) override { progress = p; }
    void SetProgressMax(int m) override { progressMax = m; }
    void NotifyConnectResult(int result) override { scan->NotifyConnectResult(static_cast<unsigned char>(result)); }
    void ShowOnline() override { record.push_back("online"); }
    void ShowModelError(std::string_view id) override
    {
        scan->Hide();
        record.emplace_back(id);
    }
    void LoadUnitToForm() override { record.push_back("loaded"); }

    std::string_view Translate(std::string_view id) const override { return qx::Translate(kLanguageEnglish, id); }
    void SetDeviceId(int id) override { router.SetDeviceId(id); }
    bool IsConnected() const override { return dispatcher.state().connected; }
    std::uint32_t GetDeviceAddress() const override { return deviceAddress; }
    void SetDeviceAddress(std::uint32_t a) override { deviceAddress = a; }
    void SetAutoAddressMode(int) override {}
    TClientSocket& NetSocket() override { return *socket; }
    void ShowIpText(const std::string&) override {}
    void ShowInformation(std::string_view) override {}
    void CloseProgressWindow() override {}
    bool HasHidDevice() const override { return port.Device() != nullptr; }
    void SetComPortName(const std::string& name) override { comPortName = name; }
    void ConnectUsb() override { control.ConnectUsb(); }
    void ConnectNet() override { control.ConnectNet(); }
    void ConnectCom() override { control.ConnectCom(comPortName); }
    void Disconnect() override { control.Disconnect(); }
    void PrepareNetworkScan() override
    {
        if (deviceAddress != 0)
            socket->SetActive(true);
    }
    void OpenNetworkSetup() override {}
    void EnableLinkControls() override { record.push_back("link controls enabled"); }

    // ConnectionView.
    void ShowOffline() override { record.push_back("offline"); }
    void StopTransferTimers() override {}
    void RescanHid() override { controller->DeviceChange(); }
    void CloseExchangeWindows() override { record.push_back("exchange windows closed"); }
    void ShowScanDialog() override { scan->Show(); }

    // The HID controller's events.
    bool HidEnumerate(TJvHidDevice* device, int index) { return port.Enumerate(device, index); }
    void HidChange(TJvHidDeviceController*) { controller->Enumerate(); }
    void HidData(TJvHidDevice* device, std::uint8_t id, const std::uint8_t* data, std::uint16_t size)
    {
        const auto frame = port.Frame(device, data, size);
        if (!frame.empty())
            router.OnHidData(id, frame);
    }
    void HidUnplug(TJvHidDevice* device)
    {
        if (port.Unplug(device) && router.Kind() == LinkKind::Usb)
            tmLinkBroken->SetEnabled(true);
    }

    TClientSocket* socket;
    std::unique_ptr<TJvHidDeviceController> controller;
    ProcessorHidPort port;
    LinkRouter router;
    LUnitControl unit;
    FirBuffers fir{};
    ReplyDispatcher dispatcher;
    std::unique_ptr<TfmNetwork> scan;
    std::unique_ptr<TfmHidData> monitor;
    ConnectionControl control;
    TTimer* tmDisconnect = nullptr;
    TTimer* tmLinkBroken = nullptr;
    TTimer* tmComScan = nullptr;
    std::uint32_t deviceAddress = 0;
    std::string comPortName;
    int progress = 0;
    int progressMax = 100;
    std::vector<std::string> record;

private:
    template <class F>
    TTimer* oneShot(unsigned interval, F work)
    {
        auto* t = new TTimer(this);
        t->SetEnabled(false);
        t->SetInterval(interval);
        t->OnTimer = [t, work](TObject*) {
            t->SetEnabled(false);
            work();
        };
        return t;
    }
};

class ConnectEndToEnd : public ::testing::Test
{
protected:
    ConnectEndToEnd()
    {
        registerConnectionWindows();
        simPort = server.ListenTcp(0);
        ptyPath = server.OpenPty();
        serverThread = std::thread([this] { server.Run(); });
        usePorts({});
    }
    ~ConnectEndToEnd() override
    {
        window.reset();
        stopServer();
        setSerialPortProvider(nullptr);
    }

    void usePorts(std::vector<std::string> ports)
    {
        setSerialPortProvider(std::make_unique<FixedSerialPorts>(std::move(ports)));
    }
    void makeWindow()
    {
        window = std::make_unique<TestMainWindow>(bus, simPort);
        window->monitor->Show();
    }
    void stopServer()
    {
        server.Stop();
        if (serverThread.joinable())
            serverThread.join();
    }
    bool online(std::source_location where = std::source_location::current())
    {
        return pumpUntil([&] { return window->dispatcher.state().online; }, "online", kWaitLimit, where);
    }
    bool anyLine(const std::string& prefix) const
    {
        const auto lines = window->traceLines();
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    }

    sim::DeviceCore core;
    sim::Responder responder{core};
    sim::SimServer server{responder};
    std::uint16_t simPort = 0;
    std::string ptyPath;
    std::thread serverThread;
    hid::FakeHidBus bus;
    std::unique_ptr<TestMainWindow> window;
};

TEST_F(ConnectEndToEnd, TheScanFindsTheProcessorOverTcpOnLoopbackAndGoesOnline)
{
    makeWindow();
    window->deviceAddress = kLoopback;
    window->startScan();
    ASSERT_TRUE(online());
    EXPECT_EQ(window->router.Kind(), LinkKind::Net);
    EXPECT_EQ(window->scan->lblScan->Caption(), "Connecting IP:127.0.0.1");
    EXPECT_TRUE(pumpUntil([&] { return !window->scan->Visible(); }, "the dialog to close on success"));
    EXPECT_TRUE(anyLine("NET W 10 02 00 01 01 10 ")) << "the device information request";
    EXPECT_TRUE(anyLine("NET R 10 02 01 00 ")) << "its answer";
}

TEST_F(ConnectEndToEnd, TheScanFindsTheProcessorOnAPseudoTerminal)
{
    usePorts({ptyPath});
    makeWindow();
    window->startScan();
    ASSERT_TRUE(online());
    EXPECT_EQ(window->router.Kind(), LinkKind::Serial);
    EXPECT_EQ(window->comPortName, ptyPath);
    EXPECT_TRUE(anyLine("COM R 10 02 01 00 "));
}

TEST_F(ConnectEndToEnd, UsbThroughTheFakeHidBusLeadsTheScan)
{
    sim::DeviceCore usbCore;
    sim::Responder usbResponder{usbCore};
    sim::FakeHidProcessor processor(bus, usbResponder);
    makeWindow();
    window->controller->DeviceChange();
    ASSERT_TRUE(window->HasHidDevice());
    window->startScan();
    EXPECT_EQ(window->scan->lblScan->Caption(), "Scan USB");
    ASSERT_TRUE(online());
    EXPECT_EQ(window->router.Kind(), LinkKind::Usb);
    EXPECT_TRUE(anyLine("USB W 00  10 02 00 01 01 10 "));
    EXPECT_TRUE(anyLine("USB R 00  10 02 01 00 "));
}

struct ModelCase
{
    const char* model;
    const char* error;
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.model; }

class ConnectModelCheck : public ConnectEndToEnd, public ::testing::WithParamInterface<ModelCase>
{
};

TEST_P(ConnectModelCheck, AWrongModelOrVersionIsRefusedAndTheLinkDropped)
{
    core.SetModel(GetParam().model);
    makeWindow();
    window->deviceAddress = kLoopback;
    window->startScan();
    ASSERT_TRUE(pumpUntil([&] { return window->shown(GetParam().error); }));
    ASSERT_TRUE(pumpUntil([&] { return window->router.Kind() == LinkKind::None; }, "the link to be dropped"));
    EXPECT_FALSE(window->dispatcher.state().online);
    EXPECT_TRUE(anyLine("NET W 10 02 00 01 01 11 ")) << "the end of the connection was sent first";
    EXPECT_TRUE(pumpUntil([&] { return window->shown("offline"); }));
}

INSTANTIATE_TEST_SUITE_P(Models, ConnectModelCheck,
                         ::testing::Values(ModelCase{"QX-99Z V012", "SID_INFO_ERROR_UNIT"},
                                           ModelCase{"QX-73B V011", "SID_INFO_ERROR_VERSION"}),
                         [](const auto& p) { return std::string(p.index == 0 ? "WrongModel" : "WrongVersion"); });

TEST_F(ConnectEndToEnd, ALinkFailureReturnsTheUserToTheScanDialog)
{
    makeWindow();
    window->deviceAddress = kLoopback;
    window->startScan();
    ASSERT_TRUE(online());
    ASSERT_TRUE(pumpUntil([&] { return !window->scan->Visible(); }));
    stopServer(); // the processor goes away
    ASSERT_TRUE(pumpUntil([&] { return window->scan->Visible(); }));
    EXPECT_EQ(window->router.Kind(), LinkKind::None);
    EXPECT_TRUE(window->shown("offline"));
    EXPECT_TRUE(pumpUntil([&] { return window->scan->lblScan->Caption() == "Link Broken"; }));
    EXPECT_FALSE(window->scan->IsConnected());
}

TEST_F(ConnectEndToEnd, DemoWorksOfflineWithNothingToFind)
{
    makeWindow();
    window->startScan();
    ASSERT_TRUE(pumpUntil([&] { return window->scan->btnExit->Enabled(); }));
    EXPECT_EQ(window->scan->lblScan->Caption(), "No Device found.");
    clickThroughWindow(*window->scan->btnExit);
    EXPECT_FALSE(window->scan->Visible());
    EXPECT_TRUE(window->shown("link controls enabled"));
    EXPECT_EQ(window->router.Kind(), LinkKind::None);
    EXPECT_FALSE(window->socket->Active());
    EXPECT_TRUE(window->traceLines().empty());
}

// A device that refuses to open shows why under the scan's result, with its
// path and what to do; a node just plugged in is tried again briefly first.
class DeviceAccess : public ConnectEndToEnd
{
protected:
    std::string accessLine() const { return window->scan->lblAccess->Caption(); }
    // A scan of that one serial port.
    void scanPort(const std::string& port)
    {
        usePorts({port});
        makeWindow();
        window->startScan();
    }
    bool showsLine(const std::string& text, std::source_location where = std::source_location::current())
    {
        return pumpUntil([&] { return accessLine().find(text) != std::string::npos; }, text, kWaitLimit, where);
    }
    // The processor on the fake HID bus, refusing opens as told before the
    // program first sees it.
    void plugRefusingUsb(int error, int count, bool mayRetry)
    {
        usbProcessor = std::make_unique<sim::FakeHidProcessor>(bus, usbResponder);
        usbProcessor->Device().refuseOpens(error, count, mayRetry);
        makeWindow();
        window->controller->DeviceChange();
        ASSERT_TRUE(window->HasHidDevice());
        attemptsBefore = usbProcessor->Device().openAttempts(); // the check-out's own look at the device
    }
    std::size_t scanAttempts() const { return usbProcessor->Device().openAttempts() - attemptsBefore; }

    sim::DeviceCore usbCore;
    sim::Responder usbResponder{usbCore};
    std::unique_ptr<sim::FakeHidProcessor> usbProcessor;
    std::size_t attemptsBefore = 0;
};

TEST_F(DeviceAccess, ASerialPortWithoutRightsIsNamedWithTheGroupToJoin)
{
    ASSERT_EQ(::chmod(ptyPath.c_str(), 0), 0);
    WithoutOverrides user;
    scanPort(ptyPath);
    ASSERT_TRUE(showsLine(ptyPath + ": permission denied. Join the dialout group"));
    EXPECT_TRUE(pumpUntil([&] { return window->scan->lblScan->Caption() == "Link Broken"; }));
    EXPECT_FALSE(window->scan->tmOpenRetry->Enabled()) << "no retry is left pending";
    EXPECT_EQ(window->router.Kind(), LinkKind::None);
}

TEST_F(DeviceAccess, ASerialPortGettingItsRightsJustAfterPlugInConnects)
{
    ASSERT_EQ(::chmod(ptyPath.c_str(), 0), 0); // a node udev has not set up yet
    WithoutOverrides user;
    scanPort(ptyPath);
    ASSERT_TRUE(pumpUntil([&] { return window->scan->tmOpenRetry->Enabled(); }, "a refused open"));
    ASSERT_EQ(::chmod(ptyPath.c_str(), 0660), 0); // udev's rule applied
    ASSERT_TRUE(online());
    EXPECT_EQ(window->router.Kind(), LinkKind::Serial);
    EXPECT_EQ(accessLine(), "");
}

TEST_F(DeviceAccess, ASerialPortHeldByAnotherProgramIsNamedAsBusy)
{
    SerialPort other; // opened for exclusive use, as the editor opens a port
    ASSERT_TRUE(other.open(ptyPath)) << other.error();
    WithoutOverrides user;
    scanPort(ptyPath);
    ASSERT_TRUE(showsLine(ptyPath + " is in use by another program. Close that program"));
    EXPECT_TRUE(pumpUntil([&] { return window->scan->lblScan->Caption() == "Link Broken"; }));
}

TEST_F(DeviceAccess, ASerialPortUnpluggedSinceItWasListedIsNamedAsGone)
{
    // Listed, then gone: a name in a folder of the test's own, which no other
    // process can take in between as it could a freed pseudo-terminal number.
    TempDir folder;
    const std::string name = (folder / "ttyUSB0").string();
    ASSERT_NE(::access(name.c_str(), F_OK), 0);
    scanPort(name);
    ASSERT_TRUE(showsLine(name + " was unplugged during the scan"));
}

TEST_F(DeviceAccess, TheUsbDeviceGettingItsRightsJustAfterPlugInConnects)
{
    plugRefusingUsb(EACCES, 3, true);
    window->startScan();
    ASSERT_TRUE(online()) << accessLine();
    EXPECT_EQ(window->router.Kind(), LinkKind::Usb);
    EXPECT_EQ(accessLine(), "");
    EXPECT_GE(scanAttempts(), 4u) << "three refusals, then the open that stays";
}

struct UsbRefusal
{
    const char* name;
    int error;
    bool mayRetry;
    const char* line;
};

void PrintTo(const UsbRefusal& c, std::ostream* os) { *os << c.name; }

class UsbAccess : public DeviceAccess, public ::testing::WithParamInterface<UsbRefusal>
{
};

TEST_P(UsbAccess, ARefusedUsbDeviceEndsTheScanWithItsLineAndIsNotTriedForever)
{
    plugRefusingUsb(GetParam().error, -1, GetParam().mayRetry);
    window->startScan();
    ASSERT_TRUE(showsLine(std::string("/fake/qx73b") + GetParam().line));
    ASSERT_TRUE(pumpUntil([&] { return window->scan->btnExit->Enabled(); }, "the end of the scan"));
    EXPECT_EQ(window->scan->lblScan->Caption(), "No Device found.");
    const std::size_t attempts = scanAttempts();
    EXPECT_EQ(attempts, GetParam().mayRetry ? 1u + TfmNetwork::kOpenRetries : 1u);
    const auto later = std::chrono::steady_clock::now() + std::chrono::milliseconds(4 * TfmNetwork::kOpenRetryMs);
    while (std::chrono::steady_clock::now() < later)
        Application->ProcessMessages();
    EXPECT_EQ(scanAttempts(), attempts) << "nothing is tried after the line shows";
    EXPECT_FALSE(window->dispatcher.state().online);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, UsbAccess,
    ::testing::Values(
        UsbRefusal{"PermissionDenied", EACCES, true,
                   ": permission denied. Install the udev rule 70-qx73b-editor.rules, then plug the processor in again."},
        UsbRefusal{"Busy", EBUSY, false, " is in use by another program. Close that program, then scan again."},
        UsbRefusal{"Gone", ENODEV, false, " was unplugged during the scan. Plug it in, then scan again."},
        UsbRefusal{"OtherError", EIO, false, " cannot be opened: Input/output error."}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace qx::test
