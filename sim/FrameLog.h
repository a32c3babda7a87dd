#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qx::sim {
// One line of a frame trace.
struct TraceEntry
{
    enum class Direction
    {
        Received,
        Sent
    };
    Direction direction;
    std::vector<std::uint8_t> bytes;
};

// Writes the frame trace: one line per frame received ("Recv:") and sent
// ("Sent:"), hex bytes, each behind the seconds since the log was opened;
// protocol errors of the sender as "Error:" lines.
class FrameLog
{
public:
    explicit FrameLog(std::ostream& out);

    void Received(std::span<const std::uint8_t> frame);
    void Sent(std::span<const std::uint8_t> frame);
    void Error(std::string_view text);

private:
    void Line(std::string_view tag, std::string_view text);

    std::ostream& out_;
    std::mutex mutex_;
    std::chrono::steady_clock::time_point start_;
};

class Responder;

std::string HexBytes(std::span<const std::uint8_t> bytes);
// Reads a "Recv:" or "Sent:" line, with or without its timestamp; nothing for any
// other line or for a line whose bytes are not hex pairs.
std::optional<TraceEntry> ParseTraceLine(std::string_view line);

// Plays the received frames of a trace into the responder and compares what
// it sends with the trace's sent frames; returns one text per difference.
std::vector<std::string> ReplayTrace(std::istream& trace, Responder& responder);
} // namespace qx::sim
