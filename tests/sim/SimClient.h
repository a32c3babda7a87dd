#pragma once

// A test client that talks to the simulated processor in-process, the way the
// editor does over a link: command frames out, reply frames parsed back.

#include "DeviceCore.h"
#include "ImageBytes.h"
#include "Responder.h"
#include "codec/CmMcs.h"
#include "codec/LCmd.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace qx::sim::test {
class SimClient
{
public:
    explicit SimClient(DeviceConfig config = {}) : core_(std::move(config)), responder_(core_) {}

    // The parsed reply, or nothing when the device did not answer.
    std::optional<LCmd> Ask(const LCmd& command)
    {
        const Exchange exchange = responder_.OnFrame(EncodeFrame(command, 1));
        if (exchange.writes.empty())
            return std::nullopt;
        return LCmd(exchange.writes.front(), 1);
    }

    // Parameter image through 26 piece requests (0x27 current, 0x28 opened preset).
    std::vector<std::uint8_t> ReadImage(std::uint8_t code)
    {
        std::vector<std::uint8_t> image;
        for (std::uint8_t piece = 0; piece < layout::kPieceCount; ++piece) {
            const auto reply = Ask(CM_MCS_CMD(Id(), code, piece));
            if (!reply || reply->Payload().size() != 1 + kParameterPieceSize || reply->Payload()[0] != piece)
                return {};
            image.insert(image.end(), reply->Payload().begin() + 1, reply->Payload().end());
        }
        return image;
    }

    // One coefficient set read back block by block, channel by channel, as the
    // editor does: an erased first slot is a unit impulse and an erased later
    // slot ends the channel; both read back as erased memory.
    std::vector<std::uint8_t> ReadCoefficientSet(std::uint8_t set)
    {
        std::vector<std::uint8_t> image(kFirImageSize, 0xFF);
        int cachedBlock = -1;
        std::vector<std::uint8_t> block;
        for (int c = 0; c < kChannelCount; ++c) {
            for (std::size_t slot = 0; slot < kFirSlots; ++slot) {
                const std::size_t at = kFirAreaSize * static_cast<std::size_t>(c) + 4 * slot;
                const int b = static_cast<int>(at / kFirBlockSize);
                if (b != cachedBlock) {
                    const auto reply = Ask(CM_MCS_CMD(Id(), 0x56, set, static_cast<std::uint8_t>(b & 0xFF),
                                                      static_cast<std::uint8_t>(b >> 8)));
                    if (!reply || reply->Code() != 86 || reply->Payload().size() != 55)
                        return {};
                    block.assign(reply->Payload().begin() + 3, reply->Payload().end());
                    cachedBlock = b;
                    ++blocksRead_;
                }
                const std::size_t offset = at % kFirBlockSize;
                const bool erased = std::all_of(block.begin() + static_cast<std::ptrdiff_t>(offset),
                                                block.begin() + static_cast<std::ptrdiff_t>(offset + 4),
                                                [](std::uint8_t x) { return x == 0xFF; });
                if (erased)
                    break;
                std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(offset), 4,
                            image.begin() + static_cast<std::ptrdiff_t>(at));
            }
        }
        return image;
    }

    std::uint8_t Id() const { return core_.Config().deviceId; }
    DeviceCore& Core() { return core_; }
    Responder& Link() { return responder_; }
    int BlocksRead() const { return blocksRead_; }

private:
    DeviceCore core_;
    Responder responder_;
    int blocksRead_ = 0;
};
} // namespace qx::sim::test
