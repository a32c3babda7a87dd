#include "CanvasFixture.h"

namespace {

class CanvasBlit : public CanvasFixture
{
protected:
    // 4 x 4: left half red, right half magenta (the key colour).
    static TBitmap keyed()
    {
        TBitmap picture(4, 4);
        picture.Canvas().Brush().Color = clRed;
        picture.Canvas().FillRect(Rect(0, 0, 2, 4));
        picture.Canvas().Brush().Color = clFuchsia;
        picture.Canvas().FillRect(Rect(2, 0, 4, 4));
        return picture;
    }
};

TEST_F(CanvasBlit, ColourKeyedPictureLeavesTheKeyOut)
{
    TBitmap picture = keyed();
    picture.Transparent = true;
    picture.SetTransparentColor(clFuchsia);
    canvas().Draw(2, 2, picture);
    EXPECT_EQ(row(3, clRed, 0, 8), "..##....");
    EXPECT_EQ(row(3, clWhite, 0, 8), "##..####");

    TBitmap automatic = keyed();
    automatic.Transparent = true; // tmAuto: the bottom-left pixel's colour, here red
    EXPECT_EQ(automatic.TransparentColor(), clRed);
    canvas().Draw(10, 10, automatic);
    EXPECT_EQ(row(11, clFuchsia, 8, 16), "....##..");
}

TEST_F(CanvasBlit, TwoColourMaskKeepsTheCanvasUnderWhite)
{
    const TBitmap picture = keyed();
    const TBitmap mask = picture.CreateMask(clFuchsia);
    EXPECT_EQ(mask.Image().pixel(3, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(mask.Image().pixel(0, 0) & 0xFFFFFF, 0u);
    canvas().Brush().Color = clGreen;
    canvas().FillRect(Rect(0, 0, 8, 8));
    canvas().BlitMasked(Rect(1, 1, 9, 9), picture, Rect(0, 0, 4, 4), mask); // stretched twice
    EXPECT_EQ(row(2, clRed, 0, 10), ".####.....");
    EXPECT_EQ(row(2, clGreen, 0, 10), "#....###..");
}

TEST_F(CanvasBlit, CopyModesCombineSourceAndDestination)
{
    TBitmap source(2, 1);
    source.Canvas().SetPixel(0, 0, RGB(0xF0, 0x0F, 0xFF));
    source.Canvas().SetPixel(1, 0, RGB(0x00, 0x00, 0x00));
    const struct
    {
        TCopyMode mode;
        TColor expected; // over a destination of 0x55, 0x55, 0x55
    } table[] = {{cmSrcCopy, RGB(0xF0, 0x0F, 0xFF)},      {cmSrcAnd, RGB(0x50, 0x05, 0x55)},
                 {cmSrcPaint, RGB(0xF5, 0x5F, 0xFF)},     {cmSrcInvert, RGB(0xA5, 0x5A, 0xAA)},
                 {cmNotSrcCopy, RGB(0x0F, 0xF0, 0x00)},   {cmDstInvert, RGB(0xAA, 0xAA, 0xAA)},
                 {cmBlackness, clBlack},                  {cmWhiteness, clWhite}};
    for (const auto& entry : table) {
        canvas().CopyMode = cmSrcCopy;
        canvas().Brush().Color = RGB(0x55, 0x55, 0x55);
        canvas().FillRect(Rect(0, 0, 2, 1));
        canvas().CopyMode = entry.mode;
        canvas().CopyRect(Rect(0, 0, 2, 1), source.Canvas(), Rect(0, 0, 2, 1));
        EXPECT_EQ(at(0, 0), entry.expected) << std::hex << entry.mode;
    }
}

TEST_F(CanvasBlit, CopyRectWithinOneCanvasAndMirrored)
{
    canvas().SetPixel(0, 0, clRed);
    canvas().SetPixel(1, 0, clBlue);
    canvas().CopyRect(Rect(2, 0, 4, 1), canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(at(2, 0), clRed);
    EXPECT_EQ(at(3, 0), clBlue);
    canvas().CopyRect(Rect(6, 0, 4, 1), canvas(), Rect(0, 0, 2, 1)); // negative width mirrors
    EXPECT_EQ(at(4, 0), clBlue);
    EXPECT_EQ(at(5, 0), clRed);
}

// The whole canvas copied onto itself one pixel further on: read before it
// is written, so nothing smears along the row.
TEST_F(CanvasBlit, WholeCanvasCopiedOntoItselfShifted)
{
    canvas().SetPixel(0, 0, clRed);
    canvas().SetPixel(1, 0, clBlue);
    canvas().CopyRect(Rect(1, 0, kSize + 1, kSize), canvas(), Rect(0, 0, kSize, kSize));
    EXPECT_EQ(row(0, clRed, 0, 4), "##..");
    EXPECT_EQ(row(0, clBlue, 0, 4), "..#.");
}

TEST_F(CanvasBlit, StretchDrawScalesByNearestPixel)
{
    const TBitmap picture = keyed();
    canvas().StretchDraw(Rect(0, 0, 8, 2), picture);
    EXPECT_EQ(row(0, clRed, 0, 9), "####.....");
    EXPECT_EQ(row(1, clFuchsia, 0, 9), "....####.");
}

} // namespace
