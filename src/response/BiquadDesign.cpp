// PlotSection's biquad design (bilinear transform with prewarping at 48 kHz)
// and its response over the frequency grid.

#include <cmath>

#include "codec/SharedConstants.h"
#include "response/PlotSection.h"

namespace {

using qx::BiquadCoefficients;
using qx::BiquadSettings;

struct Poly
{
    double c0, c1, c2;
};

// The usual second-order denominator with damping d.
Poly secondOrder(double d, double k)
{
    return {1.0 + d * k + k * k, 2.0 * (k * k - 1.0), 1.0 - d * k + k * k};
}

// Numerator and denominator of a boost; a cut exchanges them.
BiquadCoefficients boostOrCut(const Poly& boost, const Poly& base, double gain)
{
    const Poly& num = gain >= 0.0 ? boost : base;
    const Poly& den = gain >= 0.0 ? base : boost;
    return {num.c0, num.c1, num.c2, den.c0, den.c1, den.c2};
}

BiquadCoefficients make(const Poly& num, const Poly& den)
{
    return {num.c0, num.c1, num.c2, den.c0, den.c1, den.c2};
}

// Damping of the damped crossover stages (codes 12 and 15).
double damping(const BiquadSettings& s)
{
    return s.q == 0.0 ? s.a : s.a / (std::sqrt(2.0) * s.q);
}

// Codes 13 and 16: the prototype's s coefficient a x c / Q, or a when Q is 0.
double prototypeS(const BiquadSettings& s)
{
    return s.q == 0.0 ? static_cast<double>(s.a) : s.a * qx::kPrototypeDampingScale / s.q;
}

// Code 13 is the prototype 1 / (1 + a' s + b s^2) divided through by b. For
// b = 0 the undivided form gives the first-order limit 1 / (1 + a' s).
BiquadCoefficients lowPassPrototype(const BiquadSettings& s, double k)
{
    const double kk = k * k;
    if (s.b == 0.0F) {
        const double e = prototypeS(s);
        return make({kk, 2.0 * kk, kk}, {e * k + kk, 2.0 * kk, kk - e * k});
    }
    const double e = s.q == 0.0 ? s.a / s.b : (s.a / s.b) * qx::kPrototypeDampingScale / s.q;
    const double kb = kk / s.b;
    return make({kb, 2.0 * kb, kb}, {1.0 + e * k + kb, 2.0 * (kb - 1.0), 1.0 - e * k + kb});
}

// Unnormalised B and A of a stage; false for an unknown code.
bool unnormalised(const BiquadSettings& s, BiquadCoefficients& c)
{
    const double k = std::tan(qx::kPi * s.frequency / qx::kSampleRate);
    const double kq = k / s.q;
    const double v = std::pow(10.0, std::fabs(s.gain) / 20.0);
    const double sv = std::pow(10.0, std::fabs(s.gain) / 40.0);
    const double kk = k * k;
    const Poly base = secondOrder(1.0 / s.q, k);
    switch (s.filterCode) {
    case qx::kFilterPeak:
        c = boostOrCut({1.0 + v * kq + kk, 2.0 * (kk - 1.0), 1.0 - v * kq + kk}, base, s.gain);
        return true;
    case qx::kFilterLowShelf:
        c = boostOrCut({1.0 + sv * kq + v * kk, 2.0 * (v * kk - 1.0), 1.0 - sv * kq + v * kk}, base, s.gain);
        return true;
    case qx::kFilterHighShelf:
        c = boostOrCut({v + sv * kq + kk, 2.0 * (kk - v), v - sv * kq + kk}, base, s.gain);
        return true;
    case qx::kFilterHighPass2:
        c = make({1.0, -2.0, 1.0}, base);
        return true;
    case qx::kFilterLowPass2:
        c = make({kk, 2.0 * kk, kk}, base);
        return true;
    case qx::kFilterBandPass:
        c = make({kq, 0.0, -kq}, base);
        return true;
    case qx::kFilterAllPass1:
        c = make({k - 1.0, k + 1.0, 0.0}, {k + 1.0, k - 1.0, 0.0});
        return true;
    case qx::kFilterLowPass1:
        c = make({k, k, 0.0}, {k + 1.0, k - 1.0, 0.0});
        return true;
    case qx::kFilterHighPass1:
        c = make({-1.0, 1.0, 0.0}, {k + 1.0, k - 1.0, 0.0});
        return true;
    case qx::kFilterFlat:
        c = qx::kFlatBiquad;
        return true;
    case qx::kFilterLowPass1Scaled: {
        if (s.a == 0.0F) { // 1 / (1 + 0 s): no pole left
            c = qx::kFlatBiquad;
            return true;
        }
        const double ka = k / s.a;
        c = make({ka, ka, 0.0}, {ka + 1.0, ka - 1.0, 0.0});
        return true;
    }
    case qx::kFilterLowPass2Damped:
        c = make({kk, 2.0 * kk, kk}, secondOrder(damping(s), k));
        return true;
    case qx::kFilterLowPass2Prototype:
        c = lowPassPrototype(s, k);
        return true;
    case qx::kFilterHighPass1Scaled:
        c = make({1.0, -1.0, 0.0}, {s.a * k + 1.0, s.a * k - 1.0, 0.0});
        return true;
    case qx::kFilterHighPass2Damped:
        c = make({1.0, -2.0, 1.0}, secondOrder(damping(s), k));
        return true;
    case qx::kFilterHighPass2Prototype: {
        const double e = prototypeS(s);
        c = make({1.0, -2.0, 1.0}, {1.0 + e * k + s.b * kk, 2.0 * (s.b * kk - 1.0), 1.0 - e * k + s.b * kk});
        return true;
    }
    case qx::kFilterAllPass2:
        c = make({1.0 - kq + kk, 2.0 * (kk - 1.0), 1.0 + kq + kk}, base);
        return true;
    case qx::kFilterGain:
        c = {std::pow(10.0, s.gain / 20.0), 0.0, 0.0, 1.0, 0.0, 0.0};
        return true;
    default:
        return false;
    }
}

// A stage that leaves the signal as it is: flat coefficients, or a peak or
// shelf of 0 dB, whose numerator and denominator are the same polynomial
// (their coefficients may differ in the last bit, which draws nothing).
bool isIdentity(const BiquadSettings& s, const BiquadCoefficients& c)
{
    const bool flat = c.b0 == 1.0 && c.b1 == 0.0 && c.b2 == 0.0 && c.a0 == 1.0 && c.a1 == 0.0 && c.a2 == 0.0;
    const bool boostOrCut = s.filterCode == qx::kFilterPeak || s.filterCode == qx::kFilterLowShelf ||
                            s.filterCode == qx::kFilterHighShelf;
    return flat || (boostOrCut && s.gain == 0.0);
}

bool allFinite(const BiquadCoefficients& c)
{
    return std::isfinite(c.b0) && std::isfinite(c.b1) && std::isfinite(c.b2) && std::isfinite(c.a1) &&
           std::isfinite(c.a2);
}

} // namespace

namespace qx {

double correctBiquadPhase(double phi, const BiquadSettings& s, double frequency)
{
    switch (s.filterCode) {
    case qx::kFilterHighPass2:
    case qx::kFilterHighPass1:
    case qx::kFilterHighPass2Damped:
    case qx::kFilterHighPass2Prototype:
        return phi < 0.0 ? phi + 18.0 : phi;
    case qx::kFilterLowPass2:
    case qx::kFilterAllPass1:
    case qx::kFilterLowPass1:
    case qx::kFilterLowPass2Damped:
    case qx::kFilterLowPass2Prototype:
        return phi > 0.0 ? phi - 18.0 : phi;
    case qx::kFilterAllPass2: {
        const double below = phi > 0.0 ? phi - 18.0 : phi;
        return frequency > s.frequency ? below + 18.0 : below;
    }
    case qx::kFilterLowShelf:
        if (s.gain > 0.0 && phi > 0.0) {
            return phi - 18.0;
        }
        return s.gain < 0.0 && phi < 0.0 ? phi + 18.0 : phi;
    case qx::kFilterHighShelf:
        if (s.gain > 0.0 && phi < 0.0) {
            return phi + 18.0;
        }
        return s.gain < 0.0 && phi > 0.0 ? phi - 18.0 : phi;
    default:
        return phi;
    }
}

} // namespace qx

bool PlotSection::DesignBiquad(const qx::BiquadSettings& stage, qx::BiquadCoefficients& out)
{
    BiquadCoefficients c;
    if (!unnormalised(stage, c)) {
        out = qx::kFlatBiquad;
        return false;
    }
    const BiquadCoefficients normalised{c.b0 / c.a0, c.b1 / c.a0, c.b2 / c.a0, 1.0, c.a1 / c.a0, c.a2 / c.a0};
    if (c.a0 == 0.0 || !allFinite(normalised)) {
        out = qx::kFlatBiquad;
        return false;
    }
    out = normalised;
    return true;
}

void PlotSection::ComputeBiquadResponse() const
{
    BiquadCoefficients c;
    const BiquadSettings& stage = biquad_;
    // A stage not designed is flat too, with no phase correction.
    if (!DesignBiquad(stage, c) || isIdentity(stage, c)) {
        setFlat(); // 0 dB, phase 0: what the grid's evaluation gives for flat coefficients
        nonFinite_ = 0;
        return;
    }
    const qx::FrequencyGrid& grid = qx::frequencyGrid();
    const bool phase = pendingView_ == qx::PlotView::Phase;
    qx::CurvePointGuard guard;
    flat_ = false;
    qx::Curve& curve = points();
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const double nr = c.b0 + c.b1 * grid.cos1[i] + c.b2 * grid.cos2[i];
        const double ni = 0.0 + c.b1 * grid.sin1[i] + c.b2 * grid.sin2[i];
        const double dr = c.a0 + c.a1 * grid.cos1[i] + c.a2 * grid.cos2[i];
        const double di = 0.0 + c.a1 * grid.sin1[i] + c.a2 * grid.sin2[i];
        if (!phase) {
            curve[i] = guard.decibels(std::sqrt(nr * nr + ni * ni) / std::sqrt(dr * dr + di * di));
            continue;
        }
        const double dd = dr * dr + di * di;
        const double hr = (nr * dr + ni * di) / dd;
        const double hi = (ni * dr - nr * di) / dd;
        const double phi = guard.principalPhase(hr, hi, qx::kPhaseDisplayFactor);
        const double frequency = grid.angle[i] * qx::kNyquist / qx::kPi;
        curve[i] = guard.phase(qx::correctBiquadPhase(phi, stage, frequency));
    }
    nonFinite_ = guard.replaced();
}
