#include "model/PresetFileTransfer.h"

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/ExchangeHost.h"
#include "model/ExchangeState.h"
#include "model/LUnitControl.h"
#include "model/MeterMonitor.h"
#include "model/PresetFile.h"

namespace qx {
namespace {
constexpr int kTimeoutAfterOpen = 5000;
constexpr int kTimeoutBurst = 50000;
} // namespace

PresetFileTransfer::PresetFileTransfer(ExchangeHost& host, ExchangeState& state, LUnitControl& unit,
                                       FirBuffers& firBuffers, MeterMonitor& meters)
    : host_(host), state_(state), unit_(unit), firBuffers_(firBuffers), meters_(meters)
{
}

void PresetFileTransfer::OpenClick()
{
    host_.SetBusy(true);
    OpenPresetFile();
    host_.SetBusy(false);
    host_.ShowOpenedFirFilters();
    host_.SetLinkTimeout(kTimeoutAfterOpen);
}

void PresetFileTransfer::OpenPresetFile()
{
    const auto chosen = host_.ChooseFile(FileDialog::OpenPreset);
    if (!chosen) {
        return;
    }
    host_.ClearPeqSelection();
    const FileRead read = readFileLimited(*chosen, kPresetFileSize);
    const FileResult checked = read.result.ok() ? decodePresetFile(read.bytes).result : read.result;
    if (!checked.ok()) {
        host_.ShowInformation(kFileErrorText);
        return;
    }
    host_.SetLinkTimeout(kTimeoutBurst);
    const bool connected = state_.connected;
    if (connected) {
        // Offline nothing is sent, so nothing would end the transfer.
        state_.transferKind = kTransferPresetFile;
        host_.SetTimerEnabled(ExchangeTimer::InLevelDet, false);
        // Counting starts before the burst: a coefficient error box runs its
        // own loop while the burst goes out, and the acknowledgements that
        // arrive meanwhile must count towards the end of the transfer.
        host_.SetProgressMax(kPresetFileProgress);
        host_.SetProgressPosition(0);
    }
    unit_.ApplyPresetFile(std::span(read.bytes).subspan(kFileMarkerSize), firBuffers_,
                          [this] { host_.ShowInformation("SID_INFO_ERROR_FIR_COEFF"); });
    if (connected) {
        host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kMeterPoll), true);
        host_.SetStatusText("SID_DOWNLOAD_PARAMETER");
        host_.ShowProgressWindow(true);
    }
    meters_.Start();
    host_.SetBusy(true);
    host_.LoadUnitToForm();
    host_.SetBusy(false);
}

void PresetFileTransfer::SavePresetFile()
{
    const Bytes file = encodePresetFile(unit_.record(), firBuffers_);
    const auto chosen = host_.ChooseFile(FileDialog::SavePreset);
    if (!chosen) {
        return;
    }
    if (const FileResult written = writeFileReplacing(presetFileName(*chosen), file); !written.ok()) {
        host_.ShowInformation(written.textId);
    }
}

} // namespace qx
