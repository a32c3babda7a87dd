#include "platform/gui/ImageList.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

constexpr TColor kBack = clWhite;

/// A strip of n pictures of w x h, picture i filled with colours[i] and its top-left pixel
/// in the key colour clFuchsia.
TBitmap strip(int w, int h, const std::vector<TColor>& colours, int extra = 0)
{
    TBitmap b(w * static_cast<int>(colours.size()) + extra, h);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const int x = w * static_cast<int>(i);
        b.Canvas().Brush().Color = colours[i];
        b.Canvas().FillRect({x, 0, x + w, h});
        b.Canvas().SetPixel(x, 0, clFuchsia);
    }
    return b;
}

TBitmap target()
{
    TBitmap b(40, 20);
    b.Canvas().Brush().Color = kBack;
    b.Canvas().FillRect({0, 0, 40, 20});
    return b;
}

TEST(ImageList, AddCutsTheStripIntoPicturesOfTheListsSize)
{
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(6);
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(list.Add(strip(8, 6, {clRed, clLime, clBlue}, 5)), 0) << "the narrower rest is left out";
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Add(strip(8, 9, {clYellow})), 3) << "a taller picture is cut at the height";
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Add(TBitmap(7, 6)), -1) << "narrower than one picture";
    EXPECT_EQ(list.Add(TBitmap()), -1);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(changes, 2);

    list.SetHeight(7);
    EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
    list.SetWidth(0);
    EXPECT_EQ(list.Width(), 1);
}

TEST(ImageList, DrawsThePictureOfAnIndexAndNothingOutsideTheList)
{
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(6);
    list.Add(strip(8, 6, {clRed, clLime}));
    struct Case
    {
        int index;
        TColor expected;
    };
    for (const Case c : {Case{0, clRed}, Case{1, clLime}, Case{-1, kBack}, Case{2, kBack}}) {
        TBitmap b = target();
        list.Draw(b.Canvas(), 10, 4, c.index);
        EXPECT_EQ(b.Canvas().Pixel(13, 7), c.expected) << "index " << c.index;
        EXPECT_EQ(b.Canvas().Pixel(10, 4), c.index == 0 || c.index == 1 ? clFuchsia : kBack)
            << "index " << c.index << ": without a mask every pixel is drawn";
        EXPECT_EQ(b.Canvas().Pixel(18, 7), kBack) << "index " << c.index << ": only its own size";
    }
}

TEST(ImageList, AddMaskedLeavesTheMaskColourOut)
{
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(6);
    list.AddMasked(strip(8, 6, {clRed, clLime}), clFuchsia);
    TBitmap b = target();
    list.Draw(b.Canvas(), 10, 4, 1);
    EXPECT_EQ(b.Canvas().Pixel(10, 4), kBack);
    EXPECT_EQ(b.Canvas().Pixel(11, 4), clLime);
}

TEST(ImageList, ADisabledPictureIsDrawnGreyedWithoutItsLightPartsAndMask)
{
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(6);
    TBitmap picture = strip(8, 6, {clNavy});
    for (const auto& [x, y] : {std::pair{5, 3}, std::pair{6, 3}, std::pair{5, 4}, std::pair{6, 4}})
        picture.Canvas().SetPixel(x, y, clWhite); // a light part
    list.AddMasked(picture, clFuchsia);
    TBitmap b = target();
    list.Draw(b.Canvas(), 10, 4, 0, false);
    EXPECT_EQ(b.Canvas().Pixel(13, 7), ColorToRGB(clBtnShadow)) << "a dark part in the shadow colour";
    EXPECT_EQ(b.Canvas().Pixel(18, 10), ColorToRGB(clBtnHighlight)) << "its copy one pixel down and right";
    EXPECT_EQ(b.Canvas().Pixel(10, 4), kBack) << "the mask colour stays out";
    EXPECT_EQ(b.Canvas().Pixel(16, 8), kBack) << "the light part stays out";
    TBitmap enabled = target();
    list.Draw(enabled.Canvas(), 10, 4, 0, true);
    EXPECT_EQ(enabled.Canvas().Pixel(13, 7), clNavy);
}

} // namespace
