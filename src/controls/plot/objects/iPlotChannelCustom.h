#pragma once
// TiPlotChannelCustom: the base of a plot's data series. It owns one point store, binds to an
// X and a Y axis of its plot by name, keeps running minimum, maximum and mean of what it was
// given, makes its axes track new points, draws its trace and markers clipped to the X axis
// (and the Y axis with ClipToAxes), finds, hints, drags and clicks single points, and writes
// its points to a data file or an append-only log.

#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotObjects.h"
#include "controls/plot/base/iVariant.h"
#include "controls/plot/objects/iPlotDataCustomList.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <memory>
#include <string>

class TCanvas;
class TiPlotAxis;
class TiPlotDataCursor;

enum TiPlotChannelDataPointMoveStyle { ipcdpmsXandY, ipcdpmsXOnly, ipcdpmsYOnly };

namespace iPlotChannelText {
inline constexpr const char* DataPointNull = "Data Point Null";
inline constexpr const char* XAxisNotAssigned = "X-Axis not assigned";
inline constexpr const char* YAxisNotAssigned = "Y-Axis not assigned";
inline constexpr const char* LogFileNameNotDefined = "Log File Name not Defined";
inline constexpr const char* LoggingAlreadyActive = "Logging Already Active";
inline constexpr const char* LoggingNotActive = "Logging not Active";
inline constexpr const char* LogFileNameLocked = "Log File Name can not be changed while logging is active.";
} // namespace iPlotChannelText

class TiPlotChannelCustom : public TiPlotManagerObject, public TiPlotChannelExtents
{
public:
    TiPlotChannelCustom(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                        TNotifyEvent AOnRename);
    ~TiPlotChannelCustom() override;

    // ---- Published ----
    const std::string& TitleText() const { return FTitleText; }
    void SetTitleText(const std::string& Value) { SetStringField(Value, FTitleText, &TiPlotObject::DoChange); }
    bool VisibleInLegend() const { return FVisibleInLegend; }
    void SetVisibleInLegend(bool Value) { SetBooleanField(Value, FVisibleInLegend, &TiPlotObject::DoChange); }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetBooleanField(Value, FClipToAxes, &TiPlotObject::DoChange); }
    bool ShowDataPointHints() const { return FShowDataPointHints; }
    void SetShowDataPointHints(bool Value) { FShowDataPointHints = Value; }
    bool UserCanMoveDataPoints() const { return FUserCanMoveDataPoints; }
    void SetUserCanMoveDataPoints(bool Value) { FUserCanMoveDataPoints = Value; }
    TiPlotChannelDataPointMoveStyle UserCanMoveDataPointsStyle() const { return FUserCanMoveDataPointsStyle; }
    void SetUserCanMoveDataPointsStyle(TiPlotChannelDataPointMoveStyle Value) { FUserCanMoveDataPointsStyle = Value; }
    int RingBufferSize() const { return FDataList->RingBufferSize(); }
    void SetRingBufferSize(int Value);
    bool TraceVisible() const { return FTraceVisible; }
    void SetTraceVisible(bool Value) { SetBooleanField(Value, FTraceVisible, &TiPlotObject::DoChange); }
    bool MarkersAllowIndividual() const { return FMarkersAllowIndividual; }
    void SetMarkersAllowIndividual(bool Value)
    {
        SetBooleanField(Value, FMarkersAllowIndividual, &TiPlotObject::DoChange);
    }
    bool MarkersPenUseChannelColor() const { return FMarkersPenUseChannelColor; }
    void SetMarkersPenUseChannelColor(bool Value)
    {
        SetBooleanField(Value, FMarkersPenUseChannelColor, &TiPlotObject::DoChange);
    }
    bool MarkersBrushUseChannelColor() const { return FMarkersBrushUseChannelColor; }
    void SetMarkersBrushUseChannelColor(bool Value)
    {
        SetBooleanField(Value, FMarkersBrushUseChannelColor, &TiPlotObject::DoChange);
    }
    int MarkersTurnOffLimit() const { return FMarkersTurnOffLimit; }
    void SetMarkersTurnOffLimit(int Value) { SetIntegerField(Value, FMarkersTurnOffLimit, &TiPlotObject::DoChange); }

    // Trace and marker settings live in the store as the defaults of its points; their
    // setters always notify.
    TColor Color() const { return FDataList->StoredTraceLineColor(); }
    void SetColor(TColor Value) { StoreSetting(&TiPlotDataCustomList::SetStoredTraceLineColor, Value); }
    TiPlotLineStyle TraceLineStyle() const { return FDataList->StoredTraceLineStyle(); }
    void SetTraceLineStyle(TiPlotLineStyle Value) { StoreSetting(&TiPlotDataCustomList::SetStoredTraceLineStyle, Value); }
    int TraceLineWidth() const { return FDataList->StoredTraceLineWidth(); }
    void SetTraceLineWidth(int Value) { StoreSetting(&TiPlotDataCustomList::SetStoredTraceLineWidth, Value); }
    bool MarkersVisible() const { return FDataList->StoredMarkerVisible(); }
    void SetMarkersVisible(bool Value) { StoreSetting(&TiPlotDataCustomList::SetStoredMarkerVisible, Value); }
    int MarkersSize() const { return FDataList->StoredMarkerSize(); }
    void SetMarkersSize(int Value) { StoreSetting(&TiPlotDataCustomList::SetStoredMarkerSize, Value); }
    TiPlotMarkerStyle MarkersStyle() const { return FDataList->StoredMarkerStyle(); }
    void SetMarkersStyle(TiPlotMarkerStyle Value) { StoreSetting(&TiPlotDataCustomList::SetStoredMarkerStyle, Value); }
    TColor MarkersPenColor() const { return FDataList->StoredMarkerPenColor(); }
    void SetMarkersPenColor(TColor Value) { StoreSetting(&TiPlotDataCustomList::SetStoredMarkerPenColor, Value); }
    TPenStyle MarkersPenStyle() const { return FDataList->StoredMarkerPenStyle(); }
    void SetMarkersPenStyle(TPenStyle Value) { StoreSetting(&TiPlotDataCustomList::SetStoredMarkerPenStyle, Value); }
    int MarkersPenWidth() const { return FDataList->StoredMarkerPenWidth(); }
    void SetMarkersPenWidth(int Value) { StoreSetting(&TiPlotDataCustomList::SetStoredMarkerPenWidth, Value); }
    TColor MarkersBrushColor() const { return FDataList->StoredMarkerBrushColor(); }
    void SetMarkersBrushColor(TColor Value) { StoreSetting(&TiPlotDataCustomList::SetStoredMarkerBrushColor, Value); }
    TBrushStyle MarkersBrushStyle() const { return FDataList->StoredMarkerBrushStyle(); }
    void SetMarkersBrushStyle(TBrushStyle Value)
    {
        StoreSetting(&TiPlotDataCustomList::SetStoredMarkerBrushStyle, Value);
    }
    const TFont& MarkersFont() const { return FMarkersFont; }
    void SetMarkersFont(const TFont& Value);

    const std::string& XAxisName() const override { return FXAxisName; }
    void SetXAxisName(const std::string& Value);
    const std::string& YAxisName() const override { return FYAxisName; }
    void SetYAxisName(const std::string& Value);
    bool XAxisTrackingEnabled() const { return FXAxisTrackingEnabled; }
    void SetXAxisTrackingEnabled(bool Value) { SetBooleanField(Value, FXAxisTrackingEnabled, &TiPlotObject::DoChange); }
    bool YAxisTrackingEnabled() const { return FYAxisTrackingEnabled; }
    void SetYAxisTrackingEnabled(bool Value) { SetBooleanField(Value, FYAxisTrackingEnabled, &TiPlotObject::DoChange); }
    const std::string& LogFileName() const { return FLogFileName; }
    void SetLogFileName(const std::string& Value);
    int LogBufferSize() const { return FLogBufferSize; }
    void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
    bool LoggingActive() const { return FLoggingActive; }
    TiPlotDataStyle DataStyle() const { return FDataStyle; }
    void SetDataStyle(TiPlotDataStyle Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

    // ---- Public ----
    TiPlotAxis* XAxis();
    TiPlotAxis* YAxis();
    bool AxesAssigned() { return XAxis() && YAxis(); }
    int Count() const { return FDataList->Count(); }
    /// Sets the store's capacity (drops the newest points beyond it).
    void SetCount(int Value);
    int Capacity() const { return FDataList->Capacity(); }
    int DataPointSize() const { return FDataList->DataPointSize(); }
    int MaxDataPoints() const { return FDataList->MaxDataPoints(); }
    long long MemoryUsed() const { return FDataList->MemoryUsed(); }
    double XFirst() const { return Count() ? FDataList->GetX(0) : -1; }
    double XLast() const { return Count() ? FDataList->GetX(Count() - 1) : -1; }
    double YFirst() const { return Count() ? FDataList->GetY(0) : -1; }
    double YLast() const { return Count() ? FDataList->GetY(Count() - 1) : -1; }
    int IndexFirst() const { return Count() ? 0 : -1; }
    int IndexLast() const { return Count() - 1; }
    int DrawStartIndex() const { return FStartIndex; }
    int DrawStopIndex() const { return FStopIndex; }
    double RunningXMin() const override { return FRunningXMin; }
    double RunningXMax() const override { return FRunningXMax; }
    double RunningXMean() const { return FRunningXMean; }
    double RunningYMin() const override { return FRunningYMin; }
    double RunningYMax() const override { return FRunningYMax; }
    double RunningYMean() const { return FRunningYMean; }
    const std::string& DataCursorXText() const { return FDataCursorXText; }
    const std::string& DataCursorYText() const { return FDataCursorYText; }
    double DataCursorXValue() const { return FDataCursorXValue; }
    double DataCursorYValue() const { return FDataCursorYValue; }
    TiPlotDataPointStatus DataCursorStatus() const { return FDataCursorStatus; }
    const TiPlotDataCustomList& DataList() const { return *FDataList; }
    /// Whether the last PrepareDraw found something to draw.
    bool CanDraw() const { return FCanDraw; }

    double DataX(int Index) const { return FDataList->GetX(Index); }
    void SetDataX(int Index, double Value);
    double DataY(int Index) const { return FDataList->GetY(Index); }
    void SetDataY(int Index, double Value);
    bool DataNull(int Index) const { return FDataList->GetNull(Index); }
    void SetDataNull(int Index, bool Value);
    bool DataEmpty(int Index) const { return FDataList->GetEmpty(Index); }
    void SetDataEmpty(int Index, bool Value);
    bool DataValid(int Index) const { return !DataNull(Index) && !DataEmpty(Index); }

    /// Appends one valid point and returns its index.
    virtual int AddXY(double X, double Y);
    /// The common adding step: store, running statistics, axis tracking, log, change.
    int AddPoint(double X, double Y, bool Null, bool Empty);
    /// Adds the points of two one-dimensional arrays pairwise; arrays of other shapes or
    /// unequal bounds, or an element that is not a number, add nothing.
    void AddXYArrays(const TiVariantArray& XData, const TiVariantArray& YData);
    /// Adds the points of a two-dimensional array whose first dimension holds the X and
    /// the Y row.
    void AddXYArray(const TiVariantArray& Data);
    /// Removes every point and resets the statistics.
    void Clear();
    /// Removes the Size oldest points; Size equal to Count clears the channel.
    void DeletePoints(int Size);
    /// The null and empty markers of a plot's data array at X: the channel classes that
    /// take such points add one; the base adds nothing.
    virtual void AddNullAt(double X) { (void)X; }
    virtual void AddEmptyAt(double X) { (void)X; }
    void GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const
    {
        FDataList->GetXYEmptyNull(Index, X, Null, Empty, Y);
    }

    double GetXMin() override;
    double GetXMax() override;
    double GetXMean();
    double GetYMin() override;
    double GetYMax() override;
    double GetYMean();
    void ReCalcRunningMinMaxMean();
    std::string GetXValueText(double Value);
    std::string GetYValueText(double Value);

    /// The value of a point widened by the markers' size in axis units.
    double MarkerXMax(int Index);
    double MarkerXMin(int Index);
    double MarkerYMax(int Index);
    double MarkerYMin(int Index);

    // ---- Drawing ----
    virtual void CalcStartIndex() = 0;
    virtual void CalcStopIndex() = 0;
    virtual double GetFitXMax() = 0;
    virtual double GetFitXMin() = 0;
    virtual double GetFitYMax() = 0;
    virtual double GetFitYMin() = 0;
    /// Computes the reading of a data cursor and hands it back to the cursor.
    virtual void UpdateDataCursor(TiPlotDataCursor& Cursor) = 0;
    virtual void DrawTrace(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor);
    virtual void DrawMarkers(TCanvas& Canvas, bool XYReversed, TColor BackGroundColor);
    /// One segment between two data points, cut in data units to the X axis (and the Y axis
    /// with ClipToAxes and not YPercent).
    void DrawLine(TCanvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2, bool YPercent);
    /// The pixels DrawLine would join; False when nothing of the segment is drawn.
    bool LineToPixels(bool XYReversed, double X1, double Y1, double X2, double Y2, bool YPercent, TPoint& P1,
                      TPoint& P2);
    /// The marker of point Index centred on Point; Index -1 draws the legend's sample.
    void DrawMarker(TCanvas& Canvas, int Index, TPoint Point, TColor BackGroundColor);
    bool MarkerDrawable(int Index);
    TPoint PointToPixels(int Index);
    TRect MarkerRect(int Index);
    void SetLegendRect(const TRect& Value) { FLegendRect = Value; }
    const TRect& LegendRect() const { return FLegendRect; }

    // ---- Files ----
    /// One line a point (empty points left out): X, the separator and Y or "Null".
    void SaveDataToFile(const std::string& FileName);
    void LoadDataFromFile(const std::string& FileName, bool ClearPreviousData);
    /// "File Type = Plot Channel Config", then the channel's property lines ("Channel.").
    void SavePropertiesToFile(const std::string& FileName);
    void LoadPropertiesFromFile(const std::string& FileName);
    void LogActivate(bool Append);
    void LogDeactivate();
    /// Writes the points added since the last write.
    void LogFlush();

    // ---- Plot object operations ----
    void NotificationRemove(TObject* Sender) override;
    void NotificationRename(TObject* Sender) override;
    void NotificationSetFocus(TObject* Sender) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    TCursor iGetMouseCursor(TPoint Point) override;
    void BuildPopupMenu(TPopupMenu& PopupMenu) override;

    /// Written by a data cursor's reading.
    void SetDataCursorTexts(const std::string& XText, const std::string& YText, double XValue, double YValue,
                            TiPlotDataPointStatus Status);

protected:
    void DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData) override;
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

    /// Whether the select mode's point search runs at all (markers shown).
    virtual bool PointSearchEnabled() { return MarkersVisible(); }
    /// Whether point Index can be hit, and its hit rectangle (the marker's).
    virtual bool PointCandidate(int Index, TRect& Rect);

    TiPlotHost* Host() const { return PlotHostOf(*this); }
    TiPlotDataCustomList& Store() { return *FDataList; }
    /// Walks the points First to Last in order, leaving out the empty ones: OnNull(Index, X)
    /// for a null point, OnPoint(Index, X, Y) for the others.
    template <class Null, class Point>
    void ForEachPoint(int First, int Last, Null OnNull, Point OnPoint) const
    {
        for (int i = First; i <= Last; ++i) {
            double x = 0, y = 0;
            bool null = false, empty = false;
            GetXYEmptyNull(i, x, null, empty, y);
            if (empty)
                continue;
            if (null)
                OnNull(i, x);
            else
                OnPoint(i, x, y);
        }
    }
    void SetDrawRange(int Start, int Stop)
    {
        FStartIndex = Start;
        FStopIndex = Stop;
    }
    void SetCanDraw(bool Value) { FCanDraw = Value; }

private:
    template <class T>
    void StoreSetting(void (TiPlotDataCustomList::*Setter)(T), T Value)
    {
        ((*FDataList).*Setter)(Value);
        DoChange();
    }
    void ResetRunning();
    /// The largest or smallest X or Y of the valid points (-1e300 / 1e300 when none).
    double ScanExtreme(bool XValues, bool Max) const;
    double ScanMean(bool XValues);
    void CountRunning(double X, double Y);
    void TrackNewest(bool Null, bool Empty);
    void MarkerPens(TCanvas& Canvas, int Index);
    /// The width of the markers' size in units of the axis.
    double MarkerSpan(TiPlotAxis* Axis, const char* Missing);
    double MarkerExtent(int Index, bool XAxis, bool Max);

    TiPlotAxis* FXAxis = nullptr;
    TiPlotAxis* FYAxis = nullptr;
    int FSelectDataIndex = -1;
    TRect FSelectHitTestRect{};
    bool FSelectMouseDown = false;
    int FSelectMouseDownIndex = -1;
    int FMouseDownDataIndex = -1;
    TRect FSelectDownRect{};
    double FMouseDownValueX = 0;
    double FMouseDownValueY = 0;
    int FMouseDownPixelX = 0;
    int FMouseDownPixelY = 0;
    int FStartIndex = -1;
    int FStopIndex = -1;
    std::unique_ptr<TiPlotDataCustomList> FDataList;
    std::string FTitleText;
    std::string FYAxisName;
    std::string FXAxisName;
    bool FXAxisTrackingEnabled = true;
    bool FYAxisTrackingEnabled = true;
    bool FLoggingActive = false;
    int FLogBufferCount = 0;
    bool FMarkersAllowIndividual = false;
    int FMarkersTurnOffLimit = 0;
    TRect FLegendRect{};
    bool FVisibleInLegend = true;
    bool FClipToAxes = false;
    bool FShowDataPointHints = false;
    bool FUserCanMoveDataPoints = false;
    TiPlotChannelDataPointMoveStyle FUserCanMoveDataPointsStyle = ipcdpmsXandY;
    bool FMarkersBrushUseChannelColor = true;
    bool FMarkersPenUseChannelColor = true;
    bool FTraceVisible = true;
    int FLogBufferSize = 0;
    std::string FLogFileName;
    int FTag = 0;
    int FRunningCount = 0;
    double FRunningXMin = 1e300, FRunningXMax = -1e300, FRunningXMean = 0;
    long double FRunningXTotal = 0;
    double FRunningYMin = 1e300, FRunningYMax = -1e300, FRunningYMean = 0;
    long double FRunningYTotal = 0;
    TiPlotDataStyle FDataStyle = ipdsStandard;
    TFont FMarkersFont;
    std::string FDataCursorXText, FDataCursorYText;
    double FDataCursorYValue = 0, FDataCursorXValue = 0;
    TiPlotDataPointStatus FDataCursorStatus = ipdpsValid;
};

/// The store of a data style.
std::unique_ptr<TiPlotDataCustomList> MakePointStore(TiPlotDataStyle Style);
/// A number of a data or log file: "." always; "," is read as ".".
std::string PlotFileNumber(double Value);
double ReadPlotFileNumber(std::string Text);

namespace qx {
/// Publishes the channel base's properties.
void registerPlotChannelClasses();
} // namespace qx
