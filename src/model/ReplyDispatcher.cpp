#include "model/ReplyDispatcher.h"

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/ExchangeHost.h"
#include "model/LUnitControl.h"

namespace qx {
namespace {
constexpr int kTimeoutStateLoad = 5000;
constexpr int kTimeoutStore = 10000;
constexpr int kProgressPresetFileEnd = 11;
constexpr std::uint16_t kUnitHeaderAddress = 1;
constexpr std::uint8_t kUnitHeaderLength = 20;
} // namespace

ReplyDispatcher::ReplyDispatcher(ExchangeHost& host, LUnitControl& unit, FirBuffers& firBuffers)
    : host_(host), stateLoad_(host, state_, unit, firBuffers), meters_(host, host),
      presets_(host, state_, unit, meters_), presetFile_(host, state_, unit, firBuffers, meters_),
      upload_(host, state_, unit, meters_), download_(host, state_, meters_)
{
}

void ReplyDispatcher::send(const LCmd& command, bool urgent)
{
    host_.SendCommand(command, urgent);
}

ReplyVerdict ReplyDispatcher::OnDeviceReply(std::span<const std::uint8_t> frame,
                                            std::span<const std::uint8_t> inFlight)
{
    const LCmd reply(frame, 1);
    // A frame without its markers comes from no device, also when the
    // device id is 0.
    if (!frame::HasMarkers(frame) || reply.DeviceId() != host_.GetDeviceId()) {
        host_.SetTimerEnabled(ExchangeTimer::ComScan, true);
        return ReplyVerdict::NotAnAnswer;
    }
    if (!reply::actedOn(reply.Code())) {
        return ReplyVerdict::Answer;
    }
    if (reply.Payload().size() < reply::minimumPayload(reply.Code())) {
        return ReplyVerdict::NotAnAnswer;
    }
    if (reply::answersNoRequest(reply.Code())) {
        dispatch(reply);
        return ReplyVerdict::NotAnAnswer;
    }
    if (!inFlight.empty()) {
        const LCmd request(inFlight, 1);
        if (!reply::answersInFlight(request.Code(), request.Payload(), reply.Code(), reply.Payload())) {
            return ReplyVerdict::NotAnAnswer;
        }
    }
    dispatch(reply);
    return ReplyVerdict::Answer;
}

void ReplyDispatcher::dispatch(const LCmd& reply)
{
    const std::span<const std::uint8_t> payload = reply.Payload();
    switch (reply.Code()) {
    case reply::kAck:
        onAcknowledge();
        break;
    case reply::kDeviceInfo:
        onDeviceInfo();
        break;
    case reply::kModel:
        stateLoad_.OnModelReply(payload);
        break;
    case reply::kCurrentPreset:
        stateLoad_.OnCurrentPresetReply(payload);
        break;
    case reply::kMemoryData:
        upload_.OnMemoryReply(payload);
        break;
    case reply::kPresetFlags:
        stateLoad_.OnPresetFlagsReply(payload);
        break;
    case reply::kParameterPiece:
        stateLoad_.OnParameterPieceReply(payload);
        break;
    case reply::kPresetName:
        stateLoad_.OnPresetNameReply(payload);
        break;
    case reply::kLockStatus:
        stateLoad_.OnLockStatusReply(payload);
        break;
    case reply::kPasswordResult:
        if (payload[0] == 0) {
            host_.SetUnlockReplyState(payload[1]);
        }
        break;
    case reply::kMeters:
        onMeters(payload);
        break;
    case reply::kFirBlock:
        if (state_.presetFirSlot == 0) {
            stateLoad_.OnFirBlockReply(payload);
        } else {
            upload_.OnPresetFirBlockReply(payload);
        }
        break;
    case reply::kPresetPiece:
        upload_.OnPresetPieceReply(payload);
        break;
    case reply::kPresetPieceAck:
        download_.OnDownloadPieceReply(payload);
        break;
    case reply::kTransferEnd:
        onTransferEnd(payload);
        break;
    default:
        break;
    }
}

void ReplyDispatcher::onDeviceInfo()
{
    if (state_.transferKind == kTransferUnitDownloadFir) {
        download_.OnBurstEnd();
        return;
    }
    stateLoad_.OnDeviceInfoReply();
}

void ReplyDispatcher::progressToMax()
{
    host_.SetProgressPosition(host_.ProgressMax());
}

void ReplyDispatcher::onAcknowledge()
{
    const int step = state_.ackStep;
    state_.ackStep = kStepIdle;
    const std::uint8_t id = host_.GetDeviceId();
    switch (step) {
    case kStepIdle:
    case kStepLocked:
        if (state_.transferKind != kTransferNone) {
            host_.SetProgressPosition(host_.ProgressPosition() + 1);
        }
        break;
    case kStepRecall:
        host_.SetTimerEnabled(ExchangeTimer::PresetLoadCount, false);
        progressToMax();
        endTransfer();
        host_.SetLinkTimeout(kTimeoutStateLoad);
        stateLoad_.StartFirReadback();
        break;
    case kStepStore:
        host_.SetLinkTimeout(kTimeoutStore);
        send(CM_MCS_CMD(id, request::kStorePreset, static_cast<std::uint8_t>(state_.currentPreset)), true);
        host_.SetProgressPosition(1);
        state_.ackStep = kStepStored;
        break;
    case kStepStored:
        presets_.OnStored();
        progressToMax();
        send(CM_MCS_CMD(id, request::kKeepAlive), false);
        endTransfer();
        meters_.Start();
        break;
    case kStepFactoryDefault:
    case kStepReloadState:
        host_.SetLinkTimeout(kTimeoutStateLoad);
        stateLoad_.StartStateLoad(true);
        break;
    case kStepReadStoredPreset:
        upload_.OnPresetSelected();
        break;
    case kStepDownloadPresets:
        download_.DownloadNextPreset(state_.downloadSlot);
        break;
    case kStepDownloadHeader:
        host_.SetTimerEnabled(ExchangeTimer::PresetLoadCount, false);
        host_.SetProgressPosition(0);
        host_.SetProgressMax(kDownloadProgressPresets);
        host_.SetStatusText("SID_DOWNLOAD_PRESET");
        send(CM_MCS_WRITE_EEPROM(id, kUnitHeaderAddress, kUnitHeaderLength,
                                 std::span(state_.unitFileHeader).subspan(1)),
             true);
        state_.ackStep = kStepDownloadPresets;
        break;
    default:
        break;
    }
}

void ReplyDispatcher::onMeters(std::span<const std::uint8_t> payload)
{
    meters_.OnMeterReply(payload);
    if (state_.transferKind == kTransferPresetFile && host_.ProgressPosition() >= kProgressPresetFileEnd) {
        state_.transferKind = kTransferNone;
        send(CM_MCS_CMD(host_.GetDeviceId(), request::kKeepAlive), false);
        endTransfer();
    }
}

void ReplyDispatcher::onTransferEnd(std::span<const std::uint8_t> payload)
{
    if (payload[0] != 1 || state_.transferKind == kTransferNone) {
        return;
    }
    if (state_.transferKind == kTransferUnitDownloadFir) {
        // Ends the download as the answer to its final request does.
        download_.OnBurstEnd();
        return;
    }
    send(CM_MCS_CMD(host_.GetDeviceId(), request::kKeepAlive), false);
    progressToMax();
    state_.transferKind = kTransferNone;
    endTransfer();
}

// Closes the progress window; a finished exchange also cancels a show still
// pending, so no modal window is left up that nothing would close.
void ReplyDispatcher::endTransfer()
{
    host_.SetTimerEnabled(ExchangeTimer::ProcessShow, false);
    host_.CloseProgressWindow();
}

void ReplyDispatcher::resetExchanges()
{
    state_.ackStep = kStepIdle;
    state_.transferKind = kTransferNone;
    state_.presetFirSlot = 0;
    host_.SetTimerEnabled(ExchangeTimer::PresetLoadCount, false);
    host_.SetTimerEnabled(ExchangeTimer::ProcessShow, false);
    stateLoad_.Abandon();
    presets_.Abandon();
    upload_.Abandon();
    download_.Abandon();
}

void ReplyDispatcher::BeginConnect()
{
    resetExchanges();
    state_.connecting = true;
    state_.connected = false;
    state_.online = false;
}

void ReplyDispatcher::LinkClosed()
{
    resetExchanges();
    state_.connecting = false;
    state_.connected = false;
    state_.online = false;
}

void ReplyDispatcher::StartStateLoad(bool urgent)
{
    stateLoad_.StartStateLoad(urgent);
}

bool ReplyDispatcher::ProgressWanted() const
{
    return stateLoad_.Loading() || upload_.Active() || download_.Active() ||
           state_.transferKind != kTransferNone ||
           (state_.ackStep != kStepIdle && state_.ackStep != kStepLocked);
}

} // namespace qx
