#pragma once

// A GUI thread for HID tests: the test thread owns a message queue that
// stands in for the main window, a fake HID bus, and a controller wired the
// way the main window wires it.

#include "../platform/hid/Descriptors.h"
#include "WaitUntil.h"
#include "link/hid/HidMessages.h"
#include "link/hid/ProcessorHidPort.h"
#include "link/hid/TJvHidDeviceController.h"
#include "link/hid/TJvHidDeviceReadThread.h"
#include "platform/hid/FakeHidBus.h"
#include "platform/sync/MessageQueue.h"

#include <gtest/gtest.h>

#include <memory>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

namespace qx::test {

struct ReceivedReport
{
    TJvHidDevice* device;
    std::uint8_t reportId;
    std::vector<std::uint8_t> data;
};

/// Records the controller's events; the program's handlers in small.
struct HidRecorder
{
    TJvHidDeviceController* controller = nullptr;
    ProcessorHidPort* port = nullptr;
    bool enumerateOnChange = true;
    bool checkInOnUnplug = true;
    std::vector<std::string> events;
    std::vector<ReceivedReport> reports;
    std::vector<std::uint32_t> errors;

    void DeviceChange(TJvHidDeviceController*)
    {
        events.push_back("change");
        if (enumerateOnChange)
            controller->Enumerate();
    }
    bool Enumerate(TJvHidDevice* device, int index) { return port->Enumerate(device, index); }
    void Data(TJvHidDevice* device, std::uint8_t id, const std::uint8_t* data, std::uint16_t size)
    {
        reports.push_back({device, id, std::vector<std::uint8_t>(data, data + size)});
    }
    void DataError(TJvHidDevice*, std::uint32_t error) { errors.push_back(error); }
    void Unplug(TJvHidDevice* device)
    {
        events.push_back("unplug");
        if (checkInOnUnplug)
            port->Unplug(device);
    }
    void Removal(TJvHidDevice*) { events.push_back("removal"); }
    void Arrival(TJvHidDevice*) { events.push_back("arrival"); }
};

inline hid::FakeDeviceProfile processorProfile(const std::string& path)
{
    hid::FakeDeviceProfile profile;
    profile.vendorId = kProcessorVendorId;
    profile.productId = kProcessorProductId;
    profile.path = path;
    profile.reportDescriptor = hid::test::kVendor64;
    profile.product = L"QX-73B";
    return profile;
}

inline hid::FakeDeviceProfile keyboardProfile(const std::string& path)
{
    hid::FakeDeviceProfile profile;
    profile.vendorId = 0x7777;
    profile.productId = 0x6001;
    profile.path = path;
    profile.reportDescriptor = hid::test::kKeyboard;
    profile.manufacturer = L"Keys Inc.";
    profile.product = L"Keyboard";
    return profile;
}

class HidFixture : public ::testing::Test
{
protected:
    hid::FakeHidBus bus;
    MessageQueue window{[this](const WindowMessage& m) {
        if (controller)
            controller->HandleMessage(m);
        else
            TJvHidDeviceReadThread::Dispatch(m);
        return std::intptr_t{0};
    }};
    std::unique_ptr<TJvHidDeviceController> controller = std::make_unique<TJvHidDeviceController>(window, bus);
    ProcessorHidPort port{*controller};
    HidRecorder recorder = makeRecorder();

    HidRecorder makeRecorder()
    {
        HidRecorder r;
        r.controller = controller.get();
        r.port = &port;
        return r;
    }

    // Devices still checked out hear of the controller's end while the
    // recorder is there to check them in.
    void TearDown() override { controller.reset(); }

    /// Binds the handlers as the main window does, OnDeviceChange last.
    void bindProgram()
    {
        controller->SetOnEnumerate(TJvHidEnumerateEvent::bind<&HidRecorder::Enumerate>(&recorder));
        controller->SetOnDeviceData(TJvHidDataEvent::bind<&HidRecorder::Data>(&recorder));
        controller->SetOnDeviceUnplug(TJvHidPlugEvent::bind<&HidRecorder::Unplug>(&recorder));
        controller->SetOnRemoval(TJvHidPlugEvent::bind<&HidRecorder::Removal>(&recorder));
        controller->SetOnDeviceChange(TJvHidNotifyEvent::bind<&HidRecorder::DeviceChange>(&recorder));
    }

    /// Runs the GUI side until `done` holds; false, with a failure, when it never does.
    template <class Pred>
    bool pumpUntil(Pred done, std::string_view what = {},
                   std::source_location where = std::source_location::current())
    {
        return waitUntil(
            [&] {
                window.dispatchPending();
                return done();
            },
            what, {}, kWaitLimit, where);
    }

    void pump() { window.dispatchPending(); }

    /// Waits, without serving it, until a read thread blocks in a hand-over.
    bool waitForHandOver()
    {
        return waitUntil([&] { return window.pendingCount() != 0; }, "a read thread's hand-over") &&
               window.pendingCount() == 1;
    }

    /// Input report of the processor as the system delivers it: 64 bytes, no report id.
    static std::vector<std::uint8_t> processorReport(std::vector<std::uint8_t> frame)
    {
        frame.resize(64, 0);
        return frame;
    }

    void expectCounts(int checkedIn, int checkedOut, int unplugged)
    {
        EXPECT_EQ(controller->NumCheckedInDevices(), checkedIn);
        EXPECT_EQ(controller->NumCheckedOutDevices(), checkedOut);
        EXPECT_EQ(controller->NumUnpluggedDevices(), unplugged);
    }
};

} // namespace qx::test
