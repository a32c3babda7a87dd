#include "CanvasFixture.h"

#include "platform/gui/canvas/Edges.h"
#include "platform/gui/canvas/LineRaster.h"

#include <cmath>
#include <set>
#include <utility>

#include <QImage>
#include <QPainter>

namespace {

using CanvasShapes = CanvasFixture;

TEST_F(CanvasShapes, RectangleExcludesRightAndBottomEdge)
{
    canvas().Pen().Color = clBlack;
    canvas().Brush().Color = clRed;
    canvas().Rectangle(2, 3, 8, 7);
    EXPECT_EQ(row(3, clBlack, 0, 10), "..######..") << "top edge from Left to Right - 1";
    EXPECT_EQ(row(6, clBlack, 0, 10), "..######..") << "bottom edge on Bottom - 1";
    EXPECT_EQ(row(4, clRed, 0, 10), "...####...") << "fill inside the pen";
    EXPECT_EQ(column(7, clBlack, 0, 9), "...####..") << "right edge on Right - 1";
    EXPECT_EQ(at(8, 4), clWhite);
    EXPECT_EQ(at(4, 7), clWhite);
}

TEST_F(CanvasShapes, RectangleWithClearPenFillsOnePixelLess)
{
    canvas().Pen().Style = psClear;
    canvas().Brush().Color = clRed;
    canvas().Rectangle(2, 3, 8, 7);
    EXPECT_EQ(row(3, clRed, 0, 10), "..#####...");
    EXPECT_EQ(column(2, clRed, 0, 9), "...###...");
}

TEST_F(CanvasShapes, FillRectAndFrameRectUseTheBrush)
{
    canvas().Brush().Color = clBlue;
    canvas().FillRect(Rect(2, 2, 5, 4));
    EXPECT_EQ(row(2, clBlue, 0, 7), "..###..");
    EXPECT_EQ(row(4, clBlue, 0, 7), ".......");
    canvas().Brush().Color = clGreen;
    canvas().FrameRect(Rect(10, 10, 15, 14));
    EXPECT_EQ(row(10, clGreen, 9, 16), ".#####.");
    EXPECT_EQ(row(12, clGreen, 9, 16), ".#...#.");
    EXPECT_EQ(row(13, clGreen, 9, 16), ".#####.");
    EXPECT_EQ(at(12, 14), clWhite);
}

TEST_F(CanvasShapes, LineLeavesOutItsEndPixel)
{
    struct Case
    {
        TPoint from, to, lastSet, end;
    };
    const Case cases[] = {
        {{1, 1}, {6, 1}, {5, 1}, {6, 1}},   // right
        {{6, 3}, {1, 3}, {2, 3}, {1, 3}},   // left
        {{2, 5}, {2, 9}, {2, 8}, {2, 9}},   // down
        {{3, 9}, {3, 5}, {3, 6}, {3, 5}},   // up
        {{10, 1}, {15, 6}, {14, 5}, {15, 6}}, // diagonal
        {{20, 20}, {16, 16}, {17, 17}, {16, 16}},
    };
    canvas().Pen().Color = clBlack;
    for (const Case& c : cases) {
        canvas().MoveTo(c.from.X, c.from.Y);
        canvas().LineTo(c.to.X, c.to.Y);
        EXPECT_EQ(at(c.from.X, c.from.Y), clBlack) << "start pixel " << c.from.X << "," << c.from.Y;
        EXPECT_EQ(at(c.lastSet.X, c.lastSet.Y), clBlack);
        EXPECT_EQ(at(c.end.X, c.end.Y), clWhite) << "end pixel " << c.end.X << "," << c.end.Y;
        EXPECT_EQ(canvas().PenPos(), c.to);
    }
}

TEST_F(CanvasShapes, StraightSolidLinesCoverEveryPixelUpToTheirEnd)
{
    canvas().Pen().Color = clBlack;
    canvas().MoveTo(6, 1);
    canvas().LineTo(1, 1);
    EXPECT_EQ(row(1, clBlack, 0, 8), "..#####.");
    canvas().MoveTo(3, 2);
    canvas().LineTo(3, 7);
    EXPECT_EQ(column(3, clBlack, 0, 9), ".######..") << "rows 2..6 below the first line's pixel";
    canvas().MoveTo(10, 5);
    canvas().LineTo(10, 5);
    EXPECT_EQ(at(10, 5), clWhite) << "a line of no length draws nothing";
}

TEST_F(CanvasShapes, SolidLinesSetExactlyTheRasterPixels)
{
    // Lines of every slope from the middle; each one alone on a white canvas.
    const int c = kSize / 2;
    for (int k = 0; k < 24; ++k) {
        const double angle = k * 3.14159265358979 / 12 + 0.05;
        const TPoint from{c, c};
        const TPoint to{c + static_cast<int>(std::lround(std::cos(angle) * (c - 2))),
                        c + static_cast<int>(std::lround(std::sin(angle) * (c - 2)))};
        canvas().Brush().Color = clWhite;
        canvas().FillRect(Rect(0, 0, kSize, kSize));
        canvas().Pen().Color = clBlack;
        canvas().MoveTo(from.X, from.Y);
        canvas().LineTo(to.X, to.Y);
        std::set<std::pair<int, int>> expected;
        for (const TPoint& p : qx::linePixels(from, to))
            expected.insert({p.X, p.Y});
        std::set<std::pair<int, int>> drawn;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (at(x, y) == clBlack)
                    drawn.insert({x, y});
        EXPECT_EQ(drawn, expected) << "line to " << to.X << "," << to.Y;
    }
}

TEST_F(CanvasShapes, PolylineJoinsSegmentsWithoutTheLastPoint)
{
    canvas().Pen().Color = clBlack;
    const TPoint points[] = {{1, 1}, {5, 1}, {5, 4}};
    canvas().Polyline(points);
    EXPECT_EQ(row(1, clBlack, 0, 7), ".#####.");
    EXPECT_EQ(column(5, clBlack, 0, 6), ".###..");
}

TEST_F(CanvasShapes, DashedThinPensFollowTheStylePatterns)
{
    canvas().Pen().Color = clBlack;
    canvas().Pen().Style = psDot;
    canvas().MoveTo(0, 0);
    canvas().LineTo(14, 0);
    EXPECT_EQ(row(0, clBlack, 0, 15), "###...###...##.");
    canvas().Pen().Style = psAlternate;
    canvas().MoveTo(0, 2);
    canvas().LineTo(9, 2);
    EXPECT_EQ(row(2, clBlack, 0, 10), "#.#.#.#.#.");
}

TEST_F(CanvasShapes, XorAndNotPenModesUndoThemselves)
{
    canvas().Brush().Color = RGB(10, 20, 30);
    canvas().FillRect(Rect(0, 0, 10, 1));
    canvas().Pen().Color = RGB(255, 0, 255);
    canvas().Pen().Mode = pmXor;
    canvas().MoveTo(0, 0);
    canvas().LineTo(10, 0);
    EXPECT_EQ(at(3, 0), RGB(10 ^ 255, 20, 30 ^ 255));
    canvas().MoveTo(0, 0);
    canvas().LineTo(10, 0);
    EXPECT_EQ(at(3, 0), RGB(10, 20, 30));
    canvas().Pen().Mode = pmNot;
    canvas().MoveTo(0, 0);
    canvas().LineTo(10, 0);
    EXPECT_EQ(at(3, 0), RGB(245, 235, 225));
}

TEST_F(CanvasShapes, PolygonFillLeavesOutTheRightAndBottomEdges)
{
    canvas().Pen().Style = psClear;
    canvas().Brush().Color = clBlack;
    const TPoint arrow[] = {{10, 12}, {7, 8}, {14, 8}}; // a drop-down arrow at (10, 10)
    canvas().Polygon(arrow);
    EXPECT_EQ(row(8, clBlack, 6, 16), ".#######..");
    EXPECT_EQ(row(9, clBlack, 6, 16), "..#####...");
    EXPECT_EQ(row(10, clBlack, 6, 16), "...###....");
    EXPECT_EQ(row(11, clBlack, 6, 16), "....#.....");
    EXPECT_EQ(row(12, clBlack, 6, 16), "..........");

    canvas().Pen().Style = psSolid;
    canvas().Pen().Color = clRed;
    canvas().Brush().Color = clBlue;
    const TPoint square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    canvas().Polygon(square);
    EXPECT_EQ(row(1, clRed, 0, 7), ".#####.") << "the outline takes in every vertex";
    EXPECT_EQ(row(3, clBlue, 0, 7), "..###..");
    EXPECT_EQ(row(5, clRed, 0, 7), ".#####.");
}

TEST_F(CanvasShapes, EllipsesAndArcsStayInsideTheirBox)
{
    canvas().Pen().Color = clBlack;
    canvas().Brush().Color = clRed;
    canvas().Ellipse(0, 0, 11, 11);
    EXPECT_EQ(at(5, 5), clRed);
    EXPECT_EQ(at(0, 0), clWhite) << "corners stay outside";
    EXPECT_EQ(at(5, 0), clBlack) << "the outline touches the top";
    EXPECT_EQ(at(5, 10), clBlack) << "and the last row inside the box";
    EXPECT_EQ(column(11, clWhite, 0, 12), std::string(12, '#')) << "nothing right of the box";

    canvas().Brush().Color = clBlue;
    canvas().Pie(12, 12, 24, 24, 24, 18, 18, 12); // 3 o'clock to 12 o'clock, counter-clockwise
    EXPECT_EQ(at(21, 14), clBlue) << "the upper right quarter is filled";
    EXPECT_EQ(at(15, 21), clWhite);
    EXPECT_EQ(at(15, 14), clWhite);
    canvas().Brush().Style = bsClear;
    canvas().Arc(0, 12, 12, 24, 0, 18, 12, 18); // from 9 o'clock to 3 o'clock: the lower half
    EXPECT_EQ(at(6, 12), clWhite) << "an arc counter-clockwise from 9 o'clock runs through the bottom";
    EXPECT_EQ(at(6, 22), clBlack);
}

TEST_F(CanvasShapes, Frame3DDrawsTopLeftThenBottomRight)
{
    TRect r = Rect(2, 2, 8, 8);
    Frame3D(canvas(), r, clRed, clBlue, 1);
    EXPECT_EQ(row(2, clRed, 0, 10), "..#####...") << "top line stops before the top-right corner";
    EXPECT_EQ(at(7, 2), clBlue) << "top-right corner belongs to the bottom colour";
    EXPECT_EQ(column(2, clRed, 0, 10), "..#####...");
    EXPECT_EQ(at(2, 7), clBlue) << "bottom-left corner belongs to the bottom colour";
    EXPECT_EQ(row(7, clBlue, 0, 10), "..######..");
    EXPECT_EQ(column(7, clBlue, 0, 10), "..######..");
    EXPECT_EQ(r, Rect(3, 3, 7, 7));
}

TEST_F(CanvasShapes, SunkenEdgeUsesTheSystemColoursRingByRing)
{
    TRect r = Rect(0, 0, 6, 6);
    DrawEdge(canvas(), r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(row(0, ColorToRGB(clBtnShadow), 0, 6), "#####.");
    EXPECT_EQ(at(5, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(at(0, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(at(1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(at(4, 4), ColorToRGB(cl3DLight));
    EXPECT_EQ(at(2, 2), clWhite);
    EXPECT_EQ(r, Rect(2, 2, 4, 4));
}

TEST_F(CanvasShapes, SystemColoursResolveThroughTheFixedTable)
{
    const struct
    {
        TColor system;
        TColor rgb;
    } table[] = {{clBtnFace, RGB(240, 240, 240)}, {clInfoBk, RGB(255, 255, 225)}, {clBtnShadow, RGB(160, 160, 160)},
                 {clWindow, clWhite},            {clHighlight, RGB(51, 153, 255)}};
    for (const auto& entry : table) {
        EXPECT_EQ(ColorToRGB(entry.system), entry.rgb);
        canvas().Brush().Color = entry.system;
        canvas().FillRect(Rect(0, 0, 2, 2));
        EXPECT_EQ(at(1, 1), entry.rgb) << std::hex << entry.system;
    }
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(0x02123456), 0x123456u) << "palette-relative flag dropped";
}

TEST_F(CanvasShapes, ClNoneDrawsNothing)
{
    canvas().Pen().Color = clNone;
    canvas().Brush().Color = clNone;
    canvas().Rectangle(1, 1, 9, 9);
    canvas().FillRect(Rect(1, 1, 9, 9));
    canvas().MoveTo(0, 0);
    canvas().LineTo(9, 9);
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(row(y, clWhite, 0, 10), "##########");
}

TEST_F(CanvasShapes, FocusRectInvertsEveryOtherPixelAndUndoes)
{
    canvas().DrawFocusRect(Rect(2, 2, 9, 6));
    EXPECT_EQ(row(2, clBlack, 0, 10), "..#.#.#.#.");
    EXPECT_EQ(column(2, clBlack, 0, 7), "..#.#..");
    canvas().DrawFocusRect(Rect(2, 2, 9, 6));
    EXPECT_EQ(row(2, clWhite, 0, 10), "##########");
}

TEST_F(CanvasShapes, ClippingToARegionLimitsEveryDrawing)
{
    const TRegion region = TRegion::FromRect(Rect(2, 2, 5, 5)).United(TRegion::FromRect(Rect(10, 2, 12, 4)));
    canvas().SelectClipRegion(&region);
    canvas().Brush().Color = clRed;
    canvas().FillRect(Rect(0, 0, kSize, kSize));
    EXPECT_EQ(row(2, clRed, 0, 14), "..###.....##..");
    EXPECT_EQ(row(4, clRed, 0, 14), "..###.........");
    EXPECT_EQ(canvas().ClipRect(), Rect(2, 2, 12, 5));
    canvas().ExcludeClipRect(Rect(3, 3, 4, 4));
    canvas().Brush().Color = clBlue;
    canvas().FillRect(Rect(0, 0, kSize, kSize));
    EXPECT_EQ(row(3, clBlue, 0, 6), "..#.#.");
    canvas().SelectClipRegion(nullptr);
    canvas().FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(at(0, 0), clBlue);
}

TEST_F(CanvasShapes, RegionsCombine)
{
    const TRegion a = TRegion::FromRect(Rect(0, 0, 4, 4));
    const TRegion b = TRegion::FromRect(Rect(2, 2, 6, 6));
    const struct
    {
        TRegion region;
        bool at1, at3, at5;
    } table[] = {{a.United(b), true, true, true},
                 {a.Intersected(b), false, true, false},
                 {a.Subtracted(b), true, false, false},
                 {a.Xored(b), true, false, true}};
    for (const auto& entry : table) {
        EXPECT_EQ(entry.region.Contains({1, 1}), entry.at1);
        EXPECT_EQ(entry.region.Contains({3, 3}), entry.at3);
        EXPECT_EQ(entry.region.Contains({5, 5}), entry.at5);
    }
    const TRegion rounded = TRegion::FromRoundRect(Rect(0, 0, 20, 20), 10, 10);
    EXPECT_FALSE(rounded.Contains({0, 0})) << "the corner is cut";
    EXPECT_TRUE(rounded.Contains({10, 0}));
    EXPECT_EQ(rounded.BoundingRect(), Rect(0, 0, 20, 20));
}

TEST_F(CanvasShapes, PolygonRegionAndOriginMoveTogether)
{
    const TPoint triangle[] = {{0, 0}, {8, 0}, {0, 8}};
    const TRegion region = TRegion::FromPolygon(triangle);
    EXPECT_TRUE(region.Contains({1, 1}));
    EXPECT_FALSE(region.Contains({6, 6}));
    canvas().MoveOrigin(5, 6);
    canvas().SetPixel(0, 0, clLime);
    EXPECT_EQ(at(0, 0), clLime) << "reading goes through the same origin";
    canvas().MoveOrigin(-5, -6);
    EXPECT_EQ(at(5, 6), clLime);
}

TEST_F(CanvasShapes, CanvasOnALentPainterGivesItBackUnchanged)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(3, 0);
    {
        TCanvas lent(painter);
        lent.MoveOrigin(0, 4);
        lent.SetClipRect(Rect(0, 0, 2, 2));
        lent.Brush().Color = clRed;
        lent.FillRect(Rect(0, 0, 5, 5));
        EXPECT_EQ(lent.Pixel(0, 0), clRed) << "read through the painter's offset and the origin";
        EXPECT_EQ(lent.ClipRect(), Rect(0, 0, 2, 2));
    }
    EXPECT_EQ(painter.worldTransform().dx(), 3);
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(image.pixel(3, 4), 0xFFFF0000u) << "drawn through the painter's own offset";
    EXPECT_EQ(image.pixel(5, 4), 0xFFFFFFFFu) << "clipped";
}

TEST_F(CanvasShapes, HatchBrushLeavesTheBackgroundBetweenItsLines)
{
    canvas().Brush().Color = clBlack;
    canvas().Brush().Style = bsCross;
    canvas().FillRect(Rect(0, 0, 16, 16));
    EXPECT_EQ(row(7, clBlack, 0, 16), "################");
    EXPECT_EQ(row(3, clBlack, 0, 16), ".......#.......#");
}

} // namespace
