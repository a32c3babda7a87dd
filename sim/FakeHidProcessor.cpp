#include "FakeHidProcessor.h"

#include "Responder.h"
#include "codec/SharedConstants.h"
#include "platform/hid/FakeHidBus.h"

namespace qx::sim {
namespace {
// 64-byte input and output reports without report ids, vendor-defined.
const std::vector<std::uint8_t> kReportDescriptor = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,             // vendor page, application collection
    0x09, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, // bytes 0..255
    0x95, 0x40, 0x81, 0x02,                               // 64 input bytes
    0x09, 0x03, 0x95, 0x40, 0x91, 0x02,                   // 64 output bytes
    0xC0};
constexpr std::size_t kReportBytes = 64;

hid::FakeDeviceProfile ProcessorProfile(std::string path)
{
    hid::FakeDeviceProfile profile;
    profile.vendorId = kProcessorVendorId;
    profile.productId = kProcessorProductId;
    profile.path = std::move(path);
    profile.reportDescriptor = kReportDescriptor;
    profile.product = L"QX-73B";
    return profile;
}
} // namespace

// The host writes the report id before the 64 bytes, so its output reports are 65 long.
FakeHidProcessor::FakeHidProcessor(hid::FakeHidBus& bus, Responder& responder, std::string path)
    : responder_(responder), endpoint_(responder, kReportBytes, kReportBytes + 1),
      device_(bus.plug(ProcessorProfile(std::move(path))))
{
    device_->setOutputHandler([this](std::vector<std::uint8_t> report) { OnOutputReport(std::move(report)); });
    delivery_ = std::jthread([this](std::stop_token stop) { Deliver(stop); });
}

FakeHidProcessor::~FakeHidProcessor()
{
    device_->setOutputHandler(nullptr);
    delivery_.request_stop();
    delivery_.join();
    device_->unplug();
}

void FakeHidProcessor::Unplug() { device_->unplug(); }

std::size_t FakeHidProcessor::ReportsWritten() const
{
    std::lock_guard lock(mutex_);
    return written_;
}

void FakeHidProcessor::OnOutputReport(std::vector<std::uint8_t> report)
{
    std::lock_guard lock(mutex_);
    ++written_;
    HidEndpoint::Answer answer = endpoint_.WriteOutputReport(report);
    if (answer.reports.empty() && !answer.unplug)
        return;
    const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(answer.delayMs);
    pending_.push_back({due, std::move(answer)});
    wake_.notify_all();
}

void FakeHidProcessor::Deliver(std::stop_token stop)
{
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested()) {
        if (pending_.empty()) {
            wake_.wait(lock, stop, [this] { return !pending_.empty(); });
            continue;
        }
        const auto due = pending_.front().due;
        if (wake_.wait_until(lock, stop, due, [] { return false; }) || std::chrono::steady_clock::now() < due)
            continue;
        Delivery next = std::move(pending_.front());
        pending_.pop_front();
        lock.unlock();
        for (auto& report : next.answer.reports)
            device_->sendInputReport(std::move(report));
        if (next.answer.unplug)
            device_->unplug();
        lock.lock();
    }
}
} // namespace qx::sim
