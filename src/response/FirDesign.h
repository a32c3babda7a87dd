#pragma once
// Windowed-sinc FIR designs as the processor makes them from a few settings
// (type, window, cut-offs, tap count), centred on the middle tap.

#include <vector>

namespace qx {

enum FirType : int
{
    kFirImpulse = 0, // "BYPASS"
    kFirLowPass = 1,
    kFirHighPass = 2,
    kFirBandPass = 3,
};

inline constexpr int kFirWindowCount = 11;
// Size of the tap list of a design or a coefficient list; longer ones are cut.
inline constexpr int kMaxFirTaps = 4097;

struct FirSettings
{
    int type = kFirImpulse;
    int window = 0;
    double lowCut = 0.0;  // Hz, the high-pass edge (types 2 and 3)
    double highCut = 0.0; // Hz, the low-pass edge (types 1 and 3)
    int tapCount = 1;
};

// Window index (0-10) at tap offset i (-N/2..N/2) of an N-tap design.
// Window 5 equals window 7, whose constant term is 0.335768 (peak 0.98).
// An index outside 0..10 gives 0.
double firWindowValue(int window, int i, int tapCount);

} // namespace qx

// The taps of a design, tap i at entry i + h for i = -h..h, h = N / 2: N + 1
// entries for an even N (the response uses the first N). A tap count below 1
// gives the one-tap impulse; one above 4097 is cut to 4097. A window outside
// 0..10 or a type outside 0..3 designs nothing and gives false with no taps.
bool DesignFirTaps(const qx::FirSettings& design, std::vector<double>& taps);
