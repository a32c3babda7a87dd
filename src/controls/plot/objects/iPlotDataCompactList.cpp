#include "controls/plot/objects/iPlotDataCompactList.h"

TiPlotDataCompactList::TiPlotDataCompactList() : TiPlotDataRecordList(sizeof(TiPlotDataSingle)) {}

int TiPlotDataCompactList::Add(double X, double Y, bool, bool)
{
    return Append({ToSingle(X), ToSingle(Y)});
}

void TiPlotDataCompactList::DeletePoints(int Size) { DeleteOldest(Size, false, iPlotDataText::DeleteSizeOutOfRange); }

void TiPlotDataCompactList::GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const
{
    const TiPlotDataSingle& point = At(Index);
    X = point.X;
    Y = point.Y;
    Null = false;
    Empty = false;
}
