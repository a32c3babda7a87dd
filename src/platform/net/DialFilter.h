#pragma once

#include <cstdint>
#include <functional>

namespace qx {

/// Decides whether a client socket may dial an IPv4 address (host byte
/// order) and port. The program allows every address; a test run installs a
/// filter that allows the loopback address only, so that no test can reach
/// beyond the machine. A refused dial fails as a connect error (EACCES).
using DialFilter = std::function<bool(std::uint32_t address, std::uint16_t port)>;

void setDialFilter(DialFilter filter);
/// True when the current filter allows the dial (always, with no filter).
bool dialAllowed(std::uint32_t address, std::uint16_t port);

/// True for 127.0.0.0/8.
constexpr bool isLoopback(std::uint32_t address) { return (address >> 24) == 127; }

} // namespace qx
