#pragma once
// What a typed value in a band or cut-off value box means: the text is cut
// of its unit suffixes, checked against the box's characters, read as the C
// library reads a decimal number ("," ends the number), then snapped to the
// fader's scale and clamped into it. No value means the entry is refused.
// Also the texts the boxes show for a fader position.

#include <optional>
#include <string>
#include <string_view>

namespace qx {

// Frequency index 0..300 of a typed frequency ("1k", "1.5 kHz", "250Hz").
std::optional<int> frequencyEntry(std::string_view text);
// Q index 0..100 of a typed Q; Q above 128 is 128, at or below 0.4 is 0.4.
std::optional<int> qEntry(std::string_view text);
// Gain index 0..240 of a typed gain in dB, one decimal kept, not rounded.
std::optional<int> gainEntry(std::string_view text);

// The box texts of a fader position.
std::string frequencyBoxText(int index);
std::string qBoxText(int index);
std::string gainBoxText(int index);

} // namespace qx
