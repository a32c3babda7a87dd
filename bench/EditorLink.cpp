#include "EditorLink.h"

#include "app/FMain.h"
#include "app/FNetworkSetup.h"
#include "app/ProgramStart.h"
#include "ProtocolFloor.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "model/ExchangeCodes.h"
#include "link/LinkMessages.h"
#include "platform/gui/Application.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/Timer.h"
#include "platform/net/ClientSocket.h"
#include "platform/net/DialFilter.h"
#include "platform/sync/Clock.h"

#include <chrono>
#include <stdexcept>

namespace qx::bench {

EditorLink::EditorLink(TfmMain& window, std::uint16_t port)
    : TForm(nullptr), window_(window), socket_(new TClientSocket(this)),
      controller_(std::make_unique<TJvHidDeviceController>(*this, bus_)), port_(*controller_),
      router_(*this, *socket_, port_, Clock::system()),
      dispatcher_(*this, *window.UnitControl, window.FirCoeffs), unit_(this),
      scan_(std::make_unique<TfmNetwork>(nullptr)), control_(router_, dispatcher_, *scan_, *this)
{
    // As in the program with its traffic monitor hidden: no trace lines.
    router_.SetTraceShown(false);
    socket_->SetAddress("127.0.0.1");
    socket_->SetPort(port);
    socket_->OnConnect = [this](TObject*, TCustomWinSocket*) {
        socketUp_ = true;
        control_.ConnectNet();
    };
    socket_->OnRead = [this](TObject*, TCustomWinSocket* s) { control_.SocketRead(*s); };
    socket_->OnError = [](TObject*, TCustomWinSocket*, TErrorEvent, int& code) { code = 0; };
}

EditorLink::~EditorLink() { router_.CloseAll(); }

void EditorLink::Connect()
{
    loaded_ = false;
    socketUp_ = false;
    socket_->SetActive(true);
}

void EditorLink::UsePort(std::uint16_t port) { socket_->SetPort(port); }

std::vector<std::vector<std::uint8_t>> EditorLink::AnsweredRequests() const
{
    std::vector<std::vector<std::uint8_t>> requests{EncodeFrame(CM_MCS_CMD(GetDeviceId(), request::kDeviceInfo), 1)};
    requests.insert(requests.end(), requests_.begin(), requests_.end());
    const auto keepAlive = EncodeFrame(CM_MCS_CMD(GetDeviceId(), request::kKeepAlive), 1);
    if (!requests.empty() && requests.back() == keepAlive)
        requests.pop_back();
    return requests;
}

void EditorLink::Disconnect()
{
    router_.CloseLink();
    dispatcher_.LinkClosed();
    socket_->SetActive(false);
}

void EditorLink::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LINK_FRAME:
        if (m.Data) {
            ++replies_;
            replyBytes_ += m.Data->size();
            if (dispatcher_.OnDeviceReply(*m.Data, router_.PendingFrame()) == ReplyVerdict::NotAnAnswer)
                m.Result = kFrameNotAnAnswer;
        }
        return;
    case WM_LINK_ERROR:
        control_.OnLinkError(WindowMessage{m.Msg, m.WParam, m.LParam, m.Data ? *m.Data : std::vector<std::uint8_t>{}});
        return;
    case WM_LINK_TRACE:
        return;
    default:
        TForm::WndProc(m);
    }
}

std::uint8_t EditorLink::GetDeviceId() const { return static_cast<std::uint8_t>(router_.DeviceId()); }

void EditorLink::SendCommand(const LCmd& command, bool urgent)
{
    requests_.push_back(EncodeFrame(command, 1));
    router_.SendCommand(command, urgent);
}

int EditorLink::ProgressPosition() const { return window_.ProgressPosition(); }
int EditorLink::ProgressMax() const { return window_.ProgressMax(); }
void EditorLink::SetProgressPosition(int position) { window_.SetProgressPosition(position); }
void EditorLink::SetProgressMax(int maximum) { window_.SetProgressMax(maximum); }
void EditorLink::SetStatusText(std::string_view stringId) { window_.SetStatusText(stringId); }
void EditorLink::CloseProgressWindow() { window_.CloseProgressWindow(); }
void EditorLink::NotifyConnectResult(int result) { scan_->NotifyConnectResult(static_cast<unsigned char>(result)); }
void EditorLink::ShowOnline() { window_.ShowOnline(); }
void EditorLink::SetLockModeVisible(bool visible) { window_.SetLockModeVisible(visible); }
void EditorLink::ReenableLinkControls() { window_.ReenableLinkControls(); }

void EditorLink::LoadUnitToForm()
{
    const auto start = std::chrono::steady_clock::now();
    window_.LoadUnitToForm();
    showSeconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    loaded_ = true;
}

void EditorLink::ShowCurrentPreset(std::string_view number, const PresetName& name)
{
    window_.ShowCurrentPreset(number, name);
}

TfmMain& quietMainWindow()
{
    setDialFilter([](std::uint32_t address, std::uint16_t) { return address == 0x7F000001; });
    // The main window's HID controller sees an empty bus, never the machine's devices.
    static hid::FakeHidBus noDevices;
    setMainWindowHidBackend(&noDevices);
    registerEditorClasses();
    registerNetClasses();
    registerConnectionWindows();
    Application->CreateForm(fmMain);
    auto* start = findComponent<TTimer>(*fmMain, "tmStartConnect");
    if (!start)
        throw std::runtime_error("the main window has no start timer");
    start->SetEnabled(false);
    return *fmMain;
}

void showMainWindow()
{
    fmMain->Show();
    Application->ProcessMessages();
}

void handleOneMessage() { Application->HandleMessage(); }

LoadRun loadAndFloor(EditorLink& link, std::uint16_t port)
{
    using Clock = std::chrono::steady_clock;
    const auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    LoadRun run;
    link.UsePort(port);
    link.ForgetRequests();
    const std::size_t bytesBefore = link.ReplyBytes();
    const double showBefore = link.ShowSeconds();
    const auto start = Clock::now();
    link.Connect();
    runUntil([&] { return link.StateLoaded(); });
    const auto filled = Clock::now();
    const std::size_t editorBytes = link.ReplyBytes() - bytesBefore; // not the closing keep-alive's answer
    Application->ProcessMessages(); // the paints the fill asked for
    const auto painted = Clock::now();
    run.editorSeconds = seconds(painted - start);
    run.paintSeconds = seconds(painted - filled);
    run.showSeconds = link.ShowSeconds() - showBefore;
    link.Disconnect();

    const auto requests = link.AnsweredRequests();
    run.exchanges = requests.size();
    const FloorRun floor = runProtocolFloor(port, requests);
    run.floorSeconds = floor.seconds;
    if (!floor.complete)
        run.error = "the protocol floor run did not complete";
    else if (floor.replyBytes != editorBytes)
        run.error = "the floor run got other replies than the editor";
    return run;
}

} // namespace qx::bench
