// A state loaded from the simulated processor, in-process, shows in the
// main window's controls.

#include "CommandFrameSplitter.h"
#include "DeviceCore.h"
#include "Responder.h"
#include "app/FMain.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/skinned/CurvyControls.h"
#include "codec/ValueScales.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"
#include "PumpUntil.h"
#include "model/LUnitControl.h"
#include "model/ReplyDispatcher.h"
#include "platform/gui/Timer.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

namespace {

namespace rec = qx::rec;
using Frame = std::vector<std::uint8_t>;

// The main window with its send router replaced by a queue that the test
// hands to the simulator.
class SimLinkedWindow : public TfmMain
{
public:
    using TfmMain::TfmMain;
    void SendCommand(const LCmd& command, bool) override { outgoing.push_back(EncodeFrame(command, 1)); }
    std::deque<Frame> outgoing;
};

class ShowStateSimTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.reset(qx::newForm<SimLinkedWindow>(nullptr));
        qx::findComponent<TTimer>(*window, "tmStartConnect")->SetEnabled(false);
        window->outgoing.clear();
    }

    // Connects and runs the exchange until nothing is left to send.
    void connectAndRun()
    {
        window->Replies->BeginConnect();
        window->SendCommand(CM_MCS_CMD(1, 0x10), true);
        deliver();
    }

    // Hands every waiting frame to the simulator and its answers back.
    void deliver()
    {
        while (!window->outgoing.empty()) {
            const Frame frame = window->outgoing.front();
            window->outgoing.pop_front();
            for (const auto& write : responder.OnFrame(frame).writes)
                for (const auto& reply : splitter.Push(write))
                    window->Replies->OnDeviceReply(reply);
        }
    }

    template <class T = TControl> T* find(const std::string& name) const
    {
        return qx::findComponent<T>(*window, name);
    }

    qx::sim::DeviceCore core;
    qx::sim::Responder responder{core};
    qx::sim::CommandFrameSplitter splitter;
    std::unique_ptr<SimLinkedWindow> window;
};

TEST_F(ShowStateSimTest, ARecalledSeededPresetShowsInTheControls)
{
    auto image = core.MutableCurrentImage();
    qx::writeText(image, rec::input(1), rec::kChannelNameSize, "Vocal");
    qx::writeWord(image, rec::input(1) + rec::kInGain, 200);
    qx::writeWord(image, rec::output(2) + rec::kOutDelay, 960);
    qx::writeWord(image, rec::output(0) + rec::kOutCompressor + rec::kDynThreshold, 100);
    qx::writeWord(image, rec::kOutputSelect, 1);
    core.SeedPreset(3, "Seeded Show");
    // The current settings go back to the factory's, then preset 3 is recalled.
    qx::writeWord(image, rec::input(1) + rec::kInGain, 280);
    ASSERT_TRUE(core.Handle(EncodeFrame(CM_MCS_CMD(1, 0x20, 3), 1)).addressed);

    connectAndRun();

    EXPECT_EQ(window->UnitControl->GetGain(1), 200) << "the model holds the processor's state";
    EXPECT_FALSE(window->IsBusy());
    EXPECT_EQ(find("lbPstNum")->Caption(), "U03");
    EXPECT_EQ(find("lbPstName")->Caption(), "Seeded Show");
    EXPECT_EQ(find("lbMatrixChNameInB")->Caption(), "Vocal");
    EXPECT_EQ(find<TAdvTrackBar>("isGainInB")->Position(), -80);
    EXPECT_EQ(find<TCurvyEdit>("cvdGainBackupInB")->Text(), "-8.0dB");
    EXPECT_EQ(find<TAdvTrackBar>("isDelayOut3")->Position(), 960);
    EXPECT_EQ(find<TAdvTrackBar>("isCompThresholdOut1")->Position(), -80);
    EXPECT_EQ(find<TCurvyEdit>("cvdCompThresholdOut1")->Text(), "-40.0dB");
    EXPECT_TRUE(find("lbOutSelDigital")->Visible());
}

// A change handler that stores its fader's value in the model sends nothing
// while the controls are filled: the model's setters see the busy flag.
TEST_F(ShowStateSimTest, FillingTheControlsSendsNothing)
{
    connectAndRun();
    auto* fader = find<TAdvTrackBar>("isGainOut2");
    fader->OnChange = [&](TObject*) {
        window->UnitControl->SetGain(5, static_cast<std::uint16_t>(fader->Position() - fader->Min()));
    };
    qx::writeWord(window->UnitControl->record(), rec::output(1) + rec::kOutGain, 100);
    window->LoadUnitToForm();
    EXPECT_EQ(fader->Position(), -180);
    EXPECT_TRUE(window->outgoing.empty());
    fader->SetPosition(-170);
    EXPECT_EQ(window->outgoing.size(), 1U) << "the same handler sends once the fill is over";
}

// --- equaliser and crossover editing against the simulator -----------------

// Band, type, cut-off, slope and bypass edits on a linked pair of outputs
// reach the simulated processor as the model holds them; a new connection
// loads the same state back and shows it.
TEST_F(ShowStateSimTest, EqualiserAndCrossoverEditsOnALinkedPairSurviveAReconnect)
{
    auto image = core.MutableCurrentImage();
    qx::writeWord(image, rec::output(0) + rec::kOutLinkMask, 0x03); // Out1 heads Out1 and Out2
    qx::writeWord(image, rec::output(1) + rec::kOutLinkMask, 0x00);
    connectAndRun();
    auto* eqTimer = find<TTimer>("tmEqCurve");
    auto settle = [&] {
        ASSERT_TRUE(qx::test::pumpUntil([&] { return !eqTimer->Enabled(); }, "the band curve timer ran"));
        deliver();
    };

    find<TRzBmpButton>("rzbEq3Out1")->Click();
    find<TAdvTrackBar>("isEqGainOut1")->SetPosition(170);
    settle();
    auto* freq = find<TCurvyEdit>("cvdEqFreqOut1");
    freq->SetText("2k");
    freq->OnExit(freq);
    settle();
    auto* grid = find<TMyPEQType8>("peqPeqOut1");
    grid->TypeList(2)->SetItemIndex(1);
    grid->PeqTypeChange(grid->TypeList(2));
    auto* bypass = find<TRzBmpButton>("rzbLowCutBypassOut1");
    bypass->SetDown(false);
    bypass->OnClick(bypass);
    find<TAdvTrackBar>("isLowCutFreqOut1")->SetPosition(120);
    auto* slope = find<TRzComboBox>("rzcLowCutSlopOut1");
    slope->SetItemIndex(7);
    slope->OnChange(slope);
    auto* lowPass = find<TRzBmpButton>("rzbHighCutBypassOut1");
    lowPass->SetDown(false);
    lowPass->OnClick(lowPass);
    find<TAdvTrackBar>("isHighCutFreqOut1")->SetPosition(250);
    window->ResetPeq(5); // Out2 is in the group: band 3 of both comes back too
    find<TMyPEQType8>("peqPeqOut2")->SetGainValue(0, -6.0); // band 1, current after the reset
    settle();
    EXPECT_TRUE(responder.ProtocolErrors().empty());

    const qx::PeqBand band = window->UnitControl->GetPeqBand(5, 0);
    EXPECT_EQ(band.gain, 60);
    EXPECT_EQ(window->UnitControl->GetPeqBand(4, 0), band);
    EXPECT_EQ(window->UnitControl->GetPeqBand(4, 2), window->UnitControl->GetDefaultPeqBand(4, 2));
    const qx::OutputFilter out2 = window->UnitControl->GetOutputFilter(5);
    EXPECT_EQ(out2.highPassFrequency, 120);
    EXPECT_EQ(out2.highPassSlope, 8);
    EXPECT_EQ(out2.lowPassFrequency, 250);
    EXPECT_EQ(out2.lowPassSlope, 20);
    const auto& model = window->UnitControl->record();
    EXPECT_TRUE(std::equal(model.begin() + 2, model.end(), core.CurrentImage().begin() + 2)) << "model and simulator";

    window->UnitControl->LoadFactoryDefault();
    connectAndRun();
    EXPECT_TRUE(std::equal(model.begin() + 2, model.end(), core.CurrentImage().begin() + 2)) << "after reconnecting";
    EXPECT_EQ(window->UnitControl->GetPeqBand(5, 0), band);
    EXPECT_EQ(find<TMyPEQType8>("peqPeqOut2")->GetGainValue(0), -6.0);
    EXPECT_EQ(find<TRzComboBox>("rzcLowCutSlopOut2")->ItemIndex(), 7);
    EXPECT_FALSE(find<TRzBmpButton>("rzbHighCutBypassOut2")->Down());
    EXPECT_LT(window->Plots[5]->curve(Plot::kHighPassSection)[1200], -20.0) << "the high-pass drawn on Out2";
}

// --- end of equaliser and crossover editing --------------------------------

} // namespace
