#include "controls/plot/objects/iPlotDataCompactIntervalList.h"

TiPlotDataCompactIntervalList::TiPlotDataCompactIntervalList() : TiPlotDataRecordList(sizeof(TiPlotDataCompactInterval))
{
}

void TiPlotDataCompactIntervalList::SetX(int Index, double Value)
{
    if (FCount == 0 || Index != 0)
        throw EiPlotError(SetXText);
    FFirstX = Value;
}

int TiPlotDataCompactIntervalList::Add(double X, double Y, bool, bool)
{
    if (FRingBufferEnabled && FCapacity == 0)
        return -1;
    if (FCount == 0)
        FFirstX = X;
    else if (FCount == 1 && FInterval == -1)
        FInterval = X - FFirstX;
    // A ring of one point also moves on, so it reports the X of the point it holds.
    if (NextAppendWraps() && FInterval != -1)
        FFirstX += FInterval;
    return Append({ToSingle(Y)});
}

void TiPlotDataCompactIntervalList::Clear()
{
    TiPlotDataCustomList::Clear();
    FInterval = -1;
}

void TiPlotDataCompactIntervalList::DeletePoints(int Size)
{
    DeleteOldest(Size, true, iPlotDataText::DeleteSizeOutOfRange);
    FFirstX += Size * FInterval;
}

void TiPlotDataCompactIntervalList::GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const
{
    Y = At(Index).Y;
    X = GetX(Index);
    Null = false;
    Empty = false;
}
