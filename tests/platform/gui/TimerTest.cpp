#include "platform/gui/Application.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

enum class Op { Advance, Enable, Disable, Interval };

struct Step
{
    Op op;
    unsigned value = 0;
    int firedAfter = -1; // expected count after this step and one pass of the loop; -1: not checked
};

struct TimerCase
{
    const char* name;
    unsigned interval;
    bool enabled;
    bool oneShot; // the handler disables the timer
    std::vector<Step> steps;
};

void PrintTo(const TimerCase& c, std::ostream* os) { *os << c.name; }

const TimerCase kCases[] = {
    {"fires every interval", 100, true, false,
     {{Op::Advance, 99, 0}, {Op::Advance, 1, 1}, {Op::Advance, 99, 1}, {Op::Advance, 1, 2}}},
    {"enabling a running timer does not restart it", 100, true, false,
     {{Op::Advance, 60, 0}, {Op::Enable}, {Op::Advance, 40, 1}}},
    {"the same interval does not restart it", 100, true, false,
     {{Op::Advance, 60, 0}, {Op::Interval, 100}, {Op::Advance, 40, 1}}},
    {"a new interval restarts it", 100, true, false,
     {{Op::Advance, 60, 0}, {Op::Interval, 50}, {Op::Advance, 49, 0}, {Op::Advance, 1, 1}}},
    {"disabling and enabling restarts it", 100, true, false,
     {{Op::Advance, 60, 0}, {Op::Disable}, {Op::Enable}, {Op::Advance, 40, 0}, {Op::Advance, 60, 1}}},
    {"a disabled timer never fires", 100, false, false, {{Op::Advance, 1000, 0}}},
    {"interval 0 never fires", 0, true, false, {{Op::Advance, 1000, 0}}},
    {"enabled later counts from then", 100, false, false,
     {{Op::Advance, 500, 0}, {Op::Enable}, {Op::Advance, 99, 0}, {Op::Advance, 1, 1}}},
    {"one-shot: the handler disables it", 300, true, true,
     {{Op::Advance, 300, 1}, {Op::Advance, 1000, 1}, {Op::Enable}, {Op::Advance, 300, 2}}},
    {"1 ms fires on the next pass", 1, true, false, {{Op::Advance, 1, 1}, {Op::Advance, 1, 2}}},
    {"due several times over fires once per pass", 10, true, false,
     {{Op::Advance, 100, 1}, {Op::Advance, 9, 1}, {Op::Advance, 1, 2}}},
    {"a 50 s time-out", 50000, true, false, {{Op::Advance, 49999, 0}, {Op::Advance, 1, 1}}},
};

class TimerTest : public ::testing::TestWithParam<TimerCase>
{
protected:
    void SetUp() override { qx::setTimerClock(clock); }
    void TearDown() override { qx::setTimerClock(qx::Clock::system()); }

    qx::ManualClock clock{1000};
};

TEST_P(TimerTest, FiresAsTheClassLibraryDoes)
{
    const TimerCase& c = GetParam();
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(c.interval);
    timer.SetEnabled(c.enabled);
    int fired = 0;
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++fired;
        if (c.oneShot)
            timer.SetEnabled(false);
    };
    int stepNo = 0;
    for (const Step& s : c.steps) {
        ++stepNo;
        switch (s.op) {
        case Op::Advance: clock.advance(s.value); break;
        case Op::Enable: timer.SetEnabled(true); break;
        case Op::Disable: timer.SetEnabled(false); break;
        case Op::Interval: timer.SetInterval(s.value); break;
        }
        Application->ProcessMessages();
        if (s.firedAfter >= 0) {
            EXPECT_EQ(fired, s.firedAfter) << "after step " << stepNo;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerTest, ::testing::ValuesIn(kCases));

TEST(TimerHandler, MayDestroyAnotherDueTimer)
{
    qx::ManualClock clock(0);
    qx::setTimerClock(clock);
    auto* second = new TTimer(nullptr);
    second->SetInterval(10);
    int secondFired = 0;
    second->OnTimer = [&](TObject*) { ++secondFired; };
    TTimer first(nullptr);
    first.SetInterval(5);
    first.OnTimer = [&](TObject*) { delete second; };
    clock.advance(10);
    Application->ProcessMessages();
    EXPECT_EQ(secondFired, 0);
    qx::setTimerClock(qx::Clock::system());
}

} // namespace
