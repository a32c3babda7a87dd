#include "CommandFrameSplitter.h"

#include "codec/LCmd.h"

#include <algorithm>

namespace qx::sim {
std::vector<std::vector<std::uint8_t>> CommandFrameSplitter::Push(std::span<const std::uint8_t> bytes)
{
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    std::vector<std::vector<std::uint8_t>> frames;
    while (DropToStart()) {
        if (buffer_.size() <= frame::kLengthOffset)
            break;
        const std::size_t length = buffer_[frame::kLengthOffset];
        if (length == 0) {
            buffer_.erase(buffer_.begin());
            ++dropped_;
            continue;
        }
        const std::size_t size = length + frame::kOverhead;
        if (buffer_.size() < size)
            break;
        frames.emplace_back(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(size));
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(size));
    }
    return frames;
}

// Drops bytes up to the next 10 02; true when the buffer starts with a marker
// (or with a 10 that may become one).
bool CommandFrameSplitter::DropToStart()
{
    std::size_t at = 0;
    while (at < buffer_.size()) {
        if (buffer_[at] == frame::kDle && (at + 1 == buffer_.size() || buffer_[at + 1] == frame::kStx))
            break;
        ++at;
    }
    dropped_ += at;
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(at));
    return buffer_.size() >= 2;
}
} // namespace qx::sim
