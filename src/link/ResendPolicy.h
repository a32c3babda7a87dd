#pragma once

namespace qx {

/// What a link's worker does when its wait times out: resend the pending
/// frame, wait some more, or give up. One object per link, so links never
/// share a retry count.
class ResendPolicy
{
public:
    enum class Action {
        Resend,     // write the pending frame again (if one is pending)
        FreeResend, // the same, without counting a retry
        Wait,       // retries used up; give the answer one more period
        Fail,       // give up: drop the pending frame, report no answer
    };

    /// `extraPeriods`: time-outs to wait after the last resend before failing.
    explicit ResendPolicy(int extraPeriods = 0) : extraPeriods_(extraPeriods) {}

    void setRetryLimit(int limit) { retryLimit_ = limit; }
    /// Arms time-outs that resend without counting a retry.
    void setFreeResends(int count) { freeResends_ = count; }

    /// A new frame was written: counting starts again.
    void newFrame();
    Action onTimeout();

private:
    int extraPeriods_;
    int retryLimit_ = 2;
    int freeResends_ = 0;
    int retries_ = 0;
    int waited_ = 0;
};

} // namespace qx
