#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qx::sim {
// Cuts a received byte stream into command frames by their start marker and
// length byte. Bytes before a start marker are dropped; a length byte of 0
// drops that start marker and the search resumes after it.
class CommandFrameSplitter
{
public:
    std::vector<std::vector<std::uint8_t>> Push(std::span<const std::uint8_t> bytes);
    std::size_t DroppedBytes() const { return dropped_; }

private:
    bool DropToStart();

    std::vector<std::uint8_t> buffer_;
    std::size_t dropped_ = 0;
};
} // namespace qx::sim
