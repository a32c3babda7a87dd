#pragma once
// TiPlotLayoutViewer: the layout of one plot as a diagram in which every layer is one text
// line thick. The user drags an object onto another of its layer to swap their spans,
// between or into layers (turning it when the layer has the other orientation), or drags an
// edge of an axis, label, table or legend to change its span in steps of 1.25 percent. Every
// change goes straight into the layout objects and the layout manager; OnChange follows.

#include "controls/plot/base/iVCLComponent.h"
#include "controls/plot/plot/iPlotLayoutManager.h"

#include "platform/gui/canvas/GraphicsObjects.h"

#include <memory>
#include <vector>

class TiPlotMasterManager;
class TiPlotTranslationManager;

enum TiLayoutEditMode { ilemNone, ilemDrag, ilemSize };
enum TiLayoutSizingSide { ilssStart, ilssStop };

/// One drawn layer of the diagram.
struct TBlockObject
{
    TRect ARect{};
    int ZOrder = 0;
    bool Horizontal = false;
    bool DataView = false;
    bool ToolBar = false;
};

class TiPlotLayoutViewer : public TiVCLComponent
{
public:
    explicit TiPlotLayoutViewer(TComponent* AOwner);
    ~TiPlotLayoutViewer() override;

    TiPlotLayoutManager* LayoutManager() const { return FLayoutManager; }
    void SetLayoutManager(TiPlotLayoutManager* Value) { FLayoutManager = Value; }
    TiPlotMasterManager* Master() const { return FMaster; }
    void SetMaster(TiPlotMasterManager* Value) { FMaster = Value; }
    TiPlotTranslationManager* TranslationManager() const { return FTranslationManager; }
    void SetTranslationManager(TiPlotTranslationManager* Value) { FTranslationManager = Value; }
    TiPlotLayoutObject* SelectedObject() const { return FSelectedBlock; }

    /// The object under a point (place holders skipped; the data view can be found).
    TiPlotLayoutObject* GetMouseOverBlock(int X, int Y) const;
    /// The block under a point for dropping.
    TBlockObject* GetMouseOverBlock2(int X, int Y) const;

    const std::vector<std::unique_ptr<TBlockObject>>& Blocks() const { return FBlockList; }
    const TRect& ViewRect() const { return FViewRect; }
    const TRect& DataViewRect() const { return FDataViewRect; }
    int CellWidth() const { return FCellWidth; }
    TiLayoutEditMode EditMode() const { return FEditMode; }
    TiInsertDirection InsertDirection() const { return FInsertDirection; }
    /// The diagram's layout as the next paint computes it.
    void CalculateViewLayout(TCanvas& Canvas);
    /// An object leaving the plot: a press, move or resize that holds it ends, so nothing
    /// keeps a pointer to it.
    void ForgetObject(const TiPlotObject* Object);

    TNotifyEvent OnChange;

protected:
    void iPaint(TCanvas& Canvas) override;
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseMove(TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void DoChange();
    TiPlotLayoutObject* FindLayerMember(TiPlotLayoutObject* Dragged, bool Horizontal, int ZOrder) const;
    const std::vector<TiPlotObject*>& Members() const;

    std::vector<std::unique_ptr<TBlockObject>> FBlockList;
    int FCellWidth = 0;
    bool FMouseDown = false;
    int FMouseDownX = 0, FMouseDownY = 0;
    double FMouseDownStartPercent = 0, FMouseDownStopPercent = 0;
    TRect FViewRect{};
    TRect FDataViewRect{};
    int FDataViewHeight = 0, FDataViewWidth = 0;
    TiLayoutEditMode FEditMode = ilemNone;
    TiLayoutSizingSide FSizingSide = ilssStart;
    TiPlotLayoutObject* FSelectedBlock = nullptr;
    TiPlotLayoutObject* FResizeBlock = nullptr;
    TiPlotLayoutObject* FOverLayoutObject = nullptr;
    TBlockObject* FDragOverRefBlock2 = nullptr;
    TiInsertDirection FInsertDirection = iidMerge;
    TiPlotLayoutManager* FLayoutManager = nullptr;
    TiPlotMasterManager* FMaster = nullptr;
    TFont FFont;
    TiPlotTranslationManager* FTranslationManager = nullptr;
};

namespace qx {
/// Publishes the layout viewer for the layouts.
void registerPlotLayoutViewerClasses();
} // namespace qx
