#pragma once
// An off-screen bitmap with its canvas, and a reader of its pixels as TColor values.

#include "platform/gui/canvas/Bitmap.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <string>

inline void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "canvas-tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
}

class CanvasFixture : public ::testing::Test
{
protected:
    static constexpr int kSize = 24;

    CanvasFixture() : bitmap(kSize, kSize)
    {
        ensureGuiApplication();
        canvas().Brush().Color = clWhite;
        canvas().FillRect(Rect(0, 0, kSize, kSize));
    }

    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) { return canvas().Pixel(x, y); }

    // The row's pixels as a string: '#' where the colour is c, '.' elsewhere.
    std::string row(int y, TColor c, int from = 0, int to = kSize)
    {
        std::string s;
        for (int x = from; x < to; ++x)
            s += at(x, y) == c ? '#' : '.';
        return s;
    }
    std::string column(int x, TColor c, int from = 0, int to = kSize)
    {
        std::string s;
        for (int y = from; y < to; ++y)
            s += at(x, y) == c ? '#' : '.';
        return s;
    }

    TBitmap bitmap;
};
