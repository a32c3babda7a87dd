#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzButton.h"
#include "platform/gui/Keys.h"

#include <gtest/gtest.h>

namespace {

using qx::test::pixel;
using qx::test::render;
using Log = std::vector<std::string>;

class RzButtonTest : public testing::Test, protected qx::test::FormFixture
{
protected:
    TRzButton* button(int group = 0)
    {
        auto* b = make<TRzButton>();
        b->SetThemeAware(false);
        b->SetGroupIndex(group);
        b->OnClick = [this, b](TObject*) { log.push_back(b->Down() ? "click down" : "click up"); };
        return b;
    }
};

TEST_F(RzButtonTest, AClickRaisesOnClickOnceAndSetsTheFormsModalResult)
{
    TRzButton* b = button();
    b->SetModalResult(mrCancel);
    qx::test::click(*b, 10, 10);
    EXPECT_EQ(log, (Log{"click up"}));
    EXPECT_EQ(form->ModalResult(), mrCancel);

    TRzButton loose(nullptr);
    int clicks = 0;
    loose.OnClick = [&](TObject*) { ++clicks; };
    loose.Click();
    EXPECT_EQ(clicks, 1) << "no form: no ModalResult, still the click";
}

TEST_F(RzButtonTest, GroupedButtonsToggleAndShareAllowAllUp)
{
    TRzButton* a = button(4);
    TRzButton* b = button(4);
    qx::test::click(*a, 10, 10);
    EXPECT_TRUE(a->Down());
    qx::test::click(*b, 10, 10);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp());
    qx::test::click(*b, 10, 10);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(log, (Log{"click down", "click down", "click up"}));
    a->SetDown(true);
    EXPECT_EQ(log.size(), 3u) << "the setter raises nothing";
}

TEST_F(RzButtonTest, ReleasingOnTheBottomRowShowsPressedButDoesNotClick)
{
    TRzButton* b = button();
    qx::test::mousePress(*b, 10, 10);
    qx::test::mouseMove(*b, 10, b->ClientHeight());
    qx::test::mouseRelease(*b, 10, b->ClientHeight());
    EXPECT_TRUE(log.empty());
}

TEST_F(RzButtonTest, ClassicFacesInTheSystemColoursAndInAColouredFace)
{
    TRzButton* b = button();
    b->SetBounds(200, 200, 40, 20);
    const TBitmap plain = render(*b);
    EXPECT_EQ(pixel(plain, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(pixel(plain, 39, 19), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(pixel(plain, 1, 1), ColorToRGB(cl3DLight));
    EXPECT_EQ(pixel(plain, 20, 3), ColorToRGB(clBtnFace));

    const TColor bypass = 0x8080FF;
    b->SetColor(bypass);
    const TBitmap coloured = render(*b);
    EXPECT_EQ(pixel(coloured, 0, 0), ColorLightenedBy(bypass, 100));
    EXPECT_EQ(pixel(coloured, 39, 19), ColorDarkenedBy(bypass, 100));
    EXPECT_EQ(pixel(coloured, 1, 1), ColorLightenedBy(bypass, 40));
    EXPECT_EQ(pixel(coloured, 38, 18), ColorDarkenedBy(bypass, 50));
    EXPECT_EQ(pixel(coloured, 20, 3), bypass);
}

TEST_F(RzButtonTest, SpaceClicksOnReleaseOnly)
{
    TRzButton* b = button();
    b->SetFocus();
    qx::test::keyDown(*b, Qt::Key_Space, " ");
    EXPECT_TRUE(log.empty());
    qx::test::keyUp(*b, Qt::Key_Space, " ");
    EXPECT_EQ(log, (Log{"click up"}));
}

TEST_F(RzButtonTest, DisablingAFocusedButtonMovesTheFocusAway)
{
    TRzButton* b = button();
    b->SetFocus();
    ASSERT_TRUE(b->Focused());
    b->SetEnabled(false);
    EXPECT_FALSE(b->Focused());
}

} // namespace

namespace {

TEST_F(RzButtonTest, HotTrackingDrawsARoundedFaceWithAGradient)
{
    TRzButton* b = button();
    b->SetBounds(200, 200, 40, 24);
    b->SetHotTrack(true);
    form->SetColor(clWhite);
    b->SetParent(form.get());
    const TBitmap face = render(*b);
    EXPECT_EQ(pixel(face, 0, 0), clFuchsia) << "the corner shows what lies beneath";
    EXPECT_EQ(pixel(face, 0, 5), ColorDarkenedBy(clWhite, 20)) << "outer ring, left";
    EXPECT_EQ(pixel(face, 39, 5), ColorLightenedBy(clWhite, 20)) << "outer ring, right";
    EXPECT_EQ(pixel(face, 1, 5), ColorToRGB(cl3DDkShadow)) << "inner ring in FrameColor";
    EXPECT_EQ(pixel(face, 20, 21), ColorDarkenedBy(clBtnFace, 30)) << "the face's last row";
    EXPECT_EQ(pixel(face, 20, 2), ColorLightenedBy(clBtnFace, 30)) << "the gradient's first row";
}

} // namespace

namespace {

TEST_F(RzButtonTest, EnterClicksTheDefaultButtonAndEscTheCancelButton)
{
    TRzButton* ok = button();
    ok->SetDefault(true);
    ok->SetCaption("OK");
    TRzButton* cancel = button();
    cancel->SetCancel(true);
    cancel->SetCaption("Cancel");
    cancel->OnClick = logger("cancel");
    form->Perform(CM_DIALOGKEY, VK_RETURN, 0);
    EXPECT_EQ(log, (Log{"click up"})) << "Enter: the default button";
    form->Perform(CM_DIALOGKEY, VK_ESCAPE, 0);
    EXPECT_EQ(log.back(), "cancel");
    cancel->SetFocus();
    log.clear();
    form->Perform(CM_DIALOGKEY, VK_RETURN, 0);
    EXPECT_EQ(log, (Log{"cancel"})) << "a focused button takes Enter itself";
}

TEST_F(RzButtonTest, AltWithTheAcceleratorPressesTheButton)
{
    TRzButton* b = button();
    b->SetCaption("&Bypass");
    form->Perform(CM_DIALOGCHAR, 'b', 0);
    EXPECT_EQ(log, (Log{"click up"}));
}

} // namespace
