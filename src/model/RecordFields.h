#pragma once
// Typed views of the small records inside the unit-state record: a PEQ band,
// an output filter with its FIR settings and a compressor or limiter. Each
// has a reader and a writer at a record offset, so the setters and getters
// never spell out byte positions.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/UnitRecord.h"

namespace qx {

using ChannelName = std::array<std::uint8_t, rec::kChannelNameSize>;
using PresetName = std::array<std::uint8_t, rec::kPresetNameSize>;

struct PeqBand
{
    std::uint16_t gain = 0;      // gain index
    std::uint16_t frequency = 0; // frequency index
    std::uint8_t q = 0;          // Q index
    std::uint8_t type = 0;       // PEQ type
    friend bool operator==(const PeqBand&, const PeqBand&) = default;
};

struct OutputFirSettings
{
    std::uint8_t type = 0;
    std::uint8_t window = 0;
    std::uint16_t lowCut = 0;
    std::uint16_t highCut = 0;
    std::uint16_t taps = 0;
    friend bool operator==(const OutputFirSettings&, const OutputFirSettings&) = default;
};

struct OutputFilter
{
    std::int16_t mode = 0;
    std::uint16_t highPassFrequency = 0;
    std::uint16_t lowPassFrequency = 0;
    std::uint8_t highPassSlope = 0;
    std::uint8_t lowPassSlope = 0;
    OutputFirSettings fir;
    friend bool operator==(const OutputFilter&, const OutputFilter&) = default;
};

// Compressor or limiter.
struct Dynamics
{
    std::uint16_t ratio = 0;
    std::uint16_t attack = 0;
    std::uint16_t release = 0;
    std::uint16_t knee = 0;
    std::uint16_t threshold = 0; // threshold position + 180
    std::array<std::uint16_t, 5> words() const { return {ratio, attack, release, knee, threshold}; }
    friend bool operator==(const Dynamics&, const Dynamics&) = default;
};

PeqBand readPeqBand(std::span<const std::uint8_t> bytes, std::size_t at);
void writePeqBand(std::span<std::uint8_t> bytes, std::size_t at, const PeqBand& band);

OutputFirSettings readFirSettings(std::span<const std::uint8_t> bytes, std::size_t filterAt);
void writeFirSettings(std::span<std::uint8_t> bytes, std::size_t filterAt, const OutputFirSettings& fir);

OutputFilter readOutputFilter(std::span<const std::uint8_t> bytes, std::size_t at);
void writeOutputFilter(std::span<std::uint8_t> bytes, std::size_t at, const OutputFilter& filter);

Dynamics readDynamics(std::span<const std::uint8_t> bytes, std::size_t at);
void writeDynamics(std::span<std::uint8_t> bytes, std::size_t at, const Dynamics& dynamics);

} // namespace qx
