#pragma once
// Conversions between the processor's integer parameter scales and the values
// a user types or reads: frequency index, PEQ gain index, Q index, channel
// gain position and delay samples. Pure functions without state.
//
// Readers of a stored index (IndexToFreq, IndexToGain, IndexToQ) clamp it into
// the scale's range, so a corrupt record never reads past a table. Converters
// from typed values truncate toward zero and leave range checks to callers.

#include <string>
#include <string_view>

namespace qx {
inline constexpr int kFreqIndexMax = 300;
inline constexpr int kGainIndexMax = 240;
inline constexpr int kGainIndexZeroDb = 120;
inline constexpr int kGainWordMax = 400;
inline constexpr int kGainWordZeroDb = 280; // also the top of the mix-level scale
inline constexpr int kDelaySamplesMax = 32640;

enum DelayUnit : int
{
    kDelayUnitMs = 0,
    kDelayUnitMetres = 1,
    kDelayUnitFeet = 2
};

// Fader position p = gain word - 280, the word clamped to 0-400.
int gainWordToPosition(int gainWord);
// Gain in dB of a fader position (-280..120, clamped): 0.1 dB steps from
// -200 up, 0.5 dB steps below -200 down to -60 dB.
double faderPositionToDb(int position);
// Delay value in the given unit of a number of samples: ms, metres or feet;
// 0 for an unknown unit. DelayToSamples is its inverse.
double samplesToDelay(int samples, int unit);
} // namespace qx

int FreqToIndex(double hz);
double IndexToFreq(int index);
int GainToIndex(double db);
long double IndexToGain(int index);
int QToIndex(double q);
double IndexToQ(int index);
int DelayToSamples(double value, int unit);
std::string GainText(int position);
bool IsNumericText(std::string_view text);
