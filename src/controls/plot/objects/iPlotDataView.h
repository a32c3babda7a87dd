#pragma once
// TiPlotDataView: the data area of a plot, the rectangle in which channels draw. It fills
// its background, draws grid lines at the ticks of its X and Y axes and a frame, converts
// between pixels and percent positions inside itself, and turns mouse and wheel input over
// the data area into axis control: dragging scrolls or zooms the axes, a drawn box zooms all
// axes to it, the wheel scrolls or zooms.

#include "controls/plot/objects/iPlotAxis.h"

#include <string>

enum TiPlotAxesControlStyle { ipacsXAxis, ipacsYAxis, ipacsBoth, ipacsNone };

/// What mouse input over the data area does.
enum class TiPlotDataViewMode { Select, ZoomBox, AxesControl, None };

/// One kind of grid line (X or Y, major or minor) with its own pen when Custom.
struct TiPlotGridLineSettings
{
    bool Custom = false;
    TColor Color = clGreen;
    int Width = 0;
    TiPlotGridLineStyle Style = ipglsSolid;
};

#define QX_PLOT_GRID_LINE_ACCESSORS(Kind, Field)                                                                     \
    bool GridLine##Kind##Custom() const { return Field.Custom; }                                                     \
    void SetGridLine##Kind##Custom(bool Value) { SetBooleanField(Value, Field.Custom, &TiPlotObject::DoChange); }    \
    TColor GridLine##Kind##Color() const { return Field.Color; }                                                     \
    void SetGridLine##Kind##Color(TColor Value) { SetColorField(Value, Field.Color, &TiPlotObject::DoChange); }      \
    int GridLine##Kind##Width() const { return Field.Width; }                                                         \
    void SetGridLine##Kind##Width(int Value) { SetIntegerField(Value, Field.Width, &TiPlotObject::DoChange); }       \
    TiPlotGridLineStyle GridLine##Kind##Style() const { return Field.Style; }                                        \
    void SetGridLine##Kind##Style(TiPlotGridLineStyle Value) { SetEnumField(Value, Field.Style); }

class TiPlotDataView : public TiPlotLayoutObject
{
public:
    TiPlotDataView(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                   TNotifyEvent AOnRename);

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { SetStringField(Value, FTitle, &TiPlotObject::DoChange); }
    bool BackgroundTransparent() const { return FBackgroundTransparent; }
    void SetBackgroundTransparent(bool Value) { SetBooleanField(Value, FBackgroundTransparent, &TiPlotObject::DoChange); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { SetColorField(Value, FBackgroundColor, &TiPlotObject::DoChange); }
    const std::string& GridXAxisName() const { return FGridXAxisName; }
    void SetGridXAxisName(const std::string& Value);
    const std::string& GridYAxisName() const { return FGridYAxisName; }
    void SetGridYAxisName(const std::string& Value);
    bool GridShow() const { return FGridShow; }
    void SetGridShow(bool Value) { SetBooleanField(Value, FGridShow, &TiPlotObject::DoChange); }
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value) { SetColorField(Value, FGridLineColor, &TiPlotObject::DoChange); }
    bool GridLineShowLeft() const { return FGridLineShowLeft; }
    void SetGridLineShowLeft(bool Value) { SetBooleanField(Value, FGridLineShowLeft, &TiPlotObject::DoChange); }
    bool GridLineShowRight() const { return FGridLineShowRight; }
    void SetGridLineShowRight(bool Value) { SetBooleanField(Value, FGridLineShowRight, &TiPlotObject::DoChange); }
    bool GridLineShowTop() const { return FGridLineShowTop; }
    void SetGridLineShowTop(bool Value) { SetBooleanField(Value, FGridLineShowTop, &TiPlotObject::DoChange); }
    bool GridLineShowBottom() const { return FGridLineShowBottom; }
    void SetGridLineShowBottom(bool Value) { SetBooleanField(Value, FGridLineShowBottom, &TiPlotObject::DoChange); }
    bool GridLineShowXMajors() const { return FGridLineShowXMajors; }
    void SetGridLineShowXMajors(bool Value) { SetBooleanField(Value, FGridLineShowXMajors, &TiPlotObject::DoChange); }
    bool GridLineShowXMinors() const { return FGridLineShowXMinors; }
    void SetGridLineShowXMinors(bool Value) { SetBooleanField(Value, FGridLineShowXMinors, &TiPlotObject::DoChange); }
    bool GridLineShowYMajors() const { return FGridLineShowYMajors; }
    void SetGridLineShowYMajors(bool Value) { SetBooleanField(Value, FGridLineShowYMajors, &TiPlotObject::DoChange); }
    bool GridLineShowYMinors() const { return FGridLineShowYMinors; }
    void SetGridLineShowYMinors(bool Value) { SetBooleanField(Value, FGridLineShowYMinors, &TiPlotObject::DoChange); }
    TiPlotGridLineStyle GridLineMajorStyle() const { return FGridLineMajorStyle; }
    void SetGridLineMajorStyle(TiPlotGridLineStyle Value) { SetEnumField(Value, FGridLineMajorStyle); }
    TiPlotGridLineStyle GridLineMinorStyle() const { return FGridLineMinorStyle; }
    void SetGridLineMinorStyle(TiPlotGridLineStyle Value) { SetEnumField(Value, FGridLineMinorStyle); }
    QX_PLOT_GRID_LINE_ACCESSORS(XMajor, FXMajor)
    QX_PLOT_GRID_LINE_ACCESSORS(XMinor, FXMinor)
    QX_PLOT_GRID_LINE_ACCESSORS(YMajor, FYMajor)
    QX_PLOT_GRID_LINE_ACCESSORS(YMinor, FYMinor)
    /// Raises no change notification.
    bool AxesControlEnabled() const { return FAxesControlEnabled; }
    void SetAxesControlEnabled(bool Value) { FAxesControlEnabled = Value; }
    TiPlotAxesControlStyle AxesControlMouseStyle() const { return FAxesControlMouseStyle; }
    void SetAxesControlMouseStyle(TiPlotAxesControlStyle Value) { SetEnumField(Value, FAxesControlMouseStyle); }
    TiPlotAxesControlStyle AxesControlWheelStyle() const { return FAxesControlWheelStyle; }
    void SetAxesControlWheelStyle(TiPlotAxesControlStyle Value) { SetEnumField(Value, FAxesControlWheelStyle); }
    bool AxesControlAllowInSelectMode() const { return FAxesControlAllowInSelectMode; }
    void SetAxesControlAllowInSelectMode(bool Value)
    {
        SetBooleanField(Value, FAxesControlAllowInSelectMode, &TiPlotObject::DoChange);
    }

    /// Percent positions inside the layout rectangle: X from its left, Y from its bottom.
    /// A data view without width (or height) gives 0.
    double PixelsXToPositionPercent(int Value) const;
    double PixelsYToPositionPercent(int Value) const;
    int PositionPercentToPixelsX(double Value) const;
    int PositionPercentToPixelsY(double Value) const;

    TiPlotDataViewMode AxesControlMode() const;
    bool ZoomBoxActive() const { return FZoomBoxActive; }
    void FillBackground(TCanvas& Canvas);
    void DrawZoomBox(TCanvas& Canvas);
    /// The X and Y axes named by the grid names, cached (nullptr for "<ALL>" or no match).
    TiPlotAxis* GridXAxis() { return GridAxis(FXAxis, FGridXAxisName, true); }
    TiPlotAxis* GridYAxis() { return GridAxis(FYAxis, FGridYAxisName, false); }

    void NotificationRemove(TObject* Sender) override;
    void NotificationRename(TObject* Sender) override;
    void NotificationSetFocus(TObject* Sender) override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    TCursor iGetMouseCursor(TPoint Point) override;
    void iKeyDown(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu) override;
    void BuildPopupMenu(TPopupMenu& PopupMenu) override;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseRight(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;
    bool DoMouseWheel(int WheelDelta, TShiftState Shift, int X, int Y) override;

private:
    TiPlotAxis* GridAxis(TiPlotAxis*& Cache, const std::string& Name, bool XAxes);
    void DrawGrid(TCanvas& Canvas, TColor BackGroundColor);
    void DrawAxisGrid(TCanvas& Canvas, bool XAxes);
    void ApplyZoomBox();
    /// Hands an input to every X axis unless locked to Y, and every Y axis unless locked to X.
    template <class F>
    void ForAxes(bool LockedToX, bool LockedToY, F&& Handler);

    TiPlotAxis* FXAxis = nullptr;
    TiPlotAxis* FYAxis = nullptr;
    bool FMouseDownRight = false;
    bool FZoomBoxActive = false;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    int FMouseMoveX = 0;
    int FMouseMoveY = 0;
    bool FDirectionLock = false;
    bool FDirectionLockXAxis = false;

    std::string FTitle;
    bool FBackgroundTransparent = true;
    TColor FBackgroundColor = 8421376;
    std::string FGridXAxisName;
    std::string FGridYAxisName;
    bool FGridShow = true;
    TColor FGridLineColor = clGreen;
    bool FGridLineShowLeft = true;
    bool FGridLineShowRight = true;
    bool FGridLineShowTop = true;
    bool FGridLineShowBottom = true;
    bool FGridLineShowXMajors = true;
    bool FGridLineShowXMinors = false;
    bool FGridLineShowYMajors = true;
    bool FGridLineShowYMinors = false;
    TiPlotGridLineStyle FGridLineMajorStyle = ipglsSolid;
    TiPlotGridLineStyle FGridLineMinorStyle = ipglsSolid;
    TiPlotGridLineSettings FXMajor, FXMinor, FYMajor, FYMinor;
    bool FAxesControlEnabled = false;
    TiPlotAxesControlStyle FAxesControlMouseStyle = ipacsBoth;
    TiPlotAxesControlStyle FAxesControlWheelStyle = ipacsXAxis;
    bool FAxesControlAllowInSelectMode = false;
};

namespace qx {
/// Publishes the data view's properties and registers its creator with the managers.
void registerPlotDataViewClasses();
} // namespace qx
