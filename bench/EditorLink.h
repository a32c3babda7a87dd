#pragma once
// The editor's TCP road for the benchmarks: the client socket, the send
// router with its TCP link, the connection control and the reply dispatcher,
// wired as the program wires them, around the real main window, which shows
// what the exchanges load.

#include "NullHost.h"
#include "app/ConnectionControl.h"
#include "app/FNetWorkScan.h"
#include "link/LinkRouter.h"
#include "link/hid/ProcessorHidPort.h"
#include "link/hid/TJvHidDeviceController.h"
#include "model/LUnitControl.h"
#include "model/ReplyDispatcher.h"
#include "platform/gui/Form.h"
#include "platform/hid/FakeHidBus.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TClientSocket;
class TfmMain;

namespace qx::bench {

// The main window's services that the load does not touch are the null host's
// no-ops; the window's timers (meter poll, progress show) are not part of it.
class EditorLink : public TForm, public test::NullHost, public ConnectionView
{
public:
    EditorLink(TfmMain& window, std::uint16_t port);
    ~EditorLink() override;

    // Opens the socket; on connect the TCP link opens and asks for the device
    // information, as the connection dialog has it done.
    void Connect();
    // The port the next Connect dials on 127.0.0.1.
    void UsePort(std::uint16_t port);
    void Disconnect();
    // The state load has ended with the unit shown in the window.
    bool StateLoaded() const { return loaded_; }
    // Time spent showing the loaded unit in the window (LoadUnitToForm), in seconds.
    double ShowSeconds() const { return showSeconds_; }
    bool SocketUp() const { return socketUp_; }
    // Frames handed to the GUI thread and handled, since the start.
    int RepliesHandled() const { return replies_; }
    std::size_t ReplyBytes() const { return replyBytes_; }
    // Every frame the exchanges sent, as it went on the wire.
    const std::vector<std::vector<std::uint8_t>>& Requests() const { return requests_; }
    void ForgetRequests() { requests_.clear(); }
    // The requests of one state load that are answered: the device
    // information request sent on opening the link, then what the exchanges
    // sent but the closing keep-alive.
    std::vector<std::vector<std::uint8_t>> AnsweredRequests() const;
    // A unit model whose edits go through the send router.
    LUnitControl& Unit() { return unit_; }
    const ReplyDispatcher& Dispatcher() const { return dispatcher_; }

    void WndProc(TMessage& m) override;

    // What the load uses of the unit and exchange services.
    std::uint8_t GetDeviceId() const override;
    void SendCommand(const LCmd& command, bool urgent) override;
    void SetLinkTimeout(int milliseconds) override { router_.SetLinkTimeout(milliseconds); }
    void SetLinkRetries(int count) override { router_.SetLinkRetries(count); }
    void SetKeepAliveSuppressed(bool suppressed) override { router_.SetKeepAliveSuppressed(suppressed); }
    int ProgressPosition() const override;
    int ProgressMax() const override;
    void SetProgressPosition(int position) override;
    void SetProgressMax(int maximum) override;
    void SetStatusText(std::string_view stringId) override;
    void CloseProgressWindow() override;
    void NotifyConnectResult(int result) override;
    void ShowOnline() override;
    void SetLockModeVisible(bool visible) override;
    void LoadUnitToForm() override;
    void ReenableLinkControls() override;
    void ShowCurrentPreset(std::string_view number, const PresetName& name) override;

    // ConnectionView.
    void ShowOffline() override {}
    void StopTransferTimers() override {}
    void RescanHid() override {}
    void CloseExchangeWindows() override {}
    void ShowScanDialog() override {}

private:
    TfmMain& window_;
    TClientSocket* socket_;
    hid::FakeHidBus bus_;
    std::unique_ptr<TJvHidDeviceController> controller_;
    ProcessorHidPort port_;
    LinkRouter router_;
    ReplyDispatcher dispatcher_;
    LUnitControl unit_;
    std::unique_ptr<TfmNetwork> scan_;
    ConnectionControl control_;
    std::vector<std::vector<std::uint8_t>> requests_;
    bool loaded_ = false;
    double showSeconds_ = 0;
    bool socketUp_ = false;
    int replies_ = 0;
    std::size_t replyBytes_ = 0;
};

// Creates the main window as the program does, with its start timer (which
// would open the connection scan) stopped before the event loop can run it,
// and every dial but one to 127.0.0.1 refused.
TfmMain& quietMainWindow();
// Shows the main window (offscreen) and lets it paint.
void showMainWindow();
// Waits for and handles the next GUI event, as the program's loop does.
void handleOneMessage();
// Until done() holds, GUI events are handled.
template <class Done>
void runUntil(Done done)
{
    while (!done())
        handleOneMessage();
}

// One full state load as the user feels it, on the main window shown: from
// opening the socket until the unit is shown in the window and the window
// has painted what changed; then the same requests by a bare client.
struct LoadRun
{
    double editorSeconds = 0; // connect to painted
    double showSeconds = 0;   // filling the window's controls (part of editorSeconds)
    double paintSeconds = 0;  // painting after the fill (part of editorSeconds)
    double floorSeconds = 0;
    std::size_t exchanges = 0;
    std::string error; // empty when both runs completed with the same replies
};
LoadRun loadAndFloor(EditorLink& link, std::uint16_t port);

} // namespace qx::bench
