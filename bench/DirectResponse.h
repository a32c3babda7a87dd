#pragma once
// The plain reference the benchmarks measure against: the response formulas
// evaluated directly, point by point, with every angle and every sine and
// cosine computed where it is used, as a straightforward implementation would.

#include <span>

#include "response/BiquadDesign.h"
#include "response/CurvePoint.h"
#include "response/FrequencyGrid.h"

namespace qx::bench {

void directBiquadCurve(const BiquadSettings& stage, PlotView view, Curve& curve);
// Magnitude: 20 log10 |S(w)|; phase: the phase of S(w / 2), doubled.
void directFirCurve(std::span<const double> taps, PlotView view, Curve& curve);
// The same sum without a sine or cosine per tap: e^(-i k w) is the previous
// tap's phasor turned by e^(-i w), the way a direct sum is usually written.
void directFirCurvePhasor(std::span<const double> taps, PlotView view, Curve& curve);
// Sections 0-32 added point by point into the total, wrapped in phase view.
void directSum(std::span<const Curve> sections, PlotView view, Curve& total);

// Points of a magnitude reference below this are not compared: there a
// direct double sum no longer resolves 0.01 dB (rounding k w to a double
// alone moves a -224 dB point of a 1024-tap design by 0.04 dB, against an
// extended-precision sum). The tests check those points in extended precision.
inline constexpr double kResolvedDb = -200.0;

// Largest difference of a curve from its reference; in phase view the
// distance is taken around the circle (36 units a turn).
double maxDifference(CurveView curve, CurveView reference, PlotView view);

} // namespace qx::bench
