#pragma once
// Sending a channel's FIR coefficients in blocks of 12: into the current
// settings (0x4E) or into a stored preset (0x5A), each block urgent. A count
// of 0 sends nothing; counts above 2048 are taken as 2048.

#include <cstdint>
#include <functional>

#include "model/FirImage.h"

class LCmd;

namespace qx {

using CommandSender = std::function<void(const LCmd& command, bool urgent)>;

// The first `count` coefficients of the buffer into channel c's current FIR.
void ResendFirCoefficients(const CommandSender& send, std::uint8_t id, int channel,
                           const FirChannelBuffer& coefficients, int count);
// The first `count` coefficients of the buffer into channel c of stored
// preset `preset` (1-20).
void StoreFirCoefficientsToPreset(const CommandSender& send, std::uint8_t id, int preset, int channel,
                                  const FirChannelBuffer& coefficients, int count);

// Erases the coefficient memory of channel c in set `set` (0 the current
// settings, 1-20 stored presets), sector by sector.
void EraseFirChannel(const CommandSender& send, std::uint8_t id, int set, int channel);

// Number of blocks that carry `count` coefficients.
int firBlockCount(int count);

} // namespace qx
