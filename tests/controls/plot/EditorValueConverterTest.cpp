// The value converter window and its picker, through their real widgets: the three views
// follow one number, edits and spin buttons change it, values beyond the calendar keep the
// window usable, and the picker hands a confirmed number to its edit or keeps it.

#include "EditorTestForm.h"
#include "ValueConverterDriver.h"

#include "controls/plot/editor/iValueConverterEdit.h"
#include "platform/gui/Button.h"
#include "platform/gui/ScriptedDialogService.h"
#include "platform/gui/Timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using qx::test::EditorFormFixture;

class ValueConverterTest : public ::testing::Test
{
protected:
    ValueConverterTest() : dialog(qx::newForm<TiValueConverterEditForm>(nullptr))
    {
        dialog->Show();
        QWidget* top = dialog->Widget()->window();
        top->activateWindow();
        QApplication::setActiveWindow(top);
        QApplication::processEvents();
    }

    struct Views
    {
        std::string weeks, days, hours, minutes, seconds, msec, date, time, integer, n32, n256, value;
        bool operator==(const Views&) const = default;
    };
    Views views() const
    {
        const TiValueConverterEditForm& d = *dialog;
        return {d.WeeksEdit->Text(),        d.DaysEdit->Text(),       d.HoursEdit->Text(),
                d.MinutesEdit->Text(),      d.SecondsEdit->Text(),    d.MilliSecondsEdit->Text(),
                d.DatePicker()->Text(),     d.TimePicker()->Text(),   d.PriceIntegerEdit->Text(),
                d.Price32ndsEdit->Text(),   d.Price256thsEdit->Text(), d.ValueEdit->Text()};
    }
    /// Types text over an edit's content and commits it with Enter, as a user does.
    void enter(TiComponentEditorEdit& edit, const std::string& text)
    {
        QWidget* top = dialog->Widget()->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                          edit.Widget()->mapTo(top, QPoint(5, edit.Height() / 2)));
        edit.SelectAll();
        for (char c : text)
            QTest::keyClick(top->windowHandle(), c);
        QTest::keyClick(top->windowHandle(), Qt::Key_Return);
        QApplication::processEvents();
    }

    // No real message box can open: an error shows as a recorded one.
    qx::ScriptedDialogService dialogs;
    std::unique_ptr<TiValueConverterEditForm> dialog;
};

TEST_F(ValueConverterTest, EveryViewShowsTheNumber)
{
    struct Case
    {
        double value;
        Views expected;
    };
    const std::vector<Case> cases{
        {1.5, {"0", "1", "12", "0", "0", "0", "12/31/1899", "12:00:00 PM", "1", "16", "0", "1.5"}},
        {36526.75, {"5218", "36526", "18", "0", "0", "0", "1/1/2000", "6:00:00 PM", "36526", "24", "0", "36526.75"}},
        {3.171875, {"0", "3", "4", "7", "30", "0", "1/2/1900", "4:07:30 AM", "3", "5", "4", "3.171875"}},
        // Beyond 1e14 the date, time and interval show the fraction, of either sign.
        {2e14, {"0", "0", "0", "0", "0", "0", "12/30/1899", "12:00:00 AM", "200000000000000", "0", "0",
                "200000000000000"}},
        {-2e14 - 0.5, {"0", "0", "12", "0", "0", "0", "12/30/1899", "12:00:00 PM", "-200000000000000", "-16", "0",
                       "-200000000000001"}},
        // Inside 1e14 but outside the calendar: the date and time stay empty.
        {-1e13, {"-1428571428571", "-10000000000000", "0", "0", "0", "0", "", "", "-10000000000000", "0", "0",
                 "-10000000000000"}},
        {5e6, {"714285", "5000000", "0", "0", "0", "0", "", "", "5000000", "0", "0", "5000000"}},
    };
    for (const Case& c : cases) {
        EXPECT_NO_THROW(dialog->SetValue(c.value)) << c.value;
        const Views shown = views();
        EXPECT_EQ(shown.weeks, c.expected.weeks) << c.value;
        EXPECT_EQ(shown.days, c.expected.days) << c.value;
        EXPECT_EQ(shown.hours, c.expected.hours) << c.value;
        EXPECT_EQ(shown.minutes, c.expected.minutes) << c.value;
        EXPECT_EQ(shown.seconds, c.expected.seconds) << c.value;
        EXPECT_EQ(shown.date, c.expected.date) << c.value;
        EXPECT_EQ(shown.time, c.expected.time) << c.value;
        EXPECT_EQ(shown.integer, c.expected.integer) << c.value;
        EXPECT_EQ(shown.n32, c.expected.n32) << c.value;
        EXPECT_EQ(shown.n256, c.expected.n256) << c.value;
        EXPECT_EQ(shown.value, c.expected.value) << c.value << " in the general form of 15 digits";
        EXPECT_NEAR(dialog->GetValue(), c.value, std::abs(c.value) * 1e-14);
    }
}

TEST_F(ValueConverterTest, DaysAndWeeksFollowEachOther)
{
    dialog->SetValue(0.25);
    enter(*dialog->DaysEdit, "10");
    EXPECT_EQ(dialog->WeeksEdit->Text(), "1");
    EXPECT_DOUBLE_EQ(dialog->GetValue(), 10.25);
    enter(*dialog->WeeksEdit, "2");
    EXPECT_EQ(dialog->DaysEdit->Text(), "14");
    EXPECT_DOUBLE_EQ(dialog->GetValue(), 14.25) << "the same time of day";
    enter(*dialog->MinutesEdit, "30");
    EXPECT_NEAR(dialog->GetValue(), 14.25 + 30.0 / 1440, 1e-12);
    EXPECT_EQ(dialog->TimePicker()->Text(), "6:30:00 AM");
}

TEST_F(ValueConverterTest, ThePriceViewSetsTheNumberAlone)
{
    dialog->SetValue(0);
    dialog->ShowPage(ivcptPrice32nd);
    QApplication::processEvents();
    enter(*dialog->PriceIntegerEdit, "3");
    enter(*dialog->Price32ndsEdit, "5");
    enter(*dialog->Price256thsEdit, "4");
    EXPECT_DOUBLE_EQ(dialog->GetValue(), 3.171875);
    EXPECT_EQ(dialog->DaysEdit->Text(), "0") << "the other views are not reloaded";
}

TEST_F(ValueConverterTest, SpinButtonsOfWeeksAndDaysGoBelowZero)
{
    dialog->SetValue(0);
    QWidget* top = dialog->Widget()->window();
    TiUpDown& days = *dialog->DaysUpDown;
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      days.Widget()->mapTo(top, QPoint(7, days.Height() - 3)));
    QApplication::processEvents();
    EXPECT_EQ(dialog->DaysEdit->Text(), "-1");
    EXPECT_DOUBLE_EQ(dialog->GetValue(), -1);
    dialog->SetValue(0);
    TiUpDown& msec = *dialog->MilliSecondsUpDown;
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, msec.Widget()->mapTo(top, QPoint(7, 3)));
    QApplication::processEvents();
    EXPECT_EQ(dialog->MilliSecondsEdit->Text(), "100") << "milliseconds step by 100";
}

TEST_F(ValueConverterTest, DateTimeNowAndSetAllToZero)
{
    dialog->ShowPage(ivcptDateTime);
    QApplication::processEvents();
    enter(*dialog->DatePicker(), "1/1/2000");
    enter(*dialog->TimePicker(), "6:00:00 PM");
    EXPECT_DOUBLE_EQ(dialog->GetValue(), 36526.75);
    EXPECT_EQ(dialog->DaysEdit->Text(), "36526");
    // Before the calendar's day 0 the time of day still counts forward from midnight.
    enter(*dialog->DatePicker(), "12/29/1899");
    enter(*dialog->TimePicker(), "6:00:00 AM");
    EXPECT_DOUBLE_EQ(dialog->GetValue(), -1.25);
    EXPECT_EQ(dialog->DatePicker()->Text(), "12/29/1899");
    EXPECT_EQ(dialog->TimePicker()->Text(), "6:00:00 AM");
    const double before = qx::plot::NowDateTime();
    dialog->SetNowButton->Click();
    EXPECT_GE(dialog->GetValue(), before - 1e-6);
    EXPECT_LE(dialog->GetValue(), qx::plot::NowDateTime() + 1e-6);
    dialog->iComponentEditorButton1->Click();
    EXPECT_EQ(dialog->GetValue(), 0);
    EXPECT_EQ(dialog->HoursEdit->Text(), "0");
}

TEST_F(ValueConverterTest, AnHourOutOfRangeIsReportedAndKeepsTheNumber)
{
    dialog->SetValue(1.5);
    enter(*dialog->HoursEdit, "25");
    EXPECT_DOUBLE_EQ(dialog->GetValue(), 1.5);
    ASSERT_EQ(dialogs.messageBoxes.size(), 1u) << "the error reaches the application's error box";
    EXPECT_NE(dialogs.messageBoxes[0].text.find("Invalid argument to time encode"), std::string::npos);
}

// ---- the picker ----

class ValueConverterPickerTest : public ::testing::Test, public EditorFormFixture
{
protected:
    /// Clicks the picker and answers its window with OK or Cancel, after `edit`.
    void pickAndAnswer(TiComponentEditorValueConverterPicker& picker, bool ok,
                       const std::function<void(TiValueConverterEditForm&)>& edit = {})
    {
        const qx::test::ConverterOpened opened =
            qx::test::answerValueConverter(picker, ok, [&] { click(picker, 5, 5); }, edit);
        seenPage = opened.page;
        seenValue = opened.value;
        EXPECT_TRUE(opened.shown) << "the value converter showed";
        EXPECT_EQ(picker.Form(), nullptr) << "the window is gone after the dialog";
    }

    int seenPage = -1;
    double seenValue = -1;
};

TEST_F(ValueConverterPickerTest, WithoutAnEditTheNumberIsKept)
{
    auto& picker = add<TiComponentEditorValueConverterPicker>(10, 10);
    picker.SetDateTime(2.5);
    picker.SetDefaultPage(ivcptPrice32nd);
    int changes = 0, translated = 0;
    picker.OnChange = [&](TObject*) { ++changes; };
    picker.TranslationMethod = [&](TForm* f) {
        ++translated;
        EXPECT_NE(dynamic_cast<TiValueConverterEditForm*>(f), nullptr);
    };
    pickAndAnswer(picker, true, [](TiValueConverterEditForm& f) { f.SetValue(7.25); });
    EXPECT_EQ(seenPage, 2);
    EXPECT_DOUBLE_EQ(seenValue, 2.5);
    EXPECT_EQ(translated, 1);
    EXPECT_DOUBLE_EQ(picker.DateTime(), 7.25);
    EXPECT_EQ(changes, 1);
    pickAndAnswer(picker, false, [](TiValueConverterEditForm& f) { f.SetValue(9); });
    EXPECT_DOUBLE_EQ(picker.DateTime(), 7.25) << "Cancel changes nothing";
    EXPECT_EQ(changes, 1);
}

TEST_F(ValueConverterPickerTest, WithAnEditTheNumberIsTheUsersChange)
{
    auto& edit = add<TiComponentEditorEdit>(10, 40, 100);
    auto& picker = add<TiComponentEditorValueConverterPicker>(0, 0);
    picker.SetAssociate(&edit);
    EXPECT_EQ(picker.Left(), 110) << "docked at the edit's right edge";
    EXPECT_EQ(picker.Height(), edit.Height());
    edit.SetAsFloat(-2e14);
    int updates = 0;
    edit.OnUpdate = [&](TObject*) { ++updates; };
    pickAndAnswer(picker, true, [](TiValueConverterEditForm& f) { f.SetValue(36526.75); });
    EXPECT_DOUBLE_EQ(seenValue, -2e14) << "a large negative number opens the window too";
    EXPECT_EQ(edit.Text(), "36526.75");
    EXPECT_EQ(updates, 1);
    EXPECT_GE(form.userChanges, 1);
}

} // namespace

namespace {

TEST_F(ValueConverterTest, TabRunsThroughThePageThenTheValueAndTheButtons)
{
    dialog->ShowPage(ivcptInterval);
    QApplication::processEvents();
    const std::vector<TWinControl*> order{dialog->WeeksEdit,   dialog->DaysEdit,
                                          dialog->HoursEdit,   dialog->MinutesEdit,
                                          dialog->SecondsEdit, dialog->MilliSecondsEdit,
                                          dialog->iComponentEditorButton1, dialog->ValueEdit,
                                          dialog->OkButton,    dialog->CancelButton};
    dialog->WeeksEdit->SetFocus();
    QApplication::processEvents();
    QWindow* window = dialog->Widget()->window()->windowHandle();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(window, Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_TRUE(order[i]->Focused()) << "Tab " << i;
    }
    dialog->ShowPage(ivcptDateTime);
    QApplication::processEvents();
    dialog->ValueEdit->SetFocus();
    QTest::keyClick(window, Qt::Key_Tab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_TRUE(dialog->SetNowButton->Focused()) << "the controls of a hidden page are skipped";
    QTest::keyClick(window, Qt::Key_Tab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_TRUE(dialog->TimePicker()->Focused());
}

} // namespace
