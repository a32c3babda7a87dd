// Reply dispatch: the device id check, malformed and short frames, the
// acknowledgement steps, the ends of the bulk transfers and the reset of the
// exchanges around a connection.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ExchangeFixture.h"
#include "model/FactoryDefault.h"

namespace {

using qx::ExchangeTimer;
using qxtest::Frame;
using qxtest::Sent;

class ReplyDispatcherTest : public qxtest::ExchangeFixture
{
};

TEST_F(ReplyDispatcherTest, OtherDeviceIdOnlyReportsTheLinks)
{
    dispatcher.BeginConnect();
    dispatcher.state().ackStep = 2;
    const qx::ExchangeState before = dispatcher.state();
    for (std::uint8_t code : {1, 16, 19, 34, 89}) {
        dispatcher.OnDeviceReply(qxtest::replyFrame(2, code, std::vector<std::uint8_t>(60, 1)));
    }
    EXPECT_TRUE(host.timer(ExchangeTimer::ComScan));
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(dispatcher.state().ackStep, before.ackStep);
    EXPECT_TRUE(dispatcher.state().connecting);
}

TEST_F(ReplyDispatcherTest, MalformedFramesDoNothing)
{
    goOnline();
    dispatcher.state().ackStep = 3;
    host.deviceId = 0; // a broken frame parses as id 0, code 0
    const std::vector<Frame> frames = {
        {},
        {0x10},
        {0x10, 0x02, 0x00, 0x00, 0x01, 0x01, 0x10, 0x03},       // one byte short
        {0x10, 0x02, 0x00, 0x00, 0x05, 0x01, 0x10, 0x03, 0x00}, // length disagrees
        {0x10, 0x02, 0x00, 0x00, 0x00, 0x01, 0x10, 0x03, 0x00}, // length 0
        Frame(300, 0xFF),
    };
    for (const Frame& f : frames) {
        dispatcher.OnDeviceReply(f);
    }
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(dispatcher.state().ackStep, 3);

    // Without its end marker a frame would parse as code 0x10 from id 0.
    dispatcher.BeginConnect();
    dispatcher.OnDeviceReply(Frame{0x10, 0x02, 0x00, 0x00, 0x01, 0x10, 0x10, 0x04, 0x17});
    EXPECT_TRUE(dispatcher.state().connecting);
    EXPECT_TRUE(host.sent.empty());
}

struct ShortReply
{
    std::uint8_t code;
    std::size_t length;
};

TEST_F(ReplyDispatcherTest, RepliesShorterThanTheirHandlerReadsAreDropped)
{
    const std::vector<ShortReply> table = {{20, 1},  {34, 20}, {41, 15}, {44, 7},  {45, 2},
                                           {64, 34}, {86, 55}, {89, 1},  {36, 51}, {40, 51}, {25, 21}};
    for (const ShortReply& r : table) {
        goOnline();
        dispatcher.state().transferKind = qx::kTransferPresetFile;
        host.position = 50;
        for (std::size_t n = 0; n < r.length; ++n) {
            deliver(r.code, std::vector<std::uint8_t>(n, 1));
        }
        EXPECT_TRUE(host.sent.empty()) << "code " << int(r.code);
        EXPECT_TRUE(host.calls.empty()) << "code " << int(r.code);
        EXPECT_EQ(host.unlockReplyState, -1);
        EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferPresetFile) << "code " << int(r.code);
    }
}

TEST_F(ReplyDispatcherTest, StoreAcknowledgementsChain)
{
    goOnline();
    dispatcher.state().currentPreset = 7;
    dispatcher.state().ackStep = 2;
    host.timers[ExchangeTimer::ProcessShow] = true;
    deliver(1, {});
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x21, {7}, true)});
    EXPECT_EQ(host.linkTimeout, 10000);
    EXPECT_EQ(host.position, 1);
    EXPECT_EQ(dispatcher.state().ackStep, 9);

    deliver(1, {});
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x12, {}, false)});
    EXPECT_EQ(host.position, host.maximum);
    EXPECT_EQ(host.calls, std::vector<std::string>{"CloseProgressWindow"});
    EXPECT_TRUE(host.timer(ExchangeTimer::InLevelDet));
    EXPECT_FALSE(host.timer(ExchangeTimer::ProcessShow)) << "a pending show is cancelled";
    EXPECT_EQ(dispatcher.state().ackStep, 0);

    deliver(1, {});
    EXPECT_TRUE(host.sent.empty()) << "a third acknowledgement does nothing";
}

TEST_F(ReplyDispatcherTest, FactoryDefaultAndReloadStepsStartTheStateLoad)
{
    for (int step : {3, 6}) {
        goOnline();
        dispatcher.state().ackStep = step;
        deliver(1, {});
        EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x22, {}, true)}) << "step " << step;
        EXPECT_EQ(host.linkTimeout, 5000);
        EXPECT_EQ(dispatcher.state().ackStep, 0);
        deliver(34, std::vector<std::uint8_t>(20, 0));
        EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x14, {}, true)}) << "the load accepts its answer";
    }
}

TEST_F(ReplyDispatcherTest, RecallStepStartsTheReadback)
{
    goOnline();
    host.timers[ExchangeTimer::PresetLoadCount] = true;
    dispatcher.state().ackStep = 1;
    deliver(1, {});
    EXPECT_FALSE(host.timer(ExchangeTimer::PresetLoadCount));
    EXPECT_EQ(host.calls, std::vector<std::string>{"CloseProgressWindow"});
    EXPECT_EQ(host.linkTimeout, 5000);
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x56, {0, 0, 0}, true)});
    EXPECT_EQ(host.maximum, 1891);
    EXPECT_EQ(host.statusText, "SID_UPLOAD_FIR_COEFFICIENT");
    std::vector<std::uint8_t> block(55, 0);
    deliver(86, block);
    EXPECT_TRUE(host.timer(ExchangeTimer::ProcessShow)) << "block 0 arms the progress window";
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x56, {0, 1, 0}, true)});
    EXPECT_EQ(host.position, 0);
}

TEST_F(ReplyDispatcherTest, UnitDownloadHeaderStep)
{
    goOnline();
    dispatcher.state().ackStep = 4; // no upload has opened a preset
    deliver(1, {});
    EXPECT_TRUE(takeSent().empty());

    for (std::size_t k = 0; k < dispatcher.state().unitFileHeader.size(); ++k) {
        dispatcher.state().unitFileHeader[k] = static_cast<std::uint8_t>(0xA0 + k);
    }
    dispatcher.state().ackStep = 10;
    deliver(1, {});
    const std::vector<Sent> sent = takeSent();
    ASSERT_EQ(sent.size(), 1U);
    const Sent expected =
        command(0x1A, {0x01, 0x00, 20,   0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9,
                       0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF, 0xB0, 0xB1, 0xB2, 0xB3, 0xB4},
                true);
    EXPECT_EQ(sent[0], expected);
    EXPECT_EQ(host.maximum, 38280);
    EXPECT_EQ(host.position, 0);
    EXPECT_EQ(host.statusText, "SID_DOWNLOAD_PRESET");
    EXPECT_EQ(dispatcher.state().ackStep, 5);
    deliver(1, {});
    EXPECT_EQ(dispatcher.state().ackStep, 0);
}

TEST_F(ReplyDispatcherTest, IdleAcknowledgementCountsOnlyDuringBulkTransfers)
{
    goOnline();
    host.position = 3;
    deliver(1, {});
    EXPECT_EQ(host.position, 3);
    for (int kind : {qx::kTransferPresetFile, qx::kTransferUnitDownloadFir}) {
        dispatcher.state().transferKind = kind;
        deliver(1, {});
        dispatcher.state().ackStep = 8; // the lock step counts the same way
        deliver(1, {});
    }
    EXPECT_EQ(host.position, 7);
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(ReplyDispatcherTest, PresetFileTransferEndsAtTheFirstMeterReplyFromPosition11)
{
    goOnline();
    dispatcher.state().transferKind = qx::kTransferPresetFile;
    host.timers[ExchangeTimer::ProcessShow] = true;
    host.position = 10;
    deliver(64, std::vector<std::uint8_t>(34, 0));
    EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferPresetFile);
    EXPECT_TRUE(host.sent.empty());
    host.position = 11;
    deliver(64, std::vector<std::uint8_t>(34, 0));
    EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone);
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x12, {}, false)});
    EXPECT_EQ(host.calls, std::vector<std::string>{"CloseProgressWindow"});
    EXPECT_FALSE(host.timer(ExchangeTimer::ProcessShow)) << "a pending show is cancelled";
}

TEST_F(ReplyDispatcherTest, DeviceInfoEndsTheUnitDownload)
{
    goOnline();
    dispatcher.state().transferKind = qx::kTransferUnitDownloadFir;
    deliver(16, {});
    EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone);
    EXPECT_TRUE(host.timer(ExchangeTimer::DownloadEnd));
    EXPECT_TRUE(host.sent.empty()) << "not taken as device information";
    EXPECT_TRUE(dispatcher.state().online);
}

struct TransferEndCase
{
    int kind;
    std::uint8_t byte0;
    bool ends;
};

TEST_F(ReplyDispatcherTest, TransferEndReply)
{
    const std::vector<TransferEndCase> cases = {{qx::kTransferNone, 1, false},
                                                {qx::kTransferPresetFile, 0, false},
                                                {qx::kTransferUnitDownloadFir, 2, false},
                                                {qx::kTransferPresetFile, 1, true},
                                                {qx::kTransferUnitDownloadFir, 1, true}};
    for (const TransferEndCase& c : cases) {
        goOnline();
        host.position = 5;
        host.timers.clear();
        dispatcher.state().transferKind = c.kind;
        deliver(89, {c.byte0});
        if (c.ends && c.kind == qx::kTransferUnitDownloadFir) {
            // As the answer to the burst's final request: the end timer.
            EXPECT_TRUE(host.sent.empty());
            EXPECT_TRUE(host.timer(ExchangeTimer::DownloadEnd));
            EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone);
        } else if (c.ends) {
            EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x12, {}, false)});
            EXPECT_EQ(host.position, host.maximum);
            EXPECT_EQ(host.calls, std::vector<std::string>{"CloseProgressWindow"});
            EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone);
        } else {
            EXPECT_TRUE(host.sent.empty());
            EXPECT_EQ(host.position, 5);
            EXPECT_EQ(dispatcher.state().transferKind, c.kind);
        }
    }
}

TEST_F(ReplyDispatcherTest, PasswordResultGoesToTheUnlockDialog)
{
    deliver(45, {1, 1});
    EXPECT_EQ(host.unlockReplyState, -1);
    deliver(45, {0, 1});
    EXPECT_EQ(host.unlockReplyState, 1);
}

TEST_F(ReplyDispatcherTest, CoefficientBlocksOfAStoredPresetAreNotTheCurrentSettings)
{
    goOnline();
    dispatcher.state().ackStep = 1;
    deliver(1, {});
    host.sent.clear();
    dispatcher.state().presetFirSlot = 3;
    std::vector<std::uint8_t> block(55, 0x3F);
    block[1] = 0;
    block[2] = 0;
    deliver(86, block);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(fir[0][0], 0.0F);
}

TEST_F(ReplyDispatcherTest, ConnectAndLossClearTheExchanges)
{
    for (const bool lost : {true, false}) {
        goOnline();
        dispatcher.state().ackStep = 2;
        dispatcher.state().transferKind = qx::kTransferPresetFile;
        dispatcher.state().presetFirSlot = 4;
        host.timers[ExchangeTimer::PresetLoadCount] = true;
        host.timers[ExchangeTimer::ProcessShow] = true;
        if (lost) {
            dispatcher.LinkClosed();
        } else {
            dispatcher.BeginConnect();
        }
        EXPECT_EQ(dispatcher.state().ackStep, 0);
        EXPECT_EQ(dispatcher.state().transferKind, qx::kTransferNone);
        EXPECT_EQ(dispatcher.state().presetFirSlot, 0);
        EXPECT_FALSE(host.timer(ExchangeTimer::PresetLoadCount));
        EXPECT_FALSE(host.timer(ExchangeTimer::ProcessShow));
        EXPECT_FALSE(dispatcher.state().online);
        EXPECT_EQ(dispatcher.state().connecting, !lost);
        deliver(1, {});
        EXPECT_TRUE(host.sent.empty()) << "the old step does not fire";
    }
}

TEST_F(ReplyDispatcherTest, ProgressIsWantedOnlyWhileSomethingRuns)
{
    EXPECT_FALSE(dispatcher.ProgressWanted());
    goOnline();
    deliver(44, {0, 0, 0, 0, 0, 1, 0}); // locked: step 8
    EXPECT_FALSE(dispatcher.ProgressWanted());
    dispatcher.state().ackStep = 2;
    EXPECT_TRUE(dispatcher.ProgressWanted());
    dispatcher.state().ackStep = 0;
    dispatcher.state().transferKind = qx::kTransferPresetFile;
    EXPECT_TRUE(dispatcher.ProgressWanted());
    deliver(89, {1});
    EXPECT_FALSE(dispatcher.ProgressWanted());
}

// Random replies in every phase of a connection: whatever arrives, nothing
// reads past a payload (the sanitizer builds check) and the record changes
// only through a complete, asked-for sequence of pieces.
TEST_F(ReplyDispatcherTest, RandomRepliesInEveryPhaseAreHarmless)
{
    std::mt19937 random(20261210);
    const std::vector<std::uint8_t> codes = {1,  2,  16, 19, 20, 25, 34, 36, 37,
                                             40, 41, 44, 45, 64, 86, 89, 0,  255};
    for (int round = 0; round < 200; ++round) {
        switch (round % 4) {
        case 0:
            dispatcher.BeginConnect();
            break;
        case 1:
            goOnline();
            break;
        case 2:
            goOnline();
            deliver(44, {0, 0, 0, 0, 0, 0, 0}); // loading: the flags are asked
            break;
        default:
            dispatcher.LinkClosed();
            break;
        }
        dispatcher.state().ackStep = static_cast<int>(random() % 12);
        dispatcher.state().transferKind = (random() % 2) != 0 ? qx::kTransferPresetFile : qx::kTransferNone;
        for (int k = 0; k < 50; ++k) {
            std::vector<std::uint8_t> payload(random() % 80);
            for (auto& b : payload) {
                b = static_cast<std::uint8_t>(random());
            }
            deliver(codes[random() % codes.size()], payload);
        }
    }
    EXPECT_EQ(unit.record(), qx::kFactoryDefaultRecord) << "no piece was asked for";
}

} // namespace
