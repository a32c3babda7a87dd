#pragma once
// The protocol floor of an exchange sequence: a bare blocking client on
// loopback that sends each request and waits for its reply frame, nothing
// else.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qx::bench {

struct FloorRun
{
    double seconds = 0;
    std::size_t replyBytes = 0;
    bool complete = false;
};

// Connects to 127.0.0.1:port, then sends each frame and reads one reply
// frame (its length byte at offset 4 counts the bytes past the first 8).
// The time runs from the connect to the last reply.
FloorRun runProtocolFloor(std::uint16_t port, const std::vector<std::vector<std::uint8_t>>& requests);

} // namespace qx::bench
