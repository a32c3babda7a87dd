#include "DeviceCore.h"

#include "ImageBytes.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"
#include "model/FactoryDefault.h"

#include <algorithm>
#include <cstdio>

namespace qx::sim {
using namespace layout;

namespace {
constexpr std::uint8_t kAck = 1;
constexpr std::size_t kWordsAfterInputName = 47;
constexpr std::size_t kWordsAfterOutputName = 39;
constexpr std::size_t kFirBlockHeader = 4; // channel, block, count low, count high

std::string Hex(std::uint8_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

int Side(int channel)
{
    return IsInput(channel) ? 0 : kInputCount;
}
int SideSize(int channel)
{
    return IsInput(channel) ? kInputCount : kOutputCount;
}
std::size_t LinkOffset(int channel)
{
    return rec::channel(channel) + (IsInput(channel) ? rec::kInLinkMask : rec::kOutLinkMask);
}
} // namespace

struct DeviceCore::Handler
{
    std::uint8_t code;
    std::size_t minPayload;
    Result (DeviceCore::*handle)(Payload);
};

const DeviceCore::Handler DeviceCore::kHandlers[] = {
    {0x04, 0, &DeviceCore::Restart},
    {0x10, 0, &DeviceCore::DeviceInfo},
    {0x11, 0, nullptr}, // end of connection: nothing to answer
    {0x12, 0, &DeviceCore::Acknowledge},
    {0x13, 0, &DeviceCore::Model},
    {0x14, 0, &DeviceCore::CurrentPresetNumber},
    {0x15, 1, &DeviceCore::DelayUnit},
    {0x19, 3, &DeviceCore::ReadHeader},
    {0x1A, 3, &DeviceCore::WriteHeader},
    {0x20, 1, &DeviceCore::Recall},
    {0x21, 1, &DeviceCore::Store},
    {0x22, 0, &DeviceCore::PresetFlags},
    {0x23, 0, &DeviceCore::FactoryReset},
    {0x24, 1, &DeviceCore::SelectStored},
    {0x25, 2, &DeviceCore::DownloadPiece},
    {0x26, rec::kPresetNameSize, &DeviceCore::PresetName},
    {0x27, 1, &DeviceCore::ReadCurrentPiece},
    {0x28, 1, &DeviceCore::ReadStoredPiece},
    {0x29, 1, &DeviceCore::ReadPresetName},
    {0x2A, 2, &DeviceCore::CopyChannel},
    {0x2C, 0, &DeviceCore::LockStatus},
    {0x2D, 5, &DeviceCore::SubmitPassword},
    {0x2F, 5, &DeviceCore::SetLockCommand},
    {0x30, 1 + rec::kDynamicsSize, &DeviceCore::Compressor},
    {0x31, 4, &DeviceCore::LowPass},
    {0x32, 4, &DeviceCore::HighPass},
    {0x33, 9, &DeviceCore::Peq},
    {0x34, 3, &DeviceCore::Gain},
    {0x35, 2, &DeviceCore::Mute},
    {0x36, 2, &DeviceCore::Polarity},
    {0x38, 3, &DeviceCore::Delay},
    {0x39, 3, &DeviceCore::WorkMode},
    {0x3A, 2, &DeviceCore::Matrix},
    {0x3B, 2, &DeviceCore::LinkMask},
    {0x3C, 2, &DeviceCore::EqBypass},
    {0x3D, 1 + rec::kChannelNameSize, &DeviceCore::ChannelName},
    {0x3F, 1 + rec::kDynamicsSize, &DeviceCore::Limiter},
    {0x40, 0, &DeviceCore::Meters},
    {0x41, 4, &DeviceCore::Mix},
    {0x4B, 1 + kFirDesignSize, &DeviceCore::FirDesign},
    {0x4C, 2, &DeviceCore::OutputMode},
    {0x4D, 2, &DeviceCore::AnalogDigital},
    {0x4E, kFirBlockHeader, &DeviceCore::FirBlock},
    {0x4F, 2, &DeviceCore::InputFirBypass},
    {0x56, 3, &DeviceCore::ReadFirBlock},
    {0x58, 2, &DeviceCore::EraseSector},
    {0x5A, 1 + kFirBlockHeader, &DeviceCore::StoredFirBlock},
    {0x5B, 2, &DeviceCore::SourceSelect},
};

DeviceCore::DeviceCore(DeviceConfig config) : config_(std::move(config))
{
    LoadFactory();
}

Outcome DeviceCore::Handle(std::span<const std::uint8_t> frame)
{
    Outcome outcome;
    const LCmd command(frame, 1);
    if (command.Code() == 0 || !frame::HasMarkers(frame))
        return outcome; // not a frame: nothing the device could answer
    if (frame[frame::kCommandIdOffset] != config_.deviceId)
        return outcome; // another device's frame
    outcome.addressed = true;
    outcome.code = command.Code();
    errors_.clear();
    restart_ = false;
    if (frame::Checksum(frame.first(frame.size() - 1)) != frame.back())
        errors_.push_back("bad checksum in command " + Hex(command.Code()));

    const auto* handler = std::find_if(std::begin(kHandlers), std::end(kHandlers),
                                       [&](const Handler& h) { return h.code == command.Code(); });
    if (handler == std::end(kHandlers))
        Error("unknown command " + Hex(command.Code()));
    else if (command.Payload().size() < handler->minPayload)
        Error("short payload in command " + Hex(command.Code()));
    else if (handler->handle != nullptr)
        outcome.reply = (this->*handler->handle)(command.Payload());
    outcome.restart = restart_;
    outcome.errors = std::move(errors_);
    errors_.clear();
    return outcome;
}

void DeviceCore::SetLock(std::string_view password)
{
    lock_.armed = lock_.permanent = lock_.active = true;
    for (std::size_t i = 0; i < lock_.password.size(); ++i)
        lock_.password[i] = i < password.size() ? static_cast<std::uint8_t>(password[i]) : 0;
}

void DeviceCore::LoadCurrent(std::span<const std::uint8_t> parameters, std::span<const std::uint8_t> firImage)
{
    const std::size_t count = std::min(parameters.size(), static_cast<std::size_t>(rec::kPresetParamsSize));
    std::copy_n(parameters.begin(), count, current_.begin() + rec::kPresetParamsStart);
    coefficients_.SetImage(0, firImage);
}

void DeviceCore::StoreCurrentAs(int preset)
{
    Image& image = stored_[static_cast<std::size_t>(preset - 1)];
    image = current_;
    image[rec::kStatus] = 0xFF;
    coefficients_.CopySet(0, preset);
}

void DeviceCore::SeedPreset(int preset, std::string_view name)
{
    StoreCurrentAs(preset);
    writeText(stored_[static_cast<std::size_t>(preset - 1)], rec::kPresetName, rec::kPresetNameSize, name);
}

std::span<const std::uint8_t> DeviceCore::StoredImage(int preset) const
{
    return stored_[static_cast<std::size_t>(preset - 1)];
}

bool DeviceCore::IsPresetUsed(int preset) const
{
    return stored_[static_cast<std::size_t>(preset - 1)][rec::kStatus] == 0xFF;
}

DeviceCore::Result DeviceCore::Error(std::string text)
{
    errors_.push_back(std::move(text));
    return std::nullopt;
}

bool DeviceCore::ValidChannel(int channel)
{
    if (channel < kChannelCount)
        return true;
    Error("channel " + std::to_string(channel) + " out of range");
    return false;
}

bool DeviceCore::ValidOutput(int channel)
{
    if (channel >= kInputCount && channel < kChannelCount)
        return true;
    Error("channel " + std::to_string(channel) + " is not an output");
    return false;
}

std::uint16_t DeviceCore::LinkGroup(int channel) const
{
    const int side = Side(channel);
    const int k = channel - side;
    const auto own = static_cast<std::uint16_t>(1u << k);
    std::uint16_t group = own;
    if (readWord(current_, LinkOffset(channel)) & own) {
        group = readWord(current_, LinkOffset(channel));
    } else {
        for (int j = 0; j < k; ++j) {
            const std::uint16_t mask = readWord(current_, LinkOffset(side + j));
            if (mask & own) {
                group = mask;
                break;
            }
        }
    }
    // A group always holds the edited channel, whatever the masks say.
    return static_cast<std::uint16_t>((group | own) & ((1u << SideSize(channel)) - 1));
}

template <typename Write> void DeviceCore::ForGroup(int channel, Write write)
{
    if (!config_.followLinkGroups) {
        write(channel);
        return;
    }
    const std::uint16_t group = LinkGroup(channel);
    for (int k = 0; k < SideSize(channel); ++k)
        if (group & (1u << k))
            write(Side(channel) + k);
}

void DeviceCore::LoadFactory()
{
    current_.fill(0);
    std::copy(kFactoryDefaultRecord.begin(), kFactoryDefaultRecord.end(), current_.begin());
    for (Image& image : stored_) {
        image = current_;
        image[rec::kStatus] = 0;
    }
    coefficients_.EraseAll();
    currentPreset_ = 0;
}

void DeviceCore::RecallPreset(int preset)
{
    const auto source =
        preset == 0 ? std::span<const std::uint8_t>(kFactoryDefaultRecord) : StoredImage(preset);
    std::copy(source.begin() + rec::kPresetName, source.begin() + kStoredPresetBytes + 1,
              current_.begin() + rec::kPresetName);
    if (preset == 0)
        coefficients_.ClearSet(0);
    else
        coefficients_.CopySet(preset, 0);
    currentPreset_ = preset;
}

DeviceCore::Result DeviceCore::DeviceInfo(Payload)
{
    // Every new link starts with this request: a permanent lock asks again.
    lock_.active = lock_.armed;
    selectedPreset_ = 0;
    return Reply{16, {}};
}

DeviceCore::Result DeviceCore::Acknowledge(Payload)
{
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Model(Payload)
{
    return Reply{19, Bytes(config_.model.begin(), config_.model.end())};
}

DeviceCore::Result DeviceCore::CurrentPresetNumber(Payload)
{
    return Reply{20, {static_cast<std::uint8_t>(currentPreset_)}};
}

DeviceCore::Result DeviceCore::DelayUnit(Payload p)
{
    writeWord(current_, rec::kDelayUnit, p[0]);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::ReadHeader(Payload p)
{
    const std::size_t address = readWord(p, 0);
    const std::size_t length = p[2];
    if (address + length > header_.size())
        return Error("memory read past the header");
    return Reply{25, Bytes(header_.begin() + static_cast<std::ptrdiff_t>(address),
                           header_.begin() + static_cast<std::ptrdiff_t>(address + length))};
}

DeviceCore::Result DeviceCore::WriteHeader(Payload p)
{
    const std::size_t address = readWord(p, 0);
    const std::size_t length = p[2];
    if (p.size() - 3 < length || address + length > header_.size())
        return Error("memory write past the header or the payload");
    std::copy_n(p.begin() + 3, length, header_.begin() + static_cast<std::ptrdiff_t>(address));
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Recall(Payload p)
{
    if (p[0] > kStoredPresets)
        return Error("recall of preset " + std::to_string(p[0]));
    RecallPreset(p[0]);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Store(Payload p)
{
    if (p[0] < 1 || p[0] > kStoredPresets)
        return Error("store into preset " + std::to_string(p[0]));
    StoreCurrentAs(p[0]);
    currentPreset_ = p[0];
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::PresetFlags(Payload)
{
    Bytes flags;
    for (int p = 1; p <= kStoredPresets; ++p)
        flags.push_back(IsPresetUsed(p) ? 0xFF : 0x00);
    return Reply{34, flags};
}

DeviceCore::Result DeviceCore::FactoryReset(Payload)
{
    LoadFactory();
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::SelectStored(Payload p)
{
    if (p[0] < 1 || p[0] > kStoredPresets + 1)
        return Error("open of preset " + std::to_string(p[0]));
    selectedPreset_ = p[0] <= kStoredPresets ? p[0] : 0;
    return Reply{kAck, {}};
}

void DeviceCore::StorePiece(Image& image, int piece, Payload data)
{
    const std::size_t first = kParameterPieceSize * static_cast<std::size_t>(piece);
    const std::size_t n = std::min(data.size(), image.size() - first);
    std::copy_n(data.begin(), n, image.begin() + static_cast<std::ptrdiff_t>(first));
}

DeviceCore::Result DeviceCore::DownloadPiece(Payload p)
{
    const int piece = p[0];
    const int index = p[1];
    if (piece >= static_cast<int>(kPieceCount) || index >= kStoredPresets)
        return Error("download piece " + std::to_string(piece) + " of preset index " + std::to_string(index));
    StorePiece(stored_[static_cast<std::size_t>(index)], piece, p.subspan(2));
    return Reply{37, {static_cast<std::uint8_t>(piece)}};
}

DeviceCore::Result DeviceCore::PresetName(Payload p)
{
    std::copy_n(p.begin(), rec::kPresetNameSize, current_.begin() + rec::kPresetName);
    return Reply{kAck, {}};
}

namespace {
Bytes PieceReply(std::span<const std::uint8_t> image, std::uint8_t piece)
{
    const auto data = image.subspan(kParameterPieceSize * piece, kParameterPieceSize);
    Bytes out;
    out.reserve(1 + data.size());
    out.push_back(piece);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
} // namespace

DeviceCore::Result DeviceCore::ReadCurrentPiece(Payload p)
{
    if (p[0] >= kPieceCount)
        return Error("read of piece " + std::to_string(p[0]));
    return Reply{36, PieceReply(current_, p[0])};
}

DeviceCore::Result DeviceCore::ReadStoredPiece(Payload p)
{
    if (p[0] >= kPieceCount)
        return Error("read of piece " + std::to_string(p[0]));
    if (selectedPreset_ == 0)
        return Error("preset piece read with no preset opened");
    return Reply{40, PieceReply(StoredImage(selectedPreset_), p[0])};
}

DeviceCore::Result DeviceCore::ReadPresetName(Payload p)
{
    if (p[0] >= kStoredPresets)
        return Error("name of preset index " + std::to_string(p[0]));
    Bytes out{p[0]};
    const auto name = StoredImage(p[0] + 1).subspan(rec::kPresetName, rec::kPresetNameSize);
    out.insert(out.end(), name.begin(), name.end());
    return Reply{41, out};
}

DeviceCore::Result DeviceCore::CopyChannel(Payload p)
{
    const int s = p[0];
    const int t = p[1];
    if (!ValidChannel(s) || !ValidChannel(t))
        return std::nullopt;
    if (IsInput(s) != IsInput(t))
        return Error("channel copy across inputs and outputs");
    const std::size_t from = rec::channel(s);
    const std::size_t to = rec::channel(t);
    const std::size_t first = IsInput(s) ? rec::kInBands : rec::kOutFilter;
    const std::size_t bytes = 2 * (IsInput(s) ? kWordsAfterInputName : kWordsAfterOutputName);
    std::copy_n(current_.begin() + static_cast<std::ptrdiff_t>(from + first), bytes,
                current_.begin() + static_cast<std::ptrdiff_t>(to + first));
    writeWord(current_, rec::kPeqBypassMasks + 2 * static_cast<std::size_t>(t),
              readWord(current_, rec::kPeqBypassMasks + 2 * static_cast<std::size_t>(s)));
    const std::size_t eqBypass = IsInput(s) ? rec::kInputEqBypassMask : rec::kOutputEqBypassMask;
    const bool sourceBypassed = readWord(current_, eqBypass) & (1u << (s - Side(s)));
    SetWordBit(current_, eqBypass, t - Side(t), sourceBypassed);
    coefficients_.CopyChannel(0, s, t);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::LockStatus(Payload)
{
    const bool showLockMode = lock_.armed && lock_.permanent;
    return Reply{
        44,
        {0, 0, 0, 0, 0, static_cast<std::uint8_t>(lock_.active), static_cast<std::uint8_t>(showLockMode)}};
}

DeviceCore::Result DeviceCore::SubmitPassword(Payload p)
{
    const bool match = std::equal(lock_.password.begin(), lock_.password.end(), p.begin() + 1);
    if (match) {
        lock_.active = false;
        lock_.armed = lock_.permanent; // a one-time lock is gone once opened
    }
    return Reply{45, {p[0], static_cast<std::uint8_t>(match)}};
}

DeviceCore::Result DeviceCore::SetLockCommand(Payload p)
{
    std::copy_n(p.begin(), lock_.password.size(), lock_.password.begin());
    lock_.armed = true;
    lock_.permanent = p[4] == 1;
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Dynamics(Payload p, std::size_t offset)
{
    if (!ValidOutput(p[0]))
        return std::nullopt;
    ForGroup(p[0], [&](int c) {
        std::copy_n(p.begin() + 1, rec::kDynamicsSize,
                    current_.begin() + static_cast<std::ptrdiff_t>(rec::channel(c) + offset));
    });
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Compressor(Payload p)
{
    return Dynamics(p, rec::kOutCompressor);
}

DeviceCore::Result DeviceCore::Limiter(Payload p)
{
    return Dynamics(p, rec::kOutLimiter);
}

DeviceCore::Result DeviceCore::PassFilter(Payload p, std::size_t wordOffset, std::size_t slopeOffset)
{
    if (!ValidChannel(p[0]))
        return std::nullopt;
    if (IsInput(p[0]))
        return Reply{kAck, {}}; // inputs have no crossover filters
    ForGroup(p[0], [&](int c) {
        const std::size_t filter = rec::channel(c) + rec::kOutFilter;
        writeWord(current_, filter + wordOffset, readWord(p, 1));
        current_[filter + slopeOffset] = p[3];
    });
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::LowPass(Payload p)
{
    return PassFilter(p, rec::kFilterLowPassFreq, rec::kFilterLowPassSlope);
}

DeviceCore::Result DeviceCore::HighPass(Payload p)
{
    return PassFilter(p, rec::kFilterHighPassFreq, rec::kFilterHighPassSlope);
}

DeviceCore::Result DeviceCore::Peq(Payload p)
{
    const int channel = p[0];
    const int band = p[1];
    if (!ValidChannel(channel))
        return std::nullopt;
    if (band >= (IsInput(channel) ? kInputBandCount : kOutputBandCount))
        return Error("band " + std::to_string(band) + " out of range");
    ForGroup(channel, [&](int c) {
        const std::size_t bands = rec::channel(c) + (IsInput(c) ? rec::kInBands : rec::kOutBands);
        std::copy_n(p.begin() + 2, rec::kBandSize,
                    current_.begin() +
                        static_cast<std::ptrdiff_t>(bands + rec::kBandSize * static_cast<std::size_t>(band)));
        SetWordBit(current_, rec::kPeqBypassMasks + 2 * static_cast<std::size_t>(c), band, p[8] != 0);
    });
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::ChannelWord(Payload p, std::size_t inputOffset, std::size_t outputOffset,
                                           std::uint16_t value)
{
    if (!ValidChannel(p[0]))
        return std::nullopt;
    ForGroup(p[0], [&](int c) {
        writeWord(current_, rec::channel(c) + (IsInput(c) ? inputOffset : outputOffset), value);
    });
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Gain(Payload p)
{
    return ChannelWord(p, rec::kInGain, rec::kOutGain, readWord(p, 1));
}

DeviceCore::Result DeviceCore::Polarity(Payload p)
{
    return ChannelWord(p, rec::kInPolarity, rec::kOutPolarity, p[1] != 0 ? 1 : 0);
}

DeviceCore::Result DeviceCore::Delay(Payload p)
{
    return ChannelWord(p, rec::kInDelay, rec::kOutDelay, readWord(p, 1));
}

DeviceCore::Result DeviceCore::Mute(Payload p)
{
    const int c = p[0];
    if (!ValidChannel(c))
        return std::nullopt;
    SetWordBit(current_, IsInput(c) ? rec::kInputMuteMask : rec::kOutputMuteMask, c - Side(c), p[1] != 0);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::WorkMode(Payload p)
{
    writeWord(current_, rec::kTestSignalKind, p[0]);
    current_[rec::kSineIndex] = p[1];
    current_[rec::kToneAttenuation] = p[2];
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Matrix(Payload p)
{
    if (!ValidOutput(p[0]))
        return std::nullopt;
    writeWord(current_, rec::channel(p[0]) + rec::kOutRouteMask, p[1]);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::LinkMask(Payload p)
{
    if (!ValidChannel(p[0]))
        return std::nullopt;
    writeWord(current_, LinkOffset(p[0]), p[1]);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::EqBypass(Payload p)
{
    const int c = p[0];
    if (!ValidChannel(c))
        return std::nullopt;
    SetWordBit(current_, IsInput(c) ? rec::kInputEqBypassMask : rec::kOutputEqBypassMask, c - Side(c),
               p[1] != 0);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::ChannelName(Payload p)
{
    if (!ValidChannel(p[0]))
        return std::nullopt;
    std::copy_n(p.begin() + 1, rec::kChannelNameSize,
                current_.begin() + static_cast<std::ptrdiff_t>(rec::channel(p[0]) + rec::kInName));
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Meters(Payload)
{
    const auto meters = meters_.Next();
    return Reply{64, Bytes(meters.begin(), meters.end())};
}

DeviceCore::Result DeviceCore::Mix(Payload p)
{
    if (!ValidOutput(p[0]))
        return std::nullopt;
    if (p[1] >= kInputCount)
        return Error("mix input " + std::to_string(p[1]) + " out of range");
    writeWord(current_, rec::channel(p[0]) + rec::kOutMixLevels + 2 * static_cast<std::size_t>(p[1]),
              readWord(p, 2));
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::FirDesign(Payload p)
{
    if (!ValidOutput(p[0]))
        return std::nullopt;
    ForGroup(p[0], [&](int c) {
        std::copy_n(p.begin() + 1, kFirDesignSize,
                    current_.begin() +
                        static_cast<std::ptrdiff_t>(rec::channel(c) + rec::kOutFilter + rec::kFilterFirType));
    });
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::OutputMode(Payload p)
{
    if (!ValidOutput(p[0]))
        return std::nullopt;
    writeWord(current_, rec::channel(p[0]) + rec::kOutFilter + rec::kFilterMode, p[1]);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::AnalogDigital(Payload p)
{
    if (p[0] > 1)
        return Error("analog/digital selection of side " + std::to_string(p[0]));
    writeWord(current_, p[0] == 0 ? rec::kInputSelect : rec::kOutputSelect, p[1]);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::WriteFirBlock(int set, int channel, int block, Payload rest)
{
    if (!ValidChannel(channel))
        return std::nullopt;
    const int count = std::min<int>(readWord(rest, 0), kMaxFirCoefficients);
    const int values = FirBlockValueCount(block, count);
    const auto floats = rest.subspan(2);
    if (values <= 0 || floats.size() != 4 * static_cast<std::size_t>(values))
        return Error("coefficient block " + std::to_string(block) + " does not match its count");
    const auto first = static_cast<std::size_t>(block) * kFirBlockValues;
    coefficients_.WriteBlock(set, channel, first, floats, static_cast<std::size_t>(count));
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::FirBlock(Payload p)
{
    if (!ValidChannel(p[0]))
        return std::nullopt;
    Result result;
    ForGroup(p[0], [&](int c) { result = WriteFirBlock(0, c, p[1], p.subspan(2)); });
    return result;
}

DeviceCore::Result DeviceCore::InputFirBypass(Payload p)
{
    if (!ValidChannel(p[0]))
        return std::nullopt;
    if (IsInput(p[0]))
        ForGroup(p[0], [&](int c) { writeWord(current_, rec::channel(c) + rec::kInFirBypass, p[1]); });
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::ReadFirBlock(Payload p)
{
    const int set = p[0];
    const int block = readWord(p, 1);
    if (set >= kCoefficientSets || block >= kFirBlockCount)
        return Error("coefficient read of set " + std::to_string(set) + " block " + std::to_string(block));
    Bytes out{0, static_cast<std::uint8_t>(block >> 8), static_cast<std::uint8_t>(block & 0xFF)};
    const Bytes data = coefficients_.ReadBlock(set, block);
    out.insert(out.end(), data.begin(), data.end());
    return Reply{86, out};
}

DeviceCore::Result DeviceCore::EraseSector(Payload p)
{
    if (!coefficients_.EraseSector(readWord(p, 0)))
        return Error("erase of sector " + std::to_string(readWord(p, 0)));
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::StoredFirBlock(Payload p)
{
    if (p[0] >= kCoefficientSets)
        return Error("coefficient block into preset " + std::to_string(p[0]));
    return WriteFirBlock(p[0], p[1], p[2], p.subspan(3));
}

DeviceCore::Result DeviceCore::SourceSelect(Payload p)
{
    if (!ValidChannel(p[0]))
        return std::nullopt;
    SetWordBit(current_, rec::kSourceSelectMask, p[0], p[1] != 0);
    return Reply{kAck, {}};
}

DeviceCore::Result DeviceCore::Restart(Payload)
{
    restart_ = true;
    selectedPreset_ = 0;
    lock_.active = lock_.armed;
    return std::nullopt;
}
} // namespace qx::sim
