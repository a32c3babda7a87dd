#pragma once

#include <array>
#include <cstdint>

#include "ImageLayout.h"

namespace qx::sim {
// The processor's factory-default parameter record: the state it starts in and
// returns to on a factory reset or a recall of preset 0.
const std::array<std::uint8_t, layout::kRecordSize>& FactoryImage();
} // namespace qx::sim
