#include "controls/plot/objects/iPlotChannelCustom.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/base/iPropertyText.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotDataCompactIntervalList.h"
#include "controls/plot/objects/iPlotDataCompactList.h"
#include "controls/plot/objects/iPlotDataFullList.h"
#include "controls/plot/objects/iPlotDataNullList.h"
#include "controls/plot/objects/iPlotDataView.h"

#include "platform/gui/PropertyRegistry.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <mutex>
#include <sstream>
#include <vector>

namespace {

/// The one-pixel cosmetic pen stands for width 1.
int TracePenWidth(int Width) { return Width == 1 ? 0 : Width; }

double LineYAtX(double x1, double y1, double x2, double y2, double X)
{
    if (x2 == x1)
        return 0;
    const double slope = (y2 - y1) / (x2 - x1);
    return slope * X + (y1 - slope * x1);
}

double LineXAtY(double x1, double y1, double x2, double y2, double Y)
{
    if (x2 == x1)
        return x1;
    const double slope = (y2 - y1) / (x2 - x1);
    return (Y - (y1 - slope * x1)) / slope;
}

} // namespace

std::unique_ptr<TiPlotDataCustomList> MakePointStore(TiPlotDataStyle Style)
{
    switch (Style) {
    case ipdsCompact:
        return std::make_unique<TiPlotDataCompactList>();
    case ipdsCompactInterval:
        return std::make_unique<TiPlotDataCompactIntervalList>();
    case ipdsFullFeature:
        return std::make_unique<TiPlotDataFullList>();
    case ipdsStandard:
        break;
    }
    return std::make_unique<TiPlotDataNullList>();
}

std::string PlotFileNumber(double Value) { return FloatToStr(Value); }

double ReadPlotFileNumber(std::string Text)
{
    // Files written where the decimal separator is a comma are read as well.
    if (const auto comma = Text.find(','); comma != std::string::npos && Text.find('.') == std::string::npos)
        Text[comma] = '.';
    return StrToFloat(Text);
}

// ---- Construction ----

TiPlotChannelCustom::TiPlotChannelCustom(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      FDataList(MakePointStore(ipdsStandard))
{
    FDataList->SetStoredTraceLineColor(clRed);
    FDataList->SetStoredTraceLineWidth(1);
    FDataList->SetStoredTraceLineStyle(iplsSolid);
    FDataList->SetStoredMarkerSize(3);
    FDataList->SetStoredMarkerPenColor(clRed);
    FDataList->SetStoredMarkerBrushColor(clRed);
    FDataList->SetStoredMarkerPenStyle(psSolid);
    FDataList->SetStoredMarkerBrushStyle(bsSolid);
    FMarkersFont.Color = clWhite;
    FMarkersFont.Style = TFontStyles{fsBold};
}

TiPlotChannelCustom::~TiPlotChannelCustom() = default;

void TiPlotChannelCustom::SetRingBufferSize(int Value)
{
    FDataList->SetRingBufferSize(Value);
    DoChange();
}

void TiPlotChannelCustom::SetMarkersFont(const TFont& Value)
{
    if (Value == FMarkersFont)
        return;
    FMarkersFont = Value;
    DoChange();
}

void TiPlotChannelCustom::SetXAxisName(const std::string& Value)
{
    if (Value == FXAxisName)
        return;
    FXAxisName = Value;
    FXAxis = nullptr;
    DoChange();
}

void TiPlotChannelCustom::SetYAxisName(const std::string& Value)
{
    if (Value == FYAxisName)
        return;
    FYAxisName = Value;
    FYAxis = nullptr;
    DoChange();
}

void TiPlotChannelCustom::SetLogFileName(const std::string& Value)
{
    if (Value == FLogFileName)
        return;
    if (FLoggingActive) {
        TiPlotHost* host = Host();
        throw EiPlotError(host ? host->TranslateText(iPlotChannelText::LogFileNameLocked)
                               : iPlotChannelText::LogFileNameLocked);
    }
    FLogFileName = Value;
}

void TiPlotChannelCustom::SetDataStyle(TiPlotDataStyle Value)
{
    if (Value == FDataStyle)
        return;
    const TiPlotPointAttributes stored = FDataList->StoredAttributes();
    const int ring = FDataList->RingBufferSize();
    std::unique_ptr<TiPlotDataCustomList> store = MakePointStore(Value);
#define QX_COPY_STORED(Name, Type) store->SetStored##Name(stored.Name);
    QX_PLOT_POINT_ATTRIBUTES(QX_COPY_STORED)
#undef QX_COPY_STORED
    store->SetStoredMarkerCharacter(0);
    store->SetRingBufferSize(ring);
    FDataList = std::move(store);
    FDataStyle = Value;
    DoChange();
}

void TiPlotChannelCustom::SetCount(int Value)
{
    FDataList->SetCapacity(Value);
    DoChange();
}

void TiPlotChannelCustom::SetDataX(int Index, double Value)
{
    FDataList->SetX(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetDataY(int Index, double Value)
{
    FDataList->SetY(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetDataNull(int Index, bool Value)
{
    FDataList->SetNull(Index, Value);
    DoChange();
}

void TiPlotChannelCustom::SetDataEmpty(int Index, bool Value)
{
    FDataList->SetEmpty(Index, Value);
    DoChange();
}

// ---- Axes ----

TiPlotAxis* TiPlotChannelCustom::XAxis()
{
    if (!FXAxis)
        if (TiPlotHost* host = Host())
            FXAxis = FindPlotAxis(host->MasterManager(), FXAxisName, true);
    return FXAxis;
}

TiPlotAxis* TiPlotChannelCustom::YAxis()
{
    if (!FYAxis)
        if (TiPlotHost* host = Host())
            FYAxis = FindPlotAxis(host->MasterManager(), FYAxisName, false);
    return FYAxis;
}

void TiPlotChannelCustom::NotificationRemove(TObject* Sender)
{
    if (Sender == FXAxis)
        FXAxis = nullptr;
    if (Sender == FYAxis)
        FYAxis = nullptr;
}

void TiPlotChannelCustom::NotificationRename(TObject* Sender)
{
    if (Sender && Sender == FXAxis)
        FXAxisName = FXAxis->Name();
    if (Sender && Sender == FYAxis)
        FYAxisName = FYAxis->Name();
}

// ---- Points and statistics ----

void TiPlotChannelCustom::ResetRunning()
{
    FRunningCount = 0;
    FRunningXTotal = FRunningYTotal = 0;
    FRunningXMin = FRunningYMin = 1e300;
    FRunningXMax = FRunningYMax = -1e300;
    FRunningXMean = FRunningYMean = 0;
}

void TiPlotChannelCustom::CountRunning(double X, double Y)
{
    if (X > FRunningXMax)
        FRunningXMax = X;
    if (!(X >= FRunningXMin))
        FRunningXMin = X;
    if (Y > FRunningYMax)
        FRunningYMax = Y;
    if (!(Y >= FRunningYMin))
        FRunningYMin = Y;
    ++FRunningCount;
    FRunningXTotal += X;
    FRunningYTotal += Y;
}

int TiPlotChannelCustom::AddXY(double X, double Y) { return AddPoint(X, Y, false, false); }

void TiPlotChannelCustom::AddXYArrays(const TiVariantArray& XData, const TiVariantArray& YData)
{
    if (XData.DimCount() != 1)
        throw EiPlotError("X-Data array must be 1 dimensional");
    if (YData.DimCount() != 1)
        throw EiPlotError("Y-Data array must be 1 dimensional");
    if (XData.LowBound(1) != YData.LowBound(1))
        throw EiPlotError("X-Data and Y-Data low bound dimension must match");
    if (XData.HighBound(1) != YData.HighBound(1))
        throw EiPlotError("X-Data and Y-Data hogh bound dimension must match");
    // Every element is converted before the first point goes in.
    std::vector<std::pair<double, double>> points;
    for (int i = XData.LowBound(1); i <= XData.HighBound(1); ++i)
        points.emplace_back(XData.At(i).AsNumber(), YData.At(i).AsNumber());
    for (const auto& [x, y] : points)
        AddPoint(x, y, false, false);
}

void TiPlotChannelCustom::AddXYArray(const TiVariantArray& Data)
{
    if (Data.DimCount() != 2)
        throw EiPlotError("Array Must Be 2 Dimensional");
    if (Data.HighBound(1) - Data.LowBound(1) != 1)
        throw EiPlotError("Array First Dimension Must Be 2 Elements");
    std::vector<std::pair<double, double>> points;
    for (int j = Data.LowBound(2); j <= Data.HighBound(2); ++j)
        points.emplace_back(Data.At(Data.LowBound(1), j).AsNumber(), Data.At(Data.HighBound(1), j).AsNumber());
    for (const auto& [x, y] : points)
        AddPoint(x, y, false, false);
}

int TiPlotChannelCustom::AddPoint(double X, double Y, bool Null, bool Empty)
{
    const int index = FDataList->Add(X, Y, Null, Empty);
    if (!Null && !Empty) {
        CountRunning(X, Y);
        FRunningXMean = static_cast<double>(FRunningXTotal / FRunningCount);
        FRunningYMean = static_cast<double>(FRunningYTotal / FRunningCount);
    }
    if (FXAxisTrackingEnabled || FYAxisTrackingEnabled)
        TrackNewest(Null, Empty);
    if (FLoggingActive) {
        ++FLogBufferCount;
        if (FLogBufferSize < 2 || FLogBufferCount >= FLogBufferSize)
            LogFlush();
    }
    DoChange();
    return index;
}

void TiPlotChannelCustom::TrackNewest(bool Null, bool Empty)
{
    const int newest = Count() - 1;
    if (newest < 0)
        return;
    if (MarkersVisible()) {
        if (FXAxisTrackingEnabled && XAxis() && !Null) {
            FXAxis->NewTrackingData(MarkerXMax(newest));
            FXAxis->NewTrackingData(MarkerXMin(newest));
        }
        if (FYAxisTrackingEnabled && YAxis() && !Null) {
            FYAxis->NewTrackingData(MarkerYMax(newest));
            FYAxis->NewTrackingData(MarkerYMin(newest));
        }
        return;
    }
    if (FXAxisTrackingEnabled && XAxis())
        FXAxis->NewTrackingData(FDataList->GetX(newest));
    if (FYAxisTrackingEnabled && YAxis() && !Null && !Empty)
        FYAxis->NewTrackingData(FDataList->GetY(newest));
}

void TiPlotChannelCustom::Clear()
{
    ResetRunning();
    FStartIndex = FStopIndex = -1;
    if (FLoggingActive)
        LogDeactivate();
    FDataList->Clear();
    DoChange();
}

void TiPlotChannelCustom::DeletePoints(int Size)
{
    if (Size == Count()) {
        Clear();
        return;
    }
    FDataList->DeletePoints(Size);
    DoChange();
}

double TiPlotChannelCustom::ScanExtreme(bool XValues, bool Max) const
{
    double result = Max ? -1e300 : 1e300;
    for (int i = 0; i < Count(); ++i) {
        if (!DataValid(i))
            continue;
        const double v = XValues ? DataX(i) : DataY(i);
        if (Max ? v > result : !(v >= result))
            result = v;
    }
    return result;
}

double TiPlotChannelCustom::GetXMax() { return FRunningXMax = ScanExtreme(true, true); }
double TiPlotChannelCustom::GetXMin() { return FRunningXMin = ScanExtreme(true, false); }
double TiPlotChannelCustom::GetYMax() { return FRunningYMax = ScanExtreme(false, true); }
double TiPlotChannelCustom::GetYMin() { return FRunningYMin = ScanExtreme(false, false); }

double TiPlotChannelCustom::ScanMean(bool XValues)
{
    long double& total = XValues ? FRunningXTotal : FRunningYTotal;
    total = 0;
    FRunningCount = 0;
    for (int i = 0; i < Count(); ++i)
        if (DataValid(i)) {
            total += XValues ? DataX(i) : DataY(i);
            ++FRunningCount;
        }
    return FRunningCount ? static_cast<double>(total / FRunningCount) : 0;
}

double TiPlotChannelCustom::GetXMean() { return FRunningXMean = ScanMean(true); }
double TiPlotChannelCustom::GetYMean() { return FRunningYMean = ScanMean(false); }

void TiPlotChannelCustom::ReCalcRunningMinMaxMean()
{
    ResetRunning();
    for (int i = 0; i < Count(); ++i)
        if (DataValid(i))
            CountRunning(DataX(i), DataY(i));
    if (FRunningCount) {
        FRunningXMean = static_cast<double>(FRunningXTotal / FRunningCount);
        FRunningYMean = static_cast<double>(FRunningYTotal / FRunningCount);
    }
}

std::string TiPlotChannelCustom::GetXValueText(double Value)
{
    if (TiPlotAxis* axis = XAxis())
        return axis->GetCursorText(Value);
    TiPlotHost* host = Host();
    return host ? host->TranslateText("No X-Axis") : "No X-Axis";
}

std::string TiPlotChannelCustom::GetYValueText(double Value)
{
    if (TiPlotAxis* axis = YAxis())
        return axis->GetCursorText(Value);
    TiPlotHost* host = Host();
    return host ? host->TranslateText("No Y-Axis") : "No Y-Axis";
}

double TiPlotChannelCustom::MarkerSpan(TiPlotAxis* Axis, const char* Missing)
{
    if (!Axis)
        throw EiPlotError(Missing);
    return std::abs(Axis->PixelsToPosition(MarkersSize() + Axis->MinPixels()) - Axis->Min());
}

double TiPlotChannelCustom::MarkerExtent(int Index, bool XAxisSide, bool Max)
{
    if (DataNull(Index))
        throw EiPlotError(iPlotChannelText::DataPointNull);
    const double value = XAxisSide ? DataX(Index) : DataY(Index);
    if (!MarkersVisible())
        return value;
    const double span = XAxisSide ? MarkerSpan(XAxis(), iPlotChannelText::XAxisNotAssigned)
                                  : MarkerSpan(YAxis(), iPlotChannelText::YAxisNotAssigned);
    return Max ? value + span : value - span;
}

double TiPlotChannelCustom::MarkerXMax(int Index) { return MarkerExtent(Index, true, true); }
double TiPlotChannelCustom::MarkerXMin(int Index) { return MarkerExtent(Index, true, false); }
double TiPlotChannelCustom::MarkerYMax(int Index) { return MarkerExtent(Index, false, true); }
double TiPlotChannelCustom::MarkerYMin(int Index) { return MarkerExtent(Index, false, false); }

void TiPlotChannelCustom::SetDataCursorTexts(const std::string& XText, const std::string& YText, double XValue,
                                             double YValue, TiPlotDataPointStatus Status)
{
    FDataCursorXText = XText;
    FDataCursorYText = YText;
    FDataCursorXValue = XValue;
    FDataCursorYValue = YValue;
    FDataCursorStatus = Status;
}

// ---- Drawing ----

void TiPlotChannelCustom::DrawTrace(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor)
{
    if (!FTraceVisible)
        return;
    Canvas.Pen().Color = Color();
    Canvas.Brush().Style = bsClear;
    Canvas.Pen().Style = static_cast<TPenStyle>(TraceLineStyle());
    Canvas.Pen().Width = TracePenWidth(TraceLineWidth());
    if (FStopIndex <= FStartIndex)
        return;
    (void)BackGroundColor;
    bool broken = true;
    double lastX = 0, lastY = 0;
    ForEachPoint(
        FStartIndex, FStopIndex, [&](int, double) { broken = true; },
        [&](int i, double x, double y) {
            if (!broken) {
                Canvas.Pen().Color = FDataList->GetTraceLineColor(i);
                Canvas.Pen().Style = static_cast<TPenStyle>(FDataList->GetTraceLineStyle(i));
                Canvas.Pen().Width = TracePenWidth(FDataList->GetTraceLineWidth(i));
                DrawLine(Canvas, XYReversed, lastX, lastY, x, y, false);
            }
            broken = false;
            lastX = x;
            lastY = y;
        });
}

void TiPlotChannelCustom::DrawLine(TCanvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2,
                                   bool YPercent)
{
    std::array<TPoint, 2> line{};
    if (LineToPixels(XYReversed, X1, Y1, X2, Y2, YPercent, line[0], line[1]))
        Canvas.Polyline(line);
}

bool TiPlotChannelCustom::LineToPixels(bool XYReversed, double X1, double Y1, double X2, double Y2, bool YPercent,
                                       TPoint& P1, TPoint& P2)
{
    TiPlotAxis* xAxis = XAxis();
    TiPlotAxis* yAxis = YAxis();
    if (!xAxis || (!yAxis && !YPercent))
        return false;
    if (X2 < X1) {
        std::swap(X1, X2);
        std::swap(Y1, Y2);
    }
    const double xMin = xAxis->Min(), xMax = xAxis->Max();
    const bool xOverlap = (X1 >= xMin && X1 <= xMax) || (X2 >= xMin && X2 <= xMax) || (X1 < xMin && X2 > xMax);
    const bool clipY = FClipToAxes && !YPercent;
    bool yOverlap = true;
    if (clipY) {
        const double yMin = yAxis->Min(), yMax = yAxis->Max();
        yOverlap = (Y1 >= yMin && Y1 <= yMax) || (Y2 >= yMin && Y2 <= yMax) || (Y1 < yMin && Y2 > yMax) ||
                   (Y2 < yMin && Y1 > yMax);
    }
    if (!xOverlap || !yOverlap)
        return false;
    if (X1 < xMin) {
        Y1 = LineYAtX(X1, Y1, X2, Y2, xMin);
        X1 = xMin;
    }
    if (X2 > xMax) {
        Y2 = LineYAtX(X1, Y1, X2, Y2, xMax);
        X2 = xMax;
    }
    if (clipY) {
        const double yMin = yAxis->Min(), yMax = yAxis->Max();
        const double ox1 = X1, oy1 = Y1, ox2 = X2, oy2 = Y2;
        auto clipEnd = [&](double& x, double& y) {
            if (y < yMin) {
                x = LineXAtY(ox1, oy1, ox2, oy2, yMin);
                y = yMin;
            } else if (y > yMax) {
                x = LineXAtY(ox1, oy1, ox2, oy2, yMax);
                y = yMax;
            }
        };
        clipEnd(X1, Y1);
        clipEnd(X2, Y2);
    }
    if (!xAxis->ValueOnScale(X1) || !xAxis->ValueOnScale(X2))
        return false;
    if (clipY && (!yAxis->ValueOnScale(Y1) || !yAxis->ValueOnScale(Y2)))
        return false;
    const int px1 = xAxis->PositionToPixels(X1), px2 = xAxis->PositionToPixels(X2);
    int py1 = 0, py2 = 0;
    if (YPercent) {
        TiPlotHost* host = Host();
        TiPlotDataView* view = nullptr;
        if (host && host->MasterManager().DataViewManager()->Count() > 0)
            view = dynamic_cast<TiPlotDataView*>(host->MasterManager().DataViewManager()->GetItem(0));
        if (!view)
            return false;
        py1 = XYReversed ? view->PositionPercentToPixelsX(Y1) : view->PositionPercentToPixelsY(Y1);
        py2 = XYReversed ? view->PositionPercentToPixelsX(Y2) : view->PositionPercentToPixelsY(Y2);
    } else {
        py1 = yAxis->PositionToPixels(Y1);
        py2 = yAxis->PositionToPixels(Y2);
    }
    P1 = SwapPoint(XYReversed, px1, py1);
    P2 = SwapPoint(XYReversed, px2, py2);
    return true;
}

bool TiPlotChannelCustom::MarkerDrawable(int Index)
{
    if (!MarkersVisible() || !DataValid(Index) || !AxesAssigned())
        return false;
    if (FMarkersAllowIndividual && !FDataList->GetMarkerVisible(Index))
        return false;
    if (FClipToAxes && (!FXAxis->ValueOnScale(DataX(Index)) || !FYAxis->ValueOnScale(DataY(Index))))
        return false;
    return true;
}

TPoint TiPlotChannelCustom::PointToPixels(int Index)
{
    const int px = XAxis() ? FXAxis->PositionToPixels(DataX(Index)) : 0;
    const int py = YAxis() ? FYAxis->PositionToPixels(DataY(Index)) : 0;
    return SwapPoint(XYAxesReversed(), px, py);
}

TRect TiPlotChannelCustom::MarkerRect(int Index)
{
    const TPoint p = PointToPixels(Index);
    const int s = FMarkersAllowIndividual ? FDataList->GetMarkerSize(Index) : MarkersSize();
    return {p.X - s, p.Y - s, p.X + s, p.Y + s};
}

void TiPlotChannelCustom::DrawMarkers(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor)
{
    (void)XYReversed;
    if (!MarkersVisible())
        return;
    Canvas.Font() = FMarkersFont;
    if (FMarkersTurnOffLimit > 0 && std::abs(FStopIndex - FStartIndex) > FMarkersTurnOffLimit)
        return;
    if (FStartIndex < 0)
        return;
    for (int i = FStartIndex; i <= FStopIndex; ++i)
        if (MarkerDrawable(i))
            DrawMarker(Canvas, i, PointToPixels(i), BackGroundColor);
}

void TiPlotChannelCustom::MarkerPens(TCanvas& Canvas, int Index)
{
    const bool individual = FMarkersAllowIndividual && Index >= 0;
    Canvas.Pen().Width = individual ? FDataList->GetMarkerPenWidth(Index) : MarkersPenWidth();
    Canvas.Pen().Style = individual ? FDataList->GetMarkerPenStyle(Index) : MarkersPenStyle();
    Canvas.Brush().Style = individual ? FDataList->GetMarkerBrushStyle(Index) : MarkersBrushStyle();
    Canvas.Pen().Color = FMarkersPenUseChannelColor
                             ? Color()
                             : (individual ? FDataList->GetMarkerPenColor(Index) : MarkersPenColor());
    Canvas.Brush().Color = FMarkersBrushUseChannelColor
                               ? Color()
                               : (individual ? FDataList->GetMarkerBrushColor(Index) : MarkersBrushColor());
}

void TiPlotChannelCustom::DrawMarker(TCanvas& Canvas, int Index, TPoint P, TColor BackGroundColor)
{
    TiPlotMarkerStyle style = MarkersStyle();
    int r = MarkersSize();
    if (Index == -1)
        r = std::min(r, 6);
    else if (FMarkersAllowIndividual) {
        style = FDataList->GetMarkerStyle(Index);
        r = FDataList->GetMarkerSize(Index);
    }
    MarkerPens(Canvas, Index);
    const int x = P.X, y = P.Y;
    auto lines = [&](std::initializer_list<TPoint> a, std::initializer_list<TPoint> b) {
        Canvas.Polyline(std::vector<TPoint>(a));
        if (b.size())
            Canvas.Polyline(std::vector<TPoint>(b));
    };
    auto polygon = [&](std::initializer_list<TPoint> points) { Canvas.Polygon(std::vector<TPoint>(points)); };
    switch (style) {
    case ipmsCircle:
        Canvas.Ellipse(x - r, y - r, x + r, y + r);
        break;
    case ipmsSquare:
        Canvas.Rectangle(x - r, y - r, x + r, y + r);
        break;
    case ipmsDiamond:
        polygon({{x + r, y}, {x, y + r}, {x - r, y}, {x, y - r}});
        break;
    case ipmsCross:
        lines({{x + r, y + r}, {x - r, y - r}}, {{x + r, y - r}, {x - r, y + r}});
        break;
    case ipmsPlus:
        lines({{x, y + r}, {x, y - r}}, {{x + r, y}, {x - r, y}});
        break;
    case ipmsTriangleUp:
        polygon({{x - r, y + r}, {x, y}, {x + r, y + r}});
        break;
    case ipmsTriangleDown:
        polygon({{x - r, y - r}, {x, y}, {x + r, y - r}});
        break;
    case ipmsTriangleLeft:
        polygon({{x + r, y - r}, {x, y}, {x + r, y + r}});
        break;
    case ipmsTriangleRight:
        polygon({{x - r, y - r}, {x, y}, {x - r, y + r}});
        break;
    case ipmsVerticalLine:
        lines({{x, y - r}, {x, y + r}}, {});
        break;
    case ipmsHorizontalLine:
        lines({{x - r, y}, {x + r, y}}, {});
        break;
    case ipmsCharacter: {
        const char16_t character =
            Index == -1 ? FDataList->StoredMarkerCharacter() : FDataList->GetMarkerCharacter(Index);
        if (character == 0)
            break;
        Canvas.Brush().Style = bsClear;
        std::string text;
        if (character < 0x80)
            text.push_back(static_cast<char>(character));
        else if (character < 0x800) {
            text.push_back(static_cast<char>(0xC0 | (character >> 6)));
            text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
        } else {
            text.push_back(static_cast<char>(0xE0 | (character >> 12)));
            text.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
        }
        TRect box{x, y, x, y};
        DrawTextFlags(Canvas, text, box,
                      iTextFlags::Center | iTextFlags::VCenter | iTextFlags::SingleLine | iTextFlags::NoClip, true,
                      Canvas.Font().Color);
        (void)BackGroundColor;
        break;
    }
    }
}

// ---- Mouse ----

bool TiPlotChannelCustom::PointCandidate(int Index, TRect& Rect)
{
    if (!MarkerDrawable(Index))
        return false;
    Rect = MarkerRect(Index);
    return true;
}

bool TiPlotChannelCustom::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    const TPoint point{MouseData.X, MouseData.Y};
    bool hit = FVisibleInLegend && FLegendRect.Contains(point);
    TiPlotHost* host = Host();
    if (!host || !host->ToolBarSelectMode())
        return hit;
    FSelectDataIndex = -1;
    if (!PointSearchEnabled() || Count() == 0)
        return hit;
    CalcStartIndex();
    CalcStopIndex();
    if (FStartIndex < 0)
        return hit;
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
        if (!DataValid(i) || !PointCandidate(i, FSelectHitTestRect))
            continue;
        if (FSelectHitTestRect.Contains(point)) {
            FSelectDataIndex = i;
            return true;
        }
    }
    return hit;
}

void TiPlotChannelCustom::DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData)
{
    TiPlotHost* host = Host();
    if (!host)
        return;
    host->DoDataPointMouse(TiPlotMouseNotice::Move, *this, FSelectDataIndex, MouseData);
    if (!FShowDataPointHints || FSelectDataIndex == -1 || !FSelectHitTestRect.Contains({MouseData.X, MouseData.Y}))
        return;
    if (!AxesAssigned() || FSelectDataIndex >= Count())
        return;
    std::string text =
        FXAxis->GetLabelText(DataX(FSelectDataIndex)) + ", " + FYAxis->GetLabelText(DataY(FSelectDataIndex));
    host->DoDataPointCustomizeHint(*this, FSelectDataIndex, text);
    TCanvas& canvas = host->HintCanvas();
    if (const TFont* font = host->HintsFont())
        canvas.Font() = *font;
    const int w = canvas.TextWidth(text) + 4;
    const int h = canvas.TextHeight(text) + 4;
    TRect d{};
    if (host->MasterManager().DataViewManager()->Count() > 0)
        if (auto* view = dynamic_cast<TiPlotLayoutObject*>(host->MasterManager().DataViewManager()->GetItem(0)))
            d = view->DrawRect();
    const int m = MarkersSize() / 2;
    const int mx = MouseData.X, my = MouseData.Y;
    int top = my - (h + m + 4);
    int left = mx - w / 2;
    if (top <= d.Top)
        top = my + h + m + 4;
    if (left <= d.Left) {
        left = mx + m + 8;
        top = my - h / 2;
    } else if (left + w >= d.Right) {
        left = mx - m - 4 - w;
        top = my - h / 2;
    }
    if (top + h >= d.Bottom)
        top = d.Bottom - h;
    if (top <= d.Top)
        top = d.Top;
    HintData.Text = text;
    HintData.Left = left;
    HintData.Top = top;
    HintData.Width = w;
    HintData.Height = h;
}

void TiPlotChannelCustom::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (TiPlotHost* host = Host())
        host->DoDataPointMouse(TiPlotMouseNotice::Down, *this, FSelectDataIndex, MouseData);
    FMouseDownDataIndex = FSelectDataIndex;
    if (FMouseDownDataIndex == -1 || !FSelectHitTestRect.Contains({MouseData.X, MouseData.Y}))
        return;
    FSelectMouseDown = true;
    FSelectMouseDownIndex = FMouseDownDataIndex;
    FSelectDownRect = FSelectHitTestRect;
    FMouseDownValueX = DataX(FSelectMouseDownIndex);
    FMouseDownValueY = DataY(FSelectMouseDownIndex);
    FMouseDownPixelX = MouseData.XAxisPixels;
    FMouseDownPixelY = MouseData.YAxisPixels;
}

void TiPlotChannelCustom::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!FSelectMouseDown)
        return;
    if (TiPlotHost* host = Host())
        host->DoDataPointMouse(TiPlotMouseNotice::Move, *this, FMouseDownDataIndex, MouseData);
    if (!FUserCanMoveDataPoints || !AxesAssigned() || FSelectMouseDownIndex >= Count())
        return;
    double dx = 0, dy = 0;
    if (FUserCanMoveDataPointsStyle != ipcdpmsYOnly)
        dx = FXAxis->PixelsToPosition(FMouseDownPixelX) - FXAxis->PixelsToPosition(MouseData.XAxisPixels);
    if (FUserCanMoveDataPointsStyle != ipcdpmsXOnly)
        dy = FYAxis->PixelsToPosition(FMouseDownPixelY) - FYAxis->PixelsToPosition(MouseData.YAxisPixels);
    SetDataX(FSelectMouseDownIndex, FMouseDownValueX - dx);
    SetDataY(FSelectMouseDownIndex, FMouseDownValueY - dy);
}

void TiPlotChannelCustom::DoMouseUp(const TiPlotMouseData& MouseData)
{
    TiPlotHost* host = Host();
    if (host)
        host->DoDataPointMouse(TiPlotMouseNotice::Up, *this, FMouseDownDataIndex, MouseData);
    if (!MouseDown() && !FSelectMouseDown)
        return;
    const TPoint point{MouseData.X, MouseData.Y};
    if (FSelectMouseDown) {
        FSelectMouseDown = false;
        const int index = FSelectMouseDownIndex;
        if (!host || index >= Count())
            return;
        if (FSelectDownRect.Contains(point))
            host->DoDataPointClick(*this, index);
        if (DataX(index) != FMouseDownValueX || DataY(index) != FMouseDownValueY)
            host->DoDataPointMoved(*this, index, FMouseDownValueX, FMouseDownValueY, DataX(index), DataY(index));
        return;
    }
    if (host && FLegendRect.Contains(point))
        host->DoObjectClick(*this);
}

TCursor TiPlotChannelCustom::iGetMouseCursor(TPoint)
{
    TCursor cursor = crHandPoint;
    if (TiPlotHost* host = Host())
        host->DoObjectMouseCursor(*this, cursor);
    return cursor;
}

void TiPlotChannelCustom::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TiPlotObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TiPlotChannelCustom::NotificationSetFocus(TObject* Sender)
{
    TiPlotObject* other = OtherSelected(Sender);
    if (!other)
        return;
    if (qx::plot::isPlotObjectOf(*other, "TiPlotLegend"))
        return;
    if (qx::plot::isPlotObjectOf(*other, "TiPlotDataCursor")) {
        const qx::ClassInfo* info = qx::ClassRegistry::instance().classOf(*other);
        const qx::PropertyInfo* p = info ? info->findProperty("ChannelName") : nullptr;
        if (p && p->get && qx::sameText(qx::detail::asString(p->get(*other)), Name()))
            return;
    }
    SetUserSelected(false);
}

// ---- Files ----

void TiPlotChannelCustom::SaveDataToFile(const std::string& FileName)
{
    TiPlotHost* host = Host();
    const char separator = host ? host->DataFileSeparator() : '\t';
    std::ostringstream text;
    for (int i = 0; i < Count(); ++i) {
        if (DataEmpty(i))
            continue;
        text << PlotFileNumber(DataX(i)) << separator << (DataNull(i) ? "Null" : PlotFileNumber(DataY(i))) << "\r\n";
    }
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    if (!out)
        throw EiPlotError("Cannot create file \"" + FileName + "\"");
    out << text.str();
    if (!out)
        throw EiPlotError("Cannot write file \"" + FileName + "\"");
}

void TiPlotChannelCustom::LoadDataFromFile(const std::string& FileName, bool ClearPreviousData)
{
    if (FLoggingActive)
        LogDeactivate();
    const std::vector<std::string> lines = qx::plot::LoadLinesFromFile(FileName);
    const char separator = !lines.empty() && lines.front().find('\t') != std::string::npos ? '\t' : ',';
    // Every number is read before the channel changes, so a bad one leaves it as it was.
    struct Read
    {
        double x, y;
        bool null, empty;
    };
    std::vector<Read> points;
    for (const std::string& line : lines) {
        const auto at = line.find(separator);
        if (at == std::string::npos)
            continue;
        const std::string first = qx::plot::Trim(line.substr(0, at));
        const std::string second = qx::plot::Trim(line.substr(at + 1));
        if (first.empty())
            continue;
        const double x = ReadPlotFileNumber(first);
        const std::string key = qx::plot::UpperCase(second);
        if (key == "NULL" || key == "EMPTY")
            points.push_back({x, 0, key == "NULL", key == "EMPTY"});
        else
            points.push_back({x, ReadPlotFileNumber(second), false, false});
    }
    if (ClearPreviousData)
        Clear();
    for (const Read& p : points)
        AddPoint(p.x, p.y, p.null, p.empty);
}

void TiPlotChannelCustom::SavePropertiesToFile(const std::string& FileName)
{
    try {
        std::vector<std::string> lines{"File Type = Plot Channel Config"};
        const std::vector<std::string> skip{"Channel.Name"};
        TiPlotHost* host = Host();
        qx::plot::SavePropertiesAsText(*this, "Channel", lines, &skip, host && host->DifferentialPropertySave());
        qx::plot::SaveLinesToFile(FileName, lines);
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Saving Properties - ") + error.what());
    }
}

void TiPlotChannelCustom::LoadPropertiesFromFile(const std::string& FileName)
{
    try {
        std::vector<std::string> lines = qx::plot::LoadPropertyLinesFromFile(FileName);
        std::string type;
        if (!qx::plot::TakeValueByName("File Type", type, lines) || qx::plot::UpperCase(type) != "PLOT CHANNEL CONFIG")
            throw EiPlotError("Incompatible Plot Channel Configuration File Type");
        // The channel's lines as they are, put back when a value fails part way.
        std::vector<std::string> before;
        qx::plot::SavePropertiesAsText(*this, "Channel", before, nullptr, false);
        try {
            qx::plot::LoadPropertiesFromText(*this, "Channel", lines);
        } catch (...) {
            qx::plot::LoadPropertiesFromText(*this, "Channel", before);
            throw;
        }
    } catch (const std::exception& error) {
        throw EiPlotError(std::string("Error Loading Properties - ") + error.what());
    }
}

void TiPlotChannelCustom::LogActivate(bool Append)
{
    if (qx::plot::Trim(FLogFileName).empty())
        throw EiPlotError(iPlotChannelText::LogFileNameNotDefined);
    if (FLoggingActive)
        throw EiPlotError(iPlotChannelText::LoggingAlreadyActive);
    std::fstream file;
    if (Append)
        file.open(FLogFileName, std::ios::in | std::ios::out | std::ios::binary);
    else
        file.open(FLogFileName, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!file)
        throw EiPlotError("Cannot open file \"" + FLogFileName + "\"");
    file.close();
    FLoggingActive = true;
    FLogBufferCount = 0;
}

void TiPlotChannelCustom::LogDeactivate()
{
    if (!FLoggingActive)
        throw EiPlotError(iPlotChannelText::LoggingNotActive);
    FLoggingActive = false;
    if (FLogBufferCount > 0)
        LogFlush();
}

void TiPlotChannelCustom::LogFlush()
{
    // A ring buffer smaller than the log buffer holds fewer points than were counted: only
    // those still held are written, and the count starts again whatever happens.
    const int pending = std::min(FLogBufferCount, Count());
    FLogBufferCount = 0;
    TiPlotHost* host = Host();
    const char separator = host ? host->DataFileSeparator() : '\t';
    std::string text;
    for (int i = Count() - pending; i < Count(); ++i) {
        std::string line = PlotFileNumber(DataX(i)) + separator + PlotFileNumber(DataY(i)) + "\r\n";
        if (line.size() > 255)
            line.resize(255);
        text += line;
    }
    std::fstream file(FLogFileName, std::ios::in | std::ios::out | std::ios::binary);
    if (!file)
        throw EiPlotError("Cannot open file \"" + FLogFileName + "\"");
    file.seekp(0, std::ios::end);
    file << text;
    if (!file)
        throw EiPlotError("Cannot write file \"" + FLogFileName + "\"");
}

// ---- Registration ----

namespace qx {

void registerPlotChannelClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotObjectClasses();
        registerEnum<TiPlotLineStyle>("TiPlotLineStyle", {{"iplsSolid", iplsSolid},
                                                          {"iplsDash", iplsDash},
                                                          {"iplsDot", iplsDot},
                                                          {"iplsDashDot", iplsDashDot},
                                                          {"iplsDashDotDot", iplsDashDotDot}});
        registerEnum<TiPlotMarkerStyle>(
            "TiPlotMarkerStyle",
            {{"ipmsCircle", ipmsCircle}, {"ipmsSquare", ipmsSquare}, {"ipmsDiamond", ipmsDiamond},
             {"ipmsCross", ipmsCross}, {"ipmsPlus", ipmsPlus}, {"ipmsTriangleUp", ipmsTriangleUp},
             {"ipmsTriangleDown", ipmsTriangleDown}, {"ipmsTriangleLeft", ipmsTriangleLeft},
             {"ipmsTriangleRight", ipmsTriangleRight}, {"ipmsVerticalLine", ipmsVerticalLine},
             {"ipmsHorizontalLine", ipmsHorizontalLine}, {"ipmsCharacter", ipmsCharacter}});
        registerEnum<TiPlotDataStyle>("TiPlotDataStyle", {{"ipdsStandard", ipdsStandard},
                                                          {"ipdsCompact", ipdsCompact},
                                                          {"ipdsCompactInterval", ipdsCompactInterval},
                                                          {"ipdsFullFeature", ipdsFullFeature}});
        registerEnum<TiPlotChannelDataPointMoveStyle>(
            "TiPlotChannelDataPointMoveStyle",
            {{"ipcdpmsXandY", ipcdpmsXandY}, {"ipcdpmsXOnly", ipcdpmsXOnly}, {"ipcdpmsYOnly", ipcdpmsYOnly}});
        using C = TiPlotChannelCustom;
        registerClass<C, TiPlotManagerObject>("TiPlotChannelCustom")
            .property("TitleText", &C::TitleText, &C::SetTitleText)
            .property("VisibleInLegend", &C::VisibleInLegend, &C::SetVisibleInLegend)
            .defaultValue(true)
            .property("ClipToAxes", &C::ClipToAxes, &C::SetClipToAxes)
            .defaultValue(false)
            .property("ShowDataPointHints", &C::ShowDataPointHints, &C::SetShowDataPointHints)
            .defaultValue(false)
            .property("UserCanMoveDataPoints", &C::UserCanMoveDataPoints, &C::SetUserCanMoveDataPoints)
            .defaultValue(false)
            .property("UserCanMoveDataPointsStyle", &C::UserCanMoveDataPointsStyle, &C::SetUserCanMoveDataPointsStyle)
            .defaultValue(ipcdpmsXandY)
            .property("RingBufferSize", &C::RingBufferSize, &C::SetRingBufferSize)
            .defaultValue(0)
            .property("TraceVisible", &C::TraceVisible, &C::SetTraceVisible)
            .defaultValue(true)
            .color("Color", &C::Color, &C::SetColor)
            .colorDefault(clRed)
            .property("TraceLineStyle", &C::TraceLineStyle, &C::SetTraceLineStyle)
            .defaultValue(iplsSolid)
            .property("TraceLineWidth", &C::TraceLineWidth, &C::SetTraceLineWidth)
            .defaultValue(1)
            .property("MarkersAllowIndividual", &C::MarkersAllowIndividual, &C::SetMarkersAllowIndividual)
            .defaultValue(false)
            .property("MarkersPenUseChannelColor", &C::MarkersPenUseChannelColor, &C::SetMarkersPenUseChannelColor)
            .defaultValue(true)
            .property("MarkersBrushUseChannelColor", &C::MarkersBrushUseChannelColor,
                      &C::SetMarkersBrushUseChannelColor)
            .defaultValue(true)
            .property("MarkersTurnOffLimit", &C::MarkersTurnOffLimit, &C::SetMarkersTurnOffLimit)
            .property("MarkersVisible", &C::MarkersVisible, &C::SetMarkersVisible)
            .defaultValue(false)
            .property("MarkersSize", &C::MarkersSize, &C::SetMarkersSize)
            .defaultValue(3)
            .property("MarkersStyle", &C::MarkersStyle, &C::SetMarkersStyle)
            .defaultValue(ipmsCircle)
            .color("MarkersPenColor", &C::MarkersPenColor, &C::SetMarkersPenColor)
            .colorDefault(clRed)
            .property("MarkersPenStyle", &C::MarkersPenStyle, &C::SetMarkersPenStyle)
            .defaultValue(psSolid)
            .property("MarkersPenWidth", &C::MarkersPenWidth, &C::SetMarkersPenWidth)
            .defaultValue(0)
            .color("MarkersBrushColor", &C::MarkersBrushColor, &C::SetMarkersBrushColor)
            .colorDefault(clRed)
            .property("MarkersBrushStyle", &C::MarkersBrushStyle, &C::SetMarkersBrushStyle)
            .defaultValue(bsSolid)
            .font("MarkersFont", &C::MarkersFont, &C::SetMarkersFont)
            .property("XAxisName", &C::XAxisName, &C::SetXAxisName)
            .property("YAxisName", &C::YAxisName, &C::SetYAxisName)
            .property("XAxisTrackingEnabled", &C::XAxisTrackingEnabled, &C::SetXAxisTrackingEnabled)
            .defaultValue(true)
            .property("YAxisTrackingEnabled", &C::YAxisTrackingEnabled, &C::SetYAxisTrackingEnabled)
            .defaultValue(true)
            .property("LogFileName", &C::LogFileName, &C::SetLogFileName)
            .property("LogBufferSize", &C::LogBufferSize, &C::SetLogBufferSize)
            .defaultValue(0)
            .property("DataStyle", &C::DataStyle, &C::SetDataStyle)
            .property("Tag", &C::Tag, &C::SetTag);
    });
}

} // namespace qx
