#pragma once
// The meter poll: asks for the meters every 300 ms while the state is
// loaded, turns each reply into segment counts for the window and keeps the
// DSP load label, which flashes while the load stays at 99 % or more and
// calms down on the third reply below.

#include <cstdint>
#include <span>

#include "model/MeterView.h"

namespace qx {

class ExchangeHost;

class MeterMonitor
{
public:
    MeterMonitor(ExchangeHost& host, MeterView& view);

    // The poll timer's tick: asks for the meters, replacing a poll still
    // waiting in the link's queue.
    void OnMeterPollTimer();
    // Reply 64 (at least 34 bytes; a shorter payload is ignored).
    void OnMeterReply(std::span<const std::uint8_t> payload);
    // Every bar and meter empty, the DSP text at 0.0 and the label calm
    // (the flash timer keeps running).
    void ResetMeters();
    // Flash timer off, label calm, no flashing pending.
    void CalmDspLabel();
    // The flash timer's tick.
    void OnMipsFlashTimer();

    // Stops the poll and empties the meters.
    void Stop();
    void Start();

    static MeterFrame Decode(std::span<const std::uint8_t> reply, const MeterView& view);

    int MipsFlashCount() const { return flashCount_; }
    std::uint32_t LastIdleCount() const { return idleCount_; }

private:
    void updateDspLoad(std::uint32_t idleCount);

    ExchangeHost& host_;
    MeterView& view_;
    int flashCount_ = 0;
    bool labelRed_ = false;
    std::uint32_t idleCount_ = 8181;
};

} // namespace qx
