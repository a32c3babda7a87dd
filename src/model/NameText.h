#pragma once
// Channel and preset names between typed text (UTF-8) and the record's
// Windows-1252 bytes. The code page has one byte per character, so cutting
// the converted bytes to the field's width always cuts between characters;
// a character outside the code page becomes '?'.

#include <span>
#include <string>
#include <string_view>

#include "model/RecordFields.h"

namespace qx {

// At most 8 characters, NUL-padded.
ChannelName channelNameFromText(std::string_view utf8);
// At most 14 characters, padded with blanks to exactly 14.
PresetName presetNameFromText(std::string_view utf8);
// The characters of a name field up to its first NUL.
std::string textOfName(std::span<const std::uint8_t> bytes);

} // namespace qx
