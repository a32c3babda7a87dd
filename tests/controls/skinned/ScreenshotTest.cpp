// The skinned controls painted through their windows, as the screenshot tool grabs them.

#include "WindowScreenshot.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(SkinnedScreenshot, EachControlPaintsOnItsWindow)
{
    const QImage shot = qx::WindowScreenshot::render("TForm", QX_TEST_DATA_DIR "/SkinnedControls.layout");
    ASSERT_FALSE(shot.isNull());
    auto rgb = [&](int x, int y) { return shot.pixel(x, y) & 0xFFFFFFu; };
    // The fader at (10, 10): its track line's dark left column below the thumb (x 13 in the fader).
    EXPECT_EQ(rgb(10 + 13, 10 + 100), 0xA0A0A4u) << "the track line (clMedGray)";
    EXPECT_EQ(rgb(10 + 15, 10 + 100), 0xF6F6F6u) << "its light right column";
    // The progress bar at (60, 10): the first green block, away from the text.
    EXPECT_EQ(rgb(60 + 4, 10 + 20), 0x00FF00u) << "level-0 block, middle row";
    EXPECT_EQ(rgb(60 + 230, 10 + 20), 0xFFFFFFu) << "the empty part";
    // The value box at (60, 60): its white body; outside its rounded corner the window's colour.
    EXPECT_EQ(rgb(60 + 2, 60 + 12) & 0xF0F0F0u, 0xF0F0F0u) << "the body";
    EXPECT_EQ(rgb(60, 60), rgb(58, 58)) << "the corner shows the window";
    // The rich-text label at (60, 100): some red text.
    int red = 0;
    for (int y = 100; y < 160; ++y)
        for (int x = 60; x < 300; ++x) {
            const QRgb c = shot.pixel(x, y);
            red += qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90;
        }
    EXPECT_GT(red, 10);
}

} // namespace

#include "controls/skinned/AdvOfficeImage.h"
#include "platform/gui/Form.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Canvas.h"

#include <stdexcept>

namespace {

/// A picture control whose drawing fails half-way, on a red form.
class TFailingPictureForm : public TForm
{
public:
    class TFailingImage : public TAdvOfficeImage
    {
    public:
        using TAdvOfficeImage::TAdvOfficeImage;

    protected:
        void DrawPicture(TCanvas& canvas) override
        {
            canvas.Brush().Color = clBlue;
            canvas.FillRect(Rect(0, 0, 10, 10));
            throw std::runtime_error("broken picture");
        }
    };

    explicit TFailingPictureForm(TComponent* AOwner) : TForm(AOwner)
    {
        SetClientWidth(100);
        SetClientHeight(60);
        SetColor(clRed);
        auto* image = new TFailingImage(this);
        image->SetParent(this);
        image->SetBounds(20, 20, 40, 30);
    }
};

TEST(SkinnedScreenshot, AFailingPictureLeavesTheRestOfTheWindowPainted)
{
    qx::registerClass<TFailingPictureForm, TForm>("TFailingPictureForm");
    QImage shot;
    EXPECT_NO_THROW(shot = qx::WindowScreenshot::render("TFailingPictureForm"));
    ASSERT_EQ(shot.size(), QSize(100, 60));
    EXPECT_EQ(shot.pixel(5, 5) & 0xFFFFFFu, 0xFF0000u) << "the form";
    EXPECT_EQ(shot.pixel(70, 55) & 0xFFFFFFu, 0xFF0000u) << "beside the picture";
}

} // namespace
