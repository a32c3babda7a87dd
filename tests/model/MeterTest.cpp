// Meter replies: level and gain-reduction segment tables, the engagement
// word against the armed controls, the DSP load text and the flashing of its
// label.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExchangeFixture.h"
#include "model/MeterDecode.h"

namespace {

using qx::DspLabelStyle;
using qx::ExchangeTimer;

struct LevelCase
{
    int channel;
    int level;
    int segments;
};

TEST(MeterDecode, LevelSegments)
{
    const std::vector<LevelCase> cases = {
        {0, -73, 0}, {0, -72, 0}, {0, -71, 1}, {0, 20, 8},   {3, -128, 0}, {3, 127, 8},
        {4, -30, 3}, {4, -11, 6}, {4, -10, 6}, {11, -9, 7},  {2, -11, 7},  {2, -12, 6},
        {2, -13, 6}, {7, -4, 7},  {7, -3, 8},  {7, -10, 6},  {0, -4, 7},   {0, -3, 8},
    };
    for (const LevelCase& c : cases) {
        EXPECT_EQ(qx::levelSegments(c.channel, static_cast<std::int8_t>(c.level)), c.segments)
            << "channel " << c.channel << " level " << c.level;
    }
}

TEST(MeterDecode, GainReductionSegments)
{
    const std::vector<std::pair<int, int>> cases = {{0, 0},   {-1, 1},  {-4, 3},   {-5, 4},    {-49, 8},
                                                    {-50, 9}, {-100, 9}, {-128, 9}, {127, 0}, {-2, 2}};
    for (const auto& [reduction, segments] : cases) {
        EXPECT_EQ(qx::gainReductionSegments(static_cast<std::int8_t>(reduction)), segments) << reduction;
    }
}

struct LoadCase
{
    std::uint32_t idle;
    const char* text; // nullptr: the label keeps its text
};

TEST(MeterDecode, DspLoadTextIsSignedArithmetic)
{
    const std::vector<LoadCase> cases = {{0, "DSP:100.0%"},       {8181, "DSP:0.0%"},
                                         {4090, "DSP:50.0%"},     {8100, "DSP:1.0%"},
                                         {8182, nullptr},         {0xFFFFFFFFU, nullptr},
                                         {0x80000000U, nullptr}};
    for (const LoadCase& c : cases) {
        const auto text = qx::dspLoadText(qx::dspLoad(c.idle));
        if (c.text == nullptr) {
            EXPECT_FALSE(text.has_value()) << c.idle;
        } else {
            EXPECT_EQ(text.value_or("none"), c.text) << c.idle;
        }
    }
}

class MeterMonitorTest : public qxtest::ExchangeFixture
{
protected:
    static std::vector<std::uint8_t> meterReply(std::uint32_t idle, int level = -60, int reduction = 0,
                                                std::uint16_t engaged = 0)
    {
        std::vector<std::uint8_t> p(34);
        for (std::size_t c = 0; c < 12; ++c) {
            p[c] = static_cast<std::uint8_t>(level);
        }
        for (std::size_t i = 12; i < 28; ++i) {
            p[i] = static_cast<std::uint8_t>(reduction);
        }
        p[28] = static_cast<std::uint8_t>(engaged & 0xFF);
        p[29] = static_cast<std::uint8_t>(engaged >> 8);
        for (std::size_t k = 0; k < 4; ++k) {
            p[30 + k] = static_cast<std::uint8_t>(idle >> (8 * k));
        }
        return p;
    }

    static std::uint32_t idleFor(double load) { return static_cast<std::uint32_t>(8181.0 * (100.0 - load) / 100.0); }
};

TEST_F(MeterMonitorTest, ReplyBecomesAFrame)
{
    std::vector<std::uint8_t> p = meterReply(8181);
    p[0] = static_cast<std::uint8_t>(-71);
    p[5] = static_cast<std::uint8_t>(-30);
    p[12] = static_cast<std::uint8_t>(-4);  // compressor of output 1
    p[13] = static_cast<std::uint8_t>(-4);  // compressor of output 2: not engaged
    p[21] = static_cast<std::uint8_t>(-100); // limiter of output 2
    p[14] = static_cast<std::uint8_t>(-20); // compressor of output 3: bit set, ratio at 0
    p[28] = 0x05;                           // compressors 1 and 3
    p[29] = 0x02;                           // limiter 2
    host.armed[2] = false;
    deliver(64, p);
    ASSERT_TRUE(host.meterFrame.has_value());
    const qx::MeterFrame& f = *host.meterFrame;
    EXPECT_EQ(f.level[0], 1);
    EXPECT_EQ(f.level[5], 3);
    EXPECT_EQ(f.level[1], 1); // -60
    EXPECT_TRUE(f.compEngaged[0]);
    EXPECT_EQ(f.compReduction[0], 3);
    EXPECT_FALSE(f.compEngaged[1]);
    EXPECT_EQ(f.compReduction[1], 0);
    EXPECT_TRUE(f.limitEngaged[1]);
    EXPECT_EQ(f.limitReduction[1], 9);
    EXPECT_FALSE(f.compEngaged[2]) << "a compressor whose ratio is 0 does not act";
    EXPECT_EQ(f.compReduction[2], 0);
    EXPECT_EQ(host.dspText, "DSP:0.0%");
}

TEST_F(MeterMonitorTest, ShortReplyShowsNothing)
{
    deliver(64, std::vector<std::uint8_t>(33, 0));
    dispatcher.meters().OnMeterReply(std::vector<std::uint8_t>(33, 0));
    EXPECT_FALSE(host.meterFrame.has_value());
    EXPECT_TRUE(host.dspText.empty());
}

TEST_F(MeterMonitorTest, LabelFlashesFromNinetyNinePercentAndCalmsOnTheThirdReplyBelow)
{
    deliver(64, meterReply(idleFor(99.5)));
    EXPECT_EQ(host.dspStyle, DspLabelStyle::Alarm);
    EXPECT_TRUE(host.timer(ExchangeTimer::MipsFlash));
    dispatcher.meters().OnMipsFlashTimer();
    EXPECT_EQ(host.dspStyle, DspLabelStyle::AlarmDim);
    dispatcher.meters().OnMipsFlashTimer();
    EXPECT_EQ(host.dspStyle, DspLabelStyle::Alarm);
    deliver(64, meterReply(idleFor(50)));
    deliver(64, meterReply(idleFor(50)));
    EXPECT_TRUE(host.timer(ExchangeTimer::MipsFlash));
    EXPECT_EQ(dispatcher.meters().MipsFlashCount(), 1);
    deliver(64, meterReply(idleFor(50)));
    EXPECT_FALSE(host.timer(ExchangeTimer::MipsFlash));
    EXPECT_EQ(host.dspStyle, DspLabelStyle::Calm);
    EXPECT_EQ(host.dspText, "DSP:50.0%");
}

TEST_F(MeterMonitorTest, IdleCountAboveCapacityKeepsTheTextButCountsBelowTheAlarm)
{
    deliver(64, meterReply(0));
    EXPECT_EQ(host.dspText, "DSP:100.0%");
    for (int k = 0; k < 3; ++k) {
        deliver(64, meterReply(9000));
    }
    EXPECT_EQ(host.dspText, "DSP:100.0%");
    EXPECT_EQ(host.dspStyle, DspLabelStyle::Calm);
    EXPECT_EQ(dispatcher.meters().LastIdleCount(), 9000U);
}

TEST_F(MeterMonitorTest, PollAndReset)
{
    dispatcher.meters().OnMeterPollTimer();
    EXPECT_EQ(takeSent(), std::vector<qxtest::Sent>{command(0x40, {}, false)});
    deliver(64, meterReply(0, 20, -30, 0xFFFF));
    dispatcher.meters().ResetMeters();
    EXPECT_EQ(host.meterFrame, qx::MeterFrame{});
    EXPECT_EQ(host.dspText, "DSP:0.0%");
    EXPECT_EQ(host.dspStyle, DspLabelStyle::Calm);
    EXPECT_EQ(dispatcher.meters().LastIdleCount(), 8181U);
    EXPECT_TRUE(host.timer(ExchangeTimer::MipsFlash)) << "a reset leaves the flash timer running";
}

} // namespace
