#pragma once
// TiPlotLimit: a mark inside the data area: a line at a position of the X or Y axis, a band
// between two positions, or a band whose edges vary along the other axis (built from
// elements). Lines can be dragged with the mouse.

#include "controls/plot/base/iClasses.h"
#include "controls/plot/base/iPlotObjects.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <string>

class TiPlotAxis;
class TiPlotHost;

enum TiPlotLimitStyle { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };

class TiPlotLimit : public TiPlotObject
{
public:
    TiPlotLimit(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { SetColorField(Value, FColor, &TiPlotObject::DoChange); }
    TPenStyle LineStyle() const { return FLineStyle; }
    void SetLineStyle(TPenStyle Value) { SetEnumField(Value, FLineStyle); }
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int Value) { SetIntegerField(Value, FLineWidth, &TiPlotObject::DoChange); }
    TBrushStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TBrushStyle Value) { SetEnumField(Value, FFillStyle); }
    const std::string& XAxisName() const { return FXAxisName; }
    void SetXAxisName(const std::string& Value);
    const std::string& YAxisName() const { return FYAxisName; }
    void SetYAxisName(const std::string& Value);
    TiPlotLimitStyle Style() const { return FStyle; }
    void SetStyle(TiPlotLimitStyle Value) { SetEnumField(Value, FStyle); }
    double Line1Position() const { return FLine1Position; }
    void SetLine1Position(double Value);
    double Line2Position() const { return FLine2Position; }
    void SetLine2Position(double Value);
    bool UserCanMove() const { return FUserCanMove; }
    void SetUserCanMove(bool Value) { SetBooleanField(Value, FUserCanMove, &TiPlotObject::DoChange); }
    bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
    void SetSelectModeOnlyInteraction(bool Value)
    {
        SetBooleanField(Value, FSelectModeOnlyInteraction, &TiPlotObject::DoChange);
    }
    bool ClipToAxes() const { return FClipToAxes; }
    void SetClipToAxes(bool Value) { SetBooleanField(Value, FClipToAxes, &TiPlotObject::DoChange); }

    /// Appends a polygon-band element; refused when LowerLimit > UpperLimit.
    void AddBandElement(double Position, double UpperLimit, double LowerLimit);
    void ClearAllElements();
    int ElementCount() const { return FPointList.Count(); }
    const TiLimitData& Element(int Index) const { return FPointList.Item(Index); }

    /// True for the kinds whose positions lie on the X axis.
    bool IsXKind() const { return FStyle == iplsLineX || FStyle == iplsBandX || FStyle == iplsPolyBandX; }
    /// Drawn with the filled limits, below the data view's grid.
    bool Filled() const;
    bool Line1Show() const { return FLine1Show; }
    bool Line2Show() const { return FLine2Show; }
    TRect Line1ClickRect() const { return FLine1ClickRect; }
    TRect Line2ClickRect() const { return FLine2ClickRect; }
    TiPlotAxis* XAxis();
    TiPlotAxis* YAxis();

    void NotificationRemove(TObject* Sender) override;
    void NotificationRename(TObject* Sender) override;
    void NotificationSetFocus(TObject* Sender) override;
    void Draw(TCanvas& Canvas, TColor BackGroundColor) override;
    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    TCursor iGetMouseCursor(TPoint Point) override;
    void BuildPopupMenu(TPopupMenu& PopupMenu) override;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData& MouseData) override;
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    TiPlotHost* Host() const;
    /// The pixel point of (position on the X axis, position on the Y axis), swapped when
    /// the axes are reversed.
    TPoint Pixel(double XValue, double YValue) const;
    void DrawBand(TCanvas& Canvas, TColor BackGroundColor);
    void DrawPolyBand(TCanvas& Canvas);
    void SetLinePosition(int Line, double Value, double& Field);

    TiLimitDataList FPointList;
    bool FMouseDownLine1 = false, FMouseDownLine2 = false;
    TiPlotAxis* FXAxis = nullptr;
    TiPlotAxis* FYAxis = nullptr;
    TColor FColor = clRed;
    TPenStyle FLineStyle = psSolid;
    int FLineWidth = 0;
    TBrushStyle FFillStyle = bsSolid;
    std::string FXAxisName, FYAxisName;
    TiPlotLimitStyle FStyle = iplsLineY;
    double FLine1Position = 50, FLine2Position = 50;
    bool FLine1Show = false, FLine2Show = false;
    TRect FLine1ClickRect{}, FLine2ClickRect{};
    bool FUserCanMove = false;
    bool FSelectModeOnlyInteraction = true;
    bool FClipToAxes = false;
};

namespace qx {
/// Publishes the limit and registers its creator with the managers.
void registerPlotLimitClasses();
} // namespace qx
