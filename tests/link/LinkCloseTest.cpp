#include "LinkFakes.h"

#include "link/LNetProc.h"
#include "platform/sync/MessageQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

using namespace qx::test;
using qx::Frame;
using qx::ManualClock;
using qx::MessageQueue;
using qx::WindowMessage;

constexpr unsigned kTimerMessage = 0x113;

// The GUI thread's loop: dispatches until `done` holds.
template <class Pred>
void pumpUntil(MessageQueue& queue, Pred done, std::source_location where = std::source_location::current())
{
    ASSERT_TRUE(waitUntil(
        [&] {
            queue.dispatchPending();
            return done();
        },
        "the GUI thread's loop to see it", {}, kWaitLimit, where));
}

void deliver(LNetProc& link, const Frame& bytes)
{
    link.Deliver(bytes.data(), bytes.size());
}

// Delivered from a thread other than the GUI thread: the worker takes the
// bytes and hands the frame over to the GUI thread.
void deliverThroughWorker(LNetProc& link, const Frame& bytes)
{
    std::thread([&] { deliver(link, bytes); }).join();
}

TEST(LinkClose, ReleasesAWorkerBlockedHandingOverAFrame)
{
    ManualClock clock;
    FakeWriter writer;
    int handled = 0;
    MessageQueue gui([&](const WindowMessage&) { return ++handled; });
    LNetProc link(gui, writer, 1, clock);
    ASSERT_TRUE(link.Open());
    link.SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    deliverThroughWorker(link, reply(0x10));
    ASSERT_TRUE(waitUntil([&] { return gui.pendingCount() == 1; }, "the worker to wait for the GUI thread"));

    link.Close(); // on the GUI thread, which is not dispatching: must not deadlock
    EXPECT_FALSE(link.IsOpen());
    gui.dispatchPending();
    EXPECT_EQ(handled, 0) << "the abandoned frame is not handled, and no failure is reported";
}

TEST(LinkClose, ALinkClosedAndDeletedInsideAReplyHandlersModalLoopIsSafe)
{
    ManualClock clock;
    FakeWriter writer;
    std::unique_ptr<LNetProc> link;
    MessageQueue* guiQueue = nullptr;
    bool closed = false;
    std::vector<unsigned> seen;
    MessageQueue gui([&](const WindowMessage& message) -> std::intptr_t {
        seen.push_back(message.id);
        if (message.id == WM_LINK_FRAME) {
            // The handler opens a modal window; a timer in its loop drops the link.
            guiQueue->postMessage({kTimerMessage, 0, 0, {}});
            pumpUntil(*guiQueue, [&] { return closed; });
        } else if (message.id == kTimerMessage) {
            link->Close();
            link.reset();
            closed = true;
        }
        return 0;
    });
    guiQueue = &gui;
    link = std::make_unique<LNetProc>(gui, writer, 1, clock);
    ASSERT_TRUE(link->Open());
    link->SendFrame(command(0x10), true);
    link->SendFrame(command(0x13), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    deliverThroughWorker(*link, reply(0x10));
    pumpUntil(gui, [&] { return closed; });
    gui.dispatchPending();
    EXPECT_EQ(seen, (std::vector<unsigned>{WM_LINK_FRAME, kTimerMessage}));
    EXPECT_EQ(writer.writes(), std::vector<Frame>{command(0x10)}) << "the queued frame is dropped by the close";
}

TEST(LinkClose, AWorkerThatDoesNotEndIsReportedAndStillWaitedFor)
{
    ManualClock clock;
    FakeOwner owner;
    FakeWriter writer;
    std::atomic<bool> release{false};
    std::atomic<bool> writing{false};
    writer.beforeWrite = [&] {
        writing = true;
        waitUntil([&] { return release.load(); }, "the test to release the write");
    };
    auto link = std::make_unique<LNetProc>(owner, writer, 7, clock);
    ASSERT_TRUE(link->Open());
    link->SendFrame(command(0x10, {}, 7), true);
    ASSERT_TRUE(waitUntil([&] { return writing.load(); }, "the worker to write"));

    std::atomic<bool> closeReturned{false};
    std::jthread time([&] {
        waitUntil([&] { return closeReturned.load(); }, "the close to return", [&] {
            clock.advance(1000);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
    });
    link->Close();
    closeReturned = true;
    ASSERT_EQ(owner.errors().size(), 1u);
    EXPECT_EQ(owner.errors()[0].code, 5);
    EXPECT_EQ(owner.errors()[0].extra, 0);
    EXPECT_EQ(owner.errors()[0].generation, link->Generation());

    release = true;
    link.reset(); // waits for the worker, which still uses the object
    EXPECT_EQ(writer.writes().size(), 1u);
}

TEST(LinkReceive, BytesDeliveredDuringAHandOverAreKept)
{
    ManualClock clock;
    FakeWriter writer;
    std::unique_ptr<LNetProc> link;
    const Frame first = reply(0x10, {1});
    const Frame second = reply(0x13, {'Q', 'X', '-', '7', '3'});
    const Frame third = reply(0x14, {3});
    std::vector<Frame> frames;
    MessageQueue gui([&](const WindowMessage& message) -> std::intptr_t {
        frames.push_back(message.data);
        if (frames.size() == 1) {
            // The socket reads twice while the first reply is being handled.
            Frame chunk(second.begin(), second.begin() + 4);
            deliver(*link, chunk);
            chunk.assign(second.begin() + 4, second.end());
            chunk.insert(chunk.end(), third.begin(), third.end());
            deliver(*link, chunk);
        }
        return 0;
    });
    link = std::make_unique<LNetProc>(gui, writer, 1, clock);
    ASSERT_TRUE(link->Open());
    link->SendFrame(command(0x10), true);
    ASSERT_TRUE(writer.waitForWrites(1));
    deliver(*link, first);
    pumpUntil(gui, [&] { return frames.size() == 3; });
    EXPECT_EQ(frames, (std::vector<Frame>{first, second, third}));
    link->Close();
}

} // namespace
