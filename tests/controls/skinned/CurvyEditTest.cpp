// The rounded value box: size and inner-edit placement, text and caret, forwarded events, and
// the painted rounded body (anti-aliased edges compared with a tolerance).

#include "ColorNear.h"
#include "controls/skinned/CurvyControls.h"
#include "platform/gui/Form.h"
#include "platform/gui/Keys.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Picture.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class CurvyEditTest : public ::testing::Test
{
protected:
    CurvyEditTest()
    {
        form = std::make_unique<TForm>(nullptr);
        box = new TCurvyEdit(form.get());
        box->SetParent(form.get());
        box->SetBounds(10, 10, 58, 24);
        box->SetRounding(4);
        box->ControlsChanged();
        box->OnChange = [this](TObject* s) { record("change", s); };
        box->OnKeyDown = [this](TObject* s, Word&, TShiftState) { record("keydown", s); };
        box->OnExit = [this](TObject* s) { record("exit", s); };
        box->OnMouseDown = [this](TObject* s, TMouseButton, TShiftState, int X, int Y) {
            record("mousedown " + std::to_string(X) + "," + std::to_string(Y), s);
        };
        form->AfterConstruction();
        form->Show();
    }
    void record(const std::string& what, TObject* sender)
    {
        events.push_back(what);
        EXPECT_EQ(sender, box) << "the box is the sender";
    }
    void type(char c)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (c - 'a'), Qt::NoModifier, QString(QChar(c)));
        QCoreApplication::sendEvent(box->Edit().Widget(), &press);
    }

    std::unique_ptr<TForm> form;
    TCurvyEdit* box = nullptr;
    std::vector<std::string> events;
};

TEST_F(CurvyEditTest, AlwaysTwentyFourHigh)
{
    box->SetBounds(0, 0, 70, 50);
    EXPECT_EQ(box->Height(), 24);
    box->SetHeight(13);
    EXPECT_EQ(box->Height(), 24);
    EXPECT_EQ(box->Width(), 70);
}

TEST_F(CurvyEditTest, InnerEditPlacedByRounding)
{
    EXPECT_EQ(box->Edit().BoundsRect(), Rect(4, 5, 52, 23)) << "rounding 4, width 58: 48 wide at x 4";
    box->SetRounding(6);
    box->ControlsChanged();
    EXPECT_EQ(box->Edit().BoundsRect(), Rect(6, 5, 50, 23)) << "rounding 6: 44 wide at x 6";
    box->SetWidth(5);
    EXPECT_EQ(box->Edit().Width(), 0) << "never negative";
}

TEST_F(CurvyEditTest, TextWritesRaiseChangeOnlyForANewText)
{
    box->SetText("12.5");
    box->SetText("12.5");
    EXPECT_EQ(events, std::vector<std::string>{"change"});
    EXPECT_EQ(box->Text(), "12.5");
}

TEST_F(CurvyEditTest, CaretToEndMovesOnlyTheCaret)
{
    box->SetText("-3.5 dB");
    box->Edit().SetSelStart(0);
    events.clear();
    box->CaretToEnd();
    EXPECT_EQ(box->Edit().SelStart(), 7);
    EXPECT_EQ(box->Text(), "-3.5 dB");
    EXPECT_TRUE(events.empty());
}

TEST_F(CurvyEditTest, KeysSentToTheBoxWindowDoNothing)
{
    box->SetText("42");
    box->Edit().SetSelStart(0);
    events.clear();
    box->Perform(WM_KEYDOWN, VK_END, 0);
    box->Perform(WM_KEYUP, VK_END, 0);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(box->Edit().SelStart(), 0);
}

TEST_F(CurvyEditTest, TypedKeysAreForwardedAndCanBeSwallowed)
{
    type('a');
    EXPECT_EQ(box->Text(), "a");
    EXPECT_EQ(events, (std::vector<std::string>{"keydown", "change"}));
    box->Edit().SetSelStart(0);
    box->OnKeyDown = [](TObject*, Word& Key, TShiftState) { Key = 0; };
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(box->Edit().Widget(), &end);
    EXPECT_EQ(box->Edit().SelStart(), 0) << "a handler that clears the key keeps it from the edit";
    box->OnKeyDown = nullptr;
    QCoreApplication::sendEvent(box->Edit().Widget(), &end);
    EXPECT_EQ(box->Edit().SelStart(), 1);
}

TEST_F(CurvyEditTest, EnabledActsOnTheInnerEditOnly)
{
    box->SetEnabled(false);
    EXPECT_FALSE(box->Enabled());
    EXPECT_FALSE(box->Edit().Enabled());
    EXPECT_TRUE(static_cast<TControl&>(*box).Enabled()) << "the box keeps its colours and mouse handling";
    box->SetColor(0xFFFFDF);
    EXPECT_EQ(box->Edit().Color(), 0xFFFFDFu) << "the colour reaches the inner edit";
}

TEST_F(CurvyEditTest, MouseOnTheFrameRaisesNothingInsideTheEditItDoes)
{
    box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, 1 | 12 << 16);
    box->Perform(WM_LBUTTONUP, 0, 1 | 12 << 16);
    EXPECT_TRUE(events.empty());
    box->Edit().Perform(WM_LBUTTONDOWN, MK_LBUTTON, 3 | 4 << 16);
    EXPECT_EQ(events, std::vector<std::string>{"mousedown 3,4"}) << "in the inner edit's coordinates";
}

TEST_F(CurvyEditTest, PaintsARoundedBodyWithBorderAndShadow)
{
    box->SetColor(clWhite);
    box->SetBorderColor(clBlack);
    TBitmap bitmap(58, 24);
    bitmap.Canvas().Brush().Color = clYellow; // the parent beneath
    bitmap.Canvas().FillRect(Rect(0, 0, 58, 24));
    box->PaintTo(bitmap.Canvas());
    auto at = [&](int x, int y) { return bitmap.Canvas().Pixel(x, y); };
    EXPECT_EQ(at(0, 0), clYellow) << "outside the rounded corner";
    EXPECT_EQ(at(57, 23), clYellow);
    EXPECT_TRUE(near(at(29, 12), clWhite, 2)) << "the body";
    EXPECT_TRUE(near(at(29, 0), clBlack, 60)) << "the top border";
    EXPECT_TRUE(near(at(0, 12), clBlack, 60)) << "the left border";
    EXPECT_TRUE(near(at(29, 1), RGB(0xD9, 0xD9, 0xD9), 40)) << "the inner top shadow";
    EXPECT_TRUE(near(at(29, 22), clWhite, 40)) << "no shadow at the bottom";
}

// The pixels of the inner edit as the screen shows them.
QImage innerEditImage(TCurvyEdit& box) { return box.Edit().Widget()->grab().toImage(); }

// How many pixels differ from white (the body colour behind the text).
int inkedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != QColor(Qt::white);
    return count;
}

TEST_F(CurvyEditTest, InnerEditIsFramelessAndShowsItsPlaceholderWhileEmpty)
{
    box->SetColor(clWhite);
    box->SetText({});
    EXPECT_FALSE(box->Edit().Framed());
    EXPECT_EQ(inkedPixels(innerEditImage(*box)), 0) << "no frame round an empty inner edit";

    struct Case
    {
        const char* emptyText;
        const char* textHint;
        const char* shown;
    };
    const Case cases[] = {{"", "8", "8"}, {"none", "8", "none"}, {"none", "", "none"}, {"", "", ""}};
    for (const Case& c : cases) {
        box->SetEmptyText(c.emptyText);
        box->SetTextHint(c.textHint);
        EXPECT_EQ(box->EmptyText(), c.emptyText);
        EXPECT_EQ(box->TextHint(), c.textHint);
        EXPECT_EQ(box->Edit().TextHint(), c.shown) << c.emptyText << " / " << c.textHint;
        EXPECT_EQ(inkedPixels(innerEditImage(*box)) > 0, *c.shown != 0) << c.emptyText << " / " << c.textHint;
    }
    box->SetEmptyText("none");
    box->SetText("1.0");
    const int typed = inkedPixels(innerEditImage(*box));
    box->SetEmptyText({});
    EXPECT_EQ(inkedPixels(innerEditImage(*box)), typed) << "a text hides the placeholder";
}

TEST_F(CurvyEditTest, PictureButtonsTakeRoomAndClick)
{
    TBitmap face(10, 10);
    TPngImage png;
    png.Assign(face);
    TCurvyControl* button = box->Controls().Add();
    button->Picture().LoadFromStream(png.SaveToBytes());
    EXPECT_EQ(box->Controls().RightControlSize, 14) << "2 + picture width 10 + 2";
    EXPECT_EQ(box->Edit().Width(), 58 - 8 - 14);
    // Right-inside buttons start at 58 - 0 - 14 - 2 = 42 and are 12 wide.
    EXPECT_EQ(box->ControlAtPos(43), 0);
    EXPECT_EQ(box->ControlAtPos(42), -1) << "strictly inside";
    int clicked = -1;
    box->OnControlClick = [&](TObject*, int index) { clicked = index; };
    box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, 45 | 12 << 16);
    EXPECT_EQ(button->State(), csDown);
    box->Perform(WM_LBUTTONUP, 0, 45 | 12 << 16);
    EXPECT_EQ(clicked, 0);
    EXPECT_EQ(button->State(), csNormal);
}

TEST(CurvyEditLayout, ReadingTheLayoutPlacesTheEdit)
{
    auto form = std::make_unique<TForm>(nullptr);
    qx::loadLayoutText(*form, R"(
object fmBox: TForm
  object cvdGainOut1: TCurvyEdit
    Left = 10
    Top = 10
    Width = 58
    Height = 30
    Rounding = 4
    Color = clWhite
    BorderColor = clHighlightText
    Alignment = taCenter
    AutoSelect = False
    HideSelection = False
    TextHint = "8"
    ShowHint = True
    ReadOnly = True
    Font.Name = "Tahoma"
    Font.Height = -11
    Text = "0.0"
    Tag = 4
  end
end
)",
                       "box.layout");
    auto* box = qx::findComponent<TCurvyEdit>(*form, "cvdGainOut1");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Height(), 24);
    EXPECT_EQ(box->Edit().BoundsRect(), Rect(4, 5, 52, 23));
    EXPECT_EQ(box->Text(), "0.0");
    EXPECT_EQ(box->Alignment(), taCenter);
    EXPECT_TRUE(box->ReadOnly());
    EXPECT_TRUE(box->Edit().ReadOnly());
    EXPECT_EQ(box->Edit().Font().Name, "Tahoma");
}

} // namespace

namespace {

TEST_F(CurvyEditTest, EnterReachesTheBoxAsKeyThirteen)
{
    std::vector<Word> keys;
    box->OnKeyDown = [&](TObject* sender, Word& key, TShiftState) {
        EXPECT_EQ(sender, box);
        keys.push_back(key);
    };
    for (const char c : {'a', 'b'})
        type(c);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QCoreApplication::sendEvent(box->Edit().Widget(), &enter);
    EXPECT_EQ(keys, (std::vector<Word>{'A', 'B', 13}));
    EXPECT_EQ(box->Text(), "ab");
}

} // namespace
