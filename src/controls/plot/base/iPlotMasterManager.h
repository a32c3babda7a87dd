#pragma once
// The hub of one plot: it owns the plot's object managers, receives the four notifications
// (insert, remove, rename, change) of every manager and object and routes them to the
// managers, the plot and the run-time editor while one is open; it creates the plot's objects.

#include "controls/plot/base/iPlotManagers.h"

#include <functional>
#include <string>
#include <vector>

class TWinControl;
class TiPlotMasterManager;

/// What the master manager tells the run-time plot editor while its form is open: the
/// form keeps one list per object kind in step with the plot.
class TiPlotEditorLink
{
public:
    virtual ~TiPlotEditorLink() = default;
    /// The form is closing: it takes no more updates.
    virtual bool Closing() const = 0;
    /// A new object: appended to the list of its kind, selected, that page refreshed.
    virtual void ObjectInserted(TiPlotObject& Object) = 0;
    virtual void ObjectRemoved(TiPlotObject& Object) = 0;
    /// An object got a new name; its old one is in NameOld.
    virtual void ObjectRenamed(TiPlotObject& Object) = 0;
    /// Refreshes every page, loads the Control page from the plot and shows the form:
    /// modally (returning when it closes) or, stay-on-top, without waiting.
    virtual void Execute(bool StayOnTop) = 0;
    /// Shows the page of the object's kind with the object selected.
    virtual void SelectObject(TiPlotObject& Object) = 0;
    /// Copies the Control page into the plot.
    virtual void StoreControlPage() = 0;
    /// The active page of each of the form's remembered page controls.
    virtual std::vector<int> ActivePages() const = 0;
    virtual void SetActivePages(const std::vector<int>& Pages) = 0;
    /// Frees the form (the link goes with it).
    virtual void Free() = 0;
};

/// Makes the run-time editor's form for a plot's master manager; the editor's code
/// registers it, so this layer does not depend on the form. Returns nullptr when the
/// plot cannot be edited.
using TiPlotEditorFactory = std::function<TiPlotEditorLink*(TiPlotMasterManager& Master)>;
void SetPlotEditorFactory(TiPlotEditorFactory Factory);

class TiPlotMasterManager : public TObject
{
public:
    explicit TiPlotMasterManager(TWinControl* AOwner);
    ~TiPlotMasterManager() override;

    TWinControl* Owner() const { return FOwner; }
    TiPlotObjectManager* ObjectManager() const { return FPlotObjectManager; }
    TiPlotToolBarManager* ToolBarManager() const { return FToolBarManager; }
    TiPlotLegendManager* LegendManager() const { return FLegendManager; }
    TiPlotTableManager* TableManager() const { return FTableManager; }
    TiPlotXAxisManager* XAxisManager() const { return FXAxisManager; }
    TiPlotYAxisManager* YAxisManager() const { return FYAxisManager; }
    TiPlotChannelManager* ChannelManager() const { return FChannelManager; }
    TiPlotDataViewManager* DataViewManager() const { return FDataViewManager; }
    TiPlotDataCursorManager* DataCursorManager() const { return FDataCursorManager; }
    TiPlotLimitManager* LimitManager() const { return FLimitManager; }
    TiPlotLabelManager* LabelManager() const { return FLabelManager; }
    TiPlotAnnotationManager* AnnotationManager() const { return FAnnotationManager; }

    bool UserCanEditObjects() const { return FUserCanEditObjects; }
    void SetUserCanEditObjects(bool Value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    void SetXYAxesReverse(bool Value);
    const std::string& ChannelClass() const;
    void SetChannelClass(const std::string& Value);

    int AddChannel() { return AddTo(FChannelManager); }
    int AddDataView() { return AddTo(FDataViewManager); }
    int AddDataCursor() { return AddTo(FDataCursorManager); }
    int AddLimit() { return AddTo(FLimitManager); }
    int AddLabel() { return AddTo(FLabelManager); }
    int AddAnnotation() { return AddTo(FAnnotationManager); }
    int AddLegend() { return AddTo(FLegendManager); }
    int AddTable() { return AddTo(FTableManager); }
    int AddToolBar() { return AddTo(FToolBarManager); }
    int AddXAxis() { return AddTo(FXAxisManager); }
    int AddYAxis() { return AddTo(FYAxisManager); }

    void ShowToolBars(bool Value);
    void DeSelectAll();

    // The run-time editor. EditProperties makes the form when there is none, shows it and,
    // unless it stays on top, frees it when it closes; EditObject shows the object's page.
    void EditProperties();
    void EditObject(TObject* AObject);
    /// The editor's Control page changed: copied into the plot.
    void BasicPropertyChanged();
    /// The form's close handler: a stay-on-top form is freed once its close has finished.
    void EditorFormClosing();
    /// Whether the plot's editor stays on top without blocking (else it is modal).
    std::function<bool()> EditorStaysOnTop;

    /// The run-time editor's form while it is open (nullptr when none).
    void SetEditorLink(TiPlotEditorLink* Value) { FEditorForm = Value; }
    TiPlotEditorLink* EditorLink() const { return FEditorForm; }

    // The routers every manager and object is given.
    void RouteChange(TObject* Sender);
    void RouteInsert(TObject* Sender);
    void RouteRemove(TObject* AObject);
    void RouteRename(TObject* AObject);
    void RouteSetFocus(TObject* AObject);

    TNotifyEvent OnChange;
    TNotifyEvent OnInsert;
    TNotifyEvent OnInvalidateNow;
    TNotifyEvent OnRemove;

private:
    int AddTo(TiPlotTypedManager* Manager);
    /// The managers of the plot's objects, in the order the notifications reach them.
    std::vector<TiPlotObjectManagerCustom*> KindManagers() const;
    template <class F>
    void forEachObject(F&& f) const;
    bool EditorOpen() const { return FEditorForm && !FEditorForm->Closing(); }
    void CreateEditorForm();
    void FreeEditorForm();

    TWinControl* FOwner;
    bool FUserCanEditObjects = true;
    TiPlotToolBarManager* FToolBarManager = nullptr;
    TiPlotLegendManager* FLegendManager = nullptr;
    TiPlotTableManager* FTableManager = nullptr;
    TiPlotXAxisManager* FXAxisManager = nullptr;
    TiPlotYAxisManager* FYAxisManager = nullptr;
    TiPlotChannelManager* FChannelManager = nullptr;
    TiPlotDataViewManager* FDataViewManager = nullptr;
    TiPlotDataCursorManager* FDataCursorManager = nullptr;
    TiPlotLimitManager* FLimitManager = nullptr;
    TiPlotLabelManager* FLabelManager = nullptr;
    TiPlotAnnotationManager* FAnnotationManager = nullptr;
    TiPlotObjectManager* FPlotObjectManager = nullptr;
    TiPlotEditorLink* FEditorForm = nullptr;
    bool FXYAxesReverse = false;
    /// The active pages of the editor's page controls, kept from one opening to the next.
    std::vector<int> FEditorPages;
};
