#pragma once

#include "link/LinkMessages.h"
#include "link/ResendPolicy.h"
#include "link/SendQueue.h"
#include "platform/sync/Clock.h"
#include "platform/sync/EventSet.h"
#include "platform/sync/MessageTarget.h"
#include "platform/sync/WorkerThread.h"

#include <atomic>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <span>
#include <stop_token>

namespace qx {

/// The worker shared by every link: one thread that writes the frame handed
/// to it, resends it when no answer comes within the time-out, feeds
/// received bytes to OnByte and reports failures to the owner with message
/// 1361. The GUI thread opens, closes and hands frames over; nothing here
/// holds a lock while the owner handles a message.
class LinkWorker
{
public:
    static constexpr std::int64_t kCloseWaitMs = 5000;
    static constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

    virtual ~LinkWorker();

    LinkWorker(const LinkWorker&) = delete;
    LinkWorker& operator=(const LinkWorker&) = delete;

    /// Stops the worker, waiting at most 5000 ms on the clock; reports error 5
    /// when it has not ended by then (the object still waits for it when
    /// destroyed). A worker blocked handing a frame to the owner is released.
    virtual void Close();

    /// Hands a frame to the worker: it becomes the pending frame and is
    /// written at once. Ignored unless open, and for an empty frame.
    virtual void Send(std::span<const std::uint8_t> bytes);
    void Send(const Frame& frame) { Send(std::span<const std::uint8_t>(frame)); }

    /// Default handling of a received byte: posts message 1359.
    virtual void OnByte(std::uint8_t byte);
    /// Feeds received bytes in order up to the first one whose handling may
    /// have ended the link (one that completes a frame), or all of them;
    /// returns how many it took (at least one of a non-empty span). By
    /// default one byte to OnByte.
    virtual std::size_t OnBytes(std::span<const std::uint8_t> bytes);
    /// Posts message 1361 with this link's generation.
    virtual void OnError(int code, int extra);

    /// Both take effect from the worker's next wait.
    virtual void SetTimeout(int milliseconds);
    void SetRetries(int count);

    /// Stops the time-out and the periodic duty (the keep-alive) until as
    /// many ResumeTimeouts: the time spent paused does not count towards
    /// either, whether they were set before the pause or during it. Frames
    /// handed over meanwhile are still written. Either thread.
    void PauseTimeouts();
    void ResumeTimeouts();

    /// A copy of the frame the worker writes and resends now; empty when
    /// none is pending (none handed yet, or given up after error 0).
    Frame PendingFrame() const;

    /// The clock time at which the frame in flight times out next, once the
    /// worker times the frame handed over last; -1 before that, without a
    /// pending frame and while paused.
    std::int64_t FrameTimeoutAt() const;

    bool IsOpen() const { return open_.load(); }
    int Timeout() const { return timeoutMs_.load(); }

    /// Tells this link's own 1361 messages from those of links before it.
    std::uint64_t Generation() const { return generation_; }
    bool IsOwnMessage(const WindowMessage& message) const;

protected:
    enum EventIndex : std::size_t { kInputEvent, kSendEvent, kStopEvent, kWakeEvent, kEventCount };

    LinkWorker(MessageTarget& owner, Clock& clock, int extraPeriods);

    /// Creates the events and starts the worker; false when already open or
    /// when the thread cannot be started. `watchFd` >= 0 makes the input
    /// event follow that descriptor.
    bool StartWorker(int watchFd = -1);
    /// Stops and joins the worker. The destructor of every class that can be
    /// the most derived one calls it first, so the worker never runs into a
    /// half-destroyed object.
    void Shutdown();

    /// Runs on the GUI thread right before the worker starts.
    virtual void OnOpening() {}
    /// Runs on the worker when the input event is taken; false when the
    /// input failed (error 1).
    virtual bool TakeInput() = 0;
    /// Writes a frame on the worker; false when the write failed.
    virtual bool WriteFrame(std::span<const std::uint8_t> frame) = 0;
    /// True when a failed write means the port is gone (error 1, the worker
    /// ends); otherwise the frame stays pending and the time-outs resend it.
    virtual bool WriteFailureIsFatal() const { return false; }
    /// A periodic duty of the worker besides resending (the keep-alive): when
    /// it is due, on the ActiveMs time, and the duty itself.
    virtual std::int64_t TimerDue() const { return kNever; }
    virtual void TimerTick() {}
    /// The worker's wait; a subclass may watch it.
    virtual WaitResult WaitForWork(std::int64_t deadlineMs);

    /// True for a link whose writes never block: a frame handed over on the
    /// owner's thread is written and timed there at once, and the worker is
    /// woken only when the frame's time-out comes before the end of its wait.
    virtual bool WritesOnOwnerThread() const { return false; }
    bool OnOwnerThread() const { return owner_.isOwnerThread(); }

    /// Makes the frame the pending one and has it written and timed: by the
    /// worker, which it wakes, or on the owner's thread (WritesOnOwnerThread).
    void HandToWorker(std::span<const std::uint8_t> bytes);
    /// Runs for every frame HandToWorker takes, on the thread that hands it
    /// over (the owner's, or the worker's for a frame that waited in a queue).
    virtual void OnHandedOver(std::span<const std::uint8_t> frame) { (void)frame; }
    void ArmFreeResends(int count);
    void SignalInput();
    /// Asks the owner to handle a message and waits; released by Close.
    std::optional<std::intptr_t> SendToOwner(WindowMessage message);
    bool StopRequested() const { return stop_.stop_requested(); }

    Clock& LinkClock() const { return clock_; }
    /// The time the time-outs run on: the clock's, less the time spent
    /// paused, so that it stands still while paused.
    std::int64_t ActiveMs() const;

private:
    void WorkerThread();
    bool HandleWait(const WaitResult& result, std::int64_t now);
    bool WritePending(bool resend, std::uint64_t resendOf = 0);
    bool WriteHanded(bool resend, std::uint64_t resendOf = 0);
    bool HandleTimeout(std::int64_t now);
    int SendBufferByte(std::size_t index) const;
    bool TimeoutsPaused() const;
    bool TimerTickHandedAFrame();
    // The frame handed over last is new: its time-out runs from `now` (on
    // the ActiveMs time) and its resends are counted afresh.
    void StartFrame(std::int64_t now);
    void StartFrameLocked(std::int64_t now); // under mutex_
    std::int64_t ActiveMsLocked(std::int64_t clockNow) const;
    std::int64_t NextDeadline();

    MessageTarget& owner_;
    Clock& clock_;
    const std::uint64_t generation_;
    std::atomic<bool> open_{false};
    std::atomic<int> timeoutMs_{800};
    std::stop_source stop_;
    std::unique_ptr<EventSet> events_;
    std::unique_ptr<qx::WorkerThread> worker_;

    std::mutex writeMutex_;    // one write at a time, from either thread
    mutable std::mutex mutex_; // guards the send buffer and the policy
    Frame sendBuffer_;
    bool pending_ = false;
    std::uint64_t handed_ = 0;  // frames handed over so far
    std::uint64_t written_ = 0; // the hand-over whose frame was written last
    std::uint64_t timed_ = 0;   // the hand-over whose frame frameDeadline_ times
    // When the worker's time-out comes next (resend, or give up), on the
    // ActiveMs time; restarted by every new frame and every time-out.
    std::int64_t frameDeadline_ = kNever;
    // The ActiveMs time the worker's wait ends at (kNever while paused): a
    // frame timed on the owner's thread wakes the worker only when it times
    // out before that.
    std::int64_t waitEnd_ = kNever;
    ResendPolicy policy_;
    int pauses_ = 0;               // PauseTimeouts not yet resumed
    std::int64_t pausedAt_ = 0;    // when the first of them came
    std::int64_t pausedTotal_ = 0; // the clock's time spent in pauses that ended
    bool waitingPaused_ = false;   // the worker's wait has no end because paused
};

} // namespace qx
