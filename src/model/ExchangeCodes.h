#pragma once
// Codes of the exchanges with the processor: the plain requests the model
// sends and the replies it acts on, with the payload length each reply's
// handler reads.

#include <cstddef>
#include <cstdint>

namespace qx {

namespace request {
inline constexpr std::uint8_t kDeviceInfo = 0x10;
inline constexpr std::uint8_t kClose = 0x11;
inline constexpr std::uint8_t kKeepAlive = 0x12;
inline constexpr std::uint8_t kModel = 0x13;
inline constexpr std::uint8_t kCurrentPreset = 0x14;
inline constexpr std::uint8_t kRecallPreset = 0x20;
inline constexpr std::uint8_t kStorePreset = 0x21;
inline constexpr std::uint8_t kPresetFlags = 0x22;
inline constexpr std::uint8_t kFactoryDefault = 0x23;
inline constexpr std::uint8_t kSelectStoredPreset = 0x24;
inline constexpr std::uint8_t kParameterPiece = 0x27;
inline constexpr std::uint8_t kPresetPiece = 0x28;
inline constexpr std::uint8_t kPresetName = 0x29;
inline constexpr std::uint8_t kLockStatus = 0x2C;
inline constexpr std::uint8_t kLinkMask = 0x3B;
inline constexpr std::uint8_t kMeterPoll = 0x40;
inline constexpr std::uint8_t kOutputMode = 0x4C;
inline constexpr std::uint8_t kIoSelect = 0x4D;
inline constexpr std::uint8_t kInputFirBypass = 0x4F;
inline constexpr std::uint8_t kFirBlock = 0x56;
inline constexpr std::uint8_t kEraseSector = 0x58;
inline constexpr std::uint8_t kSourceSelect = 0x5B;
// 0x24 with this number closes the stored preset opened for reading.
inline constexpr std::uint8_t kNoStoredPreset = 21;
} // namespace request

namespace reply {
inline constexpr std::uint8_t kAck = 1;
inline constexpr std::uint8_t kDeviceInfo = 16;
inline constexpr std::uint8_t kModel = 19;
inline constexpr std::uint8_t kCurrentPreset = 20;
inline constexpr std::uint8_t kMemoryData = 25;
inline constexpr std::uint8_t kPresetFlags = 34;
inline constexpr std::uint8_t kParameterPiece = 36;
inline constexpr std::uint8_t kPresetPieceAck = 37;
inline constexpr std::uint8_t kPresetPiece = 40;
inline constexpr std::uint8_t kPresetName = 41;
inline constexpr std::uint8_t kLockStatus = 44;
inline constexpr std::uint8_t kPasswordResult = 45;
inline constexpr std::uint8_t kMeters = 64;
inline constexpr std::uint8_t kFirBlock = 86;
inline constexpr std::uint8_t kTransferEnd = 89;

// Bytes a reply's handler reads; a shorter reply is dropped.
constexpr std::size_t minimumPayload(std::uint8_t code)
{
    switch (code) {
    case kCurrentPreset:
    case kTransferEnd:
    case kPresetPieceAck:
        return 1;
    case kPresetFlags:
        return 20;
    case kMemoryData: // the memory header asked for
        return 21;
    case kPresetName:
        return 15;
    case kLockStatus:
        return 7;
    case kPasswordResult:
        return 2;
    case kMeters:
        return 34;
    case kFirBlock:
        return 55;
    case kParameterPiece:
    case kPresetPiece:
        return 51;
    default:
        return 0;
    }
}
} // namespace reply

// 16-bit values travel low byte first.
constexpr std::uint8_t lowByte(int value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}
constexpr std::uint8_t highByte(int value)
{
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

} // namespace qx
