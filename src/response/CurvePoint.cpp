#include "response/CurvePoint.h"

#include <cmath>

namespace qx {

double CurvePointGuard::decibels(double ratio)
{
    const double db = 20.0 * std::log10(ratio);
    if (std::isnan(db)) {
        ++replaced_;
        return 0.0;
    }
    if (db < kMagnitudeFloorDb) {
        return kMagnitudeFloorDb;
    }
    if (db > kMagnitudeCeilingDb) {
        replaced_ += std::isinf(db) ? 1 : 0;
        return kMagnitudeCeilingDb;
    }
    return db;
}

double CurvePointGuard::phase(double units)
{
    if (!std::isfinite(units)) {
        ++replaced_;
        return 0.0;
    }
    return units;
}

double CurvePointGuard::principalPhase(double re, double im, double factor)
{
    if (re == 0.0 && im == 0.0) {
        return 0.0;
    }
    return phase(std::atan(im / re) * factor);
}

double wrapPhase(double units)
{
    if (units > kPhaseLimit) {
        const double r = std::remainder(units, kPhaseTurn);
        return r == -kPhaseLimit ? kPhaseLimit : r;
    }
    if (units < -kPhaseLimit) {
        const double r = std::remainder(units, kPhaseTurn);
        return r == kPhaseLimit ? -kPhaseLimit : r;
    }
    return units;
}

} // namespace qx
