#pragma once
// The tick calculation of an axis as plain value code: from the scale, the number of major
// intervals whose labels fit, and the wanted start and increment, it chooses the increment
// (1-2-5 steps, 32nds, calendar units, or decades on a logarithmic scale) and lists the
// major and minor ticks on the scale, each major with its label. At most about 5000 ticks:
// a runaway list becomes one tick in the middle.

#include "controls/plot/base/iPlotAxisScale.h"
#include "controls/plot/base/iPlotTextFormat.h"

#include <functional>
#include <string>
#include <vector>

enum TiPlotTickType { ipttMajor, ipttMinor };

/// One tick: its kind, its value, its pixel (refreshed before drawing), the label of a
/// major tick and whether it lies on the scale.
struct TiPlotTickObject
{
    TiPlotTickType TickType = ipttMajor;
    double Position = 0;
    int PositionPixels = 0;
    std::string Text;
    bool Show = false;
};

/// Most ticks a calculation lists before it gives up for one tick in the middle.
inline constexpr int kMaxPlotTicks = 5000;

struct TiPlotTickSettings
{
    /// The most major intervals whose labels fit along the axis (see MaxMajorIntervals).
    int MaxIntervals = 1;
    double DesiredStart = 0;
    double DesiredIncrement = 0;
    bool LabelsVisible = true;
    /// Minor ticks between two majors; below 0 counts as 0, above kMaxPlotTicks as that.
    int MinorCount = 1;
    /// Picks the increment rule: date-time, 32nds, or 1-2-5 for every other style.
    TiPlotTextFormat FormatStyle = iptfValue;
};

struct TiPlotTickList
{
    std::vector<TiPlotTickObject> Ticks;
    double MajorIncrement = 0;
    double MinorIncrement = 0;
    bool MonthMode = false;
    bool YearMode = false;
};

using TiPlotLabelText = std::function<std::string(double Value)>;

/// Trunc(AxisLengthPixels / LabelPitch), the pitch taken as at least 1 and the result as
/// at least 1.
int MaxMajorIntervals(int AxisLengthPixels, int LabelPitch);

/// Lists the ticks of Scale into Result (emptied first). Month and year steps hold Min
/// within the calendar and Span within 100 years, writing them into Scale directly. The
/// labels of majors come from LabelText. Every tick's Show and pixel are refreshed at the
/// end, also when a calendar step raises.
void CalcTickList(TiPlotAxisScale& Scale, const TiPlotTickSettings& Settings, const TiPlotLabelText& LabelText,
                  TiPlotTickList& Result);

/// Show = on the scale; a shown tick gets its pixel.
void RefreshTickPixels(const TiPlotAxisScale& Scale, std::vector<TiPlotTickObject>& Ticks);
