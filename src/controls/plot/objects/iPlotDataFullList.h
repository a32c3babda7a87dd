#pragma once
// TiPlotDataFullList: the full-feature point store, 144 bytes a point. Each point keeps X,
// Y, its null and empty flags, high, low, open and close, and all twenty drawing
// attributes, which start as the channel's stored defaults.

#include "controls/plot/objects/iPlotDataCustomList.h"

struct TiPlotDataFull
{
    double X;
    double Y;
    bool Null;
    bool Empty;
    double High;
    double Low;
    double Open;
    double Close;
    TiPlotPointAttributes Attributes;
};
static_assert(sizeof(TiPlotDataFull) == 144);

class TiPlotDataFullList : public TiPlotDataRecordList<TiPlotDataFull>
{
public:
    TiPlotDataFullList();

    double GetX(int Index) const override { return At(Index).X; }
    double GetY(int Index) const override { return At(Index).Y; }
    bool GetEmpty(int Index) const override { return At(Index).Empty; }
    bool GetNull(int Index) const override { return At(Index).Null; }
    double GetHigh(int Index) const override { return At(Index).High; }
    double GetLow(int Index) const override { return At(Index).Low; }
    double GetOpen(int Index) const override { return At(Index).Open; }
    double GetClose(int Index) const override { return At(Index).Close; }
    void SetX(int Index, double Value) override { At(Index).X = Value; }
    void SetY(int Index, double Value) override { At(Index).Y = Value; }
    void SetEmpty(int Index, bool Value) override { At(Index).Empty = Value; }
    void SetNull(int Index, bool Value) override { At(Index).Null = Value; }
    void SetHigh(int Index, double Value) override { At(Index).High = Value; }
    void SetLow(int Index, double Value) override { At(Index).Low = Value; }
    void SetOpen(int Index, double Value) override { At(Index).Open = Value; }
    void SetClose(int Index, double Value) override { At(Index).Close = Value; }

#define QX_PLOT_FULL_ACCESSORS(Name, Type)                                                                           \
    Type Get##Name(int Index) const override { return At(Index).Attributes.Name; }                                   \
    void Set##Name(int Index, Type Value) override { At(Index).Attributes.Name = Value; }
    QX_PLOT_POINT_ATTRIBUTES(QX_PLOT_FULL_ACCESSORS)
#undef QX_PLOT_FULL_ACCESSORS

    /// High, low, open and close start at 0, the attributes as stored, the marker
    /// character at #0.
    int Add(double X, double Y, bool Null, bool Empty) override;
    /// Size below 0 or not below Count raises "Delete Size Out Of Range".
    void DeletePoints(int Size) override;
    void GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const override;

    static constexpr const char* DeleteSizeText = "Delete Size Out Of Range";
};
