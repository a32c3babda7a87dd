#pragma once
// The bypass text over a response graph.

class LMyFFTDrawHpLp6dB;

namespace qx {

// Writes "BYPASS" over a response graph, or removes it at the next redraw
// when bypassed is false.
void showBypassText(LMyFFTDrawHpLp6dB& graph, bool bypassed);

} // namespace qx
