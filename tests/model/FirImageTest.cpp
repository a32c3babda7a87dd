// FIR coefficient image: area encoding, reading with its refusal rules, and
// the readback block layout against the arithmetic of the 98304-byte image.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "model/FactoryDefault.h"
#include "model/FirImage.h"

namespace {

using Area = std::array<std::uint8_t, qx::kFirAreaSize>;

Area encode(const qx::FirChannelBuffer& coeffs, int count)
{
    Area area{};
    qx::encodeFirArea(coeffs, count, area);
    return area;
}

qx::FirChannelBuffer buffer(std::initializer_list<float> values)
{
    qx::FirChannelBuffer b{};
    std::copy(values.begin(), values.end(), b.begin());
    return b;
}

bool allFfFrom(const Area& area, std::size_t from)
{
    return std::all_of(area.begin() + static_cast<std::ptrdiff_t>(from), area.end(),
                       [](auto b) { return b == 0xFF; });
}

TEST(FirImage, ThreeCoefficientsLowByteFirstThenEndMarkers)
{
    const Area area = encode(buffer({0.5F, 0.25F, 0.125F}), 3);
    const std::uint8_t expected[] = {0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x80, 0x3E, 0x00, 0x00, 0x00, 0x3E};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), area.begin()));
    EXPECT_TRUE(allFfFrom(area, 12));
}

TEST(FirImage, ImpulsesAndEmptyChannelsAreAllFf)
{
    struct Case
    {
        const char* name;
        qx::FirChannelBuffer coeffs;
        int count;
    };
    const Case cases[] = {{"impulse of 512", qx::unitImpulse(), 512},
                          {"count 1", buffer({1.0F, 0.7F}), 1},
                          {"count 0", buffer({0.3F}), 0},
                          {"negative count", buffer({0.3F}), -4}};
    for (const Case& c : cases) {
        EXPECT_TRUE(allFfFrom(encode(c.coeffs, c.count), 0)) << c.name;
    }
    EXPECT_FALSE(allFfFrom(encode(buffer({1.0F, 0.0F, 0.1F}), 3), 0)) << "a later non-zero is no impulse";
}

TEST(FirImage, CountAboveBufferIsClampedTo2048)
{
    qx::FirChannelBuffer coeffs{};
    coeffs.fill(0.01F);
    const Area area = encode(coeffs, 65535);
    EXPECT_EQ(qx::getFloatLe(area, qx::kFirAreaSize - 4), 0.01F);
}

TEST(FirImage, ReadingFollowsTheRefusalRules)
{
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInf = std::numeric_limits<float>::infinity();
    struct Case
    {
        const char* name;
        std::size_t slot;
        float value;
        qx::FirAreaRead expected;
    };
    const Case cases[] = {
        {"above 50 in slot 0", 0, 60.0F, {qx::FirAreaKind::Impulse, -1}},
        {"infinite in slot 0", 0, kInf, {qx::FirAreaKind::Impulse, -1}},
        {"above 50 later", 10, 60.0F, {qx::FirAreaKind::Error, 10}},
        {"NaN later", 3, kNaN, {qx::FirAreaKind::Error, 3}},
        {"minus infinity later", 7, -kInf, {qx::FirAreaKind::Error, 7}},
        {"exactly 50", 5, 50.0F, {qx::FirAreaKind::Coefficients, -1}},
        {"below minus 50 accepted", 5, -60.0F, {qx::FirAreaKind::Coefficients, -1}},
    };
    for (const Case& c : cases) {
        Area area =
            encode(buffer({0.5F, 0.25F, 0.125F, 0.0625F, 0.1F, 0.2F, 0.3F, 0.4F, 0.6F, 0.7F, 0.8F}), 11);
        qx::putFloatLe(area, 4 * c.slot, c.value);
        qx::FirChannelBuffer out{};
        out.fill(9.0F);
        EXPECT_EQ(qx::readFirArea(area, out), c.expected) << c.name;
        if (c.expected.kind != qx::FirAreaKind::Coefficients) {
            EXPECT_EQ(out, qx::unitImpulse()) << c.name;
        } else {
            EXPECT_EQ(out[c.slot], c.value) << c.name;
        }
    }
}

TEST(FirImage, EndMarkerReadsAsZeroAndReadingGoesOn)
{
    Area area = encode(buffer({0.5F, 0.25F, 0.125F}), 3);
    qx::putFloatLe(area, 4 * 5, 0.75F); // a value behind end markers
    qx::FirChannelBuffer out{};
    out.fill(9.0F);
    EXPECT_EQ(qx::readFirArea(area, out).kind, qx::FirAreaKind::Coefficients);
    EXPECT_EQ(out[2], 0.125F);
    EXPECT_EQ(out[3], 0.0F);
    EXPECT_EQ(out[5], 0.75F);
    EXPECT_EQ(out[2047], 0.0F);
}

TEST(FirImage, ImageTakesCountsFromTheRecord)
{
    qx::UnitRecord record = qx::kFactoryDefaultRecord;
    qx::writeWord(record, qx::rec::firCount(0), 3);
    qx::writeWord(record, qx::rec::firCount(11), 40000); // clamped
    qx::FirBuffers buffers = qx::unitImpulseBuffers();
    buffers[0] = buffer({0.5F, 0.25F, 0.125F});
    buffers[11].fill(0.5F);
    const qx::FirCounts counts = qx::firCountsOf(record);
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(counts[4], 512);
    EXPECT_EQ(counts[11], 2048);
    const qx::Bytes image = qx::encodeFirImage(buffers, counts);
    ASSERT_EQ(image.size(), 98304U);
    EXPECT_EQ(qx::getFloatLe(image, 8), 0.125F);
    EXPECT_EQ(image[12], 0xFF);
    EXPECT_EQ(image[8192], 0xFF) << "channel 1 is an impulse";
    EXPECT_EQ(qx::getFloatLe(image, 98300), 0.5F);
}

// The readback table as the state load walks it. 98304 = 1890 x 52 + 24:
// the end entry is block 1890 at byte 24, and the blocks are 0-1890.
TEST(FirImage, BlockTableMatchesTheImageArithmetic)
{
    const int blocks[] = {0, 157, 315, 472, 630, 787, 945, 1102, 1260, 1417, 1575, 1732, 1890};
    const int offsets[] = {0, 28, 4, 32, 8, 36, 12, 40, 16, 44, 20, 48, 24};
    for (int c = 0; c <= 12; ++c) {
        EXPECT_EQ(qx::firChannelStart(c), (qx::FirBlockPosition{blocks[c], offsets[c]})) << "channel " << c;
    }
    EXPECT_EQ(qx::kFirBlockCount, 1891);
    EXPECT_EQ(qx::firBlockBegin(1890) + 24, qx::kFirImageSize);
    EXPECT_EQ(qx::firBlockEndInImage(1890), qx::kFirImageSize);
    EXPECT_EQ(qx::firBlockEndInImage(1889), qx::firBlockBegin(1890));
}

TEST(FirImage, LastBlockOfAChannelHoldsItsLastByte)
{
    for (int c = 0; c < 12; ++c) {
        const int last = qx::firChannelLastBlock(c);
        const std::size_t lastByte = qx::kFirAreaSize * static_cast<std::size_t>(c + 1) - 1;
        EXPECT_LE(qx::firBlockBegin(last), lastByte) << "channel " << c;
        EXPECT_GT(qx::firBlockEndInImage(last), lastByte) << "channel " << c;
        // Every later channel starts inside a block, so the channel before it
        // ends in that very block, not in the one before.
        EXPECT_EQ(last, qx::firChannelStart(c + 1).block) << "channel " << c;
    }
    EXPECT_EQ(qx::firChannelLastBlock(11), 1890);
}

TEST(FirImage, SectorsClearedForAnImpulseChannel)
{
    struct Case
    {
        int set;
        int channel;
        std::vector<int> sectors;
    };
    const Case cases[] = {{0, 0, {0, 1}},   {0, 3, {6, 7}},          {0, 4, {8}}, {0, 6, {12}}, {0, 11, {22}},
                          {1, 0, {24, 25}}, {20, 11, {20 * 24 + 22}}};
    for (const Case& c : cases) {
        const qx::FirSectors s = qx::firChannelSectors(c.set, c.channel);
        EXPECT_EQ(std::vector<int>(s.sector.begin(), s.sector.begin() + s.count), c.sectors)
            << "set " << c.set << " channel " << c.channel;
    }
}

} // namespace
