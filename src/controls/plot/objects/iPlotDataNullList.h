#pragma once
// TiPlotDataNullList: the standard point store, 24 bytes a point. Each point keeps X, Y and
// one flag word packing null, empty, marker visibility and marker style; every other
// drawing attribute is the channel's stored default.

#include "controls/plot/objects/iPlotDataCustomList.h"

/// One point of the standard store; Extra: bit 0 null, bit 1 empty, bit 2 marker visible,
/// bits 3..6 the marker style.
struct TiPlotDataNull
{
    double X;
    double Y;
    std::uint16_t Extra;
};
static_assert(sizeof(TiPlotDataNull) == 24);

class TiPlotDataNullList : public TiPlotDataRecordList<TiPlotDataNull>
{
public:
    TiPlotDataNullList();

    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return (At(Index).Extra & kEmpty) != 0; }
    bool GetNull(int Index) const override { return (At(Index).Extra & kNull) != 0; }
    bool GetMarkerVisible(int Index) const override { return (At(Index).Extra & kMarkerVisible) != 0; }
    TiPlotMarkerStyle GetMarkerStyle(int Index) const override;
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { SetFlag(Index, kEmpty, Value); }
    void SetNull(int Index, bool Value) override { SetFlag(Index, kNull, Value); }
    void SetMarkerVisible(int Index, bool Value) override { SetFlag(Index, kMarkerVisible, Value); }
    void SetMarkerStyle(int Index, TiPlotMarkerStyle Value) override;

    int Add(double X, double Y, bool Null, bool Empty) override;
    /// Size below 0 or not below Count raises "Delete size out of Range".
    void DeletePoints(int Size) override;
    void GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const override;

    /// The flag word of a point (for tests and files).
    std::uint16_t GetExtra(int Index) const { return At(Index).Extra; }

private:
    static constexpr std::uint16_t kNull = 1, kEmpty = 2, kMarkerVisible = 4, kStyleShift = 3, kStyleMask = 0x78;
    void SetFlag(int Index, std::uint16_t Bit, bool Value);
};
