// The FIR response against a direct DFT of the taps, closed-form properties
// of designed filters, and the flat fallbacks.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <vector>

#include "response/FirResponse.h"
#include "response/PlotSection.h"

namespace {

using Complex = std::complex<long double>;
const long double kPiL = std::acos(-1.0L);

Complex directDft(const std::vector<double>& taps, long double w)
{
    Complex sum = 0;
    for (std::size_t k = 0; k < taps.size(); ++k) {
        sum += static_cast<long double>(taps[k]) * std::polar(1.0L, -static_cast<long double>(k) * w);
    }
    return sum;
}

long double gridAngle(int i)
{
    return kPiL * std::pow(24000.0L, i / 4096.0L) / 24000.0L;
}

// Every grid point for short lists; for long ones (where the direct sum is
// slow) a spread of points and the ends of the grid.
std::vector<int> checkedPoints(std::size_t tapCount)
{
    std::vector<int> points;
    const int step = tapCount > 100 ? 7 : 1;
    for (int i = 0; i < qx::kGridSize; ++i) {
        if (i % step == 0 || i < 32 || i >= qx::kGridSize - 32) {
            points.push_back(i);
        }
    }
    return points;
}

std::vector<double> randomTaps(std::size_t n, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> taps(n);
    for (double& t : taps) {
        t = static_cast<float>(value(generator));
    }
    return taps;
}

std::vector<double> designed(const qx::FirSettings& design)
{
    std::vector<double> taps;
    EXPECT_TRUE(DesignFirTaps(design, taps));
    taps.resize(static_cast<std::size_t>(design.tapCount));
    return taps;
}

std::vector<double> coefficientCurve(const std::vector<double>& taps, qx::PlotView view)
{
    const std::vector<float> coefficients(taps.begin(), taps.end());
    PlotSection section;
    section.setView(view);
    section.SetFirCoefficients(coefficients);
    EXPECT_EQ(section.nonFinitePoints(), 0);
    return {section.curve().begin(), section.curve().end()};
}

std::vector<double> designCurve(const qx::FirSettings& d, qx::PlotView view)
{
    PlotSection section;
    section.setView(view);
    section.SetFirDesign(d.type, d.window, d.lowCut, d.highCut, d.tapCount);
    return {section.curve().begin(), section.curve().end()};
}

// The sums the curves come from, at every grid point.
TEST(FirResponse, SumsMatchTheDirectDft)
{
    const std::vector<std::vector<double>> lists = {
        {1.0},
        {0.5, -0.25},
        {0.2, 0.6, 0.2},
        randomTaps(5, 1),
        randomTaps(33, 2),
        randomTaps(2048, 3),
        designed({qx::kFirLowPass, 9, 0, 1000, 2048}),
        designed({qx::kFirHighPass, 4, 50, 0, 1023}),
    };
    const qx::FrequencyGrid& grid = qx::frequencyGrid();
    for (const auto& taps : lists) {
        long double scale = 0;
        for (double t : taps) {
            scale += std::fabs(t);
        }
        for (const qx::GoertzelTerms* terms : {&grid.full, &grid.half}) {
            std::array<double, qx::kGridSize> re{};
            std::array<double, qx::kGridSize> im{};
            qx::evaluateFirSum(taps, *terms, re, im);
            for (int i : checkedPoints(taps.size())) {
                // At the grid's own angle: this checks the sum, not the grid.
                const long double angle = grid.angle[static_cast<std::size_t>(i)];
                const long double w = terms == &grid.full ? angle : angle / 2;
                const Complex expected = directDft(taps, w);
                const auto at = static_cast<std::size_t>(i);
                ASSERT_LT(std::abs(Complex(re[at], im[at]) - expected), 1e-13L * scale)
                    << taps.size() << " taps, point " << i;
            }
        }
    }
}

TEST(FirResponse, CurvesMatchTheDirectDftInBothViews)
{
    for (const auto& taps : {randomTaps(2048, 4), randomTaps(17, 5)}) {
        const auto magnitude = coefficientCurve(taps, qx::PlotView::Magnitude);
        const auto phase = coefficientCurve(taps, qx::PlotView::Phase);
        for (int i : checkedPoints(taps.size())) {
            const auto at = static_cast<std::size_t>(i);
            const Complex s = directDft(taps, gridAngle(i));
            ASSERT_NEAR(magnitude[at], static_cast<double>(20 * std::log10(std::abs(s))), 1e-6) << i;
            const Complex half = directDft(taps, gridAngle(i) / 2);
            if (std::fabs(half.real()) > 1e-6L * std::abs(half)) {
                const long double expected = std::atan(half.imag() / half.real()) * 18 / kPiL * 2;
                ASSERT_NEAR(phase[at], static_cast<double>(expected), 1e-6) << i;
            }
        }
    }
}

TEST(FirResponse, ImpulsesAreFlat)
{
    std::vector<double> impulse(2048, 0.0);
    impulse[0] = 1.0;
    for (const auto& taps : {std::vector<double>{1.0}, impulse, std::vector<double>{}}) {
        for (qx::PlotView view : {qx::PlotView::Magnitude, qx::PlotView::Phase}) {
            for (double v : coefficientCurve(taps, view)) {
                ASSERT_EQ(v, 0.0) << taps.size() << " taps";
            }
        }
    }
    for (int window = 0; window < qx::kFirWindowCount; ++window) {
        for (double v : designCurve({qx::kFirImpulse, window, 100, 9000, 512}, qx::PlotView::Magnitude)) {
            ASSERT_EQ(v, 0.0) << window;
        }
    }
}

TEST(FirResponse, DesignsWithNothingToDesignAreFlat)
{
    const qx::FirSettings flat[] = {
        {qx::kFirLowPass, 11, 0, 1000, 256}, {qx::kFirLowPass, -2, 0, 1000, 256}, {7, 0, 0, 1000, 256},
        {qx::kFirLowPass, 0, 0, 1000, 0},    {qx::kFirHighPass, 3, 500, 0, -40},
    };
    for (const auto& d : flat) {
        for (qx::PlotView view : {qx::PlotView::Magnitude, qx::PlotView::Phase}) {
            for (double v : designCurve(d, view)) {
                ASSERT_EQ(v, 0.0) << "type " << d.type << " window " << d.window << " N " << d.tapCount;
            }
        }
    }
}

TEST(FirResponse, LowPassDesignPassesBelowAndHalvesAtItsEdge)
{
    // Rectangular window: the ideal response's ripple; at the edge half the amplitude.
    const auto rect = designCurve({qx::kFirLowPass, 0, 0, 1000, 256}, qx::PlotView::Magnitude);
    const qx::FrequencyGrid& grid = qx::frequencyGrid();
    for (std::size_t i = 0; grid.frequency[i] < 700; ++i) {
        ASSERT_NEAR(rect[i], 0.0, 1.0) << grid.frequency[i];
    }
    const std::size_t edge = 2805;
    const auto hann =
        designCurve({qx::kFirLowPass, 2, 0, grid.frequency[edge], 1023}, qx::PlotView::Magnitude);
    EXPECT_NEAR(hann[edge], 20 * std::log10(0.5), 0.01);
    EXPECT_NEAR(hann[0], 0.0, 1e-3);
    EXPECT_LT(hann[static_cast<std::size_t>(qx::logFrequencyIndex(2000.0))], -60.0);
}

TEST(FirResponse, NuttallAsBuiltLowersThePassBandByTheWindowPeak)
{
    // Window 7 peaks at 0.98 where window 9 peaks at 1.0.
    const auto nuttall = designCurve({qx::kFirLowPass, 7, 0, 5000, 1024}, qx::PlotView::Magnitude);
    const auto sine = designCurve({qx::kFirLowPass, 5, 0, 5000, 1024}, qx::PlotView::Magnitude);
    const auto reference = designCurve({qx::kFirLowPass, 9, 0, 5000, 1024}, qx::PlotView::Magnitude);
    const auto at = static_cast<std::size_t>(qx::logFrequencyIndex(1000.0));
    EXPECT_NEAR(nuttall[at] - reference[at], 20 * std::log10(0.98), 0.01);
    EXPECT_EQ(nuttall, sine);
}

TEST(FirResponse, HighPassDesignStopsBelowAndPassesAbove)
{
    const auto curve = designCurve({qx::kFirHighPass, 10, 1000, 0, 1023}, qx::PlotView::Magnitude);
    EXPECT_LT(curve[static_cast<std::size_t>(qx::logFrequencyIndex(300.0))], -80.0);
    EXPECT_NEAR(curve[static_cast<std::size_t>(qx::logFrequencyIndex(5000.0))], 0.0, 0.01);
}

TEST(FirResponse, DesignPhaseIsTheTruePhaseOfALinearPhaseFilter)
{
    // Odd length: symmetric taps, delay (N - 1) / 2 samples.
    const int n = 255;
    const auto phase = designCurve({qx::kFirLowPass, 2, 0, 3000, n}, qx::PlotView::Phase);
    const qx::FrequencyGrid& grid = qx::frequencyGrid();
    int compared = 0;
    for (std::size_t i = 0; grid.frequency[i] < 2000; ++i) {
        const double truePhase = -grid.angle[i] * (n - 1) / 2 * 18 / std::acos(-1.0);
        const double wrapped = std::remainder(truePhase, 36.0);
        if (std::fabs(std::fabs(wrapped) - 18) > 1e-3) {
            ASSERT_NEAR(phase[i], wrapped, 1e-6) << grid.frequency[i];
            ++compared;
        }
    }
    EXPECT_GT(compared, 2000);
    // The same as the coefficient response of the designed taps.
    const auto taps = designed({qx::kFirLowPass, 2, 0, 3000, n});
    qx::Curve fromTaps{};
    qx::computeFirResponse(taps, qx::PlotView::Phase, fromTaps);
    EXPECT_TRUE(std::equal(fromTaps.begin(), fromTaps.end(), phase.begin()));
}

TEST(FirResponse, EvenDesignLeavesItsLastTapOut)
{
    const auto taps = designed({qx::kFirBandPass, 3, 300, 3000, 256});
    ASSERT_EQ(taps.size(), 256U);
    qx::Curve fromTaps{};
    qx::computeFirResponse(taps, qx::PlotView::Magnitude, fromTaps);
    const auto curve = designCurve({qx::kFirBandPass, 3, 300, 3000, 256}, qx::PlotView::Magnitude);
    EXPECT_TRUE(std::equal(fromTaps.begin(), fromTaps.end(), curve.begin()));
}

TEST(FirResponse, ZeroResponseIsFlooredAndItsPhaseIsZero)
{
    for (qx::PlotView view : {qx::PlotView::Magnitude, qx::PlotView::Phase}) {
        const double expected = view == qx::PlotView::Magnitude ? qx::kMagnitudeFloorDb : 0.0;
        for (double v : designCurve({qx::kFirBandPass, 0, 2000, 2000, 256}, view)) {
            ASSERT_EQ(v, expected);
        }
        for (double v : coefficientCurve(std::vector<double>(100, 0.0), view)) {
            ASSERT_EQ(v, expected);
        }
    }
}

TEST(FirResponse, CoefficientsWithoutValueGiveAFlaggedFlatCurve)
{
    const float bad[] = {0.5F, std::numeric_limits<float>::quiet_NaN(), 0.25F};
    PlotSection section;
    section.SetFirCoefficients(bad);
    EXPECT_EQ(section.nonFinitePoints(), qx::kGridSize);
    for (double v : section.curve()) {
        ASSERT_EQ(v, 0.0);
    }
}

TEST(FirResponse, LongListsAreCutToTheBufferSize)
{
    std::vector<float> coefficients(5000, 0.0F);
    coefficients[0] = 1.0F;
    coefficients[4500] = 1.0F; // beyond 4097 taps: not part of the response
    PlotSection section;
    section.SetFirCoefficients(coefficients);
    EXPECT_EQ(section.fir().tapCount, qx::kMaxFirTaps);
    for (double v : section.curve()) {
        ASSERT_EQ(v, 0.0);
    }
}

} // namespace
