#pragma once
// TiPlotChannel: the channel of a Y-T plot, a trace over an X that runs in one direction
// (often time). Because X is ordered it finds the points in view by bisection, interpolates Y
// at any X for the data cursors, and draws its trace straight (fast: at most a vertical and a
// connecting line per pixel column), as a cubic spline, polynomial or rational curve, stepped
// or as a digital signal, with an area fill, bars and high-low bars. Time-stamped adders, an
// optional out-of-order test and an OPC binding whose X can come from time stamps.

#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/objects/iPlotChannelOPC.h"
#include "controls/plot/base/iClasses.h"
#include "controls/plot/objects/iPlotFastTrace.h"

#include <memory>
#include <span>
#include <vector>

enum TiPlotInterpolationStyle {
    ipistStraightLine, ipistCubicSpline, ipistPolynomial, ipistRational, ipistDifferential,
    ipistDifferentialTerminated
};
enum TiPlotDigitalReferenceStyle { ipdrScale, ipdrPercent };
enum TiPlotHighLowStyle { iphlsOpenClose, iphlsCandleStick };
enum TiOPCXValueSourceStyle {
    iopcxvsOPCServerTimeStamp, iopcxvsSystemTimeStamp, iopcxvsElapsedTime, iopcxvsElapsedSeconds, iopcxvsOPCItem
};

namespace iPlotChannelText {
inline constexpr const char* OutOfOrderIncreasing = "New Data-Point X-Value is out of order";
inline constexpr const char* OutOfOrderDecreasing = "New Data-Point X-Value is out of order.";
inline constexpr const char* PixelListOutOfRange = "Pixel List XPixel out of Range";
} // namespace iPlotChannelText

/// The Y an interpolating trace drew in one pixel column; Null when it drew none.
struct TiPlotPixelPoint
{
    bool Null = true;
    int XPixel = 0;
    double YValue = 0;
};

class TiPlotChannel : public TiPlotChannelCustom, public TiPlotChannelOPC
{
public:
    TiPlotChannel(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);
    ~TiPlotChannel() override;

    // ---- Published: trace ----
    bool FastDrawEnabled() const { return FFastDrawEnabled; }
    void SetFastDrawEnabled(bool Value) { SetBooleanField(Value, FFastDrawEnabled, &TiPlotObject::DoChange); }
    bool AllowOutOfOrderXValues() const { return FAllowOutOfOrderXValues; }
    void SetAllowOutOfOrderXValues(bool Value) { FAllowOutOfOrderXValues = Value; }
    bool DrawOutOfOrderXValues() const { return FDrawOutOfOrderXValues; }
    void SetDrawOutOfOrderXValues(bool Value)
    {
        SetBooleanField(Value, FDrawOutOfOrderXValues, &TiPlotObject::DoChange);
    }
    bool ResetStartTimeOnFirstDataPoint() const { return FResetStartTimeOnFirstDataPoint; }
    void SetResetStartTimeOnFirstDataPoint(bool Value) { FResetStartTimeOnFirstDataPoint = Value; }
    TiPlotInterpolationStyle InterpolationStyle() const { return FInterpolationStyle; }
    void SetInterpolationStyle(TiPlotInterpolationStyle Value) { SetEnumField(Value, FInterpolationStyle); }

    // ---- Published: fill ----
    bool FillEnabled() const { return FFillEnabled; }
    void SetFillEnabled(bool Value) { SetBooleanField(Value, FFillEnabled, &TiPlotObject::DoChange); }
    double FillReference() const { return FFillReference; }
    void SetFillReference(double Value) { SetDoubleField(Value, FFillReference, &TiPlotObject::DoChange); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle Value) { SetEnumField(Value, FFillStyle); }
    TColor FillColor() const { return FFillColor; }
    void SetFillColor(TColor Value) { SetColorField(Value, FFillColor, &TiPlotObject::DoChange); }
    bool FillUseChannelColor() const { return FFillUseChannelColor; }
    void SetFillUseChannelColor(bool Value) { SetBooleanField(Value, FFillUseChannelColor, &TiPlotObject::DoChange); }

    // ---- Published: digital ----
    bool DigitalEnabled() const { return FDigitalEnabled; }
    void SetDigitalEnabled(bool Value) { SetBooleanField(Value, FDigitalEnabled, &TiPlotObject::DoChange); }
    TiPlotDigitalReferenceStyle DigitalReferenceStyle() const { return FDigitalReferenceStyle; }
    void SetDigitalReferenceStyle(TiPlotDigitalReferenceStyle Value) { SetEnumField(Value, FDigitalReferenceStyle); }
    double DigitalReferenceLow() const { return FDigitalReferenceLow; }
    void SetDigitalReferenceLow(double Value)
    {
        SetDoubleField(Value, FDigitalReferenceLow, &TiPlotObject::DoChange);
    }
    double DigitalReferenceHigh() const { return FDigitalReferenceHigh; }
    void SetDigitalReferenceHigh(double Value)
    {
        SetDoubleField(Value, FDigitalReferenceHigh, &TiPlotObject::DoChange);
    }

    // ---- Published: high-low ----
    TiPlotHighLowStyle HighLowStyle() const { return FHighLowStyle; }
    void SetHighLowStyle(TiPlotHighLowStyle Value) { SetEnumField(Value, FHighLowStyle); }
    bool HighLowEnabled() const { return FHighLowEnabled; }
    void SetHighLowEnabled(bool Value) { SetBooleanField(Value, FHighLowEnabled, &TiPlotObject::DoChange); }
    TColor HighLowBarColor() const { return FHighLowBarColor; }
    void SetHighLowBarColor(TColor Value) { SetColorField(Value, FHighLowBarColor, &TiPlotObject::DoChange); }
    double HighLowBarWidth() const { return FHighLowBarWidth; }
    void SetHighLowBarWidth(double Value) { SetDoubleField(Value, FHighLowBarWidth, &TiPlotObject::DoChange); }
    bool HighLowOpenShow() const { return FHighLowOpenShow; }
    void SetHighLowOpenShow(bool Value) { SetBooleanField(Value, FHighLowOpenShow, &TiPlotObject::DoChange); }
    TColor HighLowOpenColor() const { return FHighLowOpenColor; }
    void SetHighLowOpenColor(TColor Value) { SetColorField(Value, FHighLowOpenColor, &TiPlotObject::DoChange); }
    double HighLowOpenWidth() const { return FHighLowOpenWidth; }
    void SetHighLowOpenWidth(double Value) { SetDoubleField(Value, FHighLowOpenWidth, &TiPlotObject::DoChange); }
    double HighLowOpenHeight() const { return FHighLowOpenHeight; }
    void SetHighLowOpenHeight(double Value) { SetDoubleField(Value, FHighLowOpenHeight, &TiPlotObject::DoChange); }
    bool HighLowCloseShow() const { return FHighLowCloseShow; }
    void SetHighLowCloseShow(bool Value) { SetBooleanField(Value, FHighLowCloseShow, &TiPlotObject::DoChange); }
    TColor HighLowCloseColor() const { return FHighLowCloseColor; }
    void SetHighLowCloseColor(TColor Value) { SetColorField(Value, FHighLowCloseColor, &TiPlotObject::DoChange); }
    double HighLowCloseWidth() const { return FHighLowCloseWidth; }
    void SetHighLowCloseWidth(double Value) { SetDoubleField(Value, FHighLowCloseWidth, &TiPlotObject::DoChange); }
    double HighLowCloseHeight() const { return FHighLowCloseHeight; }
    void SetHighLowCloseHeight(double Value)
    {
        SetDoubleField(Value, FHighLowCloseHeight, &TiPlotObject::DoChange);
    }
    TColor HighLowShadowColor() const { return FHighLowShadowColor; }
    void SetHighLowShadowColor(TColor Value) { SetColorField(Value, FHighLowShadowColor, &TiPlotObject::DoChange); }
    TColor HighLowBullishColor() const { return FHighLowBullishColor; }
    void SetHighLowBullishColor(TColor Value)
    {
        SetColorField(Value, FHighLowBullishColor, &TiPlotObject::DoChange);
    }
    TColor HighLowBearishColor() const { return FHighLowBearishColor; }
    void SetHighLowBearishColor(TColor Value)
    {
        SetColorField(Value, FHighLowBearishColor, &TiPlotObject::DoChange);
    }

    // ---- Published: bars (the store's defaults for every point; the setters always notify) ----
    bool BarEnabled() const { return FBarEnabled; }
    void SetBarEnabled(bool Value) { SetBooleanField(Value, FBarEnabled, &TiPlotObject::DoChange); }
    bool BarPenUseChannelColor() const { return FBarPenUseChannelColor; }
    void SetBarPenUseChannelColor(bool Value)
    {
        SetBooleanField(Value, FBarPenUseChannelColor, &TiPlotObject::DoChange);
    }
    bool BarBrushUseChannelColor() const { return FBarBrushUseChannelColor; }
    void SetBarBrushUseChannelColor(bool Value)
    {
        SetBooleanField(Value, FBarBrushUseChannelColor, &TiPlotObject::DoChange);
    }
    double BarReference() const { return DataList().StoredBarReference(); }
    void SetBarReference(double Value) { StoreBar(&TiPlotDataCustomList::SetStoredBarReference, Value); }
    double BarWidth() const { return DataList().StoredBarWidth(); }
    void SetBarWidth(double Value) { StoreBar(&TiPlotDataCustomList::SetStoredBarWidth, Value); }
    TColor BarPenColor() const { return DataList().StoredBarPenColor(); }
    void SetBarPenColor(TColor Value) { StoreBar(&TiPlotDataCustomList::SetStoredBarPenColor, Value); }
    int BarPenWidth() const { return DataList().StoredBarPenWidth(); }
    void SetBarPenWidth(int Value) { StoreBar(&TiPlotDataCustomList::SetStoredBarPenWidth, Value); }
    TPenStyle BarPenStyle() const { return DataList().StoredBarPenStyle(); }
    void SetBarPenStyle(TPenStyle Value) { StoreBar(&TiPlotDataCustomList::SetStoredBarPenStyle, Value); }
    TColor BarBrushColor() const { return DataList().StoredBarBrushColor(); }
    void SetBarBrushColor(TColor Value) { StoreBar(&TiPlotDataCustomList::SetStoredBarBrushColor, Value); }
    TBrushStyle BarBrushStyle() const { return DataList().StoredBarBrushStyle(); }
    void SetBarBrushStyle(TBrushStyle Value) { StoreBar(&TiPlotDataCustomList::SetStoredBarBrushStyle, Value); }

    // ---- Published: OPC (item 0: Y, or X with the item source; item 1: Y with the item source);
    // the rest are the shared ones ----
    const std::string& OPCGroupName() const { return Item(0).GroupName(); }
    void SetOPCGroupName(const std::string& Value) { Item(0).SetGroupName(Value); }
    TiOPCXValueSourceStyle OPCXValueSource() const { return FOPCXValueSource; }
    void SetOPCXValueSource(TiOPCXValueSourceStyle Value) { SetEnumField(Value, FOPCXValueSource); }

    // ---- Public ----
    double ElapsedStartTime() const { return FElapsedStartTime; }
    void SetElapsedStartTime(double Value) { FElapsedStartTime = Value; }
    void ResetElapsedStartTime();
    bool XIncreasing() const { return FXIncreasing; }

    double DataHigh(int Index) const { return DataList().GetHigh(Index); }
    double DataLow(int Index) const { return DataList().GetLow(Index); }
    double DataOpen(int Index) const { return DataList().GetOpen(Index); }
    double DataClose(int Index) const { return DataList().GetClose(Index); }
    bool DataBarVisible(int Index) const { return DataList().GetBarVisible(Index); }
    double DataBarReference(int Index) const { return DataList().GetBarReference(Index); }
    double DataBarWidth(int Index) const { return DataList().GetBarWidth(Index); }
    TColor DataBarPenColor(int Index) const { return DataList().GetBarPenColor(Index); }
    int DataBarPenWidth(int Index) const { return DataList().GetBarPenWidth(Index); }
    TPenStyle DataBarPenStyle(int Index) const { return DataList().GetBarPenStyle(Index); }
    TColor DataBarBrushColor(int Index) const { return DataList().GetBarBrushColor(Index); }
    TBrushStyle DataBarBrushStyle(int Index) const { return DataList().GetBarBrushStyle(Index); }

    // ---- Adding points ----
    int AddXY(double X, double Y) override;
    int AddXNull(double X);
    int AddXEmpty(double X);
    void AddNullAt(double X) override { AddXNull(X); }
    void AddEmptyAt(double X) override { AddXEmpty(X); }
    /// A high-low point: stored at X with Y 0; the four values are kept by the full-feature
    /// store only.
    int AddHighLow(double X, double High, double Low, double Open, double Close);
    int AddYNow(double Y);
    int AddYElapsedTime(double Y);
    int AddYElapsedSeconds(double Y);
    /// Element k at the newest point's X (0 when empty) plus k times XInterval.
    void AddYArray(std::span<const double> YData, double XInterval);

    // ---- Ranges and interpolation ----
    /// The point with the smallest X at or above TargetValue (the largest at or below for
    /// decreasing data); -1 outside the data or without an X axis.
    int CalcIndex(double TargetValue);
    /// Y of the trace at XValue, interpolated in pixels between the two neighbouring points.
    bool GetYInterpolated(double XValue, double& YValue);
    /// Status and Y of the trace at Target as the data cursor reads it.
    TiPlotDataPointStatus GetCursorY(double Target, double& Y);
    const std::vector<TiPlotPixelPoint>& PixelList() const { return FPixelList; }
    int PixelListStart() const { return FPixelListStart; }
    int PixelListStop() const { return FPixelListStop; }

    void PrepareDraw() override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    void DoInsert() override;
    void DoChange() override;
    void CalcStartIndex() override;
    void CalcStopIndex() override;
    double GetFitXMax() override;
    double GetFitXMin() override;
    double GetFitYMax() override { return FitY(true); }
    double GetFitYMin() override { return FitY(false); }
    void UpdateDataCursor(TiPlotDataCursor& Cursor) override;
    void DrawTrace(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor) override;
    void DrawMarkers(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    /// The bar of point Index in pixels (normalised; exchanged for reversed axes).
    TRect BarRect(int Index);

    /// How many lines the last fast trace drew (for tests).
    int FastTraceLineCount() const { return FFastTraceLines; }

    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();

protected:
    bool PointSearchEnabled() override { return FBarEnabled || MarkersVisible(); }
    bool PointCandidate(int Index, TRect& Rect) override;

private:
    template <class T>
    void StoreBar(void (TiPlotDataCustomList::*Setter)(T), T Value)
    {
        (Store().*Setter)(Value);
        DoChange();
    }
    void StartTime();
    void CheckXOrder(double X);
    void UpdateDirection();
    /// Bisection for Value in increasing (or, with Descending, decreasing) X.
    int FindIndex(double Value, bool Descending = false) const;
    double FitY(bool Max);
    void SetPixelPoint(int XPixel, double YValue);
    TColor FillBrushColor() const { return FFillUseChannelColor ? Color() : FFillColor; }
    bool FillDrawn() const { return FFillEnabled && FFillStyle != bsClear; }

    // Drawing steps.
    void DrawQuad(TCanvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2, double X3, double Y3,
                  double X4, double Y4, bool YPercent = false);
    void DrawFill(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor);
    void DrawBars(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor);
    void DrawFastTrace(TCanvas& Canvas, bool XYReversed);
    void DrawInterpolatedRun(TCanvas& Canvas, bool XYReversed, const std::vector<double>& xa,
                             const std::vector<double>& ya, int Style);
    void DrawSplineTrace(TCanvas& Canvas, bool XYReversed);
    void DrawNevilleTrace(TCanvas& Canvas, bool XYReversed, int Style);
    void DrawSteppedTrace(TCanvas& Canvas, bool XYReversed);
    void DrawDigitalTrace(TCanvas& Canvas, bool XYReversed);
    void DrawDigitalRun(TCanvas& Canvas, bool XYReversed, TDigitalSequenceData& Run);
    void DrawHighLowOpenClose(TCanvas& Canvas, bool XYReversed);
    void DrawHighLowCandleStick(TCanvas& Canvas, bool XYReversed);
    void FillSegment(TCanvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2, bool YPercent);

    void OneItemNewData(TObject* Sender);
    void TwoItemGroupUpdate(const std::string& GroupName);

    std::vector<TiPlotPixelPoint> FPixelList;
    int FPixelListStart = 0;
    int FPixelListStop = 0;
    int FPixelsHigh = 0;
    int FPixelsLow = 0;
    bool FXIncreasing = true;
    bool FFastDrawEnabled = true;
    bool FAllowOutOfOrderXValues = true;
    bool FDrawOutOfOrderXValues = false;
    bool FResetStartTimeOnFirstDataPoint = false;
    TiPlotInterpolationStyle FInterpolationStyle = ipistStraightLine;
    double FElapsedStartTime = 0;
    bool FFillEnabled = false;
    double FFillReference = 0;
    bool FFillUseChannelColor = true;
    TBrushStyle FFillStyle = bsSolid;
    TColor FFillColor = 0;
    TiPlotHighLowStyle FHighLowStyle = iphlsOpenClose;
    bool FHighLowEnabled = false;
    TColor FHighLowBarColor = 0xFFFF00;
    double FHighLowBarWidth = 0.5;
    bool FHighLowOpenShow = true;
    TColor FHighLowOpenColor = 0x00FF00;
    double FHighLowOpenWidth = 1;
    double FHighLowOpenHeight = 1;
    bool FHighLowCloseShow = true;
    TColor FHighLowCloseColor = 0x0000FF;
    double FHighLowCloseWidth = 1;
    double FHighLowCloseHeight = 1;
    TColor FHighLowShadowColor = 0x808080;
    TColor FHighLowBullishColor = 0xFFFFFF;
    TColor FHighLowBearishColor = 0x808080;
    bool FDigitalEnabled = false;
    double FDigitalReferenceLow = 10;
    double FDigitalReferenceHigh = 90;
    TiPlotDigitalReferenceStyle FDigitalReferenceStyle = ipdrScale;
    TiOPCXValueSourceStyle FOPCXValueSource = iopcxvsOPCServerTimeStamp;
    bool FBarEnabled = false;
    bool FBarPenUseChannelColor = true;
    bool FBarBrushUseChannelColor = true;

    // The fast trace's column summary, kept while neither the points nor the X axis's
    // pixel map change, so a redraw walks columns instead of points.
    unsigned long long FRevision = 0;
    TiPlotFastTrace FFastTrace;
    int FFastTraceLines = 0;
};

namespace qx {
/// Publishes the Y-T channel and registers its creator with the managers.
void registerYTPlotChannelClasses();
} // namespace qx
