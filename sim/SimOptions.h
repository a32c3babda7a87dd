#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DeviceCore.h"
#include "FaultPlan.h"
#include "MeterGenerator.h"

namespace qx::sim {
struct CoefficientOverride
{
    int set = 0;
    int channel = 0;
    int slot = 0;
    float value = 0.0f;
};

// Everything the command line of the simulator program sets.
struct SimOptions
{
    std::optional<std::uint16_t> tcpPort; // on 127.0.0.1; 0 = ephemeral
    bool pty = false;
    DeviceConfig device;
    std::optional<std::string> lock;
    std::string logFile;
    FaultPlan faults;
    MeterPattern meters;
    std::vector<int> usedPresets;
    std::vector<CoefficientOverride> coefficients;
    std::optional<std::string> presetFile; // current settings and coefficients
    bool help = false;
};

struct ParsedOptions
{
    SimOptions options;
    std::string error; // empty when the command line was valid
};

ParsedOptions ParseOptions(const std::vector<std::string>& args);
const char* UsageText();

// Puts the options that describe the device's state into the core; a
// preset file that cannot be read or is refused throws std::runtime_error.
void ApplyDeviceOptions(const SimOptions& options, DeviceCore& core);
} // namespace qx::sim
