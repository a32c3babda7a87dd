#pragma once
// A minimal processor for the exchange tests: answers the state-load
// requests from a record, a coefficient image, preset flags and names, and
// lets a test deliver every answer twice or drop some.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "FakeHosts.h"
#include "model/FactoryDefault.h"
#include "model/FirImage.h"
#include "model/ReplyDispatcher.h"

namespace qxtest {

struct ScriptedUnit
{
    std::uint8_t id = 1;
    qx::UnitRecord record = qx::kFactoryDefaultRecord;
    qx::Bytes firImage = qx::emptyFirImage();
    std::vector<std::uint8_t> flags = std::vector<std::uint8_t>(20, 0);
    std::uint8_t currentPreset = 0;
    std::string model = "QX-73B V012";
    std::vector<std::uint8_t> lockStatus = {0, 0, 0, 0, 0, 0, 0};
    int copies = 1;                         // each answer delivered this many times
    int shortenCode = -1;                   // the first answer with this code loses its last byte
    std::function<bool(const Frame&)> hold; // requests left unanswered

    std::deque<Frame> requests;

    void attach(FakeExchangeHost& host)
    {
        host.onSend = [this](const Frame& f) { requests.push_back(f); };
    }

    std::vector<Frame> answer(const Frame& request) const
    {
        const std::uint8_t code = request[5];
        const std::vector<std::uint8_t> p(request.begin() + 6, request.end() - 3);
        switch (code) {
        case 0x10:
            return {replyFrame(id, 16, {})};
        case 0x13:
            return {replyFrame(id, 19, std::vector<std::uint8_t>(model.begin(), model.end()))};
        case 0x2C:
            return {replyFrame(id, 44, lockStatus)};
        case 0x22:
            return {replyFrame(id, 34, flags)};
        case 0x14:
            return {replyFrame(id, 20, {currentPreset})};
        case 0x29: {
            std::vector<std::uint8_t> name{p[0]};
            const std::string text = "Preset " + std::to_string(p[0] + 1);
            name.insert(name.end(), text.begin(), text.end());
            name.resize(15, 0);
            return {replyFrame(id, 41, name)};
        }
        case 0x56: {
            const int block = p[1] | (p[2] << 8);
            std::vector<std::uint8_t> data{0, static_cast<std::uint8_t>(block >> 8),
                                           static_cast<std::uint8_t>(block)};
            for (std::size_t k = 0; k < qx::kFirBlockSize; ++k) {
                const std::size_t at = qx::firBlockBegin(block) + k;
                data.push_back(at < firImage.size() ? firImage[at] : 0);
            }
            return {replyFrame(id, 86, data)};
        }
        case 0x27: {
            const auto piece = qx::parameterPieceData(record, p[0]);
            std::vector<std::uint8_t> data{p[0]};
            data.insert(data.end(), piece.begin(), piece.end());
            return {replyFrame(id, 36, data)};
        }
        default:
            return {};
        }
    }

    // Answers requests until none is left; returns the number answered.
    int run(qx::ReplyDispatcher& dispatcher, int limit = 10000)
    {
        int answered = 0;
        while (!requests.empty() && answered < limit) {
            const Frame request = requests.front();
            requests.pop_front();
            ++answered;
            if (hold && hold(request)) {
                continue;
            }
            for (Frame reply : answer(request)) {
                if (reply[5] == shortenCode && reply.size() > qx::frame::kMinSize) {
                    shortenCode = -1;
                    const std::vector<std::uint8_t> payload(reply.begin() + 6, reply.end() - 4);
                    reply = replyFrame(id, reply[5], payload);
                }
                for (int k = 0; k < copies; ++k) {
                    dispatcher.OnDeviceReply(reply);
                }
            }
        }
        return answered;
    }
};

} // namespace qxtest
