#include "platform/sync/EventSet.h"

#include <cerrno>
#include <cstdint>
#include <system_error>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace qx {

EventSet::EventSet(std::size_t count, Clock& clock)
    : clock_(clock), signalled_(count, false), watched_(count, -1), fdStates_(count, FdState::Quiet)
{
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
    listenerId_ = clock_.addAdvanceListener([this] { wake(); });
}

EventSet::~EventSet()
{
    clock_.removeAdvanceListener(listenerId_);
    ::close(wakeFd_);
}

void EventSet::wake()
{
    const std::uint64_t one = 1;
    // A full counter still wakes the waiter, so a failed write loses nothing.
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
}

void EventSet::drainWake()
{
    std::uint64_t count = 0;
    [[maybe_unused]] const auto got = ::read(wakeFd_, &count, sizeof count);
}

void EventSet::set(std::size_t index)
{
    {
        std::lock_guard lock(mutex_);
        signalled_.at(index) = true;
    }
    wake();
}

void EventSet::watch(std::size_t index, int fd)
{
    std::lock_guard lock(mutex_);
    watched_.at(index) = fd;
    fdStates_[index] = FdState::Quiet;
}

int EventSet::pollOnce(int timeoutMs, int& error)
{
    std::vector<pollfd> fds{{wakeFd_, POLLIN, 0}};
    std::vector<std::size_t> owners;
    {
        std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < watched_.size(); ++i) {
            if (watched_[i] >= 0) {
                fds.push_back({watched_[i], POLLIN, 0});
                owners.push_back(i);
            }
        }
    }
    const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
    if (ready < 0) {
        error = errno;
        return ready;
    }
    if (fds[0].revents & POLLIN)
        drainWake();
    std::lock_guard lock(mutex_);
    for (std::size_t k = 0; k < owners.size(); ++k) {
        const short revents = fds[k + 1].revents;
        FdState state = FdState::Quiet;
        if (revents & POLLIN)
            state = FdState::Readable;
        else if (revents & (POLLERR | POLLHUP | POLLNVAL))
            state = FdState::Failed;
        fdStates_[owners[k]] = state;
    }
    return ready;
}

WaitResult EventSet::takeFirst()
{
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < signalled_.size(); ++i) {
        if (signalled_[i]) {
            signalled_[i] = false;
            return {WaitResult::Kind::Signalled, i, 0};
        }
        if (watched_[i] < 0)
            continue;
        if (fdStates_[i] == FdState::Readable)
            return {WaitResult::Kind::Signalled, i, 0};
        if (fdStates_[i] == FdState::Failed)
            return {WaitResult::Kind::Failed, i, EIO};
    }
    return {WaitResult::Kind::TimedOut, WaitResult::kNoEvent, 0};
}

WaitResult EventSet::waitUntil(std::int64_t deadlineMs)
{
    int timeoutMs = 0;
    for (;;) {
        int error = 0;
        if (pollOnce(timeoutMs, error) < 0 && error != EINTR)
            return {WaitResult::Kind::Failed, WaitResult::kNoEvent, error};
        const WaitResult found = takeFirst();
        if (found.kind != WaitResult::Kind::TimedOut)
            return found;
        const std::int64_t remaining = deadlineMs - clock_.nowMs();
        if (remaining <= 0)
            return found;
        timeoutMs = clock_.realWaitMs(remaining);
    }
}

} // namespace qx
