#include "model/StateLoad.h"

#include <algorithm>
#include <string_view>

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/ExchangeHost.h"
#include "model/LUnitControl.h"

namespace qx {
namespace {
constexpr std::string_view kModelPrefix = "QX-73B";
constexpr std::string_view kModelVersionPrefix = "QX-73B V012";
constexpr int kPresetNameCount = 20;
constexpr int kProgressFirBlocks = kFirBlockCount; // 1891
constexpr int kTimeoutDeviceInfo = 100;
constexpr int kTimeoutDefault = 5000;
constexpr int kTimeoutNotUsb = 1000;


// The handlers read fixed bytes; a payload shorter than its reply's is
// refused here too, whoever calls.
bool tooShort(std::span<const std::uint8_t> payload, std::uint8_t code)
{
    return payload.size() < reply::minimumPayload(code);
}

bool startsWith(std::span<const std::uint8_t> text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char p, std::uint8_t t) { return static_cast<std::uint8_t>(p) == t; });
}
} // namespace

StateLoad::StateLoad(ExchangeHost& host, ExchangeState& state, LUnitControl& unit, FirBuffers& firBuffers)
    : host_(host), state_(state), unit_(unit), firBuffers_(firBuffers)
{
}

void StateLoad::ask(Awaiting what, int index, const LCmd& command, bool urgent)
{
    awaiting_ = what;
    awaitedIndex_ = index;
    host_.SendCommand(command, urgent);
}

bool StateLoad::awaits(Awaiting what, int index) const
{
    return awaiting_ == what && awaitedIndex_ == index;
}

bool StateLoad::Loading() const
{
    return awaiting_ != Awaiting::Nothing && awaiting_ != Awaiting::LockStatus;
}

void StateLoad::Abandon()
{
    awaiting_ = Awaiting::Nothing;
    awaitedIndex_ = 0;
    readback_.Reset();
}

void StateLoad::OnDeviceInfoReply()
{
    if (!state_.connecting) {
        return;
    }
    host_.SetLinkTimeout(kTimeoutDeviceInfo);
    state_.connecting = false;
    state_.connected = true;
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kModel), true);
    host_.SetKeepAliveSuppressed(false);
    host_.SetLinkRetries(1);
    host_.SetLinkTimeout(kTimeoutDefault);
}

void StateLoad::OnModelReply(std::span<const std::uint8_t> payload)
{
    if (!state_.connected || state_.online) {
        return;
    }
    host_.NotifyConnectResult(1);
    if (!startsWith(payload, kModelPrefix)) {
        failModelCheck("SID_INFO_ERROR_UNIT");
        return;
    }
    if (!startsWith(payload, kModelVersionPrefix)) {
        failModelCheck("SID_INFO_ERROR_VERSION");
        return;
    }
    host_.ShowOnline();
    state_.online = true;
    host_.SetLinkTimeout(host_.IsUsbLink() ? kTimeoutDefault : kTimeoutNotUsb);
    ask(Awaiting::LockStatus, 0, CM_MCS_CMD(host_.GetDeviceId(), request::kLockStatus), true);
}

void StateLoad::failModelCheck(const char* stringId)
{
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kClose), true);
    host_.SetKeepAliveSuppressed(true);
    state_.connected = false;
    host_.ShowModelError(stringId);
    host_.SetTimerEnabled(ExchangeTimer::Disconnect, true);
}

void StateLoad::OnLockStatusReply(std::span<const std::uint8_t> payload)
{
    if (tooShort(payload, reply::kLockStatus)) {
        return;
    }
    if (!awaits(Awaiting::LockStatus)) {
        return;
    }
    awaiting_ = Awaiting::Nothing;
    host_.SetLockModeVisible(payload[6] != 0);
    if (payload[5] != 0) {
        state_.ackStep = kStepLocked;
        host_.SetTimerEnabled(ExchangeTimer::Pts, true);
    } else {
        StartStateLoad(false);
    }
}

void StateLoad::StartStateLoad(bool urgent)
{
    ask(Awaiting::PresetFlags, 0, CM_MCS_CMD(host_.GetDeviceId(), request::kPresetFlags), urgent);
}

void StateLoad::OnPresetFlagsReply(std::span<const std::uint8_t> payload)
{
    if (tooShort(payload, reply::kPresetFlags)) {
        return;
    }
    if (!awaits(Awaiting::PresetFlags)) {
        return;
    }
    ask(Awaiting::CurrentPreset, 0, CM_MCS_CMD(host_.GetDeviceId(), request::kCurrentPreset), true);
    unit_.SetPresetFlags(payload);
    unit_.ShowDefaultPresetNames();
}

void StateLoad::OnCurrentPresetReply(std::span<const std::uint8_t> payload)
{
    if (tooShort(payload, reply::kCurrentPreset)) {
        return;
    }
    if (!awaits(Awaiting::CurrentPreset)) {
        return;
    }
    state_.currentPreset = payload[0];
    ask(Awaiting::Name, 0, CM_MCS_CMD(host_.GetDeviceId(), request::kPresetName, 0), true);
}

void StateLoad::OnPresetNameReply(std::span<const std::uint8_t> payload)
{
    if (tooShort(payload, reply::kPresetName)) {
        return;
    }
    const int n = payload[0];
    if (n >= kPresetNameCount || !awaits(Awaiting::Name, n)) {
        return;
    }
    unit_.ShowPresetName(n + 1, payload);
    if (n + 1 < kPresetNameCount) {
        ask(Awaiting::Name, n + 1,
            CM_MCS_CMD(host_.GetDeviceId(), request::kPresetName, static_cast<std::uint8_t>(n + 1)), true);
    } else {
        StartFirReadback();
    }
}

void StateLoad::StartFirReadback()
{
    requestFirBlock(0);
    readback_.Reset();
    host_.SetStatusText("SID_UPLOAD_FIR_COEFFICIENT");
    host_.SetProgressPosition(0);
    host_.SetProgressMax(kProgressFirBlocks);
}

void StateLoad::requestFirBlock(int block)
{
    ask(Awaiting::FirBlock, block,
        CM_MCS_CMD(host_.GetDeviceId(), request::kFirBlock, 0, lowByte(block), highByte(block)), true);
}

void StateLoad::OnFirBlockReply(std::span<const std::uint8_t> payload)
{
    if (tooShort(payload, reply::kFirBlock)) {
        return;
    }
    const int block = payload[1] * 256 + payload[2];
    if (!awaits(Awaiting::FirBlock, block)) {
        return;
    }
    if (block == 0) {
        host_.SetTimerEnabled(ExchangeTimer::ProcessShow, true);
    }
    if (!readback_.Accept(block, payload.subspan(3), firBuffers_)) {
        return;
    }
    if (readback_.Complete()) {
        requestParameterPiece(0);
        host_.SetStatusText("SID_UPLOAD_PARAMETER");
        host_.SetProgressPosition(0);
        host_.SetProgressMax(LUnitControl::kPieceCount);
    } else {
        requestFirBlock(readback_.NextBlock());
        host_.SetProgressPosition(readback_.NextBlock() - 1);
    }
}

void StateLoad::requestParameterPiece(int piece)
{
    ask(Awaiting::ParameterPiece, piece,
        CM_MCS_CMD(host_.GetDeviceId(), request::kParameterPiece, static_cast<std::uint8_t>(piece)), true);
}

void StateLoad::OnParameterPieceReply(std::span<const std::uint8_t> payload)
{
    if (tooShort(payload, reply::kParameterPiece)) {
        return;
    }
    const int piece = payload[0];
    if (!awaits(Awaiting::ParameterPiece, piece)) {
        return;
    }
    unit_.StoreParameterPiece(payload.first(1 + LUnitControl::kPieceSize));
    if (piece < LUnitControl::kLastPiece) {
        requestParameterPiece(piece + 1);
        host_.SetProgressPosition(piece);
    } else {
        finish();
    }
}

void StateLoad::finish()
{
    awaiting_ = Awaiting::Nothing;
    host_.SetProgressPosition(LUnitControl::kPieceCount);
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kKeepAlive), false);
    host_.SetTimerEnabled(ExchangeTimer::ProcessShow, false);
    host_.CloseProgressWindow();
    host_.LoadUnitToForm();
    host_.SetTimerEnabled(ExchangeTimer::InLevelDet, true);
    host_.ReenableLinkControls();
}

} // namespace qx
