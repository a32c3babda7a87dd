#pragma once
// The lock code as the processor takes it.

#include <cstdint>

namespace qx {

// The processor's default lock code.
inline constexpr const char* kDefaultLockCode = "7481";
// The closing command that ends the connection.
inline constexpr std::uint8_t kCloseCommand = 0x11;

} // namespace qx
