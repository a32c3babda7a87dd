#pragma once

#include <cstdint>
#include <vector>

namespace qx {

/// The bytes of one whole frame, command or reply.
using Frame = std::vector<std::uint8_t>;

} // namespace qx
