#include "LinkFakes.h"
#include "PseudoTerminal.h"

#include "codec/CmMcs.h"
#include "link/LinkRouter.h"
#include "link/hid/ProcessorHidPort.h"
#include "link/hid/TJvHidDeviceController.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/net/ClientSocket.h"
#include "platform/sync/Clock.h"
#include "PumpUntil.h"
#include "tests/platform/net/LoopbackListener.h"

#include <gtest/gtest.h>

#include <sys/socket.h>

#include <algorithm>

namespace qx::test {
namespace {

const std::vector<std::uint8_t> kKeepAlive = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
const std::vector<std::uint8_t> kReply = {0x10, 0x02, 0x01, 0x00, 0x02, 0x14, 0x00, 0x10, 0x03, 0x16};

TEST(TraceLine, PrefixThenEachByteAsTwoHexDigitsAndABlank)
{
    EXPECT_EQ(traceLine("NET W ", kKeepAlive), "NET W 10 02 00 01 01 12 10 03 13 ");
    EXPECT_EQ(traceLine("USB W 00  ", kKeepAlive), "USB W 00  10 02 00 01 01 12 10 03 13 ");
    EXPECT_EQ(traceLine("NET RW ", {}), "NET RW ");
    EXPECT_EQ(traceLine("COM R ", std::vector<std::uint8_t>{0xAB, 0x0F}), "COM R AB 0F ");
}

// The router with a TCP socket connected to a loopback listener that plays
// the processor.
class LinkRouterTest : public ::testing::Test
{
protected:
    LinkRouterTest()
    {
        socket.SetAddress("127.0.0.1");
        socket.SetPort(listener.port());
        socket.OnRead = [this](TObject*, TCustomWinSocket* s) { router.OnSocketRead(*s); };
    }

    void connect()
    {
        socket.SetActive(true);
        ASSERT_TRUE(pumpUntil([this] { return socket.Socket()->Connected(); }));
        ASSERT_GE(listener.accept(), 0);
        ASSERT_TRUE(router.OpenNet());
        router.SetLinkTimeout(60000); // no resend of the link's own in these tests
    }

    // Reads what the router wrote while the GUI loop keeps running, so a
    // write made by a socket event on this thread can come at all.
    std::vector<std::uint8_t> receive(std::size_t count)
    {
        std::vector<std::uint8_t> got(count);
        std::size_t at = 0;
        pumpUntil([&] {
            const ssize_t n = ::recv(listener.peer(), got.data() + at, count - at, MSG_DONTWAIT);
            if (n > 0)
                at += static_cast<std::size_t>(n);
            return at == count || n == 0;
        });
        got.resize(at);
        return got;
    }
    void peerSends(const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_EQ(::send(listener.peer(), bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    }
    bool peerHasNothing()
    {
        std::uint8_t b = 0;
        return ::recv(listener.peer(), &b, 1, MSG_DONTWAIT) < 0;
    }
    std::vector<std::string> traces(LinkKind kind) const
    {
        std::vector<std::string> lines;
        for (const auto& m : owner.posted())
            if (m.id == WM_LINK_TRACE && m.wParam == static_cast<std::uintptr_t>(kind))
                lines.emplace_back(m.data.begin(), m.data.end());
        return lines;
    }

    bool traced(LinkKind kind, const std::string& line)
    {
        return pumpUntil([&] {
            const auto lines = traces(kind);
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        });
    }

    FakeOwner owner;
    LoopbackListener listener;
    TClientSocket socket{nullptr};
    hid::FakeHidBus bus;
    TJvHidDeviceController controller{owner, bus};
    ProcessorHidPort hidPort{controller};
    LinkRouter router{owner, socket, hidPort, Clock::system()};
};

TEST_F(LinkRouterTest, WithoutALinkNothingIsSentAndOnlyValidIdsAreTaken)
{
    router.SendCommand(CM_MCS_CMD(1, 0x12), true);
    EXPECT_EQ(router.Kind(), LinkKind::None);
    EXPECT_TRUE(traces(LinkKind::Net).empty());
    const struct
    {
        int id;
        bool taken;
    } cases[] = {{0, false}, {255, false}, {254, true}, {1, true}};
    for (const auto& c : cases) {
        const int before = router.DeviceId();
        EXPECT_EQ(router.SetDeviceId(c.id), c.taken) << c.id;
        EXPECT_EQ(router.DeviceId(), c.taken ? c.id : before) << c.id;
    }
}

// Busy while the frame in flight waits for its answer; the time-out is the
// open link's.
TEST_F(LinkRouterTest, BusyUntilTheAnswerAndTheOpenLinksTimeOut)
{
    EXPECT_FALSE(router.Busy());
    EXPECT_EQ(router.LinkTimeout(), 0) << "no link";
    connect();
    EXPECT_FALSE(router.Busy());
    EXPECT_EQ(router.LinkTimeout(), 60000);
    router.SendCommand(CM_MCS_CMD(1, 0x12), true);
    EXPECT_TRUE(router.Busy());
    ASSERT_EQ(receive(kKeepAlive.size()), kKeepAlive);
    peerSends(kReply);
    EXPECT_TRUE(pumpUntil([this] { return !router.Busy(); }, "the link to be idle"));
    EXPECT_EQ(owner.sent().size(), 1u) << "the answer was handed over";
}

TEST_F(LinkRouterTest, TcpFramesGoToTheSocketAndAreTraced)
{
    connect();
    router.SendCommand(CM_MCS_CMD(1, 0x12), true);
    EXPECT_EQ(receive(kKeepAlive.size()), kKeepAlive);
    EXPECT_TRUE(traced(LinkKind::Net, "NET W 10 02 00 01 01 12 10 03 13 "));
}

TEST_F(LinkRouterTest, AShortReadOutsideAFrameAsksForTheLastFrameAgain)
{
    connect();
    router.SendCommand(CM_MCS_CMD(1, 0x12), true);
    ASSERT_EQ(receive(kKeepAlive.size()), kKeepAlive);
    peerSends({0x01, 0x02, 0x03, 0x04, 0x05});
    EXPECT_EQ(receive(kKeepAlive.size()), kKeepAlive) << "resent";
    EXPECT_TRUE(traced(LinkKind::Net, "NET R 01 02 03 04 05 "));
    EXPECT_TRUE(traced(LinkKind::Net, "NET RW 10 02 00 01 01 12 10 03 13 "));
}

TEST_F(LinkRouterTest, ShortReadsThatStartOrContinueAFrameAreDelivered)
{
    connect();
    router.SendCommand(CM_MCS_CMD(1, 0x12), true);
    ASSERT_EQ(receive(kKeepAlive.size()), kKeepAlive);
    // The reply in pieces of 3, 3 and 4 bytes, each read on its own.
    for (const auto& [from, to] : {std::pair{0, 3}, std::pair{3, 6}, std::pair{6, 10}}) {
        const std::vector<std::uint8_t> piece(kReply.begin() + from, kReply.begin() + to);
        peerSends(piece);
        ASSERT_TRUE(traced(LinkKind::Net, traceLine("NET R ", piece)));
    }
    ASSERT_TRUE(owner.waitForSent(1));
    EXPECT_EQ(owner.sent()[0].id, WM_LINK_FRAME);
    EXPECT_EQ(owner.sent()[0].data, kReply);
    EXPECT_TRUE(peerHasNothing()) << "no piece was taken for a resend request";
}

// Junk before an answer, read in short pieces: every piece that continues,
// completes or begins the frame is delivered, and the frame arrives; a short
// read of junk alone after it still asks for the last frame again.
TEST_F(LinkRouterTest, ShortReadsWithJunkBeforeAFrameKeepTheFrame)
{
    using Bytes = std::vector<std::uint8_t>;
    const struct
    {
        const char* name;
        Bytes junk;
        std::size_t piece;
    } cases[] = {
        {"three junk bytes, pieces of 4", {0x00, 0x05, 0xFF}, 4},
        {"junk holding 0x10, pieces of 4", {0x10, 0xFF, 0x10}, 4},
        {"junk ending in 0x10 0x02, pieces of 5", {0x7E, 0x10, 0x02}, 5},
        {"one junk byte, pieces of 2", {0x10}, 2},
        {"a long read ending inside the frame, then a short one", {0x10, 0xFF, 0x10}, 9},
    };
    const auto reads = [this] {
        auto lines = traces(LinkKind::Net);
        std::erase_if(lines, [](const std::string& line) { return !line.starts_with("NET R "); });
        return lines;
    };
    connect();
    router.SendCommand(CM_MCS_CMD(1, 0x12), true);
    ASSERT_EQ(receive(kKeepAlive.size()), kKeepAlive);
    std::size_t frames = 0;
    for (const auto& c : cases) {
        Bytes stream = c.junk;
        stream.insert(stream.end(), kReply.begin(), kReply.end());
        for (std::size_t at = 0; at < stream.size(); at += c.piece) {
            const Bytes piece(stream.begin() + static_cast<std::ptrdiff_t>(at),
                              stream.begin() + static_cast<std::ptrdiff_t>(std::min(stream.size(), at + c.piece)));
            const std::size_t before = reads().size();
            peerSends(piece);
            ASSERT_TRUE(pumpUntil([&] { return reads().size() > before; })) << c.name;
            EXPECT_EQ(reads().back(), traceLine("NET R ", piece)) << c.name << ": read on its own";
        }
        ASSERT_TRUE(owner.waitForSent(++frames)) << c.name;
        EXPECT_EQ(owner.sent().back().data, kReply) << c.name;
        EXPECT_TRUE(peerHasNothing()) << c.name << ": no piece was taken for a resend request";
    }
    peerSends({0x01, 0x02, 0x03});
    EXPECT_EQ(receive(kKeepAlive.size()), kKeepAlive) << "junk alone is still a resend request";
}

TEST_F(LinkRouterTest, TheSerialLinkComesFirstAndQueuesWhileAFrameAwaitsItsAnswer)
{
    connect();
    PseudoTerminal pty;
    ASSERT_TRUE(router.OpenCom(pty.devicePath()));
    router.SetLinkTimeout(60000);
    ASSERT_EQ(router.Kind(), LinkKind::Serial);

    const auto first = EncodeFrame(CM_MCS_CMD(1, 0x12), 1);
    const auto second = EncodeFrame(CM_MCS_CMD(1, 0x14), 1);
    router.SendCommand(CM_MCS_CMD(1, 0x12), false);
    router.SendCommand(CM_MCS_CMD(1, 0x14), false);
    EXPECT_EQ(pty.readAvailable(first.size()), first);
    EXPECT_TRUE(pty.drain().empty()) << "the second waits for the first one's answer";
    pty.write(kReply);
    EXPECT_EQ(pty.readAvailable(second.size()), second);

    router.CloseAll();
    EXPECT_TRUE(traces(LinkKind::Net).empty());
    EXPECT_TRUE(peerHasNothing()) << "nothing went to the TCP link";
}

// The serial link traces each frame as it takes it to send, the queued one
// too (taken on the worker once the first is answered), but not a resend.
TEST_F(LinkRouterTest, TheSerialLinkTracesEachFrameItTakesButNotItsResends)
{
    PseudoTerminal pty;
    ASSERT_TRUE(router.OpenCom(pty.devicePath()));
    router.SetLinkTimeout(300);
    const auto first = EncodeFrame(CM_MCS_CMD(1, 0x12), 1);
    const auto second = EncodeFrame(CM_MCS_CMD(1, 0x14), 1);
    router.SendCommand(CM_MCS_CMD(1, 0x12), false);
    router.SendCommand(CM_MCS_CMD(1, 0x14), false);
    ASSERT_EQ(pty.readAvailable(first.size()), first);
    ASSERT_EQ(pty.readAvailable(first.size()), first) << "written again at its time-out";
    pty.write(kReply);
    // Resends of the first may still come before the answer is taken.
    std::vector<std::uint8_t> next = pty.readAvailable(second.size());
    for (int resends = 0; next == first && resends < 10; ++resends)
        next = pty.readAvailable(second.size());
    ASSERT_EQ(next, second);
    router.CloseAll();

    EXPECT_EQ(traces(LinkKind::Serial), (std::vector<std::string>{traceLine("COM W ", first), traceLine("COM W ", second)}));
    EXPECT_EQ(traces(LinkKind::Serial)[0], "COM W 10 02 00 01 01 12 10 03 13 ");
    EXPECT_TRUE(traces(LinkKind::Net).empty());
}

// A reply handled on the GUI thread may end the link from its handler: the
// link object outlives the delivery that is still running, and the next
// link works.
TEST_F(LinkRouterTest, AReplyHandlerMayCloseTheLinkWhileItsBytesAreDelivered)
{
    owner.ownCallingThread();
    owner.onSend = [this](const WindowMessage&) { router.CloseLink(); };
    connect();
    router.SendCommand(CM_MCS_CMD(1, 0x12), true);
    ASSERT_EQ(receive(kKeepAlive.size()), kKeepAlive);
    std::vector<std::uint8_t> twoReplies = kReply;
    twoReplies.insert(twoReplies.end(), kReply.begin(), kReply.end());
    peerSends(twoReplies);
    ASSERT_TRUE(pumpUntil([this] { return router.Kind() == LinkKind::None; }));
    EXPECT_EQ(owner.sent().size(), 1u) << "nothing is handed over after the close";

    owner.onSend = nullptr;
    LoopbackListener next;
    socket.SetPort(next.port());
    socket.SetActive(true);
    ASSERT_TRUE(pumpUntil([this] { return socket.Socket()->Connected(); }));
    ASSERT_TRUE(router.OpenNet());
    router.SendCommand(CM_MCS_CMD(1, 0x12), true);
    EXPECT_TRUE(traced(LinkKind::Net, "NET W 10 02 00 01 01 12 10 03 13 "));
}

TEST_F(LinkRouterTest, HidReportsAreTracedWithTheirReportId)
{
    router.OnHidData(0, kReply);
    ASSERT_EQ(traces(LinkKind::Usb).size(), 1u);
    EXPECT_EQ(traces(LinkKind::Usb)[0], "USB R 00  10 02 01 00 02 14 00 10 03 16 ");
}

} // namespace
} // namespace qx::test
