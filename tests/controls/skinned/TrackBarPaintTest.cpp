// The fader's drawing: the banded gradients, the track line's 3D frame over its gradient and the
// thumb picture with its transparent colour, pixel for pixel.

#include "FaderFixture.h"

#include "controls/skinned/TrackBarDrawing.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Picture.h"

namespace {

struct GradientCase
{
    const char* name;
    TRect rect;
    int steps;
    bool horizontal;
    std::vector<int> grey; // expected grey level along the gradient, from the rectangle's start
};

void PrintTo(const GradientCase& c, std::ostream* os)
{
    *os << c.name;
}

class Gradient : public ::testing::TestWithParam<GradientCase>
{
};

TEST_P(Gradient, DrawsTheBandsOfTheRule)
{
    const GradientCase& c = GetParam();
    TBitmap bitmap(12, 12);
    bitmap.Canvas().Brush().Color = clRed;
    bitmap.Canvas().FillRect(Rect(0, 0, 12, 12));
    DrawGradient(bitmap.Canvas(), clWhite, clBlack, c.horizontal, c.rect, c.steps);
    for (std::size_t i = 0; i < c.grey.size(); ++i) {
        const int x = c.horizontal ? c.rect.Left + int(i) : c.rect.Left;
        const int y = c.horizontal ? c.rect.Top : c.rect.Top + int(i);
        EXPECT_EQ(bitmap.Canvas().Pixel(x, y), RGB(c.grey[i], c.grey[i], c.grey[i])) << "offset " << i;
    }
}

// Width 11 shortened to 10, 4 bands of 2.5 pixels, each drawn round(2.5) + 1 = 3 wide; colour
// steps of -63.75 rounded half to even (-127.5 gives -128).
const GradientCase kGradientCases[] = {
    {"four horizontal bands",
     Rect(0, 0, 11, 1),
     4,
     true,
     {255, 255, 191, 191, 191, 127, 127, 127, 64, 64, 64}},
    {"four vertical bands",
     Rect(2, 0, 3, 11),
     4,
     false,
     {255, 255, 191, 191, 191, 127, 127, 127, 64, 64, 64}},
    {"steps 0 draw one band of the start colour", Rect(0, 0, 5, 1), 0, true, {255, 255, 255, 255, 255}},
};

INSTANTIATE_TEST_SUITE_P(Table, Gradient, ::testing::ValuesIn(kGradientCases));

TEST(BlendColor, MixesByPercentWithHalvesToEven)
{
    EXPECT_EQ(BlendColor(clMedGray, clWhite, 10), RGB(246, 246, 246));
    EXPECT_EQ(BlendColor(clRed, clBlue, 100), clRed);
    EXPECT_EQ(BlendColor(clRed, clBlue, 0), clBlue);
    EXPECT_EQ(BlendColor(RGB(0, 0, 0), RGB(255, 255, 255), 50), RGB(128, 128, 128)) << "127.5 rounds to 128";
    EXPECT_EQ(BlendColor(RGB(1, 1, 1), RGB(0, 0, 0), 50), RGB(0, 0, 0)) << "0.5 rounds to 0";
}

// A 16 x 29 bitmap thumb: blue, with its left column in the key colour (the bottom-left pixel).
qx::Bytes keyedThumb(TColor body, TColor key)
{
    TBitmap thumb(16, 29);
    thumb.SetPixelFormat(pf24bit);
    thumb.Canvas().Brush().Color = body;
    thumb.Canvas().FillRect(Rect(0, 0, 16, 29));
    thumb.Canvas().Brush().Color = key;
    thumb.Canvas().FillRect(Rect(0, 0, 1, 29));
    return thumb.SaveToBytes();
}

class FaderPaint : public FaderFixture
{
protected:
    FaderPaint() : bitmap(26, 155)
    {
        fader->Slider().SetColor(clWhite);
        fader->Slider().SetColorTo(clBlack);
        fader->Slider().SetBorderColor(clMedGray);
        fader->Thumb().Picture().LoadFromStream(keyedThumb(clBlue, clFuchsia));
        fader->SetPosition(0); // thumb at x 6 .. 21, y 23 .. 51
    }
    TColor paintedAt(int x, int y)
    {
        bitmap.Canvas().Brush().Color = clYellow; // the parent beneath
        bitmap.Canvas().FillRect(Rect(0, 0, 26, 155));
        fader->PaintTo(bitmap.Canvas());
        return bitmap.Canvas().Pixel(x, y);
    }

    TBitmap bitmap;
    static constexpr TColor kLight = RGB(246, 246, 246);
};

TEST_F(FaderPaint, TrackLineHasADarkLeftEdgeAndLightColumns)
{
    struct Pixel
    {
        int x, y;
        TColor expected;
        const char* what;
    };
    const Pixel pixels[] = {
        {13, 100, clMedGray, "left column dark"},
        {14, 100, kLight, "middle column light"},
        {15, 100, kLight, "right column light"},
        {13, 3, clMedGray, "top row dark"},
        {14, 3, clMedGray, "top row dark"},
        {15, 3, kLight, "right column light up to the top"},
        {14, 4, clMedGray, "second row of the middle column dark"},
        {14, 151, kLight, "bottom row light"},
        {13, 2, clYellow, "above the line: the parent"},
        {16, 100, clYellow, "right of the line: the parent"},
        {12, 100, clYellow, "left of the line: the parent"},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(paintedAt(p.x, p.y), p.expected) << p.what << " at " << p.x << ", " << p.y;
}

TEST_F(FaderPaint, ThumbLeavesOutItsTransparentColour)
{
    EXPECT_EQ(paintedAt(6, 40), clYellow) << "key colour column shows what is beneath";
    EXPECT_EQ(paintedAt(7, 40), clBlue);
    EXPECT_EQ(paintedAt(13, 40), clBlue) << "the thumb covers the line";
    EXPECT_EQ(paintedAt(21, 23), clBlue);
    EXPECT_EQ(paintedAt(21, 52), clYellow) << "below the thumb";
    EXPECT_EQ(paintedAt(13, 52), clMedGray) << "the line below the thumb";
}

TEST_F(FaderPaint, PicturesFollowHotPressedAndDisabled)
{
    fader->Thumb().PictureHot().LoadFromStream(keyedThumb(clRed, clFuchsia));
    fader->Thumb().PictureDown().LoadFromStream(keyedThumb(clLime, clFuchsia));
    fader->Thumb().PictureDisabled().LoadFromStream(keyedThumb(clGray, clFuchsia));
    EXPECT_EQ(paintedAt(10, 40), clBlue);
    move(10, 40);
    EXPECT_EQ(paintedAt(10, 40), clRed) << "hot while the pointer is over it";
    press(10, 40);
    EXPECT_EQ(paintedAt(10, 40), clLime) << "pressed";
    release(10, 40);
    move(10, 100);
    EXPECT_EQ(paintedAt(10, 40), clBlue) << "normal after leaving";
    fader->SetEnabled(false);
    EXPECT_EQ(paintedAt(10, 40), clGray) << "the disabled picture wins";
}

TEST_F(FaderPaint, ThumbHiddenAtTheEndsWithoutShowAtMinMax)
{
    fader->Thumb().SetShowAtMinMax(false);
    fader->SetPosition(-600);
    EXPECT_EQ(paintedAt(10, 140), clYellow);
    fader->SetPosition(0);
    EXPECT_EQ(paintedAt(10, 40), clBlue);
}

TEST_F(FaderPaint, CompletedPartBelowTheThumbMiddle)
{
    fader->Slider().SetBorderColor(clNone);
    fader->Slider().SetColorTo(clNone); // solid white remaining part
    fader->Slider().SetColorCompleted(clRed);
    fader->SetPosition(120);
    EXPECT_EQ(paintedAt(14, 100), clRed) << "at Max the whole line is completed";
    fader->SetPosition(-600);
    EXPECT_EQ(paintedAt(14, 100), clWhite) << "at Min nothing is completed";
}

} // namespace

namespace {

TEST(FaderTicks, AutomaticTicksBelowTheSlider)
{
    TAdvTrackBar fader(nullptr);
    fader.SetBounds(0, 0, 150, 26);
    // Default thumb 10 long: strip x 8 .. 142, y 22 .. 26; 10 ticks 13.4 pixels apart.
    EXPECT_EQ(fader.GetBottomRightTickRect(), Rect(8, 22, 142, 26));
    TBitmap bitmap(150, 26);
    bitmap.Canvas().Brush().Color = clWhite;
    bitmap.Canvas().FillRect(Rect(0, 0, 150, 26));
    fader.PaintTo(bitmap.Canvas());
    for (const int x : {8, 21, 34, 142})
        EXPECT_EQ(bitmap.Canvas().Pixel(x, 24), clBlack) << "tick at x " << x;
    EXPECT_EQ(bitmap.Canvas().Pixel(30, 24), clWhite) << "between ticks";
    EXPECT_EQ(bitmap.Canvas().Pixel(21, 21), clWhite) << "ticks are Size (4) long from the strip's top";
}

TEST(FaderTicks, PicturesOfTheValueReplaceTheLinesAndOutsideTheListPictureZero)
{
    TAdvTrackBar fader(nullptr);
    fader.SetBounds(0, 0, 150, 26);
    fader.SetMin(-3);
    fader.SetMax(7);
    // Strip x 8 .. 142, y 22 .. 26: ten steps of 13.4 pixels; pictures 3 x 3 centred at y 24.
    auto* images = new TImageList(nullptr);
    images->SetWidth(3);
    images->SetHeight(3);
    TBitmap strip(9, 3);
    const TColor colours[] = {clRed, clLime, clBlue};
    for (int i = 0; i < 3; ++i) {
        strip.Canvas().Brush().Color = colours[i];
        strip.Canvas().FillRect(Rect(3 * i, 0, 3 * i + 3, 3));
    }
    images->Add(strip);
    fader.SetTickImages(images);
    struct Case
    {
        int value, x;
        TColor colour;
    };
    const Case cases[] = {
        {-3, 8, clRed},    // below the list
        {0, 48, clRed},    // picture 0
        {1, 62, clLime},   // picture 1
        {2, 75, clBlue},   // picture 2
        {7, 142, clRed},   // past the list
    };
    const auto paint = [&] {
        TBitmap bitmap(150, 26);
        bitmap.Canvas().Brush().Color = clWhite;
        bitmap.Canvas().FillRect(Rect(0, 0, 150, 26));
        fader.PaintTo(bitmap.Canvas());
        return bitmap;
    };
    TBitmap bitmap = paint();
    for (const Case& c : cases) {
        EXPECT_EQ(bitmap.Canvas().Pixel(c.x, 24), c.colour) << "value " << c.value;
        EXPECT_EQ(bitmap.Canvas().Pixel(c.x, 22), clWhite) << "value " << c.value << ": no tick line";
    }

    delete images;
    EXPECT_EQ(fader.TickImages(), nullptr) << "the fader forgets a list that goes";
    bitmap = paint();
    EXPECT_EQ(bitmap.Canvas().Pixel(75, 22), clBlack) << "lines again";
}

} // namespace

#include "controls/skinned/TrackBarThumbShape.h"

namespace {

struct PolygonCase
{
    const char* name;
    qx::ThumbShapeSpec spec;
    std::vector<TPoint> expected;
};

void PrintTo(const PolygonCase& c, std::ostream* os)
{
    *os << c.name;
}

class ThumbPolygon : public ::testing::TestWithParam<PolygonCase>
{
};

TEST_P(ThumbPolygon, VerticesOfTheOutline)
{
    // L 10, T 20, R 30, B 26: w = 10, h = 3.
    EXPECT_EQ(qx::thumbPolygon(Rect(10, 20, 30, 26), GetParam().spec), GetParam().expected);
}

const PolygonCase kPolygons[] = {
    {"pointer pointing right",
     {tsPointer, tstOffice2007, tmBottomRight, true, 20},
     {{10, 20}, {27, 20}, {30, 23}, {27, 26}, {10, 26}}},
    {"pointer pointing left",
     {tsPointer, tstOffice2007, tmTopLeft, true, 20},
     {{13, 20}, {30, 20}, {30, 26}, {13, 26}, {10, 23}}},
    {"pointer pointing down",
     {tsPointer, tstOffice2007, tmBottomRight, false, 6},
     {{10, 20}, {30, 20}, {30, 16}, {20, 26}, {10, 16}}},
    {"triangle kind 0", {tsTriangle, tstOffice2007, tmTopLeft, true, 20}, {{10, 26}, {10, 20}, {30, 23}}},
    {"triangle kind 3", {tsTriangle, tstOffice2007, tmBottomRight, false, 6}, {{10, 20}, {30, 20}, {20, 26}}},
    {"left triangle on a vertical fader is kind 2",
     {tsTriangleLeft, tstOffice2007, tmBoth, true, 20},
     {{10, 26}, {20, 20}, {30, 26}}},
    {"angled pointer kind 4",
     {tsPointerRightUp, tstOffice2007, tmBoth, true, 20},
     {{10, 20}, {30, 20}, {27, 26}, {13, 26}}},
};

INSTANTIATE_TEST_SUITE_P(Table, ThumbPolygon, ::testing::ValuesIn(kPolygons));

TEST(FaderThumbShape, DrawnOnlyWithoutAPicture)
{
    TAdvTrackBar fader(nullptr);
    fader.SetBounds(0, 0, 150, 26);
    fader.TickMark().SetStyle(tsNone);
    TBitmap bitmap(150, 26);
    auto paint = [&] {
        bitmap.Canvas().Brush().Color = clFuchsia;
        bitmap.Canvas().FillRect(Rect(0, 0, 150, 26));
        fader.PaintTo(bitmap.Canvas());
    };
    const TRect thumb = fader.GetThumbRect();
    const TPoint inside{thumb.Left + 3, thumb.Top + thumb.Height() / 2 - 3};
    paint();
    EXPECT_NE(bitmap.Canvas().Pixel(inside.X, inside.Y), clFuchsia) << "the default pointer, glossy";
    fader.Thumb().SetShape(tsRectangle);
    fader.Thumb().SetStyle(tstCustom);
    paint();
    EXPECT_EQ(bitmap.Canvas().Pixel(inside.X, inside.Y), clFuchsia) << "a custom rectangle draws nothing";
    fader.Thumb().SetShape(tsRound);
    fader.Thumb().SetColorMirror(clNone);
    fader.Thumb().SetColor(clRed);
    fader.Thumb().SetColorTo(clRed);
    paint();
    EXPECT_EQ(bitmap.Canvas().Pixel(thumb.Left + thumb.Width() / 2, thumb.Top + 3), clRed) << "banded fill";
}

} // namespace

namespace {

TEST(FaderLabel, TopLabelTakesItsStripFromTheSlideArea)
{
    TAdvTrackBar fader(nullptr);
    fader.SetBounds(0, 0, 150, 40);
    fader.TickMark().SetStyle(tsNone);
    fader.SetPosition(7);
    EXPECT_EQ(fader.SlideArea().Top, 13);
    fader.TrackLabel().SetVisible(true);
    const TRect strip = fader.GetLabelRect(false);
    EXPECT_EQ(strip.Top, 13) << "at the inner top plus the slider offset";
    EXPECT_EQ(fader.SlideArea().Top, 13 + strip.Height() + 1);
    EXPECT_EQ(fader.GetTrackLabelText(), "Pos: 7");
    const TRect placed = fader.GetLabelRect(true);
    EXPECT_EQ(placed.Left + placed.Right, 150) << "centred";

    fader.OnGetTrackLabelText = [](TObject*, int position, std::string& text) {
        text = std::to_string(position) + " dB";
    };
    EXPECT_EQ(fader.GetTrackLabelText(), "7 dB");
    fader.TrackLabel().SetFormat("%s");
    fader.OnGetTrackLabelText = nullptr;
    EXPECT_EQ(fader.GetTrackLabelText(), "%s") << "a refused pattern shows as it stands";

    fader.TrackLabel().SetFormat("Pos: %d");
    TBitmap bitmap(150, 40);
    bitmap.Canvas().Brush().Color = clWhite;
    bitmap.Canvas().FillRect(Rect(0, 0, 150, 40));
    fader.PaintTo(bitmap.Canvas());
    int dark = 0;
    for (int y = placed.Top; y < placed.Bottom; ++y)
        for (int x = placed.Left; x < placed.Right; ++x)
            dark += GetRValue(bitmap.Canvas().Pixel(x, y)) < 100;
    EXPECT_GT(dark, 5) << "the label text is drawn";
}

} // namespace

namespace {

qx::Bytes squarePng(TColor colour)
{
    TBitmap b(10, 10);
    b.Canvas().Brush().Color = colour;
    b.Canvas().FillRect(Rect(0, 0, 10, 10));
    TPngImage png;
    png.Assign(b);
    return png.SaveToBytes();
}

TEST(FaderRating, CellsShowAndSetThePosition)
{
    TAdvTrackBar fader(nullptr);
    fader.SetBounds(0, 0, 150, 26);
    fader.SetMax(5);
    fader.RateActive().LoadFromStream(squarePng(clRed));
    fader.RateInActive().LoadFromStream(squarePng(clGray));
    ASSERT_TRUE(fader.RatingMode());
    // Slide area (3, 13, 147, 23): one row of 10 x 10 cells from x 3.
    EXPECT_EQ(fader.RatingCellRect(1), Rect(3, 13, 13, 23));
    EXPECT_EQ(fader.RatingCellRect(5), Rect(43, 13, 53, 23));
    EXPECT_TRUE(fader.RatingCellRect(0).IsEmpty());
    fader.SetPosition(2);
    TBitmap bitmap(150, 26);
    fader.PaintTo(bitmap.Canvas());
    EXPECT_EQ(bitmap.Canvas().Pixel(18, 18), clRed) << "value 2 is active";
    EXPECT_EQ(bitmap.Canvas().Pixel(28, 18), clGray) << "value 3 is not";

    auto click = [&](int x, int y) {
        const std::intptr_t xy = x | y << 16;
        fader.Perform(WM_LBUTTONDOWN, MK_LBUTTON, xy);
        fader.Perform(WM_LBUTTONUP, 0, xy);
    };
    click(38, 15);
    EXPECT_EQ(fader.Position(), 4) << "the cell under the release";
    click(1, 15);
    EXPECT_EQ(fader.Position(), 0) << "just left of the first cell: Min";
    fader.SetMoveOnClick(mcMove);
    click(100, 15);
    EXPECT_EQ(fader.Position(), 0) << "no jump in rating mode";
}

} // namespace

#include <stdexcept>

namespace {

// A fader whose track line fails to draw.
class FailingSlider : public TAdvTrackBar
{
public:
    using TAdvTrackBar::TAdvTrackBar;

protected:
    void DrawSlider(TCanvas& canvas) override
    {
        canvas.Pen().Color = clRed;
        canvas.MoveTo(0, 0);
        canvas.LineTo(5, 0);
        throw std::runtime_error("broken picture");
    }
};

TEST(FaderPaintFailure, AFailingElementDrawsNothingMoreAndThePaintGoesOn)
{
    FailingSlider fader(nullptr);
    fader.SetBounds(0, 0, 150, 26);
    fader.TickMark().SetStyle(tsNone);
    TBitmap bitmap(150, 26);
    bitmap.Canvas().Brush().Color = clWhite;
    bitmap.Canvas().FillRect(Rect(0, 0, 150, 26));
    EXPECT_NO_THROW(fader.PaintTo(bitmap.Canvas()));
    const TRect thumb = fader.GetThumbRect();
    EXPECT_NE(bitmap.Canvas().Pixel(thumb.Left + 3, thumb.Top + 3), clWhite) << "the thumb is still drawn";
    EXPECT_EQ(bitmap.Canvas().Pen().Color, clBlack) << "the canvas state is restored after the failure";
}

} // namespace

namespace {

TEST(FaderTicks, TextsAndTheDrawingHandler)
{
    TAdvTrackBar fader(nullptr);
    fader.SetBounds(0, 0, 150, 60);
    fader.TickMark().SetShowText(true);
    std::vector<int> seen;
    fader.OnGetTickMarkText = [](TObject*, int index, std::string& text) {
        text = "#" + std::to_string(index);
    };
    fader.OnDrawTick = [&](TObject*, TCanvas*, TPoint, int position, TTickMark, int&, TColor& colour, TColor&,
                           std::string& text, bool& draw) {
        seen.push_back(position);
        EXPECT_EQ(text, "#" + std::to_string(position));
        colour = clRed;
        draw = position != 3;
    };
    const TRect strip = fader.GetBottomRightTickRect();
    EXPECT_GT(strip.Height(), 4) << "the strip holds the texts";
    TBitmap bitmap(150, 60);
    bitmap.Canvas().Brush().Color = clWhite;
    bitmap.Canvas().FillRect(Rect(0, 0, 150, 60));
    fader.PaintTo(bitmap.Canvas());
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << "every value";
    const double k = (134.0) / 10;
    EXPECT_EQ(bitmap.Canvas().Pixel(strip.Left + int(2 * k), strip.Top + 1), clRed) << "the handler's colour";
    EXPECT_EQ(bitmap.Canvas().Pixel(strip.Left + int(3 * k), strip.Top + 1), clWhite) << "tick 3 suppressed";
    int dark = 0;
    for (int y = strip.Top + 4; y < strip.Bottom; ++y)
        for (int x = strip.Left; x < strip.Right; ++x)
            dark += GetRValue(bitmap.Canvas().Pixel(x, y)) < 120;
    EXPECT_GT(dark, 10) << "the texts below the ticks";
}

} // namespace
