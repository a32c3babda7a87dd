#include "link/SendQueue.h"

#include "LinkFakes.h"
#include "codec/LCmd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qx::Frame;
using qx::SendQueue;
using qx::test::command;
using qx::test::gain;

Frame peq(std::uint8_t channel, std::uint8_t band, std::uint8_t gainIndex)
{
    return command(0x33, {channel, band, gainIndex, 0, 0, 0, 0, 0, 0});
}

Frame mix(std::uint8_t output, std::uint8_t input, std::uint8_t level)
{
    return command(0x41, {output, input, level, 0});
}

const Frame kMeterPoll = command(0x40, {});

TEST(SameTarget, ComparesCodeAndAddressingBytesOnly)
{
    const struct
    {
        const char* rule;
        Frame a, b;
        bool same;
    } cases[] = {
        {"same channel, other value", gain(4, 300), gain(4, 310), true},
        {"other channel", gain(4, 300), gain(5, 300), false},
        {"other code", gain(4, 300), command(0x35, {4, 1}), false},
        {"PEQ: same channel and band", peq(2, 3, 10), peq(2, 3, 11), true},
        {"PEQ: same channel, other band", peq(2, 3, 10), peq(2, 4, 10), false},
        {"mix: same output and input", mix(6, 1, 5), mix(6, 1, 9), true},
        {"mix: same output, other input", mix(6, 1, 5), mix(6, 2, 5), false},
        {"meter polls carry no address", kMeterPoll, kMeterPoll, true},
        {"other device", gain(4, 300), command(0x34, {4, 0x2C, 0x01}, 2), false},
        {"a code of unknown layout must match whole", command(0x4C, {4, 1}), command(0x4C, {4, 2}), false},
        {"a frame too short to hold its channel", command(0x34, {}), command(0x34, {}), false},
        {"not a frame", Frame{0x10}, Frame{0x10}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::sameTarget(c.a, c.b), c.same) << c.rule;
}

TEST(SendQueue, ANonUrgentFrameReplacesOnlyTheWaitingChangeOfTheSameTarget)
{
    SendQueue queue;
    queue.add(gain(4, 300), false);
    queue.add(gain(4, 310), false);
    EXPECT_EQ(queue.frames(), (std::deque<Frame>{gain(4, 310)})) << "the newer value of channel 4 stands in";
    queue.add(gain(5, 200), false);
    EXPECT_EQ(queue.frames(), (std::deque<Frame>{gain(4, 310), gain(5, 200)}))
        << "channel 5's change must not drop channel 4's";
}

TEST(SendQueue, AFrameOfAnotherCodeQueuesAndBecomesTheReplaceableOne)
{
    SendQueue queue;
    queue.add(gain(4, 300), false);
    queue.add(kMeterPoll, false);
    queue.add(gain(4, 310), false);
    EXPECT_EQ(queue.frames(), (std::deque<Frame>{gain(4, 300), kMeterPoll, gain(4, 310)}))
        << "a gain after a meter poll is appended: nothing moves past the poll";
    queue.add(gain(4, 320), false);
    EXPECT_EQ(queue.frames().back(), gain(4, 320));
}

TEST(SendQueue, RepeatedMeterPollsCollapse)
{
    SendQueue queue;
    queue.add(kMeterPoll, false);
    queue.add(kMeterPoll, false);
    EXPECT_EQ(queue.size(), 1u);
}

TEST(SendQueue, UrgentFramesAreNeverReplacedAndNothingIsReplacedAcrossThem)
{
    const Frame name = command(0x3D, {4, 'O', 'u', 't', '1', ' ', ' ', ' ', ' '});
    const Frame reset = peq(2, 3, 0);

    SendQueue queue;
    queue.add(gain(4, 300), false);
    queue.add(name, true);
    queue.add(command(0x3D, {4, 'X', 0, 0, 0, 0, 0, 0, 0}), false);
    EXPECT_EQ(queue.size(), 3u) << "a non-urgent frame of the urgent frame's code does not replace the waiting gain";

    SendQueue empty;
    empty.add(reset, true);
    EXPECT_FALSE(empty.hasReplaceable()) << "an urgent frame never becomes the replaceable frame";
    empty.add(peq(2, 3, 7), false);
    EXPECT_EQ(empty.frames(), (std::deque<Frame>{reset, peq(2, 3, 7)})) << "the PEQ edit after a reset comes after it";

    SendQueue across;
    across.add(peq(2, 3, 5), false);
    across.add(reset, true);
    across.add(peq(2, 3, 6), false);
    EXPECT_EQ(across.frames(), (std::deque<Frame>{peq(2, 3, 5), reset, peq(2, 3, 6)}))
        << "an edit must not jump ahead of the reset queued after the one it would replace";
}

TEST(SendQueue, UrgentFramesKeepTheirOrder)
{
    SendQueue queue;
    for (std::uint8_t piece = 0; piece < 4; ++piece)
        queue.add(command(0x27, {piece}), true);
    for (std::uint8_t piece = 0; piece < 4; ++piece)
        EXPECT_EQ(queue.takeNext(), command(0x27, {piece}));
    EXPECT_EQ(queue.takeNext(), std::nullopt);
}

TEST(SendQueue, TakingTheLastFrameLeavesNoReplaceableFrame)
{
    SendQueue queue;
    queue.add(gain(4, 300), false);
    queue.add(gain(5, 300), false);
    queue.takeNext();
    EXPECT_TRUE(queue.hasReplaceable()) << "the tail still waits";
    queue.takeNext();
    EXPECT_FALSE(queue.hasReplaceable());
    queue.add(gain(5, 310), false);
    EXPECT_EQ(queue.size(), 1u);
    queue.clear();
    EXPECT_TRUE(queue.empty());
    EXPECT_FALSE(queue.hasReplaceable());
}

} // namespace
