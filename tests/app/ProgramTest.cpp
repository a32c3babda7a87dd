// The program as it runs: every window made in order, the main window at its
// design size, every page a user can reach clicked open by its page button,
// and the program ended through the quit dialog. Clicks and menu choices go
// through the window system.

#include "ConnectionGuard.h"
#include "WhenShown.h"
#include "WindowSystemInput.h"
#include "app/FMain.h"
#include "app/ProgramStart.h"
#include "app/FHidData.h"
#include "app/FInFirPassWord.h"
#include "app/FRs232Code.h"
#include "app/FNetWorkScan.h"
#include "app/FNetworkSetup.h"
#include "app/SmallWindows.h"
#include "app/lock/FLockMode.h"
#include "app/lock/FLockPassWord.h"
#include "app/lock/FLockSetup.h"
#include "app/presets/FFactory.h"
#include "app/presets/FRecallPreset.h"
#include "app/presets/FStoreName.h"
#include "app/presets/FStorePreset.h"
#include "controls/buttons/rz/RzBmpBtn.h"
#include "editors/channel/FChNameList.h"
#include "editors/channel/FChannelName.h"
#include "editors/channel/FCopy.h"
#include "editors/channel/FLimitCalculate.h"
#include "editors/channel/FLinkSel.h"
#include "editors/channel/FPeqRst.h"
#include "editors/channel/FSourceSelect.h"
#include "editors/channel/FTest.h"
#include "platform/gui/Application.h"
#include "platform/gui/Control.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/Strings.h"
#include "platform/gui/Timer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The window system's close box.
void pressCloseBox(TForm& form)
{
    QCloseEvent close;
    QApplication::sendEvent(form.Widget(), &close);
}

// Runs the steps one per timer tick while the loop runs, modal loops
// included. A step that runs the loop itself (a click through the window
// does) holds the next step back until it has returned, unless it opens a
// modal window, inside whose loop the next steps run.
class Script
{
public:
    explicit Script(std::vector<std::function<void()>> steps) : steps_(std::move(steps)), timer_(nullptr)
    {
        timer_.SetInterval(1);
        timer_.OnTimer = [this](TObject*) {
            if (next_ >= steps_.size() || (running_ && QApplication::activeModalWidget() == nullptr))
                return;
            const bool outer = running_;
            running_ = true;
            steps_[next_++]();
            running_ = outer;
        };
        timer_.SetEnabled(true);
    }
    std::size_t done() const { return next_; }

private:
    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
    bool running_ = false;
    TTimer timer_;
};

template <class T = TControl>
T* find(const std::string& name)
{
    return qx::findComponent<T>(*fmMain, name);
}

TEST(Program, StartsVisitsEveryPageAndQuitsThroughTheQuitDialog)
{
    qx::test::startProgram();
    ASSERT_NE(fmMain, nullptr);
    // The start timer would open the connection dialog: stopped before the loop runs.
    find<TTimer>("tmStartConnect")->SetEnabled(false);

    EXPECT_EQ(Application->Title(), "K-ARX QX-73B DSP Processor Editor V1.0");
    EXPECT_EQ(Application->MainForm(), fmMain);
    EXPECT_EQ(fmMain->Caption(), "K-ARX QX-73B DSP Processor Editor V1.2");
    // Every window, made once, in this order, and owned by the application.
    const std::vector<TComponent*> windows = {
        fmMain,        fmHidData,      fmPeqRst,       fmAbout,          fmRs232Code,   fmRs232CodeEnglish,
        fmLockPassWord, fmLockSetup,   fmLimitCalculate, fmNetwork,      fmProcess,     fmInformation,
        fmLockMode,    fmMemo,         fmRecallPreset, fmChannelName,    fmStorePreset, fmFactory,
        fmTest,        fmLinkSel,      fmChNameList,   fmStoreName,      fmNetworkSetup, fmCopy,
        fmExit,        fmSourceSelect, fmInFirPassWord};
    for (TComponent* window : windows)
        ASSERT_NE(window, nullptr);
    std::vector<TComponent*> made;
    // (The splash that the main window shows while it starts has no name.)
    for (int i = 0; i < Application->ComponentCount(); ++i)
        if (auto* form = dynamic_cast<TForm*>(Application->Components(i)); form && !form->Name().empty())
            made.push_back(form);
    EXPECT_EQ(made, windows);
    EXPECT_EQ(qx::presetDialogHost(), fmMain);
    EXPECT_EQ(qx::lockDialogHost(), fmMain);

    std::vector<std::function<void()>> steps;
    steps.push_back([] {
        EXPECT_TRUE(fmMain->Visible());
        EXPECT_EQ(fmMain->Width(), 1125);
        EXPECT_EQ(fmMain->Height(), 727);
        EXPECT_NE(fmMain->FindComponent("MainMenu"), nullptr);
        EXPECT_NE(find<TMenuItem>("File"), nullptr);
    });
    const std::vector<std::pair<std::string, int>> pages = {
        {"InA", 0},  {"InB", 1},  {"InC", 2},  {"InD", 3},    {"Out1", 4},   {"Out2", 5},
        {"Out3", 6}, {"Out4", 7}, {"Out5", 8}, {"Out6", 9},   {"Out7", 10},  {"Out8", 11},
        {"Comp", 12}, {"Delay", 13}, {"Matrix", 15}, {"Limit", 17}, {"Gain", 14}};
    // (The Gate button lies beneath the Comp button: no user reaches it.)
    for (const auto& [page, number] : pages)
        steps.push_back([page, number] {
            ASSERT_TRUE(qx::test::inSightAtItsCentre(*find("rzbMenu" + page))) << page;
            qx::test::clickThroughWindow(*find("rzbMenu" + page));
            EXPECT_EQ(fmMain->CurrentPage, number) << page;
            EXPECT_TRUE(find("rzgFft" + page)->Visible()) << page;
            EXPECT_TRUE(find("rzgParam" + page)->Visible()) << page;
        });
    // Help, HidData opens the traffic monitor without waiting; closing it only
    // hides it, and the item opens it again with its lines kept. The item is
    // hidden (a diagnostic view no user reaches): its handler is called.
    steps.push_back([] {
        ASSERT_FALSE(fmHidData->Visible());
        EXPECT_FALSE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>("HidData"))) << "hidden";
        find<TMenuItem>("HidData")->Click();
        EXPECT_TRUE(fmHidData->Visible());
        EXPECT_TRUE(fmMain->Enabled()) << "not modal";
        fmHidData->AddTraceLine("NET W 01 ");
        pressCloseBox(*fmHidData);
        EXPECT_FALSE(fmHidData->Visible());
        find<TMenuItem>("HidData")->Click();
        EXPECT_TRUE(fmHidData->Visible());
        EXPECT_EQ(fmHidData->hbHidData->Items()->Count(), 1);
        pressCloseBox(*fmHidData);
    });
    // The close box asks and leaves the window open; Cancel closes only the dialog.
    steps.push_back([] {
        pressCloseBox(*fmMain);
        EXPECT_TRUE(fmExit->Visible());
        EXPECT_TRUE(fmMain->Visible());
        EXPECT_EQ(fmExit->Caption(), "Information");
        EXPECT_EQ(fmExit->lbExit->Caption(), "Are you sure to quit ?");
    });
    steps.push_back([] {
        qx::test::clickThroughWindow(*fmExit->btnCancel);
        EXPECT_FALSE(fmExit->Visible());
        EXPECT_TRUE(fmMain->Visible());
        EXPECT_FALSE(fmMain->ExitConfirmed);
    });
    // File, Exit shows the dialog modally; OK is pressed inside its loop
    // once it shows.
    std::unique_ptr<qx::test::WhenShown> pressOk;
    steps.push_back([&pressOk] {
        pressOk = std::make_unique<qx::test::WhenShown>(
            *fmExit, [] { qx::test::clickThroughWindow(*fmExit->btnOK); });
        EXPECT_TRUE(qx::test::chooseMenuThroughWindow(*find<TMenuItem>("Exit")));
    });
    Script script(std::move(steps));

    Application->Run();

    EXPECT_EQ(script.done(), 22U) << "every step ran";
    ASSERT_NE(pressOk, nullptr);
    EXPECT_TRUE(pressOk->Ran());
    EXPECT_TRUE(fmMain->ExitConfirmed);
    EXPECT_TRUE(Application->Terminated());
    qx::test::endProgram();
}

// The dialogs take their texts from the main window's table when shown,
// not the texts of their layouts.
TEST(Program, DialogsShowTheTextTablesTexts)
{
    qx::test::startProgram();
    find<TTimer>("tmStartConnect")->SetEnabled(false);
    struct Case
    {
        TForm* dialog;
        std::string caption;
    };
    const std::vector<Case> cases = {{fmLockSetup, "Lock Setting"},
                                     {fmLockMode, "Lock Mode"},
                                     {fmLockPassWord, "UnLock Setting"},
                                     {fmStorePreset, std::string(fmMain->Translate("SID_SAVE_PRESET"))},
                                     {fmRecallPreset, std::string(fmMain->Translate("SID_RECALL_PRESET"))},
                                     {fmStoreName, std::string(fmMain->Translate("SID_PST_NAME"))},
                                     {fmFactory, std::string(fmMain->Translate("SID_INFO_TITLE"))}};
    for (const Case& c : cases) {
        c.dialog->Show();
        EXPECT_EQ(c.dialog->Caption(), c.caption) << c.dialog->Name();
        c.dialog->Hide();
    }
    EXPECT_EQ(fmLockMode->lbExit->Caption(), fmMain->Translate("SID_LOCK_MODE"));
    qx::test::endProgram();
}

} // namespace
