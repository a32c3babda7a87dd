#pragma once
// Frames as the wire carries them, written out here rather than by the frame
// codec under test: 10 02, source, destination, length (code and payload),
// code, payload, 10 03, and the exclusive OR of every byte before it. The
// editor is address 0x00; a processor is its device id.

#include <cstdint>
#include <vector>

namespace qx::test {

using Frame = std::vector<std::uint8_t>;

inline Frame buildFrame(std::uint8_t source, std::uint8_t destination, std::uint8_t code,
                        const std::vector<std::uint8_t>& payload)
{
    Frame f;
    f.reserve(payload.size() + 9);
    for (const std::uint8_t b : {std::uint8_t{0x10}, std::uint8_t{0x02}, source, destination,
                                 static_cast<std::uint8_t>(payload.size() + 1), code})
        f.push_back(b);
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(0x10);
    f.push_back(0x03);
    std::uint8_t sum = 0;
    for (std::uint8_t b : f)
        sum ^= b;
    f.push_back(sum);
    return f;
}

/// A command from the editor to processor `device`.
inline Frame commandFrame(std::uint8_t device, std::uint8_t code, const std::vector<std::uint8_t>& payload = {})
{
    return buildFrame(0x00, device, code, payload);
}

/// A reply from processor `device` to the editor.
inline Frame replyFrame(std::uint8_t device, std::uint8_t code, const std::vector<std::uint8_t>& payload = {})
{
    return buildFrame(device, 0x00, code, payload);
}

} // namespace qx::test
