// The program's own windows connecting at start: the start timer presses the
// link button, the scan dialog probes, and either the simulated processor on
// 127.0.0.1 is found and its state shown, or nothing is and Demo leaves the
// window offline.

#include "FaderDrag.h"
#include "FrameLog.h"
#include "ProgramWithSimulator.h"
#include "WhenShown.h"
#include "WindowSystemInput.h"
#include "app/FHidData.h"
#include "app/FMain.h"
#include "app/FNetworkSetup.h"
#include "app/FNetWorkScan.h"
#include "codec/CmMcs.h"
#include "codec/ValueScales.h"
#include "codec/LCmd.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzCmboBx.h"
#include "controls/skinned/AdvTrackBar.h"
#include "controls/skinned/CurvyControls.h"
#include "editors/channel/FCopy.h"
#include "editors/channel/FLinkSel.h"
#include "editors/channel/FSourceSelect.h"
#include "editors/channel/FTest.h"
#include "response/Plot.h"
#include "response/TMyPEQType8.h"
#include "link/LinkRouter.h"
#include "model/FirImage.h"
#include "model/LUnitControl.h"
#include "model/UnitRecord.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Control.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/Strings.h"
#include "platform/gui/UpDown.h"
#include "platform/gui/Timer.h"
#include "platform/serial/SerialPortList.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QString>
#include <QToolButton>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <mutex>
#include <streambuf>
#include <memory>
#include <ostream>
#include <source_location>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

namespace rec = qx::rec;

// A port on 127.0.0.1 that nothing listens on: bound once, then released.
std::uint16_t closedLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    std::uint16_t port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

// The simulator's frame log as text, written by the server's thread and read
// by the test, both under the sink's lock.
class LockedLog : public std::streambuf
{
public:
    std::string Text()
    {
        const std::lock_guard lock(mutex_);
        return text_;
    }

protected:
    int overflow(int c) override
    {
        const std::lock_guard lock(mutex_);
        if (c != traits_type::eof())
            text_.push_back(static_cast<char>(c));
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        const std::lock_guard lock(mutex_);
        text_.append(s, static_cast<std::size_t>(n));
        return n;
    }

private:
    std::mutex mutex_;
    std::string text_;
};

// The simulated processor served on 127.0.0.1 from its own thread, its frame
// log kept as text.
class LoggedSimulator
{
public:
    explicit LoggedSimulator(qx::sim::DeviceCore& core) : responder_(core, {}, &log_) {}
    ~LoggedSimulator() { Stop(); }
    LoggedSimulator(const LoggedSimulator&) = delete;
    LoggedSimulator& operator=(const LoggedSimulator&) = delete;

    // Listens on an ephemeral port and serves; returns the port.
    std::uint16_t Start()
    {
        const std::uint16_t port = server_.ListenTcp(0);
        thread_ = std::thread([this] { server_.Run(); });
        return port;
    }
    void Stop()
    {
        server_.Stop();
        if (thread_.joinable())
            thread_.join();
    }
    // The simulator has received the command's frame and answered it.
    bool Answered(const LCmd& command)
    {
        const std::string recv = "Recv: " + qx::sim::HexBytes(EncodeFrame(command, 1));
        const std::string text = sink_.Text();
        const auto at = text.rfind(recv);
        return at != std::string::npos && text.find("Sent:", at) != std::string::npos;
    }
    const qx::sim::Responder& Responder() const { return responder_; }

private:
    LockedLog sink_;
    std::ostream out_{&sink_};
    qx::sim::FrameLog log_{out_};
    qx::sim::Responder responder_;
    qx::sim::SimServer server_{responder_};
    std::thread thread_;
};

class ProgramConnect : public ProgramWithSimulator
{
protected:
    // The link button pressed offline once the main window takes input: the
    // scan dialog finds the simulator again and the state is loaded anew.
    bool reconnect()
    {
        return take({{"the main window", [] { return qx::test::readyForTheUser(*fmMain); },
                      [] { qx::test::clickThroughWindow(*find("rzbMenuLink")); }}},
                    stateLoaded, "the state loaded over the new connection");
    }
    // The record (but its first two bytes, which the load does not carry) and
    // the coefficients of the current preset as the simulator holds them.
    void expectTheSimulatorsStateInTheModel()
    {
        const auto& loaded = fmMain->UnitControl->record();
        const auto& image = core.CurrentImage();
        EXPECT_TRUE(std::equal(loaded.begin() + 2, loaded.end(), image.begin() + 2)) << "the record";
        qx::FirBuffers fromSim{};
        qx::readFirImage(std::span<const std::uint8_t, qx::kFirImageSize>(
                             core.Coefficients().Set(0).first(qx::kFirImageSize)),
                         fromSim);
        EXPECT_EQ(fmMain->FirCoeffs, fromSim) << "the coefficients";
    }
};

TEST_F(ProgramConnect, TheStartScanFindsTheSimulatorOverTcpAndShowsItsState)
{
    auto image = core.MutableCurrentImage();
    qx::writeWord(image, rec::input(1) + rec::kInGain, 200);
    core.SeedPreset(3, "Seeded Show");
    ASSERT_TRUE(core.Handle(EncodeFrame(CM_MCS_CMD(1, 0x20, 3), 1)).addressed) << "preset 3 recalled";
    startSimulator();

    bool dialogSeen = false;
    TTimer watch(nullptr);
    watch.SetInterval(1);
    watch.OnTimer = [&](TObject*) { dialogSeen = dialogSeen || fmNetwork->Visible(); };
    watch.SetEnabled(true);

    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load"));
    ASSERT_TRUE(runUntil([] { return find("lbPstName")->Caption() == "Seeded Show"; }, "the preset name shown"));
    EXPECT_TRUE(dialogSeen) << "the start timer opened the scan dialog";
    EXPECT_EQ(fmMain->Router->Kind(), qx::LinkKind::Net);
    EXPECT_EQ(find("rzbMenuLink")->Caption(), "OnLine");
    EXPECT_EQ(find("lbShowIp")->Caption(), "IP : 127.0.0.1");
    EXPECT_EQ(find("lbPstNum")->Caption(), "U03");
    EXPECT_EQ(find<TAdvTrackBar>("isGainInB")->Position(), -80);
    expectTheSimulatorsStateInTheModel();
}

// The same road over a pseudo-terminal: the serial probe finds the simulator
// first, and the whole state (record and coefficients) arrives in the model.
TEST_F(ProgramConnect, TheStartScanFindsTheSimulatorOnAPseudoTerminalAndLoadsItsWholeState)
{
    qx::writeWord(core.MutableCurrentImage(), rec::output(2) + rec::kOutGain, 150);
    core.SeedPreset(5, "Over Serial");
    for (std::size_t k = 0; k < 64; ++k)
        core.Coefficients().SetCoefficient(0, 2, k, 0.01F * static_cast<float>(k));
    const std::string pty = server.OpenPty();
    serverThread = std::thread([this] { server.Run(); });
    qx::setSerialPortProvider(std::make_unique<qx::FixedSerialPorts>(std::vector<std::string>{pty}));
    pointAt(closedLoopbackPort()); // the scan connects the socket, to nothing
    fmMain->SetDeviceAddress(0);   // and probes no network before the serial port

    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load"));
    EXPECT_EQ(fmMain->Router->Kind(), qx::LinkKind::Serial);
    expectTheSimulatorsStateInTheModel();
    EXPECT_EQ(fmMain->FirCoeffs[2][63], 0.63F);
}

// An answer slower than the link's time-out: the request goes out again, the
// first answer goes on with the load, and the answer to the repeat, late and
// unasked for, changes nothing.
TEST_F(ProgramConnect, AnAnswerLaterThanTheTimeOutIsTakenOnceAndTheLoadCompletes)
{
    core.SeedPreset(4, "Slow Answer");
    ASSERT_TRUE(core.Handle(EncodeFrame(CM_MCS_CMD(1, 0x20, 4), 1)).addressed) << "preset 4 recalled";
    responder.Faults().latencyByCode[0x14] = 1200; // the current-preset request; the time-out is 1000 ms
    startSimulator();

    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load"));
    ASSERT_TRUE(runUntil([] { return find("lbPstName")->Caption() == "Slow Answer"; }, "the preset name shown"));
    const auto settled = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    ASSERT_TRUE(runUntil([&] { return std::chrono::steady_clock::now() > settled; }, "the late repeat to arrive"));
    EXPECT_TRUE(fmMain->IsOnline());
    EXPECT_EQ(fmMain->Router->Kind(), qx::LinkKind::Net);
    EXPECT_EQ(find("lbPstNum")->Caption(), "U04");
    expectTheSimulatorsStateInTheModel();
    EXPECT_TRUE(responder.ProtocolErrors().empty());
}

// Answers in short writes with junk before each frame, the junk holding
// bytes of frame markers too: every frame is still taken, and the state load
// completes without a single repeat request being mistaken.
struct NoisyLine
{
    const char* name;
    std::size_t garbage;
    std::size_t chunk;
    std::vector<std::uint8_t> junk;
};

void PrintTo(const NoisyLine& line, std::ostream* out) { *out << line.name; }

class ProgramConnectNoisyLine : public ProgramConnect, public ::testing::WithParamInterface<NoisyLine>
{
};

TEST_P(ProgramConnectNoisyLine, TheStateLoadCompletes)
{
    core.SeedPreset(6, "Noisy Line");
    ASSERT_TRUE(core.Handle(EncodeFrame(CM_MCS_CMD(1, 0x20, 6), 1)).addressed) << "preset 6 recalled";
    for (std::size_t k = 0; k < 64; ++k)
        core.Coefficients().SetCoefficient(0, 5, k, -0.02F * static_cast<float>(k));
    auto& faults = responder.Faults();
    faults.garbageBytes = GetParam().garbage;
    faults.chunkSize = GetParam().chunk;
    if (!GetParam().junk.empty())
        faults.junk = GetParam().junk;
    startSimulator();

    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load"));
    ASSERT_TRUE(runUntil([] { return find("lbPstName")->Caption() == "Noisy Line"; }, "the preset name shown"));
    EXPECT_EQ(fmMain->Router->Kind(), qx::LinkKind::Net);
    EXPECT_EQ(find("lbPstNum")->Caption(), "U06");
    expectTheSimulatorsStateInTheModel();
    EXPECT_TRUE(responder.ProtocolErrors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ProgramConnectNoisyLine,
    ::testing::Values(NoisyLine{"ThreeJunkBytesInWritesOfFour", 3, 4, {}},
                      NoisyLine{"JunkHolding0x10InWritesOfFour", 3, 4, {0x10, 0xFF, 0x10}},
                      NoisyLine{"JunkLikeAFrameStartInWritesOfTwo", 5, 2, {0x10, 0x02, 0x10}},
                      NoisyLine{"JunkAloneInItsOwnWrites", 4, 4, {0x7E, 0x10}}),
    [](const ::testing::TestParamInfo<NoisyLine>& line) { return std::string(line.param.name); });

TEST_F(ProgramConnect, TheLinkButtonWhileOnlineEndsTheConnection)
{
    startSimulator();
    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load"));
    qx::test::clickThroughWindow(*find("rzbMenuLink"));
    ASSERT_TRUE(runUntil([] { return fmMain->Router->Kind() == qx::LinkKind::None; }, "the link closed"));
    EXPECT_FALSE(fmMain->IsOnline());
    EXPECT_EQ(find("rzbMenuLink")->Caption(), "OffLine");
    EXPECT_EQ(find("lbShowIp")->Caption(), "Disconnected");
    EXPECT_TRUE(find("rzbMenuLink")->Enabled());
    EXPECT_FALSE(fmNetwork->Visible()) << "a connection the user ended opens no scan";
}

// The traffic monitor lists the frames that go while it is open: nothing of
// a load made with it hidden, then the meter poll's frames once it is opened,
// and again after it was closed and opened once more.
TEST_F(ProgramConnect, TheTrafficMonitorListsTheFramesWhileItIsOpen)
{
    startSimulator();
    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load"));
    TStrings& lines = *fmHidData->hbHidData->Items();
    EXPECT_EQ(lines.Count(), 0) << "hidden through the load";
    const auto listsBothWays = [&](int from) {
        const std::vector<std::string> all = lines.Lines();
        const auto has = [&](std::string_view prefix) {
            return std::any_of(all.begin() + std::min<std::ptrdiff_t>(from, std::ssize(all)), all.end(),
                               [&](const std::string& line) { return line.starts_with(prefix); });
        };
        return has("NET W 10 02 ") && has("NET R 10 02 ");
    };
    for (int opening = 0; opening < 2; ++opening) {
        const int before = lines.Count();
        find<TMenuItem>("HidData")->Click(); // a hidden item: its handler, as the code calls it
        ASSERT_TRUE(fmHidData->Visible());
        EXPECT_TRUE(runUntil([&] { return listsBothWays(before); }, "the meter poll's frames listed")) << opening;
        QCloseEvent close;
        QApplication::sendEvent(fmHidData->Widget(), &close);
        ASSERT_FALSE(fmHidData->Visible()) << "the close box hides it";
    }
}

TEST_F(ProgramConnect, WithNothingToFindTheScanEndsAndDemoGivesTheOfflineWindow)
{
    pointAt(closedLoopbackPort());

    // Demo is pressed inside the dialog's modal loop once the scan has ended.
    bool demoPressed = false;
    TTimer pressDemo(nullptr);
    pressDemo.SetInterval(1);
    pressDemo.OnTimer = [&](TObject*) {
        if (demoPressed || !fmNetwork->btnExit->Enabled() || !qx::test::readyForTheUser(*fmNetwork))
            return;
        EXPECT_EQ(fmNetwork->lblScan->Caption(), "No Device found.");
        demoPressed = true;
        qx::test::clickThroughWindow(*fmNetwork->btnExit);
    };
    pressDemo.SetEnabled(true);
    ASSERT_TRUE(runUntil([&] { return demoPressed && !fmNetwork->Visible(); }, "Demo pressed and the dialog gone"));

    EXPECT_FALSE(fmMain->IsOnline());
    EXPECT_EQ(fmMain->Router->Kind(), qx::LinkKind::None);
    EXPECT_EQ(find("rzbMenuLink")->Caption(), "OffLine");
    EXPECT_TRUE(find("rzbMenuLink")->Enabled()) << "the link button can start a new scan";
    EXPECT_TRUE(fmMain->Enabled());
}

// The scan dialog's Set button opens the network setup on top of it, where
// the window system gives it the user's focus; closing it gives the scan
// dialog back, and Demo ends both.
TEST_F(ProgramConnect, TheNetworkSetupOpensOnTopOfTheScanDialogAndGivesItBack)
{
    pointAt(closedLoopbackPort());
    auto scanEnded = [] { return fmNetwork->btnExit->Enabled() && qx::test::readyForTheUser(*fmNetwork); };
    take({{"the ended scan", scanEnded, [] { qx::test::clickThroughWindow(*fmNetwork->btnId); }},
          {"the network setup, on top of the scan dialog", [] { return qx::test::readyForTheUser(*fmNetworkSetup); },
           [] {
               qx::test::clickThroughWindow(*fmNetwork->btnExit); // blocked by the setup dialog
               qx::test::clickThroughWindow(*fmNetworkSetup->bnExit);
           }},
          {"the scan dialog on top again",
           [] { return !fmNetworkSetup->Visible() && qx::test::onTopAtItsCentre(fmNetwork->Widget()); },
           [] { qx::test::clickThroughWindow(*fmNetwork->btnExit); }}},
         [] { return !fmNetwork->Visible() && !fmNetworkSetup->Visible(); }, "both dialogs closed");
    EXPECT_FALSE(fmMain->IsOnline());
    EXPECT_EQ(find("rzbMenuLink")->Caption(), "OffLine");
}

// --- equaliser and crossover editing against the simulator -----------------


// Band, type, cut-off, slope and bypass edits on a linked pair of outputs go
// over TCP to the simulated processor; once it has answered the last of
// them, model and simulator hold the same state, and a new connection loads
// it back and shows it.
TEST_F(ProgramConnect, EqualiserAndCrossoverEditsOnALinkedPairSurviveAReconnect)
{
    LoggedSimulator sim(core);
    auto image = core.MutableCurrentImage();
    qx::writeWord(image, rec::output(0) + rec::kOutLinkMask, 0x03); // Out1 heads Out1 and Out2
    qx::writeWord(image, rec::output(1) + rec::kOutLinkMask, 0x00);
    pointAt(sim.Start());
    const auto stop = [&] { sim.Stop(); };
    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load")) << (stop(), "");
    find<TTimer>("tmInLevelDet")->SetEnabled(false); // nothing but the edits on the link
    fmMain->SetKeepAliveSuppressed(true);

    // Each edit as a user makes it through the window, one pass of the loop
    // after the other.
    const auto pass = [this] {
        return runUntil([] { return !find<TTimer>("tmEqCurve")->Enabled() && !find<TTimer>("tmHpLpCurve")->Enabled(); },
                        "the curve timers ran");
    };
    const auto drag = [](const char* fader, int position) {
        qx::test::dragFaderThroughWindow(*find<TAdvTrackBar>(fader), position);
        EXPECT_EQ(find<TAdvTrackBar>(fader)->Position(), position) << fader;
    };
    // A filter taken out of bypass by a click on its bypass button.
    const auto unbypass = [](const char* button) {
        auto* b = find<TRzBmpButton>(button);
        EXPECT_TRUE(b->Down()) << button << " bypassed before";
        qx::test::clickThroughWindow(*b);
        EXPECT_FALSE(b->Down()) << button;
    };
    qx::test::clickThroughWindow(*find("rzbMenuOut1"));
    qx::test::clickThroughWindow(*find("rzbEq3Out1"));
    // A value typed into a box, which is then left with Tab: the gain fader
    // is too short for every step of its range to lie under a pixel.
    const auto type = [&pass](const char* box, const char* text) {
        EXPECT_TRUE(qx::test::enterThroughWindow(find<TCurvyEdit>(box)->Edit(), text, Qt::Key_Tab)) << box;
        pass();
    };
    type("cvdEqGainOut1", "5");
    type("cvdEqFreqOut1", "2k");
    EXPECT_TRUE(qx::test::chooseThroughWindow(*find<TMyPEQType8>("peqPeqOut1")->TypeList(2), 1));
    unbypass("rzbLowCutBypassOut1");
    drag("isLowCutFreqOut1", 120);
    pass();
    EXPECT_TRUE(qx::test::chooseThroughWindow(*find<TRzComboBox>("rzcLowCutSlopOut1"), 7));
    unbypass("rzbHighCutBypassOut1");
    drag("isHighCutFreqOut1", 250);
    pass();

    ASSERT_TRUE(runUntil([&] { return sim.Answered(CM_MCS_LOW_PASS(1, 4, 250, 20)); }, "the last edit answered"))
        << (stop(), "");
    const qx::PeqBand band = fmMain->UnitControl->GetPeqBand(5, 2);
    EXPECT_EQ(band.gain, 170);
    EXPECT_EQ(band.frequency, FreqToIndex(2000.0));
    EXPECT_EQ(band.type, 1);
    EXPECT_EQ(band.q, 10) << "a shelf takes Q 0.71";
    const qx::OutputFilter out2 = fmMain->UnitControl->GetOutputFilter(5);
    EXPECT_EQ(out2.highPassFrequency, 120);
    EXPECT_EQ(out2.highPassSlope, 8);
    EXPECT_EQ(out2.lowPassFrequency, 250);
    EXPECT_EQ(out2.lowPassSlope, 20);
    expectTheSimulatorsStateInTheModel();
    EXPECT_TRUE(sim.Responder().ProtocolErrors().empty());

    qx::test::clickThroughWindow(*find("rzbMenuLink"));
    EXPECT_TRUE(runUntil([] { return fmMain->Router->Kind() == qx::LinkKind::None; }, "the link closed"));
    fmMain->UnitControl->LoadFactoryDefault();
    EXPECT_TRUE(reconnect());
    expectTheSimulatorsStateInTheModel();
    EXPECT_EQ(fmMain->UnitControl->GetPeqBand(5, 2), band);
    EXPECT_EQ(find<TMyPEQType8>("peqPeqOut2")->GetGainValue(2), 5.0);
    EXPECT_EQ(find<TRzComboBox>("rzcLowCutSlopOut2")->ItemIndex(), 7);
    EXPECT_LT(fmMain->Plots[5]->curve(Plot::kHighPassSection)[1200], -20.0) << "the high-pass drawn on Out2";
    fmMain->Router->CloseAll();
    stop();
}

// --- end of equaliser and crossover editing --------------------------------

} // namespace

// --- link groups and channel copy against the simulator --------------------

namespace {

// Input and output settings that tell the channels apart once copied.
void seedDistinctChannels(std::span<std::uint8_t> image)
{
    qx::writeWord(image, rec::input(0) + rec::kInGain, 330);
    qx::writeWord(image, rec::input(0) + rec::kInDelay, 960);
    qx::writeWord(image, rec::input(0) + rec::kInPolarity, 1);
    qx::writeWord(image, rec::output(0) + rec::kOutGain, 200);
    qx::writeWord(image, rec::output(0) + rec::kOutDelay, 4800);
    qx::writeWord(image, rec::output(1) + rec::kOutGain, 250);
    qx::writeWord(image, rec::output(1) + rec::kOutDelay, 1234);
    qx::writeWord(image, rec::output(1) + rec::kOutPolarity, 1);
    qx::writeWord(image, rec::output(3) + rec::kOutRouteMask, 0x0F);
}

} // namespace

// The link dialog and the copy dialog clicked through over TCP: each change
// ends with the processor's acknowledgement reloading its whole state, so
// the model then holds exactly what the simulated processor holds; a new
// connection loads the same groups and copied settings back.
TEST_F(ProgramConnect, LinkGroupsAndChannelCopiesSurviveAReconnect)
{
    seedDistinctChannels(core.MutableCurrentImage());
    startSimulator();
    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load"));
    ASSERT_NE(fmLinkSel, nullptr);
    ASSERT_NE(fmCopy, nullptr);

    // InB joins InA and Out3 joins Out1; Set sends the copies and masks,
    // and the acknowledgement of the status poll reloads the state.
    {
        const qx::test::WhenShown link(*fmLinkSel, [] {
            qx::test::clickThroughWindow(*fmLinkSel->GridButton(1, 0));
            qx::test::clickThroughWindow(*fmLinkSel->GridButton(6, 4));
            qx::test::clickThroughWindow(*fmLinkSel->bnSet);
        });
        EXPECT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>("Link")));
        ASSERT_TRUE(link.Ran());
    }
    EXPECT_FALSE(find<TTimer>("tmInLevelDet")->Enabled()) << "no meter poll until the reload";
    ASSERT_TRUE(runUntil(stateLoaded, "the state loaded again after the link change"));
    const auto groupsAndCopies = [] {
        const LUnitControl& unit = *fmMain->UnitControl;
        EXPECT_EQ(unit.GetLinkMask(0), 0x3);
        EXPECT_EQ(unit.GetLinkMask(1), 0x0);
        EXPECT_EQ(unit.GetLinkMask(4), 0x5);
        EXPECT_EQ(unit.GetLinkMask(6), 0x0);
        EXPECT_EQ(unit.GetGain(1), 330) << "InB took InA's settings";
        EXPECT_EQ(unit.GetDelay(1), 960);
        EXPECT_EQ(unit.GetPolarity(1), 1);
        EXPECT_EQ(unit.GetGain(6), 200) << "Out3 took Out1's settings";
        EXPECT_EQ(unit.GetDelay(6), 4800);
        EXPECT_EQ(find("rzbMenuInB")->Caption(), "B=A");
        EXPECT_EQ(find("rzbMenuOut3")->Caption(), "3=1");
        EXPECT_EQ(find("rzbMenuOut2")->Caption(), "Out2");
        EXPECT_TRUE(fmLinkSel->GridButton(1, 0)->Down());
        EXPECT_TRUE(fmLinkSel->GridButton(6, 4)->Down());
        EXPECT_EQ(find<TAdvTrackBar>("isDelayInB")->Position(), 960);
        EXPECT_EQ(find<TCurvyEdit>("cvdDelayInB")->Text(), "20.000ms");
    };
    groupsAndCopies();
    expectTheSimulatorsStateInTheModel();

    // Out2 copied onto Out4 by the copy dialog: the processor copies, and its
    // acknowledgement reloads the state; Out4 keeps its routing.
    {
        const qx::test::WhenShown copy(*fmCopy, [] {
            EXPECT_TRUE(qx::test::chooseThroughWindow(*fmCopy->cbOutSource, 1));
            EXPECT_TRUE(qx::test::chooseThroughWindow(*fmCopy->cbOutDestination, 3));
            qx::test::clickThroughWindow(*fmCopy->bnOutChCopy);
            qx::test::clickThroughWindow(*fmCopy->bnExit);
        });
        EXPECT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>("Copy")));
        ASSERT_TRUE(copy.Ran());
    }
    ASSERT_TRUE(runUntil([] { return fmMain->UnitControl->GetGain(7) == 250 && stateLoaded(); },
                         "the state loaded again after the copy"));
    const auto copied = [] {
        const LUnitControl& unit = *fmMain->UnitControl;
        EXPECT_EQ(unit.GetDelay(7), 1234);
        EXPECT_EQ(unit.GetPolarity(7), 1);
        EXPECT_EQ(unit.GetMatrixRoute(7), 0x0F) << "the target keeps its routing";
        EXPECT_EQ(find<TAdvTrackBar>("isGainBackupOut4")->Position(), -30);
    };
    copied();
    expectTheSimulatorsStateInTheModel();

    // A new connection loads the same state back.
    qx::test::clickThroughWindow(*find("rzbMenuLink"));
    ASSERT_TRUE(runUntil([] { return fmMain->Router->Kind() == qx::LinkKind::None; }, "the link closed"));
    fmMain->UnitControl->LoadFactoryDefault();
    fmMain->LoadUnitToForm();
    EXPECT_EQ(find("rzbMenuInB")->Caption(), "InB") << "the factory state shown offline";
    ASSERT_TRUE(reconnect());
    groupsAndCopies();
    copied();
    expectTheSimulatorsStateInTheModel();
    EXPECT_TRUE(responder.ProtocolErrors().empty());
}

// --- dynamics, matrix, source select and test signal against the simulator --

// Compressor, limiter, routing, mix and source-select edits go over TCP to
// the simulated processor; once it has answered the last, model and
// simulator hold the same state. The test signal chosen next is the
// processor's alone until a new connection loads it, with the rest, back
// into the model and the windows.
TEST_F(ProgramConnect, DynamicsRoutingMixAndSignalEditsSurviveAReconnect)
{
    LoggedSimulator sim(core);
    pointAt(sim.Start());
    const auto stop = [&] { sim.Stop(); };
    ASSERT_TRUE(runUntil(stateLoaded, "the end of the state load")) << (stop(), "");
    find<TTimer>("tmInLevelDet")->SetEnabled(false); // nothing but the edits on the link
    fmMain->SetKeepAliveSuppressed(true);
    const auto answered = [&](const LCmd& command) {
        return runUntil([&] { return sim.Answered(command); }, "the edit answered");
    };
    // A route button clicked on the matrix page, as the user clicks it.
    const auto toggle = [](const char* name) {
        qx::test::clickThroughWindow(*find("rzbMenuMatrix"));
        auto* b = find<TRzBmpButton>(name);
        const bool was = b->Down();
        qx::test::clickThroughWindow(*b);
        EXPECT_NE(b->Down(), was) << name;
    };
    // A value typed into a box on its page, which is then left with Tab.
    const auto type = [](const char* page, const char* name, const char* text) {
        qx::test::clickThroughWindow(*find(page));
        auto* box = find<TCurvyEdit>(name);
        TWinControl& edit = box->Edit();
        QWindow* window = edit.Widget()->window()->windowHandle();
        edit.SetFocus();
        QApplication::processEvents();
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
        qx::test::typeThroughWindow(edit, text);
        QTest::keyClick(window, Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_FALSE(edit.Focused()) << name << " left";
    };

    // An up-down's lower arrow clicked on its page.
    const auto stepDown = [](const char* page, const char* name) {
        qx::test::clickThroughWindow(*find(page));
        qx::test::clickThroughWindow(find<TUpDown>(name)->Widget()->findChild<QToolButton*>("prev"));
    };

    qx::test::clickThroughWindow(*find("rzbMenuComp"));
    // The fader takes the position nearest the drag's end that its pixels give.
    auto* threshold = find<TAdvTrackBar>("isCompThresholdOut1");
    qx::test::dragFaderThroughWindow(*threshold, -20);
    const int dragged = threshold->Position();
    EXPECT_LT(dragged, 0) << "the fader moved down";
    type("rzbMenuComp", "cvdCompRatioOut1", "4");
    stepDown("rzbMenuLimit", "udLimitRatioOut4");
    type("rzbMenuLimit", "cvdLimitAttackOut4", "5");
    toggle("rzbCMatrixOut2");
    toggle("rzbAMatrixOut5");
    type("rzbMenuMatrix", "cvdBMatrixOut3", "-25.3");
    stepDown("rzbMenuMatrix", "udMixGainDOut8");
    {
        const qx::test::WhenShown source(*fmSourceSelect, [] {
            auto* out1 = qx::findComponent<TComboBox>(*fmSourceSelect, "cbOut1");
            EXPECT_TRUE(qx::test::chooseThroughWindow(*out1, 1));
            qx::test::clickThroughWindow(*fmSourceSelect->bnExit);
        });
        EXPECT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>("SourceSelect")));
        ASSERT_TRUE(source.Ran());
    }
    ASSERT_TRUE(answered(CM_MCS_CMD(1, 0x5B, 4, 1))) << (stop(), "");
    const LUnitControl& unit = *fmMain->UnitControl;
    const auto edited = [&] {
        EXPECT_EQ(unit.GetCompressor(4), (qx::Dynamics{9, 499, 499, 0, static_cast<std::uint16_t>(dragged + 180)}));
        EXPECT_EQ(unit.GetLimiter(7), (qx::Dynamics{14, 49, 499, 0, 220}));
        EXPECT_EQ(unit.GetMatrixRoute(5), 0x6);
        EXPECT_EQ(unit.GetMatrixRoute(8), 0x0);
        EXPECT_EQ(unit.GetMixLevel(6, 1), 70);
        EXPECT_EQ(unit.GetMixLevel(11, 3), 279);
        EXPECT_EQ(unit.GetSourceSelectMask(), 0x10);
    };
    edited();
    expectTheSimulatorsStateInTheModel();

    {
        const qx::test::WhenShown test(*fmTest, [] {
            qx::test::clickThroughWindow(*fmTest->rbPinkNoise);
            qx::test::dragFaderThroughWindow(*fmTest->isToneGain, -12);
            qx::test::clickThroughWindow(*fmTest->bnExit);
        });
        EXPECT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>("TestTone")));
        ASSERT_TRUE(test.Ran());
    }
    ASSERT_TRUE(answered(CM_MCS_WORK_MODE(1, 1, 0, 12))) << (stop(), "");
    EXPECT_EQ(unit.GetTestSignalKind(), 0) << "the model learns the signal at the next load";

    qx::test::clickThroughWindow(*find("rzbMenuLink"));
    ASSERT_TRUE(runUntil([] { return fmMain->Router->Kind() == qx::LinkKind::None; }, "the link closed"))
        << (stop(), "");
    fmMain->UnitControl->LoadFactoryDefault();
    fmMain->LoadUnitToForm();
    EXPECT_EQ(find<TCurvyEdit>("cvdBMatrixOut3")->Text(), "+0.0dB") << "the factory state shown offline";
    ASSERT_TRUE(reconnect()) << (stop(), "");
    edited();
    expectTheSimulatorsStateInTheModel();
    EXPECT_EQ(unit.GetTestSignalKind(), 1);
    EXPECT_EQ(unit.GetTestAttenuation(), 12);
    EXPECT_TRUE(fmTest->rbPinkNoise->Checked());
    EXPECT_EQ(fmTest->isToneGain->Position(), -12);
    EXPECT_EQ(fmTest->lbToneGain->Caption(), "-6.0 dB");
    EXPECT_EQ(find<TCurvyEdit>("cvdBMatrixOut3")->Text(), "-25.0dB");
    EXPECT_EQ(find<TCurvyEdit>("cvdDMatrixOut8")->Text(), "-0.1dB");
    EXPECT_TRUE(find<TRzBmpButton>("rzbCMatrixOut2")->Down());
    EXPECT_FALSE(find<TRzBmpButton>("rzbAMatrixOut5")->Down());
    EXPECT_EQ(find<TCurvyEdit>("cvdCompThresholdOut1")->Text(), QString::asprintf("%+1.1fdB", dragged / 2.0).toStdString());
    EXPECT_EQ(find<TCurvyEdit>("cvdLimitRatioOut4")->Text(), "1:20");
    EXPECT_EQ(find("lbCompName")->Caption(), "Out 1  RMS Compressor");
    EXPECT_TRUE(sim.Responder().ProtocolErrors().empty());
    fmMain->Router->CloseAll();
    stop();
}
