#include "controls/plot/base/iPlotAxisScale.h"

#include "controls/plot/base/iMath.h"

#include <cmath>

int PlotPixel(double Value)
{
    if (std::isnan(Value))
        return -kPlotPixelLimit;
    const double held = std::fmin(std::fmax(Value, -kPlotPixelLimit), kPlotPixelLimit);
    return static_cast<int>(std::nearbyint(held));
}

void TiPlotAxisScale::SetScaleRect(const TRect& Rect)
{
    ScaleRect = Rect;
    if (Horizontal) {
        ActualStart = ReverseScale ? Rect.Right : Rect.Left;
        ActualStop = ReverseScale ? Rect.Left : Rect.Right;
    } else {
        ActualStart = ReverseScale ? Rect.Top : Rect.Bottom;
        ActualStop = ReverseScale ? Rect.Bottom : Rect.Top;
    }
    UpdatePixelsPerSpanUnit();
}

void TiPlotAxisScale::UpdatePixelsPerSpanUnit()
{
    PixelsPerSpanUnit = (ActualStart - ActualStop) / Span;
    if (!(std::fabs(PixelsPerSpanUnit) <= 1e300))
        PixelsPerSpanUnit = 0;
}

int TiPlotAxisScale::AxisLengthPixels() const { return Horizontal ? ScaleRect.Width() : ScaleRect.Height(); }

int TiPlotAxisScale::PositionToPixels(double Value) const
{
    if (ActualStart == ActualStop || Span <= 1e-300)
        return (ActualStart + ActualStop) / 2;
    if (ScaleType == ipstLinear)
        return PlotPixel(ActualStart - (Value - Min) * PixelsPerSpanUnit);
    const double m = Min > 0 ? Min : 1;
    const double s = Span > 0 ? Span : 1;
    const double l = static_cast<double>(Log10(m + s) - Log10(m));
    if (l == 0)
        return 0;
    const double v = Value > 0 ? Value : 1;
    return PlotPixel(ActualStart - static_cast<double>(Log10(v) - Log10(m)) * (ActualStart - ActualStop) / l);
}

double TiPlotAxisScale::PixelsToPosition(int Value) const
{
    double f = 0;
    if (Horizontal) {
        if (ScaleRect.Left == ScaleRect.Right)
            return Min;
        f = ReverseScale ? static_cast<double>(ScaleRect.Right - Value) / (ScaleRect.Right - ScaleRect.Left)
                         : static_cast<double>(Value - ScaleRect.Left) / (ScaleRect.Right - ScaleRect.Left);
    } else {
        if (ScaleRect.Top == ScaleRect.Bottom)
            return Min;
        f = ReverseScale ? static_cast<double>(Value - ScaleRect.Top) / (ScaleRect.Bottom - ScaleRect.Top)
                         : static_cast<double>(ScaleRect.Bottom - Value) / (ScaleRect.Bottom - ScaleRect.Top);
    }
    if (ScaleType == ipstLinear)
        return Min + Span * f;
    // A range a logarithmic scale cannot show is read as its pixel map reads it.
    const double m = Min > 0 ? Min : 1;
    const double s = Span > 0 ? Span : 1;
    const long double lmin = Log10(m);
    return static_cast<double>(Power(10, lmin + (Log10(m + s) - lmin) * f));
}

int TiPlotAxisScale::WidthToPixels(double Value) const
{
    const long long d = static_cast<long long>(PositionToPixels(Min + Value)) - PositionToPixels(Min);
    return static_cast<int>(d < 0 ? -d : d);
}

double TiPlotAxisScale::PositionToPercent(double Value) const
{
    return ReverseScale ? (Max() - Value) / Span : (Value - Min) / Span;
}

bool TiPlotAxisScale::PointOnScale(double Value) const
{
    const int p = PositionToPixels(Value);
    if (Horizontal)
        return p >= ScaleRect.Left && p <= ScaleRect.Right;
    return p >= ScaleRect.Top && p <= ScaleRect.Bottom;
}
