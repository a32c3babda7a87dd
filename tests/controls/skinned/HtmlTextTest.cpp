// The mini HTML text engine: a table of markup cases measured and drawn (tags, entities, line
// breaks, fonts, colours, wrapping, rules, alignment), with the extents they must give.

#include "controls/skinned/HtmlText.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using qx::HtmlTextExtent;
using qx::HtmlTextOptions;
using qx::PaintHtmlText;
using qx::gdiplus::Graphics;
namespace gptext = qx::gptext;

TFont baseFont()
{
    TFont f;
    f.Name = "Tahoma";
    f.SetHeight(-11);
    f.Color = clBlack;
    return f;
}

TFont sized(int points, TFontStyles style = 0)
{
    TFont f = baseFont();
    f.SetSize(points);
    f.Style = style;
    return f;
}

// Measures with the engine's own text routines, as the expected extents are stated.
struct Metrics
{
    Metrics() : bitmap(8, 8), g(bitmap) {}
    int width(const std::string& text, const TFont& font)
    {
        TRect r{0, 0, 10000, 0};
        gptext::DrawText(g, text, r, font, gptext::kMeasure);
        return r.Right;
    }
    int height(const std::string& text, const TFont& font) { return gptext::TextHeight(g, text, font); }
    int gh(const TFont& font) { return height("gh", font); }

    TBitmap bitmap;
    Graphics g;
};

HtmlTextExtent measure(const std::string& markup, const TRect& r = {0, 0, 500, 300})
{
    TBitmap bitmap(8, 8);
    Graphics g(bitmap);
    HtmlTextOptions options;
    options.measureOnly = true;
    return PaintHtmlText(g, baseFont(), markup, r, options);
}

struct MarkupCase
{
    const char* name;
    std::string markup;
    TRect rect;
    // The extent the case must give, worked out from plain text measures.
    std::function<HtmlTextExtent(Metrics&)> expected;
};

class HtmlMarkupCases : public ::testing::TestWithParam<MarkupCase>
{
};

TEST_P(HtmlMarkupCases, MeasureAsStated)
{
    const MarkupCase& c = GetParam();
    Metrics m;
    const HtmlTextExtent want = c.expected(m);
    const HtmlTextExtent got = measure(c.markup, c.rect);
    EXPECT_EQ(got.width, want.width) << c.markup;
    EXPECT_EQ(got.height, want.height) << c.markup;
}

const TRect kWide{0, 0, 500, 300};

// One line of text in a font: its width + 2 and its height (at least the base "gh") + 2.
HtmlTextExtent oneLine(Metrics& m, const std::string& text, const TFont& font)
{
    const TFont base = baseFont();
    return {m.width(text, font) + 2, std::max(m.gh(base), m.height(text, font)) + 2};
}

INSTANTIATE_TEST_SUITE_P(
    Table, HtmlMarkupCases,
    ::testing::Values(
        MarkupCase{"SplashLine", "<FONT size=\"18\" color=\"clWhite\">Loading Program....</FONT><br>", kWide,
                   [](Metrics& m) {
                       // Word wrap measures word by word, the space with its word.
                       const HtmlTextExtent e = oneLine(m, "Program....", sized(18));
                       return HtmlTextExtent{e.width + m.width("Loading ", sized(18)), e.height};
                   }},
        MarkupCase{"PlainText", "Plain", kWide, [](Metrics& m) { return oneLine(m, "Plain", baseFont()); }},
        MarkupCase{"AmpersandEntity", "A&amp;B", kWide, [](Metrics& m) { return oneLine(m, "A&B", baseFont()); }},
        MarkupCase{"AngleEntitiesAreNoTag", "&lt;B&gt;x", kWide,
                   [](Metrics& m) { return oneLine(m, "<B>x", baseFont()); }},
        MarkupCase{"DoubleEntityDecoding", "&amp;lt;B&amp;gt;", kWide,
                   [](Metrics& m) { return oneLine(m, "<B>", baseFont()); }},
        MarkupCase{"Bold", "<B>Bold</B>", kWide, [](Metrics& m) { return oneLine(m, "Bold", sized(8, fsBold)); }},
        MarkupCase{"FontSizeThreeIsTwelvePoints", "<FONT size=\"3\">Size</FONT>", kWide,
                   [](Metrics& m) { return oneLine(m, "Size", sized(12)); }},
        MarkupCase{"FontSizeTwentyIsPoints", "<FONT size=\"20\">Size</FONT>", kWide,
                   [](Metrics& m) { return oneLine(m, "Size", sized(20)); }},
        MarkupCase{"FontSizeZeroIsIgnored", "<FONT size=\"0\">Size</FONT>", kWide,
                   [](Metrics& m) { return oneLine(m, "Size", baseFont()); }},
        MarkupCase{"FontSizeNegativeIsIgnored", "<FONT size=\"-4\">Size</FONT>", kWide,
                   [](Metrics& m) { return oneLine(m, "Size", baseFont()); }},
        MarkupCase{"FontWithoutCloseDropsTheRest", "ab<FONT size=\"20\" cd", kWide,
                   [](Metrics& m) { return oneLine(m, "ab", baseFont()); }},
        MarkupCase{"UnknownTagDoesNothing", "a<QQ>b", kWide,
                   [](Metrics& m) { return HtmlTextExtent{m.width("a", baseFont()) + m.width("b", baseFont()) + 2,
                                                          m.gh(baseFont()) + 2}; }},
        MarkupCase{"LineBreak", "one<BR>two", kWide,
                   [](Metrics& m) {
                       const TFont f = baseFont();
                       return HtmlTextExtent{std::max(m.width("one", f), m.width("two", f)) + 2,
                                             m.gh(f) + 2 + m.gh(f) + 2};
                   }},
        MarkupCase{"CarriageReturnBreaksLineFeedIsDropped", "one\r\ntwo", kWide,
                   [](Metrics& m) {
                       const TFont f = baseFont();
                       return HtmlTextExtent{std::max(m.width("one", f), m.width("two", f)) + 2,
                                             m.gh(f) + 2 + m.gh(f) + 2};
                   }},
        MarkupCase{"LongWordStaysOnItsLine", "abcdefghijklmnop", TRect{0, 0, 20, 300},
                   [](Metrics& m) { return oneLine(m, "abcdefghijklmnop", baseFont()); }},
        MarkupCase{"RuleEndsTheLine", "one<HR>two", kWide,
                   [](Metrics& m) {
                       const TFont f = baseFont();
                       return HtmlTextExtent{std::max(m.width("one", f), m.width("two", f)) + 2,
                                             m.gh(f) + 2 + m.gh(f) + 2};
                   }},
        MarkupCase{"EmptyTextIsOneBaseLine", "", kWide,
                   [](Metrics& m) { return HtmlTextExtent{0, m.gh(baseFont()) + 2}; }}),
    [](const ::testing::TestParamInfo<MarkupCase>& param) { return std::string(param.param.name); });

// The word-wrap case needs a rectangle narrower than both words but wider than the second.
TEST(HtmlTextWrap, TwoWordsInANarrowRectangleGiveTwoLines)
{
    Metrics m;
    const TFont f = baseFont();
    const int narrow = m.width("abc def", f) - 2;
    const HtmlTextExtent got = measure("abc def", TRect{0, 0, narrow, 300});
    EXPECT_EQ(got.height, m.gh(f) + 2 + m.gh(f) + 2);
    EXPECT_EQ(got.width, std::max(m.width("abc ", f), m.width("def", f)) + 2);
}

TEST(HtmlTextEntities, DecodedInPassesUntilNoneIsLeft)
{
    EXPECT_EQ(qx::DecodeHtmlEntities("&amp;amp;"), "&");
    EXPECT_EQ(qx::DecodeHtmlEntities("&AMP;copy; &Euro;"), "\u00A9 \u20AC");
    EXPECT_EQ(qx::DecodeHtmlEntities("&quot;&sect;&permil;&reg;&para;&trade;"),
              "\"\u00A7\u2030\u00AE\u00B6\u2122");
    EXPECT_EQ(qx::DecodeHtmlEntities("&nbsp;&lt;"), "&nbsp;&lt;"); // decoded inside runs only
}

TEST(HtmlTextColours, HexNamesSystemAndUnknown)
{
    struct
    {
        const char* value;
        TColor colour;
    } cases[] = {
        {"#FF0000", 0x0000FF}, {"#00ff80", 0x80FF00}, {"#12", 0x000012},       {"clRed", 0x0000FF},
        {"CLWHITE", 0xFFFFFF}, {"clNavy", 0x800000},  {"clmystery", 0x000000},  {"", 0x000000},
        {"clHighlight", clHighlight}, {"clBackground", clBackground}, {"clInfoBk", clInfoBk},
        {"clWindowText", clWindowText},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::HtmlColor(c.value), c.colour) << c.value;
}

// Drawing: a white bitmap, the markup drawn in black, the dark pixels located.
class HtmlDrawing : public ::testing::Test
{
protected:
    HtmlDrawing() : bitmap(300, 200)
    {
        bitmap.Canvas().Brush().Color = clWhite;
        bitmap.Canvas().FillRect(TRect{0, 0, 300, 200});
    }
    HtmlTextExtent draw(const std::string& markup, const TRect& r)
    {
        Graphics g(bitmap);
        return PaintHtmlText(g, baseFont(), markup, r, HtmlTextOptions{});
    }
    bool dark(int x, int y) { return GetRValue(ColorToRGB(bitmap.Canvas().Pixel(x, y))) < 128; }
    // The leftmost and lowest dark pixels in a region.
    int leftmostDark(int top, int bottom)
    {
        for (int x = 0; x < 300; ++x)
            for (int y = top; y < bottom; ++y)
                if (dark(x, y))
                    return x;
        return -1;
    }
    bool anyDark(int left, int top, int right, int bottom)
    {
        for (int x = left; x < right; ++x)
            for (int y = top; y < bottom; ++y)
                if (dark(x, y))
                    return true;
        return false;
    }
    TBitmap bitmap;
};

TEST_F(HtmlDrawing, TextStartsOnePixelInsideTheRectangle)
{
    draw("Hello", TRect{20, 10, 280, 190});
    const int left = leftmostDark(0, 200);
    EXPECT_GE(left, 21);
    EXPECT_LE(left, 26);
    EXPECT_FALSE(anyDark(0, 0, 300, 10));
}

TEST_F(HtmlDrawing, RuleIsABlackLineUnderTheFirstLine)
{
    Metrics m;
    const int lineHeight = m.gh(baseFont()) + 2;
    draw("one<HR>two", TRect{0, 0, 200, 190});
    // The line's rectangle ends at its height; the rule lies one pixel below.
    const int y = lineHeight + 1;
    for (const int x : {5, 100, 190})
        EXPECT_TRUE(dark(x, y)) << x;
    EXPECT_FALSE(dark(250, y));
}

TEST_F(HtmlDrawing, ParagraphAlignRightHoldsForFollowingLines)
{
    draw("<P align=\"right\">one</P>two", TRect{0, 0, 200, 190});
    Metrics m;
    const int lineHeight = m.gh(baseFont());
    EXPECT_FALSE(anyDark(0, 0, 150, lineHeight));
    EXPECT_TRUE(anyDark(150, 0, 201, lineHeight));
    EXPECT_FALSE(anyDark(0, lineHeight + 2, 150, 2 * lineHeight + 4));
    EXPECT_TRUE(anyDark(150, lineHeight + 2, 201, 2 * lineHeight + 4));
}

TEST_F(HtmlDrawing, FontColourFromTheTag)
{
    draw("<FONT color=\"#FF0000\" size=\"5\">MMMM</FONT>", TRect{0, 0, 200, 190});
    bool red = false;
    for (int x = 0; x < 100 && !red; ++x)
        for (int y = 0; y < 30 && !red; ++y) {
            const TColor c = ColorToRGB(bitmap.Canvas().Pixel(x, y));
            red = GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60;
        }
    EXPECT_TRUE(red);
}

// Drawing stops once the next line would not fit; measuring lays out every line.
TEST_F(HtmlDrawing, DrawingDropsLinesBelowTheRectangleMeasuringKeepsThem)
{
    const std::string text = "1<BR>2<BR>3<BR>4<BR>5<BR>6";
    Metrics m;
    const int line = m.gh(baseFont()) + 2;
    const TRect r{0, 0, 200, 2 * line + 4};
    const HtmlTextExtent drawn = draw(text, r);
    const HtmlTextExtent measured = measure(text, r);
    EXPECT_EQ(measured.height, 5 * line + m.gh(baseFont()) + 2);
    EXPECT_LT(drawn.height, measured.height);
    EXPECT_FALSE(anyDark(0, r.Bottom + 2, 300, 200));
}

// Markup that gives a line nothing to take would loop for ever; every case must end.
TEST(HtmlTextMalformed, EveryLineTakesAToken)
{
    const std::string cases[] = {
        "<",           "<a",           "</",          "<<<<",          "<>",                "</>x",
        "<B",          "<IND x=\"99999\">word word", "<OF x=\"-500\">x y z", "<OF x=\"900\">x y z",
        "<UL></UL></UL></UL>x", "<LI><LI><LI>", "<IMG src=\"IDX:3\">", "<IMG src=\"SSYS:1\">abc",
        "<P indent=\"400\">a b c", "<SUB>a</SU><SUP>b", "<Z>hidden</Z>shown", "a&amp;",
        std::string(2000, ' '), "&amp;amp;amp;amp;lt;",
    };
    for (const std::string& text : cases)
        for (const int width : {0, 1, 30, 500}) {
            const HtmlTextExtent e = measure(text, TRect{0, 0, width, 100});
            EXPECT_GE(e.height, 2) << text;
            EXPECT_GE(e.width, 0) << text;
        }
}

TEST(HtmlTextLists, ASecondListItemStartsANewLine)
{
    Metrics m;
    const TFont f = baseFont();
    const HtmlTextExtent e = measure("<UL><LI>a<LI>b</UL>");
    // The list tag ends its line, then one line per item.
    EXPECT_EQ(e.height, 3 * (m.gh(f) + 2));
}

} // namespace
