// The picture control and its hint record.

#include "controls/skinned/AdvOfficeImage.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Picture.h"

#include <gtest/gtest.h>

namespace {

qx::Bytes redJpeg(int w, int h)
{
    TBitmap b(w, h);
    b.Canvas().Brush().Color = clRed;
    b.Canvas().FillRect(Rect(0, 0, w, h));
    TJPEGImage jpeg;
    jpeg.Assign(b);
    return jpeg.SaveToBytes();
}

bool reddish(TColor c)
{
    return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60;
}

struct PlacementCase
{
    const char* name;
    int pw, ph;
    bool center, stretch;
    TPoint inside, outside; // outside -1: the picture covers the control
};

void PrintTo(const PlacementCase& c, std::ostream* os)
{
    *os << c.name;
}

class OfficeImagePlacement : public ::testing::TestWithParam<PlacementCase>
{
};

TEST_P(OfficeImagePlacement, DrawsWhereTheSettingsSay)
{
    const PlacementCase& c = GetParam();
    TAdvOfficeImage image(nullptr);
    image.SetBounds(0, 0, 630, 113);
    image.Picture().LoadFromStream(redJpeg(c.pw, c.ph));
    image.SetCenter(c.center);
    image.SetStretch(c.stretch);
    TBitmap target(630, 113);
    target.Canvas().Brush().Color = clWhite;
    target.Canvas().FillRect(Rect(0, 0, 630, 113));
    image.DrawPicture(target.Canvas());
    EXPECT_TRUE(reddish(target.Canvas().Pixel(c.inside.X, c.inside.Y)));
    if (c.outside.X >= 0) {
        EXPECT_EQ(target.Canvas().Pixel(c.outside.X, c.outside.Y), clWhite);
    }
}

// 600 x 100 centred in 630 x 113 lies at (15, 6).
const PlacementCase kPlacements[] = {
    {"centred", 600, 100, true, false, {17, 8}, {12, 3}},
    {"centred at the far edge", 600, 100, true, false, {612, 104}, {618, 109}},
    {"same size at the origin", 630, 113, true, false, {2, 2}, {-1, -1}},
    {"not centred at the origin", 600, 100, false, false, {2, 2}, {610, 50}},
    {"stretched over the control", 60, 10, true, true, {620, 105}, {-1, -1}},
};

INSTANTIATE_TEST_SUITE_P(Table, OfficeImagePlacement, ::testing::ValuesIn(kPlacements));

TEST(OfficeImage, EmptyPictureDrawsNothingAndHintsCompare)
{
    TAdvOfficeImage image(nullptr);
    EXPECT_EQ(image.Width(), 128);
    EXPECT_EQ(image.Version(), "1.1.0.0");
    TBitmap target(20, 20);
    target.Canvas().Brush().Color = clWhite;
    target.Canvas().FillRect(Rect(0, 0, 20, 20));
    image.DrawPicture(target.Canvas());
    EXPECT_EQ(target.Canvas().Pixel(10, 10), clWhite);

    TAdvHintInfo hint;
    hint.Picture().LoadFromStream(redJpeg(4, 4));
    EXPECT_TRUE(hint.IsEmpty()) << "a picture alone leaves the hint empty";
    hint.Notes().Add("note");
    EXPECT_FALSE(hint.IsEmpty());
    TAdvHintInfo copy;
    copy.SetTitle("old");
    copy.Assign(hint);
    EXPECT_EQ(copy.Title(), "");
    EXPECT_EQ(copy.Notes().Text(), hint.Notes().Text());
    EXPECT_EQ(copy.Picture().Data(), hint.Picture().Data());
}

} // namespace
