#pragma once
// Small drawing steps the standard controls share.

#include "platform/gui/canvas/Canvas.h"

namespace qx {

/// Fills r with a solid colour and leaves the brush clear for text after it.
inline void fillThenClearBrush(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush().Color = color;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(r);
    canvas.Brush().Style = bsClear;
}

} // namespace qx
