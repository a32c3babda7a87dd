#include "Artwork.h"

#include "platform/gui/canvas/Picture.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

class Art : public ::testing::Test
{
protected:
    Art()
    {
        static int argc = 1;
        static char name[] = "art-tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);
    }

    static qx::ByteView bytesOf(std::string_view data)
    {
        return {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()};
    }
};

TEST_F(Art, EveryPictureIsBuiltInAndLoadsAtItsSize)
{
    ASSERT_EQ(qx::art::resourceNames().size(), qx::art::artworks().size())
        << "the build's list of pictures and the generator's must match";
    for (const qx::art::Artwork& artwork : qx::art::artworks()) {
        const std::string_view data = qx::art::resource(artwork.name);
        ASSERT_FALSE(data.empty()) << artwork.name << " is compiled in";
        TPicture picture;
        std::string error;
        ASSERT_TRUE(picture.LoadFromBytes(bytesOf(data), &error)) << artwork.name << ": " << error;
        EXPECT_EQ(picture.Width(), artwork.width) << artwork.name;
        EXPECT_EQ(picture.Height(), artwork.height) << artwork.name;
    }
}

TEST_F(Art, PicturesAreReproducibleFromCode)
{
    for (const qx::art::Artwork& artwork : qx::art::artworks()) {
        const std::vector<std::uint8_t> fresh = qx::art::encodeArtwork(artwork);
        const qx::ByteView built = bytesOf(qx::art::resource(artwork.name));
        EXPECT_TRUE(std::equal(fresh.begin(), fresh.end(), built.begin(), built.end()))
            << artwork.name << " drawn again gives the same file";
    }
}

TEST_F(Art, ThumbsHaveClearCornersAndButtonFacesTheKeyColour)
{
    TPicture thumb;
    ASSERT_TRUE(thumb.LoadFromBytes(bytesOf(qx::art::resource("fader-thumb-v.png"))));
    const TBitmap thumbPixels = thumb.ToBitmap();
    EXPECT_EQ(qAlpha(thumbPixels.Image().pixel(0, 0)), 0) << "the corner is transparent";
    EXPECT_EQ(qAlpha(thumbPixels.Image().pixel(8, 14)), 255) << "the indicator is opaque";

    TBitmap face;
    ASSERT_TRUE(face.LoadFromBytes(bytesOf(qx::art::resource("button-up.png"))));
    EXPECT_EQ(face.TransparentColor(), clTeal) << "the bottom-left corner holds the key colour";
    EXPECT_NE(face.Canvas().Pixel(40, 15), clTeal);

    TBitmap target(80, 30);
    target.Canvas().Brush().Color = clWhite;
    target.Canvas().FillRect(Rect(0, 0, 80, 30));
    face.Transparent = true;
    target.Canvas().Draw(0, 0, face);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), clWhite) << "the key is left out when drawn";
    EXPECT_EQ(target.Canvas().Pixel(40, 15), face.Canvas().Pixel(40, 15));
}

} // namespace
