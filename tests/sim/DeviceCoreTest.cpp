#include "SimClient.h"
#include "model/FactoryDefault.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace qx::sim::test {
namespace {
using namespace layout;

std::uint16_t Word(const DeviceCore& d, std::size_t offset)
{
    return readWord(d.CurrentImage(), offset);
}

std::size_t Out(int i, std::size_t field)
{
    return rec::channel(kInputCount + i) + field;
}

std::size_t In(int n, std::size_t field)
{
    return rec::channel(n) + field;
}

std::string Text(std::span<const std::uint8_t> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// Coefficient k of a channel in a set, as stored (little-endian float).
float Coefficient(const DeviceCore& d, int set, int channel, std::size_t k)
{
    return getFloatLe(d.Coefficients().Set(set), kFirAreaSize * static_cast<std::size_t>(channel) + 4 * k);
}

bool SlotErased(const DeviceCore& d, int set, int channel, std::size_t k)
{
    const auto area =
        d.Coefficients().Set(set).subspan(kFirAreaSize * static_cast<std::size_t>(channel) + 4 * k, 4);
    return std::all_of(area.begin(), area.end(), [](std::uint8_t b) { return b == 0xFF; });
}

struct CommandCase
{
    const char* rule;
    LCmd command;
    int replyCode; // -1: no answer
    std::optional<Bytes> replyPayload;
    std::function<bool(const DeviceCore&)> effect;
};

const std::array<std::uint16_t, 5> kComp{3, 100, 200, 6, 150};
const std::vector<float> kTaps{0.5f, 0.25f, 0.125f};

TEST(DeviceCoreCommands, EveryCommandGetsItsReplyAndEffect)
{
    const Bytes piece(50, 0x5C);
    const CommandCase cases[] = {
        {"0x10 device information: reply 16, empty", CM_MCS_CMD(1, 0x10), 16, Bytes{}, nullptr},
        {"0x11 end of connection: no answer", CM_MCS_CMD(1, 0x11), -1, std::nullopt, nullptr},
        {"0x12 status poll: acknowledged", LCmd(1, 0x12), 1, Bytes{}, nullptr},
        {"0x13 model text", CM_MCS_CMD(1, 0x13), 19,
         Bytes{'Q', 'X', '-', '7', '3', 'B', ' ', 'V', '0', '1', '2'}, nullptr},
        {"0x14 current preset", CM_MCS_CMD(1, 0x14), 20, Bytes{0}, nullptr},
        {"0x15 delay unit into word 1250", CM_MCS_DELAYUNIT(1, 2), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, rec::kDelayUnit) == 2; }},
        {"0x19 reads the 21-byte memory header", CM_MCS_READ_EEPROM(1, 0, 21), 25, Bytes(21, 0), nullptr},
        {"0x1A writes header bytes", CM_MCS_WRITE_EEPROM(1, 1, 3, Bytes{7, 8, 9}), 1, Bytes{},
         [](const DeviceCore& d) {
             return d.MemoryHeader()[1] == 7 && d.MemoryHeader()[3] == 9 && d.MemoryHeader()[0] == 0;
         }},
        {"0x1A past the header is refused", CM_MCS_WRITE_EEPROM(1, 20, 3, Bytes{7, 8, 9}), -1, std::nullopt,
         nullptr},
        {"0x20 recall 0 gives the factory preset", CM_MCS_CMD(1, 0x20, 0), 1, Bytes{},
         [](const DeviceCore& d) { return d.CurrentPreset() == 0; }},
        {"0x21 store marks the preset used", CM_MCS_CMD(1, 0x21, 5), 1, Bytes{},
         [](const DeviceCore& d) {
             return d.IsPresetUsed(5) && d.StoredImage(5)[0] == 0xFF && d.CurrentPreset() == 5;
         }},
        {"0x21 into preset 0 is refused", CM_MCS_CMD(1, 0x21, 0), -1, std::nullopt, nullptr},
        {"0x22 preset-used flags", CM_MCS_CMD(1, 0x22), 34, Bytes(20, 0), nullptr},
        {"0x23 factory default", CM_MCS_CMD(1, 0x23), 1, Bytes{}, nullptr},
        {"0x24 opens a stored preset", CM_MCS_CMD(1, 0x24, 3), 1, Bytes{}, nullptr},
        {"0x24 21 ends an upload", CM_MCS_CMD(1, 0x24, 21), 1, Bytes{}, nullptr},
        {"0x25 stores a piece into preset index + 1", CM_MCS_DOWNLOAD(1, 2, 1, 50, piece), 37, Bytes{1},
         [](const DeviceCore& d) {
             return d.StoredImage(3)[50] == 0x5C && d.StoredImage(3)[99] == 0x5C &&
                    d.StoredImage(3)[100] != 0x5C;
         }},
        {"0x26 preset name into bytes 2-15", CM_MCS_PRESETNAME(1, "Live"), 1, Bytes{},
         [](const DeviceCore& d) {
             return Text(d.CurrentImage().subspan(2, 5)) == std::string("Live\0", 5);
         }},
        {"0x27 piece of the current image", CM_MCS_CMD(1, 0x27, 0), 36, std::nullopt, nullptr},
        {"0x27 piece 26 is refused", CM_MCS_CMD(1, 0x27, 26), -1, std::nullopt, nullptr},
        {"0x28 with no preset opened is refused", CM_MCS_CMD(1, 0x28, 0), -1, std::nullopt, nullptr},
        {"0x29 name of an unused preset", CM_MCS_CMD(1, 0x29, 19), 41,
         Bytes{19, 'D', 'e', 'f', 'a', 'u', 'l', 't', ' ', 'P', 'r', 'e', 's', 'e', 't'}, nullptr},
        {"0x29 index 20 is refused", CM_MCS_CMD(1, 0x29, 20), -1, std::nullopt, nullptr},
        {"0x2A channel copy", CM_MCS_CMD(1, 0x2A, 4, 6), 1, Bytes{}, nullptr},
        {"0x2A across sides is refused", CM_MCS_CMD(1, 0x2A, 1, 6), -1, std::nullopt, nullptr},
        {"0x2C lock status: 7 bytes, not locked", CM_MCS_CMD(1, 0x2C), 44, Bytes{0, 0, 0, 0, 0, 0, 0},
         nullptr},
        {"0x2D password result", CM_MCS_PASS_SUBMIT(1, 0, "0000"), 45, Bytes{0, 0}, nullptr},
        {"0x2F sets a permanent lock", CM_MCS_SET_LOCK(1, "1234", 1), 1, Bytes{}, nullptr},
        {"0x30 compressor of an output", CM_MCS_COMP(1, 5, kComp), 1, Bytes{},
         [](const DeviceCore& d) {
             return Word(d, Out(1, rec::kOutCompressor)) == 3 &&
                    Word(d, Out(1, rec::kOutCompressor + 8)) == 150;
         }},
        {"0x30 on an input is refused", CM_MCS_COMP(1, 2, kComp), -1, std::nullopt, nullptr},
        {"0x31 low-pass word and slope", CM_MCS_LOW_PASS(1, 6, 250, 4), 1, Bytes{},
         [](const DeviceCore& d) {
             return Word(d, Out(2, rec::kOutFilter + rec::kFilterLowPassFreq)) == 250 &&
                    d.CurrentImage()[Out(2, rec::kOutFilter + rec::kFilterLowPassSlope)] == 4;
         }},
        {"0x32 high-pass word and slope", CM_MCS_HIGH_PASS(1, 6, 20, 9), 1, Bytes{},
         [](const DeviceCore& d) {
             return Word(d, Out(2, rec::kOutFilter + rec::kFilterHighPassFreq)) == 20 &&
                    d.CurrentImage()[Out(2, rec::kOutFilter + rec::kFilterHighPassSlope)] == 9;
         }},
        {"0x32 on an input is acknowledged and stores nothing", CM_MCS_HIGH_PASS(1, 1, 20, 9), 1, Bytes{},
         [](const DeviceCore& d) {
             return std::equal(kFactoryDefaultRecord.begin(), kFactoryDefaultRecord.end(),
                               d.CurrentImage().begin());
         }},
        {"0x33 PEQ band and its bypass bit", CM_MCS_PEQ(1, 1, 13, 130, 200, 40, 2, 1), 1, Bytes{},
         [](const DeviceCore& d) {
             const std::size_t band = In(1, rec::kInBands + 13 * rec::kBandSize);
             return Word(d, band) == 130 && Word(d, band + 2) == 200 && d.CurrentImage()[band + 4] == 40 &&
                    d.CurrentImage()[band + 5] == 2 && Word(d, rec::kPeqBypassMasks + 2) == 1u << 13;
         }},
        {"0x33 band 6 of an output is refused", CM_MCS_PEQ(1, 4, 6, 130, 200, 40, 2, 1), -1, std::nullopt,
         nullptr},
        {"0x34 gain word", CM_MCS_GAIN(1, 4, 300), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, Out(0, rec::kOutGain)) == 300; }},
        {"0x35 mute bit of an output", CM_MCS_MUTE(1, 11, 1), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, rec::kOutputMuteMask) == 0x80; }},
        {"0x36 polarity stored as 0 or 1", CM_MCS_CMD(1, 0x36, 2, 5), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, In(2, rec::kInPolarity)) == 1; }},
        {"0x38 delay samples", CM_MCS_DELAY(1, 0, 480), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, In(0, rec::kInDelay)) == 480; }},
        {"0x39 test signal bytes 1246-1249", CM_MCS_WORK_MODE(1, 3, 17, 40), 1, Bytes{},
         [](const DeviceCore& d) {
             return Word(d, rec::kTestSignalKind) == 3 && d.CurrentImage()[rec::kSineIndex] == 17 &&
                    d.CurrentImage()[rec::kToneAttenuation] == 40;
         }},
        {"0x3A route mask of an output", CM_MCS_MATRIX(1, 7, 0x0F), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, Out(3, rec::kOutRouteMask)) == 0x0F; }},
        {"0x3B link mask", CM_MCS_CMD(1, 0x3B, 0, 3), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, In(0, rec::kInLinkMask)) == 3; }},
        {"0x3C EQ bypass bit of an output", CM_MCS_CMD(1, 0x3C, 5, 1), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, rec::kOutputEqBypassMask) == 2; }},
        {"0x3D channel name", CM_MCS_CHANNEL_NAME(1, 3, "Sub Left"), 1, Bytes{},
         [](const DeviceCore&
                d) { return Text(d.CurrentImage().subspan(In(3, rec::kInName), 8)) == "Sub Left"; }},
        {"0x3F limiter of an output", CM_MCS_LIMIT(1, 11, kComp), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, Out(7, rec::kOutLimiter + 2)) == 100; }},
        {"0x40 meters: 34 bytes", CM_MCS_CMD(1, 0x40), 64, std::nullopt, nullptr},
        {"0x41 mix level", CM_MCS_MIX(1, 4, 3, 200), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, Out(0, rec::kOutMixLevels + 6)) == 200; }},
        {"0x41 input 4 is refused", CM_MCS_MIX(1, 4, 4, 200), -1, std::nullopt, nullptr},
        {"0x4B FIR design into filter bytes 8-15", CM_MCS_FIR(1, 8, 1, 3, 100, 200, 24), 1, Bytes{},
         [](const DeviceCore& d) {
             const std::size_t f = Out(4, rec::kOutFilter);
             return d.CurrentImage()[f + 8] == 1 && d.CurrentImage()[f + 9] == 3 && Word(d, f + 10) == 100 &&
                    Word(d, f + 14) == 24;
         }},
        {"0x4C output mode word", CM_MCS_CMD(1, 0x4C, 9, 1), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, Out(5, rec::kOutFilter)) == 1; }},
        {"0x4D output select word", CM_MCS_CMD(1, 0x4D, 1, 1), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, rec::kOutputSelect) == 1; }},
        {"0x4E coefficients into set 0, the rest erased", CM_MCS_EXT_FIR(1, 2, 0, 3, kTaps), 1, Bytes{},
         [](const DeviceCore& d) {
             return Coefficient(d, 0, 2, 0) == 0.5f && Coefficient(d, 0, 2, 2) == 0.125f &&
                    SlotErased(d, 0, 2, 3);
         }},
        {"0x4F input FIR bypass", CM_MCS_CMD(1, 0x4F, 1, 0), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, In(1, rec::kInFirBypass)) == 0; }},
        {"0x56 block reply: number high byte first", CM_MCS_CMD(1, 0x56, 0, 0x62, 0x07), 86, std::nullopt,
         nullptr},
        {"0x56 block 1891 is refused", CM_MCS_CMD(1, 0x56, 0, 0x63, 0x07), -1, std::nullopt, nullptr},
        {"0x58 erase sector", CM_MCS_CMD(1, 0x58, 24, 0), 1, Bytes{}, nullptr},
        {"0x58 past the memory is refused", CM_MCS_CMD(1, 0x58, 0xF8, 0x01), -1, std::nullopt, nullptr},
        {"0x5A coefficients into a preset's set", CM_MCS_FIR_EXT_EEPROM(1, 7, 10, 0, 3, kTaps), 1, Bytes{},
         [](const DeviceCore& d) { return Coefficient(d, 7, 10, 1) == 0.25f && SlotErased(d, 0, 10, 0); }},
        {"0x5B source select bit", CM_MCS_CMD(1, 0x5B, 9, 1), 1, Bytes{},
         [](const DeviceCore& d) { return Word(d, rec::kSourceSelectMask) == 1u << 9; }},
        {"0x04 restart: no answer", CM_MCS_MCU_RESET(1), -1, std::nullopt, nullptr},
        {"an unknown command is not answered", CM_MCS_CMD(1, 0x77), -1, std::nullopt, nullptr},
        {"a short payload is not answered", CM_MCS_CMD(1, 0x34, 4), -1, std::nullopt, nullptr},
    };
    for (const auto& c : cases) {
        SimClient client;
        const auto reply = client.Ask(c.command);
        if (c.replyCode < 0) {
            EXPECT_FALSE(reply) << c.rule;
            continue;
        }
        ASSERT_TRUE(reply) << c.rule;
        EXPECT_EQ(reply->Code(), c.replyCode) << c.rule;
        EXPECT_EQ(reply->DeviceId(), 1) << c.rule << ": the reply carries the device id in byte 2";
        if (c.replyPayload) {
            EXPECT_EQ(reply->Payload(), *c.replyPayload) << c.rule;
        }
        if (c.effect) {
            EXPECT_TRUE(c.effect(client.Core())) << c.rule;
        }
    }
}

TEST(DeviceCoreCommands, RefusedCommandsAreLoggedAsProtocolErrors)
{
    SimClient client;
    client.Ask(CM_MCS_CMD(1, 0x77));
    client.Ask(CM_MCS_CMD(1, 0x34, 4));
    ASSERT_EQ(client.Link().ProtocolErrors().size(), 2u);
    EXPECT_NE(client.Link().ProtocolErrors()[0].find("unknown command 0x77"), std::string::npos);
    EXPECT_NE(client.Link().ProtocolErrors()[1].find("short payload"), std::string::npos);
}

TEST(DeviceCoreCommands, BadChecksumIsLoggedButAnswered)
{
    SimClient client;
    Bytes frame = EncodeFrame(LCmd(1, 0x12), 1);
    frame.back() ^= 0xFF;
    const Exchange exchange = client.Link().OnFrame(frame);
    EXPECT_EQ(exchange.writes.size(), 1u) << "the editor does not check checksums either";
    ASSERT_EQ(client.Link().ProtocolErrors().size(), 1u);
    EXPECT_NE(client.Link().ProtocolErrors()[0].find("checksum"), std::string::npos);
}

TEST(DeviceCoreCommands, FramesForAnotherDeviceOrMalformedAreIgnored)
{
    SimClient client;
    EXPECT_FALSE(client.Ask(LCmd(2, 0x12))) << "byte 3 names another device";
    const Bytes broken{0x10, 0x02, 0x00, 0x01, 0x05, 0x12, 0x10, 0x03, 0x00};
    EXPECT_TRUE(client.Link().OnFrame(broken).writes.empty()) << "length byte disagrees with the frame";
    EXPECT_TRUE(client.Link().ProtocolErrors().empty());
}

TEST(DeviceCoreCommands, OtherDeviceIdIsServedWhenConfigured)
{
    SimClient client(DeviceConfig{.deviceId = 7});
    const auto reply = client.Ask(LCmd(7, 0x12));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->DeviceId(), 7);
    EXPECT_FALSE(client.Ask(LCmd(1, 0x12)));
}

TEST(DeviceCoreLinkGroups, ChannelCommandReachesEveryMemberOfTheGroup)
{
    SimClient client;
    client.Ask(CM_MCS_CMD(1, 0x3B, 0, 0x03)); // InA heads InA and InB
    client.Ask(CM_MCS_CMD(1, 0x3B, 1, 0x00));
    client.Ask(CM_MCS_DELAY(1, 1, 480)); // edited on the member
    EXPECT_EQ(Word(client.Core(), In(0, rec::kInDelay)), 480) << "the head follows its member";
    EXPECT_EQ(Word(client.Core(), In(1, rec::kInDelay)), 480);
    EXPECT_EQ(Word(client.Core(), In(2, rec::kInDelay)), 0) << "channels outside the group stay";

    client.Ask(CM_MCS_MUTE(1, 0, 1));
    EXPECT_EQ(Word(client.Core(), rec::kInputMuteMask), 1) << "mute is a single-channel setting";
}

TEST(DeviceCoreLinkGroups, SwitchOffAppliesToTheNamedChannelOnly)
{
    SimClient client(DeviceConfig{.followLinkGroups = false});
    client.Ask(CM_MCS_CMD(1, 0x3B, 4, 0x03));
    client.Ask(CM_MCS_CMD(1, 0x3B, 5, 0x00));
    client.Ask(CM_MCS_GAIN(1, 5, 300));
    EXPECT_EQ(Word(client.Core(), Out(0, rec::kOutGain)), 280);
    EXPECT_EQ(Word(client.Core(), Out(1, rec::kOutGain)), 300);
}

TEST(DeviceCoreLinkGroups, BrokenMasksStillWriteTheEditedChannel)
{
    SimClient client;
    client.Ask(CM_MCS_CMD(1, 0x3B, 6, 0x00)); // Out3 in no group at all
    client.Ask(CM_MCS_GAIN(1, 6, 123));
    EXPECT_EQ(Word(client.Core(), Out(2, rec::kOutGain)), 123);
}

TEST(DeviceCoreChannelCopy, CopiesSettingsButKeepsIdentity)
{
    SimClient client;
    client.Ask(CM_MCS_GAIN(1, 4, 300));
    client.Ask(CM_MCS_PEQ(1, 4, 2, 130, 99, 40, 1, 1));
    client.Ask(CM_MCS_CMD(1, 0x3C, 4, 1));
    client.Ask(CM_MCS_EXT_FIR(1, 4, 0, 3, kTaps));
    client.Ask(CM_MCS_CMD(1, 0x2A, 4, 6));
    const DeviceCore& d = client.Core();
    EXPECT_EQ(Word(d, Out(2, rec::kOutGain)), 300) << "gain copied";
    EXPECT_EQ(Word(d, Out(2, rec::kOutBands + 2 * rec::kBandSize + 2)), 99) << "PEQ band copied";
    EXPECT_EQ(Word(d, rec::kPeqBypassMasks + 2 * 6), 1u << 2) << "PEQ bypass word copied";
    EXPECT_EQ(Word(d, rec::kOutputEqBypassMask), 0b101) << "EQ bypass bit copied";
    EXPECT_EQ(Coefficient(d, 0, 6, 1), 0.25f) << "coefficient area copied";
    EXPECT_EQ(Text(d.CurrentImage().subspan(Out(2, rec::kInName), 4)), "Out3") << "name kept";
    EXPECT_EQ(Word(d, Out(2, rec::kOutRouteMask)), 4) << "route mask kept";
    EXPECT_EQ(Word(d, Out(2, rec::kOutLinkMask)), 4) << "link mask kept";
}

TEST(DeviceCoreLock, PasswordUnlocksAndPermanentLockReturnsOnTheNextConnection)
{
    SimClient client;
    client.Core().SetLock("4321");
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x2C))->Payload(), (Bytes{0, 0, 0, 0, 0, 1, 1}))
        << "active, lock mode shown";
    EXPECT_EQ(client.Ask(CM_MCS_PASS_SUBMIT(1, 0, "1111"))->Payload(), (Bytes{0, 0}))
        << "wrong password refused";
    EXPECT_EQ(client.Ask(CM_MCS_PASS_SUBMIT(1, 0, "4321"))->Payload(), (Bytes{0, 1}))
        << "right password accepted";
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x2C))->Payload()[5], 0) << "unlocked for this connection";
    client.Ask(CM_MCS_CMD(1, 0x10));
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x2C))->Payload()[5], 1) << "a new connection asks again";
}

TEST(DeviceCoreLock, OneTimeLockIsGoneOnceOpened)
{
    SimClient client;
    client.Ask(CM_MCS_SET_LOCK(1, "7481", 0));
    client.Ask(CM_MCS_CMD(1, 0x10));
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x2C))->Payload(), (Bytes{0, 0, 0, 0, 0, 1, 0}))
        << "one-time lock: active, lock mode item hidden";
    client.Ask(CM_MCS_PASS_SUBMIT(1, 0, "7481"));
    client.Ask(CM_MCS_CMD(1, 0x10));
    EXPECT_EQ(client.Ask(CM_MCS_CMD(1, 0x2C))->Payload()[5], 0);
}

TEST(DeviceCoreMeters, LoadAndPatternsShowInTheReply)
{
    struct Case
    {
        const char* rule;
        MeterPattern pattern;
        std::uint32_t idle;
        std::int8_t level;
    };
    const Case cases[] = {
        {"no load reports the full idle count", {MeterPattern::Levels::Quiet, 0.0}, 8181, -60},
        {"99 % load", {MeterPattern::Levels::Hot, 99.0}, 82, 20},
        {"full load reports idle count 0", {MeterPattern::Levels::Hot, 100.0}, 0, 20},
    };
    for (const auto& c : cases) {
        SimClient client;
        client.Core().SetMeterPattern(c.pattern);
        const auto reply = client.Ask(CM_MCS_CMD(1, 0x40));
        ASSERT_EQ(reply->Payload().size(), 34u) << c.rule;
        const auto& p = reply->Payload();
        EXPECT_EQ(static_cast<std::uint32_t>(p[30] | p[31] << 8 | p[32] << 16 | p[33] << 24), c.idle)
            << c.rule;
        EXPECT_EQ(static_cast<std::int8_t>(p[0]), c.level) << c.rule;
    }
}
} // namespace
} // namespace qx::sim::test
