#include "HidEndpoint.h"

#include "Responder.h"
#include "codec/LCmd.h"

#include <algorithm>

namespace qx::sim {
HidEndpoint::HidEndpoint(Responder& responder, std::size_t inputReportLength, std::size_t outputReportLength)
    : responder_(responder), inputLength_(inputReportLength), outputLength_(outputReportLength)
{
}

HidEndpoint::Answer HidEndpoint::WriteOutputReport(std::span<const std::uint8_t> report)
{
    Answer answer;
    if (report.size() != outputLength_ || report.size() <= frame::kMinSize || report[0] != 0)
        return answer;
    const auto data = report.subspan(1);
    const std::size_t size =
        std::min<std::size_t>(data[frame::kLengthOffset] + frame::kOverhead, data.size());
    const Exchange exchange = responder_.OnFrame(data.first(size));
    for (const auto& write : exchange.writes) {
        for (std::size_t at = 0; at < write.size(); at += inputLength_) {
            std::vector<std::uint8_t> input(inputLength_, 0);
            const std::size_t n = std::min(inputLength_, write.size() - at);
            std::copy_n(write.begin() + static_cast<std::ptrdiff_t>(at), n, input.begin());
            answer.reports.push_back(std::move(input));
        }
    }
    answer.delayMs = exchange.delayMs;
    answer.unplug = exchange.close || exchange.restart;
    return answer;
}
} // namespace qx::sim
