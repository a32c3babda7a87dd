#include "link/DeliveredLink.h"

#include <chrono>
#include <span>
#include <thread>

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
    if (IsOpen() && OnOwnerThread())
        FeedOnOwnerThread();
    else
        SignalInput();
    return true;
}

// A delivery made while a frame is being handled here (from a modal loop of
// the handler) only stages its bytes: the running feed takes them once the
// handler has returned, so frames are handled one at a time and in order.
void DeliveredLink::FeedOnOwnerThread()
{
    if (feeding_)
        return;
    feeding_ = true;
    struct Reset
    {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{feeding_};
    std::lock_guard feeding(feedMutex_);
    FeedStaged();
}

bool DeliveredLink::TakeInput()
{
    // Taken only while the owner's thread is not feeding; polled, so that a
    // close from a reply handler there never waits on this worker for long.
    std::unique_lock feeding(feedMutex_, std::defer_lock);
    while (!feeding.try_lock()) {
        if (StopRequested())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    FeedStaged();
    return true;
}

// Feeds the staged bytes, and whatever is staged meanwhile, until none are
// left or the link is closing.
void DeliveredLink::FeedStaged()
{
    for (;;) {
        batch_.clear(); // keeps its room: the staged bytes and the batch trade buffers
        {
            std::lock_guard lock(receivedMutex_);
            batch_.swap(received_);
        }
        if (batch_.empty())
            return;
        // Stopping is looked at before each piece: only a byte that ends a
        // piece (one completing a frame) runs a handler that may close.
        for (std::span<const std::uint8_t> rest(batch_); !rest.empty();) {
            if (StopRequested())
                return;
            rest = rest.subspan(OnBytes(rest));
        }
    }
}

bool DeliveredLink::WriteFrame(std::span<const std::uint8_t> frame)
{
    return writer_.writeFrame(frame);
}

} // namespace qx
