#pragma once
// What a typed value in a compressor, limiter or gate box means. Each rule
// gives the partner control's position the text stands for, before it is
// cut to a whole position, so that a caller can tell a text that names the
// position already held (no change) from a new one; no value means the text
// is refused. The unit suffixes ("dB", "ms" and their other cases) are cut
// first.

#include <optional>
#include <string_view>

namespace qx {

// Threshold and knee boxes: a decibel value on a grid of 1 / factor dB. One
// decimal is weighed: 6-9 is kept, 0-4 drops the fraction, 5 keeps the text
// as typed. The value is clamped to lowDb..highDb and multiplied by factor.
std::optional<long double> decibelEntry(std::string_view text, double lowDb, double highDb, int factor);

// Compressor and limiter attack boxes: 0.1..999.9 ms in 0.1 ms steps; the
// position is ms x 10 - 1.
std::optional<long double> fineTimeEntry(std::string_view text);

// Release, and the gate's time boxes: whole milliseconds of a fader whose
// position is ms - 1, clamped to its minimum + 1 .. maximum + 1 ms. Huge
// numbers give the maximum.
std::optional<long double> wholeMsEntry(std::string_view text, int faderMin, int faderMax);

// Ratio boxes: "4", "1:4" or "1:4.0" give the first ratio index whose value
// is the typed one or more, "Limit" beyond 1:20. The limiter's box also
// takes "," and blanks.
std::optional<long double> ratioEntry(std::string_view text, bool limiter);

} // namespace qx
