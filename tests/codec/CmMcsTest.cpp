#include "codec/CmMcs.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

struct PayloadCase
{
    const char* rule;
    LCmd command;
    std::uint8_t code;
    Bytes payload;
};

const std::array<std::uint16_t, 5> kDynamics{0x0102, 0x0304, 0x0506, 0x0708, 0x090A};
const Bytes kPiece{0xA1, 0xA2, 0xA3};

TEST(CommandPayloads, EveryClassEncodesItsTablePayload)
{
    const PayloadCase cases[] = {
        {"CMD: code alone", CM_MCS_CMD(1, 0x22), 0x22, {}},
        {"CMD: one byte", CM_MCS_CMD(1, 0x20, 7), 0x20, {7}},
        {"CMD: two bytes", CM_MCS_CMD(1, 0x2A, 3, 9), 0x2A, {3, 9}},
        {"CMD: three bytes", CM_MCS_CMD(1, 0x56, 2, 0x62, 0x07), 0x56, {2, 0x62, 0x07}},
        {"MCU_RESET: no payload", CM_MCS_MCU_RESET(1), 0x04, {}},
        {"DELAYUNIT: unit", CM_MCS_DELAYUNIT(1, 2), 0x15, {2}},
        {"READ_EEPROM: address low, high, length", CM_MCS_READ_EEPROM(1, 0x1234, 21), 0x19, {0x34, 0x12, 21}},
        {"WRITE_EEPROM: address low, high, n, n bytes",
         CM_MCS_WRITE_EEPROM(1, 1, 3, kPiece),
         0x1A,
         {0x01, 0x00, 3, 0xA1, 0xA2, 0xA3}},
        {"WRITE_EEPROM: length byte tells the bytes really sent",
         CM_MCS_WRITE_EEPROM(1, 1, 20, kPiece),
         0x1A,
         {0x01, 0x00, 3, 0xA1, 0xA2, 0xA3}},
        {"DOWNLOAD: piece before preset, then the bytes",
         CM_MCS_DOWNLOAD(1, 4, 9, 2, kPiece),
         0x25,
         {9, 4, 0xA1, 0xA2}},
        {"DOWNLOAD: count 0 sends piece and preset only", CM_MCS_DOWNLOAD(1, 4, 9, 0, kPiece), 0x25, {9, 4}},
        {"DOWNLOAD: negative count sends piece and preset only",
         CM_MCS_DOWNLOAD(1, 4, 9, -3, kPiece),
         0x25,
         {9, 4}},
        {"DOWNLOAD: never more bytes than given",
         CM_MCS_DOWNLOAD(1, 4, 9, 50, kPiece),
         0x25,
         {9, 4, 0xA1, 0xA2, 0xA3}},
        {"PRESETNAME: 14 characters, zero padded",
         CM_MCS_PRESETNAME(1, "Hall"),
         0x26,
         {'H', 'a', 'l', 'l', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"PRESETNAME: cut at 14 characters",
         CM_MCS_PRESETNAME(1, "ABCDEFGHIJKLMNOP"),
         0x26,
         {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N'}},
        {"PASS_SUBMIT: kind then 4 characters",
         CM_MCS_PASS_SUBMIT(1, 0, "7481"),
         0x2D,
         {0, '7', '4', '8', '1'}},
        {"PASS_SUBMIT: short code padded with zero bytes",
         CM_MCS_PASS_SUBMIT(1, 0, "12"),
         0x2D,
         {0, '1', '2', 0, 0}},
        {"SET_LOCK: 4 characters then mode", CM_MCS_SET_LOCK(1, "7481", 0), 0x2F, {'7', '4', '8', '1', 0}},
        {"COMP: channel then five words low byte first",
         CM_MCS_COMP(1, 6, kDynamics),
         0x30,
         {6, 0x02, 0x01, 0x04, 0x03, 0x06, 0x05, 0x08, 0x07, 0x0A, 0x09}},
        {"LIMIT: as COMP",
         CM_MCS_LIMIT(1, 6, kDynamics),
         0x3F,
         {6, 0x02, 0x01, 0x04, 0x03, 0x06, 0x05, 0x08, 0x07, 0x0A, 0x09}},
        {"LOW_PASS: channel, index low, high, slope",
         CM_MCS_LOW_PASS(1, 5, 0x012C, 3),
         0x31,
         {5, 0x2C, 0x01, 3}},
        {"HIGH_PASS: channel, index low, high, slope",
         CM_MCS_HIGH_PASS(1, 5, 0x0014, 8),
         0x32,
         {5, 0x14, 0x00, 8}},
        {"PEQ: channel, band, gain, frequency, Q, type, bypass",
         CM_MCS_PEQ(1, 2, 7, 0x0078, 0x0102, 33, 4, 1),
         0x33,
         {2, 7, 0x78, 0x00, 0x02, 0x01, 33, 4, 1}},
        {"GAIN: word 300 is 2C 01", CM_MCS_GAIN(1, 4, 300), 0x34, {4, 0x2C, 0x01}},
        {"MUTE: channel, mute", CM_MCS_MUTE(1, 11, 1), 0x35, {11, 1}},
        {"POLARITY: any non-zero sends 1", CM_MCS_POLARITY(1, 3, 5), 0x36, {3, 1}},
        {"POLARITY: zero sends 0", CM_MCS_POLARITY(1, 3, 0), 0x36, {3, 0}},
        {"DELAY: samples low, high", CM_MCS_DELAY(1, 8, 0x3039), 0x38, {8, 0x39, 0x30}},
        {"WORK_MODE: signal, frequency, attenuation", CM_MCS_WORK_MODE(1, 3, 17, 40), 0x39, {3, 17, 40}},
        {"MATRIX: low byte of the mask", CM_MCS_MATRIX(1, 4, 0x1F3), 0x3A, {4, 0xF3}},
        {"CHANNEL_NAME: channel, 8 characters",
         CM_MCS_CHANNEL_NAME(1, 0, "Input A"),
         0x3D,
         {0, 'I', 'n', 'p', 'u', 't', ' ', 'A', 0}},
        {"MIX: output, input, level low, high", CM_MCS_MIX(1, 5, 2, 0x0190), 0x41, {5, 2, 0x90, 0x01}},
        {"FIR: channel, type, window, three words",
         CM_MCS_FIR(1, 4, 1, 2, 0x0102, 0x0304, 0x0800),
         0x4B,
         {4, 1, 2, 0x02, 0x01, 0x04, 0x03, 0x00, 0x08}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.command.Code(), c.code) << c.rule;
        EXPECT_EQ(c.command.Payload(), c.payload) << c.rule;
        EXPECT_EQ(c.command.DeviceId(), 1) << c.rule;
    }
}

std::vector<float> Ramp(std::size_t n)
{
    std::vector<float> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<float>(i);
    return v;
}

// Header bytes before the coefficients: channel, block, N low, N high.
constexpr std::size_t kExtFirHeader = 4;

TEST(FirBlocks, BlockSizesFollowTheCount)
{
    struct Case
    {
        const char* rule;
        int count;
        int block;
        int values;
    };
    const Case cases[] = {
        {"N = 2048: block 0 is full", 2048, 0, 12},
        {"N = 2048: block 169 is full", 2048, 169, 12},
        {"N = 2048: block 170 carries the last 8", 2048, 170, 8},
        {"N = 2048: block 171 is past the end", 2048, 171, 0},
        {"N = 12: block 0 carries all 12", 12, 0, 12},
        {"N = 12: block 1 is past the end", 12, 1, 0},
        {"N = 5: block 0 carries 5", 5, 0, 5},
        {"N above 2048 is clamped to 2048", 5000, 170, 8},
        {"N above 2048 is clamped: block 171 not built", 5000, 171, 0},
        {"N = 0 builds nothing", 0, 0, 0},
        {"negative N builds nothing", -7, 0, 0},
    };
    const auto coeffs = Ramp(2048);
    for (const auto& c : cases) {
        const CM_MCS_EXT_FIR block(1, 4, static_cast<std::uint8_t>(c.block), c.count, coeffs);
        if (c.values <= 0) {
            EXPECT_EQ(block.Code(), 0) << c.rule;
            EXPECT_TRUE(block.Payload().empty()) << c.rule;
            continue;
        }
        EXPECT_EQ(block.Code(), 0x4E) << c.rule;
        ASSERT_EQ(block.Payload().size(), kExtFirHeader + 4u * static_cast<std::size_t>(c.values)) << c.rule;
    }
}

TEST(FirBlocks, HeaderAndValuesBigEndian)
{
    const auto coeffs = Ramp(2048);
    const CM_MCS_EXT_FIR last(1, 4, 170, 2048, coeffs);
    ASSERT_EQ(last.Payload().size(), kExtFirHeader + 32u);
    EXPECT_EQ(Bytes(last.Payload().begin(), last.Payload().begin() + 8),
              (Bytes{4, 170, 0x00, 0x08, 0x44, 0xFF, 0x00, 0x00}))
        << "channel, block, N low, N high, then value 2040 (0x44FF0000) most significant byte first";

    const CM_MCS_EXT_FIR clamped(1, 4, 0, 9999, coeffs);
    EXPECT_EQ(clamped.Payload()[2], 0x00) << "a count above 2048 is sent as 2048";
    EXPECT_EQ(clamped.Payload()[3], 0x08) << "a count above 2048 is sent as 2048";

    const std::vector<float> one{1.0f};
    EXPECT_EQ(CM_MCS_EXT_FIR(1, 0, 0, 1, one).Payload(), (Bytes{0, 0, 1, 0, 0x3F, 0x80, 0x00, 0x00}))
        << "1.0 is 3F 80 00 00";
    const std::vector<float> negative{-2.5f};
    EXPECT_EQ(CM_MCS_FIR_EXT_EEPROM(1, 20, 11, 0, 1, negative).Payload(),
              (Bytes{20, 11, 0, 1, 0, 0xC0, 0x20, 0x00, 0x00}))
        << "0x5A puts the preset before the 0x4E fields";
}

TEST(FirBlocks, BlockBeyondTheGivenValuesIsNotBuilt)
{
    const auto shortList = Ramp(20);
    EXPECT_EQ(CM_MCS_EXT_FIR(1, 4, 1, 24, shortList).Code(), 0) << "the array ends before value 24";
    EXPECT_EQ(CM_MCS_FIR_EXT_EEPROM(1, 1, 4, 1, 24, shortList).Code(), 0) << "the array ends before value 24";
    EXPECT_EQ(CM_MCS_EXT_FIR(1, 4, 1, 20, shortList).Payload().size(), kExtFirHeader + 32u)
        << "block 1 of 20 values carries 8";
}
} // namespace
