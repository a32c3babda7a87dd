// The replaceable pause: a test puts in a stand-in to see who would sleep,
// from any thread, and puts the real one back.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/sync/Sleep.h"

namespace {

std::atomic<int> asked{0};
void record(int milliseconds) { asked += milliseconds; }

TEST(Sleep, AStandInSeesEveryPauseUntilTheRealOneIsBack)
{
    EXPECT_EQ(qx::setSleeper(&record), nullptr) << "the real sleeper was in";
    asked = 0;
    qx::Sleep(10);
    std::thread other([] { qx::Sleep(5); });
    other.join();
    EXPECT_EQ(asked, 15);
    EXPECT_EQ(qx::setSleeper(nullptr), &record);

    const auto start = std::chrono::steady_clock::now();
    qx::Sleep(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20)) << "a real pause";
    EXPECT_EQ(asked, 15);
    qx::Sleep(-5); // nothing to wait for
}

} // namespace
