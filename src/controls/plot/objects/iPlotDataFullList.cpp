#include "controls/plot/objects/iPlotDataFullList.h"

TiPlotDataFullList::TiPlotDataFullList() : TiPlotDataRecordList(sizeof(TiPlotDataFull)) {}

int TiPlotDataFullList::Add(double X, double Y, bool Null, bool Empty)
{
    TiPlotDataFull point{X, Y, Null, Empty, 0, 0, 0, 0, FStored};
    point.Attributes.MarkerCharacter = u'\0';
    return Append(point);
}

void TiPlotDataFullList::DeletePoints(int Size) { DeleteOldest(Size, false, DeleteSizeText); }

void TiPlotDataFullList::GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const
{
    const TiPlotDataFull& point = At(Index);
    X = point.X;
    Y = point.Y;
    Null = point.Null;
    Empty = point.Empty;
}
