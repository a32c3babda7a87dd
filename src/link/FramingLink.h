#pragma once

#include "codec/FrameAssembler.h"
#include "link/LinkWorker.h"
#include "link/SendQueue.h"

#include <cstdint>
#include <mutex>
#include <span>
#include <utility>

namespace qx {

/// Settings that differ between the framing links.
struct FramingOptions
{
    /// Time-out the keep-alive poll sets before it is sent.
    int keepAliveTimeoutMs = 5000;
};

/// The framing layer over a link's worker: the frame assembler, the hand-over
/// of each reply frame to the owner (message 1360 with the response time),
/// the send queue, and the keep-alive poll of an idle link.
///
/// Busy, the queue, the keep-alive state and the device id are
/// shared by the GUI thread and the worker under one lock, which is never
/// held while the owner handles a frame: its handler sends the next commands.
template <class Base>
class FramingLink : public Base
{
public:
    static constexpr std::int64_t kKeepAliveIntervalMs = 2000;
    static constexpr std::uint8_t kStatusPoll = 0x12;

    template <class... BaseArgs>
    FramingLink(const FramingOptions& options, int deviceId, BaseArgs&&... args)
        : Base(std::forward<BaseArgs>(args)...), options_(options), deviceId_(deviceId),
          frameSink_([this](const Frame& frame) { FrameComplete(frame); })
    {
    }
    ~FramingLink() override;

    /// Drops the waiting frames, then stops the worker.
    void Close() override;

    /// The one way the system sends: an encoded command frame, handed to the
    /// worker at once when the link is idle, else queued (see SendQueue).
    /// Dropped when the link is not open. Restarts the keep-alive period.
    void SendFrame(const Frame& frame, bool urgent);

    /// Both forms send as a non-urgent SendFrame.
    void Send(std::span<const std::uint8_t> bytes) override;
    using Base::Send;

    /// The frame assembler.
    void OnByte(std::uint8_t byte) override;
    /// The frame assembler, up to the byte that completes a frame.
    std::size_t OnBytes(std::span<const std::uint8_t> bytes) override;

    /// The keep-alive duty, normally run by the worker every 2000 ms without
    /// a SendFrame: on an idle link with nothing queued and keep-alive not
    /// suppressed, sets the keep-alive time-out and sends the status poll.
    void KeepAliveTimer();

    void SetKeepAliveSuppressed(bool suppressed);
    /// The device id the keep-alive poll carries.
    void SetDeviceId(int deviceId);

    /// True while a frame handed to the worker waits for its answer or
    /// frames are queued.
    bool IsBusy() const;

protected:
    /// The message that carries a reply frame to the owner.
    virtual unsigned FrameMessageId() const { return WM_LINK_FRAME; }

    /// Hands a complete reply frame to the owner, then sends the next frame;
    /// when the owner answers kFrameNotAnAnswer the frame in flight keeps
    /// waiting for its answer (resent at its time-out, error 0 at the end).
    void FrameComplete(const Frame& frame);
    /// The next queued frame to the worker, or not busy when none waits.
    void SendNextQueued();

    void OnOpening() override;
    std::int64_t TimerDue() const override;
    void TimerTick() override;

private:
    // `now` on the clock, for the response time; `active` on the time-outs'
    // time, for the keep-alive.
    void SendFrameLocked(const Frame& frame, bool urgent, std::int64_t now, std::int64_t active);

    const FramingOptions options_;
    FrameAssembler assembler_; // worker only

    mutable std::mutex mutex_;
    bool busy_ = false;
    bool keepAliveSuppressed_ = false;
    int deviceId_;
    SendQueue queue_;
    std::int64_t keepAliveDue_ = LinkWorker::kNever; // on the ActiveMs time
    std::int64_t responseStart_ = 0;
    // Made once: the assembler gets it with every byte.
    const FrameAssembler::Sink frameSink_;
};

} // namespace qx
