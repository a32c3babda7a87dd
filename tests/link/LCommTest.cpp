#include "LinkFakes.h"
#include "ObservedLink.h"
#include "PseudoTerminal.h"

#include "link/LCommProc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace qx::test;
using qx::Frame;
using qx::ManualClock;

// The serial link over a pseudo-terminal, with the test as the processor.
class SerialLinkTest : public ::testing::Test
{
protected:
    using Link = ObservedLink<LCommProc>;

    void SetUp() override { ASSERT_TRUE(pty.isOpen()); }

    std::unique_ptr<Link> openOn(PseudoTerminal& line, int baud = 115200)
    {
        auto made = std::make_unique<Link>(owner, 1, clock);
        EXPECT_TRUE(made->Open(line.devicePath(), baud, 8, 0, 0)) << made->OpenError();
        made->waitForWaits(1);
        return made;
    }
    void open(int baud = 115200) { link = openOn(pty, baud); }

    // Reads one frame the link wrote, as the processor would.
    Frame received(std::size_t size) { return pty.readAvailable(size); }
    void tick(std::int64_t ms) { link->tick(clock, ms); }

    ManualClock clock;
    FakeOwner owner;
    PseudoTerminal pty;
    std::unique_ptr<Link> link;
};

TEST_F(SerialLinkTest, ACommandIsAnsweredAt115200)
{
    open();
    const Frame request = command(0x10);
    link->SendFrame(request, true);
    EXPECT_EQ(received(request.size()), request);
    const Frame answer = reply(0x10, {0x01, 0x02});
    pty.write(answer);
    ASSERT_TRUE(owner.waitForSent(1));
    EXPECT_EQ(owner.sent()[0].id, WM_LINK_FRAME);
    EXPECT_EQ(owner.sent()[0].data, answer);
}

TEST_F(SerialLinkTest, ResendsAfterEachTimeOutAndReportsAfterTheRetries)
{
    open();
    link->SetTimeout(100);
    link->SetRetries(3);
    const Frame request = command(0x10);
    link->SendFrame(request, true);
    EXPECT_EQ(received(request.size()), request);
    for (int resend = 0; resend < 3; ++resend) {
        tick(100);
        EXPECT_EQ(received(request.size()), request) << "resend " << resend + 1;
    }
    EXPECT_TRUE(owner.errors().empty());
    tick(100);
    ASSERT_EQ(owner.errors().size(), 1u);
    EXPECT_EQ(owner.errors()[0].code, 0);
    EXPECT_EQ(owner.errors()[0].extra, 1);
    EXPECT_TRUE(pty.drain().empty());
}

TEST_F(SerialLinkTest, AFreeResendComesBeforeTheCountedOnes)
{
    open();
    link->SetTimeout(1000);
    link->SetRetries(1);
    link->SetFreeResends(1);
    const Frame request = gain(4, 300);
    link->SendFrame(request, false);
    EXPECT_EQ(received(request.size()), request); // 0 ms
    tick(1000);
    EXPECT_EQ(received(request.size()), request); // 1000 ms, free
    tick(1000);
    EXPECT_EQ(received(request.size()), request); // 2000 ms
    EXPECT_TRUE(owner.errors().empty());
    tick(1000);
    EXPECT_EQ(owner.errors().size(), 1u) << "error 0 at 3000 ms";
}

TEST_F(SerialLinkTest, AFreeResendWithNothingPendingWritesNothing)
{
    open();
    link->SetFreeResends(1);
    tick(800);
    EXPECT_TRUE(pty.drain().empty());
    const Frame request = command(0x12);
    link->SendFrame(request, false);
    EXPECT_EQ(received(request.size()), request);
    link->SetRetries(0);
    tick(800);
    EXPECT_EQ(owner.errors().size(), 1u) << "the free resend was used up by the idle time-out";
}

// After error 0 the failed frame is still in the send buffer, but nothing is
// pending: a free resend armed then writes nothing, and a new frame goes out
// as usual.
TEST_F(SerialLinkTest, AFreeResendAfterTheLinkGaveUpWritesNothing)
{
    open();
    link->SetTimeout(100);
    link->SetRetries(1);
    const Frame request = command(0x27, {5});
    link->SendFrame(request, true);
    EXPECT_EQ(received(request.size()), request);
    tick(100);
    EXPECT_EQ(received(request.size()), request);
    tick(100);
    ASSERT_EQ(owner.errors().size(), 1u);
    EXPECT_TRUE(link->PendingFrame().empty());
    link->SetFreeResends(1);
    tick(100);
    EXPECT_TRUE(pty.drain().empty()) << "the failed frame is not written again";
    EXPECT_EQ(owner.errors().size(), 1u) << "the free resend used up the time-out";
}

TEST_F(SerialLinkTest, AnAnsweredFrameIsWrittenAgainAtTheNextTimeOut)
{
    open();
    const Frame request = command(0x14);
    link->SendFrame(request, true);
    received(request.size());
    pty.write(reply(0x14, {3}));
    ASSERT_TRUE(owner.waitForSent(1));
    link->settle();
    tick(800);
    EXPECT_EQ(received(request.size()), request) << "only a newer frame ends the resending";
}

TEST_F(SerialLinkTest, KeepAlivePollsWithATwoSecondTimeOut)
{
    open();
    link->SetTimeout(60000);
    link->SendFrame(command(0x10), true);
    received(9);
    pty.write(reply(0x10));
    ASSERT_TRUE(owner.waitForSent(1));
    link->settle();
    tick(2000);
    EXPECT_EQ(received(9), command(0x12));
    EXPECT_EQ(link->Timeout(), LCommProc::kKeepAliveTimeoutMs);
}

TEST_F(SerialLinkTest, AnEightByteFrameWithLengthZeroIsNotAReply)
{
    open();
    link->SendFrame(command(0x10), true);
    received(9);
    const Frame answer = reply(0x10, {0});
    const Frame lengthZero{0x10, 0x02, 0x00, 0x01, 0x00, 0x10, 0x03, 0x00};
    Frame bytes(lengthZero.size() + answer.size());
    std::copy(answer.begin(), answer.end(), std::copy(lengthZero.begin(), lengthZero.end(), bytes.begin()));
    pty.write(bytes);
    ASSERT_TRUE(owner.waitForSent(1));
    link->settle();
    EXPECT_EQ(owner.sent().size(), 1u);
    EXPECT_EQ(owner.sent()[0].data, answer);
}

TEST_F(SerialLinkTest, RepliesAtAnotherSpeedGoOutAsTheirOwnMessage)
{
    open(9600);
    link->SendFrame(command(0x10), true);
    received(9);
    pty.write(reply(0x10));
    ASSERT_TRUE(owner.waitForSent(1));
    EXPECT_EQ(owner.sent()[0].id, WM_LINK_FRAME_OTHER_BAUD);
}

TEST_F(SerialLinkTest, AHungUpLineIsReportedAndEndsTheWorker)
{
    open();
    link->SendFrame(command(0x10), true);
    received(9);
    pty.closeController();
    ASSERT_TRUE(owner.waitForErrors(1));
    EXPECT_EQ(owner.errors()[0].code, 1);
    EXPECT_EQ(owner.errors()[0].extra, 0) << "byte 2 of the pending frame";
    EXPECT_TRUE(waitUntil([&] { return !link->IsOpen(); }, "the link to close"));
    link->Close();
    EXPECT_EQ(owner.posted().size(), 1u);
}

TEST_F(SerialLinkTest, AFailedWaitIsReported)
{
    open();
    link->failWait = true;
    link->SendFrame(command(0x10, {}, 9), true);
    ASSERT_TRUE(owner.waitForErrors(1));
    EXPECT_EQ(owner.errors()[0].code, 6);
    EXPECT_EQ(owner.errors()[0].extra, 9);
    EXPECT_TRUE(waitUntil([&] { return !link->IsOpen(); }, "the link to close"));
}

TEST_F(SerialLinkTest, CloseIsCleanAndReleasesThePort)
{
    open();
    link->SendFrame(command(0x10), true);
    link->SendFrame(command(0x11), true);
    received(9);
    link->Close();
    EXPECT_FALSE(link->IsOpen());
    EXPECT_TRUE(owner.posted().empty());
    EXPECT_TRUE(pty.drain().empty()) << "the queued closing command is dropped";

    auto next = openOn(pty);
    next->SendFrame(command(0x10), true);
    EXPECT_EQ(received(9), command(0x10)) << "a new link opens the same port";
    next->Close();
}

TEST_F(SerialLinkTest, RetryCountsBelongToEachLink)
{
    open();
    link->SetRetries(1);
    link->SendFrame(command(0x10), true);
    received(9);
    tick(800);
    received(9); // the one resend

    PseudoTerminal otherLine;
    auto other = openOn(otherLine);
    other->SendFrame(command(0x10), true);
    otherLine.readAvailable(9);
    other->settle();

    tick(800);
    ASSERT_TRUE(owner.waitForErrors(1)) << "another link's new frame does not restart this link's count";
    EXPECT_EQ(owner.errors()[0].generation, link->Generation());
}

TEST(SerialLinkOpen, RefusesSpeedsOutOfRangeAndMissingPorts)
{
    ManualClock clock;
    FakeOwner owner;
    PseudoTerminal pty;
    const struct
    {
        int baud;
        bool opens;
    } speeds[] = {{1199, false}, {1200, true}, {128000, true}, {128001, false}};
    for (const auto& s : speeds) {
        LCommProc link(owner, 1, clock);
        EXPECT_EQ(link.Open(pty.devicePath(), s.baud, 8, 0, 0), s.opens) << s.baud;
        link.Close();
    }
    LCommProc link(owner, 1, clock);
    EXPECT_FALSE(link.Open("/dev/qx-no-such-port", 115200, 8, 0, 0));
    EXPECT_NE(link.OpenError().find("/dev/qx-no-such-port"), std::string::npos);
    EXPECT_FALSE(link.IsOpen());
    ASSERT_TRUE(link.Open(pty.devicePath(), 115200, 8, 0, 0));
    EXPECT_FALSE(link.Open(pty.devicePath(), 115200, 8, 0, 0)) << "already open";
    link.Close();
    EXPECT_TRUE(owner.posted().empty());
}

} // namespace
