#include "model/FirTapRule.h"

#include "model/FirImage.h"
#include "model/LUnitControl.h"

#include <algorithm>

namespace qx {

namespace {
constexpr int kTapsSelectionMax = 24;
constexpr int kDesignedTapsStep = 32;
constexpr int kDesignedTapsBase = 256;
} // namespace

bool isDesignedFir(int type) { return type >= 1 && type <= 3; }

int designedFirTaps(int tapsSelection)
{
    return std::clamp(tapsSelection, 0, kTapsSelectionMax) * kDesignedTapsStep + kDesignedTapsBase;
}

int coefficientCount(int count) { return std::clamp(count, 0, kFirSlots); }

int outputFirTapsInUse(const OutputFilter& filter)
{
    if (filter.mode == kOutputModeIir || filter.fir.type == kFirDesignTypeBypass)
        return 0;
    return isDesignedFir(filter.fir.type) ? designedFirTaps(filter.fir.taps) : coefficientCount(filter.fir.taps);
}

int inputFirTapsInUse(bool bypassed, int coefficients) { return bypassed ? 0 : coefficientCount(coefficients); }

int firTapsInUse(const LUnitControl& unit, int c)
{
    if (c < 0 || c >= kChannelCount)
        return 0;
    if (c < kInputCount)
        return inputFirTapsInUse(unit.GetInFirBypass(c), unit.GetInputFirTaps(c));
    return outputFirTapsInUse(unit.GetOutputFilter(c));
}

} // namespace qx
