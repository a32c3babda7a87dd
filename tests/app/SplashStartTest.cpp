// The start-up splash: shown while the main window's layout is read and its windows are made,
// with the product name and the loading line, and gone when the main window first shows.
// With QX_SCREENSHOT_DIR set the splash is kept there as splash.png.

#include "ConnectionGuard.h"
#include "app/FMain.h"
#include "controls/skinned/AdvSmoothSplashScreen.h"
#include "platform/gui/Application.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Bitmap.h"
#include "platform/gui/canvas/Canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdlib>
#include <string>

namespace {

TEST(SplashAtStart, ShownWhileTheWindowsAreMadeGoneWhenTheMainWindowShows)
{
    qx::test::startProgram();
    auto* splash = qx::findComponent<TAdvSmoothSplashScreen>(*fmMain, "asScreen");
    ASSERT_NE(splash, nullptr);
    qx::findComponent<TTimer>(*fmMain, "tmStartConnect")->SetEnabled(false);

    // Every window is made and the main window not shown yet: the splash is up.
    ASSERT_TRUE(splash->Showing());
    TSplashScreenWindow* window = splash->SplashWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Visible());
    EXPECT_FALSE(fmMain->Visible());
    EXPECT_EQ(window->Width(), 600);
    EXPECT_EQ(window->Height(), 360);
    EXPECT_EQ(splash->DisplayStyle(), dsNormal);
    EXPECT_FALSE(splash->CloseOnTimeout());
    ASSERT_EQ(splash->ListItems().Count(), 1);
    EXPECT_EQ(static_cast<const TSplashListItem*>(splash->ListItems().Items(0))->HTMLText(),
              "<FONT size=\"18\" color=\"clWhite\">Loading Program....</FONT><br>");
    EXPECT_FALSE(splash->BasicProgramInfo().ProgramName().Text().empty());
    ASSERT_EQ(splash->Items().Count(), 1);
    EXPECT_EQ(static_cast<const TSplashItem*>(splash->Items().Items(0))->Picture().Width(), 160);
    EXPECT_FALSE(splash->ProgressBar().Visible());

    // Painted: the emblem, the name and the loading line stand out from the dark fill.
    TBitmap bitmap(600, 360);
    window->PaintSplash(bitmap.Canvas());
    const auto bright = [&](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (GetRValue(ColorToRGB(bitmap.Canvas().Pixel(x, y))) > 200)
                    return true;
        return false;
    };
    EXPECT_TRUE(bright(170, 240, 590, 275)) << "the product name";
    EXPECT_TRUE(bright(200, 280, 590, 320)) << "the loading line";
    EXPECT_TRUE(bright(225, 50, 385, 221)) << "the emblem";
    EXPECT_FALSE(bright(5, 5, 150, 200));
    if (const char* dir = std::getenv("QX_SCREENSHOT_DIR")) {
        Application->ProcessMessages();
        window->Widget()->grab().toImage().save(QString::fromStdString(std::string(dir) + "/splash.png"), "PNG");
    }

    // The loop shows the main window: its first showing closes the splash.
    bool checked = false;
    TTimer check(nullptr);
    check.SetInterval(1);
    check.OnTimer = [&](TObject*) {
        check.SetEnabled(false);
        checked = true;
        EXPECT_TRUE(fmMain->Visible());
        EXPECT_FALSE(splash->Showing());
        EXPECT_EQ(splash->SplashWindow(), nullptr);
        EXPECT_FALSE(fmMain->OnShow) << "the main window keeps no handler of the splash";
        Application->Terminate();
    };
    check.SetEnabled(true);
    Application->Run();
    EXPECT_TRUE(checked);
    qx::test::endProgram();
}

} // namespace
