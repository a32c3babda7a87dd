// The preset file reader: a refused file changes nothing; an accepted one
// gives a record that every getter and value scale reads, coefficients
// within their limit, and a file that is accepted again once written. Opened
// through File > Open while connected, it goes out to the processor as whole
// frames, or, refused, changes nothing.

#include "DispatcherSession.h"
#include "FuzzInput.h"
#include "MemoryFile.h"

#include "codec/ValueScales.h"
#include "model/LUnitControl.h"
#include "model/PresetFile.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// A file as the editor writes it, from the factory default.
qxfuzz::Bytes validFile()
{
    LUnitControl unit;
    unit.LoadFactoryDefault();
    return qx::encodePresetFile(unit.record(), qx::unitImpulseBuffers());
}

void readLikeTheWindow(const qx::UnitRecord& record)
{
    LUnitControl unit;
    unit.record() = record;
    volatile double sink = 0;
    for (int c = 0; c < qx::kChannelCount; ++c) {
        sink = qx::faderPositionToDb(qx::gainWordToPosition(unit.GetGain(c)));
        (void)GainText(qx::gainWordToPosition(unit.GetGain(c)));
        for (int u = 0; u < 3; ++u)
            sink = qx::samplesToDelay(unit.GetDelay(c), u);
        const int bands = c < qx::kInputCount ? qx::kInputBandCount : qx::kOutputBandCount;
        for (int b = 0; b < bands; ++b) {
            const qx::PeqBand band = unit.GetPeqBand(c, b);
            sink = IndexToFreq(band.frequency) + static_cast<double>(IndexToGain(band.gain)) + IndexToQ(band.q);
            (void)unit.IsPeqBandBypassed(c, b);
        }
        const qx::OutputFilter filter = unit.GetOutputFilter(c);
        sink = IndexToFreq(filter.highPassFrequency) + IndexToFreq(filter.lowPassFrequency);
        (void)unit.GetCompressor(c);
        (void)unit.GetLimiter(c);
        (void)unit.GetPolarity(c);
        (void)unit.IsMuted(c);
        const std::uint16_t group = unit.GetLinkGroup(c);
        const int side = c < qx::kInputCount ? c : c - qx::kInputCount;
        qxfuzz::check((group >> side & 1) != 0, "a channel's link group holds the channel");
        (void)unit.CountLinkedChannels(c);
    }
    (void)unit.PresetName();
    (void)sink;
}

void checkCoefficients(const qx::FirBuffers& buffers)
{
    for (const auto& channel : buffers)
        for (float v : channel)
            qxfuzz::check(std::isfinite(v) && v <= qx::kFirCoefficientLimit, "coefficients read are within the limit");
}

void openWhileConnected(const qxfuzz::Bytes& file, bool accepted)
{
    static qxfuzz::MemoryFile memory;
    memory.fill(file);
    qxfuzz::Session s;
    s.goOnline();
    s.takeSent();
    const qx::UnitRecord before = s.unit.record();
    s.host.files[qx::FileDialog::OpenPreset] = memory.path();
    s.dispatcher.presetFile().OpenPresetFile();
    s.takeSent();
    if (!accepted)
        qxfuzz::check(s.unit.record() == before, "a refused file opened changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::InputReader in(data, size);
    static const qxfuzz::Bytes valid = validFile();
    const qxfuzz::Bytes file = qxfuzz::fileFromInput(in, valid);

    qx::UnitRecord record{};
    std::fill(record.begin(), record.end(), std::uint8_t{0xA5});
    const qx::UnitRecord before = record;
    auto buffers = std::make_unique<qx::FirBuffers>(qx::unitImpulseBuffers());
    const qx::PresetFileTake take = qx::takePresetFile(file, record, *buffers);
    openWhileConnected(file, take.result.ok());
    if (!take.result.ok()) {
        qxfuzz::check(record == before, "a refused file leaves the record");
        qxfuzz::check(!take.result.textId.empty(), "a refused file says why");
        return 0;
    }
    qxfuzz::check(std::equal(record.begin(), record.begin() + qx::rec::kPresetParamsStart, before.begin()) &&
                      std::equal(record.begin() + qx::rec::kTestSignalKind, record.end(),
                                 before.begin() + qx::rec::kTestSignalKind),
                  "a preset file changes only the preset parameters");
    checkCoefficients(*buffers);
    readLikeTheWindow(record);

    const qxfuzz::Bytes written = qx::encodePresetFile(record, *buffers);
    qxfuzz::check(qx::decodePresetFile(written).result.ok(), "a file written from what was read is accepted");
    return 0;
}
