#include "model/PresetBurst.h"

#include <string_view>

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/RecordFields.h"

namespace qx {
namespace {

constexpr std::uint8_t kOutputModeIir = 0;

class Burst
{
public:
    Burst(const CommandSender& send, std::uint8_t id, const UnitRecord& record)
        : send_(send), id_(id), r_(record)
    {
    }

    void muteAll()
    {
        for (int c = 0; c < kChannelCount; ++c) {
            send(CM_MCS_MUTE(id_, ch(c), 1));
        }
    }

    void presetName()
    {
        send(CM_MCS_PRESETNAME(id_, text(rec::kPresetName, rec::kPresetNameSize)));
    }

    void input(int n)
    {
        const std::size_t at = rec::input(n);
        send(CM_MCS_CHANNEL_NAME(id_, ch(n), text(at + rec::kInName, rec::kChannelNameSize)));
        send(CM_MCS_CMD(id_, request::kInputFirBypass, ch(n), 1));
        channelLevels(n, at + rec::kInGain, at + rec::kInPolarity, at + rec::kInDelay);
        send(CM_MCS_CMD(id_, request::kLinkMask, ch(n), low(at + rec::kInLinkMask)));
    }

    void output(int i)
    {
        const int c = i + kInputCount;
        const std::size_t at = rec::output(i);
        send(CM_MCS_CHANNEL_NAME(id_, ch(c), text(at + rec::kOutName, rec::kChannelNameSize)));
        send(CM_MCS_MATRIX(id_, ch(c), word(at + rec::kOutRouteMask)));
        for (int n = 0; n < kInputCount; ++n) {
            send(CM_MCS_MIX(id_, ch(c), ch(n), word(at + rec::kOutMixLevels + 2 * static_cast<std::size_t>(n))));
        }
        const OutputFilter filter = readOutputFilter(r_, rec::outputFilter(i));
        send(CM_MCS_HIGH_PASS(id_, ch(c), filter.highPassFrequency, filter.highPassSlope));
        send(CM_MCS_LOW_PASS(id_, ch(c), filter.lowPassFrequency, filter.lowPassSlope));
        send(CM_MCS_CMD(id_, request::kOutputMode, ch(c), kOutputModeIir));
        const auto comp = readDynamics(r_, at + rec::kOutCompressor).words();
        const auto limit = readDynamics(r_, at + rec::kOutLimiter).words();
        send(CM_MCS_COMP(id_, ch(c), comp));
        send(CM_MCS_LIMIT(id_, ch(c), limit));
        channelLevels(c, at + rec::kOutGain, at + rec::kOutPolarity, at + rec::kOutDelay);
        send(CM_MCS_CMD(id_, request::kLinkMask, ch(c), low(at + rec::kOutLinkMask)));
    }

    void sources()
    {
        const unsigned mask = word(rec::kSourceSelectMask);
        for (int b = 0; b < kChannelCount; ++b) {
            send(CM_MCS_CMD(id_, request::kSourceSelect, ch(b), bit(mask, b)));
        }
    }

    void bands(int c)
    {
        const unsigned bypass = word(rec::peqBypassMask(c));
        const int count = c < kInputCount ? kInputBandCount : kOutputBandCount;
        for (int b = 0; b < count; ++b) {
            const std::size_t at = c < kInputCount ? rec::inputBand(c, b) : rec::outputBand(c - kInputCount, b);
            const PeqBand band = readPeqBand(r_, at);
            send(CM_MCS_PEQ(id_, ch(c), ch(b), band.gain, band.frequency, band.q, band.type, bit(bypass, b)));
        }
    }

    void coefficients(int c, const FirChannelBuffer& buffer, FirAreaKind kind)
    {
        if (kind == FirAreaKind::Coefficients) {
            ResendFirCoefficients(send_, id_, c, buffer, word(rec::firCount(c)));
            return;
        }
        EraseFirChannel(send_, id_, 0, c);
    }

    void firSettings()
    {
        for (int n = 0; n < kInputCount; ++n) {
            send(CM_MCS_CMD(id_, request::kInputFirBypass, ch(n), low(rec::input(n) + rec::kInFirBypass)));
        }
        for (int i = 0; i < kOutputCount; ++i) {
            const int c = i + kInputCount;
            const OutputFirSettings fir = readFirSettings(r_, rec::outputFilter(i));
            send(CM_MCS_FIR(id_, ch(c), fir.type, fir.window, fir.lowCut, fir.highCut, fir.taps));
            send(CM_MCS_CMD(id_, request::kOutputMode, ch(c), low(rec::outputFilter(i) + rec::kFilterMode)));
        }
    }

    void unmuteAsStored()
    {
        const unsigned inputs = word(rec::kInputMuteMask);
        const unsigned outputs = word(rec::kOutputMuteMask);
        for (int n = 0; n < kInputCount; ++n) {
            send(CM_MCS_MUTE(id_, ch(n), bit(inputs, n)));
        }
        for (int i = 0; i < kOutputCount; ++i) {
            send(CM_MCS_MUTE(id_, ch(i + kInputCount), bit(outputs, i)));
        }
    }

private:
    void send(const LCmd& command) const { send_(command, true); }

    void channelLevels(int c, std::size_t gain, std::size_t polarity, std::size_t delay)
    {
        send(CM_MCS_GAIN(id_, ch(c), word(gain)));
        send(CM_MCS_POLARITY(id_, ch(c), word(polarity)));
        send(CM_MCS_DELAY(id_, ch(c), word(delay)));
    }

    static std::uint8_t ch(int c) { return static_cast<std::uint8_t>(c); }
    static std::uint8_t bit(unsigned mask, int b) { return static_cast<std::uint8_t>((mask >> b) & 1U); }
    std::uint16_t word(std::size_t at) const { return readWord(r_, at); }
    std::uint8_t low(std::size_t at) const { return r_[at]; }
    std::string_view text(std::size_t at, std::size_t size) const
    {
        return {reinterpret_cast<const char*>(r_.data() + at), size};
    }

    const CommandSender& send_;
    std::uint8_t id_;
    const UnitRecord& r_;
};

} // namespace

void sendPresetBurst(const CommandSender& send, std::uint8_t id, const UnitRecord& record,
                     const FirBuffers& buffers, const std::array<FirAreaRead, kChannelCount>& firReads,
                     const std::function<void()>& onFirError)
{
    Burst burst(send, id, record);
    burst.muteAll();
    burst.presetName();
    for (int n = 0; n < kInputCount; ++n) {
        burst.input(n);
    }
    for (int i = 0; i < kOutputCount; ++i) {
        burst.output(i);
    }
    burst.sources();
    for (int c = 0; c < kChannelCount; ++c) {
        burst.bands(c);
    }
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        burst.coefficients(static_cast<int>(c), buffers[c], firReads[c].kind);
        if (firReads[c].kind == FirAreaKind::Error && onFirError) {
            onFirError();
        }
    }
    burst.firSettings();
    burst.unmuteAsStored();
}

} // namespace qx
