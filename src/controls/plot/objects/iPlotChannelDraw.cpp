// TiPlotChannel's painting: fill, bars, the trace styles, markers and high-low bars.

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iMath.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannel.h"
#include "controls/plot/objects/iPlotDataView.h"

#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/LineRaster.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

int TracePenWidth(int Width) { return Width == 1 ? 0 : Width; }

TRect OrientedRect(bool XYReversed, int X1, int Y1, int X2, int Y2)
{
    return XYReversed ? NormalRect(Y1, X1, Y2, X2) : NormalRect(X1, Y1, X2, Y2);
}

bool IsDifferential(TiPlotInterpolationStyle Style)
{
    return Style == ipistDifferential || Style == ipistDifferentialTerminated;
}

enum NevilleStyle { kSpline, kPolynomial, kRational };

} // namespace

// ---- Preparing ----

void TiPlotChannel::PrepareDraw()
{
    SetCanDraw(false);
    if (!AxesAssigned() || !Visible() || Count() == 0)
        return;
    UpdateDirection();
    TiPlotAxis* x = XAxis();
    TiPlotAxis* y = YAxis();
    const double oldest = DataX(0), newest = DataX(Count() - 1);
    if (!FDrawOutOfOrderXValues) {
        const bool overlap =
            FXIncreasing ? x->Min() <= newest && oldest <= x->Max() : oldest >= x->Min() && newest <= x->Max();
        if (!overlap)
            return;
    }
    CalcStartIndex();
    CalcStopIndex();
    if (!IsDifferential(FInterpolationStyle) && (DrawStartIndex() == -1 || DrawStopIndex() == -1))
        return;
    if (FDigitalReferenceStyle == ipdrPercent) {
        FPixelsHigh = y->PositionToPixels(y->Span() * FDigitalReferenceHigh / 100 + y->Min());
        FPixelsLow = y->PositionToPixels(y->Span() * FDigitalReferenceLow / 100 + y->Min());
    } else {
        FPixelsHigh = y->PositionToPixels(FDigitalReferenceHigh);
        FPixelsLow = y->PositionToPixels(FDigitalReferenceLow);
    }
    FPixelListStart = std::min(x->MinPixels(), x->MaxPixels());
    FPixelListStop = std::max(x->MinPixels(), x->MaxPixels());
    const std::size_t needed = static_cast<std::size_t>(FPixelListStop - FPixelListStart) + 1;
    if (FPixelList.size() < needed)
        FPixelList.resize(needed);
    for (TiPlotPixelPoint& p : FPixelList)
        p.Null = true;
    SetCanDraw(true);
}

void TiPlotChannel::SetPixelPoint(int XPixel, double YValue)
{
    if (XPixel < FPixelListStart || XPixel > FPixelListStop)
        throw EiPlotError(iPlotChannelText::PixelListOutOfRange);
    TiPlotPixelPoint& p = FPixelList[static_cast<std::size_t>(XPixel - FPixelListStart)];
    p.Null = false;
    p.XPixel = XPixel;
    p.YValue = YValue;
}

// ---- Draw ----

void TiPlotChannel::Draw(TCanvas& Canvas, TColor BackGroundColor)
{
    try {
        const bool reversed = XYAxesReversed();
        if (ClipToAxes() && AxesAssigned()) {
            TiPlotAxis* x = XAxis();
            TiPlotAxis* y = YAxis();
            Canvas.IntersectClipRect(reversed ? NormalRect(y->MinPixels(), x->MinPixels(), y->MaxPixels(), x->MaxPixels())
                                              : NormalRect(x->MinPixels(), y->MinPixels(), x->MaxPixels(), y->MaxPixels()));
        }
        if (FFillEnabled && FFillStyle != bsClear && FInterpolationStyle == ipistStraightLine && !FDigitalEnabled)
            DrawFill(Canvas, reversed, BackGroundColor);
        if (FBarEnabled)
            DrawBars(Canvas, reversed, BackGroundColor);
        DrawTrace(Canvas, reversed, BackGroundColor);
        DrawMarkers(Canvas, reversed, BackGroundColor);
        if (FHighLowEnabled && AxesAssigned() && DrawStartIndex() >= 0 && DrawStopIndex() >= 0) {
            Canvas.Pen().Width = 0;
            Canvas.Pen().Style = psSolid;
            Canvas.Brush().Style = bsSolid;
            if (FHighLowStyle == iphlsOpenClose)
                DrawHighLowOpenClose(Canvas, reversed);
            else
                DrawHighLowCandleStick(Canvas, reversed);
        }
    } catch (...) {
        // A failing style leaves the channel partly drawn; the rest of the plot still paints.
    }
}

void TiPlotChannel::DrawQuad(TCanvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2,
                             double X3, double Y3, double X4, double Y4, bool YPercent)
{
    TiPlotAxis* x = XAxis();
    TiPlotAxis* y = YAxis();
    if (!x || !y)
        return;
    TiPlotDataView* view = nullptr;
    if (YPercent) {
        TiPlotHost* host = Host();
        if (host && host->MasterManager().DataViewManager()->Count() > 0)
            view = dynamic_cast<TiPlotDataView*>(host->MasterManager().DataViewManager()->GetItem(0));
        if (!view)
            return;
    }
    auto pixel = [&](double X, double Y) {
        const int px = x->PositionToPixels(X);
        const int py = !view ? y->PositionToPixels(Y)
                             : (XYReversed ? view->PositionPercentToPixelsX(Y) : view->PositionPercentToPixelsY(Y));
        return SwapPoint(XYReversed, px, py);
    };
    const std::array<TPoint, 4> points{pixel(X1, Y1), pixel(X2, Y2), pixel(X3, Y3), pixel(X4, Y4)};
    Canvas.Polygon(points);
}

void TiPlotChannel::FillSegment(TCanvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2,
                                bool YPercent)
{
    // The area between the level Y1..Y2 and the fill reference, in the brush colour.
    Canvas.Pen().Color = FillBrushColor();
    DrawQuad(Canvas, XYReversed, X1, FFillReference, X1, Y1, X2, Y2, X2, FFillReference, YPercent);
    Canvas.Pen().Color = Color();
}

void TiPlotChannel::DrawFill(TCanvas& Canvas, bool XYReversed, TColor)
{
    if (DrawStartIndex() < 0 || DrawStopIndex() < 0)
        return;
    Canvas.Brush().Style = FFillStyle;
    Canvas.Brush().Color = FillBrushColor();
    Canvas.Pen().Color = FillBrushColor();
    Canvas.Pen().Width = 0;
    Canvas.Pen().Style = psClear;
    bool broken = true;
    double lastX = 0, lastY = 0;
    ForEachPoint(
        DrawStartIndex(), DrawStopIndex(), [&](int, double) { broken = true; },
        [&](int, double x, double y) {
            if (!broken)
                DrawQuad(Canvas, XYReversed, lastX, FFillReference, lastX, lastY, x, y, x, FFillReference);
            broken = false;
            lastX = x;
            lastY = y;
        });
}

TRect TiPlotChannel::BarRect(int Index)
{
    TiPlotAxis* x = XAxis();
    TiPlotAxis* y = YAxis();
    if (!x || !y)
        return {};
    const double half = DataBarWidth(Index) / 2;
    return OrientedRect(XYAxesReversed(), x->PositionToPixels(DataX(Index) - half),
                        y->PositionToPixels(DataBarReference(Index)), x->PositionToPixels(DataX(Index) + half),
                        y->PositionToPixels(DataY(Index)));
}

void TiPlotChannel::DrawBars(TCanvas& Canvas, bool, TColor)
{
    if (DrawStartIndex() < 0 || DrawStopIndex() < 0 || !AxesAssigned())
        return;
    for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
        if (!DataValid(i) || !DataBarVisible(i))
            continue;
        Canvas.Brush().Color = FBarBrushUseChannelColor ? Color() : DataBarBrushColor(i);
        Canvas.Pen().Color = FBarPenUseChannelColor ? Color() : DataBarPenColor(i);
        Canvas.Pen().Width = DataBarPenWidth(i);
        Canvas.Pen().Style = DataBarPenStyle(i);
        Canvas.Brush().Style = DataBarBrushStyle(i);
        TRect r = BarRect(i);
        if (r.Left == r.Right)
            r.Right = r.Left + 1;
        Canvas.Rectangle(r);
    }
}

// ---- Trace ----

void TiPlotChannel::DrawTrace(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor)
{
    if (!TraceVisible())
        return;
    if (!FDigitalEnabled && FInterpolationStyle == ipistStraightLine && !FFastDrawEnabled) {
        TiPlotChannelCustom::DrawTrace(Canvas, XYReversed, BackGroundColor);
        return;
    }
    Canvas.Pen().Color = Color();
    Canvas.Brush().Style = bsClear;
    Canvas.Pen().Style = static_cast<TPenStyle>(TraceLineStyle());
    Canvas.Pen().Width = TracePenWidth(TraceLineWidth());
    if (FDigitalEnabled) {
        DrawDigitalTrace(Canvas, XYReversed);
        return;
    }
    switch (FInterpolationStyle) {
    case ipistStraightLine:
        DrawFastTrace(Canvas, XYReversed);
        break;
    case ipistCubicSpline:
        DrawSplineTrace(Canvas, XYReversed);
        break;
    case ipistPolynomial:
        DrawNevilleTrace(Canvas, XYReversed, kPolynomial);
        break;
    case ipistRational:
        DrawNevilleTrace(Canvas, XYReversed, kRational);
        break;
    case ipistDifferential:
    case ipistDifferentialTerminated:
        DrawSteppedTrace(Canvas, XYReversed);
        break;
    }
}

void TiPlotChannel::DrawFastTrace(TCanvas& Canvas, bool XYReversed)
{
    FFastTraceLines = 0;
    const int start = DrawStartIndex(), stop = DrawStopIndex();
    TiPlotAxis* xAxis = XAxis();
    if (start == stop || start < 0 || stop < 0 || !xAxis)
        return;
    const TiPlotFastTrace::Key key{FRevision,        start,           stop, xAxis->Min(), xAxis->Span(),
                                   xAxis->MinPixels(), xAxis->MaxPixels(), static_cast<int>(xAxis->ScaleType())};
    if (!FFastTrace.Matches(key)) {
        const TiPlotDataCustomList& store = DataList();
        FFastTrace.Begin(key);
        for (int i = start; i <= stop; ++i) {
            double x = 0, y = 0;
            bool null = false, empty = false;
            store.GetXYEmptyNull(i, x, null, empty, y);
            if (empty)
                continue;
            if (null)
                FFastTrace.AddNull();
            else
                FFastTrace.AddPoint(x, y, xAxis->PositionToPixels(x));
        }
        FFastTrace.End();
    }
    FFastTraceLines = FFastTrace.VerticalLines() + FFastTrace.ConnectingLines();

    // Inside a run each column's pixels from its lowest to its highest Y are exactly what the
    // lines between its points cover; the line to the next column starts at the column's last
    // Y. With a thin solid pen on upright axes a column inside the X axis is filled as one span
    // that also takes in its share of the steep lines to its neighbouring columns, so a column
    // costs one fill. The last column of a run, and every column while the Y axis clips, is
    // drawn through its first, lowest, highest and last Y, which leaves out the run's end pixel
    // and clips as the lines themselves would.
    const auto& columns = FFastTrace.Columns();
    const bool exact = !ClipToAxes();
    TiPlotAxis* yAxis = YAxis();
    const bool spans = exact && yAxis && !XYReversed && Canvas.Pen().Style == psSolid && Canvas.Pen().Width <= 1;
    struct Span
    {
        bool Use = false;
        int X = 0, Lo = 0, Hi = 0;
        void Take(int Y)
        {
            Lo = std::min(Lo, Y);
            Hi = std::max(Hi, Y);
        }
    };
    std::vector<Span> span;
    for (int run = 0; run < FFastTrace.RunCount(); ++run) {
        const int first = FFastTrace.RunStart(run), n = FFastTrace.RunStop(run) - first;
        span.assign(static_cast<std::size_t>(n), Span{});
        auto column = [&](int k) -> const TiPlotFastTraceColumn& { return columns[static_cast<std::size_t>(first + k)]; };
        for (int k = 0; k < n; ++k) {
            const TiPlotFastTraceColumn& c = column(k);
            const bool last = k + 1 == n;
            if (spans && !last && c.X >= xAxis->Min() && c.X <= xAxis->Max()) {
                const int a = yAxis->PositionToPixels(c.Min), b = yAxis->PositionToPixels(c.Max);
                span[static_cast<std::size_t>(k)] = {true, xAxis->PositionToPixels(c.X), std::min(a, b), std::max(a, b)};
            } else if (exact && !last) {
                TPoint p1, p2;
                if (c.Min != c.Max && LineToPixels(XYReversed, c.X, c.Min, c.X, c.Max, false, p1, p2)) {
                    // The line leaves out its end pixel; one step further takes it in.
                    Canvas.MoveTo(p1.X, p1.Y);
                    Canvas.LineTo(p2.X + (p2.X > p1.X) - (p2.X < p1.X), p2.Y + (p2.Y > p1.Y) - (p2.Y < p1.Y));
                }
            } else {
                const bool lowFirst = std::abs(c.First - c.Min) <= std::abs(c.First - c.Max);
                const std::array<double, 4> path{c.First, lowFirst ? c.Min : c.Max, lowFirst ? c.Max : c.Min, c.Last};
                for (std::size_t i = 1; i < path.size(); ++i)
                    if (path[i] != path[i - 1])
                        DrawLine(Canvas, XYReversed, c.X, path[i - 1], c.X, path[i], false);
            }
        }
        for (int k = 0; k + 1 < n; ++k) {
            const TiPlotFastTraceColumn& c = column(k);
            const TiPlotFastTraceColumn& next = column(k + 1);
            Span& here = span[static_cast<std::size_t>(k)];
            Span& there = span[static_cast<std::size_t>(k) + 1];
            TPoint p1, p2;
            if (here.Use && there.Use && std::abs(there.X - here.X) == 1 &&
                LineToPixels(XYReversed, c.X, c.Last, next.X, next.First, false, p1, p2)) {
                qx::forEachLinePixel(p1, p2, [&](TPoint p) { (p.X == here.X ? here : there).Take(p.Y); });
            } else {
                DrawLine(Canvas, XYReversed, c.X, c.Last, next.X, next.First, false);
            }
        }
        for (const Span& f : span)
            if (f.Use) {
                Canvas.MoveTo(f.X, f.Lo);
                Canvas.LineTo(f.X, f.Hi + 1);
            }
    }
}

void TiPlotChannel::DrawInterpolatedRun(TCanvas& Canvas, bool XYReversed, const std::vector<double>& xa,
                                        const std::vector<double>& ya, int Style)
{
    TiPlotAxis* xAxis = XAxis();
    const int n = static_cast<int>(xa.size()) - 1;
    if (!xAxis || n < 2)
        return;
    std::vector<double> y2a;
    if (Style == kSpline)
        Spline(xa, ya, n, y2a);
    // The sampled span is the run's X range within the axis; nothing when they do not meet.
    const double lo = std::max(std::min(xa[1], xa[static_cast<std::size_t>(n)]), xAxis->Min());
    const double hi = std::min(std::max(xa[1], xa[static_cast<std::size_t>(n)]), xAxis->Max());
    if (lo > hi)
        return;
    int first = xAxis->PositionToPixels(lo), last = xAxis->PositionToPixels(hi);
    if (first > last)
        std::swap(first, last);
    bool started = false;
    double prevX = 0, prevY = 0;
    for (int px = first; px <= last; ++px) {
        const double x = xAxis->PixelsToPosition(px);
        double y = 0, dy = 0;
        if (Style == kSpline)
            y = Splint(xa, ya, y2a, n, x);
        else if (Style == kPolynomial)
            PolynomialInterpolate(xa, ya, n, x, y, dy);
        else
            RationalInterpolate(xa, ya, n, x, y, dy);
        if (FillDrawn()) {
            Canvas.Pen().Color = FillBrushColor();
            DrawLine(Canvas, XYReversed, x, y, x, FFillReference, false);
            Canvas.Pen().Color = Color();
        }
        if (started)
            DrawLine(Canvas, XYReversed, prevX, prevY, x, y, false);
        started = true;
        prevX = x;
        prevY = y;
        SetPixelPoint(xAxis->PositionToPixels(x), y);
    }
}

void TiPlotChannel::DrawSplineTrace(TCanvas& Canvas, bool XYReversed)
{
    if (Count() < 2)
        return;
    Canvas.Brush().Style = FFillStyle;
    Canvas.Brush().Color = FillBrushColor();
    std::vector<double> xa{0}, ya{0};
    auto drawRun = [&] {
        if (xa.size() >= 3)
            DrawInterpolatedRun(Canvas, XYReversed, xa, ya, kSpline);
        xa.assign(1, 0);
        ya.assign(1, 0);
    };
    ForEachPoint(
        0, Count() - 1, [&](int, double) { drawRun(); },
        [&](int, double x, double y) {
            xa.push_back(x);
            ya.push_back(y);
        });
    drawRun();
}

void TiPlotChannel::DrawNevilleTrace(TCanvas& Canvas, bool XYReversed, int Style)
{
    if (Count() < 2)
        return;
    Canvas.Brush().Style = FFillStyle;
    Canvas.Brush().Color = FillBrushColor();
    // One run of every point of the store, null and empty ones with their stored values.
    std::vector<double> xa{0}, ya{0};
    for (int i = 0; i < Count(); ++i) {
        xa.push_back(DataX(i));
        ya.push_back(DataY(i));
    }
    DrawInterpolatedRun(Canvas, XYReversed, xa, ya, Style);
}

void TiPlotChannel::DrawSteppedTrace(TCanvas& Canvas, bool XYReversed)
{
    if (Count() == 0)
        return;
    Canvas.Brush().Style = FFillStyle;
    Canvas.Brush().Color = FillBrushColor();
    bool previous = false, broken = true;
    double xp = 0, yp = 0;
    auto step = [&](double x) {
        if (FillDrawn())
            FillSegment(Canvas, XYReversed, xp, yp, x, yp, false);
        DrawLine(Canvas, XYReversed, xp, yp, x, yp, false);
    };
    if (DrawStartIndex() == -1 || DrawStopIndex() == -1) {
        // Nothing in view: the newest valid point's level is what stands there.
        for (int i = Count() - 1; i >= 0; --i)
            if (DataValid(i)) {
                xp = DataX(i);
                yp = DataY(i);
                previous = true;
                broken = false;
                break;
            }
    } else {
        ForEachPoint(
            DrawStartIndex(), DrawStopIndex(),
            [&](int, double x) {
                if (previous && !broken)
                    step(x);
                broken = true;
            },
            [&](int, double x, double y) {
                if (broken) {
                    broken = false;
                } else {
                    step(x);
                    DrawLine(Canvas, XYReversed, x, yp, x, y, false);
                }
                xp = x;
                yp = y;
                previous = true;
            });
    }
    if (FInterpolationStyle == ipistDifferential && previous && !broken && XAxis()) {
        Canvas.Pen().Color = Color();
        DrawLine(Canvas, XYReversed, xp, yp, XAxis()->Max(), yp, false);
    }
}

void TiPlotChannel::DrawDigitalTrace(TCanvas& Canvas, bool XYReversed)
{
    if (DrawStartIndex() == DrawStopIndex() || DrawStartIndex() < 0 || DrawStopIndex() < 0)
        return;
    Canvas.Brush().Style = FFillStyle;
    Canvas.Brush().Color = FillBrushColor();
    TDigitalSequenceData run;
    ForEachPoint(
        DrawStartIndex(), DrawStopIndex(), [&](int, double) { DrawDigitalRun(Canvas, XYReversed, run); },
        [&](int, double x, double y) {
            const bool level = y != 0;
            if (!run.StartSet) {
                run.StartSet = true;
                run.StartXValue = x;
                run.StartYValue = level;
            } else if (level == run.StartYValue) {
                run.StopSet = true;
                run.StopXValue = x;
            } else {
                run.TransitionSet = true;
                run.TransitionXValue = x;
                DrawDigitalRun(Canvas, XYReversed, run);
                run.StartSet = true;
                run.StartXValue = x;
                run.StartYValue = level;
            }
        });
    DrawDigitalRun(Canvas, XYReversed, run);
}

void TiPlotChannel::DrawDigitalRun(TCanvas& Canvas, bool XYReversed, TDigitalSequenceData& Run)
{
    const bool percent = FDigitalReferenceStyle == ipdrPercent;
    const double level = Run.StartYValue ? FDigitalReferenceHigh : FDigitalReferenceLow;
    const double other = Run.StartYValue ? FDigitalReferenceLow : FDigitalReferenceHigh;
    if (Run.TransitionSet) {
        if (FFillEnabled)
            FillSegment(Canvas, XYReversed, Run.StartXValue, level, Run.TransitionXValue, level, false);
        Canvas.Pen().Color = Color();
        DrawLine(Canvas, XYReversed, Run.StartXValue, level, Run.TransitionXValue, level, percent);
        DrawLine(Canvas, XYReversed, Run.TransitionXValue, level, Run.TransitionXValue, other, percent);
    } else if (Run.StartSet && Run.StopSet) {
        if (FFillEnabled)
            FillSegment(Canvas, XYReversed, Run.StartXValue, level, Run.StopXValue, level, false);
        Canvas.Pen().Color = Color();
        DrawLine(Canvas, XYReversed, Run.StartXValue, level, Run.StopXValue, level, percent);
    }
    Run.Clear();
}

// ---- Markers ----

void TiPlotChannel::DrawMarkers(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor)
{
    if (DrawStartIndex() == -1 || DrawStopIndex() == -1 || !MarkersVisible())
        return;
    if (!FDigitalEnabled) {
        TiPlotChannelCustom::DrawMarkers(Canvas, XYReversed, BackGroundColor);
        return;
    }
    TiPlotAxis* x = XAxis();
    TiPlotAxis* y = YAxis();
    if (!x || !y)
        return;
    for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
        if (!DataValid(i) || !DataList().GetMarkerVisible(i))
            continue;
        if (!x->ValueOnScale(DataX(i)) || !y->ValueOnScale(DataY(i)))
            continue;
        const int row = DataY(i) != 0 ? FPixelsHigh : FPixelsLow;
        DrawMarker(Canvas, i, SwapPoint(XYReversed, x->PositionToPixels(DataX(i)), row), BackGroundColor);
    }
}

// ---- High-low bars ----

void TiPlotChannel::DrawHighLowOpenClose(TCanvas& Canvas, bool XYReversed)
{
    TiPlotAxis* xAxis = XAxis();
    TiPlotAxis* yAxis = YAxis();
    auto box = [&](TColor Colour, int Left, int Top, int Right, int Bottom) {
        if (Top == Bottom)
            ++Bottom;
        Canvas.Brush().Color = Colour;
        Canvas.Pen().Color = Colour;
        Canvas.Rectangle(OrientedRect(XYReversed, Left, Top, Right, Bottom));
    };
    auto tick = [&](TColor Colour, double Width, double Height, double Value, bool Open, int m) {
        const int o = xAxis->WidthToPixels(Width);
        const int t = yAxis->WidthToPixels(Height);
        const int y = yAxis->PositionToPixels(Value);
        const int left = Open ? m - o + 1 : m;
        const int right = o == 1 ? m + 1 : (Open ? m : m + o - 1);
        int top = y - t / 2, bottom = y + t - t / 2 - 1;
        if (top > bottom)
            std::swap(top, bottom);
        box(Colour, left, top, right, bottom);
    };
    for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
        if (!DataValid(i))
            continue;
        const int c = xAxis->PositionToPixels(DataX(i));
        const int w = xAxis->WidthToPixels(FHighLowBarWidth);
        const int h = w / 2;
        const int left = w == 0 ? c : c - h;
        const int right = w == 0 ? c + 1 : c + w - h;
        int top = yAxis->PositionToPixels(DataHigh(i)), bottom = yAxis->PositionToPixels(DataLow(i));
        if (top > bottom)
            std::swap(top, bottom);
        const int m = (left + right) / 2;
        if (FHighLowOpenShow)
            tick(FHighLowOpenColor, FHighLowOpenWidth, FHighLowOpenHeight, DataOpen(i), true, m);
        if (FHighLowCloseShow)
            tick(FHighLowCloseColor, FHighLowCloseWidth, FHighLowCloseHeight, DataClose(i), false, m);
        box(FHighLowBarColor, left, top, right, bottom);
    }
}

void TiPlotChannel::DrawHighLowCandleStick(TCanvas& Canvas, bool XYReversed)
{
    TiPlotAxis* xAxis = XAxis();
    TiPlotAxis* yAxis = YAxis();
    for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
        if (!DataValid(i))
            continue;
        const int c = xAxis->PositionToPixels(DataX(i));
        Canvas.Pen().Color = FHighLowShadowColor;
        const std::array<TPoint, 2> wick{SwapPoint(XYReversed, c, yAxis->PositionToPixels(DataHigh(i))),
                                         SwapPoint(XYReversed, c, yAxis->PositionToPixels(DataLow(i)))};
        Canvas.Polyline(wick);
        const int g = xAxis->WidthToPixels(FHighLowBarWidth) / 2;
        int top = yAxis->PositionToPixels(DataOpen(i)), bottom = yAxis->PositionToPixels(DataClose(i));
        if (top > bottom)
            std::swap(top, bottom);
        if (top == bottom)
            ++bottom;
        Canvas.Brush().Color = DataOpen(i) > DataClose(i) ? FHighLowBearishColor : FHighLowBullishColor;
        Canvas.Rectangle(OrientedRect(XYReversed, c - g, top, c + g + 1, bottom));
    }
}
