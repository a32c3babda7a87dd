#include "AxisTestPlot.h"

#include "platform/gui/PropertyRegistry.h"
#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// ---- TTestExtentsChannel ----

void TTestExtentsChannel::AddXY(double X, double Y)
{
    points.emplace_back(X, Y);
    runningXMax = std::max(runningXMax, X);
    runningXMin = std::min(runningXMin, X);
    runningYMax = std::max(runningYMax, Y);
    runningYMin = std::min(runningYMin, Y);
    TiPlotHost* host = PlotHostOf(*this);
    if (!host)
        return;
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), xAxes))
            if (qx::sameText(axis->Name(), xAxes ? FXAxisName : FYAxisName))
                axis->NewTrackingData(xAxes ? X : Y);
}

double TTestExtentsChannel::Extreme(bool X, bool Max) const
{
    double result = Max ? -1e300 : 1e300;
    for (const auto& [x, y] : points)
        result = Max ? std::max(result, X ? x : y) : std::min(result, X ? x : y);
    return result;
}

// ---- TAxisTestPlot ----

TAxisTestPlot::TAxisTestPlot(TComponent* AOwner) : TiVCLComponent(AOwner)
{
    SetBounds(0, 0, 400, 260);
    master = std::make_unique<TiPlotMasterManager>(this);
    master->OnInvalidateNow = [this](TObject*) { ++invalidations; };
    master->AddXAxis();
    master->AddYAxis();
    master->AddDataView();
    LayOut();
}

TAxisTestPlot::~TAxisTestPlot() { master.reset(); }

TiPlotXAxis& TAxisTestPlot::X(int Index) { return dynamic_cast<TiPlotXAxis&>(*master->XAxisManager()->GetItem(Index)); }
TiPlotYAxis& TAxisTestPlot::Y(int Index) { return dynamic_cast<TiPlotYAxis&>(*master->YAxisManager()->GetItem(Index)); }
TiPlotDataView& TAxisTestPlot::View(int Index)
{
    return dynamic_cast<TiPlotDataView&>(*master->DataViewManager()->GetItem(Index));
}
TTestExtentsChannel& TAxisTestPlot::Channel(int Index)
{
    return dynamic_cast<TTestExtentsChannel&>(*master->ChannelManager()->GetItem(Index));
}

int TAxisTestPlot::AddChannel(const std::string& XAxisName, const std::string& YAxisName)
{
    const int index = master->AddChannel();
    Channel(index).SetXAxisName(XAxisName);
    Channel(index).SetYAxisName(YAxisName);
    return index;
}

void TAxisTestPlot::LayOut()
{
    for (TiPlotAxis* axis : PlotAxes(*master, true)) {
        axis->SetHorizontal(true);
        axis->SetDrawRect(kXAxis);
    }
    for (TiPlotAxis* axis : PlotAxes(*master, false)) {
        axis->SetHorizontal(false);
        axis->SetDrawRect(kYAxis);
    }
    for (int i = 0; i < master->DataViewManager()->Count(); ++i)
        View(i).SetDrawRect(kDataView);
}

TBitmap TAxisTestPlot::Picture()
{
    TBitmap bitmap(Width(), Height());
    PaintTo(bitmap.Canvas());
    return bitmap;
}

void TAxisTestPlot::iPaint(TCanvas& Canvas)
{
    collisions.clear();
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*master, xAxes))
            axis->CalcTicks(Canvas);
    for (int i = 0; i < master->DataViewManager()->Count(); ++i) {
        View(i).FillBackground(Canvas);
        View(i).Draw(Canvas, BackGroundColor());
    }
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*master, xAxes)) {
            axis->PrepareDraw();
            axis->Draw(Canvas, BackGroundColor());
        }
    for (int i = 0; i < master->DataViewManager()->Count(); ++i)
        View(i).DrawZoomBox(Canvas);
}

TiPlotObject* TAxisTestPlot::ObjectAt(int X, int Y)
{
    for (const bool xAxes : {true, false})
        for (TiPlotAxis* axis : PlotAxes(*master, xAxes))
            if (axis->HitTest(X, Y))
                return axis;
    for (int i = 0; i < master->DataViewManager()->Count(); ++i)
        if (View(i).HitTest(X, Y))
            return &View(i);
    return nullptr;
}

void TAxisTestPlot::iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    pressed_ = ObjectAt(X, Y);
    if (pressed_) {
        const TPoint screen = ClientToScreen({X, Y});
        pressed_->iMouseDown(Button, Shift, X, Y, screen.X, screen.Y, nullptr);
    }
}

void TAxisTestPlot::iMouseMove(TShiftState Shift, int X, int Y)
{
    TiHintData hint;
    const TPoint screen = ClientToScreen({X, Y});
    if (pressed_)
        pressed_->iMouseMove(hint, Shift, X, Y, screen.X, screen.Y, false);
    else if (TiPlotObject* object = ObjectAt(X, Y)) {
        object->iMouseMove(hint, Shift, X, Y, screen.X, screen.Y, false);
        if (!hint.Text.empty())
            events.push_back("hint " + hint.Text + Format(" at %d,%d size %dx%d", hint.Left, hint.Top, hint.Width,
                                                               hint.Height));
    }
}

void TAxisTestPlot::iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!pressed_)
        return;
    const TPoint screen = ClientToScreen({X, Y});
    TiPlotObject* object = pressed_;
    pressed_ = nullptr;
    object->iMouseUp(Button, Shift, X, Y, screen.X, screen.Y, false, nullptr);
}

bool TAxisTestPlot::iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    const TPoint at = ScreenToClient(MousePos);
    TiPlotObject* object = ObjectAt(at.X, at.Y);
    return object && object->iMouseWheel(WheelDelta, Shift, at);
}

void TAxisTestPlot::iKeyDown(Word& Key, TShiftState Shift)
{
    master->ObjectManager()->KeyDownFocusObjects(Key, Shift, nullptr);
}

std::string TAxisTestPlot::Describe(TiPlotObject& Object) const
{
    return Object.Name();
}

void TAxisTestPlot::DoAxisMinChange(TiPlotObject& Axis, double OldMin, double NewMin)
{
    events.push_back(Format("min %s %g>%g", Describe(Axis), OldMin, NewMin));
}

void TAxisTestPlot::DoAxisSpanChange(TiPlotObject& Axis, double OldSpan, double NewSpan)
{
    events.push_back(Format("span %s %g>%g", Describe(Axis), OldSpan, NewSpan));
}

void TAxisTestPlot::DoAxisMinSpanChange(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin,
                                        double NewSpan)
{
    events.push_back(Format("range %s %g+%g>%g+%g", Describe(Axis), OldMin, OldSpan, NewMin, NewSpan));
}

void TAxisTestPlot::DoAxisMinSpanChangeFinished(TiPlotObject& Axis, double OldMin, double OldSpan, double NewMin,
                                                double NewSpan)
{
    events.push_back(Format("finished %s %g+%g>%g+%g", Describe(Axis), OldMin, OldSpan, NewMin, NewSpan));
}

void TAxisTestPlot::DoAxisCustomizeLabel(TiPlotObject& Axis, double Value, std::string& ALabel)
{
    if (customizeLabel)
        customizeLabel(Axis, Value, ALabel);
}

void TAxisTestPlot::DoAxisCustomizeHint(TiPlotObject& Axis, std::string& AHint)
{
    events.push_back("customize hint " + Describe(Axis));
    AHint += "!";
}

void TAxisTestPlot::DoObjectClick(TiPlotObject& Object) { events.push_back("click " + Describe(Object)); }

void TAxisTestPlot::DoObjectMouseCursor(TiPlotObject&, TCursor&) {}

bool TAxisTestPlot::DoBeforeZoomBox(TRect& ZoomRect)
{
    events.push_back(Format("zoom box %d,%d,%d,%d", ZoomRect.Left, ZoomRect.Top, ZoomRect.Right, ZoomRect.Bottom));
    return beforeZoomBox ? beforeZoomBox(ZoomRect) : true;
}

bool TAxisTestPlot::AxesCollisionAccept(const TRect& R)
{
    const TRect view = View().DrawRect();
    if (R.Left < view.Left || R.Top < view.Top || R.Right > view.Right || R.Bottom > view.Bottom)
        return false;
    for (const TRect& taken : collisions)
        if (!IntersectRect(taken, R).IsEmpty())
            return false;
    collisions.push_back(R);
    return true;
}

void registerAxisTestClasses()
{
    qx::registerPlotDataViewClasses();
    qx::registerClass<TTestExtentsChannel, TiPlotManagerObject>("TiPlotChannelCustom")
        .property("XAxisName", &TTestExtentsChannel::XAxisName, &TTestExtentsChannel::SetXAxisName)
        .property("YAxisName", &TTestExtentsChannel::YAxisName, &TTestExtentsChannel::SetYAxisName);
    qx::plot::registerPlotObjectCreator("TiPlotChannel", [](TObject* owner, TNotifyEvent c, TNotifyEvent i,
                                                            TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
        return new TTestExtentsChannel(owner, std::move(c), std::move(i), std::move(r), std::move(n));
    });
}

void ExpectRange(const TiPlotAxis& axis, double min, double max, const std::string& what)
{
    EXPECT_NEAR(axis.Min(), min, 1e-9 * std::max(1.0, std::fabs(min))) << what;
    EXPECT_NEAR(axis.Max(), max, 1e-9 * std::max(1.0, std::fabs(max))) << what;
}
