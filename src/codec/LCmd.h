#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Frame layout shared by commands and replies:
//   10 02 a b L code payload(L-1) 10 03 checksum
// A command carries the device id in byte 3 (byte 2 is 0); a reply carries it in byte 2.
namespace qx::frame {
inline constexpr std::uint8_t kDle = 0x10;
inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kEtx = 0x03;
inline constexpr std::size_t kReplyIdOffset = 2;
inline constexpr std::size_t kCommandIdOffset = 3;
inline constexpr std::size_t kLengthOffset = 4;
inline constexpr std::size_t kCodeOffset = 5;
inline constexpr std::size_t kPayloadOffset = 6;
// Frame bytes not counted by the length byte.
inline constexpr std::size_t kOverhead = 8;
inline constexpr std::size_t kMinSize = kOverhead + 1;
// The length byte counts the code too.
inline constexpr std::size_t kMaxPayload = 254;

// Exclusive OR of the bytes.
std::uint8_t Checksum(std::span<const std::uint8_t> bytes);

// A frame with the given id bytes at offsets 2 and 3; the command encoder and the
// simulator's replies both use it.
std::vector<std::uint8_t> Build(std::uint8_t byte2, std::uint8_t byte3, std::uint8_t code,
                                std::span<const std::uint8_t> payload);

// True when the frame starts with 10 02 and its third- and second-last bytes are 10 03.
bool HasMarkers(std::span<const std::uint8_t> frame);
} // namespace qx::frame

// A command to the processor or a reply from it: device id, code and payload bytes.
class LCmd
{
public:
    LCmd() = default;
    LCmd(std::uint8_t deviceId, std::uint8_t code);
    // Parses received bytes. Mode 1 reads a reply frame; any other mode takes the
    // whole input as the payload. In mode 1 an input shorter than a frame, a length
    // byte 0 or a length byte that disagrees with the input's size gives an empty
    // message: id 0, code 0, no payload.
    LCmd(std::span<const std::uint8_t> frame, int mode);
    virtual ~LCmd() = default;

    LCmd(const LCmd&) = default;
    LCmd& operator=(const LCmd&) = default;
    LCmd(LCmd&&) = default;
    LCmd& operator=(LCmd&&) = default;

    std::uint8_t DeviceId() const { return deviceId_; }
    std::uint8_t Code() const { return code_; }
    std::vector<std::uint8_t>& Payload() { return payload_; }
    const std::vector<std::uint8_t>& Payload() const { return payload_; }

protected:
    void AppendByte(std::uint8_t value) { payload_.push_back(value); }
    // Low byte first.
    void AppendWord(std::uint16_t value);
    void AppendBytes(std::span<const std::uint8_t> bytes);
    // Exactly `width` bytes: the text cut to that width or padded with zero bytes.
    void AppendText(std::string_view text, std::size_t width);
    // IEEE 754 single precision, most significant byte first.
    void AppendFloat(float value);

private:
    void ParseFrame(std::span<const std::uint8_t> frame);

    std::uint8_t deviceId_ = 0;
    std::uint8_t code_ = 0;
    std::vector<std::uint8_t> payload_;
};

// Mode 1: the command frame, or an empty sequence when the payload is too long for
// the length byte. Mode 0: the payload alone. Any other mode: an empty sequence.
std::vector<std::uint8_t> EncodeFrame(const LCmd& command, int mode);
