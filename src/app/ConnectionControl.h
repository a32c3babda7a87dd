#pragma once
// The main window's connection: connecting each kind of link for the scan
// dialog, disconnecting, the link-failure message, the link timers, the TCP
// socket's events and the traffic trace. The main window owns one and passes
// its handlers' calls here; what it shows itself goes through ConnectionView.

#include <cstdint>
#include <string>

class TCustomWinSocket;
class TfmHidData;
class TfmNetwork;

namespace qx {

class LinkRouter;
class ReplyDispatcher;
struct WindowMessage;

class ConnectionView
{
public:
    virtual ~ConnectionView() = default;
    // The window back offline: working folder, captions, labels, main window
    // enabled, meters reset.
    virtual void ShowOffline() = 0;
    // The transfers' timers stopped.
    virtual void StopTransferTimers() = 0;
    // The HID controller rescans the attached devices.
    virtual void RescanHid() = 0;
    // Every window of the exchange under way (progress, unlock prompt,
    // preset and name dialogs) closed at once, also one whose modal loop
    // will only end after the scan dialog's.
    virtual void CloseExchangeWindows() = 0;
    // The scan dialog shown modally.
    virtual void ShowScanDialog() = 0;

protected:
    ConnectionView() = default;
    ConnectionView(const ConnectionView&) = default;
    ConnectionView& operator=(const ConnectionView&) = default;
};

// A reply frame a link handed to the window: message 1360, or 1362 from a
// serial port that is not at 115200 baud. A serial frame is traced; a frame
// of 1362 goes no further, any other goes to the replies. The result is what
// the link is told: kFrameNotAnAnswer when the frame in flight still waits
// for its answer, else 0.
std::intptr_t handleLinkFrame(LinkRouter& router, ReplyDispatcher& replies, const WindowMessage& message);

class ConnectionControl
{
public:
    ConnectionControl(LinkRouter& router, ReplyDispatcher& dispatcher, TfmNetwork& scan, ConnectionView& view);

    // Open a link of that kind and send the device information request;
    // report a link that does not open to the scan dialog.
    void ConnectCom(const std::string& port);
    void ConnectUsb();
    void ConnectNet();
    // Closes the link; back offline when the scan had succeeded.
    void Disconnect();
    // Message 1361 of the link open now; late ones of closed links are ignored.
    void OnLinkError(const WindowMessage& message);

    // The one-shot timers' work (their handlers disable them first).
    void DisconnectTimer();
    void LinkBrokenTimer();
    void ComScanTimer();

    // The client socket's events.
    void SocketConnecting();
    void SocketConnected(TCustomWinSocket& socket);
    void SocketRead(TCustomWinSocket& socket);

    // A trace line posted by the links: listed while the monitor is shown
    // and a link of its kind exists.
    void OnTraceMessage(const WindowMessage& message, TfmHidData& monitor);

private:
    template <class Open>
    bool connect(Open open);
    void linkLost();

    LinkRouter& router_;
    ReplyDispatcher& dispatcher_;
    TfmNetwork& scan_;
    ConnectionView& view_;
};

} // namespace qx
