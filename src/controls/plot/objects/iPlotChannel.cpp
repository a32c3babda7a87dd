#include "controls/plot/objects/iPlotChannel.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotDataCursor.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/opc/iOPCManager.h"

#include "platform/gui/PropertyRegistry.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>
#include <mutex>
#include <sstream>

namespace {

/// The current local date and time as days since 30 December 1899.
double NowDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // 25569 days lie between 30 December 1899 and 1 January 1970.
    const std::time_t asUtc = timegm(&local);
    return 25569.0 + static_cast<double>(asUtc) / 86400.0;
}

} // namespace

// ---- Construction ----

TiPlotChannel::TiPlotChannel(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                             TNotifyEvent AOnRename)
    : TiPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      TiPlotChannelOPC(AOwner), FElapsedStartTime(NowDateTime())
{
    Store().SetStoredBarWidth(5);
    Store().SetStoredBarPenColor(clRed);
    Store().SetStoredBarBrushColor(clRed);
    Store().SetStoredBarPenStyle(psSolid);
    Store().SetStoredBarBrushStyle(bsSolid);
    FOPCItemManager.OnNewData = [this](TObject* Sender) { OneItemNewData(Sender); };
}

TiPlotChannel::~TiPlotChannel() = default;

void TiPlotChannel::DoChange()
{
    // Every change of the points reaches here, so the fast trace's column summary is
    // dropped with it.
    ++FRevision;
    TiPlotChannelCustom::DoChange();
}

void TiPlotChannel::DoInsert()
{
    TiPlotChannelCustom::DoInsert();
    if (OPCAutoConnect())
        OPCActivate();
}

// ---- Adding points ----

void TiPlotChannel::ResetElapsedStartTime() { FElapsedStartTime = NowDateTime(); }

void TiPlotChannel::StartTime()
{
    if (FResetStartTimeOnFirstDataPoint && Count() == 0)
        ResetElapsedStartTime();
}

void TiPlotChannel::CheckXOrder(double X)
{
    if (FAllowOutOfOrderXValues || Count() <= 1)
        return;
    const double newest = DataX(Count() - 1);
    if (DataX(1) >= DataX(0)) {
        if (X < newest)
            throw EiPlotError(iPlotChannelText::OutOfOrderIncreasing);
    } else if (X > newest) {
        throw EiPlotError(iPlotChannelText::OutOfOrderDecreasing);
    }
}

int TiPlotChannel::AddXY(double X, double Y)
{
    StartTime();
    CheckXOrder(X);
    return AddPoint(X, Y, false, false);
}

int TiPlotChannel::AddXNull(double X)
{
    StartTime();
    CheckXOrder(X);
    return AddPoint(X, 0, true, false);
}

int TiPlotChannel::AddXEmpty(double X)
{
    StartTime();
    CheckXOrder(X);
    return AddPoint(X, 0, false, true);
}

int TiPlotChannel::AddYNow(double Y)
{
    StartTime();
    return AddPoint(NowDateTime(), Y, false, false);
}

int TiPlotChannel::AddYElapsedTime(double Y)
{
    StartTime();
    return AddPoint(NowDateTime() - FElapsedStartTime, Y, false, false);
}

int TiPlotChannel::AddYElapsedSeconds(double Y)
{
    StartTime();
    return AddPoint((NowDateTime() - FElapsedStartTime) * 60 * 60 * 24, Y, false, false);
}

void TiPlotChannel::AddYArray(std::span<const double> YData, double XInterval)
{
    StartTime();
    const double base = Count() > 0 ? DataX(Count() - 1) : 0;
    for (std::size_t k = 0; k < YData.size(); ++k)
        AddPoint(base + static_cast<double>(k) * XInterval, YData[k], false, false);
}

int TiPlotChannel::AddHighLow(double X, double High, double Low, double Open, double Close)
{
    StartTime();
    CheckXOrder(X);
    const int index = Store().Add(X, 0, false, false);
    if (index >= 0) {
        Store().SetHigh(index, High);
        Store().SetLow(index, Low);
        Store().SetOpen(index, Open);
        Store().SetClose(index, Close);
    }
    if (XAxisTrackingEnabled() && XAxis())
        XAxis()->NewTrackingData(X);
    if (YAxisTrackingEnabled() && YAxis())
        for (double v : {High, Low, Open, Close})
            YAxis()->NewTrackingData(v);
    DoChange();
    return index;
}

// ---- Ranges ----

void TiPlotChannel::UpdateDirection() { FXIncreasing = !(Count() >= 3 && DataX(1) < DataX(0)); }

int TiPlotChannel::FindIndex(double Value, bool Descending) const
{
    // The last index probed by the bisection (-1 for an empty store).
    int lo = 0, hi = Count() - 1, mid = -1;
    while (hi >= lo) {
        mid = (lo + hi) / 2;
        const double x = DataX(mid);
        if (x == Value)
            break;
        if ((Value < x) != Descending)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return mid;
}

void TiPlotChannel::CalcStartIndex()
{
    TiPlotAxis* x = XAxis();
    if (!x || Count() == 0) {
        SetDrawRange(-1, DrawStopIndex());
        return;
    }
    UpdateDirection();
    int i = 0;
    if (FDrawOutOfOrderXValues) {
        i = Count();
        for (int k = Count() - 1; k >= 0; --k)
            if (x->PointOnScale(DataX(k)))
                i = k;
        --i;
    } else if (FXIncreasing) {
        i = FindIndex(x->Min());
        if (DataX(i) > x->Min())
            --i;
    } else {
        i = FindIndex(x->Max(), true);
        if (x->Max() > DataX(i))
            --i;
    }
    SetDrawRange(std::clamp(i, 0, Count() - 1), DrawStopIndex());
}

void TiPlotChannel::CalcStopIndex()
{
    TiPlotAxis* x = XAxis();
    if (!x || Count() == 0) {
        SetDrawRange(DrawStartIndex(), -1);
        return;
    }
    UpdateDirection();
    int i = 0;
    if (FDrawOutOfOrderXValues) {
        i = -1;
        for (int k = 0; k < Count(); ++k)
            if (x->PointOnScale(DataX(k)))
                i = k;
        ++i;
    } else if (FXIncreasing) {
        i = FindIndex(x->Max());
        if (x->Max() > DataX(i))
            ++i;
    } else {
        i = FindIndex(x->Min(), true);
        if (DataX(i) > x->Min())
            ++i;
    }
    SetDrawRange(DrawStartIndex(), std::clamp(i, 0, Count() - 1));
}

int TiPlotChannel::CalcIndex(double TargetValue)
{
    if (!XAxis() || Count() == 0)
        return -1;
    UpdateDirection();
    const int last = Count() - 1;
    int i = 0;
    if (FXIncreasing) {
        if (TargetValue < DataX(0) || TargetValue > DataX(last))
            return -1;
        i = FindIndex(TargetValue);
        if (TargetValue > DataX(i))
            ++i;
    } else {
        if (DataX(0) < TargetValue || TargetValue < DataX(last))
            return -1;
        i = FindIndex(TargetValue, true);
        if (TargetValue > DataX(i))
            --i;
    }
    return std::clamp(i, 0, last);
}

bool TiPlotChannel::GetYInterpolated(double XValue, double& YValue)
{
    YValue = 0;
    if (Count() == 0)
        return false;
    const int last = Count() - 1;
    if (DataValid(0) && DataX(0) == XValue) {
        YValue = DataY(0);
        return true;
    }
    if (DataValid(last) && DataX(last) == XValue) {
        YValue = DataY(last);
        return true;
    }
    // The neighbour before the point in the direction of X: on decreasing data the first
    // bracket is points 0 and 1, so only the neighbour's index is checked.
    const int i = CalcIndex(XValue);
    const int j = FXIncreasing ? i - 1 : i + 1;
    if (i == -1 || j < 0 || j > last)
        return false;
    if (!FDigitalEnabled && XValue != DataX(i)) {
        if (DataNull(i) || DataNull(j))
            return false;
        TiPlotAxis* x = XAxis();
        const int bx = x->PositionToPixels(DataX(j));
        const int cx = x->PositionToPixels(DataX(i));
        const int dx = x->PositionToPixels(XValue);
        YValue = bx != cx && dx != cx
                     ? DataY(i) + static_cast<double>(dx - cx) * (DataY(j) - DataY(i)) / static_cast<double>(bx - cx)
                     : DataY(i);
        return true;
    }
    YValue = FDigitalEnabled ? DataY(j) : DataY(i);
    return true;
}

TiPlotDataPointStatus TiPlotChannel::GetCursorY(double Target, double& Y)
{
    Y = 0;
    if (Count() == 0)
        return ipdpsEmpty;
    const int last = Count() - 1;
    if (DataX(0) == Target && DataValid(0)) {
        Y = DataY(0);
        return ipdpsValid;
    }
    if (DataX(last) == Target && DataValid(last)) {
        Y = DataY(last);
        return ipdpsValid;
    }
    auto pointStatus = [&](int Index) {
        Y = DataY(Index);
        return DataNull(Index) ? ipdpsNull : DataEmpty(Index) ? ipdpsEmpty : ipdpsValid;
    };
    const TiPlotInterpolationStyle style = FDigitalEnabled ? ipistStraightLine : FInterpolationStyle;
    switch (style) {
    case ipistStraightLine:
        return GetYInterpolated(Target, Y) ? ipdpsValid : ipdpsEmpty;
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: {
        const double lo = std::min(DataX(0), DataX(last)), hi = std::max(DataX(0), DataX(last));
        if (Target < lo || Target > hi || !XAxis() || (FPixelListStart == 0 && FPixelListStop == 0))
            return ipdpsEmpty;
        const int column = XAxis()->PositionToPixels(Target);
        if (column < FPixelListStart || column > FPixelListStop ||
            column - FPixelListStart >= static_cast<int>(FPixelList.size()))
            return ipdpsEmpty;
        const TiPlotPixelPoint& p = FPixelList[column - FPixelListStart];
        if (p.Null)
            return ipdpsNull;
        Y = p.YValue;
        return ipdpsValid;
    }
    case ipistDifferential:
    case ipistDifferentialTerminated: {
        const int i = CalcIndex(Target);
        const int before = i < 0 ? -1 : (FXIncreasing ? i - 1 : i + 1);
        if (before >= 0 && before <= last)
            return pointStatus(before);
        if (style == ipistDifferential && i < 0 && DataValid(last) &&
            (FXIncreasing ? Target > DataX(last) : Target < DataX(last))) {
            Y = DataY(last);
            return ipdpsValid;
        }
        return ipdpsEmpty;
    }
    }
    return ipdpsEmpty;
}

// ---- Fit extents ----

double TiPlotChannel::GetFitXMax()
{
    if (!AxesAssigned() || !Visible() || Count() == 0)
        return -1e300;
    UpdateDirection();
    // The newest valid point for increasing data, the oldest for decreasing data.
    if (FXIncreasing) {
        for (int i = Count() - 1; i >= 0; --i)
            if (DataValid(i))
                return MarkerXMax(i);
    } else {
        for (int i = 0; i < Count(); ++i)
            if (DataValid(i))
                return MarkerXMax(i);
    }
    return -1e300;
}

double TiPlotChannel::GetFitXMin()
{
    if (!AxesAssigned() || !Visible() || Count() == 0)
        return 1e300;
    UpdateDirection();
    if (FXIncreasing) {
        for (int i = 0; i < Count(); ++i)
            if (DataValid(i))
                return MarkerXMin(i);
    } else {
        for (int i = Count() - 1; i >= 0; --i)
            if (DataValid(i))
                return MarkerXMin(i);
    }
    return 1e300;
}

double TiPlotChannel::FitY(bool Max)
{
    double result = Max ? -1e300 : 1e300;
    if (!AxesAssigned() || !Visible() || Count() == 0)
        return result;
    CalcStartIndex();
    CalcStopIndex();
    if (DrawStartIndex() == -1 || DrawStopIndex() == -1)
        return result;
    for (int i = DrawStartIndex(); i <= DrawStopIndex(); ++i) {
        if (!DataValid(i))
            continue;
        result = Max ? std::max(result, MarkerYMax(i)) : std::min(result, MarkerYMin(i));
    }
    return result;
}

// ---- Data cursor ----

void TiPlotChannel::UpdateDataCursor(TiPlotDataCursor& Cursor)
{
    TiPlotAxis* xAxis = XAxis();
    TiPlotAxis* yAxis = YAxis();
    TiPlotDataView* view = Cursor.DataView();
    if (!xAxis || !yAxis || !view)
        return;
    const bool reversed = XYAxesReversed();
    auto along = [&](bool AlongX, double Percent) {
        return AlongX ? view->PositionPercentToPixelsX(Percent) : view->PositionPercentToPixelsY(Percent);
    };
    const double p1 = Cursor.Pointer1Position(), p2 = Cursor.Pointer2Position();
    const double x1 = xAxis->PixelsToPosition(along(!reversed, p1));
    const double x2 = xAxis->PixelsToPosition(along(!reversed, p2));
    double x = 0, y = 0;
    TiPlotDataPointStatus status = ipdpsValid;
    switch (Cursor.Style()) {
    case ipcsValueXY:
    case ipcsValueX:
    case ipcsValueY:
        x = x1;
        status = GetCursorY(x1, y);
        break;
    case ipcsDeltaX:
        x = xAxis->CursorScaler() * std::abs(x1 - x2);
        break;
    case ipcsDeltaY: {
        const double y1 = yAxis->PixelsToPosition(along(reversed, p1));
        const double y2 = yAxis->PixelsToPosition(along(reversed, p2));
        y = std::abs(y1 - y2) * xAxis->CursorScaler();
        break;
    }
    case ipcsInverseDeltaX: {
        const double d = std::abs(x1 - x2) * xAxis->CursorScaler();
        x = d == 0 ? std::numeric_limits<double>::infinity() : 1 / d;
        break;
    }
    }
    Cursor.SetCursorValues(status, y, x);

    TiPlotHost* host = Host();
    auto translate = [&](const char* text) { return host ? host->TranslateText(text) : std::string(text); };
    std::string yText;
    if (status == ipdpsNull)
        yText = translate("Null");
    else if (status == ipdpsEmpty)
        yText = translate("Empty");
    else if (FDigitalEnabled)
        yText = translate(y != 0 ? "High" : "Low");
    else
        yText = GetYValueText(y);
    std::string xText, text;
    switch (Cursor.Style()) {
    case ipcsValueXY:
        xText = GetXValueText(x);
        text = xText + ", " + yText;
        break;
    case ipcsValueX:
    case ipcsDeltaX:
        yText.clear();
        text = xText = GetXValueText(x);
        break;
    case ipcsValueY:
        text = yText;
        break;
    case ipcsDeltaY:
        text = yText = GetYValueText(y);
        break;
    case ipcsInverseDeltaX:
        yText.clear();
        text = xText = x < 1e301 ? xAxis->GetInverseCursorText(x, true) : translate("Infinite");
        break;
    }
    SetDataCursorTexts(xText, yText, x, y, status);
    Cursor.SetCursorDisplayText(text);
}

// ---- Mouse ----

bool TiPlotChannel::PointCandidate(int Index, TRect& Rect)
{
    if (!FBarEnabled)
        return TiPlotChannelCustom::PointCandidate(Index, Rect);
    Rect = BarRect(Index);
    return true;
}

bool TiPlotChannel::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (TiPlotChannelCustom::iMouseHitTest(MouseData))
        return true;
    if (MouseData.Button != mbRight || !AxesAssigned())
        return false;
    const bool reversed = XYAxesReversed();
    const double position = XAxis()->PixelsToPosition(reversed ? MouseData.Y : MouseData.X);
    double y = 0;
    if (!GetYInterpolated(position, y))
        return false;
    const TPoint trace = SwapPoint(reversed, XAxis()->PositionToPixels(position), YAxis()->PositionToPixels(y));
    return std::abs(trace.X - MouseData.X) <= 10 && std::abs(trace.Y - MouseData.Y) <= 10;
}

// ---- OPC ----

void TiPlotChannel::OneItemNewData(TObject* Sender)
{
    auto* item = dynamic_cast<TiOPCItem*>(Sender);
    if (!item)
        return;
    const double value = item->Data().AsFloat();
    switch (FOPCXValueSource) {
    case iopcxvsOPCServerTimeStamp:
        AddPoint(item->TimeStamp(), value, false, false);
        break;
    case iopcxvsSystemTimeStamp:
        AddPoint(NowDateTime(), value, false, false);
        break;
    case iopcxvsElapsedTime:
        AddYElapsedTime(value);
        break;
    case iopcxvsElapsedSeconds:
        AddYElapsedSeconds(value);
        break;
    case iopcxvsOPCItem:
        break;
    }
}

void TiPlotChannel::TwoItemGroupUpdate(const std::string&) { AddXY(Item(0).Data().AsFloat(), Item(1).Data().AsFloat()); }

void TiPlotChannel::OPCActivate()
{
    if (FOPCItemManager.IsDesigning())
        return;
    Item(0).Deactivate();
    Item(1).Deactivate();
    if (FOPCXValueSource == iopcxvsOPCItem) {
        // The two items share a private group, so one group update brings X and Y together.
        if (!FOPCManager) {
            FOPCManager = std::make_unique<TiOPCManager>(nullptr);
            FOPCManager->OnAfterGroupUpdate = [this](TObject*, const std::string& Name) { TwoItemGroupUpdate(Name); };
        }
        FOPCManager->GroupClear();
        if (Item(0).ServerName().find_first_not_of(" \t") != std::string::npos) {
            std::ostringstream name;
            name << static_cast<const void*>(this);
            FOPCManager->GroupAdd(name.str(), Item(0).ComputerName(), Item(0).UpdateRate(), Item(0).ServerName());
            Item(0).SetGroupName(name.str());
        }
        Item(1).SetGroupName(Item(0).GroupName());
        Item(0).Activate();
        Item(1).Activate();
        return;
    }
    Item(0).Activate();
}

void TiPlotChannel::OPCActivateSuspend()
{
    if (FOPCItemManager.IsDesigning())
        return;
    Item(0).ActivateSuspend();
}

void TiPlotChannel::OPCDeactivate() { Item(0).Deactivate(); }
void TiPlotChannel::OPCUpdateSuspend() { Item(0).UpdateSuspend(); }
void TiPlotChannel::OPCUpdateResume() { Item(0).UpdateResume(); }

// ---- Registration ----

namespace qx {

void registerYTPlotChannelClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotChannelClasses();
        registerEnum<TiPlotInterpolationStyle>(
            "TiPlotInterpolationStyle",
            {{"ipistStraightLine", ipistStraightLine}, {"ipistCubicSpline", ipistCubicSpline},
             {"ipistPolynomial", ipistPolynomial}, {"ipistRational", ipistRational},
             {"ipistDifferential", ipistDifferential}, {"ipistDifferentialTerminated", ipistDifferentialTerminated}});
        registerEnum<TiPlotDigitalReferenceStyle>("TiPlotDigitalReferenceStyle",
                                                  {{"ipdrScale", ipdrScale}, {"ipdrPercent", ipdrPercent}});
        registerEnum<TiPlotHighLowStyle>("TiPlotHighLowStyle",
                                         {{"iphlsOpenClose", iphlsOpenClose}, {"iphlsCandleStick", iphlsCandleStick}});
        registerEnum<TiOPCXValueSourceStyle>(
            "TiOPCXValueSourceStyle",
            {{"iopcxvsOPCServerTimeStamp", iopcxvsOPCServerTimeStamp},
             {"iopcxvsSystemTimeStamp", iopcxvsSystemTimeStamp},
             {"iopcxvsElapsedTime", iopcxvsElapsedTime},
             {"iopcxvsElapsedSeconds", iopcxvsElapsedSeconds},
             {"iopcxvsOPCItem", iopcxvsOPCItem}});
        using C = TiPlotChannel;
        // The stream defaults are a new channel's values, so every value written is read
        // back as it was.
        ClassBuilder<C> builder = registerClass<C, TiPlotChannelCustom>("TiPlotChannel");
        builder.property("FastDrawEnabled", &C::FastDrawEnabled, &C::SetFastDrawEnabled)
            .defaultValue(true)
            .property("AllowOutOfOrderXValues", &C::AllowOutOfOrderXValues, &C::SetAllowOutOfOrderXValues)
            .defaultValue(true)
            .property("DrawOutOfOrderXValues", &C::DrawOutOfOrderXValues, &C::SetDrawOutOfOrderXValues)
            .defaultValue(false)
            .property("ResetStartTimeOnFirstDataPoint", &C::ResetStartTimeOnFirstDataPoint,
                      &C::SetResetStartTimeOnFirstDataPoint)
            .defaultValue(false)
            .property("InterpolationStyle", &C::InterpolationStyle, &C::SetInterpolationStyle)
            .defaultValue(ipistStraightLine)
            .property("FillEnabled", &C::FillEnabled, &C::SetFillEnabled)
            .defaultValue(false)
            .property("FillReference", &C::FillReference, &C::SetFillReference)
            .property("FillStyle", &C::FillStyle, &C::SetFillStyle)
            .defaultValue(bsSolid)
            .color("FillColor", &C::FillColor, &C::SetFillColor)
            .colorDefault(0)
            .property("FillUseChannelColor", &C::FillUseChannelColor, &C::SetFillUseChannelColor)
            .defaultValue(true)
            .property("DigitalEnabled", &C::DigitalEnabled, &C::SetDigitalEnabled)
            .defaultValue(false)
            .property("DigitalReferenceStyle", &C::DigitalReferenceStyle, &C::SetDigitalReferenceStyle)
            .defaultValue(ipdrScale)
            .property("DigitalReferenceLow", &C::DigitalReferenceLow, &C::SetDigitalReferenceLow)
            .property("DigitalReferenceHigh", &C::DigitalReferenceHigh, &C::SetDigitalReferenceHigh)
            .property("HighLowStyle", &C::HighLowStyle, &C::SetHighLowStyle)
            .defaultValue(iphlsOpenClose)
            .property("HighLowEnabled", &C::HighLowEnabled, &C::SetHighLowEnabled)
            .defaultValue(false)
            .color("HighLowBarColor", &C::HighLowBarColor, &C::SetHighLowBarColor)
            .colorDefault(0xFFFF00)
            .property("HighLowBarWidth", &C::HighLowBarWidth, &C::SetHighLowBarWidth)
            .property("HighLowOpenShow", &C::HighLowOpenShow, &C::SetHighLowOpenShow)
            .defaultValue(true)
            .color("HighLowOpenColor", &C::HighLowOpenColor, &C::SetHighLowOpenColor)
            .colorDefault(0x00FF00)
            .property("HighLowOpenWidth", &C::HighLowOpenWidth, &C::SetHighLowOpenWidth)
            .property("HighLowOpenHeight", &C::HighLowOpenHeight, &C::SetHighLowOpenHeight)
            .property("HighLowCloseShow", &C::HighLowCloseShow, &C::SetHighLowCloseShow)
            .defaultValue(true)
            .color("HighLowCloseColor", &C::HighLowCloseColor, &C::SetHighLowCloseColor)
            .colorDefault(clRed)
            .property("HighLowCloseWidth", &C::HighLowCloseWidth, &C::SetHighLowCloseWidth)
            .property("HighLowCloseHeight", &C::HighLowCloseHeight, &C::SetHighLowCloseHeight)
            .color("HighLowShadowColor", &C::HighLowShadowColor, &C::SetHighLowShadowColor)
            .colorDefault(0x808080)
            .color("HighLowBullishColor", &C::HighLowBullishColor, &C::SetHighLowBullishColor)
            .colorDefault(0xFFFFFF)
            .color("HighLowBearishColor", &C::HighLowBearishColor, &C::SetHighLowBearishColor)
            .colorDefault(0x808080)
            .property("BarEnabled", &C::BarEnabled, &C::SetBarEnabled)
            .defaultValue(false)
            .property("BarPenUseChannelColor", &C::BarPenUseChannelColor, &C::SetBarPenUseChannelColor)
            .defaultValue(true)
            .property("BarBrushUseChannelColor", &C::BarBrushUseChannelColor, &C::SetBarBrushUseChannelColor)
            .defaultValue(true)
            .property("BarReference", &C::BarReference, &C::SetBarReference)
            .property("BarWidth", &C::BarWidth, &C::SetBarWidth)
            .color("BarPenColor", &C::BarPenColor, &C::SetBarPenColor)
            .colorDefault(clRed)
            .property("BarPenWidth", &C::BarPenWidth, &C::SetBarPenWidth)
            .defaultValue(0)
            .property("BarPenStyle", &C::BarPenStyle, &C::SetBarPenStyle)
            .defaultValue(psSolid)
            .color("BarBrushColor", &C::BarBrushColor, &C::SetBarBrushColor)
            .colorDefault(clRed)
            .property("BarBrushStyle", &C::BarBrushStyle, &C::SetBarBrushStyle)
            .defaultValue(bsSolid)
            .property("OPCGroupName", &C::OPCGroupName, &C::SetOPCGroupName);
        plot::registerOPCServerProperties(builder);
        builder.property("OPCItem2Name", &C::OPCItem2Name, &C::SetOPCItem2Name);
        plot::registerOPCValueProperties(builder);
        builder.property("OPCXValueSource", &C::OPCXValueSource, &C::SetOPCXValueSource)
            .defaultValue(iopcxvsOPCServerTimeStamp);
        plot::registerPlotObjectCreator("TiPlotChannel", [](TObject* o, TNotifyEvent c, TNotifyEvent i,
                                                            TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotChannel(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
