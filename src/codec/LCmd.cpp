#include "codec/LCmd.h"

#include <algorithm>
#include <bit>

namespace qx::frame {

std::uint8_t Checksum(std::span<const std::uint8_t> bytes)
{
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes)
        sum ^= b;
    return sum;
}

std::vector<std::uint8_t> Build(std::uint8_t byte2, std::uint8_t byte3, std::uint8_t code,
                                std::span<const std::uint8_t> payload)
{
    if (payload.size() > kMaxPayload)
        return {};
    std::vector<std::uint8_t> out;
    out.reserve(payload.size() + kMinSize);
    out.insert(out.end(), {kDle, kStx, byte2, byte3, static_cast<std::uint8_t>(payload.size() + 1), code});
    out.insert(out.end(), payload.begin(), payload.end());
    out.insert(out.end(), {kDle, kEtx});
    out.push_back(Checksum(out));
    return out;
}

bool HasMarkers(std::span<const std::uint8_t> frame)
{
    const std::size_t n = frame.size();
    return n >= kMinSize && frame[0] == kDle && frame[1] == kStx && frame[n - 3] == kDle &&
           frame[n - 2] == kEtx;
}

} // namespace qx::frame

LCmd::LCmd(std::uint8_t deviceId, std::uint8_t code) : deviceId_(deviceId), code_(code) {}

LCmd::LCmd(std::span<const std::uint8_t> frame, int mode)
{
    if (mode == 1)
        ParseFrame(frame);
    else
        payload_.assign(frame.begin(), frame.end());
}

void LCmd::ParseFrame(std::span<const std::uint8_t> frame)
{
    using namespace qx::frame;
    if (frame.size() < kMinSize)
        return;
    const std::size_t length = frame[kLengthOffset];
    if (length == 0 || length + kOverhead != frame.size())
        return;
    if (HasMarkers(frame)) {
        deviceId_ = frame[kReplyIdOffset];
        code_ = frame[kCodeOffset];
    } else {
        // Kept as a message from no device (id 0), so the reply handler drops it.
        code_ = frame[0];
    }
    const auto payload = frame.subspan(kPayloadOffset, length - 1);
    payload_.assign(payload.begin(), payload.end());
}

void LCmd::AppendWord(std::uint16_t value)
{
    payload_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    payload_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void LCmd::AppendBytes(std::span<const std::uint8_t> bytes)
{
    payload_.insert(payload_.end(), bytes.begin(), bytes.end());
}

void LCmd::AppendText(std::string_view text, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        payload_.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

void LCmd::AppendFloat(float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8)
        payload_.push_back(static_cast<std::uint8_t>(bits >> shift));
}

std::vector<std::uint8_t> EncodeFrame(const LCmd& command, int mode)
{
    switch (mode) {
    case 0:
        return command.Payload();
    case 1:
        return qx::frame::Build(0, command.DeviceId(), command.Code(), command.Payload());
    default:
        return {};
    }
}
