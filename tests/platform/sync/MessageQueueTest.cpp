#include "WaitUntil.h"
#include "platform/sync/MessageQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <source_location>
#include <thread>
#include <vector>

namespace {

using qx::MessageQueue;
using qx::WindowMessage;
using namespace std::chrono_literals;

WindowMessage message(unsigned id, std::intptr_t lParam = 0)
{
    WindowMessage m;
    m.id = id;
    m.lParam = lParam;
    return m;
}

// Runs the GUI side: dispatches until `done` becomes true.
void pumpUntil(MessageQueue& queue, const std::atomic<bool>& done,
               std::source_location where = std::source_location::current())
{
    qx::test::waitUntil([&] { return done.load(); }, "the worker's send to return",
                        [&] {
                            queue.dispatchPending();
                            std::this_thread::yield();
                        },
                        qx::test::kWaitLimit, where);
}

template <class Pred>
void waitFor(Pred pred, std::source_location where = std::source_location::current())
{
    qx::test::waitUntil(pred, "the worker's message to be queued", {}, qx::test::kWaitLimit, where);
}

TEST(MessageQueue, PostedMessagesWaitForDispatchAndKeepTheirOrder)
{
    std::vector<unsigned> seen;
    MessageQueue queue([&](const WindowMessage& m) {
        seen.push_back(m.id);
        return 0;
    });
    int wakeUps = 0;
    queue.setWakeUp([&] { ++wakeUps; });

    queue.postMessage(message(1361));
    queue.postMessage(message(1359));
    EXPECT_TRUE(seen.empty()) << "posting never runs the handler";
    EXPECT_EQ(wakeUps, 2);
    EXPECT_EQ(queue.dispatchPending(), 2u);
    EXPECT_EQ(seen, (std::vector<unsigned>{1361, 1359}));
}

TEST(MessageQueue, SendOnTheOwnerThreadRunsTheHandlerDirectly)
{
    MessageQueue queue([](const WindowMessage& m) { return m.lParam * 2; });
    EXPECT_EQ(queue.sendMessage(message(1360, 21), {}), 42);
    EXPECT_EQ(queue.pendingCount(), 0u);
}

TEST(MessageQueue, SendFromWorkerReturnsTheResultAndCarriesItsBytes)
{
    std::vector<std::uint8_t> received;
    MessageQueue queue([&](const WindowMessage& m) {
        received = m.data;
        return std::intptr_t{7};
    });
    std::atomic<bool> done{false};
    auto worker = std::async(std::launch::async, [&] {
        WindowMessage m = message(1360);
        m.data = {0x10, 0x02, 0x01};
        auto result = queue.sendMessage(std::move(m), {});
        done = true;
        return result;
    });
    pumpUntil(queue, done);
    EXPECT_EQ(worker.get(), 7);
    EXPECT_EQ(received, (std::vector<std::uint8_t>{0x10, 0x02, 0x01}));
}

TEST(MessageQueue, SendIsHandledInsideANestedLoopOfAHandler)
{
    // A reply handler opens a modal window; the next reply from the worker
    // must be handled by that window's loop, not wait for the outer one.
    std::vector<std::intptr_t> order;
    MessageQueue* self = nullptr;
    std::atomic<bool> secondDone{false};
    std::jthread worker;
    MessageQueue queue([&](const WindowMessage& m) {
        order.push_back(m.lParam);
        if (m.lParam == 1) {
            worker = std::jthread([&] {
                self->sendMessage(message(1360, 2), {});
                secondDone = true;
            });
            pumpUntil(*self, secondDone); // the nested modal loop
        }
        return 0;
    });
    self = &queue;
    queue.postMessage(message(1360, 1));
    queue.dispatchPending();
    EXPECT_EQ(order, (std::vector<std::intptr_t>{1, 2}));
}

TEST(MessageQueue, CancelReleasesAWaitingSenderAndDropsItsMessage)
{
    int handled = 0;
    MessageQueue queue([&](const WindowMessage&) { return ++handled; });
    std::stop_source stop;
    auto worker = std::async(std::launch::async, [&] { return queue.sendMessage(message(1360), stop.get_token()); });
    waitFor([&] { return queue.pendingCount() == 1; });
    stop.request_stop();
    EXPECT_EQ(worker.get(), std::nullopt) << "a cancelled send reports no result";
    queue.dispatchPending();
    EXPECT_EQ(handled, 0) << "a message abandoned before it started is never handled";
}

TEST(MessageQueue, CancelReleasesASenderWhoseMessageIsRunning)
{
    // The GUI thread closes the link from inside the reply handler: the
    // worker must not stay blocked, or the close would wait for it forever.
    std::stop_source stop;
    std::future<std::optional<std::intptr_t>> worker;
    std::optional<std::intptr_t> seenByCloser;
    MessageQueue queue([&](const WindowMessage& m) {
        if (m.id == 1360) {
            stop.request_stop();
            seenByCloser = worker.get();
        }
        return std::intptr_t{1};
    });
    worker = std::async(std::launch::async, [&] { return queue.sendMessage(message(1360), stop.get_token()); });
    waitFor([&] { return queue.pendingCount() == 1; });
    queue.dispatchPending();
    EXPECT_EQ(seenByCloser, std::nullopt);
}

TEST(MessageQueue, DestructionReleasesWaitingSenders)
{
    std::future<std::optional<std::intptr_t>> worker;
    {
        MessageQueue queue([](const WindowMessage&) { return std::intptr_t{1}; });
        worker = std::async(std::launch::async, [&] { return queue.sendMessage(message(1360), {}); });
        waitFor([&] { return queue.pendingCount() == 1; });
    }
    EXPECT_EQ(worker.get(), std::nullopt);
}

TEST(MessageQueue, AThrowingHandlerReleasesItsSenderAndKeepsLaterMessages)
{
    std::vector<unsigned> seen;
    MessageQueue queue([&](const WindowMessage& m) -> std::intptr_t {
        seen.push_back(m.id);
        if (m.id == 1)
            throw std::runtime_error("handler failed");
        return 0;
    });
    auto worker = std::async(std::launch::async, [&] { return queue.sendMessage(message(1), {}); });
    waitFor([&] { return queue.pendingCount() == 1; });
    queue.postMessage(message(2));
    EXPECT_THROW(queue.dispatchPending(), std::runtime_error);
    EXPECT_TRUE(worker.get().has_value()) << "the sender is released, not left waiting";
    EXPECT_EQ(queue.dispatchPending(), 1u);
    EXPECT_EQ(seen, (std::vector<unsigned>{1, 2}));
}

} // namespace
