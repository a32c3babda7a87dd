#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CoefficientMemory.h"
#include "ImageLayout.h"
#include "MeterGenerator.h"

namespace qx::sim {
using Bytes = std::vector<std::uint8_t>;

struct Reply
{
    std::uint8_t code = 0;
    Bytes payload;
};

struct DeviceConfig
{
    std::uint8_t deviceId = 1;
    std::string model = "QX-73B V012";
    // Apply a channel command to every member of the channel's link group, as the
    // editor does in its own model.
    bool followLinkGroups = true;
};

// What the device made of one received command frame.
struct Outcome
{
    bool addressed = false; // a well-formed frame for this device id
    std::uint8_t code = 0;
    std::optional<Reply> reply;
    bool restart = false;            // the controller restarts: the connection drops
    std::vector<std::string> errors; // protocol errors of the sender
};

// The simulated processor: command frames in, replies out, over the full
// parameter image, 20 stored presets, the memory header and the coefficient memory.
class DeviceCore
{
public:
    explicit DeviceCore(DeviceConfig config = {});

    Outcome Handle(std::span<const std::uint8_t> frame);

    const DeviceConfig& Config() const { return config_; }
    void SetModel(std::string model) { config_.model = std::move(model); }
    // A permanent lock, active from now on.
    void SetLock(std::string_view password);
    void SetMeterPattern(const MeterPattern& pattern) { meters_.SetPattern(pattern); }

    // Record bytes 2-1245 of the current settings := parameters, and the
    // current coefficient set := a coefficient image (kFirImageSize bytes).
    void LoadCurrent(std::span<const std::uint8_t> parameters, std::span<const std::uint8_t> firImage);
    // Stores the current settings as preset 1-20, as the store command does.
    void StoreCurrentAs(int preset);
    // Stores the current settings as preset 1-20 under another name.
    void SeedPreset(int preset, std::string_view name);

    std::span<const std::uint8_t> CurrentImage() const { return current_; }
    std::span<std::uint8_t> MutableCurrentImage() { return current_; }
    std::span<const std::uint8_t> StoredImage(int preset) const;
    bool IsPresetUsed(int preset) const;
    int CurrentPreset() const { return currentPreset_; }
    std::span<const std::uint8_t> MemoryHeader() const { return header_; }
    CoefficientMemory& Coefficients() { return coefficients_; }
    const CoefficientMemory& Coefficients() const { return coefficients_; }
    bool LockActive() const { return lock_.active; }

private:
    using Image = std::array<std::uint8_t, layout::kImageSize>;
    using Payload = std::span<const std::uint8_t>;
    using Result = std::optional<Reply>;
    struct Handler;
    static const Handler kHandlers[];

    struct Lock
    {
        bool armed = false;
        bool permanent = false;
        bool active = false;
        std::array<std::uint8_t, 4> password{'7', '4', '8', '1'};
    };

    Result Error(std::string text);
    bool ValidChannel(int channel);
    bool ValidOutput(int channel);
    std::uint16_t LinkGroup(int channel) const;
    template <typename Write> void ForGroup(int channel, Write write);
    void LoadFactory();
    void RecallPreset(int preset);

    Result DeviceInfo(Payload);
    Result Acknowledge(Payload);
    Result Model(Payload);
    Result CurrentPresetNumber(Payload);
    Result DelayUnit(Payload);
    Result ReadHeader(Payload);
    Result WriteHeader(Payload);
    Result Recall(Payload);
    Result Store(Payload);
    Result PresetFlags(Payload);
    Result FactoryReset(Payload);
    Result SelectStored(Payload);
    Result DownloadPiece(Payload);
    Result PresetName(Payload);
    Result ReadCurrentPiece(Payload);
    Result ReadStoredPiece(Payload);
    Result ReadPresetName(Payload);
    Result CopyChannel(Payload);
    Result LockStatus(Payload);
    Result SubmitPassword(Payload);
    Result SetLockCommand(Payload);
    Result Compressor(Payload);
    Result Limiter(Payload);
    Result LowPass(Payload);
    Result HighPass(Payload);
    Result Peq(Payload);
    Result Gain(Payload);
    Result Mute(Payload);
    Result Polarity(Payload);
    Result Delay(Payload);
    Result WorkMode(Payload);
    Result Matrix(Payload);
    Result LinkMask(Payload);
    Result EqBypass(Payload);
    Result ChannelName(Payload);
    Result Meters(Payload);
    Result Mix(Payload);
    Result FirDesign(Payload);
    Result OutputMode(Payload);
    Result AnalogDigital(Payload);
    Result FirBlock(Payload);
    Result InputFirBypass(Payload);
    Result ReadFirBlock(Payload);
    Result EraseSector(Payload);
    Result StoredFirBlock(Payload);
    Result SourceSelect(Payload);
    Result Restart(Payload);

    Result Dynamics(Payload, std::size_t offset);
    Result PassFilter(Payload, std::size_t wordOffset, std::size_t slopeOffset);
    Result ChannelWord(Payload, std::size_t inputOffset, std::size_t outputOffset, std::uint16_t value);
    Result WriteFirBlock(int set, int channel, int block, Payload rest);
    void StorePiece(Image& image, int piece, Payload data);

    DeviceConfig config_;
    Image current_{};
    std::array<Image, layout::kStoredPresets> stored_{};
    int currentPreset_ = 0;
    int selectedPreset_ = 0; // stored preset opened for reading, 0 for none
    qx::MemoryHeader header_{};
    CoefficientMemory coefficients_;
    Lock lock_;
    MeterGenerator meters_;
    std::vector<std::string> errors_;
    bool restart_ = false;
};
} // namespace qx::sim
