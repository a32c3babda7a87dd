#include "controls/plot/base/iRepaintRule.h"

#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

bool FrameIntervalPassed(std::int64_t lastMs, int frameRate, std::int64_t nowMs)
{
    // A clock that reads earlier than the last repaint has been set back: the stamp is
    // stale, so the request is due rather than held back until the clock catches up.
    if (frameRate <= 0 || nowMs < lastMs)
        return true;
    const double intervalMs = 1000.0 / static_cast<double>(frameRate);
    return static_cast<double>(nowMs) > static_cast<double>(lastMs) + intervalMs;
}

TiRepaintRule::TiRepaintRule() : FLastUpdate(qx::timerClock().nowMs()) {}

bool TiRepaintRule::EndUpdate()
{
    FUpdateActive = false;
    return FNeedsRepaint && Due();
}

bool TiRepaintRule::Request()
{
    if (FUpdateActive || FAutoFrameRate) {
        FNeedsRepaint = true;
        return !FUpdateActive && Due();
    }
    return true;
}

bool TiRepaintRule::Due() const
{
    return !FAutoFrameRate || FrameIntervalPassed(FLastUpdate, FUpdateFrameRate, qx::timerClock().nowMs());
}

void TiRepaintRule::Repainted()
{
    FNeedsRepaint = false;
    FLastUpdate = qx::timerClock().nowMs();
}
