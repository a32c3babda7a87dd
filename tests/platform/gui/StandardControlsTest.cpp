#include "platform/gui/Button.h"
#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/Edit.h"
#include "platform/gui/Form.h"
#include "platform/gui/GroupBox.h"
#include "platform/gui/Keys.h"
#include "platform/gui/Label.h"
#include "platform/gui/QtConversions.h"
#include "platform/gui/RadioButton.h"
#include "platform/gui/StandardClasses.h"
#include "platform/gui/UpDown.h"
#include "platform/gui/ValueListEditor.h"
#include "platform/gui/canvas/Canvas.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTableWidget>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <string>
#include <vector>

namespace {

/// A shown form to put controls on, and a log of the events they raise.
class ControlsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        qx::registerStandardClasses();
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetBounds(0, 0, 400, 300);
        form_->Show();
    }

    template <class T>
    T* make(TWinControl* parent = nullptr)
    {
        auto* control = new T(form_.get());
        control->SetParent(parent ? parent : form_.get());
        return control;
    }

    TNotifyEvent logger(const std::string& name)
    {
        return [this, name](TObject*) { log_.push_back(name); };
    }

    std::unique_ptr<TForm> form_;
    std::vector<std::string> log_;
};

using Log = std::vector<std::string>;

// ---- combo box ----

class ComboBoxTest : public ControlsTest
{
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        combo_ = make<TComboBox>();
        for (const char* item : {"IIR", "FIR", "Mixed"})
            combo_->Items()->Add(item);
        combo_->OnChange = logger("change");
        combo_->OnClick = logger("click");
    }
    QComboBox* widget() const { return static_cast<QComboBox*>(combo_->Widget()); }
    void wheel(int delta)
    {
        QWheelEvent event(QPointF(5, 5), QPointF(combo_->ClientToScreen({5, 5}).X, combo_->ClientToScreen({5, 5}).Y),
                          QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget(), &event);
    }

    TComboBox* combo_ = nullptr;
};

TEST_F(ComboBoxTest, AddingItemsPicksNothing)
{
    EXPECT_EQ(combo_->ItemIndex(), -1);
    EXPECT_EQ(combo_->Text(), "");
}

TEST_F(ComboBoxTest, WritesFromCodeRaiseNoEvent)
{
    for (const auto style : {csDropDown, csDropDownList}) {
        combo_->SetStyle(style);
        combo_->Items()->SetLines({"IIR", "FIR", "Mixed"});
        combo_->SetItemIndex(1);
        EXPECT_EQ(combo_->ItemIndex(), 1);
        EXPECT_EQ(combo_->Text(), "FIR");
        combo_->SetText("Mixed");
        EXPECT_EQ(combo_->Text(), "Mixed");
        combo_->SetItemIndex(-1);
        EXPECT_EQ(combo_->Text(), "");
    }
    EXPECT_EQ(log_, Log{});
}

TEST_F(ComboBoxTest, PickingByTheUserRaisesClickThenSelectOrElseChange)
{
    combo_->SetStyle(csDropDownList);
    combo_->SetItemIndex(0);
    QTest::keyClick(widget(), Qt::Key_Down);
    EXPECT_EQ(combo_->ItemIndex(), 1);
    EXPECT_EQ(combo_->Text(), "FIR");
    EXPECT_EQ(log_, (Log{"click", "change"}));

    log_.clear();
    combo_->OnSelect = logger("select");
    QTest::keyClick(widget(), Qt::Key_Down);
    EXPECT_EQ(combo_->ItemIndex(), 2);
    EXPECT_EQ(log_, (Log{"click", "select"})) << "OnSelect takes the place of OnChange";
}

TEST_F(ComboBoxTest, TypingRaisesChange)
{
    combo_->SetStyle(csDropDown);
    widget()->lineEdit()->setFocus();
    QTest::keyClicks(widget()->lineEdit(), "Fi");
    EXPECT_EQ(combo_->Text(), "Fi") << "no completion from the items";
    EXPECT_EQ(qx::fromQt(widget()->currentText()), "Fi");
    EXPECT_EQ(log_, (Log{"change", "change"}));
}

TEST_F(ComboBoxTest, AHandledWheelLeavesTheItemAlone)
{
    combo_->SetStyle(csDropDownList);
    combo_->SetItemIndex(1);
    struct Case { bool handled; int expectedIndex; Log expectedLog; };
    for (const Case& c : {Case{true, 1, {"wheel"}}, Case{false, 0, {"wheel", "click", "change"}}}) {
        log_.clear();
        combo_->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
            EXPECT_EQ(delta, 120);
            log_.push_back("wheel");
            handled = c.handled;
        };
        wheel(120);
        EXPECT_EQ(combo_->ItemIndex(), c.expectedIndex) << "handled " << c.handled;
        EXPECT_EQ(log_, c.expectedLog) << "handled " << c.handled;
    }
}

TEST_F(ComboBoxTest, TheEditFieldsSelectionCountsUtf16Units)
{
    combo_->SetStyle(csDropDown);
    combo_->SetText("\xC3\xA9t\xF0\x9F\x8E\xB5s"); // é t (a character beyond the basic plane) s
    combo_->SetSelStart(1);
    EXPECT_EQ(combo_->SelStart(), 1);
    EXPECT_EQ(combo_->SelLength(), 0);
    combo_->SetSelLength(3);
    EXPECT_EQ(combo_->SelText(), "t\xF0\x9F\x8E\xB5") << "the pair of surrogates counts as two";
    combo_->SetSelStart(5);
    combo_->SetSelLength(-4);
    EXPECT_EQ(combo_->SelStart(), 1) << "selected backwards: SelStart is the lower end";
    EXPECT_EQ(combo_->SelLength(), 4);
    EXPECT_EQ(widget()->lineEdit()->cursorPosition(), 1) << "the caret at the start of a backward selection";
    EXPECT_EQ(log_, Log{}) << "selecting raises nothing";

    combo_->SetStyle(csDropDownList);
    combo_->SetSelStart(2);
    combo_->SetSelLength(1);
    EXPECT_EQ(combo_->SelStart(), 0) << "no edit field in the list styles";
    EXPECT_EQ(combo_->SelLength(), 0);
    EXPECT_EQ(combo_->SelText(), "");
}

TEST_F(ComboBoxTest, TheDroppedListIsAtLeastTheDroppedWidth)
{
    combo_->SetWidth(60);
    combo_->SetDroppedWidth(250);
    combo_->SetDroppedDown(true);
    EXPECT_GE(widget()->view()->width(), 250);
    combo_->SetDroppedDown(false);
}

/// Draws a black column at its right edge and a red pixel at its bottom-right over the box.
class TMarkedComboBox : public TComboBox
{
public:
    using TComboBox::TComboBox;

protected:
    void PaintOver(TCanvas& Canvas) override
    {
        Canvas.Brush().Color = clBlack;
        Canvas.FillRect({Width() - 3, 0, Width(), Height()});
        Canvas.SetPixel(Width() - 1, Height() - 1, clRed);
    }
};

TEST_F(ControlsTest, PaintOverCoversTheWholeBoxAtEverySizeAndStyle)
{
    auto* combo = make<TMarkedComboBox>();
    struct Case { int width, height; TComboBoxStyle style; };
    for (const Case& c : {Case{145, 21, csDropDown}, Case{300, 40, csDropDown}, Case{90, 24, csDropDownList},
                          Case{200, 30, csDropDown}}) {
        combo->SetStyle(c.style);
        combo->SetBounds(10, 10, c.width, c.height);
        const QImage shot = combo->Widget()->grab().toImage();
        EXPECT_EQ(QColor(shot.pixel(c.width - 2, c.height / 2)), QColor(Qt::black)) << c.width << " x " << c.height;
        EXPECT_EQ(QColor(shot.pixel(c.width - 1, c.height - 1)), QColor(Qt::red)) << c.width << " x " << c.height;
    }
}

// ---- radio buttons and check boxes ----

class RadioButtonTest : public ControlsTest
{
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        for (const char* name : {"a", "b", "c"}) {
            auto* radio = make<TRadioButton>();
            radio->OnClick = logger(name);
            radios_.push_back(radio);
        }
    }
    std::vector<bool> checked() const
    {
        std::vector<bool> states;
        for (auto* r : radios_)
            states.push_back(r->Checked());
        return states;
    }

    std::vector<TRadioButton*> radios_;
};

TEST_F(RadioButtonTest, CheckingFromCodeUnchecksTheSiblingsAndRaisesClick)
{
    struct Step { int index; bool value; std::vector<bool> expected; Log log; };
    const Step steps[] = {
        {0, true, {true, false, false}, {"a"}},
        {2, true, {false, false, true}, {"c"}},
        {2, true, {false, false, true}, {}},   // already checked: nothing
        {2, false, {false, false, false}, {}}, // unchecking raises nothing
    };
    for (const Step& s : steps) {
        log_.clear();
        radios_[static_cast<std::size_t>(s.index)]->SetChecked(s.value);
        EXPECT_EQ(checked(), s.expected) << "radio " << s.index << " := " << s.value;
        EXPECT_EQ(log_, s.log) << "radio " << s.index << " := " << s.value;
    }
}

TEST_F(RadioButtonTest, TheUsersClickChecksOnceAndKeepsTheButtonChecked)
{
    radios_[0]->SetChecked(true);
    log_.clear();
    QTest::mouseClick(radios_[1]->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(log_, Log{"b"});

    log_.clear();
    QTest::mouseClick(radios_[1]->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false})) << "a checked radio stays checked";
    EXPECT_EQ(log_, Log{});
}

TEST_F(RadioButtonTest, ButtonsOfAnotherParentAreNotTouched)
{
    auto* panel = make<TWinControl>();
    auto* inPanel = make<TRadioButton>(panel);
    radios_[0]->SetChecked(true);
    inPanel->SetChecked(true);
    EXPECT_TRUE(radios_[0]->Checked());
    radios_[1]->SetChecked(true);
    EXPECT_TRUE(inPanel->Checked());
}

TEST_F(ControlsTest, CheckBoxRaisesClickForEveryChangeOfState)
{
    auto* box = make<TCheckBox>();
    box->OnClick = logger("click");
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(log_, Log{"click"});
    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(log_, (Log{"click", "click"}));
}

TEST_F(ControlsTest, ButtonClickSetsTheFormsModalResultBeforeOnClick)
{
    auto* button = make<TButton>();
    button->SetModalResult(mrOk);
    button->OnClick = [&](TObject*) { log_.push_back("click " + std::to_string(form_->ModalResult())); };
    QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(log_, Log{"click 1"});
}

// ---- up-down ----

class UpDownTest : public ControlsTest
{
protected:
    struct Raised
    {
        int positionBefore;
        int newValue;
        TUpDownDirection direction;
        bool operator==(const Raised&) const = default;
    };

    void SetUp() override
    {
        ControlsTest::SetUp();
        upDown_ = make<TUpDown>();
        upDown_->SetMin(-280);
        upDown_->SetMax(0);
        upDown_->SetPosition(-10);
        upDown_->OnChangingEx = [this](TObject* sender, bool& allow, std::int16_t value, TUpDownDirection dir) {
            EXPECT_EQ(sender, upDown_);
            raised_.push_back({upDown_->Position(), value, dir});
            allow = allow_;
        };
        upDown_->OnClick = [this](TObject*, TUDBtnType button) { clicks_.push_back(button); };
    }

    TUpDown* upDown_ = nullptr;
    std::vector<Raised> raised_;
    std::vector<TUDBtnType> clicks_;
    bool allow_ = true;
};

TEST_F(UpDownTest, WritesFromCodeRaiseChangingExBeforeThePositionChanges)
{
    struct Case { int write; bool allow; int expectedPosition; std::vector<Raised> expectedRaised; };
    const Case cases[] = {
        {-20, true, -20, {{-10, -20, updNone}}},
        {-10, true, -10, {}},                       // same position: nothing
        {-30, false, -10, {{-10, -30, updNone}}},   // refused: the old position stays
        {50, true, 0, {{-10, 50, updNone}}},        // kept in range
        {-1000, true, -280, {{-10, -1000, updNone}}},
        {40000, true, 0, {{-10, -25536, updNone}}}, // NewValue is a signed 16-bit number
    };
    for (const Case& c : cases) {
        const auto handler = std::exchange(upDown_->OnChangingEx, nullptr);
        upDown_->SetPosition(-10);
        upDown_->OnChangingEx = handler;
        raised_.clear();
        allow_ = c.allow;
        upDown_->SetPosition(c.write);
        EXPECT_EQ(upDown_->Position(), c.expectedPosition) << "write " << c.write;
        EXPECT_EQ(raised_, c.expectedRaised) << "write " << c.write;
        EXPECT_TRUE(clicks_.empty());
    }
}

TEST_F(UpDownTest, ArrowClicksStepByIncrementAndStayInRange)
{
    upDown_->SetIncrement(5);
    upDown_->SetPosition(-5);
    raised_.clear();
    QTest::mouseClick(upDown_->Widget()->findChild<QToolButton*>("next"), Qt::LeftButton);
    EXPECT_EQ(upDown_->Position(), 0);
    QTest::mouseClick(upDown_->Widget()->findChild<QToolButton*>("next"), Qt::LeftButton);
    EXPECT_EQ(upDown_->Position(), 0) << "at Max the position stays";
    upDown_->ArrowClick(btPrev);
    EXPECT_EQ(upDown_->Position(), -5);
    EXPECT_EQ(raised_, (std::vector<Raised>{{-5, 0, updUp}, {0, 5, updUp}, {0, -5, updDown}}))
        << "the value raised may lie outside Min..Max";
    EXPECT_EQ(clicks_, (std::vector<TUDBtnType>{btNext, btNext, btPrev}));

    allow_ = false;
    upDown_->ArrowClick(btPrev);
    EXPECT_EQ(upDown_->Position(), -5);
    EXPECT_EQ(clicks_.size(), 3u) << "a refused step is no click";
}

// ---- edit and label ----

TEST_F(ControlsTest, EditKeepsItsRulesForTypedText)
{
    auto* edit = make<TEdit>();
    edit->SetMaxLength(4);
    edit->SetCharCase(ecUpperCase);
    edit->OnChange = logger("change");
    edit->SetFocus();
    QTest::keyClicks(edit->Widget(), "ab12x");
    EXPECT_EQ(edit->Text(), "AB12");
    EXPECT_EQ(log_.size(), 4u) << "one change per accepted character";

    edit->SetText("xy");
    EXPECT_EQ(edit->Text(), "XY") << "code's text is turned too";
    edit->SetText("longer than four");
    EXPECT_EQ(edit->Text(), "LONGER THAN FOUR") << "code may write past MaxLength";
    QTest::keyClick(edit->Widget(), Qt::Key_End);
    QTest::keyClicks(edit->Widget(), "z");
    EXPECT_EQ(edit->Text(), "LONGER THAN FOUR") << "typing may not";
    QTest::keyClick(edit->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "LONGER THAN FOU") << "deleting may";
    edit->SetText("xy");
    edit->SetSelStart(static_cast<int>(edit->Text().size()));
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 0);
    edit->SelectAll();
    EXPECT_EQ(edit->SelText(), "XY");

    Word seen = 0;
    edit->OnKeyDown = [&](TObject*, Word& key, TShiftState) { seen = key; };
    QTest::keyClick(edit->Widget(), Qt::Key_Return);
    EXPECT_EQ(seen, VK_RETURN);
}

// A text written while the box is out of sight (on a hidden page) is the
// box's text at once, with its change raised; the box shows it when it is
// shown, or painted while hidden, as a box written in sight shows it, with
// the caret put at its end, and typing goes on from there.
TEST_F(ControlsTest, AnEditOutOfSightShowsTheLastTextWrittenToIt)
{
    auto* page = make<TGroupBox>();
    page->SetBounds(0, 0, 300, 120);
    page->SetVisible(false);
    auto* hidden = make<TEdit>(page);
    auto* painted = make<TEdit>(page);
    auto* inSight = make<TEdit>();
    for (TEdit* box : {hidden, painted, inSight})
        box->SetBounds(10, 10, 120, 24);
    inSight->SetLeft(150);
    hidden->OnChange = logger("change");
    for (TEdit* box : {hidden, painted, inSight}) {
        box->SetText("20.0Hz");
        box->SetText("1.50KHz");
    }
    EXPECT_EQ(hidden->Text(), "1.50KHz");
    EXPECT_EQ(log_, (Log{"change", "change"}));
    hidden->SetSelStart(7);
    const QImage expected = inSight->Widget()->grab().toImage();
    EXPECT_EQ(painted->Widget()->grab().toImage(), expected) << "painted while its page is hidden";

    page->SetVisible(true);
    EXPECT_EQ(hidden->Widget()->grab().toImage(), expected) << "its page shown";
    EXPECT_EQ(hidden->SelStart(), 7);
    EXPECT_EQ(hidden->SelLength(), 0);
    hidden->SetFocus();
    QTest::keyClick(hidden->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(hidden->Text(), "1.50KH");

    // The caret put inside a text written out of sight.
    page->SetVisible(false);
    painted->SetText("0.71");
    painted->SetSelStart(1);
    page->SetVisible(true);
    EXPECT_EQ(painted->SelStart(), 1);
    EXPECT_EQ(painted->SelLength(), 0);
}

// The box's text area shows its colour, enabled, on a dark form, and after a change.
TEST_F(ControlsTest, AnEditIsFilledWithItsColour)
{
    form_->SetColor(0x00503C28);
    auto* edit = make<TEdit>();
    edit->SetBounds(10, 10, 160, 26);
    const auto inside = [edit] {
        const QImage shown = edit->Widget()->grab().toImage();
        const QRgb p = shown.pixel(shown.width() - 8, shown.height() / 2);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    };
    EXPECT_EQ(inside(), RGB(255, 255, 255)) << "clWindow";
    edit->SetColor(0x00C0FFFF);
    EXPECT_EQ(inside(), 0x00C0FFFFU) << "pale yellow";
}

TEST_F(ControlsTest, NumbersOnlyEditTakesDigitsOnly)
{
    auto* edit = make<TEdit>();
    edit->SetNumbersOnly(true);
    edit->SetMaxLength(3);
    edit->SetFocus();
    QTest::keyClicks(edit->Widget(), "1a9.25");
    EXPECT_EQ(edit->Text(), "192");
}

TEST_F(ControlsTest, AutoSizedLabelFollowsItsText)
{
    auto* label = make<TLabel>();
    label->SetCaption("Short");
    const int shortWidth = label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_GT(label->Width(), shortWidth);

    label->SetAutoSize(false);
    label->SetCaption("x");
    EXPECT_GT(label->Width(), shortWidth) << "without AutoSize the size stays";
}

TEST_F(ControlsTest, AGroupBoxWritesItsCaptionInItsFontColour)
{
    auto* box = make<TGroupBox>();
    box->SetBounds(0, 0, 160, 60);
    box->SetColor(clNavy);
    box->SetCaption("WWWWWWWW");
    TFont font = box->Font();
    font.Color = clWhite;
    box->SetFont(font);
    const QImage title = box->Widget()->grab(QRect(0, 0, 160, 20)).toImage();
    int white = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            white += qGray(title.pixel(x, y)) > 230 ? 1 : 0;
    EXPECT_GT(white, 20) << "the caption's letters are white";
}

} // namespace

namespace {

// ---- key and value grid ----

class ValueListTest : public ControlsTest
{
protected:
    void SetUp() override
    {
        ControlsTest::SetUp();
        grid_ = make<TValueListEditor>();
        grid_->SetBounds(0, 0, 250, 200);
        std::vector<std::string> lines;
        for (int i = 1; i <= 20; ++i)
            lines.push_back("     U" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=  Preset " + std::to_string(i));
        grid_->Strings()->SetLines(lines);
        grid_->OnSelectCell = [this](TObject*, int col, int row, bool& canSelect) {
            selected_.push_back({col, row});
            canSelect = allow_;
        };
    }
    void clickRow(int row)
    {
        auto* table = static_cast<QTableWidget*>(grid_->Widget());
        const QRect cell = table->visualRect(table->model()->index(row - 1, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

    TValueListEditor* grid_ = nullptr;
    std::vector<std::pair<int, int>> selected_;
    bool allow_ = true;
};

TEST_F(ValueListTest, RowsCountFromTheTitleRow)
{
    EXPECT_EQ(grid_->RowCount(), 21);
    EXPECT_EQ(grid_->Keys(5), "     U05");
    EXPECT_EQ(grid_->Cells(1, 5), "  Preset 5");
    EXPECT_EQ(grid_->Values("     u07"), "  Preset 7");
    EXPECT_EQ(grid_->Cells(0, 0), "Key");
    EXPECT_EQ(grid_->Cells(1, 99), "");
}

// Rows 18 pixels high and the grid line under each, the title row too:
// a 200-pixel grid shows nine rows under its title.
TEST_F(ValueListTest, RowsHaveTheGridsRowHeight)
{
    auto* table = static_cast<QTableWidget*>(grid_->Widget());
    EXPECT_EQ(table->rowHeight(0), 19);
    EXPECT_EQ(table->horizontalHeader()->height(), 19);
    const int lastShown = table->rowAt(table->viewport()->height() - 1);
    EXPECT_GE(lastShown, 8) << "row " << lastShown << " at the bottom";
    TFont bold = grid_->Font();
    bold.SetHeight(-13);
    bold.Style = fsBold;
    grid_->SetFont(bold);
    EXPECT_EQ(table->rowHeight(0), 19) << "a font keeps the height";
}

TEST_F(ValueListTest, EverySelectionByTheUserIsRaisedOnce)
{
    clickRow(3);
    clickRow(3);
    QTest::keyClick(grid_->Widget(), Qt::Key_Down);
    using Cells = std::vector<std::pair<int, int>>;
    EXPECT_EQ(selected_, (Cells{{1, 3}, {1, 3}, {1, 4}})) << "a click on the selected cell counts again";
    EXPECT_EQ(grid_->Row(), 4);

    allow_ = false;
    clickRow(6);
    EXPECT_EQ(grid_->Row(), 4) << "a refused cell is not taken";
}

} // namespace
