#include "model/UnitDownload.h"

#include <algorithm>

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/ExchangeHost.h"
#include "model/ExchangeState.h"
#include "model/FirCommands.h"
#include "model/MeterMonitor.h"

namespace qx {
namespace {
constexpr int kTimeoutFactoryReset = 10000;
constexpr int kProgressEmptySlot = 24;
constexpr int kProgressErasedInput = 155;
constexpr int kProgressErasedOutput = 156;
constexpr std::size_t kUsedSlotAt = 1; // status byte of the stored image: 0xFF when used
constexpr std::uint8_t kUsedSlot = 0xFF;
// The pieces carry block bytes 1-1295: 25 of 50 bytes and a last one of 45.
constexpr std::size_t kLastPieceSize = 45;
constexpr int kLastPiece = kParameterPieceCount - 1;
constexpr std::size_t kFirImageAt = kStoredPresetImageSize;
} // namespace

UnitDownload::UnitDownload(ExchangeHost& host, ExchangeState& state, MeterMonitor& meters)
    : host_(host), state_(state), meters_(meters)
{
}

UnitDownload::~UnitDownload() = default;

void UnitDownload::DownloadUnitFile()
{
    if (!state_.connected) {
        host_.ShowInformation("SID_INFO_CON_FIRST");
        return;
    }
    if (active_) {
        return;
    }
    const auto chosen = host_.ChooseFile(FileDialog::OpenUnit);
    if (!chosen) {
        return;
    }
    auto contents = std::make_unique<UnitFileContents>();
    if (const FileResult opened = openUnitFile(*chosen, *contents); !opened.ok()) {
        host_.ShowInformation(opened.textId);
        return;
    }
    file_ = std::move(contents);
    active_ = true;
    awaitedPiece_ = -1;
    state_.unitFileHeader = file_->header;
    state_.downloadSlot = 1;
    meters_.Stop();
    meters_.CalmDspLabel();
    host_.SetLinkTimeout(kTimeoutFactoryReset);
    state_.ackStep = kStepDownloadHeader;
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kFactoryDefault), true);
    host_.SetMainWindowEnabled(false);
    host_.ShowProgressWindow(false);
    host_.SetStatusText("SID_READ_UNIT_FILE");
    host_.SetProgressPosition(0);
    host_.SetProgressMax(kDownloadProgressReadFile);
    host_.SetTimerEnabled(ExchangeTimer::PresetLoadCount, true);
}

void UnitDownload::DownloadNextPreset(int slot)
{
    if (!active_) {
        return;
    }
    for (int s = std::max(slot, 1); s <= kStoredPresetCount; ++s) {
        state_.downloadSlot = s;
        if (file_->block(s - 1)[kUsedSlotAt] == kUsedSlot) {
            sendPiece(0);
            host_.SetProgressPosition(host_.ProgressPosition() + 1);
            return;
        }
        host_.SetProgressPosition(host_.ProgressPosition() + kProgressEmptySlot);
    }
    state_.downloadSlot = kStoredPresetCount + 1;
    awaitedPiece_ = -1;
    state_.transferKind = kTransferUnitDownloadFir;
    for (int k = 0; k < kStoredPresetCount; ++k) {
        DownloadPresetFir(k, file_->block(k));
    }
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kDeviceInfo), true);
}

void UnitDownload::sendPiece(int piece)
{
    const auto block = file_->block(state_.downloadSlot - 1);
    const std::size_t size = piece < kLastPiece ? kParameterPieceSize : kLastPieceSize;
    const auto data = block.subspan(1 + kParameterPieceSize * static_cast<std::size_t>(piece), size);
    awaitedPiece_ = piece;
    host_.SendCommand(CM_MCS_DOWNLOAD(host_.GetDeviceId(), static_cast<std::uint8_t>(state_.downloadSlot - 1),
                                      static_cast<std::uint8_t>(piece), static_cast<int>(size), data),
                      true);
}

void UnitDownload::OnDownloadPieceReply(std::span<const std::uint8_t> payload)
{
    if (!active_ || payload.empty() || payload[0] != awaitedPiece_) {
        return;
    }
    host_.SetProgressPosition(host_.ProgressPosition() + 1);
    if (awaitedPiece_ < kLastPiece) {
        sendPiece(awaitedPiece_ + 1);
        return;
    }
    DownloadNextPreset(state_.downloadSlot + 1);
}

void UnitDownload::DownloadPresetFir(int k, std::span<const std::uint8_t, kPresetBlockSize> block)
{
    if (k < 0 || k >= kStoredPresetCount) {
        return;
    }
    if (!scratch_) {
        scratch_ = std::make_unique<FirChannelBuffer>();
    }
    const int preset = k + 1;
    const FirCounts counts = firCountsOf(block.subspan(1, kStoredPresetImageSize - 1));
    const CommandSender send = [this](const LCmd& command, bool urgent) { host_.SendCommand(command, urgent); };
    for (int c = 0; c < kChannelCount; ++c) {
        const auto area = block.subspan(kFirImageAt + kFirAreaSize * static_cast<std::size_t>(c)).first<kFirAreaSize>();
        if (readFirArea(area, *scratch_).kind == FirAreaKind::Coefficients) {
            // Its blocks move the bar as they are acknowledged.
            StoreFirCoefficientsToPreset(send, host_.GetDeviceId(), preset, c, *scratch_,
                                         counts[static_cast<std::size_t>(c)]);
            continue;
        }
        EraseFirChannel(send, host_.GetDeviceId(), preset, c);
        host_.SetProgressPosition(host_.ProgressPosition() +
                                  (c < kInputCount ? kProgressErasedInput : kProgressErasedOutput));
    }
}

void UnitDownload::OnBurstEnd()
{
    state_.transferKind = kTransferNone;
    host_.SetTimerEnabled(ExchangeTimer::DownloadEnd, true);
}

// The download is over: the progress window goes, the main window takes
// input again. False when no download was running.
bool UnitDownload::end()
{
    host_.SetTimerEnabled(ExchangeTimer::DownloadEnd, false);
    if (!active_) {
        return false;
    }
    active_ = false;
    awaitedPiece_ = -1;
    file_.reset();
    host_.CloseProgressWindow();
    host_.SetStatusText("");
    host_.SetMainWindowEnabled(true);
    return true;
}

void UnitDownload::OnDownloadEndTimer()
{
    if (!end()) {
        return;
    }
    host_.SendCommand(CM_MCS_MCU_RESET(host_.GetDeviceId()), true);
    host_.SetTimerEnabled(ExchangeTimer::Disconnect, true);
}

void UnitDownload::Abandon()
{
    end();
}

} // namespace qx
