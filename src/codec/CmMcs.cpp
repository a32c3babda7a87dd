#include "codec/CmMcs.h"

#include <algorithm>
#include <cstddef>

namespace qx {
namespace {
constexpr std::size_t kPresetNameWidth = 14;
constexpr std::size_t kChannelNameWidth = 8;
constexpr std::size_t kPasswordWidth = 4;

int ClampedFirCount(int count)
{
    return std::clamp(count, 0, kMaxFirCoefficients);
}

// Values of the block that `coefficients` really holds, 0 when the block is not built.
int BuildableValues(int block, int count, std::size_t available)
{
    const int values = FirBlockValueCount(block, count);
    if (values <= 0 || static_cast<std::size_t>(block * kFirBlockValues + values) > available)
        return 0;
    return values;
}
} // namespace

int FirBlockValueCount(int block, int count)
{
    const int first = block * kFirBlockValues;
    const int total = ClampedFirCount(count);
    return first + kFirBlockValues < total ? kFirBlockValues : total - first;
}

DynamicsCommand::DynamicsCommand(std::uint8_t id, std::uint8_t code, std::uint8_t channel,
                                 std::span<const std::uint16_t, 5> words)
    : LCmd(id, code)
{
    AppendByte(channel);
    for (std::uint16_t w : words)
        AppendWord(w);
}

ChannelByteCommand::ChannelByteCommand(std::uint8_t id, std::uint8_t code, std::uint8_t channel,
                                       std::uint8_t value)
    : LCmd(id, code)
{
    AppendByte(channel);
    AppendByte(value);
}

ChannelWordCommand::ChannelWordCommand(std::uint8_t id, std::uint8_t code, std::uint8_t channel,
                                       std::uint16_t value)
    : LCmd(id, code)
{
    AppendByte(channel);
    AppendWord(value);
}

PassFilterCommand::PassFilterCommand(std::uint8_t id, std::uint8_t code, std::uint8_t channel,
                                     std::uint16_t index, std::uint8_t slope)
    : LCmd(id, code)
{
    AppendByte(channel);
    AppendWord(index);
    AppendByte(slope);
}

FirBlockCommand::FirBlockCommand(std::uint8_t id, std::uint8_t code, std::optional<std::uint8_t> preset,
                                 std::uint8_t channel, std::uint8_t block, int count,
                                 std::span<const float> coefficients)
    : LCmd(id, BuildableValues(block, count, coefficients.size()) > 0 ? code : 0)
{
    const int values = BuildableValues(block, count, coefficients.size());
    if (values <= 0)
        return;
    if (preset)
        AppendByte(*preset);
    AppendByte(channel);
    AppendByte(block);
    AppendWord(static_cast<std::uint16_t>(ClampedFirCount(count)));
    for (float c : coefficients.subspan(static_cast<std::size_t>(block) * kFirBlockValues,
                                        static_cast<std::size_t>(values)))
        AppendFloat(c);
}
} // namespace qx

using qx::kChannelNameWidth;
using qx::kPasswordWidth;
using qx::kPresetNameWidth;

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code) : LCmd(id, code) {}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1) : LCmd(id, code)
{
    AppendByte(b1);
}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2) : LCmd(id, code)
{
    AppendByte(b1);
    AppendByte(b2);
}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
    : LCmd(id, code)
{
    AppendByte(b1);
    AppendByte(b2);
    AppendByte(b3);
}

CM_MCS_MCU_RESET::CM_MCS_MCU_RESET(std::uint8_t id) : LCmd(id, 0x04) {}

CM_MCS_DELAYUNIT::CM_MCS_DELAYUNIT(std::uint8_t id, std::uint8_t unit) : LCmd(id, 0x15)
{
    AppendByte(unit);
}

CM_MCS_READ_EEPROM::CM_MCS_READ_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length)
    : LCmd(id, 0x19)
{
    AppendWord(address);
    AppendByte(length);
}

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length,
                                         std::span<const std::uint8_t> bytes)
    : LCmd(id, 0x1A)
{
    const auto data = bytes.first(std::min<std::size_t>(length, bytes.size()));
    AppendWord(address);
    AppendByte(static_cast<std::uint8_t>(data.size()));
    AppendBytes(data);
}

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(std::uint8_t id, std::uint8_t preset, std::uint8_t piece, int count,
                                 std::span<const std::uint8_t> bytes)
    : LCmd(id, 0x25)
{
    AppendByte(piece);
    AppendByte(preset);
    if (count > 0)
        AppendBytes(bytes.first(std::min(static_cast<std::size_t>(count), bytes.size())));
}

CM_MCS_PRESETNAME::CM_MCS_PRESETNAME(std::uint8_t id, std::string_view name) : LCmd(id, 0x26)
{
    AppendText(name, kPresetNameWidth);
}

CM_MCS_PASS_SUBMIT::CM_MCS_PASS_SUBMIT(std::uint8_t id, std::uint8_t kind, std::string_view password)
    : LCmd(id, 0x2D)
{
    AppendByte(kind);
    AppendText(password, kPasswordWidth);
}

CM_MCS_SET_LOCK::CM_MCS_SET_LOCK(std::uint8_t id, std::string_view password, std::uint8_t mode)
    : LCmd(id, 0x2F)
{
    AppendText(password, kPasswordWidth);
    AppendByte(mode);
}

CM_MCS_COMP::CM_MCS_COMP(std::uint8_t id, std::uint8_t channel, std::span<const std::uint16_t, 5> words)
    : DynamicsCommand(id, 0x30, channel, words)
{
}

CM_MCS_LIMIT::CM_MCS_LIMIT(std::uint8_t id, std::uint8_t channel, std::span<const std::uint16_t, 5> words)
    : DynamicsCommand(id, 0x3F, channel, words)
{
}

CM_MCS_LOW_PASS::CM_MCS_LOW_PASS(std::uint8_t id, std::uint8_t channel, std::uint16_t index,
                                 std::uint8_t slope)
    : PassFilterCommand(id, 0x31, channel, index, slope)
{
}

CM_MCS_HIGH_PASS::CM_MCS_HIGH_PASS(std::uint8_t id, std::uint8_t channel, std::uint16_t index,
                                   std::uint8_t slope)
    : PassFilterCommand(id, 0x32, channel, index, slope)
{
}

CM_MCS_PEQ::CM_MCS_PEQ(std::uint8_t id, std::uint8_t channel, std::uint8_t band, std::uint16_t gain,
                       std::uint16_t frequency, std::uint8_t q, std::uint8_t type, std::uint8_t bypass)
    : LCmd(id, 0x33)
{
    AppendByte(channel);
    AppendByte(band);
    AppendWord(gain);
    AppendWord(frequency);
    AppendByte(q);
    AppendByte(type);
    AppendByte(bypass);
}

CM_MCS_GAIN::CM_MCS_GAIN(std::uint8_t id, std::uint8_t channel, std::uint16_t word)
    : ChannelWordCommand(id, 0x34, channel, word)
{
}

CM_MCS_MUTE::CM_MCS_MUTE(std::uint8_t id, std::uint8_t channel, std::uint8_t mute)
    : ChannelByteCommand(id, 0x35, channel, mute)
{
}

CM_MCS_POLARITY::CM_MCS_POLARITY(std::uint8_t id, std::uint8_t channel, int inverted)
    : ChannelByteCommand(id, 0x36, channel, inverted != 0 ? 1 : 0)
{
}

CM_MCS_DELAY::CM_MCS_DELAY(std::uint8_t id, std::uint8_t channel, std::uint16_t samples)
    : ChannelWordCommand(id, 0x38, channel, samples)
{
}

CM_MCS_WORK_MODE::CM_MCS_WORK_MODE(std::uint8_t id, std::uint8_t signal, std::uint8_t frequency,
                                   std::uint8_t attenuation)
    : LCmd(id, 0x39)
{
    AppendByte(signal);
    AppendByte(frequency);
    AppendByte(attenuation);
}

CM_MCS_MATRIX::CM_MCS_MATRIX(std::uint8_t id, std::uint8_t channel, std::uint16_t mask)
    : ChannelByteCommand(id, 0x3A, channel, static_cast<std::uint8_t>(mask & 0xFF))
{
}

CM_MCS_CHANNEL_NAME::CM_MCS_CHANNEL_NAME(std::uint8_t id, std::uint8_t channel, std::string_view name)
    : LCmd(id, 0x3D)
{
    AppendByte(channel);
    AppendText(name, kChannelNameWidth);
}

CM_MCS_MIX::CM_MCS_MIX(std::uint8_t id, std::uint8_t output, std::uint8_t input, std::uint16_t level)
    : LCmd(id, 0x41)
{
    AppendByte(output);
    AppendByte(input);
    AppendWord(level);
}

CM_MCS_FIR::CM_MCS_FIR(std::uint8_t id, std::uint8_t channel, std::uint8_t type, std::uint8_t window,
                       std::uint16_t lowCut, std::uint16_t highCut, std::uint16_t taps)
    : LCmd(id, 0x4B)
{
    AppendByte(channel);
    AppendByte(type);
    AppendByte(window);
    AppendWord(lowCut);
    AppendWord(highCut);
    AppendWord(taps);
}

CM_MCS_EXT_FIR::CM_MCS_EXT_FIR(std::uint8_t id, std::uint8_t channel, std::uint8_t block, int count,
                               std::span<const float> coefficients)
    : FirBlockCommand(id, 0x4E, std::nullopt, channel, block, count, coefficients)
{
}

CM_MCS_FIR_EXT_EEPROM::CM_MCS_FIR_EXT_EEPROM(std::uint8_t id, std::uint8_t preset, std::uint8_t channel,
                                             std::uint8_t block, int count,
                                             std::span<const float> coefficients)
    : FirBlockCommand(id, 0x5A, preset, channel, block, count, coefficients)
{
}
