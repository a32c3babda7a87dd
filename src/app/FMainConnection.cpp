// The main window's connection: the send router, the link button and link
// timers, the TCP socket's and HID controller's events, and the messages the
// links post to the window.

#include "app/FMain.h"

#include "app/FHidData.h"
#include "app/FNetWorkScan.h"
#include "app/FNetworkSetup.h"
#include "app/SmallWindows.h"
#include "app/lock/FLockPassWord.h"
#include "app/presets/FFactory.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStoreName.h"
#include "app/presets/FStorePreset.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "codec/SharedConstants.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "link/LinkMessages.h"
#include "link/LinkRouter.h"
#include "link/hid/ProcessorHidPort.h"
#include "link/hid/TJvHidDeviceController.h"
#include "model/MeterMonitor.h"
#include "model/ReplyDispatcher.h"
#include "platform/gui/Control.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/Messages.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/Timer.h"
#include "platform/hid/HidBackend.h"
#include "platform/sync/Clock.h"

#include <string>

namespace {

constexpr std::uint8_t kEndOfConnection = 0x11;
qx::hid::Backend* hidBackend = nullptr;
qx::Clock* linkClock = nullptr;

// The links make trace lines only while the traffic monitor shows them.
void attachTrafficMonitor(qx::LinkRouter& router)
{
    if (!fmHidData)
        return;
    router.SetTraceShown(fmHidData->Visible());
    fmHidData->OnShownChange = [&router](bool shown) { router.SetTraceShown(shown); };
}

} // namespace

void qx::setMainWindowHidBackend(hid::Backend* backend) { hidBackend = backend; }
void qx::setMainWindowLinkClock(Clock* clock) { linkClock = clock; }

// The socket, the HID controller and the router exist from the start; the
// controller's first scan runs once the message loop reaches it.
void TfmMain::makeConnectionDevices()
{
    ClientSocket = new TClientSocket(this);
    ClientSocket->OnConnecting = [this](TObject* s, TCustomWinSocket* w) { ClientSocketConnecting(s, w); };
    ClientSocket->OnConnect = [this](TObject* s, TCustomWinSocket* w) { ClientSocketConnect(s, w); };
    ClientSocket->OnRead = [this](TObject* s, TCustomWinSocket* w) { ClientSocketRead(s, w); };
    ClientSocket->OnError = [this](TObject* s, TCustomWinSocket* w, TErrorEvent e, int& code) {
        ClientSocketError(s, w, e, code);
    };
    HidCtl = hidBackend ? std::make_unique<TJvHidDeviceController>(*this, *hidBackend)
                        : std::make_unique<TJvHidDeviceController>(*this);
    HidPort = std::make_unique<qx::ProcessorHidPort>(*HidCtl);
    Router = std::make_unique<qx::LinkRouter>(*this, *ClientSocket, *HidPort,
                                            linkClock ? *linkClock : qx::Clock::system());
    HidCtl->SetOnEnumerate(TJvHidEnumerateEvent::bind<&TfmMain::HidCtlEnumerate>(this));
    HidCtl->SetOnDeviceData(TJvHidDataEvent::bind<&TfmMain::HidCtlDeviceData>(this));
    HidCtl->SetOnDeviceUnplug(TJvHidPlugEvent::bind<&TfmMain::HidCtlDeviceUnplug>(this));
    HidCtl->SetOnDeviceChange(TJvHidNotifyEvent::bind<&TfmMain::HidCtlDeviceChange>(this));
}

void TfmMain::AttachConnectionWindows()
{
    attachTrafficMonitor(*Router);
    if (!fmNetwork || !Replies || Connection)
        return;
    Connection = std::make_unique<qx::ConnectionControl>(*Router, *Replies, *fmNetwork, *this);
    fmNetwork->SetHost(*this);
    if (fmNetworkSetup)
        fmNetworkSetup->SetHost(*this);
}

// Every link object is closed, serial, USB and TCP in order, and the
// controller goes before the devices it hands out.
void TfmMain::closeConnection()
{
    if (Router)
        Router->CloseAll();
    HidCtl.reset();
}

void TfmMain::SendCommand(const LCmd& command, bool urgent) { Router->SendCommand(command, urgent); }
void TfmMain::SetLinkTimeout(int milliseconds) { Router->SetLinkTimeout(milliseconds); }
void TfmMain::SetLinkRetries(int count) { Router->SetLinkRetries(count); }
void TfmMain::SetKeepAliveSuppressed(bool suppressed) { Router->SetKeepAliveSuppressed(suppressed); }
bool TfmMain::IsUsbLink() const { return Router->Kind() == qx::LinkKind::Usb; }
bool TfmMain::HasHidDevice() const { return HidPort->Device() != nullptr; }

void TfmMain::SetDeviceId(int id)
{
    if (!Router->SetDeviceId(id))
        return;
    DeviceId = id;
    if (TControl* label = control("lbShowIdNumber"))
        label->SetCaption("ID : " + std::to_string(id));
}

void TfmMain::ConnectCom()
{
    if (Connection)
        Connection->ConnectCom(ComPortName);
}

void TfmMain::ConnectUsb()
{
    if (Connection)
        Connection->ConnectUsb();
}

void TfmMain::ConnectNet()
{
    if (Connection)
        Connection->ConnectNet();
}

void TfmMain::Disconnect()
{
    if (Connection)
        Connection->Disconnect();
}

// Manual address mode connects the socket to the address it was given,
// also when the scan will not probe the network (address 0); automatic mode
// leaves the network out of the scan.
void TfmMain::PrepareNetworkScan()
{
    if (AutoAddressMode != 0) {
        DeviceAddress = 0;
        return;
    }
    ClientSocket->SetActive(true);
}

void TfmMain::OpenNetworkSetup() { NetworkSetupClick(nullptr); }

void TfmMain::NetworkSetupClick(TObject*)
{
    if (!fmNetworkSetup)
        return;
    const TControl* link = control("rzbMenuLink");
    fmNetworkSetup->SetUpFor(link && link->Caption() == Translate("SID_ONLINE"));
    fmNetworkSetup->ShowModal();
}

void TfmMain::ShowIpText(const std::string& text)
{
    if (TControl* label = control("lbShowIp"))
        label->SetCaption(text);
}

void TfmMain::rzbMenuLinkClick(TObject*)
{
    auto* link = qx::findComponent<TRzBmpButton>(*this, "rzbMenuLink");
    if (link) {
        link->SetEnabled(false);
        link->SetDown(false);
    }
    if (TMenuItem* m = menuItem("Connected"))
        m->SetEnabled(false);
    if (IsOnline()) {
        SendCommand(CM_MCS_CMD(GetDeviceId(), kEndOfConnection), true);
        setCaption("Connected", "SID_CONNECT");
        SetTimerEnabled(qx::ExchangeTimer::Disconnect, true);
        return;
    }
    AttachConnectionWindows();
    if (!fmNetwork)
        return;
    fmNetwork->btnOKClick(nullptr);
    setCaption("Connected", "SID_DISCONNECT");
    fmNetwork->ShowModal();
}

void TfmMain::tmDisconnectTimer(TObject*)
{
    stopTimer("tmDisconnect");
    if (Connection)
        Connection->DisconnectTimer();
}

void TfmMain::tmLinkBrokenTimer(TObject*)
{
    stopTimer("tmLinkBroken");
    if (Connection)
        Connection->LinkBrokenTimer();
}

void TfmMain::tmComScanTimer(TObject*)
{
    stopTimer("tmComScan");
    if (Connection)
        Connection->ComScanTimer();
}

void TfmMain::ShowOffline()
{
    setCaption("Connected", "SID_CONNECT");
    setCaption("rzbMenuLink", "SID_OFFLINE");
    SetCaption(std::string(qx::kWindowTitle) + " " + std::string(qx::kVersionText));
    if (TControl* label = control("lbConInterface"))
        label->SetCaption("");
    ReenableLinkControls();
    if (auto* link = qx::findComponent<TRzBmpButton>(*this, "rzbMenuLink"))
        link->SetDown(false);
    ShowIpText("Disconnected");
    SetEnabled(true);
    stopTimer("tmInLevelDet");
    stopTimer("tmMipsFlash");
    Replies->meters().ResetMeters();
    SetDspLabelStyle(qx::DspLabelStyle::Calm);
}

void TfmMain::StopTransferTimers()
{
    for (const char* name : {"tmUpload", "tmDownloadEnd", "tmPresetLoadCount", "tmProcessShow", "tmPts"})
        stopTimer(name);
}

void TfmMain::RescanHid() { HidCtl->DeviceChange(); }

// A modal window whose loop lies below the scan dialog's only ends once that
// dialog closes: it is hidden now, so nothing of the lost exchange shows.
void TfmMain::CloseExchangeWindows()
{
    const std::initializer_list<TForm*> windows = {fmProcess,     fmLockPassWord, fmStoreName,
                                                   fmStorePreset, fmRecallPreset, fmFactory};
    for (TForm* window : windows) {
        if (!window || !window->Visible())
            continue;
        window->Close();
        window->Hide();
    }
}

// A scan dialog closed while a window of the exchange ran above it is still
// in its loop, which returns only after that window's: it stays up instead,
// and takes input once the exchange's windows have gone.
void TfmMain::ShowScanDialog()
{
    if (!fmNetwork)
        return;
    if (fmNetwork->Modal()) {
        fmNetwork->SetModalResult(mrNone);
        fmNetwork->Show();
        return;
    }
    if (!fmNetwork->Visible())
        fmNetwork->ShowModal();
}

void TfmMain::ClientSocketConnecting(TObject*, TCustomWinSocket*)
{
    if (Connection)
        Connection->SocketConnecting();
}

void TfmMain::ClientSocketConnect(TObject*, TCustomWinSocket* Socket)
{
    if (Connection && Socket)
        Connection->SocketConnected(*Socket);
}

void TfmMain::ClientSocketRead(TObject*, TCustomWinSocket* Socket)
{
    if (Connection && Socket)
        Connection->SocketRead(*Socket);
}

// A dead connection shows as the link's time-out; the socket raises nothing.
void TfmMain::ClientSocketError(TObject*, TCustomWinSocket*, TErrorEvent, int& ErrorCode) { ErrorCode = 0; }

bool TfmMain::HidCtlEnumerate(TJvHidDevice* device, int index)
{
    const bool had = HasHidDevice();
    const bool result = HidPort->Enumerate(device, index);
    if (!had && HasHidDevice())
        if (TControl* status = control("lbStatus"))
            status->SetCaption("Detect HID");
    return result;
}

void TfmMain::HidCtlDeviceChange(TJvHidDeviceController*) { HidCtl->Enumerate(); }

void TfmMain::HidCtlDeviceData(TJvHidDevice* device, std::uint8_t reportId, const std::uint8_t* data,
                               std::uint16_t size)
{
    const auto frame = HidPort->Frame(device, data, size);
    if (!frame.empty())
        Router->OnHidData(reportId, frame);
}

void TfmMain::HidCtlDeviceUnplug(TJvHidDevice* device)
{
    if (!HidPort->Unplug(device))
        return;
    TControl* status = control("lbStatus");
    if (Visible() && status && status->Caption() == "Detect HID")
        status->SetCaption("OffLine");
    if (Router->Kind() == qx::LinkKind::Usb)
        if (TTimer* broken = timer("tmLinkBroken"))
            broken->SetEnabled(true);
}

void TfmMain::Dispatch(TMessage& Message)
{
    const unsigned id = Message.Msg;
    const bool linkMessage = id == WM_LINK_FRAME || id == WM_LINK_FRAME_OTHER_BAUD || id == WM_LINK_ERROR ||
                             id == qx::WM_LINK_TRACE;
    const qx::WindowMessage message{id, Message.WParam, Message.LParam,
                                    Message.Data ? *Message.Data : std::vector<std::uint8_t>{}};
    if (linkMessage) {
        if (id == WM_LINK_ERROR) {
            if (Connection)
                Connection->OnLinkError(message);
        } else if (id == qx::WM_LINK_TRACE) {
            if (Connection && fmHidData)
                Connection->OnTraceMessage(message, *fmHidData);
        } else if (Replies) {
            Message.Result = qx::handleLinkFrame(*Router, *Replies, message);
        }
        return;
    }
    if (HidCtl && HidCtl->HandleMessage(message))
        return;
    TForm::Dispatch(Message);
}
