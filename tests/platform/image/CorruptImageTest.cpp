// Truncated and corrupted picture data must give an error (or, for a flipped pixel byte,
// a picture of the declared size), never a crash or a read outside the input.
#include "platform/image/BmpCodec.h"
#include "platform/image/JpegCodec.h"
#include "platform/image/PngCodec.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Codec
{
    const char* name;
    qx::Bytes file;
    std::size_t trailer = 0; // closing bytes that carry no picture data
};

std::vector<Codec> codecs()
{
    qx::Image image(9, 6);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = 0x80000000u | static_cast<std::uint32_t>(i * 0x030507);
    image.hasAlpha = true;
    return {{"png", qx::encodePng(image).bytes, 12}, // the end chunk
            {"jpeg", qx::encodeJpeg(image, 80).bytes},
            {"progressive jpeg", qx::encodeJpeg(image, 80, true).bytes},
            {"bmp", qx::encodeBmp(image).bytes}};
}

// Each decode copies its input into a buffer of exactly that size, so the address
// sanitizer catches any read past the end.
qx::DecodeResult decodeCopy(const qx::Bytes& bytes, std::size_t length)
{
    const qx::Bytes copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    return qx::decodeImage(copy);
}

TEST(CorruptImage, EveryTruncationIsAnErrorOrEmpty)
{
    for (const Codec& codec : codecs()) {
        for (std::size_t length = 0; length < codec.file.size(); ++length) {
            const qx::DecodeResult result = decodeCopy(codec.file, length);
            if (length == 0) {
                EXPECT_TRUE(result && result.image->empty()) << codec.name << ": zero bytes are empty";
                continue;
            }
            if (length >= codec.file.size() - codec.trailer) {
                EXPECT_TRUE(result && result.image->width == 9) << codec.name << ": only the end chunk is cut";
                continue;
            }
            EXPECT_FALSE(result) << codec.name << " cut to " << length << " of " << codec.file.size();
            EXPECT_TRUE(result || !result.error.empty());
        }
    }
}

TEST(CorruptImage, FlippedBytesNeverBreakTheDecoder)
{
    std::uint32_t seed = 7;
    for (const Codec& codec : codecs()) {
        for (int round = 0; round < 400; ++round) {
            qx::Bytes bad = codec.file;
            for (int flips = 0; flips < 1 + round % 4; ++flips) {
                seed = seed * 1664525u + 1013904223u;
                bad[seed % bad.size()] ^= static_cast<std::uint8_t>(1 + (seed >> 24) % 255);
            }
            const qx::DecodeResult result = decodeCopy(bad, bad.size());
            if (result) {
                EXPECT_EQ(result.image->pixels.size(),
                          static_cast<std::size_t>(result.image->width) * result.image->height)
                    << codec.name;
            } else {
                EXPECT_FALSE(result.error.empty()) << codec.name;
            }
        }
    }
}

TEST(CorruptImage, ForgedHugeSizesAreRefused)
{
    qx::Bytes bmp = qx::encodeBmp(qx::Image(2, 2)).bytes;
    bmp[21] = 0x7F; // width 0x7F000002
    EXPECT_FALSE(qx::decodeBmp(bmp));
    qx::Bytes png = qx::encodePng(qx::Image(2, 2)).bytes;
    png[16] = 0x00;
    png[17] = 0xFF; // width 0x00FF0002: the header's checksum no longer matches either
    EXPECT_FALSE(qx::decodePng(png));
}

// Where the frame header of a JPEG stores its height (then its width).
std::size_t jpegSizeOffset(const qx::Bytes& jpeg)
{
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2))
            return i + 5;
    return 0;
}

// Where the data of the first scan begins: past its header.
std::size_t jpegScanDataOffset(const qx::Bytes& jpeg)
{
    for (std::size_t i = 0; i + 3 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA)
            return i + 2 + (std::size_t(jpeg[i + 2]) << 8 | jpeg[i + 3]);
    return 0;
}

qx::Bytes withDeclaredSize(qx::Bytes jpeg, int width, int height)
{
    const std::size_t at = jpegSizeOffset(jpeg);
    jpeg[at] = static_cast<std::uint8_t>(height >> 8);
    jpeg[at + 1] = static_cast<std::uint8_t>(height);
    jpeg[at + 2] = static_cast<std::uint8_t>(width >> 8);
    jpeg[at + 3] = static_cast<std::uint8_t>(width);
    return jpeg;
}

// A picture of a few hundred bytes declaring 65283 x 254 pixels, in one scan
// or progressive, whole or cut short after the header of its first scan, is
// refused from its header, before any row or scan is decoded; real pictures,
// large ones of one flat colour included, still decode.
TEST(CorruptImage, PicturesFarLargerThanTheirDataAreRefused)
{
    qx::Image small(5, 4);
    for (std::size_t i = 0; i < small.pixels.size(); ++i)
        small.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x0B1D3F);
    for (const bool progressive : {false, true}) {
        const qx::Bytes bytes = qx::encodeJpeg(small, 90, progressive).bytes;
        ASSERT_NE(jpegSizeOffset(bytes), 0u);
        const qx::Bytes huge = withDeclaredSize(bytes, 65283, 254);
        const std::size_t cut = std::max<std::size_t>(300, jpegScanDataOffset(huge) + 8);
        ASSERT_LT(cut, huge.size());
        const struct
        {
            const char* name;
            qx::Bytes bytes;
        } refused[] = {
            {"whole", huge},
            {"cut short", qx::Bytes(huge.begin(), huge.begin() + static_cast<std::ptrdiff_t>(cut))},
        };
        for (const auto& c : refused) {
            const qx::DecodeResult result = qx::decodeJpeg(c.bytes);
            EXPECT_FALSE(result) << c.name << (progressive ? ", progressive" : ", one scan");
            EXPECT_EQ(result.error, "JPEG: picture far larger than its data") << c.name;
        }
    }

    qx::Image flat(1024, 1024);
    std::fill(flat.pixels.begin(), flat.pixels.end(), 0xFF808080u);
    qx::Image wide(4000, 16);
    std::fill(wide.pixels.begin(), wide.pixels.end(), 0xFF000000u);
    for (const bool progressive : {false, true}) {
        for (const qx::Image& image : {small, flat, wide}) {
            const qx::Bytes bytes = qx::encodeJpeg(image, 75, progressive).bytes;
            const qx::DecodeResult result = qx::decodeJpeg(bytes);
            ASSERT_TRUE(result) << image.width << (progressive ? ", progressive: " : ": ") << result.error;
            EXPECT_EQ(result.image->width, image.width);
            EXPECT_EQ(result.image->height, image.height);
        }
    }
}

// Damage stops the reading at once, with the reader's own account of it.
TEST(CorruptImage, ACutPictureIsRefusedWithWhatWasWrong)
{
    qx::Image image(64, 64);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x010305);
    const qx::Bytes bytes = qx::encodeJpeg(image, 90).bytes;
    const qx::DecodeResult result = qx::decodeJpeg(qx::Bytes(bytes.begin(), bytes.end() - 200));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "JPEG: Premature end of JPEG file");
}

} // namespace
