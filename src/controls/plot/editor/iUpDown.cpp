#include "controls/plot/editor/iUpDown.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/editor/iComponentEditorEdit.h"
#include "platform/gui/Timer.h"
#include "platform/gui/canvas/Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

TiUpDown::TiUpDown(TComponent* AOwner) : TGraphicControl(AOwner), FTimer(std::make_unique<TTimer>(nullptr))
{
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject*) { TimerTick(); };
    SetBounds(Left(), Top(), 15, 21);
    UpdateButtons();
}

TiUpDown::~TiUpDown()
{
    if (FAssociate)
        FAssociate->RemoveFreeNotification(this);
}

void TiUpDown::SetAssociate(TiComponentEditorEdit* Value)
{
    if (FAssociate)
        FAssociate->RemoveFreeNotification(this);
    FAssociate = Value;
    if (!FAssociate)
        return;
    FAssociate->FreeNotification(this);
    SetBounds(FAssociate->Left() + FAssociate->Width(), FAssociate->Top(), Width(), FAssociate->Height());
}

void TiUpDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate)
        FAssociate = nullptr;
}

int TiUpDown::AsInteger() const { return FAssociate ? FAssociate->GetAsInteger() : 0; }

void TiUpDown::SetAsInteger(int Value)
{
    if (!FAssociate)
        return;
    if (FMax != 0 || FMin != 0) {
        Value = std::min<int>(Value, FMax);
        Value = std::max<int>(Value, FMin);
    }
    // The range of the property the edit holds limits the steps too.
    if (FAssociate->HasRange())
        Value = static_cast<int>(std::clamp<double>(Value, std::ceil(FAssociate->RangeMin()),
                                                    std::floor(FAssociate->RangeMax())));
    if (FUserGenerated)
        FAssociate->SetIntegerWithEvent(Value);
    else
        FAssociate->SetAsInteger(Value);
}

void TiUpDown::Disable()
{
    SetEnabled(false);
    if (FAssociate)
        FAssociate->Disable();
    Invalidate();
}

void TiUpDown::Enable()
{
    SetEnabled(true);
    if (FAssociate)
        FAssociate->Enable();
    Invalidate();
}

void TiUpDown::UpdateButtons()
{
    const int w = Width(), h = Height();
    const int half = (h - 1) / 2;
    FUpButtonRect = {0, 0, w, half};
    FDownButtonRect = {0, h - half, w, h};
    const auto inside = [this](const TRect& r) {
        return FMouseDownX >= r.Left && FMouseDownX < r.Right && FMouseDownY >= r.Top && FMouseDownY < r.Bottom;
    };
    FUpButtonPressed = FMouseDown && inside(FUpButtonRect);
    FDownButtonPressed = FMouseDown && inside(FDownButtonRect);
}

void TiUpDown::Paint()
{
    UpdateButtons();
    TCanvas& canvas = *Canvas();
    DrawEdgeStyle(canvas, FUpButtonRect, FUpButtonPressed ? 0 : 1);
    DrawEdgeStyle(canvas, FDownButtonRect, FDownButtonPressed ? 0 : 1);
    const int s = std::min(Height() / 2, Width()) / 7;
    const TColor color = Enabled() ? TColor(0) : TColor(0x808080);
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = color;
    canvas.Pen().Style = psSolid;
    canvas.Pen().Color = color;
    canvas.Pen().Width = 1;
    const auto centre = [](const TRect& r) { return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; };
    const TPoint up = centre(FUpButtonRect);
    const std::array<TPoint, 3> upArrow{{{up.X - 2 * s, up.Y + s}, {up.X, up.Y - s}, {up.X + 2 * s, up.Y + s}}};
    canvas.Polygon(upArrow);
    const TPoint down = centre(FDownButtonRect);
    const std::array<TPoint, 3> downArrow{
        {{down.X - 2 * s, down.Y - s}, {down.X + 2 * s, down.Y - s}, {down.X, down.Y + s}}};
    canvas.Polygon(downArrow);
}

void TiUpDown::Step()
{
    const bool before = FUserGenerated;
    FUserGenerated = true;
    struct Reset
    {
        bool& flag;
        bool value;
        ~Reset() { flag = value; }
    } reset{FUserGenerated, before};
    // A press on neither button (the line between them) steps down.
    SetAsInteger(FUpButtonPressed ? AsInteger() + FIncrement : AsInteger() - FIncrement);
}

void TiUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    FMouseDown = true;
    FMouseDownX = X;
    FMouseDownY = Y;
    UpdateButtons();
    FTimer->SetInterval(500);
    FTimer->SetEnabled(true);
    FFirstTimerMessage = true;
    Invalidate();
    Step();
}

void TiUpDown::TimerTick()
{
    if (FFirstTimerMessage) {
        FFirstTimerMessage = false;
        FTimer->SetInterval(50);
    }
    Step();
}

void TiUpDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    FMouseDownX = X;
    FMouseDownY = Y;
    if (FMouseDown) {
        UpdateButtons();
        Invalidate();
    }
}

void TiUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FMouseDown) {
        FMouseDown = false;
        FTimer->SetEnabled(false);
        UpdateButtons();
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}
