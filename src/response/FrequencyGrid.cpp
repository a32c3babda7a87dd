#include "response/FrequencyGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "codec/SharedConstants.h"

namespace qx {
namespace {

void fillGoertzelTerms(const std::array<double, kGridSize>& angles, GoertzelTerms& terms)
{
    terms.nearPiStart = kGridSize;
    for (int i = 0; i < kGridSize; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const double w = angles[at];
        terms.sine[at] = std::sin(w);
        if (std::cos(w) >= 0.0) {
            const double s = std::sin(w / 2.0);
            terms.lambda[at] = -4.0 * s * s;
        } else {
            if (terms.nearPiStart == kGridSize) {
                terms.nearPiStart = i;
            }
            const double c = std::cos(w / 2.0);
            terms.lambda[at] = 4.0 * c * c;
        }
    }
}

FrequencyGrid makeGrid()
{
    FrequencyGrid grid;
    const double decades = std::log10(kNyquist);
    std::array<double, kGridSize> halfAngles{};
    for (int i = 0; i < kGridSize; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const double f = std::pow(10.0, decades * i / kGridSize);
        const double w = kPi * f / kNyquist;
        grid.frequency[at] = f;
        grid.angle[at] = w;
        grid.cos1[at] = std::cos(-w);
        grid.sin1[at] = std::sin(-w);
        grid.cos2[at] = std::cos(-2.0 * w);
        grid.sin2[at] = std::sin(-2.0 * w);
        halfAngles[at] = w / 2.0;
    }
    fillGoertzelTerms(grid.angle, grid.full);
    fillGoertzelTerms(halfAngles, grid.half);
    return grid;
}

} // namespace

const FrequencyGrid& frequencyGrid()
{
    static const FrequencyGrid grid = makeGrid();
    return grid;
}

double logFrequencyIndex(double hz)
{
    const double f =
        hz > 0.0 ? std::min(hz, std::numeric_limits<double>::max()) : std::numeric_limits<double>::min();
    return kGridSize * std::log10(f) / std::log10(kNyquist);
}

} // namespace qx
