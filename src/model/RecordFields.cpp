#include "model/RecordFields.h"

namespace qx {

PeqBand readPeqBand(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return {readWord(bytes, at + rec::kBandGain), readWord(bytes, at + rec::kBandFreq),
            bytes[at + rec::kBandQ], bytes[at + rec::kBandType]};
}

void writePeqBand(std::span<std::uint8_t> bytes, std::size_t at, const PeqBand& band)
{
    writeWord(bytes, at + rec::kBandGain, band.gain);
    writeWord(bytes, at + rec::kBandFreq, band.frequency);
    bytes[at + rec::kBandQ] = band.q;
    bytes[at + rec::kBandType] = band.type;
}

OutputFirSettings readFirSettings(std::span<const std::uint8_t> bytes, std::size_t filterAt)
{
    return {bytes[filterAt + rec::kFilterFirType], bytes[filterAt + rec::kFilterFirWindow],
            readWord(bytes, filterAt + rec::kFilterFirLowCut),
            readWord(bytes, filterAt + rec::kFilterFirHighCut),
            readWord(bytes, filterAt + rec::kFilterFirTaps)};
}

void writeFirSettings(std::span<std::uint8_t> bytes, std::size_t filterAt, const OutputFirSettings& fir)
{
    bytes[filterAt + rec::kFilterFirType] = fir.type;
    bytes[filterAt + rec::kFilterFirWindow] = fir.window;
    writeWord(bytes, filterAt + rec::kFilterFirLowCut, fir.lowCut);
    writeWord(bytes, filterAt + rec::kFilterFirHighCut, fir.highCut);
    writeWord(bytes, filterAt + rec::kFilterFirTaps, fir.taps);
}

OutputFilter readOutputFilter(std::span<const std::uint8_t> bytes, std::size_t at)
{
    OutputFilter filter;
    filter.mode = static_cast<std::int16_t>(readWord(bytes, at + rec::kFilterMode));
    filter.highPassFrequency = readWord(bytes, at + rec::kFilterHighPassFreq);
    filter.lowPassFrequency = readWord(bytes, at + rec::kFilterLowPassFreq);
    filter.highPassSlope = bytes[at + rec::kFilterHighPassSlope];
    filter.lowPassSlope = bytes[at + rec::kFilterLowPassSlope];
    filter.fir = readFirSettings(bytes, at);
    return filter;
}

void writeOutputFilter(std::span<std::uint8_t> bytes, std::size_t at, const OutputFilter& filter)
{
    writeWord(bytes, at + rec::kFilterMode, static_cast<std::uint16_t>(filter.mode));
    writeWord(bytes, at + rec::kFilterHighPassFreq, filter.highPassFrequency);
    writeWord(bytes, at + rec::kFilterLowPassFreq, filter.lowPassFrequency);
    bytes[at + rec::kFilterHighPassSlope] = filter.highPassSlope;
    bytes[at + rec::kFilterLowPassSlope] = filter.lowPassSlope;
    writeFirSettings(bytes, at, filter.fir);
}

Dynamics readDynamics(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return {readWord(bytes, at + rec::kDynRatio), readWord(bytes, at + rec::kDynAttack),
            readWord(bytes, at + rec::kDynRelease), readWord(bytes, at + rec::kDynKnee),
            readWord(bytes, at + rec::kDynThreshold)};
}

void writeDynamics(std::span<std::uint8_t> bytes, std::size_t at, const Dynamics& dynamics)
{
    writeWord(bytes, at + rec::kDynRatio, dynamics.ratio);
    writeWord(bytes, at + rec::kDynAttack, dynamics.attack);
    writeWord(bytes, at + rec::kDynRelease, dynamics.release);
    writeWord(bytes, at + rec::kDynKnee, dynamics.knee);
    writeWord(bytes, at + rec::kDynThreshold, dynamics.threshold);
}

} // namespace qx
