#include "response/PlotSection.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "response/FirResponse.h"

namespace {

// Equal to the last bit, so that -0.0 and 0.0 differ and a NaN equals itself:
// whatever may make the curve differ counts as a change.
template <class T>
    requires std::is_arithmetic_v<T>
bool sameBits(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool sameSettings(const qx::BiquadSettings& x, const qx::BiquadSettings& y)
{
    return x.filterCode == y.filterCode && sameBits(x.frequency, y.frequency) && sameBits(x.gain, y.gain) &&
           sameBits(x.q, y.q) && sameBits(x.a, y.a) && sameBits(x.b, y.b);
}

bool sameSettings(const qx::FirSettings& x, const qx::FirSettings& y)
{
    return x.type == y.type && x.window == y.window && sameBits(x.lowCut, y.lowCut) &&
           sameBits(x.highCut, y.highCut) && x.tapCount == y.tapCount;
}

bool sameTaps(std::span<const float> taps, const std::vector<float>& computed)
{
    return taps.size() == computed.size() && std::memcmp(taps.data(), computed.data(), taps.size_bytes()) == 0;
}

} // namespace

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
    setPending(Source::Biquad);
}

void PlotSection::SetBiquad(double gain, double frequency, double q, int filterCode, float a, float b)
{
    biquad_.a = a;
    biquad_.b = b;
    SetPeq(gain, frequency, q, filterCode);
}

std::optional<PlotSection::BiquadOrigin> PlotSection::biquadOrigin() const
{
    if (pending_ != Source::Biquad) {
        return std::nullopt;
    }
    return BiquadOrigin{biquad_, pendingView_};
}

bool PlotSection::holdsBiquad(const BiquadOrigin& origin) const
{
    return pending_ == Source::Biquad && pendingView_ == origin.view && sameSettings(biquad_, origin.settings);
}

void PlotSection::SetBiquadOrigin(const BiquadOrigin& origin)
{
    view_ = origin.view;
    biquad_ = origin.settings;
    setPending(Source::Biquad);
}

void PlotSection::SetFirDesign(int firType, int firWindow, double lowCut, double highCut, int tapCount)
{
    fir_ = {firType, firWindow, lowCut, highCut, tapCount};
    setPending(Source::FirDesign);
}

void PlotSection::SetFirCoefficients(std::span<const float> coefficients)
{
    const auto count = std::min(coefficients.size(), static_cast<std::size_t>(qx::kMaxFirTaps));
    fir_.tapCount = static_cast<int>(count);
    const std::span<const float> used = coefficients.first(count);
    taps_.assign(used.begin(), used.end());
    setPending(Source::FirCoefficients);
}

void PlotSection::setCurve(qx::CurveView points)
{
    takePoints(points);
    pending_ = Source::Points;
    pendingView_ = view_;
    derive_ = nullptr;
    computed_.source = Source::Points;
    stale_ = false;
}

void PlotSection::setDerivedCurve(std::function<void(qx::Curve&)> derive)
{
    derive_ = std::move(derive);
    setPending(Source::Derived);
}

void PlotSection::setPending(Source source)
{
    pending_ = source;
    pendingView_ = view_;
    stale_ = true;
}

bool PlotSection::computedFromCurrent() const
{
    if (computed_.source != pending_ || computed_.view != pendingView_) {
        return false;
    }
    switch (pending_) {
    case Source::Biquad:
        return sameSettings(biquad_, computed_.biquad);
    case Source::FirDesign:
        return sameSettings(fir_, computed_.fir);
    case Source::FirCoefficients:
        return sameTaps(taps_, computed_.taps);
    default:
        return false; // given or derived points are taken anew each time
    }
}

void PlotSection::update() const
{
    if (!stale_) {
        return;
    }
    stale_ = false;
    if (computedFromCurrent()) {
        return;
    }
    computed_.taps.clear();
    switch (pending_) {
    case Source::Biquad:
        ComputeBiquadResponse();
        computed_.biquad = biquad_;
        break;
    case Source::FirDesign:
        ComputeFirDesignResponse();
        computed_.fir = fir_;
        break;
    case Source::FirCoefficients: {
        const std::vector<double> taps(taps_.begin(), taps_.end());
        ComputeFirCoefficientResponse(taps);
        computed_.taps = taps_;
        break;
    }
    case Source::Derived: {
        qx::Curve derived{};
        if (derive_) {
            derive_(derived);
        }
        takePoints(derived);
        break;
    }
    case Source::None:
    case Source::Points:
        break;
    }
    computed_.source = pending_;
    computed_.view = pendingView_;
}

qx::Curve& PlotSection::points() const
{
    if (!curve_) {
        curve_ = std::make_unique<qx::Curve>();
    }
    return *curve_;
}

void PlotSection::setFlat() const
{
    if (curve_) {
        curve_->fill(0.0);
    }
    flat_ = true;
}

void PlotSection::takePoints(qx::CurveView points) const
{
    qx::CurvePointGuard guard;
    flat_ = false;
    std::transform(points.begin(), points.end(), this->points().begin(),
                   [&guard](double v) { return std::isfinite(v) ? v : guard.phase(v); });
    nonFinite_ = guard.replaced();
}

void PlotSection::ComputeFirDesignResponse() const
{
    std::vector<double> taps;
    if (!DesignFirTaps(fir_, taps)) {
        taps.assign(1, 1.0); // nothing designed: flat
    }
    // An even-length design has one tap more than the response uses.
    const auto used = std::min(taps.size(), static_cast<std::size_t>(std::max(fir_.tapCount, 1)));
    ComputeFirCoefficientResponse(std::span<const double>(taps).first(used));
}

void PlotSection::ComputeFirCoefficientResponse(std::span<const double> taps) const
{
    static constexpr double kImpulse[] = {1.0};
    const bool finite = std::all_of(taps.begin(), taps.end(), [](double t) { return std::isfinite(t); });
    if (taps.empty() || !finite) {
        // No taps (a tap count below 1), or taps without a value: the one-tap impulse.
        flat_ = false;
        qx::computeFirResponse(kImpulse, pendingView_, points());
        nonFinite_ = finite ? 0 : qx::kGridSize; // none of the points is the list's response
        return;
    }
    flat_ = false;
    nonFinite_ = qx::computeFirResponse(taps, pendingView_, points());
}
