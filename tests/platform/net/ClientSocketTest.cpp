#include "platform/gui/Application.h"
#include "platform/net/ClientSocket.h"
#include "platform/net/DialFilter.h"
#include "PumpUntil.h"
#include "tests/platform/net/LoopbackListener.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>
#include <vector>

namespace {

using qx::test::LoopbackListener;
using qx::test::pumpUntil;
using qx::test::waitUntil;

class ClientSocketTest : public ::testing::Test
{
protected:
    ClientSocketTest()
    {
        socket.SetAddress("127.0.0.1");
        socket.SetPort(listener.port());
        socket.OnConnecting = [this](TObject*, TCustomWinSocket*) { events.push_back("connecting"); };
        socket.OnConnect = [this](TObject*, TCustomWinSocket*) { events.push_back("connect"); };
        socket.OnError = [this](TObject*, TCustomWinSocket*, TErrorEvent e, int& code) {
            events.push_back("error " + std::to_string(e) + " " + std::to_string(code));
            code = 0;
        };
    }

    void connect()
    {
        socket.SetActive(true);
        ASSERT_TRUE(pumpUntil([this] { return socket.Socket()->Connected(); }));
        ASSERT_GE(listener.accept(), 0);
    }

    // Every read event reads at most 100 bytes; connects, then the peer
    // sends 250.
    void connectAndReceive250InHundreds()
    {
        socket.OnRead = [this](TObject*, TCustomWinSocket* s) {
            unsigned char buf[100];
            reads.push_back(s->ReceiveBuf(buf, sizeof buf));
        };
        connect();
        const std::vector<unsigned char> data(250, 0x5A);
        ASSERT_EQ(::send(listener.peer(), data.data(), data.size(), 0), 250);
    }

    LoopbackListener listener;
    TClientSocket socket{nullptr};
    std::vector<std::string> events;
    std::vector<int> reads;
};

TEST_F(ClientSocketTest, ConnectsWithoutWaitingAndReportsTheProgressOnTheLoop)
{
    socket.SetActive(true);
    EXPECT_TRUE(socket.Active());
    EXPECT_EQ(events, std::vector<std::string>{"connecting"}) << "the connect result comes at a pass of the loop";
    ASSERT_TRUE(pumpUntil([this] { return events.size() == 2; }));
    EXPECT_EQ(events[1], "connect");
    EXPECT_EQ(socket.Socket()->RemoteAddress(), "127.0.0.1");
    EXPECT_EQ(socket.Socket()->RemotePort(), listener.port());

    socket.SetActive(false);
    EXPECT_FALSE(socket.Active());
    EXPECT_EQ(socket.Socket()->RemoteAddress(), "");
    EXPECT_EQ(socket.Socket()->SendBuf("x", 1), -1) << "a closed socket sends nothing";
}

TEST_F(ClientSocketTest, SendBufFromAWorkerWritesEveryByte)
{
    connect();
    // Far more than the socket buffers hold, so the sender has to wait for the reader.
    std::vector<unsigned char> data(8 << 20);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<unsigned char>(i * 7 + (i >> 13));
    int written = 0;
    std::thread worker([&] { written = socket.Socket()->SendBuf(data.data(), static_cast<int>(data.size())); });
    std::vector<unsigned char> got;
    unsigned char buf[65536];
    bool closed = false;
    waitUntil(
        [&] {
            const ssize_t n = ::recv(listener.peer(), buf, sizeof buf, MSG_DONTWAIT);
            if (n > 0)
                got.insert(got.end(), buf, buf + n);
            closed = n == 0;
            return closed || got.size() >= data.size();
        },
        "every byte at the peer");
    worker.join();
    EXPECT_FALSE(closed);
    EXPECT_EQ(written, static_cast<int>(data.size()));
    EXPECT_TRUE(got == data);
}

TEST_F(ClientSocketTest, ReceiveBufTakesWhatIsAskedAndReadIsRaisedAgainWhileBytesRemain)
{
    connectAndReceive250InHundreds();
    ASSERT_TRUE(pumpUntil([&] { return reads.size() == 3; }));
    EXPECT_EQ(reads, (std::vector<int>{100, 100, 50}));
    for (int i = 0; i < 5; ++i)
        Application->ProcessMessages();
    EXPECT_EQ(reads.size(), 3u) << "no read event once everything was taken";
}

TEST_F(ClientSocketTest, APeerThatClosesDeactivatesTheSocket)
{
    int readEvents = 0;
    socket.OnRead = [&](TObject*, TCustomWinSocket*) { ++readEvents; };
    connect();
    listener.closePeer();
    ASSERT_TRUE(pumpUntil([this] { return !socket.Active(); }));
    EXPECT_EQ(readEvents, 0);
    EXPECT_FALSE(socket.Socket()->Connected());
}

TEST_F(ClientSocketTest, BytesBeforeThePeersCloseAreAllReadThenTheSocketDeactivates)
{
    connectAndReceive250InHundreds();
    listener.closePeer();
    ASSERT_TRUE(pumpUntil([this] { return !socket.Active(); }));
    EXPECT_EQ(reads, (std::vector<int>{100, 100, 50})) << "every byte read, no read event for the close";
    EXPECT_FALSE(socket.Socket()->Connected());
    EXPECT_EQ(events, (std::vector<std::string>{"connecting", "connect"})) << "a close is no error";
}

struct FailureCase
{
    const char* name;
    const char* address;
    bool listening;
    bool refusedByFilter;
    std::string expectedError; // "error <event> <code>"
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ClientSocketFailureTest : public ClientSocketTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(ClientSocketFailureTest, FailuresReachOnErrorAndCloseTheSocket)
{
    const FailureCase& c = GetParam();
    if (!c.listening)
        listener.stopListening();
    if (c.refusedByFilter) // a local filter stands in for a forbidden address, still on loopback
        qx::setDialFilter([](std::uint32_t a, std::uint16_t) { return a != 0x7F000002u; });
    socket.SetAddress(c.address);
    socket.SetActive(true);
    pumpUntil([this] { return !events.empty() && events.back().rfind("error", 0) == 0; });
    if (c.refusedByFilter)
        qx::setDialFilter([](std::uint32_t a, std::uint16_t) { return qx::isLoopback(a); });
    EXPECT_EQ(events.back(), c.expectedError);
    EXPECT_FALSE(socket.Active());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClientSocketFailureTest,
    ::testing::Values(
        FailureCase{"refused", "127.0.0.1", false, false, "error 3 " + std::to_string(ECONNREFUSED)},
        FailureCase{"not an address", "127.0.0.x", true, false, "error 6 " + std::to_string(EINVAL)},
        FailureCase{"dial filter", "127.0.0.2", true, true, "error 3 " + std::to_string(EACCES)}),
    [](const auto& p) {
        std::string n = p.param.name;
        for (char& ch : n)
            if (ch == ' ')
                ch = '_';
        return n;
    });

TEST_F(ClientSocketTest, AnErrorLeftStandingIsRaisedAsAnException)
{
    std::vector<std::string> shown;
    qx::setExceptionPresenter([&](const std::string&, const std::string& m) { shown.push_back(m); });
    socket.OnError = nullptr;
    listener.stopListening();
    socket.SetActive(true);
    pumpUntil([&] { return !shown.empty(); });
    qx::setExceptionPresenter(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("Socket error " + std::to_string(ECONNREFUSED)), std::string::npos) << shown[0];
}

} // namespace
