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

void LinkWorker::HandToWorker(std::span<const std::uint8_t> bytes)
{
    if (!open_.load() || bytes.empty())
        return;
    {
        std::lock_guard lock(mutex_);
        sendBuffer_.assign(bytes.begin(), bytes.end());
        pending_ = true;
        ++handed_;
    }
    OnHandedOver(bytes);
    if (WritesOnOwnerThread() && OnOwnerThread())
        WriteHanded(false);
    events_->set(kSendEvent);
}

void LinkWorker::OnByte(std::uint8_t byte)
{
    WindowMessage message;
    message.id = WM_LINK_BYTE;
    message.wParam = byte;
    owner_.postMessage(std::move(message));
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
    return (pauses_ > 0 ? pausedAt_ : now) - pausedTotal_;
}

// The clock's deadline of the next wait, for a time-out on the ActiveMs
// time: none while paused.
std::int64_t LinkWorker::NextDeadline(std::int64_t waitDeadline)
{
    const std::int64_t due = std::min(waitDeadline, TimerDue());
    std::lock_guard lock(mutex_);
    waitingPaused_ = pauses_ > 0;
    return waitingPaused_ || due == kNever ? kNever : due + pausedTotal_;
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

void LinkWorker::TimeFrameUntil(std::int64_t deadline)
{
    std::lock_guard lock(mutex_);
    frameDeadline_ = deadline;
    timed_ = handed_;
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
    std::int64_t waitDeadline = ActiveMs() + timeoutMs_.load();
    for (;;) {
        const WaitResult result = WaitForWork(NextDeadline(waitDeadline));
        const std::int64_t now = ActiveMs();
        if (StopRequested() || !HandleWait(result, now, waitDeadline))
            break;
    }
    open_ = false;
}

// One pass of the worker, `now` and the deadlines on the ActiveMs time;
// false when it must end.
bool LinkWorker::HandleWait(const WaitResult& result, std::int64_t now, std::int64_t& waitDeadline)
{
    using Kind = WaitResult::Kind;
    const std::int64_t timeout = timeoutMs_.load();
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
        if (now < waitDeadline)
            return true;
        waitDeadline = now + timeout;
        TimeFrameUntil(waitDeadline);
        return HandleTimeout();
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
        waitDeadline = now + timeout;
        TimeFrameUntil(waitDeadline);
        return WritePending(true);
    case kWakeEvent:
        return true; // the pause ended: the next wait has an end again
    default:
        return false; // stop
    }
}

// False when the write failed for good (error 1 posted).
bool LinkWorker::WritePending(bool newFrame)
{
    if (newFrame) {
        std::lock_guard lock(mutex_);
        policy_.newFrame();
    }
    if (WriteHanded(!newFrame) || !WriteFailureIsFatal())
        return true;
    OnError(static_cast<int>(LinkError::PortFailed), SendBufferByte(frame::kReplyIdOffset));
    return false;
}

// Writes the pending frame: a resend always, a new frame only when nobody
// has written it yet. False when the write failed.
bool LinkWorker::WriteHanded(bool resend)
{
    std::lock_guard writing(writeMutex_);
    Frame copy;
    {
        std::lock_guard lock(mutex_);
        if (!pending_ || (!resend && written_ == handed_))
            return true;
        copy = sendBuffer_;
        written_ = handed_;
    }
    return WriteFrame(copy);
}

bool LinkWorker::HandleTimeout()
{
    ResendPolicy::Action action;
    {
        std::lock_guard lock(mutex_);
        action = policy_.onTimeout();
        if (action == ResendPolicy::Action::Fail)
            pending_ = false;
    }
    switch (action) {
    case ResendPolicy::Action::Resend:
    case ResendPolicy::Action::FreeResend:
        return WritePending(false);
    case ResendPolicy::Action::Wait:
        return true;
    case ResendPolicy::Action::Fail:
        OnError(static_cast<int>(LinkError::NoAnswer), SendBufferByte(frame::kCommandIdOffset));
        return true;
    }
    return true;
}

} // namespace qx
