#pragma once
// What a typed value in a gain, mix-level or delay box means, and the delay texts those
// boxes show (the gain text is GainText). A gain is typed in dB and becomes a
// gain fader position (-280..120: 0.1 dB steps from -20 dB up, 0.5 dB steps
// below); a delay is typed in the unit's milliseconds, metres or feet and
// becomes a sample count (0..32640). No value means the entry is refused.

#include <optional>
#include <string>
#include <string_view>

namespace qx {

// Fader position of a typed gain ("5dB", "-20.5", "1,5"). One decimal is
// kept; below -20 dB the value moves toward zero to a 0.5 dB step; the result
// is clamped to -60..+12 dB. A text with a "." whose whole part is not a
// plain signed number, or whose next character is not a digit, is refused.
std::optional<int> channelGainEntry(std::string_view text);
// Up-down position (-280..0) of a typed mix level: the gain rules with the
// level clamped to -60..0 dB.
std::optional<int> mixLevelEntry(std::string_view text);

// Samples of a typed delay in the delay unit (0 ms, 1 m, 2 ft; another unit
// reads as ms): the unit's suffixes cut, digits, ".", "," and blanks only,
// clamped to 0..32640 samples and rounded to the nearest sample.
std::optional<int> delayEntry(std::string_view text, int unit);

// "1.000ms", "0.344m", "1.127ft": the delay text of a sample count.
std::string delayText(int samples, int unit);

} // namespace qx
