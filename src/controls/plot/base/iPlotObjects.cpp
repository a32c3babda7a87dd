#include "controls/plot/base/iPlotObjects.h"

#include "controls/plot/base/iComponent.h"
#include "controls/plot/base/iPlotHost.h"
#include "platform/gui/MenuItem.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/Timer.h"

#include <cmath>
#include <mutex>

namespace {

constexpr Word kVkApps = 0x5D;
constexpr Word kVkF10 = 0x79;

void requireHandlers(TObject* owner, const TNotifyEvent& change, const TNotifyEvent& insert,
                     const TNotifyEvent& remove, const TNotifyEvent& rename)
{
    if (!owner)
        throw EiPlotError("Owner must be assigned");
    if (!change)
        throw EiPlotError("OnChange event handler can not be null");
    if (!insert)
        throw EiPlotError("OnInsert event handler can not be null");
    if (!remove)
        throw EiPlotError("OnRemove event handler can not be null");
    if (!rename)
        throw EiPlotError("AOnRename event handler can not be null");
}

} // namespace

std::string PaddedSortKey(long long Value, int Width)
{
    std::string digits = std::to_string(Value);
    if (static_cast<int>(digits.size()) < Width)
        digits.insert(0, static_cast<std::size_t>(Width) - digits.size(), '0');
    return digits;
}

// ---- TiPlotObject ----

TiPlotObject::TiPlotObject(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                           TNotifyEvent AOnRename)
    : FOwner(AOwner), FOnChange(std::move(AOnChange)), FOnRemove(std::move(AOnRemove)),
      FOnInsert(std::move(AOnInsert)), FOnRename(std::move(AOnRename))
{
}

TiPlotObject::~TiPlotObject()
{
    qx::fire(FOnRemove, this);
    qx::fire(FOnLayoutChange, this);
    qx::fire(FOnChange, this);
}

void TiPlotObject::DetachForShutDown()
{
    FOnRemove = nullptr;
    FOnLayoutChange = nullptr;
    FOnChange = nullptr;
}

void TiPlotObject::SetName(const std::string& Value)
{
    if (Value == FName)
        return;
    FNameOld = FName;
    FName = Value;
    qx::fire(FOnRename, this);
    DoChange();
}

std::string TiPlotObject::GetLayerSortKey() const { return PaddedSortKey(FLayer, 6); }

void TiPlotObject::SetVisible(bool Value) { SetBooleanField(Value, FVisible, &TiPlotObject::DoChange); }

void TiPlotObject::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    if (!Value) {
        FMouseDown = false;
        SetUserSelected(false);
    }
    DoChange();
}

void TiPlotObject::SetUserSelected(bool Value)
{
    if (Value == FUserSelected)
        return;
    FUserSelected = Value;
    RaiseInvalidateNow();
    if (!Value)
        DoLostFocus();
    else {
        RaiseSetFocus();
        DoGotFocus();
    }
}

void TiPlotObject::DoChange() { qx::fire(FOnChange, this); }

void TiPlotObject::DoLayoutChange()
{
    qx::fire(FOnLayoutChange, this);
    DoChange();
}

void TiPlotObject::NotificationRemove(TObject*) {}
void TiPlotObject::NotificationRename(TObject*) {}
void TiPlotObject::NotificationSetFocus(TObject*) {}

TiPlotObject* TiPlotObject::OtherSelected(TObject* Sender) const
{
    auto* other = dynamic_cast<TiPlotObject*>(Sender);
    return other && other != this && other->UserSelected() ? other : nullptr;
}

void TiPlotObject::YieldSelectionTo(TObject* Sender)
{
    if (OtherSelected(Sender))
        SetUserSelected(false);
}
void TiPlotObject::Draw(TCanvas&, TColor) {}

void TiPlotObject::DoInsert() { qx::fire(FOnInsert, this); }

TiPlotMouseData TiPlotObject::MakeMouseData(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                            int ScreenY, bool DblClickActive) const
{
    TiPlotMouseData data;
    data.X = X;
    data.Y = Y;
    data.ScreenX = ScreenX;
    data.ScreenY = ScreenY;
    data.XAxisPixels = FXYAxesReversed ? Y : X;
    data.YAxisPixels = FXYAxesReversed ? X : Y;
    data.Shift = Shift;
    data.Button = Button;
    data.DblClickActive = DblClickActive;
    return data;
}

void TiPlotObject::iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                              TPopupMenu*)
{
    if (!FEnabled)
        return;
    const TiPlotMouseData data = MakeMouseData(Button, Shift, X, Y, ScreenX, ScreenY, false);
    FMouseDownPopup = false;
    if (Button == mbRight) {
        FMouseDownPopup = FPopupEnabled;
        FMouseDown = true;
        DoMouseRight(data);
    } else if (Button == mbLeft) {
        FMouseDown = true;
        DoMouseLeft(data);
    }
}

void TiPlotObject::iMouseMove(TiHintData& HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                              bool DblClickActive)
{
    const TiPlotMouseData data = MakeMouseData(mbLeft, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
    if (FMouseDown)
        DoMouseMove(data);
    else
        DoMouseHint(data, HintData);
}

void TiPlotObject::iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                            bool DblClickActive, TPopupMenu* PopupMenu)
{
    const TiPlotMouseData data = MakeMouseData(Button, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
    if (FMouseDownPopup && PopupMenu && iMouseHitTest(data)) {
        TiPlotHost* host = PlotHostOf(*this);
        if (!host || host->DoPopupMenu(*this, ScreenX, ScreenY)) {
            BuildPopupMenu(*PopupMenu);
            PopupMenu->Popup(ScreenX, ScreenY);
        }
    }
    FMouseDownPopup = false;
    DoMouseUp(data);
    FMouseDown = false;
}

bool TiPlotObject::iMouseHitTest(const TiPlotMouseData&) { return false; }

bool TiPlotObject::iMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    return DoMouseWheel(WheelDelta, Shift, MousePos.X, MousePos.Y);
}

TiPlotObject* TiPlotObject::iGetMouseObject(int, int)
{
    FMouseOverObject = this;
    return this;
}

TCursor TiPlotObject::iGetMouseCursor(TPoint Point)
{
    if (!FMouseOverObject) {
        FMouseOverObject = this;
        return crDefault;
    }
    if (FMouseOverObject != this)
        return FMouseOverObject->iGetMouseCursor(Point);
    return crDefault;
}

void TiPlotObject::iKeyDown(Word& CharCode, TShiftState Shift, TPopupMenu* PopupMenu)
{
    const bool menuKey = (CharCode == kVkF10 && Shift.Contains(ssShift)) || CharCode == kVkApps;
    if (!menuKey || !FPopupEnabled || !PopupMenu)
        return;
    if (TiPlotHost* host = PlotHostOf(*this); host && !host->DoPopupMenu(*this, 0, 0))
        return;
    BuildPopupMenu(*PopupMenu);
    TPoint center;
    if (!PopupCenter(center))
        return;
    if (const auto* control = dynamic_cast<const TControl*>(FOwner))
        center = control->ClientToScreen(center);
    PopupMenu->Popup(center.X, center.Y);
}

void TiPlotObject::BuildPopupMenu(TPopupMenu& PopupMenu)
{
    TMenuItem* items = PopupMenu.Items();
    for (int i = items->Count() - 1; i >= 0; --i)
        items->Delete(i); // frees the item
}

void TiPlotObject::AddEditMenuItem(TPopupMenu& PopupMenu)
{
    if (!FUserCanEdit)
        return;
    auto* item = new TMenuItem(&PopupMenu);
    item->SetCaption(kEditMenuCaption);
    item->SetVisible(true);
    item->OnClick = [this](TObject*) { DoEditMenuItemClick(); };
    PopupMenu.Items()->Add(item);
}

bool TiPlotObject::HitTest(int X, int Y)
{
    TiPlotMouseData data;
    data.X = X;
    data.Y = Y;
    return iMouseHitTest(data);
}

// ---- TiPlotManagerObject ----

TiPlotManagerObject::TiPlotManagerObject(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotObject((requireHandlers(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename), AOwner), AOnChange,
                   AOnInsert, AOnRemove, AOnRename)
{
}

// ---- TiPlotLayoutObject ----

TiPlotLayoutObject::TiPlotLayoutObject(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                       TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename))
{
}

void TiPlotLayoutObject::SetStartPercent(double Value)
{
    Value = std::clamp(Value, 0.0, 100.0);
    if (FStopPercent - Value < 1) {
        FStopPercent = Value + 1;
        if (FStopPercent > 100) {
            FStopPercent = 100;
            Value = 99;
        }
    }
    SetDoubleField(Value, FStartPercent, &TiPlotObject::DoChange);
}

void TiPlotLayoutObject::SetStopPercent(double Value)
{
    Value = std::clamp(Value, 0.0, 100.0);
    if (Value - FStartPercent < 1) {
        FStartPercent = Value - 1;
        if (FStartPercent < 0) {
            FStartPercent = 0;
            Value = 1;
        }
    }
    SetDoubleField(Value, FStopPercent, &TiPlotObject::DoChange);
}

void TiPlotLayoutObject::SetStartStopPercent(double Start, double Stop)
{
    FStartPercent = Start;
    FStopPercent = Stop;
    DoChange();
}

void TiPlotLayoutObject::SetDrawRect(const TRect& R)
{
    FLeft = R.Left;
    FTop = R.Top;
    FRight = R.Right;
    FBottom = R.Bottom;
}

void TiPlotLayoutObject::SetLayoutRect(const TRect& R)
{
    FLayoutLeft = R.Left;
    FLayoutTop = R.Top;
    FLayoutRight = R.Right;
    FLayoutBottom = R.Bottom;
}

bool TiPlotLayoutObject::SpanOverlaps(const TiPlotLayoutObject& Other) const
{
    return (Other.FStartPercent < FStopPercent && Other.FStopPercent > FStartPercent) ||
           (Other.FStartPercent == FStartPercent && Other.FStopPercent == FStopPercent);
}

std::string TiPlotLayoutObject::GetZOrderSortKey() const { return PaddedSortKey(FZOrder, 3); }

std::string TiPlotLayoutObject::GetStartSortKey() const
{
    return PaddedSortKey(static_cast<long long>(std::nearbyint(FStartPercent)), 3);
}

bool TiPlotLayoutObject::iMouseHitTest(const TiPlotMouseData& MouseData)
{
    return DrawRect().Contains({MouseData.X, MouseData.Y});
}

void TiPlotLayoutObject::DoInsert()
{
    TiPlotObject::DoInsert();
    qx::fire(FOnLayoutChange, this);
}

bool TiPlotLayoutObject::PopupCenter(TPoint& Center) const
{
    Center = {(FLeft + FRight) / 2, (FTop + FBottom) / 2};
    return true;
}

// ---- TiPlotButton ----

TiPlotButton::TiPlotButton(TObject* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                           TNotifyEvent AOnRename)
    : TiPlotObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
}

TiPlotButton::~TiPlotButton() { FTimer.reset(); }

void TiPlotButton::SetDrawRect(const TRect& R)
{
    Left = R.Left;
    Top = R.Top;
    Right = R.Right;
    Bottom = R.Bottom;
}

void TiPlotButton::SetDown(bool Value)
{
    if (Value == FDown)
        return;
    FDown = Value;
    DoInvalidate();
    qx::fire(OnDownChange, this);
}

void TiPlotButton::SetEnabled(bool Value)
{
    TiPlotObject::SetEnabled(Value);
    if (!Enabled())
        FTimer.reset();
}

void TiPlotButton::DoMouseLeft(const TiPlotMouseData&)
{
    if (TimerEnabled) {
        if (!FTimer)
            FTimer = std::make_unique<TTimer>(nullptr);
        FTimer->SetInterval(500);
        FTimer->SetEnabled(true);
        FTimer->OnTimer = [this](TObject*) { DoRepeatClick(); };
        FFirstTimerMessage = true;
    }
    DoInvalidate();
}

void TiPlotButton::DoRepeatClick()
{
    if (FFirstTimerMessage) {
        FTimer->SetInterval(50);
        FFirstTimerMessage = false;
    }
    qx::fire(OnClick, this);
    DoInvalidate();
}

void TiPlotButton::DoMouseUp(const TiPlotMouseData& MouseData)
{
    if (!FMouseDown)
        return;
    FMouseDown = false;
    FTimer.reset();
    DoInvalidate();
    if (DrawRect().Contains({MouseData.X, MouseData.Y})) {
        if (GroupIndex != 0)
            qx::fire(OnGroupClick, this);
        qx::fire(OnClick, this);
    }
}

namespace qx {

void registerPlotObjectClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerClass<TiPlotObject>("TiPlotObject")
            .property("Name", &TiPlotObject::Name, &TiPlotObject::SetName)
            .property("Visible", &TiPlotObject::Visible, &TiPlotObject::SetVisible)
            .defaultValue(true)
            .property("Enabled", &TiPlotObject::Enabled, &TiPlotObject::SetEnabled)
            .defaultValue(true)
            .property("Layer", &TiPlotObject::Layer, &TiPlotObject::SetLayer)
            .defaultValue(100)
            .property("PopupEnabled", &TiPlotObject::PopupEnabled, &TiPlotObject::SetPopupEnabled)
            .defaultValue(true)
            .property("CanFocus", &TiPlotObject::CanFocus, &TiPlotObject::SetCanFocus)
            .defaultValue(true);
        registerClass<TiPlotManagerObject, TiPlotObject>("TiPlotManagerObject");
        registerClass<TiPlotLayoutObject, TiPlotManagerObject>("TiPlotLayoutObject")
            .property("Horizontal", &TiPlotLayoutObject::Horizontal, &TiPlotLayoutObject::SetHorizontal)
            .defaultValue(false)
            .property("ZOrder", &TiPlotLayoutObject::ZOrder, &TiPlotLayoutObject::SetZOrder)
            .defaultValue(0)
            .property("StartPercent", &TiPlotLayoutObject::StartPercent, &TiPlotLayoutObject::SetStartPercent)
            .property("StopPercent", &TiPlotLayoutObject::StopPercent, &TiPlotLayoutObject::SetStopPercent);
    });
}

} // namespace qx
