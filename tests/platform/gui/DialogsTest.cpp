#include "platform/gui/Application.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/ScriptedDialogService.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(MessageBoxTest, GoesThroughTheReplacedServiceWithTextCaptionAndFlags)
{
    qx::ScriptedDialogService dialogs;
    dialogs.messageBoxAnswers = {IDNO};

    EXPECT_EQ(qx::messageBox("Replace it?", "Save", MB_YESNO | MB_ICONWARNING), IDNO);
    EXPECT_EQ(qx::messageBox("Password Error!!", "", MB_OK | MB_ICONINFORMATION), IDOK);
    Application->SetTitle("Editor");
    ShowMessage("Done");

    ASSERT_EQ(dialogs.messageBoxes.size(), 3u);
    EXPECT_EQ(dialogs.messageBoxes[0].flags, MB_YESNO | MB_ICONWARNING);
    EXPECT_EQ(dialogs.messageBoxes[1].text, "Password Error!!");
    EXPECT_EQ(dialogs.messageBoxes[2].caption, "Editor");
    EXPECT_EQ(dialogs.messageBoxes[2].flags, MB_OK);
}

TEST(ExceptionBoxTest, AnExceptionEscapingAHandlerIsShownThroughTheDialogService)
{
    qx::ScriptedDialogService dialogs;
    Application->SetTitle("Editor");
    qx::guarded(nullptr, [] { throw std::runtime_error("'-25.+' is not a valid integer value"); });

    ASSERT_EQ(dialogs.messageBoxes.size(), 1u);
    EXPECT_EQ(dialogs.messageBoxes[0].text, "'-25.+' is not a valid integer value.");
    EXPECT_EQ(dialogs.messageBoxes[0].caption, "Editor");
    EXPECT_EQ(dialogs.messageBoxes[0].flags, MB_OK | MB_ICONERROR);
}

} // namespace

namespace {

TEST(FileFilterTest, SplitsDescriptionAndPatternPairs)
{
    using F = qx::FileFilter;
    struct Case { const char* filter; std::vector<F> expected; };
    const Case cases[] = {
        {"*.prs|*.prs", {F{"*.prs", "*.prs"}}},
        {"FIR files (*.csv)|*.Csv|FIR files (*.txt)|*.Txt", {F{"FIR files (*.csv)", "*.Csv"}, F{"FIR files (*.txt)", "*.Txt"}}},
        {"Pictures|*.png;*.jpg", {F{"Pictures", "*.png;*.jpg"}}},
        {"", {}},
        {"Lonely", {}},
        {"A|*.a|B", {F{"A", "*.a"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qx::parseFilter(c.filter), c.expected) << c.filter;
}

} // namespace
