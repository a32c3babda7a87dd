// A state loaded from the simulated processor, in-process, shows in the
// main window's controls.

#include "CommandFrameSplitter.h"
#include "DeviceCore.h"
#include "Responder.h"
#include "app/FMain.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "response/TMyPEQType8.h"
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

// --- equaliser editing against the simulator -------------------------------

// A PEQ reset of a linked output and a band edit after it reach the
// simulated processor for the whole group as the model holds them; a new
// connection loads the same state back and shows it.
TEST_F(ShowStateSimTest, APeqResetOnALinkedPairSurvivesAReconnect)
{
    auto image = core.MutableCurrentImage();
    qx::writeWord(image, rec::output(0) + rec::kOutLinkMask, 0x03); // Out1 heads Out1 and Out2
    qx::writeWord(image, rec::output(1) + rec::kOutLinkMask, 0x00);
    for (int n : {0, 1})
        for (int b = 0; b < 6; ++b)
            qx::writeWord(image, rec::outputBand(n, b), 200); // every band at +8 dB
    connectAndRun();
    EXPECT_EQ(window->UnitControl->GetPeqBand(4, 3).gain, 200);

    window->ResetPeq(5);
    find<TMyPEQType8>("peqPeqOut2")->SetGainValue(0, -6.0); // band 1, current after the reset
    deliver();
    EXPECT_TRUE(responder.ProtocolErrors().empty());
    const qx::PeqBand band = window->UnitControl->GetPeqBand(5, 0);
    EXPECT_EQ(band.gain, 60);
    EXPECT_EQ(window->UnitControl->GetPeqBand(4, 0), band);
    for (int b = 1; b < 6; ++b)
        EXPECT_EQ(window->UnitControl->GetPeqBand(4, b), window->UnitControl->GetDefaultPeqBand(4, b)) << b;
    const auto& model = window->UnitControl->record();
    EXPECT_TRUE(std::equal(model.begin() + 2, model.end(), core.CurrentImage().begin() + 2)) << "model and simulator";

    window->UnitControl->LoadFactoryDefault();
    connectAndRun();
    EXPECT_TRUE(std::equal(model.begin() + 2, model.end(), core.CurrentImage().begin() + 2)) << "after reconnecting";
    EXPECT_EQ(find<TMyPEQType8>("peqPeqOut1")->GetGainValue(0), -6.0);
    EXPECT_EQ(find<TMyPEQType8>("peqPeqOut1")->GetGainValue(3), 0.0);
}

// --- end of equaliser editing ------------------------------------------------

} // namespace
