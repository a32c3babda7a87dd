#include "FrameLog.h"

#include "Responder.h"

#include <cstdio>
#include <deque>
#include <istream>
#include <ostream>

namespace qx::sim {
FrameLog::FrameLog(std::ostream& out) : out_(out), start_(std::chrono::steady_clock::now()) {}

void FrameLog::Received(std::span<const std::uint8_t> frame)
{
    Line("Recv:", HexBytes(frame));
}

void FrameLog::Sent(std::span<const std::uint8_t> frame)
{
    Line("Sent:", HexBytes(frame));
}

void FrameLog::Error(std::string_view text)
{
    Line("Error:", text);
}

void FrameLog::Line(std::string_view tag, std::string_view text)
{
    const auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%10.3f", elapsed);
    const std::lock_guard lock(mutex_);
    out_ << stamp << ' ' << tag << ' ' << text << '\n';
    out_.flush();
}

std::string HexBytes(std::span<const std::uint8_t> bytes)
{
    std::string text;
    char hex[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        if (!text.empty())
            text += ' ';
        text += hex;
    }
    return text;
}

namespace {
int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t' || text[i] == '\r') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || HexDigit(text[i]) < 0 || HexDigit(text[i + 1]) < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1])));
        i += 2;
    }
    return bytes;
}
} // namespace

std::optional<TraceEntry> ParseTraceLine(std::string_view line)
{
    for (const auto& [tag, direction] :
         {std::pair{std::string_view("Recv:"), TraceEntry::Direction::Received},
          std::pair{std::string_view("Sent:"), TraceEntry::Direction::Sent}}) {
        const auto at = line.find(tag);
        if (at == std::string_view::npos)
            continue;
        auto bytes = ParseHex(line.substr(at + tag.size()));
        if (!bytes)
            return std::nullopt;
        return TraceEntry{direction, std::move(*bytes)};
    }
    return std::nullopt;
}

std::vector<std::string> ReplayTrace(std::istream& trace, Responder& responder)
{
    std::vector<std::string> differences;
    std::deque<std::vector<std::uint8_t>> pending; // sent by the responder, not yet matched
    int lineNumber = 0;
    for (std::string line; std::getline(trace, line);) {
        ++lineNumber;
        const auto entry = ParseTraceLine(line);
        if (!entry)
            continue;
        if (entry->direction == TraceEntry::Direction::Received) {
            for (const auto& write : responder.OnFrame(entry->bytes).writes)
                pending.push_back(write);
            continue;
        }
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (pending.empty()) {
            differences.push_back(where + "nothing sent, trace has " + HexBytes(entry->bytes));
            continue;
        }
        if (pending.front() != entry->bytes)
            differences.push_back(where + "sent " + HexBytes(pending.front()) + ", trace has " +
                                  HexBytes(entry->bytes));
        pending.pop_front();
    }
    for (const auto& extra : pending)
        differences.push_back("sent beyond the trace: " + HexBytes(extra));
    return differences;
}
} // namespace qx::sim
