#include "response/FirResponse.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/SharedConstants.h"

namespace qx {
namespace {

// Grid points evaluated together; independent lanes let the compiler
// vectorise the recurrence and hide its latency.
constexpr int kLanes = 32;

struct Lanes
{
    std::array<double, kLanes> lambda{};
    std::array<double, kLanes> b{};
    std::array<double, kLanes> d{};
};

// The recurrence b_k = x_k + 2 cos(w) b_(k+1) - b_(k+2) from the last tap
// down, carried as b and d = b_k - b_(k+1) (or b_k + b_(k+1) near pi).
template <bool NearPi>
void runRecurrence(std::span<const double> taps, Lanes& lanes)
{
    lanes.b.fill(0.0);
    lanes.d.fill(0.0);
    for (auto k = taps.size(); k-- > 0;) {
        const double x = taps[k];
        for (int p = 0; p < kLanes; ++p) {
            const auto at = static_cast<std::size_t>(p);
            if constexpr (NearPi) {
                lanes.d[at] = x + lanes.lambda[at] * lanes.b[at] - lanes.d[at];
                lanes.b[at] = lanes.d[at] - lanes.b[at];
            } else {
                lanes.d[at] = x + lanes.lambda[at] * lanes.b[at] + lanes.d[at];
                lanes.b[at] = lanes.d[at] + lanes.b[at];
            }
        }
    }
}

// Points first..last-1, all on the same side of pi / 2, in batches of
// kLanes; a short last batch repeats its final point.
template <bool NearPi>
void evaluateRange(std::span<const double> taps, const GoertzelTerms& terms, int first, int last,
                   std::span<double, kGridSize> re, std::span<double, kGridSize> im)
{
    Lanes lanes;
    for (int start = first; start < last; start += kLanes) {
        for (int p = 0; p < kLanes; ++p) {
            lanes.lambda[static_cast<std::size_t>(p)] =
                terms.lambda[static_cast<std::size_t>(std::min(start + p, last - 1))];
        }
        runRecurrence<NearPi>(taps, lanes);
        for (int p = 0; p < kLanes && start + p < last; ++p) {
            const auto lane = static_cast<std::size_t>(p);
            const auto at = static_cast<std::size_t>(start + p);
            // S = b_0 - e^(jw) b_1, written with d_0 and lambda.
            const double b1 = NearPi ? lanes.d[lane] - lanes.b[lane] : lanes.b[lane] - lanes.d[lane];
            re[at] = lanes.d[lane] - 0.5 * lanes.lambda[lane] * b1;
            im[at] = -terms.sine[at] * b1;
        }
    }
}

} // namespace

void EvaluateFirSum(std::span<const double> taps, const GoertzelTerms& terms, std::span<double, kGridSize> re,
                    std::span<double, kGridSize> im)
{
    evaluateRange<false>(taps, terms, 0, terms.nearPiStart, re, im);
    evaluateRange<true>(taps, terms, terms.nearPiStart, kGridSize, re, im);
}

int ComputeFirResponse(std::span<const double> taps, PlotView view, Curve& curve)
{
    const FrequencyGrid& grid = frequencyGrid();
    std::array<double, kGridSize> re{};
    std::array<double, kGridSize> im{};
    const bool phase = view == PlotView::Phase;
    EvaluateFirSum(taps, phase ? grid.half : grid.full, re, im);
    CurvePointGuard guard;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        curve[i] = phase ? guard.PrincipalPhase(re[i], im[i], kPhaseDisplayFactor) * 2.0
                         : guard.Decibels(std::sqrt(re[i] * re[i] + im[i] * im[i]));
    }
    return guard.Replaced();
}

} // namespace qx
