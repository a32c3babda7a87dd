// The handshake and the state load against the simulated processor, edits
// sent by the model and read back, and the simulator's fault switches.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "SimHarness.h"
#include "model/FactoryDefault.h"

namespace {

using qx::ExchangeTimer;

class SimExchangeTest : public qxtest::SimHarness
{
protected:
    void expectLoadedFromSim(int loads = 1)
    {
        EXPECT_EQ(host.loadUnitToFormCount, loads);
        EXPECT_EQ(unit.record(), simRecord());
        qx::FirBuffers fromSim;
        qx::readFirImage(std::span<const std::uint8_t, qx::kFirImageSize>(
                             core.Coefficients().Set(0).first(qx::kFirImageSize)),
                         fromSim);
        EXPECT_EQ(fir, fromSim);
    }

    // Edits through the model's setters, each sent to the simulator.
    void editEverywhere()
    {
        unit.SetLinkMask(4, 0x0005); // Out3 under Out1
        unit.SetLinkMask(6, 0x0000);
        unit.SetGain(6, 250);
        unit.SetDelay(1, 480);
        unit.SetPolarity(9, 1);
        unit.SetPeqBand(2, 13, {130, 200, 50, 1}, 1);
        unit.SetPeqBand(4, 5, {100, 250, 10, 2}, 0);
        qx::OutputFilter filter = unit.GetOutputFilter(4);
        filter.highPassFrequency = 60;
        filter.highPassSlope = 8;
        filter.lowPassFrequency = 200;
        filter.lowPassSlope = 20;
        unit.SetHighPass(4, filter);
        unit.SetLowPass(6, filter);
        unit.SetOutputFir(11, {1, 3, 100, 200, 4});
        unit.SetInputFirBypass(3, 0);
        unit.SetCompressor(5, {4, 100, 200, 6, 150});
        unit.SetLimiter(4, {15, 10, 20, 0, 190});
        unit.SetMute(0, 1);
        unit.SetMute(10, 1);
        unit.SetMatrixRoute(7, 0, true);
        unit.SetMixLevel(8, 2, 140);
        unit.SetChannelName(5, {'B', 'a', 's', 's', 0xE9, 0, 0, 0});
        unit.SetDelayUnit(1);
        unit.SetInputSelect(1);
        unit.SetOutputSelect(1);
        unit.SetSourceSelect(3, 1);
        run();
    }
};

TEST_F(SimExchangeTest, FreshSimulatorLoadsTheFactoryRecordAndImpulses)
{
    unit.record()[qx::rec::kDelayUnit] = 2; // the load replaces whatever the model held
    fir[3][7] = 9.0F;
    connectAndRun();
    EXPECT_TRUE(dispatcher.state().online);
    EXPECT_EQ(host.calls.front(), "NotifyConnectResult 1");
    EXPECT_EQ(unit.record(), qx::kFactoryDefaultRecord);
    EXPECT_EQ(fir, qx::unitImpulseBuffers());
    EXPECT_EQ(host.loadUnitToFormCount, 1);
    EXPECT_TRUE(host.timer(ExchangeTimer::InLevelDet));
    EXPECT_FALSE(dispatcher.ProgressWanted());
    EXPECT_TRUE(responder.ProtocolErrors().empty());
}

TEST_F(SimExchangeTest, LoadsPresetsNamesAndCoefficientsTheSimulatorHolds)
{
    core.SeedPreset(2, "Second one    ");
    core.SeedPreset(20, "Last one      ");
    for (std::size_t k = 0; k < 300; ++k) {
        core.Coefficients().SetCoefficient(0, 1, k, 0.001F * static_cast<float>(k));
    }
    core.Coefficients().SetCoefficient(0, 8, 0, -0.75F);
    connectAndRun();
    expectLoadedFromSim();
    EXPECT_TRUE(unit.IsPresetUsed(1));
    EXPECT_TRUE(unit.IsPresetUsed(19));
    EXPECT_FALSE(unit.IsPresetUsed(0));
    ASSERT_EQ(unitHost.rows.size(), 40U);
    EXPECT_EQ(std::string(unitHost.rows[21].second.begin(), unitHost.rows[21].second.end()),
              "Second one    ");
    EXPECT_EQ(fir[1][299], 0.001F * 299.0F);
    EXPECT_EQ(fir[1][300], 0.0F);
    EXPECT_EQ(fir[8][0], -0.75F);
}

TEST_F(SimExchangeTest, EditsThenReloadEqualTheSimulatorsState)
{
    connectAndRun();
    editEverywhere();
    EXPECT_TRUE(responder.ProtocolErrors().empty());
    const qx::UnitRecord edited = unit.record();
    EXPECT_EQ(edited, simRecord()) << "the simulator applied every edit as the model did";

    dispatcher.LinkClosed();
    unit.LoadFactoryDefault();
    host.loadUnitToFormCount = 0;
    connectAndRun();
    expectLoadedFromSim();
    EXPECT_EQ(unit.record(), edited);
}

TEST_F(SimExchangeTest, ChannelCopyAcknowledgementReloadsTheState)
{
    connectAndRun();
    unit.SetGain(4, 111);
    run();
    dispatcher.state().ackStep = 6;
    host.SendCommand(CM_MCS_CMD(host.deviceId, 0x2A, 4, 6), true);
    run();
    EXPECT_EQ(unit.GetGain(6), 111);
    expectLoadedFromSim(2);
}

TEST_F(SimExchangeTest, RepeatedAnswersLoadOnce)
{
    core.Coefficients().SetCoefficient(0, 2, 0, 0.5F);
    responder.Faults().duplicate.all = true;
    connectAndRun();
    expectLoadedFromSim();
}

TEST_F(SimExchangeTest, JunkBeforeEveryAnswerIsSkipped)
{
    responder.Faults().garbageBytes = 5;
    responder.Faults().chunkSize = 7;
    connectAndRun();
    expectLoadedFromSim();
}

// A short answer is no answer: the request is written again and the link
// fails after its resends, the model keeping what it had.
TEST_F(SimExchangeTest, ShortPieceIsResentAndFailsTheLinkLeavingTheModel)
{
    qx::writeWord(core.MutableCurrentImage(), qx::rec::kDelayUnit, 2);
    responder.Faults().payloadDelta[0x27] = -1;
    connectAndRun();
    EXPECT_TRUE(linkFailed);
    EXPECT_EQ(host.loadUnitToFormCount, 0);
    EXPECT_EQ(unit.record(), qx::kFactoryDefaultRecord);
    ASSERT_EQ(host.sent.back().frame[5], 0x27);
    EXPECT_EQ(writesOf(host.sent.back().frame), 1 + kResends);
    EXPECT_EQ(std::count_if(host.sent.begin(), host.sent.end(), [](const auto& s) { return s.frame[5] == 0x27; }),
              1)
        << "only the first piece was asked for";

    // The next connection without the fault loads.
    responder.Faults().payloadDelta.clear();
    connectAndRun();
    expectLoadedFromSim();
}

TEST_F(SimExchangeTest, ForeignIdAndZeroLengthAnswersAreDropped)
{
    responder.Faults().foreignId = 9;
    connectAndRun();
    EXPECT_FALSE(dispatcher.state().connected);
    EXPECT_TRUE(host.timer(ExchangeTimer::ComScan));

    responder.Faults().foreignId = -1;
    responder.Faults().zeroLength.all = true;
    connectAndRun();
    EXPECT_FALSE(dispatcher.state().connected);
    EXPECT_EQ(unit.record(), qx::kFactoryDefaultRecord);
}

TEST_F(SimExchangeTest, LinkLossInTheMiddleLeavesACleanStateForTheNextConnection)
{
    core.Coefficients().SetCoefficient(0, 0, 0, 0.25F);
    // 5 handshake and flag requests, 20 names, 12 blocks, 26 pieces.
    for (const int frame : {3, 6, 30, 40, 60}) {
        responder.Faults().closeAtFrame = 0;
        connect();
        responder.Faults().closeAtFrame = frame;
        run();
        EXPECT_FALSE(linkOpen) << "frame " << frame;
        EXPECT_FALSE(dispatcher.ProgressWanted());
        EXPECT_EQ(dispatcher.state().ackStep, 0);
        EXPECT_FALSE(host.timer(ExchangeTimer::ProcessShow));
    }
    responder.Faults().closeAtFrame = 0;
    host.loadUnitToFormCount = 0;
    connectAndRun();
    expectLoadedFromSim();
}

TEST_F(SimExchangeTest, WrongModelIsRefused)
{
    core.SetModel("QX-73B V011");
    connectAndRun();
    EXPECT_FALSE(dispatcher.state().online);
    EXPECT_EQ(host.calls.back(), "ShowModelError SID_INFO_ERROR_VERSION");
    EXPECT_EQ(host.loadUnitToFormCount, 0);
}

TEST_F(SimExchangeTest, LockedSimulatorWaitsForThePassword)
{
    core.SetLock("1234");
    connectAndRun();
    EXPECT_TRUE(dispatcher.state().online);
    EXPECT_EQ(dispatcher.state().ackStep, 8);
    EXPECT_TRUE(host.timer(ExchangeTimer::Pts));
    EXPECT_TRUE(host.lockModeVisible);
    EXPECT_EQ(host.loadUnitToFormCount, 0);

    host.SendCommand(CM_MCS_PASS_SUBMIT(host.deviceId, 0, "9999"), true);
    run();
    EXPECT_EQ(host.unlockReplyState, 0) << "wrong password";
    host.SendCommand(CM_MCS_PASS_SUBMIT(host.deviceId, 0, "1234"), true);
    run();
    EXPECT_EQ(host.unlockReplyState, 1);
    dispatcher.StartStateLoad(false);
    run();
    expectLoadedFromSim();
}

} // namespace
