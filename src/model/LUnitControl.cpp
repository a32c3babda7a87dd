#include "model/LUnitControl.h"

#include <algorithm>
#include <bit>
#include <string_view>

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/FactoryDefault.h"
#include "model/PresetBurst.h"
#include "model/PresetFile.h"
#include "model/UnitHost.h"

namespace {
using qx::kChannelCount;
using qx::kInputCount;
using qx::kOutputCount;

constexpr std::string_view kDefaultPresetName = "Default Preset";

bool isChannel(int c)
{
    return c >= 0 && c < kChannelCount;
}
bool isInput(int c)
{
    return c >= 0 && c < kInputCount;
}
bool isOutput(int c)
{
    return c >= kInputCount && c < kChannelCount;
}
int bandCount(int c)
{
    return isInput(c) ? qx::kInputBandCount : qx::kOutputBandCount;
}
bool isBand(int c, int b)
{
    return isChannel(c) && b >= 0 && b < bandCount(c);
}
// Position on its side: c for an input, c - 4 for an output.
int sidePosition(int c)
{
    return isInput(c) ? c : c - kInputCount;
}
int sideFirst(int c)
{
    return isInput(c) ? 0 : kInputCount;
}
int sideSize(int c)
{
    return isInput(c) ? kInputCount : kOutputCount;
}
std::size_t linkMaskAt(int c)
{
    return qx::rec::channel(c) + (isInput(c) ? qx::rec::kInLinkMask : qx::rec::kOutLinkMask);
}
std::size_t gainAt(int c)
{
    return qx::rec::channel(c) + (isInput(c) ? qx::rec::kInGain : qx::rec::kOutGain);
}
std::size_t delayAt(int c)
{
    return qx::rec::channel(c) + (isInput(c) ? qx::rec::kInDelay : qx::rec::kOutDelay);
}
std::size_t polarityAt(int c)
{
    return qx::rec::channel(c) + (isInput(c) ? qx::rec::kInPolarity : qx::rec::kOutPolarity);
}
std::size_t bandAt(int c, int b)
{
    return isInput(c) ? qx::rec::inputBand(c, b) : qx::rec::outputBand(c - kInputCount, b);
}
std::size_t filterAt(int c)
{
    return qx::rec::outputFilter(c - kInputCount);
}
std::size_t muteMaskAt(int c)
{
    return isInput(c) ? qx::rec::kInputMuteMask : qx::rec::kOutputMuteMask;
}
std::size_t eqBypassMaskAt(int c)
{
    return isInput(c) ? qx::rec::kInputEqBypassMask : qx::rec::kOutputEqBypassMask;
}

void setBit(qx::UnitRecord& record, std::size_t at, int bit, bool on)
{
    const unsigned word = qx::readWord(record, at);
    const unsigned mask = 1U << bit;
    qx::writeWord(record, at, on ? (word | mask) : (word & ~mask));
}

bool testBit(const qx::UnitRecord& record, std::size_t at, int bit)
{
    return ((qx::readWord(record, at) >> bit) & 1U) != 0;
}

// Writes a crossover filter's frequency word and slope byte into each output
// of a group; inputs have no crossover.
auto passFilterWriter(qx::UnitRecord& record, std::size_t frequencyAt, std::size_t slopeAt,
                      std::uint16_t frequency, std::uint8_t slope)
{
    return [&record, frequencyAt, slopeAt, frequency, slope](int m) {
        if (isOutput(m)) {
            qx::writeWord(record, filterAt(m) + frequencyAt, frequency);
            record[filterAt(m) + slopeAt] = slope;
        }
    };
}

std::string_view nameText(std::span<const std::uint8_t> bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}
constexpr std::size_t kPresetImageRecordBytes = qx::kStoredPresetImageSize - 1; // record bytes 0-1244

bool isLastPiece(std::span<const std::uint8_t> payload)
{
    return !payload.empty() && payload[0] == LUnitControl::kLastPiece;
}
} // namespace

LUnitControl::LUnitControl(qx::UnitHost* host) : host_(host)
{
    LoadFactoryDefault();
}

void LUnitControl::LoadFactoryDefault()
{
    record_ = qx::kFactoryDefaultRecord;
}

const qx::StoredPresetImage& LUnitControl::storedPresetImage(int preset) const
{
    static constexpr qx::StoredPresetImage kEmptySlot = [] {
        qx::StoredPresetImage image{};
        image.fill(qx::kEmptyPresetByte);
        return image;
    }();
    if (preset < 1 || preset > qx::kStoredPresetCount) {
        return kEmptySlot;
    }
    return presets_[static_cast<std::size_t>(preset - 1)];
}

void LUnitControl::stagePiece(std::span<const std::uint8_t> payload)
{
    if (payload.empty() || payload[0] > kLastPiece) {
        return;
    }
    const std::size_t at = kPieceSize * payload[0];
    const auto data = payload.subspan(1, std::min(payload.size() - 1, kPieceSize));
    std::copy(data.begin(), data.end(), staging_.begin() + static_cast<std::ptrdiff_t>(at));
}

void LUnitControl::StoreParameterPiece(std::span<const std::uint8_t> payload)
{
    stagePiece(payload);
    if (isLastPiece(payload)) {
        std::copy(staging_.begin() + 2, staging_.begin() + qx::kRecordSize, record_.begin() + 2);
    }
}

void LUnitControl::StorePresetPiece(int preset, std::span<const std::uint8_t> payload)
{
    if (preset < 1 || preset > qx::kStoredPresetCount) {
        return;
    }
    stagePiece(payload);
    if (isLastPiece(payload)) {
        qx::StoredPresetImage& image = presets_[static_cast<std::size_t>(preset - 1)];
        image[0] = static_cast<std::uint8_t>(preset);
        std::copy_n(staging_.begin(), kPresetImageRecordBytes, image.begin() + 1);
    }
}

void LUnitControl::StoreMemoryHeader(std::span<const std::uint8_t> payload)
{
    std::copy_n(payload.begin(), std::min(payload.size(), memoryHeader_.size()), memoryHeader_.begin());
}

void LUnitControl::SetPresetFlags(std::span<const std::uint8_t> payload)
{
    for (std::size_t p = 0; p < presetUsed_.size(); ++p) {
        presetUsed_[p] = p < payload.size() && payload[p] == 0xFF;
    }
}

bool LUnitControl::IsPresetUsed(int p) const
{
    return p >= 0 && p < qx::kStoredPresetCount && presetUsed_[static_cast<std::size_t>(p)];
}

void LUnitControl::MarkPresetUsed(int p)
{
    if (p >= 0 && p < qx::kStoredPresetCount) {
        presetUsed_[static_cast<std::size_t>(p)] = true;
    }
}

void LUnitControl::SetPresetName(std::span<const std::uint8_t> bytes)
{
    for (std::size_t k = 0; k < qx::rec::kPresetNameSize; ++k) {
        record_[qx::rec::kPresetName + k] = k < bytes.size() ? bytes[k] : 0;
    }
}

void LUnitControl::ShowDefaultPresetNames()
{
    if (host_ == nullptr) {
        return;
    }
    qx::PresetName name{};
    std::copy(kDefaultPresetName.begin(), kDefaultPresetName.end(), name.begin());
    for (int r = 1; r <= qx::kStoredPresetCount; ++r) {
        host_->ShowPresetRowName(r, name);
    }
}

void LUnitControl::ShowPresetName(int r, std::span<const std::uint8_t> payload)
{
    if (host_ == nullptr || r < 1 || r > qx::kStoredPresetCount ||
        payload.size() < 1 + qx::rec::kPresetNameSize) {
        return;
    }
    qx::PresetName name{};
    std::transform(payload.begin() + 1, payload.begin() + 1 + qx::rec::kPresetNameSize, name.begin(),
                   [](std::uint8_t b) { return b == 0 ? std::uint8_t{' '} : b; });
    host_->ShowPresetRowName(r, name);
}

qx::Bytes LUnitControl::EncodeFirBlock(int k, const qx::FirBuffers& buffers) const
{
    if (k < 0 || k >= qx::kStoredPresetCount) {
        return qx::emptyFirImage();
    }
    const qx::StoredPresetImage& image = storedPresetImage(k + 1);
    return qx::encodeFirImage(buffers, qx::firCountsOf(std::span(image).subspan(1)));
}

qx::Bytes LUnitControl::EncodeEmptyFirBlock()
{
    return qx::emptyFirImage();
}

qx::Bytes LUnitControl::EncodePresetFile(const qx::FirBuffers& buffers) const
{
    return qx::encodePresetFileWithoutEnd(record_, buffers);
}

std::optional<std::array<qx::FirAreaRead, qx::kChannelCount>>
LUnitControl::ApplyPresetFile(std::span<const std::uint8_t> body, qx::FirBuffers& buffers,
                              const std::function<void()>& onFirError)
{
    constexpr std::size_t kBodyRead = qx::rec::kPresetParamsSize + qx::kFirImageSize;
    if (body.size() < kBodyRead) {
        return std::nullopt;
    }
    std::copy_n(body.begin(), qx::rec::kPresetParamsSize, record_.begin() + qx::rec::kPresetParamsStart);
    const auto reads = qx::readFirImage(body.subspan(qx::rec::kPresetParamsSize).first<qx::kFirImageSize>(), buffers);
    if (host_ != nullptr) {
        qx::UnitHost& host = *host_;
        qx::sendPresetBurst([&host](const LCmd& command, bool urgent) { host.SendCommand(command, urgent); },
                            deviceId(), record_, buffers, reads, onFirError);
    } else if (onFirError) {
        for (const qx::FirAreaRead& channel : reads) {
            if (channel.kind == qx::FirAreaKind::Error) {
                onFirError();
            }
        }
    }
    return reads;
}

qx::FileResult
LUnitControl::WriteUnitFile(const std::filesystem::path& chosen,
                            const std::array<qx::Bytes, qx::kStoredPresetCount>& firImages) const
{
    const qx::Bytes file = qx::encodeUnitFile({memoryHeader_, presets_, presetUsed_, firImages});
    return qx::writeFileReplacing(qx::unitFileName(chosen), file);
}

// ---- host services ----

std::uint8_t LUnitControl::deviceId() const
{
    return host_ != nullptr ? host_->GetDeviceId() : 0;
}

void LUnitControl::send(const LCmd& command, bool urgent) const
{
    if (host_ != nullptr && !host_->IsBusy()) {
        host_->SendCommand(command, urgent);
    }
}

void LUnitControl::markCurve(int c) const
{
    if (host_ != nullptr) {
        host_->MarkCurveChanged(c);
    }
}

template <typename Write> void LUnitControl::writeGroup(int c, Write write)
{
    const unsigned group = GetLinkGroup(c);
    for (int k = 0; k < sideSize(c); ++k) {
        if (((group >> k) & 1U) != 0) {
            write(sideFirst(c) + k);
        }
    }
}

// ---- reading ----

std::uint16_t LUnitControl::GetGain(int c) const
{
    return isChannel(c) ? qx::readWord(record_, gainAt(c)) : 0;
}

std::uint16_t LUnitControl::GetDelay(int c) const
{
    return isChannel(c) ? qx::readWord(record_, delayAt(c)) : 0;
}

int LUnitControl::GetPolarity(int c) const
{
    return isChannel(c) && qx::readWord(record_, polarityAt(c)) != 0 ? 1 : 0;
}

bool LUnitControl::IsMuted(int c) const
{
    return isChannel(c) && testBit(record_, muteMaskAt(c), sidePosition(c));
}

bool LUnitControl::IsPeqBandBypassed(int c, int b) const
{
    return isBand(c, b) && testBit(record_, qx::rec::peqBypassMask(c), b);
}

qx::PeqBand LUnitControl::GetPeqBand(int c, int b) const
{
    return isBand(c, b) ? qx::readPeqBand(record_, bandAt(c, b)) : qx::PeqBand{};
}

qx::PeqBand LUnitControl::GetDefaultPeqBand(int c, int b) const
{
    return isBand(c, b) ? qx::readPeqBand(qx::kFactoryDefaultRecord, bandAt(c, b)) : qx::PeqBand{};
}

qx::Dynamics LUnitControl::GetCompressor(int c) const
{
    return isOutput(c) ? qx::readDynamics(record_, qx::rec::channel(c) + qx::rec::kOutCompressor)
                       : qx::Dynamics{};
}

qx::Dynamics LUnitControl::GetLimiter(int c) const
{
    return isOutput(c) ? qx::readDynamics(record_, qx::rec::channel(c) + qx::rec::kOutLimiter)
                       : qx::Dynamics{};
}

qx::OutputFilter LUnitControl::GetOutputFilter(int c) const
{
    return isOutput(c) ? qx::readOutputFilter(record_, filterAt(c)) : qx::OutputFilter{};
}

bool LUnitControl::GetInFirBypass(int n) const
{
    return isInput(n) && qx::readWord(record_, qx::rec::input(n) + qx::rec::kInFirBypass) != 0;
}

std::uint16_t LUnitControl::GetLinkMask(int c) const
{
    return isChannel(c) ? qx::readWord(record_, linkMaskAt(c)) : 0;
}

std::span<const std::uint8_t> LUnitControl::ChannelRecord(int c) const
{
    if (!isChannel(c))
        return {};
    const std::size_t size = c < qx::kInputCount ? qx::rec::kInputSize : qx::rec::kOutputSize;
    return std::span<const std::uint8_t>(record_).subspan(qx::rec::channel(c), size);
}

int LUnitControl::GetInputFirTaps(int n) const
{
    return n >= 0 && n < qx::kInputCount ? qx::readWord(record_, qx::rec::input(n) + qx::rec::kInFirTapCount) : 0;
}

int LUnitControl::GetEqBypassMask(int c) const
{
    return qx::readWord(record_, c < qx::kInputCount ? qx::rec::kInputEqBypassMask : qx::rec::kOutputEqBypassMask);
}

void LUnitControl::SetEqBypassMask(int c, std::uint16_t mask)
{
    if (c < 0 || c >= qx::kChannelCount)
        return;
    qx::writeWord(record_, eqBypassMaskAt(c), mask);
}

int LUnitControl::GetMatrixRoute(int c) const
{
    return isOutput(c) ? qx::readWord(record_, qx::rec::output(c - qx::kInputCount) + qx::rec::kOutRouteMask) : 0;
}

int LUnitControl::GetMixLevel(int c, int input) const
{
    if (!isOutput(c) || input < 0 || input >= qx::kInputCount)
        return 0;
    return qx::readWord(record_, qx::rec::output(c - qx::kInputCount) + qx::rec::kOutMixLevels +
                                     2 * static_cast<std::size_t>(input));
}

int LUnitControl::GetDelayUnit() const { return qx::readWord(record_, qx::rec::kDelayUnit); }
int LUnitControl::GetInputSelect() const { return qx::readWord(record_, qx::rec::kInputSelect); }
int LUnitControl::GetOutputSelect() const { return qx::readWord(record_, qx::rec::kOutputSelect); }
int LUnitControl::GetTestSignalKind() const { return qx::readWord(record_, qx::rec::kTestSignalKind); }
int LUnitControl::GetTestSineIndex() const { return record_[qx::rec::kSineIndex]; }
int LUnitControl::GetTestAttenuation() const { return record_[qx::rec::kToneAttenuation]; }
int LUnitControl::GetSourceSelectMask() const { return qx::readWord(record_, qx::rec::kSourceSelectMask); }

std::uint16_t LUnitControl::GetLinkGroup(int c) const
{
    if (!isChannel(c)) {
        return 0;
    }
    const int k = sidePosition(c);
    const unsigned own = 1U << k;
    // A channel holding its own bit heads its group; otherwise the lowest
    // channel below it that holds its bit does.
    if ((GetLinkMask(c) & own) != 0) {
        return GetLinkMask(c);
    }
    for (int j = 0; j < k; ++j) {
        const unsigned mask = GetLinkMask(sideFirst(c) + j);
        if ((mask & own) != 0) {
            return static_cast<std::uint16_t>(mask);
        }
    }
    // Masks that name no group for c: c stands alone.
    return static_cast<std::uint16_t>(own);
}

int LUnitControl::CountLinkedChannels(int c) const
{
    if (!isChannel(c)) {
        return 0;
    }
    const unsigned sideBits = (1U << sideSize(c)) - 1U;
    return std::popcount(GetLinkGroup(c) & sideBits);
}

std::span<const std::uint8_t, qx::rec::kPresetNameSize> LUnitControl::PresetName() const
{
    return std::span(record_).subspan<qx::rec::kPresetName, qx::rec::kPresetNameSize>();
}

// ---- group setters ----

void LUnitControl::SetGain(int c, std::uint16_t word)
{
    if (!isChannel(c)) {
        return;
    }
    writeGroup(c, [&](int m) { qx::writeWord(record_, gainAt(m), word); });
    send(CM_MCS_GAIN(deviceId(), static_cast<std::uint8_t>(c), word), false);
}

void LUnitControl::SetDelay(int c, std::uint16_t samples)
{
    if (!isChannel(c)) {
        return;
    }
    writeGroup(c, [&](int m) { qx::writeWord(record_, delayAt(m), samples); });
    send(CM_MCS_DELAY(deviceId(), static_cast<std::uint8_t>(c), samples), false);
}

void LUnitControl::SetPolarity(int c, std::uint8_t value)
{
    if (!isChannel(c)) {
        return;
    }
    writeGroup(c, [&](int m) { qx::writeWord(record_, polarityAt(m), value); });
    send(CM_MCS_POLARITY(deviceId(), static_cast<std::uint8_t>(c), value), false);
}

void LUnitControl::SetPeqBand(int c, int b, const qx::PeqBand& band, std::uint8_t bypass)
{
    if (!isBand(c, b)) {
        return;
    }
    writeGroup(c, [&](int m) {
        qx::writePeqBand(record_, bandAt(m, b), band);
        setBit(record_, qx::rec::peqBypassMask(m), b, bypass != 0);
    });
    send(CM_MCS_PEQ(deviceId(), static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(b), band.gain,
                    band.frequency, band.q, band.type, bypass),
         false);
    markCurve(c);
}

void LUnitControl::SetHighPass(int c, const qx::OutputFilter& filter)
{
    if (!isChannel(c)) {
        return;
    }
    writeGroup(c, passFilterWriter(record_, qx::rec::kFilterHighPassFreq, qx::rec::kFilterHighPassSlope,
                                   filter.highPassFrequency, filter.highPassSlope));
    send(CM_MCS_HIGH_PASS(deviceId(), static_cast<std::uint8_t>(c), filter.highPassFrequency,
                          filter.highPassSlope),
         false);
    markCurve(c);
}

void LUnitControl::SetLowPass(int c, const qx::OutputFilter& filter)
{
    if (!isChannel(c)) {
        return;
    }
    writeGroup(c, passFilterWriter(record_, qx::rec::kFilterLowPassFreq, qx::rec::kFilterLowPassSlope,
                                   filter.lowPassFrequency, filter.lowPassSlope));
    send(CM_MCS_LOW_PASS(deviceId(), static_cast<std::uint8_t>(c), filter.lowPassFrequency,
                         filter.lowPassSlope),
         false);
    markCurve(c);
}

void LUnitControl::SetOutputFir(int c, const qx::OutputFirSettings& fir)
{
    if (!isChannel(c)) {
        return;
    }
    writeGroup(c, [&](int m) {
        if (isOutput(m)) {
            qx::writeFirSettings(record_, filterAt(m), fir);
        }
    });
    send(CM_MCS_FIR(deviceId(), static_cast<std::uint8_t>(c), fir.type, fir.window, fir.lowCut, fir.highCut,
                    fir.taps),
         true);
    markCurve(c);
}

void LUnitControl::SetOutputFilter(int c, const qx::OutputFilter& filter)
{
    if (!isOutput(c)) {
        return;
    }
    writeGroup(c, [&](int m) { qx::writeOutputFilter(record_, filterAt(m), filter); });
}

void LUnitControl::SetInputFirTaps(int c, std::uint16_t count)
{
    if (!isInput(c)) {
        return;
    }
    writeGroup(c, [&](int m) { qx::writeWord(record_, qx::rec::input(m) + qx::rec::kInFirTapCount, count); });
}

void LUnitControl::SetInputFirBypass(int c, std::uint16_t value)
{
    if (!isChannel(c)) {
        return;
    }
    writeGroup(c, [&](int m) {
        if (isInput(m)) {
            qx::writeWord(record_, qx::rec::input(m) + qx::rec::kInFirBypass, value);
        }
    });
    send(CM_MCS_CMD(deviceId(), qx::request::kInputFirBypass, static_cast<std::uint8_t>(c),
                    qx::lowByte(value)),
         true);
}

void LUnitControl::SetCompressor(int c, const qx::Dynamics& record)
{
    if (!isOutput(c)) {
        return;
    }
    writeGroup(
        c, [&](int m) { qx::writeDynamics(record_, qx::rec::channel(m) + qx::rec::kOutCompressor, record); });
    const auto words = record.words();
    send(CM_MCS_COMP(deviceId(), static_cast<std::uint8_t>(c), words), false);
}

void LUnitControl::SetLimiter(int c, const qx::Dynamics& record)
{
    if (!isOutput(c)) {
        return;
    }
    writeGroup(
        c, [&](int m) { qx::writeDynamics(record_, qx::rec::channel(m) + qx::rec::kOutLimiter, record); });
    const auto words = record.words();
    send(CM_MCS_LIMIT(deviceId(), static_cast<std::uint8_t>(c), words), false);
}

// ---- single-channel setters ----

void LUnitControl::SetMute(int c, std::uint8_t on)
{
    if (!isChannel(c)) {
        return;
    }
    setBit(record_, muteMaskAt(c), sidePosition(c), on != 0);
    send(CM_MCS_MUTE(deviceId(), static_cast<std::uint8_t>(c), on), false);
}

void LUnitControl::SetMatrixRoute(int c, int input, bool on)
{
    if (!isOutput(c) || !isInput(input)) {
        return;
    }
    const std::size_t at = qx::rec::channel(c) + qx::rec::kOutRouteMask;
    setBit(record_, at, input, on);
    send(CM_MCS_MATRIX(deviceId(), static_cast<std::uint8_t>(c), qx::readWord(record_, at)), false);
}

void LUnitControl::SetMixLevel(int c, int input, std::uint16_t level)
{
    if (!isOutput(c) || !isInput(input)) {
        return;
    }
    qx::writeWord(record_, qx::rec::channel(c) + qx::rec::kOutMixLevels + 2 * static_cast<std::size_t>(input),
                  level);
    send(CM_MCS_MIX(deviceId(), static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(input), level),
         false);
}

void LUnitControl::SetChannelName(int c, const qx::ChannelName& name)
{
    if (!isChannel(c)) {
        return;
    }
    std::copy(name.begin(), name.end(), record_.begin() + static_cast<std::ptrdiff_t>(qx::rec::channel(c)));
    send(CM_MCS_CHANNEL_NAME(deviceId(), static_cast<std::uint8_t>(c), nameText(name)), true);
}

void LUnitControl::SetLinkMask(int c, std::uint16_t mask)
{
    if (!isChannel(c)) {
        return;
    }
    qx::writeWord(record_, linkMaskAt(c), mask);
    send(CM_MCS_CMD(deviceId(), qx::request::kLinkMask, static_cast<std::uint8_t>(c), qx::lowByte(mask)),
         true);
}

// ---- unit-wide setters ----

void LUnitControl::SetDelayUnit(std::uint16_t unit)
{
    qx::writeWord(record_, qx::rec::kDelayUnit, unit);
    send(CM_MCS_DELAYUNIT(deviceId(), qx::lowByte(unit)), false);
}

void LUnitControl::SetInputSelect(std::uint8_t value)
{
    qx::writeWord(record_, qx::rec::kInputSelect, value);
    send(CM_MCS_CMD(deviceId(), qx::request::kIoSelect, 0, value), true);
}

void LUnitControl::SetOutputSelect(std::uint8_t value)
{
    qx::writeWord(record_, qx::rec::kOutputSelect, value);
    send(CM_MCS_CMD(deviceId(), qx::request::kIoSelect, 1, value), true);
}

void LUnitControl::SetSourceSelect(int bit, std::uint8_t on)
{
    if (!isChannel(bit)) {
        return;
    }
    setBit(record_, qx::rec::kSourceSelectMask, bit, on != 0);
    send(CM_MCS_CMD(deviceId(), qx::request::kSourceSelect, static_cast<std::uint8_t>(bit), on), true);
}

// ---- record copy ----

void LUnitControl::CopyChannelRecord(int s, int t)
{
    if (!isChannel(s) || !isChannel(t) || isInput(s) != isInput(t) || s == t) {
        return;
    }
    qx::writeWord(record_, qx::rec::peqBypassMask(t), qx::readWord(record_, qx::rec::peqBypassMask(s)));
    setBit(record_, eqBypassMaskAt(t), sidePosition(t), testBit(record_, eqBypassMaskAt(s), sidePosition(s)));
    // The words after the name up to the link mask; an output also keeps its
    // route mask and mix levels.
    const std::size_t first = isInput(s) ? qx::rec::kInBands : qx::rec::kOutFilter;
    const std::size_t end = isInput(s) ? qx::rec::kInLinkMask : qx::rec::kOutLinkMask;
    const auto from = record_.begin() + static_cast<std::ptrdiff_t>(qx::rec::channel(s) + first);
    std::copy(from, from + static_cast<std::ptrdiff_t>(end - first),
              record_.begin() + static_cast<std::ptrdiff_t>(qx::rec::channel(t) + first));
}
