#include "link/FramingLink.h"

#include "codec/LCmd.h"
#include "link/LComm.h"
#include "link/LNet.h"

#include <algorithm>

namespace qx {

template <class Base>
FramingLink<Base>::~FramingLink()
{
    this->Shutdown();
}

template <class Base>
void FramingLink<Base>::Close()
{
    {
        std::lock_guard lock(mutex_);
        keepAliveDue_ = LinkWorker::kNever;
        queue_.clear();
    }
    Base::Close();
}

template <class Base>
void FramingLink<Base>::SendFrame(const Frame& frame, bool urgent)
{
    const std::int64_t now = this->LinkClock().nowMs();
    const std::int64_t active = this->ActiveMs();
    std::lock_guard lock(mutex_);
    SendFrameLocked(frame, urgent, now, active);
}

template <class Base>
void FramingLink<Base>::SendFrameLocked(const Frame& frame, bool urgent, std::int64_t now, std::int64_t active)
{
    if (!this->IsOpen() || frame.empty())
        return;
    keepAliveDue_ = active + kKeepAliveIntervalMs;
    if (busy_) {
        queue_.add(frame, urgent);
    } else {
        busy_ = true;
        responseStart_ = now;
        this->HandToWorker(frame);
    }
}

template <class Base>
void FramingLink<Base>::Send(std::span<const std::uint8_t> bytes)
{
    SendFrame(Frame(bytes.begin(), bytes.end()), false);
}

template <class Base>
void FramingLink<Base>::OnByte(std::uint8_t byte)
{
    assembler_.push(byte, frameSink_);
}

template <class Base>
std::size_t FramingLink<Base>::OnBytes(std::span<const std::uint8_t> bytes)
{
    return assembler_.pushUntilFrame(bytes, frameSink_);
}

template <class Base>
void FramingLink<Base>::FrameComplete(const Frame& frame)
{
    std::int64_t start = 0;
    {
        std::lock_guard lock(mutex_);
        start = responseStart_;
    }
    const std::int64_t elapsed = std::clamp<std::int64_t>(this->LinkClock().nowMs() - start, 0, 4294967295);
    WindowMessage message;
    message.id = FrameMessageId();
    message.wParam = frame.size();
    message.lParam = static_cast<std::intptr_t>(elapsed);
    message.data = frame;
    // The owner's handling may take long (a dialog it runs); as a worker
    // blocked in the hand-over would, the link neither times out nor polls
    // meanwhile.
    this->PauseTimeouts();
    const std::optional<std::intptr_t> result = this->SendToOwner(std::move(message));
    this->ResumeTimeouts();
    if (result == kFrameNotAnAnswer)
        return; // the frame in flight still waits for its answer
    SendNextQueued();
}

template <class Base>
void FramingLink<Base>::SendNextQueued()
{
    const std::int64_t now = this->LinkClock().nowMs();
    std::lock_guard lock(mutex_);
    std::optional<Frame> next = queue_.takeNext();
    if (!next) {
        busy_ = false;
        return;
    }
    responseStart_ = now;
    this->HandToWorker(*next);
}

template <class Base>
void FramingLink<Base>::KeepAliveTimer()
{
    const std::int64_t now = this->LinkClock().nowMs();
    const std::int64_t active = this->ActiveMs();
    std::lock_guard lock(mutex_);
    if (busy_ || !queue_.empty() || keepAliveSuppressed_)
        return;
    this->SetTimeout(options_.keepAliveTimeoutMs);
    const LCmd poll(static_cast<std::uint8_t>(deviceId_), kStatusPoll);
    SendFrameLocked(EncodeFrame(poll, 1), false, now, active);
}

template <class Base>
void FramingLink<Base>::SetKeepAliveSuppressed(bool suppressed)
{
    std::lock_guard lock(mutex_);
    keepAliveSuppressed_ = suppressed;
}

template <class Base>
void FramingLink<Base>::SetDeviceId(int deviceId)
{
    std::lock_guard lock(mutex_);
    deviceId_ = deviceId;
}

template <class Base>
bool FramingLink<Base>::IsBusy() const
{
    std::lock_guard lock(mutex_);
    return busy_;
}

template <class Base>
void FramingLink<Base>::OnOpening()
{
    const std::int64_t active = this->ActiveMs();
    std::lock_guard lock(mutex_);
    keepAliveDue_ = active + kKeepAliveIntervalMs;
}

template <class Base>
std::int64_t FramingLink<Base>::TimerDue() const
{
    std::lock_guard lock(mutex_);
    return keepAliveDue_;
}

template <class Base>
void FramingLink<Base>::TimerTick()
{
    {
        const std::int64_t active = this->ActiveMs();
        std::lock_guard lock(mutex_);
        if (keepAliveDue_ == LinkWorker::kNever)
            return;
        keepAliveDue_ = active + kKeepAliveIntervalMs;
    }
    KeepAliveTimer();
}

template class FramingLink<LNet>;
template class FramingLink<LUsb>;
template class FramingLink<LComm>;

} // namespace qx
