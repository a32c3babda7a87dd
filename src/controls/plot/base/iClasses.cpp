#include "controls/plot/base/iClasses.h"

#include "controls/plot/base/iComponent.h"
#include "controls/plot/base/iRepaintRule.h"
#include "platform/gui/Timer.h"
#include "platform/sync/Clock.h"

#include <algorithm>

namespace {
std::unique_ptr<TiUpdateObject>& slot()
{
    static std::unique_ptr<TiUpdateObject> instance;
    return instance;
}
} // namespace

TiUpdateObject& TiUpdateObject::Instance()
{
    if (!slot())
        slot().reset(new TiUpdateObject);
    return *slot();
}

TiUpdateObject* TiUpdateObject::Existing() { return slot().get(); }

TiUpdateObject::TiUpdateObject() : FTimer(std::make_unique<TTimer>(nullptr))
{
    FTimer->OnTimer = [this](TObject*) { Tick(); };
}

TiUpdateObject::~TiUpdateObject() { FTimer->SetEnabled(false); }

void TiUpdateObject::AddUpdateControl(TiUpdateClient* Control)
{
    FControlList.push_back(Control);
    if (FControlList.size() == 1)
        FTimer->SetEnabled(true);
}

void TiUpdateObject::RemoveUpdateControl(TiUpdateClient* Control)
{
    auto it = std::find(FControlList.begin(), FControlList.end(), Control);
    if (it == FControlList.end())
        return;
    FControlList.erase(it);
    if (FControlList.empty())
        FTimer->SetEnabled(false);
}

bool TiUpdateObject::TimerEnabled() const { return FTimer->Enabled(); }

void TiUpdateObject::Tick()
{
    // A control may be removed by another's repaint; walk a copy and skip the removed.
    const std::vector<TiUpdateClient*> copy = FControlList;
    for (TiUpdateClient* control : copy) {
        if (std::find(FControlList.begin(), FControlList.end(), control) == FControlList.end())
            continue;
        if (control->GetUpdateActive() || !control->GetNeedsRepaint())
            continue;
        if (FrameIntervalPassed(control->GetLastUpdate(), control->GetUpdateFrameRate(), qx::timerClock().nowMs()))
            control->RepaintNow();
    }
}

void TiPlotMinMaxPoint::Clear()
{
    Empty = true;
    YMax = -1e301;
    YMin = 1e301;
}

void TiPlotMinMaxPoint::AddData(double NewXValue, double NewYValue, int NewXPixels)
{
    if (Empty) {
        Empty = false;
        XPixels = NewXPixels;
        XValue = NewXValue;
        YFirst = NewYValue;
    }
    if (NewYValue > YMax)
        YMax = NewYValue;
    if (NewYValue < YMin)
        YMin = NewYValue;
    YLast = NewYValue;
}

int TiLimitDataList::Add(double Value1, double Value2, double Value3)
{
    const int capacity = Capacity();
    if (FCount == capacity)
        SetCapacity(capacity + (capacity > 64 ? capacity / 4 : capacity < 9 ? 4 : 16));
    FList[static_cast<std::size_t>(FCount)] = {Value1, Value2, Value3};
    return FCount++;
}

void TiLimitDataList::SetCapacity(int NewCapacity)
{
    if (NewCapacity > 0x7FFFFFF)
        throw EiPlotError("Exceed Maximum List Size");
    if (NewCapacity == Capacity())
        return;
    FList.resize(static_cast<std::size_t>(std::max(NewCapacity, 0)));
    FCount = std::min(FCount, Capacity());
}

void TiLimitDataList::Clear()
{
    FCount = 0;
    FList.clear();
    FList.shrink_to_fit();
}

const TiLimitData& TiLimitDataList::Item(int Index) const
{
    if (Index < 0 || Index >= FCount)
        throw EiPlotError("Index out of Bounds");
    return FList[static_cast<std::size_t>(Index)];
}
