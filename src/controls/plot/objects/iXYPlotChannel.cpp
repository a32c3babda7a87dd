#include "controls/plot/objects/iXYPlotChannel.h"

#include "controls/plot/base/iPlotManagers.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotDataCursor.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/opc/iOPCManager.h"

#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <mutex>

TiXYPlotChannel::TiXYPlotChannel(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                 TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotChannelCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)),
      TiPlotChannelOPC(AOwner)
{
}

TiXYPlotChannel::~TiXYPlotChannel() = default;

int TiXYPlotChannel::AddNull()
{
    // Straight into the store: a null point takes part in neither statistics nor tracking.
    const int index = Store().Add(0, 0, true, false);
    DoChange();
    return index;
}

int TiXYPlotChannel::AddEmpty()
{
    const int index = Store().Add(0, 0, false, true);
    DoChange();
    return index;
}

void TiXYPlotChannel::CalcStartIndex() { SetDrawRange(Count() > 0 ? 0 : -1, DrawStopIndex()); }
void TiXYPlotChannel::CalcStopIndex() { SetDrawRange(DrawStartIndex(), Count() > 0 ? Count() - 1 : -1); }

void TiXYPlotChannel::PrepareDraw()
{
    SetCanDraw(false);
    if (!AxesAssigned() || !Visible() || Count() == 0)
        return;
    CalcStartIndex();
    CalcStopIndex();
    SetCanDraw(DrawStartIndex() != -1 && DrawStopIndex() != -1);
}

void TiXYPlotChannel::Draw(TCanvas& Canvas, TColor BackGroundColor)
{
    if (ClipToAxes() && AxesAssigned()) {
        TiPlotAxis* x = XAxis();
        TiPlotAxis* y = YAxis();
        const TRect r = XYAxesReversed() ? NormalRect(y->MinPixels(), x->MinPixels(), y->MaxPixels(), x->MaxPixels())
                                         : NormalRect(x->MinPixels(), y->MinPixels(), x->MaxPixels(), y->MaxPixels());
        Canvas.IntersectClipRect(r);
    }
    DrawTrace(Canvas, XYAxesReversed(), BackGroundColor);
    DrawMarkers(Canvas, XYAxesReversed(), BackGroundColor);
}

void TiXYPlotChannel::DoInsert()
{
    TiPlotChannelCustom::DoInsert();
    if (OPCAutoConnect())
        OPCActivate();
}

double TiXYPlotChannel::FitExtent(bool XAxisSide, bool Max)
{
    CalcStartIndex();
    CalcStopIndex();
    double result = Max ? -1e300 : 1e300;
    if (!AxesAssigned() || !Visible() || DrawStartIndex() == -1 || DrawStopIndex() == -1)
        return result;
    for (int i = 0; i < Count(); ++i) {
        if (!DataValid(i))
            continue;
        const double v = XAxisSide ? (Max ? MarkerXMax(i) : MarkerXMin(i)) : (Max ? MarkerYMax(i) : MarkerYMin(i));
        result = Max ? std::max(result, v) : std::min(result, v);
    }
    return result;
}

void TiXYPlotChannel::UpdateDataCursor(TiPlotDataCursor& Cursor)
{
    double x = 0, y = 0;
    TiPlotAxis* xAxis = XAxis();
    TiPlotAxis* yAxis = YAxis();
    if (xAxis && yAxis) {
        const double p1 = Cursor.Pointer1Position(), p2 = Cursor.Pointer2Position();
        auto values = [&](TiPlotAxis* axis, bool AlongX, double& v1, double& v2) {
            TiPlotDataView* view = Cursor.DataView();
            if (view && (axis->StartPercent() != 0 || axis->StopPercent() != 100)) {
                v1 = axis->PixelsToPosition(AlongX ? view->PositionPercentToPixelsX(p1)
                                                   : view->PositionPercentToPixelsY(p1));
                v2 = axis->PixelsToPosition(AlongX ? view->PositionPercentToPixelsX(p2)
                                                   : view->PositionPercentToPixelsY(p2));
            } else {
                v1 = axis->PercentToPosition(p1 / 100);
                v2 = axis->PercentToPosition(p2 / 100);
            }
        };
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        values(xAxis, !XYAxesReversed(), x1, x2);
        values(yAxis, XYAxesReversed(), y1, y2);
        switch (Cursor.Style()) {
        case ipcsValueXY:
            x = x1;
            y = y2;
            break;
        case ipcsValueX:
            x = x1;
            break;
        case ipcsValueY:
            y = y2;
            break;
        case ipcsDeltaX:
            x = std::abs(x1 - x2);
            break;
        case ipcsDeltaY:
            y = std::abs(y1 - y2);
            break;
        case ipcsInverseDeltaX: {
            const double scaled = xAxis->CursorScaler() * (x1 - x2);
            x = scaled == 0 ? std::numeric_limits<double>::infinity() : std::abs(1 / scaled);
            break;
        }
        }
    }
    const TiPlotDataPointStatus status = ipdpsValid;
    Cursor.SetCursorValues(status, y, x);

    TiPlotHost* host = Host();
    auto translate = [&](const char* text) { return host ? host->TranslateText(text) : std::string(text); };
    std::string xText, yText, text;
    if (!xAxis) {
        xText = text = translate("No X-Axis");
    } else {
        const std::string yValueText = !yAxis ? translate("No Y-Axis") : GetYValueText(y);
        switch (Cursor.Style()) {
        case ipcsValueXY:
            xText = GetXValueText(x);
            yText = yValueText;
            text = xText + ", " + yText;
            break;
        case ipcsValueX:
        case ipcsDeltaX:
            text = xText = GetXValueText(x);
            break;
        case ipcsValueY:
        case ipcsDeltaY:
            text = yText = yValueText;
            break;
        case ipcsInverseDeltaX:
            text = xText = x < 1e301 ? xAxis->GetInverseCursorText(x, false) : translate("Infinite");
            break;
        }
    }
    SetDataCursorTexts(xText, yText, x, y, status);
    Cursor.SetCursorDisplayText(text);
}

void TiXYPlotChannel::OPCActivate()
{
    if (FOPCItemManager.IsDesigning())
        return;
    for (int i = 0; i < 2; ++i)
        Item(i).Deactivate();
    if (!FOPCManager) {
        FOPCManager = std::make_unique<TiOPCManager>(nullptr);
        FOPCManager->OnAfterGroupUpdate = [this](TObject*, const std::string&) { OPCGroupUpdated(); };
    }
    FOPCManager->GroupClear();
    // The channel's address names its group, so each channel's group is its own.
    char name[32];
    std::snprintf(name, sizeof name, "%p", static_cast<const void*>(this));
    FOPCManager->GroupAdd(name, Item(0).ComputerName(), Item(0).UpdateRate(), Item(0).ServerName());
    for (int i = 0; i < 2; ++i)
        Item(i).SetGroupName(name);
    Item(0).Activate();
    Item(1).Activate();
}

void TiXYPlotChannel::OPCGroupUpdated() { AddXY(Item(0).Data().AsFloat(), Item(1).Data().AsFloat()); }

void TiXYPlotChannel::OPCActivateSuspend()
{
    OPCActivate();
    OPCUpdateSuspend();
}

void TiXYPlotChannel::OPCDeactivate()
{
    Item(0).Deactivate();
    Item(1).Deactivate();
}

void TiXYPlotChannel::OPCUpdateSuspend()
{
    Item(0).UpdateSuspend();
    Item(1).UpdateSuspend();
}

void TiXYPlotChannel::OPCUpdateResume()
{
    Item(0).UpdateResume();
    Item(1).UpdateResume();
}

namespace qx {

void registerXYPlotChannelClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotChannelClasses();
        using C = TiXYPlotChannel;
        ClassBuilder<C> builder = registerClass<C, TiPlotChannelCustom>("TiXYPlotChannel");
        plot::registerOPCServerProperties(builder);
        plot::registerOPCValueProperties(builder);
        builder.property("OPCItem2Name", &C::OPCItem2Name, &C::SetOPCItem2Name);
        plot::registerPlotObjectCreator("TiXYPlotChannel", [](TObject* o, TNotifyEvent c, TNotifyEvent i,
                                                              TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
            return new TiXYPlotChannel(o, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
