#pragma once

#include "link/FrameWriter.h"
#include "link/LinkWorker.h"

#include <vector>
#include <mutex>

namespace qx {

/// A link whose device belongs to the owner: the owner writes for it
/// through a FrameWriter and delivers the bytes it reads with Deliver.
///
/// Bytes delivered on the owner's thread to an open link are fed to the
/// byte handler right there, so a reply reaches its handler without two
/// thread hand-overs; bytes from any other thread go to the worker. The
/// owner must not delete the link while its Deliver runs (a reply handler
/// may close it; the deletion waits until Deliver has returned).
class DeliveredLink : public LinkWorker
{
public:
    /// Bytes staged and not yet taken by the worker, at most.
    static constexpr std::size_t kReceiveCap = 64 * 1024;

    ~DeliveredLink() override;

    /// Creates the events and starts the worker; false when already open.
    virtual bool Open();

    /// Stages received bytes, open or not, and has them fed to the byte
    /// handler: at once on the owner's thread, else by the worker, which a
    /// zero count only wakes. Returns false, keeping none of them, when they
    /// would push the staged bytes past kReceiveCap.
    virtual bool Deliver(const std::uint8_t* bytes, std::size_t count);

protected:
    DeliveredLink(MessageTarget& owner, FrameWriter& writer, Clock& clock, int extraPeriods);

    bool TakeInput() override;
    bool WriteFrame(std::span<const std::uint8_t> frame) override;

private:
    void FeedOnOwnerThread();
    void FeedStaged();

    FrameWriter& writer_;
    std::mutex feedMutex_; // held while bytes go to the byte handler
    bool feeding_ = false;       // owner's thread only
    std::vector<std::uint8_t> batch_; // the bytes being fed, under feedMutex_
    std::mutex receivedMutex_;
    std::vector<std::uint8_t> received_;
};

} // namespace qx
