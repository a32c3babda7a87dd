#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzCmboBx.h"
#include "platform/gui/Application.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

/// Counts the invalid-key signals instead of beeping.
class TCountingComboBox : public TRzComboBox
{
public:
    using TRzComboBox::TRzComboBox;
    int beeps = 0;

protected:
    void InvalidKey() override { ++beeps; }
};

using Log = std::vector<std::string>;

class ComboSearchTest : public testing::Test, protected qx::test::FormFixture
{
protected:
    void SetUp() override
    {
        qx::setTimerClock(clock);
        combo = make<TCountingComboBox>();
        combo->SetStyle(csDropDownList);
        for (const char* item : {"BW -6", "BL -6", "BW -12"})
            combo->Add(item);
        combo->OnChange = logger("change");
        combo->OnClick = logger("click");
        combo->SetFocus();
    }
    void TearDown() override { qx::setTimerClock(qx::Clock::system()); }
    void type(char c) { qx::test::typeKey(*combo, Qt::Key_A + (std::toupper(c) - 'A'), std::string(1, c)); }
    void backspace() { qx::test::typeKey(*combo, Qt::Key_Backspace, "\b"); }
    void advance(int ms)
    {
        clock.advance(ms);
        Application->ProcessMessages();
    }

    qx::ManualClock clock{0};
    TCountingComboBox* combo = nullptr;
};

TEST_F(ComboSearchTest, TypedKeysSearchFromTheStartWithin1500Milliseconds)
{
    type('b');
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(log, (Log{"click", "change"}));
    advance(1499);
    type('l');
    EXPECT_EQ(combo->ItemIndex(), 1) << "\"bl\" within the delay";
    EXPECT_EQ(combo->SearchString(), "bl");
    advance(1500);
    EXPECT_EQ(combo->SearchString(), "");
    type('b');
    EXPECT_EQ(combo->ItemIndex(), 0) << "after the pause b searches afresh";
}

TEST_F(ComboSearchTest, AKeyWithoutAMatchSignalsAndKeepsTheSelection)
{
    type('b');
    type('l');
    log.clear();
    type('z');
    EXPECT_EQ(combo->beeps, 1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->SearchString(), "bl");
    EXPECT_TRUE(log.empty());
}

TEST_F(ComboSearchTest, BackspaceShortensTheSearchAndOnAnEmptyOneOnlySignals)
{
    type('b');
    type('l');
    backspace();
    EXPECT_EQ(combo->SearchString(), "b");
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetItemIndex(2);
    log.clear();
    backspace();
    EXPECT_EQ(combo->ItemIndex(), 0) << "emptied: the first item";
    EXPECT_EQ(log, (Log{"click", "change"}));
    log.clear();
    backspace();
    EXPECT_EQ(combo->beeps, 1);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(log.empty()) << "an empty search string selects nothing and raises nothing";
}

TEST_F(ComboSearchTest, NavigationKeysAndFocusLossForgetTheSearch)
{
    type('b');
    qx::test::keyDown(*combo, Qt::Key_Escape, "\x1b");
    EXPECT_EQ(combo->SearchString(), "");
}

TEST_F(ComboSearchTest, WritesFromCodeRaiseNothing)
{
    combo->SetItemIndex(2);
    EXPECT_TRUE(combo->FindItem("BL -6"));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_TRUE(combo->FindClosestItem("bw -1"));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_FALSE(combo->FindItem("none"));
    combo->ClearItems();
    EXPECT_EQ(combo->Count(), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(ComboSearchTest, TheWheelStepsAndStopsAtTheEnds)
{
    combo->SetItemIndex(2);
    qx::test::wheel(*combo, -120);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_TRUE(log.empty()) << "down on the last item";
    qx::test::wheel(*combo, 120);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (Log{"click", "change"}));
    combo->SetItemIndex(0);
    log.clear();
    qx::test::wheel(*combo, 120);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(log.empty()) << "up on the first item";

    combo->OnMouseWheel = [](TObject*, TShiftState, int, TPoint, bool& handled) { handled = true; };
    qx::test::wheel(*combo, -120);
    EXPECT_EQ(combo->ItemIndex(), 0) << "a handler that takes the wheel leaves the combo alone";
}

TEST_F(ComboSearchTest, AReadOnlyComboTakesNoKeysOrWheelAndShowsItsColour)
{
    combo->SetItemIndex(0);
    combo->SetReadOnly(true);
    type('b');
    qx::test::wheel(*combo, -120);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(log.empty());
    combo->SetFocusColor(clWindow);
    combo->SetReadOnlyColorOnFocus(true);
    combo->SetReadOnlyColor(clInfoBk);
    EXPECT_EQ(combo->Color(), clInfoBk);
}

TEST_F(ComboSearchTest, TheDisabledColourFollowsTheEnabledState)
{
    combo->SetColor(0xFFFFDF);
    combo->SetEnabled(false);
    EXPECT_EQ(combo->Color(), clBtnFace);
    combo->SetEnabled(true);
    EXPECT_EQ(combo->Color(), TColor{0xFFFFDF});
    combo->SetFocusColor(clYellow);
    combo->SetFocus();
    EXPECT_EQ(combo->Color(), clYellow);
}

TEST(ComboValues, AValueListParallelToTheItems)
{
    TRzComboBox combo(nullptr);
    combo.SetStyle(csDropDownList);
    combo.AddItemValue("a", "10");
    combo.AddItemValue("b", "");
    combo.AddItemValue("c", "30");
    combo.SetValue("b");
    EXPECT_EQ(combo.ItemIndex(), 1) << "an empty value counts as the item's text";
    combo.SetItemIndex(2);
    EXPECT_EQ(combo.Value(), "30");
    EXPECT_EQ(combo.ValueOfItem(0), "10");
    EXPECT_EQ(combo.ValueOfItem(7), "");
    combo.ClearItemsValues();
    EXPECT_EQ(combo.Values()->Count(), 0);
}

} // namespace

namespace {

class ComboCompleteTest : public testing::Test, protected qx::test::FormFixture
{
protected:
    void SetUp() override
    {
        combo = make<TCountingComboBox>();
        combo->SetStyle(csDropDown);
        for (const char* item : {"BW -6", "BL -6", "BW -12"})
            combo->Add(item);
        combo->OnChange = logger("change");
        combo->OnMatch = logger("match");
        combo->SetFocus();
    }
    void type(char c, int key) { qx::test::typeKey(*combo, key, std::string(1, c)); }
    TCountingComboBox* combo = nullptr;
};

TEST_F(ComboCompleteTest, TypingCompletesFromTheFirstMatchingItem)
{
    type('b', Qt::Key_B);
    EXPECT_EQ(combo->Text(), "BW -6");
    EXPECT_EQ(combo->ItemIndex(), 0);
    type('l', Qt::Key_L);
    EXPECT_EQ(combo->Text(), "BL -6");
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (Log{"change", "match", "change", "match"}));
}

TEST_F(ComboCompleteTest, TheCompletedRestIsSelectedAndBackspaceAtTheStartDeletesNothing)
{
    type('b', Qt::Key_B);
    EXPECT_EQ(combo->SelStart(), 1);
    EXPECT_EQ(combo->SelText(), "W -6") << "typing on replaces the completion";
    type('l', Qt::Key_L);
    EXPECT_EQ(combo->Text(), "BL -6");
    EXPECT_EQ(combo->SelText(), " -6");

    combo->ForceText("xy");
    combo->SetSelStart(0);
    qx::test::typeKey(*combo, Qt::Key_Backspace, "\b");
    EXPECT_EQ(combo->Text(), "xy") << "nothing before the caret to delete";
    combo->SetSelStart(1);
    qx::test::typeKey(*combo, Qt::Key_Backspace, "\b");
    EXPECT_EQ(combo->Text(), "y");
}

TEST_F(ComboCompleteTest, WithoutAMatchTheKeyIsTypedOrRefused)
{
    type('x', Qt::Key_X);
    EXPECT_EQ(combo->Text(), "x") << "AllowEdit: typed as it is";
    combo->SetText({});
    combo->SetAllowEdit(false);
    type('x', Qt::Key_X);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_EQ(combo->beeps, 1);
}

TEST_F(ComboCompleteTest, BackspaceOnAnEmptyTextOnlySignals)
{
    qx::test::typeKey(*combo, Qt::Key_Backspace, "\b");
    EXPECT_EQ(combo->beeps, 1);
    EXPECT_TRUE(log.empty());
    combo->ForceText("BW");
    EXPECT_EQ(combo->Text(), "BW") << "forced text is not completed";
}

} // namespace

namespace {

class ComboLookTest : public testing::Test, protected qx::test::FormFixture {};

TEST_F(ComboLookTest, FlatButtonsDrawTheDropButtonInTheComboColour)
{
    auto* combo = make<TRzComboBox>();
    combo->SetBounds(10, 10, 145, 21);
    combo->SetColor(0xFFFFDF);
    combo->SetFlatButtons(true);
    const QImage shot = combo->Widget()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(128, 4)), QColor(0xDF, 0xFF, 0xFF)) << "the button's face";
    EXPECT_EQ(QColor(shot.pixel(134, 9)), QColor(Qt::black)) << "the arrow";
    combo->SetReadOnly(true);
    const QImage hidden = combo->Widget()->grab().toImage();
    EXPECT_EQ(QColor(hidden.pixel(134, 9)), QColor(0xFF, 0xFF, 0xE1)) << "read-only: the button disappears";
}

} // namespace

namespace {

TEST(ComboListWidth, FitsTheWidestItemAndTheScrollBar)
{
    TRzComboBox combo(nullptr);
    combo.SetWidth(40);
    TBitmap measure(1, 1);
    measure.Canvas().Font() = combo.Font();
    const std::string wide = "A much wider item than the combo";
    combo.Add(wide);
    EXPECT_EQ(combo.ListWidth(), measure.Canvas().TextWidth(wide) + 8);
    for (int i = 0; i < 9; ++i)
        combo.Add("x");
    EXPECT_EQ(combo.ListWidth(), measure.Canvas().TextWidth(wide) + 17 + 8) << "10 items, 8 shown: a scroll bar";
    combo.ClearItems();
    combo.Add("x");
    EXPECT_EQ(combo.ListWidth(), 40) << "never narrower than the combo";
    combo.SetDropDownWidth(300);
    EXPECT_EQ(combo.ListWidth(), 300);
}

} // namespace

namespace {

TEST_F(ComboCompleteTest, LeavingWithATextThatIsNoItemRaisesOnNotInList)
{
    combo->OnNotInList = logger("not in list");
    qx::test::typeKey(*combo, Qt::Key_X, "x");
    auto* next = make<TRzComboBox>();
    next->SetFocus();
    EXPECT_EQ(log.back(), "not in list");
}

} // namespace
