#include "controls/buttons/Accelerators.h"
#include "controls/buttons/rz/RzCommon.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct HslCase
{
    TColor color;
    qx::rz::Hsl hsl;
};

void PrintTo(const HslCase& c, std::ostream* os) { *os << "colour " << c.color; }

class ColorToHslTest : public testing::TestWithParam<HslCase> {};

TEST_P(ColorToHslTest, GivesTheHueSaturationAndLuminanceOnTheScaleOf240)
{
    qx::rz::Hsl hsl;
    ColorToHsl240(GetParam().color, hsl.h, hsl.s, hsl.l);
    EXPECT_EQ(hsl, GetParam().hsl);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, ColorToHslTest,
                         testing::Values(HslCase{clBlack, {0, 0, 0}}, HslCase{clWhite, {0, 0, 240}},
                                         HslCase{clSilver, {0, 0, 181}}, HslCase{0x8080FF, {0, 240, 180}},
                                         HslCase{clRed, {0, 240, 120}}, HslCase{clLime, {80, 240, 120}},
                                         HslCase{clBlue, {160, 240, 120}},
                                         HslCase{clBtnFace, {0, 0, 226}}));

struct ColorCase
{
    const char* what;
    TColor result;
    TColor expected;
};

void PrintTo(const ColorCase& c, std::ostream* os) { *os << c.what; }

class ColorArithmeticTest : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorArithmeticTest, MatchesTheWorkedValue)
{
    EXPECT_EQ(GetParam().result, GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, ColorArithmeticTest,
    testing::Values(ColorCase{"mid grey", ColorFromHsl240(0, 0, 120), RGB(128, 128, 128)},
                    ColorCase{"grey for any hue", ColorFromHsl240(77, 0, 120), RGB(128, 128, 128)},
                    ColorCase{"black at luminance 0", ColorFromHsl240(50, 240, 0), clBlack},
                    ColorCase{"hue 239 lies in the red sector", ColorFromHsl240(239, 240, 120), clRed},
                    ColorCase{"hue 240 lies in the red sector", ColorFromHsl240(240, 240, 120), RGB(255, 6, 0)},
                    ColorCase{"silver darkened by 50", ColorDarkenedBy(clSilver, 50), RGB(139, 139, 139)},
                    ColorCase{"bypass colour darkened by 50", ColorDarkenedBy(0x8080FF, 50), RGB(255, 21, 21)},
                    ColorCase{"silver lightened by 100 saturates", ColorLightenedBy(clSilver, 100), clWhite},
                    ColorCase{"darkened by 255 is black", ColorDarkenedBy(0x8080FF, 255), clBlack},
                    ColorCase{"system colour darkened", ColorDarkenedBy(clBtnFace, 0), RGB(240, 240, 240)},
                    ColorCase{"adjusted by 0 keeps a system colour", ColorAdjustedBy(clBtnFace, 0), clBtnFace},
                    ColorCase{"adjusted by -50 darkens", ColorAdjustedBy(clSilver, -50), RGB(139, 139, 139)},
                    ColorCase{"blend weight 255", BlendColors(clWhite, clBlack, 255), clWhite},
                    ColorCase{"blend weight 0", BlendColors(clWhite, clBlack, 0), clBlack},
                    ColorCase{"blend weight 128", BlendColors(clWhite, clBlack, 128), RGB(128, 128, 128)},
                    ColorCase{"contrast hue of red", ContrastHueColor(clRed, 120), RGB(0, 252, 255)}));

TEST(ColorsLookAlike, ComparesHueAndLuminanceOnly)
{
    EXPECT_FALSE(ColorsLookAlike(clBlack, clWhite));
    EXPECT_TRUE(ColorsLookAlike(ColorFromHsl240(80, 240, 100), ColorFromHsl240(80, 240, 159)));
    EXPECT_TRUE(ColorsLookAlike(ColorFromHsl240(80, 240, 100), ColorFromHsl240(80, 60, 100))) << "saturation ignored";
    EXPECT_FALSE(ColorsLookAlike(clRed, clLime));
}

TEST(StripAccelerators, DropsSingleMarksAndHalvesDoubledOnes)
{
    EXPECT_EQ(StripAccelerators(""), "");
    EXPECT_EQ(StripAccelerators("&File"), "File");
    EXPECT_EQ(StripAccelerators("Save &As"), "Save As");
    EXPECT_EQ(StripAccelerators("R&&D"), "R&D");
    EXPECT_EQ(StripAccelerators("end&"), "end&") << "the last character is always kept";
    EXPECT_EQ(qx::buttons::AcceleratorOf("Save &as"), u'A');
    EXPECT_EQ(qx::buttons::AcceleratorOf("R&&D"), 0);
    EXPECT_TRUE(qx::buttons::IsAccel(u'a', "Save &as"));
    EXPECT_FALSE(qx::buttons::IsAccel(u's', "Save &as"));
}

} // namespace
