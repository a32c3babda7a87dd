// The repaint rule and the global repaint timer without any control: requests inside and
// outside an update bracket, the frame-rate throttle on a fake monotonic clock (set back
// too) and the timer's flush of held-back requests.

#include "controls/plot/base/iClasses.h"
#include "controls/plot/base/iComponent.h"
#include "controls/plot/base/iRepaintRule.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// A control as the global timer sees it: the rule and a count of its repaints.
class RuleClient : public TiUpdateClient
{
public:
    bool GetUpdateActive() const override { return rule.UpdateActive(); }
    bool GetNeedsRepaint() const override { return rule.NeedsRepaint(); }
    int GetUpdateFrameRate() const override { return rule.UpdateFrameRate(); }
    std::int64_t GetLastUpdate() const override { return rule.LastUpdate(); }
    void RepaintNow() override
    {
        rule.Repainted();
        ++repaints;
    }
    /// What a control does with a request: repaint now when the rule says so.
    void Request()
    {
        if (rule.Request())
            RepaintNow();
    }
    void EndUpdate()
    {
        if (rule.EndUpdate())
            RepaintNow();
    }

    TiRepaintRule rule;
    int repaints = 0;
};

class RepaintRuleTest : public ::testing::Test
{
protected:
    void SetUp() override { qx::setTimerClock(clock); }
    void TearDown() override { qx::setTimerClock(qx::Clock::system()); }

    qx::ManualClock clock{50'000};
};

TEST_F(RepaintRuleTest, StepsOfRequestsBracketsAndTime)
{
    // Each step acts on a fresh rule (made at 50 000 ms, 60 frames per second) and then
    // reports the repaints so far and whether a request is pending.
    enum Action { Request, Begin, End, Advance, Auto, Rate0 };
    struct Step { Action action; int ms; int repaints; bool pending; };
    struct Case { const char* what; std::vector<Step> steps; };
    const Case cases[] = {
        {"without AutoFrameRate every request repaints",
         {{Request, 0, 1, false}, {Request, 0, 2, false}}},
        {"inside a bracket requests wait for its end",
         {{Begin, 0, 0, false}, {Request, 0, 0, true}, {Request, 0, 0, true}, {End, 0, 1, false}}},
        {"two Begin, one End close the bracket",
         {{Begin, 0, 0, false}, {Begin, 0, 0, false}, {Request, 0, 0, true}, {End, 0, 1, false},
          {Request, 0, 2, false}}},
        {"an End without a request repaints nothing", {{Begin, 0, 0, false}, {End, 0, 0, false}}},
        {"throttled: the first request after the interval repaints, one within it waits",
         {{Auto, 0, 0, false}, {Advance, 17, 0, false}, {Request, 0, 1, false}, {Advance, 5, 1, false},
          {Request, 0, 1, true}, {Advance, 11, 1, true}, {Request, 0, 1, true}, {Advance, 1, 1, true},
          {Request, 0, 2, false}}},
        {"throttled: the end of a bracket repaints only when due",
         {{Auto, 0, 0, false}, {Begin, 0, 0, false}, {Request, 0, 0, true}, {End, 0, 0, true},
          {Advance, 17, 0, true}, {Begin, 0, 0, true}, {End, 0, 1, false}}},
        {"a rate of 0 does not throttle",
         {{Auto, 0, 0, false}, {Rate0, 0, 0, false}, {Request, 0, 1, false}, {Request, 0, 2, false}}},
    };
    for (const Case& c : cases) {
        RuleClient client;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            switch (s.action) {
            case Request: client.Request(); break;
            case Begin: client.rule.BeginUpdate(); break;
            case End: client.EndUpdate(); break;
            case Advance: clock.advance(s.ms); break;
            case Auto: client.rule.SetAutoFrameRate(true); break;
            case Rate0: client.rule.SetUpdateFrameRate(0); break;
            }
            EXPECT_EQ(client.repaints, s.repaints) << c.what << ", step " << i;
            EXPECT_EQ(client.rule.NeedsRepaint(), s.pending) << c.what << ", step " << i;
        }
    }
}

TEST_F(RepaintRuleTest, AClockSetBackAnHourHoldsNothingBack)
{
    // The rule reads the timers' monotonic clock only; were that clock ever set back as a
    // wall clock is, the stale stamp would not hold requests back for the hour.
    RuleClient client;
    client.rule.SetAutoFrameRate(true);
    clock.advance(20);
    client.Request();
    client.Request();
    ASSERT_EQ(client.repaints, 1);
    ASSERT_TRUE(client.rule.NeedsRepaint());
    qx::ManualClock setBack{clock.nowMs() - 3'600'000};
    qx::setTimerClock(setBack);
    client.Request();
    EXPECT_EQ(client.repaints, 2);
    EXPECT_EQ(client.rule.LastUpdate(), setBack.nowMs());
    setBack.advance(5);
    client.Request(); // the throttle goes on from the new reading
    EXPECT_EQ(client.repaints, 2);
}

TEST_F(RepaintRuleTest, TheGlobalTimerFlushesDueRequestsOnItsTick)
{
    RuleClient throttled, bracketed, idle;
    for (RuleClient* c : {&throttled, &bracketed, &idle})
        c->rule.SetAutoFrameRate(true);
    TiUpdateObject& timer = TiUpdateObject::Instance();
    for (RuleClient* c : {&throttled, &bracketed, &idle})
        timer.AddUpdateControl(c);
    EXPECT_TRUE(timer.TimerEnabled());
    clock.advance(100);
    throttled.Request();
    throttled.Request(); // held back by the frame rate
    bracketed.rule.BeginUpdate();
    bracketed.Request(); // held back by the bracket
    ASSERT_EQ(throttled.repaints, 1);

    clock.advance(899);
    qx::fireDueTimers(); // the timer ticks 1000 ms after it started: not yet
    EXPECT_EQ(throttled.repaints, 1);
    clock.advance(1);
    qx::fireDueTimers();
    EXPECT_EQ(throttled.repaints, 2);
    EXPECT_FALSE(throttled.rule.NeedsRepaint());
    EXPECT_EQ(bracketed.repaints, 0); // still inside its bracket
    EXPECT_EQ(idle.repaints, 0); // nothing pending
    clock.advance(1000);
    qx::fireDueTimers();
    EXPECT_EQ(throttled.repaints, 2);

    for (RuleClient* c : {&throttled, &bracketed, &idle})
        timer.RemoveUpdateControl(c);
    EXPECT_FALSE(timer.TimerEnabled());
}

} // namespace
