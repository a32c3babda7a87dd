#include "platform/net/DialFilter.h"

#include <mutex>
#include <utility>

namespace qx {

namespace {

std::mutex filterMutex;
DialFilter currentFilter;

} // namespace

void setDialFilter(DialFilter filter)
{
    std::lock_guard lock(filterMutex);
    currentFilter = std::move(filter);
}

bool dialAllowed(std::uint32_t address, std::uint16_t port)
{
    std::lock_guard lock(filterMutex);
    return !currentFilter || currentFilter(address, port);
}

} // namespace qx
