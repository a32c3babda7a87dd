#include "platform/gui/Timer.h"

#include "platform/gui/Application.h"
#include "platform/sync/Clock.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <vector>

namespace qx {

/// The running timers of the GUI thread. One Qt timer wakes the loop when
/// the next one is due by the clock; a loop pass then fires what is due.
class TimerService
{
public:
    static TimerService& instance()
    {
        static TimerService service;
        return service;
    }

    Clock& clock() { return *clock_; }
    void setClock(Clock& c)
    {
        clock_ = &c;
        rearm();
    }

    void start(TTimer* timer)
    {
        timer->dueMs_ = clock_->nowMs() + timer->interval_;
        if (std::find(running_.begin(), running_.end(), timer) == running_.end())
            running_.push_back(timer);
        rearm();
    }

    void stop(TTimer* timer)
    {
        running_.erase(std::remove(running_.begin(), running_.end(), timer), running_.end());
        rearm();
    }

    int fireDue()
    {
        const std::int64_t now = clock_->nowMs();
        std::vector<TTimer*> due;
        for (TTimer* t : running_)
            if (t->dueMs_ <= now)
                due.push_back(t);
        std::stable_sort(due.begin(), due.end(), [](TTimer* a, TTimer* b) { return a->dueMs_ < b->dueMs_; });
        int fired = 0;
        for (TTimer* t : due) {
            // A handler may stop, restart or destroy any timer.
            if (std::find(running_.begin(), running_.end(), t) == running_.end() || t->dueMs_ > now)
                continue;
            t->dueMs_ = now + t->interval_;
            ++fired;
            guarded(t, [t] { t->Timer(); });
        }
        rearm();
        return fired;
    }

private:
    TimerService() : clock_(&Clock::system()) {}

    void rearm()
    {
        if (!QCoreApplication::instance())
            return;
        if (!wake_) {
            wake_ = new QTimer;
            wake_->setSingleShot(true);
            QObject::connect(wake_, &QTimer::timeout, [this] { fireDue(); });
        }
        if (running_.empty()) {
            wake_->stop();
            return;
        }
        std::int64_t next = std::numeric_limits<std::int64_t>::max();
        for (TTimer* t : running_)
            next = std::min(next, t->dueMs_);
        // On the steady clock a Qt timer armed for the same due time already
        // wakes the loop then; it is restarted only when the earliest due time
        // moves (a loop pass comes after every event, most change nothing).
        if (next == armedDue_ && clock_ == &Clock::system() && wake_->isActive())
            return;
        const std::int64_t wait = std::clamp<std::int64_t>(next - clock_->nowMs(), 0, 1 << 30);
        wake_->start(static_cast<int>(wait));
        armedDue_ = next;
    }

    Clock* clock_;
    std::vector<TTimer*> running_;
    QTimer* wake_ = nullptr;
    std::int64_t armedDue_ = 0; // the due time wake_ was last started for
};

void setTimerClock(Clock& clock) { TimerService::instance().setClock(clock); }
Clock& timerClock() { return TimerService::instance().clock(); }
int fireDueTimers() { return TimerService::instance().fireDue(); }

} // namespace qx

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { restart(); }

TTimer::~TTimer() { qx::TimerService::instance().stop(this); }

void TTimer::SetEnabled(bool Value)
{
    if (Value == enabled_)
        return;
    enabled_ = Value;
    restart();
}

void TTimer::SetInterval(unsigned Value)
{
    if (Value == interval_)
        return;
    interval_ = Value;
    restart();
}

void TTimer::restart()
{
    if (running())
        qx::TimerService::instance().start(this);
    else
        qx::TimerService::instance().stop(this);
}

void TTimer::Timer() { qx::fire(OnTimer, this); }
