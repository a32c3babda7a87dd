// Where whole coordinates fall on the pixels, for each pixel offset mode and smoothing:
// every primitive is drawn in black on white and one row and one column through it are
// compared with the expected coverage.

#include "GdiplusFixture.h"

#include <cmath>
#include <ostream>
#include <string>
#include <tuple>

namespace {

using namespace qx::gdiplus;

enum class Primitive
{
    FillRectangle,
    FillPath,
    DrawRectangle,
    DrawPath,
    Line,
    WideLine,
    Image,
    Texture,
    Hatch,
};

// One pixel per character: '.' untouched, '#' fully covered, '+' half covered.
struct GridCase
{
    const char* name;
    Primitive primitive;
    PixelOffsetMode mode;
    SmoothingMode smoothing;
    const char* row;    // along the probe row, from x = 8
    const char* column; // along the probe column, from y = 8
};

constexpr auto Default = PixelOffsetMode::Default;
constexpr auto Half = PixelOffsetMode::Half;
constexpr auto Plain = SmoothingMode::None;
constexpr auto Smooth = SmoothingMode::AntiAlias;

// Fills cover x .. x + w - 1 without smoothing in both modes; smoothed in the default mode
// their edges lie on pixel centres. Lines and outlines of a one-pixel pen cover both end
// points without smoothing; smoothed in the half mode they straddle two pixel rows.
const GridCase kCases[] = {
    {"FillDefaultPlain", Primitive::FillRectangle, Default, Plain, "..########..", "..######.."},
    {"FillDefaultSmooth", Primitive::FillRectangle, Default, Smooth, "..+#######+.", "..+#####+."},
    {"FillHalfPlain", Primitive::FillRectangle, Half, Plain, "..########..", "..######.."},
    {"FillHalfSmooth", Primitive::FillRectangle, Half, Smooth, "..########..", "..######.."},
    {"FillPathDefaultPlain", Primitive::FillPath, Default, Plain, "..########..", "..######.."},
    {"FillPathDefaultSmooth", Primitive::FillPath, Default, Smooth, "..+#######+.", "..+#####+."},
    {"FillPathHalfPlain", Primitive::FillPath, Half, Plain, "..########..", "..######.."},
    {"FillPathHalfSmooth", Primitive::FillPath, Half, Smooth, "..########..", "..######.."},
    {"OutlineDefaultPlain", Primitive::DrawRectangle, Default, Plain, "..#.......#.", "..#.....#."},
    {"OutlineDefaultSmooth", Primitive::DrawRectangle, Default, Smooth, "..#.......#.", "..#.....#."},
    {"OutlineHalfPlain", Primitive::DrawRectangle, Half, Plain, "..#.......#.", "..#.....#."},
    {"OutlineHalfSmooth", Primitive::DrawRectangle, Half, Smooth, ".++......++.", ".++....++."},
    {"PathOutlineDefaultPlain", Primitive::DrawPath, Default, Plain, "..#.......#.", "..#.....#."},
    {"PathOutlineDefaultSmooth", Primitive::DrawPath, Default, Smooth, "..#.......#.", "..#.....#."},
    {"PathOutlineHalfPlain", Primitive::DrawPath, Half, Plain, "..#.......#.", "..#.....#."},
    {"PathOutlineHalfSmooth", Primitive::DrawPath, Half, Smooth, ".++......++.", ".++....++."},
    {"LineDefaultPlain", Primitive::Line, Default, Plain, "..#########.", "....#..."},
    {"LineDefaultSmooth", Primitive::Line, Default, Smooth, "..+#######+.", "....#..."},
    {"LineHalfPlain", Primitive::Line, Half, Plain, "..#########.", "....#..."},
    {"LineHalfSmooth", Primitive::Line, Half, Smooth, "..++++++++..", "...++..."},
    {"WideLineDefaultPlain", Primitive::WideLine, Default, Plain, "..########..", "...###.."},
    {"WideLineDefaultSmooth", Primitive::WideLine, Default, Smooth, "..+#######+.", "...###.."},
    {"WideLineHalfPlain", Primitive::WideLine, Half, Plain, "..########..", "..###..."},
    {"WideLineHalfSmooth", Primitive::WideLine, Half, Smooth, "..########..", "..+##+.."},
    {"ImageDefaultPlain", Primitive::Image, Default, Plain, "..####..", "..###.."},
    {"ImageDefaultSmooth", Primitive::Image, Default, Smooth, "..####..", "..###.."},
    {"ImageHalfPlain", Primitive::Image, Half, Plain, "..####..", "..###.."},
    {"ImageHalfSmooth", Primitive::Image, Half, Smooth, "..####..", "..###.."},
    // A texture tiles from the origin: even columns take its black texel.
    {"TextureDefaultPlain", Primitive::Texture, Default, Plain, "..#.#.#.#...", "..######.."},
    {"TextureDefaultSmooth", Primitive::Texture, Default, Smooth, "..+.#.#.#.+.", "..+#####+."},
    {"TextureHalfPlain", Primitive::Texture, Half, Plain, "..#.#.#.#...", "..######.."},
    {"TextureHalfSmooth", Primitive::Texture, Half, Smooth, "..#.#.#.#...", "..######.."},
    // A vertical hatch from x = 8 to 24: every eighth column in the fore colour.
    {"HatchDefaultPlain", Primitive::Hatch, Default, Plain, "#.......#........", "..######.."},
    {"HatchDefaultSmooth", Primitive::Hatch, Default, Smooth, "+.......#.......+", "..+#####+."},
    {"HatchHalfPlain", Primitive::Hatch, Half, Plain, "#.......#........", "..######.."},
    {"HatchHalfSmooth", Primitive::Hatch, Half, Smooth, "#.......#........", "..######.."},
};

constexpr Argb kBlack = 0xFF000000u;
constexpr Argb kWhite = 0xFFFFFFFFu;

GraphicsPath rectanglePath()
{
    const PointF corners[] = {{10, 10}, {18, 10}, {18, 16}, {10, 16}};
    GraphicsPath path;
    path.AddLines(corners);
    path.CloseFigure();
    return path;
}

Image imageOf(int width, int height, std::initializer_list<QRgb> pixels)
{
    QImage image(width, height, QImage::Format_RGB32);
    auto p = pixels.begin();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, p == pixels.end() ? kBlack : *p++);
    return Image::FromQImage(image);
}

// Draws the primitive and gives the probe row's y and the probe column's x.
std::pair<int, int> drawPrimitive(Graphics& g, Primitive primitive)
{
    const RectF box{10, 10, 8, 6};
    switch (primitive) {
    case Primitive::FillRectangle:
        g.FillRectangle(SolidBrush(kBlack), box);
        return {13, 13};
    case Primitive::FillPath:
        g.FillPath(SolidBrush(kBlack), rectanglePath());
        return {13, 13};
    case Primitive::DrawRectangle:
        g.DrawRectangle(Pen(kBlack), box);
        return {13, 13};
    case Primitive::DrawPath:
        g.DrawPath(Pen(kBlack), rectanglePath());
        return {13, 13};
    case Primitive::Line:
        g.DrawLine(Pen(kBlack), 10, 12, 18, 12);
        return {12, 14};
    case Primitive::WideLine:
        g.DrawLine(Pen(kBlack, 3), 10, 12, 18, 12);
        return {12, 14};
    case Primitive::Image:
        g.DrawImage(imageOf(4, 3, {}), 10, 10);
        return {11, 11};
    case Primitive::Texture:
        g.FillRectangle(TextureBrush(imageOf(2, 1, {kBlack, kWhite})), box);
        return {13, 12};
    case Primitive::Hatch:
        g.FillRectangle(HatchBrush(HatchStyle::Vertical, kBlack, kWhite), RectF{8, 10, 16, 6});
        return {13, 16};
    }
    return {0, 0};
}

void PrintTo(const GridCase& c, std::ostream* out)
{
    *out << c.name;
}

class GdiplusPixelGrid : public GdiplusFixture, public ::testing::WithParamInterface<GridCase>
{
protected:
    // The pixels along a line, one character each as in the table: without smoothing only
    // exact black or white count, with it a tenth of coverage is tolerated; '?' is neither.
    std::string profile(int fromX, int fromY, int dx, int dy, std::size_t length, bool smooth)
    {
        const double tolerance = smooth ? 0.1 : 0.0;
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            const double c = (255 - greenOf(at(fromX + dx * int(i), fromY + dy * int(i)))) / 255.0;
            text += c >= 1 - tolerance ? '#' : c <= tolerance ? '.' : std::abs(c - 0.5) <= 0.1 ? '+' : '?';
        }
        return text;
    }
};

TEST_P(GdiplusPixelGrid, CoversTheExpectedPixels)
{
    const GridCase& c = GetParam();
    const bool smooth = c.smoothing == SmoothingMode::AntiAlias;
    std::pair<int, int> probe;
    {
        Graphics g(bitmap);
        g.SetPixelOffsetMode(c.mode);
        g.SetSmoothingMode(c.smoothing);
        probe = drawPrimitive(g, c.primitive);
    }
    const auto [rowY, columnX] = probe;
    const std::string row = c.row, column = c.column;
    EXPECT_EQ(profile(8, rowY, 1, 0, row.size(), smooth), row) << "row " << rowY << " from x 8";
    EXPECT_EQ(profile(columnX, 8, 0, 1, column.size(), smooth), column)
        << "column " << columnX << " from y 8";
}

INSTANTIATE_TEST_SUITE_P(ModesAndSmoothing, GdiplusPixelGrid, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GridCase>& param) { return param.param.name; });

using GdiplusBrushSampling = GdiplusFixture;

// Brushes take their colour at the pixel centres of the mode: whole coordinates by
// default, .5 in the half mode.
TEST_F(GdiplusBrushSampling, GradientsAreSampledAtThePixelCentresOfTheMode)
{
    const PointF square[] = {{0, 0}, {40, 0}, {40, 40}, {0, 40}};
    for (const auto& [mode, linear, radial] : {std::tuple{Default, 64, 128}, std::tuple{Half, 67, 121}}) {
        PathGradientBrush toCentre(square);
        toCentre.SetCenterPoint({20, 20});
        toCentre.SetCenterColor(kBlack);
        const Argb surround[] = {kWhite};
        toCentre.SetSurroundColors(surround);
        {
            Graphics g(bitmap);
            g.SetPixelOffsetMode(mode);
            g.FillRectangle(
                LinearGradientBrush(RectF{0, 0, 40, 4}, kBlack, kWhite, LinearGradientMode::Horizontal),
                RectF{0, 0, 40, 4});
            g.FillRectangle(toCentre, RectF{0, 10, 40, 30});
        }
        EXPECT_TRUE(near(at(10, 1), makeArgb(255, linear, linear, linear), 1)) << "linear, x 10";
        EXPECT_TRUE(near(at(10, 20), makeArgb(255, radial, radial, radial), 1)) << "radial, x 10";
    }
}

} // namespace
