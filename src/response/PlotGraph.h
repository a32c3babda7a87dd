#pragma once
// What a Plot draws on: the response graph control. The numerics know the
// graph only through this interface, so they stay free of widgets and can be
// tested and measured without one.

#include <functional>

#include "platform/gui/canvas/Colors.h"
#include "response/GraphEnums.h"

namespace qx {

class PlotGraph
{
public:
    virtual ~PlotGraph() = default;

    // Adds or replaces the series with that plot number (x values 0..count-1);
    // true when the number was there already.
    virtual bool FFTDraw(const double* y, int count, int number, TColor colour, TMyPlotStyle style) = 0;
    virtual bool RemovePlot(int number) = 0;
    // Places band handle `number` at data (x, y); the graph shows it from its next page update.
    virtual void DrawBlock(double y, double x, TColor colour, int number, bool hidden, int kind) = 0;
    // The band parameters a handle's text shows.
    virtual void SetBlockParameter(int number, double frequency, double gain, double q, int filterCode) = 0;
    // The selected band: its text, its filled curve and whether both are shown.
    virtual void DrawParam(int type, double gain, double x, float frequency, double q, TColor colour) = 0;
    virtual void DrawCurveFill(int type, const double* curve, int count) = 0;
    virtual void SetCurveDisplay(bool on) = 0;

    // Series whose drawing can wait. A graph drawn now calls draw at once;
    // one out of sight (another channel's page) keeps it, one per owner, the
    // latest in place of the earlier, and calls it when it is next drawn.
    virtual void OweSeries(const void* /*owner*/, std::function<void()> draw) { draw(); }
    // Calls what the owner left to be drawn, now (an owner going away).
    virtual void PaySeries(const void* /*owner*/) {}
};

} // namespace qx
