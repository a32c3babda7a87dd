// The stored-byte pictures: file headers measured without decoding, PNG with alpha, JPEG and
// BMP through the image layer, colour-key drawing, textures, loading rules and the container.

#include "TempDir.h"
#include "platform/gui/canvas/Picture.h"
#include "controls/skinned/AdvGDIPPicture.h"
#include "controls/skinned/GDIPPictureContainer.h"
#include "controls/skinned/GDIPicture.h"
#include "controls/skinned/ImageHeaders.h"
#include "platform/gdiplus/Graphics.h"
#include "platform/gui/canvas/Bitmap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using qx::gdiplus::Graphics;
using qx::gdiplus::RectF;

TBitmap solid(int w, int h, TColor color)
{
    TBitmap b(w, h);
    b.SetPixelFormat(pf24bit);
    b.Canvas().Brush().Color = color;
    b.Canvas().FillRect(Rect(0, 0, w, h));
    return b;
}

qx::Bytes pngOf(const TBitmap& b)
{
    TPngImage png;
    png.Assign(b);
    return png.SaveToBytes();
}

qx::Bytes jpegOf(const TBitmap& b, bool progressive)
{
    TJPEGImage jpeg;
    jpeg.ProgressiveEncoding = progressive;
    jpeg.Assign(b);
    return jpeg.SaveToBytes();
}

class PictureFiles : public ::testing::Test
{
protected:
    std::string write(const std::string& name, const qx::Bytes& bytes)
    {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    qx::test::TempDir dir;
};

// A little-endian TIFF header with one directory holding width 300 and height 20.
qx::Bytes tiff()
{
    qx::Bytes b{'I', 'I', 42, 0, 8, 0, 0, 0, 2, 0};
    for (auto [tag, value] : {std::pair{256, 300}, std::pair{257, 20}}) {
        const qx::Bytes entry{std::uint8_t(tag),   std::uint8_t(tag >> 8),   3, 0, 1, 0, 0, 0,
                              std::uint8_t(value), std::uint8_t(value >> 8), 0, 0};
        b.insert(b.end(), entry.begin(), entry.end());
    }
    return b;
}

// A GIF header with a 2-entry global colour table, then an image descriptor of 300 x 20.
qx::Bytes gif()
{
    return qx::Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, // header
                     0, 0, 0, 0, 0, 0,                                   // colour table
                     0x2C, 0, 0, 0, 0, 0x2C, 0x01, 20, 0, 0, 2};         // image descriptor
}

// A JPEG whose only frame marker is C3 (lossless): no size found.
qx::Bytes jpegC3()
{
    return {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x00, 0x00, 0xFF,
            0xC3, 0x00, 0x0B, 0x08, 0x00, 0x14, 0x01, 0x2C};
}

TEST_F(PictureFiles, HeaderReadersMeasureByExtension)
{
    const TBitmap b = solid(300, 20, clRed);
    struct Case
    {
        std::string name;
        qx::Bytes bytes;
        qx::PixelSize size;
    };
    const Case cases[] = {
        {"a.png", pngOf(b), {300, 20}},
        {"b.JPG", jpegOf(b, false), {300, 20}},
        {"c.jpeg", jpegOf(b, true), {300, 20}},
        {"d.jpg", jpegC3(), {0, 0}},
        {"e.bmp", b.SaveToBytes(), {300, 20}},
        {"f.tiff", tiff(), {300, 20}},
        {"g.tif", tiff(), {0, 0}},
        {"h.gif", gif(), {300, 20}},
        {"i.png", b.SaveToBytes(), {0, 0}},
        {"j.txt", pngOf(b), {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qx::ReadPixelSizeByExtension(write(c.name, c.bytes)), c.size) << c.name;
    EXPECT_EQ(qx::ReadPixelSizeByExtension((dir / "missing.png").string()), (qx::PixelSize{0, 0}));
}

TEST_F(PictureFiles, LoadFromFileMeasuresByHeaderAndFailsToEmpty)
{
    TAdvGDIPPicture picture;
    int clears = 0;
    picture.OnClear = [&](TObject*) { ++clears; };
    EXPECT_TRUE(picture.LoadFromFile(write("a.png", pngOf(solid(30, 2, clRed)))));
    EXPECT_EQ(picture.Width(), 30);
    EXPECT_EQ(clears, 1);
    EXPECT_FALSE(picture.LoadFromFile((dir / "none.png").string()));
    EXPECT_TRUE(picture.Empty());
}

TEST(Pictures, StreamsLayoutDataAndResources)
{
    TAdvGDIPPicture a;
    const qx::Bytes png = pngOf(solid(4, 3, clRed));
    a.ReadData(png);
    EXPECT_EQ(a.SaveToBytes(), png) << "layout data saves back byte for byte";
    EXPECT_EQ(a.Width(), 4);
    a.LoadFromStream({});
    EXPECT_EQ(a.Data(), png) << "an empty stream keeps the previous image";

    TGDIPPicture g;
    g.LoadFromStream(png);
    g.LoadFromStream({});
    EXPECT_TRUE(g.Empty()) << "a picture without bytes is empty";
    EXPECT_EQ(g.Width(), 4) << "and keeps its last size";

    TAdvGDIPPicture r;
    r.LoadFromURL("res://fader-thumb-v.png");
    EXPECT_EQ(r.Width(), 16);
    EXPECT_EQ(r.Height(), 29);
    TAdvGDIPPicture none;
    none.LoadFromURL("http://fader-thumb-v.png");
    none.LoadFromURL("RES://");
    EXPECT_TRUE(none.Empty());
}

TEST(Pictures, AssignCopiesClearsAndTakesBitmaps)
{
    TAdvGDIPPicture a, b;
    a.LoadFromStream(pngOf(solid(5, 6, clRed)));
    int changes = 0, clears = 0;
    b.OnChange = [&] { ++changes; };
    b.OnClear = [&](TObject*) { ++clears; };
    b.Assign(&a);
    EXPECT_EQ(b.Data(), a.Data());
    EXPECT_EQ(b.Height(), 6);
    b.Clear();
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(clears, 1);
    b.Assign(solid(7, 8, clBlue));
    EXPECT_FALSE(b.Empty());
    EXPECT_EQ(b.Width(), 7);
    EXPECT_EQ(changes, 3);

    TGDIPPicture g;
    g.Assign(TPngImage{});
    EXPECT_TRUE(g.Empty()) << "only pictures of its kind and bitmaps";
}

class PictureDrawing : public ::testing::Test
{
protected:
    PictureDrawing() : target(solid(40, 40, clWhite)) {}
    TColor at(int x, int y) { return target.Canvas().Pixel(x, y); }

    TBitmap target;
};

TEST_F(PictureDrawing, PngAlphaBlends)
{
    TBitmap half(4, 4);
    half.SetPixelFormat(pf32bit);
    half.Image().fill(0x80FF0000u); // red at half alpha
    TAdvGDIPPicture p;
    p.LoadFromStream(pngOf(half));
    {
        Graphics g(target);
        p.GDIPDraw(g, Rect(0, 0, 4, 4));
    }
    const TColor c = at(1, 1);
    EXPECT_EQ(GetRValue(c), 255);
    EXPECT_NEAR(GetGValue(c), 127, 2);
    EXPECT_TRUE(p.HasAlpha());
}

TEST_F(PictureDrawing, JpegStretchedIntoTheRectangle)
{
    TAdvGDIPPicture p;
    p.LoadFromStream(jpegOf(solid(4, 4, clBlue), false));
    {
        Graphics g(target);
        p.GDIPDraw(g, Rect(0, 0, 20, 20));
    }
    EXPECT_LT(GetRValue(at(18, 18)), 20);
    EXPECT_GT(GetBValue(at(18, 18)), 230);
    EXPECT_EQ(at(22, 22), clWhite);
}

// A 6 x 6 bitmap: blue, its bottom row and left column in the key colour.
qx::Bytes keyedBmp(TColor key)
{
    TBitmap b = solid(6, 6, clBlue);
    b.Canvas().Brush().Color = key;
    b.Canvas().FillRect(Rect(0, 5, 6, 6));
    b.Canvas().FillRect(Rect(0, 0, 1, 6));
    return b.SaveToBytes();
}

TEST_F(PictureDrawing, BitmapColourKeyAndSizes)
{
    TAdvGDIPPicture p;
    p.LoadFromStream(keyedBmp(clFuchsia));
    p.Transparent = true;
    {
        Graphics g(target);
        p.GDIPDraw(g, Rect(0, 0, 30, 30));    // natural size, bottom-left colour keyed out
        p.GDIPDraw(g, RectF{10, 10, 12, 12}); // stretched
    }
    EXPECT_EQ(at(0, 2), clWhite) << "the key colour is left out";
    EXPECT_EQ(at(2, 2), clBlue);
    EXPECT_EQ(at(7, 2), clWhite) << "the integer rectangle keeps the natural size";
    EXPECT_EQ(at(20, 15), clBlue) << "the float rectangle stretches";
    EXPECT_EQ(at(10, 15), clWhite);

    TAdvGDIPPicture fixed;
    fixed.LoadFromStream(keyedBmp(clLime));
    fixed.Transparent = true;
    fixed.TransparentMode = tmFixed;
    fixed.TransparentColor = clBlue;
    TBitmap t2 = solid(10, 10, clWhite);
    {
        Graphics g(t2);
        fixed.GDIPDraw(g, Rect(0, 0, 6, 6));
    }
    EXPECT_EQ(t2.Canvas().Pixel(3, 2), clWhite) << "the fixed colour is left out";
    EXPECT_EQ(t2.Canvas().Pixel(0, 2), clLime);
}

TEST_F(PictureDrawing, CanvasDrawOfABitmapLeavesOutTheBottomLeftColour)
{
    TGDIPPicture p;
    p.LoadFromStream(keyedBmp(clFuchsia));
    target.Canvas().Draw(0, 0, p);
    EXPECT_EQ(at(0, 2), clWhite);
    EXPECT_EQ(at(3, 2), clBlue);
}

TEST_F(PictureDrawing, TextureFillTiles)
{
    TBitmap b = solid(2, 1, clRed);
    b.Canvas().SetPixel(1, 0, clBlue);
    TAdvGDIPPicture p;
    p.LoadFromStream(pngOf(b));
    {
        Graphics g(target);
        p.FillRect(g, RectF{0, 0, 10, 10});
    }
    EXPECT_EQ(at(0, 5), clRed);
    EXPECT_EQ(at(1, 5), clBlue);
    EXPECT_EQ(at(8, 9), clRed);
    EXPECT_EQ(at(12, 5), clWhite);
}

TEST_F(PictureDrawing, UndecodableBytesMeasureZeroAndDrawNothing)
{
    TAdvGDIPPicture p;
    p.LoadFromStream(qx::Bytes{1, 2, 3, 4});
    EXPECT_EQ(p.Width(), 0);
    Graphics g(target);
    p.GDIPDraw(g, Rect(0, 0, 10, 10));
    EXPECT_EQ(at(5, 5), clWhite);
}

TEST(PictureContainer, FindsByNameRegardlessOfCase)
{
    TGDIPPictureContainer container(nullptr);
    TPictureItem* a = container.Add();
    a->SetName("Logo");
    a->Picture().LoadFromStream(pngOf(solid(2, 2, clRed)));
    container.Add()->SetName("other");
    EXPECT_EQ(container.FindPicture("LOGO"), &a->Picture());
    EXPECT_EQ(container.FindPicture("missing"), nullptr);
    TPictureItem* b = container.Add();
    b->Assign(*a);
    EXPECT_EQ(b->Name(), "Logo");
    EXPECT_EQ(b->Picture().Data(), a->Picture().Data());
}

} // namespace
