#include "platform/net/ClientSocket.h"

#include "platform/gui/Application.h"
#include "platform/net/DialFilter.h"

#include <QSocketNotifier>

#include <algorithm>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

/// Watches the connection for the GUI loop: one epoll descriptor, alive as
/// long as the socket, holds the connection's descriptor (writable while
/// connecting, readable once connected, level-triggered so that unread bytes
/// notify again), and one Qt notifier on it wakes the loop; bytes a read
/// event took and its handler left are raised again by a posted call.
class TClientSocket::Watch
{
public:
    explicit Watch(TClientSocket& owner) : owner_(owner), epoll_(epoll_create1(EPOLL_CLOEXEC))
    {
        if (epoll_ < 0)
            throw ESocketError(std::string("Socket error: cannot watch sockets: ") + std::strerror(errno));
        notifier_ = new QSocketNotifier(epoll_, QSocketNotifier::Read);
        QObject::connect(notifier_, &QSocketNotifier::activated,
                         [this] { qx::guarded(&owner_, [this] { dispatch(owner_); }); });
    }
    ~Watch()
    {
        delete notifier_;
        ::close(epoll_);
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    void watchConnect(int fd) { set(fd, EPOLLOUT, EPOLL_CTL_ADD); }
    void watchRead(int fd) { set(fd, EPOLLIN | EPOLLRDHUP, EPOLL_CTL_MOD); }
    void forget(int fd) { epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, nullptr); }
    /// Has the connection looked at again at the next pass of the loop, once.
    void readAgain()
    {
        if (readAgainPosted_)
            return;
        readAgainPosted_ = true;
        QMetaObject::invokeMethod(
            notifier_,
            [this] {
                readAgainPosted_ = false;
                qx::guarded(&owner_, [this] {
                    if (owner_.socket_.Connected())
                        owner_.readable();
                });
            },
            Qt::QueuedConnection);
    }

private:
    void set(int fd, std::uint32_t events, int op)
    {
        epoll_event ev{};
        ev.events = events;
        ev.data.fd = fd;
        if (epoll_ctl(epoll_, op, fd, &ev) != 0)
            throw ESocketError(std::string("Socket error: cannot watch the socket: ") + std::strerror(errno));
    }

    // A connected socket, the one watched, is looked at by readable() itself
    // (a read per reply, no wait before it); the wait is asked only whether
    // a connection attempt has ended.
    void dispatch(TClientSocket& owner)
    {
        if (owner.socket_.Connected()) {
            owner.readable();
            return;
        }
        epoll_event ev{};
        if (epoll_wait(epoll_, &ev, 1, 0) == 1 && ev.data.fd == owner.socket_.fd_.load())
            owner.connectFinished();
    }

    TClientSocket& owner_;
    int epoll_;
    QSocketNotifier* notifier_;
    bool readAgainPosted_ = false;
};

namespace {

std::string errorText(TErrorEvent event, int code)
{
    static const char* const kWhat[] = {"general", "send", "receive", "connect", "disconnect", "accept", "lookup"};
    return "Socket error " + std::to_string(code) + " (" + std::strerror(code) + "), on " + kWhat[event];
}

} // namespace

// ---- the connection ----

int TCustomWinSocket::SendBuf(const void* Buf, int Count)
{
    std::lock_guard lock(sendMutex_);
    const int fd = fd_.load();
    if (!connected_.load() || fd < 0 || Count <= 0)
        return Count == 0 ? 0 : -1;
    const auto* p = static_cast<const unsigned char*>(Buf);
    int sent = 0;
    while (sent < Count) {
        const ssize_t n = ::send(fd, p + sent, static_cast<std::size_t>(Count - sent), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && connected_.load()) {
            // A close from the GUI thread shuts the socket down, which ends this wait.
            pollfd pfd{fd, POLLOUT, 0};
            ::poll(&pfd, 1, 1000);
            continue;
        }
        break;
    }
    return sent > 0 ? sent : -1;
}

int TCustomWinSocket::ReceiveBuf(void* Buf, int Count)
{
    const int fd = fd_.load();
    if (!connected_.load() || fd < 0 || Count <= 0)
        return 0;
    // What the read event took comes first; a read after it goes to the
    // connection itself.
    auto* out = static_cast<unsigned char*>(Buf);
    if (inboxSize() > 0)
        return takeFromInbox(out, Count);
    return std::max(receive(out, Count), 0);
}

int TCustomWinSocket::takeFromInbox(unsigned char* out, int count)
{
    const std::size_t n = std::min(inboxSize(), static_cast<std::size_t>(count));
    std::memcpy(out, inbox_.data() + inboxBegin_, n);
    inboxBegin_ += n;
    if (inboxBegin_ == inboxEnd_)
        inboxBegin_ = inboxEnd_ = 0;
    return static_cast<int>(n);
}

int TCustomWinSocket::receive(unsigned char* out, int count)
{
    const ssize_t n = ::recv(fd_.load(), out, static_cast<std::size_t>(count), MSG_DONTWAIT);
    if (n >= 0)
        return static_cast<int>(n);
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
        owner_.failed(eeReceive, errno);
    return -1;
}

int TCustomWinSocket::ReceiveLength() const
{
    int waiting = 0;
    const int fd = fd_.load();
    if (fd < 0 || ::ioctl(fd, FIONREAD, &waiting) != 0)
        waiting = 0;
    return waiting + static_cast<int>(inboxSize());
}

namespace {

bool peerOf(int fd, sockaddr_in& peer)
{
    socklen_t len = sizeof peer;
    return fd >= 0 && ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &len) == 0 && peer.sin_family == AF_INET;
}

} // namespace

std::string TCustomWinSocket::RemoteAddress() const
{
    sockaddr_in peer{};
    char text[INET_ADDRSTRLEN] = {};
    if (!connected_.load() || !peerOf(fd_.load(), peer) || !inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text))
        return {};
    return text;
}

int TCustomWinSocket::RemotePort() const
{
    sockaddr_in peer{};
    return connected_.load() && peerOf(fd_.load(), peer) ? ntohs(peer.sin_port) : 0;
}

// ---- the component ----

TClientSocket::TClientSocket(TComponent* AOwner) : TComponent(AOwner), watch_(std::make_unique<Watch>(*this)) {}

TClientSocket::~TClientSocket() { disconnect(); }

void TClientSocket::SetActive(bool Value)
{
    if (ComponentState().Contains(csLoading)) {
        active_ = Value; // connects once the layout is read
        return;
    }
    if (Value == active_)
        return;
    if (Value)
        connect();
    else
        disconnect();
}

void TClientSocket::Loaded()
{
    TComponent::Loaded();
    if (active_) {
        active_ = false;
        connect();
    }
}

void TClientSocket::connect()
{
    in_addr address{};
    if (inet_pton(AF_INET, address_.c_str(), &address) != 1)
        return failed(eeLookup, EINVAL);
    if (port_ < 1 || port_ > 65535)
        return failed(eeConnect, EINVAL);
    if (!qx::dialAllowed(ntohl(address.s_addr), static_cast<std::uint16_t>(port_)))
        return failed(eeConnect, EACCES);

    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return failed(eeConnect, errno);
    socket_.fd_ = fd;
    active_ = true;
    qx::fire(OnConnecting, this, &socket_);
    if (socket_.fd_.load() != fd)
        return; // the handler closed it

    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<std::uint16_t>(port_));
    peer.sin_addr = address;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0 && errno != EINPROGRESS)
        return failed(eeConnect, errno);
    // Success or not, the outcome is reported at a pass of the loop.
    watch_->watchConnect(fd);
}

void TClientSocket::connectFinished()
{
    const int fd = socket_.fd_.load();
    int error = 0;
    socklen_t len = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0)
        error = errno;
    if (error != 0)
        return failed(eeConnect, error);
    socket_.connected_ = true;
    watch_->watchRead(fd);
    qx::fire(OnConnect, this, &socket_);
}

// One read per event, no count asked before it: the bytes go to the inbox,
// which the handler's reads empty; a read of nothing at all is the end of the
// stream, which closes the socket without a read event.
void TClientSocket::readable()
{
    const int fd = socket_.fd_.load();
    if (socket_.inboxSize() == 0) {
        const ssize_t n = ::recv(fd, socket_.inbox_.data(), socket_.inbox_.size(), MSG_DONTWAIT);
        if (n == 0)
            return disconnect(); // the peer closed the connection
        if (n < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                failed(eeReceive, errno);
            return;
        }
        socket_.inboxBegin_ = 0;
        socket_.inboxEnd_ = static_cast<std::size_t>(n);
    }
    qx::fire(OnRead, this, &socket_);
    // Bytes the handler left in the inbox raise the event again at the next
    // pass, as bytes left in the connection would.
    if (socket_.fd_.load() == fd && socket_.inboxSize() > 0)
        watch_->readAgain();
}

void TClientSocket::disconnect()
{
    active_ = false;
    const int fd = socket_.fd_.load();
    if (fd < 0)
        return;
    socket_.connected_ = false;
    socket_.inboxBegin_ = socket_.inboxEnd_ = 0;
    ::shutdown(fd, SHUT_RDWR); // wakes a sender waiting in SendBuf
    {
        std::lock_guard lock(socket_.sendMutex_);
        socket_.fd_ = -1;
    }
    watch_->forget(fd);
    ::close(fd);
}

void TClientSocket::failed(TErrorEvent event, int errorCode)
{
    disconnect();
    qx::fire(OnError, this, &socket_, event, errorCode);
    if (errorCode != 0)
        throw ESocketError(errorText(event, errorCode));
}
