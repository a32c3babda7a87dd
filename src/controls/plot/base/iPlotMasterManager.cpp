#include "controls/plot/base/iPlotMasterManager.h"

#include <utility>

TiPlotMasterManager::TiPlotMasterManager(TWinControl* AOwner) : FOwner(AOwner)
{
    const TNotifyEvent change = [this](TObject* s) { RouteChange(s); };
    const TNotifyEvent insert = [this](TObject* s) { RouteInsert(s); };
    const TNotifyEvent remove = [this](TObject* s) { RouteRemove(s); };
    const TNotifyEvent rename = [this](TObject* s) { RouteRename(s); };
    FPlotObjectManager = new TiPlotObjectManager(AOwner, change, insert, remove, rename);
    FToolBarManager = new TiPlotToolBarManager(AOwner, change, insert, remove, rename);
    FLegendManager = new TiPlotLegendManager(AOwner, change, insert, remove, rename);
    FTableManager = new TiPlotTableManager(AOwner, change, insert, remove, rename);
    FChannelManager = new TiPlotChannelManager(AOwner, change, insert, remove, rename);
    FDataCursorManager = new TiPlotDataCursorManager(AOwner, change, insert, remove, rename);
    FDataViewManager = new TiPlotDataViewManager(AOwner, change, insert, remove, rename);
    FXAxisManager = new TiPlotXAxisManager(AOwner, change, insert, remove, rename);
    FYAxisManager = new TiPlotYAxisManager(AOwner, change, insert, remove, rename);
    FLimitManager = new TiPlotLimitManager(AOwner, change, insert, remove, rename);
    FLabelManager = new TiPlotLabelManager(AOwner, change, insert, remove, rename);
    FAnnotationManager = new TiPlotAnnotationManager(AOwner, change, insert, remove, rename);
    for (TiPlotAxesBoundManager* m :
         std::initializer_list<TiPlotAxesBoundManager*>{FChannelManager, FDataViewManager, FLimitManager}) {
        m->XAxisManager = FXAxisManager;
        m->YAxisManager = FYAxisManager;
    }
    FDataCursorManager->ChannelManager = FChannelManager;
    FDataCursorManager->DataViewManager = FDataViewManager;
}

namespace {

TiPlotEditorFactory& editorFactory()
{
    static TiPlotEditorFactory factory;
    return factory;
}

} // namespace

void SetPlotEditorFactory(TiPlotEditorFactory Factory) { editorFactory() = std::move(Factory); }

TiPlotMasterManager::~TiPlotMasterManager()
{
    FreeEditorForm();
    // Each manager clears its own field through the remove notification as it goes.
    delete FToolBarManager;
    delete FLegendManager;
    delete FTableManager;
    delete FChannelManager;
    delete FXAxisManager;
    delete FYAxisManager;
    delete FDataViewManager;
    delete FDataCursorManager;
    delete FLimitManager;
    delete FLabelManager;
    delete FAnnotationManager;
    delete FPlotObjectManager;
}

std::vector<TiPlotObjectManagerCustom*> TiPlotMasterManager::KindManagers() const
{
    std::vector<TiPlotObjectManagerCustom*> managers;
    for (TiPlotObjectManagerCustom* m : std::initializer_list<TiPlotObjectManagerCustom*>{
             FToolBarManager, FLegendManager, FTableManager, FXAxisManager, FYAxisManager, FChannelManager,
             FDataViewManager, FDataCursorManager, FLimitManager, FLabelManager, FAnnotationManager})
        if (m)
            managers.push_back(m);
    return managers;
}

template <class F>
void TiPlotMasterManager::forEachObject(F&& f) const
{
    for (TiPlotObjectManagerCustom* m : KindManagers())
        for (int i = 0; i < m->Count(); ++i)
            f(*m->GetItem(i));
}

void TiPlotMasterManager::SetUserCanEditObjects(bool Value)
{
    FUserCanEditObjects = Value;
    forEachObject([&](TiPlotObject& o) { o.SetUserCanEdit(Value); });
}

void TiPlotMasterManager::SetXYAxesReverse(bool Value)
{
    FXYAxesReverse = Value;
    forEachObject([&](TiPlotObject& o) { o.SetXYAxesReversed(Value); });
    qx::fire(OnInvalidateNow, this);
}

const std::string& TiPlotMasterManager::ChannelClass() const { return FChannelManager->ChannelClass(); }

void TiPlotMasterManager::SetChannelClass(const std::string& Value) { FChannelManager->SetChannelClass(Value); }

int TiPlotMasterManager::AddTo(TiPlotTypedManager* Manager)
{
    TiPlotObject* object = Manager->CreateObject();
    object->DoInsert();
    return Manager->Count() - 1;
}

void TiPlotMasterManager::ShowToolBars(bool Value)
{
    if (!FToolBarManager)
        return;
    for (int i = 0; i < FToolBarManager->Count(); ++i)
        FToolBarManager->GetItem(i)->SetVisible(Value);
}

void TiPlotMasterManager::DeSelectAll()
{
    if (FPlotObjectManager)
        FPlotObjectManager->ClearAllUserSelections();
}

void TiPlotMasterManager::RouteChange(TObject*) { qx::fire(OnChange, this); }

void TiPlotMasterManager::RouteInsert(TObject* Sender)
{
    if (auto* object = dynamic_cast<TiPlotObject*>(Sender)) {
        if (FPlotObjectManager)
            FPlotObjectManager->NotificationInsert(object);
        for (TiPlotObjectManagerCustom* m : KindManagers())
            m->NotificationInsert(object);
        object->FOnSetFocus = [this](TObject* s) { RouteSetFocus(s); };
        object->FOnInvalidateNow = OnInvalidateNow;
        object->SetUserCanEdit(FUserCanEditObjects);
        object->SetXYAxesReversed(FXYAxesReverse);
        object->FOnEdit = [this](TObject* s) { EditObject(s); };
        if (EditorOpen())
            FEditorForm->ObjectInserted(*object);
    }
    // A manager announcing itself is already in its field: the master made it.
    qx::fire(OnInsert, Sender);
}

void TiPlotMasterManager::RouteRemove(TObject* AObject)
{
    qx::fire(OnRemove, AObject);
    if (auto* object = dynamic_cast<TiPlotObject*>(AObject)) {
        if (EditorOpen())
            FEditorForm->ObjectRemoved(*object);
        if (FPlotObjectManager)
            FPlotObjectManager->NotificationRemove(object);
        for (TiPlotObjectManagerCustom* m : KindManagers())
            m->NotificationRemove(object);
        return;
    }
    // A manager being destroyed: forget it.
    const auto forget = [AObject](auto*& field) {
        if (field && static_cast<TObject*>(field) == AObject)
            field = nullptr;
    };
    forget(FToolBarManager);
    forget(FLegendManager);
    forget(FTableManager);
    forget(FXAxisManager);
    forget(FYAxisManager);
    forget(FChannelManager);
    forget(FDataViewManager);
    forget(FDataCursorManager);
    forget(FLimitManager);
    forget(FLabelManager);
    forget(FAnnotationManager);
    forget(FPlotObjectManager);
}

void TiPlotMasterManager::RouteSetFocus(TObject* AObject)
{
    for (TiPlotObjectManagerCustom* m : KindManagers())
        m->NotificationSetFocus(AObject);
}

void TiPlotMasterManager::RouteRename(TObject* AObject)
{
    for (TiPlotObjectManagerCustom* m : KindManagers())
        m->NotificationRename(AObject);
    if (auto* object = dynamic_cast<TiPlotObject*>(AObject); object && EditorOpen())
        FEditorForm->ObjectRenamed(*object);
}

void TiPlotMasterManager::CreateEditorForm()
{
    if (!FEditorForm && editorFactory())
        FEditorForm = editorFactory()(*this);
    if (FEditorForm && !FEditorPages.empty())
        FEditorForm->SetActivePages(FEditorPages);
}

void TiPlotMasterManager::FreeEditorForm()
{
    if (TiPlotEditorLink* form = std::exchange(FEditorForm, nullptr))
        form->Free();
}

void TiPlotMasterManager::EditProperties()
{
    CreateEditorForm();
    if (!FEditorForm)
        return;
    const bool stayOnTop = EditorStaysOnTop && EditorStaysOnTop();
    struct FreeAfterModal
    {
        TiPlotMasterManager& master;
        bool modal;
        ~FreeAfterModal()
        {
            if (!modal || !master.FEditorForm)
                return;
            master.FEditorPages = master.FEditorForm->ActivePages();
            master.FreeEditorForm();
        }
    } freeAfter{*this, !stayOnTop};
    FEditorForm->Execute(stayOnTop);
}

void TiPlotMasterManager::EditObject(TObject* AObject)
{
    CreateEditorForm();
    if (!FEditorForm)
        return;
    if (auto* object = dynamic_cast<TiPlotObject*>(AObject))
        FEditorForm->SelectObject(*object);
    EditProperties();
}

void TiPlotMasterManager::BasicPropertyChanged()
{
    if (EditorOpen())
        FEditorForm->StoreControlPage();
}

void TiPlotMasterManager::EditorFormClosing()
{
    if (!FEditorForm || !EditorStaysOnTop || !EditorStaysOnTop())
        return;
    FEditorPages = FEditorForm->ActivePages();
    FreeEditorForm();
}
