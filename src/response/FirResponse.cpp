#include "response/FirResponse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "codec/SharedConstants.h"
#include "response/FirDesign.h"

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
template <bool NearPi> void runRecurrence(std::span<const double> taps, Lanes& lanes)
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

// The taps are taken in blocks of kBlock; each block's sum is run by the
// recurrence from its own first tap and turned into place with an exactly
// computed phasor e^(-j m kBlock w). Rounding then grows with the block
// length instead of the whole list's.
constexpr int kBlock = 128;
constexpr int kMaxBlocks = (kMaxFirTaps + kBlock - 1) / kBlock;

struct BlockPhasors
{
    std::vector<double> re; // [block m][grid point]
    std::vector<double> im;
};

// Powers of e^(-j kBlock w) by repeated multiplication in extended
// precision: thousands of radians of turn stay exact to double precision.
BlockPhasors makePhasors(const std::array<double, kGridSize>& angles, double scale)
{
    BlockPhasors p;
    p.re.resize(static_cast<std::size_t>(kMaxBlocks) * kGridSize);
    p.im.resize(p.re.size());
    for (int i = 0; i < kGridSize; ++i) {
        const long double step =
            -static_cast<long double>(kBlock) * angles[static_cast<std::size_t>(i)] * scale;
        const long double stepRe = std::cos(step);
        const long double stepIm = std::sin(step);
        long double re = 1.0L;
        long double im = 0.0L;
        for (int m = 0; m < kMaxBlocks; ++m) {
            const auto at = static_cast<std::size_t>(m * kGridSize + i);
            p.re[at] = static_cast<double>(re);
            p.im[at] = static_cast<double>(im);
            const long double nextRe = re * stepRe - im * stepIm;
            im = re * stepIm + im * stepRe;
            re = nextRe;
        }
    }
    return p;
}

const BlockPhasors& phasorsFor(const GoertzelTerms& terms)
{
    static const BlockPhasors full = makePhasors(frequencyGrid().angle, 1.0);
    static const BlockPhasors half = makePhasors(frequencyGrid().angle, 0.5);
    return &terms == &frequencyGrid().half ? half : full;
}

// Points first..last-1, all on the same side of pi / 2, in batches of
// kLanes; a short last batch repeats its final point.
template <bool NearPi>
void evaluateRange(std::span<const double> taps, const GoertzelTerms& terms, int first, int last,
                   std::span<double, kGridSize> re, std::span<double, kGridSize> im)
{
    const BlockPhasors& phasors = phasorsFor(terms);
    Lanes lanes;
    std::array<std::size_t, kLanes> points{};
    for (int start = first; start < last; start += kLanes) {
        for (int p = 0; p < kLanes; ++p) {
            points[static_cast<std::size_t>(p)] = static_cast<std::size_t>(std::min(start + p, last - 1));
            lanes.lambda[static_cast<std::size_t>(p)] = terms.lambda[points[static_cast<std::size_t>(p)]];
        }
        std::array<double, kLanes> sumRe{};
        std::array<double, kLanes> sumIm{};
        for (std::size_t begin = 0, m = 0; begin < taps.size(); begin += kBlock, ++m) {
            runRecurrence<NearPi>(taps.subspan(begin, std::min<std::size_t>(kBlock, taps.size() - begin)),
                                  lanes);
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                const std::size_t at = points[lane];
                // S = b_0 - e^(jw) b_1, written with d_0 and lambda.
                const double b1 = NearPi ? lanes.d[lane] - lanes.b[lane] : lanes.b[lane] - lanes.d[lane];
                const double blockRe = lanes.d[lane] - 0.5 * lanes.lambda[lane] * b1;
                const double blockIm = -terms.sine[at] * b1;
                const double pr = phasors.re[m * kGridSize + at];
                const double pi = phasors.im[m * kGridSize + at];
                sumRe[lane] += blockRe * pr - blockIm * pi;
                sumIm[lane] += blockRe * pi + blockIm * pr;
            }
        }
        for (int p = 0; p < kLanes && start + p < last; ++p) {
            re[points[static_cast<std::size_t>(p)]] = sumRe[static_cast<std::size_t>(p)];
            im[points[static_cast<std::size_t>(p)]] = sumIm[static_cast<std::size_t>(p)];
        }
    }
}

} // namespace

void evaluateFirSum(std::span<const double> allTaps, const GoertzelTerms& terms,
                    std::span<double, kGridSize> re, std::span<double, kGridSize> im)
{
    const auto taps = allTaps.first(std::min<std::size_t>(allTaps.size(), kMaxFirTaps));
    evaluateRange<false>(taps, terms, 0, terms.nearPiStart, re, im);
    evaluateRange<true>(taps, terms, terms.nearPiStart, kGridSize, re, im);
}

int computeFirResponse(std::span<const double> taps, PlotView view, Curve& curve)
{
    const FrequencyGrid& grid = frequencyGrid();
    std::array<double, kGridSize> re{};
    std::array<double, kGridSize> im{};
    const bool phase = view == PlotView::Phase;
    evaluateFirSum(taps, phase ? grid.half : grid.full, re, im);
    CurvePointGuard guard;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        curve[i] = phase ? guard.principalPhase(re[i], im[i], kPhaseDisplayFactor) * 2.0
                         : guard.decibels(std::sqrt(re[i] * re[i] + im[i] * im[i]));
    }
    return guard.replaced();
}

} // namespace qx
