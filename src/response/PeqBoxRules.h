#pragma once
// What the PEQ grid makes of the texts typed into its frequency, Q and gain
// boxes, and of the values code writes into a row: the step values a row
// keeps and the normalised texts it shows. Pure functions, no widgets.
//
// Row step values: frequency step = frequency index - 170 (-170..130, 0 is
// 1000 Hz, 30 steps per octave); Q step 0..100 into the Q table; gain step in
// tenths of a dB (or fifths for the twin grid).

#include <optional>
#include <string>

namespace qx::peq {

inline constexpr int kFrequencyStepMin = -170;
inline constexpr int kFrequencyStepMax = 130;
inline constexpr int kQStepMax = 100;

// The frequency of a step: 1000 * 2^(step / 30) Hz.
double frequencyOfStep(int step);
// "%4.2fKHz" of hz / 1000 from 1000 Hz, else "%4.1fHz".
std::string frequencyText(double hz);
// frequencyText of frequencyOfStep(step).
std::string frequencyStepText(int step);
// "%1.2f" of the Q table entry of a step (clamped to 0..100).
std::string qText(int step);
double qOfStep(int step);

// A typed frequency ("2kHz", "1.5K", "440"): the frequency step, or nothing
// when the text is not a frequency. Limited to the indexes 0..300.
std::optional<int> frequencyStepFromText(std::string text);
// A typed Q: the Q step, or nothing; limited to Q 0.4..128.
std::optional<int> qStepFromText(const std::string& text);

// The gain scale of a grid: steps per dB and the limit in dB.
struct GainScale
{
    int stepsPerDb;
    int limitDb;
};
inline constexpr GainScale kTenthsScale{10, 12};
inline constexpr GainScale kFifthsScale{5, 20};
// A typed gain ("3.45dB", "-2"): the gain step, or nothing; one decimal is
// kept and the value limited to the scale's limit.
std::optional<int> gainStepFromText(std::string text, GainScale scale = kTenthsScale);

// A frequency written by code: the nearest step by the grid's rounding (a
// first decimal of 6 or more goes one step further from zero), limited to
// -170..130; a frequency that is not a positive number gives -170.
int frequencyStepFromHz(double hz);
// The same for the twin grid, whose value is first written with three
// significant digits (12.56 reads 12.6 and goes up to 13).
int twinFrequencyStepFromHz(double hz);
// A gain written by code in tenths of a dB: hundredths truncated, then a
// dropped hundredths digit above 5 rounds away from zero; limited to -120..120,
// not a number gives 0.
int gainStepFromDb(double db);
// A gain written by code with SetGainValue: dB * steps, truncated; limited.
int gainStepTruncated(double db, GainScale scale = kTenthsScale);
// A Q step written by code: truncated and limited to 0..100, not a number gives 0.
int qStepFromValue(double step);

} // namespace qx::peq
