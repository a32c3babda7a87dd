#pragma once
// The total response of a channel's high-pass or low-pass filter on its
// graph: up to five stages of the response model at the cut-off frequency
// (Butterworth, Bessel or Linkwitz-Riley, 6 to 48 dB per octave), summed
// into the side's total section with its handle on the 0 dB line.

class Plot;

namespace qx {

enum class CrossoverSide
{
    LowPass = 0,
    HighPass = 1
};

// The response row of a slope code (0 flat, 1-8 Butterworth, 9-16 Bessel,
// 17-20 Linkwitz-Riley); a code beyond the slope list draws flat.
int crossoverResponseRow(int slopeCode);

// Sets the stage sections 34-38 and the side's total (31 high-pass, 32
// low-pass) of the plot and places the total's handle. The total is the sum
// of the stages, computed when it is first read. The caller sums and redraws.
void computeCrossoverCurve(Plot& plot, CrossoverSide side, int slopeCode, double frequencyHz);

// The side's total flat at 32 kHz, its handle out of sight (FIR view or
// FIR-only mode).
void flattenCrossover(Plot& plot, CrossoverSide side);

} // namespace qx
