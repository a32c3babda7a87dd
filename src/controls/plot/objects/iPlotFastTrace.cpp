#include "controls/plot/objects/iPlotFastTrace.h"

void TiPlotFastTrace::Begin(const Key& K)
{
    FKey = K;
    FValid = false;
    FA.Clear();
    FB.Clear();
    FC.Clear();
    FColumns.clear();
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
    FRunOpen = false;
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
        // C is appended as the next flush's A; the line B-C joins them then.
        FConnections += !FC.Empty;
    }
}

void TiPlotFastTrace::AppendColumn(const TiPlotMinMaxPoint& Column)
{
    if (!FRunOpen) {
        FRuns.push_back(static_cast<int>(FColumns.size()));
        FRunOpen = true;
    }
    FColumns.push_back({Column.XValue, Column.YFirst, Column.YMin, Column.YMax, Column.YLast});
}
