#pragma once
// Drawing routines of the fader: banded gradients, colour blending, the slider's 3D frame and
// the dotted focus frame.

#include "controls/skinned/TrackBarTypes.h"
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Geometry.h"

class TCanvas;

// percent >= 100 gives c1, <= 0 gives c2, else each channel p c1 + (1 - p) c2, rounded.
TColor BlendColor(TColor c1, TColor c2, int percent);

// Bands of steps colours from `from` toward `to` (the last band one step short of `to`),
// along x when horizontal, else along y; steps 0 counts as 1.
void DrawGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, TRect r, int steps);
// DrawGradient by direction; the in-out directions go from-to over the first half and back.
void DrawGradientDir(TCanvas& canvas, TColor from, TColor to, qx::trackbar::TGradientDirection direction,
                     const TRect& r, int steps);
// The slider's 3D border: a dark left and top edge and inner dark lines, light lines inside.
void DrawFrame3D(TCanvas& canvas, const TRect& r, TColor dark, TColor light);
// The four edges with every other pixel set: top left to right, right edge down, bottom right
// to left, left edge down.
void DrawFocusFrame(TCanvas& canvas, const TRect& r, TColor color);
