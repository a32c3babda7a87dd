#pragma once
// Colour conversions and area fills shared by the skinned controls' anti-aliased drawing.

#include "platform/gdiplus/GraphicsPath.h"
#include "platform/gdiplus/Types.h"
#include "platform/gui/canvas/Colors.h"

class TAdvGDIPPicture;

namespace qx::gdiplus {
class Graphics;
}

// Ordinal order is kept in settings files.
enum TAdvGradientType
{
    gtSolid,
    gtRadial,
    gtVertical,
    gtHorizontal,
    gtForwardDiagonal,
    gtBackwardDiagonal,
    gtAngle,
    gtHatch,
    gtPath,
    gtTexture,
    gtNone
};
enum TFillRoundingType
{
    rtNone,
    rtTop,
    rtBottom,
    rtBoth,
    rtLeft,
    rtRight
};

// Opaque ARGB of a colour, system colours resolved.
qx::gdiplus::Argb ArgbFromColor(TColor color);
qx::gdiplus::Argb ArgbFromColorAlpha(int alpha, TColor color);
qx::gdiplus::Argb ArgbFromRgb(int red, int green, int blue);

// The closed outline of a rectangle with the chosen corners rounded at radius r.
qx::gdiplus::GraphicsPath BuildRoundedPath(const qx::gdiplus::RectF& r, float radius, TFillRoundingType type);

struct TFillParameters
{
    qx::gdiplus::Graphics* graphics = nullptr;
    const qx::gdiplus::GraphicsPath* path = nullptr;
    bool usePath = false;
    qx::gdiplus::RectF rect;
    TAdvGradientType gradientType = gtSolid;
    TColor colorFrom = clNone;
    TColor colorTo = clNone;
    int opacityFrom = 255;
    int opacityTo = 255;
    qx::gdiplus::HatchStyle hatchStyle = qx::gdiplus::HatchStyle::Horizontal;
    int angle = 0;
    const TAdvGDIPPicture* texture = nullptr;
    TColor borderColor = clNone;
    int borderWidth = 0;
    qx::gdiplus::DashStyle borderDashStyle = qx::gdiplus::DashStyle::Solid;
    bool mirror = false;
};

// Fills the path (usePath) or the rectangle with the gradient kind; linear gradients run over
// the rectangle grown by one pixel with gamma correction. Radial, path and none draw nothing.
void FillAreaByGradient(const TFillParameters& p);
