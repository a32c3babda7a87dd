// The frame assembler over an arbitrary received byte stream: every frame it
// completes is a well-formed frame that stands in the stream after the
// previous one and no later than the byte that completes it (a frame found
// inside a false start completes when the false start is seen), and the
// buffer never outgrows one maximal frame.

#include "FuzzInput.h"

#include "codec/FrameAssembler.h"
#include "codec/LCmd.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qx::frame;
    constexpr std::size_t kMaxFrame = 255 + kOverhead;
    qx::FrameAssembler assembler;
    std::size_t at = 0;
    std::size_t previousEnd = 0;
    const auto complete = [&](const qx::Frame& frame) {
        qxfuzz::check(HasMarkers(frame), "a completed frame has its markers");
        qxfuzz::check(frame[kLengthOffset] != 0 && frame[kLengthOffset] + kOverhead == frame.size(),
                      "a completed frame has the size its length byte gives");
        const std::uint8_t* const found = std::search(data + previousEnd, data + at + 1, frame.begin(), frame.end());
        qxfuzz::check(found != data + at + 1, "a completed frame stands in the stream after the previous one");
        const LCmd reply(frame, 1);
        qxfuzz::check(reply.Payload().size() + 1 == frame[kLengthOffset], "a completed frame parses");
        previousEnd = static_cast<std::size_t>(found - data) + frame.size();
    };
    for (; at < size; ++at) {
        assembler.push(data[at], complete);
        qxfuzz::check(assembler.buffered() < kMaxFrame, "the buffer holds less than one maximal frame");
    }
    return 0;
}
