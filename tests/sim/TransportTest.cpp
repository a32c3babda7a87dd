// Scripted exchanges over the simulator's TCP and pseudo-terminal transports.

#include "DeviceCore.h"
#include "FrameLog.h"
#include "Responder.h"
#include "SimServer.h"
#include "StreamClient.h"
#include "codec/CmMcs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

namespace qx::sim::test {
namespace {
struct Step
{
    LCmd command;
    std::uint8_t replyCode;
};

const Step kScript[] = {
    {CM_MCS_CMD(1, 0x10), 16},    {CM_MCS_CMD(1, 0x13), 19}, {CM_MCS_CMD(1, 0x2C), 44},
    {CM_MCS_CMD(1, 0x27, 0), 36}, {LCmd(1, 0x12), 1},
};

class TransportTest : public ::testing::Test
{
protected:
    void Start()
    {
        thread_ = std::thread([this] { server_.Run(); });
    }
    void TearDown() override
    {
        server_.Stop();
        if (thread_.joinable())
            thread_.join();
    }

    // Runs the script on fd and checks every reply.
    void RunScript(int fd)
    {
        for (const auto& step : kScript) {
            Write(fd, step.command);
            const auto read = ReadFrames(fd, 1);
            ASSERT_EQ(read.frames.size(), 1u) << "command " << int(step.command.Code());
            const LCmd reply(read.frames[0], 1);
            EXPECT_EQ(reply.Code(), step.replyCode);
            EXPECT_EQ(reply.DeviceId(), 1);
        }
    }

    // The log after the server stopped: one Recv and one Sent line per step.
    std::vector<TraceEntry> StoppedLog()
    {
        TearDown();
        std::vector<TraceEntry> entries;
        std::istringstream in(logText_.str());
        for (std::string line; std::getline(in, line);)
            if (auto entry = ParseTraceLine(line))
                entries.push_back(std::move(*entry));
        return entries;
    }

    void ExpectScriptLogged()
    {
        const auto log = StoppedLog();
        ASSERT_EQ(log.size(), 2 * std::size(kScript));
        for (std::size_t i = 0; i < std::size(kScript); ++i) {
            EXPECT_EQ(log[2 * i].direction, TraceEntry::Direction::Received);
            EXPECT_EQ(log[2 * i].bytes, EncodeFrame(kScript[i].command, 1));
            EXPECT_EQ(log[2 * i + 1].direction, TraceEntry::Direction::Sent);
            EXPECT_EQ(LCmd(log[2 * i + 1].bytes, 1).Code(), kScript[i].replyCode);
        }
        EXPECT_EQ(HexBytes(log[1].bytes), "10 02 01 00 01 10 10 03 11") << "device information reply";
    }

    DeviceCore core_;
    std::ostringstream logText_;
    FrameLog log_{logText_};
    Responder responder_{core_, {}, &log_};
    SimServer server_{responder_};
    std::thread thread_;
};

TEST_F(TransportTest, TcpCarriesAScriptedExchangeAndLogsIt)
{
    const std::uint16_t port = server_.ListenTcp(0);
    ASSERT_NE(port, 0);
    Start();
    const Descriptor client(ConnectLoopback(port));
    ASSERT_GE(client.get(), 0);
    RunScript(client.get());
    ExpectScriptLogged();
}

TEST_F(TransportTest, TcpAnswersInSmallSegmentsReassemble)
{
    responder_.Faults().chunkSize = 5;
    responder_.Faults().garbageBytes = 2;
    const std::uint16_t port = server_.ListenTcp(0);
    Start();
    const Descriptor client(ConnectLoopback(port));
    RunScript(client.get());
}

// A delayed answer holds back the answers behind it, so they keep the order
// of the commands. Only the lower bound of the wait is checked.
TEST_F(TransportTest, LatencyDelaysTheAnswerAndKeepsTheOrder)
{
    constexpr int kLatencyMs = 120;
    responder_.Faults().latencyByCode[0x10] = kLatencyMs;
    const std::uint16_t port = server_.ListenTcp(0);
    Start();
    const Descriptor client(ConnectLoopback(port));
    const auto sent = std::chrono::steady_clock::now();
    Write(client.get(), CM_MCS_CMD(1, 0x10));
    Write(client.get(), LCmd(1, 0x12));
    const auto read = ReadFrames(client.get(), 2);
    const auto waited = std::chrono::steady_clock::now() - sent;
    ASSERT_EQ(read.frames.size(), 2u);
    EXPECT_EQ(LCmd(read.frames[0], 1).Code(), 16);
    EXPECT_EQ(LCmd(read.frames[1], 1).Code(), 1) << "the undelayed poll waits behind the delayed answer";
    EXPECT_GE(waited, std::chrono::milliseconds(kLatencyMs));
}

TEST_F(TransportTest, TcpConnectionDropsAtTheChosenFrame)
{
    responder_.Faults().closeAtFrame = 2;
    const std::uint16_t port = server_.ListenTcp(0);
    Start();
    const Descriptor client(ConnectLoopback(port));
    Write(client.get(), LCmd(1, 0x12));
    EXPECT_EQ(ReadFrames(client.get(), 1).frames.size(), 1u);
    Write(client.get(), CM_MCS_CMD(1, 0x27, 0));
    const auto read = ReadFrames(client.get(), 1);
    EXPECT_TRUE(read.frames.empty());
    EXPECT_TRUE(read.closed) << "the simulator hung up mid-transfer";

    const Descriptor again(ConnectLoopback(port));
    Write(again.get(), LCmd(1, 0x12));
    EXPECT_EQ(ReadFrames(again.get(), 1).frames.size(), 1u) << "a new connection is served";
}

TEST_F(TransportTest, PseudoTerminalCarriesAScriptedExchangeAndLogsIt)
{
    const std::string path = server_.OpenPty();
    ASSERT_EQ(path.rfind("/dev/pts/", 0), 0u) << path;
    Start();
    const Descriptor port(OpenTerminal(path));
    ASSERT_GE(port.get(), 0);
    RunScript(port.get());
    ExpectScriptLogged();
}

TEST_F(TransportTest, PseudoTerminalSurvivesRestartAndReopen)
{
    const std::string path = server_.OpenPty();
    Start();
    {
        const Descriptor port(OpenTerminal(path));
        Write(port.get(), CM_MCS_MCU_RESET(1));
        Write(port.get(), LCmd(1, 0x12));
        EXPECT_EQ(ReadFrames(port.get(), 1).frames.size(), 1u) << "a serial line stays up across a restart";
    }
    const Descriptor reopened(OpenTerminal(path));
    Write(reopened.get(), LCmd(1, 0x12));
    EXPECT_EQ(ReadFrames(reopened.get(), 1).frames.size(), 1u) << "the port can be opened again";
}
} // namespace
} // namespace qx::sim::test
