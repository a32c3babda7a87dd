#pragma once

#include "HidEndpoint.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qx::hid {
class FakeHidBus;
class FakeHidDevice;
} // namespace qx::hid

namespace qx::sim {
class Responder;

// The simulated processor plugged into the fake HID bus: output reports the
// program writes go to the HID endpoint, and its answers come back as input
// reports, after the answer's delay, in order, from a delivery thread of
// their own. An answer that drops the connection unplugs the device.
class FakeHidProcessor
{
public:
    FakeHidProcessor(hid::FakeHidBus& bus, Responder& responder, std::string path = "/fake/qx73b");
    ~FakeHidProcessor();
    FakeHidProcessor(const FakeHidProcessor&) = delete;
    FakeHidProcessor& operator=(const FakeHidProcessor&) = delete;

    hid::FakeHidDevice& Device() { return *device_; }
    void Unplug();
    // Output reports taken so far (well-formed or not).
    std::size_t ReportsWritten() const;

private:
    struct Delivery
    {
        std::chrono::steady_clock::time_point due;
        HidEndpoint::Answer answer;
    };

    void OnOutputReport(std::vector<std::uint8_t> report);
    void Deliver(std::stop_token stop);

    Responder& responder_;
    HidEndpoint endpoint_;
    std::shared_ptr<hid::FakeHidDevice> device_;
    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<Delivery> pending_;
    std::size_t written_ = 0;
    std::jthread delivery_;
};
} // namespace qx::sim
