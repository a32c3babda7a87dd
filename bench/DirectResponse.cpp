#include "DirectResponse.h"

#include <algorithm>
#include <cmath>

#include "codec/SharedConstants.h"
#include "response/PlotSection.h"

namespace qx::bench {
namespace {

double gridAngle(int i)
{
    const double f = std::pow(10.0, std::log10(kNyquist) * i / kGridSize);
    return kPi * f / kNyquist;
}

double phaseUnits(double re, double im, double factor)
{
    return re == 0.0 && im == 0.0 ? 0.0 : std::atan(im / re) * factor;
}

double decibels(double ratio)
{
    return std::clamp(20.0 * std::log10(ratio), kMagnitudeFloorDb, kMagnitudeCeilingDb);
}

} // namespace

void directBiquadCurve(const BiquadSettings& stage, PlotView view, Curve& curve)
{
    BiquadCoefficients c;
    BiquadSettings shown = stage;
    if (!PlotSection::DesignBiquad(stage, c)) {
        shown.filterCode = kFilterFlat;
    }
    for (int i = 0; i < kGridSize; ++i) {
        const double w = gridAngle(i);
        const double nr = c.b0 + c.b1 * std::cos(-w) + c.b2 * std::cos(-2.0 * w);
        const double ni = c.b1 * std::sin(-w) + c.b2 * std::sin(-2.0 * w);
        const double dr = c.a0 + c.a1 * std::cos(-w) + c.a2 * std::cos(-2.0 * w);
        const double di = c.a1 * std::sin(-w) + c.a2 * std::sin(-2.0 * w);
        double& point = curve[static_cast<std::size_t>(i)];
        if (view == PlotView::Magnitude) {
            point = decibels(std::hypot(nr, ni) / std::hypot(dr, di));
        } else {
            const double dd = dr * dr + di * di;
            const double phi =
                phaseUnits((nr * dr + ni * di) / dd, (ni * dr - nr * di) / dd, kPhaseDisplayFactor);
            point = correctBiquadPhase(phi, shown, w * kNyquist / kPi);
        }
    }
}

void directFirCurve(std::span<const double> taps, PlotView view, Curve& curve)
{
    const bool phase = view == PlotView::Phase;
    for (int i = 0; i < kGridSize; ++i) {
        const double w = phase ? gridAngle(i) / 2.0 : gridAngle(i);
        double re = 0.0;
        double im = 0.0;
        for (std::size_t k = 0; k < taps.size(); ++k) {
            const double angle = -static_cast<double>(k) * w;
            re += taps[k] * std::cos(angle);
            im += taps[k] * std::sin(angle);
        }
        curve[static_cast<std::size_t>(i)] =
            phase ? phaseUnits(re, im, kPhaseDisplayFactor) * 2.0 : decibels(std::hypot(re, im));
    }
}

void directFirCurvePhasor(std::span<const double> taps, PlotView view, Curve& curve)
{
    const bool phase = view == PlotView::Phase;
    for (int i = 0; i < kGridSize; ++i) {
        const double w = phase ? gridAngle(i) / 2.0 : gridAngle(i);
        const double turnRe = std::cos(w);
        const double turnIm = -std::sin(w);
        double pr = 1.0; // e^(-i k w)
        double pi = 0.0;
        double re = 0.0;
        double im = 0.0;
        for (const double tap : taps) {
            re += tap * pr;
            im += tap * pi;
            const double next = pr * turnRe - pi * turnIm;
            pi = pr * turnIm + pi * turnRe;
            pr = next;
        }
        curve[static_cast<std::size_t>(i)] =
            phase ? phaseUnits(re, im, kPhaseDisplayFactor) * 2.0 : decibels(std::hypot(re, im));
    }
}

void directSum(std::span<const Curve> sections, PlotView view, Curve& total)
{
    for (std::size_t i = 0; i < total.size(); ++i) {
        double s = 0.0;
        for (const Curve& section : sections) {
            s += section[i];
        }
        total[i] = view == PlotView::Phase ? wrapPhase(s) : s;
    }
}

double maxDifference(CurveView curve, CurveView reference, PlotView view)
{
    double worst = 0.0;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (view == PlotView::Magnitude && reference[i] < kResolvedDb) {
            continue;
        }
        double d = std::fabs(curve[i] - reference[i]);
        if (view == PlotView::Phase) {
            const double m = std::fmod(d, kPhaseTurn);
            d = std::min(m, kPhaseTurn - m);
        }
        worst = std::max(worst, d);
    }
    return worst;
}

} // namespace qx::bench
