#pragma once
// The response curves of the channel graphs, rebuilt from plain settings
// after the whole model has been shown. Kept free of the model's record
// types: the response layer has its own FIR settings type, and no source
// file may see both.

#include <span>
#include <vector>

class Plot;
class TControl;

namespace qx {

// One PEQ band as the response model takes it.
struct CurveBand
{
    double gainDb = 0.0;
    double frequencyHz = 1000.0;
    double q = 0.71;
    int filterCode = 10; // 10: bypassed, a flat section
};

// The FIR section of a channel: flat, a designed filter or a coefficient list.
struct CurveFir
{
    enum class Kind { Flat, Designed, Coefficients };
    Kind kind = Kind::Flat;
    int type = 0;   // design type 1-3
    int window = 0; // 0-10
    double lowCutHz = 0.0;
    double highCutHz = 0.0;
    int taps = 0;
    std::span<const float> coefficients;
};

struct ChannelCurve
{
    std::vector<CurveBand> bands;
    CurveFir fir;
};

// Sets the channel's PEQ sections and its FIR section (30 for an output, 31
// for an input), sums them and redraws the channel's graph.
void drawChannelCurve(Plot& plot, int channel, const ChannelCurve& curve);

// Writes "BYPASS" over a response graph, or removes it at the next redraw
// when bypassed is false. Does nothing unless graph is a response graph.
void showBypassText(TControl* graph, bool bypassed);

} // namespace qx
