#pragma once
// Registers the channel dialogs (link selection, channel copy, channel
// names, PEQ reset, source select, test signal, limiter calculator) with the
// property registry, so that their layouts load.

namespace qx {
void registerChannelDialogs();
} // namespace qx
