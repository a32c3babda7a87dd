#pragma once
// Reading the processor's coefficient memory back into FIR buffers, one
// 52-byte block per request. A channel whose first word is FF FF FF FF is a
// unit impulse; a later FF FF FF FF ends the channel's list and the rest of
// it reads as zeros. Either way the reading jumps to the next channel's start
// block (which may be the block just read, parsed again from the next
// channel's offset), so the rest of a channel is never requested.

#include <cstdint>
#include <span>

#include "model/FirImage.h"

namespace qx {

class FirReadback
{
public:
    // Back to block 0 of channel 0.
    void Reset();

    // The block to request next; meaningless once Complete().
    int NextBlock() const { return nextBlock_; }
    bool Complete() const { return complete_; }

    // Parses the data bytes of block `block` (at most 52 are read, whole
    // words only) into the buffers, each word a little-endian float. A block
    // other than NextBlock(), one with fewer bytes than it holds of the
    // memory, or any block after completion, is refused and changes nothing.
    bool Accept(int block, std::span<const std::uint8_t> data, FirBuffers& buffers);

private:
    void jumpTo(int channel);

    int nextBlock_ = 0;
    int resumeOffset_ = 0;
    bool complete_ = false;
};

} // namespace qx
