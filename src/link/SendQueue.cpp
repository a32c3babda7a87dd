#include "link/SendQueue.h"

#include "codec/LCmd.h"

#include <algorithm>

namespace qx {
namespace {

constexpr std::size_t kWholePayload = static_cast<std::size_t>(-1);

// Payload bytes that say what a command changes, as opposed to its value.
std::size_t addressingBytes(std::uint8_t code)
{
    switch (code) {
    case 0x12: // status poll
    case 0x15: // delay unit
    case 0x22: // preset-used flags request
    case 0x39: // test signal
    case 0x40: // meter poll
        return 0;
    case 0x30: case 0x31: case 0x32: case 0x34: case 0x35: case 0x36: case 0x38: case 0x3A: case 0x3C: case 0x3F:
        return 1; // channel
    case 0x33:    // channel, band
    case 0x41:    // output, input
        return 2;
    default:
        return kWholePayload;
    }
}

} // namespace

bool sameTarget(const Frame& a, const Frame& b)
{
    using namespace frame;
    if (a.size() <= kCodeOffset || b.size() <= kCodeOffset)
        return false;
    if (a[kCommandIdOffset] != b[kCommandIdOffset] || a[kCodeOffset] != b[kCodeOffset])
        return false;
    const std::size_t wanted = addressingBytes(a[kCodeOffset]);
    if (wanted == kWholePayload)
        return a == b;
    // The length byte counts the code too.
    if (a[kLengthOffset] < wanted + 1 || b[kLengthOffset] < wanted + 1)
        return false;
    const std::size_t end = kPayloadOffset + wanted;
    if (a.size() < end || b.size() < end)
        return false;
    return std::equal(a.begin() + kPayloadOffset, a.begin() + static_cast<std::ptrdiff_t>(end),
                      b.begin() + kPayloadOffset);
}

void SendQueue::add(Frame frame, bool urgent)
{
    if (!urgent && tailReplaceable_ && sameTarget(frames_.back(), frame)) {
        frames_.back() = std::move(frame);
        return;
    }
    frames_.push_back(std::move(frame));
    tailReplaceable_ = !urgent;
}

std::optional<Frame> SendQueue::takeNext()
{
    if (frames_.empty())
        return std::nullopt;
    Frame head = std::move(frames_.front());
    frames_.pop_front();
    if (frames_.empty())
        tailReplaceable_ = false;
    return head;
}

void SendQueue::clear()
{
    frames_.clear();
    tailReplaceable_ = false;
}

} // namespace qx
