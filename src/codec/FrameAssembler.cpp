#include "codec/FrameAssembler.h"

#include "codec/LCmd.h"

#include <algorithm>
#include <deque>

namespace qx {
namespace {
// A length byte of 255 and the bytes it does not count.
constexpr std::size_t kLargestFrame = 255 + frame::kOverhead;
} // namespace

// Most bytes extend the candidate or are skipped before one starts; only a
// false start hands bytes back to be scanned again, so only that road
// allocates.
bool FrameAssembler::pushChecked(std::uint8_t byte, const Sink& complete)
{
    Frame retry;
    bool completed = feed(byte, retry, complete);
    if (retry.empty())
        return completed;
    // False start: look again at everything after its first byte, and so on
    // for every false start found among those bytes.
    std::deque<std::uint8_t> pending(retry.begin() + 1, retry.end());
    while (!pending.empty()) {
        const std::uint8_t next = pending.front();
        pending.pop_front();
        retry.clear();
        completed = feed(next, retry, complete) || completed;
        if (!retry.empty())
            pending.insert(pending.begin(), retry.begin() + 1, retry.end());
    }
    return completed;
}

void FrameAssembler::push(std::span<const std::uint8_t> bytes, const Sink& complete)
{
    while (!bytes.empty())
        bytes = bytes.subspan(pushUntilFrame(bytes, complete));
}

// Payload bytes go into the candidate in runs; the bytes around them one by one.
std::size_t FrameAssembler::pushUntilFrame(std::span<const std::uint8_t> bytes, const Sink& complete)
{
    std::size_t taken = 0;
    while (taken < bytes.size()) {
        const std::size_t run = std::min(plainRoom(), bytes.size() - taken);
        if (run > 0) {
            const auto from = bytes.begin() + static_cast<std::ptrdiff_t>(taken);
            buffer_.insert(buffer_.end(), from, from + static_cast<std::ptrdiff_t>(run));
            taken += run;
            continue;
        }
        if (pushChecked(bytes[taken++], complete))
            break;
    }
    return taken;
}

// Scans one byte; hands a completed frame to `complete` (true), or a
// dropped candidate back in `retry`.
bool FrameAssembler::feed(std::uint8_t byte, Frame& retry, const Sink& complete)
{
    using namespace frame;
    scan(byte, retry);
    if (!retry.empty() || buffer_.size() <= kLengthOffset || buffer_.size() != buffer_[kLengthOffset] + kOverhead)
        return false;
    // The candidate goes to `complete` where it stands and is emptied after,
    // keeping its room for the next frame.
    struct Empty
    {
        Frame& frame;
        ~Empty() { frame.clear(); }
    } empty{buffer_};
    complete(buffer_);
    return true;
}

// Adds the byte to the candidate; on a false start hands the dropped
// candidate back in `retry`.
void FrameAssembler::scan(std::uint8_t byte, Frame& retry)
{
    using namespace frame;
    if (buffer_.empty()) {
        if (byte == kDle) {
            buffer_.reserve(kLargestFrame);
            buffer_.push_back(byte);
        }
        return;
    }
    buffer_.push_back(byte);
    const std::size_t size = buffer_.size();
    bool falseStart = false;
    if (size == 2)
        falseStart = byte != kStx;
    else if (size == kLengthOffset + 1)
        falseStart = byte == 0;
    else if (size > kLengthOffset + 1) {
        const std::size_t total = buffer_[kLengthOffset] + kOverhead;
        if (size == total - 2)
            falseStart = byte != kDle;
        else if (size == total - 1)
            falseStart = byte != kEtx;
    }
    if (falseStart) {
        retry = std::move(buffer_);
        buffer_.clear();
    }
}

} // namespace qx
