#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzShapeButton.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using qx::test::pixel;

/// A teal picture with a red square from (4, 4) to (7, 7).
TBitmap shape(int w = 12, int h = 12)
{
    TBitmap b(w, h);
    b.Canvas().Brush().Color = clTeal;
    b.Canvas().FillRect({0, 0, w, h});
    b.Canvas().Brush().Color = clRed;
    b.Canvas().FillRect({4, 4, 8, 8});
    return b;
}

class ShapeButtonTest : public testing::Test, protected qx::test::FormFixture {};

TEST_F(ShapeButtonTest, GrowsBevelRingsAndABorderRoundTheShape)
{
    auto* b = make<TRzShapeButton>();
    b->SetBitmap(shape());
    const TBitmap& up = b->BitmapUp();
    EXPECT_EQ(pixel(up, 5, 5), clRed);
    EXPECT_EQ(pixel(up, 8, 5), ColorToRGB(clBtnShadow)) << "ring 1, right side";
    EXPECT_EQ(pixel(up, 3, 5), ColorToRGB(clBtnHighlight)) << "ring 1, left side";
    EXPECT_EQ(pixel(up, 9, 5), ColorToRGB(clBtnShadow)) << "ring 2, right side";
    EXPECT_EQ(pixel(up, 10, 5), ColorToRGB(cl3DDkShadow)) << "ring 3: the border";
    EXPECT_EQ(pixel(up, 1, 5), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(pixel(up, 11, 5), clTeal);

    const TBitmap& down = b->BitmapDown();
    EXPECT_EQ(pixel(down, 8, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(pixel(down, 3, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(pixel(down, 10, 5), clTeal) << "the down image has no right and bottom border";
    EXPECT_EQ(pixel(down, 1, 5), ColorToRGB(cl3DDkShadow));
}

TEST_F(ShapeButtonTest, HitTestFollowsTheMaskAndAnswersOutsideBeyondIt)
{
    auto* b = make<TRzShapeButton>();
    b->SetBitmap(shape());
    EXPECT_EQ(b->Width(), 16) << "AutoSize: picture + 4";
    EXPECT_TRUE(b->PtInMask(5, 5));
    EXPECT_TRUE(b->PtInMask(10, 5)) << "the border ring takes clicks";
    EXPECT_FALSE(b->PtInMask(0, 0)) << "see-through pixel";
    EXPECT_FALSE(b->PtInMask(13, 5)) << "beyond the mask (the AutoSize margin)";
    EXPECT_FALSE(b->PtInMask(-1, 5));

    b->SetBounds(40, 40, 0, 0);
    const QImage onForm = form->Widget()->grab(QRect(40, 40, 16, 16)).toImage();
    EXPECT_EQ(QColor(onForm.pixel(5, 5)), QColor(Qt::red)) << "the window's mask lets the shape show";

    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    qx::test::click(*b, 0, 0);
    EXPECT_EQ(clicks, 0) << "a click on a see-through pixel is not taken";
    qx::test::click(*b, 5, 5);
    EXPECT_EQ(clicks, 1);
    b->SetPreciseClick(false);
    qx::test::click(*b, 0, 0);
    EXPECT_EQ(clicks, 2) << "without PreciseClick the whole rectangle clicks";
}

TEST_F(ShapeButtonTest, TheWindowFollowsTheMaskUntilThePictureGoes)
{
    auto* b = make<TRzShapeButton>();
    b->SetBitmap(shape());
    b->SetBounds(40, 40, 0, 0);
    auto controlAt = [&](int x, int y) { return qx::controlOf(form->Widget()->childAt(40 + x, 40 + y)); };
    EXPECT_EQ(controlAt(5, 5), b);
    EXPECT_NE(controlAt(0, 0), b) << "a see-through pixel belongs to what lies beneath";
    b->SetPreciseClick(false);
    EXPECT_EQ(controlAt(0, 0), b);
    b->SetPreciseClick(true);
    EXPECT_NE(controlAt(0, 0), b);
    b->SetBitmap(TBitmap());
    EXPECT_EQ(controlAt(0, 0), b) << "without a picture the whole rectangle is the button's again";
}

TEST_F(ShapeButtonTest, SettersKeepTheirRanges)
{
    auto* b = make<TRzShapeButton>();
    b->SetBevelWidth(5);
    EXPECT_EQ(b->BevelWidth(), 2);
    b->SetBitmap(shape(800, 40));
    EXPECT_EQ(b->Width(), 804);
    EXPECT_EQ(b->Height(), 44);
    b->SetCaptionX(10);
    EXPECT_EQ(b->CaptionPosition(), cpXY);
    b->SetBitmap(TBitmap());
    EXPECT_TRUE(b->BitmapUp().Empty());
    EXPECT_TRUE(b->PtInMask(50, 5)) << "no mask: everything";
}

} // namespace

namespace {

TEST_F(ShapeButtonTest, HintsAndThePointerFollowTheMask)
{
    auto* b = make<TRzShapeButton>();
    b->SetBitmap(shape());
    b->SetShowHint(true);
    b->SetCursor(crHandPoint);
    qx::test::mouseMove(*b, 0, 0, Qt::NoButton);
    EXPECT_FALSE(b->ShowHint()) << "no hint over a see-through pixel";
    qx::test::mouseMove(*b, 5, 5, Qt::NoButton);
    EXPECT_TRUE(b->ShowHint());
    b->SetPreciseShowHint(false);
    qx::test::mouseMove(*b, 0, 0, Qt::NoButton);
    EXPECT_EQ(b->Cursor(), crDefault) << "with PreciseClick the see-through part is not a hand";
    qx::test::mouseMove(*b, 5, 5, Qt::NoButton);
    EXPECT_EQ(b->Cursor(), crHandPoint);
}

} // namespace
