#pragma once

#include "link/FrameWriter.h"
#include "link/LinkWorker.h"

#include <deque>

namespace qx {

/// A link whose device belongs to the owner: the owner writes for it
/// through a FrameWriter and delivers the bytes it reads with Deliver.
class DeliveredLink : public LinkWorker
{
public:
    /// Bytes staged and not yet taken by the worker, at most.
    static constexpr std::size_t kReceiveCap = 64 * 1024;

    ~DeliveredLink() override;

    /// Creates the events and starts the worker; false when already open.
    virtual bool Open();

    /// Appends received bytes for the worker and wakes it, open or not. A
    /// zero count only wakes it. Returns false, keeping none of them, when
    /// they would push the staged bytes past kReceiveCap.
    virtual bool Deliver(const std::uint8_t* bytes, std::size_t count);

protected:
    DeliveredLink(MessageTarget& owner, FrameWriter& writer, Clock& clock, int extraPeriods);

    bool TakeInput() override;
    bool WriteFrame(std::span<const std::uint8_t> frame) override;

private:
    FrameWriter& writer_;
    std::mutex receivedMutex_;
    std::deque<std::uint8_t> received_;
};

} // namespace qx
