// The reply parser over arbitrary received bytes.

#include "FuzzInput.h"

#include "codec/LCmd.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qx::frame;
    const std::span<const std::uint8_t> frame(data, size);

    const LCmd raw(frame, 0);
    qxfuzz::check(std::equal(raw.Payload().begin(), raw.Payload().end(), frame.begin(), frame.end()),
                  "mode 0 keeps the input");

    const LCmd reply(frame, 1);
    const bool sizeAgrees = size >= kMinSize && frame[kLengthOffset] != 0 && frame[kLengthOffset] + kOverhead == size;
    if (!sizeAgrees) {
        qxfuzz::check(reply.DeviceId() == 0 && reply.Code() == 0 && reply.Payload().empty(),
                      "a frame of the wrong size gives an empty message");
        return 0;
    }
    qxfuzz::check(reply.Payload().size() + 1 == frame[kLengthOffset], "the payload is the length byte less the code");
    if (!HasMarkers(frame)) {
        qxfuzz::check(reply.DeviceId() == 0, "a frame without markers comes from no device");
        return 0;
    }
    qxfuzz::check(reply.DeviceId() == frame[kReplyIdOffset] && reply.Code() == frame[kCodeOffset],
                  "a marked frame gives its id and code");
    // The sender's own encoding gives back the same frame up to the checksum.
    const auto rebuilt = Build(frame[kReplyIdOffset], frame[kCommandIdOffset], reply.Code(), reply.Payload());
    qxfuzz::check(rebuilt.size() == size && std::equal(rebuilt.begin(), rebuilt.end() - 1, frame.begin()),
                  "a marked frame is rebuilt byte for byte");
    return 0;
}
