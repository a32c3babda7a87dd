#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "DeviceCore.h"
#include "FaultPlan.h"

namespace qx::sim {
class FrameLog;

// What goes back for one received frame: the writes in order, after a delay,
// and what happens to the connection afterwards.
struct Exchange
{
    std::vector<Bytes> writes;
    int delayMs = 0;
    bool chunked = false; // the writes are pieces of frames, sent apart
    bool close = false;   // the connection drops (a fault)
    bool restart = false; // the processor restarts: a network or USB connection drops
};

// Puts the device core behind the fault plan: turns each received command
// frame into the bytes to write back, and logs both directions.
class Responder
{
public:
    explicit Responder(DeviceCore& core, FaultPlan faults = {}, FrameLog* log = nullptr);

    Exchange OnFrame(std::span<const std::uint8_t> frame);

    // The faults, to set before the simulator serves.
    FaultPlan& Faults() { return faults_; }
    // Puts other faults in place while it serves, from any thread: they hold
    // from the next frame on.
    void ReplaceFaults(FaultPlan faults);
    DeviceCore& Core() { return core_; }
    const std::vector<std::string>& ProtocolErrors() const { return errors_; }

private:
    std::vector<Bytes> AnswerFrames(const Outcome& outcome) const;
    Bytes EncodeReply(std::uint8_t command, const Reply& reply) const;
    std::vector<Bytes> Writes(const std::vector<Bytes>& frames) const;

    DeviceCore& core_;
    std::mutex faultsMutex_; // held by OnFrame and ReplaceFaults
    FaultPlan faults_;
    FrameLog* log_;
    int framesForUs_ = 0;
    std::vector<std::string> errors_;
};
} // namespace qx::sim
