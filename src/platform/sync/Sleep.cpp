#include "platform/sync/Sleep.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace qx {

namespace {

void realSleep(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::atomic<Sleeper> sleeper{&realSleep};

} // namespace

void Sleep(int milliseconds) { sleeper.load()(milliseconds); }

Sleeper setSleeper(Sleeper replacement)
{
    const Sleeper previous = sleeper.exchange(replacement ? replacement : &realSleep);
    return previous == &realSleep ? nullptr : previous;
}

} // namespace qx
