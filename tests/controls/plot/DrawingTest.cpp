// The drawing and text routines against pixels on the canvas stand-in, and the small
// routines beside them: keyboard state, focus and paper sizes.

#include "controls/plot/base/iDrawing.h"
#include "platform/gui/Form.h"
#include "platform/gui/Panel.h"
#include "platform/gui/Printer.h"
#include "platform/gui/canvas/Bitmap.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>

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
    // The box is centred on the rectangle's centre (100, 60), text width by height, turned
    // for 90 and 270 degrees; unturned text is aligned in the rectangle (0 centre, 1 left,
    // 2 right) while its box stays centred.
    enum Where { Centred, AtLeft, AtRight };
    struct Case { TiRotationAngle rotation; int alignment; Where ink; };
    const Case cases[] = {
        {ira000, 0, Centred}, {ira000, 1, AtLeft}, {ira000, 2, AtRight},
        {ira090, 0, Centred}, {ira180, 0, Centred}, {ira270, 0, Centred},
    };
    for (const Case& c : cases) {
        TBitmap b = blank(200, 120);
        b.Canvas().Font().SetHeight(-16);
        b.Canvas().Font().Color = clBlack;
        const TSize extent = b.Canvas().TextExtent("Turned text");
        const int tw = extent.cx, th = extent.cy;
        TRect box;
        DrawTurnedText(b.Canvas(), "Turned text", {0, 0, 200, 120}, c.rotation, c.alignment, true, clBtnFace, box);
        const bool upright = c.rotation == ira000 || c.rotation == ira180;
        const int bw = upright ? tw : th, bh = upright ? th : tw;
        const std::string what = "rotation " + std::to_string(c.rotation) + " alignment " + std::to_string(c.alignment);
        EXPECT_EQ(box.Left, 100 - bw / 2) << what;
        EXPECT_EQ(box.Right, 100 + bw / 2) << what;
        EXPECT_EQ(box.Top, 60 - bh / 2) << what;
        EXPECT_EQ(box.Bottom, 60 + bh / 2) << what;
        const TRect ink = inkBox(b, clWhite);
        ASSERT_LT(ink.Left, ink.Right) << what;
        EXPECT_EQ(ink.Width() > ink.Height(), upright) << what;
        // The ink lies within the box, the rectangle's left or its right edge (a pixel of
        // slack for rounding and the glyphs' side bearings).
        const int left = c.ink == AtLeft ? 0 : c.ink == AtRight ? 200 - bw : box.Left;
        EXPECT_GE(ink.Left, left - 1) << what;
        EXPECT_LE(ink.Right, left + bw + 1) << what;
        if (c.ink == AtLeft) {
            EXPECT_LE(ink.Left, 2) << what;
        }
        if (c.ink == AtRight) {
            EXPECT_GE(ink.Right, 198) << what;
        }
        EXPECT_GE(ink.Top, box.Top - 1) << what;
        EXPECT_LE(ink.Bottom, box.Bottom + 1) << what;
        EXPECT_EQ(b.Canvas().Font().Orientation, 0) << what;
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
    // Black to white: step i of n has the grey round(i / n * 255); the second direction of
    // each pair runs from white. The diagonals draw the anti-diagonal x + y = i - 1 (or
    // y - x = 9 - i) in step i of 18 on a 10 x 10 square.
    struct Case { TiFillDirection direction; int w, h; TPoint at; TColor want; bool covers; };
    const Case cases[] = {
        {ifdTopBottom, 20, 100, {5, 0}, 0x000000, true},
        {ifdTopBottom, 20, 100, {5, 99}, 0xFFFFFF, true},
        {ifdTopBottom, 20, 100, {5, 50}, 0x818181, true}, // round(50 / 99 * 255) = 129
        {ifdBottomTop, 20, 100, {5, 0}, 0xFFFFFF, true},
        {ifdBottomTop, 20, 100, {5, 99}, 0x000000, true},
        {ifdLeftRight, 50, 10, {0, 5}, 0x000000, true},
        {ifdLeftRight, 50, 10, {10, 5}, 0x343434, true}, // round(10 / 49 * 255) = 52
        {ifdLeftRight, 50, 10, {49, 5}, 0xFFFFFF, true},
        {ifdRightLeft, 50, 10, {0, 5}, 0xFFFFFF, true},
        {ifdRightLeft, 50, 10, {49, 5}, 0x000000, true},
        {ifdTopLeftBottomRight, 10, 10, {0, 0}, 0x0E0E0E, false}, // step 1: round(255 / 18) = 14
        {ifdTopLeftBottomRight, 10, 10, {9, 8}, 0xFFFFFF, false},
        {ifdBottomRightTopLeft, 10, 10, {0, 0}, 0xF1F1F1, false},
        {ifdBottomRightTopLeft, 10, 10, {9, 8}, 0x000000, false},
        {ifdBottomLeftTopRight, 10, 10, {0, 8}, 0x0E0E0E, false},
        {ifdBottomLeftTopRight, 10, 10, {9, 0}, 0xFFFFFF, false},
        {ifdTopRightBottomLeft, 10, 10, {0, 8}, 0xF1F1F1, false},
        {ifdTopRightBottomLeft, 10, 10, {9, 0}, 0x000000, false},
        {ifdRectangleOut, 31, 31, {15, 15}, 0x000000, false}, // the centre takes the start colour
        {ifdRectangleIn, 31, 31, {15, 15}, 0xFFFFFF, false},
        // Zero steps: the one step is drawn in the colour its direction starts with.
        {ifdTopBottom, 20, 1, {5, 0}, 0x000000, true},
        {ifdBottomTop, 20, 1, {5, 0}, 0xFFFFFF, true},
        {ifdLeftRight, 1, 10, {0, 5}, 0x000000, true},
    };
    for (const Case& c : cases) {
        TBitmap b = blank(c.w, c.h, clFuchsia);
        FillDirectionGradient(b.Canvas(), {0, 0, c.w, c.h}, c.direction, clBlack, clWhite);
        EXPECT_EQ(b.Canvas().Pixel(c.at.X, c.at.Y), c.want)
            << "direction " << c.direction << " " << c.w << "x" << c.h << " at " << c.at.X << "," << c.at.Y;
        if (c.covers) {
            EXPECT_FALSE(hasPixel(b, clFuchsia)) << "direction " << c.direction;
        }
    }
}

TEST(DrawEdgeStyle, SunkenRaisedAndOutline)
{
    const auto rgb = [](TColor c) { return ColorToRGB(c); };
    struct Case { int kind; TRect rect; TPoint at; TColor want; };
    const Case cases[] = {
        {0, {0, 0, 20, 20}, {0, 0}, rgb(clBtnShadow)}, {0, {0, 0, 20, 20}, {19, 19}, rgb(clBtnHighlight)},
        {0, {0, 0, 20, 20}, {1, 1}, rgb(cl3DDkShadow)}, {0, {0, 0, 20, 20}, {18, 18}, rgb(cl3DLight)},
        {0, {0, 0, 20, 20}, {10, 10}, clFuchsia},
        {1, {0, 0, 20, 20}, {0, 0}, rgb(cl3DLight)}, {1, {0, 0, 20, 20}, {19, 19}, rgb(cl3DDkShadow)},
        {1, {0, 0, 20, 20}, {1, 1}, rgb(clBtnHighlight)}, {1, {0, 0, 20, 20}, {18, 18}, rgb(clBtnShadow)},
        {1, {0, 0, 20, 20}, {2, 2}, clFuchsia},
        // The outline: its last column and row are right - 1 and bottom - 1, filled with the brush.
        {2, {2, 2, 12, 12}, {2, 2}, rgb(clBtnShadow)}, {2, {2, 2, 12, 12}, {11, 2}, rgb(clBtnShadow)},
        {2, {2, 2, 12, 12}, {11, 11}, rgb(clBtnShadow)}, {2, {2, 2, 12, 12}, {6, 6}, clLime},
        {2, {2, 2, 12, 12}, {12, 12}, clFuchsia},
        {3, {0, 0, 20, 20}, {0, 0}, clFuchsia}, {-1, {0, 0, 20, 20}, {19, 19}, clFuchsia},
    };
    for (const Case& c : cases) {
        TBitmap b = blank(20, 20, clFuchsia);
        b.Canvas().Brush().Color = clLime;
        DrawEdgeStyle(b.Canvas(), c.rect, c.kind);
        EXPECT_EQ(b.Canvas().Pixel(c.at.X, c.at.Y), c.want) << "kind " << c.kind << " at " << c.at.X << "," << c.at.Y;
    }
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

TEST(PrinterPaperSizeInches, TheSheetTurnsWithThePrinter)
{
    TPrinter& printer = *Printer();
    const TPrinterOrientation before = printer.Orientation();
    printer.SetOrientation(poPortrait);
    double w = 0, h = 0;
    PrinterPaperSizeInches(w, h);
    EXPECT_LT(w, h);
    printer.SetOrientation(poLandscape);
    double lw = 0, lh = 0;
    PrinterPaperSizeInches(lw, lh);
    EXPECT_DOUBLE_EQ(lw, h);
    EXPECT_DOUBLE_EQ(lh, w);
    printer.SetOrientation(before);
}

TEST(KeyboardState, ShiftAndCtrlAreTheKeysHeldNow)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 80, 60);
    form.Show();
    form.Widget()->winId();
    QWindow* window = form.Widget()->windowHandle();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(ShiftDown());
    EXPECT_FALSE(CtrlDown());
    QTest::keyPress(window, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(ShiftDown());
    EXPECT_FALSE(CtrlDown());
    QTest::keyPress(window, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(CtrlDown());
    QTest::keyRelease(window, Qt::Key_Shift, Qt::ControlModifier);
    QTest::keyRelease(window, Qt::Key_Control, Qt::NoModifier);
    EXPECT_FALSE(ShiftDown());
    EXPECT_FALSE(CtrlDown());
}

TEST(FocusControl, AControlThatCannotTakeTheFocusIsLeftAlone)
{
    TForm form(nullptr);
    TPanel panel(nullptr);
    panel.SetParent(&form);
    panel.SetVisible(false);
    EXPECT_NO_THROW(FocusControl(panel));
    EXPECT_FALSE(panel.Focused());
    panel.SetParent(nullptr);
}

} // namespace
