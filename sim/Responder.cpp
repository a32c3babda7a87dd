#include "Responder.h"

#include "FrameLog.h"
#include "codec/LCmd.h"

#include <algorithm>

namespace qx::sim {
namespace {
constexpr std::uint8_t kTransferEnd = 89;
} // namespace

Responder::Responder(DeviceCore& core, FaultPlan faults, FrameLog* log)
    : core_(core), faults_(std::move(faults)), log_(log)
{
}

void Responder::ReplaceFaults(FaultPlan faults)
{
    const std::lock_guard lock(faultsMutex_);
    faults_ = std::move(faults);
}

Exchange Responder::OnFrame(std::span<const std::uint8_t> frame)
{
    const std::lock_guard lock(faultsMutex_);
    if (log_ != nullptr)
        log_->Received(frame);
    Outcome outcome = core_.Handle(frame);
    for (auto& error : outcome.errors) {
        if (log_ != nullptr)
            log_->Error(error);
        errors_.push_back(std::move(error));
    }
    Exchange exchange;
    if (!outcome.addressed)
        return exchange;
    ++framesForUs_;
    exchange.restart = outcome.restart;
    exchange.close = framesForUs_ == faults_.closeAtFrame;
    if (exchange.close)
        return exchange;
    const auto frames = AnswerFrames(outcome);
    if (log_ != nullptr)
        for (const auto& f : frames)
            log_->Sent(f);
    exchange.writes = Writes(frames);
    exchange.chunked = faults_.chunkSize != 0;
    exchange.delayMs = faults_.LatencyFor(outcome.code);
    return exchange;
}

std::vector<Bytes> Responder::AnswerFrames(const Outcome& outcome) const
{
    std::vector<Bytes> frames;
    const bool silenced = faults_.silent.Has(outcome.code) || framesForUs_ == faults_.silentFrame;
    if (!outcome.reply || silenced)
        return frames;
    frames.push_back(EncodeReply(outcome.code, *outcome.reply));
    if (faults_.duplicate.Has(outcome.code))
        frames.push_back(frames.front());
    if (faults_.transferEnd.Has(outcome.code))
        frames.push_back(EncodeReply(kTransferEnd, Reply{kTransferEnd, {1}}));
    return frames;
}

Bytes Responder::EncodeReply(std::uint8_t command, const Reply& reply) const
{
    Bytes payload = reply.payload;
    if (const auto it = faults_.payloadDelta.find(command); it != faults_.payloadDelta.end()) {
        if (it->second < 0)
            payload.resize(payload.size() - std::min(payload.size(), static_cast<std::size_t>(-it->second)));
        else
            payload.insert(payload.end(), static_cast<std::size_t>(it->second), 0xEE);
    }
    const auto id =
        static_cast<std::uint8_t>(faults_.foreignId >= 0 ? faults_.foreignId : core_.Config().deviceId);
    Bytes out = frame::Build(id, 0, reply.code, payload);
    if (faults_.zeroLength.Has(command) && !out.empty()) {
        out[frame::kLengthOffset] = 0;
        out.back() = frame::Checksum(std::span(out).first(out.size() - 1));
    }
    return out;
}

std::vector<Bytes> Responder::Writes(const std::vector<Bytes>& frames) const
{
    std::vector<Bytes> whole;
    for (const auto& f : frames) {
        if (whole.empty() || !faults_.coalesce)
            whole.emplace_back();
        for (std::size_t i = 0; i < faults_.garbageBytes; ++i)
            whole.back().push_back(faults_.junk[i % faults_.junk.size()]);
        whole.back().insert(whole.back().end(), f.begin(), f.end());
    }
    if (faults_.chunkSize == 0)
        return whole;
    std::vector<Bytes> chunks;
    for (const auto& w : whole)
        for (std::size_t at = 0; at < w.size(); at += faults_.chunkSize)
            chunks.emplace_back(w.begin() + static_cast<std::ptrdiff_t>(at),
                                w.begin() +
                                    static_cast<std::ptrdiff_t>(std::min(w.size(), at + faults_.chunkSize)));
    return chunks;
}
} // namespace qx::sim
