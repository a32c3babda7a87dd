#include "app/ConnectionControl.h"

#include "app/FHidData.h"
#include "app/FNetWorkScan.h"
#include "codec/CmMcs.h"
#include "link/LinkMessages.h"
#include "link/LinkRouter.h"
#include "model/ExchangeCodes.h"
#include "model/ReplyDispatcher.h"
#include "platform/gui/Label.h"
#include "platform/gui/ProgressBar.h"
#include "platform/net/ClientSocket.h"

namespace qx {

std::intptr_t handleLinkFrame(LinkRouter& router, ReplyDispatcher& replies, const WindowMessage& message)
{
    if (router.Kind() == LinkKind::Serial)
        router.TraceComRead(message.data);
    if (message.id == WM_LINK_FRAME_OTHER_BAUD)
        return 0;
    return replies.OnDeviceReply(message.data, router.PendingFrame()) == ReplyVerdict::NotAnAnswer
               ? kFrameNotAnAnswer
               : 0;
}

ConnectionControl::ConnectionControl(LinkRouter& router, ReplyDispatcher& dispatcher, TfmNetwork& scan,
                                     ConnectionView& view)
    : router_(router), dispatcher_(dispatcher), scan_(scan), view_(view)
{
}

// A step or transfer left by an earlier connection must not act on this one.
template <class Open>
bool ConnectionControl::connect(Open open)
{
    dispatcher_.LinkClosed();
    view_.StopTransferTimers();
    if (!open())
        return false;
    dispatcher_.BeginConnect();
    router_.SendCommand(CM_MCS_CMD(static_cast<std::uint8_t>(router_.DeviceId()), request::kDeviceInfo), true);
    return true;
}

void ConnectionControl::ConnectCom(const std::string& port)
{
    if (!connect([&] { return router_.OpenCom(port); }) && !scan_.NotifyOpenFailure(router_.LastOpenFailure()))
        scan_.NotifyLinkLost();
}

void ConnectionControl::ConnectUsb()
{
    if (!connect([&] { return router_.OpenUsb(); }) && !scan_.NotifyOpenFailure(router_.LastOpenFailure()))
        scan_.NotifyConnectResult(0);
}

void ConnectionControl::ConnectNet()
{
    if (!connect([&] { return router_.OpenNet(); }))
        scan_.NotifyConnectResult(0);
}

void ConnectionControl::Disconnect()
{
    router_.CloseLink();
    dispatcher_.LinkClosed();
    view_.StopTransferTimers();
    if (!scan_.IsConnected())
        return;
    view_.RescanHid();
    view_.ShowOffline();
}

void ConnectionControl::linkLost()
{
    Disconnect();
    view_.CloseExchangeWindows();
    scan_.pbScan->SetPosition(0);
    scan_.NotifyLinkLost();
    view_.ShowScanDialog();
}

void ConnectionControl::OnLinkError(const WindowMessage& message)
{
    if (!router_.IsCurrentLinkMessage(message))
        return;
    const LinkErrorReport report = readLinkErrorMessage(message);
    const ExchangeState& state = dispatcher_.state();
    if (report.code == static_cast<int>(LinkError::NoAnswer) && state.connecting) {
        router_.CloseLink();
        dispatcher_.LinkClosed();
        scan_.NotifyConnectResult(0);
    }
    if (state.connected)
        linkLost();
}

void ConnectionControl::DisconnectTimer()
{
    if (router_.Kind() == LinkKind::None)
        return;
    Disconnect();
    scan_.NotifyLinkLost();
}

void ConnectionControl::LinkBrokenTimer()
{
    if (router_.Kind() != LinkKind::None)
        linkLost();
}

void ConnectionControl::ComScanTimer()
{
    if (!scan_.Visible())
        return;
    const auto closed = router_.CloseAll();
    if (!closed.empty())
        dispatcher_.LinkClosed();
    for (std::size_t i = 0; i < closed.size(); ++i)
        scan_.NotifyConnectResult(0);
}

void ConnectionControl::SocketConnecting() { scan_.lblScan->SetCaption("Network Connecting"); }

void ConnectionControl::SocketConnected(TCustomWinSocket& socket)
{
    scan_.lblScan->SetCaption("Connecting IP:" + socket.RemoteAddress());
}

void ConnectionControl::SocketRead(TCustomWinSocket& socket) { router_.OnSocketRead(socket); }

void ConnectionControl::OnTraceMessage(const WindowMessage& message, TfmHidData& monitor)
{
    if (!router_.Has(static_cast<LinkKind>(message.wParam)))
        return;
    monitor.AddTraceLine(std::string(message.data.begin(), message.data.end()));
}

} // namespace qx
