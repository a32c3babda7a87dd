// The main window's side of the exchanges: the progress and information
// windows and the file dialogs.

#include "MainWindowFixture.h"

#include "app/SmallWindows.h"
#include "platform/gui/Button.h"
#include "platform/gui/Label.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/StatusBar.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Makes one of the small windows for a test and forgets it afterwards.
template <class T>
class ScopedWindow
{
public:
    explicit ScopedWindow(T*& global) : global_(global) { global_ = qx::newForm<T>(nullptr); }
    ~ScopedWindow()
    {
        delete global_;
        global_ = nullptr;
    }
    ScopedWindow(const ScopedWindow&) = delete;
    ScopedWindow& operator=(const ScopedWindow&) = delete;

private:
    T*& global_;
};

TEST_F(MainWindowTest, TheProgressWindowIsNotShownOnceItsExchangeHasEnded)
{
    ScopedWindow<TfmProcess> progress(fmProcess);
    window->SetTimerEnabled(qx::ExchangeTimer::ProcessShow, true);
    window->tmProcessShowTimer(nullptr); // nothing under way: it must not open with no way out
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_FALSE(find<TTimer>("tmProcessShow")->Enabled());

    window->SetTimerEnabled(qx::ExchangeTimer::ProcessShow, true);
    window->CloseProgressWindow();
    EXPECT_FALSE(find<TTimer>("tmProcessShow")->Enabled()) << "a pending show is dropped with the transfer";
}

TEST_F(MainWindowTest, ProgressPositionIsClampedToTheBar)
{
    ScopedWindow<TfmProcess> progress(fmProcess);
    window->SetProgressMax(600);
    const std::pair<int, int> cases[] = {{0, 0}, {300, 300}, {600, 600}, {601, 600}, {-5, 0}};
    for (const auto& [written, read] : cases) {
        window->SetProgressPosition(written);
        EXPECT_EQ(window->ProgressPosition(), read) << written;
    }
    window->SetStatusText("SID_PROCESS");
    EXPECT_EQ(fmProcess->StatusBar->SimpleText(), "Process");
}

TEST_F(MainWindowTest, TheInformationDialogTellsTheTranslatedText)
{
    ScopedWindow<TfmInformation> information(fmInformation);
    TTimer pressOk(nullptr);
    pressOk.SetEnabled(false);
    pressOk.SetInterval(1);
    std::string caption, button, message;
    pressOk.OnTimer = [&](TObject*) {
        pressOk.SetEnabled(false);
        caption = fmInformation->Caption();
        button = fmInformation->btnOK->Caption();
        message = fmInformation->lbMessage->Caption();
        fmInformation->btnOK->Click();
    };
    pressOk.SetEnabled(true);
    window->ShowInformation("SID_INFO_CON_FIRST");
    EXPECT_EQ(caption, "Information");
    EXPECT_EQ(button, "OK");
    EXPECT_EQ(message, window->Translate("SID_INFO_CON_FIRST"));
    EXPECT_FALSE(fmInformation->Visible());
}

TEST_F(MainWindowTest, FileDialogsStartAtHomeThenInTheLastFolderAndKeepTheWorkingDirectory)
{
    const std::filesystem::path cwd = std::filesystem::current_path();
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", "/nonexistent-home", 1);
    qx::ScriptedDialogService dialogs;
    dialogs.fileAnswers.push_back(qx::FileDialogResult{{"/nonexistent-presets/live.prs"}, 1});
    dialogs.fileAnswers.push_back(std::nullopt);

    const auto first = window->ChooseFile(qx::FileDialog::OpenPreset);
    const auto second = window->ChooseFile(qx::FileDialog::SaveUnit);

    ASSERT_EQ(dialogs.fileRequests.size(), 2U);
    EXPECT_EQ(dialogs.fileRequests[0].initialDir, "/nonexistent-home");
    EXPECT_FALSE(dialogs.fileRequests[0].save);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, "/nonexistent-presets/live.prs");
    EXPECT_EQ(dialogs.fileRequests[1].initialDir, "/nonexistent-presets");
    EXPECT_TRUE(dialogs.fileRequests[1].save);
    EXPECT_FALSE(second.has_value()) << "a cancel chooses nothing";
    EXPECT_EQ(std::filesystem::current_path(), cwd);
    if (oldHome)
        setenv("HOME", savedHome.c_str(), 1);
    else
        unsetenv("HOME");
}

} // namespace
