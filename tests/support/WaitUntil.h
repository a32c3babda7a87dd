#pragma once
// Waiting in a test for something another thread or the event loop brings
// about: always with a limit, and on time-out a failure that says what was
// awaited and where. The limit is a hang guard, not a timing check.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <source_location>
#include <string_view>
#include <thread>

namespace qx::test {

inline constexpr std::chrono::seconds kWaitLimit{60};

/// Adds the failure of a wait that ran out.
inline void reportWaitTimeout(std::string_view what, std::chrono::milliseconds limit,
                              const std::source_location& where)
{
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
        << "waited " << limit.count() << " ms in vain for " << (what.empty() ? "the condition here" : what);
}

/// Checks `done` until it holds, running `pass` between checks (a 1 ms
/// sleep when none is given). False, with a failure, once `limit` has gone by.
inline bool waitUntil(const std::function<bool()>& done, std::string_view what = {},
                      const std::function<void()>& pass = {}, std::chrono::milliseconds limit = kWaitLimit,
                      std::source_location where = std::source_location::current())
{
    const auto giveUp = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            reportWaitTimeout(what, limit, where);
            return false;
        }
        if (pass)
            pass();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace qx::test
