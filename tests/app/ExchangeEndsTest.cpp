// Every exchange of the program's windows ends: against a simulated processor
// that fails one request (answers it short, with length 0, not at all, twice,
// from another device, or drops the connection), through the real TCP,
// pseudo-terminal and fake HID links, the state load and each transfer either
// complete or leave the editor offline within the link's resends, with the
// exchange's windows closed and the link button usable. The links time out
// on a manual clock, moved only while an exchange stalls.

#include "ConnectionGuard.h"
#include "DeviceCore.h"
#include "FakeHidProcessor.h"
#include "FrameLog.h"
#include "PumpUntil.h"
#include "Responder.h"
#include "SimServer.h"
#include "TempDir.h"
#include "app/FMain.h"
#include "app/FNetWorkScan.h"
#include "app/SmallWindows.h"
#include "app/lock/FLockPassWord.h"
#include "app/presets/FStorePreset.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "link/LinkRouter.h"
#include "model/NameText.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Control.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/Timer.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/serial/SerialPortList.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using qx::LinkKind;
using qx::sim::FaultPlan;
constexpr std::uint32_t kLoopback = 0x7F000001;

template <class T = TControl>
T* find(const std::string& name)
{
    return qx::findComponent<T>(*fmMain, name);
}

// One simulated processor with its faults, on the transport a case names.
class Simulator
{
public:
    Simulator(LinkKind kind, const FaultPlan& faults, const std::function<void(qx::sim::DeviceCore&)>& prepare,
              const std::filesystem::path& log)
        : logFile_(log), frameLog_(logFile_)
    {
        if (prepare)
            prepare(core_);
        responder_ = std::make_unique<qx::sim::Responder>(core_, faults, &frameLog_);
        if (kind == LinkKind::Usb) {
            hid_ = std::make_unique<qx::sim::FakeHidProcessor>(qx::test::fakeHidBus(), *responder_);
            return;
        }
        server_ = std::make_unique<qx::sim::SimServer>(*responder_);
        if (kind == LinkKind::Net)
            port_ = server_->ListenTcp(0);
        else
            pty_ = server_->OpenPty();
        thread_ = std::thread([this] { server_->Run(); });
    }
    ~Simulator()
    {
        hid_.reset();
        if (server_)
            server_->Stop();
        if (thread_.joinable())
            thread_.join();
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    std::uint16_t port() const { return port_; }
    const std::string& pty() const { return pty_; }

private:
    qx::sim::DeviceCore core_;
    std::ofstream logFile_;
    qx::sim::FrameLog frameLog_;
    std::unique_ptr<qx::sim::Responder> responder_;
    std::unique_ptr<qx::sim::SimServer> server_;
    std::unique_ptr<qx::sim::FakeHidProcessor> hid_;
    std::uint16_t port_ = 0;
    std::string pty_;
    std::thread thread_;
};

// How a case ends.
enum class Outcome
{
    Completes,
    Offline,
};

struct FaultCase
{
    std::string what;
    FaultPlan faults;
    Outcome outcome;
};

FaultPlan shortAnswer(std::uint8_t code, int bytes = 1)
{
    FaultPlan f;
    f.payloadDelta[code] = -bytes;
    return f;
}
FaultPlan zeroLength(std::uint8_t code)
{
    FaultPlan f;
    f.zeroLength.codes.insert(code);
    return f;
}
FaultPlan silent(std::uint8_t code)
{
    FaultPlan f;
    f.silent.codes.insert(code);
    return f;
}
FaultPlan duplicated()
{
    FaultPlan f;
    f.duplicate.all = true;
    return f;
}
FaultPlan foreignId()
{
    FaultPlan f;
    f.foreignId = 9;
    return f;
}
FaultPlan closeAt(int frame)
{
    FaultPlan f;
    f.closeAtFrame = frame;
    return f;
}

std::string hex(std::uint8_t code)
{
    std::ostringstream s;
    s << "0x" << std::hex << static_cast<int>(code);
    return s.str();
}

// The requests of the state load after the handshake, each of which a fault
// stalls.
const std::uint8_t kStateLoadRequests[] = {0x2C, 0x22, 0x14, 0x29, 0x56, 0x27};

// The program's windows, made once per test, with the links on a manual clock.
class ExchangeEnds : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qx::setSerialPortProvider(std::make_unique<qx::FixedSerialPorts>(std::vector<std::string>{}));
        qx::setMainWindowLinkClock(&clock);
        qx::test::startProgram();
        ASSERT_NE(fmMain, nullptr);
        find<TTimer>("tmStartConnect")->SetEnabled(false); // each case presses the link button itself
        fmMain->Show();
    }
    void TearDown() override
    {
        fmMain->Router->CloseAll();
        sim.reset();
        timers.clear();
        qx::setSerialPortProvider(nullptr);
        qx::test::endProgram();
        qx::setMainWindowLinkClock(nullptr);
    }

    // A fresh simulated processor, and the editor pointed at it alone.
    void startSimulator(LinkKind kind, const FaultPlan& faults,
                        const std::function<void(qx::sim::DeviceCore&)>& prepare = {})
    {
        sim.reset();
        fmMain->RescanHid();
        pump(20);
        sim = std::make_unique<Simulator>(kind, faults, prepare, dir / "sim.log");
        fmMain->SetDeviceAddress(kind == LinkKind::Net ? kLoopback : 0);
        fmMain->ClientSocket->SetAddress("127.0.0.1");
        fmMain->ClientSocket->SetPort(sim->port());
        qx::setSerialPortProvider(std::make_unique<qx::FixedSerialPorts>(
            kind == LinkKind::Serial ? std::vector<std::string>{sim->pty()} : std::vector<std::string>{}));
        if (kind == LinkKind::Usb) {
            fmMain->RescanHid();
            ASSERT_TRUE(qx::test::pumpUntil([] { return fmMain->HasHidDevice(); }, "the HID device"));
        }
    }

    // Runs `action` from the message loop, so that the modal windows it opens
    // do not hold up the test.
    void later(std::function<void()> action)
    {
        TTimer* t = timers.emplace_back(std::make_unique<TTimer>(nullptr)).get();
        t->SetInterval(1);
        t->OnTimer = [t, action](TObject*) {
            t->SetEnabled(false);
            action();
        };
        t->SetEnabled(true);
    }

    static void pump(int realMs)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(realMs);
        qx::test::pumpUntil([end] { return std::chrono::steady_clock::now() >= end; });
    }

    // Runs the loop until done() holds, checked by a timer that also fires
    // inside the modal loops of the windows under test; `atEnd` then runs
    // right there (to check that state and to answer the window that holds
    // the loop), and the call returns once the loops it ended have returned.
    // While `advance` is set and the link's frame in flight stays the same
    // for a while of real time, the manual clock moves on in growing steps,
    // so that a stalled exchange meets its time-outs and nothing else does.
    bool runUntil(const std::function<bool()>& done, const std::function<void()>& atEnd = {},
                  bool advance = true)
    {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        auto lastChange = std::chrono::steady_clock::now();
        std::vector<std::uint8_t> inFlight;
        int step = 0;
        bool finished = false;
        bool gaveUp = false;
        TTimer driver(nullptr);
        driver.SetInterval(1);
        driver.OnTimer = [&](TObject*) {
            if (finished || gaveUp)
                return;
            const auto now = std::chrono::steady_clock::now();
            if (now > giveUp) {
                gaveUp = true;
                for (TForm* window : std::initializer_list<TForm*>{fmLockPassWord, fmProcess, fmNetwork})
                    window->Close();
                return;
            }
            if (done()) {
                finished = true;
                if (atEnd)
                    atEnd();
                return;
            }
            std::vector<std::uint8_t> pending = fmMain->Router->PendingFrame();
            if (pending != inFlight) {
                inFlight = std::move(pending);
                lastChange = now;
                step = 0;
            } else if (advance && fmMain->Router->Kind() != LinkKind::None &&
                       now - lastChange > std::chrono::milliseconds(40)) {
                step = std::min(step + 1, 10);
                clock.advance(1000 * step);
                lastChange = now;
            }
        };
        driver.SetEnabled(true);
        qx::test::pumpUntil([&] { return finished || gaveUp; }, "the modal loops to end");
        EXPECT_FALSE(gaveUp) << "the awaited state did not come";
        return finished;
    }

    static bool loaded()
    {
        return fmMain->IsOnline() && find<TTimer>("tmInLevelDet")->Enabled() && !fmNetwork->Visible() &&
               !fmProcess->Visible();
    }
    static bool lost()
    {
        return fmNetwork->Visible() && fmMain->Router->Kind() == LinkKind::None &&
               fmNetwork->btnExit->Enabled();
    }

    // Presses the link button offline and waits for the state load's end;
    // `what` names the case in the checks of that end.
    Outcome connect(const std::string& what)
    {
        Outcome outcome = Outcome::Offline;
        later([] { fmMain->rzbMenuLinkClick(find("rzbMenuLink")); });
        runUntil([] { return loaded() || lost(); }, [&] { outcome = checkEnd(what); });
        expectLeftUsable(what);
        return outcome;
    }

    // What either end leaves, seen while it holds: no window of the exchange;
    // offline, the scan dialog alone over the window, which is then left
    // with Demo.
    Outcome checkEnd(const std::string& what)
    {
        const Outcome outcome = lost() ? Outcome::Offline : Outcome::Completes;
        EXPECT_FALSE(fmProcess->Visible()) << what;
        EXPECT_FALSE(fmLockPassWord->Visible()) << what;
        EXPECT_FALSE(fmStorePreset->Visible()) << what;
        if (outcome == Outcome::Offline) {
            EXPECT_EQ(find("rzbMenuLink")->Caption(), "OffLine") << what;
            EXPECT_FALSE(fmMain->IsOnline()) << what;
            fmNetwork->btnExit->Click();
        }
        return outcome;
    }

    // Once the modal loops have ended: the main window takes input and its
    // link button can connect again.
    void expectLeftUsable(const std::string& what)
    {
        EXPECT_FALSE(fmNetwork->Visible()) << what;
        EXPECT_TRUE(fmMain->Enabled()) << what;
        EXPECT_TRUE(find("rzbMenuLink")->Enabled()) << what;
    }

    // Ends a healthy connection with the link button.
    void disconnect()
    {
        if (fmMain->Router->Kind() == LinkKind::None)
            return;
        later([] { fmMain->rzbMenuLinkClick(find("rzbMenuLink")); });
        ASSERT_TRUE(runUntil([] { return fmMain->Router->Kind() == LinkKind::None && !fmNetwork->Visible(); }, {},
                             false));
    }

    // Within the resends: the manual time a failed case took stays below the
    // longest time-out's resends and waits.
    void expectWithinTheResends(std::int64_t start, const std::string& what)
    {
        EXPECT_LE(clock.nowMs() - start, 6 * 50000) << what;
    }

    void runStateLoadCases(LinkKind kind, const std::vector<FaultCase>& cases)
    {
        for (const FaultCase& c : cases) {
            SCOPED_TRACE(c.what);
            startSimulator(kind, c.faults);
            const std::int64_t start = clock.nowMs();
            EXPECT_EQ(connect(c.what), c.outcome) << c.what;
            expectWithinTheResends(start, c.what);
            disconnect();
        }
    }

    std::vector<FaultCase> stateLoadCases(std::vector<FaultPlan (*)(std::uint8_t)> faults,
                                          const std::vector<std::string>& names)
    {
        std::vector<FaultCase> cases;
        for (std::size_t f = 0; f < faults.size(); ++f)
            for (const std::uint8_t code : kStateLoadRequests)
                cases.push_back({names[f] + " answer to " + hex(code), faults[f](code), Outcome::Offline});
        return cases;
    }

    qx::ManualClock clock;
    qx::test::TempDir dir;
    std::vector<std::unique_ptr<TTimer>> timers;
    std::unique_ptr<Simulator> sim;
};

FaultPlan shortByOne(std::uint8_t code) { return shortAnswer(code); }

TEST_F(ExchangeEnds, TheStateLoadOverTcpEndsWhateverTheProcessorAnswers)
{
    std::vector<FaultCase> cases =
        stateLoadCases({&shortByOne, &zeroLength, &silent}, {"a short", "a zero-length", "no"});
    cases.push_back({"no device information", silent(0x10), Outcome::Offline});
    cases.push_back({"no model", silent(0x13), Outcome::Offline});
    cases.push_back({"answers from another device", foreignId(), Outcome::Offline});
    cases.push_back({"every answer twice", duplicated(), Outcome::Completes});
    for (const int frame : {1, 3, 5, 30, 40, 60})
        cases.push_back({"the connection dropped at frame " + std::to_string(frame), closeAt(frame),
                         Outcome::Offline});
    runStateLoadCases(LinkKind::Net, cases);
}

TEST_F(ExchangeEnds, TheStateLoadOnAPseudoTerminalEndsWhateverTheProcessorAnswers)
{
    std::vector<FaultCase> cases = stateLoadCases({&shortByOne, &silent}, {"a short", "no"});
    cases.push_back({"a zero-length answer to 0x56", zeroLength(0x56), Outcome::Offline});
    cases.push_back({"every answer twice", duplicated(), Outcome::Completes});
    runStateLoadCases(LinkKind::Serial, cases);
}

TEST_F(ExchangeEnds, TheStateLoadOverUsbEndsWhateverTheProcessorAnswers)
{
    std::vector<FaultCase> cases = stateLoadCases({&shortByOne, &silent}, {"a short", "no"});
    cases.push_back({"a zero-length answer to 0x27", zeroLength(0x27), Outcome::Offline});
    cases.push_back({"every answer twice", duplicated(), Outcome::Completes});
    runStateLoadCases(LinkKind::Usb, cases);
}

struct TransferCase
{
    std::string what;
    FaultPlan faults;
    std::function<void()> start;
    Outcome outcome;
};

// Each transfer, started from the main window once the state is loaded,
// against a processor that fails one of its requests.
TEST_F(ExchangeEnds, EveryTransferEndsWhateverTheProcessorAnswers)
{
    qx::ScriptedDialogService dialogs;
    const auto unitFile = dir / "unit.unt";
    const auto presetFile = dir / "state.prs";
    const auto seed = [](qx::sim::DeviceCore& core) {
        core.SeedPreset(3, "Third");
        core.SeedPreset(7, "Seventh");
    };
    const auto choose = [&dialogs](const std::filesystem::path& file) {
        dialogs.fileAnswers.push_back(qx::FileDialogResult{{file.string()}, 1});
    };
    const auto store = [] { fmMain->StorePreset(4, qx::presetNameFromText("Stored")); };
    const auto recall = [] { fmMain->RecallPreset(3); };
    const auto factory = [] { fmMain->LoadFactoryDefault(); };
    const auto upload = [&] {
        choose(unitFile);
        fmMain->UploadClick(nullptr);
    };
    const auto download = [&] {
        choose(unitFile);
        fmMain->DownloadClick(nullptr);
    };
    const auto openPreset = [&] {
        choose(presetFile);
        fmMain->OpenClick(nullptr);
    };

    // The files the later cases send: an upload and a preset-file save.
    startSimulator(LinkKind::Net, {}, seed);
    ASSERT_EQ(connect("the files"), Outcome::Completes);
    later(upload);
    ASSERT_TRUE(runUntil([&] { return std::filesystem::exists(unitFile) && !fmProcess->Visible(); }));
    choose(presetFile);
    fmMain->SaveClick(nullptr);
    ASSERT_TRUE(std::filesystem::exists(presetFile));
    disconnect();

    const std::vector<TransferCase> cases = {
        {"store, no answer to the name", silent(0x26), store, Outcome::Offline},
        {"store, no answer to the store", silent(0x21), store, Outcome::Offline},
        {"store, every answer twice", duplicated(), store, Outcome::Completes},
        {"recall, no answer", silent(0x20), recall, Outcome::Offline},
        {"recall, every answer twice", duplicated(), recall, Outcome::Completes},
        {"factory default, no answer", silent(0x23), factory, Outcome::Offline},
        {"upload, a short header", shortAnswer(0x19, 21), upload, Outcome::Offline},
        {"upload, no answer to the preset choice", silent(0x24), upload, Outcome::Offline},
        {"upload, a short preset piece", shortAnswer(0x28), upload, Outcome::Offline},
        {"download, no answer to the header", silent(0x1A), download, Outcome::Offline},
        {"download, a short piece acknowledgement", shortAnswer(0x25), download, Outcome::Offline},
        {"preset file, no answer to a channel name", silent(0x3D), openPreset, Outcome::Offline},
        {"preset file, every answer twice", duplicated(), openPreset, Outcome::Completes},
    };
    for (const TransferCase& c : cases) {
        SCOPED_TRACE(c.what);
        startSimulator(LinkKind::Net, c.faults, seed);
        ASSERT_EQ(connect(c.what + ", connecting"), Outcome::Completes);
        const std::int64_t start = clock.nowMs();
        bool started = false;
        later([&] {
            started = true;
            c.start();
        });
        Outcome outcome = Outcome::Offline;
        runUntil(
            [&] {
                return started && (lost() || (!fmProcess->Visible() && fmMain->Enabled() && !fmMain->IsBusy() &&
                                              find<TTimer>("tmInLevelDet")->Enabled()));
            },
            [&] { outcome = checkEnd(c.what); });
        expectLeftUsable(c.what);
        EXPECT_EQ(outcome, c.outcome) << c.what;
        expectWithinTheResends(start, c.what);
        disconnect();
        dialogs.fileAnswers.clear();
    }
}

// A locked processor: the unlock prompt waits half a minute with the link
// open and the lock-status request not sent again; the right password then
// loads the state.
TEST_F(ExchangeEnds, TheUnlockPromptWaitsAsLongAsTheUserNeeds)
{
    startSimulator(LinkKind::Net, {}, [](qx::sim::DeviceCore& core) { core.SetLock("1234"); });
    later([] { fmMain->rzbMenuLinkClick(find("rzbMenuLink")); });
    const bool advance = false; // time passes here only while the prompt is up
    runUntil([] { return fmLockPassWord->Visible(); },
             [&] {
                 for (int second = 0; second < 30; ++second) {
                     clock.advance(1000);
                     pump(5);
                 }
                 EXPECT_TRUE(fmLockPassWord->Visible());
                 EXPECT_EQ(fmMain->Router->Kind(), LinkKind::Net) << "the link is alive";
                 EXPECT_TRUE(fmMain->IsOnline());
                 fmLockPassWord->edName->SetText("1234");
                 fmLockPassWord->btnOK->Click();
             },
             advance);
    ASSERT_TRUE(runUntil([] { return loaded() && !fmLockPassWord->Visible(); }));
    EXPECT_EQ(fmMain->Router->Kind(), LinkKind::Net);

    fmMain->Router->CloseAll();
    sim.reset(); // the log is complete
    std::ifstream log(dir / "sim.log");
    int lockRequests = 0;
    for (std::string line; std::getline(log, line);)
        if (line.find("Recv:") != std::string::npos && line.find("10 02 00 01 01 2C") != std::string::npos)
            ++lockRequests;
    EXPECT_EQ(lockRequests, 1) << "0x2C was not sent again while the prompt waited";
}

} // namespace
