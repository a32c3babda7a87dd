#pragma once
// Settings and coefficients of a second-order stage at 48 kHz: PEQ bands,
// crossover stages and flat resets. The design (PlotSection::DesignBiquad)
// and the response over the frequency grid live in BiquadDesign.cpp.

namespace qx {

// TPlotFilterCode: the stage a section draws.
enum FilterCode : int
{
    kFilterPeak = 1,
    kFilterLowShelf = 2,
    kFilterHighShelf = 3,
    kFilterHighPass2 = 4,
    kFilterLowPass2 = 5,
    kFilterBandPass = 6,
    kFilterAllPass1 = 7,
    kFilterLowPass1 = 8,
    kFilterHighPass1 = 9,
    kFilterFlat = 10,
    kFilterLowPass1Scaled = 11,
    kFilterLowPass2Damped = 12,
    kFilterLowPass2Prototype = 13,
    kFilterHighPass1Scaled = 14,
    kFilterHighPass2Damped = 15,
    kFilterHighPass2Prototype = 16,
    kFilterAllPass2 = 17,
    kFilterGain = 18,
};

// Damping scale of the two-coefficient crossover stages (codes 13 and 16).
inline constexpr double kPrototypeDampingScale = 0.7344008869083377;

struct BiquadSettings
{
    int filterCode = kFilterHighShelf;
    double frequency = 1000.0; // Hz
    double gain = 0.0;         // dB
    double q = 0.4;
    float a = 0.0F; // prototype coefficients of codes 11-16
    float b = 0.0F;
};

// H(z) = (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + a2 z^-2), a0 = 1.
struct BiquadCoefficients
{
    double b0 = 1.0;
    double b1 = 0.0;
    double b2 = 0.0;
    double a0 = 1.0;
    double a1 = 0.0;
    double a2 = 0.0;
};

inline constexpr BiquadCoefficients kFlatBiquad{};

// Moves a principal phase phi (units of 10 degrees, -9..9) at the given grid
// frequency onto the branch that the stage's curve follows.
double correctBiquadPhase(double phi, const BiquadSettings& stage, double frequency);

} // namespace qx
