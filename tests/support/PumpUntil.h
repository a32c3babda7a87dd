#pragma once
// Waiting on the GUI thread: the event loop runs between checks, so posted
// messages, socket events and timers are handled while the test waits.

#include "WaitUntil.h"
#include "platform/gui/Application.h"

namespace qx::test {

inline bool pumpUntil(const std::function<bool()>& done, std::string_view what = {},
                      std::chrono::milliseconds limit = kWaitLimit,
                      std::source_location where = std::source_location::current())
{
    return waitUntil(
        done, what,
        [] {
            Application->ProcessMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        },
        limit, where);
}

} // namespace qx::test
