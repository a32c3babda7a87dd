#include "link/hid/ProcessorHidPort.h"

#include "link/hid/TJvHidDeviceController.h"
#include "link/hid/TJvHidPnPInfo.h"

#include <algorithm>
#include <cerrno>

namespace qx {

namespace {

constexpr std::size_t kLengthByte = 4;
constexpr std::size_t kFrameOverhead = 8; // frame bytes besides the length byte's count

} // namespace

std::optional<std::vector<std::uint8_t>> frameReport(std::span<const std::uint8_t> frame, std::size_t outputLength)
{
    if (outputLength == 0 || frame.size() + 1 > outputLength)
        return std::nullopt;
    std::vector<std::uint8_t> report(outputLength, 0);
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

std::span<const std::uint8_t> frameInReport(std::span<const std::uint8_t> data)
{
    if (data.size() <= kLengthByte)
        return data;
    return data.first(std::min(data.size(), data[kLengthByte] + kFrameOverhead));
}

ProcessorHidPort::ProcessorHidPort(TJvHidDeviceController& controller) : controller_(controller) {}

bool ProcessorHidPort::IsProcessor(const TJvHidDevice* device)
{
    return device && device->Attributes().VendorID == kProcessorVendorId
           && device->Attributes().ProductID == kProcessorProductId;
}

bool ProcessorHidPort::Enumerate(TJvHidDevice* device, int index)
{
    std::lock_guard lock(lock_);
    if (device_ || !IsProcessor(device))
        return true;
    TJvHidDevice* taken = nullptr;
    if (controller_.CheckOutByIndex(taken, index))
        device_ = taken;
    return true;
}

std::span<const std::uint8_t> ProcessorHidPort::Frame(const TJvHidDevice* device, const std::uint8_t* data,
                                                     std::uint16_t size) const
{
    {
        std::lock_guard lock(lock_);
        if (!device || device != device_)
            return {};
    }
    return frameInReport({data, size});
}

bool ProcessorHidPort::Unplug(TJvHidDevice* device)
{
    TJvHidDevice* held = nullptr;
    {
        std::lock_guard lock(lock_); // waits for a write in progress
        if (!device || device != device_)
            return false;
        held = device_;
        device_ = nullptr;
    }
    controller_.CheckIn(held);
    return true;
}

std::optional<ProcessorHidPort::Refusal> ProcessorHidPort::OpenForTransfers()
{
    std::lock_guard lock(lock_);
    if (!device_)
        return std::nullopt;
    const bool hadAccess = device_->HasReadWriteAccess();
    if (!hadAccess)
        device_->CloseFile(); // a handle kept for queries only would never be tried again
    if (device_->OpenFile() && device_->HasReadWriteAccess()) {
        if (!hadAccess)
            device_->SetOnData(device_->OnData()); // the read thread waits for read access
        return std::nullopt;
    }
    Refusal refusal{device_->PnPInfo()->DevicePath(), device_->LastOpenError()};
    if (refusal.error.error == 0)
        refusal.error.error = ENODEV; // no longer plugged in
    return refusal;
}

bool ProcessorHidPort::Write(std::span<const std::uint8_t> frame)
{
    std::lock_guard lock(lock_);
    if (!device_)
        return false; // no device, nothing to write to
    bool written = false;
    if (const auto report = frameReport(frame, device_->GetCaps().OutputReportByteLength)) {
        std::uint32_t count = 0;
        written = device_->WriteFile(report->data(), static_cast<std::uint32_t>(report->size()), count);
    }
    if (!written)
        ++failedWrites_;
    return written;
}

TJvHidDevice* ProcessorHidPort::Device() const
{
    std::lock_guard lock(lock_);
    return device_;
}

} // namespace qx
