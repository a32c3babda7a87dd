#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzLabel.h"
#include "platform/gui/Application.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

#include <gtest/gtest.h>

namespace {

using qx::test::pixel;
using qx::test::render;

class LabelTest : public testing::Test, protected qx::test::FormFixture
{
protected:
    void SetUp() override { qx::setTimerClock(clock); }
    void TearDown() override { qx::setTimerClock(qx::Clock::system()); }
    void advance(int ms)
    {
        clock.advance(ms);
        Application->ProcessMessages();
    }
    /// A see-through label of a fixed size with its caption in one colour.
    TRzLabel* plainLabel(int w, int h, TColor color, const std::string& caption)
    {
        auto* label = make<TRzLabel>();
        label->SetAutoSize(false);
        label->SetTransparent(true);
        label->SetBounds(0, 0, w, h);
        TFont font = label->Font();
        font.Color = color;
        label->SetFont(font);
        label->SetCaption(caption);
        return label;
    }
    qx::ManualClock clock{0};
};

struct AngleCase
{
    int set, stored;
};

void PrintTo(const AngleCase& c, std::ostream* os) { *os << c.set << " stores " << c.stored; }

class LabelAngleTest : public testing::TestWithParam<AngleCase> {};

TEST_P(LabelAngleTest, IsNormalisedInto0To359)
{
    TRzLabel label(nullptr);
    label.SetAngle(GetParam().set);
    EXPECT_EQ(label.Angle(), GetParam().stored);
    EXPECT_EQ(label.Rotation(), GetParam().stored == 0 ? roNone : roFlat);
}

INSTANTIATE_TEST_SUITE_P(Angles, LabelAngleTest,
                         testing::Values(AngleCase{-30, 330}, AngleCase{400, 40}, AngleCase{-725, 355}, AngleCase{720, 0},
                                         AngleCase{359, 359}, AngleCase{-360, 0}));

TEST_F(LabelTest, FlatRotationResetsTheAngleAndCentre)
{
    auto* label = make<TRzLabel>();
    label->SetRotation(roCurve);
    label->SetAngle(45);
    label->SetCenterPoint(cpLowerLeft);
    label->SetRotation(roFlat);
    EXPECT_EQ(label->Angle(), 0);
    EXPECT_EQ(label->CenterPoint(), cpCenter);
}

TEST_F(LabelTest, ATransparentLabelDrawsOnlyItsCaptionTopLeft)
{
    auto* label = plainLabel(60, 30, clNavy, "W");
    const TBitmap b = render(*label);
    int navy = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            navy += pixel(b, x, y) == clNavy ? 1 : 0;
    EXPECT_GT(navy, 0);
    EXPECT_EQ(pixel(b, 59, 29), clFuchsia);
    EXPECT_EQ(pixel(b, 40, 5), clFuchsia);
}

TEST_F(LabelTest, BlinkingLabelsSwitchTogetherOnTheSharedTimer)
{
    auto* a = make<TRzLabel>();
    auto* b = make<TRzLabel>();
    auto* still = make<TRzLabel>();
    for (TRzLabel* l : {a, b}) {
        l->SetBlinkColor(clRed);
        l->SetBlinking(true);
    }
    const TColor font = a->Font().Color;
    ASSERT_NE(BlinkingControlsList(), nullptr);
    advance(500); // the list goes to bsOn: a blinking label shows its font colour
    EXPECT_EQ(a->CurrentColor(), font);
    advance(500); // bsOff: the blink colour
    EXPECT_EQ(a->CurrentColor(), clRed);
    EXPECT_EQ(b->CurrentColor(), clRed);
    EXPECT_EQ(still->CurrentColor(), still->Font().Color);
    a->SetBlinking(false);
    EXPECT_EQ(a->CurrentColor(), font) << "turning blinking off restores the font colour";
    delete a;
    delete b;
    delete still;
    EXPECT_EQ(BlinkingControlsList(), nullptr) << "the list goes with the last label";
}

TEST_F(LabelTest, FlyByColourWhileTheMouseIsOver)
{
    auto* label = make<TRzLabel>();
    label->SetFlyByEnabled(true);
    label->SetFlyByColor(clLime);
    const TColor before = label->Font().Color;
    label->Perform(CM_MOUSEENTER);
    EXPECT_EQ(label->Font().Color, clLime);
    label->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(label->Font().Color, before);
}

TEST_F(LabelTest, ArcTextWithoutRoomDrawsNothing)
{
    auto* label = plainLabel(4, 4, clBlack, "Arc");
    label->SetBorderWidth(2);
    label->SetRotation(roCurve);
    const TBitmap b = render(*label);
    EXPECT_EQ(pixel(b, 2, 2), ColorToRGB(clBtnFace)) << "only the border rings";

    label->SetBounds(0, 0, 80, 80);
    label->SetBorderWidth(0);
    const TBitmap arc = render(*label);
    EXPECT_EQ(arc.Width(), 80);
}

TEST_F(LabelTest, TextStylesDrawTheirShadows)
{
    auto* label = plainLabel(40, 20, clBlack, "WW");
    label->SetTextStyle(tsShadow);
    label->SetShadowColor(clRed);
    label->SetShadowDepth(3);
    const TBitmap b = render(*label);
    int red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            red += GetRValue(pixel(b, x, y)) > 200 && GetBValue(pixel(b, x, y)) < 60 ? 1 : 0;
    EXPECT_GT(red, 0);
}

} // namespace

namespace {

TEST_F(LabelTest, AutoSizeGrowsByTheBorders)
{
    auto* label = make<TRzLabel>();
    label->SetCaption("Gain");
    const int w = label->Width(), h = label->Height();
    label->SetBorderOuter(fsRaised);
    EXPECT_EQ(label->Width(), w + 4) << "2 on each side";
    EXPECT_EQ(label->Height(), h + 4);
    label->SetBorderSides(TSides{sdLeft});
    EXPECT_EQ(label->Width(), w + 2);
    EXPECT_EQ(label->Height(), h);
    label->SetAngle(90);
    EXPECT_EQ(label->Width(), h) << "turned upright";
}

} // namespace

namespace {

/// The bounds of the pixels darker than the background.
TRect inkBounds(const TBitmap& b)
{
    TRect r{b.Width(), b.Height(), -1, -1};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (const TColor c = pixel(b, x, y); GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r;
}

TEST_F(LabelTest, RotatedTextStandsUprightAndCentred)
{
    auto* label = plainLabel(80, 80, clBlack, "WWWWW");
    label->SetAlignment(taCenter);
    const TRect flat = inkBounds(render(*label));
    ASSERT_LT(flat.Left, flat.Right);
    EXPECT_GT(flat.Width(), flat.Height());
    EXPECT_NEAR((flat.Left + flat.Right) / 2, 40, 3) << "centred";

    label->SetAngle(90);
    const TRect upright = inkBounds(render(*label));
    ASSERT_LT(upright.Top, upright.Bottom);
    EXPECT_GT(upright.Height(), upright.Width()) << "written upwards";
    EXPECT_NEAR((upright.Top + upright.Bottom) / 2, 40, 3);
    EXPECT_NEAR((upright.Left + upright.Right) / 2, 40, 6);

    for (const int angle : {45, 180, 270}) {
        label->SetAngle(angle);
        const TRect turned = inkBounds(render(*label));
        EXPECT_NEAR((turned.Left + turned.Right) / 2, 40, 6) << angle;
        EXPECT_NEAR((turned.Top + turned.Bottom) / 2, 40, 6) << angle;
    }
}

} // namespace
