#include "editors/channel/DynamicsCurve.h"

#include "codec/SharedConstants.h"

namespace qx {

namespace {

constexpr double kTopDb = 20.0;
constexpr double kBottomDb = -100.0;
constexpr double kDbPerPosition = 0.5;
constexpr double kMarkerRight = 0.2;
constexpr double kMarkerBelow = 0.4;

CurvePoint markerAt(double threshold) { return {threshold + kMarkerRight, threshold - kMarkerBelow}; }

} // namespace

TransferCurve compressorCurve(int thresholdPosition, int ratioIndex, int kneeDb)
{
    const double t = thresholdPosition * kDbPerPosition;
    const double k = kneeDb;
    const double slope = ratioIndex >= kRatioIndexMax ? 0.0 : 1.0 / ratioValue(ratioIndex);
    return {{{kTopDb, t + (kTopDb - t) * slope}, {t + k, t + k * slope}, {t - k, t - k}, {kBottomDb, kBottomDb}},
            markerAt(t)};
}

TransferCurve gateCurve(int thresholdPosition)
{
    const double t = thresholdPosition * kDbPerPosition;
    return {{{kTopDb, kTopDb}, {t, t}, {t, kBottomDb}}, markerAt(t)};
}

} // namespace qx
