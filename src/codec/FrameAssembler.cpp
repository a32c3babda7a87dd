#include "codec/FrameAssembler.h"

#include "codec/LCmd.h"

#include <deque>

namespace qx {

void FrameAssembler::push(std::uint8_t byte, const Sink& complete)
{
    using namespace frame;
    std::deque<std::uint8_t> pending{byte};
    while (!pending.empty()) {
        const std::uint8_t next = pending.front();
        pending.pop_front();
        Frame retry;
        scan(next, retry);
        if (!retry.empty()) {
            // False start: look again at everything after its first byte.
            pending.insert(pending.begin(), retry.begin() + 1, retry.end());
            continue;
        }
        if (buffer_.size() > kLengthOffset && buffer_.size() == buffer_[kLengthOffset] + kOverhead) {
            const Frame done = std::move(buffer_);
            buffer_.clear();
            complete(done);
        }
    }
}

// Adds the byte to the candidate; on a false start hands the dropped
// candidate back in `retry`.
void FrameAssembler::scan(std::uint8_t byte, Frame& retry)
{
    using namespace frame;
    if (buffer_.empty()) {
        if (byte == kDle)
            buffer_.push_back(byte);
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
