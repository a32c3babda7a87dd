#include "CanvasFixture.h"

#include "platform/gui/canvas/Picture.h"
#include "platform/image/JpegCodec.h"
#include "platform/image/PngCodec.h"

namespace {

using Pictures = CanvasFixture;

qx::Image translucentSquare()
{
    qx::Image image(4, 4, 0x800000FFu); // blue at half alpha
    image.hasAlpha = true;
    return image;
}

TEST_F(Pictures, PngPictureBlendsItsAlphaOverTheCanvas)
{
    TPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(qx::encodePng(translucentSquare()).bytes));
    ASSERT_NE(dynamic_cast<TPngImage*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(static_cast<TPngImage*>(picture.Graphic())->HasAlpha());
    canvas().Draw(0, 0, *picture.Graphic());
    const TColor c = at(1, 1);
    EXPECT_NEAR(GetRValue(c), 127, 2);
    EXPECT_NEAR(GetBValue(c), 255, 1);
    EXPECT_EQ(at(4, 4), clWhite);
}

TEST_F(Pictures, EachFormatLoadsBySignatureAndSavesInItsOwn)
{
    qx::Image opaque(3, 2, 0xFF336699u);
    const qx::Bytes files[] = {qx::encodePng(opaque).bytes, qx::encodeJpeg(opaque, 95).bytes,
                               TBitmap().SaveToBytes()};
    TPicture png, jpeg;
    ASSERT_TRUE(png.LoadFromBytes(files[0]));
    ASSERT_TRUE(jpeg.LoadFromBytes(files[1]));
    EXPECT_NE(dynamic_cast<TJPEGImage*>(jpeg.Graphic()), nullptr);
    EXPECT_EQ(jpeg.Width(), 3);
    EXPECT_EQ(qx::detectImageFormat(png.Graphic()->SaveToBytes()), qx::ImageFormat::Png);
    EXPECT_EQ(qx::detectImageFormat(jpeg.Graphic()->SaveToBytes()), qx::ImageFormat::Jpeg);

    TBitmap converted = png.ToBitmap();
    EXPECT_EQ(converted.Canvas().Pixel(2, 1), RGB(0x33, 0x66, 0x99));
    TPicture bmp;
    ASSERT_TRUE(bmp.LoadFromBytes(converted.SaveToBytes()));
    EXPECT_NE(dynamic_cast<TBitmap*>(bmp.Graphic()), nullptr);
    EXPECT_EQ(bmp.ToBitmap().Canvas().Pixel(0, 0), RGB(0x33, 0x66, 0x99));
}

TEST_F(Pictures, BrokenOrEmptyBytesNeverLeaveAHalfPicture)
{
    TPicture picture;
    ASSERT_TRUE(picture.LoadFromBytes(qx::encodePng(translucentSquare()).bytes));
    qx::Bytes cut = qx::encodePng(translucentSquare()).bytes;
    cut.resize(cut.size() / 2);
    std::string error;
    EXPECT_FALSE(picture.LoadFromBytes(cut, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.LoadFromBytes({})) << "zero bytes are an empty picture";
    EXPECT_TRUE(picture.Empty());
    const std::uint8_t text[] = {'n', 'o', 'p', 'e'};
    EXPECT_FALSE(picture.LoadFromBytes(text, &error));
    EXPECT_FALSE(picture.LoadFromFile("/nonexistent/picture.png", &error));
    EXPECT_TRUE(picture.Empty());
}

} // namespace
