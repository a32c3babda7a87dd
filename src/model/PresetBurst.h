#pragma once
// The commands that make the processor take a whole preset at once, as
// opening a preset file sends them: everything muted, each input's FIR
// bypassed and each output in IIR mode while the names, levels, routing,
// filters, dynamics, PEQ bands and FIR coefficients go out, then the
// record's own FIR bypass, output modes and mutes. All urgent, so they reach
// the processor in this order.

#include <array>
#include <cstdint>
#include <functional>

#include "model/FirCommands.h"
#include "model/FirImage.h"
#include "model/UnitRecord.h"

namespace qx {

// `firReads` tells how each channel's coefficients were read: a channel read
// as an impulse or in error has its coefficient memory erased instead of
// written. `onFirError` (when set) runs right after each channel in error
// has been erased, before the rest of the burst goes out.
void sendPresetBurst(const CommandSender& send, std::uint8_t id, const UnitRecord& record,
                     const FirBuffers& buffers, const std::array<FirAreaRead, kChannelCount>& firReads,
                     const std::function<void()>& onFirError = {});

} // namespace qx
