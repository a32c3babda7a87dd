#pragma once
// TiComponentEditorListBox: the owner-drawn object list of the plot editor. Each item holds
// a plot object (the item's object; its text is not shown); OnGetData gives the colour box
// and the text of each item. The user selects with the mouse or the keys (OnClick), opens
// with a double click (OnDblClick) and moves an item by dragging it within the list
// (OnItemMove). A scroll bar shows when the items do not fit.

#include "platform/gui/Control.h"
#include "platform/gui/Strings.h"

#include <functional>
#include <memory>
#include <string>

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
enum TDragMode { dmManual, dmAutomatic };

/// Index of the item, whether to draw the colour box, its colour and the text.
using TiListBoxGetDataEvent =
    std::function<void(int Index, bool& DrawColorBox, TColor& AColor, std::string& AText)>;
/// Draws item Index into Rect on Canvas instead of the list's own drawing.
using TiListBoxDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas& Canvas, int Index, const TRect& Rect, bool Selected)>;

class TiComponentEditorListBox : public TCustomControl
{
public:
    explicit TiComponentEditorListBox(TComponent* AOwner);
    ~TiComponentEditorListBox() override;

    /// The items: empty texts with the plot objects as their objects.
    TStrings* Items() const { return FItems.get(); }
    int Count() const { return FItems->Count(); }
    int ItemIndex() const { return FItemIndex; }
    /// Selects from code (-1 for none), scrolled into view; raises nothing.
    void SetItemIndex(int Value);
    TObject* SelectedObject() const;
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    /// Items that fit in the list without scrolling.
    int VisibleRows() const;
    void Clear();

    void SelectLast();
    /// Deletes the selected item and frees its object; the item at the same place, or the
    /// new last one, is selected. Without a selection nothing is deleted.
    void DeleteSelectedObject();
    /// Deletes the item holding Object (which is not freed); nothing when none does.
    void DeleteObjectIndex(TObject* Object);
    /// The index of the item holding Object, -1 for none.
    int IndexOfObject(const TObject* Object) const;

    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value) { FStyle = Value; }
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value) { FSorted = Value; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }

    /// The item row a client y lies in (it may lie beyond the items).
    int RowAt(int Y) const;
    /// The rectangle of item Index in the client area.
    TRect ItemRect(int Index) const;

    TiListBoxGetDataEvent OnGetData;
    TNotifyEvent OnItemMove;
    TiListBoxDrawItemEvent OnDrawItem;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void Resize() override;

private:
    enum class Track { None, Items, UpArrow, DownArrow, Thumb, PageUp, PageDown };

    void ItemsChanged();
    void UserSelect(int Index);
    void DrawItem(TCanvas& Canvas, int Index, const TRect& Rect, bool Selected);
    void PaintScrollBar(TCanvas& Canvas);
    bool ScrollBarShown() const;
    TRect ItemsArea() const;
    TRect ScrollBarRect() const;
    TRect ThumbRect() const;
    int MaxTopIndex() const;
    void MoveItem(int From, int To);

    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FTopIndex = 0;
    int FItemHeight = 16;
    TListBoxStyle FStyle = lbOwnerDrawFixed;
    bool FSorted = false;
    TDragMode FDragMode = dmAutomatic;
    Track FTrack = Track::None;
    bool FDragging = false;
    int FDownX = 0, FDownY = 0;
    int FThumbGrab = 0;
};
