#pragma once
// Turns computed responses into curve points that are always finite, so no
// point of a curve can become an infinite or undefined pixel.

namespace qx {

enum class PlotView : unsigned char
{
    Magnitude = 0,
    Phase = 1,
};

// Floor of a magnitude point: a response of exactly zero is shown here.
inline constexpr double kMagnitudeFloorDb = -300.0;
inline constexpr double kMagnitudeCeilingDb = 300.0;
// Phase points are in units of 10 degrees and lie within +-18 (+-180 degrees).
inline constexpr double kPhaseLimit = 18.0;
inline constexpr double kPhaseTurn = 36.0;

// Makes the points of one curve finite and counts those that had no finite
// value (an undefined result shown as 0, an infinite gain at the ceiling).
class CurvePointGuard
{
public:
    // 20 log10(ratio): below the floor (a zero response included) gives the
    // floor; above the ceiling gives the ceiling.
    double decibels(double ratio);
    // A phase point already in phase units; an undefined one gives 0.
    double phase(double units);
    // arctan(im / re) times factor; the phase of a zero response is 0.
    double principalPhase(double re, double im, double factor);

    int replaced() const { return replaced_; }

private:
    int replaced_ = 0;
};

// A summed phase wrapped into -18..18 by whole turns; a positive sum that
// lands on the boundary shows as +18, a negative one as -18.
double wrapPhase(double units);

} // namespace qx
