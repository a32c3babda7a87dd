#include "controls/plot/objects/iPlotAxis.h"

#include "controls/plot/base/iMath.h"
#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "platform/gui/Keys.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PropertyRegistry.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

constexpr double kLargestValue = 1e300;
constexpr double kSmallestSpan = 1e-300;

int RoundPixels(double Value) { return PlotPixel(Value); }

bool Unturned(TiRotationAngle Rotation) { return Rotation == ira000 || Rotation == ira180; }

/// Whether Value is a whole multiple (Value / Increment has no fraction).
bool Whole(double Quotient) { return std::trunc(Quotient) == Quotient; }

TPenStyle PenStyleOf(TiPlotGridLineStyle Style)
{
    switch (Style) {
    case ipglsDash: return psDash;
    case ipglsDot: return psDot;
    default: return psSolid;
    }
}

} // namespace

TiPlotAxis::TiPlotAxis(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                       TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename))
{
    FTitleFont.Name = "Arial";
    FTitleFont.Color = clWhite;
    FTitleFont.SetSize(10);
    FTitleFont.Style = fsBold;
    FLabelsFont.Color = clWhite;
}

TiPlotHost* TiPlotAxis::Host() const { return PlotHostOf(*this); }

// ---- Range ----

void TiPlotAxis::SetMin(double Value)
{
    if (std::isnan(Value))
        return;
    Value = std::clamp(Value, -kLargestValue, kLargestValue);
    if (Value == FScale.Min)
        return;
    const double oldMin = FScale.Min;
    FScale.Min = Value;
    DoChange();
    if (FBlockMinSpanEvents)
        return;
    if (TiPlotHost* host = Host()) {
        host->DoAxisMinChange(*this, oldMin, Value);
        host->DoAxisMinSpanChange(*this, oldMin, Span(), Value, Span());
    }
}

void TiPlotAxis::SetSpan(double Value)
{
    if (std::isnan(Value))
        return;
    Value = std::clamp(Value, kSmallestSpan, kLargestValue);
    if (Value == FScale.Span)
        return;
    const double oldSpan = FScale.Span;
    FScale.Span = Value;
    DoChange();
    if (FBlockMinSpanEvents)
        return;
    if (TiPlotHost* host = Host()) {
        host->DoAxisSpanChange(*this, oldSpan, Value);
        host->DoAxisMinSpanChange(*this, Min(), oldSpan, Min(), Value);
    }
}

void TiPlotAxis::SetMinSpan(double NewMin, double NewSpan)
{
    if (FScale.ScaleType == ipstLog10) {
        if (!(NewMin > 0))
            NewMin = 1;
        if (!(NewSpan > 0))
            NewSpan = 1;
    }
    if (NewMin == Min() && NewSpan == Span())
        return;
    const double oldMin = Min();
    const double oldSpan = Span();
    FBlockMinSpanEvents = true;
    try {
        SetMin(NewMin);
        SetSpan(NewSpan);
    } catch (...) {
        FBlockMinSpanEvents = false;
        throw;
    }
    FBlockMinSpanEvents = false;
    RaiseRangeEvents(oldMin, oldSpan);
}

void TiPlotAxis::RaiseRangeEvents(double OldMin, double OldSpan)
{
    if (Min() == OldMin && Span() == OldSpan)
        return;
    TiPlotHost* host = Host();
    if (!host)
        return;
    if (Min() != OldMin)
        host->DoAxisMinChange(*this, OldMin, Min());
    if (Span() != OldSpan)
        host->DoAxisSpanChange(*this, OldSpan, Span());
    host->DoAxisMinSpanChange(*this, OldMin, OldSpan, Min(), Span());
}

void TiPlotAxis::SetDesiredIncrement(double Value)
{
    if (std::isnan(Value))
        return;
    SetDoubleField(std::clamp(Value, 0.0, kLargestValue), FDesiredIncrement, &TiPlotObject::DoChange);
}

void TiPlotAxis::SetScaleType(TiPlotScaleType Value)
{
    if (Value == FScale.ScaleType)
        return;
    if (Value == ipstLog10 && FScale.Min <= 0)
        FScale.Min = 1.0;
    FScale.ScaleType = Value;
    DoChange();
}

void TiPlotAxis::SetFont(const TFont& Value, TFont& Field)
{
    if (Value == Field)
        return;
    Field = Value;
    DoChange();
}

void TiPlotAxis::SetPrecision(int Value, int& Field) { SetIntegerField(ClampPlotPrecision(Value), Field, &TiPlotObject::DoChange); }

void TiPlotAxis::SetLabelsRotation(TiRotationAngle Value) { SetEnumField(Value, FLabelsRotation); }
void TiPlotAxis::SetLabelsPrecisionStyle(TiPrecisionStyle Value) { SetEnumField(Value, FLabels.PrecisionStyle); }
void TiPlotAxis::SetLabelsFormatStyle(TiPlotTextFormat Value) { SetEnumField(Value, FLabels.Style); }
void TiPlotAxis::SetCursorFormatStyle(TiPlotTextFormat Value) { SetEnumField(Value, FCursor.Style); }
void TiPlotAxis::SetCursorPrecisionStyle(TiPrecisionStyle Value) { SetEnumField(Value, FCursor.PrecisionStyle); }
void TiPlotAxis::SetLegendFormatStyle(TiPlotTextFormat Value) { SetEnumField(Value, FLegend.Style); }
void TiPlotAxis::SetLegendPrecisionStyle(TiPrecisionStyle Value) { SetEnumField(Value, FLegend.PrecisionStyle); }
void TiPlotAxis::SetTrackingStyle(TiPlotTrackingStyle Value) { SetEnumField(Value, FTrackingStyle); }
void TiPlotAxis::SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle Value) { SetEnumField(Value, FTrackingIncrementStyle); }
void TiPlotAxis::SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle Value) { SetEnumField(Value, FTrackingAlignFirstStyle); }
void TiPlotAxis::SetCartesianStyle(TiPlotCartesianStyle Value) { SetEnumField(Value, FCartesianStyle); }
void TiPlotAxis::SetMode(TiPlotAxisMode Value) { SetEnumField(Value, FMode); }

void TiPlotAxis::SetCartesianChildRefAxisName(const std::string& Value)
{
    FCartesianRefAxis = nullptr;
    SetStringField(Value, FCartesianChildRefAxisName, &TiPlotObject::DoChange);
}

void TiPlotAxis::SetAlignRefAxisName(const std::string& Value)
{
    FAlignRefAxis = nullptr;
    SetStringField(Value, FAlignRefAxisName, &TiPlotObject::DoChange);
}

void TiPlotAxis::SetTrackingEnabled(bool Value)
{
    if (Value == FTrackingEnabled)
        return;
    FTrackingEnabled = Value;
    if (FRestoreValuesOnResume) {
        if (Value) {
            SetMinSpan(FPreviousMin, FPreviousSpan);
            FLabelsMinLength = FPreviousLabelsMinLength;
        } else {
            UpdateResumeValues();
        }
    }
    DoChange();
}

void TiPlotAxis::UpdateResumeValues()
{
    FPreviousMin = Min();
    FPreviousSpan = Span();
    FPreviousLabelsMinLength = FLabelsMinLength;
}

double TiPlotAxis::PercentToPosition(double Value) const
{
    if (StopPercent() - StartPercent() <= 0)
        return 0;
    if (FScale.ScaleType == ipstLinear) {
        if (FScale.ReverseScale)
            return Max() - Value * Span();
        return ((Value * 100 - StartPercent()) / (StopPercent() - StartPercent())) * Span() + Min();
    }
    const double m = Min() > 0 ? Min() : 1;
    const double s = Span() > 0 ? Span() : 1;
    const double f = FScale.ReverseScale ? 1 - Value : Value;
    const long double lmin = Log10(m);
    return static_cast<double>(Power(10, lmin + f * (Log10(m + s) - lmin)));
}

// ---- Ticks ----

void TiPlotAxis::TickListClear()
{
    FTicks.Ticks.clear();
    DoChange();
}

int TiPlotAxis::TickListAdd(double Position, const std::string& ALabel, TiPlotTickType Style)
{
    if (FScale.ScaleType == ipstLog10 && !(Position > 0))
        throw EiPlotError(LogPositionText);
    TiPlotTickObject tick;
    tick.TickType = Style;
    tick.Position = Position;
    tick.Text = ALabel;
    FTicks.Ticks.push_back(std::move(tick));
    DoChange();
    return TickListCount() - 1;
}

// ---- Texts ----

TiPlotTextScale TiPlotAxis::TextScale(double DecimalsSpan) const
{
    return {DecimalsSpan, FScale.ScaleType, FLabels.Precision, FLabels.PrecisionStyle};
}

std::string TiPlotAxis::FormatValueText(const TiPlotTextFormatSettings& Settings, double& MinLength, bool AutoAdjust,
                                        double Value, const TiPlotTextScale& Scale)
{
    bool final = false;
    std::string result = FormatPlotValue(Settings, Scale, Value, final);
    if (final)
        return result;
    FCustomizeLabelEventModified = false;
    FCustomizeLabelEventText = result;
    if (TiPlotHost* host = Host())
        host->DoAxisCustomizeLabel(*this, Value, result);
    if (FCustomizeLabelEventModified)
        result = FCustomizeLabelEventText;
    if (AutoAdjust && FAllowLabelMinAdjust && static_cast<double>(result.size()) > MinLength)
        MinLength = static_cast<double>(result.size());
    return result;
}

void TiPlotAxis::SetCustomizeLabelEventText(const std::string& Value)
{
    FCustomizeLabelEventText = Value;
    FCustomizeLabelEventModified = true;
}

std::string TiPlotAxis::OneLine(const std::string& Text) const
{
    std::string line;
    line.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n')
            ++i;
        line += c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
}

std::string TiPlotAxis::GetLabelText(double Value)
{
    return FormatValueText(FLabels, FLabelsMinLength, FLabelsMinLengthAutoAdjust, Value);
}

std::string TiPlotAxis::CursorText(double Value, bool PlainValue, const TiPlotTextScale& Scale)
{
    TiPlotTextFormatSettings format = FCursorUseDefaultFormat ? FLabels : FCursor;
    if (PlainValue) {
        format.Style = iptfValue;
        format.DateTimeFormat.clear();
    }
    if (FCursorUseDefaultFormat)
        return OneLine(FormatValueText(format, FLabelsMinLength, FLabelsMinLengthAutoAdjust, Value, Scale));
    return OneLine(FormatValueText(format, FCursorMinLength, FCursorMinLengthAutoAdjust, Value, Scale));
}

std::string TiPlotAxis::GetCursorText(double Value)
{
    return CursorText(Value, false, TextScale(Span()));
}

std::string TiPlotAxis::GetCursorValueText(double Value)
{
    return CursorText(Value, true, TextScale(Span()));
}

std::string TiPlotAxis::GetInverseCursorText(double Value, bool PlainValue)
{
    return CursorText(Value, PlainValue, TextScale(Value));
}

std::string TiPlotAxis::GetLegendText(double Value)
{
    if (FLegendUseDefaultFormat)
        return OneLine(GetLabelText(Value));
    return OneLine(FormatValueText(FLegend, FLegendMinLength, FLegendMinLengthAutoAdjust, Value));
}

int TiPlotAxis::LegendColumnWidth(TCanvas& Canvas, const TFont& Font)
{
    Canvas.Font() = Font;
    return RoundPixels(TextWidthML(Canvas, "0") * (FLegendUseDefaultFormat ? FLabelsMinLength : FLegendMinLength));
}

int TiPlotAxis::CursorColumnWidth(TCanvas& Canvas, const TFont& Font)
{
    Canvas.Font() = Font;
    return RoundPixels(TextWidthML(Canvas, "0") * (FCursorUseDefaultFormat ? FLabelsMinLength : FCursorMinLength));
}

int TiPlotAxis::MaxLabelWidth(TCanvas& Canvas, const TFont& Font)
{
    Canvas.Font() = Font;
    const int w0 = TextWidthML(Canvas, "0");
    const double minLength = FLabelsMinLength;
    std::string sample;
    FAllowLabelMinAdjust = true;
    try {
        sample = GetLabelText(Span() + std::trunc(Min() / Span()) * Span());
    } catch (...) {
        FAllowLabelMinAdjust = false;
        throw;
    }
    FAllowLabelMinAdjust = false;
    int widest = std::max(RoundPixels(w0 * minLength), TextWidthML(Canvas, sample));
    for (const TiPlotTickObject& tick : FTicks.Ticks)
        widest = std::max(widest, TextWidthML(Canvas, tick.Text));
    return widest;
}

// ---- Geometry and ticks ----

int TiPlotAxis::LabelExtent(TCanvas& Canvas, bool AlongWidth)
{
    if (AlongWidth)
        return MaxLabelWidth(Canvas, FLabelsFont);
    Canvas.Font() = FLabelsFont;
    return TextHeightML(Canvas, GetLabelText(Min()));
}

void TiPlotAxis::CalcScaleGeometry(TCanvas& Canvas)
{
    const TRect r = DrawRect();
    const bool cartesian = FCartesianStyle != ipcsNone;
    const bool horizontal = IsHorz();
    if (cartesian)
        FQuadSide = horizontal ? iqsBottom : iqsRight;
    else if (horizontal)
        FQuadSide = ReverseSide() ? iqsTop : iqsBottom;
    else
        FQuadSide = ReverseSide() ? iqsRight : iqsLeft;
    Canvas.Font() = FLabelsFont;
    TRect scale{};
    if (!horizontal) {
        scale.Left = r.Left;
        scale.Right = r.Right;
        FFocusRect.Left = r.Left + 2;
        FFocusRect.Right = r.Right - 2;
        const int h0 = TextHeightML(Canvas, "0");
        const int e = LabelExtent(Canvas, !Unturned(FLabelsRotation));
        Canvas.Font() = FLabelsFont;
        const int d = cartesian ? 0 : (e + RoundPixels(h0 * FStackingEndsMargin)) / 2;
        scale.Bottom = StartStacked() ? r.Bottom - d : r.Bottom;
        scale.Top = StopStacked() ? r.Top + d : r.Top;
        FFocusRect.Bottom = scale.Bottom + d;
        FFocusRect.Top = scale.Top - d;
    } else {
        scale.Top = r.Top;
        scale.Bottom = r.Bottom;
        FFocusRect.Top = r.Top + 2;
        FFocusRect.Bottom = r.Bottom - 2;
        const int w0 = TextWidthML(Canvas, "0");
        const int e = FLabelsVisible ? LabelExtent(Canvas, Unturned(FLabelsRotation)) : 0;
        Canvas.Font() = FLabelsFont;
        const int d = cartesian ? 0 : RoundPixels(e / 2.0) + RoundPixels(w0 * FStackingEndsMargin);
        scale.Left = StartStacked() ? r.Left + d : r.Left;
        scale.Right = StopStacked() ? r.Right - d : r.Right;
        FFocusRect.Left = scale.Left - d;
        FFocusRect.Right = scale.Right + d;
    }
    FScale.Horizontal = horizontal;
    FScale.SetScaleRect(scale);
}

void TiPlotAxis::CalcTicks(TCanvas& Canvas)
{
    FTicks.MonthMode = false;
    FTicks.YearMode = false;
    CalcScaleGeometry(Canvas);
    if (FTickListCustom) {
        RefreshTickPixels(FScale, FTicks.Ticks);
        return;
    }
    FTicks.Ticks.clear();
    Canvas.Font() = FLabelsFont;
    const bool alongWidth = IsHorz() == Unturned(FLabelsRotation);
    int pitch = 0;
    if (alongWidth) {
        const int w0 = TextWidthML(Canvas, "0");
        pitch = RoundPixels(w0 * (FLabelSeparation + 1) + MaxLabelWidth(Canvas, FLabelsFont));
    } else {
        pitch = RoundPixels(TextHeightML(Canvas, "0") * (FLabelSeparation + 1));
    }
    TiPlotTickSettings settings;
    settings.MaxIntervals = MaxMajorIntervals(AxisLengthPixels(), pitch);
    settings.DesiredStart = FDesiredStart;
    settings.DesiredIncrement = FDesiredIncrement;
    settings.LabelsVisible = FLabelsVisible;
    settings.MinorCount = FMinorCount;
    settings.FormatStyle = FLabels.Style;
    CalcTickList(FScale, settings, [this](double Value) { return GetLabelText(Value); }, FTicks);
}

int TiPlotAxis::GetRequiredThickness(TCanvas& Canvas)
{
    const bool cartesian = FCartesianStyle != ipcsNone;
    int title = 0;
    if (FTitleShow && !cartesian) {
        Canvas.Font() = FTitleFont;
        const int height = TextHeightML(Canvas, FTitle);
        const int across = FTitleRotated ? TextWidthML(Canvas, FTitle) : height;
        title = RoundPixels(height * FTitleMargin + across);
    }
    const int marks = FScaleLinesShow ? std::max(std::max(FMajorLength, 0), FMinorLength) : 0;
    int margin = 0;
    int extent = 0;
    if (FLabelsVisible) {
        Canvas.Font() = FLabelsFont;
        margin = RoundPixels(TextHeightML(Canvas, "A") * FLabelsMargin);
        extent = LabelExtent(Canvas, IsHorz() != Unturned(FLabelsRotation));
    }
    FTitleOffset = marks + FInnerMargin + margin + extent;
    FRequiredWidth = FInnerMargin + FOuterMargin + marks + margin + extent + title;
    return FRequiredWidth;
}

int TiPlotAxis::GetEndOverhang(TCanvas& Canvas)
{
    if (!FLabelsVisible)
        return 0;
    Canvas.Font() = FLabelsFont;
    if (IsHorz() != Unturned(FLabelsRotation))
        return TextHeightML(Canvas, "XYZ") / 2;
    return MaxLabelWidth(Canvas, FLabelsFont) / 2;
}

// ---- Drawing ----

void TiPlotAxis::PrepareDraw()
{
    TiPlotLayoutObject::PrepareDraw();
    if (FCartesianStyle == ipcsNone)
        return;
    TiPlotHost* host = Host();
    if (!host)
        return;
    const TRect s = FScale.ScaleRect;
    switch (FQuadSide) {
    case iqsLeft: host->AxesCollisionAdd({s.Right, s.Top, s.Right + 1, s.Bottom + 1}); break;
    case iqsTop: host->AxesCollisionAdd({s.Left, s.Bottom, s.Right, s.Bottom + 1}); break;
    case iqsRight: host->AxesCollisionAdd({s.Left, s.Top, s.Left + 1, s.Bottom + 1}); break;
    case iqsBottom: host->AxesCollisionAdd({s.Left, s.Top, s.Right + 1, s.Top + 1}); break;
    }
}

void TiPlotAxis::Draw(TCanvas& Canvas, TColor)
{
    if (!Visible())
        return;
    for (TiPlotTickObject& tick : FTicks.Ticks) {
        tick.Show = FScale.PointOnScale(tick.Position);
        if (!tick.Show)
            continue;
        tick.PositionPixels = FScale.PositionToPixels(tick.Position);
        if (tick.TickType == ipttMajor && FLabelsVisible)
            DrawLabel(Canvas, tick);
    }
    if (FScaleLinesShow) {
        Canvas.Brush().Style = bsSolid;
        Canvas.Pen().Style = psSolid;
        Canvas.Pen().Width = 1;
        if (FScaleLineShow)
            DrawScaleLine(Canvas);
        for (const TiPlotTickObject& tick : FTicks.Ticks)
            if (tick.Show)
                DrawTickMark(Canvas, tick);
    }
    const TRect r = DrawRect();
    if (FCartesianStyle != ipcsNone) {
        if (IsHorz()) {
            FFocusRect.Top = r.Top - (FMajorLength + 1) / 2 - 5;
            FFocusRect.Bottom = FFocusRect.Top + FRequiredWidth;
        } else {
            FFocusRect.Left = r.Left - (FMajorLength + 1) / 2 - 5;
            FFocusRect.Right = FFocusRect.Left + FRequiredWidth;
        }
    } else {
        DrawTitle(Canvas);
    }
    if (UserSelected()) {
        Canvas.Font().Color = clWhite;
        DrawFocusRectangle(Canvas, {FFocusRect.Left, FFocusRect.Top, FFocusRect.Right + 1, FFocusRect.Bottom + 1});
    }
}

void TiPlotAxis::DrawLabel(TCanvas& Canvas, const TiPlotTickObject& Tick)
{
    Canvas.Brush().Style = bsClear;
    Canvas.Font() = FLabelsFont;
    const int margin = RoundPixels(TextHeightML(Canvas, "A") * FLabelsMargin);
    const int th = TextHeightML(Canvas, Tick.Text);
    const int tw = TextWidthML(Canvas, Tick.Text);
    int d = 0;
    if (FCartesianStyle != ipcsNone)
        d = margin + (FMajorLength + 1) / 2;
    else
        d = FScaleLinesShow ? FInnerMargin + FMajorLength + margin : FInnerMargin + margin;
    // Extents across the axis (away from the data area) and along it.
    const bool unturned = Unturned(FLabelsRotation);
    const bool sideways = FQuadSide == iqsLeft || FQuadSide == iqsRight;
    const int across = sideways == unturned ? tw : th;
    const int along = sideways == unturned ? th : tw;
    const TRect r = DrawRect();
    const int p = Tick.PositionPixels;
    TRect box{};
    switch (FQuadSide) {
    case iqsLeft: box = {r.Right - d - across, p - along / 2, r.Right - d, p + along / 2}; break;
    case iqsRight: box = {r.Left + d, p - along / 2, r.Left + d + across, p + along / 2}; break;
    case iqsTop: box = {p - along / 2, r.Bottom - d - across, p + along / 2, r.Bottom - d}; break;
    case iqsBottom: box = {p - along / 2, r.Top + d, p + along / 2, r.Top + d + across}; break;
    }
    if (FCartesianStyle != ipcsNone)
        if (TiPlotHost* host = Host(); host && !host->AxesCollisionAccept(box))
            return;
    TRect textRect{};
    DrawTurnedText(Canvas, Tick.Text, box, FLabelsRotation, 0, true, FLabelsFont.Color, textRect);
}

void TiPlotAxis::DrawTitle(TCanvas& Canvas)
{
    const auto first = FTitle.find_first_not_of(' ');
    if (!FTitleShow || first == std::string::npos)
        return;
    Canvas.Font() = FTitleFont;
    Canvas.Brush().Style = bsClear;
    const int height = TextHeightML(Canvas, FTitle);
    const int width = TextWidthML(Canvas, FTitle);
    const int a = FTitleRotated ? width : height;
    const int b = FTitleRotated ? height : width;
    const TRect s = FScale.ScaleRect;
    const int c = (s.Top + s.Bottom) / 2;
    TRect box{};
    switch (FQuadSide) {
    case iqsTop: box = {s.Left, s.Top + FOuterMargin, s.Right, s.Top + FOuterMargin + a}; break;
    case iqsBottom: box = {s.Left, s.Bottom - FOuterMargin - a, s.Right, s.Bottom - FOuterMargin}; break;
    case iqsLeft: box = {s.Left + FOuterMargin, c - b / 2, s.Left + FOuterMargin + a, c + b / 2}; break;
    case iqsRight: box = {s.Right - FOuterMargin - a, c - b / 2, s.Right - FOuterMargin, c + b / 2}; break;
    }
    const bool turned = IsHorz() ? FTitleRotated : !FTitleRotated;
    TRect textRect{};
    DrawTurnedText(Canvas, FTitle, box, turned ? ira090 : ira000, 0, true, FTitleFont.Color, textRect);
}

void TiPlotAxis::DrawScaleLine(TCanvas& Canvas)
{
    Canvas.Pen().Color = FScaleLinesColor;
    Canvas.Pen().Width = 1;
    const int m = FCartesianStyle != ipcsNone ? 0 : FInnerMargin;
    const TRect s = FScale.ScaleRect;
    switch (FQuadSide) {
    case iqsLeft: Canvas.MoveTo(s.Right - m, s.Top); Canvas.LineTo(s.Right - m, s.Bottom + 1); break;
    case iqsTop: Canvas.MoveTo(s.Left, s.Bottom - m); Canvas.LineTo(s.Right, s.Bottom - m); break;
    case iqsRight: Canvas.MoveTo(s.Left + m, s.Top); Canvas.LineTo(s.Left + m, s.Bottom + 1); break;
    case iqsBottom: Canvas.MoveTo(s.Left, s.Top + m); Canvas.LineTo(s.Right + 1, s.Top + m); break;
    }
}

void TiPlotAxis::DrawTickMark(TCanvas& Canvas, const TiPlotTickObject& Tick)
{
    Canvas.Pen().Color = FScaleLinesColor;
    const bool major = Tick.TickType == ipttMajor;
    int from = major ? FInnerMargin : FInnerMargin + FMinorLength;
    int to = major ? FInnerMargin + FMajorLength : FInnerMargin;
    const bool cartesian = FCartesianStyle != ipcsNone;
    if (cartesian) {
        const int h = ((major ? FMajorLength : FMinorLength) + 1) / 2;
        from = h;
        to = -h - 1;
    }
    const TRect r = DrawRect();
    const int p = Tick.PositionPixels;
    TPoint a{}, b{};
    switch (FQuadSide) {
    case iqsLeft: a = {r.Right - from, p}; b = {r.Right - to, p}; break;
    case iqsTop: a = {p, r.Bottom - from}; b = {p, r.Bottom - to}; break;
    case iqsRight: a = {r.Left + from, p}; b = {r.Left + to, p}; break;
    case iqsBottom: a = {p, r.Top + from}; b = {p, r.Top + to}; break;
    }
    if (cartesian)
        if (TiPlotHost* host = Host())
            host->AxesCollisionAdd(NormalRect(a.X, a.Y, b.X, b.Y));
    Canvas.MoveTo(a.X, a.Y);
    Canvas.LineTo(b.X, b.Y);
}

void TiPlotAxis::DrawGridLines(TCanvas& Canvas, const TRect& Rect, bool ShowMajors, bool ShowMinors,
                               const TiPlotGridLinePen& Major, const TiPlotGridLinePen& Minor)
{
    if (!FGridLinesVisible)
        return;
    for (const TiPlotTickObject& tick : FTicks.Ticks) {
        if (!tick.Show)
            continue;
        const bool major = tick.TickType == ipttMajor;
        if (major ? !ShowMajors : !ShowMinors)
            continue;
        const TiPlotGridLinePen& pen = major ? Major : Minor;
        Canvas.Pen().Style = PenStyleOf(pen.Style);
        Canvas.Pen().Width = pen.Width;
        Canvas.Pen().Color = pen.Color;
        if (IsHorz()) {
            Canvas.MoveTo(tick.PositionPixels, Rect.Top);
            Canvas.LineTo(tick.PositionPixels, Rect.Bottom);
        } else {
            Canvas.MoveTo(Rect.Left, tick.PositionPixels);
            Canvas.LineTo(Rect.Right, tick.PositionPixels);
        }
    }
}

// ---- References ----

TiPlotAxis* TiPlotAxis::CartesianRefAxis()
{
    if (TiPlotHost* host = Host(); !FCartesianRefAxis && host)
        FCartesianRefAxis = FindPlotAxis(host->MasterManager(), FCartesianChildRefAxisName, !IsXAxis());
    return FCartesianRefAxis;
}

TiPlotAxis* TiPlotAxis::AlignRefAxis()
{
    if (TiPlotHost* host = Host(); !FAlignRefAxis && host)
        FAlignRefAxis = FindPlotAxis(host->MasterManager(), FAlignRefAxisName, IsXAxis());
    return FAlignRefAxis;
}

void TiPlotAxis::NotificationRemove(TObject* Sender)
{
    if (Sender == FCartesianRefAxis)
        FCartesianRefAxis = nullptr;
    if (Sender == FAlignRefAxis)
        FAlignRefAxis = nullptr;
}

void TiPlotAxis::NotificationRename(TObject* Sender)
{
    if (FCartesianRefAxis && Sender == FCartesianRefAxis)
        FCartesianChildRefAxisName = FCartesianRefAxis->Name();
}

void TiPlotAxis::NotificationSetFocus(TObject* Sender)
{
    TiPlotObject* other = OtherSelected(Sender);
    if (!other)
        return;
    const TShiftState shift = ShiftState();
    if (dynamic_cast<TiPlotAxis*>(other) && (shift.Contains(ssShift) || shift.Contains(ssCtrl)))
        return;
    SetUserSelected(false);
}

// ---- Tracking and zoom ----

void TiPlotAxis::NewTrackingData(double Value)
{
    if (!FTrackingEnabled)
        return;
    double m = Min();
    double s = Span();
    const double mx = Max();
    if (!FFirstAlignDone) {
        FFirstAlignDone = true;
        switch (FTrackingAlignFirstStyle) {
        case ipafsMin: m = Value; break;
        case ipafsMax: m = Value - s; break;
        case ipafsAuto:
            if (Value < Min() || Value > Max())
                m = Value;
            break;
        case ipafsNone: return;
        }
        SetMinSpan(m, s);
        return;
    }
    switch (FTrackingStyle) {
    case iptsScaleMinMax:
        if (m + s < Value)
            s = Value - m;
        if (Value < m)
            m = Value;
        SetMinSpan(m, s);
        Align();
        break;
    case iptsScaleMax:
        if (Max() < Value)
            s = Value - Max() + Span();
        SetMinSpan(m, s);
        Align();
        break;
    case iptsScaleMin:
        if (Value < Min()) {
            m = Value;
            s = mx - Value;
        }
        SetMinSpan(m, s);
        Align();
        break;
    case iptsScrollSmooth:
    case iptsScrollPage: {
        const bool smooth = FTrackingStyle == iptsScrollSmooth;
        if (m + s < Value) {
            if (FTrackingScrollCompressMax != 0) {
                if (Value - m > Span())
                    s = Value - m;
                // Compressing widens the span up to the maximum, never beyond it.
                if (s > FTrackingScrollCompressMax)
                    s = FTrackingScrollCompressMax;
            }
            m = smooth ? Value - s : m + s;
        } else if (Value < Min()) {
            m = smooth ? Value : m - s;
        }
        SetMinSpan(m, s);
        break;
    }
    case iptsExpandCollapse:
        ZoomToFit();
        Align();
        break;
    case iptsExpandCollapseFast:
        ZoomToFitFast();
        Align();
        break;
    case iptsExpandMinMax:
        if (Value > Max())
            s = s + (Value - Max());
        if (Value < Min()) {
            s = Min() - Value + Span();
            m = Value;
        }
        SetMinSpan(m, s);
        Align();
        break;
    }
    if (FTrackingSpanMinimum != 0 && Span() < FTrackingSpanMinimum)
        SetMinSpan(Mid() - FTrackingSpanMinimum / 2, FTrackingSpanMinimum);
    if (FTrackingMinMargin != 0 && Min() + FTrackingMinMargin > Value)
        SetMinSpan(Min() - (Min() + FTrackingMinMargin - Value), Span());
    if (FTrackingMaxMargin != 0 && Value > Max() - FTrackingMaxMargin)
        SetMinSpan(Min(), Value - (Max() - FTrackingMaxMargin) + Span());
}

void TiPlotAxis::Align()
{
    if (FTrackingIncrementStyle == iptisMinimum)
        return;
    const double inc = FTrackingIncrementStyle == iptisMajor ? FTicks.MajorIncrement : FTicks.MinorIncrement;
    // Before the first paint there is no increment to align to.
    if (inc == 0 || !std::isfinite(inc))
        return;
    double top = Max();
    if (!Whole(Max() / inc)) {
        top = std::trunc(Max() / inc) * inc;
        if (top < Max())
            top += inc;
    }
    double bottom = Min();
    if (!Whole(Min() / inc)) {
        bottom = std::trunc(Min() / inc) * inc;
        if (bottom > Min())
            bottom -= inc;
    }
    if (bottom != Min() || top != Max())
        SetMinSpan(bottom, top - bottom);
}

void TiPlotAxis::FitToChannels(bool Fast)
{
    TiPlotHost* host = Host();
    if (!host)
        return;
    TiPlotObjectManagerCustom* channels = host->MasterManager().ChannelManager();
    if (!channels)
        return;
    double hi = -1e300;
    double lo = 1e300;
    const bool xAxis = IsXAxis();
    for (int i = 0; i < channels->Count(); ++i) {
        auto* channel = dynamic_cast<TiPlotChannelExtents*>(channels->GetItem(i));
        if (!channel || !qx::sameText(xAxis ? channel->XAxisName() : channel->YAxisName(), Name()))
            continue;
        if (Fast) {
            hi = std::max(hi, xAxis ? channel->RunningXMax() : channel->RunningYMax());
            lo = std::min(lo, xAxis ? channel->RunningXMin() : channel->RunningYMin());
        } else {
            hi = std::max(hi, xAxis ? channel->GetXMax() : channel->GetYMax());
            lo = std::min(lo, xAxis ? channel->GetXMin() : channel->GetYMin());
        }
    }
    if (!(hi > -1e299 && lo < 1e299 && hi != lo))
        return;
    double d = hi - lo;
    if (!Fast && FTrackingSpanMinimum != 0 && d < FTrackingSpanMinimum)
        d = FTrackingSpanMinimum;
    SetMinSpan(lo - FTrackingMinMargin, d + FTrackingMaxMargin + FTrackingMinMargin);
}

void TiPlotAxis::Zoom(double Value)
{
    if (FScale.ScaleType == ipstLinear) {
        if (!(Value > 0))
            throw EiPlotError(ZoomFactorText);
        const double span = Value * Span();
        SetMinSpan((Max() + Min()) / 2 - span / 2, span);
        return;
    }
    const auto f = static_cast<double>(Power(10, Value));
    SetMinSpan(Min() / f, f * Span());
}

void TiPlotAxis::ZoomStep(double K)
{
    const auto factor = static_cast<double>(Power(10, K));
    const double span = Span() / factor;
    if (FScale.ScaleType == ipstLinear)
        SetMinSpan((Max() + Min()) / 2 - span / 2, span);
    else
        SetMinSpan(factor * Min(), span);
}

void TiPlotAxis::ScrollStep(double K)
{
    if (FScale.ScaleType == ipstLinear) {
        double min = Min() + K * Span();
        if (FScrollMinMaxEnabled) {
            if (min <= FScrollMin)
                min = FScrollMin;
            else if (min + Span() >= FScrollMax)
                min = FScrollMax - Span();
        }
        SetMinSpan(min, Span());
        return;
    }
    const long double decades = Log10(Max()) - Log10(Min());
    const auto f = static_cast<double>(Power(10, K * decades));
    double top = Max() * f;
    double min = Min() * f;
    if (FScrollMinMaxEnabled) {
        if (min <= FScrollMin) {
            min = FScrollMin;
            top = static_cast<double>(Power(10, decades)) * FScrollMin;
        } else if (min + Span() >= FScrollMax) {
            top = FScrollMax;
            min = FScrollMax / static_cast<double>(Power(10, decades));
        }
    }
    SetMinSpan(min, top - min);
}

// ---- Input ----

TiPlotAxisMode TiPlotAxis::EffectiveMode(TShiftState Shift) const
{
    if (!Shift.Contains(ssCtrl))
        return FMode;
    return FMode == ipamScroll ? ipamZoom : ipamScroll;
}

template <class F>
void TiPlotAxis::ReplayOnOthers(F&& Handler)
{
    if (!FMasterUIInput)
        return;
    TiPlotHost* host = Host();
    if (!host)
        return;
    bool& block = host->MasterUIInputBlock();
    if (block)
        return;
    block = true;
    try {
        for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), IsXAxis()))
            if (axis != this)
                Handler(*axis);
    } catch (...) {
        block = false;
        throw;
    }
    block = false;
}

void TiPlotAxis::RaiseChangeFinished()
{
    if (Min() == FMouseDownMin && Span() == FMouseDownSpan)
        return;
    if (TiPlotHost* host = Host())
        host->DoAxisMinSpanChangeFinished(*this, FMouseDownMin, FMouseDownSpan, Min(), Span());
}

void TiPlotAxis::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    ReplayOnOthers([&](TiPlotAxis& axis) { axis.DoMouseLeft(MouseData); });
    FMouseDown = true;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    FMouseDownMin = Min();
    FMouseDownSpan = Span();
}

void TiPlotAxis::DoMouseMove(const TiPlotMouseData& MouseData)
{
    ReplayOnOthers([&](TiPlotAxis& axis) { axis.DoMouseMove(MouseData); });
    if (!FMouseDown || MouseData.DblClickActive)
        return;
    // An axis without length has no pixels to turn into a range change.
    const int length = AxisLengthPixels();
    if (length == 0)
        return;
    RaiseInvalidateNow();
    SetTrackingEnabled(false);
    int delta = 0;
    if (IsHorz())
        delta = FScale.ReverseScale ? FMouseDownX - MouseData.X : MouseData.X - FMouseDownX;
    else
        delta = FScale.ReverseScale ? MouseData.Y - FMouseDownY : FMouseDownY - MouseData.Y;
    const double f = static_cast<double>(delta) / length;
    if (EffectiveMode(MouseData.Shift) == ipamScroll)
        ScrollStep(-f);
    else
        ZoomStep(FScale.ScaleType == ipstLinear ? f / 4 : f * 2);
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
}

void TiPlotAxis::DoMouseUp(const TiPlotMouseData& MouseData)
{
    ReplayOnOthers([&](TiPlotAxis& axis) { axis.DoMouseUp(MouseData); });
    if (FMouseDown) {
        if (FFocusRect.Contains({MouseData.X, MouseData.Y}))
            if (TiPlotHost* host = Host())
                host->DoObjectClick(*this);
        RaiseChangeFinished();
    }
    FMouseDown = false;
}

bool TiPlotAxis::DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y)
{
    ReplayOnOthers([&](TiPlotAxis& axis) { axis.DoMouseWheel(WheelDelta, Shift, X, Y); });
    SetTrackingEnabled(false);
    const int notch = WheelDelta > 0 ? 1 : -1;
    if (EffectiveMode(Shift) == ipamScroll)
        ScrollStep(notch * 0.05);
    else
        ZoomStep(FScale.ScaleType == ipstLinear ? notch * 0.025 : notch * 0.05);
    return true;
}

void TiPlotAxis::iKeyDown(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu)
{
    TiPlotLayoutObject::iKeyDown(CharCode, Shift, PopupMenu);
    ReplayOnOthers([&](TiPlotAxis& axis) {
        Word code = CharCode;
        axis.iKeyDown(code, Shift, nullptr);
    });
    SetTrackingEnabled(false);
    FMouseDownMin = Min();
    FMouseDownSpan = Span();
    double k = 0;
    switch (CharCode) {
    case VK_PRIOR: case VK_END: k = 1; break;
    case VK_NEXT: case VK_HOME: k = -1; break;
    case VK_UP: case VK_RIGHT: k = 0.01; break;
    case VK_LEFT: case VK_DOWN: k = -0.01; break;
    default: break;
    }
    if (k != 0) {
        RaiseInvalidateNow();
        if (FMode == ipamScroll)
            ScrollStep(k);
        else
            ZoomStep(k);
    }
    RaiseChangeFinished();
}

void TiPlotAxis::DoMouseHint(const TiPlotMouseData& MouseData, TiHintData& HintData)
{
    if (FTitleShow)
        return;
    HintData.Text = FTitle;
    HintData.Left = MouseData.X;
    HintData.Top = MouseData.Y - 20;
    TiPlotHost* host = Host();
    if (!host)
        return;
    TCanvas& canvas = host->HintCanvas();
    HintData.Width = canvas.TextWidth(FTitle) + 4;
    HintData.Height = canvas.TextHeight(FTitle) + 4;
    host->DoAxisCustomizeHint(*this, HintData.Text);
}

bool TiPlotAxis::iMouseHitTest(const TiPlotMouseData& MouseData) { return FFocusRect.Contains({MouseData.X, MouseData.Y}); }

TCursor TiPlotAxis::iGetMouseCursor(TPoint)
{
    TCursor cursor = crHandPoint;
    if (FMode == ipamZoom)
        cursor = IsHorz() ? crSizeWE : crSizeNS;
    if (TiPlotHost* host = Host())
        host->DoObjectMouseCursor(*this, cursor);
    return cursor;
}

void TiPlotAxis::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TiPlotLayoutObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
    TiPlotHost* host = Host();
    const auto item = [&](const char* caption, int index) {
        auto* entry = new TMenuItem(&PopupMenu);
        entry->SetCaption(host ? host->TranslateText(caption) : caption);
        PopupMenu.Items()->Insert(index, entry);
        return entry;
    };
    TMenuItem* tracking = item("Tracking Enabled", 0);
    tracking->SetChecked(FTrackingEnabled);
    tracking->OnClick = [this](TObject*) { SetTrackingEnabled(!FTrackingEnabled); };
    TMenuItem* resume = item("Update Resume Values", 1);
    resume->SetEnabled(!FTrackingEnabled && (Min() != FPreviousMin || Span() != FPreviousSpan));
    resume->OnClick = [this](TObject*) { UpdateResumeValues(); };
    TMenuItem* fit = item("Zoom to Fit", 2);
    fit->OnClick = [this](TObject*) { ZoomToFit(); };
}

// ---- The two axes ----

TiPlotXAxis::TiPlotXAxis(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    const bool inPlot = AOwner && qx::plot::isPlotObjectOf(*AOwner, "TiPlot");
    InitTracking(inPlot ? iptsScrollSmooth : iptsScaleMinMax, ipafsAuto);
}

TiPlotYAxis::TiPlotYAxis(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
    InitTracking(iptsScaleMinMax, ipafsNone);
}

std::vector<TiPlotAxis*> PlotAxes(TiPlotMasterManager& Master, bool XAxes)
{
    std::vector<TiPlotAxis*> axes;
    TiPlotObjectManagerCustom* manager = XAxes ? static_cast<TiPlotObjectManagerCustom*>(Master.XAxisManager())
                                               : static_cast<TiPlotObjectManagerCustom*>(Master.YAxisManager());
    if (!manager)
        return axes;
    for (int i = 0; i < manager->Count(); ++i)
        if (auto* axis = dynamic_cast<TiPlotAxis*>(manager->GetItem(i)))
            axes.push_back(axis);
    return axes;
}

TiPlotAxis* FindPlotAxis(TiPlotMasterManager& Master, const std::string& Name, bool XAxes)
{
    for (TiPlotAxis* axis : PlotAxes(Master, XAxes))
        if (qx::sameText(axis->Name(), Name))
            return axis;
    return nullptr;
}

void DisableAllTracking(TiPlotMasterManager& Master)
{
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(Master, xAxes))
            axis->SetTrackingEnabled(false);
}

namespace qx {

void registerPlotAxisClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotObjectClasses();
        registerEnum<TiPlotScaleType>("TiPlotScaleType", {{"ipstLinear", ipstLinear}, {"ipstLog10", ipstLog10}});
        registerEnum<TiRotationAngle>("TiRotationAngle",
                                      {{"ira000", ira000}, {"ira090", ira090}, {"ira180", ira180}, {"ira270", ira270}});
        registerEnum<TiPrecisionStyle>("TiPrecisionStyle", {{"ipsSignificantDigits", ipsSignificantDigits},
                                                            {"ipsFixedDecimalPoints", ipsFixedDecimalPoints}});
        registerEnum<TiPlotTextFormat>("TiPlotTextFormat",
                                       {{"iptfValue", iptfValue}, {"iptfExponent", iptfExponent},
                                        {"iptfPrefix", iptfPrefix}, {"iptfDateTime", iptfDateTime},
                                        {"iptfPrice32nds", iptfPrice32nds}, {"iptfThousands", iptfThousands}});
        registerEnum<TiPlotTrackingStyle>(
            "TiPlotTrackingStyle",
            {{"iptsScaleMinMax", iptsScaleMinMax}, {"iptsScaleMax", iptsScaleMax}, {"iptsScaleMin", iptsScaleMin},
             {"iptsScrollSmooth", iptsScrollSmooth}, {"iptsScrollPage", iptsScrollPage},
             {"iptsExpandCollapse", iptsExpandCollapse}, {"iptsExpandCollapseFast", iptsExpandCollapseFast},
             {"iptsExpandMinMax", iptsExpandMinMax}});
        registerEnum<TiPlotTrackingIncrementStyle>(
            "TiPlotTrackingIncrementStyle",
            {{"iptisMinimum", iptisMinimum}, {"iptisMajor", iptisMajor}, {"iptisMinor", iptisMinor}});
        registerEnum<TiPlotAlignFirstStyle>(
            "TiPlotAlignFirstStyle",
            {{"ipafsMin", ipafsMin}, {"ipafsMax", ipafsMax}, {"ipafsAuto", ipafsAuto}, {"ipafsNone", ipafsNone}});
        registerEnum<TiPlotCartesianStyle>("TiPlotCartesianStyle",
                                           {{"ipcsNone", ipcsNone}, {"ipcsMaster", ipcsMaster}, {"ipcsChild", ipcsChild}});
        registerEnum<TiPlotGridLineStyle>("TiPlotGridLineStyle",
                                          {{"ipglsSolid", ipglsSolid}, {"ipglsDash", ipglsDash}, {"ipglsDot", ipglsDot}});

        using A = TiPlotAxis;
        registerClass<A, TiPlotLayoutObject>("TiPlotAxis")
            .property("Min", &A::Min, &A::SetMin)
            .property("Span", &A::Span, &A::SetSpan)
            .property("Span_2", &A::Span, &A::SetSpanStored)
            .stored(false)
            .property("DesiredStart", &A::DesiredStart, &A::SetDesiredStart)
            .property("DesiredIncrement", &A::DesiredIncrement, &A::SetDesiredIncrement)
            .property("ReverseScale", &A::ReverseScale, &A::SetReverseScale)
            .defaultValue(false)
            .property("InnerMargin", &A::InnerMargin, &A::SetInnerMargin)
            .defaultValue(5)
            .property("OuterMargin", &A::OuterMargin, &A::SetOuterMargin)
            .defaultValue(5)
            .property("MajorLength", &A::MajorLength, &A::SetMajorLength)
            .defaultValue(7)
            .property("MinorLength", &A::MinorLength, &A::SetMinorLength)
            .defaultValue(3)
            .property("MinorCount", &A::MinorCount, &A::SetMinorCount)
            .defaultValue(1)
            .property("ScaleLineShow", &A::ScaleLineShow, &A::SetScaleLineShow)
            .property("ScaleLinesShow", &A::ScaleLinesShow, &A::SetScaleLinesShow)
            .defaultValue(true)
            .color("ScaleLinesColor", &A::ScaleLinesColor, &A::SetScaleLinesColor)
            .colorDefault(clWhite)
            .property("StackingEndsMargin", &A::StackingEndsMargin, &A::SetStackingEndsMargin)
            .property("ScaleType", &A::ScaleType, &A::SetScaleType)
            .defaultValue(ipstLinear)
            .property("GridLinesVisible", &A::GridLinesVisible, &A::SetGridLinesVisible)
            .property("ForceStacking", &A::ForceStacking, &A::SetForceStacking)
            .property("Title", &A::Title, &A::SetTitle)
            .property("TitleMargin", &A::TitleMargin, &A::SetTitleMargin)
            .font("TitleFont", &A::TitleFont, &A::SetTitleFont)
            .property("TitleShow", &A::TitleShow, &A::SetTitleShow)
            .defaultValue(false)
            .property("TitleRotated", &A::TitleRotated, &A::SetTitleRotated)
            .defaultValue(false)
            .property("LabelsVisible", &A::LabelsVisible, &A::SetLabelsVisible)
            .defaultValue(true)
            .property("LabelsMargin", &A::LabelsMargin, &A::SetLabelsMargin)
            .font("LabelsFont", &A::LabelsFont, &A::SetLabelsFont)
            .property("LabelSeparation", &A::LabelSeparation, &A::SetLabelSeparation)
            .property("LabelsRotation", &A::LabelsRotation, &A::SetLabelsRotation)
            .property("LabelsPrecision", &A::LabelsPrecision, &A::SetLabelsPrecision)
            .defaultValue(3)
            .property("LabelsPrecisionStyle", &A::LabelsPrecisionStyle, &A::SetLabelsPrecisionStyle)
            .defaultValue(ipsSignificantDigits)
            .property("LabelsFormatStyle", &A::LabelsFormatStyle, &A::SetLabelsFormatStyle)
            .defaultValue(iptfValue)
            .property("DateTimeFormat", &A::DateTimeFormat, &A::SetDateTimeFormat)
            .property("LabelsMinLength", &A::LabelsMinLength, &A::SetLabelsMinLength)
            .property("LabelsMinLengthAutoAdjust", &A::LabelsMinLengthAutoAdjust, &A::SetLabelsMinLengthAutoAdjust)
            .defaultValue(false)
            .property("CursorUseDefaultFormat", &A::CursorUseDefaultFormat, &A::SetCursorUseDefaultFormat)
            .defaultValue(true)
            .property("CursorFormatStyle", &A::CursorFormatStyle, &A::SetCursorFormatStyle)
            .defaultValue(iptfValue)
            .property("CursorDateTimeFormat", &A::CursorDateTimeFormat, &A::SetCursorDateTimeFormat)
            .property("CursorPrecisionStyle", &A::CursorPrecisionStyle, &A::SetCursorPrecisionStyle)
            .defaultValue(ipsSignificantDigits)
            .property("CursorPrecision", &A::CursorPrecision, &A::SetCursorPrecision)
            .property("CursorMinLength", &A::CursorMinLength, &A::SetCursorMinLength)
            .property("CursorMinLengthAutoAdjust", &A::CursorMinLengthAutoAdjust, &A::SetCursorMinLengthAutoAdjust)
            .defaultValue(false)
            .property("LegendUseDefaultFormat", &A::LegendUseDefaultFormat, &A::SetLegendUseDefaultFormat)
            .defaultValue(true)
            .property("LegendFormatStyle", &A::LegendFormatStyle, &A::SetLegendFormatStyle)
            .defaultValue(iptfValue)
            .property("LegendDateTimeFormat", &A::LegendDateTimeFormat, &A::SetLegendDateTimeFormat)
            .property("LegendPrecisionStyle", &A::LegendPrecisionStyle, &A::SetLegendPrecisionStyle)
            .defaultValue(ipsSignificantDigits)
            .property("LegendPrecision", &A::LegendPrecision, &A::SetLegendPrecision)
            .property("LegendMinLength", &A::LegendMinLength, &A::SetLegendMinLength)
            .property("LegendMinLengthAutoAdjust", &A::LegendMinLengthAutoAdjust, &A::SetLegendMinLengthAutoAdjust)
            .defaultValue(false)
            .property("CursorScaler", &A::CursorScaler, &A::SetCursorScaler)
            .property("TrackingEnabled", &A::TrackingEnabled, &A::SetTrackingEnabled)
            .defaultValue(true)
            .property("TrackingStyle", &A::TrackingStyle, &A::SetTrackingStyle)
            .property("TrackingIncrementStyle", &A::TrackingIncrementStyle, &A::SetTrackingIncrementStyle)
            .property("TrackingAlignFirstStyle", &A::TrackingAlignFirstStyle, &A::SetTrackingAlignFirstStyle)
            .defaultValue(ipafsMin)
            .property("TrackingScrollCompressMax", &A::TrackingScrollCompressMax, &A::SetTrackingScrollCompressMax)
            .property("TrackingSpanMinimum", &A::TrackingSpanMinimum, &A::SetTrackingSpanMinimum)
            .property("TrackingMaxMargin", &A::TrackingMaxMargin, &A::SetTrackingMaxMargin)
            .property("TrackingMinMargin", &A::TrackingMinMargin, &A::SetTrackingMinMargin)
            .property("ScrollMinMaxEnabled", &A::ScrollMinMaxEnabled, &A::SetScrollMinMaxEnabled)
            .property("ScrollMax", &A::ScrollMax, &A::SetScrollMax)
            .property("ScrollMin", &A::ScrollMin, &A::SetScrollMin)
            .property("RestoreValuesOnResume", &A::RestoreValuesOnResume, &A::SetRestoreValuesOnResume)
            .property("MasterUIInput", &A::MasterUIInput, &A::SetMasterUIInput)
            .property("CartesianStyle", &A::CartesianStyle, &A::SetCartesianStyle)
            .property("CartesianChildRefAxisName", &A::CartesianChildRefAxisName, &A::SetCartesianChildRefAxisName)
            .property("CartesianChildRefValue", &A::CartesianChildRefValue, &A::SetCartesianChildRefValue)
            .property("AlignRefAxisName", &A::AlignRefAxisName, &A::SetAlignRefAxisName);
        registerClass<TiPlotXAxis, TiPlotAxis>("TiPlotXAxis");
        registerClass<TiPlotYAxis, TiPlotAxis>("TiPlotYAxis");
        plot::registerPlotObjectCreator("TiPlotXAxis", [](TObject* owner, TNotifyEvent c, TNotifyEvent i,
                                                          TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotXAxis(owner, std::move(c), std::move(i), std::move(r), std::move(n));
        });
        plot::registerPlotObjectCreator("TiPlotYAxis", [](TObject* owner, TNotifyEvent c, TNotifyEvent i,
                                                          TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotYAxis(owner, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
