#include "model/FirReadback.h"

#include <algorithm>

namespace qx {
namespace {
bool isEndMarker(std::span<const std::uint8_t> word)
{
    return std::all_of(word.begin(), word.end(), [](std::uint8_t b) { return b == 0xFF; });
}
} // namespace

void FirReadback::Reset()
{
    nextBlock_ = 0;
    resumeOffset_ = 0;
    complete_ = false;
}

void FirReadback::jumpTo(int channel)
{
    if (channel >= kChannelCount) {
        complete_ = true;
        return;
    }
    const FirBlockPosition start = firChannelStart(channel);
    nextBlock_ = start.block;
    resumeOffset_ = start.offset;
}

bool FirReadback::Accept(int block, std::span<const std::uint8_t> data, FirBuffers& buffers)
{
    if (complete_ || block != nextBlock_ || data.size() < firBlockEndInImage(block) - firBlockBegin(block)) {
        return false;
    }
    const auto words = data.first(std::min(data.size(), kFirBlockSize));
    for (std::size_t p = static_cast<std::size_t>(resumeOffset_); p + kFirSlotSize <= words.size();
         p += kFirSlotSize) {
        const std::size_t memory = firBlockBegin(block) + p;
        if (memory >= kFirImageSize) {
            break;
        }
        const int channel = static_cast<int>(memory / kFirAreaSize);
        const std::size_t slot = (memory % kFirAreaSize) / kFirSlotSize;
        FirChannelBuffer& buffer = buffers[static_cast<std::size_t>(channel)];
        if (isEndMarker(words.subspan(p, kFirSlotSize))) {
            if (slot == 0) {
                buffer = unitImpulse();
            } else {
                std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(slot), buffer.end(), 0.0F);
            }
            jumpTo(channel + 1);
            return true;
        }
        buffer[slot] = getFloatLe(words, p);
    }
    resumeOffset_ = 0;
    if (block >= kFirBlockCount - 1) {
        complete_ = true;
    } else {
        nextBlock_ = block + 1;
    }
    return true;
}

} // namespace qx
