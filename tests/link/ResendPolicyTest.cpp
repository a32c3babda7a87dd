#include "link/ResendPolicy.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using qx::ResendPolicy;
using Action = ResendPolicy::Action;

std::vector<Action> timeouts(ResendPolicy& policy, int count)
{
    std::vector<Action> actions;
    for (int i = 0; i < count; ++i)
        actions.push_back(policy.onTimeout());
    return actions;
}

TEST(ResendPolicy, ResendsUpToTheLimitThenFails)
{
    ResendPolicy policy; // retry limit 2 from construction
    EXPECT_EQ(timeouts(policy, 4), (std::vector<Action>{Action::Resend, Action::Resend, Action::Fail, Action::Resend}))
        << "after a failure counting starts again";
}

TEST(ResendPolicy, ANewFrameStartsCountingAgain)
{
    ResendPolicy policy;
    policy.onTimeout();
    policy.onTimeout();
    policy.newFrame();
    EXPECT_EQ(timeouts(policy, 3), (std::vector<Action>{Action::Resend, Action::Resend, Action::Fail}));
}

TEST(ResendPolicy, TheUsbLinkWaitsFourMorePeriodsAfterItsResends)
{
    ResendPolicy policy(4);
    policy.setRetryLimit(3);
    // Time-out 100 ms: resends at 100, 200, 300, failure at 800.
    EXPECT_EQ(timeouts(policy, 8), (std::vector<Action>{Action::Resend, Action::Resend, Action::Resend, Action::Wait,
                                                        Action::Wait, Action::Wait, Action::Wait, Action::Fail}));
    policy.setRetryLimit(0);
    EXPECT_EQ(timeouts(policy, 5), (std::vector<Action>{Action::Wait, Action::Wait, Action::Wait, Action::Wait,
                                                        Action::Fail}))
        << "the extra periods count again for the next failure";
}

TEST(ResendPolicy, FreeResendsComeFirstAndCountNoRetry)
{
    ResendPolicy policy;
    policy.setRetryLimit(1);
    policy.setFreeResends(1);
    // Time-out 1000 ms: writes at 0, 1000 (free), 2000; failure at 3000.
    EXPECT_EQ(timeouts(policy, 3), (std::vector<Action>{Action::FreeResend, Action::Resend, Action::Fail}));
}

} // namespace
