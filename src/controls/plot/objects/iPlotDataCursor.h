#pragma once
// TiPlotDataCursor: the measuring tool of a plot. One or two pointer lines across the first
// data view, dragged with the mouse or moved with keys, and a hint box with what they measure
// on one channel (a value pair, an X or Y value, an X or Y distance, or the inverse X
// distance). On "<All>" channels the legend shows every channel's reading instead.

#include "controls/plot/base/iPlotObjects.h"
#include "controls/plot/objects/iPlotDataCustomList.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <string>

class TiPlotChannelCustom;
class TiPlotDataView;
class TiPlotHost;

enum TiPlotDataCursorStyle { ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX };
enum TiOrientation { ioVertical, ioHorizontal };
enum TiOrientationSide { iosBottomRight, iosTopLeft };

inline constexpr const char* kAllChannels = "<All>";

class TiPlotDataCursor : public TiPlotManagerObject
{
public:
    TiPlotDataCursor(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                     TNotifyEvent AOnRename);

    const std::string& ChannelName() const { return FChannelName; }
    void SetChannelName(const std::string& Value);
    bool ChannelAllowAll() const { return FChannelAllowAll; }
    void SetChannelAllowAll(bool Value) { SetBooleanField(Value, FChannelAllowAll, &TiPlotObject::DoChange); }
    bool ChannelShowAllInLegend() const { return FChannelShowAllInLegend; }
    void SetChannelShowAllInLegend(bool Value)
    {
        SetBooleanField(Value, FChannelShowAllInLegend, &TiPlotObject::DoChange);
    }
    TiPlotDataCursorStyle Style() const { return FStyle; }
    void SetStyle(TiPlotDataCursorStyle Value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { SetColorField(Value, FColor, &TiPlotObject::DoChange); }
    bool UseChannelColor() const { return FUseChannelColor; }
    void SetUseChannelColor(bool Value) { SetBooleanField(Value, FUseChannelColor, &TiPlotObject::DoChange); }
    bool HintShow() const { return FHintShow; }
    void SetHintShow(bool Value) { SetBooleanField(Value, FHintShow, &TiPlotObject::DoChange); }
    bool HintHideOnRelease() const { return FHintHideOnRelease; }
    void SetHintHideOnRelease(bool Value) { SetBooleanField(Value, FHintHideOnRelease, &TiPlotObject::DoChange); }
    TiOrientationSide HintOrientationSide() const { return FHintOrientationSide; }
    void SetHintOrientationSide(TiOrientationSide Value) { SetEnumField(Value, FHintOrientationSide); }
    double HintPosition() const { return FHintPosition; }
    void SetHintPosition(double Value) { SetDoubleField(Value, FHintPosition, &TiPlotObject::DoChange); }
    double Pointer1Position() const { return FPointer1Position; }
    /// Held within 0..100; not a number is 0.
    void SetPointer1Position(double Value) { SetPointerPosition(Value, FPointer1Position); }
    double Pointer2Position() const { return FPointer2Position; }
    void SetPointer2Position(double Value) { SetPointerPosition(Value, FPointer2Position); }
    int PointerPenWidth() const { return FPointerPenWidth; }
    void SetPointerPenWidth(int Value) { SetIntegerField(Value, FPointerPenWidth, &TiPlotObject::DoChange); }
    bool MenuUserCanChangeOptions() const { return FMenuUserCanChangeOptions; }
    void SetMenuUserCanChangeOptions(bool Value) { FMenuUserCanChangeOptions = Value; }
    bool SnapToDataPoint() const { return FSnapToDataPoint; }
    void SetSnapToDataPoint(bool Value) { FSnapToDataPoint = Value; }
    /// Snaps pointer 1, then pointer 2, to the nearest data point (Y-T plots only).
    void DoSnapToDataPoint();
    /// Y of the named Y-T channel's trace at XValue as this cursor reads it, and its status
    /// (ipdpsNull with Y 0 for no such channel). The cursor and the X axis are left as they were.
    TiPlotDataPointStatus GetInterpolatedYValue(const std::string& ChannelName, double XValue, double& YValue);
    /// The channel (index in the plot) and point the last snap found; -1 when none.
    int SnapToIndexChannel() const { return FSnapToIndexChannel; }
    int SnapToIndexData() const { return FSnapToIndexData; }
    bool UseCachedInterpolatedData() const { return FUseCachedInterpolatedData; }
    void SetUseCachedInterpolatedData(bool Value) { FUseCachedInterpolatedData = Value; }
    bool MenuItemVisible(TiPlotDataCursorStyle Style) const { return FMenuVisible[Style]; }
    void SetMenuItemVisible(TiPlotDataCursorStyle Style, bool Value) { FMenuVisible[Style] = Value; }
    const std::string& MenuItemCaption(TiPlotDataCursorStyle Style) const { return FMenuCaption[Style]; }
    void SetMenuItemCaption(TiPlotDataCursorStyle Style, const std::string& Value) { FMenuCaption[Style] = Value; }

    void SetVisible(bool Value) override;
    void SetXYAxesReversed(bool Value) override;

    // What the plot and the channels use.
    TiPlotDataView* DataView() const { return FDataView; }
    void SetDataView(TiPlotDataView* Value) { FDataView = Value; }
    TiPlotChannelCustom* Channel();
    /// The readings of the cursor's channel (every channel on "<All>").
    void UpdateCursorValues();
    /// Stores a channel's reading; the plot's change event when any value changed.
    void SetCursorValues(TiPlotDataPointStatus Status, double Y, double X);
    void SetCursorDisplayText(const std::string& Value) { FCursorDisplayText = Value; }
    const std::string& CursorDisplayText() const { return FCursorDisplayText; }
    double ValueX() const { return FValueX; }
    double ValueY() const { return FValueY; }
    TiPlotDataPointStatus Status() const { return FStatus; }
    bool Pointer1Show() const { return FPointer1Show; }
    bool Pointer2Show() const { return FPointer2Show; }
    TiOrientation Pointer1Orientation() const { return FPointer1Orientation; }
    TiOrientation Pointer2Orientation() const { return FPointer2Orientation; }
    TiOrientation HintOrientation() const { return FHintOrientation; }
    TRect HintRect() const { return FHintRect; }
    bool HintShowing() const { return FHintShowing; }

    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    TCursor iGetMouseCursor(TPoint Point) override;
    void iKeyDown(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu) override;
    void NotificationSetFocus(TObject* Sender) override;
    void NotificationRemove(TObject* Sender) override;
    void NotificationRename(TObject* Sender) override;
    void BuildPopupMenu(TPopupMenu& PopupMenu) override;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;
    void DoGotFocus() override;

private:
    void SetPointerPosition(double Value, double& Field);
    bool IsPlotOf(const char* ClassName) const;
    bool Snapping() const;
    /// Moves a pointer to the nearest point of the candidate channels; false when none has one.
    bool SnapPointer(double& Position);
    /// Moves a pointer to point Index of the snapped channel, scrolling the X axis to show it.
    void MovePointerToPoint(double& Position, int Index);
    /// The stepping keys of a snapping cursor; false for other keys.
    bool SnapKey(Word CharCode, bool Ctrl);
    void UpdatePointerSet();
    bool IsDeltaStyle() const { return FStyle == ipcsDeltaX || FStyle == ipcsDeltaY || FStyle == ipcsInverseDeltaX; }
    bool IsAll() const;
    int PointerPixel(TiOrientation Orientation, double Percent) const;
    TRect PointerRect(TiOrientation Orientation, double Percent) const;
    double PercentAt(bool AlongX, int Pixel) const;
    void DrawHint(TCanvas& Canvas, TColor PointerColor);
    TiPlotHost* Host() const;
    void RepaintNow() { RaiseInvalidateNow(); }

    int FMouseDownXPixels = 0, FMouseDownYPixels = 0;
    int FMouseDownX = 0, FMouseDownY = 0;
    bool FMouseDownHint = false, FMouseDownPointer1 = false, FMouseDownPointer2 = false;
    TRect FPointer1Rect{}, FPointer2Rect{};
    bool FPointer1Show = true, FPointer2Show = true;
    TiOrientation FPointer1Orientation = ioVertical, FPointer2Orientation = ioHorizontal;
    TRect FHintRect{};
    TiOrientation FHintOrientation = ioVertical;
    bool FHintShowing = false;
    TiPlotChannelCustom* FChannel = nullptr;
    TiPlotDataView* FDataView = nullptr;
    std::string FChannelName;
    TiPlotDataCursorStyle FStyle = ipcsValueXY;
    bool FUseChannelColor = true;
    double FPointer1Position = 50;
    double FPointer2Position = 60;
    int FPointerPenWidth = 1;
    bool FChannelShowAllInLegend = true;
    bool FChannelAllowAll = true;
    TColor FColor = 0x00FFFF;
    TFont FFont;
    bool FHintShow = true;
    bool FHintHideOnRelease = false;
    TiOrientationSide FHintOrientationSide = iosBottomRight;
    int FHintHeight = 0, FHintWidth = 0;
    double FHintPosition = 50;
    std::string FCursorDisplayText;
    double FValueX = 0, FValueY = 0;
    TiPlotDataPointStatus FStatus = ipdpsValid;
    bool FSnapToDataPoint = false;
    bool FUseCachedInterpolatedData = false;
    int FSnapToIndexChannel = -1;
    int FSnapToIndexData = -1;
    std::string FMenuCaption[6] = {"Value X-Y", "Value X", "Value Y", "Period", "Peak-Peak", "Frequency"};
    bool FMenuVisible[6] = {true, true, true, true, true, true};
    bool FMenuUserCanChangeOptions = true;
};

namespace qx {
/// Publishes the data cursor and registers its creator with the managers.
void registerPlotDataCursorClasses();
} // namespace qx
