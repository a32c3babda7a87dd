#pragma once
// One off-screen page of the response graph: a bitmap and the rectangle where
// it is shown on the control.

#include "platform/gui/canvas/Bitmap.h"

class TPaintPage
{
public:
    // right - left by bottom - top pixels, shown at (left, top); a negative
    // size counts as 0. Without pixels the page keeps its place and size but
    // holds no picture (an empty bitmap) until it is given them.
    void SetPageRect(int left, int top, int right, int bottom, bool withPixels = true);
    void Fill(TColor colour);
    void SetFont(const TFont& font) { bitmap_.Canvas().Font() = font; }

    TCanvas& Canvas() { return bitmap_.Canvas(); }
    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    const TRect& Placement() const { return placement_; }
    const TRect& PageRect() const { return pageRect_; }
    int Width() const { return pageRect_.Right; }
    int Height() const { return pageRect_.Bottom; }

private:
    TBitmap bitmap_;
    TRect placement_{};
    TRect pageRect_{};
};
