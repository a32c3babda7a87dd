#include "response/LMyFFTDrawPhase.h"

namespace {
using qx::BandTextClass;

BandTextClass twinHandleText(int type)
{
    if (type <= 2) {
        return BandTextClass::QFrequencyGain;
    }
    if (type == 5 || type == 10 || type == 11) {
        return BandTextClass::FrequencyOnly;
    }
    if (type == 3 || type == 4 || type == 6) {
        return BandTextClass::QAndFrequency;
    }
    return BandTextClass::None;
}

BandTextClass twinSelectedText(int type)
{
    const BandTextClass c = twinHandleText(type);
    return c == BandTextClass::None ? BandTextClass::QAndFrequency : c;
}

constexpr qx::BandTextRules kTwinRules{twinHandleText, twinSelectedText};
} // namespace

LMyFFTDrawPhase::LMyFFTDrawPhase(TComponent* AOwner) : LMyFFTDrawHpLp6dB(AOwner, kTwinRules) {}
