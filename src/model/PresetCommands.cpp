#include "model/PresetCommands.h"

#include <algorithm>
#include <string>
#include <vector>

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/ExchangeHost.h"
#include "model/ExchangeState.h"
#include "model/LUnitControl.h"
#include "model/MeterMonitor.h"
#include "platform/text/Format.h"

namespace qx {
namespace {
constexpr int kStoreRows = 20;
constexpr int kRecallRows = 21;
constexpr int kTimeoutStore = 10000;
constexpr int kTimeoutRecall = 50000;
constexpr int kTimeoutFactory = 10000;
constexpr int kProgressStore = 2;
constexpr int kProgressRecall = 400;
} // namespace

PresetCommands::PresetCommands(ExchangeHost& host, ExchangeState& state, LUnitControl& unit,
                               MeterMonitor& meters)
    : host_(host), state_(state), unit_(unit), meters_(meters)
{
}

void PresetCommands::StorePreset(int row, const PresetName& name)
{
    if (!state_.connected || row < 0 || row >= kStoreRows) {
        return;
    }
    state_.ackStep = kStepStore;
    meters_.Stop();
    state_.currentPreset = row + 1;
    storingRow_ = row;
    storingName_ = name;
    unit_.SetPresetName(name);
    host_.ShowCurrentPreset(Format("U%02d", row + 1), name);
    host_.SetLinkTimeout(kTimeoutStore);
    const auto stored = unit_.PresetName();
    host_.SendCommand(CM_MCS_PRESETNAME(host_.GetDeviceId(),
                                        {reinterpret_cast<const char*>(stored.data()), stored.size()}),
                      true);
    host_.SetStatusText("SID_STORE_PRESET");
    host_.SetProgressPosition(0);
    host_.SetProgressMax(kProgressStore);
    host_.ShowProgressWindow(true);
}

void PresetCommands::OnStored()
{
    if (storingRow_ < 0) {
        return;
    }
    unit_.MarkPresetUsed(storingRow_);
    std::vector<std::uint8_t> reply{static_cast<std::uint8_t>(storingRow_)};
    reply.insert(reply.end(), storingName_.begin(), storingName_.end());
    unit_.ShowPresetName(storingRow_ + 1, reply);
    storingRow_ = -1;
}

void PresetCommands::Abandon()
{
    storingRow_ = -1;
}

void PresetCommands::RecallPreset(int row)
{
    if (!state_.connected || row < 0 || row >= kRecallRows) {
        return;
    }
    state_.ackStep = kStepRecall;
    meters_.CalmDspLabel();
    meters_.Stop();
    host_.SetLinkTimeout(kTimeoutRecall);
    state_.currentPreset = row;
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kRecallPreset, static_cast<std::uint8_t>(row)),
                      true);
    host_.SetStatusText("SID_LOAD_PRESET");
    host_.SetProgressPosition(0);
    host_.SetProgressMax(kProgressRecall);
    host_.SetTimerEnabled(ExchangeTimer::PresetLoadCount, true);
    host_.ShowProgressWindow(true);
}

void PresetCommands::FactoryDefaultClick()
{
    if (state_.connected) {
        host_.ShowFactoryDialog();
    } else {
        host_.ShowInformation("SID_INFO_CON_FIRST");
    }
}

void PresetCommands::LoadFactoryDefault()
{
    if (!state_.connected) {
        return;
    }
    state_.ackStep = kStepFactoryDefault;
    meters_.Stop();
    meters_.CalmDspLabel();
    host_.SetLinkTimeout(kTimeoutFactory);
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kFactoryDefault), true);
}

void PresetCommands::OnPresetLoadCountTimer()
{
    host_.SetProgressPosition(std::min(host_.ProgressPosition() + 1, host_.ProgressMax()));
}

} // namespace qx
