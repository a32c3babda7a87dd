// Each fault switch of the simulator does what it says.

#include "CommandFrameSplitter.h"
#include "SimClient.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qx::sim::test {
namespace {
const Bytes kPoll = EncodeFrame(LCmd(1, 0x12), 1);
const Bytes kAckFrame{0x10, 0x02, 0x01, 0x00, 0x01, 0x01, 0x10, 0x03, 0x00};

Exchange Send(SimClient& client, const LCmd& command)
{
    return client.Link().OnFrame(EncodeFrame(command, 1));
}

TEST(Faults, NoFaultsGiveOneWriteOfOneFrame)
{
    SimClient client;
    const Exchange e = Send(client, LCmd(1, 0x12));
    EXPECT_EQ(e.writes, (std::vector<Bytes>{kAckFrame})) << "reply 10 02 id 00 L code payload 10 03 checksum";
    EXPECT_EQ(e.delayMs, 0);
    EXPECT_FALSE(e.close);
}

TEST(Faults, LatencyGlobalAndPerCommand)
{
    SimClient client;
    client.Link().Faults().latencyMs = 1200;
    client.Link().Faults().latencyByCode[0x10] = 150;
    EXPECT_EQ(Send(client, LCmd(1, 0x12)).delayMs, 1200);
    EXPECT_EQ(Send(client, LCmd(1, 0x10)).delayMs, 150) << "a per-command latency overrides the global one";
}

TEST(Faults, SilenceByCommandAndByFrameNumber)
{
    SimClient client;
    client.Link().Faults().silent.codes.insert(0x40);
    client.Link().Faults().silentFrame = 3;
    EXPECT_TRUE(Send(client, CM_MCS_CMD(1, 0x40)).writes.empty()) << "silenced command";
    EXPECT_FALSE(Send(client, LCmd(1, 0x12)).writes.empty()) << "frame 2 answered";
    EXPECT_TRUE(Send(client, LCmd(1, 0x12)).writes.empty()) << "frame 3 silenced";
    EXPECT_FALSE(Send(client, LCmd(1, 0x12)).writes.empty()) << "frame 4 answered";
    EXPECT_EQ(client.Core().CurrentPreset(), 0) << "a silenced command still took effect";
}

TEST(Faults, DuplicateAndCoalescedAnswers)
{
    SimClient client;
    client.Link().Faults().duplicate.all = true;
    EXPECT_EQ(Send(client, LCmd(1, 0x12)).writes, (std::vector<Bytes>{kAckFrame, kAckFrame})) << "two writes";
    client.Link().Faults().coalesce = true;
    Bytes both = kAckFrame;
    both.insert(both.end(), kAckFrame.begin(), kAckFrame.end());
    EXPECT_EQ(Send(client, LCmd(1, 0x12)).writes, (std::vector<Bytes>{both}))
        << "several replies in one write";
}

TEST(Faults, ForeignDeviceId)
{
    SimClient client;
    client.Link().Faults().foreignId = 9;
    const auto reply = client.Ask(LCmd(1, 0x12));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->DeviceId(), 9);
}

TEST(Faults, ShortAndLongPayloads)
{
    SimClient client;
    client.Link().Faults().payloadDelta[0x40] = -30;
    client.Link().Faults().payloadDelta[0x14] = 3;
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x40))->Payload().size(), 4u) << "34 - 30 bytes";
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x14))->Payload().size(), 4u) << "1 + 3 bytes";
    client.Link().Faults().payloadDelta[0x12] = -5;
    EXPECT_TRUE(client.Ask(LCmd(1, 0x12))->Payload().empty()) << "cutting an empty payload leaves it empty";
}

TEST(Faults, ZeroLengthByte)
{
    SimClient client;
    client.Link().Faults().zeroLength.codes.insert(0x12);
    const Exchange e = Send(client, LCmd(1, 0x12));
    ASSERT_EQ(e.writes.size(), 1u);
    EXPECT_EQ(e.writes[0][4], 0);
    EXPECT_EQ(e.writes[0].size(), 9u);
    EXPECT_EQ(LCmd(e.writes[0], 1).Code(), 0) << "the reply parser refuses it";
}

TEST(Faults, SplitWritesAndGarbage)
{
    SimClient client;
    client.Link().Faults().chunkSize = 4;
    client.Link().Faults().garbageBytes = 3;
    const Exchange e = Send(client, LCmd(1, 0x12));
    Bytes joined;
    for (const auto& w : e.writes) {
        EXPECT_LE(w.size(), 4u);
        joined.insert(joined.end(), w.begin(), w.end());
    }
    EXPECT_EQ(e.writes.size(), 3u) << "12 bytes in pieces of 4";
    EXPECT_EQ(Bytes(joined.begin() + 3, joined.end()), kAckFrame) << "the frame follows the junk";
    EXPECT_EQ(std::count(joined.begin(), joined.begin() + 3, frame::kDle), 0) << "junk holds no start marker";
}

TEST(Faults, JunkOfChosenBytesMayHoldFrameMarkers)
{
    SimClient client;
    client.Link().Faults().garbageBytes = 5;
    client.Link().Faults().junk = {frame::kDle, 0xFF, frame::kStx};
    const Exchange e = Send(client, LCmd(1, 0x12));
    ASSERT_EQ(e.writes.size(), 1u);
    const Bytes junk{frame::kDle, 0xFF, frame::kStx, frame::kDle, 0xFF};
    EXPECT_EQ(Bytes(e.writes[0].begin(), e.writes[0].begin() + 5), junk) << "the pattern repeats";
    EXPECT_EQ(Bytes(e.writes[0].begin() + 5, e.writes[0].end()), kAckFrame);
}

TEST(Faults, CloseAtFrameDropsTheConnectionInsteadOfAnswering)
{
    SimClient client;
    client.Link().Faults().closeAtFrame = 2;
    EXPECT_FALSE(Send(client, LCmd(1, 0x12)).close);
    const Exchange e = Send(client, CM_MCS_CMD(1, 0x27, 0));
    EXPECT_TRUE(e.close);
    EXPECT_TRUE(e.writes.empty());
}

TEST(Faults, RestartAsksToDropTheConnection)
{
    SimClient client;
    const Exchange e = Send(client, CM_MCS_MCU_RESET(1));
    EXPECT_TRUE(e.restart);
    EXPECT_TRUE(e.writes.empty());
}

TEST(Faults, TransferEndFollowsTheAnswer)
{
    SimClient client;
    client.Link().Faults().transferEnd.codes.insert(0x40);
    const Exchange e = Send(client, CM_MCS_CMD(1, 0x40));
    ASSERT_EQ(e.writes.size(), 2u);
    const LCmd end(e.writes[1], 1);
    EXPECT_EQ(end.Code(), 89);
    EXPECT_EQ(end.Payload(), Bytes{1});
}

TEST(Faults, PoisonedCoefficientsReadBack)
{
    SimClient client;
    client.Core().Coefficients().SetCoefficient(0, 4, 0, 51.0f);
    client.Core().Coefficients().SetCoefficient(0, 4, 1, std::nanf(""));
    const auto block = client.Ask(CM_MCS_CMD(1, 0x56, 0, 0x76, 0x02)); // block 630, channel 4 from byte 8
    ASSERT_TRUE(block);
    const auto& p = block->Payload();
    EXPECT_EQ(Bytes(p.begin() + 3 + 8, p.begin() + 3 + 12), (Bytes{0x00, 0x00, 0x4C, 0x42}))
        << "51.0 little-endian";
    EXPECT_EQ(p[3 + 15] & 0x7F, 0x7F) << "NaN exponent bits";
}

TEST(Faults, ModelTextAndPresetFlags)
{
    SimClient client(DeviceConfig{.model = "QX-73B V011"});
    const auto model = client.Ask(CM_MCS_CMD(1, 0x13));
    EXPECT_EQ(std::string(model->Payload().begin(), model->Payload().end()), "QX-73B V011");
    client.Core().SeedPreset(2, "Preset 2");
    client.Core().SeedPreset(20, "Preset 20");
    Bytes flags(20, 0);
    flags[1] = flags[19] = 0xFF;
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x22))->Payload(), flags);
}

TEST(CommandFrameSplitter, StreamsAreCutIntoFrames)
{
    struct Case
    {
        const char* rule;
        std::vector<Bytes> pieces;
        std::size_t frames;
        std::size_t dropped;
    };
    Bytes two = kPoll;
    two.insert(two.end(), kPoll.begin(), kPoll.end());
    Bytes junk{0x05, 0x10, 0x77};
    junk.insert(junk.end(), kPoll.begin(), kPoll.end());
    const Bytes zeroLength{0x10, 0x02, 0x00, 0x01, 0x00};
    Bytes afterZero = zeroLength;
    afterZero.insert(afterZero.end(), kPoll.begin(), kPoll.end());
    const Case cases[] = {
        {"one frame in one read", {kPoll}, 1, 0},
        {"two frames in one read", {two}, 2, 0},
        {"junk before the start marker is dropped", {junk}, 1, 3},
        {"length byte 0 drops that start and resynchronises", {afterZero}, 1, 5},
        {"a lone 10 at the end waits for the next byte",
         {Bytes(kPoll.begin(), kPoll.begin() + 1), Bytes(kPoll.begin() + 1, kPoll.end())},
         1,
         0},
    };
    for (const auto& c : cases) {
        CommandFrameSplitter splitter;
        std::size_t frames = 0;
        for (const auto& piece : c.pieces)
            for (const auto& f : splitter.Push(piece)) {
                EXPECT_EQ(f, kPoll) << c.rule;
                ++frames;
            }
        EXPECT_EQ(frames, c.frames) << c.rule;
        EXPECT_EQ(splitter.DroppedBytes(), c.dropped) << c.rule;
    }
}

TEST(CommandFrameSplitter, EverySplitPositionGivesTheSameFrame)
{
    for (std::size_t at = 0; at <= kPoll.size(); ++at) {
        CommandFrameSplitter splitter;
        auto frames = splitter.Push(std::span(kPoll).first(at));
        const auto rest = splitter.Push(std::span(kPoll).subspan(at));
        frames.insert(frames.end(), rest.begin(), rest.end());
        ASSERT_EQ(frames.size(), 1u) << "split at " << at;
        EXPECT_EQ(frames[0], kPoll) << "split at " << at;
    }
}
} // namespace
} // namespace qx::sim::test
