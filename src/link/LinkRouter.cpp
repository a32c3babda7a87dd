#include "link/LinkRouter.h"

#include "codec/LCmd.h"
#include "link/LCommProc.h"
#include "link/LNetProc.h"
#include "link/hid/ProcessorHidPort.h"
#include "platform/net/ClientSocket.h"

#include <algorithm>
#include <cstdio>

namespace qx {

namespace {

constexpr int kFramed = 1;
constexpr std::size_t kLengthOffset = 4;
constexpr std::size_t kFrameOverhead = 8;

// Size of the frame that starts the bytes, as its length byte says; the
// whole count when the length byte has not come.
std::size_t firstFrameSize(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() <= kLengthOffset)
        return bytes.size();
    return std::min(bytes.size(), bytes[kLengthOffset] + kFrameOverhead);
}

} // namespace

class LinkRouter::DeliveryScope
{
public:
    explicit DeliveryScope(LinkRouter& router) : router_(router) { ++router_.deliveries_; }
    ~DeliveryScope()
    {
        if (--router_.deliveries_ == 0)
            router_.retired_.clear();
    }
    DeliveryScope(const DeliveryScope&) = delete;
    DeliveryScope& operator=(const DeliveryScope&) = delete;

private:
    LinkRouter& router_;
};

template <class Link>
void LinkRouter::retire(std::unique_ptr<Link>& link)
{
    if (!link)
        return;
    link->Close();
    if (deliveries_ > 0)
        retired_.push_back(std::move(link));
    link.reset();
}

std::string traceLine(std::string_view prefix, std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string line(prefix.size() + 3 * bytes.size(), ' ');
    char* out = line.data() + prefix.copy(line.data(), prefix.size());
    for (std::uint8_t b : bytes) {
        out[0] = kDigits[b >> 4];
        out[1] = kDigits[b & 0x0F];
        out += 3;
    }
    return line;
}

/// The TCP link's write routine: every frame goes to the client socket, and a
/// copy stays for the resend a short read asks for. The link writes from the
/// GUI thread or its worker, and the GUI thread resends; the socket
/// serialises them.
class LinkRouter::NetWriter final : public FrameWriter
{
public:
    explicit NetWriter(LinkRouter& router) : router_(router) {}

    bool writeFrame(std::span<const std::uint8_t> frame) override
    {
        {
            std::lock_guard lock(mutex_);
            last_.assign(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(std::min(frame.size(), kLastFrameMax)));
        }
        const int sent = router_.socket_.Socket()->SendBuf(frame.data(), static_cast<int>(frame.size()));
        router_.trace(LinkKind::Net, "NET W ", frame);
        return sent == static_cast<int>(frame.size());
    }

    std::vector<std::uint8_t> last() const
    {
        std::lock_guard lock(mutex_);
        return last_;
    }

private:
    LinkRouter& router_;
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> last_;
};

/// The USB link's write routine: one output report per frame.
class LinkRouter::HidWriter final : public FrameWriter
{
public:
    explicit HidWriter(LinkRouter& router) : router_(router) {}

    bool writeFrame(std::span<const std::uint8_t> frame) override
    {
        const bool written = router_.hid_.Write(frame);
        router_.trace(LinkKind::Usb, "USB W 00  ", frame);
        return written;
    }

private:
    LinkRouter& router_;
};

LinkRouter::LinkRouter(MessageTarget& owner, TClientSocket& socket, ProcessorHidPort& hid, Clock& clock)
    : owner_(owner), socket_(socket), hid_(hid), clock_(clock), netWriter_(std::make_unique<NetWriter>(*this)),
      hidWriter_(std::make_unique<HidWriter>(*this))
{
}

LinkRouter::~LinkRouter() { CloseAll(); }

LinkWorker* LinkRouter::current() const
{
    if (com_)
        return com_.get();
    if (usb_)
        return usb_.get();
    return net_.get();
}

LinkKind LinkRouter::Kind() const
{
    return com_ ? LinkKind::Serial : usb_ ? LinkKind::Usb : net_ ? LinkKind::Net : LinkKind::None;
}

bool LinkRouter::Has(LinkKind kind) const
{
    switch (kind) {
    case LinkKind::Serial:
        return com_ != nullptr;
    case LinkKind::Usb:
        return usb_ != nullptr;
    case LinkKind::Net:
        return net_ != nullptr;
    case LinkKind::None:
        break;
    }
    return false;
}

std::uint64_t LinkRouter::Generation() const
{
    const LinkWorker* link = current();
    return link ? link->Generation() : 0;
}

std::vector<std::uint8_t> LinkRouter::PendingFrame() const
{
    const LinkWorker* link = current();
    return link ? link->PendingFrame() : Frame{};
}

bool LinkRouter::Busy() const
{
    if (com_)
        return com_->IsBusy();
    if (usb_)
        return usb_->IsBusy();
    return net_ && net_->IsBusy();
}

int LinkRouter::LinkTimeout() const
{
    const LinkWorker* link = current();
    return link ? link->Timeout() : 0;
}

std::int64_t LinkRouter::FrameTimeoutAt() const
{
    const LinkWorker* link = current();
    return link ? link->FrameTimeoutAt() : -1;
}

LinkRouter::TimeoutPause::TimeoutPause(LinkRouter& router) : router_(router), generation_(router.Generation())
{
    if (LinkWorker* link = router_.current())
        link->PauseTimeouts();
}

LinkRouter::TimeoutPause::~TimeoutPause()
{
    LinkWorker* link = router_.current();
    if (link && link->Generation() == generation_)
        link->ResumeTimeouts();
}

bool LinkRouter::IsCurrentLinkMessage(const WindowMessage& message) const
{
    const LinkWorker* link = current();
    return link && link->IsOwnMessage(message);
}

void LinkRouter::SendCommand(const LCmd& command, bool urgent)
{
    const Frame frame = EncodeFrame(command, kFramed);
    if (com_)
        com_->SendFrame(frame, urgent);
    else if (usb_)
        usb_->SendFrame(frame, urgent);
    else if (net_)
        net_->SendFrame(frame, urgent);
}

bool LinkRouter::SetDeviceId(int id)
{
    if (id < 1 || id > 254)
        return false;
    deviceId_ = id;
    if (com_)
        com_->SetDeviceId(id);
    else if (usb_)
        usb_->SetDeviceId(id);
    else if (net_)
        net_->SetDeviceId(id);
    return true;
}

void LinkRouter::SetLinkTimeout(int milliseconds)
{
    if (LinkWorker* link = current())
        link->SetTimeout(milliseconds);
}

void LinkRouter::SetLinkRetries(int count)
{
    if (LinkWorker* link = current())
        link->SetRetries(count);
}

void LinkRouter::SetKeepAliveSuppressed(bool suppressed)
{
    if (com_)
        com_->SetKeepAliveSuppressed(suppressed);
    else if (usb_)
        usb_->SetKeepAliveSuppressed(suppressed);
    else if (net_)
        net_->SetKeepAliveSuppressed(suppressed);
}

void LinkRouter::SetFreeResends(int count)
{
    if (com_)
        com_->SetFreeResends(count);
}

bool LinkRouter::OpenCom(const std::string& port)
{
    retire(com_);
    com_ = std::make_unique<LCommProc>(owner_, deviceId_, clock_);
    com_->SetSendTrace([this](std::span<const std::uint8_t> bytes) { TraceComWrite(bytes); });
    openFailure_ = {};
    if (!com_->Open(port, kBaud, 8, 0, 0)) {
        openFailure_ = com_->OpenFailure();
        com_.reset();
        return false;
    }
    com_->SetTimeout(kOpenedTimeoutMs);
    com_->SetRetries(kOpenedRetries);
    return true;
}

bool LinkRouter::OpenUsb()
{
    retire(usb_);
    openFailure_ = {};
    if (const auto refused = hid_.OpenForTransfers()) {
        openFailure_ = {refused->path, refused->error.error, refused->error.mayRetry, true};
        return false;
    }
    usb_ = std::make_unique<LUsbProc>(owner_, *hidWriter_, deviceId_, clock_);
    if (!usb_->Open()) {
        usb_.reset();
        return false;
    }
    usb_->SetTimeout(kOpenedTimeoutMs);
    usb_->SetRetries(kOpenedRetries);
    return true;
}

bool LinkRouter::OpenNet()
{
    retire(net_);
    netFrames_.clear();
    net_ = std::make_unique<LNetProc>(owner_, *netWriter_, deviceId_, clock_);
    if (!net_->Open()) {
        net_.reset();
        return false;
    }
    net_->SetTimeout(kNetOpenedTimeoutMs);
    net_->SetRetries(kOpenedRetries);
    return true;
}

LinkKind LinkRouter::CloseLink()
{
    const LinkKind kind = Kind();
    if (com_)
        retire(com_);
    else if (usb_)
        retire(usb_);
    else if (net_) {
        retire(net_);
        socket_.SetActive(false);
    }
    return kind;
}

std::vector<LinkKind> LinkRouter::CloseAll()
{
    std::vector<LinkKind> kinds;
    if (com_) {
        retire(com_);
        kinds.push_back(LinkKind::Serial);
    }
    if (usb_) {
        retire(usb_);
        kinds.push_back(LinkKind::Usb);
    }
    if (net_) {
        retire(net_);
        kinds.push_back(LinkKind::Net);
    }
    return kinds;
}

void LinkRouter::trace(LinkKind kind, std::string_view prefix, std::span<const std::uint8_t> bytes)
{
    if (!traceShown_.load(std::memory_order_relaxed))
        return;
    const std::string line = traceLine(prefix, bytes);
    owner_.postMessage({WM_LINK_TRACE, static_cast<std::uintptr_t>(kind), 0,
                        std::vector<std::uint8_t>(line.begin(), line.end())});
}

void LinkRouter::OnSocketRead(TCustomWinSocket& socket)
{
    std::uint8_t buffer[kReadChunk];
    const int n = socket.ReceiveBuf(buffer, kReadChunk);
    if (n <= 0)
        return;
    const std::span<const std::uint8_t> bytes(buffer, static_cast<std::size_t>(n));
    trace(LinkKind::Net, "NET R ", bytes.first(firstFrameSize(bytes)));

    // A few bytes are a request to repeat the last frame only when no byte
    // of them belongs to a frame: junk before the start of an answer, or an
    // answer split over several reads, is delivered.
    const bool frameBytes = carriesFrameBytes(bytes); // every read, to follow the stream
    if (net_ && (n > kShortRead || frameBytes)) {
        const DeliveryScope delivering(*this);
        net_->Deliver(bytes.data(), bytes.size());
        return;
    }
    resendLastNetFrame(socket);
}

bool LinkRouter::carriesFrameBytes(std::span<const std::uint8_t> bytes)
{
    bool carries = netFrames_.buffered() > 0; // continues a frame
    netFrames_.push(bytes, [&carries](const Frame&) { carries = true; });
    return carries || netFrames_.buffered() > 0; // completes or begins one
}

void LinkRouter::resendLastNetFrame(TCustomWinSocket& socket)
{
    const std::vector<std::uint8_t> last = netWriter_->last();
    if (!last.empty())
        socket.SendBuf(last.data(), static_cast<int>(last.size()));
    trace(LinkKind::Net, "NET RW ", last);
}

void LinkRouter::OnHidData(std::uint8_t reportId, std::span<const std::uint8_t> frame)
{
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "USB R %02X  ", reportId);
    trace(LinkKind::Usb, prefix, frame);
    if (usb_) {
        const DeliveryScope delivering(*this);
        usb_->Deliver(frame.data(), frame.size());
    }
}

void LinkRouter::TraceComWrite(std::span<const std::uint8_t> bytes)
{
    trace(LinkKind::Serial, "COM W ", bytes);
}

void LinkRouter::TraceComRead(std::span<const std::uint8_t> frame)
{
    trace(LinkKind::Serial, "COM R ", frame);
}

} // namespace qx
