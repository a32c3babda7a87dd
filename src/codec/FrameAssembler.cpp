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
void FrameAssembler::pushChecked(std::uint8_t byte, const Sink& complete)
{
    Frame retry;
    feed(byte, retry, complete);
    if (retry.empty())
        return;
    // False start: look again at everything after its first byte, and so on
    // for every false start found among those bytes.
    std::deque<std::uint8_t> pending(retry.begin() + 1, retry.end());
    while (!pending.empty()) {
        const std::uint8_t next = pending.front();
        pending.pop_front();
        retry.clear();
        feed(next, retry, complete);
        if (!retry.empty())
            pending.insert(pending.begin(), retry.begin() + 1, retry.end());
    }
}

void FrameAssembler::push(std::span<const std::uint8_t> bytes, const Sink& complete)
{
    while (!bytes.empty()) {
        const std::size_t run = std::min(plainRoom(), bytes.size());
        if (run > 0) {
            buffer_.insert(buffer_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(run));
            bytes = bytes.subspan(run);
            continue;
        }
        pushChecked(bytes.front(), complete);
        bytes = bytes.subspan(1);
    }
}

// Scans one byte; hands a completed frame to `complete`, or a dropped
// candidate back in `retry`.
void FrameAssembler::feed(std::uint8_t byte, Frame& retry, const Sink& complete)
{
    using namespace frame;
    scan(byte, retry);
    if (!retry.empty() || buffer_.size() <= kLengthOffset || buffer_.size() != buffer_[kLengthOffset] + kOverhead)
        return;
    const Frame done = std::move(buffer_);
    buffer_.clear();
    complete(done);
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
