// Sending a channel's coefficients in blocks: the count read from a record
// or a file decides how many blocks go out, and never more than 2048 values.

#include <gtest/gtest.h>

#include <vector>

#include "codec/LCmd.h"
#include "model/FirCommands.h"

namespace {

struct Sent
{
    std::uint8_t code;
    std::vector<std::uint8_t> payload;
    bool urgent;
};

struct Recorder
{
    std::vector<Sent> sent;
    qx::CommandSender sender()
    {
        return [this](const LCmd& command, bool urgent) {
            sent.push_back({command.Code(), command.Payload(), urgent});
        };
    }
};

qx::FirChannelBuffer ramp()
{
    qx::FirChannelBuffer coefficients{};
    for (std::size_t k = 0; k < coefficients.size(); ++k) {
        coefficients[k] = static_cast<float>(k) / 4096.0F;
    }
    return coefficients;
}

TEST(FirCommands, CountsDecideTheBlocksAndAreClampedTo2048)
{
    const struct
    {
        int count;
        int blocks;
        std::size_t lastValues; // values in the last block
    } cases[] = {
        {-3, 0, 0},     {0, 0, 0},      {1, 1, 1},      {12, 1, 12},     {13, 2, 1},
        {2047, 171, 7}, {2048, 171, 8}, {2049, 171, 8}, {40000, 171, 8}, {65535, 171, 8},
    };
    const qx::FirChannelBuffer coefficients = ramp();
    for (const auto& c : cases) {
        EXPECT_EQ(qx::firBlockCount(c.count), c.blocks) << c.count;

        Recorder current;
        qx::ResendFirCoefficients(current.sender(), 1, 5, coefficients, c.count);
        Recorder stored;
        qx::StoreFirCoefficientsToPreset(stored.sender(), 1, 20, 5, coefficients, c.count);
        ASSERT_EQ(current.sent.size(), static_cast<std::size_t>(c.blocks)) << c.count;
        ASSERT_EQ(stored.sent.size(), static_cast<std::size_t>(c.blocks)) << c.count;
        for (std::size_t b = 0; b < current.sent.size(); ++b) {
            EXPECT_EQ(current.sent[b].code, 0x4E) << c.count;
            EXPECT_EQ(stored.sent[b].code, 0x5A) << c.count;
            EXPECT_TRUE(current.sent[b].urgent && stored.sent[b].urgent) << c.count;
            EXPECT_EQ(current.sent[b].payload[1], b) << "block number, count " << c.count;
            EXPECT_EQ(stored.sent[b].payload[0], 20) << "preset, count " << c.count;
        }
        if (c.blocks > 0) {
            constexpr std::size_t kHeader = 4; // channel, block, count low, count high
            EXPECT_EQ(current.sent.back().payload.size(), kHeader + 4 * c.lastValues) << c.count;
            EXPECT_EQ(stored.sent.back().payload.size(), 1 + kHeader + 4 * c.lastValues) << c.count;
        }
    }
}

} // namespace
