#pragma once
// The common classes of everything drawn inside a plot: plot objects with their
// notifications, manager objects that insist on an owner and handlers, layout objects placed
// along the data view's edges, and clickable auto-repeating buttons.

#include "platform/gui/Control.h"
#include "platform/gui/MenuItem.h"

#include <memory>
#include <string>
#include <type_traits>

class TCanvas;
class TPopupMenu;
class TTimer;

struct TiPlotMouseData
{
    int X = 0;
    int Y = 0;
    int ScreenX = 0;
    int ScreenY = 0;
    int XAxisPixels = 0;
    int YAxisPixels = 0;
    TShiftState Shift;
    TMouseButton Button = mbLeft;
    bool DblClickActive = false;
};

struct TiHintData
{
    std::string Text;
    int Top = 0;
    int Left = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = false;
};

/// Texts of the menu entries the objects add.
inline constexpr const char* kEditMenuCaption = "Edit...";

class TiPlotObject : public TPersistent
{
public:
    TiPlotObject(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                 TNotifyEvent AOnRename);
    /// Announces the removal, then the layout change, before the object is gone; the
    /// receivers identify the object by its address only.
    ~TiPlotObject() override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);
    const std::string& NameOld() const { return FNameOld; }
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    int Layer() const { return FLayer; }
    void SetLayer(int Value) { SetIntegerField(Value, FLayer, &TiPlotObject::DoChange); }
    /// The layer zero-padded to six digits, the drawing layers' sort key.
    std::string GetLayerSortKey() const;
    bool PopupEnabled() const { return FPopupEnabled; }
    void SetPopupEnabled(bool Value) { SetBooleanField(Value, FPopupEnabled, &TiPlotObject::DoChange); }
    bool CanFocus() const { return FCanFocus; }
    void SetCanFocus(bool Value) { SetBooleanField(Value, FCanFocus, &TiPlotObject::DoChange); }
    bool UserSelected() const { return FUserSelected; }
    void SetUserSelected(bool Value);
    bool UserCanEdit() const { return FUserCanEdit; }
    void SetUserCanEdit(bool Value) { FUserCanEdit = Value; }
    bool XYAxesReversed() const { return FXYAxesReversed; }
    bool MouseDown() const { return FMouseDown; }
    TObject* Owner() const { return FOwner; }
    TShiftState ShiftState() const { return FShiftState; }

    virtual void SetXYAxesReversed(bool Value) { FXYAxesReversed = Value; }
    virtual void DoChange();
    virtual void DoLayoutChange();
    virtual void NotificationRemove(TObject* Sender);
    virtual void NotificationRename(TObject* Sender);
    virtual void NotificationSetFocus(TObject* Sender);
    /// The other plot object that the user selected, when Sender is one; else nullptr.
    TiPlotObject* OtherSelected(TObject* Sender) const;
    /// Drops this object's selection when the user selected another one.
    void YieldSelectionTo(TObject* Sender);
    virtual void PrepareDraw() { FCanDraw = true; }
    virtual void Draw(TCanvas& Canvas, TColor BackGroundColor);

    virtual void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            TPopupMenu* PopupMenu);
    virtual void iMouseMove(TiHintData& HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            bool DblClickActive);
    virtual void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                          bool DblClickActive, TPopupMenu* PopupMenu);
    virtual bool iMouseHitTest(const TiPlotMouseData& MouseData);
    virtual bool iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos);
    virtual TiPlotObject* iGetMouseObject(int X, int Y);
    virtual TCursor iGetMouseCursor(TPoint Point);
    virtual void iKeyDown(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu);
    virtual void DoInsert();
    virtual void BuildPopupMenu(TPopupMenu& PopupMenu);

    bool HitTest(int X, int Y);
    void SetShiftState(TShiftState Value) { FShiftState = Value; }
    void ClearMouseDownPopup() { FMouseDownPopup = false; }
    void DoEditMenuItemClick() { qx::fire(FOnEdit, this); }
    void AddEditMenuItem(TPopupMenu& PopupMenu);
    void RaiseInvalidateNow() { qx::fire(FOnInvalidateNow, this); }
    void RaiseSetFocus() { qx::fire(FOnSetFocus, this); }
    /// The plot tells the object the mouse left it.
    void MouseNotOver() { DoMouseNotOver(); }

    // Handlers the master manager, the layout and the object manager bind.
    TNotifyEvent FOnLayoutChange;
    TNotifyEvent FOnSetFocus;
    TNotifyEvent FOnEdit;
    TNotifyEvent FOnInvalidateNow;
    /// Detaches the handlers whose receivers go away before the object does.
    void DetachForShutDown();

protected:
    using Notify = void (TiPlotObject::*)();
    void SetBooleanField(bool Value, bool& Field, Notify Then) { setField(Value, Field, Then); }
    void SetColorField(TColor Value, TColor& Field, Notify Then) { setField(Value, Field, Then); }
    void SetIntegerField(int Value, int& Field, Notify Then) { setField(Value, Field, Then); }
    void SetDoubleField(double Value, double& Field, Notify Then) { setField(Value, Field, Then); }
    void SetStringField(const std::string& Value, std::string& Field, Notify Then) { setField(Value, Field, Then); }
    template <class E>
        requires std::is_enum_v<E>
    void SetEnumField(E Value, E& Field, Notify Then = &TiPlotObject::DoChange)
    {
        setField(Value, Field, Then);
    }

    virtual void DoMouseHint(const TiPlotMouseData&, TiHintData&) {}
    virtual void DoMouseLeft(const TiPlotMouseData&) {}
    virtual void DoMouseRight(const TiPlotMouseData&) {}
    virtual void DoMouseMove(const TiPlotMouseData&) {}
    virtual void DoMouseUp(const TiPlotMouseData&) {}
    virtual bool DoMouseWheel(int, TShiftState, int, int) { return false; }
    virtual void DoGotFocus() {}
    virtual void DoLostFocus() {}
    virtual void DoMouseNotOver() {}
    /// Where a keyboard-opened popup menu appears, in client pixels; false for objects
    /// that have no such point (the menu is then built but not shown).
    virtual bool PopupCenter(TPoint&) const { return false; }

    TiPlotMouseData MakeMouseData(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                                  bool DblClickActive) const;

    TiPlotObject* FMouseOverObject = nullptr;
    bool FCanDraw = false;
    bool FMouseDown = false;
    bool FMouseDownPopup = false;

private:
    template <class T>
    void setField(const T& Value, T& Field, Notify Then)
    {
        if (Value == Field)
            return;
        Field = Value;
        if (Then)
            (this->*Then)();
    }

    std::string FName;
    std::string FNameOld;
    TObject* FOwner;
    TShiftState FShiftState;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnRemove;
    TNotifyEvent FOnInsert;
    TNotifyEvent FOnRename;
    bool FVisible = true;
    bool FEnabled = true;
    int FLayer = 100;
    bool FPopupEnabled = true;
    bool FCanFocus = true;
    bool FUserSelected = false;
    bool FUserCanEdit = true;
    bool FXYAxesReversed = false;
};

/// A plot object kept by a manager: its constructor insists on the owner and all four
/// notification handlers.
class TiPlotManagerObject : public TiPlotObject
{
public:
    TiPlotManagerObject(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                        TNotifyEvent AOnRename);
};

/// A plot object placed by the layout along an edge of the data view.
class TiPlotLayoutObject : public TiPlotManagerObject
{
public:
    TiPlotLayoutObject(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                       TNotifyEvent AOnRename);

    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool Value)
    {
        FHorizontalGiven = true;
        SetBooleanField(Value, FHorizontal, &TiPlotObject::DoLayoutChange);
    }
    /// Whether Horizontal has been set since the object was made: a stream read sets the
    /// stored orientation before the object is inserted.
    bool HorizontalGiven() const { return FHorizontalGiven; }
    int ZOrder() const { return FZOrder; }
    void SetZOrder(int Value) { SetIntegerField(Value, FZOrder, &TiPlotObject::DoLayoutChange); }
    double StartPercent() const { return FStartPercent; }
    void SetStartPercent(double Value);
    double StopPercent() const { return FStopPercent; }
    void SetStopPercent(double Value);
    void SetStartStopPercent(double Start, double Stop);
    /// Whether the spans along the edge overlap or are the same.
    bool SpanOverlaps(const TiPlotLayoutObject& Other) const;
    bool ReverseSide() const { return FReverseSide; }
    void SetReverseSide(bool Value) { SetBooleanField(Value, FReverseSide, &TiPlotObject::DoChange); }
    bool ForceStacking() const { return FForceStacking; }
    void SetForceStacking(bool Value) { SetBooleanField(Value, FForceStacking, &TiPlotObject::DoLayoutChange); }
    bool StartStacked() const { return FStartStacked; }
    void SetStartStacked(bool Value) { FStartStacked = Value; }
    bool StopStacked() const { return FStopStacked; }
    void SetStopStacked(bool Value) { FStopStacked = Value; }

    TRect DrawRect() const { return {FLeft, FTop, FRight, FBottom}; }
    void SetDrawRect(const TRect& R);
    TRect LayoutRect() const { return {FLayoutLeft, FLayoutTop, FLayoutRight, FLayoutBottom}; }
    void SetLayoutRect(const TRect& R);
    virtual bool IsHorz() const { return FHorizontal; }
    virtual bool IsVert() const { return !FHorizontal; }
    int Width() const { return FRight - FLeft; }
    int Height() const { return FBottom - FTop; }
    int LayoutWidth() const { return FLayoutRight - FLayoutLeft; }
    int LayoutHeight() const { return FLayoutBottom - FLayoutTop; }
    virtual int GetRequiredThickness(TCanvas&) { return 0; }
    virtual int GetEndOverhang(TCanvas&) { return 0; }

    std::string GetZOrderSortKey() const;
    std::string GetStartSortKey() const;

    bool iMouseHitTest(const TiPlotMouseData& MouseData) override;
    void DoInsert() override;

protected:
    bool PopupCenter(TPoint& Center) const override;

private:
    double FStopPercent = 100;
    double FStartPercent = 0;
    int FZOrder = 0;
    bool FHorizontal = false;
    bool FHorizontalGiven = false;
    bool FReverseSide = false;
    int FBottom = 0, FLeft = 0, FTop = 0, FRight = 0;
    bool FStartStacked = false;
    bool FStopStacked = false;
    int FLayoutBottom = 0, FLayoutLeft = 0, FLayoutTop = 0, FLayoutRight = 0;
    bool FForceStacking = false;
};

/// A clickable button drawn inside another object; with TimerEnabled a held press clicks
/// after 500 ms and then every 50 ms.
class TiPlotButton : public TiPlotObject
{
public:
    TiPlotButton(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                 TNotifyEvent AOnRename);
    ~TiPlotButton() override;

    TRect DrawRect() const { return {Left, Top, Right, Bottom}; }
    void SetDrawRect(const TRect& R);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    void SetEnabled(bool Value) override;
    bool RepeatTimerRunning() const { return FTimer != nullptr; }

    int Top = 0, Bottom = 0, Right = 0, Left = 0;
    bool TimerEnabled = false;
    int GroupIndex = 0;
    TNotifyEvent OnClick;
    TNotifyEvent OnGroupClick;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDownChange;

protected:
    void DoMouseLeft(const TiPlotMouseData& MouseData) override;
    void DoMouseMove(const TiPlotMouseData&) override {}
    void DoMouseUp(const TiPlotMouseData& MouseData) override;

private:
    void DoRepeatClick();
    void DoInvalidate() { qx::fire(OnInvalidate, this); }

    bool FDown = false;
    std::unique_ptr<TTimer> FTimer;
    bool FFirstTimerMessage = false;
};

/// A popup-menu entry that carries a text (a channel name, for instance).
class TiMenuItem : public TMenuItem
{
public:
    using TMenuItem::TMenuItem;
    std::string AString;
};

/// A rectangle kept in an object list (the plot's axes collision list).
class TiPlotRectObject : public TObject
{
public:
    TRect ARect;
};

/// Zero-padded decimal text used as a sort key; a longer number is kept whole.
std::string PaddedSortKey(long long Value, int Width);

namespace qx {

/// Publishes the plot objects' properties.
void registerPlotObjectClasses();

} // namespace qx
