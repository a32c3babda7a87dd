#pragma once
// TiPlotFastTrace: a straight-line trace with many more points than pixel columns, reduced to
// at most one vertical line (the column's Y range) and one connecting line per pixel column.
// Points are gathered into columns A, B and C; a flush draws A's and B's ranges and the lines
// A-B and B-C. The result is kept as runs of columns in data units (each column's first X and
// its first, lowest, highest and last Y), so a redraw with the same points and the same column
// map draws the columns without walking the points again.

#include "controls/plot/base/iClasses.h"

#include <vector>

/// One pixel column of a trace: its first X and its first, lowest, highest and last Y.
struct TiPlotFastTraceColumn
{
    double X = 0;
    double First = 0;
    double Min = 0;
    double Max = 0;
    double Last = 0;
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

    /// The columns: [RunStart(i), RunStop(i)) form one unbroken trace, joined column to column.
    const std::vector<TiPlotFastTraceColumn>& Columns() const { return FColumns; }
    int RunCount() const { return static_cast<int>(FRuns.size()); }
    int RunStart(int Run) const { return FRuns[static_cast<std::size_t>(Run)]; }
    int RunStop(int Run) const
    {
        return Run + 1 < RunCount() ? FRuns[static_cast<std::size_t>(Run) + 1] : static_cast<int>(FColumns.size());
    }
    /// The lines the reduction stands for.
    int VerticalLines() const { return FVerticals; }
    int ConnectingLines() const { return FConnections; }

private:
    void Flush();
    void AppendColumn(const TiPlotMinMaxPoint& Column);

    TiPlotMinMaxPoint FA, FB, FC;
    bool FRunOpen = false;
    std::vector<TiPlotFastTraceColumn> FColumns;
    std::vector<int> FRuns;
    int FVerticals = 0;
    int FConnections = 0;
    Key FKey;
    bool FValid = false;
};
