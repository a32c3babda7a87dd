#pragma once
// The response curves of the channel graphs, rebuilt from the unit view
// after the whole record has been shown, and the bypass text over a graph.

#include "model/UnitView.h"

#include <span>

class Plot;
class LMyFFTDrawHpLp6dB;

namespace qx {

// Sets the channel's PEQ sections and its FIR section (30 for an output, 31
// for an input), sums them and redraws the channel's graph. A coefficient
// FIR takes the first curve.fir.coefficients values of the buffer.
void drawChannelCurve(Plot& plot, int channel, const ChannelCurve& curve, std::span<const float> buffer);

// Writes "BYPASS" over a response graph, or removes it at the next redraw
// when bypassed is false.
void showBypassText(LMyFFTDrawHpLp6dB& graph, bool bypassed);

} // namespace qx
