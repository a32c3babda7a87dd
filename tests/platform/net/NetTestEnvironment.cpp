#include "tests/platform/net/NetTestEnvironment.h"

#include "platform/gui/Application.h"
#include "platform/gui/CoreClasses.h"
#include "platform/gui/StandardClasses.h"
#include "platform/net/ClientSocket.h"
#include "platform/net/DialFilter.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace qx::test {

bool pumpUntil(const std::function<bool()>& done)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            ADD_FAILURE() << "the awaited event did not come";
            return false;
        }
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

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

namespace {

// One Qt application for the program, and the guard of every network test:
// a socket may dial the loopback address only. Anything else is refused
// before a socket exists and fails the test that tried.
class NetEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "qx_net_tests";
        static char* argv[] = {name, nullptr};
        qx::initApplication(argc, argv);
        qx::registerCoreClasses();
        qx::registerStandardClasses();
        qx::registerNetClasses();
        qx::setDialFilter([](std::uint32_t address, std::uint16_t) {
            EXPECT_TRUE(qx::isLoopback(address)) << "a test dialled a non-loopback address";
            return qx::isLoopback(address);
        });
    }
    void TearDown() override
    {
        qx::setDialFilter(nullptr);
        qx::doneApplication();
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new NetEnvironment);

} // namespace

} // namespace qx::test
