#pragma once
// The simulator program `qx73b-sim` in a process of its own, listening on an
// ephemeral port of 127.0.0.1, with the current settings of a preset file.
// It runs until the object goes (its standard input closed, then waited for).

#include <cstdint>
#include <filesystem>

#include <sys/types.h>

namespace qx::bench {

class SimProcess
{
public:
    // Throws std::runtime_error when the program does not start or names no port.
    explicit SimProcess(const std::filesystem::path& presetFile);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    std::uint16_t Port() const { return port_; }

private:
    void stop();

    pid_t pid_ = -1;
    int input_ = -1;
    std::uint16_t port_ = 0;
};

// The two busy states the state-load benchmarks alternate between: the
// sample preset file of the tests, and the benchmarks' own busy state (every
// band in use, steep crossovers, long FIRs on every channel) written into a
// temporary folder of its own, removed with it.
class BusyStates
{
public:
    BusyStates();
    ~BusyStates();
    BusyStates(const BusyStates&) = delete;
    BusyStates& operator=(const BusyStates&) = delete;

    // State 0 or 1.
    const std::filesystem::path& File(int state) const { return state % 2 == 0 ? sample_ : busy_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path sample_;
    std::filesystem::path busy_;
};

} // namespace qx::bench
