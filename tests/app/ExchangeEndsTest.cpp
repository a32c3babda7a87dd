// Every exchange of the program's windows ends: against a simulated processor
// that fails one request (answers it short, with length 0, not at all, twice,
// from another device, or drops the connection), through the real TCP,
// pseudo-terminal and fake HID links, the state load and each transfer either
// complete or leave the editor offline within the link's resends, with the
// exchange's windows closed and the link button usable. The links time out
// on a manual clock, moved by one time-out at a time and only while an
// exchange stalls: the link waits for an answer and the simulator, having
// taken the frame in flight, has nothing more on its way.

#include "ConnectionGuard.h"
#include "DeviceCore.h"
#include "FakeHidProcessor.h"
#include "FrameLog.h"
#include "PresetRowClick.h"
#include "PumpUntil.h"
#include "Responder.h"
#include "SimServer.h"
#include "TempDir.h"
#include "UserSteps.h"
#include "WindowSystemInput.h"
#include "app/FMain.h"
#include "app/FNetWorkScan.h"
#include "app/SmallWindows.h"
#include "app/lock/FLockPassWord.h"
#include "app/presets/FFactory.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStoreName.h"
#include "app/presets/FStorePreset.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "link/LNet.h"
#include "link/LinkRouter.h"
#include "model/NameText.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Control.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/Timer.h"
#include "platform/gui/ValueListEditor.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/serial/SerialPortList.h"
#include "platform/sync/Clock.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <streambuf>
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

// The simulator's frame log, watched as it is written and kept in a file:
// the frame it received last, and when it last received or sent one.
class LogWatch final : public std::streambuf
{
public:
    explicit LogWatch(const std::filesystem::path& file) : file_(file) {}

    // The simulator has taken `frame` (resends included) and, for `quiet`,
    // neither received nor sent anything: its answer, if any, has gone out.
    bool quietAfter(const std::vector<std::uint8_t>& frame, std::chrono::milliseconds quiet) const
    {
        const std::lock_guard lock(mutex_);
        return !frame.empty() && lastReceived_ == frame && std::chrono::steady_clock::now() - lastLine_ >= quiet;
    }

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        file_.put(ch);
        if (ch != '\n') {
            line_ += ch;
            return c;
        }
        const std::optional<qx::sim::TraceEntry> entry = qx::sim::ParseTraceLine(line_);
        line_.clear();
        const std::lock_guard lock(mutex_);
        lastLine_ = std::chrono::steady_clock::now();
        if (entry && entry->direction == qx::sim::TraceEntry::Direction::Received)
            lastReceived_ = entry->bytes;
        return c;
    }
    int sync() override
    {
        file_.flush();
        return 0;
    }

private:
    std::ofstream file_;
    std::string line_; // the simulator's thread only, under the frame log's lock
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> lastReceived_;
    std::chrono::steady_clock::time_point lastLine_ = std::chrono::steady_clock::now();
};

// One simulated processor with its faults, on the transport a case names.
class Simulator
{
public:
    Simulator(LinkKind kind, const FaultPlan& faults, const std::function<void(qx::sim::DeviceCore&)>& prepare,
              const std::filesystem::path& log)
        : logWatch_(log), logStream_(&logWatch_), frameLog_(logStream_)
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
    const LogWatch& log() const { return logWatch_; }
    // Other faults from the next frame on.
    void replaceFaults(const FaultPlan& faults) { responder_->ReplaceFaults(faults); }

private:
    qx::sim::DeviceCore core_;
    LogWatch logWatch_;
    std::ostream logStream_;
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

    // The main window as a user finds it to act on: active and on top, with
    // no modal window over it.
    static bool mainWindowReady()
    {
        return qx::test::readyForTheUser(*fmMain) && QApplication::activeModalWidget() == nullptr;
    }

    // Runs `action` from the message loop once `ready` holds, so that the
    // modal windows it opens do not hold up the test.
    void later(std::function<void()> action, std::function<bool()> ready = mainWindowReady)
    {
        TTimer* t = timers.emplace_back(std::make_unique<TTimer>(nullptr)).get();
        t->SetInterval(1);
        t->OnTimer = [t, action, ready](TObject*) {
            if (!ready())
                return;
            t->SetEnabled(false);
            action();
        };
        t->SetEnabled(true);
    }

    // The link button pressed as a user presses it, once the main window is
    // there; `pressed` is set as the button takes the click, before its
    // handler runs.
    void pressTheLinkButton(bool* pressed = nullptr)
    {
        later([pressed] {
            QWidget* button = find("rzbMenuLink")->Widget();
            const qx::test::ReleaseWatch watch(button, pressed);
            qx::test::clickThroughWindow(button);
        });
    }
    // A main menu entry chosen with the mouse (a modal window it opens is
    // worked from the loop and closed before this returns); `chosen` is set
    // as the click lands.
    static void choose(const char* entry, bool* chosen = nullptr)
    {
        EXPECT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>(entry), chosen)) << entry << " chosen";
    }

    static void pump(int realMs)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(realMs);
        qx::test::pumpUntil([end] { return std::chrono::steady_clock::now() >= end; });
    }

    // Runs the loop until done() holds, checked by a timer that also fires
    // inside the modal loops of the windows under test; `atEnd` then runs
    // right there, once the window that holds the loop is ready for the user
    // (to check that state and to answer that window), and the call returns
    // once the loops it ended have returned.
    // While `advance` is set and the exchange stalls, the manual clock moves
    // on to the time-out of the frame in flight, one time-out per stall seen:
    // the link waits for the answer to that frame and times it, the
    // simulator has taken it, and for a while neither the frame nor the
    // simulator's log has changed. The clock moves again only once the link
    // has taken that time-out and times the frame anew, so each move is one
    // time-out of the link however slowly its thread runs. A slow build
    // only makes the stalls come later: an exchange under way changes its
    // frame in flight or the simulator's log, whatever its pace. The most
    // time-outs one frame waited go to `longestWait`.
    bool runUntil(const std::function<bool()>& done, const std::function<void()>& atEnd = {},
                  bool advance = true)
    {
        constexpr auto kQuiet = std::chrono::milliseconds(50);
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(90);
        auto lastChange = std::chrono::steady_clock::now();
        std::vector<std::uint8_t> inFlight;
        int waits = 0;
        bool finished = false;
        bool gaveUp = false;
        std::string stateAtGiveUp;
        TTimer driver(nullptr);
        driver.SetInterval(1);
        driver.OnTimer = [&](TObject*) {
            if (finished || gaveUp)
                return;
            const auto now = std::chrono::steady_clock::now();
            if (now > giveUp) {
                gaveUp = true;
                stateAtGiveUp = state() + ", frame in flight " + qx::sim::HexBytes(inFlight) + ", link busy " +
                                std::to_string(fmMain->Router->Busy()) + ", time-outs waited " + std::to_string(waits);
                for (TForm* window : std::initializer_list<TForm*>{fmLockPassWord, fmProcess, fmNetwork})
                    window->Close();
                return;
            }
            if (done() && qx::test::modalWindowReady()) {
                finished = true;
                if (atEnd)
                    atEnd();
                return;
            }
            std::vector<std::uint8_t> pending = fmMain->Router->PendingFrame();
            if (pending != inFlight) {
                inFlight = std::move(pending);
                lastChange = now;
                waits = 0;
                return;
            }
            const std::int64_t timeoutAt = fmMain->Router->FrameTimeoutAt();
            if (advance && !holdClock && sim && fmMain->Router->Busy() && timeoutAt > clock.nowMs() &&
                now - lastChange >= kQuiet && sim->log().quietAfter(inFlight, kQuiet)) {
                clock.advance(timeoutAt - clock.nowMs());
                lastChange = now;
                longestWait = std::max(longestWait, ++waits);
            }
        };
        driver.SetEnabled(true);
        qx::test::pumpUntil([&] { return finished || gaveUp; }, "the modal loops to end", std::chrono::seconds(120));
        EXPECT_FALSE(gaveUp) << "the awaited state did not come: " << stateAtGiveUp;
        return finished;
    }

    // The end of the state load: the link button, taken when it was pressed,
    // is given back last (the meter poll alone may run from before: a preset
    // file opened restarts it, also when its transfer was lost).
    static bool loaded()
    {
        return fmMain->IsOnline() && find<TTimer>("tmInLevelDet")->Enabled() && !fmNetwork->Visible() &&
               !fmProcess->Visible() && find("rzbMenuLink")->Enabled();
    }
    static bool lost()
    {
        return fmNetwork->Visible() && fmMain->Router->Kind() == LinkKind::None &&
               fmNetwork->btnExit->Enabled();
    }
    // Offline by the editor's own disconnect, which shows no scan dialog
    // (the end of a download, when it comes before the processor's restart
    // drops the connection).
    static bool disconnected()
    {
        return !fmNetwork->Visible() && fmMain->Router->Kind() == LinkKind::None && !fmMain->IsOnline() &&
               find("rzbMenuLink")->Enabled();
    }

    // Presses the link button offline and waits for the state load's end;
    // `what` names the case in the checks of that end.
    Outcome connect(const std::string& what)
    {
        Outcome outcome = Outcome::Offline;
        bool pressed = false;
        pressTheLinkButton(&pressed);
        runUntil([&] { return pressed && (loaded() || lost() || disconnected()); },
                 [&] {
                     EXPECT_FALSE(disconnected()) << what << ": offline without the scan dialog";
                     outcome = checkEnd(what);
                 });
        expectLeftUsable(what);
        return outcome;
    }

    // What either end leaves, seen while it holds: no window of the exchange;
    // offline, the scan dialog alone over the window, which is then left
    // with Demo.
    Outcome checkEnd(const std::string& what)
    {
        const Outcome outcome = lost() || disconnected() ? Outcome::Offline : Outcome::Completes;
        EXPECT_FALSE(fmProcess->Visible()) << what;
        EXPECT_FALSE(fmLockPassWord->Visible()) << what;
        for (TForm* window : std::initializer_list<TForm*>{fmStorePreset, fmRecallPreset, fmStoreName, fmFactory})
            EXPECT_FALSE(window->Visible()) << what << ": " << window->Name();
        if (outcome == Outcome::Offline) {
            EXPECT_EQ(find("rzbMenuLink")->Caption(), "OffLine") << what;
            EXPECT_FALSE(fmMain->IsOnline()) << what;
            if (fmNetwork->Visible())
                qx::test::clickThroughWindow(*fmNetwork->btnExit);
        }
        return outcome;
    }

    // Once the modal loops have ended: the main window takes input and its
    // link button can connect again.
    void expectLeftUsable(const std::string& what)
    {
        EXPECT_FALSE(fmNetwork->Visible()) << what;
        EXPECT_TRUE(fmMain->Enabled()) << what;
        EXPECT_TRUE(find("rzbMenuLink")->Enabled()) << what << "; " << state();
    }

    // What the editor shows, for a failure's message.
    static std::string state()
    {
        std::ostringstream s;
        s << "online " << fmMain->IsOnline() << ", link " << static_cast<int>(fmMain->Router->Kind())
          << ", link button '" << find("rzbMenuLink")->Caption() << "' enabled " << find("rzbMenuLink")->Enabled()
          << ", scan dialog " << fmNetwork->Visible() << " '" << fmNetwork->lblScan->Caption() << "', progress "
          << fmProcess->Visible() << ", meters " << find<TTimer>("tmInLevelDet")->Enabled() << ", main window "
          << fmMain->Enabled() << ", busy " << fmMain->IsBusy();
        return s.str();
    }

    // Ends a healthy connection with the link button.
    void disconnect()
    {
        if (fmMain->Router->Kind() == LinkKind::None)
            return;
        pressTheLinkButton();
        ASSERT_TRUE(runUntil([] { return fmMain->Router->Kind() == LinkKind::None && !fmNetwork->Visible(); }, {},
                             false));
    }

    // Within the resends: no frame of the case waited more time-outs than
    // the link's first write, its resends and (USB) its extra waits.
    void expectWithinTheResends(LinkKind kind, const std::string& what) const
    {
        const int budget = 1 + qx::LinkRouter::kOpenedRetries + (kind == LinkKind::Usb ? LUsb::kExtraPeriods : 0);
        EXPECT_LE(longestWait, budget) << what;
    }

    void runStateLoadCases(LinkKind kind, const std::vector<FaultCase>& cases)
    {
        for (const FaultCase& c : cases) {
            SCOPED_TRACE(c.what);
            startSimulator(kind, c.faults);
            longestWait = 0;
            EXPECT_EQ(connect(c.what), c.outcome) << c.what;
            expectWithinTheResends(kind, c.what);
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

    void connectLocked(const FaultPlan& faults, LinkKind kind = LinkKind::Net);
    void answerThePrompt(const std::string& password, const std::function<void()>& whileAsked = {});

    qx::ManualClock clock;
    bool holdClock = false; // a case keeps the links from timing out for a while
    int longestWait = 0;
    qx::ScriptedDialogService dialogs;
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

using Steps = std::vector<qx::test::UserSteps::Step>;

struct TransferCase
{
    std::string what;
    FaultPlan faults;
    // The user's steps; the click of the last sets `started` as it lands.
    std::function<Steps(bool* started)> steps;
    Outcome outcome;
    LinkKind kind = LinkKind::Net;
};

// Each transfer, started from the main window once the state is loaded from
// a sound processor that then fails one of the transfer's requests.
class TransferEnds : public ExchangeEnds
{
protected:
    static void seed(qx::sim::DeviceCore& core)
    {
        core.SeedPreset(3, "Third");
        core.SeedPreset(7, "Seventh");
    }
    // The file the next file dialog answers with.
    void answerWith(const std::filesystem::path& file)
    {
        dialogs.fileAnswers.push_back(qx::FileDialogResult{{file.string()}, 1});
    }

    // A click on `button` of a dialog, `started` set as it lands.
    static void clickToStart(TControl& button, bool* started)
    {
        const qx::test::ReleaseWatch watch(button.Widget(), started);
        qx::test::clickThroughWindow(button);
    }
    // The name dialog shown over its list and given the user's keys. (The
    // offscreen platform does not stack windows: where the two overlap it
    // may name the list as the top-most one.)
    static bool nameDialogUp()
    {
        return fmStoreName->Visible() && fmStoreName->Widget()->isActiveWindow();
    }
    // Store: the Store button, row U05 of the list, a name typed into the
    // name dialog and OK.
    static Steps store(bool* started)
    {
        return {{"the main window", mainWindowReady, [] { qx::test::clickThroughWindow(*find("bStore")); }},
                {"the store list", [] { return qx::test::readyForTheUser(*fmStorePreset); },
                 [] { qx::test::clickRow(*fmStorePreset, 5); }},
                {"the name dialog", nameDialogUp,
                 [started] {
                     EXPECT_EQ(fmStoreName->lTitle->Caption(), "U05 : ");
                     EXPECT_TRUE(qx::test::enterThroughWindow(*fmStoreName->edName, "Stored", Qt::Key_unknown));
                     clickToStart(*fmStoreName->btnOK, started);
                 }}};
    }
    // Recall: the Recall button, row U03 of the list and OK under its name.
    static Steps recall(bool* started)
    {
        return {{"the main window", mainWindowReady, [] { qx::test::clickThroughWindow(*find("bRecall")); }},
                {"the recall list", [] { return qx::test::readyForTheUser(*fmRecallPreset); },
                 [] { qx::test::clickRow(*fmRecallPreset, 4); }},
                {"the name dialog", nameDialogUp,
                 [started] {
                     EXPECT_EQ(fmStoreName->edName->Text(), "Third");
                     clickToStart(*fmStoreName->btnOK, started);
                 }}};
    }
    // The factory default: the File menu's entry and OK in its dialog. The
    // layout hides the entry; it is shown here to be chosen as it would be.
    static Steps factory(bool* started)
    {
        return {{"the main window", mainWindowReady,
                 [] {
                     find<TMenuItem>("FactoryDefault")->SetVisible(true);
                     choose("FactoryDefault");
                 }},
                {"the factory dialog", [] { return qx::test::readyForTheUser(*fmFactory); },
                 [started] { clickToStart(*fmFactory->btnOK, started); }}};
    }
    // A file chosen from the File menu, the file dialog answering `file`.
    std::function<Steps(bool*)> fromTheFileMenu(const char* entry, const std::filesystem::path& file)
    {
        return [this, entry, file](bool* started) -> Steps {
            return {{"the main window", mainWindowReady, [this, entry, file, started] {
                         answerWith(file);
                         choose(entry, started);
                     }}};
        };
    }
    std::function<Steps(bool*)> upload() { return fromTheFileMenu("Upload", unitFile); }
    std::function<Steps(bool*)> download() { return fromTheFileMenu("Download", unitFile); }
    std::function<Steps(bool*)> openPreset() { return fromTheFileMenu("Open", presetFile); }

    // The files the cases send: a unit upload and a preset-file save.
    void makeFiles()
    {
        startSimulator(LinkKind::Net, {}, seed);
        ASSERT_EQ(connect("the files"), Outcome::Completes);
        const qx::test::UserSteps user(upload()(nullptr));
        ASSERT_TRUE(runUntil([&] { return std::filesystem::exists(unitFile) && !fmProcess->Visible(); }));
        answerWith(presetFile);
        choose("Save");
        ASSERT_TRUE(std::filesystem::exists(presetFile));
        disconnect();
    }

    void runTransferCases(const std::vector<TransferCase>& cases)
    {
        for (const TransferCase& c : cases) {
            SCOPED_TRACE(c.what);
            startSimulator(c.kind, {}, seed);
            ASSERT_EQ(connect(c.what + ", connecting"), Outcome::Completes);
            sim->replaceFaults(c.faults);
            longestWait = 0;
            bool started = false;
            const qx::test::UserSteps user(c.steps(&started));
            Outcome outcome = Outcome::Offline;
            runUntil(
                [&] {
                    return started && (lost() || disconnected() ||
                                       (!fmProcess->Visible() && fmMain->Enabled() && !fmMain->IsBusy() &&
                                        find<TTimer>("tmInLevelDet")->Enabled()));
                },
                [&] { outcome = checkEnd(c.what); });
            expectLeftUsable(c.what);
            EXPECT_TRUE(user.done()) << c.what << ": waiting for " << user.waitingFor();
            EXPECT_EQ(outcome, c.outcome) << c.what;
            expectWithinTheResends(c.kind, c.what);
            disconnect();
            dialogs.fileAnswers.clear();
        }
    }

    std::filesystem::path unitFile = dir / "unit.unt";
    std::filesystem::path presetFile = dir / "state.prs";
};

// The store, the recall and the factory default, with the state load each
// of the last two ends with.
TEST_F(TransferEnds, StoreRecallAndFactoryDefaultEndWhateverTheProcessorAnswers)
{
    runTransferCases({
        {"store, no answer to the name", silent(0x26), store, Outcome::Offline},
        {"store, no answer to the store", silent(0x21), store, Outcome::Offline},
        {"store, every answer twice", duplicated(), store, Outcome::Completes},
        {"store on a pseudo-terminal, no answer to the store", silent(0x21), store, Outcome::Offline,
         LinkKind::Serial},
        {"recall, no answer", silent(0x20), recall, Outcome::Offline},
        {"recall, no answer to a FIR block of the load after it", silent(0x56), recall, Outcome::Offline},
        {"recall, a short parameter piece of the load after it", shortAnswer(0x27), recall, Outcome::Offline},
        {"recall, every answer twice", duplicated(), recall, Outcome::Completes},
        {"recall over USB, no answer", silent(0x20), recall, Outcome::Offline, LinkKind::Usb},
        {"factory default, no answer", silent(0x23), factory, Outcome::Offline},
        {"factory default, a short preset name of the load after it", shortAnswer(0x29), factory,
         Outcome::Offline},
    });
}

TEST_F(TransferEnds, TheUnitUploadEndsWhateverTheProcessorAnswers)
{
    makeFiles();
    runTransferCases({
        {"upload, a short header", shortAnswer(0x19, 21), upload(), Outcome::Offline},
        {"upload, no answer to the preset choice", silent(0x24), upload(), Outcome::Offline},
        {"upload, a short preset piece", shortAnswer(0x28), upload(), Outcome::Offline},
        {"upload, no answer to a preset's FIR block", silent(0x56), upload(), Outcome::Offline},
        {"upload, a zero-length preset piece", zeroLength(0x28), upload(), Outcome::Offline},
        {"upload, answers from another device", foreignId(), upload(), Outcome::Offline},
        {"upload over USB, a short preset piece", shortAnswer(0x28), upload(), Outcome::Offline, LinkKind::Usb},
        {"upload on a pseudo-terminal, no answer to a preset's FIR block", silent(0x56), upload(),
         Outcome::Offline, LinkKind::Serial},
    });
}

// A download ends with the processor restarting, which drops the connection:
// a sound one, its answers twice, goes offline too.
TEST_F(TransferEnds, TheUnitDownloadEndsWhateverTheProcessorAnswers)
{
    makeFiles();
    runTransferCases({
        {"download, no answer to the factory reset", silent(0x23), download(), Outcome::Offline},
        {"download, no answer to the header", silent(0x1A), download(), Outcome::Offline},
        {"download, a short piece acknowledgement", shortAnswer(0x25), download(), Outcome::Offline},
        {"download, no answer to an erase", silent(0x58), download(), Outcome::Offline},
        {"download, no answer to the closing device request", silent(0x10), download(), Outcome::Offline},
        {"download, every answer twice", duplicated(), download(), Outcome::Offline},
    });
}

TEST_F(TransferEnds, OpeningAPresetFileEndsWhateverTheProcessorAnswers)
{
    makeFiles();
    runTransferCases({
        {"preset file, no answer to the first FIR setting", silent(0x35), openPreset(), Outcome::Offline},
        {"preset file, no answer to a channel name", silent(0x3D), openPreset(), Outcome::Offline},
        {"preset file, no answer to a FIR coefficient block", silent(0x33), openPreset(), Outcome::Offline},
        {"preset file, a zero-length answer to a gain", zeroLength(0x34), openPreset(), Outcome::Offline},
        {"preset file, no answer to the closing meter request", silent(0x40), openPreset(), Outcome::Offline},
        {"preset file, every answer twice", duplicated(), openPreset(), Outcome::Completes},
    });
}

// The frames of one command code the simulator received over the case, once
// it has ended (its log is then complete).
int receivedFrames(const std::filesystem::path& log, std::uint8_t code)
{
    std::ifstream in(log);
    int count = 0;
    for (std::string line; std::getline(in, line);) {
        const std::optional<qx::sim::TraceEntry> entry = qx::sim::ParseTraceLine(line);
        if (entry && entry->direction == qx::sim::TraceEntry::Direction::Received && entry->bytes.size() > 5 &&
            entry->bytes[5] == code)
            ++count;
    }
    return count;
}

constexpr std::uint8_t kLockStatus = 0x2C;
constexpr std::uint8_t kPasswordSubmit = 0x2D;

// A locked processor, connected to with the link button.
void ExchangeEnds::connectLocked(const FaultPlan& faults, LinkKind kind)
{
    startSimulator(kind, faults, [](qx::sim::DeviceCore& core) { core.SetLock("1234"); });
    pressTheLinkButton();
}

// Once the unlock prompt is up for the user: runs `whileAsked` there, then
// types `password` into its box and clicks OK (no password: leaves the
// prompt as it is).
void ExchangeEnds::answerThePrompt(const std::string& password, const std::function<void()>& whileAsked)
{
    later(
        [password, whileAsked] {
            if (whileAsked)
                whileAsked();
            if (password.empty())
                return;
            EXPECT_TRUE(qx::test::enterThroughWindow(*fmLockPassWord->edName, password, Qt::Key_unknown));
            qx::test::clickThroughWindow(*fmLockPassWord->btnOK);
        },
        [] { return qx::test::readyForTheUser(*fmLockPassWord); });
}

// The unlock prompt waits half a minute with the link open and the
// lock-status request not sent again; the right password then loads the
// state.
TEST_F(ExchangeEnds, TheUnlockPromptWaitsAsLongAsTheUserNeeds)
{
    connectLocked({});
    bool asked = false;
    answerThePrompt("1234", [this, &asked] {
        asked = true;
        for (int second = 0; second < 30; ++second) {
            clock.advance(1000);
            pump(5);
        }
        EXPECT_TRUE(fmLockPassWord->Visible());
        EXPECT_EQ(fmMain->Router->Kind(), LinkKind::Net) << "the link is alive";
        EXPECT_TRUE(fmMain->IsOnline());
    });
    ASSERT_TRUE(runUntil([&] { return asked && loaded() && !fmLockPassWord->Visible(); }));
    EXPECT_EQ(fmMain->Router->Kind(), LinkKind::Net);
    EXPECT_EQ(longestWait, 0) << "no exchange waited for a time-out";
    EXPECT_TRUE(dialogs.messageBoxes.empty());

    fmMain->Router->CloseAll();
    sim.reset(); // the log is complete
    EXPECT_EQ(receivedFrames(dir / "sim.log", kLockStatus), 1) << "0x2C was not sent again while the prompt waited";
}

// The password's own exchange follows the link's resends: an unanswered
// password is sent again at its time-out, and one that is never answered
// takes the editor offline within the resends, with the prompt closed.
TEST_F(ExchangeEnds, ThePasswordIsResentAtItsTimeOut)
{
    // The handshake's device information, model and lock status come first.
    FaultPlan firstPasswordUnanswered;
    firstPasswordUnanswered.silentFrame = 4;
    connectLocked(firstPasswordUnanswered);
    answerThePrompt("1234");
    ASSERT_TRUE(runUntil([] { return loaded() && !fmLockPassWord->Visible(); }));
    expectWithinTheResends(LinkKind::Net, "the first password unanswered");
    disconnect();
    sim.reset();
    EXPECT_EQ(receivedFrames(dir / "sim.log", kPasswordSubmit), 2) << "sent, then resent";

    longestWait = 0;
    connectLocked(silent(kPasswordSubmit));
    answerThePrompt("1234");
    Outcome outcome = Outcome::Completes;
    runUntil([] { return lost(); }, [&] { outcome = checkEnd("no answer to the password"); });
    expectLeftUsable("no answer to the password");
    EXPECT_EQ(outcome, Outcome::Offline);
    expectWithinTheResends(LinkKind::Net, "no answer to the password");
    EXPECT_TRUE(dialogs.messageBoxes.empty()) << "the link failed before the prompt gave up";
    sim.reset();
    EXPECT_GE(receivedFrames(dir / "sim.log", kPasswordSubmit), 2) << "sent, then resent";
}

// The processor goes away while the unlock prompt, opened right after the
// connection, waits: the prompt closes and the scan dialog shows the broken
// link, also while the scan dialog of that connection was still closing
// beneath the prompt.
TEST_F(ExchangeEnds, ALinkLostUnderTheUnlockPromptShowsTheScanDialog)
{
    for (const LinkKind kind : {LinkKind::Serial, LinkKind::Usb}) {
        const std::string what = kind == LinkKind::Usb ? "over USB" : "on a pseudo-terminal";
        SCOPED_TRACE(what);
        connectLocked({}, kind);
        bool asked = false;
        answerThePrompt("", [this, &asked] {
            asked = true;
            sim.reset();
            if (fmMain->Router->Kind() == LinkKind::Usb)
                fmMain->RescanHid();
        });
        Outcome outcome = Outcome::Completes;
        runUntil(
            [&] {
                return asked && (lost() || (fmMain->Router->Kind() == LinkKind::None &&
                                            !fmLockPassWord->Visible() && !fmNetwork->Modal()));
            },
            [&] {
                EXPECT_TRUE(fmNetwork->Visible()) << what << "; " << state();
                EXPECT_EQ(fmNetwork->lblScan->Caption(), "Link Broken") << what;
                outcome = checkEnd(what);
            },
            false);
        expectLeftUsable(what);
        EXPECT_EQ(outcome, Outcome::Offline) << what;
    }
}

// The scan dialog's close after a connection comes late, once the progress
// window of the state load already runs above it (a busy machine can fire
// the two timers in that order): the dialog stays up beneath the progress
// window until its loop returns, and a link lost meanwhile shows it again
// with the broken link rather than leaving the editor offline without it.
TEST_F(ExchangeEnds, ALinkLostWhileTheScanDialogStillClosesShowsIt)
{
    startSimulator(LinkKind::Net, silent(0x27));
    fmNetwork->tmConnect->SetInterval(300);
    // The unanswered parameter piece times out once the dialog closes.
    holdClock = true;
    TTimer watch(nullptr);
    watch.SetInterval(1);
    watch.OnTimer = [&](TObject*) {
        if (fmProcess->Visible() && fmNetwork->Modal() && fmNetwork->ModalResult() != mrNone)
            holdClock = false;
    };
    watch.SetEnabled(true);
    longestWait = 0;
    EXPECT_EQ(connect("the scan dialog closing beneath the progress window"), Outcome::Offline);
    EXPECT_FALSE(holdClock) << "the scan dialog closed while the progress window ran above it";
    expectWithinTheResends(LinkKind::Net, "the scan dialog closing beneath the progress window");
}

// The processor goes away while the user names a preset to store: the store
// list and the name dialog close and the scan dialog shows the broken link.
// The user presses Store, clicks a row of the list and, with the name dialog
// up over the list, the processor goes.
TEST_F(ExchangeEnds, ALinkLostWhileAStoreIsNamedClosesItsDialogs)
{
    const std::string what = "the store's dialogs open";
    startSimulator(LinkKind::Serial, {});
    ASSERT_EQ(connect("connecting"), Outcome::Completes);
    bool named = false;
    qx::test::UserSteps user(
        {{"the main window", [] { return loaded(); }, [] { qx::test::clickThroughWindow(*find("bStore")); }},
         {"the store list", [] { return qx::test::readyForTheUser(*fmStorePreset); },
          [] { qx::test::clickRow(*fmStorePreset, 5); }},
         {"the name dialog", [] { return qx::test::readyForTheUser(*fmStoreName); },
          [&] {
              EXPECT_EQ(fmStoreName->lTitle->Caption(), "U05 : ");
              named = fmStorePreset->Visible();
              sim.reset();
          }}});
    Outcome outcome = Outcome::Completes;
    runUntil([&] { return named && (lost() || disconnected()); },
             [&] {
                 EXPECT_TRUE(lost()) << what << "; " << state();
                 EXPECT_FALSE(fmStoreName->Visible()) << what;
                 outcome = checkEnd(what);
             });
    expectLeftUsable(what);
    EXPECT_TRUE(user.done()) << "waiting for " << user.waitingFor();
    EXPECT_TRUE(named) << "the name dialog was up over the store list";
    EXPECT_EQ(outcome, Outcome::Offline);
}

} // namespace
