#include "controls/plot/objects/iPlotLimit.h"

#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/objects/iPlotAxis.h"

#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>
#include <array>
#include <mutex>

namespace {

TRect normalised(TPoint a, TPoint b)
{
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

/// The hit rectangle of a line from a to b: the line's extent widened by 5 pixels on each
/// side across it.
TRect lineClickRect(TPoint a, TPoint b, bool AcrossHorizontally)
{
    TRect r = normalised(a, b);
    if (AcrossHorizontally) {
        r.Left -= 5;
        r.Right += 5;
    } else {
        r.Top -= 5;
        r.Bottom += 5;
    }
    return r;
}

bool within(double Value, const TiPlotAxis& Axis)
{
    return Value >= std::min(Axis.Min(), Axis.Max()) && Value <= std::max(Axis.Min(), Axis.Max());
}

} // namespace

TiPlotLimit::TiPlotLimit(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
}

TiPlotHost* TiPlotLimit::Host() const { return PlotHostOf(*this); }

void TiPlotLimit::SetXAxisName(const std::string& Value)
{
    if (Value == FXAxisName)
        return;
    FXAxisName = Value;
    FXAxis = nullptr;
    DoChange();
}

void TiPlotLimit::SetYAxisName(const std::string& Value)
{
    if (Value == FYAxisName)
        return;
    FYAxisName = Value;
    FYAxis = nullptr;
    DoChange();
}

void TiPlotLimit::SetLinePosition(int Line, double Value, double& Field)
{
    if (Value == Field)
        return;
    const double old = Field;
    Field = Value;
    DoChange();
    if (TiPlotHost* host = Host())
        host->DoLimitLinePositionChange(*this, Line, old, Value);
}

void TiPlotLimit::SetLine1Position(double Value) { SetLinePosition(1, Value, FLine1Position); }
void TiPlotLimit::SetLine2Position(double Value) { SetLinePosition(2, Value, FLine2Position); }

void TiPlotLimit::AddBandElement(double Position, double UpperLimit, double LowerLimit)
{
    if (LowerLimit > UpperLimit)
        throw EiPlotError("the Upper Limit must be greater than or equal to the Lower Limit");
    FPointList.Add(Position, UpperLimit, LowerLimit);
    DoChange();
}

void TiPlotLimit::ClearAllElements()
{
    FPointList.Clear();
    DoChange();
}

bool TiPlotLimit::Filled() const
{
    switch (FStyle) {
    case iplsPolyBandX:
    case iplsPolyBandY: return true;
    case iplsBandX:
    case iplsBandY: return FFillStyle != bsClear;
    default: return false;
    }
}

TiPlotAxis* TiPlotLimit::XAxis()
{
    if (!FXAxis)
        if (TiPlotHost* host = Host())
            FXAxis = FindPlotAxis(host->MasterManager(), FXAxisName, true);
    return FXAxis;
}

TiPlotAxis* TiPlotLimit::YAxis()
{
    if (!FYAxis)
        if (TiPlotHost* host = Host())
            FYAxis = FindPlotAxis(host->MasterManager(), FYAxisName, false);
    return FYAxis;
}

void TiPlotLimit::NotificationRemove(TObject* Sender)
{
    if (Sender == FXAxis)
        FXAxis = nullptr;
    if (Sender == FYAxis)
        FYAxis = nullptr;
}

void TiPlotLimit::NotificationRename(TObject* Sender)
{
    if (Sender && Sender == FXAxis)
        FXAxisName = FXAxis->Name();
    if (Sender && Sender == FYAxis)
        FYAxisName = FYAxis->Name();
}

void TiPlotLimit::NotificationSetFocus(TObject* Sender)
{
    YieldSelectionTo(Sender);
}

TPoint TiPlotLimit::Pixel(double XValue, double YValue) const
{
    const int x = FXAxis->PositionToPixels(XValue);
    const int y = FYAxis->PositionToPixels(YValue);
    return XYAxesReversed() ? TPoint{y, x} : TPoint{x, y};
}

void TiPlotLimit::Draw(TCanvas& Canvas, TColor BackGroundColor)
{
    FLine1Show = false;
    FLine2Show = false;
    if (!Visible() || !XAxis() || !YAxis())
        return;
    TiPlotAxis& x = *FXAxis;
    TiPlotAxis& y = *FYAxis;
    if (FClipToAxes)
        Canvas.IntersectClipRect(normalised(Pixel(x.Min(), y.Min()), Pixel(x.Max(), y.Max())));
    const bool acrossHorizontally = IsXKind() != XYAxesReversed();
    switch (FStyle) {
    case iplsLineX:
    case iplsLineY: {
        TiPlotAxis& axis = FStyle == iplsLineX ? x : y;
        if (!within(FLine1Position, axis))
            return;
        Canvas.Pen().Color = FColor;
        Canvas.Pen().Width = FLineWidth;
        Canvas.Pen().Style = FLineStyle;
        Canvas.Brush().Color = BackGroundColor;
        const TPoint a = FStyle == iplsLineX ? Pixel(FLine1Position, y.Min()) : Pixel(x.Min(), FLine1Position);
        const TPoint b = FStyle == iplsLineX ? Pixel(FLine1Position, y.Max()) : Pixel(x.Max(), FLine1Position);
        Canvas.MoveTo(a.X, a.Y);
        Canvas.LineTo(b.X, b.Y);
        FLine1Show = true;
        FLine1ClickRect = lineClickRect(a, b, acrossHorizontally);
        break;
    }
    case iplsBandX:
    case iplsBandY: DrawBand(Canvas, BackGroundColor); break;
    case iplsPolyBandX:
    case iplsPolyBandY: DrawPolyBand(Canvas); break;
    }
}

void TiPlotLimit::DrawBand(TCanvas& Canvas, TColor)
{
    TiPlotAxis& x = *FXAxis;
    TiPlotAxis& y = *FYAxis;
    const bool bandX = FStyle == iplsBandX;
    auto at = [&](double Position, bool AtMax) {
        return bandX ? Pixel(Position, AtMax ? y.Max() : y.Min()) : Pixel(AtMax ? x.Max() : x.Min(), Position);
    };
    const TPoint a1 = at(FLine1Position, false), b1 = at(FLine1Position, true);
    const TPoint a2 = at(FLine2Position, false), b2 = at(FLine2Position, true);
    const bool acrossHorizontally = IsXKind() != XYAxesReversed();
    FLine1ClickRect = lineClickRect(a1, b1, acrossHorizontally);
    FLine2ClickRect = lineClickRect(a2, b2, acrossHorizontally);
    FLine1Show = true;
    FLine2Show = true;

    Canvas.Pen().Color = FColor;
    Canvas.Brush().Color = FColor;
    Canvas.Brush().Style = FFillStyle;
    const TRect band = normalised(a1, b2);
    auto lines = [&] {
        Canvas.MoveTo(a1.X, a1.Y);
        Canvas.LineTo(b1.X, b1.Y);
        Canvas.MoveTo(a2.X, a2.Y);
        Canvas.LineTo(b2.X, b2.Y);
    };
    if (FFillStyle == bsSolid) {
        Canvas.Pen().Style = FLineStyle;
        Canvas.Pen().Width = 1;
        Canvas.Rectangle(band);
    } else if (FFillStyle == bsClear) {
        Canvas.Pen().Style = FLineStyle;
        Canvas.Pen().Width = FLineWidth;
        lines();
    } else {
        Canvas.Pen().Style = psClear;
        Canvas.Rectangle(band);
        Canvas.Pen().Style = FLineStyle;
        Canvas.Pen().Width = 1;
        lines();
    }
}

void TiPlotLimit::DrawPolyBand(TCanvas& Canvas)
{
    if (FPointList.Count() < 2)
        return;
    // The element positions lie on the Y axis for the X kind, on the X axis for the Y kind.
    const bool bandX = FStyle == iplsPolyBandX;
    const TiPlotAxis& positionAxis = bandX ? *FYAxis : *FXAxis;
    const double low = std::min(positionAxis.Min(), positionAxis.Max());
    const double high = std::max(positionAxis.Min(), positionAxis.Max());
    auto corner = [&](double Limit, double Position) { return bandX ? Pixel(Limit, Position) : Pixel(Position, Limit); };
    Canvas.Pen().Color = FColor;
    Canvas.Pen().Width = 1;
    Canvas.Pen().Style = psSolid;
    Canvas.Brush().Color = FColor;
    Canvas.Brush().Style = FFillStyle;
    for (int i = 1; i < FPointList.Count(); ++i) {
        const TiLimitData& p = FPointList.Item(i - 1);
        const TiLimitData& q = FPointList.Item(i);
        if (p.Value1 < low && q.Value1 < low)
            continue;
        if (p.Value1 > high)
            break;
        const std::array<TPoint, 4> quad{corner(p.Value2, p.Value1), corner(q.Value2, q.Value1),
                                         corner(q.Value3, q.Value1), corner(p.Value3, p.Value1)};
        if (FFillStyle == bsSolid) {
            Canvas.Polygon(quad);
            continue;
        }
        Canvas.Pen().Style = psClear;
        Canvas.Polygon(quad);
        Canvas.Pen().Style = psSolid;
        Canvas.MoveTo(quad[0].X, quad[0].Y);
        Canvas.LineTo(quad[1].X, quad[1].Y);
        Canvas.MoveTo(quad[3].X, quad[3].Y);
        Canvas.LineTo(quad[2].X, quad[2].Y);
    }
}

bool TiPlotLimit::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (FSelectModeOnlyInteraction) {
        TiPlotHost* host = Host();
        if (!host || !host->ToolBarSelectMode())
            return false;
    }
    const TPoint p{MouseData.X, MouseData.Y};
    return (FLine1Show && FLine1ClickRect.Contains(p)) || (FLine2Show && FLine2ClickRect.Contains(p));
}

TCursor TiPlotLimit::iGetMouseCursor(TPoint)
{
    if (!FUserCanMove)
        return crDefault;
    TCursor cursor = crHandPoint;
    if (FLine1Show && FLine2Show)
        cursor = (IsXKind() != XYAxesReversed()) ? crSizeWE : crSizeNS;
    if (TiPlotHost* host = Host())
        host->DoObjectMouseCursor(*this, cursor);
    return cursor;
}

void TiPlotLimit::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TiPlotObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

void TiPlotLimit::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (!FUserCanMove)
        return;
    const TPoint p{MouseData.X, MouseData.Y};
    if (FLine1Show && FLine1ClickRect.Contains(p))
        FMouseDownLine1 = true;
    else if (FLine2Show && FLine2ClickRect.Contains(p))
        FMouseDownLine2 = true;
    else
        return;
    RaiseInvalidateNow();
}

void TiPlotLimit::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!FMouseDownLine1 && !FMouseDownLine2)
        return;
    if (!XAxis() || !YAxis())
        return;
    const double value = IsXKind() ? FXAxis->PixelsToPosition(MouseData.XAxisPixels)
                                   : FYAxis->PixelsToPosition(MouseData.YAxisPixels);
    if (FMouseDownLine1)
        SetLine1Position(value);
    else
        SetLine2Position(value);
}

void TiPlotLimit::DoMouseUp(const TiPlotMouseData& MouseData)
{
    // The plot hands a pressed limit its release and then forwards it to the selected
    // objects, this limit among them: only the first counts.
    if (!FMouseDown)
        return;
    FMouseDownLine1 = false;
    FMouseDownLine2 = false;
    if (iMouseHitTest(MouseData))
        if (TiPlotHost* host = Host())
            host->DoObjectClick(*this);
}

namespace qx {

void registerPlotLimitClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotObjectClasses();
        registerEnum<TiPlotLimitStyle>("TiPlotLimitStyle",
                                       {{"iplsLineX", iplsLineX},
                                        {"iplsLineY", iplsLineY},
                                        {"iplsBandX", iplsBandX},
                                        {"iplsBandY", iplsBandY},
                                        {"iplsPolyBandX", iplsPolyBandX},
                                        {"iplsPolyBandY", iplsPolyBandY}});
        using L = TiPlotLimit;
        registerClass<L, TiPlotObject>("TiPlotLimit")
            .color("Color", &L::Color, &L::SetColor)
            .property("LineStyle", &L::LineStyle, &L::SetLineStyle)
            .property("LineWidth", &L::LineWidth, &L::SetLineWidth)
            .property("FillStyle", &L::FillStyle, &L::SetFillStyle)
            .property("XAxisName", &L::XAxisName, &L::SetXAxisName)
            .property("YAxisName", &L::YAxisName, &L::SetYAxisName)
            .property("Style", &L::Style, &L::SetStyle)
            .property("Line1Position", &L::Line1Position, &L::SetLine1Position)
            .property("Line2Position", &L::Line2Position, &L::SetLine2Position)
            .property("UserCanMove", &L::UserCanMove, &L::SetUserCanMove)
            .property("SelectModeOnlyInteraction", &L::SelectModeOnlyInteraction, &L::SetSelectModeOnlyInteraction)
            .property("ClipToAxes", &L::ClipToAxes, &L::SetClipToAxes);
        plot::registerPlotObjectCreator("TiPlotLimit", [](TObject* o, TNotifyEvent c, TNotifyEvent i, TNotifyEvent r,
                                                          TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotLimit(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
