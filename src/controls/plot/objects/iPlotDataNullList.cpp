#include "controls/plot/objects/iPlotDataNullList.h"

TiPlotDataNullList::TiPlotDataNullList() : TiPlotDataRecordList(sizeof(TiPlotDataNull)) {}

TiPlotMarkerStyle TiPlotDataNullList::GetMarkerStyle(int Index) const
{
    return static_cast<TiPlotMarkerStyle>((At(Index).Extra & kStyleMask) >> kStyleShift);
}

void TiPlotDataNullList::SetMarkerStyle(int Index, TiPlotMarkerStyle Value)
{
    std::uint16_t& extra = At(Index).Extra;
    extra = static_cast<std::uint16_t>((extra & ~kStyleMask) | ((static_cast<unsigned>(Value) << kStyleShift) & kStyleMask));
}

void TiPlotDataNullList::SetFlag(int Index, std::uint16_t Bit, bool Value)
{
    std::uint16_t& extra = At(Index).Extra;
    extra = static_cast<std::uint16_t>(Value ? (extra | Bit) : (extra & ~Bit));
}

int TiPlotDataNullList::Add(double X, double Y, bool Null, bool Empty)
{
    const unsigned style = (static_cast<unsigned>(FStored.MarkerStyle) & 0xF) << kStyleShift;
    const auto extra = static_cast<std::uint16_t>(style | (FStored.MarkerVisible ? kMarkerVisible : 0) |
                                                  (Empty ? kEmpty : 0) | (Null ? kNull : 0));
    return Append({X, Y, extra});
}

void TiPlotDataNullList::DeletePoints(int Size) { DeleteOldest(Size, false, iPlotDataText::DeleteSizeOutOfRange); }

void TiPlotDataNullList::GetXYEmptyNull(int Index, double& X, bool& Null, bool& Empty, double& Y) const
{
    const TiPlotDataNull& point = At(Index);
    X = point.X;
    Y = point.Y;
    Null = (point.Extra & kNull) != 0;
    Empty = (point.Extra & kEmpty) != 0;
}
