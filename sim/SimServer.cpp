#include "SimServer.h"

#include "Responder.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

namespace qx::sim {
namespace {
// Pieces of one cut-up answer go out this far apart, so that each leaves as its own segment.
constexpr auto kChunkGap = std::chrono::milliseconds(2);

[[noreturn]] void ThrowErrno(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

void WriteAll(int fd, bool socket, const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = socket ? ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL)
                                 : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}
} // namespace

SimServer::SimServer(Responder& responder) : responder_(responder)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        ThrowErrno("pipe");
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
}

SimServer::~SimServer()
{
    for (auto& c : connections_)
        if (c->fd >= 0)
            ::close(c->fd);
    for (int fd : {wakeRead_, wakeWrite_, listenFd_, ptySlave_})
        if (fd >= 0)
            ::close(fd);
}

std::uint16_t SimServer::ListenTcp(std::uint16_t port)
{
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0)
        ThrowErrno("socket");
    const int on = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        ThrowErrno("bind 127.0.0.1");
    if (::listen(listenFd_, 4) != 0)
        ThrowErrno("listen");
    socklen_t size = sizeof address;
    if (::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        ThrowErrno("getsockname");
    return ntohs(address.sin_port);
}

std::string SimServer::OpenPty()
{
    int master = -1;
    char name[256] = {};
    if (::openpty(&master, &ptySlave_, name, nullptr, nullptr) != 0)
        ThrowErrno("openpty");
    termios raw{};
    ::tcgetattr(ptySlave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(ptySlave_, TCSANOW, &raw);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(ptySlave_, F_SETFD, FD_CLOEXEC);
    // The simulator keeps the slave side open too, so the master never sees a
    // hang-up while the editor closes and reopens the port.
    auto connection = std::make_unique<Connection>();
    connection->fd = master;
    connections_.push_back(std::move(connection));
    return name;
}

void SimServer::WatchStandardInput()
{
    watchStdin_ = true;
}

void SimServer::Stop()
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
}

void SimServer::Run()
{
    for (;;) {
        std::vector<pollfd> fds{{wakeRead_, POLLIN, 0}};
        if (watchStdin_)
            fds.push_back({STDIN_FILENO, POLLIN, 0});
        const std::size_t firstConnection = fds.size() + (listenFd_ >= 0 ? 1 : 0);
        if (listenFd_ >= 0)
            fds.push_back({listenFd_, POLLIN, 0});
        for (const auto& c : connections_)
            fds.push_back({c->fd, POLLIN, 0});

        const int ready = ::poll(fds.data(), fds.size(), PollTimeoutMs(Clock::now()));
        if (ready < 0 && errno != EINTR)
            ThrowErrno("poll");
        if (fds[0].revents != 0)
            return;
        if (watchStdin_ && fds[1].revents != 0) {
            char buffer[256];
            if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
                return;
        }
        const std::size_t known = connections_.size();
        for (std::size_t i = 0; i < known; ++i)
            if (fds[firstConnection + i].revents != 0)
                Read(*connections_[i]);
        if (listenFd_ >= 0 && fds[firstConnection - 1].revents != 0)
            Accept();
        const auto now = Clock::now();
        for (auto& c : connections_)
            Flush(*c, now);
        std::erase_if(connections_, [](const auto& c) { return c->fd < 0; });
    }
}

void SimServer::Accept()
{
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        return;
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    auto connection = std::make_unique<Connection>();
    connection->fd = fd;
    connection->socket = true;
    connections_.push_back(std::move(connection));
}

void SimServer::Read(Connection& connection)
{
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(connection.fd, buffer, sizeof buffer);
    if (n <= 0) {
        if (connection.socket && !(n < 0 && errno == EINTR))
            Close(connection);
        return;
    }
    if (connection.dead)
        return;
    for (const auto& frame : connection.splitter.Push(std::span(buffer, static_cast<std::size_t>(n))))
        Schedule(connection, frame);
}

void SimServer::Schedule(Connection& connection, const std::vector<std::uint8_t>& frame)
{
    const Exchange exchange = responder_.OnFrame(frame);
    auto due = std::max(Clock::now() + std::chrono::milliseconds(exchange.delayMs), connection.lastDue);
    for (const auto& write : exchange.writes) {
        connection.out.push_back({due, write, false});
        if (exchange.chunked)
            due += kChunkGap;
    }
    // A serial line cannot be hung up: a restart leaves it open, a dropped
    // connection leaves it silent.
    if (exchange.close || (exchange.restart && connection.socket))
        connection.out.push_back({due, {}, true});
    connection.lastDue = due;
}

void SimServer::Flush(Connection& connection, Clock::time_point now)
{
    while (connection.fd >= 0 && !connection.out.empty() && connection.out.front().due <= now) {
        const Pending pending = std::move(connection.out.front());
        connection.out.pop_front();
        if (pending.closeAfter)
            Close(connection);
        else
            WriteAll(connection.fd, connection.socket, pending.bytes);
    }
}

void SimServer::Close(Connection& connection)
{
    connection.out.clear();
    if (!connection.socket) {
        connection.dead = true;
        return;
    }
    ::close(connection.fd);
    connection.fd = -1;
}

int SimServer::PollTimeoutMs(Clock::time_point now) const
{
    auto next = Clock::time_point::max();
    for (const auto& c : connections_)
        if (!c->out.empty())
            next = std::min(next, c->out.front().due);
    if (next == Clock::time_point::max())
        return -1;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - now).count();
    return static_cast<int>(std::clamp<long long>(wait, 0, 60000));
}
} // namespace qx::sim
