#include "LinkFakes.h"
#include "ObservedLink.h"

#include "link/LNetProc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <thread>
#include <memory>

namespace {

using namespace qx::test;
using qx::Frame;
using qx::LinkErrorReport;
using qx::ManualClock;
using qx::WindowMessage;

const Frame kStatusPoll{0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};

template <class Link>
class FramingLinkTest : public ::testing::Test
{
protected:
    std::unique_ptr<ObservedLink<Link>> make()
    {
        return std::make_unique<ObservedLink<Link>>(owner, writer, 1, clock);
    }
    void open()
    {
        link = make();
        ASSERT_TRUE(link->Open());
        link->waitForWaits(1);
    }
    void answer(const Frame& frame) { ASSERT_TRUE(link->Deliver(frame.data(), frame.size())); }
    // Answers and waits until the owner has had the frame and the worker
    // has sent what was queued behind it.
    void answerAndWait(const Frame& frame)
    {
        const std::size_t before = owner.sent().size();
        answer(frame);
        ASSERT_TRUE(owner.waitForSent(before + 1));
        link->settle();
    }
    void tick(std::int64_t ms) { link->tick(clock, ms); }
    std::size_t writes() const { return writer.writes().size(); }

    ManualClock clock;
    FakeOwner owner;
    FakeWriter writer;
    std::unique_ptr<ObservedLink<Link>> link;
};

using NetLinkTest = FramingLinkTest<LNetProc>;
using UsbLinkTest = FramingLinkTest<LUsbProc>;

TEST_F(NetLinkTest, ResendsAtEachTimeOutThenReportsNoAnswer)
{
    open();
    const Frame frame = gain(4, 300);
    link->SendFrame(frame, true);
    ASSERT_TRUE(writer.waitForWrites(1));
    link->waitForWaits(2);
    EXPECT_EQ(link->lastDeadline(), 800) << "the worker waits 800 ms for the answer";
    tick(800);
    EXPECT_EQ(writes(), 2u) << "resend at 800 ms";
    tick(800);
    EXPECT_EQ(writes(), 3u) << "resend at 1600 ms";
    EXPECT_TRUE(owner.errors().empty());
    tick(800);
    EXPECT_EQ(writes(), 3u);
    ASSERT_EQ(owner.errors().size(), 1u) << "error 0 at 2400 ms";
    EXPECT_EQ(owner.errors()[0].code, 0);
    EXPECT_EQ(owner.errors()[0].extra, 1) << "the device id of the pending frame";
    EXPECT_EQ(writer.writes(), (std::vector<Frame>(3, frame)));
}

// When the frame in flight times out next, once the worker times it: not
// before a frame is handed over, not while the time-outs are held (and the
// pause is left out after), and not once the link gave up on it.
TEST_F(NetLinkTest, TellsWhenTheFrameInFlightTimesOut)
{
    open();
    EXPECT_EQ(link->FrameTimeoutAt(), -1) << "no frame";
    const std::int64_t start = clock.nowMs();
    link->SendFrame(command(0x27, {3}), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    ASSERT_TRUE(waitUntil([&] { return link->FrameTimeoutAt() == start + 800; }, "the worker to time the frame"));
    tick(800);
    EXPECT_EQ(writes(), 2u);
    ASSERT_TRUE(waitUntil([&] { return link->FrameTimeoutAt() == start + 1600; }, "the resend's time-out"));
    link->PauseTimeouts();
    EXPECT_EQ(link->FrameTimeoutAt(), -1) << "held";
    clock.advance(5000);
    link->ResumeTimeouts();
    EXPECT_EQ(link->FrameTimeoutAt(), start + 6600) << "the pause left out";
    link->settle();
    clock.advance(start + 6600 - clock.nowMs());
    ASSERT_TRUE(writer.waitForWrites(3));
    ASSERT_TRUE(waitUntil([&] { return link->FrameTimeoutAt() == start + 7400; }, "the last resend's time-out"));
    tick(800);
    ASSERT_TRUE(owner.waitForErrors(1));
    EXPECT_EQ(link->FrameTimeoutAt(), -1) << "given up";
}

TEST_F(UsbLinkTest, WaitsFourMorePeriodsAfterItsResends)
{
    open();
    link->SetTimeout(100);
    link->SetRetries(3);
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    const std::size_t expectedWrites[] = {2, 3, 4, 4, 4, 4, 4}; // at 100 .. 700 ms
    for (const std::size_t expected : expectedWrites) {
        tick(100);
        EXPECT_EQ(writes(), expected);
        EXPECT_TRUE(owner.errors().empty());
    }
    tick(100);
    ASSERT_EQ(owner.errors().size(), 1u) << "error 0 at 800 ms";
    EXPECT_EQ(owner.errors()[0].code, 0);
}

TEST_F(NetLinkTest, AnAnswerDoesNotEndTheResendingOfTheLastFrame)
{
    open();
    const Frame frame = command(0x12);
    link->SendFrame(frame, false);
    ASSERT_TRUE(writer.waitForWrites(1));
    answerAndWait(reply(0x12, {0}));
    EXPECT_FALSE(link->IsBusy());
    tick(800);
    EXPECT_EQ(writer.writes(), (std::vector<Frame>{frame, frame}));
    answerAndWait(reply(0x12, {0}));
    EXPECT_EQ(owner.sent().size(), 2u) << "the answer to the resend arrives as an ordinary frame";
}

// Replies the owner refuses (late, repeated, stray, short) do not end the
// wait: the frame in flight is resent at its time-outs, which they do not
// restart, and after the last resend the link reports no answer; the frame
// queued behind it never goes out.
TEST_F(NetLinkTest, RepliesThatAreNotAnAnswerLeaveTheFrameWaitingUntilTheLinkFails)
{
    open();
    const Frame asked = command(0x27, {3});
    link->SendFrame(asked, true);
    link->SendFrame(command(0x27, {4}), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    owner.result = qx::kFrameNotAnAnswer;
    for (int period = 0; period < 3; ++period) {
        clock.advance(400);
        answerAndWait(reply(0x27, {2}));
        EXPECT_TRUE(link->IsBusy());
        tick(400);
    }
    EXPECT_EQ(writer.writes(), (std::vector<Frame>(3, asked))) << "written at 0, 800 and 1600 ms";
    ASSERT_EQ(owner.errors().size(), 1u) << "error 0 at 2400 ms";
    EXPECT_EQ(owner.errors()[0].code, 0);
}

TEST_F(NetLinkTest, AnAnswerAfterRefusedRepliesSendsTheNextFrame)
{
    open();
    link->SendFrame(command(0x27, {3}), true);
    link->SendFrame(command(0x27, {4}), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    owner.result = qx::kFrameNotAnAnswer;
    answerAndWait(reply(0x27, {2}));
    EXPECT_EQ(writes(), 1u);
    owner.result = 0;
    answerAndWait(reply(0x27, {3}));
    ASSERT_TRUE(writer.waitForWrites(2));
    EXPECT_EQ(writer.writes().back(), command(0x27, {4}));
}

// While the owner handles a frame, and while someone holds the time-outs,
// the link neither resends nor polls; the time that passed meanwhile does not
// count, so the frame's time-out and the keep-alive resume where they stood.
TEST_F(NetLinkTest, PausedTimeOutsResumeWhereTheyStood)
{
    const std::function<void()> duringHandOver = [&] {
        owner.ownCallingThread();
        owner.onSend = [&](const WindowMessage&) { clock.advance(30000); };
        const std::int64_t start = clock.nowMs();
        link->SendFrame(command(0x2C), true);
        ASSERT_EQ(writer.writes().size(), 1u) << "written by the caller";
        ASSERT_EQ(link->FrameTimeoutAt(), start + 800) << "and timed";
        clock.advance(100);
        owner.result = qx::kFrameNotAnAnswer;
        answer(reply(0x1));
    };
    const std::function<void()> heldByADialog = [&] {
        const std::int64_t start = clock.nowMs();
        link->SendFrame(command(0x2C), true);
        ASSERT_EQ(writer.writes().size(), 1u) << "written by the caller";
        ASSERT_EQ(link->FrameTimeoutAt(), start + 800) << "and timed";
        clock.advance(100);
        link->PauseTimeouts();
        link->PauseTimeouts();
        link->tick(clock, 15000); // the time-out comes, and is not one
        link->ResumeTimeouts();
        clock.advance(15000); // the worker now waits without end
        link->ResumeTimeouts();
    };
    for (const auto& pause : {duringHandOver, heldByADialog}) {
        owner.onSend = nullptr;
        owner.result = 0;
        writer.failing = false;
        open();
        const std::int64_t start = clock.nowMs();
        pause();
        ASSERT_TRUE(waitUntil([&] { return link->lastDeadline() == start + 30800; }, "the worker to move its time-out"))
            << "the time-out moved by 30 s";
        EXPECT_EQ(writer.writes(), std::vector<Frame>{command(0x2C)}) << "nothing resent or polled meanwhile";
        EXPECT_TRUE(owner.errors().empty());
        tick(700);
        EXPECT_EQ(writer.writes(), (std::vector<Frame>(2, command(0x2C))))
            << "the resend 800 ms after the frame, pause left out";
        link->Close();
        link.reset();
        writer.clear();
    }
}

// A frame handed over while the time-outs are held (a dialog sends it) gets
// its whole time-out once they run again, and no more: the part of the pause
// before it was handed over does not delay it. The keep-alive period alike.
TEST_F(NetLinkTest, AFrameHandedOverWhilePausedWaitsItsTimeOutAfterThePause)
{
    const Frame password = command(0x2D, {0});
    const struct
    {
        const char* what;
        bool answered;
        std::int64_t after; // from the pause's end to the next write
        Frame next;
    } cases[] = {
        {"no answer: resent at its time-out", false, 800, password},
        {"answered: the keep-alive", true, 2000, kStatusPoll},
    };
    for (const auto& c : cases) {
        open();
        link->SetTimeout(c.answered ? 60000 : 800);
        const std::int64_t start = clock.nowMs();
        link->PauseTimeouts();
        clock.advance(10000);
        link->SendFrame(password, true);
        ASSERT_TRUE(writer.waitForWrites(1)) << c.what;
        if (c.answered)
            answerAndWait(reply(0x2D, {0, 1}));
        link->settle();
        clock.advance(5000);
        link->ResumeTimeouts();
        ASSERT_TRUE(waitUntil([&] { return link->lastDeadline() == start + 15000 + c.after; }, "the new deadline"))
            << c.what;
        EXPECT_EQ(writes(), 1u) << c.what;
        tick(c.after);
        ASSERT_TRUE(writer.waitForWrites(2)) << c.what;
        EXPECT_EQ(writer.writes().back(), c.next) << c.what;
        link->Close();
        link.reset();
        writer.clear();
    }
}

TEST_F(NetLinkTest, HandsEachReplyToTheOwnerWithItsResponseTime)
{
    open();
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    clock.advance(37);
    const Frame answered = reply(0x10, {1, 2, 3});
    answerAndWait(answered);
    const auto message = owner.sent().at(0);
    EXPECT_EQ(message.id, WM_LINK_FRAME);
    EXPECT_EQ(message.data, answered);
    EXPECT_EQ(message.lParam, 37);
}

// On the owner's thread a reply is handled inside Deliver, and the frame its
// handler queued goes on the wire, timed, before Deliver returns; the worker
// sleeps through both hand-overs, writes nothing again, and resends at the
// time-out.
TEST_F(NetLinkTest, OnTheOwnersThreadAReplyIsHandledAndTheNextFrameWrittenAtOnce)
{
    owner.ownCallingThread();
    std::vector<std::thread::id> writers;
    writer.beforeWrite = [&] { writers.push_back(std::this_thread::get_id()); };
    const Frame first = command(0x10);
    const Frame second = command(0x13);
    owner.onSend = [&](const WindowMessage&) {
        clock.advance(50);
        link->SendFrame(second, true);
    };
    open();
    const std::size_t waits = link->waits();
    link->SendFrame(first, true);
    EXPECT_EQ(writes(), 1u) << "written by the caller";
    EXPECT_EQ(link->FrameTimeoutAt(), 800) << "and timed";

    answer(reply(0x10));
    EXPECT_EQ(owner.sent().size(), 1u);
    EXPECT_EQ(writer.writes(), (std::vector<Frame>{first, second}));
    EXPECT_EQ(writers, std::vector<std::thread::id>(2, std::this_thread::get_id()));
    EXPECT_EQ(link->FrameTimeoutAt(), 850) << "the next frame timed from its hand-over, the handling left out";

    tick(750);
    EXPECT_EQ(writes(), 2u) << "not resent at the first frame's time-out";
    tick(50);
    EXPECT_EQ(writer.writes(), (std::vector<Frame>{first, second, second})) << "resent at its own";
    EXPECT_EQ(link->waits(), waits + 2) << "the worker woke at the two time-outs only";
}

// A frame handed over on the owner's thread whose time-out comes before the
// end of the worker's wait (the time-out was shortened) wakes the worker,
// which resends it on time.
TEST_F(NetLinkTest, OnTheOwnersThreadAShorterTimeOutWakesTheWorker)
{
    owner.ownCallingThread();
    open();
    ASSERT_EQ(link->lastDeadline(), 800) << "the worker waits for the time-out set at opening";
    link->SetTimeout(100);
    const Frame frame = command(0x10);
    link->SendFrame(frame, true);
    ASSERT_TRUE(waitUntil([&] { return link->lastDeadline() == 100; }, "the worker to wait for the frame"));
    tick(100);
    EXPECT_EQ(writer.writes(), (std::vector<Frame>(2, frame))) << "resent at 100 ms";
}

// Bytes delivered while the owner handles a frame wait for that handler, then
// come in order; nothing is handed over from inside the handler.
TEST_F(NetLinkTest, OnTheOwnersThreadADeliveryDuringAHandOverWaitsForIt)
{
    owner.ownCallingThread();
    const Frame second = reply(0x13, {1});
    int depth = 0;
    int deepest = 0;
    owner.onSend = [&](const WindowMessage& message) {
        deepest = std::max(deepest, ++depth);
        if (message.data == reply(0x10))
            answer(second);
        --depth;
    };
    open();
    link->SendFrame(command(0x10), true);
    answer(reply(0x10));
    ASSERT_EQ(owner.sent().size(), 2u);
    EXPECT_EQ(owner.sent()[1].data, second);
    EXPECT_EQ(deepest, 1);
}

TEST_F(NetLinkTest, QueuedFramesGoOutOneAnswerAtATime)
{
    open();
    // The channel-4 change waiting in the queue is replaced by the newer
    // channel-4 value, never by channel 5's.
    link->SendFrame(gain(4, 300), false);
    link->SendFrame(gain(4, 301), false);
    link->SendFrame(gain(4, 302), false);
    link->SendFrame(gain(5, 200), false);
    ASSERT_TRUE(writer.waitForWrites(1));
    answerAndWait(reply(0x34));
    ASSERT_TRUE(writer.waitForWrites(2));
    answerAndWait(reply(0x34));
    ASSERT_TRUE(writer.waitForWrites(3));
    EXPECT_TRUE(link->IsBusy());
    answerAndWait(reply(0x34));
    EXPECT_FALSE(link->IsBusy());
    EXPECT_EQ(writer.writes(), (std::vector<Frame>{gain(4, 300), gain(4, 302), gain(5, 200)}));
}

TEST_F(NetLinkTest, PlainSendsFollowTheNonUrgentRule)
{
    open();
    link->SendFrame(command(0x10), true);
    link->Send(gain(4, 1));
    link->Send(gain(4, 2));
    ASSERT_TRUE(writer.waitForWrites(1));
    answerAndWait(reply(0x10));
    ASSERT_TRUE(writer.waitForWrites(2));
    EXPECT_EQ(writer.writes().at(1), gain(4, 2));
    answerAndWait(reply(0x34));
    EXPECT_FALSE(link->IsBusy());
}

TEST_F(NetLinkTest, UrgentFramesAreSentInOrderEachAfterTheLastAnswer)
{
    open();
    std::vector<Frame> pieces;
    for (std::uint8_t piece = 0; piece < 5; ++piece)
        pieces.push_back(command(0x27, {piece}));
    for (const auto& piece : pieces)
        link->SendFrame(piece, true);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        ASSERT_TRUE(writer.waitForWrites(i + 1));
        EXPECT_EQ(writes(), i + 1) << "the next piece waits for the answer";
        answerAndWait(reply(36, {static_cast<std::uint8_t>(i)}));
    }
    EXPECT_EQ(writer.writes(), pieces);
}

TEST_F(NetLinkTest, AReplyHandlerSendsTheNextCommandDuringTheHandOver)
{
    owner.onSend = [this](const qx::WindowMessage& message) {
        if (message.data.at(5) == 0x10)
            link->SendFrame(command(0x13), true);
    };
    open();
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    answer(reply(0x10, {0}));
    ASSERT_TRUE(writer.waitForWrites(2));
    EXPECT_EQ(writer.writes().at(1), command(0x13));
}

TEST_F(NetLinkTest, KeepAlivePollsAnIdleLinkTwoSecondsAfterTheLastSend)
{
    open();
    link->SetTimeout(60000);
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    answerAndWait(reply(0x10));
    clock.advance(1500);
    link->SendFrame(gain(0, 280), false);
    ASSERT_TRUE(writer.waitForWrites(2));
    answerAndWait(reply(0x34));
    EXPECT_EQ(link->lastDeadline(), 3500) << "the keep-alive period restarts at each SendFrame";
    tick(2000);
    ASSERT_TRUE(writer.waitForWrites(3));
    EXPECT_EQ(writer.writes().at(2), kStatusPoll);
    EXPECT_EQ(link->Timeout(), LNetProc::kKeepAliveTimeoutMs);
}

// The answered frame's last resend runs out at the moment the keep-alive is
// due: the poll is a new frame and goes out, instead of being failed at once
// with the old frame's used-up retries.
TEST_F(NetLinkTest, AKeepAliveDueWithTheLastTimeOutIsSentNotFailed)
{
    open();
    link->SetTimeout(1000);
    link->SetRetries(1);
    const Frame asked = command(0x2C);
    link->SendFrame(asked, true);
    ASSERT_TRUE(writer.waitForWrites(1));
    answerAndWait(reply(0x2C, {0, 0, 0, 0, 0, 1, 0}));
    tick(1000);
    EXPECT_EQ(writer.writes(), (std::vector<Frame>(2, asked)));
    tick(1000);
    ASSERT_TRUE(writer.waitForWrites(3));
    EXPECT_EQ(writer.writes().back(), kStatusPoll);
    EXPECT_TRUE(owner.errors().empty());
}

TEST_F(NetLinkTest, KeepAliveStaysQuietWhileBusyOrSuppressed)
{
    open();
    link->SetTimeout(60000);
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    link->KeepAliveTimer(); // busy: must neither send nor queue a poll
    answerAndWait(reply(0x10));
    link->SetKeepAliveSuppressed(true);
    link->KeepAliveTimer();
    link->SendFrame(command(0x14), true);
    ASSERT_TRUE(writer.waitForWrites(2));
    answerAndWait(reply(0x14));
    EXPECT_EQ(writer.writes(), (std::vector<Frame>{command(0x10), command(0x14)}));
    EXPECT_EQ(link->Timeout(), 60000);

    link->SetKeepAliveSuppressed(false);
    link->SetDeviceId(254);
    link->KeepAliveTimer();
    ASSERT_TRUE(writer.waitForWrites(3));
    EXPECT_EQ(writer.writes().at(2), command(0x12, {}, 254)) << "the poll carries the link's device id";
}

TEST_F(NetLinkTest, CloseDropsTheQueueAndANewLinkStartsEmpty)
{
    open();
    link->SendFrame(command(0x10), true);
    link->SendFrame(command(0x11), true);
    link->SendFrame(gain(1, 5), false);
    ASSERT_TRUE(writer.waitForWrites(1));
    link->Close();
    EXPECT_FALSE(link->IsOpen());
    answer(reply(0x10)); // staged, nobody reads it
    link->SendFrame(command(0x12), true);
    EXPECT_EQ(writer.writes(), std::vector<Frame>{command(0x10)});
    EXPECT_TRUE(owner.posted().empty()) << "a clean close reports nothing";

    FakeWriter second;
    LNetProc next(owner, second, 1, clock);
    next.SendFrame(command(0x12), true); // not open: dropped
    ASSERT_TRUE(next.Open());
    next.SendFrame(command(0x10), true);
    ASSERT_TRUE(second.waitForWrites(1));
    EXPECT_EQ(second.writes(), std::vector<Frame>{command(0x10)});
}

TEST_F(NetLinkTest, AFailedWaitIsReportedAndCloseThenNeitherWaitsNorReports)
{
    open();
    link->failWait = true;
    link->SendFrame(command(0x10), true); // wakes the worker into its failing wait
    ASSERT_TRUE(owner.waitForPosted(1));
    ASSERT_EQ(owner.errors().size(), 1u);
    EXPECT_EQ(owner.errors()[0].code, 6);
    ASSERT_TRUE(waitUntil([&] { return !link->IsOpen(); }, "the link to close"));
    link->Close(); // the manual clock never moves: a wait here would hang
    EXPECT_EQ(owner.posted().size(), 1u);
}

TEST_F(NetLinkTest, AFailedWriteLeavesTheFrameToTheResends)
{
    open();
    writer.failing = true;
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    writer.failing = false;
    tick(800);
    EXPECT_EQ(writer.writes(), (std::vector<Frame>{command(0x10), command(0x10)}));
}

TEST_F(NetLinkTest, RetryCountsBelongToEachLink)
{
    open();
    link->SetRetries(1);
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    tick(800);

    FakeWriter otherWriter;
    ObservedLink<LNetProc> other(owner, otherWriter, 1, clock);
    ASSERT_TRUE(other.Open());
    other.SendFrame(command(0x10), true); // a new frame on another link
    ASSERT_TRUE(otherWriter.waitForWrites(1));
    other.waitForWaits(2);

    tick(800);
    ASSERT_TRUE(owner.waitForErrors(1));
    EXPECT_EQ(owner.errors()[0].generation, link->Generation()) << "this link's retries were used up";
    other.Close();
}

TEST_F(NetLinkTest, ErrorsNameTheirLinkSoAStaleOneIsIgnored)
{
    open();
    link->SetRetries(0);
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    tick(800);
    ASSERT_EQ(owner.errors().size(), 1u);
    const qx::WindowMessage stale = owner.posted().at(0);
    EXPECT_TRUE(link->IsOwnMessage(stale));
    link->Close();

    LNetProc next(owner, writer, 1, clock);
    EXPECT_NE(next.Generation(), link->Generation());
    EXPECT_FALSE(next.IsOwnMessage(stale)) << "a failure of the closed link is not the new link's";
    EXPECT_EQ(qx::readLinkErrorMessage(stale).code, 0);
}

TEST(LinkErrorMessage, CarriesCodeExtraAndGeneration)
{
    const LinkErrorReport report{6, 0xFE, 123456789};
    const auto message = qx::makeLinkErrorMessage(report);
    EXPECT_EQ(message.id, WM_LINK_ERROR);
    EXPECT_EQ(message.wParam, 6u);
    const auto back = qx::readLinkErrorMessage(message);
    EXPECT_EQ(back.code, 6);
    EXPECT_EQ(back.extra, 0xFE);
    EXPECT_EQ(back.generation, 123456789u);
}

TEST(DeliveredLink, StagedBytesHaveACapAndNoneAreKeptPastIt)
{
    ManualClock clock;
    FakeOwner owner;
    FakeWriter writer;
    LNetProc link(owner, writer, 1, clock);
    std::vector<std::uint8_t> bytes(qx::DeliveredLink::kReceiveCap, 0x55);
    EXPECT_TRUE(link.Deliver(bytes.data(), bytes.size() - 1)) << "a closed link stages bytes";
    EXPECT_FALSE(link.Deliver(bytes.data(), 2)) << "past the cap nothing is kept";
    EXPECT_TRUE(link.Deliver(bytes.data(), 1));
    EXPECT_TRUE(link.Deliver(nullptr, 0));
}

TEST(PlainLink, TheBaseByteHandlerPostsEachByte)
{
    ManualClock clock;
    FakeOwner owner;
    FakeWriter writer;
    LNet link(owner, writer, clock);
    ASSERT_TRUE(link.Open());
    EXPECT_FALSE(link.Open()) << "already open";
    const std::uint8_t bytes[] = {0x10, 0x02, 0xAB};
    link.Deliver(nullptr, 0); // wakes the worker, changes nothing
    link.Deliver(bytes, 3);
    ASSERT_TRUE(owner.waitForPosted(3));
    const auto posted = owner.posted();
    ASSERT_EQ(posted.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(posted[i].id, WM_LINK_BYTE);
        EXPECT_EQ(posted[i].wParam, bytes[i]);
    }
    link.Send(std::vector<std::uint8_t>{}); // empty: nothing to write
    link.Send(command(0x12));
    ASSERT_TRUE(writer.waitForWrites(1));
    link.Close();
}

} // namespace
