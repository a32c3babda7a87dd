#pragma once
// A white off-screen bitmap and a graphics on it; pixels are read back as 0xAARRGGBB.

#include "platform/gdiplus/Graphics.h"
#include "platform/gui/canvas/Bitmap.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cstdio>

class GdiplusFixture : public ::testing::Test
{
protected:
    GdiplusFixture() : bitmap(40, 40)
    {
        static int argc = 1;
        static char name[] = "gdiplus-tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);
        bitmap.Canvas().Brush().Color = clWhite;
        bitmap.Canvas().FillRect(Rect(0, 0, 40, 40));
    }

    qx::gdiplus::Argb at(int x, int y) { return bitmap.Image().pixel(x, y); }

    TBitmap bitmap;
};

// Each channel of a colour within tolerance of the expected one.
inline ::testing::AssertionResult near(qx::gdiplus::Argb actual, qx::gdiplus::Argb expected, int tolerance)
{
    using namespace qx::gdiplus;
    const int d = std::max({std::abs(redOf(actual) - redOf(expected)), std::abs(greenOf(actual) - greenOf(expected)),
                            std::abs(blueOf(actual) - blueOf(expected))});
    if (d <= tolerance)
        return ::testing::AssertionSuccess();
    char text[64];
    std::snprintf(text, sizeof text, "got 0x%08X, expected 0x%08X", actual, expected);
    return ::testing::AssertionFailure() << text;
}
