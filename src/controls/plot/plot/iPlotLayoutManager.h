#pragma once
// TiPlotLayoutManager: sorts a plot's layout objects (axes, toolbars, legends, labels) into
// four stacks around the data view (top, bottom, left, right) by their orientation and z
// order, and keeps the z orders consistent as objects come, go and turn. Two place holders
// stand for the data view in the horizontal and the vertical stacking.

#include "controls/plot/base/iPlotError.h"
#include "controls/plot/base/iPlotManagers.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

enum TiInsertDirection { iidMerge, iidBelow, iidAbove };

/// The data view's place in the horizontal or vertical stacking.
class TiPlotDataViewLayout : public TiPlotLayoutObject
{
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
};
class TiPlotDataViewHorz : public TiPlotDataViewLayout
{
public:
    using TiPlotDataViewLayout::TiPlotDataViewLayout;
};
class TiPlotDataViewVert : public TiPlotDataViewLayout
{
public:
    using TiPlotDataViewLayout::TiPlotDataViewLayout;
};

/// One stack: its members sorted by z order, then start percent.
struct TiPlotLayoutStack
{
    std::vector<std::pair<std::string, TiPlotLayoutObject*>> Entries;
    void Insert(std::string Key, TiPlotLayoutObject* Object);
    void Remove(const TiPlotObject* Object);
    int Count() const { return static_cast<int>(Entries.size()); }
    TiPlotLayoutObject* Item(int Index) const { return Entries[static_cast<std::size_t>(Index)].second; }
};

class TiPlotLayoutManager : public TiPlotObjectManagerCustom
{
public:
    TiPlotLayoutManager(TWinControl* AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                        TNotifyEvent AOnRename);
    ~TiPlotLayoutManager() override;

    TiPlotObject* CreateObject() override;
    std::string GetBaseName() const override { return "Layout Object"; }
    void NotificationInsert(TObject* Sender) override;
    void NotificationRemove(TObject* Sender) override;

    bool Enabled() const { return FEnabled; }
    /// Becoming enabled rebuilds the stacks.
    void SetEnabled(bool Value);
    bool XYAxesReverse() const { return FXYAxesReverse; }
    void SetXYAxesReverse(bool Value);
    void InsertZOrder(TiPlotLayoutObject* NewObject, int DesiredZOrder, TiInsertDirection InsertDirection);
    void RemoveZOrder(TiPlotLayoutObject* AObject);
    void Rebuild();

    TiPlotDataViewHorz& DataViewHorz() const { return *FDataViewHorz; }
    TiPlotDataViewVert& DataViewVert() const { return *FDataViewVert; }
    const TiPlotLayoutStack& TopList() const { return FTopList; }
    const TiPlotLayoutStack& BottomList() const { return FBottomList; }
    const TiPlotLayoutStack& LeftList() const { return FLeftList; }
    const TiPlotLayoutStack& RightList() const { return FRightList; }
    int TopUniqueCount() const { return FTopUniqueCount; }
    int BottomUniqueCount() const { return FBottomUniqueCount; }
    int LeftUniqueCount() const { return FLeftUniqueCount; }
    int RightUniqueCount() const { return FRightUniqueCount; }
    /// The members of a stack that are visible.
    static int VisibleCount(const TiPlotLayoutStack& List);
    /// Every layout object, the place holders included, in member order.
    const std::vector<TiPlotObject*>& Members() const { return FList; }

private:
    bool SameOrientationOthers(const TiPlotLayoutObject* Object, const TiPlotLayoutObject& Other) const;
    /// Moves the members beyond a layer that AObject leaves empty one layer in.
    void CloseGap(const TiPlotObject* AObject, int ZOrder, bool Horizontal);
    static bool IsDataView(const TiPlotObject& Object);

    bool FXYAxesReverse = false;
    TiPlotDataViewHorz* FDataViewHorz = nullptr;
    TiPlotDataViewVert* FDataViewVert = nullptr;
    bool FEnabled = false;
    TiPlotLayoutStack FTopList, FBottomList, FLeftList, FRightList;
    int FLeftUniqueCount = 0, FRightUniqueCount = 0, FBottomUniqueCount = 0, FTopUniqueCount = 0;
    /// Z order and orientation of every member as the last rebuild saw them.
    std::map<const TiPlotObject*, std::pair<int, bool>> FSnapshot;
};
