#pragma once
// TiPlotAxis: a value axis of a plot. It owns the range shown (Min and Span), maps values to
// pixels through its scale, lists and draws its ticks, labels and title beside the data
// area, follows new data by its tracking style and answers drags, the wheel and keys.
// TiPlotXAxis and TiPlotYAxis differ only in their tracking defaults. The pixel map, the
// tick calculation and the label texts are the plain values of base/ (iPlotAxisScale,
// iPlotTicks, iPlotTextFormat); this class measures them on a canvas and draws them.

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotObjects.h"
#include "controls/plot/base/iPlotTicks.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <string>
#include <vector>

class TCanvas;
class TPopupMenu;
class TiPlotHost;

enum TiQuadSide { iqsLeft, iqsTop, iqsRight, iqsBottom };
enum TiPlotAxisMode { ipamScroll, ipamZoom };
enum TiPlotGridLineStyle { ipglsSolid, ipglsDash, ipglsDot };
enum TiPlotTrackingStyle {
    iptsScaleMinMax, iptsScaleMax, iptsScaleMin, iptsScrollSmooth, iptsScrollPage, iptsExpandCollapse,
    iptsExpandCollapseFast, iptsExpandMinMax
};
enum TiPlotTrackingIncrementStyle { iptisMinimum, iptisMajor, iptisMinor };
enum TiPlotAlignFirstStyle { ipafsMin, ipafsMax, ipafsAuto, ipafsNone };
enum TiPlotCartesianStyle { ipcsNone, ipcsMaster, ipcsChild };

/// The pen of one kind of grid line.
struct TiPlotGridLinePen
{
    TiPlotGridLineStyle Style = ipglsSolid;
    TColor Color = clGreen;
    int Width = 0;
};

class TiPlotAxis : public TiPlotLayoutObject
{
public:
    TiPlotAxis(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
               TNotifyEvent AOnRename);

    // ---- Scale properties ----
    double Min() const { return FScale.Min; }
    /// Held within +-1e300; not a number is refused. Raises the plot's min events.
    void SetMin(double Value);
    double Span() const { return FScale.Span; }
    /// Held within 1e-300..1e300; not a number is refused. Raises the plot's span events.
    void SetSpan(double Value);
    double Max() const { return FScale.Max(); }
    double Mid() const { return FScale.Mid(); }
    /// Both values with one set of events; on a logarithmic scale a value not above 0 becomes 1.
    void SetMinSpan(double NewMin, double NewSpan);
    /// The span as a stream's legacy key stores it: straight into the field.
    void SetSpanStored(double Value) { FScale.Span = Value; }
    double DesiredStart() const { return FDesiredStart; }
    void SetDesiredStart(double Value) { SetDoubleField(Value, FDesiredStart, &TiPlotObject::DoChange); }
    double DesiredIncrement() const { return FDesiredIncrement; }
    void SetDesiredIncrement(double Value);
    bool ReverseScale() const { return FScale.ReverseScale; }
    void SetReverseScale(bool Value) { SetBooleanField(Value, FScale.ReverseScale, &TiPlotObject::DoChange); }
    int InnerMargin() const { return FInnerMargin; }
    void SetInnerMargin(int Value) { SetIntegerField(Value, FInnerMargin, &TiPlotObject::DoChange); }
    int OuterMargin() const { return FOuterMargin; }
    void SetOuterMargin(int Value) { SetIntegerField(Value, FOuterMargin, &TiPlotObject::DoChange); }
    int MajorLength() const { return FMajorLength; }
    void SetMajorLength(int Value) { SetIntegerField(Value, FMajorLength, &TiPlotObject::DoChange); }
    int MinorLength() const { return FMinorLength; }
    void SetMinorLength(int Value) { SetIntegerField(Value, FMinorLength, &TiPlotObject::DoChange); }
    int MinorCount() const { return FMinorCount; }
    void SetMinorCount(int Value) { SetIntegerField(Value, FMinorCount, &TiPlotObject::DoChange); }
    bool ScaleLineShow() const { return FScaleLineShow; }
    void SetScaleLineShow(bool Value) { SetBooleanField(Value, FScaleLineShow, &TiPlotObject::DoChange); }
    bool ScaleLinesShow() const { return FScaleLinesShow; }
    void SetScaleLinesShow(bool Value) { SetBooleanField(Value, FScaleLinesShow, &TiPlotObject::DoChange); }
    TColor ScaleLinesColor() const { return FScaleLinesColor; }
    void SetScaleLinesColor(TColor Value) { SetColorField(Value, FScaleLinesColor, &TiPlotObject::DoChange); }
    double StackingEndsMargin() const { return FStackingEndsMargin; }
    void SetStackingEndsMargin(double Value) { SetDoubleField(Value, FStackingEndsMargin, &TiPlotObject::DoChange); }
    TiPlotScaleType ScaleType() const { return FScale.ScaleType; }
    /// Switching to logarithmic with Min at or below 0 sets Min to 1 (no events).
    void SetScaleType(TiPlotScaleType Value);
    bool GridLinesVisible() const { return FGridLinesVisible; }
    void SetGridLinesVisible(bool Value) { SetBooleanField(Value, FGridLinesVisible, &TiPlotObject::DoChange); }

    // ---- Title and label properties ----
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { SetStringField(Value, FTitle, &TiPlotObject::DoChange); }
    double TitleMargin() const { return FTitleMargin; }
    void SetTitleMargin(double Value) { SetDoubleField(Value, FTitleMargin, &TiPlotObject::DoChange); }
    const TFont& TitleFont() const { return FTitleFont; }
    void SetTitleFont(const TFont& Value) { SetFont(Value, FTitleFont); }
    bool TitleShow() const { return FTitleShow; }
    void SetTitleShow(bool Value) { SetBooleanField(Value, FTitleShow, &TiPlotObject::DoChange); }
    bool TitleRotated() const { return FTitleRotated; }
    void SetTitleRotated(bool Value) { SetBooleanField(Value, FTitleRotated, &TiPlotObject::DoChange); }
    bool LabelsVisible() const { return FLabelsVisible; }
    void SetLabelsVisible(bool Value) { SetBooleanField(Value, FLabelsVisible, &TiPlotObject::DoChange); }
    double LabelsMargin() const { return FLabelsMargin; }
    void SetLabelsMargin(double Value) { SetDoubleField(Value, FLabelsMargin, &TiPlotObject::DoChange); }
    const TFont& LabelsFont() const { return FLabelsFont; }
    void SetLabelsFont(const TFont& Value) { SetFont(Value, FLabelsFont); }
    double LabelSeparation() const { return FLabelSeparation; }
    void SetLabelSeparation(double Value) { SetDoubleField(Value, FLabelSeparation, &TiPlotObject::DoChange); }
    TiRotationAngle LabelsRotation() const { return FLabelsRotation; }
    void SetLabelsRotation(TiRotationAngle Value);
    int LabelsPrecision() const { return FLabels.Precision; }
    /// Precisions are held within 0..30.
    void SetLabelsPrecision(int Value) { SetPrecision(Value, FLabels.Precision); }
    TiPrecisionStyle LabelsPrecisionStyle() const { return FLabels.PrecisionStyle; }
    void SetLabelsPrecisionStyle(TiPrecisionStyle Value);
    TiPlotTextFormat LabelsFormatStyle() const { return FLabels.Style; }
    void SetLabelsFormatStyle(TiPlotTextFormat Value);
    const std::string& DateTimeFormat() const { return FLabels.DateTimeFormat; }
    void SetDateTimeFormat(const std::string& Value) { SetStringField(Value, FLabels.DateTimeFormat, &TiPlotObject::DoChange); }
    double LabelsMinLength() const { return FLabelsMinLength; }
    void SetLabelsMinLength(double Value) { SetDoubleField(Value, FLabelsMinLength, &TiPlotObject::DoChange); }
    bool LabelsMinLengthAutoAdjust() const { return FLabelsMinLengthAutoAdjust; }
    void SetLabelsMinLengthAutoAdjust(bool Value) { SetBooleanField(Value, FLabelsMinLengthAutoAdjust, &TiPlotObject::DoChange); }

    bool CursorUseDefaultFormat() const { return FCursorUseDefaultFormat; }
    void SetCursorUseDefaultFormat(bool Value) { SetBooleanField(Value, FCursorUseDefaultFormat, &TiPlotObject::DoChange); }
    TiPlotTextFormat CursorFormatStyle() const { return FCursor.Style; }
    void SetCursorFormatStyle(TiPlotTextFormat Value);
    const std::string& CursorDateTimeFormat() const { return FCursor.DateTimeFormat; }
    void SetCursorDateTimeFormat(const std::string& Value) { SetStringField(Value, FCursor.DateTimeFormat, &TiPlotObject::DoChange); }
    TiPrecisionStyle CursorPrecisionStyle() const { return FCursor.PrecisionStyle; }
    void SetCursorPrecisionStyle(TiPrecisionStyle Value);
    int CursorPrecision() const { return FCursor.Precision; }
    void SetCursorPrecision(int Value) { SetPrecision(Value, FCursor.Precision); }
    double CursorMinLength() const { return FCursorMinLength; }
    void SetCursorMinLength(double Value) { SetDoubleField(Value, FCursorMinLength, &TiPlotObject::DoChange); }
    bool CursorMinLengthAutoAdjust() const { return FCursorMinLengthAutoAdjust; }
    void SetCursorMinLengthAutoAdjust(bool Value) { SetBooleanField(Value, FCursorMinLengthAutoAdjust, &TiPlotObject::DoChange); }

    bool LegendUseDefaultFormat() const { return FLegendUseDefaultFormat; }
    void SetLegendUseDefaultFormat(bool Value) { SetBooleanField(Value, FLegendUseDefaultFormat, &TiPlotObject::DoChange); }
    TiPlotTextFormat LegendFormatStyle() const { return FLegend.Style; }
    void SetLegendFormatStyle(TiPlotTextFormat Value);
    const std::string& LegendDateTimeFormat() const { return FLegend.DateTimeFormat; }
    void SetLegendDateTimeFormat(const std::string& Value) { SetStringField(Value, FLegend.DateTimeFormat, &TiPlotObject::DoChange); }
    TiPrecisionStyle LegendPrecisionStyle() const { return FLegend.PrecisionStyle; }
    void SetLegendPrecisionStyle(TiPrecisionStyle Value);
    int LegendPrecision() const { return FLegend.Precision; }
    void SetLegendPrecision(int Value) { SetPrecision(Value, FLegend.Precision); }
    double LegendMinLength() const { return FLegendMinLength; }
    void SetLegendMinLength(double Value) { SetDoubleField(Value, FLegendMinLength, &TiPlotObject::DoChange); }
    bool LegendMinLengthAutoAdjust() const { return FLegendMinLengthAutoAdjust; }
    void SetLegendMinLengthAutoAdjust(bool Value) { SetBooleanField(Value, FLegendMinLengthAutoAdjust, &TiPlotObject::DoChange); }
    double CursorScaler() const { return FCursorScaler; }
    /// While set, changes of Min and Span raise none of the plot's range events.
    void SetBlockMinSpanEvents(bool Value) { FBlockMinSpanEvents = Value; }
    bool BlockMinSpanEvents() const { return FBlockMinSpanEvents; }
    void SetCursorScaler(double Value) { SetDoubleField(Value, FCursorScaler, &TiPlotObject::DoChange); }

    // ---- Tracking, scrolling and references ----
    bool TrackingEnabled() const { return FTrackingEnabled; }
    /// With RestoreValuesOnResume: switching on restores the range saved when it was
    /// switched off.
    void SetTrackingEnabled(bool Value);
    TiPlotTrackingStyle TrackingStyle() const { return FTrackingStyle; }
    void SetTrackingStyle(TiPlotTrackingStyle Value);
    TiPlotTrackingIncrementStyle TrackingIncrementStyle() const { return FTrackingIncrementStyle; }
    void SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle Value);
    TiPlotAlignFirstStyle TrackingAlignFirstStyle() const { return FTrackingAlignFirstStyle; }
    void SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle Value);
    double TrackingScrollCompressMax() const { return FTrackingScrollCompressMax; }
    void SetTrackingScrollCompressMax(double Value) { SetDoubleField(Value, FTrackingScrollCompressMax, &TiPlotObject::DoChange); }
    double TrackingSpanMinimum() const { return FTrackingSpanMinimum; }
    void SetTrackingSpanMinimum(double Value) { SetDoubleField(Value, FTrackingSpanMinimum, &TiPlotObject::DoChange); }
    double TrackingMaxMargin() const { return FTrackingMaxMargin; }
    void SetTrackingMaxMargin(double Value) { SetDoubleField(Value, FTrackingMaxMargin, &TiPlotObject::DoChange); }
    double TrackingMinMargin() const { return FTrackingMinMargin; }
    void SetTrackingMinMargin(double Value) { SetDoubleField(Value, FTrackingMinMargin, &TiPlotObject::DoChange); }
    bool ScrollMinMaxEnabled() const { return FScrollMinMaxEnabled; }
    void SetScrollMinMaxEnabled(bool Value) { SetBooleanField(Value, FScrollMinMaxEnabled, &TiPlotObject::DoChange); }
    double ScrollMax() const { return FScrollMax; }
    void SetScrollMax(double Value) { SetDoubleField(Value, FScrollMax, &TiPlotObject::DoChange); }
    double ScrollMin() const { return FScrollMin; }
    void SetScrollMin(double Value) { SetDoubleField(Value, FScrollMin, &TiPlotObject::DoChange); }
    bool RestoreValuesOnResume() const { return FRestoreValuesOnResume; }
    void SetRestoreValuesOnResume(bool Value) { SetBooleanField(Value, FRestoreValuesOnResume, &TiPlotObject::DoChange); }
    bool MasterUIInput() const { return FMasterUIInput; }
    void SetMasterUIInput(bool Value) { SetBooleanField(Value, FMasterUIInput, &TiPlotObject::DoChange); }
    TiPlotCartesianStyle CartesianStyle() const { return FCartesianStyle; }
    void SetCartesianStyle(TiPlotCartesianStyle Value);
    const std::string& CartesianChildRefAxisName() const { return FCartesianChildRefAxisName; }
    void SetCartesianChildRefAxisName(const std::string& Value);
    double CartesianChildRefValue() const { return FCartesianChildRefValue; }
    void SetCartesianChildRefValue(double Value) { SetDoubleField(Value, FCartesianChildRefValue, &TiPlotObject::DoChange); }
    const std::string& AlignRefAxisName() const { return FAlignRefAxisName; }
    void SetAlignRefAxisName(const std::string& Value);
    TiPlotAxisMode Mode() const { return FMode; }
    void SetMode(TiPlotAxisMode Value);

    // ---- Conversions ----
    int PositionToPixels(double Value) const { return FScale.PositionToPixels(Value); }
    int WidthToPixels(double Value) const { return FScale.WidthToPixels(Value); }
    double PixelsToPosition(int Value) const { return FScale.PixelsToPosition(Value); }
    double PositionToPercent(double Value) const { return FScale.PositionToPercent(Value); }
    /// A fraction of the plot's stacking dimension (of the axis with a reversed or
    /// logarithmic scale) to a value; 0 for a layout span of 0.
    double PercentToPosition(double Value) const;
    bool PointOnScale(double Value) const { return FScale.PointOnScale(Value); }
    bool ValueOnScale(double Value) const { return FScale.PointOnScale(Value); }
    int MinPixels() const { return FScale.PositionToPixels(Min()); }
    int MaxPixels() const { return FScale.PositionToPixels(Max()); }
    const TiPlotAxisScale& Scale() const { return FScale; }

    // ---- Ticks ----
    bool TickListCustom() const { return FTickListCustom; }
    void SetTickListCustom(bool Value) { SetBooleanField(Value, FTickListCustom, &TiPlotObject::DoChange); }
    int TickListCount() const { return static_cast<int>(FTicks.Ticks.size()); }
    const TiPlotTickObject& Tick(int Index) const { return FTicks.Ticks.at(static_cast<std::size_t>(Index)); }
    void TickListClear();
    /// On a logarithmic scale a position at or below 0 raises "Log Scale Requires Position to
    /// be Greater Than Zero" and adds nothing.
    int TickListAdd(double Position, const std::string& ALabel, TiPlotTickType Style);
    double MajorIncrement() const { return FTicks.MajorIncrement; }
    double MinorIncrement() const { return FTicks.MinorIncrement; }
    bool MonthModeEnabled() const { return FTicks.MonthMode; }
    bool YearModeEnabled() const { return FTicks.YearMode; }

    // ---- Texts ----
    std::string GetLabelText(double Value);
    /// Line breaks become spaces.
    std::string GetCursorText(double Value);
    std::string GetCursorValueText(double Value);
    /// The inverse of an X distance (a frequency) is not on the axis' scale, so its decimals
    /// come from its own size instead of the span: 1/35 reads "0.0286", not "0". PlainValue
    /// formats as GetCursorValueText, else as GetCursorText.
    std::string GetInverseCursorText(double Value, bool PlainValue);
    std::string GetLegendText(double Value);
    int LegendColumnWidth(TCanvas& Canvas, const TFont& Font);
    int CursorColumnWidth(TCanvas& Canvas, const TFont& Font);
    /// Written from inside the plot's label customisation event: overrides the label.
    void SetCustomizeLabelEventText(const std::string& Value);

    // ---- What the plot, the layout and the data view call ----
    void CalcScaleGeometry(TCanvas& Canvas);
    void CalcTicks(TCanvas& Canvas);
    int AxisLengthPixels() const { return FScale.AxisLengthPixels(); }
    int MaxLabelWidth(TCanvas& Canvas, const TFont& Font);
    void DrawGridLines(TCanvas& Canvas, const TRect& Rect, bool ShowMajors, bool ShowMinors,
                       const TiPlotGridLinePen& Major, const TiPlotGridLinePen& Minor);
    TRect ScaleRect() const { return FScale.ScaleRect; }
    TRect FocusRect() const { return FFocusRect; }
    TiQuadSide QuadSide() const { return FQuadSide; }
    int RequiredWidth() const { return FRequiredWidth; }
    int TitleOffset() const { return FTitleOffset; }
    /// The perpendicular axis named by CartesianChildRefAxisName, cached.
    TiPlotAxis* CartesianRefAxis();
    /// The axis of the same kind named by AlignRefAxisName, cached.
    TiPlotAxis* AlignRefAxis();
    virtual bool IsXAxis() const = 0;

    // ---- Tracking and zoom ----
    void NewTrackingData(double Value);
    void ResetFirstAlign() { FFirstAlignDone = false; }
    void UpdateResumeValues();
    /// The span times Value about the middle; a factor at or below 0 on a linear scale
    /// raises "Linear Scale Zoom Factor must be Greater than Zero".
    void Zoom(double Value);
    void ZoomToFit() { FitToChannels(false); }
    void ZoomToFitFast() { FitToChannels(true); }

    // ---- Plot object operations ----
    void NotificationRemove(TObject* Sender) override;
    void NotificationRename(TObject* Sender) override;
    void NotificationSetFocus(TObject* Sender) override;
    void PrepareDraw() override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    TCursor iGetMouseCursor(TPoint Point) override;
    void iKeyDown(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu) override;
    void BuildPopupMenu(TPopupMenu& PopupMenu) override;
    int GetRequiredThickness(TCanvas& Canvas) override;
    int GetEndOverhang(TCanvas& Canvas) override;

    static constexpr const char* LogPositionText = "Log Scale Requires Position to be Greater Than Zero";
    static constexpr const char* ZoomFactorText = "Linear Scale Zoom Factor must be Greater than Zero";

protected:
    // The data view hands its drags, presses and wheel turns to these handlers.
    friend class TiPlotDataView;
    void DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData) override;
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;
    bool DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y) override;

    TiPlotHost* Host() const;
    /// Sets a property without notification (the leaves' constructors).
    void InitTracking(TiPlotTrackingStyle Style, TiPlotAlignFirstStyle AlignFirst)
    {
        FTrackingStyle = Style;
        FTrackingAlignFirstStyle = AlignFirst;
    }

private:
    void SetFont(const TFont& Value, TFont& Field);
    void SetPrecision(int Value, int& Field);
    std::string FormatValueText(const TiPlotTextFormatSettings& Settings, double& MinLength, bool AutoAdjust, double Value,
                                const TiPlotTextScale& Scale);
    std::string FormatValueText(const TiPlotTextFormatSettings& Settings, double& MinLength, bool AutoAdjust, double Value)
    {
        return FormatValueText(Settings, MinLength, AutoAdjust, Value, TextScale(Span()));
    }
    std::string CursorText(double Value, bool PlainValue, const TiPlotTextScale& Scale);
    std::string OneLine(const std::string& Text) const;
    /// The scale the texts see, with the span that sets the decimals of plain values.
    TiPlotTextScale TextScale(double DecimalsSpan) const;
    void RaiseRangeEvents(double OldMin, double OldSpan);

    void Align();
    void FitToChannels(bool Fast);
    void ScrollStep(double K);
    void ZoomStep(double K);
    TiPlotAxisMode EffectiveMode(TShiftState Shift) const;
    void RaiseChangeFinished();
    /// Hands the input to the same handler of every other axis of this kind while this
    /// axis replays MasterUIInput.
    template <class F>
    void ReplayOnOthers(F&& Handler);

    void DrawLabel(TCanvas& Canvas, const TiPlotTickObject& Tick);
    void DrawTitle(TCanvas& Canvas);
    void DrawScaleLine(TCanvas& Canvas);
    void DrawTickMark(TCanvas& Canvas, const TiPlotTickObject& Tick);
    int LabelExtent(TCanvas& Canvas, bool AlongWidth);

    TiPlotAxisScale FScale;
    TiPlotTickList FTicks;
    TiPlotAxis* FCartesianRefAxis = nullptr;
    TiPlotAxis* FAlignRefAxis = nullptr;
    bool FBlockMinSpanEvents = false;
    TiQuadSide FQuadSide = iqsBottom;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    double FMouseDownMin = 0;
    double FMouseDownSpan = 0;
    bool FFirstAlignDone = false;
    TRect FFocusRect{};
    int FRequiredWidth = 0;
    int FTitleOffset = 0;
    double FPreviousMin = 0;
    double FPreviousSpan = 100;
    double FPreviousLabelsMinLength = 0;
    bool FAllowLabelMinAdjust = false;
    bool FTickListCustom = false;
    std::string FCustomizeLabelEventText;
    bool FCustomizeLabelEventModified = false;

    double FDesiredStart = 0;
    double FDesiredIncrement = 0;
    int FInnerMargin = 5;
    int FOuterMargin = 5;
    int FMajorLength = 7;
    int FMinorLength = 3;
    int FMinorCount = 1;
    bool FScaleLineShow = true;
    bool FScaleLinesShow = true;
    TColor FScaleLinesColor = clWhite;
    double FStackingEndsMargin = 0.5;
    bool FGridLinesVisible = true;

    std::string FTitle;
    double FTitleMargin = 0.25;
    TFont FTitleFont;
    bool FTitleShow = false;
    bool FTitleRotated = false;
    bool FLabelsVisible = true;
    double FLabelsMargin = 0.25;
    TFont FLabelsFont;
    double FLabelSeparation = 2.0;
    TiRotationAngle FLabelsRotation = ira000;
    TiPlotTextFormatSettings FLabels;
    double FLabelsMinLength = 5;
    bool FLabelsMinLengthAutoAdjust = false;
    bool FCursorUseDefaultFormat = true;
    TiPlotTextFormatSettings FCursor;
    double FCursorMinLength = 5;
    bool FCursorMinLengthAutoAdjust = false;
    bool FLegendUseDefaultFormat = true;
    TiPlotTextFormatSettings FLegend;
    double FLegendMinLength = 5;
    bool FLegendMinLengthAutoAdjust = false;
    double FCursorScaler = 1.0;

    bool FTrackingEnabled = true;
    TiPlotTrackingStyle FTrackingStyle = iptsScaleMinMax;
    TiPlotTrackingIncrementStyle FTrackingIncrementStyle = iptisMinimum;
    TiPlotAlignFirstStyle FTrackingAlignFirstStyle = ipafsMin;
    double FTrackingScrollCompressMax = 0;
    double FTrackingSpanMinimum = 0;
    double FTrackingMaxMargin = 0;
    double FTrackingMinMargin = 0;
    bool FScrollMinMaxEnabled = false;
    double FScrollMax = 100;
    double FScrollMin = 0;
    bool FRestoreValuesOnResume = true;
    bool FMasterUIInput = false;
    TiPlotCartesianStyle FCartesianStyle = ipcsNone;
    std::string FCartesianChildRefAxisName = "<None>";
    double FCartesianChildRefValue = 0;
    std::string FAlignRefAxisName = "<None>";
    TiPlotAxisMode FMode = ipamScroll;
};

class TiPlotXAxis : public TiPlotAxis
{
public:
    /// Tracking scrolls smoothly in a plot (scales to min and max elsewhere) and places the
    /// first value automatically.
    TiPlotXAxis(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
    bool IsXAxis() const override { return true; }
};

class TiPlotYAxis : public TiPlotAxis
{
public:
    TiPlotYAxis(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
    bool IsXAxis() const override { return false; }
};

class TiPlotMasterManager;
/// The X (or Y) axes of a plot in manager order.
std::vector<TiPlotAxis*> PlotAxes(TiPlotMasterManager& Master, bool XAxes);
/// The X (or Y) axis of that name (compared without case), else nullptr.
TiPlotAxis* FindPlotAxis(TiPlotMasterManager& Master, const std::string& Name, bool XAxes);
/// Switches tracking off on every axis of the plot (the plot's DisableAllTracking).
void DisableAllTracking(TiPlotMasterManager& Master);

namespace qx {
/// Publishes the axes' properties and registers their creators with the managers.
void registerPlotAxisClasses();
} // namespace qx
