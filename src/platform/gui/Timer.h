#pragma once

#include "platform/gui/Component.h"
#include "platform/gui/Events.h"

#include <cstdint>

namespace qx {
class Clock;
class TimerService;
} // namespace qx

/// A timer raising OnTimer every Interval milliseconds while Enabled, on the
/// GUI thread at a pass of the loop. Enabling a running timer or setting the
/// interval it already has changes nothing; a new interval starts the count
/// again. A timer that is due several times over fires once per pass.
class TTimer : public TComponent
{
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned Value);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    friend class qx::TimerService;
    void restart();
    bool running() const { return enabled_ && interval_ > 0; }

    bool enabled_ = true;
    unsigned interval_ = 1000;
    std::int64_t dueMs_ = 0;
};

namespace qx {

/// The clock every TTimer reads; tests replace it with a ManualClock and
/// then let the loop pass (Application->ProcessMessages()).
void setTimerClock(Clock& clock);
Clock& timerClock();

/// Fires the timers that are due now; the loop calls it at each pass.
/// Returns how many fired.
int fireDueTimers();

} // namespace qx
