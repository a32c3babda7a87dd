// Reading the coefficient memory back block by block: impulses, end markers
// that make the reading jump, the re-read start block and the last block.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/FirReadback.h"

namespace {

using qx::FirBuffers;
using qx::FirReadback;

struct Image
{
    qx::Bytes bytes;
    FirBuffers expected{};
};

// Channel c holds counts[c] coefficients 0.001 * (c + 1) * (k + 1); a count
// of 0 leaves the channel all FF (an impulse).
Image makeImage(const qx::FirCounts& counts)
{
    FirBuffers source{};
    Image image;
    for (int c = 0; c < qx::kChannelCount; ++c) {
        const auto ci = static_cast<std::size_t>(c);
        for (int k = 0; k < counts[ci]; ++k) {
            source[ci][static_cast<std::size_t>(k)] = 0.001F * static_cast<float>((c + 1) * (k + 1));
        }
        image.expected[ci] = counts[ci] == 0 ? qx::unitImpulse() : source[ci];
    }
    image.bytes = qx::encodeFirImage(source, counts);
    return image;
}

// The 52 bytes of block b; past the memory's end the processor sends zeros.
std::vector<std::uint8_t> blockData(const qx::Bytes& image, int b)
{
    std::vector<std::uint8_t> data(qx::kFirBlockSize, 0);
    for (std::size_t k = 0; k < qx::kFirBlockSize; ++k) {
        const std::size_t at = qx::firBlockBegin(b) + k;
        if (at < image.size()) {
            data[k] = image[at];
        }
    }
    return data;
}

// Serves every requested block; returns the blocks in request order.
std::vector<int> readAll(const qx::Bytes& image, FirBuffers& buffers)
{
    FirReadback readback;
    readback.Reset();
    std::vector<int> requested;
    while (!readback.Complete()) {
        const int b = readback.NextBlock();
        requested.push_back(b);
        if (!readback.Accept(b, blockData(image, b), buffers) || requested.size() > 4000) {
            ADD_FAILURE() << "block " << b << " refused";
            break;
        }
    }
    return requested;
}

qx::FirCounts fullCounts()
{
    qx::FirCounts counts;
    counts.fill(qx::kFirSlots);
    return counts;
}

FirBuffers garbageBuffers()
{
    FirBuffers buffers;
    for (auto& channel : buffers) {
        channel.fill(-7.0F);
    }
    return buffers;
}

TEST(FirReadback, FullMemoryIsReadInBlockOrderOnce)
{
    const Image image = makeImage(fullCounts());
    FirBuffers buffers = garbageBuffers();
    const std::vector<int> requested = readAll(image.bytes, buffers);
    ASSERT_EQ(requested.size(), 1891U);
    for (std::size_t k = 0; k < requested.size(); ++k) {
        ASSERT_EQ(requested[k], static_cast<int>(k));
    }
    EXPECT_EQ(buffers, image.expected);
}

TEST(FirReadback, MixedChannelsGiveTheirCoefficientsImpulsesAndZeros)
{
    const qx::FirCounts counts = {0, 3, 2045, 1000, 1024, 0, 1, 2048, 512, 12, 13, 2047};
    const Image image = makeImage(counts);
    FirBuffers buffers = garbageBuffers();
    readAll(image.bytes, buffers);
    for (std::size_t c = 0; c < buffers.size(); ++c) {
        EXPECT_EQ(buffers[c], image.expected[c]) << "channel " << c;
    }
}

TEST(FirReadback, ImpulseInChannel0JumpsToBlock157FromOffset28)
{
    qx::FirCounts counts = fullCounts();
    counts[0] = 0;
    const Image image = makeImage(counts);
    FirBuffers buffers = garbageBuffers();
    const std::vector<int> requested = readAll(image.bytes, buffers);
    ASSERT_GE(requested.size(), 2U);
    EXPECT_EQ(requested[1], 157);
    EXPECT_EQ(buffers[0], qx::unitImpulse()) << "block 157's first words are not channel 0's";
    EXPECT_EQ(buffers[1], image.expected[1]);
}

TEST(FirReadback, EndMarkerInLastWordsOfChannel0RereadsBlock157)
{
    qx::FirCounts counts = fullCounts();
    counts[0] = 2045; // the marker sits at byte 16 of block 157
    const Image image = makeImage(counts);
    FirBuffers buffers = garbageBuffers();
    const std::vector<int> requested = readAll(image.bytes, buffers);
    EXPECT_EQ(std::count(requested.begin(), requested.end(), 157), 2);
    EXPECT_EQ(requested.size(), 1892U);
    EXPECT_EQ(buffers[0][2044], image.expected[0][2044]);
    EXPECT_EQ(buffers[0][2045], 0.0F);
    EXPECT_EQ(buffers[0][2047], 0.0F);
    EXPECT_EQ(buffers[1], image.expected[1]);
}

TEST(FirReadback, EndMarkerInsideChannel3NextReadsChannel4)
{
    qx::FirCounts counts = fullCounts();
    counts[3] = 10;
    const Image image = makeImage(counts);
    FirReadback readback;
    readback.Reset();
    FirBuffers buffers = garbageBuffers();
    // Channel 3 starts at block 472 offset 32; its 11th slot is in block 473.
    while (readback.NextBlock() != 473) {
        ASSERT_TRUE(
            readback.Accept(readback.NextBlock(), blockData(image.bytes, readback.NextBlock()), buffers));
    }
    ASSERT_TRUE(readback.Accept(473, blockData(image.bytes, 473), buffers));
    EXPECT_EQ(readback.NextBlock(), 630);
    EXPECT_EQ(buffers[3][9], image.expected[3][9]);
    for (std::size_t k = 10; k < qx::kFirSlots; ++k) {
        ASSERT_EQ(buffers[3][k], 0.0F) << "slot " << k;
    }
}

TEST(FirReadback, LastBlockStoresOnlyTheMemorysFinal24Bytes)
{
    const Image image = makeImage(fullCounts());
    FirBuffers buffers{};
    std::vector<std::uint8_t> last = blockData(image.bytes, 1890);
    std::fill(last.begin() + 24, last.end(), 0x41); // would be 12.06 if stored
    FirReadback readback;
    readback.Reset();
    while (readback.NextBlock() != 1890) {
        ASSERT_TRUE(
            readback.Accept(readback.NextBlock(), blockData(image.bytes, readback.NextBlock()), buffers));
    }
    ASSERT_TRUE(readback.Accept(1890, last, buffers));
    EXPECT_TRUE(readback.Complete());
    EXPECT_EQ(buffers, image.expected);
}

TEST(FirReadback, CoefficientsAreLittleEndianFloats)
{
    FirReadback readback;
    readback.Reset();
    FirBuffers buffers{};
    std::vector<std::uint8_t> data(52, 0);
    data[0] = 0x00, data[1] = 0x00, data[2] = 0x80, data[3] = 0x3F; // 1.0
    data[4] = 0x00, data[5] = 0x00, data[6] = 0x00, data[7] = 0xBF; // -0.5
    ASSERT_TRUE(readback.Accept(0, data, buffers));
    EXPECT_EQ(buffers[0][0], 1.0F);
    EXPECT_EQ(buffers[0][1], -0.5F);
}

TEST(FirReadback, RefusesOtherBlocksShortDataAndAnythingAfterCompletion)
{
    FirReadback readback;
    readback.Reset();
    FirBuffers buffers = garbageBuffers();
    const FirBuffers before = buffers;
    const std::vector<std::uint8_t> data(52, 0);
    EXPECT_FALSE(readback.Accept(1, data, buffers)) << "not the block asked for";
    EXPECT_FALSE(readback.Accept(0, std::vector<std::uint8_t>(51, 0), buffers)) << "short block";
    EXPECT_EQ(buffers, before);
    EXPECT_EQ(readback.NextBlock(), 0);

    const Image image = makeImage(fullCounts());
    FirReadback finished;
    finished.Reset();
    FirBuffers read{};
    while (!finished.Complete()) {
        ASSERT_TRUE(
            finished.Accept(finished.NextBlock(), blockData(image.bytes, finished.NextBlock()), read));
    }
    EXPECT_FALSE(finished.Accept(1890, data, read));
    EXPECT_FALSE(finished.Accept(0, data, read));
    EXPECT_EQ(read, image.expected);
}

} // namespace
