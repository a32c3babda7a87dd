#include "controls/plot/objects/iPlotDataCustomList.h"

TiPlotDataCustomList::TiPlotDataCustomList(int RecordSize)
    : FDataPointSize(RecordSize), FMaxDataPoints(INT_MAX / RecordSize)
{
    FStored.BarVisible = true;
}

int TiPlotDataCustomList::MapIndex(int Index) const
{
    if (Index < 0 || Index >= FCount)
        throw EiPlotError(iPlotDataText::IndexOutOfBounds);
    if (FTail == 0)
        return Index;
    const int slot = Index + FTail;
    return slot > FCount - 1 ? slot - FCount : slot;
}

int TiPlotDataCustomList::GrownCapacity() const
{
    long long grown = FCapacity;
    if (FCapacity > 64)
        grown += FCapacity / 4;
    else if (FCapacity > 8)
        grown += 16;
    else
        grown += 4;
    return static_cast<int>(std::min<long long>(grown, INT_MAX));
}

void TiPlotDataCustomList::Clear()
{
    FCount = 0;
    FTail = 0;
    if (!FRingBufferEnabled)
        SetCapacity(0);
}

void TiPlotDataCustomList::SetRingBufferSize(int Value)
{
    if (Value < 0 || Value > FMaxDataPoints)
        throw EiPlotError(iPlotDataText::ExceedMaximumListSize);
    if (Value == 0) {
        if (FRingBufferEnabled) {
            FRingBufferEnabled = false;
            if (Wrapped())
                Clear();
        }
        return;
    }
    FRingBufferEnabled = true;
    if (Value == FCapacity)
        return;
    if (Wrapped())
        Clear();
    if (Value > FCapacity) {
        SetCapacity(Value);
        return;
    }
    if (Value < FCount)
        DeletePoints(FCount - Value);
    SetCapacity(Value);
}
