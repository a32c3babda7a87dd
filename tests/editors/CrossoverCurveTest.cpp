// The crossover totals on a response model against magnitudes computed here
// from the filter families' definitions: Butterworth poles on the circle,
// Bessel poles from the reverse Bessel polynomial normalised to -3 dB at the
// cut-off, Linkwitz-Riley as two equal Butterworth filters. The drawn stages
// are bilinear-transformed at 48 kHz with prewarping and carry Q 0.71, which
// scales a second-order stage's s coefficient (damping by 1 / (sqrt 2 x
// 0.71), a Bessel stage's by 0.7344008869083377 / 0.71); the reference
// applies the same.

#include "editors/eq/CrossoverCurve.h"
#include "response/FrequencyGrid.h"
#include "response/Plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

using cd = std::complex<double>;
constexpr double kFs = 48000.0;
constexpr double kStageQ = 0.71;
constexpr double kDampedScale = 1.0 / (std::numbers::sqrt2 * kStageQ);
constexpr double kPrototypeScale = 0.7344008869083377 / kStageQ;

// A normalised analog low-pass stage 1 / (1 + a s + b s^2) (b = 0: first order).
struct Stage
{
    double a;
    double b;
};

double stageDb(const Stage& st, cd s) { return -20.0 * std::log10(std::abs(1.0 + st.a * s + st.b * s * s)); }

// Magnitude in dB of the stages at f for cut-off fc, prewarped as the
// bilinear transform maps frequencies; a high-pass replaces s by 1 / s.
double referenceDb(const std::vector<Stage>& stages, double f, double fc, bool highPass)
{
    const double w = std::tan(std::numbers::pi * f / kFs) / std::tan(std::numbers::pi * fc / kFs);
    const cd s = highPass ? 1.0 / cd(0.0, w) : cd(0.0, w);
    double db = 0.0;
    for (const Stage& st : stages)
        db += stageDb(st, s);
    return db;
}

std::vector<Stage> butterworth(int order)
{
    std::vector<Stage> stages;
    if (order % 2)
        stages.push_back({1.0, 0.0});
    for (int k = 1; k <= order / 2; ++k)
        stages.push_back({2.0 * std::sin((2 * k - 1) * std::numbers::pi / (2.0 * order)) * kDampedScale, 1.0});
    return stages;
}

// Roots of the reverse Bessel polynomial of the order (Durand-Kerner).
std::vector<cd> besselPoles(int n)
{
    // c[k] of s^k: (2n - k)! / (2^(n - k) k! (n - k)!).
    std::vector<double> c(static_cast<std::size_t>(n + 1));
    for (int k = 0; k <= n; ++k)
        c[static_cast<std::size_t>(k)] = std::tgamma(2.0 * n - k + 1.0) /
                                         (std::pow(2.0, n - k) * std::tgamma(k + 1.0) * std::tgamma(n - k + 1.0));
    std::vector<cd> z(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        z[static_cast<std::size_t>(i)] = std::pow(cd(0.4, 0.9), i);
    auto p = [&](cd x) {
        cd v = 0.0;
        for (int k = n; k >= 0; --k)
            v = v * x + c[static_cast<std::size_t>(k)] / c[static_cast<std::size_t>(n)];
        return v;
    };
    for (int iter = 0; iter < 500; ++iter)
        for (int i = 0; i < n; ++i) {
            cd d = 1.0;
            for (int j = 0; j < n; ++j)
                if (j != i)
                    d *= z[static_cast<std::size_t>(i)] - z[static_cast<std::size_t>(j)];
            z[static_cast<std::size_t>(i)] -= p(z[static_cast<std::size_t>(i)]) / d;
        }
    return z;
}

// Bessel stages normalised so that the whole filter is 3.0103 dB down at 1.
std::vector<Stage> bessel(int n)
{
    const std::vector<cd> poles = besselPoles(n);
    auto stagesAt = [&](double scale) {
        std::vector<Stage> stages;
        for (const cd& p : poles) {
            const cd q = p / scale;
            if (std::abs(q.imag()) < 1e-9)
                stages.push_back({-1.0 / q.real(), 0.0});
            else if (q.imag() > 0)
                stages.push_back({-2.0 * q.real() / std::norm(q), 1.0 / std::norm(q)});
        }
        return stages;
    };
    double lo = 0.1;
    double hi = 10.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = std::sqrt(lo * hi);
        double db = 0.0;
        for (const Stage& st : stagesAt(mid))
            db += stageDb(st, cd(0.0, 1.0));
        (db < -10.0 * std::log10(2.0) ? hi : lo) = mid;
    }
    std::vector<Stage> stages = stagesAt(lo);
    for (Stage& st : stages)
        if (st.b != 0.0)
            st.a *= kPrototypeScale;
    return stages;
}

std::vector<Stage> twice(std::vector<Stage> half)
{
    std::vector<Stage> both = half;
    both.insert(both.end(), half.begin(), half.end());
    return both;
}

// The slope list's order (slope codes 1-20) and the family each stands for.
std::vector<Stage> referenceStages(int code)
{
    static const std::vector<std::pair<char, int>> kList = {
        {'W', 1}, {'B', 1}, {'W', 2}, {'B', 2}, {'L', 2}, {'W', 3}, {'B', 3}, {'W', 4}, {'B', 4}, {'L', 4},
        {'W', 5}, {'B', 5}, {'W', 6}, {'B', 6}, {'L', 6}, {'W', 7}, {'B', 7}, {'W', 8}, {'B', 8}, {'L', 8}};
    const auto [family, order] = kList[static_cast<std::size_t>(code - 1)];
    if (family == 'W')
        return butterworth(order);
    if (family == 'B')
        return bessel(order);
    return twice(butterworth(order / 2));
}

double curveDbAt(const Plot& plot, int section, double f)
{
    const auto x = static_cast<std::size_t>(std::lround(qx::kGridSize * std::log10(f) / std::log10(24000.0)));
    return plot.curve(section)[x];
}

double gridFrequency(std::size_t i) { return std::pow(24000.0, static_cast<double>(i) / qx::kGridSize); }

TEST(CrossoverCurveTest, EverySlopeMatchesItsFamilyWithinAHundredthOfADecibel)
{
    for (const bool highPass : {true, false})
        for (const double fc : {80.0, 1000.0, 8000.0})
            for (int code = 1; code <= 20; ++code) {
                Plot plot;
                const auto side = highPass ? qx::CrossoverSide::HighPass : qx::CrossoverSide::LowPass;
                qx::computeCrossoverCurve(plot, side, code, fc);
                const int total = highPass ? Plot::kHighPassSection : Plot::kLowPassSection;
                const auto stages = referenceStages(code);
                double worst = 0.0;
                for (std::size_t i = 1200; i < qx::kGridSize; i += 7) {
                    const double f = gridFrequency(i);
                    const double want = referenceDb(stages, f, fc, highPass);
                    if (want < -120.0)
                        continue; // below anything the graph can show
                    worst = std::max(worst, std::abs(plot.curve(total)[i] - want));
                }
                EXPECT_LT(worst, 0.01) << worst << " " << (highPass ? "high-pass" : "low-pass") << " code " << code << " at " << fc;
            }
}

TEST(CrossoverCurveTest, ShapesOfTheSpecialRows)
{
    Plot bw12;
    qx::computeCrossoverCurve(bw12, qx::CrossoverSide::HighPass, 3, 1000.0);
    Plot lr24;
    qx::computeCrossoverCurve(lr24, qx::CrossoverSide::HighPass, 10, 1000.0);
    Plot bw6;
    qx::computeCrossoverCurve(bw6, qx::CrossoverSide::LowPass, 1, 1000.0);
    Plot bl6;
    qx::computeCrossoverCurve(bl6, qx::CrossoverSide::LowPass, 2, 1000.0);
    for (std::size_t i = 1000; i < qx::kGridSize; i += 13) {
        EXPECT_NEAR(lr24.curve(31)[i], 2.0 * bw12.curve(31)[i], 1e-9) << "LR -24 is BW -12 twice";
        EXPECT_NEAR(bl6.curve(32)[i], bw6.curve(32)[i], 1e-9) << "BL -6 draws BW -6";
        for (int k = 34; k <= 38; ++k)
            EXPECT_EQ(bw6.curve(k)[i], 0.0) << "BW -6 leaves the stages flat";
    }
    EXPECT_NEAR(curveDbAt(bw6, 32, 1000.0), -3.0, 0.05);
}

// Bypassed (0) and codes no list gives draw flat, the handle at the cut-off.
TEST(CrossoverCurveTest, FlatRowsKeepTheHandleAtTheCutOff)
{
    for (const int code : {0, 21, 255, -1}) {
        Plot plot;
        qx::computeCrossoverCurve(plot, qx::CrossoverSide::HighPass, code, 500.0);
        for (std::size_t i = 0; i < qx::kGridSize; i += 64)
            EXPECT_EQ(plot.curve(31)[i], 0.0) << code;
        EXPECT_DOUBLE_EQ(plot.section(31).biquad().frequency, 500.0);
    }
}

} // namespace

// A total is summed when first read, from its stages as they were set: the
// other side setting the shared stage sections in between changes nothing.
TEST(CrossoverCurveTest, BothSidesSetBeforeEitherIsReadKeepTheirOwnStages)
{
    struct Case { int highCode; double highHz; int lowCode; double lowHz; };
    for (const Case& c : {Case{20, 80.0, 20, 5000.0}, Case{16, 300.0, 7, 2000.0}, Case{10, 1000.0, 1, 1000.0}}) {
        Plot both;
        qx::computeCrossoverCurve(both, qx::CrossoverSide::HighPass, c.highCode, c.highHz);
        qx::computeCrossoverCurve(both, qx::CrossoverSide::LowPass, c.lowCode, c.lowHz);
        Plot high;
        qx::computeCrossoverCurve(high, qx::CrossoverSide::HighPass, c.highCode, c.highHz);
        const std::vector<double> highAlone(high.curve(31).begin(), high.curve(31).end());
        Plot low;
        qx::computeCrossoverCurve(low, qx::CrossoverSide::LowPass, c.lowCode, c.lowHz);
        const std::vector<double> lowAlone(low.curve(32).begin(), low.curve(32).end());
        EXPECT_EQ(std::vector<double>(both.curve(31).begin(), both.curve(31).end()), highAlone) << c.highCode;
        EXPECT_EQ(std::vector<double>(both.curve(32).begin(), both.curve(32).end()), lowAlone) << c.lowCode;
        EXPECT_LT(highAlone[100], -20.0) << "the high-pass cuts the lows";
    }
}
