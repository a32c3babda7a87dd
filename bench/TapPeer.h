#pragma once
// The simulated processor on a loopback socket of its own, noting when each
// command frame arrives: the far end of "the bytes are on the wire".

#include "DeviceCore.h"
#include "Responder.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace qx::bench {

class TapPeer
{
public:
    using Clock = std::chrono::steady_clock;

    TapPeer();
    ~TapPeer();
    TapPeer(const TapPeer&) = delete;
    TapPeer& operator=(const TapPeer&) = delete;

    std::uint16_t Port() const { return port_; }
    // Command frames received so far, and when the last one was complete.
    int Frames() const { return frames_.load(std::memory_order_acquire); }
    Clock::time_point LastArrival() const { return Clock::time_point(Clock::duration(lastArrival_.load())); }

private:
    void serve();

    sim::DeviceCore core_;
    sim::Responder responder_{core_};
    int listener_ = -1;
    std::atomic<int> peer_{-1};
    std::uint16_t port_ = 0;
    std::atomic<int> frames_{0};
    std::atomic<Clock::rep> lastArrival_{0};
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace qx::bench
