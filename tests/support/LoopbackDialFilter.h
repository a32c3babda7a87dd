#pragma once
// The guard of every test that may open a TCP connection: a socket may dial
// the loopback address only. Anything else is refused before a socket exists
// and fails the test that tried.

#include "platform/net/DialFilter.h"

#include <gtest/gtest.h>

namespace qx::test {

inline void dialLoopbackOnly()
{
    setDialFilter([](std::uint32_t address, std::uint16_t) {
        EXPECT_TRUE(isLoopback(address)) << "a test dialled a non-loopback address";
        return isLoopback(address);
    });
}

inline void removeDialFilter() { setDialFilter(nullptr); }

} // namespace qx::test
