#include "platform/gui/ImageList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
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

namespace {

/// What picture index of list draws over the white target, and greyed.
std::vector<QImage> drawn(const TImageList& list)
{
    std::vector<QImage> out;
    for (int i = 0; i < list.Count(); ++i)
        for (bool enabled : {true, false}) {
            TBitmap b = target();
            list.Draw(b.Canvas(), 2, 3, i, enabled);
            out.push_back(b.Image().copy());
        }
    return out;
}

/// A list with keyed pictures and one with see-through pixels.
TImageList& filled(TImageList& list)
{
    list.SetWidth(8);
    list.SetHeight(6);
    list.AddMasked(strip(8, 6, {clRed, clLime, clNavy}), clFuchsia);
    list.Add(strip(8, 6, {clYellow}));
    QImage glass(8, 6, QImage::Format_ARGB32);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            glass.setPixel(x, y, qRgba(200, 40 * y, 30 * x, 255 * x / 7));
    TBitmap see;
    see.Assign(glass);
    see.AlphaFormat = afDefined;
    list.Add(see);
    return list;
}

TEST(ImageListStream, AListReadsBackWithItsSizeAndPictures)
{
    TImageList written(nullptr);
    filled(written);
    const std::vector<std::uint8_t> stream = written.WriteStream();
    ASSERT_GE(stream.size(), 16u);
    EXPECT_EQ(stream[0], 'I');
    EXPECT_EQ(stream[1], 'L');
    EXPECT_EQ(stream.size(), 16u + 5u * (5 + 8 * 6 * 4)) << "a header, then each picture's flags, key and pixels";

    TImageList read(nullptr);
    read.SetWidth(3);
    int changes = 0;
    read.OnChange = [&](TObject*) { ++changes; };
    ASSERT_TRUE(read.ReadStream(stream));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(read.Width(), 8);
    EXPECT_EQ(read.Height(), 6);
    ASSERT_EQ(read.Count(), 5);
    EXPECT_EQ(drawn(read), drawn(written)) << "keyed, plain and see-through pictures draw the same";
    EXPECT_EQ(read.WriteStream(), stream);

    TImageList empty(nullptr);
    ASSERT_TRUE(read.ReadStream(empty.WriteStream()));
    EXPECT_EQ(read.Count(), 0);
    EXPECT_EQ(read.Width(), 16);
}

TEST(ImageListStream, AStreamThatIsNotWholeIsRefusedWithTheListUnchanged)
{
    TImageList source(nullptr);
    const std::vector<std::uint8_t> good = filled(source).WriteStream();
    const auto with32 = [&](std::size_t at, std::uint32_t v) {
        std::vector<std::uint8_t> s = good;
        for (int i = 0; i < 4; ++i)
            s.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
        return s;
    };
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases = {
        {"empty", {}},
        {"another magic", [&] { auto s = good; s[0] = 'X'; return s; }()},
        {"another version", [&] { auto s = good; s[2] = 2; return s; }()},
        {"a huge count", with32(12, 0xFFFFFFFFu)},
        {"one picture more than there are", with32(12, 6)},
        {"one picture fewer", with32(12, 4)},
        {"no width", with32(4, 0)},
        {"a huge width", with32(4, 0x7FFFFFFFu)},
        {"a huge size whose product wraps", [&] { auto s = with32(4, 65536); return s; }()},
        {"a byte too many", [&] { auto s = good; s.push_back(0); return s; }()},
    };
    for (std::size_t n = 0; n < good.size(); n += 7)
        cases.emplace_back("cut after " + std::to_string(n), std::vector<std::uint8_t>(good.begin(), good.begin() + n));
    for (const auto& [what, bytes] : cases) {
        TImageList list(nullptr);
        list.SetWidth(8);
        list.SetHeight(6);
        list.Add(strip(8, 6, {clTeal}));
        const auto before = drawn(list);
        int changes = 0;
        list.OnChange = [&](TObject*) { ++changes; };
        EXPECT_FALSE(list.ReadStream(bytes)) << what;
        EXPECT_EQ(changes, 0) << what;
        EXPECT_EQ(list.Count(), 1) << what;
        EXPECT_EQ(drawn(list), before) << what;
    }
}

} // namespace
