#include "platform/gui/ExceptionBox.h"
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
    qx::setMessageBoxTitle("Editor");
    ShowMessage("Done");

    ASSERT_EQ(dialogs.messageBoxes.size(), 3u);
    EXPECT_EQ(dialogs.messageBoxes[0].flags, MB_YESNO | MB_ICONWARNING);
    EXPECT_EQ(dialogs.messageBoxes[1].text, "Password Error!!");
    EXPECT_EQ(dialogs.messageBoxes[2].caption, "Editor");
    EXPECT_EQ(dialogs.messageBoxes[2].flags, MB_OK);
}

TEST(ExceptionBoxTest, ShowsTheMessageWithAFullStopAndAnErrorIcon)
{
    qx::ScriptedDialogService dialogs;
    qx::setMessageBoxTitle("Editor");
    struct Case { std::exception_ptr error; const char* shown; };
    const Case cases[] = {
        {std::make_exception_ptr(std::runtime_error("'-25.+' is not a valid integer value")), "'-25.+' is not a valid integer value."},
        {std::make_exception_ptr(std::runtime_error("Stopped.")), "Stopped."},
        {std::make_exception_ptr(std::runtime_error("Stop!")), "Stop!"},
        {std::make_exception_ptr(42), ""},
    };
    for (const Case& c : cases)
        qx::showException(c.error);

    ASSERT_EQ(dialogs.messageBoxes.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(dialogs.messageBoxes[i].text, cases[i].shown);
        EXPECT_EQ(dialogs.messageBoxes[i].caption, "Editor");
        EXPECT_EQ(dialogs.messageBoxes[i].flags, MB_OK | MB_ICONERROR);
    }
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
