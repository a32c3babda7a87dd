#pragma once
// The drawn thumb shapes, used when the chosen thumb picture is empty: outlines by shape and
// tick side, filled with a banded gradient, a glossy two-half fill or a solid colour.

#include "controls/skinned/TrackBarTypes.h"
#include "platform/gui/canvas/Colors.h"
#include "platform/gui/canvas/Geometry.h"

#include <vector>

class TCanvas;

namespace qx {

// The colours of one thumb state; clNone means not set.
struct ThumbLook
{
    TColor color, colorTo, mirror, mirrorTo, border;
    TGDIPGradient gradient, gradientMirror;
};

struct ThumbShapeSpec
{
    TThumbShape shape;
    TThumbStyle style;
    TTickMark tickSide;
    bool vertical;
    int size; // the thumb's extent across the axis
};

// The outline of the pointer shape and of the triangle and angled-pointer shapes.
std::vector<TPoint> thumbPolygon(const TRect& r, const ThumbShapeSpec& spec);

// The two-half glossy fill (upper Color to ColorTo, lower mirror colours) with a border and
// light outline when the border colour is set: circles for round shapes, else the rectangle.
void drawGlossy(TCanvas& canvas, const TRect& r, const ThumbLook& look, TColor border, TColor light,
                bool round);

void drawThumbShape(TCanvas& canvas, const TRect& r, const ThumbLook& look, const ThumbShapeSpec& spec);

} // namespace qx
