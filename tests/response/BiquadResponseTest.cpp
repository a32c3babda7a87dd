// Biquad stages checked against their analogue prototypes evaluated at
// s = j tan(w/2) / K over the whole grid, in both views, and against closed
// forms: the -3 dB point of a Butterworth low-pass, 0 dB for a bypassed
// band, shelf asymptotes. Then the guards against undefined designs.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <vector>

#include "response/PlotSection.h"

namespace {

using Complex = std::complex<long double>;
const long double kPiL = std::acos(-1.0L);
constexpr float kBesselA = 1.3617F; // a Bessel order-2 stage
constexpr float kBesselB = 0.618F;

struct Stage
{
    int code;
    double frequency;
    double gain;
    double q;
    float a;
    float b;
};

long double gridAngle(int i)
{
    return kPiL * std::pow(24000.0L, i / 4096.0L) / 24000.0L;
}

// The analogue transfer function of each filter code.
Complex prototype(const Stage& st, Complex s)
{
    const long double q = st.q;
    const long double v = std::pow(10.0L, std::fabs(st.gain) / 20.0L);
    const long double sv = std::sqrt(v);
    const Complex base = s * s + s / q + 1.0L;
    const auto boostOrCut = [&](Complex boost) { return st.gain >= 0 ? boost / base : base / boost; };
    const long double c = 0.7344008869083377L;
    const long double damping = st.q == 0 ? st.a : st.a / (std::sqrt(2.0L) * q);
    const long double sCoefficient = st.q == 0 ? st.a : st.a * c / q;
    switch (st.code) {
    case 1:
        return boostOrCut(s * s + v * s / q + 1.0L);
    case 2:
        return boostOrCut(s * s + sv * s / q + v);
    case 3:
        return boostOrCut(v * s * s + sv * s / q + 1.0L);
    case 4:
        return s * s / base;
    case 5:
        return 1.0L / base;
    case 6:
        return (s / q) / base;
    case 7:
        return (1.0L - s) / (1.0L + s);
    case 8:
        return 1.0L / (1.0L + s);
    case 9:
        return -s / (1.0L + s);
    case 11:
        return 1.0L / (1.0L + static_cast<long double>(st.a) * s);
    case 12:
        return 1.0L / (1.0L + damping * s + s * s);
    case 13:
        return 1.0L / (1.0L + sCoefficient * s + static_cast<long double>(st.b) * s * s);
    case 14:
        return 1.0L / (1.0L + static_cast<long double>(st.a) / s);
    case 15:
        return 1.0L / (1.0L + damping / s + 1.0L / (s * s));
    case 16:
        return 1.0L / (1.0L + sCoefficient / s + static_cast<long double>(st.b) / (s * s));
    case 17:
        return (s * s - s / q + 1.0L) / base;
    case 18:
        return std::pow(10.0L, st.gain / 20.0L);
    default:
        return 1.0L;
    }
}

// The shown phase: the principal arctangent in units of 10 degrees, moved
// onto the branch that each kind of stage follows.
double shownPhase(const Stage& st, Complex h, long double frequency)
{
    double phi = static_cast<double>(std::atan(h.imag() / h.real()) * 18.0L / kPiL);
    switch (st.code) {
    case 4:
    case 9:
    case 15:
    case 16:
        return phi < 0 ? phi + 18 : phi;
    case 5:
    case 7:
    case 8:
    case 12:
    case 13:
        return phi > 0 ? phi - 18 : phi;
    case 17:
        phi = phi > 0 ? phi - 18 : phi;
        return frequency > st.frequency ? phi + 18 : phi;
    case 2:
        if (st.gain > 0 && phi > 0)
            return phi - 18;
        return st.gain < 0 && phi < 0 ? phi + 18 : phi;
    case 3:
        if (st.gain > 0 && phi < 0)
            return phi + 18;
        return st.gain < 0 && phi > 0 ? phi - 18 : phi;
    default:
        return phi;
    }
}

std::vector<double> curveOf(const Stage& st, qx::PlotView view)
{
    PlotSection section;
    section.setView(view);
    section.SetBiquad(st.gain, st.frequency, st.q, st.code, st.a, st.b);
    EXPECT_EQ(section.nonFinitePoints(), 0);
    return {section.curve().begin(), section.curve().end()};
}

void expectMatchesPrototype(const Stage& st)
{
    SCOPED_TRACE(testing::Message() << "code " << st.code << " f0 " << st.frequency << " g " << st.gain
                                    << " Q " << st.q << " a " << st.a << " b " << st.b);
    const std::vector<double> magnitude = curveOf(st, qx::PlotView::Magnitude);
    const std::vector<double> phase = curveOf(st, qx::PlotView::Phase);
    const long double k = std::tan(kPiL * st.frequency / 48000.0L);
    int compared = 0;
    for (int i = 0; i < qx::kGridSize; ++i) {
        const long double w = gridAngle(i);
        const Complex h = prototype(st, Complex(0.0L, std::tan(w / 2) / k));
        const auto at = static_cast<std::size_t>(i);
        ASSERT_NEAR(magnitude[at], static_cast<double>(20.0L * std::log10(std::abs(h))), 1e-6)
            << "point " << i;
        const long double frequency = w * 24000.0L / kPiL;
        const bool nearBranch = std::fabs(h.real()) < 1e-7L * std::abs(h) ||
                                std::fabs(frequency - st.frequency) < 1e-9L * st.frequency;
        if (!nearBranch) {
            ASSERT_NEAR(phase[at], shownPhase(st, h, frequency), 1e-5) << "point " << i;
            ++compared;
        }
    }
    EXPECT_GT(compared, 4000);
}

TEST(BiquadResponse, EveryCodeMatchesItsAnaloguePrototype)
{
    for (int code = 1; code <= 18; ++code) {
        for (double f0 : {20.0, 1000.0, 15000.0}) {
            for (double gain : {9.0, -7.5, 0.0}) {
                for (double q : {0.4, 0.71, 5.0}) {
                    expectMatchesPrototype({code, f0, gain, q, kBesselA, kBesselB});
                }
            }
        }
    }
}

TEST(BiquadResponse, CrossoverStagesMatchPrototypesIncludingTheirZeroCases)
{
    const Stage stages[] = {
        {11, 500, 0, 0.71, 0.756F, 0}, {14, 500, 0, 0.71, 0.756F, 0},      {12, 2000, 0, 0, 1.4142F, 0},
        {15, 2000, 0, 0, 0.7654F, 0},  {13, 2000, 0, 0, 1.3397F, 0.4889F}, {16, 80, 0, 0, 0.9996F, 0.4772F},
        {13, 2000, 0, 0.71, 1.0F, 0},  {13, 2000, 0, 0, 0.5937F, 0},       {16, 2000, 0, 0.71, 1.0F, 0},
        {11, 500, 0, 0.71, 0, 0},      {14, 500, 0, 0.71, 0, 0},           {13, 2000, 0, 0.71, 0, 0},
    };
    for (const Stage& st : stages) {
        expectMatchesPrototype(st);
    }
}

TEST(BiquadResponse, ButterworthLowPassIsThreeDecibelsDownAtItsCutOff)
{
    const std::size_t cut = 2805;
    const double f0 = qx::frequencyGrid().frequency[cut];
    const double minus3 = 20.0 * std::log10(std::sqrt(0.5));
    for (const Stage& st : {Stage{5, f0, 0, 1.0 / std::sqrt(2.0), 0, 0}, Stage{12, f0, 0, 0, 1.41421356F, 0},
                            Stage{15, f0, 0, 0, 1.41421356F, 0}}) {
        const std::vector<double> magnitude = curveOf(st, qx::PlotView::Magnitude);
        EXPECT_NEAR(magnitude[cut], minus3, 1e-6) << "code " << st.code;
        // The pass band: 0 dB far below (low-pass) or far above (high-pass).
        EXPECT_NEAR(st.code == 15 ? magnitude.back() : magnitude.front(), 0.0, 1e-6) << "code " << st.code;
    }
    const std::vector<double> phase = curveOf({5, f0, 0, 1.0 / std::sqrt(2.0), 0, 0}, qx::PlotView::Phase);
    EXPECT_NEAR(phase[cut], -9.0, 1e-6);
    EXPECT_NEAR(phase[0], 0.0, 0.01);
    // 12 dB per octave above: 30 x 4096 / (log2(24000) x 30) points per octave.
    const std::vector<double> magnitude = curveOf({5, 1000, 0, 0.707, 0, 0}, qx::PlotView::Magnitude);
    const auto octave = static_cast<std::size_t>(std::lround(4096 / std::log2(24000.0)));
    EXPECT_NEAR(magnitude[cut + octave] - magnitude[cut + 2 * octave], 12.0, 0.5);
}

TEST(BiquadResponse, BypassedAndZeroGainStagesAreFlat)
{
    const Stage flat[] = {{10, 1000, 0, 0.4, 0, 0},  {10, 32000, 0, 0.05, 0, 0}, {1, 1000, 0, 1, 0, 0},
                          {2, 100, 0, 0.71, 0, 0},   {3, 8000, 0, 3, 0, 0},      {10, 1000, 12, 2, 0, 0},
                          {18, 1000, 0, 0.4, 0, 0},  {18, 1000, -0.0, 1, 0, 0},  {1, 1000, 0, 0.71, 0, 0},
                          {1, 20, -0.0, 0.4, 0, 0},  {2, 19000, 0, 7.5, 0, 0},   {3, 23900, 0, 0.71, 0, 0},
                          {11, 1000, 6, 0.71, 0, 0}, {1, 1000, 0, 0, 0, 0}};
    for (const Stage& st : flat) {
        for (qx::PlotView view : {qx::PlotView::Magnitude, qx::PlotView::Phase}) {
            for (double v : curveOf(st, view)) {
                ASSERT_EQ(v, 0.0) << "code " << st.code;
            }
        }
    }
}

TEST(BiquadResponse, ShelvesApproachTheirGainAtOneEndAndZeroAtTheOther)
{
    const auto low = curveOf({2, 1000, 6, 0.71, 0, 0}, qx::PlotView::Magnitude);
    EXPECT_NEAR(low.front(), 6.0, 1e-4);
    EXPECT_NEAR(low.back(), 0.0, 1e-3);
    const auto high = curveOf({3, 1000, 6, 0.71, 0, 0}, qx::PlotView::Magnitude);
    EXPECT_NEAR(high.front(), 0.0, 1e-4);
    EXPECT_NEAR(high.back(), 6.0, 1e-3);
    const auto cut = curveOf({3, 1000, -6, 0.71, 0, 0}, qx::PlotView::Magnitude);
    EXPECT_NEAR(cut.back(), -6.0, 1e-3);
}

TEST(BiquadResponse, PeakCutMirrorsBoost)
{
    const auto boost = curveOf({1, 1000, 6, 1, 0, 0}, qx::PlotView::Magnitude);
    const auto cut = curveOf({1, 1000, -6, 1, 0, 0}, qx::PlotView::Magnitude);
    EXPECT_NEAR(boost[2805], 6.0, 0.01);
    for (std::size_t i = 0; i < boost.size(); ++i) {
        ASSERT_NEAR(boost[i], -cut[i], 1e-9) << i;
    }
}

TEST(BiquadResponse, AllPassPhaseRunsThroughMinusEighteenAtItsFrequency)
{
    const auto magnitude = curveOf({17, 1000, 0, 0.71, 0, 0}, qx::PlotView::Magnitude);
    const auto phase = curveOf({17, 1000, 0, 0.71, 0, 0}, qx::PlotView::Phase);
    for (double v : magnitude) {
        ASSERT_NEAR(v, 0.0, 1e-9);
    }
    EXPECT_NEAR(phase[0], 0.0, 0.05);
    EXPECT_NEAR(phase[2803], -18.0, 0.1); // just below 1000 Hz
    EXPECT_NEAR(phase[2806], 18.0, 0.1);  // just above: shown a whole turn higher
    const auto highPass = curveOf({4, 1000, 0, 0.71, 0, 0}, qx::PlotView::Phase);
    EXPECT_NEAR(highPass[0], 18.0, 0.01);
}

TEST(BiquadResponse, DampedStagesWithScaledQEqualTheirUnscaledForm)
{
    const float a = static_cast<float>(std::sqrt(2.0) * 0.71);
    for (int code : {12, 15}) {
        const auto scaled = curveOf({code, 1500, 0, 0.71, a, 0}, qx::PlotView::Magnitude);
        const auto plain = curveOf({code, 1500, 0, 0, 1.0F, 0}, qx::PlotView::Magnitude);
        for (std::size_t i = 0; i < scaled.size(); ++i) {
            ASSERT_NEAR(scaled[i], plain[i], 1e-6) << "code " << code << " point " << i;
        }
    }
}

TEST(BiquadResponse, UndefinedDesignsGiveTheFlatStage)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Stage undefined[] = {
        {0, 1000, 6, 1, 0, 0}, {19, 1000, 6, 1, 0, 0},   {-3, 1000, 6, 1, 0, 0},  {1, 1000, 6, 0, 0, 0},
        {4, 1000, 0, 0, 0, 0}, {5, 1000, 0, -0.0, 0, 0}, {6, 1000, 0, 0, 0, 0},   {17, 1000, 0, 0, 0, 0},
        {1, nan, 6, 1, 0, 0},  {2, 1000, nan, 1, 0, 0},  {3, 1000, 6, nan, 0, 0}, {18, 1000, 1e9, 1, 0, 0},
    };
    for (const Stage& st : undefined) {
        qx::BiquadCoefficients c{2, 2, 2, 2, 2, 2};
        EXPECT_FALSE(PlotSection::DesignBiquad({st.code, st.frequency, st.gain, st.q, st.a, st.b}, c))
            << "code " << st.code;
        EXPECT_EQ(c.b0, 1.0);
        EXPECT_EQ(c.b1, 0.0);
        EXPECT_EQ(c.a1, 0.0);
        for (qx::PlotView view : {qx::PlotView::Magnitude, qx::PlotView::Phase}) {
            for (double v : curveOf(st, view)) {
                ASSERT_EQ(v, 0.0) << "code " << st.code;
            }
        }
    }
}

TEST(BiquadResponse, UnknownCodeDoesNotReuseAnotherSectionsStage)
{
    PlotSection peak;
    peak.SetPeq(12, 1000, 1, 1);
    PlotSection unknown;
    unknown.SetPeq(12, 1000, 1, 42);
    for (double v : unknown.curve()) {
        ASSERT_EQ(v, 0.0);
    }
}

TEST(BiquadResponse, ZeroResponseIsFlooredAndHugeGainCapped)
{
    // A low-pass at 0 Hz passes nothing.
    PlotSection closed;
    closed.SetPeq(0, 0, 0.71, 5);
    for (double v : closed.curve()) {
        ASSERT_TRUE(std::isfinite(v));
        ASSERT_LE(v, -200.0);
        ASSERT_GE(v, qx::kMagnitudeFloorDb);
    }
    PlotSection loud;
    loud.SetPeq(6000, 1000, 1, 18);
    EXPECT_EQ(loud.curve()[0], qx::kMagnitudeCeilingDb);
}

} // namespace
