#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace qx::sim {
// A set of command codes, or every code.
struct CodeSet
{
    bool all = false;
    std::set<std::uint8_t> codes;

    bool Has(std::uint8_t code) const { return all || codes.count(code) != 0; }
};

// The faults the simulator injects into its answers. Codes name the command
// being answered.
struct FaultPlan
{
    // Made out of line: GCC 12 at -O3, seeing a default plan made and dropped
    // in the caller, misreads its empty sets as read uninitialised.
    FaultPlan();

    int latencyMs = 0;                         // before every answer
    std::map<std::uint8_t, int> latencyByCode; // overrides latencyMs for a command
    CodeSet silent;                            // commands that get no answer
    int silentFrame = 0;                       // the n-th frame for this device (from 1) gets no answer
    CodeSet duplicate;                         // answered twice
    int foreignId = -1;                        // 0-255: answers carry this device id instead
    std::map<std::uint8_t, int> payloadDelta;  // bytes cut from (< 0) or added to (> 0) an answer
    CodeSet zeroLength;                        // answers sent with length byte 0
    std::size_t chunkSize = 0;                 // every write cut into pieces of at most this size
    bool coalesce = false;                     // all frames of one answer in one write
    std::size_t garbageBytes = 0;              // junk bytes written before every answer frame
    std::vector<std::uint8_t> junk{0x00, 0x05, 0xFF, 0x7E}; // the junk, repeated; never empty
    int closeAtFrame = 0;                      // the n-th frame for this device drops the connection
    CodeSet transferEnd;                       // a "transfer end" frame follows these answers

    int LatencyFor(std::uint8_t code) const
    {
        const auto it = latencyByCode.find(code);
        return it != latencyByCode.end() ? it->second : latencyMs;
    }
};
} // namespace qx::sim
