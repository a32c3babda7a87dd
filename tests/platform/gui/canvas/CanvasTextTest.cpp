#include "CanvasFixture.h"

#include <QFont>
#include <QFontInfo>

namespace {

class CanvasText : public CanvasFixture
{
protected:
    CanvasText()
    {
        canvas().Font().Name = "Tahoma";
        canvas().Font().SetHeight(-11);
        canvas().Font().Color = clBlack;
    }
};

TEST_F(CanvasText, FontNamesMapToInstalledFreeFonts)
{
    const struct
    {
        const char* name;
        const char* family;
    } table[] = {{"Tahoma", "Liberation Sans"},
                 {"MS Sans Serif", "Liberation Sans"},
                 {"Arial", "Liberation Sans"},
                 {"Verdana", "DejaVu Sans"},
                 {"Times New Roman", "Liberation Serif"},
                 {"Some Other Font", "Liberation Sans"},
                 {"VERDANA", "DejaVu Sans"}};
    for (const auto& entry : table) {
        TFont font;
        font.Name = entry.name;
        EXPECT_EQ(qx::mappedFontFamily(entry.name), entry.family);
        EXPECT_EQ(QFontInfo(qx::toQFont(font)).family().toStdString(), entry.family)
            << entry.family << " must be installed (tools/install-deps.sh)";
    }
}

TEST_F(CanvasText, SizeAndHeightConvertAt96Dpi)
{
    TFont font;
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(qx::toQFont(font).pixelSize(), 16);
}

TEST_F(CanvasText, SingleLineVerticalCentringRoundsTowardTheTop)
{
    const int th = canvas().TextHeight("x");
    canvas().Brush().Color = clYellow;
    for (const int height : {th + 6, th + 7}) {
        canvas().Brush().Color = clWhite;
        canvas().FillRect(Rect(0, 0, kSize, kSize));
        canvas().Brush().Color = clYellow;
        TRect r = Rect(0, 1, kSize, 1 + height);
        const int result = canvas().DrawText("x", r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        const int top = 1 + (height - th) / 2;
        EXPECT_EQ(result, top - 1 + th) << "offset from the top to the bottom of the text";
        EXPECT_EQ(at(0, top - 1), clWhite) << "height " << height;
        EXPECT_EQ(at(0, top), clYellow) << "the text cell starts on the centred row";
        EXPECT_EQ(at(0, top + th - 1), clYellow);
        EXPECT_EQ(at(0, top + th), clWhite);
    }
}

TEST_F(CanvasText, BottomAlignmentAndCentringAlongTheLine)
{
    const TSize extent = canvas().TextExtent("ab");
    canvas().Brush().Color = clYellow;
    TRect r = Rect(0, 0, 21, 20);
    canvas().DrawText("ab", r, DT_SINGLELINE | DT_BOTTOM | DT_CENTER);
    const int left = (21 - extent.cx) / 2;
    EXPECT_EQ(at(left - 1, 19), clWhite);
    EXPECT_EQ(at(left, 19), clYellow);
    EXPECT_EQ(at(left, 20 - extent.cy - 1), clWhite);
}

TEST_F(CanvasText, CalcRectMeasuresWithoutDrawing)
{
    const int lineHeight = canvas().TextHeight("W");
    TRect r = Rect(0, 0, 1000, 0);
    EXPECT_EQ(canvas().DrawText("one\r\ntwo\nthree", r, DT_CALCRECT), 3 * lineHeight);
    EXPECT_EQ(r.Right, canvas().TextWidth("three"));
    EXPECT_EQ(row(0, clWhite), std::string(kSize, '#')) << "nothing drawn";

    const int wordWidth = canvas().TextWidth("word");
    r = Rect(0, 0, wordWidth + 2, 0);
    EXPECT_EQ(canvas().DrawText("word word word", r, DT_CALCRECT | DT_WORDBREAK), 3 * lineHeight);
    EXPECT_EQ(r.Width(), wordWidth);
}

TEST_F(CanvasText, EllipsisAndPrefixRules)
{
    TRect r = Rect(0, 0, 40, 0);
    canvas().DrawText("a rather long caption that cannot fit", r, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(r.Width(), 40);
    EXPECT_GT(r.Width(), canvas().TextWidth("..."));

    r = Rect(0, 0, 1000, 0);
    canvas().DrawText("&File", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.Width(), canvas().TextWidth("File")) << "the prefix mark is not shown";
    r = Rect(0, 0, 1000, 0);
    canvas().DrawText("&&File", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.Width(), canvas().TextWidth("&File")) << "a doubled mark shows one";
    r = Rect(0, 0, 1000, 0);
    canvas().DrawText("&File", r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(r.Width(), canvas().TextWidth("&File"));
}

TEST_F(CanvasText, TextOutPaintsTheBrushUnlessClearAndMovesThePen)
{
    canvas().Brush().Color = clYellow;
    canvas().TextOut(2, 2, "i");
    EXPECT_EQ(at(2, 2), clYellow);
    EXPECT_EQ(canvas().PenPos(), Point(2 + canvas().TextWidth("i"), 2));
    canvas().Brush().Style = bsClear;
    canvas().TextOut(12, 2, "i");
    EXPECT_EQ(at(12, 2), clWhite);
}

TEST_F(CanvasText, RotatedFontWritesUpwards)
{
    canvas().Font().Orientation = 900;
    canvas().Brush().Color = clYellow;
    canvas().TextOut(4, 20, "ii");
    const int width = canvas().TextWidth("ii");
    EXPECT_EQ(at(4, 19), clYellow) << "the text cell runs up from the start point";
    EXPECT_EQ(at(4, 20 - width - 1), clWhite);
    EXPECT_EQ(at(3, 19), clWhite);
}

} // namespace
