#include "ButtonsTestSupport.h"

#include "controls/buttons/vr/VrButtons.h"
#include "platform/gui/Screen.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace {

using qx::test::pixel;
using qx::test::render;
using Log = std::vector<std::string>;

class PowerButtonTest : public testing::Test, protected qx::test::FormFixture
{
protected:
    void SetUp() override
    {
        power = make<TVrPowerButton>();
        power->Palette()->SetLow(clOlive);
        power->Palette()->SetHigh(clYellow);
        power->OnClick = [this](TObject*) { log.push_back(power->Active() ? "click on" : "click off"); };
    }
    TColor led()
    {
        const TRect r = power->ImageRect();
        return pixel(render(*power), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    TVrPowerButton* power = nullptr;
};

TEST_F(PowerButtonTest, TheActiveSetterRepaintsTheLedAndRaisesNothing)
{
    EXPECT_EQ(led(), clOlive);
    power->SetActive(true);
    EXPECT_EQ(led(), clYellow);
    power->SetActive(true);
    EXPECT_TRUE(log.empty());
    power->SetEnabled(false);
    EXPECT_EQ(led(), ColorToRGB(clBtnFace)) << "disabled: the LED takes the button's colour";
}

TEST_F(PowerButtonTest, ACompletedClickTogglesBeforeOnClick)
{
    qx::test::click(*power, 10, 10);
    EXPECT_EQ(log, (Log{"click on"}));
    qx::test::click(*power, 10, 10);
    EXPECT_EQ(log, (Log{"click on", "click off"}));
}

TEST_F(PowerButtonTest, DraggingOffBeforeTheReleaseChangesNothing)
{
    qx::test::mousePress(*power, 10, 10);
    power->Perform(CM_MOUSELEAVE);
    qx::test::mouseRelease(*power, 200, 10);
    EXPECT_FALSE(power->Active());
    EXPECT_TRUE(log.empty());

    qx::test::mousePress(*power, 10, 10);
    power->Perform(CM_MOUSELEAVE);
    power->Perform(CM_MOUSEENTER);
    qx::test::mouseRelease(*power, 10, 10);
    EXPECT_TRUE(power->Active()) << "dragged back on";
}

TEST_F(PowerButtonTest, SpaceTogglesOnlyWhenItsKeyDownPressedTheButton)
{
    power->SetTabStop(true);
    power->SetFocus();
    qx::test::keyUp(*power, Qt::Key_Space, " ");
    EXPECT_FALSE(power->Active()) << "a lone key-up";
    qx::test::keyDown(*power, Qt::Key_Space, " ");
    EXPECT_TRUE(power->IsPressed());
    qx::test::keyUp(*power, Qt::Key_Space, " ");
    EXPECT_TRUE(power->Active());
    EXPECT_EQ(log, (Log{"click on"}));
}

TEST_F(PowerButtonTest, ClickFromCodeRaisesNothing)
{
    TVrPowerButton& b = *power;
    b.Click();
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(b.Active());
}

class DemoButtonTest : public testing::Test, protected qx::test::FormFixture
{
protected:
    void SetUp() override
    {
        demo = make<TVrDemoButton>();
        demo->SetBounds(0, 0, 65, 17);
        demo->OnClick = logger("click");
    }
    TVrDemoButton* demo = nullptr;
};

TEST_F(DemoButtonTest, ClicksOnACompletedPressOnly)
{
    qx::test::click(*demo, 10, 10);
    EXPECT_EQ(log, (Log{"click"}));
    qx::test::mousePress(*demo, 10, 10);
    EXPECT_TRUE(demo->IsDown());
    qx::test::mouseMove(*demo, 100, 10);
    EXPECT_FALSE(demo->IsDown());
    qx::test::mouseRelease(*demo, 100, 10);
    EXPECT_EQ(log.size(), 1u);
    demo->Click();
    EXPECT_EQ(log.size(), 1u) << "a click from code raises nothing";
}

TEST_F(DemoButtonTest, AFlatButtonShowsItsBevelOnlyUnderTheMouse)
{
    demo->SetFlat(true);
    demo->SetOutlineWidth(0);
    demo->SetCaption("");
    EXPECT_EQ(pixel(render(*demo), 0, 0), ColorToRGB(clBtnFace));
    demo->Perform(CM_MOUSEENTER);
    EXPECT_EQ(pixel(render(*demo), 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(pixel(render(*demo), 64, 16), ColorToRGB(clBtnShadow));
}

TEST(VrSupport, PaletteAssignRaisesOneChange)
{
    TVrPalette a, b;
    int changes = 0;
    a.OnChange = [&](TObject*) { ++changes; };
    a.Assign(b);
    EXPECT_EQ(changes, 1) << "also when nothing changed";
    b.SetLow(clRed);
    b.SetHigh(clBlue);
    a.Assign(b);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(a.Colors(0), clRed);
    EXPECT_EQ(a.Colors(1), clBlue);
}

TEST(VrSupport, ImageAndTextLayout)
{
    TBitmap b(100, 20);
    TPoint image;
    TRect text;
    CalcVrImageTextLayout(b.Canvas(), {0, 0, 100, 20}, {0, 0}, "", 1, -1, 5, {12, 12}, image, text);
    EXPECT_EQ(image, (TPoint{44, 4})) << "no caption: the image is centred";
    const int w = b.Canvas().TextWidth("W");
    CalcVrImageTextLayout(b.Canvas(), {0, 0, 100, 20}, {0, 0}, "W", 1, -1, -1, {12, 12}, image, text);
    const int third = (100 - 12 - w) / 3;
    EXPECT_EQ(image.X, third) << "thirds of the free room";
    EXPECT_EQ(text.Left, third + 12 + third);
}

TEST(VrSupport, RingsShrinkTheRectangle)
{
    TBitmap b(6, 6);
    TRect r{0, 0, 6, 6};
    DrawVrRings(b.Canvas(), r, clRed, clBlue, 2);
    EXPECT_EQ(r, (TRect{2, 2, 4, 4}));
    EXPECT_EQ(pixel(b, 0, 0), clRed);
    EXPECT_EQ(pixel(b, 5, 0), clBlue);
    EXPECT_EQ(pixel(b, 0, 5), clBlue) << "the bottom line runs to the left edge";
    EXPECT_EQ(pixel(b, 0, 4), clRed);
    EXPECT_EQ(pixel(b, 5, 5), clBlue);
    EXPECT_EQ(pixel(b, 1, 1), clRed);
}

TEST(VrSupport, Font3DWithoutStyleDrawsTheTextOnceInTheFontColour)
{
    TBitmap b(40, 20);
    b.Canvas().Brush().Color = clWhite;
    b.Canvas().FillRect({0, 0, 40, 20});
    b.Canvas().Font().Color = clBlack;
    TVrFont3D font;
    font.Paint(b.Canvas(), {0, 0, 40, 20}, "WW", DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    int dark = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            dark += GetRValue(pixel(b, x, y)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 0);
    EXPECT_EQ(b.Canvas().Font().Color, clBlack);
}

} // namespace

namespace {

TEST(VrSupport, TilingAnEmptyPictureDrawsNothing)
{
    TBitmap b(4, 4);
    b.Canvas().Brush().Color = clNavy;
    b.Canvas().FillRect({0, 0, 4, 4});
    TileVrBitmap(b.Canvas(), {0, 0, 4, 4}, TBitmap());
    TileVrBitmap(b.Canvas(), {0, 0, 4, 4}, TBitmap(0, 3));
    EXPECT_EQ(pixel(b, 2, 2), clNavy);
}

TEST(VrHandPointCursor, IsRegisteredAsCursor99WithItsTipAsHotSpot)
{
    ASSERT_EQ(crVrHandPoint, 99);
    const QCursor cursor = Screen()->Cursors(crVrHandPoint);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(9, 1));
    const QImage picture = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << "transparent round the hand";
    EXPECT_EQ(picture.pixel(9, 5), 0xFFFFFFFFu) << "the white finger below the tip";
    EXPECT_EQ(qAlpha(picture.pixel(9, 1)), 255) << "the outline at the tip";

    TWinControl control(nullptr);
    control.SetCursor(crVrHandPoint);
    EXPECT_EQ(control.Widget()->cursor().shape(), Qt::BitmapCursor) << "a control shows it";
    EXPECT_EQ(control.Widget()->cursor().hotSpot(), QPoint(9, 1));
}

} // namespace
