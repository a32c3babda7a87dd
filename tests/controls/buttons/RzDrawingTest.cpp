#include "ButtonsTestSupport.h"

#include "controls/buttons/rz/RzGrafx.h"
#include "controls/buttons/rz/RzPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using qx::test::pixel;
using qx::rz::TGradientDirection;
using enum qx::rz::TGradientDirection;

constexpr TColor kBack = clFuchsia;
const TColor kShadow = RGB(0xA0, 0xA0, 0xA0);
const TColor kHighlight = clWhite;
const TColor kLight = RGB(0xE3, 0xE3, 0xE3);
const TColor kDark = RGB(0x69, 0x69, 0x69);

/// A bitmap filled with the background colour, to draw on.
TBitmap canvasOf(int w, int h)
{
    TBitmap b(w, h);
    b.Canvas().Brush().Color = kBack;
    b.Canvas().FillRect({0, 0, w, h});
    return b;
}

/// The picture as rows of letters, one per colour in the legend ('.' the background).
std::vector<std::string> picture(const TBitmap& b, const std::vector<std::pair<char, TColor>>& legend)
{
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            const TColor c = pixel(b, x, y);
            char letter = c == kBack ? '.' : '?';
            for (const auto& [l, colour] : legend)
                if (ColorToRGB(colour) == c)
                    letter = l;
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

using Rows = std::vector<std::string>;

TEST(FrameEdges, AGrooveOnTheTopSideDrawsTwoLinesAndTheCornerPixelsOfTheMissingSides)
{
    TBitmap b = canvasOf(10, 4);
    const TRect inner = DrawFrameStyleEdges(b.Canvas(), {0, 0, 10, 4}, fsGroove, TSides{sdTop});
    EXPECT_EQ(inner, (TRect{0, 2, 10, 4}));
    EXPECT_EQ(picture(b, {{'s', kShadow}, {'h', kHighlight}}), (Rows{"ssssssssss", "hhhhhhhhhh", "..........", ".........."}));
}

TEST(FrameEdges, AnEtchedFrameOnAllSides)
{
    TBitmap b = canvasOf(6, 5);
    const TRect inner = DrawFrameStyleEdges(b.Canvas(), {0, 0, 6, 5}, fsGroove);
    EXPECT_EQ(inner, (TRect{2, 2, 4, 3}));
    EXPECT_EQ(picture(b, {{'s', kShadow}, {'h', kHighlight}}), (Rows{"sssssh", "shhhsh", "sh..sh", "sssssh", "hhhhhh"}));
}

TEST(FrameEdges, RaisedEdgesGiveTheRightAndBottomLinesTheCorners)
{
    TBitmap b = canvasOf(6, 6);
    const TRect inner = DrawFrameStyleEdges(b.Canvas(), {0, 0, 6, 6}, fsRaised);
    EXPECT_EQ(inner, (TRect{2, 2, 4, 4}));
    EXPECT_EQ(picture(b, {{'l', kLight}, {'d', kDark}, {'h', kHighlight}, {'s', kShadow}}),
              (Rows{"llllld", "lhhhsd", "lh..sd", "lh..sd", "lssssd", "dddddd"}));
}

TEST(FrameEdges, LoweredEdgesUseTheLoweredTable)
{
    TBitmap b = canvasOf(4, 4);
    DrawFrameStyleEdges(b.Canvas(), {0, 0, 4, 4}, fsLowered);
    EXPECT_EQ(picture(b, {{'l', kLight}, {'d', kDark}, {'h', kHighlight}, {'s', kShadow}}),
              (Rows{"sssh", "sdlh", "sllh", "hhhh"}));
}

TEST(FrameEdges, FrameCornersOfTheRoundedAndDottedFrames)
{
    TBitmap rounded = canvasOf(8, 6);
    EXPECT_EQ(DrawRoundedFrame(rounded.Canvas(), {0, 0, 8, 6}, clRed, kAllSides), (TRect{2, 2, 6, 4}));
    EXPECT_EQ(picture(rounded, {{'r', clRed}}), (Rows{"..rrrr..", ".r....r.", "r......r", "r......r", ".r....r.", "..rrrr.."}));

    TBitmap dotted = canvasOf(6, 4);
    EXPECT_EQ(DrawDottedFrame(dotted.Canvas(), {0, 0, 6, 4}), (TRect{1, 1, 5, 3}));
    EXPECT_EQ(picture(dotted, {{'k', clBlack}}), (Rows{".k.k.k", "k....k", "......", "kk.k.k"}));
}

TEST(PanelBorder, WithoutBordersTheInnerRectangleIsTheWholeRectangle)
{
    TBitmap b = canvasOf(10, 10);
    TRzPanelBorder border;
    border.outer = fsNone;
    EXPECT_EQ(DrawPanelBorder(b.Canvas(), {0, 0, 10, 10}, border), (TRect{0, 0, 10, 10}));
    EXPECT_EQ(pixel(b, 0, 0), kBack);
    border.outer = fsFlat;
    border.borderWidth = 1;
    border.borderColor = clNavy;
    EXPECT_EQ(DrawPanelBorder(b.Canvas(), {0, 0, 10, 10}, border), (TRect{2, 2, 8, 8}));
    EXPECT_EQ(pixel(b, 1, 1), clNavy);
    EXPECT_EQ(pixel(b, 0, 0), ColorAdjustedBy(clBtnShadow, 30));
}

TEST(TransparentBlits, LeaveOutTheTransparentColour)
{
    for (const TColor key : {clTeal, clOlive, clBlack}) {
        TBitmap picture(4, 4);
        picture.Canvas().Brush().Color = clRed;
        picture.Canvas().FillRect({0, 0, 4, 4});
        picture.Canvas().SetPixel(0, 0, key);
        picture.Canvas().SetPixel(3, 3, key);
        TBitmap b = canvasOf(8, 8);
        StretchBitmapTransparent(b.Canvas(), picture, {0, 0, 8, 8}, key);
        EXPECT_EQ(pixel(b, 0, 0), kBack) << key;
        EXPECT_EQ(pixel(b, 1, 1), kBack) << key;
        EXPECT_EQ(pixel(b, 2, 2), clRed) << key;
        EXPECT_EQ(pixel(b, 7, 0), clRed) << key;
        EXPECT_EQ(pixel(b, 7, 7), kBack) << key;
    }
}

TEST(Tiling, CutsTheLastRowAndColumnAndDrawsNothingForAnEmptyBitmap)
{
    TBitmap tile(3, 3);
    tile.Canvas().Brush().Color = clGreen;
    tile.Canvas().FillRect({0, 0, 3, 3});
    tile.Canvas().SetPixel(0, 0, clTeal);
    TBitmap b = canvasOf(8, 8);
    TileBitmapTransparent(b.Canvas(), tile, {0, 0, 7, 7}, clTeal);
    EXPECT_EQ(pixel(b, 0, 0), kBack);
    EXPECT_EQ(pixel(b, 3, 3), kBack);
    EXPECT_EQ(pixel(b, 6, 6), kBack) << "the third tile starts at 6";
    EXPECT_EQ(pixel(b, 6, 5), clGreen);
    EXPECT_EQ(pixel(b, 7, 7), kBack) << "cut at the rectangle";

    for (const TBitmap& empty : {TBitmap(), TBitmap(0, 5), TBitmap(5, 0)}) {
        TBitmap c = canvasOf(4, 4);
        TileBitmap(c.Canvas(), empty, {0, 0, 4, 4});
        TileBitmapTransparent(c.Canvas(), empty, {0, 0, 4, 4}, clTeal);
        EXPECT_EQ(pixel(c, 1, 1), kBack);
    }
}

TEST(Gradients, EndToEndAndDegenerateKinds)
{
    TBitmap b = canvasOf(10, 10);
    FillGradient(b.Canvas(), {0, 0, 10, 10}, gdHorizontalEnd, clBlack, clWhite, 1);
    EXPECT_EQ(pixel(b, 5, 0), clBlack);
    EXPECT_EQ(pixel(b, 5, 9), clWhite);
    FillGradient(b.Canvas(), {0, 0, 10, 10}, gdVerticalEnd, clBlack, clWhite, 1);
    EXPECT_EQ(pixel(b, 0, 5), clBlack);
    EXPECT_EQ(pixel(b, 9, 5), clWhite);

    for (const TGradientDirection d : {gdHorizontalBox, gdVerticalBox, gdSquareBox, gdBigSquareBox}) {
        TBitmap same = canvasOf(10, 10);
        FillGradient(same.Canvas(), {0, 0, 10, 10}, d, clNavy, clNavy, 1);
        EXPECT_EQ(pixel(same, 5, 5), clNavy);
        EXPECT_EQ(pixel(same, 0, 0), clNavy);
        TBitmap narrow = canvasOf(4, 10);
        FillGradient(narrow.Canvas(), {0, 0, 4, 10}, d, clNavy, clYellow, 1);
        EXPECT_EQ(pixel(narrow, 2, 5), clNavy) << "too narrow: the start colour only";
        TBitmap box = canvasOf(11, 11);
        FillGradient(box.Canvas(), {0, 0, 11, 11}, d, clBlack, clWhite, 1);
        EXPECT_EQ(pixel(box, 5, 5), clWhite) << "stop colour in the centre";
        EXPECT_LT(GetRValue(pixel(box, 0, 0)), 0x60) << "towards the start colour at the edges";
    }
    TBitmap empty = canvasOf(4, 4);
    FillGradient(empty.Canvas(), {2, 2, 2, 4}, gdDiagonalUp, clBlack, clWhite, 1);
    EXPECT_EQ(pixel(empty, 2, 2), kBack);
}

TEST(MeterQuads, MakeClipAndInflate)
{
    MeterQuad q;
    ASSERT_TRUE(MakeMeterQuad(q, {0, 0, 20, 100}, 6, tsCenter, dirUp, tdLargeToSmall));
    EXPECT_EQ(q, (MeterQuad{TPoint{7, 0}, TPoint{13, 0}, TPoint{20, 100}, TPoint{0, 100}}));
    MeterQuad part;
    ASSERT_TRUE(ClipMeterQuad(q, {0, 50, 20, 60}, dirUp, part));
    EXPECT_EQ(part, (MeterQuad{TPoint{3, 50}, TPoint{16, 50}, TPoint{17, 60}, TPoint{2, 60}}));

    ASSERT_TRUE(MakeMeterQuad(q, {0, 0, 100, 20}, 6, tsLeft, dirRight, tdLargeToSmall));
    EXPECT_EQ(q, (MeterQuad{TPoint{0, 0}, TPoint{100, 0}, TPoint{100, 6}, TPoint{0, 20}}));
    InflateMeterQuad(q, 1);
    EXPECT_EQ(q, (MeterQuad{TPoint{-1, -1}, TPoint{101, -1}, TPoint{101, 7}, TPoint{-1, 21}}));
}

TEST(MeterQuads, ADegenerateTrapezoidDrawsNothing)
{
    MeterQuad q;
    EXPECT_FALSE(MakeMeterQuad(q, {0, 0, 20, 100}, -2, tsCenter, dirUp, tdLargeToSmall)) << "negative inset";
    const MeterQuad flat{TPoint{0, 5}, TPoint{10, 5}, TPoint{10, 5}, TPoint{0, 5}};
    MeterQuad part;
    EXPECT_FALSE(ClipMeterQuad(flat, {0, 0, 10, 10}, dirUp, part)) << "zero-length edge";
    const MeterQuad thin{TPoint{3, 0}, TPoint{3, 0}, TPoint{3, 10}, TPoint{3, 10}};
    EXPECT_FALSE(ClipMeterQuad(thin, {0, 0, 10, 10}, dirRight, part));
}

TEST(DropDownArrow, IsATriangleBelowTheCentre)
{
    TBitmap b = canvasOf(17, 20);
    b.Canvas().Brush().Color = clWhite;
    DrawDropDownArrow(b.Canvas(), {0, 0, 17, 20}, 0, true);
    EXPECT_EQ(pixel(b, 8, 10), clBlack);
    EXPECT_EQ(pixel(b, 8, 5), kBack);
    EXPECT_EQ(b.Canvas().Brush().Color, clWhite) << "the brush colour comes back";
}

} // namespace

namespace {

TEST(ParentBackground, IsThePartOfTheParentsOwnDrawingUnderTheControl)
{
    qx::test::FormFixture f;
    f.form->SetColor(clNavy);
    auto* child = f.make<TGraphicControl>();
    child->SetBounds(30, 20, 8, 6);
    TBitmap b = canvasOf(8, 6);
    PaintParentBackgroundOnCanvas(*child, b.Canvas());
    EXPECT_EQ(pixel(b, 0, 0), clNavy);
    EXPECT_EQ(pixel(b, 7, 5), clNavy);
    TGraphicControl orphan(nullptr);
    TBitmap untouched = canvasOf(2, 2);
    PaintParentBackgroundOnCanvas(orphan, untouched.Canvas());
    EXPECT_EQ(pixel(untouched, 0, 0), kBack) << "no parent: nothing";

    // Through a see-through panel to the form; an opaque panel gives its own colour.
    auto* panel = f.make<TRzPanel>();
    panel->SetBounds(10, 10, 50, 40);
    panel->SetTransparent(true);
    auto* inner = f.make<TGraphicControl>(panel);
    inner->SetBounds(5, 5, 8, 6);
    TBitmap through = canvasOf(8, 6);
    PaintParentBackgroundOnCanvas(*inner, through.Canvas());
    EXPECT_EQ(pixel(through, 3, 3), clNavy);
    panel->SetTransparent(false);
    panel->SetColor(clTeal);
    TBitmap opaque = canvasOf(8, 6);
    PaintParentBackgroundOnCanvas(*inner, opaque.Canvas());
    EXPECT_EQ(pixel(opaque, 3, 3), clTeal);
}

} // namespace

namespace {

TEST(BlockCopies, ReplicateTheSeedAndMirrorTheQuarter)
{
    const TColor seed[2][2] = {{clRed, clLime}, {clBlue, clYellow}};
    TBitmap b = canvasOf(7, 5);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            b.Canvas().SetPixel(x, y, seed[y][x]);
    ReplicateBlock(b.Canvas(), 0, 0, 2, 2, 7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(pixel(b, x, y), seed[y % 2][x % 2]) << x << "," << y;

    for (const auto& [w, h] : {std::pair{8, 6}, std::pair{9, 7}, std::pair{10, 5}}) {
        TBitmap m = canvasOf(w, h);
        for (int y = 0; y < (h + 1) / 2; ++y)
            for (int x = 0; x < (w + 1) / 2; ++x)
                m.Canvas().SetPixel(x, y, RGB(20 * x, 30 * y, 100));
        MirrorQuadrants(m.Canvas(), 0, 0, w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                EXPECT_EQ(pixel(m, x, y), pixel(m, w - 1 - x, y)) << w << "x" << h << " at " << x << "," << y;
                EXPECT_EQ(pixel(m, x, y), pixel(m, x, h - 1 - y)) << w << "x" << h << " at " << x << "," << y;
            }
    }
}

} // namespace

namespace {

TEST(Gradients, CentreAndBoxKindsAreSymmetric)
{
    for (const TGradientDirection d : {gdHorizontalCenter, gdVerticalCenter, gdHorizontalBox, gdVerticalBox, gdSquareBox,
                                       gdBigSquareBox}) {
        TBitmap b = canvasOf(21, 13);
        FillGradient(b.Canvas(), {0, 0, 21, 13}, d, clBlack, clWhite, 1);
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 21; ++x) {
                ASSERT_EQ(pixel(b, x, y), pixel(b, 20 - x, y)) << d << " at " << x << "," << y;
                ASSERT_EQ(pixel(b, x, y), pixel(b, x, 12 - y)) << d << " at " << x << "," << y;
            }
        EXPECT_EQ(pixel(b, 10, 6), clWhite) << "the stop colour in the middle, " << d;
    }
}

} // namespace
