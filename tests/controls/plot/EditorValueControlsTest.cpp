// The value controls of the editors, driven through their real widgets on the offscreen
// screen: a write from code raises nothing, a change by the user raises the control's event
// and reaches the owner form, Escape and Enter of the edit box, the spin buttons' limits and
// repeat, Tab order and disabling.

#include "EditorTestForm.h"

#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"
#include "platform/text/EConvertError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using qx::test::EditorFormFixture;

class EditorValueControlsTest : public ::testing::Test, public EditorFormFixture
{
};

// ---- edit box ----

TEST_F(EditorValueControlsTest, WritesFromCodeRaiseNothing)
{
    auto& edit = add<TiComponentEditorEdit>(10, 10, 100);
    int changes = 0, updates = 0;
    edit.OnChange = [&](TObject*) { ++changes; };
    edit.OnUpdate = [&](TObject*) { ++updates; };
    struct Case
    {
        std::function<void()> write;
        std::string text;
    };
    const std::vector<Case> cases{
        {[&] { edit.SetAsString("abc"); }, "abc"},
        {[&] { edit.SetAsInteger(-42); }, "-42"},
        {[&] { edit.SetAsFloat(2.5); }, "2.5"},
        {[&] { edit.SetAsFloat(1e20); }, "1E20"},
        {[&] { edit.SetAsDateTime(1.5); }, "12/31/1899 12:00:00 PM"},
        {[&] { edit.SetAsDateTime(2); }, "1/1/1900"},
    };
    for (const Case& c : cases) {
        c.write();
        EXPECT_EQ(edit.Text(), c.text);
        EXPECT_EQ(edit.OriginalText(), c.text) << "a written value is the committed one";
    }
    // Leaving the box after a write commits nothing.
    focus(edit);
    key(Qt::Key_Tab);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(form.userChanges, 0);
    EXPECT_TRUE(edit.OnChange) << "the change event is attached again after each write";
}

TEST_F(EditorValueControlsTest, EscapeRestoresTheCommittedTextAndRaisesNothing)
{
    auto& edit = add<TiComponentEditorEdit>(10, 10, 100);
    int updates = 0;
    edit.OnUpdate = [&](TObject*) { ++updates; };
    edit.SetAsInteger(5);
    focus(edit);
    edit.SelectAll();
    type("12");
    EXPECT_EQ(edit.Text(), "12");
    key(Qt::Key_Escape);
    EXPECT_EQ(edit.Text(), "5");
    EXPECT_EQ(edit.SelLength(), 1) << "the restored text is selected";
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(form.userChanges, 0);
}

TEST_F(EditorValueControlsTest, TabCommitsOnceAndMovesTheFocusOn)
{
    auto& first = add<TiComponentEditorEdit>(10, 10, 100);
    auto& second = add<TiComponentEditorEdit>(10, 40, 100);
    int updates = 0;
    first.OnUpdate = [&](TObject*) { ++updates; };
    first.SetAsInteger(5);
    focus(first);
    first.SelectAll();
    type("12");
    EXPECT_EQ(updates, 0) << "typing alone commits nothing";
    key(Qt::Key_Tab);
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(form.userChanges, 1);
    EXPECT_EQ(first.GetAsInteger(), 12);
    EXPECT_TRUE(second.Focused());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(first.Focused()) << "Shift+Tab goes back";
    EXPECT_EQ(updates, 1) << "leaving an unchanged box commits nothing";
}

TEST_F(EditorValueControlsTest, EnterCommitsAndAnUnchangedTextCommitsNothing)
{
    auto& edit = add<TiComponentEditorEdit>(10, 10, 100);
    std::vector<std::string> seen;
    edit.OnUpdate = [&](TObject*) { seen.push_back(edit.Text()); };
    focus(edit);
    type("7");
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    EXPECT_EQ(seen, std::vector<std::string>{"7"});
    EXPECT_EQ(form.userChanges, 1);
    EXPECT_EQ(edit.SelLength(), 1) << "Enter selects the whole text";
    EXPECT_TRUE(edit.Focused());
}

TEST_F(EditorValueControlsTest, UpAndDownMoveToTheNeighbours)
{
    auto& a = add<TiComponentEditorEdit>(10, 10, 100);
    auto& b = add<TiComponentEditorEdit>(10, 40, 100);
    auto& c = add<TiComponentEditorEdit>(10, 70, 100);
    focus(b);
    key(Qt::Key_Down);
    EXPECT_TRUE(c.Focused());
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_TRUE(a.Focused());
}

TEST_F(EditorValueControlsTest, WritesWithEventReachTheFormAndCommit)
{
    auto& edit = add<TiComponentEditorEdit>(10, 10, 100);
    int updates = 0;
    edit.OnUpdate = [&](TObject*) { ++updates; };
    edit.SetIntegerWithEvent(3);
    edit.SetDoubleWithEvent(0.25);
    edit.SetStringWithEvent("x");
    EXPECT_EQ(updates, 3);
    EXPECT_EQ(form.userChanges, 6) << "the write and its commit both tell the form";
    EXPECT_EQ(edit.OriginalText(), "x");
}

TEST_F(EditorValueControlsTest, NumbersReadFromTheText)
{
    auto& edit = add<TiComponentEditorEdit>(10, 10, 100);
    struct Case
    {
        std::string text;
        int integer;
        double number;
    };
    const std::vector<Case> cases{
        {"", 0, 0}, {" 12 ", 12, 12}, {"abc", 0, 0}, {"1.5", 0, 1.5}, {"-3", -3, -3}, {"2e3", 0, 2000},
    };
    for (const Case& c : cases) {
        edit.SetAsString(c.text);
        EXPECT_EQ(edit.GetAsInteger(), c.integer) << c.text;
        EXPECT_DOUBLE_EQ(edit.GetAsFloat(), c.number) << c.text;
    }
    edit.SetAsDateTime(36526.75);
    EXPECT_DOUBLE_EQ(edit.GetAsDateTime(), 36526.75);
    edit.SetAsString(" 12:30 ");
    EXPECT_DOUBLE_EQ(edit.GetAsDateTime(), 12.5 / 24);
    edit.SetAsString("31/31/2000");
    EXPECT_THROW(edit.GetAsDateTime(), EConvertError);
}

TEST_F(EditorValueControlsTest, TypedNumbersAreHeldWithinTheRange)
{
    auto& edit = add<TiComponentEditorEdit>(10, 10, 100);
    edit.SetRange(0, 30);
    std::vector<std::string> seen;
    edit.OnUpdate = [&](TObject*) { seen.push_back(edit.Text()); };
    edit.SetAsInteger(45);
    EXPECT_EQ(edit.Text(), "45") << "the program's own values are not limited";
    struct Case
    {
        std::string typed, committed;
    };
    const std::vector<Case> cases{{"31", "30"}, {"-3", "0"}, {"12", "12"}, {"abc", "0"}, {"2.5", "2.5"}, {"1e9", "30"}};
    focus(edit);
    for (const Case& c : cases) {
        edit.SelectAll();
        type(c.typed);
        key(Qt::Key_Return);
        EXPECT_EQ(edit.Text(), c.committed) << c.typed;
        EXPECT_EQ(edit.OriginalText(), c.committed);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"30", "0", "12", "0", "2.5", "30"}));
    // A count: at least 0, stepped by its spin buttons too (both limits 0: the buttons' own
    // limits are off).
    auto& count = add<TiComponentEditorEdit>(10, 40, 60);
    auto& spin = add<TiUpDown>(0, 0);
    spin.SetAssociate(&count);
    spin.SetMin(0);
    spin.SetMax(0);
    count.SetRange(0, 1e9);
    count.SetAsInteger(0);
    click(spin, 7, spin.Height() - 3);
    EXPECT_EQ(count.Text(), "0");
    click(spin, 7, 3);
    EXPECT_EQ(count.Text(), "1");
}

TEST_F(EditorValueControlsTest, DisableEmptiesSilentlyAndGreys)
{
    auto& edit = add<TiComponentEditorEdit>(10, 10, 100);
    int changes = 0;
    edit.OnChange = [&](TObject*) { ++changes; };
    edit.SetAsString("9");
    edit.DisableNoClear();
    EXPECT_EQ(edit.Text(), "9");
    EXPECT_EQ(edit.Color(), clBtnFace);
    edit.Enable();
    EXPECT_EQ(edit.Color(), clWindow);
    edit.Disable();
    EXPECT_FALSE(edit.Enabled());
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(edit.Color(), clBtnFace);
    EXPECT_EQ(changes, 0);
    edit.SetEnabled(true);
    EXPECT_EQ(edit.Color(), clWindow) << "enabling directly sets the colour too";
}

// ---- spin buttons ----

class EditorUpDownTest : public EditorValueControlsTest
{
protected:
    TiUpDown& spin(int min, int max, int start)
    {
        edit = &add<TiComponentEditorEdit>(10, 10, 60);
        auto& upDown = add<TiUpDown>(0, 0);
        upDown.SetAssociate(edit);
        upDown.SetMin(min);
        upDown.SetMax(max);
        edit->SetAsInteger(start);
        edit->OnUpdate = [this](TObject*) { ++updates; };
        return upDown;
    }
    void clickUp(TiUpDown& u) { click(u, 7, 3); }
    void clickDown(TiUpDown& u) { click(u, 7, u.Height() - 3); }

    TiComponentEditorEdit* edit = nullptr;
    int updates = 0;
};

TEST_F(EditorUpDownTest, DocksAtTheEditsRightEdge)
{
    auto& u = spin(0, 100, 0);
    EXPECT_EQ(u.Left(), 70);
    EXPECT_EQ(u.Top(), 10);
    EXPECT_EQ(u.Height(), edit->Height());
    click(u, 7, 3);
    EXPECT_EQ(u.UpButtonRect(), (TRect{0, 0, 15, 10}));
    EXPECT_EQ(u.DownButtonRect(), (TRect{0, 11, 15, 21}));
}

TEST_F(EditorUpDownTest, ClicksStepWithinTheLimits)
{
    struct Case
    {
        int min, max, start;
        bool up;
        int expected;
    };
    const std::vector<Case> cases{
        {0, 0, 0, true, 1},      {0, 0, 0, false, -1},   {0, 0, -40000, false, -40001},
        {1, 50, 50, true, 50},   {1, 50, 1, false, 1},   {1, 50, 7, true, 8},
        {0, 23, 30, true, 23},   {0, 23, 30, false, 23}, {0, 30, 0, false, 0},
    };
    for (const Case& c : cases) {
        auto& u = spin(c.min, c.max, c.start);
        updates = 0;
        form.userChanges = 0;
        c.up ? clickUp(u) : clickDown(u);
        EXPECT_EQ(edit->GetAsInteger(), c.expected) << c.min << ".." << c.max << " from " << c.start;
        const bool changed = c.expected != c.start;
        EXPECT_EQ(updates, changed ? 1 : 0) << "a step is the user's change";
        EXPECT_GE(form.userChanges, changed ? 1 : 0);
        delete &u;
        delete edit;
    }
}

TEST_F(EditorUpDownTest, AHeldButtonRepeatsAfterHalfASecondEvery50Ms)
{
    qx::ManualClock clock;
    qx::setTimerClock(clock);
    auto& u = spin(0, 0, 1);
    activate();
    press(u, 7, 3);
    QApplication::processEvents();
    EXPECT_EQ(edit->GetAsInteger(), 2) << "one step at the press";
    for (int ms = 0; ms < 1000; ms += 10) {
        clock.advance(10);
        Application->ProcessMessages();
    }
    release(u, 7, 3);
    QApplication::processEvents();
    qx::setTimerClock(qx::Clock::system());
    // 1 + the press + the first tick at 500 ms + ten more in the next 500 ms.
    EXPECT_NEAR(edit->GetAsInteger(), 1 + 1 + 1 + 10, 1);
    EXPECT_FALSE(u.RepeatTimer().Enabled());
}

TEST_F(EditorUpDownTest, DisableEmptiesTheEditAndEnableLeavesItEmpty)
{
    auto& u = spin(0, 10, 4);
    u.Disable();
    EXPECT_FALSE(u.Enabled());
    EXPECT_FALSE(edit->Enabled());
    EXPECT_EQ(edit->Text(), "");
    u.Enable();
    EXPECT_TRUE(edit->Enabled());
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(updates, 0);
    EXPECT_EQ(form.userChanges, 0);
}

TEST_F(EditorUpDownTest, AnEditGoneLeavesTheButtonsInert)
{
    auto& u = spin(0, 10, 4);
    delete edit;
    EXPECT_EQ(u.Associate(), nullptr);
    EXPECT_EQ(u.AsInteger(), 0);
    clickUp(u);
    EXPECT_EQ(form.userChanges, 0);
}

// ---- combo box ----

TEST_F(EditorValueControlsTest, ComboBoxWritesFromCodeAreSilentAndPicksReachTheForm)
{
    auto& combo = add<TiComponentEditorComboBox>(10, 10, 120);
    combo.SetStyle(csDropDownList);
    combo.Items()->SetLines({"Linear", "Log", "Date"});
    int changes = 0, clicks = 0;
    combo.OnChange = [&](TObject*) { ++changes; };
    combo.OnClick = [&](TObject*) { ++clicks; };
    combo.SetAsInteger(1);
    EXPECT_EQ(combo.GetAsInteger(), 1);
    EXPECT_EQ(changes, 0);
    focus(combo);
    key(Qt::Key_Down);
    EXPECT_EQ(combo.GetAsInteger(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.userChanges, 1);
    EXPECT_EQ(clicks, 0) << "the editor's combo box raises no OnClick";
    combo.Disable();
    EXPECT_EQ(combo.GetAsInteger(), -1);
    EXPECT_FALSE(combo.Enabled());
    EXPECT_EQ(changes, 1);
    combo.Enable();
    EXPECT_TRUE(combo.Enabled());
}

// ---- check box ----

TEST_F(EditorValueControlsTest, CheckBoxClickReachesTheFormAndCodeWritesDoNot)
{
    auto& check = add<TiComponentEditorCheckBox>(10, 10);
    std::vector<bool> clicks;
    int changeUser = 0;
    check.OnClick = [&](TObject*) { clicks.push_back(check.Checked()); };
    check.OnChangeUser = [&](TObject*) { ++changeUser; };
    check.SetAsBoolean(true);
    check.SetAsBoolean(false);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(form.userChanges, 0);
    click(check, 5, check.Height() / 2);
    EXPECT_TRUE(check.GetAsBoolean());
    EXPECT_EQ(form.userChanges, 1);
    EXPECT_EQ(changeUser, 1);
    ASSERT_FALSE(clicks.empty());
    EXPECT_TRUE(clicks.back()) << "the last OnClick sees the new state";
    EXPECT_TRUE(check.Focused()) << "a press takes the focus";
    check.Disable();
    EXPECT_FALSE(check.Checked());
    EXPECT_FALSE(check.Enabled());
    EXPECT_EQ(form.userChanges, 1);
}

TEST_F(EditorValueControlsTest, CheckBoxChangesOnlyOnAReleaseInsideOrASpaceReleased)
{
    auto& check = add<TiComponentEditorCheckBox>(10, 10);
    auto& other = add<TiComponentEditorEdit>(10, 60, 80);
    activate();
    press(check, 5, 5);
    moveTo(check, 5, 40);
    release(check, 5, 40);
    QApplication::processEvents();
    EXPECT_FALSE(check.Checked()) << "released outside";
    focus(check);
    keyDown(Qt::Key_Space);
    other.SetFocus();
    QApplication::processEvents();
    keyUp(Qt::Key_Space);
    QApplication::processEvents();
    EXPECT_FALSE(check.Checked()) << "the focus left before the release";
    focus(check);
    key(Qt::Key_Space);
    EXPECT_TRUE(check.Checked());
    EXPECT_EQ(form.userChanges, 1);
}

TEST_F(EditorValueControlsTest, CheckBoxAutoSizeKeepsTheBoxSideInPlace)
{
    auto& right = add<TiCheckBox>(100, 10);
    auto& left = add<TiCheckBox>(100, 40);
    left.SetAlignment(taLeftJustify);
    right.SetCaption("A much longer caption");
    left.SetCaption("A much longer caption");
    EXPECT_EQ(right.Left(), 100) << "the box at the left keeps the left edge";
    EXPECT_GT(right.Width(), 97);
    EXPECT_EQ(left.Width(), right.Width()) << "the same width for the same caption";
    EXPECT_EQ(left.Left() + left.Width(), 100 + 97) << "the box at the right keeps the right edge";
    left.SetCaption("Short");
    EXPECT_LT(left.Width(), right.Width());
    EXPECT_EQ(left.Left() + left.Width(), 100 + 97);
    EXPECT_EQ(right.Height(), right.CaptionRect().Bottom - right.CaptionRect().Top + 4);
}

TEST_F(EditorValueControlsTest, CheckBoxSettingTheSameStateAsksNothing)
{
    struct Probe : TiCheckBox
    {
        using TiCheckBox::OnRequestEdit;
        using TiCheckBox::TiCheckBox;
    };
    auto& check = add<Probe>(10, 10);
    int asked = 0, changes = 0;
    bool allow = false;
    check.OnRequestEdit = [&](TObject*, const std::string& name, bool& canEdit) {
        ++asked;
        EXPECT_EQ(name, "Checked");
        canEdit = allow;
    };
    check.OnChange = [&](TObject*) { ++changes; };
    check.SetChecked(false);
    EXPECT_EQ(asked, 0);
    check.SetChecked(true);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(check.Checked()) << "a refused edit changes nothing";
    allow = true;
    check.SetChecked(true);
    EXPECT_TRUE(check.Checked());
    EXPECT_EQ(changes, 1);
}

// ---- radio group ----

class EditorRadioGroupTest : public EditorValueControlsTest
{
protected:
    TiComponentEditorRadioGroup& group(int items, int columns = 1)
    {
        auto& g = add<TiComponentEditorRadioGroup>(10, 10, 200, 140);
        std::vector<std::string> lines;
        for (int i = 0; i < items; ++i)
            lines.push_back("Item " + std::to_string(i));
        g.Items()->SetLines(lines);
        g.SetColumns(columns);
        g.OnChange = [this](TObject*) { ++changes; };
        g.OnChangeUser = [this](TObject*) { ++changeUser; };
        return g;
    }
    int changes = 0, changeUser = 0;
};

TEST_F(EditorRadioGroupTest, ItemsRunDownTheFirstColumnFirst)
{
    auto& g = group(7, 2);
    EXPECT_EQ(g.MaxRows(), 4);
    EXPECT_EQ(g.ItemCenter(4).Y, g.ItemCenter(0).Y) << "item 4 heads the second column";
    EXPECT_GT(g.ItemCenter(4).X, g.ItemCenter(3).X);
    EXPECT_EQ(g.ItemCenter(3).X, g.ItemCenter(0).X);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(g.ItemAt(g.ItemCenter(i).X + 20, g.ItemCenter(i).Y), i);
}

TEST_F(EditorRadioGroupTest, AClickSelectsAndReachesTheForm)
{
    auto& g = group(4);
    g.SetAsInteger(1);
    EXPECT_EQ(changes, 0);
    const TPoint at = g.ItemCenter(2);
    click(g, at.X + 20, at.Y);
    EXPECT_EQ(g.GetAsInteger(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changeUser, 1);
    EXPECT_EQ(form.userChanges, 1);
    // Pressed on an item and released away from every item: nothing.
    const TPoint a = g.ItemCenter(0);
    press(g, a.X, a.Y);
    moveTo(g, a.X, -40);
    release(g, a.X, -40);
    QApplication::processEvents();
    EXPECT_EQ(g.GetAsInteger(), 2);
    g.Disable();
    EXPECT_EQ(g.GetAsInteger(), -1);
    EXPECT_EQ(changes, 1);
}

TEST_F(EditorRadioGroupTest, ArrowsMoveOneItemAndWrap)
{
    struct Case
    {
        int items, start;
        Qt::Key key;
        int expected;
    };
    const std::vector<Case> cases{
        {5, 0, Qt::Key_Left, 4}, {5, 4, Qt::Key_Right, 0}, {5, -1, Qt::Key_Left, -1},
        {5, -1, Qt::Key_Right, 0}, {5, 2, Qt::Key_Down, 3}, {5, 2, Qt::Key_Up, 1}, {0, -1, Qt::Key_Right, -1},
    };
    for (const Case& c : cases) {
        auto& g = group(c.items);
        g.SetAsInteger(c.start);
        changes = changeUser = 0;
        form.userChanges = 0;
        focus(g);
        key(c.key);
        EXPECT_EQ(g.ItemIndex(), c.expected) << c.items << " items from " << c.start;
        const bool moved = c.expected != c.start;
        EXPECT_EQ(changes, moved ? 1 : 0);
        EXPECT_EQ(changeUser, 0) << "keys raise OnChange only";
        EXPECT_EQ(form.userChanges, moved ? 1 : 0);
        delete &g;
    }
}

TEST_F(EditorRadioGroupTest, ClearingTheItemsDropsTheSelectionSilently)
{
    auto& g = group(3);
    g.SetItemIndex(2);
    changes = 0;
    g.Items()->Clear();
    EXPECT_EQ(g.ItemIndex(), -1);
    EXPECT_EQ(changes, 0);
    g.SetColumns(0);
    EXPECT_EQ(g.Columns(), 1);
}

TEST_F(EditorRadioGroupTest, AGroupTooSmallForItsItemsHitsNothing)
{
    auto& g = group(30);
    g.SetBounds(10, 10, 60, 14);
    EXPECT_NO_THROW(click(g, 20, 8));
    EXPECT_EQ(g.ItemIndex(), -1);
}

// ---- Tab order ----

std::string focusedName(const std::vector<TWinControl*>& controls)
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i]->Focused())
            return "control " + std::to_string(i);
    return "none of them";
}

TEST_F(EditorValueControlsTest, TabVisitsTheControlsInTabOrderSkippingDisabledOnes)
{
    auto& edit = add<TiComponentEditorEdit>(10, 10, 80);
    auto& combo = add<TiComponentEditorComboBox>(10, 40, 80);
    combo.SetStyle(csDropDownList);
    auto& check = add<TiComponentEditorCheckBox>(10, 70);
    auto& radio = add<TiComponentEditorRadioGroup>(10, 100, 120, 60);
    auto& list = add<TiComponentEditorListBox>(150, 10);
    auto& picker = add<TiComponentEditorColorPicker>(150, 120);
    auto& disabled = add<TiComponentEditorEdit>(150, 160, 80);
    auto& button = add<TiComponentEditorButton>(150, 200);
    disabled.Disable();
    const std::vector<TWinControl*> order{&edit, &combo, &check, &radio, &list, &picker, &picker.Button(), &button};
    focus(edit);
    for (std::size_t i = 1; i <= order.size(); ++i) {
        key(Qt::Key_Tab);
        EXPECT_TRUE(order[i % order.size()]->Focused())
            << "after " << i << " Tabs the focus is on " << focusedName(order);
    }
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(button.Focused()) << "Shift+Tab from the first goes to the last";
}

} // namespace
