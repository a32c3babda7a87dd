#include "FrameLog.h"
#include "Responder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qx::sim::test {
namespace {
TEST(FrameTrace, RecordedHandshakeReplaysIdentically)
{
    std::ifstream trace(std::string(QX_TEST_DATA_DIR) + "/handshake.trace");
    ASSERT_TRUE(trace) << "fixture missing";
    DeviceCore core;
    Responder responder(core);
    const auto differences = ReplayTrace(trace, responder);
    EXPECT_TRUE(differences.empty()) << differences.front();
    EXPECT_TRUE(core.IsPresetUsed(2)) << "the trace stored preset 2";
}

TEST(FrameTrace, ReplayReportsEveryDifference)
{
    std::istringstream trace("Recv: 10 02 00 01 01 12 10 03 13\n"
                             "Sent: 10 02 01 00 01 01 10 03 01\n"
                             "Sent: 10 02 01 00 01 01 10 03 00\n"
                             "Recv: 10 02 00 01 01 13 10 03 12\n");
    DeviceCore core;
    Responder responder(core);
    const auto differences = ReplayTrace(trace, responder);
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(differences[0],
              "line 2: sent 10 02 01 00 01 01 10 03 00, trace has 10 02 01 00 01 01 10 03 01");
    EXPECT_EQ(differences[1], "line 3: nothing sent, trace has 10 02 01 00 01 01 10 03 00");
    EXPECT_EQ(differences[2].rfind("sent beyond the trace: 10 02 01 00 0C 13", 0), 0u);
}

TEST(FrameTrace, LinesParseWithOrWithoutTimestamps)
{
    struct Case
    {
        const char* line;
        bool parses;
        TraceEntry::Direction direction;
        std::size_t bytes;
    };
    const Case cases[] = {
        {"     0.642 Recv: 10 02 00 01 01 10 10 03 11", true, TraceEntry::Direction::Received, 9},
        {"Sent: 10 02 01 00 01 01 10 03 00\r", true, TraceEntry::Direction::Sent, 9},
        {"Sent:", true, TraceEntry::Direction::Sent, 0},
        {"     0.700 Error: bad checksum in command 0x12", false, {}, 0},
        {"Recv: 10 0", false, {}, 0},
        {"Recv: 10 0G", false, {}, 0},
        {"# comment", false, {}, 0},
    };
    for (const auto& c : cases) {
        const auto entry = ParseTraceLine(c.line);
        ASSERT_EQ(entry.has_value(), c.parses) << c.line;
        if (!entry)
            continue;
        EXPECT_EQ(entry->direction, c.direction) << c.line;
        EXPECT_EQ(entry->bytes.size(), c.bytes) << c.line;
    }
}

TEST(FrameTrace, LogWritesTaggedHexLines)
{
    std::ostringstream out;
    FrameLog log(out);
    const std::uint8_t frame[] = {0x10, 0x02, 0x0A};
    log.Received(frame);
    log.Sent(frame);
    log.Error("short payload");
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_NE(line.find(" Recv: 10 02 0A"), std::string::npos) << line;
    std::getline(lines, line);
    EXPECT_NE(line.find(" Sent: 10 02 0A"), std::string::npos) << line;
    std::getline(lines, line);
    EXPECT_NE(line.find(" Error: short payload"), std::string::npos) << line;
}
} // namespace
} // namespace qx::sim::test
