#pragma once
// Response of a tap list over the frequency grid.
//
// S(w) = sum over k < N of tap[k] e^(-j k w) is evaluated with the Goertzel
// recurrence in Reinsch's form (stable near w = 0 and w = pi) over blocks of
// taps joined by exact phasors, many grid points at a time: about four
// operations per tap and point instead of a sine and a cosine, within a few
// dozen rounding units of the direct sum relative to the sum of |taps|.
// Lists of up to 4097 taps.

#include <span>

#include "response/CurvePoint.h"
#include "response/FrequencyGrid.h"

namespace qx {

// re[i] + j im[i] = S at each angle of the terms' grid (full or half
// angles); taps beyond 4097 are left out.
void evaluateFirSum(std::span<const double> taps, const GoertzelTerms& terms, std::span<double, kGridSize> re,
                    std::span<double, kGridSize> im);

// Magnitude view: 20 log10 |S(w)|. Phase view: the phase of S at half the
// angle, doubled: for a linear-phase list the true phase wrapped into
// -18..18 (units of 10 degrees). Returns the count of points without a
// finite value.
int computeFirResponse(std::span<const double> taps, PlotView view, Curve& curve);

} // namespace qx
