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

TEST_F(CanvasBlit, ScanLinesReadAndWriteWhatTheCanvasDraws)
{
    canvas().Brush().Color = clBtnShadow;
    canvas().FillRect(Rect(2, 1, 4, 2));
    canvas().Brush().Color = RGB(0x10, 0x20, 0x30);
    canvas().FillRect(Rect(4, 1, 5, 2));
    const TBitmap& drawn = bitmap;
    const auto line = drawn.ScanLine(1);
    ASSERT_EQ(line.size(), std::size_t{kSize});
    EXPECT_EQ(line[2], qx::rgbQuadFromColor(clBtnShadow)) << "a system colour resolved";
    EXPECT_EQ((TRGBQuad{0x30, 0x20, 0x10, 0xFF}), line[4]) << "blue, green, red, alpha";
    EXPECT_EQ(qx::colorFromRgbQuad(line[5]), clWhite);

    const auto out = bitmap.ScanLine(3);
    out[0] = {0x30, 0x20, 0x10, 0xFF};
    out[kSize - 1] = qx::rgbQuadFromColor(clTeal);
    EXPECT_EQ(at(0, 3), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(at(kSize - 1, 3), clTeal);
    EXPECT_EQ(at(1, 3), clWhite);

    EXPECT_THROW(bitmap.ScanLine(kSize), std::out_of_range);
    EXPECT_THROW(drawn.ScanLine(-1), std::out_of_range);
    EXPECT_THROW(TBitmap().ScanLine(0), std::out_of_range) << "an empty bitmap has no rows";
}

TEST_F(CanvasBlit, ThirtyTwoBitRowsArePremultipliedAndBlendWhenTheAlphaCounts)
{
    TBitmap picture(2, 1);
    picture.SetPixelFormat(pf32bit);
    const auto line = picture.ScanLine(0);
    line[0] = {0, 0, 0x80, 0x80}; // red at half cover, premultiplied
    line[1] = {};                 // nothing
    EXPECT_EQ(qx::colorFromRgbQuad(line[0]), clRed) << "the colour shown, divided back by its alpha";
    EXPECT_EQ(qx::colorFromRgbQuad(line[1]), clBlack);

    canvas().Brush().Color = clBlue;
    canvas().FillRect(Rect(0, 0, 2, 2));
    picture.AlphaFormat = afPremultiplied;
    canvas().Draw(0, 0, picture);
    EXPECT_EQ(at(0, 0), RGB(0x80, 0, 0x7F)) << "half red over blue";
    EXPECT_EQ(at(1, 0), clBlue) << "a transparent pixel leaves the canvas";
    picture.AlphaFormat = afIgnored;
    canvas().Draw(0, 1, picture);
    EXPECT_EQ(at(1, 1), clBlack) << "ignored alpha: a block copy";
    EXPECT_EQ(TBitmap(picture).AlphaFormat, afIgnored);
}

TEST_F(CanvasBlit, PartOfABitmapBlitsWithTheCopyMode)
{
    const TBitmap picture = keyed();
    canvas().BlitImage(Rect(0, 0, 2, 1), picture, Rect(1, 0, 3, 1));
    EXPECT_EQ(row(0, clRed, 0, 3), "#..");
    EXPECT_EQ(row(0, clFuchsia, 0, 3), ".#.");
}

TEST_F(CanvasBlit, AMasksRegionHoldsItsBlackPixels)
{
    const TBitmap mask = keyed().CreateMask(clFuchsia);
    const TRegion region = TRegion::FromMask(mask);
    struct Case { int x, y; bool inside; };
    for (const Case& c : {Case{0, 0, true}, Case{1, 3, true}, Case{2, 0, false}, Case{3, 3, false},
                          Case{4, 0, false}, Case{0, 4, false}, Case{-1, 0, false}})
        EXPECT_EQ(region.Contains({c.x, c.y}), c.inside) << c.x << ", " << c.y;
    EXPECT_EQ(region.BoundingRect(), Rect(0, 0, 2, 4));
    EXPECT_TRUE(TRegion::FromMask(TBitmap()).IsEmpty());
}

} // namespace
