#include "controls/plot/objects/iPlotFastTrace.h"

#include <array>

void TiPlotFastTrace::Begin(const Key& K)
{
    FKey = K;
    FValid = false;
    FA.Clear();
    FB.Clear();
    FC.Clear();
    FPoints.clear();
    FRuns.clear();
    FRunOpen = false;
    FVerticals = FConnections = 0;
}

void TiPlotFastTrace::AddNull()
{
    Flush();
    FA.Clear();
    FB.Clear();
    FC.Clear();
    BreakRun();
}

void TiPlotFastTrace::AddPoint(double X, double Y, int Column)
{
    if (FA.Empty || Column == FA.XPixels) {
        FA.AddData(X, Y, Column);
    } else if (FB.Empty || Column == FB.XPixels) {
        FB.AddData(X, Y, Column);
    } else {
        FC.AddData(X, Y, Column);
        Flush();
        FA = FC;
        FB.Clear();
        FC.Clear();
    }
}

void TiPlotFastTrace::End()
{
    Flush();
    FValid = true;
}

void TiPlotFastTrace::Flush()
{
    if (!FA.Empty) {
        FVerticals += FA.YMin != FA.YMax;
        AppendColumn(FA);
    }
    if (!FB.Empty) {
        FVerticals += FB.YMin != FB.YMax;
        if (!FA.Empty)
            ++FConnections;
        AppendColumn(FB);
        if (!FC.Empty) {
            ++FConnections;
            Append(FC.XValue, FC.YFirst);
        }
    }
}

void TiPlotFastTrace::AppendColumn(const TiPlotMinMaxPoint& Column)
{
    // Both orders cover the column's whole range; the one with fewer corners is kept.
    const std::array<double, 4> low{Column.YFirst, Column.YMin, Column.YMax, Column.YLast};
    const std::array<double, 4> high{Column.YFirst, Column.YMax, Column.YMin, Column.YLast};
    auto corners = [](const std::array<double, 4>& Path) {
        int n = 1;
        for (int i = 1; i < 4; ++i)
            n += Path[i] != Path[i - 1];
        return n;
    };
    for (double y : corners(high) < corners(low) ? high : low)
        Append(Column.XValue, y);
}

void TiPlotFastTrace::Append(double X, double Y)
{
    const TiPlotFastTracePoint point{X, Y};
    if (!FRunOpen) {
        FRuns.push_back(static_cast<int>(FPoints.size()));
        FRunOpen = true;
    } else if (FPoints.back() == point) {
        return;
    }
    FPoints.push_back(point);
}

void TiPlotFastTrace::BreakRun() { FRunOpen = false; }
