#pragma once
// The static transfer curves of the dynamics blocks as the plots show them:
// output level over input level in dB, from -100 to +20 dB, with a marker
// just right of and below the threshold point.

#include <vector>

namespace qx {

struct CurvePoint
{
    double x = 0.0;
    double y = 0.0;
    bool operator==(const CurvePoint&) const = default;
};

struct TransferCurve
{
    std::vector<CurvePoint> points;
    CurvePoint marker;
};

// The points a compressor or limiter curve holds, and a gate curve.
inline constexpr int kDynamicsCurvePoints = 4;
inline constexpr int kGateCurvePoints = 3;

// Threshold fader position (0.5 dB steps), ratio index (15 limits: flat
// above the threshold) and knee in dB: from the top of the scale down the
// ratio's slope to the upper knee point, the knee as one straight line, and
// unity below it.
TransferCurve compressorCurve(int thresholdPosition, int ratioIndex, int kneeDb);

// Unity above the threshold, a vertical drop to -100 dB at it.
TransferCurve gateCurve(int thresholdPosition);

} // namespace qx
