#include "controls/plot/plot/iPlotLayoutManager.h"

#include "controls/plot/objects/iPlotAxis.h"
#include "controls/plot/objects/iPlotDataView.h"

#include <algorithm>
#include <map>

namespace {

bool isLayoutRouted(const TiPlotObject& Object)
{
    using qx::plot::isPlotObjectOf;
    return isPlotObjectOf(Object, "TiPlotAxis") || isPlotObjectOf(Object, "TiPlotToolBar") ||
           isPlotObjectOf(Object, "TiPlotLegend") || isPlotObjectOf(Object, "TiPlotDataView") ||
           isPlotObjectOf(Object, "TiPlotLabel");
}

} // namespace

// ---- TiPlotLayoutStack ----

void TiPlotLayoutStack::Insert(std::string Key, TiPlotLayoutObject* Object)
{
    // An equal key goes before the entries that hold it already.
    const auto at = std::lower_bound(Entries.begin(), Entries.end(), Key,
                                     [](const auto& entry, const std::string& key) { return entry.first < key; });
    Entries.insert(at, {std::move(Key), Object});
}

void TiPlotLayoutStack::Remove(const TiPlotObject* Object)
{
    Entries.erase(std::remove_if(Entries.begin(), Entries.end(),
                                 [Object](const auto& e) { return static_cast<const TiPlotObject*>(e.second) == Object; }),
                  Entries.end());
}

// ---- TiPlotLayoutManager ----

TiPlotLayoutManager::TiPlotLayoutManager(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotObjectManagerCustom(AOwner, AOnChange, AOnInsert, AOnRemove, AOnRename)
{
    // The place holders answer to nobody: they are the manager's own.
    const TNotifyEvent none = [](TObject*) {};
    FDataViewHorz = new TiPlotDataViewHorz(AOwner, none, none, none, none);
    FDataViewHorz->SetHorizontal(true);
    FDataViewHorz->SetZOrder(1);
    FDataViewHorz->SetName("Data View");
    FDataViewVert = new TiPlotDataViewVert(AOwner, none, none, none, none);
    FDataViewVert->SetHorizontal(false);
    FDataViewVert->SetZOrder(1);
    FDataViewVert->SetName("Data View");
    InsertObject(FDataViewHorz);
    InsertObject(FDataViewVert);
    FEnabled = true;
}

TiPlotLayoutManager::~TiPlotLayoutManager()
{
    FEnabled = false;
    delete FDataViewHorz;
    delete FDataViewVert;
}

TiPlotObject* TiPlotLayoutManager::CreateObject()
{
    throw EiPlotError("Layout Manager does not support creation of objects");
}

bool TiPlotLayoutManager::IsDataView(const TiPlotObject& Object)
{
    return qx::plot::isPlotObjectOf(Object, "TiPlotDataView");
}

void TiPlotLayoutManager::NotificationInsert(TObject* Sender)
{
    auto* object = dynamic_cast<TiPlotLayoutObject*>(Sender);
    if (!object || std::find(FList.begin(), FList.end(), object) != FList.end())
        return;
    InsertObject(object);
    if (isLayoutRouted(*object))
        object->FOnLayoutChange = [this](TObject*) { Rebuild(); };
    // An axis lies as its kind and the reversal say, unless a stream read gave it its
    // stored orientation before inserting it.
    if (auto* axis = dynamic_cast<TiPlotAxis*>(object); axis && !axis->HorizontalGiven())
        axis->SetHorizontal(axis->IsXAxis() ? !FXYAxesReverse : FXYAxesReverse);
    if (FEnabled)
        InsertZOrder(object, 0, iidMerge);
}

void TiPlotLayoutManager::NotificationRemove(TObject* Sender)
{
    // The object may be half destroyed: it is found and compared by its address only, and
    // its z order and orientation are the ones the last rebuild saw.
    const auto it = std::find_if(FList.begin(), FList.end(), [Sender](TiPlotObject* o) { return o == Sender; });
    if (it == FList.end())
        return;
    const TiPlotObject* object = *it;
    for (TiPlotLayoutStack* stack : {&FTopList, &FBottomList, &FLeftList, &FRightList})
        stack->Remove(object);
    FList.erase(it);
    const auto snap = FSnapshot.find(object);
    if (FEnabled && snap != FSnapshot.end())
        CloseGap(object, snap->second.first, snap->second.second);
}

bool TiPlotLayoutManager::SameOrientationOthers(const TiPlotLayoutObject* Object, const TiPlotLayoutObject& Other) const
{
    return &Other != Object && !IsDataView(Other) && Other.Horizontal() == Object->Horizontal();
}

void TiPlotLayoutManager::InsertZOrder(TiPlotLayoutObject* NewObject, int DesiredZOrder,
                                       TiInsertDirection InsertDirection)
{
    bool taken = false;
    bool overlaps = false;
    for (TiPlotObject* member : FList) {
        auto* other = static_cast<TiPlotLayoutObject*>(member);
        if (!SameOrientationOthers(NewObject, *other) || other->ZOrder() != DesiredZOrder)
            continue;
        taken = true;
        if (NewObject->SpanOverlaps(*other))
            overlaps = true;
    }
    const bool saved = FEnabled;
    FEnabled = false; // the z order writes below rebuild once, at the end
    if (InsertDirection == iidMerge && !overlaps) {
        NewObject->SetZOrder(DesiredZOrder);
    } else {
        if (InsertDirection != iidMerge || taken)
            for (TiPlotObject* member : FList) {
                auto* other = static_cast<TiPlotLayoutObject*>(member);
                if (!SameOrientationOthers(NewObject, *other))
                    continue;
                if (InsertDirection == iidAbove ? other->ZOrder() > DesiredZOrder : other->ZOrder() >= DesiredZOrder)
                    other->SetZOrder(other->ZOrder() + 1);
            }
        NewObject->SetZOrder(InsertDirection == iidAbove ? DesiredZOrder + 1 : DesiredZOrder);
    }
    FEnabled = saved;
    Rebuild();
}

void TiPlotLayoutManager::RemoveZOrder(TiPlotLayoutObject* AObject)
{
    CloseGap(AObject, AObject->ZOrder(), AObject->Horizontal());
}

void TiPlotLayoutManager::CloseGap(const TiPlotObject* AObject, int ZOrder, bool Horizontal)
{
    bool shared = false;
    for (TiPlotObject* member : FList) {
        auto* other = static_cast<TiPlotLayoutObject*>(member);
        if (member != AObject && !IsDataView(*other) && other->Horizontal() == Horizontal && other->ZOrder() == ZOrder)
            shared = true;
    }
    const bool saved = FEnabled;
    FEnabled = false;
    if (!shared)
        for (TiPlotObject* member : FList) {
            auto* other = static_cast<TiPlotLayoutObject*>(member);
            if (member != AObject && other->Horizontal() == Horizontal && other->ZOrder() > ZOrder)
                other->SetZOrder(other->ZOrder() - 1);
        }
    FEnabled = saved;
    Rebuild();
}

void TiPlotLayoutManager::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    if (Value)
        Rebuild();
}

void TiPlotLayoutManager::SetXYAxesReverse(bool Value)
{
    if (Value == FXYAxesReverse)
        return;
    FXYAxesReverse = Value;
    if (!FEnabled)
        return;
    std::multimap<std::string, TiPlotAxis*> axes;
    for (TiPlotObject* member : FList)
        if (auto* axis = dynamic_cast<TiPlotAxis*>(member))
            axes.emplace(std::to_string(axis->ZOrder()), axis);
    for (const auto& [key, axis] : axes) {
        RemoveZOrder(axis);
        axis->SetHorizontal(axis->IsXAxis() ? !Value : Value);
        InsertZOrder(axis, 0, iidMerge);
    }
}

int TiPlotLayoutManager::VisibleCount(const TiPlotLayoutStack& List)
{
    int count = 0;
    for (const auto& entry : List.Entries)
        count += entry.second->Visible() ? 1 : 0;
    return count;
}

void TiPlotLayoutManager::Rebuild()
{
    if (!FEnabled)
        return;
    for (TiPlotLayoutStack* stack : {&FTopList, &FBottomList, &FLeftList, &FRightList})
        stack->Entries.clear();
    FSnapshot.clear();
    for (TiPlotObject* member : FList) {
        auto* object = static_cast<TiPlotLayoutObject*>(member);
        FSnapshot[object] = {object->ZOrder(), object->Horizontal()};
        if (object == FDataViewHorz || object == FDataViewVert || IsDataView(*object))
            continue;
        std::string key = object->GetZOrderSortKey() + object->GetStartSortKey();
        if (object->Horizontal()) {
            const bool above = FDataViewHorz->ZOrder() < object->ZOrder();
            object->SetReverseSide(above);
            (above ? FTopList : FBottomList).Insert(std::move(key), object);
        } else {
            const bool right = FDataViewVert->ZOrder() < object->ZOrder();
            object->SetReverseSide(right);
            (right ? FRightList : FLeftList).Insert(std::move(key), object);
        }
    }
    auto layers = [](const TiPlotLayoutStack& stack) {
        int count = 0;
        long long previous = -1;
        for (const auto& entry : stack.Entries) {
            const long long z = std::stoll(entry.first.substr(0, 3));
            if (z > previous) {
                ++count;
                previous = z;
            }
        }
        return count;
    };
    FTopUniqueCount = layers(FTopList);
    FBottomUniqueCount = layers(FBottomList);
    FLeftUniqueCount = layers(FLeftList);
    FRightUniqueCount = layers(FRightList);
}
