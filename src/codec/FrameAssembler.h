#pragma once

#include "codec/Frame.h"
#include "codec/LCmd.h"

#include <cstdint>
#include <functional>
#include <span>

namespace qx {

/// Cuts a received byte stream into reply frames. A candidate starts at
/// 10 02; its length byte gives where the 10 03 trailer must stand. A length
/// byte of 0 or a missing trailer marks a false start: the candidate is
/// dropped and the scan restarts at the byte after its first 0x10, so a
/// real frame hidden inside it is still found. The buffer never holds more
/// than one maximal frame. Checksums are not checked.
class FrameAssembler
{
public:
    /// Gets each completed frame; it must not feed the assembler that calls it.
    using Sink = std::function<void(const Frame&)>;

    /// Feeds one byte; `complete` runs for every frame this byte completes.
    void push(std::uint8_t byte, const Sink& complete)
    {
        if (plainRoom() > 0)
            buffer_.push_back(byte);
        else
            pushChecked(byte, complete);
    }
    /// Feeds the bytes in order, as many single pushes.
    void push(std::span<const std::uint8_t> bytes, const Sink& complete);
    /// Feeds the bytes in order up to and including the first byte that
    /// completes a frame (or all of them); returns how many it took. A caller
    /// that must stop after a frame's handling feeds the rest only then.
    std::size_t pushUntilFrame(std::span<const std::uint8_t> bytes, const Sink& complete);
    void clear() { buffer_.clear(); }
    std::size_t buffered() const { return buffer_.size(); }

private:
    // How many bytes the candidate takes next without a check: payload bytes
    // before the trailer, once the length byte has come.
    std::size_t plainRoom() const
    {
        const std::size_t size = buffer_.size();
        if (size <= frame::kLengthOffset)
            return 0;
        // The place of the trailer's first byte.
        const std::size_t last = buffer_[frame::kLengthOffset] + frame::kOverhead - 2;
        return size + 1 < last ? last - 1 - size : 0;
    }
    // Both: true when the byte completed at least one frame.
    bool pushChecked(std::uint8_t byte, const Sink& complete);
    bool feed(std::uint8_t byte, Frame& retry, const Sink& complete);
    void scan(std::uint8_t byte, Frame& retry);

    Frame buffer_;
};

} // namespace qx
