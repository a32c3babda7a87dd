#include "TapPeer.h"

#include "CommandFrameSplitter.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace qx::bench {

TapPeer::TapPeer() : listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0))
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(listener_, 1) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        throw std::runtime_error("no loopback listener");
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { serve(); });
}

TapPeer::~TapPeer()
{
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    if (peer_ >= 0)
        ::shutdown(peer_, SHUT_RDWR);
    thread_.join();
    if (peer_ >= 0)
        ::close(peer_);
    ::close(listener_);
}

void TapPeer::serve()
{
    peer_ = ::accept(listener_, nullptr, nullptr);
    if (peer_ < 0)
        return;
    sim::CommandFrameSplitter splitter;
    std::uint8_t chunk[512];
    while (!stopping_) {
        const ssize_t n = ::recv(peer_, chunk, sizeof chunk, 0);
        if (n <= 0)
            return;
        for (const auto& frame : splitter.Push(std::span<const std::uint8_t>(chunk, static_cast<std::size_t>(n)))) {
            lastArrival_.store(Clock::now().time_since_epoch().count());
            frames_.fetch_add(1, std::memory_order_release);
            for (const auto& write : responder_.OnFrame(frame).writes)
                ::send(peer_, write.data(), write.size(), MSG_NOSIGNAL);
        }
    }
}

} // namespace qx::bench
