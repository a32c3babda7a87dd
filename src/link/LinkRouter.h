#pragma once
// The main window's one link and the devices it writes through: the send
// router every sender calls, the link settings, opening and closing the
// serial, USB and TCP links, the TCP frame and HID report writers, the
// client socket's and HID device's received data, and the traffic trace.

#include "codec/FrameAssembler.h"
#include "link/DeviceOpenFailure.h"
#include "link/FrameWriter.h"
#include "platform/sync/MessageTarget.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

class LCmd;
class LCommProc;
class LNetProc;
class LUsbProc;
class TCustomWinSocket;
class TClientSocket;

namespace qx {

class Clock;
class LinkWorker;
class ProcessorHidPort;

/// Posted to the owner for every trace line: wParam the LinkKind, data the text.
inline constexpr unsigned WM_LINK_TRACE = 1365;

enum class LinkKind : std::uintptr_t
{
    None,
    Serial,
    Usb,
    Net,
};

/// "PREFIX" followed by "%02X " for each byte.
std::string traceLine(std::string_view prefix, std::span<const std::uint8_t> bytes);

class LinkRouter
{
public:
    static constexpr int kOpenedTimeoutMs = 100;
    static constexpr int kNetOpenedTimeoutMs = 4000;
    static constexpr int kOpenedRetries = 3;
    static constexpr int kBaud = 115200;
    static constexpr std::size_t kLastFrameMax = 70;
    static constexpr int kReadChunk = 100;
    static constexpr int kShortRead = 5;

    /// owner: the window that gets the links' messages and the trace lines.
    LinkRouter(MessageTarget& owner, TClientSocket& socket, ProcessorHidPort& hid, Clock& clock);
    ~LinkRouter();
    LinkRouter(const LinkRouter&) = delete;
    LinkRouter& operator=(const LinkRouter&) = delete;

    /// Encodes the command (framed) and hands it to the open link: serial
    /// first, then USB, then TCP. Without a link nothing is sent.
    void SendCommand(const LCmd& command, bool urgent);
    /// 1..254 is stored and given to the link's keep-alive; false otherwise.
    bool SetDeviceId(int id);
    int DeviceId() const { return deviceId_; }
    void SetLinkTimeout(int milliseconds);
    void SetLinkRetries(int count);
    void SetKeepAliveSuppressed(bool suppressed);
    /// Trace lines are made and posted only while someone shows them (the
    /// traffic monitor, which records nothing while hidden); on until told
    /// otherwise. Any thread.
    void SetTraceShown(bool shown) { traceShown_ = shown; }
    /// The serial link's resends that do not count against its retries; no
    /// serial link, nothing.
    void SetFreeResends(int count);

    /// Each replaces a link of its kind, opens the new one and sets the
    /// opened time-out and retries; false, with no link of that kind left,
    /// when it does not open.
    bool OpenCom(const std::string& port);
    bool OpenUsb();
    bool OpenNet();
    /// Why the last OpenCom or OpenUsb did not open its device; no problem
    /// after a success.
    const DeviceOpenFailure& LastOpenFailure() const { return openFailure_; }
    /// Closes and deletes the first link set (serial, USB, TCP); for TCP the
    /// client socket is closed too. The kind closed, or None.
    LinkKind CloseLink();
    /// Closes and deletes every link object, serial, USB and TCP in order;
    /// the kinds closed.
    std::vector<LinkKind> CloseAll();

    /// The frame the open link writes and resends now, whose answer a reply
    /// must be; empty without one.
    std::vector<std::uint8_t> PendingFrame() const;
    /// True while the open link's frame in flight waits for its answer or
    /// frames wait for the link; false without a link.
    bool Busy() const;
    /// The time-out the open link waits for an answer, in milliseconds; 0
    /// without a link.
    int LinkTimeout() const;
    /// The clock time at which the open link's frame in flight times out
    /// next, once its worker times it; -1 otherwise.
    std::int64_t FrameTimeoutAt() const;

    /// While one lives, the link open at its making neither times out nor
    /// polls: a dialog that waits for the user in the middle of an exchange
    /// holds one. A link closed meanwhile is left alone.
    class TimeoutPause
    {
    public:
        explicit TimeoutPause(LinkRouter& router);
        ~TimeoutPause();
        TimeoutPause(const TimeoutPause&) = delete;
        TimeoutPause& operator=(const TimeoutPause&) = delete;

    private:
        LinkRouter& router_;
        std::uint64_t generation_;
    };

    LinkKind Kind() const;
    bool Has(LinkKind kind) const;
    /// The generation of the link open now (0 without one): its 1361 messages carry it.
    std::uint64_t Generation() const;
    /// True when a 1361 message comes from the link open now.
    bool IsCurrentLinkMessage(const WindowMessage& message) const;

    /// The client socket's OnRead: up to 100 bytes go to the TCP link. A short
    /// read (5 bytes or fewer) with no byte of a frame asks for the last frame again.
    void OnSocketRead(TCustomWinSocket& socket);
    /// The HID controller's OnDeviceData for the processor's device.
    void OnHidData(std::uint8_t reportId, std::span<const std::uint8_t> frame);
    /// The serial link's trace lines: "COM W " for each frame it takes to
    /// send, "COM R " for each reply frame the owner took from it (messages
    /// 1360 and 1362).
    void TraceComWrite(std::span<const std::uint8_t> bytes);
    void TraceComRead(std::span<const std::uint8_t> frame);

private:
    class NetWriter;
    class HidWriter;

    // Marks a delivery of received bytes to a link; links closed meanwhile
    // (by a reply handler) are deleted when the outermost delivery ends.
    class DeliveryScope;

    LinkWorker* current() const;
    // Closes the link and deletes it, or keeps it until the delivery ends.
    template <class Link>
    void retire(std::unique_ptr<Link>& link);
    // Posts the line "prefix" + "%02X " per byte, while the trace is shown.
    void trace(LinkKind kind, std::string_view prefix, std::span<const std::uint8_t> bytes);
    // Follows the TCP byte stream as the link's assembler does: true when the
    // bytes continue, complete or begin a frame.
    bool carriesFrameBytes(std::span<const std::uint8_t> bytes);
    void resendLastNetFrame(TCustomWinSocket& socket);

    MessageTarget& owner_;
    TClientSocket& socket_;
    ProcessorHidPort& hid_;
    Clock& clock_;
    int deviceId_ = 1;
    std::unique_ptr<NetWriter> netWriter_;
    std::unique_ptr<HidWriter> hidWriter_;
    std::unique_ptr<LCommProc> com_;
    std::unique_ptr<LUsbProc> usb_;
    std::unique_ptr<LNetProc> net_;
    int deliveries_ = 0;
    std::vector<std::unique_ptr<LinkWorker>> retired_;
    // Where the TCP byte stream stands between reads.
    FrameAssembler netFrames_;
    DeviceOpenFailure openFailure_;
    std::atomic<bool> traceShown_{true};
};

} // namespace qx
