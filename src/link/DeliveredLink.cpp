#include "link/DeliveredLink.h"

namespace qx {

DeliveredLink::DeliveredLink(MessageTarget& owner, FrameWriter& writer, Clock& clock, int extraPeriods)
    : LinkWorker(owner, clock, extraPeriods), writer_(writer)
{
}

DeliveredLink::~DeliveredLink()
{
    Shutdown();
}

bool DeliveredLink::Open()
{
    return StartWorker();
}

bool DeliveredLink::Deliver(const std::uint8_t* bytes, std::size_t count)
{
    {
        std::lock_guard lock(receivedMutex_);
        if (count > kReceiveCap - received_.size())
            return false;
        if (count > 0)
            received_.insert(received_.end(), bytes, bytes + count);
    }
    SignalInput();
    return true;
}

bool DeliveredLink::TakeInput()
{
    std::deque<std::uint8_t> batch;
    {
        std::lock_guard lock(receivedMutex_);
        batch.swap(received_);
    }
    for (const std::uint8_t byte : batch) {
        if (StopRequested())
            break;
        OnByte(byte);
    }
    return true;
}

bool DeliveredLink::WriteFrame(std::span<const std::uint8_t> frame)
{
    return writer_.writeFrame(frame);
}

} // namespace qx
