// The drawing and text routines against pixels on the canvas stand-in.

#include "controls/plot/base/iDrawing.h"
#include "platform/gui/canvas/Bitmap.h"

#include <gtest/gtest.h>

namespace {

TBitmap blank(int w, int h, TColor color = clWhite)
{
    TBitmap b(w, h);
    b.Canvas().Brush().Color = color;
    b.Canvas().FillRect({0, 0, w, h});
    return b;
}

/// The box around every pixel that differs from the background.
TRect inkBox(TBitmap& b, TColor background)
{
    TRect box{b.Width(), b.Height(), -1, -1};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixel(x, y) != background)
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box;
}

bool hasPixel(TBitmap& b, TColor color)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixel(x, y) == color)
                return true;
    return false;
}

TEST(ShadeColor, AddsOrTakesAndClamps)
{
    struct Case { TColor color; int amount; bool lighten; TColor want; };
    const Case cases[] = {
        {clWhite, 64, true, clWhite}, {clBlack, 64, false, clBlack}, {0x1E140A, 64, true, 0x5E544A},
        {0x1E140A, 32, false, 0x000000}, {clBtnFace, 0, true, ColorToRGB(clBtnFace)}, {0x80F010, 32, true, 0xA0FF30},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShadeColor(c.color, c.amount, c.lighten), c.want) << std::hex << c.color;
}

TEST(DrawTextFormat, MapsTheLibraryFlagsOntoTheCanvasFlags)
{
    struct Case { std::uint16_t flags; unsigned want; };
    const Case cases[] = {
        {0x0001, DT_NOPREFIX}, {0x0412, DT_CENTER | DT_VCENTER}, {0x0A00, DT_NOCLIP | DT_CALCRECT | DT_NOPREFIX},
        {0x0049, DT_WORDBREAK | DT_NOPREFIX}, {0x0284 | 0x0400, DT_RIGHT | DT_SINGLELINE | DT_NOCLIP},
        {0xF120 | 0x0400, DT_BOTTOM | DT_EXPANDTABS | DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS | DT_MODIFYSTRING},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrawTextFormat(c.flags), c.want) << std::hex << c.flags;
}

TEST(DrawTextFlags, DisabledTextIsDrawnLightenedThenDarkenedAndTheFontColourComesBack)
{
    TBitmap b = blank(120, 40);
    b.Canvas().Font().SetHeight(-28);
    b.Canvas().Font().Style = fsBold;
    b.Canvas().Font().Color = clNavy;
    b.Canvas().Brush().Style = bsClear;
    TRect r{0, 0, 120, 40};
    DrawTextFlags(b.Canvas(), "WWW", r, 0, false, clBtnFace);
    EXPECT_TRUE(hasPixel(b, ShadeColor(clBtnFace, 64, true)));
    EXPECT_TRUE(hasPixel(b, ShadeColor(clBtnFace, 32, false)));
    EXPECT_FALSE(hasPixel(b, clNavy));
    EXPECT_EQ(b.Canvas().Font().Color, clNavy);
    TBitmap plain = blank(120, 40);
    plain.Canvas().Font() = b.Canvas().Font();
    plain.Canvas().Brush().Style = bsClear;
    DrawTextFlags(plain.Canvas(), "WWW", r, 0, true, clBtnFace);
    EXPECT_TRUE(hasPixel(plain, clNavy));
}

TEST(DrawTurnedText, TheTextBoxAndTheInkTurnWithTheText)
{
    for (TiRotationAngle rotation : {ira000, ira090, ira180, ira270}) {
        TBitmap b = blank(200, 200);
        b.Canvas().Font().SetHeight(-16);
        b.Canvas().Font().Color = clBlack;
        const TSize extent = b.Canvas().TextExtent("Turned text");
        TRect box;
        DrawTurnedText(b.Canvas(), "Turned text", {0, 0, 200, 200}, rotation, 0, true, clBtnFace, box);
        const bool upright = rotation == ira000 || rotation == ira180;
        EXPECT_EQ(box.Width(), (upright ? extent.cx : extent.cy) / 2 * 2) << rotation;
        EXPECT_EQ(box.Height(), (upright ? extent.cy : extent.cx) / 2 * 2) << rotation;
        const TRect ink = inkBox(b, clWhite);
        ASSERT_LT(ink.Left, ink.Right) << rotation;
        EXPECT_EQ(ink.Width() > ink.Height(), upright) << rotation;
        // The ink lies within the box (a pixel of slack for rounding at the edges).
        EXPECT_GE(ink.Left, box.Left - 1) << rotation;
        EXPECT_LE(ink.Right, box.Right + 1) << rotation;
        EXPECT_GE(ink.Top, box.Top - 1) << rotation;
        EXPECT_LE(ink.Bottom, box.Bottom + 1) << rotation;
        EXPECT_EQ(b.Canvas().Font().Orientation, 0);
    }
}

TEST(TextMeasures, TheWidestLineAndLineBreaks)
{
    TBitmap b = blank(10, 10);
    EXPECT_EQ(TextWidthML(b.Canvas(), "ab\r\nabcd"), b.Canvas().TextWidth("abcd"));
    EXPECT_EQ(TextWidthML(b.Canvas(), ""), 0);
    EXPECT_EQ(TextHeightML(b.Canvas(), "a\r\nb"), 2 * TextHeightML(b.Canvas(), "a"));
    EXPECT_GT(TextHeightForWidth(b.Canvas(), "one two three four five", 30), TextHeightML(b.Canvas(), "one"));
    std::size_t at = 0;
    std::string line;
    std::vector<std::string> lines;
    while (NextLine("a\r\nb\rc\n\nd", at, line))
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "", "d"}));
}

TEST(FillDirectionGradient, StepsRunFromTheStartToTheStopColour)
{
    struct Case { TiFillDirection direction; int w, h; TPoint first, last; };
    const Case cases[] = {
        {ifdTopBottom, 20, 100, {5, 0}, {5, 99}},
        {ifdBottomTop, 20, 100, {5, 99}, {5, 0}},
        {ifdLeftRight, 50, 10, {0, 5}, {49, 5}},
        {ifdRightLeft, 50, 10, {49, 5}, {0, 5}},
        {ifdTopBottom, 20, 1, {5, 0}, {5, 0}}, // zero steps: the one step in the start colour
    };
    for (const Case& c : cases) {
        TBitmap b = blank(c.w, c.h, clFuchsia);
        FillDirectionGradient(b.Canvas(), {0, 0, c.w, c.h}, c.direction, clBlack, clWhite);
        EXPECT_EQ(b.Canvas().Pixel(c.first.X, c.first.Y), clBlack) << c.direction << " " << c.h;
        if (c.first.X != c.last.X || c.first.Y != c.last.Y) {
            EXPECT_EQ(b.Canvas().Pixel(c.last.X, c.last.Y), clWhite) << c.direction;
        }
        EXPECT_FALSE(hasPixel(b, clFuchsia)) << c.direction;
    }
    TBitmap b = blank(100, 100, clFuchsia);
    FillDirectionGradient(b.Canvas(), {0, 0, 100, 100}, ifdTopBottom, 0x000000, 0x0000C6);
    EXPECT_EQ(b.Canvas().Pixel(0, 50), TColor(0x000064)); // round(50/99 * 198) = 100
    TBitmap r = blank(31, 31, clFuchsia);
    FillDirectionGradient(r.Canvas(), {0, 0, 31, 31}, ifdRectangleOut, clRed, clBlue);
    EXPECT_EQ(r.Canvas().Pixel(15, 15), clRed);
}

TEST(DrawEdgeStyle, SunkenRaisedAndOutline)
{
    const TColor shadow = ColorToRGB(clBtnShadow);
    TBitmap sunken = blank(20, 20, clFuchsia);
    DrawEdgeStyle(sunken.Canvas(), {0, 0, 20, 20}, 0);
    TBitmap raised = blank(20, 20, clFuchsia);
    DrawEdgeStyle(raised.Canvas(), {0, 0, 20, 20}, 1);
    EXPECT_NE(sunken.Canvas().Pixel(0, 0), clFuchsia);
    EXPECT_NE(sunken.Canvas().Pixel(0, 0), raised.Canvas().Pixel(0, 0));
    EXPECT_EQ(sunken.Canvas().Pixel(10, 10), clFuchsia); // the inside is left alone

    TBitmap outline = blank(20, 20, clFuchsia);
    outline.Canvas().Brush().Color = clLime;
    DrawEdgeStyle(outline.Canvas(), {2, 2, 12, 12}, 2);
    EXPECT_EQ(outline.Canvas().Pixel(2, 2), shadow);
    EXPECT_EQ(outline.Canvas().Pixel(11, 11), shadow);
    EXPECT_EQ(outline.Canvas().Pixel(6, 6), clLime);
    EXPECT_EQ(outline.Canvas().Pixel(12, 12), clFuchsia);

    TBitmap none = blank(20, 20, clFuchsia);
    DrawEdgeStyle(none.Canvas(), {0, 0, 20, 20}, 3);
    EXPECT_FALSE(hasPixel(none, shadow));
}

TEST(DrawFocusRectangle, DrawingItTwiceRemovesIt)
{
    TBitmap b = blank(20, 20, clWhite);
    DrawFocusRectangle(b.Canvas(), {2, 2, 15, 15});
    EXPECT_NE(inkBox(b, clWhite).Right, -1);
    DrawFocusRectangle(b.Canvas(), {2, 2, 15, 15});
    EXPECT_EQ(inkBox(b, clWhite).Right, -1);
}

TEST(Geometry, RectanglesAndPointsSwapForReversedPlots)
{
    const TRect r = SwapRect(true, 10, 1, 2, 20);
    EXPECT_EQ(r.Left, 1);
    EXPECT_EQ(r.Top, 2);
    EXPECT_EQ(r.Right, 20);
    EXPECT_EQ(r.Bottom, 10);
    EXPECT_EQ(SwapPoint(true, 3, 4).X, 4);
    EXPECT_EQ(SwapPoint(false, 3, 4).X, 3);
}

TEST(PaperSizeInches, KnownCodesAndTheLetterFallback)
{
    struct Case { int code; double w, h; };
    const Case cases[] = {
        {9, 210 / 25.4, 297 / 25.4}, {8, 297 / 25.4, 420 / 25.4}, {3, 11, 17}, {5, 8.5, 14}, {7, 7.25, 10.5},
        {27, 110 / 25.4, 220 / 25.4}, {1, 8.5, 11}, {2, 8.5, 11}, {48, 8.5, 11}, {300, 8.5, 11}, {-1, 8.5, 11},
    };
    for (const Case& c : cases) {
        double w = 0, h = 0;
        PaperSizeInches(c.code, w, h);
        EXPECT_NEAR(w, c.w, 1e-9) << c.code;
        EXPECT_NEAR(h, c.h, 1e-9) << c.code;
    }
}

} // namespace
