#pragma once

#include "codec/SharedConstants.h"
#include "platform/hid/HidBackend.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

class TJvHidDevice;
class TJvHidDeviceController;

namespace qx {

/// The output report that carries one frame: report id 0, the frame, and
/// zeros up to the device's output report length. Nothing when the frame
/// does not fit or the device has no output report.
std::optional<std::vector<std::uint8_t>> frameReport(std::span<const std::uint8_t> frame, std::size_t outputLength);

/// The frame in an input report's data (the bytes after the report id): as
/// many bytes as its length byte (byte 4) says plus 8, never more than the
/// report holds. A report too short to hold the length byte is taken whole.
std::span<const std::uint8_t> frameInReport(std::span<const std::uint8_t> data);

/// The processor's HID device as the program holds it: the one device of
/// the processor's ids it checked out, written to by the USB link's worker
/// and read through the controller's events. The main window's controller
/// event handlers pass their arguments here.
///
/// Only the first matching device is taken; data and unplug events of any
/// other device are ignored.
class ProcessorHidPort
{
public:
    explicit ProcessorHidPort(TJvHidDeviceController& controller);

    static bool IsProcessor(const TJvHidDevice* device);

    /// For OnEnumerate: checks out the device at `index` when it is the
    /// processor's and none is held yet. Always true: the enumeration goes on.
    bool Enumerate(TJvHidDevice* device, int index);
    /// For OnDeviceData: the frame bytes of a report from the held device,
    /// pointing into `data`; empty for a report of any other device.
    std::span<const std::uint8_t> Frame(const TJvHidDevice* device, const std::uint8_t* data, std::uint16_t size) const;
    /// For OnDeviceUnplug: checks the held device in and returns true; any
    /// other device changes nothing.
    bool Unplug(TJvHidDevice* device);

    /// Before a USB link starts: opens the held device for transfers, so that
    /// a refusal is known at once rather than as a link that gets no
    /// answer. A device refused before is tried afresh, and one that opens
    /// now after a refusal at its check-out gets its read thread. The refusal,
    /// or nothing when the device opened or none is held.
    struct Refusal
    {
        std::string path;
        hid::OpenError error;
    };
    std::optional<Refusal> OpenForTransfers();

    /// The link's worker: writes one frame as an output report. A refused
    /// or failed write returns false and is counted.
    bool Write(std::span<const std::uint8_t> frame);

    TJvHidDevice* Device() const;
    std::uint64_t FailedWrites() const { return failedWrites_; }

private:
    TJvHidDeviceController& controller_;
    mutable std::mutex lock_; ///< held while a write uses the device, so a check-in waits for it
    TJvHidDevice* device_ = nullptr;
    std::atomic<std::uint64_t> failedWrites_{0};
};

} // namespace qx
