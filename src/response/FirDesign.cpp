#include "response/FirDesign.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qx {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kFourPi = 12.566370614359172;
constexpr double kSixPi = 18.84955592153876;
constexpr double kPiValue = 3.141592653589793;
constexpr long double kInverseSampleRate = 1.0L / 48000.0L;

struct CosineSum
{
    double c0, c1, c2, c3;
};

// The centred cosine-sum windows: every term is added.
constexpr CosineSum kBlackman{0.42, 0.5, 0.08, 0.0};
constexpr CosineSum kNuttall{0.335768, 0.487396, 0.144232, 0.012604};
constexpr CosineSum kKaiser{0.402, 0.498, 0.098, 0.001};
constexpr CosineSum kBlackmanNuttall{0.3635819, 0.4891775, 0.1365995, 0.0106411};
constexpr CosineSum kHarris{0.35875, 0.48829, 0.14128, 0.01168};

double cosineSum(const CosineSum& w, int i, int n)
{
    return w.c0 + w.c1 * std::cos(kTwoPi * i / n) + w.c2 * std::cos(kFourPi * i / n) +
           w.c3 * std::cos(kSixPi * i / n);
}

// The angular edge 2 pi f / 48000 with the extended-precision 1 / 48000.
double edgeAngle(double hz)
{
    return static_cast<double>(kTwoPi * hz * kInverseSampleRate);
}

double idealLowPass(int i, double edge)
{
    return i == 0 ? edge / kPiValue : std::sin(i * edge) / (i * kPiValue);
}

} // namespace

double firWindowValue(int window, int i, int tapCount)
{
    const double x = kTwoPi * i / tapCount;
    switch (window) {
    case 0:
        return 1.0;
    case 1:
        return 1.0 - 2.0 * std::abs(i) / tapCount;
    case 2:
        return 0.5 * (1.0 + std::cos(x));
    case 3:
        return 0.54 + 0.46 * std::cos(x);
    case 4:
        return cosineSum(kBlackman, i, tapCount);
    case 5: // "SINE" computes the same values as "NUTTALL "
    case 7:
        return cosineSum(kNuttall, i, tapCount);
    case 6:
        return i == 0 ? 1.0 : std::sin(x) / x;
    case 8:
        return cosineSum(kKaiser, i, tapCount);
    case 9:
        return cosineSum(kBlackmanNuttall, i, tapCount);
    case 10:
        return cosineSum(kHarris, i, tapCount);
    default:
        return 0.0;
    }
}

} // namespace qx

bool DesignFirTaps(const qx::FirSettings& design, std::vector<double>& taps)
{
    taps.clear();
    if (design.window < 0 || design.window >= qx::kFirWindowCount || design.type < qx::kFirImpulse ||
        design.type > qx::kFirBandPass) {
        return false;
    }
    if (design.tapCount < 1) {
        taps.push_back(1.0);
        return true;
    }
    const int n = std::min(design.tapCount, qx::kMaxFirTaps);
    const int h = n / 2;
    taps.assign(static_cast<std::size_t>(2 * h + 1), 0.0);
    if (design.type == qx::kFirImpulse) {
        taps[0] = 1.0; // the impulse sits at the first tap, not at the centre
        return true;
    }
    const double high = qx::edgeAngle(design.highCut);
    const double low = qx::edgeAngle(design.lowCut);
    for (int i = -h; i <= h; ++i) {
        double tap = 0.0;
        switch (design.type) {
        case qx::kFirLowPass:
            tap = qx::idealLowPass(i, high);
            break;
        case qx::kFirHighPass:
            tap = i == 0 ? (qx::kPiValue - low) / qx::kPiValue : -std::sin(i * low) / (i * qx::kPiValue);
            break;
        default:
            tap = i == 0 ? (high - low) / qx::kPiValue
                         : std::sin(i * high) / (i * qx::kPiValue) - std::sin(i * low) / (i * qx::kPiValue);
            break;
        }
        taps[static_cast<std::size_t>(i + h)] = tap * qx::firWindowValue(design.window, i, n);
    }
    return true;
}
