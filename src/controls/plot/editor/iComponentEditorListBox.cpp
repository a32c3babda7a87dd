#include "controls/plot/editor/iComponentEditorListBox.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/editor/iCustomEditorForm.h"
#include "platform/gui/Keys.h"
#include "platform/gui/canvas/Canvas.h"
#include "platform/gui/canvas/Edges.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int kBorder = 2;
constexpr int kScrollBarWidth = 16;
constexpr int kDragDistance = 4;

bool Inside(const TRect& R, int X, int Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }

} // namespace

TiComponentEditorListBox::TiComponentEditorListBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TStringList>())
{
    // Clicks are raised for selections, not for every press and release.
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csSetCaption});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 121, 97);
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TiComponentEditorListBox::~TiComponentEditorListBox() { FItems->OnChange = nullptr; }

void TiComponentEditorListBox::ItemsChanged()
{
    FItemIndex = std::min(FItemIndex, Count() - 1);
    FTopIndex = std::clamp(FTopIndex, 0, MaxTopIndex());
    Invalidate();
}

TObject* TiComponentEditorListBox::SelectedObject() const
{
    return FItemIndex >= 0 && FItemIndex < Count() ? FItems->Objects(FItemIndex) : nullptr;
}

void TiComponentEditorListBox::SetItemIndex(int Value)
{
    FItemIndex = Value >= 0 && Value < Count() ? Value : -1;
    if (FItemIndex >= 0) {
        if (FItemIndex < FTopIndex)
            FTopIndex = FItemIndex;
        else if (FItemIndex >= FTopIndex + VisibleRows())
            FTopIndex = FItemIndex - VisibleRows() + 1;
        FTopIndex = std::clamp(FTopIndex, 0, MaxTopIndex());
    }
    Invalidate();
}

void TiComponentEditorListBox::SetTopIndex(int Value)
{
    Value = std::clamp(Value, 0, MaxTopIndex());
    if (Value == FTopIndex)
        return;
    FTopIndex = Value;
    Invalidate();
}

void TiComponentEditorListBox::SetItemHeight(int Value)
{
    if (Value <= 0 || Value == FItemHeight)
        return;
    FItemHeight = Value;
    ItemsChanged();
}

void TiComponentEditorListBox::Clear()
{
    FItems->Clear();
    FItemIndex = -1;
    FTopIndex = 0;
    Invalidate();
}

void TiComponentEditorListBox::SelectLast() { SetItemIndex(Count() - 1); }

void TiComponentEditorListBox::DeleteSelectedObject()
{
    // Without a selection (or in an empty list) there is nothing to delete.
    const int i = FItemIndex;
    if (i < 0 || i >= Count())
        return;
    TObject* object = FItems->Objects(i);
    FItems->Delete(i);
    delete object;
    if (Count() > 0)
        SetItemIndex(i < Count() ? i : i - 1);
}

int TiComponentEditorListBox::IndexOfObject(const TObject* Object) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems->Objects(i) == Object)
            return i;
    return -1;
}

void TiComponentEditorListBox::DeleteObjectIndex(TObject* Object)
{
    const int at = IndexOfObject(Object);
    if (at < 0)
        return;
    const int selected = FItemIndex;
    FItems->Delete(at);
    if (Count() > 0)
        SetItemIndex(selected >= 0 && selected < Count() ? selected : Count() - 1);
}

TRect TiComponentEditorListBox::ItemsArea() const
{
    return {kBorder, kBorder, Width() - kBorder - (ScrollBarShown() ? kScrollBarWidth : 0), Height() - kBorder};
}

int TiComponentEditorListBox::VisibleRows() const
{
    return std::max(1, (Height() - 2 * kBorder) / FItemHeight);
}

int TiComponentEditorListBox::MaxTopIndex() const { return std::max(0, Count() - VisibleRows()); }

bool TiComponentEditorListBox::ScrollBarShown() const { return Count() > VisibleRows(); }

TRect TiComponentEditorListBox::ScrollBarRect() const
{
    return {Width() - kBorder - kScrollBarWidth, kBorder, Width() - kBorder, Height() - kBorder};
}

TRect TiComponentEditorListBox::ThumbRect() const
{
    const TRect bar = ScrollBarRect();
    const int track = std::max(0, bar.Bottom - bar.Top - 2 * kScrollBarWidth);
    const int length = std::clamp(track * VisibleRows() / std::max(1, Count()), std::min(8, track), track);
    const int maxTop = MaxTopIndex();
    const int offset = maxTop > 0 ? (track - length) * FTopIndex / maxTop : 0;
    const int top = bar.Top + kScrollBarWidth + offset;
    return {bar.Left, top, bar.Right, top + length};
}

int TiComponentEditorListBox::RowAt(int Y) const
{
    return (Y - kBorder + FTopIndex * FItemHeight) / FItemHeight;
}

TRect TiComponentEditorListBox::ItemRect(int Index) const
{
    const TRect area = ItemsArea();
    const int top = area.Top + (Index - FTopIndex) * FItemHeight;
    return {area.Left, top, area.Right, top + FItemHeight};
}

void TiComponentEditorListBox::DrawItem(TCanvas& Canvas, int Index, const TRect& Rect, bool Selected)
{
    if (OnDrawItem) {
        Canvas.Brush().Color = Selected ? TColor(clHighlight) : Color();
        Canvas.Font().Color = Selected ? TColor(clHighlightText) : Font().Color;
        Canvas.FillRect(Rect);
        OnDrawItem(this, Canvas, Index, Rect, Selected);
        return;
    }
    bool drawColorBox = true;
    TColor color = clRed;
    std::string text = FItems->Get(Index);
    if (OnGetData)
        OnGetData(Index, drawColorBox, color, text);
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = Selected ? TColor(0x808000) : TColor(clWindow);
    Canvas.Font().Color = Selected ? TColor(0xFFFFFF) : TColor(0);
    Canvas.FillRect(Rect);
    if (drawColorBox) {
        Canvas.TextOut(Rect.Left + 22, Rect.Top, text);
        Canvas.Pen().Style = psSolid;
        Canvas.Pen().Color = 0;
        Canvas.Brush().Color = color;
        Canvas.Rectangle(Rect.Left + 2, Rect.Top + 1, Rect.Left + 18, Rect.Bottom - 1);
    } else {
        Canvas.TextOut(Rect.Left + 2, Rect.Top, text);
    }
}

void TiComponentEditorListBox::PaintScrollBar(TCanvas& Canvas)
{
    const TRect bar = ScrollBarRect();
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = clScrollBar;
    Canvas.FillRect(bar);
    const TRect up{bar.Left, bar.Top, bar.Right, bar.Top + kScrollBarWidth};
    const TRect down{bar.Left, bar.Bottom - kScrollBarWidth, bar.Right, bar.Bottom};
    const TRect thumb = ThumbRect();
    for (const TRect& face : {up, down, thumb}) {
        Canvas.Brush().Color = clBtnFace;
        Canvas.FillRect(face);
        DrawEdgeStyle(Canvas, face, 1);
    }
    const TColor arrow = Enabled() ? TColor(clBtnText) : TColor(clGrayText);
    Canvas.Brush().Color = arrow;
    Canvas.Pen().Color = arrow;
    Canvas.Pen().Style = psSolid;
    const int cx = (bar.Left + bar.Right) / 2;
    const int uy = (up.Top + up.Bottom) / 2, dy = (down.Top + down.Bottom) / 2;
    const std::array<TPoint, 3> upArrow{{{cx - 4, uy + 2}, {cx, uy - 2}, {cx + 4, uy + 2}}};
    const std::array<TPoint, 3> downArrow{{{cx - 4, dy - 2}, {cx + 4, dy - 2}, {cx, dy + 2}}};
    Canvas.Polygon(upArrow);
    Canvas.Polygon(downArrow);
}

void TiComponentEditorListBox::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Font() = Font();
    TRect frame = ClientRect();
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = Color();
    canvas.FillRect(frame);
    DrawEdge(canvas, frame, EDGE_SUNKEN, BF_RECT);
    const TRect area = ItemsArea();
    canvas.SaveState();
    canvas.IntersectClipRect(area);
    for (int i = FTopIndex; i < Count(); ++i) {
        const TRect r = ItemRect(i);
        if (r.Top >= area.Bottom)
            break;
        canvas.Font() = Font();
        DrawItem(canvas, i, r, i == FItemIndex);
        if (i == FItemIndex && Focused()) {
            canvas.Font().Color = 0xFFFFFF;
            canvas.Brush().Color = 0;
            DrawFocusRectangle(canvas, r);
        }
    }
    canvas.RestoreState();
    if (ScrollBarShown())
        PaintScrollBar(canvas);
}

void TiComponentEditorListBox::UserSelect(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    SetItemIndex(Index);
    Click();
}

void TiComponentEditorListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (CanFocus() && !Focused())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FDownX = X;
    FDownY = Y;
    FDragging = false;
    if (ScrollBarShown() && Inside(ScrollBarRect(), X, Y)) {
        const TRect bar = ScrollBarRect(), thumb = ThumbRect();
        if (Y < bar.Top + kScrollBarWidth) {
            FTrack = Track::UpArrow;
            SetTopIndex(FTopIndex - 1);
        } else if (Y >= bar.Bottom - kScrollBarWidth) {
            FTrack = Track::DownArrow;
            SetTopIndex(FTopIndex + 1);
        } else if (Inside(thumb, X, Y)) {
            FTrack = Track::Thumb;
            FThumbGrab = Y - thumb.Top;
        } else {
            FTrack = Y < thumb.Top ? Track::PageUp : Track::PageDown;
            SetTopIndex(FTopIndex + (Y < thumb.Top ? -VisibleRows() : VisibleRows()));
        }
        return;
    }
    FTrack = Track::Items;
    if (Inside(ItemsArea(), X, Y))
        UserSelect(RowAt(Y));
    // The list raises no click per press (only per selection), so the platform gives it no
    // double click either: the second press of one raises it here.
    if (Shift.Contains(ssDouble))
        DblClick();
}

void TiComponentEditorListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (FTrack == Track::Thumb) {
        const TRect bar = ScrollBarRect(), thumb = ThumbRect();
        const int track = bar.Bottom - bar.Top - 2 * kScrollBarWidth - (thumb.Bottom - thumb.Top);
        if (track > 0)
            SetTopIndex((Y - FThumbGrab - bar.Top - kScrollBarWidth) * MaxTopIndex() / track);
        return;
    }
    if (FTrack == Track::Items && FDragMode == dmAutomatic && FItemIndex >= 0 && !FDragging &&
        std::abs(X - FDownX) + std::abs(Y - FDownY) >= kDragDistance) {
        FDragging = true;
        SetCursor(crDrag);
    }
}

void TiComponentEditorListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const bool dropped = FDragging && Button == mbLeft;
    FDragging = false;
    FTrack = Track::None;
    SetCursor(crDefault);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    // A drop is taken only inside the list itself.
    if (!dropped || !Inside(ClientRect(), X, Y) || Count() == 0)
        return;
    const int target = std::min(RowAt(Y), Count() - 1);
    if (target < 0 || target == FItemIndex)
        return;
    MoveItem(FItemIndex, target);
    qx::fire(OnItemMove, this);
}

void TiComponentEditorListBox::MoveItem(int From, int To)
{
    TObject* object = FItems->Objects(From);
    const std::string text = FItems->Get(From);
    FItems->BeginUpdate();
    FItems->Delete(From);
    FItems->Insert(To, text);
    FItems->SetObject(To, object);
    FItems->EndUpdate();
    SetItemIndex(To);
}

bool TiComponentEditorListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos))
        return true;
    SetTopIndex(FTopIndex - WheelDelta / 120 * 3);
    return true;
}

void TiComponentEditorListBox::KeyDown(Word& Key, TShiftState Shift)
{
    if (qx::plot::HandleEditorTab(*this, Key, Shift))
        return;
    TCustomControl::KeyDown(Key, Shift);
    if (Count() == 0)
        return;
    int next = FItemIndex;
    switch (Key) {
    case VK_UP: next = std::max(0, FItemIndex - 1); break;
    case VK_DOWN: next = std::min(Count() - 1, FItemIndex + 1); break;
    case VK_PRIOR: next = std::max(0, FItemIndex - VisibleRows()); break;
    case VK_NEXT: next = std::min(Count() - 1, std::max(0, FItemIndex) + VisibleRows()); break;
    case VK_HOME: next = 0; break;
    case VK_END: next = Count() - 1; break;
    default: return;
    }
    Key = 0;
    if (next != FItemIndex)
        UserSelect(next);
}

void TiComponentEditorListBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTALLKEYS | DLGC_WANTTAB;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TiComponentEditorListBox::Resize()
{
    TCustomControl::Resize();
    FTopIndex = std::clamp(FTopIndex, 0, MaxTopIndex());
    Invalidate();
}
