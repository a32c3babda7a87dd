#include "model/UnitUpload.h"

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/ExchangeHost.h"
#include "model/ExchangeState.h"
#include "model/LUnitControl.h"
#include "model/MeterMonitor.h"

namespace qx {
namespace {
constexpr std::uint8_t kNoSlot = 255;
constexpr std::uint16_t kHeaderAddress = 0;
constexpr int kTimeoutPieces = 5000;
constexpr int kPauseBeforeClosing = 300;

} // namespace

UnitUpload::UnitUpload(ExchangeHost& host, ExchangeState& state, LUnitControl& unit, MeterMonitor& meters)
    : host_(host), state_(state), unit_(unit), meters_(meters)
{
}

UnitUpload::~UnitUpload() = default;

void UnitUpload::ask(Awaiting what, int index, const LCmd& command)
{
    awaiting_ = what;
    awaitedIndex_ = index;
    host_.SendCommand(command, true);
}

bool UnitUpload::awaits(Awaiting what, int index) const
{
    return awaiting_ == what && awaitedIndex_ == index;
}

void UnitUpload::UploadUnit()
{
    if (!state_.connected) {
        host_.ShowInformation("SID_INFO_CON_FIRST");
        return;
    }
    if (awaiting_ != Awaiting::Nothing) {
        return;
    }
    state_.uploadSlot = kNoSlot;
    int used = 0;
    for (int j = 0; j < kStoredPresetCount; ++j) {
        if (unit_.IsPresetUsed(j)) {
            ++used;
            if (state_.uploadSlot == kNoSlot) {
                state_.uploadSlot = j + 1;
            }
        } else {
            firImages_[static_cast<std::size_t>(j)] = LUnitControl::EncodeEmptyFirBlock();
        }
    }
    if (used == 0) {
        host_.ShowInformation("SID_INFO_NO_SAVE_EXIST");
        return;
    }
    if (!scratch_) {
        scratch_ = std::make_unique<FirBuffers>();
    }
    host_.SetTimerEnabled(ExchangeTimer::InLevelDet, false);
    state_.presetFirSlot = 0;
    ask(Awaiting::Header, 0,
        CM_MCS_READ_EEPROM(host_.GetDeviceId(), kHeaderAddress, static_cast<std::uint8_t>(kMemoryHeaderSize)));
    host_.SetProgressPosition(0);
    host_.SetProgressMax(used * kUploadProgressPerPreset);
    host_.SetStatusText("SID_UPLOAD_PRESET");
    host_.ShowProgressWindow(true);
}

void UnitUpload::OnMemoryReply(std::span<const std::uint8_t> payload)
{
    if (!awaits(Awaiting::Header, 0)) {
        return;
    }
    unit_.StoreMemoryHeader(payload);
    UploadPreset(state_.uploadSlot);
}

void UnitUpload::UploadPreset(int preset)
{
    state_.ackStep = kStepReadStoredPreset;
    ask(Awaiting::Selection, preset,
        CM_MCS_CMD(host_.GetDeviceId(), request::kSelectStoredPreset, static_cast<std::uint8_t>(preset)));
}

void UnitUpload::OnPresetSelected()
{
    if (!awaits(Awaiting::Selection, state_.uploadSlot)) {
        return;
    }
    host_.SetLinkTimeout(kTimeoutPieces);
    ask(Awaiting::Piece, 0, CM_MCS_CMD(host_.GetDeviceId(), request::kPresetPiece, 0));
}

void UnitUpload::OnPresetPieceReply(std::span<const std::uint8_t> payload)
{
    if (payload.size() < reply::minimumPayload(reply::kPresetPiece)) {
        return;
    }
    const int piece = payload[0];
    if (!awaits(Awaiting::Piece, piece)) {
        return;
    }
    unit_.StorePresetPiece(state_.uploadSlot, payload.first(1 + LUnitControl::kPieceSize));
    if (piece < LUnitControl::kLastPiece) {
        ask(Awaiting::Piece, piece + 1,
            CM_MCS_CMD(host_.GetDeviceId(), request::kPresetPiece, static_cast<std::uint8_t>(piece + 1)));
        return;
    }
    state_.presetFirSlot = state_.uploadSlot;
    readback_.Reset();
    requestFirBlock(0);
}

void UnitUpload::requestFirBlock(int block)
{
    ask(Awaiting::FirBlock, block,
        CM_MCS_CMD(host_.GetDeviceId(), request::kFirBlock, static_cast<std::uint8_t>(state_.presetFirSlot),
                   lowByte(block), highByte(block)));
}

void UnitUpload::OnPresetFirBlockReply(std::span<const std::uint8_t> payload)
{
    if (payload.size() < reply::minimumPayload(reply::kFirBlock)) {
        return;
    }
    const int block = payload[1] * 256 + payload[2];
    if (!awaits(Awaiting::FirBlock, block) || !readback_.Accept(block, payload.subspan(3), *scratch_)) {
        return;
    }
    if (readback_.Complete()) {
        presetRead();
        return;
    }
    requestFirBlock(readback_.NextBlock());
    host_.SetProgressPosition(host_.ProgressPosition() + 1);
}

// The preset in UploadSlot is read; the next used one follows, or the end.
void UnitUpload::presetRead()
{
    const int done = state_.uploadSlot;
    firImages_[static_cast<std::size_t>(done - 1)] = unit_.EncodeFirBlock(done - 1, *scratch_);
    for (int next = done + 1; next <= kStoredPresetCount; ++next) {
        if (unit_.IsPresetUsed(next - 1)) {
            state_.uploadSlot = next;
            UploadPreset(next);
            return;
        }
        firImages_[static_cast<std::size_t>(next - 1)] = LUnitControl::EncodeEmptyFirBlock();
        host_.SetProgressPosition(host_.ProgressPosition() + kUploadProgressPerPreset);
    }
    finish();
}

void UnitUpload::finish()
{
    awaiting_ = Awaiting::FileWrite;
    state_.presetFirSlot = 0;
    host_.SetProgressPosition(host_.ProgressMax());
    host_.SetTimerEnabled(ExchangeTimer::ProcessShow, false);
    host_.CloseProgressWindow();
    host_.SetTimerEnabled(ExchangeTimer::Upload, true);
}

void UnitUpload::OnUploadTimer()
{
    host_.SetTimerEnabled(ExchangeTimer::Upload, false);
    if (awaiting_ != Awaiting::FileWrite) {
        return;
    }
    awaiting_ = Awaiting::Nothing;
    if (const auto chosen = host_.ChooseFile(FileDialog::SaveUnit)) {
        const FileResult written = unit_.WriteUnitFile(*chosen, firImages_);
        if (!written.ok()) {
            host_.ShowInformation(written.textId);
        }
    }
    firImages_ = {};
    if (!state_.connected) {
        return;
    }
    host_.Pause(kPauseBeforeClosing);
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kSelectStoredPreset, request::kNoStoredPreset),
                      true);
    meters_.Start();
}

void UnitUpload::Abandon()
{
    // A finished upload still writes its file.
    if (awaiting_ != Awaiting::FileWrite) {
        awaiting_ = Awaiting::Nothing;
        firImages_ = {};
    }
    awaitedIndex_ = 0;
    readback_.Reset();
}

} // namespace qx
