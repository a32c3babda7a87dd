#pragma once
// TiPlotFastTrace: a straight-line trace with many more points than pixel columns, reduced to
// at most one vertical line (the column's Y range) and one connecting line per pixel column.
// Points are gathered into columns A, B and C; a flush draws A's and B's ranges and the lines
// A-B and B-C. The result is kept as paths in data units (each column's first, lowest, highest
// and last Y at the column's first X), which cover exactly the pixels of those lines, so a
// redraw with the same points and the same column map draws the paths without the walk.

#include "controls/plot/base/iClasses.h"

#include <vector>

struct TiPlotFastTracePoint
{
    double X = 0;
    double Y = 0;
    bool operator==(const TiPlotFastTracePoint&) const = default;
};

class TiPlotFastTrace
{
public:
    /// What the reduction depends on besides the points: the draw range and the X axis's map.
    struct Key
    {
        unsigned long long Revision = 0;
        int Start = -1;
        int Stop = -1;
        double Min = 0;
        double Span = 0;
        int MinPixels = 0;
        int MaxPixels = 0;
        int ScaleType = 0;
        bool operator==(const Key&) const = default;
    };

    bool Matches(const Key& K) const { return FValid && K == FKey; }
    void Invalidate() { FValid = false; }

    /// Starts a new reduction for K.
    void Begin(const Key& K);
    /// A null point: flushes and breaks the trace.
    void AddNull();
    /// A valid point whose X falls on pixel column Column.
    void AddPoint(double X, double Y, int Column);
    /// Flushes what is left; the reduction is then kept for K.
    void End();

    /// The paths: points [RunStart(i), RunStart(i + 1)) form one unbroken polyline.
    const std::vector<TiPlotFastTracePoint>& Points() const { return FPoints; }
    int RunCount() const { return static_cast<int>(FRuns.size()); }
    int RunStart(int Run) const { return FRuns[Run]; }
    int RunStop(int Run) const { return Run + 1 < RunCount() ? FRuns[Run + 1] : static_cast<int>(FPoints.size()); }
    /// The lines the reduction stands for.
    int VerticalLines() const { return FVerticals; }
    int ConnectingLines() const { return FConnections; }

private:
    void Flush();
    /// Appends one column's path: its first, extreme and last values at the column's X.
    void AppendColumn(const TiPlotMinMaxPoint& Column);
    void Append(double X, double Y);
    void BreakRun();

    TiPlotMinMaxPoint FA, FB, FC;
    /// The column whose path ends the current run (its last Y is where the next one joins).
    bool FRunOpen = false;
    std::vector<TiPlotFastTracePoint> FPoints;
    std::vector<int> FRuns;
    int FVerticals = 0;
    int FConnections = 0;
    Key FKey;
    bool FValid = false;
};
