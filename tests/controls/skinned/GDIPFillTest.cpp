// The fill descriptor: bodies, gradients with gamma correction, hatches, pictures, shadow,
// focus outline and the settings-file round trip.

#include "TempDir.h"
#include "controls/skinned/GDIPFill.h"
#include "ColorNear.h"
#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gui/IniFile.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Picture.h"
#include "platform/text/EConvertError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

using qx::gdiplus::Graphics;
using qx::gdiplus::RectF;

class FillTest : public ::testing::Test
{
protected:
    FillTest() : bitmap(120, 60)
    {
        bitmap.Canvas().Brush().Color = clWhite;
        bitmap.Canvas().FillRect(Rect(0, 0, 120, 60));
    }
    RectF draw(const RectF& r = {0, 0, 100, 40}, int opacity = 255)
    {
        Graphics g(bitmap);
        RectF content{-1, -1, -1, -1};
        fill.Fill(&g, r, 255, opacity, 255, 255, 255, &content);
        return content;
    }
    TColor at(int x, int y) { return bitmap.Canvas().Pixel(x, y); }

    TBitmap bitmap;
    TGDIPFill fill;
};

// One channel between a and b at t, mixed in linear light (gamma 2.2).
int gammaMix(int a, int b, double t)
{
    const double la = std::pow(a / 255.0, 2.2), lb = std::pow(b / 255.0, 2.2);
    return int(std::lround(std::pow(la + (lb - la) * t, 1 / 2.2) * 255));
}

TEST_F(FillTest, DefaultsAreAVerticalGammaGradientFromSilverToGrey)
{
    draw();
    // The brush spans the area grown by a pixel: y -1 .. 41, sampled at the pixel centres,
    // which lie on whole coordinates.
    for (const int y : {0, 10, 20, 30, 39}) {
        const double t = (y + 1.0) / 42.0;
        const int g = gammaMix(0xC0, 0x80, t);
        EXPECT_TRUE(near(at(50, y), RGB(g, g, g), 2)) << "row " << y;
    }
    EXPECT_FALSE(near(at(50, 20), RGB(159, 159, 159), 1)) << "a plain linear mix would be 159";
    EXPECT_NE(at(0, 0), clWhite) << "square corner painted";
    EXPECT_EQ(at(100, 20), clWhite) << "nothing beyond the area, no border";
}

TEST_F(FillTest, MirrorSplitsTheBodyWithTwoOverlappingRows)
{
    fill.SetColor(clRed);
    fill.SetColorTo(clRed);
    fill.SetColorMirror(clBlue);
    draw();
    EXPECT_EQ(at(50, 18), clRed);
    EXPECT_EQ(at(50, 19), clBlue) << "the lower area starts at Y + H/2 - 1";
    EXPECT_EQ(at(50, 39), clBlue);
}

TEST_F(FillTest, MissingColours)
{
    fill.SetColor(clNone);
    fill.SetBorderColor(clBlack);
    draw();
    EXPECT_EQ(at(50, 20), clWhite) << "no body without Color";
    EXPECT_TRUE(near(at(50, 0), clBlack, 130)) << "the border still drawn (half covered)";

    fill.SetColor(clRed);
    fill.SetColorTo(clNone);
    fill.SetBorderColor(clNone);
    draw();
    EXPECT_EQ(at(50, 5), clRed);
    EXPECT_EQ(at(50, 35), clRed) << "ColorTo missing: solid Color";
}

TEST_F(FillTest, HatchFollowsThePatternAndIsNeverMirrored)
{
    using qx::gdiplus::HatchBrush;
    using qx::gdiplus::HatchStyle;
    fill.SetGradientType(gtHatch);
    fill.SetHatchStyle(HatchStyle::Cross);
    fill.SetColor(clRed);
    fill.SetColorTo(clBlue);
    fill.SetColorMirror(clLime);
    draw();
    const std::uint8_t* pattern = HatchBrush::pattern(HatchStyle::Cross);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool fore = pattern[y] & (0x80 >> x);
            EXPECT_EQ(at(x, y), fore ? clRed : clBlue) << x << ", " << y;
        }
    EXPECT_NE(at(3, 35), clLime) << "no mirrored lower area";
}

// A 2 x 2 picture: red, green / blue, white.
qx::Bytes checkerPng()
{
    TBitmap b(2, 2);
    b.Canvas().SetPixel(0, 0, clRed);
    b.Canvas().SetPixel(1, 0, clLime);
    b.Canvas().SetPixel(0, 1, clBlue);
    b.Canvas().SetPixel(1, 1, clYellow);
    TPngImage png;
    png.Assign(b);
    return png.SaveToBytes();
}

TEST_F(FillTest, TiledTextureBodyAndCentredPicture)
{
    fill.BackGroundPicture().LoadFromStream(checkerPng());
    fill.SetGradientType(gtTexture);
    fill.SetBackGroundPicturePosition(ppTiled);
    draw();
    EXPECT_EQ(at(0, 0), clRed);
    EXPECT_EQ(at(1, 0), clLime);
    EXPECT_EQ(at(2, 2), clRed) << "repeats";
    EXPECT_EQ(at(51, 21), clYellow);

    bitmap.Canvas().FillRect(Rect(0, 0, 120, 60));
    fill.SetBackGroundPicturePosition(ppCenterCenter);
    draw();
    EXPECT_EQ(at(0, 0), clWhite) << "no body colour";
    EXPECT_EQ(at(49, 19), clRed) << "centred: (100 - 2) div 2, (40 - 2) div 2";
    EXPECT_EQ(at(50, 20), clYellow);
}

TEST_F(FillTest, PathBodyPaintsNothingAndOpacityArgumentOverrides)
{
    fill.SetGradientType(gtPath);
    draw();
    EXPECT_EQ(at(50, 20), clWhite);
    fill.SetGradientType(gtSolid);
    fill.SetColor(clRed);
    draw(RectF{0, 0, 100, 40}, 128);
    EXPECT_TRUE(near(at(50, 20), RGB(255, 127, 127), 2));
    EXPECT_EQ(fill.Opacity(), 255) << "for that call only";
}

TEST_F(FillTest, ShadowTakesItsShareAndFocusRectFollowsTheBorderWidth)
{
    fill.SetShadowOffset(4);
    const RectF content = draw();
    EXPECT_EQ(content.Width, 96);
    EXPECT_EQ(content.Height, 36);
    EXPECT_EQ(content.X, 0);
    fill.SetBorderWidth(2);
    draw();
    EXPECT_EQ(fill.FocusRect.X, 2);
    EXPECT_EQ(fill.FocusRect.Width, 92) << "shrunk even without a border colour";
}

TEST_F(FillTest, NoDrawingContextDrawsNothingAndLeavesTheOutRectangle)
{
    fill.SetBorderColor(clBlack);
    RectF content{7, 7, 7, 7};
    fill.Fill(nullptr, RectF{0, 0, 100, 1}, &content);
    fill.Fill(nullptr, RectF{0, 0, 100, 40}, &content);
    EXPECT_EQ(content.X, 7);
}

TEST_F(FillTest, OnePixelHighAreaIsTheBorderLineOnly)
{
    fill.SetBorderColor(clBlack);
    draw(RectF{10, 10, 50, 1});
    EXPECT_TRUE(near(at(30, 10), clBlack, 130));
    EXPECT_EQ(at(30, 20), clWhite);
}

TEST_F(FillTest, FocusOutlineRadiusNeverNegativeAndEmptyRectDrawsNothing)
{
    fill.SetColor(clNone);
    fill.Focus = true;
    fill.SetBorderWidth(3);
    draw();
    EXPECT_NE(at(3, 3), clWhite) << "a dotted outline at the focus rectangle with radius 0";
    EXPECT_NE(at(3, 20) == clWhite, at(3, 21) == clWhite) << "every other pixel along the left edge";
    EXPECT_EQ(at(4, 20), clWhite);
    bitmap.Canvas().FillRect(Rect(0, 0, 120, 60));
    draw(RectF{10, 10, 6, 30}); // 6 - 2 x 3 = 0 wide
    for (int y = 5; y < 45; ++y)
        ASSERT_EQ(at(13, y), clWhite) << y;
}

TEST(FillPlacement, AspectFitSize)
{
    struct Case
    {
        double pw, ph, aw, ah;
        TPictureMode mode;
        double w, h;
    };
    const Case cases[] = {
        {10, 5, 100, 100, pmStretch, 100, 50},   {10, 5, 100, 100, pmNormal, 10, 5},
        {5, 10, 100, 50, pmStretch, 25, 50},     {0, 10, 100, 50, pmStretch, 0, 0},
        {200, 100, 100, 100, pmNormal, 100, 50},
    };
    for (const Case& c : cases) {
        const qx::PictureSize s = qx::AspectFitSize(c.pw, c.ph, c.aw, c.ah, c.mode);
        EXPECT_DOUBLE_EQ(s.width, c.w);
        EXPECT_DOUBLE_EQ(s.height, c.h);
    }
    EXPECT_EQ(qx::FillPictureRect(ppBottomRight, 10, 5, Rect(0, 0, 100, 40), 0, 0, false, pmStretch),
              Rect(90, 35, 100, 40));
    EXPECT_EQ(qx::FillPictureRect(ppStretched, 10, 5, Rect(0, 0, 100, 40), 0, 0, true, pmStretch),
              Rect(10, 0, 90, 40));
    EXPECT_EQ(qx::FillPictureRect(ppCustom, 10, 5, Rect(0, 0, 100, 40), 3, 4, false, pmStretch),
              Rect(3, 4, 13, 9));
}

TEST(FillHexText, DecodesPairsPresentAndRefusesBadDigits)
{
    EXPECT_EQ(qx::StreamToHexText({0x00, 0xAB, 0x7f}), "00AB7F");
    EXPECT_EQ(qx::HexTextToStream("00ab7F", 6), (qx::Bytes{0x00, 0xAB, 0x7F})) << "lower case accepted";
    EXPECT_EQ(qx::HexTextToStream("00AB7F", 100), (qx::Bytes{0x00, 0xAB, 0x7F})) << "only pairs present";
    EXPECT_EQ(qx::HexTextToStream("00AB7F", 3), (qx::Bytes{0x00}));
    EXPECT_THROW(qx::HexTextToStream("0G", 2), EConvertError);
    try {
        qx::HexTextToStream("zz", 2);
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "No Hex-Number");
    }
}

class FillFile : public ::testing::Test
{
protected:
    std::string path() const { return (dir / "fill.ini").string(); }

    qx::test::TempDir dir;
};

TEST_F(FillFile, RoundTripKeepsSettingsPicturesAndThePictureSizeMode)
{
    TGDIPFill saved;
    saved.SetColor(0x123456);
    saved.SetColorMirror(clInfoBk);
    saved.SetGradientType(gtHatch);
    saved.SetHatchStyle(qx::gdiplus::HatchStyle::SolidDiamond);
    saved.SetPictureSize(psCustom);
    saved.SetPictureWidth(17);
    saved.SetOpacityTo(40);
    saved.SetRounding(6);
    saved.SetRoundingType(rtLeft);
    saved.SetGlow(gmRadialGradient);
    saved.Picture().LoadFromStream(checkerPng());
    saved.SaveToFile(path(), "Body");

    TGDIPFill loaded;
    int changes = 0;
    loaded.OnChange = [&](TObject*) { ++changes; };
    loaded.LoadFromFile(path(), "Body");
    EXPECT_EQ(loaded.Color(), 0x123456u);
    EXPECT_EQ(loaded.ColorMirror(), clInfoBk);
    EXPECT_EQ(loaded.GradientType(), gtHatch);
    EXPECT_EQ(loaded.HatchStyle(), qx::gdiplus::HatchStyle::SolidDiamond);
    EXPECT_EQ(loaded.PictureSize(), psCustom) << "the mode survives beside the picture's length";
    EXPECT_EQ(loaded.PictureWidth(), 17);
    EXPECT_EQ(loaded.OpacityTo(), 40);
    EXPECT_EQ(loaded.RoundingType(), rtLeft);
    EXPECT_EQ(loaded.Glow(), gmRadialGradient);
    EXPECT_EQ(loaded.Picture().Data(), saved.Picture().Data());
    EXPECT_EQ(loaded.Picture().Width(), 2);
    EXPECT_TRUE(loaded.BackGroundPicture().Empty());
    EXPECT_EQ(changes, 1);
}

TEST_F(FillFile, OutOfRangeEnumerationsKeepTheirValueAndBadHexFails)
{
    {
        std::ofstream out(path());
        out << "[Body]\nColor=255\nGradientType=99\nRoundingType=-1\nHatchStyle=53\nPicture="
               "00zz\nPictureDataSize=4\n";
    }
    TGDIPFill loaded;
    EXPECT_THROW(loaded.LoadFromFile(path(), "Body"), EConvertError);
    EXPECT_EQ(loaded.Color(), 255u) << "settings read before the bad picture stay";
    EXPECT_EQ(loaded.GradientType(), gtVertical);
    EXPECT_EQ(loaded.RoundingType(), rtBoth);
    EXPECT_EQ(loaded.HatchStyle(), qx::gdiplus::HatchStyle::Horizontal);
}

TEST(FillAssign, CopiesSettingsAndPicturesButNotFocus)
{
    TGDIPFill a, b;
    a.SetColor(clRed);
    a.SetBorderWidth(4);
    a.Picture().LoadFromStream(checkerPng());
    a.Focus = true;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(a);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(b.BorderWidth(), 4);
    EXPECT_EQ(b.Picture().Data(), a.Picture().Data());
    EXPECT_FALSE(b.Focus);
    EXPECT_EQ(changes, 1);
}

} // namespace

#include "platform/gui/Clipboard.h"

namespace {

TEST(FillClipboard, RoundTripUnderItsOwnFormat)
{
    Clipboard()->Clear();
    TGDIPFill target;
    target.SetColor(clLime);
    target.LoadFromClipBoard();
    EXPECT_EQ(target.Color(), clLime) << "nothing on the clipboard: unchanged";

    TGDIPFill source;
    source.SetColor(clRed);
    source.SetColorMirror(clNone);
    source.SetGradientType(gtHatch);
    source.SetHatchStyle(qx::gdiplus::HatchStyle::Weave);
    source.SetRounding(5);
    source.SetGlow(gmRadial);
    source.Picture().LoadFromStream(checkerPng());
    source.SaveToClipBoard();
    EXPECT_TRUE(Clipboard()->HasFormat(RegisterClipboardFormat("GDI+ Fill")));
    target.LoadFromClipBoard();
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.GradientType(), gtHatch);
    EXPECT_EQ(target.HatchStyle(), qx::gdiplus::HatchStyle::Weave);
    EXPECT_EQ(target.Rounding(), 5);
    EXPECT_EQ(target.Glow(), gmRadial);
    EXPECT_EQ(target.Picture().Data(), source.Picture().Data());
}

} // namespace
