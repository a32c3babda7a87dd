#include "GdiplusFixture.h"

namespace {

using namespace qx::gdiplus;
using GdiplusFill = GdiplusFixture;

TEST_F(GdiplusFill, GammaCorrectedGradientMixesInLinearLight)
{
    const RectF area{0, 0, 40, 4};
    LinearGradientBrush plain(area, 0xFF000000u, 0xFFFFFFFFu, LinearGradientMode::Horizontal);
    LinearGradientBrush gamma(area, 0xFF000000u, 0xFFFFFFFFu, LinearGradientMode::Horizontal);
    gamma.SetGammaCorrection(true);
    EXPECT_TRUE(near(plain.colorAt(0.5f), 0xFF808080u, 1));
    EXPECT_TRUE(near(gamma.colorAt(0.5f), 0xFFBABABAu, 1)) << "0.5 ^ (1 / 2.2) of full scale";
    {
        Graphics g(bitmap);
        g.FillRectangle(gamma, area);
        g.FillRectangle(plain, RectF{0, 10, 40, 4});
    }
    EXPECT_TRUE(near(at(20, 1), 0xFFBABABAu, 6)) << "the middle pixel of the gamma-corrected gradient";
    EXPECT_TRUE(near(at(20, 11), 0xFF808080u, 6));
    EXPECT_TRUE(near(at(1, 11), 0xFF060606u, 6)) << "one pixel in from the start colour";
}

TEST_F(GdiplusFill, BlendPositionsShapeTheGradient)
{
    LinearGradientBrush brush(RectF{0, 0, 100, 10}, 0xFFFF0000u, 0xFF0000FFu, LinearGradientMode::Horizontal);
    const float factors[] = {0.0f, 1.0f, 1.0f};
    const float positions[] = {0.0f, 0.25f, 1.0f};
    brush.SetBlend(factors, positions);
    EXPECT_TRUE(near(brush.colorAt(0.125f), 0xFF800080u, 1));
    EXPECT_TRUE(near(brush.colorAt(0.5f), 0xFF0000FFu, 0));
    const Argb preset[] = {0xFF000000u, 0xFF00FF00u, 0xFFFFFFFFu};
    const float at3[] = {0.0f, 0.5f, 1.0f};
    brush.SetInterpolationColors(preset, at3);
    EXPECT_TRUE(near(brush.colorAt(0.5f), 0xFF00FF00u, 0));
    EXPECT_TRUE(near(brush.colorAt(0.75f), 0xFF80FF80u, 1));
}

TEST_F(GdiplusFill, DiagonalGradientsRunCornerToCorner)
{
    {
        Graphics g(bitmap);
        g.FillRectangle(LinearGradientBrush(RectF{0, 0, 40, 20}, 0xFF000000u, 0xFFFFFFFFu,
                                            LinearGradientMode::ForwardDiagonal),
                        RectF{0, 0, 40, 20});
    }
    EXPECT_LT(greenOf(at(1, 1)), 24) << "the start colour at the top-left corner";
    EXPECT_GT(greenOf(at(38, 18)), 230) << "the end colour at the bottom-right corner";
    EXPECT_TRUE(near(at(38, 1), 0xFF808080u, 10)) << "the other diagonal is the middle colour";
    EXPECT_TRUE(near(at(1, 18), 0xFF808080u, 10));
}

TEST_F(GdiplusFill, AntiAliasedTranslucentFillBlendsOverTheBackground)
{
    {
        Graphics g(bitmap);
        g.SetSmoothingMode(SmoothingMode::AntiAlias);
        GraphicsPath path;
        path.AddEllipse(4, 4, 30, 30);
        g.FillPath(SolidBrush(0x80FF0000u), path);
    }
    EXPECT_TRUE(near(at(19, 19), 0xFFFF7F7Fu, 2)) << "half red over white inside";
    EXPECT_TRUE(near(at(1, 1), 0xFFFFFFFFu, 0)) << "untouched outside";
    // An edge pixel is partly covered: lighter than the inside, darker than the background.
    const int edgeGreen = greenOf(at(9, 8));
    EXPECT_GT(edgeGreen, 128);
    EXPECT_LT(edgeGreen, 255);
}

TEST_F(GdiplusFill, HatchPatternsAreAlignedToTheDevice)
{
    {
        Graphics g(bitmap);
        g.FillRectangle(HatchBrush(HatchStyle::Cross, 0xFF000000u, 0xFFFFFF00u), RectF{0, 0, 16, 16});
        g.FillRectangle(HatchBrush(HatchStyle::ForwardDiagonal, 0xFF0000FFu, 0xFFFFFFFFu), RectF{16, 16, 8, 8});
    }
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(at(x, 0), 0xFF000000u) << "the horizontal line of the cross on row 0";
        EXPECT_EQ(at(x, 3), (x % 8 == 0) ? 0xFF000000u : 0xFFFFFF00u) << x;
    }
    EXPECT_EQ(at(18, 18), 0xFF0000FFu);
    EXPECT_EQ(at(19, 18), 0xFFFFFFFFu);
    EXPECT_EQ(HatchBrush::pattern(HatchStyle::SolidDiamond)[3], 0xFE);
}

TEST_F(GdiplusFill, PathGradientRunsFromTheCentreToTheOutline)
{
    GraphicsPath ellipse;
    ellipse.AddEllipse(0, 0, 40, 20);
    PathGradientBrush brush(ellipse);
    brush.SetCenterColor(0xFFFFFFFFu);
    const Argb surround[] = {0xFF000000u};
    brush.SetSurroundColors(surround);
    EXPECT_TRUE(near(brush.colorAt({20, 10}), 0xFFFFFFFFu, 0));
    EXPECT_TRUE(near(brush.colorAt({30, 10}), 0xFF808080u, 2)) << "half way along the ray";
    EXPECT_TRUE(near(brush.colorAt({20, 15}), 0xFF808080u, 2)) << "scaled to the ellipse's height";
    EXPECT_EQ(brush.colorAt({1, 1}), 0u) << "nothing outside the path";
    brush.SetCenterPoint({10, 10});
    EXPECT_TRUE(near(brush.colorAt({10, 10}), 0xFFFFFFFFu, 0)) << "a moved focus takes the centre colour";
    EXPECT_TRUE(near(brush.colorAt({5, 10}), 0xFF808080u, 2));

    const Argb presets[] = {0x00000000u, 0xB4404040u, 0xB4404040u};
    const float positions[] = {0.0f, 0.1f, 1.0f};
    brush.SetInterpolationColors(presets, positions);
    EXPECT_EQ(brush.colorAt({10, 10}), 0xB4404040u) << "the shadow blend: full inside";
}

TEST_F(GdiplusFill, ClipKeepsInsideTheCanvasClipping)
{
    bitmap.Canvas().SetClipRect(Rect(0, 0, 20, 40));
    {
        Graphics g(bitmap);
        g.SetClip(RectF{10, 10, 20, 10});
        g.FillRectangle(SolidBrush(0xFF00FF00u), RectF{0, 0, 40, 40});
        g.ResetClip();
        g.FillRectangle(SolidBrush(0xFF0000FFu), RectF{0, 30, 40, 5});
    }
    bitmap.Canvas().SelectClipRegion(nullptr);
    EXPECT_EQ(at(15, 15), 0xFF00FF00u);
    EXPECT_EQ(at(25, 15), 0xFFFFFFFFu) << "outside the canvas's clip";
    EXPECT_EQ(at(5, 15), 0xFFFFFFFFu) << "outside the graphics clip";
    EXPECT_EQ(at(5, 32), 0xFF0000FFu);
    EXPECT_EQ(at(25, 32), 0xFFFFFFFFu) << "a reset keeps the canvas's clip";
}

TEST_F(GdiplusFill, PathsBuildFiguresAndSplines)
{
    const PointF points[] = {{0, 0}, {10, 10}, {20, 0}};
    GraphicsPath straight;
    straight.AddCurve(points, 0.0f);
    const RectF b = straight.GetBounds();
    EXPECT_FLOAT_EQ(b.Width, 20);
    EXPECT_FLOAT_EQ(b.Height, 10);
    GraphicsPath curved;
    curved.AddCurve(points, 0.5f);
    EXPECT_FALSE(straight.IsVisible(5, 6));
    EXPECT_TRUE(curved.IsVisible(5, 6)) << "the spline bulges beyond the straight segment";

    GraphicsPath rounded;
    rounded.AddArc(0, 0, 10, 10, 180, 90);
    rounded.AddArc(30, 0, 10, 10, 270, 90);
    rounded.AddLine(40, 20, 0, 20);
    rounded.CloseFigure();
    EXPECT_TRUE(rounded.IsVisible(20, 10));
    EXPECT_FALSE(rounded.IsVisible(0.5f, 0.5f)) << "the rounded corner is cut";
    EXPECT_TRUE(rounded.IsVisible(20, 0.5f)) << "arcs are joined by a line";

    GraphicsPath winding(FillMode::Winding);
    winding.AddRectangle({0, 0, 10, 10});
    winding.AddRectangle({2, 2, 6, 6});
    EXPECT_TRUE(winding.IsVisible(5, 5));
    winding.SetFillMode(FillMode::Alternate);
    EXPECT_FALSE(winding.IsVisible(5, 5));
}

TEST_F(GdiplusFill, ColoursConvertFromTheCanvasColours)
{
    EXPECT_EQ(argbFromColor(clRed), 0xFFFF0000u);
    EXPECT_EQ(argbFromColor(clBtnFace), 0xFFF0F0F0u);
    EXPECT_EQ(argbFromColor(RGB(1, 2, 3), 0x40), 0x40010203u);
    EXPECT_EQ(colorFromArgb(0x80102030u), RGB(0x10, 0x20, 0x30));
}

} // namespace
