#include "codec/FrameAssembler.h"

#include "FrameBuilder.h"
#include "codec/LCmd.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

namespace {

using qx::Frame;
using qx::FrameAssembler;
using qx::test::replyFrame;

std::vector<Frame> feed(FrameAssembler& assembler, const std::vector<std::uint8_t>& bytes)
{
    std::vector<Frame> frames;
    for (const auto byte : bytes)
        assembler.push(byte, [&](const Frame& f) { frames.push_back(f); });
    return frames;
}

// The same bytes handed over in one piece, as a read delivers them.
std::vector<Frame> feedAtOnce(FrameAssembler& assembler, const std::vector<std::uint8_t>& bytes)
{
    std::vector<Frame> frames;
    assembler.push(std::span<const std::uint8_t>(bytes), [&](const Frame& f) { frames.push_back(f); });
    return frames;
}

std::vector<std::uint8_t> join(std::initializer_list<std::vector<std::uint8_t>> parts)
{
    std::vector<std::uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(FrameAssembler, AFrameSplitAtEveryPositionCompletesOnce)
{
    const Frame frame = replyFrame(1, 0x24, {0x10, 0x02, 0x10, 0x03, 0x00}); // markers inside the payload
    for (std::size_t split = 0; split < frame.size(); ++split) {
        FrameAssembler assembler;
        const auto first = feed(assembler, {frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(split)});
        const auto second = feed(assembler, {frame.begin() + static_cast<std::ptrdiff_t>(split), frame.end()});
        EXPECT_TRUE(first.empty()) << "split at " << split;
        EXPECT_EQ(second, std::vector<Frame>{frame}) << "split at " << split;
        EXPECT_EQ(assembler.buffered(), 0u);

        FrameAssembler pieces;
        EXPECT_TRUE(feedAtOnce(pieces, {frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(split)}).empty());
        EXPECT_EQ(feedAtOnce(pieces, {frame.begin() + static_cast<std::ptrdiff_t>(split), frame.end()}),
                  std::vector<Frame>{frame})
            << "in two pieces, split at " << split;
    }
}

TEST(FrameAssembler, CutsStreamsIntoTheirFrames)
{
    const Frame a = replyFrame(1, 0x10, {});
    const Frame b = replyFrame(1, 0x13, {'Q', 'X'});
    const Frame other = replyFrame(7, 0x12, {0}); // another device's reply is still a frame
    const struct
    {
        const char* rule;
        std::vector<std::uint8_t> bytes;
        std::vector<Frame> frames;
    } cases[] = {
        {"several frames in one read", join({a, b, other}), {a, b, other}},
        {"junk before the start marker", join({{0x05, 0x03, 0xFF}, a}), {a}},
        {"a repeated 0x10 before 10 02",
         {0x05, 0x10, 0x10, 0x02, 0x00, 0x01, 0x01, 0x01, 0x10, 0x03, 0x12},
         {{0x10, 0x02, 0x00, 0x01, 0x01, 0x01, 0x10, 0x03, 0x12}}},
        {"10 then not 02 restarts the scan", join({{0x10, 0x05}, a}), {a}},
        {"length 0 is a false start", join({{0x10, 0x02, 0x00, 0x01, 0x00}, a}), {a}},
        {"the 8-byte frame with length 0 is not a reply", join({{0x10, 0x02, 0x00, 0x01, 0x00, 0x10, 0x03, 0x00}, a}), {a}},
        {"a frame without its trailer is dropped and the scan restarts inside it",
         join({{0x10, 0x02, 0x00, 0x00, 0x09}, a, {0x00}}), {a}},
        {"a wrong 03 marker is a false start too", join({{0x10, 0x02, 0x01, 0x00, 0x01, 0x12, 0x10, 0x04, 0x00}, b}), {b}},
    };
    for (const auto& c : cases) {
        FrameAssembler assembler;
        EXPECT_EQ(feed(assembler, c.bytes), c.frames) << c.rule;
        FrameAssembler atOnce;
        EXPECT_EQ(feedAtOnce(atOnce, c.bytes), c.frames) << c.rule << ", in one piece";
    }
}

TEST(FrameAssembler, TheChecksumIsNotChecked)
{
    Frame frame = replyFrame(1, 0x01, {0x00});
    frame.back() ^= 0xFF;
    FrameAssembler assembler;
    EXPECT_EQ(feed(assembler, frame), std::vector<Frame>{frame});
}

TEST(FrameAssembler, NeverHoldsMoreThanOneMaximalFrame)
{
    FrameAssembler assembler;
    // A header announcing 255 bytes, then noise that never brings the trailer.
    std::vector<std::uint8_t> bytes{0x10, 0x02, 0x00, 0x01, 0xFF};
    for (int i = 0; i < 2000; ++i)
        bytes.push_back(static_cast<std::uint8_t>(0x20 + i % 50));
    std::size_t largest = 0;
    for (const auto byte : bytes) {
        assembler.push(byte, [](const Frame&) {});
        largest = std::max(largest, assembler.buffered());
    }
    EXPECT_LE(largest, 255u + qx::frame::kOverhead);
    const Frame a = replyFrame(1, 0x10, {});
    EXPECT_EQ(feed(assembler, a), std::vector<Frame>{a}) << "the assembler recovers after the noise";
}

} // namespace
