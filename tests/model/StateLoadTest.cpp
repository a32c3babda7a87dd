// The handshake (device information, model check, lock status) and the state
// load driven by a scripted processor: what is asked, in which order, what
// the model holds afterwards, and that stray, repeated or short answers
// change nothing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExchangeFixture.h"
#include "ScriptedUnit.h"
#include "codec/CmMcs.h"

namespace {

using qx::ExchangeTimer;
using qxtest::FakeExchangeHost;
using qxtest::Sent;

class StateLoadTest : public qxtest::ExchangeFixture
{
protected:
    std::vector<std::uint8_t> text(const std::string& s) { return {s.begin(), s.end()}; }
};

TEST_F(StateLoadTest, DeviceInfoConnectsAndAsksForTheModel)
{
    dispatcher.BeginConnect();
    deliver(16, {});
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x13, {}, true)});
    EXPECT_FALSE(dispatcher.state().connecting);
    EXPECT_TRUE(dispatcher.state().connected);
    EXPECT_EQ(host.linkTimeout, 5000);
    EXPECT_EQ(host.linkRetries, 1);
    EXPECT_FALSE(host.keepAliveSuppressed);
}

TEST_F(StateLoadTest, RightModelGoesOnlineAndAsksForTheLockStatus)
{
    for (const bool usb : {false, true}) {
        host.usb = usb;
        dispatcher.BeginConnect();
        deliver(16, {});
        host.sent.clear();
        host.calls.clear();
        deliver(19, text("QX-73B V012 build 7"));
        EXPECT_EQ(host.calls, (std::vector<std::string>{"NotifyConnectResult 1", "ShowOnline"}));
        EXPECT_TRUE(dispatcher.state().online);
        EXPECT_EQ(host.linkTimeout, usb ? 5000 : 1000);
        EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x2C, {}, true)});
    }
}

struct ModelCase
{
    const char* model;
    const char* error;
};

TEST_F(StateLoadTest, WrongModelOrVersionClosesAndDropsTheLink)
{
    const std::vector<ModelCase> cases = {
        {"QX-73B V013", "SID_INFO_ERROR_VERSION"}, {"QX-73B", "SID_INFO_ERROR_VERSION"},
        {"QX-73B V01", "SID_INFO_ERROR_VERSION"},  {"QX-73A V012", "SID_INFO_ERROR_UNIT"},
        {"QX-7", "SID_INFO_ERROR_UNIT"},           {"", "SID_INFO_ERROR_UNIT"}};
    for (const ModelCase& c : cases) {
        dispatcher.BeginConnect();
        deliver(16, {});
        host.sent.clear();
        host.calls.clear();
        host.timers.clear();
        deliver(19, text(c.model));
        EXPECT_EQ(host.calls, (std::vector<std::string>{"NotifyConnectResult 1",
                                                        std::string("ShowModelError ") + c.error}))
            << c.model;
        EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x11, {}, true)}) << c.model;
        EXPECT_TRUE(host.keepAliveSuppressed);
        EXPECT_FALSE(dispatcher.state().connected);
        EXPECT_FALSE(dispatcher.state().online);
        EXPECT_TRUE(host.timer(ExchangeTimer::Disconnect));
    }
}

TEST_F(StateLoadTest, HandshakeRepliesOutsideTheirMomentAreDropped)
{
    const std::vector<std::uint8_t> model = text("QX-73B V012");
    deliver(16, {});    // not connecting
    deliver(19, model); // not connected
    EXPECT_TRUE(host.sent.empty());
    EXPECT_TRUE(host.calls.empty());

    goOnline();
    deliver(16, {});
    deliver(19, model);
    EXPECT_TRUE(host.sent.empty()) << "a second 16 or 19 while online";
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(StateLoadTest, UnlockedStatusStartsTheLoadAndShowsLockMode)
{
    goOnline();
    deliver(44, {0, 0, 0, 0, 0, 0, 1});
    EXPECT_TRUE(host.lockModeVisible);
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x22, {}, false)});
    deliver(44, {0, 0, 0, 0, 0, 0, 1});
    EXPECT_TRUE(host.sent.empty()) << "no lock status request outstanding";
}

TEST_F(StateLoadTest, LockedStatusWaitsForThePassword)
{
    goOnline();
    deliver(44, {0, 0, 0, 0, 0, 1, 0});
    EXPECT_FALSE(host.lockModeVisible);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(dispatcher.state().ackStep, 8);
    EXPECT_TRUE(host.timer(ExchangeTimer::Pts));
    dispatcher.StartStateLoad(false); // the accepted password
    EXPECT_EQ(takeSent(), std::vector<Sent>{command(0x22, {}, false)});
}

TEST_F(StateLoadTest, PresetNameRepliesFollowTheIndexAsked)
{
    goOnline();
    deliver(44, {0, 0, 0, 0, 0, 0, 0});
    deliver(34, std::vector<std::uint8_t>(20, 0));
    deliver(20, {3});
    EXPECT_EQ(dispatcher.state().currentPreset, 3);
    host.sent.clear();
    std::vector<std::uint8_t> name(15, 'n');
    name[0] = 1;
    deliver(41, name);
    EXPECT_TRUE(host.sent.empty()) << "index 0 was asked";
    for (std::uint8_t n = 0; n < 6; ++n) {
        name[0] = n;
        deliver(41, name);
    }
    EXPECT_EQ(host.sent.back(), command(0x29, {6}, true));
    name[0] = 20;
    deliver(41, name);
    name[0] = 200;
    deliver(41, name);
    EXPECT_EQ(host.sent.size(), 6U) << "indexes of 20 or more are ignored";
}

TEST_F(StateLoadTest, LastPresetNameStartsTheCoefficientReadback)
{
    goOnline();
    deliver(44, {0, 0, 0, 0, 0, 0, 0});
    deliver(34, std::vector<std::uint8_t>(20, 0));
    deliver(20, {0});
    std::vector<std::uint8_t> name(15, 'n');
    for (std::uint8_t n = 0; n < 20; ++n) {
        name[0] = n;
        deliver(41, name);
    }
    EXPECT_EQ(host.sent.back(), command(0x56, {0, 0, 0}, true));
    EXPECT_EQ(host.statusText, "SID_UPLOAD_FIR_COEFFICIENT");
    EXPECT_EQ(host.position, 0);
    EXPECT_EQ(host.maximum, 1891);
    EXPECT_TRUE(dispatcher.ProgressWanted());
}

class FullLoadTest : public StateLoadTest
{
protected:
    FullLoadTest()
    {
        processor.attach(host);
        qx::writeWord(processor.record, qx::rec::output(3) + qx::rec::kOutGain, 123);
        qx::writeText(processor.record, qx::rec::kPresetName, 14, "Loaded Preset!");
        processor.record[1259] = 0x5A;
        processor.flags[3] = 0xFF;
        processor.currentPreset = 4;
        qx::FirBuffers source = qx::unitImpulseBuffers();
        source[1][0] = 0.5F;
        source[1][1] = 0.25F;
        source[6][0] = -1.5F;
        source[6][1023] = 0.125F;
        qx::FirCounts counts{};
        counts[1] = 2;
        counts[6] = 1024;
        processor.firImage = qx::encodeFirImage(source, counts);
        expectedFir = qx::unitImpulseBuffers();
        expectedFir[1] = qx::FirChannelBuffer{};
        expectedFir[1][0] = 0.5F;
        expectedFir[1][1] = 0.25F;
        expectedFir[6] = source[6];
        fir = {}; // garbage would do as well: every slot is written
    }

    int connectAndLoad()
    {
        dispatcher.BeginConnect();
        host.SendCommand(CM_MCS_CMD(host.deviceId, 0x10), true);
        return processor.run(dispatcher);
    }

    qxtest::ScriptedUnit processor;
    qx::FirBuffers expectedFir{};
};

TEST_F(FullLoadTest, LoadsTheWholeState)
{
    const int requests = connectAndLoad();
    EXPECT_EQ(unit.record(), [this] {
        qx::UnitRecord r = processor.record;
        r[0] = 0; // the status bytes are not taken from the image
        r[1] = 0;
        return r;
    }());
    EXPECT_EQ(fir, expectedFir);
    EXPECT_TRUE(unit.IsPresetUsed(3));
    EXPECT_FALSE(unit.IsPresetUsed(0));
    EXPECT_EQ(dispatcher.state().currentPreset, 4);
    ASSERT_EQ(unitHost.rows.size(), 40U) << "20 default names, then the 20 read";
    EXPECT_EQ(unitHost.rows[39].first, 20);
    EXPECT_EQ(std::string(unitHost.rows[39].second.begin(), unitHost.rows[39].second.end()),
              "Preset 20     ");
    EXPECT_EQ(host.loadUnitToFormCount, 1);
    EXPECT_EQ(host.calls.back(), "ReenableLinkControls");
    EXPECT_TRUE(host.timer(ExchangeTimer::InLevelDet));
    EXPECT_FALSE(host.timer(ExchangeTimer::ProcessShow)) << "a pending show is cancelled";
    EXPECT_EQ(host.position, 26);
    EXPECT_EQ(host.sent.back(), command(0x12, {}, false));
    EXPECT_FALSE(dispatcher.ProgressWanted());
    // 0x10, 0x13, 0x2C, 0x22, 0x14, 20 names, 26 pieces and the blocks:
    // impulse channels skip to the next start, channel 1 ends early, channel
    // 6 ends at 1024 (its start block 945, marker in block 1102 - 157 / 2).
    EXPECT_GT(requests, 5 + 20 + 26);
    EXPECT_LT(requests, 5 + 20 + 26 + 200);
    for (const Sent& s : host.sent) {
        EXPECT_EQ(s.urgent, s.frame[5] != 0x22 && s.frame[5] != 0x12) << "code " << int(s.frame[5]);
    }
}

TEST_F(FullLoadTest, RepeatedAnswersLoadOnce)
{
    processor.copies = 2;
    connectAndLoad();
    const std::size_t sentTwice = host.sent.size();
    EXPECT_EQ(host.loadUnitToFormCount, 1);
    EXPECT_EQ(fir, expectedFir);
    EXPECT_EQ(qx::readWord(unit.record(), qx::rec::output(3) + qx::rec::kOutGain), 123);

    FakeExchangeHost single;
    qx::FirBuffers fir2{};
    LUnitControl unit2;
    qx::ReplyDispatcher other(single, unit2, fir2);
    qxtest::ScriptedUnit once = processor;
    once.copies = 1;
    once.attach(single);
    other.BeginConnect();
    single.SendCommand(CM_MCS_CMD(1, 0x10), true);
    once.run(other);
    EXPECT_EQ(single.sent.size(), sentTwice) << "no request is sent twice";
}

struct ShortCase
{
    std::uint8_t code;
    std::uint8_t answeredRequest;
};

TEST_F(FullLoadTest, ShortAnswerStallsTheLoadWithoutHarm)
{
    for (const ShortCase c : {ShortCase{44, 0x2C}, ShortCase{34, 0x22}, ShortCase{20, 0x14},
                              ShortCase{41, 0x29}, ShortCase{86, 0x56}, ShortCase{36, 0x27}}) {
        host.sent.clear();
        host.loadUnitToFormCount = 0;
        processor.requests.clear();
        processor.shortenCode = c.code;
        connectAndLoad();
        EXPECT_EQ(host.loadUnitToFormCount, 0) << "code " << int(c.code);
        ASSERT_FALSE(host.sent.empty());
        EXPECT_EQ(host.sent.back().frame[5], c.answeredRequest) << "stalled at the request answered short";
    }
}

TEST_F(FullLoadTest, ReconnectAfterLossInTheMiddleLoadsCleanly)
{
    dispatcher.BeginConnect();
    host.SendCommand(CM_MCS_CMD(host.deviceId, 0x10), true);
    processor.run(dispatcher, 100); // into the readback
    EXPECT_TRUE(dispatcher.ProgressWanted());
    dispatcher.LinkClosed();
    processor.requests.clear();
    EXPECT_FALSE(dispatcher.ProgressWanted());
    EXPECT_FALSE(host.timer(ExchangeTimer::ProcessShow));
    deliver(86, std::vector<std::uint8_t>(55, 0)); // a late block
    EXPECT_EQ(host.loadUnitToFormCount, 0);

    connectAndLoad();
    EXPECT_EQ(host.loadUnitToFormCount, 1);
    EXPECT_EQ(fir, expectedFir);
}

TEST_F(FullLoadTest, PieceBeforeTheLastAsksForTheLastAndTheLastShowsTheState)
{
    processor.hold = [](const qxtest::Frame& request) { return request[5] == 0x27 && request[6] == 25; };
    connectAndLoad();
    EXPECT_EQ(host.sent.back(), command(0x27, {25}, true));
    EXPECT_EQ(host.position, 24);
    EXPECT_EQ(host.maximum, 26);
    EXPECT_EQ(host.statusText, "SID_UPLOAD_PARAMETER");
    EXPECT_EQ(host.loadUnitToFormCount, 0);
    EXPECT_EQ(unit.record(), qx::kFactoryDefaultRecord) << "decoded only with the last piece";

    processor.hold = nullptr;
    processor.requests.push_back(host.sent.back().frame);
    processor.run(dispatcher);
    EXPECT_EQ(host.loadUnitToFormCount, 1);
    EXPECT_EQ(qx::readWord(unit.record(), qx::rec::output(3) + qx::rec::kOutGain), 123);
}

} // namespace
