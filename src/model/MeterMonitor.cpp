#include "model/MeterMonitor.h"

#include "codec/CmMcs.h"
#include "model/ExchangeCodes.h"
#include "model/ExchangeHost.h"
#include "model/MeterDecode.h"

namespace qx {
namespace {
constexpr int kFlashReplies = 3;
constexpr std::size_t kCompReductionAt = 12;
constexpr std::size_t kLimitReductionAt = 20;
constexpr std::size_t kEngagementAt = 28;

std::int8_t signedByte(std::uint8_t b)
{
    return static_cast<std::int8_t>(b);
}
} // namespace

MeterMonitor::MeterMonitor(ExchangeHost& host, MeterView& view) : host_(host), view_(view)
{
}

void MeterMonitor::OnMeterPollTimer()
{
    host_.SendCommand(CM_MCS_CMD(host_.GetDeviceId(), request::kMeterPoll), false);
}

MeterFrame MeterMonitor::Decode(std::span<const std::uint8_t> reply, const MeterView& view)
{
    MeterFrame frame;
    for (int c = 0; c < kChannelCount; ++c) {
        frame.level[static_cast<std::size_t>(c)] = levelSegments(c, signedByte(reply[static_cast<std::size_t>(c)]));
    }
    const unsigned engaged = reply[kEngagementAt] | (reply[kEngagementAt + 1] << 8);
    for (std::size_t i = 0; i < kOutputCount; ++i) {
        const int output = static_cast<int>(i);
        frame.compEngaged[i] = ((engaged >> i) & 1U) != 0 && view.IsDynamicsArmed(output, false);
        frame.limitEngaged[i] = ((engaged >> (8 + i)) & 1U) != 0 && view.IsDynamicsArmed(output, true);
        frame.compReduction[i] =
            frame.compEngaged[i] ? gainReductionSegments(signedByte(reply[kCompReductionAt + i])) : 0;
        frame.limitReduction[i] =
            frame.limitEngaged[i] ? gainReductionSegments(signedByte(reply[kLimitReductionAt + i])) : 0;
    }
    return frame;
}

void MeterMonitor::OnMeterReply(std::span<const std::uint8_t> payload)
{
    if (payload.size() < kMeterReplySize) {
        return;
    }
    updateDspLoad(dspIdleCount(payload.first<kMeterReplySize>()));
    view_.ShowMeters(Decode(payload, view_));
}

void MeterMonitor::updateDspLoad(std::uint32_t idleCount)
{
    idleCount_ = idleCount;
    const float load = dspLoad(idleCount);
    if (const auto text = dspLoadText(load)) {
        view_.SetDspText(*text);
    }
    if (load < kDspAlarmLoad) {
        if (flashCount_ != 0 && --flashCount_ == 0) {
            view_.SetDspLabelStyle(DspLabelStyle::Calm);
            labelRed_ = false;
            host_.SetTimerEnabled(ExchangeTimer::MipsFlash, false);
        }
        return;
    }
    if (flashCount_ == 0) {
        view_.SetDspLabelStyle(DspLabelStyle::Alarm);
        labelRed_ = true;
        host_.SetTimerEnabled(ExchangeTimer::MipsFlash, true);
    }
    flashCount_ = kFlashReplies;
}

void MeterMonitor::OnMipsFlashTimer()
{
    labelRed_ = !labelRed_;
    view_.SetDspLabelStyle(labelRed_ ? DspLabelStyle::Alarm : DspLabelStyle::AlarmDim);
}

void MeterMonitor::ResetMeters()
{
    idleCount_ = static_cast<std::uint32_t>(kDspIdleCapacity);
    view_.SetDspText(*dspLoadText(0.0F));
    view_.SetDspLabelStyle(DspLabelStyle::Calm);
    labelRed_ = false;
    view_.ClearMeters();
}

void MeterMonitor::CalmDspLabel()
{
    host_.SetTimerEnabled(ExchangeTimer::MipsFlash, false);
    view_.SetDspLabelStyle(DspLabelStyle::Calm);
    labelRed_ = false;
    flashCount_ = 0;
}

void MeterMonitor::Stop()
{
    host_.SetTimerEnabled(ExchangeTimer::InLevelDet, false);
    ResetMeters();
}

void MeterMonitor::Start()
{
    host_.SetTimerEnabled(ExchangeTimer::InLevelDet, true);
}

} // namespace qx
