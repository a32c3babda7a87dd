#pragma once
// Codes of the exchanges with the processor: the plain requests the model
// sends and the replies it acts on, with the payload length each reply's
// handler reads, which reply answers which request, and whether a received
// reply answers the request in flight.

#include <cstddef>
#include <cstdint>
#include <span>

namespace qx {

namespace request {
inline constexpr std::uint8_t kDeviceInfo = 0x10;
inline constexpr std::uint8_t kClose = 0x11;
inline constexpr std::uint8_t kKeepAlive = 0x12;
inline constexpr std::uint8_t kModel = 0x13;
inline constexpr std::uint8_t kCurrentPreset = 0x14;
inline constexpr std::uint8_t kReadMemory = 0x19;
inline constexpr std::uint8_t kRecallPreset = 0x20;
inline constexpr std::uint8_t kStorePreset = 0x21;
inline constexpr std::uint8_t kPresetFlags = 0x22;
inline constexpr std::uint8_t kFactoryDefault = 0x23;
inline constexpr std::uint8_t kSelectStoredPreset = 0x24;
inline constexpr std::uint8_t kDownloadPiece = 0x25;
inline constexpr std::uint8_t kParameterPiece = 0x27;
inline constexpr std::uint8_t kPresetPiece = 0x28;
inline constexpr std::uint8_t kPresetName = 0x29;
inline constexpr std::uint8_t kLockStatus = 0x2C;
inline constexpr std::uint8_t kPasswordSubmit = 0x2D;
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

// The reply that answers each request; every request not listed is answered
// by the acknowledgement.
constexpr std::uint8_t answerTo(std::uint8_t request)
{
    switch (request) {
    case request::kDeviceInfo:
        return kDeviceInfo;
    case request::kModel:
        return kModel;
    case request::kCurrentPreset:
        return kCurrentPreset;
    case request::kReadMemory:
        return kMemoryData;
    case request::kPresetFlags:
        return kPresetFlags;
    case request::kDownloadPiece:
        return kPresetPieceAck;
    case request::kParameterPiece:
        return kParameterPiece;
    case request::kPresetPiece:
        return kPresetPiece;
    case request::kPresetName:
        return kPresetName;
    case request::kLockStatus:
        return kLockStatus;
    case request::kPasswordSubmit:
        return kPasswordResult;
    case request::kMeterPoll:
        return kMeters;
    case request::kFirBlock:
        return kFirBlock;
    default:
        return kAck;
    }
}

// Whether the system acts on replies of this code; the others (reply 2 among
// them) are ignored and end the wait for the request in flight as any answer.
constexpr bool actedOn(std::uint8_t code)
{
    switch (code) {
    case kAck:
    case kDeviceInfo:
    case kModel:
    case kCurrentPreset:
    case kMemoryData:
    case kPresetFlags:
    case kParameterPiece:
    case kPresetPieceAck:
    case kPresetPiece:
    case kPresetName:
    case kLockStatus:
    case kPasswordResult:
    case kMeters:
    case kFirBlock:
    case kTransferEnd:
        return true;
    default:
        return false;
    }
}

// A transfer end answers no request: it is acted on whatever is in flight,
// and the request in flight goes on waiting for its own answer.
constexpr bool answersNoRequest(std::uint8_t code)
{
    return code == kTransferEnd;
}

// Whether a reply (code and payload, at least as long as its handler reads)
// answers the request in flight: the reply that request asks for and, where
// the request names a piece, block or index, the reply for that one.
constexpr bool answersInFlight(std::uint8_t requestCode, std::span<const std::uint8_t> requestPayload,
                               std::uint8_t replyCode, std::span<const std::uint8_t> replyPayload)
{
    if (answersNoRequest(replyCode) || answerTo(requestCode) != replyCode) {
        return false;
    }
    const auto sameFirst = [&] {
        return !requestPayload.empty() && !replyPayload.empty() && requestPayload[0] == replyPayload[0];
    };
    switch (requestCode) {
    case request::kFirBlock: // asks [0, low, high], answered [., high, low, ...]
        return requestPayload.size() >= 3 && replyPayload.size() >= 3 &&
               requestPayload[1] == replyPayload[2] && requestPayload[2] == replyPayload[1];
    case request::kParameterPiece:
    case request::kPresetPiece:
    case request::kPresetName:
    case request::kDownloadPiece:
    case request::kPasswordSubmit:
        return sameFirst();
    default:
        return true;
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
