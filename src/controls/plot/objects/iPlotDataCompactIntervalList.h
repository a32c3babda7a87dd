#pragma once
// TiPlotDataCompactIntervalList: the compact-interval point store, 4 bytes a point. Only Y
// is kept (single precision); X is the first point's X plus the index times a fixed
// interval, learnt from the first two points and kept until Clear.

#include "controls/plot/objects/iPlotDataCustomList.h"

struct TiPlotDataCompactInterval
{
    float Y;
};
static_assert(sizeof(TiPlotDataCompactInterval) == 4);

class TiPlotDataCompactIntervalList : public TiPlotDataRecordList<TiPlotDataCompactInterval>
{
public:
    TiPlotDataCompactIntervalList();

    /// Index times the interval plus the first X, without a range test.
    double GetX(int Index) const override { return Index * FInterval + FFirstX; }
    double GetY(int Index) const override { return At(Index).Y; }
    /// Only the first X can be set (moving every point); anything else raises
    /// "Data Style does not support setting individual X-Value with the exception of the
    /// first X-Value".
    void SetX(int Index, double Value) override;
    void SetY(int Index, double Value) override { At(Index).Y = ToSingle(Value); }

    /// The first point sets the first X, the second the interval; a full ring buffer
    /// moves the first X on by one interval as it overwrites the oldest point.
    int Add(double X, double Y, bool Null, bool Empty) override;
    void Clear() override;
    /// Size below 0 or above Count raises "Delete size out of Range"; the first X moves on
    /// by Size intervals, so the remaining points keep their X.
    void DeletePoints(int Size) override;
    void GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const override;

    double Interval() const { return FInterval; }
    double FirstX() const { return FFirstX; }

    static constexpr const char* SetXText =
        "Data Style does not support setting individual X-Value with the exception of the first X-Value";

private:
    double FInterval = -1;
    double FFirstX = 0;
};
