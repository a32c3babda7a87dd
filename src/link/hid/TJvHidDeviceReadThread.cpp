#include "link/hid/TJvHidDeviceReadThread.h"

#include "link/hid/HidMessages.h"
#include "link/hid/TJvHidDevice.h"
#include "platform/sync/MessageTarget.h"

#include <cerrno>
#include <chrono>
#include <map>
#include <mutex>

namespace {

// Threads whose messages may still be handled, by id. Ids are never reused,
// so a message that outlives its thread finds nothing.
std::mutex registryLock;
std::map<std::uintptr_t, TJvHidDeviceReadThread*> registry;
std::uintptr_t lastId = 0;

TJvHidDeviceReadThread* lookUp(std::uintptr_t id)
{
    std::lock_guard lock(registryLock);
    const auto found = registry.find(id);
    return found == registry.end() ? nullptr : found->second;
}

} // namespace

TJvHidDeviceReadThread::TJvHidDeviceReadThread()
{
    throw EControllerError("Direct creation of a TJvDeviceReadThread object is not allowed");
}

TJvHidDeviceReadThread::TJvHidDeviceReadThread(TJvHidDevice* device)
    : Device(device), Report(device->GetCaps().InputReportByteLength)
{
}

TJvHidDeviceReadThread::~TJvHidDeviceReadThread()
{
    Terminate();
    WaitFor();
}

void TJvHidDeviceReadThread::Resume()
{
    if (FThread.joinable())
        return;
    {
        std::lock_guard lock(registryLock);
        FId = ++lastId;
        registry[FId] = this;
    }
    FThread = std::jthread([this](std::stop_token stop) { Execute(stop); });
}

void TJvHidDeviceReadThread::Terminate()
{
    {
        std::lock_guard lock(registryLock);
        registry.erase(FId);
    }
    FThread.request_stop();
}

void TJvHidDeviceReadThread::WaitFor()
{
    if (FThread.joinable())
        FThread.join();
}

void TJvHidDeviceReadThread::Execute(std::stop_token stop)
{
    while (!stop.stop_requested()) {
        std::fill(Report.begin(), Report.end(), std::uint8_t{0});
        const std::chrono::milliseconds slice(Device->ThreadSleepTime());
        std::uint32_t error = Report.empty() ? EINVAL : 0;
        std::shared_ptr<qx::hid::Connection> handle;
        if (!error) {
            handle = Device->OpenHandleEx(omhRead);
            if (!handle)
                error = ENODEV; // unplugged or no longer checked out
        }
        // One slice of waiting; the handle is looked up again for each, so
        // a handle closed meanwhile is not read from again.
        TJvHidDevice::ReadOutcome outcome{0, error};
        if (!error)
            outcome = Device->ReadReport(*handle, Report.data(), static_cast<std::uint32_t>(Report.size()),
                                         static_cast<int>(slice.count()), stop);
        if (stop.stop_requested())
            break;
        if (outcome.error) {
            FErr = outcome.error;
            HandOver(qx::kHidReadErrorMessage, static_cast<std::intptr_t>(FErr), 0, stop);
            // A device that is gone fails every read at once: wait a slice
            // before the next try rather than spin.
            Device->FBackend->sleep(std::chrono::milliseconds(Device->ThreadSleepTime()), stop);
            continue;
        }
        if (outcome.bytes == 0)
            continue;
        NumBytesRead = outcome.bytes;
        HandOver(qx::kHidReportMessage, 0, NumBytesRead, stop);
    }
}

bool TJvHidDeviceReadThread::HandOver(unsigned message, std::intptr_t lParam, std::uint32_t bytes,
                                      std::stop_token stop)
{
    qx::WindowMessage m;
    m.id = message;
    m.wParam = FId;
    m.lParam = lParam;
    m.data.assign(Report.begin(), Report.begin() + bytes);
    return Device->FWindow->sendMessage(std::move(m), stop).has_value();
}

bool TJvHidDeviceReadThread::Dispatch(const qx::WindowMessage& message)
{
    if (message.id != qx::kHidReportMessage && message.id != qx::kHidReadErrorMessage)
        return false;
    if (TJvHidDeviceReadThread* thread = lookUp(message.wParam)) {
        if (message.id == qx::kHidReportMessage)
            thread->DoData(message.data);
        else
            thread->DoDataError(static_cast<std::uint32_t>(message.lParam));
    }
    return true;
}

// Both run on the GUI thread. A handler may check the device in, which
// destroys this thread object: nothing is touched after the call.
void TJvHidDeviceReadThread::DoData(const std::vector<std::uint8_t>& report)
{
    TJvHidDevice* device = Device;
    const TJvHidDataEvent handler = device->OnData();
    if (handler && !report.empty())
        handler(device, report[0], report.data() + 1, static_cast<std::uint16_t>(report.size() - 1));
}

void TJvHidDeviceReadThread::DoDataError(std::uint32_t error)
{
    TJvHidDevice* device = Device;
    const TJvHidDataErrorEvent handler = device->OnDataError();
    if (handler)
        handler(device, error);
}
