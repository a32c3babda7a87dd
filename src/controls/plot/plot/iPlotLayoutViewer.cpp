#include "controls/plot/plot/iPlotLayoutViewer.h"

#include "controls/plot/base/iDrawing.h"
#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotDataView.h"
#include "controls/plot/objects/iPlotLabel.h"
#include "controls/plot/objects/iPlotLegend.h"
#include "controls/plot/objects/iPlotTable.h"
#include "controls/plot/objects/iPlotToolBar.h"
#include "controls/plot/plot/iPlotTranslation.h"

#include "platform/gui/Events.h"
#include "platform/gui/PropertyRegistry.h"
#include "platform/gui/canvas/Canvas.h"

#include <cmath>
#include <mutex>

namespace {

int Round(double Value) { return static_cast<int>(std::nearbyint(Value)); }

template <class T>
bool Is(const TObject* Object)
{
    return dynamic_cast<const T*>(Object) != nullptr;
}

/// Point-in-rectangle with the left and top edges in and the right and bottom edges out.
bool Inside(const TRect& R, int X, int Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }

/// Objects whose span the user may resize by an edge.
bool Resizable(const TObject* Object)
{
    return Is<TiPlotAxis>(Object) || Is<TiPlotLabel>(Object) || Is<TiPlotTable>(Object) || Is<TiPlotLegend>(Object);
}

/// The pairs of kinds that may share one layer.
bool CanMerge(const TObject* Dragged, const TObject* Member)
{
    const bool labelOrLegend = Is<TiPlotLabel>(Dragged) || Is<TiPlotLegend>(Dragged);
    return (Is<TiPlotAxis>(Dragged) && Is<TiPlotAxis>(Member)) ||
           (labelOrLegend && Is<TiPlotLabel>(Member)) || (Is<TiPlotLabel>(Dragged) && Is<TiPlotLegend>(Member));
}

} // namespace

TiPlotLayoutViewer::TiPlotLayoutViewer(TComponent* AOwner) : TiVCLComponent(AOwner)
{
    FFont.Name = "Arial";
    FFont.SetSize(10);
}

TiPlotLayoutViewer::~TiPlotLayoutViewer() = default;

void TiPlotLayoutViewer::DoChange() { qx::fire(OnChange, this); }

const std::vector<TiPlotObject*>& TiPlotLayoutViewer::Members() const
{
    static const std::vector<TiPlotObject*> none;
    return FLayoutManager ? FLayoutManager->Members() : none;
}

// ---- Diagram layout ----

void TiPlotLayoutViewer::CalculateViewLayout(TCanvas& Canvas)
{
    FViewRect = {5, 5, Width() - 5, Height() - 5};
    if (!FLayoutManager)
        return;
    Canvas.Font() = FFont;
    const int c = Round(Canvas.TextHeight("ABC") * 1.1);
    FCellWidth = c;
    const int L = FLayoutManager->LeftUniqueCount(), R = FLayoutManager->RightUniqueCount();
    const int T = FLayoutManager->TopUniqueCount(), B = FLayoutManager->BottomUniqueCount();
    const TRect& V = FViewRect;
    FDataViewRect = {V.Left + L * c, V.Top + T * c, V.Right - R * c, V.Bottom - B * c};
    const TRect& DV = FDataViewRect;
    FDataViewWidth = DV.Width();
    FDataViewHeight = DV.Height();

    if (!FDragOverRefBlock2) {
        FBlockList.clear();
        auto add = [this](TRect Rect, int ZOrder, bool Horizontal, bool DataView, bool ToolBar) {
            FBlockList.push_back(std::make_unique<TBlockObject>(TBlockObject{Rect, ZOrder, Horizontal, DataView, ToolBar}));
        };
        for (int d = 0; d < L; ++d)
            add({V.Left + d * c, DV.Top, V.Left + (d + 1) * c, DV.Bottom}, d, false, false, false);
        add(DV, L, false, true, false);
        for (int d = 0; d < R; ++d)
            add({DV.Right + d * c, DV.Top, DV.Right + (d + 1) * c, DV.Bottom}, L + 1 + d, false, false, false);
        for (int i = 0; i < T; ++i)
            add({V.Left, V.Top + i * c, V.Right, V.Top + (i + 1) * c}, T + B - i, true, false, i == 0);
        add(DV, B, true, true, false);
        for (int d = 0; d < B; ++d)
            add({V.Left, DV.Bottom + d * c, V.Right, DV.Bottom + (d + 1) * c}, B - 1 - d, true, false, false);
    }

    const int HZ = FLayoutManager->DataViewHorz().ZOrder(), VZ = FLayoutManager->DataViewVert().ZOrder();
    for (TiPlotObject* member : Members()) {
        auto* o = dynamic_cast<TiPlotLayoutObject*>(member);
        if (!o)
            continue;
        if (Is<TiPlotDataView>(o) || Is<TiPlotDataViewLayout>(o)) {
            o->SetLayoutRect(DV);
            continue;
        }
        const int z = o->ZOrder();
        TRect r{};
        if (o->IsHorz()) {
            if (z > HZ) {
                r.Top = DV.Top - (z - HZ) * c;
                r.Bottom = DV.Top - (z - HZ - 1) * c;
            } else {
                r.Top = DV.Bottom + (HZ - z - 1) * c;
                r.Bottom = DV.Bottom + (HZ - z) * c;
            }
            if (Is<TiPlotAxis>(o)) {
                r.Left = Round(FDataViewWidth * o->StartPercent() / 100 + DV.Left);
                r.Right = Round(FDataViewWidth * o->StopPercent() / 100 + DV.Left);
            } else {
                r.Left = V.Left + Round((V.Right - V.Left) * o->StartPercent() / 100);
                r.Right = V.Left + Round((V.Right - V.Left) * o->StopPercent() / 100);
            }
        } else {
            if (z > VZ) {
                r.Left = DV.Right + (z - VZ - 1) * c;
                r.Right = DV.Right + (z - VZ) * c;
            } else {
                r.Left = DV.Left - (VZ - z) * c;
                r.Right = DV.Left - (VZ - z - 1) * c;
            }
            r.Top = DV.Bottom - Round(FDataViewHeight * o->StopPercent() / 100);
            r.Bottom = DV.Bottom - Round(FDataViewHeight * o->StartPercent() / 100);
        }
        o->SetLayoutRect(r);
    }
}

// ---- Drawing ----

void TiPlotLayoutViewer::iPaint(TCanvas& Canvas)
{
    CalculateViewLayout(Canvas);
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = 0xFF0000;
    Canvas.Pen().Color = 0xFF0000;
    Canvas.FillRect(Canvas.ClipRect());
    Canvas.Brush().Color = 0xFFFFFF;
    Canvas.Pen().Color = 0xFFFFFF;
    Canvas.FillRect(FViewRect);
    if (!FLayoutManager)
        return;
    Canvas.Pen().Color = clBlack;
    Canvas.Pen().Style = psClear;
    Canvas.Font() = FFont;
    for (TiPlotObject* member : Members()) {
        auto* o = dynamic_cast<TiPlotLayoutObject*>(member);
        if (!o || Is<TiPlotDataView>(o) || Is<TiPlotDataViewVert>(o))
            continue;
        Canvas.Brush().Color = o == FSelectedBlock ? 0x00FFFF : 0xC0C0C0;
        Canvas.Brush().Style = o->Visible() ? bsSolid : bsDiagCross;
        Canvas.FillRect(o->LayoutRect());
        Canvas.Brush().Style = bsClear;
        const std::string name = FTranslationManager ? FTranslationManager->FindReplacement(o->Name()) : o->Name();
        TRect textRect{};
        DrawTurnedText(Canvas, name, o->LayoutRect(), o->IsHorz() ? ira000 : ira090, 0, true, Canvas.Font().Color,
                       textRect);
    }
    Canvas.Brush().Style = bsSolid;
    Canvas.Brush().Color = 0x00FFFF;
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Color = clBlack;
    Canvas.Pen().Width = 1;

    TRect frame{};
    bool framed = false;
    if (FOverLayoutObject) {
        frame = FOverLayoutObject->LayoutRect();
        framed = true;
    } else if (FDragOverRefBlock2) {
        const TBlockObject& b = *FDragOverRefBlock2;
        const int c = FCellWidth;
        frame = b.ARect;
        if (b.Horizontal) {
            const int shift = FInsertDirection == iidBelow ? c / 2 : FInsertDirection == iidAbove ? -(c / 2) + 1 : 0;
            frame.Top += shift;
            frame.Bottom += shift;
            if (b.DataView) {
                if (FInsertDirection == iidBelow)
                    frame.Top = frame.Bottom - c;
                else if (FInsertDirection == iidAbove)
                    frame.Bottom = frame.Top + c;
                frame.Left = FViewRect.Left;
                frame.Right = FViewRect.Right;
            }
        } else {
            const int shift = FInsertDirection == iidBelow ? -(c / 2) : FInsertDirection == iidAbove ? c / 2 + 1 : 0;
            frame.Left += shift;
            frame.Right += shift;
            if (b.DataView) {
                if (FInsertDirection == iidBelow)
                    frame.Right = frame.Left + c;
                else if (FInsertDirection == iidAbove)
                    frame.Left = frame.Right - c;
            }
        }
        framed = true;
    }
    if (framed) {
        Canvas.Pen().Width = 2;
        Canvas.Brush().Style = bsClear;
        Canvas.Rectangle(frame);
        Canvas.Pen().Width = 1;
    }
}

// ---- Hit tests ----

TiPlotLayoutObject* TiPlotLayoutViewer::GetMouseOverBlock(int X, int Y) const
{
    for (TiPlotObject* member : Members()) {
        auto* o = dynamic_cast<TiPlotLayoutObject*>(member);
        if (o && !Is<TiPlotDataViewLayout>(o) && Inside(o->LayoutRect(), X, Y))
            return o;
    }
    return nullptr;
}

TBlockObject* TiPlotLayoutViewer::GetMouseOverBlock2(int X, int Y) const
{
    const int c = FCellWidth;
    for (const auto& block : FBlockList) {
        const TRect& r = block->ARect;
        if (!Inside(r, X, Y))
            continue;
        if (block->ToolBar && Y < (r.Top + r.Bottom) / 2)
            continue;
        if (block->DataView) {
            const bool nearEdge = block->Horizontal ? (Y >= r.Bottom - c || Y < r.Top + c)
                                                    : (X < r.Left + c || X >= r.Right - c);
            if (!nearEdge)
                continue;
        }
        return block.get();
    }
    return nullptr;
}

TiPlotLayoutObject* TiPlotLayoutViewer::FindLayerMember(TiPlotLayoutObject* Dragged, bool Horizontal, int ZOrder) const
{
    for (TiPlotObject* member : Members()) {
        auto* o = dynamic_cast<TiPlotLayoutObject*>(member);
        if (!o || o == Dragged || Is<TiPlotDataView>(o) || o->ZOrder() != ZOrder)
            continue;
        if (Horizontal ? (!o->IsHorz() || Is<TiPlotDataViewVert>(o)) : (!o->IsVert() || Is<TiPlotDataViewHorz>(o)))
            continue;
        return o;
    }
    return nullptr;
}

// ---- Mouse ----

void TiPlotLayoutViewer::ForgetObject(const TiPlotObject* Object)
{
    // Compared as plot objects: an object being destroyed may no longer be a layout object.
    const auto holds = [Object](const TiPlotLayoutObject* Held) {
        return Held && static_cast<const TiPlotObject*>(Held) == Object;
    };
    if (!Object || !(holds(FSelectedBlock) || holds(FResizeBlock) || holds(FOverLayoutObject)))
        return;
    FMouseDown = false;
    FEditMode = ilemNone;
    FSelectedBlock = nullptr;
    FResizeBlock = nullptr;
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    InvalidateChange();
}

void TiPlotLayoutViewer::iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // Only the left button moves and resizes: a right press opens the popup menu, which
    // takes the release, so the press would never end.
    if (Button != mbLeft)
        return;
    TiPlotLayoutObject* o = GetMouseOverBlock(X, Y);
    if (!o || Is<TiPlotDataView>(o) || Is<TiPlotToolBar>(o))
        return;
    FSelectedBlock = o;
    FMouseDown = true;
    FMouseDownX = X;
    FMouseDownY = Y;
    if (!Shift.Contains(ssLeft))
        FInsertDirection = iidMerge;
    if (FResizeBlock) {
        FEditMode = ilemSize;
        FMouseDownStartPercent = o->StartPercent();
        FMouseDownStopPercent = o->StopPercent();
    } else {
        FEditMode = ilemDrag;
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::iMouseMove(TShiftState Shift, int X, int Y)
{
    SetCursor(crDefault);
    if (FEditMode == ilemDrag && !Shift.Contains(ssLeft))
        return;
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    TiPlotLayoutObject* O = GetMouseOverBlock(X, Y);
    TBlockObject* K = GetMouseOverBlock2(X, Y);
    switch (FEditMode) {
    case ilemNone:
        if (!O) {
            FResizeBlock = nullptr;
        } else if (Resizable(O)) {
            const TRect r = O->LayoutRect();
            bool edge = true;
            if (O->IsHorz()) {
                if (std::abs(r.Left - X) <= 6)
                    FSizingSide = ilssStart;
                else if (std::abs(r.Right - X) <= 6)
                    FSizingSide = ilssStop;
                else
                    edge = false;
                if (edge)
                    SetCursor(crSizeWE);
            } else {
                if (std::abs(r.Bottom - Y) <= 6)
                    FSizingSide = ilssStart;
                else if (std::abs(r.Top - Y) <= 6)
                    FSizingSide = ilssStop;
                else
                    edge = false;
                if (edge)
                    SetCursor(crSizeNS);
            }
            FResizeBlock = edge ? O : nullptr;
            if (!edge)
                SetCursor(crDefault);
        }
        break;
    case ilemDrag: {
        if (!FMouseDown)
            return;
        TiPlotLayoutObject* dragged = FSelectedBlock;
        if (O && !Is<TiPlotDataView>(O) && O != dragged && O->IsHorz() == dragged->IsHorz() &&
            O->ZOrder() == dragged->ZOrder())
            FOverLayoutObject = O;
        if (K) {
            if (Is<TiPlotAxis>(dragged) && K->Horizontal != dragged->IsHorz())
                break;
            FDragOverRefBlock2 = K;
            TiPlotLayoutObject* M = FindLayerMember(dragged, K->Horizontal, K->ZOrder);
            if (!M)
                return;
            const TRect r = K->ARect;
            const int h = r.Height(), w = r.Width();
            if (CanMerge(dragged, M)) {
                if (K->ToolBar) {
                    if (Y > r.Top + (2 * h) / 3)
                        FInsertDirection = iidBelow;
                    else
                        FDragOverRefBlock2 = nullptr;
                } else if (K->Horizontal) {
                    FInsertDirection = Y > r.Top + (2 * h) / 3 ? iidBelow : Y > r.Top + h / 3 ? iidMerge : iidAbove;
                } else {
                    FInsertDirection = X < r.Left + w / 3 ? iidBelow : X < r.Left + (2 * w) / 3 ? iidMerge : iidAbove;
                }
            } else if (K->Horizontal) {
                FInsertDirection = Y > r.Top + h / 2 ? iidBelow : iidAbove;
            } else {
                FInsertDirection = X < r.Left + w / 2 ? iidBelow : iidAbove;
            }
        }
        break;
    }
    case ilemSize: {
        if (!FMouseDown || !FSelectedBlock)
            return;
        // A diagram of no extent leaves the span as it is.
        const int extent = FSelectedBlock->IsVert() ? FDataViewHeight : FDataViewWidth;
        if (extent <= 0)
            return;
        const double travel = FSelectedBlock->IsVert() ? (FMouseDownY - Y) / static_cast<double>(extent) * 100
                                                       : (X - FMouseDownX) / static_cast<double>(extent) * 100;
        const double snapped = std::nearbyint(travel / 1.25) * 1.25;
        if (FSizingSide == ilssStart)
            FSelectedBlock->SetStartPercent(FMouseDownStartPercent + snapped);
        else
            FSelectedBlock->SetStopPercent(FMouseDownStopPercent + snapped);
        break;
    }
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::iMouseUp(TMouseButton, TShiftState, int, int)
{
    FMouseDown = false;
    TiPlotLayoutObject* dragged = FSelectedBlock;
    if (FEditMode == ilemDrag && dragged && FLayoutManager) {
        if (FOverLayoutObject && FDragOverRefBlock2) {
            const double start = dragged->StartPercent(), stop = dragged->StopPercent();
            dragged->SetStartStopPercent(FOverLayoutObject->StartPercent(), FOverLayoutObject->StopPercent());
            FOverLayoutObject->SetStartStopPercent(start, stop);
            DoChange();
        } else if (FDragOverRefBlock2 && FDragOverRefBlock2->Horizontal == dragged->IsHorz()) {
            const TBlockObject target = *FDragOverRefBlock2;
            if (FInsertDirection == iidBelow || FInsertDirection == iidAbove) {
                if (TiPlotLayoutObject* M = FindLayerMember(dragged, target.Horizontal, target.ZOrder)) {
                    FLayoutManager->RemoveZOrder(dragged);
                    // The layer's z order as the removal left it.
                    FLayoutManager->InsertZOrder(dragged, M->ZOrder(), FInsertDirection);
                }
                dragged->SetStartPercent(0);
                dragged->SetStopPercent(100);
            } else {
                std::vector<TiPlotLayoutObject*> layer;
                for (TiPlotObject* member : Members()) {
                    auto* o = dynamic_cast<TiPlotLayoutObject*>(member);
                    if (o && o != dragged && !Is<TiPlotDataView>(o) && !Is<TiPlotDataViewLayout>(o) &&
                        o->IsHorz() == target.Horizontal && o->ZOrder() == target.ZOrder)
                        layer.push_back(o);
                }
                layer.push_back(dragged);
                const double n = static_cast<double>(layer.size());
                for (std::size_t k = 0; k < layer.size(); ++k) {
                    layer[k]->SetStopPercent(100 / n * static_cast<double>(k + 1));
                    layer[k]->SetStartPercent(100 / n * static_cast<double>(k));
                }
                if (TiPlotLayoutObject* M = FindLayerMember(dragged, target.Horizontal, target.ZOrder)) {
                    FLayoutManager->RemoveZOrder(dragged);
                    FLayoutManager->InsertZOrder(dragged, M->ZOrder(), iidMerge);
                }
                DoChange();
            }
        } else if (FDragOverRefBlock2) {
            const TBlockObject target = *FDragOverRefBlock2;
            if (TiPlotLayoutObject* M = FindLayerMember(dragged, target.Horizontal, target.ZOrder)) {
                const int z = M->ZOrder();
                FLayoutManager->RemoveZOrder(dragged);
                dragged->SetHorizontal(target.Horizontal);
                FLayoutManager->InsertZOrder(dragged, z, FInsertDirection);
                DoChange();
            }
        }
    } else if (FEditMode == ilemSize && FResizeBlock) {
        DoChange();
    }
    FEditMode = ilemNone;
    SetCursor(crDefault);
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    FSelectedBlock = nullptr;
    FResizeBlock = nullptr;
    InvalidateChange();
}

namespace qx {

void registerPlotLayoutViewerClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerVCLComponentClasses();
        registerClass<TiPlotLayoutViewer, TiVCLComponent>("TiPlotLayoutViewer")
            .event("OnChange", &TiPlotLayoutViewer::OnChange);
    });
}

} // namespace qx
