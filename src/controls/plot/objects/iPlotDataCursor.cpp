#include "controls/plot/objects/iPlotDataCursor.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotChannel.h"
#include "controls/plot/objects/iPlotChannelCustom.h"
#include "controls/plot/objects/iPlotDataView.h"

#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PropertyRegistry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace {

constexpr Word kVkPrior = 0x21, kVkNext = 0x22, kVkEnd = 0x23, kVkHome = 0x24, kVkLeft = 0x25, kVkUp = 0x26,
               kVkRight = 0x27, kVkDown = 0x28;

TPoint centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

} // namespace

TiPlotDataCursor::TiPlotDataCursor(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                   TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename))
{
    TiPlotObject::SetVisible(false);
    UpdatePointerSet();
}

TiPlotHost* TiPlotDataCursor::Host() const { return PlotHostOf(*this); }

bool TiPlotDataCursor::IsAll() const { return qx::sameText(FChannelName, kAllChannels); }

void TiPlotDataCursor::SetChannelName(const std::string& Value)
{
    if (Value == FChannelName)
        return;
    FChannelName = Value;
    FChannel = nullptr;
    DoChange();
}

void TiPlotDataCursor::SetStyle(TiPlotDataCursorStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    UpdatePointerSet();
    DoChange();
}

void TiPlotDataCursor::SetFont(const TFont& Value)
{
    if (Value == FFont)
        return;
    FFont = Value;
    DoChange();
}

void TiPlotDataCursor::SetPointerPosition(double Value, double& Field)
{
    Value = std::isnan(Value) ? 0 : std::clamp(Value, 0.0, 100.0);
    SetDoubleField(Value, Field, &TiPlotObject::DoChange);
}

void TiPlotDataCursor::SetVisible(bool Value)
{
    TiPlotObject::SetVisible(Value);
    if (Value)
        UpdateCursorValues();
}

void TiPlotDataCursor::SetXYAxesReversed(bool Value)
{
    TiPlotObject::SetXYAxesReversed(Value);
    UpdatePointerSet();
}

bool TiPlotDataCursor::IsPlotOf(const char* ClassName) const
{
    return Owner() && qx::plot::isPlotObjectOf(*Owner(), ClassName);
}

void TiPlotDataCursor::UpdatePointerSet()
{
    // An X-Y plot's set; a Y-T plot reads every value style on pointer 1 alone.
    const bool yt = IsPlotOf("TiPlot");
    FPointer1Show = FPointer2Show = true;
    FPointer1Orientation = ioVertical;
    FPointer2Orientation = ioHorizontal;
    FHintOrientation = ioVertical;
    switch (FStyle) {
    case ipcsValueXY:
        FPointer2Show = !yt;
        break;
    case ipcsValueX:
        FPointer2Show = false;
        break;
    case ipcsValueY:
        if (yt) {
            FPointer2Show = false;
            break;
        }
        FPointer1Show = false;
        FHintOrientation = ioHorizontal;
        break;
    case ipcsDeltaX:
    case ipcsInverseDeltaX:
        FPointer2Orientation = ioVertical;
        break;
    case ipcsDeltaY:
        FPointer1Orientation = ioHorizontal;
        FHintOrientation = ioHorizontal;
        break;
    }
    if (XYAxesReversed()) {
        auto flip = [](TiOrientation& o) { o = o == ioVertical ? ioHorizontal : ioVertical; };
        flip(FPointer1Orientation);
        flip(FPointer2Orientation);
        flip(FHintOrientation);
    }
}

TiPlotChannelCustom* TiPlotDataCursor::Channel()
{
    if (FChannel || IsAll())
        return FChannel;
    if (TiPlotHost* host = Host())
        FChannel = dynamic_cast<TiPlotChannelCustom*>(
            host->MasterManager().ChannelManager()->GetObjectByName(FChannelName));
    return FChannel;
}

void TiPlotDataCursor::UpdateCursorValues()
{
    TiPlotHost* host = Host();
    if (host)
        host->DoBeforeDataCursorUpdate(*this);
    if (IsAll()) {
        if (!host)
            return;
        TiPlotChannelManager& channels = *host->MasterManager().ChannelManager();
        for (int i = 0; i < channels.Count(); ++i)
            if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(channels.GetItem(i)))
                channel->UpdateDataCursor(*this);
        return;
    }
    if (TiPlotChannelCustom* channel = Channel())
        channel->UpdateDataCursor(*this);
}

void TiPlotDataCursor::SetCursorValues(TiPlotDataPointStatus Status, double Y, double X)
{
    if (Status == FStatus && Y == FValueY && X == FValueX)
        return;
    FStatus = Status;
    FValueY = Y;
    FValueX = X;
    if (TiPlotHost* host = Host())
        host->DoDataCursorChange(*this);
}

int TiPlotDataCursor::PointerPixel(TiOrientation Orientation, double Percent) const
{
    return Orientation == ioVertical ? FDataView->PositionPercentToPixelsX(Percent)
                                     : FDataView->PositionPercentToPixelsY(Percent);
}

TRect TiPlotDataCursor::PointerRect(TiOrientation Orientation, double Percent) const
{
    const TRect d = FDataView->DrawRect();
    const int p = PointerPixel(Orientation, Percent);
    return Orientation == ioVertical ? TRect{p - 5, d.Top, p + 6, d.Bottom} : TRect{d.Left, p - 5, d.Right, p + 6};
}

double TiPlotDataCursor::PercentAt(bool AlongX, int Pixel) const
{
    return AlongX ? FDataView->PixelsXToPositionPercent(Pixel) : FDataView->PixelsYToPositionPercent(Pixel);
}

void TiPlotDataCursor::Draw(TCanvas& Canvas, TColor)
{
    FHintShowing = false;
    if (!FDataView || !Visible())
        return;
    UpdateCursorValues();
    TiPlotChannelCustom* channel = Channel();
    const TColor color = FUseChannelColor && channel ? channel->Color() : FColor;
    Canvas.Pen().Color = color;
    Canvas.Pen().Style = psSolid;
    const TRect d = FDataView->DrawRect();
    auto pointer = [&](bool Show, TiOrientation Orientation, double Percent, bool Dragged, TRect& Rect) {
        if (!Show)
            return;
        Canvas.Pen().Width = Dragged ? 0 : FPointerPenWidth;
        const int p = PointerPixel(Orientation, Percent);
        const std::array<TPoint, 2> line = Orientation == ioVertical
                                               ? std::array<TPoint, 2>{TPoint{p, d.Top}, TPoint{p, d.Bottom}}
                                               : std::array<TPoint, 2>{TPoint{d.Left, p}, TPoint{d.Right, p}};
        Canvas.Polyline(line);
        Rect = PointerRect(Orientation, Percent);
    };
    pointer(FPointer1Show, FPointer1Orientation, FPointer1Position, FMouseDownPointer1, FPointer1Rect);
    pointer(FPointer2Show, FPointer2Orientation, FPointer2Position, FMouseDownPointer2, FPointer2Rect);
    const bool dragging = FMouseDownPointer1 || FMouseDownPointer2 || FMouseDownHint;
    if (FHintShow && !IsAll() && (!FHintHideOnRelease || dragging))
        DrawHint(Canvas, color);
}

void TiPlotDataCursor::DrawHint(TCanvas& Canvas, TColor PointerColor)
{
    TiPlotHost* host = Host();
    TiPlotChannelCustom* channel = Channel();
    std::string text = channel ? FCursorDisplayText : (host ? host->TranslateText("No Channel") : "No Channel");
    if (host)
        host->DoDataCursorCustomizeHint(*this, text);
    Canvas.Font() = FFont;
    const int tw = TextWidthML(Canvas, text);
    const int th = TextHeightForWidth(Canvas, text, tw);
    const int a = Canvas.TextWidth("A");
    const int h = a / 2 + th;
    const int w = tw + a;
    FHintHeight = h;
    FHintWidth = w;
    const TRect d = FDataView->DrawRect();
    const bool onePointer = FPointer1Show;
    const TRect& rect = onePointer ? FPointer1Rect : FPointer2Rect;
    TRect hint{};
    if (FHintOrientation == ioVertical) {
        const int r = centre(rect).X;
        if (r + a + tw + 5 > d.Right)
            FHintOrientationSide = iosTopLeft;
        if (r - a - tw - 5 < d.Left)
            FHintOrientationSide = iosBottomRight;
        const int e = FDataView->PositionPercentToPixelsY(FHintPosition);
        if (IsDeltaStyle()) {
            const int cx = (FPointer1Rect.Left + FPointer1Rect.Right + FPointer2Rect.Left + FPointer2Rect.Right) / 4;
            hint = {cx - w / 2, e - h / 2, cx - w / 2 + w, e - h / 2 + h};
        } else if (FHintOrientationSide == iosBottomRight)
            hint = {r + 5, e - h / 2, r + tw + a + 5, e + h / 2};
        else
            hint = {r - tw - a - 5, e - h / 2, r - 5, e + h / 2};
    } else {
        const int r = centre(rect).Y;
        if (r + a + th > d.Bottom)
            FHintOrientationSide = iosTopLeft;
        if (r - a - th < d.Top)
            FHintOrientationSide = iosBottomRight;
        const int e = FDataView->PositionPercentToPixelsX(FHintPosition);
        if (IsDeltaStyle()) {
            const int cy = (FPointer1Rect.Top + FPointer1Rect.Bottom + FPointer2Rect.Top + FPointer2Rect.Bottom) / 4;
            hint = {e - w / 2, cy - h / 2, e - w / 2 + w, cy - h / 2 + h};
        } else if (FHintOrientationSide == iosBottomRight)
            hint = {e - w / 2, r + 5, e + w / 2, r + h + 5};
        else
            hint = {e - w / 2, r - h - 5, e + w / 2, r - 5};
    }
    // Shifted into the data view: left edge first, then right, top and bottom.
    if (hint.Left < d.Left) {
        hint.Right += d.Left - hint.Left;
        hint.Left = d.Left;
    }
    if (hint.Right > d.Right) {
        hint.Left -= hint.Right - d.Right;
        hint.Right = d.Right;
    }
    if (hint.Top < d.Top) {
        hint.Bottom += d.Top - hint.Top;
        hint.Top = d.Top;
    }
    if (hint.Bottom > d.Bottom) {
        hint.Top -= hint.Bottom - d.Bottom;
        hint.Bottom = d.Bottom;
    }
    FHintRect = hint;
    if (IsDeltaStyle() && FPointer1Show && FPointer2Show) {
        Canvas.Pen().Color = PointerColor;
        Canvas.Pen().Style = psDot;
        Canvas.Pen().Width = 0;
        Canvas.Brush().Style = bsClear;
        const TPoint c1 = centre(FPointer1Rect), c2 = centre(FPointer2Rect), ch = centre(hint);
        const std::array<TPoint, 2> line = FPointer1Orientation == ioVertical
                                               ? std::array<TPoint, 2>{TPoint{c1.X, ch.Y}, TPoint{c2.X, ch.Y}}
                                               : std::array<TPoint, 2>{TPoint{ch.X, c1.Y}, TPoint{ch.X, c2.Y}};
        Canvas.Polyline(line);
    }
    TiPlotChannelCustom* own = Channel();
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Width = 1;
    Canvas.Pen().Color = FUseChannelColor && own ? own->Color() : clBlack;
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = clInfoBk;
    Canvas.Rectangle(hint);
    TRect textRect{hint.Left + 2, hint.Top + 1, hint.Right, hint.Bottom};
    Canvas.Brush().Style = bsClear;
    DrawTextFlags(Canvas, text, textRect, iTextFlags::Left | iTextFlags::VCenter, true, clInfoText);
    Canvas.Rectangle(hint);
    FHintShowing = true;
    if (UserSelected())
        DrawFocusRectangle(Canvas, {hint.Left - 2, hint.Top - 2, hint.Right + 2, hint.Bottom + 2});
}

bool TiPlotDataCursor::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    if (!FDataView)
        return false;
    const TPoint p{MouseData.X, MouseData.Y};
    return (FPointer1Show && FPointer1Rect.Contains(p)) || (FPointer2Show && FPointer2Rect.Contains(p)) ||
           (FHintShowing && FHintRect.Contains(p));
}

TCursor TiPlotDataCursor::iGetMouseCursor(TPoint)
{
    TCursor cursor = crHandPoint;
    if (TiPlotHost* host = Host())
        host->DoObjectMouseCursor(*this, cursor);
    return cursor;
}

void TiPlotDataCursor::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    if (!FDataView)
        return;
    FMouseDownX = MouseData.X;
    FMouseDownY = MouseData.Y;
    const TPoint p{MouseData.X, MouseData.Y};
    if (FHintShowing && FHintRect.Contains(p)) {
        FMouseDownHint = true;
        FMouseDownXPixels = FDataView->PositionPercentToPixelsX(FHintPosition);
        FMouseDownYPixels = FDataView->PositionPercentToPixelsY(FHintPosition);
        return;
    }
    if (FPointer1Show && FPointer1Rect.Contains(p)) {
        FMouseDownPointer1 = true;
        FMouseDownXPixels = FDataView->PositionPercentToPixelsX(FPointer1Position);
        FMouseDownYPixels = FDataView->PositionPercentToPixelsY(FPointer1Position);
    } else if (FPointer2Show && FPointer2Rect.Contains(p)) {
        FMouseDownPointer2 = true;
        FMouseDownXPixels = FDataView->PositionPercentToPixelsX(FPointer2Position);
        FMouseDownYPixels = FDataView->PositionPercentToPixelsY(FPointer2Position);
    } else
        return;
    UpdateCursorValues();
    RepaintNow();
}

void TiPlotDataCursor::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (!FDataView || !(FMouseDownPointer1 || FMouseDownPointer2 || FMouseDownHint))
        return;
    const bool alongX = FMouseDownHint ? FHintOrientation == ioHorizontal
                                       : (FMouseDownPointer1 ? FPointer1Orientation : FPointer2Orientation) ==
                                             ioVertical;
    const double percent =
        std::clamp(alongX ? PercentAt(true, MouseData.X + FMouseDownXPixels - FMouseDownX)
                          : PercentAt(false, MouseData.Y + FMouseDownYPixels - FMouseDownY),
                   0.0, 100.0);
    if (FMouseDownHint)
        FHintPosition = percent;
    else if (FMouseDownPointer1)
        FPointer1Position = percent;
    else
        FPointer2Position = percent;
    UpdateCursorValues();
    RepaintNow();
}

void TiPlotDataCursor::DoMouseUp(const TiPlotMouseData& MouseData)
{
    const bool pressed = MouseDown();
    if (FMouseDownPointer1)
        SnapPointer(FPointer1Position);
    else if (FMouseDownPointer2)
        SnapPointer(FPointer2Position);
    FMouseDownPointer1 = FMouseDownPointer2 = FMouseDownHint = false;
    RepaintNow();
    if (pressed && iMouseHitTest(MouseData))
        if (TiPlotHost* host = Host())
            host->DoObjectClick(*this);
}

void TiPlotDataCursor::iKeyDown(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu)
{
    TiPlotObject::iKeyDown(CharCode, Shift, PopupMenu);
    if (!FDataView)
        return;
    const bool ctrl = Shift.Contains(ssCtrl);
    if (ctrl && !FPointer2Show)
        return;
    if (Snapping()) {
        if (SnapKey(CharCode, ctrl)) {
            FPointer1Position = std::clamp(FPointer1Position, 0.0, 100.0);
            FPointer2Position = std::clamp(FPointer2Position, 0.0, 100.0);
            FHintPosition = std::clamp(FHintPosition, 0.0, 100.0);
            RepaintNow();
        }
        return;
    }
    double& position = ctrl ? FPointer2Position : FPointer1Position;
    const TiOrientation orientation = ctrl ? FPointer2Orientation : FPointer1Orientation;
    // One step is one pixel of the data view in percent along the item's axis.
    const double stepX = PercentAt(true, FDataView->DrawRect().Left + 1) - PercentAt(true, FDataView->DrawRect().Left);
    const double stepY = PercentAt(false, FDataView->DrawRect().Top) - PercentAt(false, FDataView->DrawRect().Top + 1);
    const double step = orientation == ioVertical ? stepX : stepY;
    switch (CharCode) {
    case kVkPrior:
        position += 5 * step;
        break;
    case kVkNext:
        position -= 5 * step;
        break;
    case kVkHome:
        position = 0;
        break;
    case kVkEnd:
        position = 100;
        break;
    case kVkLeft:
    case kVkRight: {
        const double d = CharCode == kVkLeft ? -stepX : stepX;
        if (orientation == ioVertical)
            position += d;
        if (!ctrl && FHintOrientation == ioHorizontal)
            FHintPosition += d;
        break;
    }
    case kVkUp:
    case kVkDown: {
        const double d = CharCode == kVkUp ? stepY : -stepY;
        if (orientation == ioHorizontal)
            position += d;
        if (!ctrl && FHintOrientation == ioVertical)
            FHintPosition += d;
        break;
    }
    default:
        return;
    }
    FPointer1Position = std::clamp(FPointer1Position, 0.0, 100.0);
    FPointer2Position = std::clamp(FPointer2Position, 0.0, 100.0);
    FHintPosition = std::clamp(FHintPosition, 0.0, 100.0);
    RepaintNow();
}

void TiPlotDataCursor::DoGotFocus()
{
    if (TiPlotChannelCustom* channel = Channel())
        channel->SetUserSelected(true);
}

void TiPlotDataCursor::NotificationSetFocus(TObject* Sender)
{
    TiPlotObject* other = OtherSelected(Sender);
    if (!other)
        return;
    if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(other)) {
        if (channel == Channel())
            return;
        if (UserSelected()) {
            SetChannelName(channel->Name());
            return;
        }
    }
    SetUserSelected(false);
}

void TiPlotDataCursor::NotificationRemove(TObject* Sender)
{
    if (Sender && Sender == FChannel)
        FChannel = nullptr;
    if (Sender && Sender == FDataView)
        FDataView = nullptr;
}

void TiPlotDataCursor::NotificationRename(TObject* Sender)
{
    if (Sender && Sender == FChannel)
        FChannelName = FChannel->Name();
}

// ---- Snapping (Y-T plots) ----

bool TiPlotDataCursor::Snapping() const
{
    return FSnapToDataPoint && FDataView && FStyle != ipcsDeltaY && IsPlotOf("TiPlot");
}

void TiPlotDataCursor::DoSnapToDataPoint()
{
    SnapPointer(FPointer1Position);
    SnapPointer(FPointer2Position);
    UpdateCursorValues();
}

bool TiPlotDataCursor::SnapPointer(double& Position)
{
    TiPlotHost* host = Host();
    if (!Snapping() || !host)
        return false;
    auto& channels = *host->MasterManager().ChannelManager();
    const bool alongX = !XYAxesReversed();
    const int pixel = alongX ? FDataView->PositionPercentToPixelsX(Position) : FDataView->PositionPercentToPixelsY(Position);
    int bestChannel = -1, bestIndex = -1;
    double bestDistance = 0;
    for (int c = 0; c < channels.Count(); ++c) {
        auto* channel = dynamic_cast<TiPlotChannel*>(channels.GetItem(c));
        if (!channel || (!IsAll() && channel != Channel()) || channel->Count() == 0 || !channel->XAxis())
            continue;
        const double x = channel->XAxis()->PixelsToPosition(pixel);
        const int last = channel->Count() - 1;
        const bool increasing = channel->DataX(last) >= channel->DataX(0);
        int index = -1;
        if (increasing ? x <= channel->DataX(0) : x >= channel->DataX(0)) {
            index = 0;
        } else if (increasing ? x >= channel->DataX(last) : x <= channel->DataX(last)) {
            index = last;
        } else {
            const int k = channel->CalcIndex(x);
            if (k < 0)
                continue;
            // The reported point wins a tie with either neighbour; the lower neighbour a tie
            // with the upper one.
            index = k;
            auto distance = [&](int i) { return std::abs(channel->DataX(i) - x); };
            if (k > 0 && distance(k - 1) < distance(index))
                index = k - 1;
            if (k < last && distance(k + 1) < distance(index))
                index = k + 1;
        }
        const double d = std::abs(channel->DataX(index) - x);
        if (bestChannel == -1 || d < bestDistance) {
            bestChannel = c;
            bestIndex = index;
            bestDistance = d;
        }
    }
    if (bestChannel == -1)
        return false;
    FSnapToIndexChannel = bestChannel;
    MovePointerToPoint(Position, bestIndex);
    return true;
}

void TiPlotDataCursor::MovePointerToPoint(double& Position, int Index)
{
    TiPlotHost* host = Host();
    if (!host || FSnapToIndexChannel < 0 || FSnapToIndexChannel >= host->MasterManager().ChannelManager()->Count())
        return;
    auto* channel = dynamic_cast<TiPlotChannel*>(host->MasterManager().ChannelManager()->GetItem(FSnapToIndexChannel));
    if (!channel || channel->Count() == 0 || !channel->XAxis())
        return;
    Index = std::clamp(Index, 0, channel->Count() - 1);
    FSnapToIndexData = Index;
    TiPlotAxis& axis = *channel->XAxis();
    const double x = channel->DataX(Index);
    const double span = axis.Span();
    if (x > axis.Max())
        axis.SetMin(x - span + span / 40);
    else if (x < axis.Min())
        axis.SetMin(x - span / 40);
    Position = PercentAt(!XYAxesReversed(), axis.PositionToPixels(x));
}

bool TiPlotDataCursor::SnapKey(Word CharCode, bool Ctrl)
{
    double& position = Ctrl ? FPointer2Position : FPointer1Position;
    const bool reversed = XYAxesReversed();
    const double stepX = PercentAt(true, FDataView->DrawRect().Left + 1) - PercentAt(true, FDataView->DrawRect().Left);
    const double stepY = PercentAt(false, FDataView->DrawRect().Top) - PercentAt(false, FDataView->DrawRect().Top + 1);
    // The keys along the pointers move the hint by a pixel instead of stepping.
    auto moveHint = [&](double d) {
        if (!Ctrl)
            FHintPosition += d;
    };
    int steps = 0;
    bool toFirst = false, toLast = false;
    switch (CharCode) {
    case kVkPrior:
        steps = 5;
        break;
    case kVkNext:
        steps = -5;
        break;
    case kVkHome:
        toFirst = true;
        break;
    case kVkEnd:
        toLast = true;
        break;
    case kVkLeft:
    case kVkRight:
        if (reversed) {
            moveHint(CharCode == kVkLeft ? -stepX : stepX);
            return true;
        }
        steps = CharCode == kVkLeft ? -1 : 1;
        break;
    case kVkUp:
    case kVkDown:
        if (!reversed) {
            moveHint(CharCode == kVkUp ? stepY : -stepY);
            return true;
        }
        steps = CharCode == kVkDown ? -1 : 1;
        break;
    default:
        return false;
    }
    if (!SnapPointer(position))
        return true;
    auto* channel =
        dynamic_cast<TiPlotChannel*>(Host()->MasterManager().ChannelManager()->GetItem(FSnapToIndexChannel));
    int index = FSnapToIndexData;
    if (toFirst)
        index = 0;
    else if (toLast)
        index = channel->Count() - 1;
    else
        index += channel->XAxis()->ReverseScale() ? -steps : steps;
    MovePointerToPoint(position, index);
    UpdateCursorValues();
    return true;
}

TiPlotDataPointStatus TiPlotDataCursor::GetInterpolatedYValue(const std::string& ChannelName, double XValue,
                                                              double& YValue)
{
    YValue = 0;
    TiPlotHost* host = Host();
    auto* channel = host ? dynamic_cast<TiPlotChannel*>(
                               host->MasterManager().ChannelManager()->GetObjectByName(ChannelName))
                         : nullptr;
    if (!channel || !channel->XAxis())
        return ipdpsNull;
    TiPlotAxis& axis = *channel->XAxis();
    const bool blocked = axis.BlockMinSpanEvents();
    axis.SetBlockMinSpanEvents(true);
    const bool visible = Visible();
    const TiPlotDataCursorStyle style = FStyle;
    const std::string name = FChannelName;
    const double pointer1 = FPointer1Position;
    const double min = axis.Min();
    auto restore = [&] {
        FPointer1Position = pointer1;
        SetStyle(style);
        SetChannelName(name);
        TiPlotObject::SetVisible(visible);
        axis.SetMin(min);
        axis.SetBlockMinSpanEvents(blocked);
    };
    FStatus = ipdpsNull;
    FValueY = 0;
    try {
        TiPlotObject::SetVisible(true);
        SetStyle(ipcsValueXY);
        SetChannelName(ChannelName);
        if (FUseCachedInterpolatedData) {
            FPointer1Position = std::clamp(axis.PositionToPercent(XValue) * 100, 0.0, 100.0);
            UpdateCursorValues();
        } else {
            FPointer1Position = 0;
            axis.SetMin(XValue);
            host->ReCalcLayout();
            UpdateCursorValues();
        }
    } catch (...) {
        restore();
        throw;
    }
    const TiPlotDataPointStatus status = FStatus;
    YValue = FValueY;
    restore();
    return status;
}

void TiPlotDataCursor::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TiPlotObject::BuildPopupMenu(PopupMenu);
    TiPlotHost* host = Host();
    auto translate = [&](const std::string& text) { return host ? host->TranslateText(text) : text; };
    auto add = [&](TMenuItem* parent, const std::string& caption, bool checked, TNotifyEvent click) {
        auto* item = new TMenuItem(&PopupMenu);
        item->SetCaption(translate(caption));
        item->SetChecked(checked);
        item->OnClick = std::move(click);
        parent->Add(item);
        return item;
    };
    TMenuItem* channels = add(PopupMenu.Items(), "Channel", false, nullptr);
    if (FChannelAllowAll)
        add(channels, kAllChannels, IsAll(), [this, host](TObject*) {
            SetChannelName(kAllChannels);
            if (host)
                for (int i = 0; i < host->MasterManager().ChannelManager()->Count(); ++i)
                    host->MasterManager().ChannelManager()->GetItem(i)->SetUserSelected(false);
        });
    if (host)
        for (int i = 0; i < host->MasterManager().ChannelManager()->Count(); ++i) {
            auto* channel = dynamic_cast<TiPlotChannelCustom*>(host->MasterManager().ChannelManager()->GetItem(i));
            if (!channel || !channel->Visible())
                continue;
            std::string caption = channel->TitleText();
            caption.erase(std::remove_if(caption.begin(), caption.end(), [](char c) { return c == '\r' || c == '\n'; }),
                          caption.end());
            add(channels, caption, channel == Channel(), [this, channel](TObject*) {
                SetChannelName(channel->Name());
                channel->SetUserSelected(true);
                DoSnapToDataPoint();
            });
        }
    TMenuItem* styles = add(PopupMenu.Items(), "Style", false, nullptr);
    for (int s = 0; s < 6; ++s) {
        TMenuItem* item = add(styles, FMenuCaption[s], FStyle == s,
                              [this, s](TObject*) { SetStyle(static_cast<TiPlotDataCursorStyle>(s)); });
        item->SetVisible(FMenuVisible[s]);
    }
    if (FMenuUserCanChangeOptions) {
        TMenuItem* options = add(PopupMenu.Items(), "Options", false, nullptr);
        add(options, "Use Channel Color", FUseChannelColor, [this](TObject*) {
            FUseChannelColor = !FUseChannelColor;
            RepaintNow();
        });
        add(options, "Hide Hint On Release", FHintHideOnRelease, [this](TObject*) {
            FHintHideOnRelease = !FHintHideOnRelease;
            RepaintNow();
        });
        TMenuItem* flip = add(options, "Flip Alignment", false, [this](TObject*) {
            SetHintOrientationSide(FHintOrientationSide == iosBottomRight ? iosTopLeft : iosBottomRight);
        });
        flip->SetEnabled(!IsDeltaStyle() && !IsAll());
    }
    if (!IsPlotOf("TiXYPlot"))
        add(PopupMenu.Items(), "Snap to Data-Point", FSnapToDataPoint, [this](TObject*) {
            FSnapToDataPoint = !FSnapToDataPoint;
            if (FSnapToDataPoint)
                DoSnapToDataPoint();
            RepaintNow();
        });
    AddEditMenuItem(PopupMenu);
}

namespace qx {

void registerPlotDataCursorClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotObjectClasses();
        registerEnum<TiPlotDataCursorStyle>(
            "TiPlotDataCursorStyle",
            {{"ipcsValueXY", ipcsValueXY}, {"ipcsValueX", ipcsValueX}, {"ipcsValueY", ipcsValueY},
             {"ipcsDeltaX", ipcsDeltaX}, {"ipcsDeltaY", ipcsDeltaY}, {"ipcsInverseDeltaX", ipcsInverseDeltaX}});
        registerEnum<TiOrientationSide>("TiOrientationSide",
                                        {{"iosBottomRight", iosBottomRight}, {"iosTopLeft", iosTopLeft}});
        using D = TiPlotDataCursor;
        auto b = registerClass<D, TiPlotManagerObject>("TiPlotDataCursor")
                      .property("ChannelName", &D::ChannelName, &D::SetChannelName)
                      .property("ChannelAllowAll", &D::ChannelAllowAll, &D::SetChannelAllowAll)
                      .property("ChannelShowAllInLegend", &D::ChannelShowAllInLegend, &D::SetChannelShowAllInLegend)
                      .property("Style", &D::Style, &D::SetStyle)
                      .font("Font", &D::Font, &D::SetFont)
                      .color("Color", &D::Color, &D::SetColor)
                      .property("UseChannelColor", &D::UseChannelColor, &D::SetUseChannelColor)
                      .property("HintShow", &D::HintShow, &D::SetHintShow)
                      .property("HintHideOnRelease", &D::HintHideOnRelease, &D::SetHintHideOnRelease)
                      .property("HintOrientationSide", &D::HintOrientationSide, &D::SetHintOrientationSide)
                      .property("HintPosition", &D::HintPosition, &D::SetHintPosition)
                      .property("Pointer1Position", &D::Pointer1Position, &D::SetPointer1Position)
                      .property("Pointer2Position", &D::Pointer2Position, &D::SetPointer2Position)
                      .property("PointerPenWidth", &D::PointerPenWidth, &D::SetPointerPenWidth)
                      .property("MenuUserCanChangeOptions", &D::MenuUserCanChangeOptions,
                                &D::SetMenuUserCanChangeOptions)
                      .defaultValue(true)
                      .property("SnapToDataPoint", &D::SnapToDataPoint, &D::SetSnapToDataPoint)
                      .defaultValue(false)
                      .property("UseCachedInterpolatedData", &D::UseCachedInterpolatedData,
                                &D::SetUseCachedInterpolatedData)
                      .defaultValue(false);
        static const char* const kStyleNames[6] = {"ValueXY", "ValueX", "ValueY", "DeltaX", "DeltaY", "InverseDeltaX"};
        for (int s = 0; s < 6; ++s) {
            const auto style = static_cast<TiPlotDataCursorStyle>(s);
            b.property(std::string("MenuItemVisible") + kStyleNames[s],
                       [style](const D& d) { return d.MenuItemVisible(style); },
                       [style](D& d, bool v) { d.SetMenuItemVisible(style, v); });
        }
        for (int s = 0; s < 6; ++s) {
            const auto style = static_cast<TiPlotDataCursorStyle>(s);
            b.property(std::string("MenuItemCaption") + kStyleNames[s],
                       [style](const D& d) { return d.MenuItemCaption(style); },
                       [style](D& d, const std::string& v) { d.SetMenuItemCaption(style, v); });
        }
        plot::registerPlotObjectCreator("TiPlotDataCursor", [](TObject* o, TNotifyEvent c, TNotifyEvent i,
                                                               TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotDataCursor(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
