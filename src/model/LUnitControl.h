#pragma once
// The processor's parameter model: the unit-state record and the transfer
// areas around it (preset-used flags, memory header, the staging area of
// parameter pieces and the stored preset images), with the encoders of the
// coefficient images and the preset and unit files.
//
// FIR coefficients live with the main window; the encoders take them as an
// argument.
//
// Setters store the values they are given into every channel of the edited
// channel's link group and, unless the host is busy, send one command for the
// edited channel. Channel, band, input and preset indexes are checked where
// they enter: an index out of range changes nothing and sends nothing, and a
// getter given one returns a zero value.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>

#include "model/FileStore.h"
#include "model/FirImage.h"
#include "model/RecordFields.h"
#include "model/UnitFile.h"
#include "model/UnitRecord.h"

class LCmd;

namespace qx {
class UnitHost;
}

class LUnitControl
{
public:
    static constexpr int kPieceCount = qx::kParameterPieceCount;
    static constexpr std::size_t kPieceSize = qx::kParameterPieceSize;
    static constexpr std::size_t kStagingSize = kPieceSize * kPieceCount; // 1300
    static constexpr int kLastPiece = kPieceCount - 1;

    // Without a host the setters change the model only.
    explicit LUnitControl(qx::UnitHost* host = nullptr);

    void LoadFactoryDefault();

    // Reading the record; c is the channel 0-11 (inputs 0-3), b the band.
    std::uint16_t GetGain(int c) const;
    std::uint16_t GetDelay(int c) const;
    int GetPolarity(int c) const;
    bool IsMuted(int c) const;
    bool IsPeqBandBypassed(int c, int b) const;
    qx::PeqBand GetPeqBand(int c, int b) const;
    qx::PeqBand GetDefaultPeqBand(int c, int b) const;
    qx::Dynamics GetCompressor(int c) const;
    qx::Dynamics GetLimiter(int c) const;
    // All zero for an input.
    qx::OutputFilter GetOutputFilter(int c) const;
    bool GetInFirBypass(int n) const;
    std::uint16_t GetLinkMask(int c) const;
    // The channels a change of c is applied to, as a mask over c's side. It
    // always holds c itself, also when the stored masks disagree.
    std::uint16_t GetLinkGroup(int c) const;
    int CountLinkedChannels(int c) const;
    std::span<const std::uint8_t, qx::rec::kPresetNameSize> PresetName() const;
    // Channel c's record; empty for a channel out of range.
    std::span<const std::uint8_t> ChannelRecord(int c) const;
    int GetInputFirTaps(int n) const;
    // Input EQ bypass mask for channels 0-3, the output one for 4-11.
    int GetEqBypassMask(int c) const;
    int GetMatrixRoute(int c) const;
    int GetMixLevel(int c, int input) const;
    int GetDelayUnit() const;
    int GetInputSelect() const;
    int GetOutputSelect() const;
    // 0 analog input, 1 pink noise, 2 white noise, 3 sine wave.
    int GetTestSignalKind() const;
    int GetTestSineIndex() const;
    // In 0.5 dB steps.
    int GetTestAttenuation() const;
    // Bit c set: channel c carries the sum of its pair.
    int GetSourceSelectMask() const;

    // Group setters.
    void SetGain(int c, std::uint16_t word);
    void SetDelay(int c, std::uint16_t samples);
    void SetPolarity(int c, std::uint8_t value);
    void SetPeqBand(int c, int b, const qx::PeqBand& band, std::uint8_t bypass);
    // The high-pass or low-pass fields of the given record; stored in the
    // group's outputs, sent also for an input.
    void SetHighPass(int c, const qx::OutputFilter& filter);
    void SetLowPass(int c, const qx::OutputFilter& filter);
    void SetOutputFir(int c, const qx::OutputFirSettings& fir);
    void SetOutputFilter(int c, const qx::OutputFilter& filter);
    void SetInputFirTaps(int c, std::uint16_t count);
    void SetInputFirBypass(int c, std::uint16_t value);
    void SetCompressor(int c, const qx::Dynamics& record);
    void SetLimiter(int c, const qx::Dynamics& record);

    // Single-channel setters.
    void SetMute(int c, std::uint8_t on);
    void SetMatrixRoute(int c, int input, bool on);
    void SetMixLevel(int c, int input, std::uint16_t level);
    // Windows-1252 bytes, NUL-padded (channelNameFromText makes them from typed text).
    void SetChannelName(int c, const qx::ChannelName& name);
    void SetLinkMask(int c, std::uint16_t mask);

    // Unit-wide setters.
    void SetDelayUnit(std::uint16_t unit);
    void SetInputSelect(std::uint8_t value);
    void SetOutputSelect(std::uint8_t value);
    void SetSourceSelect(int bit, std::uint8_t on);
    // The EQ bypass mask of channel c's side; stored only, nothing is sent.
    void SetEqBypassMask(int c, std::uint16_t mask);

    // Copies source s's processing (not its name, link, route or mix) onto
    // target t of the same side; nothing is sent.
    void CopyChannelRecord(int s, int t);

    const qx::UnitRecord& record() const { return record_; }
    qx::UnitRecord& record() { return record_; }
    const qx::MemoryHeader& memoryHeader() const { return memoryHeader_; }
    // Stored preset image of preset p (1-20); an empty slot's image ('d'
    // bytes) for any other number.
    const qx::StoredPresetImage& storedPresetImage(int preset) const;

    // Reply 36: byte 0 the piece number n, then up to 50 data bytes for
    // staging bytes 50 n onwards. Piece 25 decodes the staging area into record
    // bytes 2-1259. A piece numbered above 25 has no place and is ignored.
    void StoreParameterPiece(std::span<const std::uint8_t> payload);
    // Reply 40 for stored preset p (1-20); piece 25 fills that preset's image.
    void StorePresetPiece(int preset, std::span<const std::uint8_t> payload);
    // Reply 25: the 21 header bytes (extra bytes are ignored).
    void StoreMemoryHeader(std::span<const std::uint8_t> payload);

    // Reply 34: preset p (0-19) is used when payload byte p is 0xFF.
    void SetPresetFlags(std::span<const std::uint8_t> payload);
    bool IsPresetUsed(int p) const;
    void MarkPresetUsed(int p);
    // Record bytes 2-15 := the first 14 bytes (Windows-1252; presetNameFromText
    // makes them from typed text), NUL-padded
    // when fewer are given.
    void SetPresetName(std::span<const std::uint8_t> bytes);
    // Every row of the store and recall dialogs gets "Default Preset".
    void ShowDefaultPresetNames();
    // Row r (1-20) gets the name of a reply-41 payload (bytes 1-14, NUL
    // shown as a blank); a payload shorter than 15 bytes is ignored.
    void ShowPresetName(int r, std::span<const std::uint8_t> payload);

    // FIR coefficient image of preset index k (0-19), counts from its stored
    // preset image; the empty image for any other k.
    qx::Bytes EncodeFirBlock(int k, const qx::FirBuffers& buffers) const;
    static qx::Bytes EncodeEmptyFirBlock();
    // Takes the body of a preset file (what follows its marker; at least
    // 99548 bytes) into record bytes 2-1245 and the coefficient buffers, and
    // sends all of it to the processor urgent, whatever the busy flag says.
    // Returns how each channel's coefficients were read (a value above 50.0
    // after slot 0 makes the channel an impulse, reported as Error).
    // `onFirError` runs once per channel in error, when that channel's turn
    // in the burst has come (also without a host). A shorter body changes
    // nothing, sends nothing and returns nothing.
    std::optional<std::array<qx::FirAreaRead, qx::kChannelCount>>
    ApplyPresetFile(std::span<const std::uint8_t> body, qx::FirBuffers& buffers,
                    const std::function<void()>& onFirError = {});
    // The preset file of the current record without its closing CR LF.
    qx::Bytes EncodePresetFile(const qx::FirBuffers& buffers) const;
    // Writes the unit file under the name that unitFileName makes of chosen.
    qx::FileResult WriteUnitFile(const std::filesystem::path& chosen,
                                 const std::array<qx::Bytes, qx::kStoredPresetCount>& firImages) const;

private:
    template <typename Write> void writeGroup(int c, Write write);
    void send(const LCmd& command, bool urgent) const;
    void markCurve(int c) const;
    std::uint8_t deviceId() const;

    void stagePiece(std::span<const std::uint8_t> payload);

    qx::UnitHost* host_ = nullptr;
    qx::UnitRecord record_{};
    std::array<bool, qx::kStoredPresetCount> presetUsed_{};
    qx::MemoryHeader memoryHeader_{};
    std::array<std::uint8_t, kStagingSize> staging_{};
    std::array<qx::StoredPresetImage, qx::kStoredPresetCount> presets_{};
};
