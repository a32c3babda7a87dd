#include "platform/image/BmpCodec.h"
#include "platform/image/JpegCodec.h"
#include "platform/image/PngCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

qx::Image sample(bool alpha)
{
    qx::Image image(7, 5);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t a = alpha ? static_cast<std::uint32_t>(x * 40) : 255u;
            image.setPixel(x, y, a << 24 | std::uint32_t(x * 36) << 16 | std::uint32_t(y * 60) << 8 | 0x5A);
        }
    image.hasAlpha = alpha;
    return image;
}

int channelDistance(std::uint32_t a, std::uint32_t b)
{
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
    return worst;
}

TEST(PngCodec, RoundTripKeepsEveryPixelAndAlpha)
{
    for (const bool alpha : {false, true}) {
        const qx::Image original = sample(alpha);
        for (const int level : {0, 6, 9}) {
            const qx::EncodeResult encoded = qx::encodePng(original, level);
            ASSERT_TRUE(encoded.ok()) << encoded.error;
            const qx::DecodeResult decoded = qx::decodePng(encoded.bytes);
            ASSERT_TRUE(decoded) << decoded.error;
            EXPECT_EQ(decoded.image->pixels, original.pixels) << "alpha " << alpha << " level " << level;
            EXPECT_EQ(decoded.image->hasAlpha, alpha);
            EXPECT_EQ(decoded.image->bitsPerPixel, alpha ? 32 : 24);
            EXPECT_EQ(decoded.image->sourceFormat, qx::ImageFormat::Png);
        }
    }
}

TEST(PngCodec, HigherCompressionLevelIsNotLarger)
{
    qx::Image flat(200, 200, 0xFF336699u);
    EXPECT_LT(qx::encodePng(flat, 9).bytes.size(), qx::encodePng(flat, 0).bytes.size())
        << "level 0 stores, level 9 deflates";
}

TEST(JpegCodec, RoundTripStaysCloseAtHighQuality)
{
    qx::Image original(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            original.setPixel(x, y, 0xFF000000u | std::uint32_t(x * 16) << 16 | std::uint32_t(y * 16) << 8 | 128);
    for (const bool progressive : {false, true}) {
        const qx::EncodeResult encoded = qx::encodeJpeg(original, 98, progressive);
        ASSERT_TRUE(encoded.ok()) << encoded.error;
        const qx::DecodeResult decoded = qx::decodeJpeg(encoded.bytes);
        ASSERT_TRUE(decoded) << decoded.error;
        ASSERT_EQ(decoded.image->width, 16);
        ASSERT_EQ(decoded.image->height, 16);
        for (std::size_t i = 0; i < original.pixels.size(); ++i)
            ASSERT_LE(channelDistance(decoded.image->pixels[i], original.pixels[i]), 12) << "pixel " << i;
    }
}

TEST(JpegCodec, LowerQualityGivesSmallerFile)
{
    qx::Image noisy(64, 64);
    std::uint32_t seed = 12345;
    for (auto& p : noisy.pixels) {
        seed = seed * 1103515245u + 12345u;
        p = 0xFF000000u | (seed >> 8 & 0xFFFFFF);
    }
    EXPECT_LT(qx::encodeJpeg(noisy, 20).bytes.size(), qx::encodeJpeg(noisy, 95).bytes.size());
}

TEST(BmpCodec, RoundTripsAt24And32Bits)
{
    for (const bool alpha : {false, true}) {
        const qx::Image original = sample(alpha);
        const qx::EncodeResult encoded = qx::encodeBmp(original);
        ASSERT_TRUE(encoded.ok());
        const qx::DecodeResult decoded = qx::decodeBmp(encoded.bytes);
        ASSERT_TRUE(decoded) << decoded.error;
        EXPECT_EQ(decoded.image->pixels, original.pixels);
        EXPECT_EQ(decoded.image->bitsPerPixel, alpha ? 32 : 24);
    }
}

TEST(BmpCodec, ReadsPaletteBitmapsBottomUpAndTopDown)
{
    // 3 x 2 pixels, 4 bits per pixel, palette black, red, green.
    const std::vector<std::uint8_t> header = {
        'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0,       // file header, data at 66
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 4, 0,     // 3 x 2, 4 bits
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        3, 0, 0, 0, 0, 0, 0, 0,                              // 3 colours used
        0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0};            // palette (B, G, R, 0)
    std::vector<std::uint8_t> file = header;
    const std::vector<std::uint8_t> rows = {0x12, 0x00, 0, 0, 0x21, 0x00, 0, 0}; // file row 0, then row 1
    file.insert(file.end(), rows.begin(), rows.end());
    const qx::DecodeResult bottomUp = qx::decodeBmp(file);
    ASSERT_TRUE(bottomUp) << bottomUp.error;
    EXPECT_EQ(bottomUp.image->pixel(0, 0), 0xFF00FF00u) << "the last file row is the top row";
    EXPECT_EQ(bottomUp.image->pixel(1, 0), 0xFFFF0000u);
    EXPECT_EQ(bottomUp.image->pixel(0, 1), 0xFFFF0000u);
    EXPECT_EQ(bottomUp.image->pixel(2, 1), 0xFF000000u);
    EXPECT_TRUE(bottomUp.image->hasPalette);

    file[25] = 0xFF; // height -2: top-down
    file[22] = 0xFE;
    file[23] = file[24] = 0xFF;
    const qx::DecodeResult topDown = qx::decodeBmp(file);
    ASSERT_TRUE(topDown) << topDown.error;
    EXPECT_EQ(topDown.image->pixel(0, 0), 0xFFFF0000u);
}

TEST(ImageFormat, DetectsBySignatureAndZeroBytesAreAnEmptyPicture)
{
    EXPECT_EQ(qx::detectImageFormat(qx::encodePng(sample(false)).bytes), qx::ImageFormat::Png);
    EXPECT_EQ(qx::detectImageFormat(qx::encodeJpeg(sample(false)).bytes), qx::ImageFormat::Jpeg);
    EXPECT_EQ(qx::detectImageFormat(qx::encodeBmp(sample(false)).bytes), qx::ImageFormat::Bmp);
    const qx::DecodeResult empty = qx::decodeImage({});
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty.image->empty());
    const std::uint8_t text[] = {'h', 'e', 'l', 'l', 'o'};
    EXPECT_FALSE(qx::decodeImage(text));
}

} // namespace
