#include "platform/sync/EventSet.h"
#include "platform/sync/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include <unistd.h>

namespace {

using qx::EventSet;
using qx::ManualClock;
using qx::WaitResult;
using Kind = WaitResult::Kind;

// Waits on a helper thread so the test thread can move the clock.
std::future<WaitResult> waitAsync(EventSet& events, std::int64_t timeoutMs)
{
    const std::int64_t deadline = events.clock().nowMs() + timeoutMs;
    return std::async(std::launch::async, [&events, deadline] { return events.waitUntil(deadline); });
}

struct Pipe
{
    int read = -1;
    int write = -1;
    Pipe()
    {
        int fds[2];
        if (::pipe(fds) == 0) {
            read = fds[0];
            write = fds[1];
        }
    }
    ~Pipe()
    {
        closeWrite();
        ::close(read);
    }
    void closeWrite()
    {
        if (write >= 0)
            ::close(write);
        write = -1;
    }
};

TEST(EventSet, TheLowestSetEventWinsAndOnlyItIsReset)
{
    ManualClock clock;
    EventSet events(3, clock);
    events.set(2);
    events.set(1);
    EXPECT_EQ(events.waitFor(0).index, 1u);
    EXPECT_EQ(events.waitFor(0).index, 2u) << "the event not taken stays set";
    EXPECT_EQ(events.waitFor(0).kind, Kind::TimedOut) << "each event resets when taken";
}

TEST(EventSet, TheTimeOutRunsOnTheClockNotOnRealTime)
{
    ManualClock clock;
    EventSet events(2, clock);
    auto early = waitAsync(events, 800);
    clock.advance(799);
    events.set(1);
    EXPECT_EQ(early.get().index, 1u) << "799 ms of 800 must not end the wait";

    auto late = waitAsync(events, 800);
    clock.advance(800);
    EXPECT_EQ(late.get().kind, Kind::TimedOut);
}

TEST(EventSet, ASetFromAnotherThreadWakesTheWaiter)
{
    EventSet events(1); // steady clock: the wait would last a minute
    auto waiting = waitAsync(events, 60000);
    std::jthread setter([&] { events.set(0); });
    EXPECT_EQ(waiting.get().kind, Kind::Signalled);
}

TEST(EventSet, AWatchedDescriptorCountsAsSetWhileItHasInput)
{
    ManualClock clock;
    EventSet events(2, clock);
    Pipe pipe;
    events.watch(0, pipe.read);
    events.set(1);
    EXPECT_EQ(events.waitFor(0).index, 1u) << "nothing to read yet";

    auto waiting = waitAsync(events, 1000);
    ASSERT_EQ(::write(pipe.write, "x", 1), 1);
    EXPECT_EQ(waiting.get().index, 0u);
    EXPECT_EQ(events.waitFor(0).index, 0u) << "still set until the input is read";
    char byte = 0;
    ASSERT_EQ(::read(pipe.read, &byte, 1), 1);
    EXPECT_EQ(events.waitFor(0).kind, Kind::TimedOut);
}

TEST(EventSet, AHungUpDescriptorFailsTheWaitWithItsEvent)
{
    ManualClock clock;
    EventSet events(2, clock);
    Pipe pipe;
    events.watch(1, pipe.read);
    pipe.closeWrite();
    const WaitResult result = events.waitFor(0);
    EXPECT_EQ(result.kind, Kind::Failed);
    EXPECT_EQ(result.index, 1u);
    events.watch(1, -1);
    EXPECT_EQ(events.waitFor(0).kind, Kind::TimedOut) << "an unwatched descriptor is ignored";
}

TEST(WorkerThread, WaitFinishedGivesUpOnTheClockAndSeesTheEnd)
{
    ManualClock clock;
    std::atomic<bool> release{false};
    qx::WorkerThread worker(clock);
    EXPECT_TRUE(worker.waitFinished(100)) << "a thread never started counts as finished";
    ASSERT_TRUE(worker.start([&] {
        while (!release)
            std::this_thread::yield();
    }));
    EXPECT_FALSE(worker.start([] {})) << "one body per worker";
    EXPECT_TRUE(worker.running());

    auto gaveUp = std::async(std::launch::async, [&] { return worker.waitFinished(5000); });
    while (gaveUp.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        clock.advance(1000);
    EXPECT_FALSE(gaveUp.get());

    release = true;
    EXPECT_TRUE(worker.waitFinished(5000)) << "the end wakes the waiter; the manual clock never times out";
    EXPECT_FALSE(worker.running());
}

} // namespace
