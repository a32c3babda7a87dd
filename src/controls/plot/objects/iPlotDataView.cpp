#include "controls/plot/objects/iPlotDataView.h"

#include "controls/plot/base/iPlotHost.h"
#include "controls/plot/base/iPlotMasterManager.h"
#include "platform/gui/Keys.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PropertyRegistry.h"

#include <cstdlib>
#include <mutex>

namespace {

constexpr const char* kAllAxes = "<ALL>";
/// A right drag farther than this from the press starts a zoom box.
constexpr int kZoomBoxSlack = 5;
/// A Shift drag farther than this locks the drag to one axis kind.
constexpr int kDirectionLockSlack = 3;

} // namespace

TiPlotDataView::TiPlotDataView(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                               TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename))
{
}

void TiPlotDataView::SetGridXAxisName(const std::string& Value)
{
    FXAxis = nullptr;
    SetStringField(Value, FGridXAxisName, &TiPlotObject::DoChange);
}

void TiPlotDataView::SetGridYAxisName(const std::string& Value)
{
    FYAxis = nullptr;
    SetStringField(Value, FGridYAxisName, &TiPlotObject::DoChange);
}

// ---- Percent positions ----

double TiPlotDataView::PixelsXToPositionPercent(int Value) const
{
    const int width = Width();
    if (width == 0)
        return 0;
    return static_cast<double>(Value - DrawRect().Left) / width * 100;
}

double TiPlotDataView::PixelsYToPositionPercent(int Value) const
{
    const int height = Height();
    if (height == 0)
        return 0;
    return (1 - static_cast<double>(Value - DrawRect().Top) / height) * 100;
}

int TiPlotDataView::PositionPercentToPixelsX(double Value) const
{
    return PlotPixel(Width() * Value / 100 + DrawRect().Left);
}

int TiPlotDataView::PositionPercentToPixelsY(double Value) const
{
    return PlotPixel(Height() * (100 - Value) / 100 + DrawRect().Top);
}

// ---- Axes ----

TiPlotAxis* TiPlotDataView::GridAxis(TiPlotAxis*& Cache, const std::string& Name, bool XAxes)
{
    if (!Cache && !qx::sameText(Name, kAllAxes))
        if (TiPlotHost* host = PlotHostOf(*this))
            Cache = FindPlotAxis(host->MasterManager(), Name, XAxes);
    return Cache;
}

void TiPlotDataView::NotificationRemove(TObject* Sender)
{
    if (Sender == FXAxis)
        FXAxis = nullptr;
    if (Sender == FYAxis)
        FYAxis = nullptr;
}

void TiPlotDataView::NotificationRename(TObject* Sender)
{
    if (FXAxis && Sender == FXAxis)
        FGridXAxisName = FXAxis->Name();
    if (FYAxis && Sender == FYAxis)
        FGridYAxisName = FYAxis->Name();
}

void TiPlotDataView::NotificationSetFocus(TObject* Sender)
{
    YieldSelectionTo(Sender);
}

TiPlotDataViewMode TiPlotDataView::AxesControlMode() const
{
    TiPlotHost* host = PlotHostOf(*this);
    if (host && host->ToolBarSelectMode() && !FAxesControlAllowInSelectMode)
        return TiPlotDataViewMode::Select;
    if (host && host->ToolBarZoomBoxMode())
        return TiPlotDataViewMode::ZoomBox;
    return FAxesControlEnabled ? TiPlotDataViewMode::AxesControl : TiPlotDataViewMode::None;
}

template <class F>
void TiPlotDataView::ForAxes(bool LockedToX, bool LockedToY, F&& Handler)
{
    TiPlotHost* host = PlotHostOf(*this);
    if (!host)
        return;
    if (!LockedToY)
        for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), true))
            Handler(*axis);
    if (!LockedToX)
        for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), false))
            Handler(*axis);
}

// ---- Drawing ----

void TiPlotDataView::FillBackground(TCanvas& Canvas)
{
    if (FBackgroundTransparent)
        return;
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = FBackgroundColor;
    Canvas.FillRect(DrawRect());
}

void TiPlotDataView::DrawZoomBox(TCanvas& Canvas)
{
    if (!FZoomBoxActive)
        return;
    Canvas.Font().Color = clWhite;
    DrawFocusRectangle(Canvas, NormalRect(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY));
}

void TiPlotDataView::Draw(TCanvas& Canvas, TColor BackGroundColor)
{
    DrawGrid(Canvas, BackGroundColor);
    if (!UserSelected())
        return;
    const TRect r = DrawRect();
    Canvas.Pen().Color = BackGroundColor;
    Canvas.Brush().Style = bsClear;
    Canvas.MoveTo(r.Left, r.Top);
    Canvas.LineTo(r.Left, r.Bottom);
    Canvas.MoveTo(r.Right, r.Top);
    Canvas.LineTo(r.Right, r.Bottom);
    Canvas.MoveTo(r.Left, r.Top);
    Canvas.LineTo(r.Right, r.Top);
    Canvas.MoveTo(r.Left, r.Bottom);
    Canvas.LineTo(r.Right + 1, r.Bottom);
    Canvas.Font().Color = clWhite;
    DrawFocusRectangle(Canvas, {r.Left, r.Top, r.Right + 1, r.Bottom + 1});
}

void TiPlotDataView::DrawAxisGrid(TCanvas& Canvas, bool XAxes)
{
    const TiPlotGridLineSettings& major = XAxes ? FXMajor : FYMajor;
    const TiPlotGridLineSettings& minor = XAxes ? FXMinor : FYMinor;
    const TiPlotGridLinePen majorPen = major.Custom ? TiPlotGridLinePen{major.Style, major.Color, major.Width}
                                                    : TiPlotGridLinePen{FGridLineMajorStyle, FGridLineColor, 0};
    const TiPlotGridLinePen minorPen = minor.Custom ? TiPlotGridLinePen{minor.Style, minor.Color, minor.Width}
                                                    : TiPlotGridLinePen{FGridLineMinorStyle, FGridLineColor, 0};
    const bool showMajors = XAxes ? FGridLineShowXMajors : FGridLineShowYMajors;
    const bool showMinors = XAxes ? FGridLineShowXMinors : FGridLineShowYMinors;
    const std::string& name = XAxes ? FGridXAxisName : FGridYAxisName;
    const TRect r = DrawRect();
    if (!qx::sameText(name, kAllAxes)) {
        if (TiPlotAxis* axis = XAxes ? GridXAxis() : GridYAxis())
            axis->DrawGridLines(Canvas, r, showMajors, showMinors, majorPen, minorPen);
        return;
    }
    if (TiPlotHost* host = PlotHostOf(*this))
        for (TiPlotAxis* axis : PlotAxes(host->MasterManager(), XAxes))
            axis->DrawGridLines(Canvas, r, showMajors, showMinors, majorPen, minorPen);
}

void TiPlotDataView::DrawGrid(TCanvas& Canvas, TColor BackGroundColor)
{
    if (!FGridShow)
        return;
    Canvas.Brush().Color = BackGroundColor;
    DrawAxisGrid(Canvas, true);
    DrawAxisGrid(Canvas, false);
    const TRect r = DrawRect();
    Canvas.Pen().Color = FGridLineColor;
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Width = 0;
    if (FGridLineShowLeft) {
        Canvas.MoveTo(r.Left, r.Top);
        Canvas.LineTo(r.Left, r.Bottom);
    }
    if (FGridLineShowRight) {
        Canvas.MoveTo(r.Right, r.Top);
        Canvas.LineTo(r.Right, r.Bottom);
    }
    if (FGridLineShowTop) {
        Canvas.MoveTo(r.Left, r.Top);
        Canvas.LineTo(r.Right, r.Top);
    }
    if (FGridLineShowBottom) {
        Canvas.MoveTo(r.Left, r.Bottom);
        Canvas.LineTo(r.Right + 1, r.Bottom);
    }
}

// ---- Input ----

TCursor TiPlotDataView::iGetMouseCursor(TPoint)
{
    TCursor cursor = crDefault;
    switch (AxesControlMode()) {
    case TiPlotDataViewMode::ZoomBox: cursor = crDrag; break;
    case TiPlotDataViewMode::AxesControl: cursor = crHandPoint; break;
    default: break;
    }
    if (TiPlotHost* host = PlotHostOf(*this))
        host->DoObjectMouseCursor(*this, cursor);
    return cursor;
}

void TiPlotDataView::DoMouseLeft(const TiPlotMouseData& MouseData)
{
    FDirectionLock = false;
    FMouseDown = true;
    switch (AxesControlMode()) {
    case TiPlotDataViewMode::ZoomBox:
        if (TiPlotHost* host = PlotHostOf(*this))
            DisableAllTracking(host->MasterManager());
        FMouseDownX = FMouseMoveX = MouseData.X;
        FMouseDownY = FMouseMoveY = MouseData.Y;
        FZoomBoxActive = true;
        RaiseInvalidateNow();
        break;
    case TiPlotDataViewMode::AxesControl:
        FMouseDownX = MouseData.X;
        FMouseDownY = MouseData.Y;
        ForAxes(false, false, [&](TiPlotAxis& axis) { axis.DoMouseLeft(MouseData); });
        break;
    default:
        break;
    }
}

void TiPlotDataView::DoMouseRight(const TiPlotMouseData& MouseData)
{
    if (AxesControlMode() != TiPlotDataViewMode::AxesControl)
        return;
    FMouseDownRight = true;
    FMouseDownX = FMouseMoveX = MouseData.X;
    FMouseDownY = FMouseMoveY = MouseData.Y;
}

void TiPlotDataView::DoMouseMove(const TiPlotMouseData& MouseData)
{
    if (FZoomBoxActive) {
        if (MouseData.DblClickActive)
            return;
        FMouseMoveX = MouseData.X;
        FMouseMoveY = MouseData.Y;
        RaiseInvalidateNow();
        return;
    }
    if (AxesControlMode() != TiPlotDataViewMode::AxesControl)
        return;
    if (FMouseDownRight) {
        if (std::abs(MouseData.X - FMouseDownX) <= kZoomBoxSlack && std::abs(MouseData.Y - FMouseDownY) <= kZoomBoxSlack)
            return;
        FMouseMoveX = MouseData.X;
        FMouseMoveY = MouseData.Y;
        FZoomBoxActive = true;
        ClearMouseDownPopup();
        if (TiPlotHost* host = PlotHostOf(*this))
            DisableAllTracking(host->MasterManager());
        RaiseInvalidateNow();
        return;
    }
    const bool shift = MouseData.Shift.Contains(ssShift);
    switch (FAxesControlMouseStyle) {
    case ipacsXAxis:
        FDirectionLock = true;
        FDirectionLockXAxis = !shift;
        break;
    case ipacsYAxis:
        FDirectionLock = true;
        FDirectionLockXAxis = shift;
        break;
    case ipacsBoth:
        if (shift && !FDirectionLock) {
            if (std::abs(MouseData.X - FMouseDownX) > kDirectionLockSlack) {
                FDirectionLock = true;
                FDirectionLockXAxis = true;
            }
            if (std::abs(MouseData.Y - FMouseDownY) > kDirectionLockSlack) {
                FDirectionLock = true;
                FDirectionLockXAxis = false;
            }
        }
        break;
    case ipacsNone:
        return;
    }
    ForAxes(FDirectionLock && FDirectionLockXAxis, FDirectionLock && !FDirectionLockXAxis,
            [&](TiPlotAxis& axis) { axis.DoMouseMove(MouseData); });
}

void TiPlotDataView::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (!FMouseDown && !FMouseDownRight)
        return;
    if (FZoomBoxActive) {
        if (!MouseData.DblClickActive && FMouseDownX < FMouseMoveX && FMouseDownY < FMouseMoveY) {
            ApplyZoomBox();
            RaiseInvalidateNow();
        }
    } else if (AxesControlMode() == TiPlotDataViewMode::AxesControl) {
        ForAxes(false, false, [&](TiPlotAxis& axis) { axis.DoMouseUp(MouseData); });
    }
    if (DrawRect().Contains({MouseData.X, MouseData.Y}))
        if (TiPlotHost* host = PlotHostOf(*this))
            host->DoObjectClick(*this);
    FMouseDown = false;
    FMouseDownRight = false;
    FZoomBoxActive = false;
    RaiseInvalidateNow();
}

void TiPlotDataView::ApplyZoomBox()
{
    TiPlotHost* host = PlotHostOf(*this);
    if (!host)
        return;
    TRect box{FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY};
    if (!host->DoBeforeZoomBox(box))
        return;
    ForAxes(false, false, [&](TiPlotAxis& axis) {
        int first = axis.IsHorz() ? box.Left : box.Bottom;
        int second = axis.IsHorz() ? box.Right : box.Top;
        if (axis.ReverseScale())
            std::swap(first, second);
        const double min = axis.PixelsToPosition(first);
        axis.SetMinSpan(min, axis.PixelsToPosition(second) - min);
    });
}

bool TiPlotDataView::DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y)
{
    if (AxesControlMode() != TiPlotDataViewMode::AxesControl)
        return false;
    const bool shift = Shift.Contains(ssShift);
    bool lockedToX = false;
    bool lockedToY = false;
    switch (FAxesControlWheelStyle) {
    case ipacsXAxis:
        lockedToY = shift;
        lockedToX = !shift;
        break;
    case ipacsYAxis:
        lockedToX = shift;
        lockedToY = !shift;
        break;
    case ipacsBoth:
        break;
    case ipacsNone:
        return false;
    }
    ForAxes(lockedToX, lockedToY, [&](TiPlotAxis& axis) { axis.DoMouseWheel(WheelDelta, Shift, X, Y); });
    return true;
}

void TiPlotDataView::iKeyDown(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu)
{
    TiPlotLayoutObject::iKeyDown(CharCode, Shift, PopupMenu);
    if (CharCode == VK_ESCAPE && FZoomBoxActive) {
        FZoomBoxActive = false;
        RaiseInvalidateNow();
    }
}

void TiPlotDataView::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TiPlotLayoutObject::BuildPopupMenu(PopupMenu);
    AddEditMenuItem(PopupMenu);
}

namespace qx {

void registerPlotDataViewClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerPlotAxisClasses();
        registerEnum<TiPlotAxesControlStyle>(
            "TiPlotAxesControlStyle",
            {{"ipacsXAxis", ipacsXAxis}, {"ipacsYAxis", ipacsYAxis}, {"ipacsBoth", ipacsBoth}, {"ipacsNone", ipacsNone}});
        using D = TiPlotDataView;
#define QX_PLOT_GRID_LINE_PROPERTIES(Kind)                                                                           \
    .property("GridLine" #Kind "Custom", &D::GridLine##Kind##Custom, &D::SetGridLine##Kind##Custom)                  \
        .defaultValue(false)                                                                                         \
        .color("GridLine" #Kind "Color", &D::GridLine##Kind##Color, &D::SetGridLine##Kind##Color)                    \
        .colorDefault(clGreen)                                                                                       \
        .property("GridLine" #Kind "Width", &D::GridLine##Kind##Width, &D::SetGridLine##Kind##Width)                 \
        .defaultValue(0)                                                                                             \
        .property("GridLine" #Kind "Style", &D::GridLine##Kind##Style, &D::SetGridLine##Kind##Style)                 \
        .defaultValue(ipglsSolid)
        registerClass<D, TiPlotLayoutObject>("TiPlotDataView")
            .property("Title", &D::Title, &D::SetTitle)
            .property("BackgroundTransparent", &D::BackgroundTransparent, &D::SetBackgroundTransparent)
            .defaultValue(true)
            .color("BackgroundColor", &D::BackgroundColor, &D::SetBackgroundColor)
            .colorDefault(8421376)
            .property("GridXAxisName", &D::GridXAxisName, &D::SetGridXAxisName)
            .property("GridYAxisName", &D::GridYAxisName, &D::SetGridYAxisName)
            .property("GridShow", &D::GridShow, &D::SetGridShow)
            .defaultValue(true)
            .color("GridLineColor", &D::GridLineColor, &D::SetGridLineColor)
            .colorDefault(clGreen)
            .property("GridLineShowLeft", &D::GridLineShowLeft, &D::SetGridLineShowLeft)
            .defaultValue(true)
            .property("GridLineShowRight", &D::GridLineShowRight, &D::SetGridLineShowRight)
            .defaultValue(true)
            .property("GridLineShowTop", &D::GridLineShowTop, &D::SetGridLineShowTop)
            .defaultValue(true)
            .property("GridLineShowBottom", &D::GridLineShowBottom, &D::SetGridLineShowBottom)
            .defaultValue(true)
            .property("GridLineShowXMajors", &D::GridLineShowXMajors, &D::SetGridLineShowXMajors)
            .defaultValue(true)
            .property("GridLineShowXMinors", &D::GridLineShowXMinors, &D::SetGridLineShowXMinors)
            .defaultValue(false)
            .property("GridLineShowYMajors", &D::GridLineShowYMajors, &D::SetGridLineShowYMajors)
            .defaultValue(true)
            .property("GridLineShowYMinors", &D::GridLineShowYMinors, &D::SetGridLineShowYMinors)
            .defaultValue(false)
            .property("GridLineMajorStyle", &D::GridLineMajorStyle, &D::SetGridLineMajorStyle)
            .defaultValue(ipglsSolid)
            .property("GridLineMinorStyle", &D::GridLineMinorStyle, &D::SetGridLineMinorStyle)
            .defaultValue(ipglsSolid)
            QX_PLOT_GRID_LINE_PROPERTIES(XMajor)
            QX_PLOT_GRID_LINE_PROPERTIES(XMinor)
            QX_PLOT_GRID_LINE_PROPERTIES(YMajor)
            QX_PLOT_GRID_LINE_PROPERTIES(YMinor)
            .property("AxesControlEnabled", &D::AxesControlEnabled, &D::SetAxesControlEnabled)
            .property("AxesControlMouseStyle", &D::AxesControlMouseStyle, &D::SetAxesControlMouseStyle)
            .property("AxesControlWheelStyle", &D::AxesControlWheelStyle, &D::SetAxesControlWheelStyle)
            .property("AxesControlAllowInSelectMode", &D::AxesControlAllowInSelectMode,
                      &D::SetAxesControlAllowInSelectMode)
            .defaultValue(false);
#undef QX_PLOT_GRID_LINE_PROPERTIES
        plot::registerPlotObjectCreator("TiPlotDataView", [](TObject* owner, TNotifyEvent c, TNotifyEvent i,
                                                             TNotifyEvent r, TNotifyEvent n) -> TiPlotObject* {
            return new TiPlotDataView(owner, std::move(c), std::move(i), std::move(r), std::move(n));
        });
    });
}

} // namespace qx
