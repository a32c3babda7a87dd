#pragma once
// The taps a channel's FIR occupies of the processor's one FIR resource,
// shared by all 12 channels: an input its coefficient count unless its FIR is
// bypassed; an output nothing in IIR mode or with the FIR bypassed, its
// coefficient count for coefficients from a file, and the designed length
// (taps selection x 32 + 256) for a designed FIR. Every count taken from a
// record is held within 0..2048, the size of a coefficient buffer.

#include "codec/SharedConstants.h"
#include "model/RecordFields.h"

class LUnitControl;

namespace qx {

inline constexpr int kFirDesignTypeBypass = 0;
inline constexpr int kFirDesignTypeCoefficients = 4;
inline constexpr int kOutputModeIir = 0;
inline constexpr int kOutputModeFir = 1;
inline constexpr int kOutputModeIirFir = 2;

// Types 1-3: low-pass, high-pass and band-pass designs.
bool isDesignedFir(int type);
// Taps of a designed FIR for a taps selection 0..24 (a larger one counts as 24).
int designedFirTaps(int tapsSelection);
// A coefficient count held within 0..2048.
int coefficientCount(int count);

int outputFirTapsInUse(const OutputFilter& filter);
int inputFirTapsInUse(bool bypassed, int coefficients);
// Channel c's taps by the rule above, from the model; 0 for a channel out of range.
int firTapsInUse(const LUnitControl& unit, int c);

} // namespace qx
