#include "link/LinkWorker.h"

#include "codec/LCmd.h"

#include <algorithm>
#include <utility>

namespace qx {
namespace {

std::uint64_t nextGeneration()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

} // namespace

LinkWorker::LinkWorker(MessageTarget& owner, Clock& clock, int extraPeriods)
    : owner_(owner), clock_(clock), generation_(nextGeneration()), policy_(extraPeriods)
{
}

LinkWorker::~LinkWorker()
{
    Shutdown();
}

bool LinkWorker::StartWorker(int watchFd)
{
    if (open_.load() || (worker_ && worker_->running()))
        return false;
    if (worker_)
        worker_->join();
    try {
        events_ = std::make_unique<EventSet>(kEventCount, clock_);
    } catch (const std::system_error&) {
        return false;
    }
    if (watchFd >= 0)
        events_->watch(kInputEvent, watchFd);
    stop_ = std::stop_source();
    worker_ = std::make_unique<qx::WorkerThread>(clock_);
    {
        const std::int64_t now = clock_.nowMs();
        std::lock_guard lock(mutex_);
        frameDeadline_ = ActiveMsLocked(now) + timeoutMs_.load();
        waitEnd_ = kNever;
    }
    OnOpening();
    open_ = true;
    if (!worker_->start([this] { WorkerThread(); })) {
        open_ = false;
        worker_.reset();
        events_.reset();
        return false;
    }
    return true;
}

void LinkWorker::Close()
{
    if (!worker_)
        return;
    stop_.request_stop();
    events_->set(kStopEvent);
    if (!worker_->waitFinished(kCloseWaitMs)) {
        OnError(static_cast<int>(LinkError::WorkerStuck), 0);
        return; // the worker still uses its events; the destructor waits for it
    }
    worker_->join();
    worker_.reset();
    events_.reset();
}

void LinkWorker::Shutdown()
{
    if (!worker_)
        return;
    stop_.request_stop();
    events_->set(kStopEvent);
    worker_->join();
    worker_.reset();
    events_.reset();
}

void LinkWorker::Send(std::span<const std::uint8_t> bytes)
{
    HandToWorker(bytes);
}

// A frame handed over on the owner's thread of a link that writes there is
// written and timed at once, as the worker would on its send event; the
// worker, whose wait ends at a time-out, is woken only when this frame's
// time-out comes first. Any other frame wakes the worker to do both.
void LinkWorker::HandToWorker(std::span<const std::uint8_t> bytes)
{
    if (!open_.load() || bytes.empty())
        return;
    const bool here = WritesOnOwnerThread() && OnOwnerThread();
    const std::int64_t now = here ? clock_.nowMs() : 0;
    bool wake = !here;
    {
        std::lock_guard lock(mutex_);
        sendBuffer_.assign(bytes.begin(), bytes.end());
        pending_ = true;
        ++handed_;
        if (here) {
            StartFrameLocked(ActiveMsLocked(now));
            wake = !waitingPaused_ && frameDeadline_ < waitEnd_;
        }
    }
    OnHandedOver(bytes);
    if (here)
        WriteHanded(false);
    if (wake)
        events_->set(here ? kWakeEvent : kSendEvent);
}

void LinkWorker::OnByte(std::uint8_t byte)
{
    WindowMessage message;
    message.id = WM_LINK_BYTE;
    message.wParam = byte;
    owner_.postMessage(std::move(message));
}

std::size_t LinkWorker::OnBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return 0;
    OnByte(bytes.front());
    return 1;
}

void LinkWorker::OnError(int code, int extra)
{
    owner_.postMessage(makeLinkErrorMessage({code, extra, generation_}));
}

void LinkWorker::SetTimeout(int milliseconds)
{
    timeoutMs_ = milliseconds;
}

void LinkWorker::SetRetries(int count)
{
    std::lock_guard lock(mutex_);
    policy_.setRetryLimit(count);
}

void LinkWorker::ArmFreeResends(int count)
{
    std::lock_guard lock(mutex_);
    policy_.setFreeResends(count);
}

bool LinkWorker::IsOwnMessage(const WindowMessage& message) const
{
    return message.id == WM_LINK_ERROR && readLinkErrorMessage(message).generation == generation_;
}

void LinkWorker::PauseTimeouts()
{
    const std::int64_t now = clock_.nowMs();
    std::lock_guard lock(mutex_);
    if (pauses_++ == 0)
        pausedAt_ = now;
}

// Wakes the worker only when its wait has no end because it was paused; a
// wait with an end recomputes its deadline when that end comes.
void LinkWorker::ResumeTimeouts()
{
    const std::int64_t now = clock_.nowMs();
    {
        std::lock_guard lock(mutex_);
        if (pauses_ == 0 || --pauses_ > 0)
            return;
        pausedTotal_ += now - pausedAt_;
        if (!waitingPaused_)
            return;
    }
    if (events_)
        events_->set(kWakeEvent);
}

std::int64_t LinkWorker::ActiveMs() const
{
    const std::int64_t now = clock_.nowMs();
    std::lock_guard lock(mutex_);
    return ActiveMsLocked(now);
}

std::int64_t LinkWorker::ActiveMsLocked(std::int64_t clockNow) const
{
    return (pauses_ > 0 ? pausedAt_ : clockNow) - pausedTotal_;
}

// The clock's deadline of the next wait: the frame's time-out or the
// periodic duty, whichever comes first, on the ActiveMs time; none while
// paused.
std::int64_t LinkWorker::NextDeadline()
{
    const std::int64_t due = TimerDue();
    std::lock_guard lock(mutex_);
    waitingPaused_ = pauses_ > 0;
    waitEnd_ = waitingPaused_ ? kNever : std::min(frameDeadline_, due);
    return waitEnd_ == kNever ? kNever : waitEnd_ + pausedTotal_;
}

bool LinkWorker::TimeoutsPaused() const
{
    std::lock_guard lock(mutex_);
    return pauses_ > 0;
}

std::int64_t LinkWorker::FrameTimeoutAt() const
{
    std::lock_guard lock(mutex_);
    if (!pending_ || timed_ != handed_ || pauses_ > 0)
        return -1;
    return frameDeadline_ + pausedTotal_;
}

void LinkWorker::StartFrame(std::int64_t now)
{
    std::lock_guard lock(mutex_);
    StartFrameLocked(now);
}

void LinkWorker::StartFrameLocked(std::int64_t now)
{
    frameDeadline_ = now + timeoutMs_.load();
    timed_ = handed_;
    policy_.newFrame();
}

Frame LinkWorker::PendingFrame() const
{
    std::lock_guard lock(mutex_);
    return pending_ ? sendBuffer_ : Frame{};
}

void LinkWorker::SignalInput()
{
    if (events_)
        events_->set(kInputEvent);
}

std::optional<std::intptr_t> LinkWorker::SendToOwner(WindowMessage message)
{
    return owner_.sendMessage(std::move(message), stop_.get_token());
}

WaitResult LinkWorker::WaitForWork(std::int64_t deadlineMs)
{
    return events_->waitUntil(deadlineMs);
}

bool LinkWorker::TimerTickHandedAFrame()
{
    const auto handed = [this] {
        std::lock_guard lock(mutex_);
        return handed_;
    };
    const std::uint64_t before = handed();
    TimerTick();
    return handed() != before;
}

int LinkWorker::SendBufferByte(std::size_t index) const
{
    std::lock_guard lock(mutex_);
    return index < sendBuffer_.size() ? sendBuffer_[index] : 0;
}

void LinkWorker::WorkerThread()
{
    for (;;) {
        const WaitResult result = WaitForWork(NextDeadline());
        const std::int64_t now = ActiveMs();
        if (StopRequested() || !HandleWait(result, now))
            break;
    }
    open_ = false;
}

// One pass of the worker, `now` and the deadlines on the ActiveMs time;
// false when it must end.
bool LinkWorker::HandleWait(const WaitResult& result, std::int64_t now)
{
    using Kind = WaitResult::Kind;
    if (result.kind == Kind::Failed) {
        if (result.index == kInputEvent)
            OnError(static_cast<int>(LinkError::PortFailed), SendBufferByte(frame::kReplyIdOffset));
        else
            OnError(static_cast<int>(LinkError::WaitFailed), SendBufferByte(frame::kCommandIdOffset));
        return false;
    }
    if (result.kind == Kind::TimedOut) {
        // A time-out that came while paused is not one; after a pause the
        // deadlines have not come yet on the ActiveMs time.
        if (TimeoutsPaused())
            return true;
        // A frame the periodic duty hands over now (the keep-alive) is a new
        // frame: it is written, and timed, by the next pass, not failed by
        // the time-out of the one before it.
        if (now >= TimerDue() && TimerTickHandedAFrame())
            return true;
        return HandleTimeout(now);
    }
    switch (result.index) {
    case kInputEvent:
        // Received bytes do not restart the time-out: only the answer to the
        // frame in flight ends its wait, by a new frame being handed over.
        if (!TakeInput()) {
            OnError(static_cast<int>(LinkError::PortFailed), SendBufferByte(frame::kReplyIdOffset));
            return false;
        }
        return true;
    case kSendEvent:
        StartFrame(now);
        return WritePending(false);
    case kWakeEvent:
        return true; // the pause ended, or a frame's time-out moved earlier
    default:
        return false; // stop
    }
}

// WriteHanded; false when the write failed for good (error 1 posted).
bool LinkWorker::WritePending(bool resend, std::uint64_t resendOf)
{
    if (WriteHanded(resend, resendOf) || !WriteFailureIsFatal())
        return true;
    OnError(static_cast<int>(LinkError::PortFailed), SendBufferByte(frame::kReplyIdOffset));
    return false;
}

// Writes the pending frame: a resend of hand-over `resendOf` always, a new
// frame only when nobody has written it yet. A resend that a newer frame
// overtook writes that one only if it has not been written. False when the
// write failed.
bool LinkWorker::WriteHanded(bool resend, std::uint64_t resendOf)
{
    std::lock_guard writing(writeMutex_);
    Frame copy;
    {
        std::lock_guard lock(mutex_);
        const bool again = resend && resendOf == handed_;
        if (!pending_ || (!again && written_ == handed_))
            return true;
        copy = sendBuffer_;
        written_ = handed_;
    }
    return WriteFrame(copy);
}

// A time-out at `now` (ActiveMs): none when the frame's deadline has not
// come (a new frame restarted it meanwhile); else the next period starts and
// the policy says what to do.
bool LinkWorker::HandleTimeout(std::int64_t now)
{
    ResendPolicy::Action action;
    std::uint64_t resendOf = 0;
    {
        std::lock_guard lock(mutex_);
        if (now < frameDeadline_)
            return true;
        frameDeadline_ = now + timeoutMs_.load();
        timed_ = handed_;
        resendOf = handed_;
        action = policy_.onTimeout();
        if (action == ResendPolicy::Action::Fail)
            pending_ = false;
    }
    switch (action) {
    case ResendPolicy::Action::Resend:
    case ResendPolicy::Action::FreeResend:
        return WritePending(true, resendOf);
    case ResendPolicy::Action::Wait:
        return true;
    case ResendPolicy::Action::Fail:
        OnError(static_cast<int>(LinkError::NoAnswer), SendBufferByte(frame::kCommandIdOffset));
        return true;
    }
    return true;
}

} // namespace qx
