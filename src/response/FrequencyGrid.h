#pragma once
// The 4096-point logarithmic frequency grid that every response curve is
// computed on, with the trigonometric terms that do not depend on a filter.
// Built once; the values are exactly those a direct evaluation of the grid's
// formula gives, so caching them changes no result.

#include <array>
#include <span>

namespace qx {

inline constexpr int kGridSize = 4096;
inline constexpr double kSampleRate = 48000.0;
inline constexpr double kNyquist = 24000.0;

using Curve = std::array<double, kGridSize>;
// A read-only view of a curve, valid as long as its owner.
using CurveView = std::span<const double, kGridSize>;

// Terms of the Goertzel recurrence with Reinsch's modification for one set
// of angles. Points below nearPiStart have cos(angle) >= 0 and use
// lambda = -4 sin^2(angle / 2); from nearPiStart on, lambda = 4 cos^2(angle / 2).
struct GoertzelTerms
{
    std::array<double, kGridSize> lambda{};
    std::array<double, kGridSize> sine{};
    int nearPiStart = kGridSize;
};

struct FrequencyGrid
{
    // f(i) = 10^(log10(24000) i / 4096) Hz: f(0) = 1 Hz, f(4095) just under 24 kHz.
    std::array<double, kGridSize> frequency{};
    // w(i) = pi f(i) / 24000 radians per sample.
    std::array<double, kGridSize> angle{};
    // cos(-w), sin(-w), cos(-2w), sin(-2w) of every point.
    std::array<double, kGridSize> cos1{};
    std::array<double, kGridSize> sin1{};
    std::array<double, kGridSize> cos2{};
    std::array<double, kGridSize> sin2{};
    // Recurrence terms at the full angle w and at half of it.
    GoertzelTerms full;
    GoertzelTerms half;
};

const FrequencyGrid& frequencyGrid();

// The grid's x unit of a frequency: 4096 log10(f) / log10(24000), so grid
// point i sits at x = i. A frequency at or below 0 (or NaN) maps to the x of
// the smallest positive double, far left of any graph, so it stays finite.
double logFrequencyIndex(double hz);

} // namespace qx
