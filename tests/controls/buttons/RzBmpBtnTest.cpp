#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzBmpBtn.h"
#include "controls/buttons/rz/RzPanel.h"
#include "platform/sync/Sleep.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>

namespace {

using qx::test::pixel;
using qx::test::render;

TBitmap face(TColor color, TColor key)
{
    TBitmap b(10, 8);
    b.Canvas().Brush().Color = color;
    b.Canvas().FillRect({0, 0, 10, 8});
    b.Canvas().SetPixel(0, 0, key);
    return b;
}

class BmpButtonTest : public testing::Test, protected qx::test::FormFixture
{
protected:
    void SetUp() override { form->SetColor(clWhite); }

    /// A button with up (blue), down (red), stay-down (green) and hot (yellow) pictures.
    TRzBmpButton* button(TColor key = clTeal, TWinControl* parent = nullptr)
    {
        auto* b = make<TRzBmpButton>(parent);
        b->Bitmaps()->SetTransparentColor(key);
        b->Bitmaps()->SetPicture(TRzButtonBitmaps::kUp, face(clBlue, key));
        b->Bitmaps()->SetPicture(TRzButtonBitmaps::kDown, face(clRed, key));
        b->Bitmaps()->SetPicture(TRzButtonBitmaps::kStayDown, face(clGreen, key));
        b->Bitmaps()->SetPicture(TRzButtonBitmaps::kHot, face(clYellow, key));
        b->SetShowFocus(false);
        b->OnClick = [this, b](TObject*) { log.push_back(b->Down() ? "click down" : "click up"); };
        return b;
    }
    TColor faceOf(TRzBmpButton* b) { return pixel(render(*b), 5, 5); }
};

using Log = std::vector<std::string>;

TEST_F(BmpButtonTest, TakesThePictureSizeAndLeavesTheTransparentColourOut)
{
    for (const TColor key : {clTeal, clOlive}) {
        TRzBmpButton* b = button(key);
        EXPECT_EQ(b->Width(), 10);
        EXPECT_EQ(b->Height(), 8);
        const TBitmap shown = render(*b);
        EXPECT_EQ(pixel(shown, 5, 5), clBlue);
        EXPECT_EQ(pixel(shown, 0, 0), clFuchsia) << "what lies beneath shows through " << key;
        const QImage onForm = form->Widget()->grab(QRect(b->Left(), b->Top(), 10, 8)).toImage();
        EXPECT_EQ(QColor(onForm.pixel(0, 0)), QColor(Qt::white)) << "on the form: the form's colour";
        EXPECT_EQ(QColor(onForm.pixel(5, 5)), QColor(Qt::blue));
    }
    EXPECT_EQ(TRzButtonBitmaps().TransparentColor(), clOlive);
}

TEST_F(BmpButtonTest, PressAndReleaseInsideClicksOnce)
{
    TRzBmpButton* b = button();
    qx::test::mousePress(*b, 5, 5);
    EXPECT_EQ(b->State(), TRzBmpButton::stPressed);
    EXPECT_EQ(faceOf(b), clRed);
    qx::test::mouseRelease(*b, 5, 5);
    EXPECT_EQ(b->State(), TRzBmpButton::stUp);
    EXPECT_EQ(log, (Log{"click up"}));
}

TEST_F(BmpButtonTest, ReleaseOutsideRaisesNothingAndTheBottomRowCountsAsInside)
{
    TRzBmpButton* b = button();
    b->SetGroupIndex(1);
    qx::test::mousePress(*b, 5, 5);
    qx::test::mouseMove(*b, 10, 5);
    EXPECT_EQ(b->State(), TRzBmpButton::stUp) << "the column X = ClientWidth is outside";
    EXPECT_EQ(faceOf(b), clBlue);
    qx::test::mouseMove(*b, 5, 8);
    EXPECT_EQ(b->State(), TRzBmpButton::stPressed) << "the row Y = ClientHeight is inside";
    qx::test::mouseMove(*b, 5, 20);
    qx::test::mouseRelease(*b, 5, 20);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(b->Down());

    qx::test::mousePress(*b, 5, 5);
    qx::test::mouseRelease(*b, 5, 8);
    EXPECT_TRUE(b->Down()) << "released on the bottom row: a click";
    EXPECT_EQ(log, (Log{"click down"}));
}

TEST_F(BmpButtonTest, AGroupToggleLatchesAndReleasesTheOtherMemberOfTheSameParentOnly)
{
    TRzBmpButton* first = button();
    TRzBmpButton* second = button();
    auto* panel = make<TRzPanel>();
    TRzBmpButton* elsewhere = button(clTeal, panel);
    for (TRzBmpButton* b : {first, second, elsewhere})
        b->SetGroupIndex(3);
    elsewhere->SetDown(true);

    qx::test::click(*first, 5, 5);
    EXPECT_TRUE(first->Down());
    EXPECT_EQ(faceOf(first), clGreen) << "stay-down picture";
    qx::test::click(*second, 5, 5);
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    EXPECT_TRUE(elsewhere->Down()) << "another parent's group is left alone";
    qx::test::click(*second, 5, 5);
    EXPECT_TRUE(second->Down()) << "without AllowAllUp the down member stays down";
    EXPECT_EQ(log, (Log{"click down", "click down", "click down"}));

    first->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp()) << "the group shares AllowAllUp";
    qx::test::click(*second, 5, 5);
    EXPECT_FALSE(second->Down());
    EXPECT_EQ(log.back(), "click up");
}

TEST_F(BmpButtonTest, TheDownSetterRaisesNoEvent)
{
    TRzBmpButton* plain = button();
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down()) << "no group: always up";
    TRzBmpButton* a = button();
    TRzBmpButton* b = button();
    a->SetGroupIndex(10);
    b->SetGroupIndex(10);
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    b->SetDown(false);
    EXPECT_TRUE(b->Down()) << "a down button without AllowAllUp stays down";
    b->SetAllowAllUp(true);
    b->SetDown(false);
    EXPECT_FALSE(b->Down());
    EXPECT_TRUE(log.empty());
}

TEST_F(BmpButtonTest, ClickSetsTheFormsModalResultAndWorksWithoutAForm)
{
    TRzBmpButton* b = button();
    b->SetModalResult(mrOk);
    b->Click();
    EXPECT_EQ(form->ModalResult(), mrOk);
    form->SetModalResult(mrCancel);
    TRzBmpButton* zero = button();
    zero->Click();
    EXPECT_EQ(form->ModalResult(), mrNone) << "0 is copied too";

    TRzBmpButton loose(nullptr);
    int clicks = 0;
    loose.OnClick = [&](TObject*) { ++clicks; };
    loose.Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(BmpButtonTest, KeysClickEnterAtOnceAndSpaceOnRelease)
{
    TRzBmpButton* b = button();
    b->SetFocus();
    qx::test::keyDown(*b, Qt::Key_Return, "\r");
    EXPECT_EQ(log, (Log{"click up"}));
    qx::test::keyDown(*b, Qt::Key_Space, " ");
    EXPECT_EQ(b->State(), TRzBmpButton::stPressed);
    EXPECT_EQ(log.size(), 1u);
    qx::test::keyUp(*b, Qt::Key_Space, " ");
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(BmpButtonTest, HotDisabledAndReEnabledPictures)
{
    TRzBmpButton* b = button();
    b->Perform(CM_MOUSEENTER);
    EXPECT_EQ(faceOf(b), clYellow);
    b->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(faceOf(b), clBlue);

    b->SetEnabled(false);
    const TBitmap embossed = render(*b);
    EXPECT_EQ(pixel(embossed, 5, 5), ColorToRGB(clBtnShadow)) << "embossed from the Up picture";
    b->Bitmaps()->SetPicture(TRzButtonBitmaps::kDisabled, face(clGray, clTeal));
    EXPECT_EQ(faceOf(b), clGray);

    b->SetGroupIndex(2);
    b->SetEnabled(true);
    b->SetDown(true);
    b->SetEnabled(false);
    render(*b);
    b->SetEnabled(true);
    EXPECT_EQ(faceOf(b), clRed) << "a re-enabled down button shows pressed until its state is set again";
}

TEST_F(BmpButtonTest, SizesAndMargins)
{
    TRzBmpButton* b = button();
    b->SetButtonBorder(bbButton);
    EXPECT_EQ(b->Width(), 14) << "new look: the picture plus 4";
    b->SetButtonStyle(bsWin31);
    EXPECT_EQ(b->Width(), 16);
    b->SetMargin(-2);
    EXPECT_EQ(b->Margin(), -1);
    b->SetMargin(3);
    EXPECT_EQ(b->Margin(), 3);
}

} // namespace

namespace {

TEST_F(BmpButtonTest, PictureAndCaptionLayout)
{
    TRzBmpButton* b = button();
    b->SetButtonSize(bszNeither);
    b->SetBounds(0, 0, 80, 30);
    TBitmap alone = render(*b);
    EXPECT_EQ(pixel(alone, 35, 12), clBlue) << "no caption: the picture is centred";
    EXPECT_EQ(pixel(alone, 34, 12), clFuchsia);
    EXPECT_EQ(pixel(alone, 44, 18), clBlue);
    EXPECT_EQ(pixel(alone, 45, 18), clFuchsia);

    b->SetCaption("W");
    b->SetSpacing(-1);
    TBitmap measure(1, 1);
    measure.Canvas().Font() = b->Font();
    const int third = (80 - (10 + measure.Canvas().TextWidth("W"))) / 3;
    TBitmap thirds = render(*b);
    EXPECT_EQ(pixel(thirds, third, 12), clBlue) << "margin, picture, spacing and caption in thirds";
    EXPECT_EQ(pixel(thirds, third - 1, 12), clFuchsia);
}

} // namespace

namespace {

TEST_F(BmpButtonTest, AcceleratorsPressEnabledButtons)
{
    TRzBmpButton* b = button();
    b->SetCaption("&Mute");
    form->Perform(CM_DIALOGCHAR, 'm', 0);
    EXPECT_EQ(log, (Log{"click up"}));
    b->SetEnabled(false);
    form->Perform(CM_DIALOGCHAR, 'm', 0);
    EXPECT_EQ(log.size(), 1u);
}

} // namespace

namespace {

std::atomic<int> sleeps{0};
void countSleep(int) { ++sleeps; }

// Counts the pauses while in scope.
struct CountedSleeps
{
    CountedSleeps() : previous(qx::setSleeper(&countSleep)) { sleeps = 0; }
    ~CountedSleeps() { qx::setSleeper(previous); }
    qx::Sleeper previous;
};

// A borderless button shows its parent's drawing under the face and never
// pauses while it paints, in any state: the paint runs on the GUI thread.
TEST_F(BmpButtonTest, ABorderlessButtonNeverSleepsWhilePainting)
{
    const CountedSleeps counted;
    qx::Sleep(10);
    EXPECT_EQ(sleeps, 1) << "the stand-in sees a pause";
    sleeps = 0;

    TRzBmpButton* b = button();
    b->SetButtonBorder(bbNone);
    EXPECT_EQ(pixel(render(*b), 0, 0), clFuchsia) << "the transparent corner shows what lies beneath";
    b->SetDown(true);
    render(*b);
    b->SetEnabled(false);
    render(*b);
    b->SetEnabled(true);
    form->Show();
    b->Widget()->grab();
    EXPECT_EQ(sleeps, 0);
}

} // namespace
