#pragma once

// The command messages sent to the processor, one class per command code.
// Constructors copy their arguments unchecked: bytes as given, 16-bit values
// low byte first, texts cut or zero-padded to their fixed widths.

#include "codec/LCmd.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qx {
// Largest coefficient count of one channel's FIR.
inline constexpr int kMaxFirCoefficients = 2048;
inline constexpr int kFirBlockValues = 12;

// Values carried by FIR coefficient block `block` of a list of `count` values
// (count clamped to 2048); 0 or less when the block lies past the end.
int FirBlockValueCount(int block, int count);

// Compressor and limiter share one payload: channel and the record's five words.
class DynamicsCommand : public LCmd
{
protected:
    DynamicsCommand(std::uint8_t id, std::uint8_t code, std::uint8_t channel,
                    std::span<const std::uint16_t, 5> words);
};

// A channel and its new value, one byte or one 16-bit word.
class ChannelByteCommand : public LCmd
{
protected:
    ChannelByteCommand(std::uint8_t id, std::uint8_t code, std::uint8_t channel, std::uint8_t value);
};

class ChannelWordCommand : public LCmd
{
protected:
    ChannelWordCommand(std::uint8_t id, std::uint8_t code, std::uint8_t channel, std::uint16_t value);
};

// Low-pass and high-pass share one payload: channel, frequency index, slope code.
class PassFilterCommand : public LCmd
{
protected:
    PassFilterCommand(std::uint8_t id, std::uint8_t code, std::uint8_t channel, std::uint16_t index,
                      std::uint8_t slope);
};

// One block of up to 12 FIR coefficients, optionally behind a preset number. A block
// past the end of the list, or past the end of `coefficients`, is not built: the
// message keeps code 0 and no payload.
class FirBlockCommand : public LCmd
{
protected:
    FirBlockCommand(std::uint8_t id, std::uint8_t code, std::optional<std::uint8_t> preset,
                    std::uint8_t channel, std::uint8_t block, int count, std::span<const float> coefficients);
};
} // namespace qx

// A code with zero to three payload bytes given by the caller.
class CM_MCS_CMD : public LCmd
{
public:
    CM_MCS_CMD(std::uint8_t id, std::uint8_t code);
    CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1);
    CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2);
    CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
};

class CM_MCS_MCU_RESET : public LCmd
{
public:
    explicit CM_MCS_MCU_RESET(std::uint8_t id);
};

class CM_MCS_DELAYUNIT : public LCmd
{
public:
    CM_MCS_DELAYUNIT(std::uint8_t id, std::uint8_t unit);
};

class CM_MCS_READ_EEPROM : public LCmd
{
public:
    CM_MCS_READ_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length);
};

// Sends `length` bytes of `bytes`, fewer when `bytes` is shorter; the length byte
// always tells the number of bytes that follow.
class CM_MCS_WRITE_EEPROM : public LCmd
{
public:
    CM_MCS_WRITE_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length,
                        std::span<const std::uint8_t> bytes);
};

// Payload: piece, preset, then `count` bytes of `bytes` (none when count <= 0,
// fewer when `bytes` is shorter).
class CM_MCS_DOWNLOAD : public LCmd
{
public:
    CM_MCS_DOWNLOAD(std::uint8_t id, std::uint8_t preset, std::uint8_t piece, int count,
                    std::span<const std::uint8_t> bytes);
};

class CM_MCS_PRESETNAME : public LCmd
{
public:
    CM_MCS_PRESETNAME(std::uint8_t id, std::string_view name);
};

class CM_MCS_PASS_SUBMIT : public LCmd
{
public:
    CM_MCS_PASS_SUBMIT(std::uint8_t id, std::uint8_t kind, std::string_view password);
};

class CM_MCS_SET_LOCK : public LCmd
{
public:
    CM_MCS_SET_LOCK(std::uint8_t id, std::string_view password, std::uint8_t mode);
};

// Words: ratio index, attack, release, knee, threshold + 180.
class CM_MCS_COMP : public qx::DynamicsCommand
{
public:
    CM_MCS_COMP(std::uint8_t id, std::uint8_t channel, std::span<const std::uint16_t, 5> words);
};

class CM_MCS_LIMIT : public qx::DynamicsCommand
{
public:
    CM_MCS_LIMIT(std::uint8_t id, std::uint8_t channel, std::span<const std::uint16_t, 5> words);
};

class CM_MCS_LOW_PASS : public qx::PassFilterCommand
{
public:
    CM_MCS_LOW_PASS(std::uint8_t id, std::uint8_t channel, std::uint16_t index, std::uint8_t slope);
};

class CM_MCS_HIGH_PASS : public qx::PassFilterCommand
{
public:
    CM_MCS_HIGH_PASS(std::uint8_t id, std::uint8_t channel, std::uint16_t index, std::uint8_t slope);
};

// One PEQ band: the band record (gain index, frequency index, Q index, PEQ type) and its bypass.
class CM_MCS_PEQ : public LCmd
{
public:
    CM_MCS_PEQ(std::uint8_t id, std::uint8_t channel, std::uint8_t band, std::uint16_t gain,
               std::uint16_t frequency, std::uint8_t q, std::uint8_t type, std::uint8_t bypass);
};

class CM_MCS_GAIN : public qx::ChannelWordCommand
{
public:
    CM_MCS_GAIN(std::uint8_t id, std::uint8_t channel, std::uint16_t word);
};

class CM_MCS_MUTE : public qx::ChannelByteCommand
{
public:
    CM_MCS_MUTE(std::uint8_t id, std::uint8_t channel, std::uint8_t mute);
};

// Sends 1 for any non-zero `inverted`.
class CM_MCS_POLARITY : public qx::ChannelByteCommand
{
public:
    CM_MCS_POLARITY(std::uint8_t id, std::uint8_t channel, int inverted);
};

class CM_MCS_DELAY : public qx::ChannelWordCommand
{
public:
    CM_MCS_DELAY(std::uint8_t id, std::uint8_t channel, std::uint16_t samples);
};

class CM_MCS_WORK_MODE : public LCmd
{
public:
    CM_MCS_WORK_MODE(std::uint8_t id, std::uint8_t signal, std::uint8_t frequency, std::uint8_t attenuation);
};

// Sends the low byte of the route mask.
class CM_MCS_MATRIX : public qx::ChannelByteCommand
{
public:
    CM_MCS_MATRIX(std::uint8_t id, std::uint8_t channel, std::uint16_t mask);
};

class CM_MCS_CHANNEL_NAME : public LCmd
{
public:
    CM_MCS_CHANNEL_NAME(std::uint8_t id, std::uint8_t channel, std::string_view name);
};

class CM_MCS_MIX : public LCmd
{
public:
    CM_MCS_MIX(std::uint8_t id, std::uint8_t output, std::uint8_t input, std::uint16_t level);
};

class CM_MCS_FIR : public LCmd
{
public:
    CM_MCS_FIR(std::uint8_t id, std::uint8_t channel, std::uint8_t type, std::uint8_t window,
               std::uint16_t lowCut, std::uint16_t highCut, std::uint16_t taps);
};

// Block `block` of the first `count` values of `coefficients`.
class CM_MCS_EXT_FIR : public qx::FirBlockCommand
{
public:
    CM_MCS_EXT_FIR(std::uint8_t id, std::uint8_t channel, std::uint8_t block, int count,
                   std::span<const float> coefficients);
};

class CM_MCS_FIR_EXT_EEPROM : public qx::FirBlockCommand
{
public:
    CM_MCS_FIR_EXT_EEPROM(std::uint8_t id, std::uint8_t preset, std::uint8_t channel, std::uint8_t block,
                          int count, std::span<const float> coefficients);
};
