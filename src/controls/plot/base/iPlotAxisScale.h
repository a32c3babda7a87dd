#pragma once
// TiPlotAxisScale: an axis' range and its map between values and pixels, a plain value
// free of widgets. The range is Min and Span; the geometry is the scale rectangle (along the
// axis its ends after the stacking margins) from which the pixels of Min and Max follow.
// Linear and decimal logarithmic scales; values far off the scale map to -32000 or 32000.

#include "platform/gui/canvas/Geometry.h"

enum TiPlotScaleType { ipstLinear, ipstLog10 };

/// Pixels of values far off the scale are held within these bounds.
inline constexpr int kPlotPixelLimit = 32000;

/// Rounds half to even and holds the result within +-kPlotPixelLimit; not-a-number gives
/// -kPlotPixelLimit.
int PlotPixel(double Value);

struct TiPlotAxisScale
{
    double Min = 0;
    double Span = 100;
    TiPlotScaleType ScaleType = ipstLinear;
    bool ReverseScale = false;
    bool Horizontal = true;
    TRect ScaleRect{};
    int ActualStart = 0;
    int ActualStop = 0;
    double PixelsPerSpanUnit = 0;

    double Max() const { return Min + Span; }
    double Mid() const { return Min + Span / 2; }

    /// Sets the scale rectangle and derives the pixels of Min and Max (left to right or
    /// bottom to top, the other way round with ReverseScale) and the pixels per unit.
    void SetScaleRect(const TRect& Rect);
    /// Pixels per unit again after Span changed (0 when beyond 1e300 in magnitude).
    void UpdatePixelsPerSpanUnit();

    /// Width of the scale rectangle for a horizontal axis, else its height.
    int AxisLengthPixels() const;
    int PositionToPixels(double Value) const;
    double PixelsToPosition(int Value) const;
    int WidthToPixels(double Value) const;
    /// (Value - Min) / Span, or (Max - Value) / Span with ReverseScale; no clamping.
    double PositionToPercent(double Value) const;
    /// The value's pixel lies on the scale rectangle (ends included).
    bool PointOnScale(double Value) const;
};
