#include "controls/plot/editor/iCheckBox.h"

#include "controls/plot/base/iDrawing.h"
#include "platform/gui/Keys.h"
#include "platform/gui/canvas/Bitmap.h"

#include <algorithm>
#include <array>

TiCheckBox::TiCheckBox(TComponent* AOwner) : TiVCLComponent(AOwner)
{
    SetTabStop(true);
    SetCaption("Caption");
    SetBounds(Left(), Top(), 97, 17);
    SetTransparent(true);
}

void TiCheckBox::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    bool canEdit = true;
    if (OnRequestEdit)
        OnRequestEdit(this, "Checked", canEdit);
    if (!canEdit)
        return;
    FChecked = Value;
    InvalidateChange();
    DoChange();
    OPCPropertyChanged("Checked", TiVariant(Value));
}

void TiCheckBox::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    InvalidateChange();
}

void TiCheckBox::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    DoAutoSize();
    InvalidateChange();
}

void TiCheckBox::SetFont(const TFont& Value)
{
    FFont = Value;
    DoAutoSize();
    InvalidateChange();
}

void TiCheckBox::TextChanged()
{
    TiVCLComponent::TextChanged();
    DoAutoSize();
    InvalidateChange();
}

void TiCheckBox::Loaded()
{
    TiVCLComponent::Loaded();
    DoAutoSize();
}

void TiCheckBox::DoChange()
{
    if (IsLoading())
        return;
    if (OnChangeProtected)
        OnChangeProtected(this, "Checked");
    qx::fire(OnChange, this);
    if (UserGenerated())
        qx::fire(OnChangeUser, this);
}

void TiCheckBox::DoAutoSize()
{
    if (!FAutoSize || IsLoading() || FDoingAutoSize)
        return;
    FDoingAutoSize = true;
    struct Done
    {
        bool& flag;
        ~Done() { flag = false; }
    } done{FDoingAutoSize};
    TBitmap measure(1, 1);
    measure.Canvas().Font() = FFont;
    const int w = measure.Canvas().TextWidth(Caption()) + 20;
    const int h = measure.Canvas().TextHeight(Caption()) + 4;
    if (FAlignment == taLeftJustify && w != Width())
        SetBounds(Left() + Width() - w, Top(), w, h);
    else
        SetBounds(Left(), Top(), w, h);
}

TRect TiCheckBox::BoxRect() const
{
    const int c = Height() / 2;
    if (FAlignment == taLeftJustify)
        return {Width() - 13, c - 7, Width(), c + 6};
    return {0, c - 7, 13, c + 6};
}

TRect TiCheckBox::CaptionRectOn(TCanvas& Canvas) const
{
    const int c = Height() / 2;
    const int tw = Canvas.TextWidth(Caption()), th = Canvas.TextHeight(Caption());
    const int left = FAlignment == taLeftJustify ? 1 : 18;
    const int top = c - th / 2 - 1;
    return {left, top, left + tw, top + th};
}

TRect TiCheckBox::CaptionRect()
{
    TBitmap measure(1, 1);
    measure.Canvas().Font() = FFont;
    return CaptionRectOn(measure.Canvas());
}

void TiCheckBox::iPaint(TCanvas& Canvas)
{
    SetTransparent(true);
    DrawBackGround(Canvas, BackGroundColor());
    Canvas.Font() = FFont;
    Canvas.Brush().Style = bsSolid;

    const TRect box = BoxRect();
    TRect caption = CaptionRectOn(Canvas);
    Canvas.Brush().Color = (FMouseDown || FKeyDown || !Enabled()) ? BackGroundColor() : TColor(0xFFFFFF);
    Canvas.FillRect(box);
    DrawEdgeStyle(Canvas, box, 0);

    Canvas.Brush().Style = bsClear;
    DrawTextFlags(Canvas, Caption(), caption, iTextFlags::Left | iTextFlags::VCenter, Enabled(), BackGroundColor());

    if (FChecked) {
        Canvas.Pen().Color = 0;
        Canvas.Pen().Style = psSolid;
        Canvas.Pen().Width = 1;
        const int c = Height() / 2, l = box.Left;
        for (int k = 0; k < 3; ++k) {
            const std::array<TPoint, 3> mark{{{l + 3, c - k}, {l + 5, c + 2 - k}, {l + 10, c - 3 - k}}};
            Canvas.Polyline(mark);
        }
    }

    if (HasFocus()) {
        TRect focus{caption.Left - 1, caption.Top - 1, caption.Right + 1, caption.Bottom + 2};
        focus.Left = std::clamp(focus.Left, 0, Width() - 1);
        focus.Right = std::clamp(focus.Right, 0, Width() - 1);
        focus.Top = std::clamp(focus.Top, 0, Height() - 1);
        focus.Bottom = std::clamp(focus.Bottom, 0, Height() - 1);
        Canvas.Font().Color = 0xFFFFFF;
        Canvas.Brush().Style = bsSolid;
        Canvas.Brush().Color = 0;
        DrawFocusRectangle(Canvas, focus);
    }
}

void TiCheckBox::iMouseDown(TMouseButton Button, TShiftState, int, int)
{
    if (Button != mbLeft)
        return;
    FocusControl(*this);
    FMouseDown = true;
    InvalidateChange();
}

void TiCheckBox::iMouseUp(TMouseButton, TShiftState, int X, int Y)
{
    if (!FMouseDown)
        return;
    InvalidateChange();
    FMouseDown = false;
    if (UserGenerated() && X >= 0 && X < Width() && Y >= 0 && Y < Height())
        SetChecked(!FChecked);
}

void TiCheckBox::iKeyDown(Word& Key, TShiftState)
{
    if (Key != VK_SPACE)
        return;
    FMouseDown = false;
    FKeyDown = true;
    InvalidateChange();
}

void TiCheckBox::iKeyUp(Word& Key, TShiftState)
{
    if (Key == VK_SPACE && FKeyDown) {
        FKeyDown = false;
        InvalidateChange();
        SetChecked(!FChecked);
    }
    FKeyDown = false;
}

void TiCheckBox::iKillFocus()
{
    FMouseDown = false;
    FKeyDown = false;
    InvalidateChange();
    TiVCLComponent::iKillFocus();
}

void TiCheckBox::iSetFocus()
{
    TiVCLComponent::iSetFocus();
    RepaintNow();
}
