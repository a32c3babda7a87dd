#include "GdiplusFixture.h"

#include "platform/image/PngCodec.h"

namespace {

using namespace qx::gdiplus;
using GdiplusTextImage = GdiplusFixture;

TEST_F(GdiplusTextImage, MeasuringAddsASixthOfTheEmOnEachSide)
{
    const Font font("Tahoma", 12, FontStyleRegular, Unit::Pixel);
    const RectF unbounded{0, 0, 0, 0};
    const RectF padded = Graphics(bitmap).MeasureString("Level", font, unbounded, StringFormat::GenericDefault());
    const RectF exact = Graphics(bitmap).MeasureString("Level", font, unbounded, StringFormat::GenericTypographic());
    EXPECT_NEAR(padded.Width - exact.Width, 12.0f / 3, 0.01f);
    EXPECT_FLOAT_EQ(padded.Height, exact.Height);
    EXPECT_GT(exact.Width, 20);

    const RectF narrow{0, 0, exact.Width * 0.7f, 0};
    const RectF wrapped = Graphics(bitmap).MeasureString("Level Level", font, narrow);
    EXPECT_FLOAT_EQ(wrapped.Height, 2 * exact.Height) << "wrapped at the space";
    StringFormat oneLine;
    oneLine.FormatFlags = StringFormatFlagsNoWrap;
    EXPECT_FLOAT_EQ(Graphics(bitmap).MeasureString("Level Level", font, narrow, oneLine).Height, exact.Height);
}

TEST_F(GdiplusTextImage, PointSizesAreAt96Dpi)
{
    EXPECT_FLOAT_EQ(Font("Arial", 9).emPixels(), 12.0f);
    EXPECT_FLOAT_EQ(Font("Arial", 12, FontStyleBold, Unit::Pixel).emPixels(), 12.0f);
}

TEST_F(GdiplusTextImage, TrimmingWithEllipsisKeepsTheLineInside)
{
    const Font font("Verdana", 10, FontStyleRegular, Unit::Pixel);
    StringFormat format;
    format.FormatFlags = StringFormatFlagsNoWrap;
    format.Trimming = StringTrimming::EllipsisCharacter;
    const TextLayout layout = layoutText("a caption much too long for its box", font, RectF{0, 0, 60, 20}, format);
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_TRUE(layout.lines[0].endsWith("..."));
    EXPECT_LE(layout.widths[0], 60 - 2 * 10.0 / 6);
}

TEST_F(GdiplusTextImage, DrawnTextIsCentredInItsLayout)
{
    const Font font("Tahoma", 14, FontStyleBold, Unit::Pixel);
    StringFormat format;
    format.Alignment = StringAlignment::Center;
    format.LineAlignment = StringAlignment::Center;
    {
        Graphics g(bitmap);
        g.DrawString("H", font, RectF{0, 0, 40, 40}, format, SolidBrush(0xFF000000u));
    }
    int left = 40, right = -1, top = 40, bottom = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (greenOf(at(x, y)) < 128) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, left) << "something was drawn";
    EXPECT_NEAR((left + right) / 2.0, 19.5, 1.5);
    EXPECT_NEAR((top + bottom) / 2.0, 19.5, 3.0);
}

TEST_F(GdiplusTextImage, ImagesFromStreamsDrawWithAColourKey)
{
    qx::Image picture(6, 4, 0xFFFF00FFu);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            picture.setPixel(x, y, 0xFF0000FFu);
    const Image image = Image::FromStream(qx::encodePng(picture).bytes);
    ASSERT_FALSE(image.IsEmpty()) << image.LastError();
    EXPECT_EQ(image.GetWidth(), 6);
    EXPECT_EQ(image.GetHeight(), 4);
    EXPECT_EQ(image.GetRawFormat(), qx::ImageFormat::Png);
    ImageAttributes key;
    key.SetColorKey(0xFFFF00FFu, 0xFFFF00FFu);
    {
        Graphics g(bitmap);
        g.DrawImage(image, RectF{2, 2, 6, 4}, RectF{0, 0, 6, 4}, &key);
        g.DrawImage(image, 20, 20);
    }
    EXPECT_EQ(at(3, 3), 0xFF0000FFu);
    EXPECT_EQ(at(6, 3), 0xFFFFFFFFu) << "the key colour is left out";
    EXPECT_EQ(at(25, 21), 0xFFFF00FFu) << "without attributes every pixel is drawn";

    const std::uint8_t junk[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
    const Image broken = Image::FromStream(junk);
    EXPECT_TRUE(broken.IsEmpty());
    EXPECT_FALSE(broken.LastError().empty());
    Graphics(bitmap).DrawImage(broken, 0, 0); // draws nothing, no failure
}

TEST_F(GdiplusTextImage, TextureBrushTilesFromTheOrigin)
{
    qx::Image tile(2, 2, 0xFF000000u);
    tile.setPixel(1, 1, 0xFFFF0000u);
    const Image image = Image::FromStream(qx::encodePng(tile).bytes);
    {
        Graphics g(bitmap);
        g.FillRectangle(TextureBrush(image), RectF{0, 0, 8, 8});
    }
    EXPECT_EQ(at(1, 1), 0xFFFF0000u);
    EXPECT_EQ(at(5, 5), 0xFFFF0000u);
    EXPECT_EQ(at(4, 5), 0xFF000000u);
}

} // namespace
