#pragma once
// TiPlotDataCompactList: the compact point store, 8 bytes a point: X and Y narrowed to
// single precision, no flags (a null or empty point added here is an ordinary point).

#include "controls/plot/objects/iPlotDataCustomList.h"

struct TiPlotDataSingle
{
    float X;
    float Y;
};
static_assert(sizeof(TiPlotDataSingle) == 8);

class TiPlotDataCompactList : public TiPlotDataRecordList<TiPlotDataSingle>
{
public:
    TiPlotDataCompactList();

    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    void SetX(int Index, double Value) override { At(Index).X = ToSingle(Value); }
    void SetY(int Index, double Value) override { At(Index).Y = ToSingle(Value); }

    int Add(double X, double Y, bool Null, bool Empty) override;
    /// Size below 0 or not below Count raises "Delete size out of Range".
    void DeletePoints(int Size) override;
    void GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const override;
};
