#include "response/PlotSection.h"

#include <algorithm>
#include <cmath>

#include "response/FirResponse.h"

PlotSection::PlotSection()
{
    SetPeq(0.0, 1000.0, 0.4, qx::kFilterHighShelf);
}

void PlotSection::SetPeq(double gain, double frequency, double q, int filterCode)
{
    biquad_.gain = gain;
    biquad_.frequency = frequency;
    biquad_.q = q;
    biquad_.filterCode = filterCode;
    ComputeBiquadResponse();
}

void PlotSection::SetBiquad(double gain, double frequency, double q, int filterCode, float a, float b)
{
    biquad_.a = a;
    biquad_.b = b;
    SetPeq(gain, frequency, q, filterCode);
}

void PlotSection::SetFirDesign(int firType, int firWindow, double lowCut, double highCut, int tapCount)
{
    fir_ = {firType, firWindow, lowCut, highCut, tapCount};
    ComputeFirDesignResponse();
}

void PlotSection::SetFirCoefficients(std::span<const float> coefficients)
{
    const auto count = std::min(coefficients.size(), static_cast<std::size_t>(qx::kMaxFirTaps));
    fir_.tapCount = static_cast<int>(count);
    std::vector<double> taps(coefficients.begin(), coefficients.begin() + static_cast<std::ptrdiff_t>(count));
    ComputeFirCoefficientResponse(taps);
}

void PlotSection::setCurve(qx::CurveView points)
{
    qx::CurvePointGuard guard;
    std::transform(points.begin(), points.end(), curve_.begin(),
                   [&guard](double v) { return std::isfinite(v) ? v : guard.phase(v); });
    nonFinite_ = guard.replaced();
}

void PlotSection::ComputeFirDesignResponse()
{
    std::vector<double> taps;
    if (!DesignFirTaps(fir_, taps)) {
        taps.assign(1, 1.0); // nothing designed: flat
    }
    // An even-length design has one tap more than the response uses.
    const auto used = std::min(taps.size(), static_cast<std::size_t>(std::max(fir_.tapCount, 1)));
    ComputeFirCoefficientResponse(std::span<const double>(taps).first(used));
}

void PlotSection::ComputeFirCoefficientResponse(std::span<const double> taps)
{
    static constexpr double kImpulse[] = {1.0};
    const bool finite = std::all_of(taps.begin(), taps.end(), [](double t) { return std::isfinite(t); });
    if (taps.empty() || !finite) {
        // No taps (a tap count below 1), or taps without a value: the one-tap impulse.
        qx::computeFirResponse(kImpulse, view_, curve_);
        nonFinite_ = finite ? 0 : qx::kGridSize; // none of the points is the list's response
        return;
    }
    nonFinite_ = qx::computeFirResponse(taps, view_, curve_);
}
