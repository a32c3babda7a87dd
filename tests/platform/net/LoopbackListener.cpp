#include "tests/platform/net/LoopbackListener.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qx::test {

LoopbackListener::LoopbackListener()
{
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 4) != 0 ||
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        ADD_FAILURE() << "no loopback listener";
    port_ = ntohs(a.sin_port);
}

LoopbackListener::~LoopbackListener()
{
    if (peer_ >= 0)
        ::close(peer_);
    stopListening();
}

int LoopbackListener::accept() { return peer_ = ::accept(fd_, nullptr, nullptr); }

void LoopbackListener::closePeer()
{
    ::close(peer_);
    peer_ = -1;
}

void LoopbackListener::stopListening()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace qx::test
