#include "codec/CmMcs.h"
#include "codec/LCmd.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

struct GoldenFrame
{
    const char* rule;
    LCmd command;
    Bytes frame;
};

TEST(FrameEncoding, GoldenFramesMatchByteForByte)
{
    const GoldenFrame cases[] = {
        {"status poll: header 10 02 00 id, L counts the code, trailer 10 03, XOR checksum",
         LCmd(1, 0x12),
         {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13}},
        {"a 0x10 code byte is sent unescaped",
         CM_MCS_CMD(1, 0x10),
         {0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11}},
        {"16-bit payload words go low byte first",
         CM_MCS_GAIN(1, 4, 300),
         {0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x04, 0x2C, 0x01, 0x10, 0x03, 0x19}},
        {"device id goes to byte 3, one payload byte gives L = 2",
         CM_MCS_CMD(5, 0x29, 0),
         {0x10, 0x02, 0x00, 0x05, 0x02, 0x29, 0x00, 0x10, 0x03, 0x2F}},
        {"meter poll to device 5",
         CM_MCS_CMD(5, 0x40),
         {0x10, 0x02, 0x00, 0x05, 0x01, 0x40, 0x10, 0x03, 0x45}},
        {"0x10 inside the payload is not stuffed",
         CM_MCS_GAIN(1, 0x10, 0x1010),
         {0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x10, 0x10, 0x10, 0x10, 0x03, 0x20}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeFrame(c.command, 1), c.frame) << c.rule;
}

TEST(FrameEncoding, ModeZeroGivesPayloadAloneAndOtherModesNothing)
{
    const CM_MCS_GAIN gain(1, 4, 300);
    EXPECT_EQ(EncodeFrame(gain, 0), (Bytes{0x04, 0x2C, 0x01})) << "mode 0 is the bare payload";
    EXPECT_TRUE(EncodeFrame(gain, 2).empty()) << "an unknown mode encodes nothing";
    EXPECT_TRUE(EncodeFrame(gain, -1).empty()) << "an unknown mode encodes nothing";
}

TEST(FrameEncoding, PayloadTooLongForTheLengthByteEncodesNothing)
{
    LCmd big(1, 0x25);
    big.Payload().assign(254, 0xAA);
    EXPECT_EQ(EncodeFrame(big, 1).size(), 254u + 9u) << "254 payload bytes give L = 255, still valid";
    big.Payload().push_back(0xAA);
    EXPECT_TRUE(EncodeFrame(big, 1).empty()) << "L would wrap past 255";
}

TEST(FrameEncoding, LargestCommandsFitOneHundredTwentyEightByteBuffers)
{
    const std::vector<float> coeffs(2048, 0.5f);
    const Bytes piece(50, 0x11);
    EXPECT_EQ(EncodeFrame(CM_MCS_DOWNLOAD(1, 3, 7, 50, piece), 1).size(), 61u) << "largest preset piece";
    EXPECT_EQ(EncodeFrame(CM_MCS_EXT_FIR(1, 4, 0, 2048, coeffs), 1).size(), 61u) << "full 0x4E block";
    EXPECT_EQ(EncodeFrame(CM_MCS_FIR_EXT_EEPROM(1, 2, 4, 0, 2048, coeffs), 1).size(), 62u)
        << "full 0x5A block";
}

struct ParseCase
{
    const char* rule;
    Bytes input;
    std::uint8_t id;
    std::uint8_t code;
    Bytes payload;
};

TEST(FrameParsing, RepliesAndMalformedInputs)
{
    const ParseCase cases[] = {
        {"reply: id from byte 2, code byte 5, L-1 payload bytes, checksum ignored",
         {0x10, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x10, 0x03, 0x77},
         1,
         0x01,
         {0x00}},
        {"byte 3 of a reply is not read",
         {0x10, 0x02, 0x07, 0x55, 0x01, 0x22, 0x10, 0x03, 0x00},
         7,
         0x22,
         {}},
        {"wrong end marker: code is byte 0, id 0",
         {0x10, 0x02, 0x01, 0x00, 0x01, 0x12, 0x10, 0x04, 0x00},
         0,
         0x10,
         {}},
        {"wrong start marker: code is byte 0, id 0, payload still read",
         {0x11, 0x02, 0x01, 0x00, 0x02, 0x12, 0x09, 0x10, 0x03, 0x00},
         0,
         0x11,
         {0x09}},
        {"length byte 0 gives no command", {0x10, 0x02, 0x01, 0x00, 0x00, 0x12, 0x10, 0x03, 0x00}, 0, 0, {}},
        {"length byte 0 in an 8-byte run gives no command",
         {0x10, 0x02, 0x01, 0x00, 0x00, 0x10, 0x03, 0x00},
         0,
         0,
         {}},
        {"length byte larger than the input gives no command",
         {0x10, 0x02, 0x01, 0x00, 0xFF, 0x12, 0x10, 0x03, 0x00},
         0,
         0,
         {}},
        {"length byte smaller than the input gives no command",
         {0x10, 0x02, 0x01, 0x00, 0x01, 0x12, 0x05, 0x10, 0x03, 0x00},
         0,
         0,
         {}},
        {"input shorter than a frame gives no command", {0x10, 0x02, 0x01, 0x00, 0x01}, 0, 0, {}},
        {"empty input gives no command", {}, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const LCmd reply(c.input, 1);
        EXPECT_EQ(reply.DeviceId(), c.id) << c.rule;
        EXPECT_EQ(reply.Code(), c.code) << c.rule;
        EXPECT_EQ(reply.Payload(), c.payload) << c.rule;
    }
}

TEST(FrameParsing, OtherModesTakeTheWholeInputAsPayload)
{
    const Bytes input{0x10, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x10, 0x03, 0x77};
    const LCmd raw(input, 0);
    EXPECT_EQ(raw.Payload(), input) << "mode 0 keeps every byte";
    EXPECT_EQ(raw.Code(), 0) << "mode 0 has no code";
    EXPECT_EQ(raw.DeviceId(), 0) << "mode 0 has no device id";
}

TEST(FrameParsing, EveryLengthByteOfAShortInputStaysInBounds)
{
    // Under the address sanitizer any read past the input fails this test.
    Bytes input{0x10, 0x02, 0x01, 0x00, 0x00, 0x40, 0x01, 0x02, 0x10, 0x03, 0x00};
    for (int length = 0; length < 256; ++length) {
        input[4] = static_cast<std::uint8_t>(length);
        const LCmd reply(input, 1);
        const bool fits = length == 3;
        EXPECT_EQ(reply.Payload().size(), fits ? 2u : 0u) << "length byte " << length;
        EXPECT_EQ(reply.Code(), fits ? 0x40 : 0) << "length byte " << length;
    }
}

TEST(FrameParsing, EncodedCommandParsesBackToItsCodeAndPayload)
{
    const CM_MCS_PEQ peq(1, 5, 3, 0x1234, 0x0110, 42, 7, 1);
    const LCmd parsed(EncodeFrame(peq, 1), 1);
    EXPECT_EQ(parsed.Code(), peq.Code()) << "code survives a round trip";
    EXPECT_EQ(parsed.Payload(), peq.Payload()) << "payload survives a round trip";
}
} // namespace
