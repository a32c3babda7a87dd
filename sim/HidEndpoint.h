#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qx::sim {
class Responder;

// The simulated processor as a USB HID device: takes the output reports the
// host writes (report id 0, a frame, zero padding) and gives the input reports
// it answers with (a frame from byte 0, zero padding to the input report length).
class HidEndpoint
{
public:
    static constexpr std::size_t kDefaultReportLength = 64;

    explicit HidEndpoint(Responder& responder, std::size_t inputReportLength = kDefaultReportLength,
                         std::size_t outputReportLength = kDefaultReportLength);

    struct Answer
    {
        std::vector<std::vector<std::uint8_t>> reports;
        int delayMs = 0;
        bool unplug = false; // the device went away (restart or a dropped connection)
    };

    // An output report of the wrong size or report id is refused with no answer.
    Answer WriteOutputReport(std::span<const std::uint8_t> report);

private:
    Responder& responder_;
    std::size_t inputLength_;
    std::size_t outputLength_;
};
} // namespace qx::sim
