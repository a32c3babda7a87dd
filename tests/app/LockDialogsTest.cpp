// The operation-lock dialogs: their layouts and texts, what their buttons
// and timers send, and the unlock prompt against the simulated processor
// with a lock set, from the lock-status answer to the loaded state.

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "SimHarness.h"
#include "WindowSystemInput.h"
#include "app/lock/FLockMode.h"
#include "app/lock/FLockPassWord.h"
#include "app/lock/FLockSetup.h"
#include "app/lock/LockDialogHost.h"
#include "app/lock/LockDialogs.h"
#include "app/presets/DialogText.h"
#include "app/strings/TextTables.h"
#include "model/FirImage.h"
#include "platform/gui/Application.h"
#include "platform/gui/Button.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Label.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

namespace qxtest {
namespace {

constexpr std::uint8_t kClose = 0x11;
constexpr std::uint8_t kSetLock = 0x2F;
constexpr std::uint8_t kPassSubmit = 0x2D;
constexpr std::uint8_t kPresetFlags = 0x22;

// The main window's part, over the simulated processor: sends go to the
// simulator, the state load is the dispatcher's, the disconnect drops the
// link.
class LockHarness : public SimHarness, public qx::LockDialogHost
{
protected:
    LockHarness()
    {
        qx::setTimerClock(clock);
        qx::setLockDialogHost(this);
        qx::setDialogTranslator([](std::string_view id) { return qx::Translate(qx::kLanguageEnglish, id); });
        fmLockSetup = setup.get();
        fmLockMode = mode.get();
        fmLockPassWord = unlock.get();
        host.onUnlockReplyState = [this](int state) {
            fmLockPassWord->SetReplyState(static_cast<std::uint8_t>(state));
        };
    }
    ~LockHarness() override
    {
        fmLockSetup = nullptr;
        fmLockMode = nullptr;
        fmLockPassWord = nullptr;
        qx::setLockDialogHost(nullptr);
        qx::setDialogTranslator({});
        qx::setTimerClock(qx::Clock::system());
    }

    std::uint8_t GetDeviceId() const override { return host.deviceId; }
    void SendCommand(const LCmd& command, bool urgent) override
    {
        sentWhileHeld.push_back(linkHeld);
        host.SendCommand(command, urgent);
    }
    void StartDisconnect() override
    {
        ++disconnects;
        linkOpen = false;
        outgoing.clear();
        dispatcher.LinkClosed();
    }
    void SetLockModeVisible(bool visible) override { host.SetLockModeVisible(visible); }
    void ResumeStateLoad() override { dispatcher.StartStateLoad(false); }
    void HoldLinkForUser(bool hold) override { linkHeld = hold; }

    // The main window's tmPts handler.
    void ptsTimer()
    {
        host.timers[qx::ExchangeTimer::Pts] = false;
        if (dispatcher.state().ackStep == qx::kStepLocked) {
            fmLockPassWord->ShowForLockedLoad();
        }
    }

    // Lets 100 ms pass: the dialogs' timers that are due fire.
    static void tick(qx::ManualClock& c)
    {
        c.advance(100);
        qx::fireDueTimers();
    }
    void tick() { tick(clock); }

    // A text typed over what the box holds, as a user types it.
    static void type(TEdit& edit, const char* text)
    {
        EXPECT_TRUE(qx::test::enterThroughWindow(edit, text, Qt::Key_unknown)) << "the box took the focus";
    }
    static void click(TControl& button) { qx::test::clickThroughWindow(button); }

    // The commands sent since the last call, by code and payload.
    std::vector<std::pair<std::uint8_t, std::vector<std::uint8_t>>> sentCommands()
    {
        std::vector<std::pair<std::uint8_t, std::vector<std::uint8_t>>> out;
        for (const Sent& s : takeSent()) {
            out.emplace_back(codeOf(s), payloadOf(s));
        }
        return out;
    }

    qx::ManualClock clock;
    qx::ScriptedDialogService messages;
    int disconnects = 0;
    bool linkHeld = false;
    std::vector<bool> sentWhileHeld; // for each command sent, whether the link was held
    bool registered = (qx::registerLockDialogs(), true);
    std::unique_ptr<TfmLockSetup> setup{qx::newForm<TfmLockSetup>(nullptr)};
    std::unique_ptr<TfmLockMode> mode{qx::newForm<TfmLockMode>(nullptr)};
    std::unique_ptr<TfmLockPassWord> unlock{qx::newForm<TfmLockPassWord>(nullptr)};
};

using Command = std::pair<std::uint8_t, std::vector<std::uint8_t>>;
using Commands = std::vector<Command>;

class LockDialogsTest : public LockHarness
{
};

TEST_F(LockDialogsTest, LayoutsHoldTheBoxesAndTimers)
{
    EXPECT_EQ(setup->Caption(), "Lock Setup");
    EXPECT_EQ(mode->Caption(), "Informaion");
    EXPECT_EQ(mode->lbExit->Caption(), "Select Lock Mode!");
    EXPECT_EQ(unlock->Caption(), "UnLock");
    for (TEdit* e : {setup->edName, unlock->edName}) {
        EXPECT_EQ(e->MaxLength(), 4);
        EXPECT_EQ(e->CharCase(), ecUpperCase);
    }
    EXPECT_EQ(setup->edName->Text(), "7481");
    EXPECT_EQ(unlock->edName->Text(), "****");
    EXPECT_EQ(unlock->edName->PasswordChar(), u'*');
    for (TTimer* t : {setup->tmClose, unlock->tmCheck, unlock->tmCmd}) {
        EXPECT_FALSE(t->Enabled()) << t->Name();
        EXPECT_EQ(t->Interval(), 100U) << t->Name();
    }
}

TEST_F(LockDialogsTest, EveryShowTakesItsTextsFromTheTables)
{
    for (TForm* f : std::initializer_list<TForm*>{setup.get(), mode.get(), unlock.get()}) {
        f->Show();
        f->Hide();
    }
    const std::vector<std::pair<std::string, std::string>> shown = {
        {setup->Caption(), "Lock Setting"},
        {setup->lblLockPassword->Caption(), "Lock Password"},
        {setup->btnOK->Caption(), "OK"},
        {setup->btnExit->Caption(), "Cancel"},
        {mode->Caption(), "Lock Mode"},
        {mode->lbExit->Caption(), "Select Lock Mode!"},
        {mode->btnOneTime->Caption(), "One Time"},
        {mode->btnPermanent->Caption(), "Permanent"},
        {mode->btnCancel->Caption(), "Cancel"},
        {unlock->Caption(), "UnLock Setting"},
        {unlock->lblLockPassword->Caption(), "UnLock Password"},
        {unlock->btnOK->Caption(), "OK"},
        {unlock->bnCancel->Caption(), "Cancel"},
    };
    for (const auto& [text, english] : shown) {
        EXPECT_EQ(text, english);
    }
}

TEST_F(LockDialogsTest, LockSetupSendsTheCodeClosesAndDropsTheLink)
{
    setup->edName->SetText("x");
    setup->Show();
    EXPECT_EQ(setup->edName->Text(), "7481") << "the default code at every show";
    EXPECT_EQ(setup->edName->SelLength(), 4);
    click(*setup->edName);
    qx::test::pressThroughWindow(*setup->edName, Qt::Key_Return);
    EXPECT_EQ(sentCommands(), (Commands{{kSetLock, {'7', '4', '8', '1', 1}}, {kClose, {}}}));
    EXPECT_TRUE(setup->Visible());
    EXPECT_EQ(disconnects, 0);

    tick();
    EXPECT_EQ(disconnects, 1);
    EXPECT_FALSE(setup->Visible());
    EXPECT_FALSE(setup->tmClose->Enabled());
}

TEST_F(LockDialogsTest, LockSetupTypedCodeIsUpperCaseAndAShortOnePadded)
{
    setup->Show();
    type(*setup->edName, "ab");
    click(*setup->btnOK);
    EXPECT_EQ(sentCommands(), (Commands{{kSetLock, {'A', 'B', 0, 0, 1}}, {kClose, {}}}));
}

TEST_F(LockDialogsTest, LockSetupCancelSendsNothing)
{
    setup->Show();
    click(*setup->btnExit);
    EXPECT_FALSE(setup->Visible());
    tick();
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ(disconnects, 0);
}

TEST_F(LockDialogsTest, OneTimeSendsTheDefaultCodeAndHidesTheMenuItemPermanentSendsNothing)
{
    host.lockModeVisible = true;
    mode->Show();
    click(*mode->btnPermanent);
    EXPECT_FALSE(mode->Visible());
    mode->Show();
    click(*mode->btnCancel);
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_TRUE(host.lockModeVisible);

    mode->Show();
    click(*mode->btnOneTime);
    EXPECT_FALSE(mode->Visible());
    EXPECT_FALSE(host.lockModeVisible);
    EXPECT_EQ(sentCommands(), (Commands{{kSetLock, {'7', '4', '8', '1', 0}}}));
}

TEST_F(LockDialogsTest, UnlockWithoutAnAnswerTimesOutAndClosesTheConnection)
{
    unlock->Show();
    type(*unlock->edName, "1234");
    click(*unlock->btnOK);
    EXPECT_EQ(sentCommands(), (Commands{{kPassSubmit, {0, '1', '2', '3', '4'}}}));
    EXPECT_EQ(unlock->ReplyState, TfmLockPassWord::kWaiting);
    for (int check = 1; check <= TfmLockPassWord::kMaxChecks; ++check) {
        tick();
    }
    EXPECT_TRUE(messages.messageBoxes.empty()) << "30 checks still wait";
    EXPECT_TRUE(unlock->tmCheck->Enabled());

    tick();
    ASSERT_EQ(messages.messageBoxes.size(), 1U);
    EXPECT_EQ(messages.messageBoxes[0].text, "Check Time Out!");
    EXPECT_EQ(sentCommands(), (Commands{{kClose, {}}}));
    EXPECT_EQ(disconnects, 1);
    EXPECT_FALSE(unlock->Visible());
    EXPECT_FALSE(unlock->tmCheck->Enabled());
}

TEST_F(LockDialogsTest, UnlockCancelClosesTheConnection)
{
    unlock->Show();
    click(*unlock->bnCancel);
    EXPECT_EQ(sentCommands(), (Commands{{kClose, {}}}));
    EXPECT_EQ(disconnects, 1);
    EXPECT_FALSE(unlock->Visible());
}

TEST_F(LockDialogsTest, AnUnknownResultLeavesTheDialogWaitingForTheUser)
{
    unlock->Show();
    click(*unlock->btnOK);
    unlock->SetReplyState(7);
    tick();
    tick();
    EXPECT_TRUE(unlock->Visible());
    EXPECT_FALSE(unlock->tmCheck->Enabled());
    EXPECT_FALSE(unlock->tmCmd->Enabled());
    EXPECT_TRUE(messages.messageBoxes.empty());
}

// ---- against the simulated processor with a lock set ----

class LockedSimulatorTest : public LockHarness
{
protected:
    LockedSimulatorTest()
    {
        core.SetLock("1234");
        connectAndRun();
        host.sent.clear();
    }

    // The user's part while the prompt is open: a password typed and OK
    // pressed, the answer dispatched, the checks that follow.
    void enterPassword(const char* password)
    {
        EXPECT_TRUE(qx::test::enterThroughWindow(*unlock->edName, password)) << "the box took the focus";
        run();
        tick();
    }
};

TEST_F(LockedSimulatorTest, TheLockStatusWaitsForThePasswordOnce)
{
    EXPECT_TRUE(dispatcher.state().online);
    EXPECT_EQ(dispatcher.state().ackStep, qx::kStepLocked);
    EXPECT_TRUE(host.timer(qx::ExchangeTimer::Pts));
    EXPECT_EQ(host.loadUnitToFormCount, 0);

    // A repeated lock-status answer is not acted on: nothing asked for it.
    host.timers[qx::ExchangeTimer::Pts] = false;
    deliver(44, {0, 0, 0, 0, 0, 1, 1});
    EXPECT_FALSE(host.timer(qx::ExchangeTimer::Pts));
}

// While the prompt waits for the user the link is held; each password, and
// the state load after the right one, go out with the link running as usual.
TEST_F(LockedSimulatorTest, AWrongPasswordIsRefusedTheRightOneLoadsTheState)
{
    bool promptReopened = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(unlock->Visible());
        EXPECT_EQ(unlock->edName->Text(), "****");
        EXPECT_TRUE(linkHeld) << "the prompt waits for the user";
        // The timer may fire again while the prompt is open: no second prompt.
        ptsTimer();
        promptReopened = !unlock->Visible();

        enterPassword("9999");
        ASSERT_EQ(messages.messageBoxes.size(), 1U);
        EXPECT_EQ(messages.messageBoxes[0].text, "Password Error!!");
        EXPECT_EQ(messages.messageBoxes[0].flags, MB_OK | MB_ICONINFORMATION);
        EXPECT_EQ(unlock->edName->Text(), "****") << "the box is reset for another try";
        EXPECT_TRUE(unlock->Visible());
        EXPECT_TRUE(linkHeld) << "the prompt waits for the user again";
        EXPECT_EQ(host.loadUnitToFormCount, 0);

        enterPassword("1234");
        EXPECT_TRUE(unlock->tmCmd->Enabled());
        EXPECT_EQ(host.loadUnitToFormCount, 0) << "the load resumes 100 ms after the check";
        host.sent.clear();
        tick();
        const auto resumed = takeSent();
        ASSERT_FALSE(resumed.empty());
        EXPECT_EQ(codeOf(resumed[0]), kPresetFlags);
        EXPECT_FALSE(resumed[0].urgent);
        run();
    });
    ptsTimer();

    EXPECT_FALSE(promptReopened);
    EXPECT_FALSE(unlock->Visible());
    EXPECT_FALSE(linkHeld);
    EXPECT_EQ(std::count(sentWhileHeld.begin(), sentWhileHeld.end(), true), 0)
        << "no password or request of the load was sent with the link held";
    EXPECT_EQ(messages.messageBoxes.size(), 1U);
    EXPECT_EQ(disconnects, 0);
    EXPECT_EQ(host.loadUnitToFormCount, 1);
    EXPECT_EQ(unit.record(), simRecord());
}

TEST_F(LockedSimulatorTest, AnAcknowledgementBeforeTheTimerKeepsThePromptClosed)
{
    deliver(1, {});
    ptsTimer();
    EXPECT_FALSE(unlock->Visible());
}

} // namespace
} // namespace qxtest
