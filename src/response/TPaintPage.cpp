#include "response/TPaintPage.h"

#include <algorithm>

void TPaintPage::SetPageRect(int left, int top, int right, int bottom, bool withPixels)
{
    const int w = std::max(right - left, 0);
    const int h = std::max(bottom - top, 0);
    bitmap_.SetSize(withPixels ? w : 0, withPixels ? h : 0);
    pageRect_ = {0, 0, w, h};
    placement_ = {left, top, right, bottom};
}

void TPaintPage::Fill(TColor colour)
{
    TCanvas& c = bitmap_.Canvas();
    c.Brush().Style = bsSolid;
    c.Brush().Color = colour;
    c.FillRect(pageRect_);
}
