#include "HidFixture.h"

#include <cerrno>

namespace qx::test {
namespace {

const std::vector<std::uint8_t> kStatusFrame = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};

TEST_F(HidFixture, StartUpWithoutDevicesStillReportsOneChange)
{
    bindProgram();
    EXPECT_TRUE(recorder.events.empty()) << "binding the handler scans, and an empty scan is no change";
    pump();
    EXPECT_EQ(recorder.events, std::vector<std::string>{"change"}) << "the first scan after start always reports";
    EXPECT_EQ(controller->Enumerate(), 0);
    pump();
    EXPECT_EQ(recorder.events.size(), 1u);
}

TEST_F(HidFixture, ProcessorIsFoundWrittenToReadAndLetGo)
{
    bindProgram();
    pump();
    auto device = bus.plug(processorProfile("/fake/hidraw0"));
    std::vector<std::vector<std::uint8_t>> written;
    device->setOutputHandler([&](std::vector<std::uint8_t> report) { written.push_back(std::move(report)); });
    pump();

    // Plug and check-out
    TJvHidDevice* held = port.Device();
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(held->IsCheckedOut());
    EXPECT_EQ(held->Attributes().VendorID, 0x0168);
    EXPECT_EQ(held->GetCaps().OutputReportByteLength, 65);
    EXPECT_EQ(held->GetCaps().InputReportByteLength, 65);
    expectCounts(0, 1, 0);

    // Output report: id 0, the frame, zeros to the output report length.
    ASSERT_TRUE(port.Write(kStatusFrame));
    ASSERT_EQ(written.size(), 1u);
    std::vector<std::uint8_t> expected(65, 0);
    std::copy(kStatusFrame.begin(), kStatusFrame.end(), expected.begin() + 1);
    EXPECT_EQ(written[0], expected);

    // Input reports reach OnDeviceData on this thread, in order, with the
    // report id put in front.
    for (std::uint8_t n = 1; n <= 3; ++n)
        device->sendInputReport(processorReport({0x10, 0x02, n}));
    ASSERT_TRUE(pumpUntil([&] { return recorder.reports.size() == 3; }));
    for (std::uint8_t n = 1; n <= 3; ++n) {
        const ReceivedReport& r = recorder.reports[n - 1];
        EXPECT_EQ(r.device, held);
        EXPECT_EQ(r.reportId, 0);
        ASSERT_EQ(r.data.size(), 64u) << "Size counts the bytes after the report id";
        EXPECT_EQ(r.data[2], n) << "reports keep their order";
    }

    // Unplug: the handler checks the device in, which ends it.
    device->unplug();
    pump();
    EXPECT_EQ(port.Device(), nullptr);
    EXPECT_TRUE(controller->Devices().empty());
    expectCounts(0, 0, 0);
    EXPECT_EQ(device->openConnections(), 0u) << "check-in closed every handle";
    EXPECT_FALSE(port.Write(kStatusFrame));
}

TEST_F(HidFixture, OnlyTheFirstMatchingDeviceIsTakenAndOthersChangeNothing)
{
    bindProgram();
    auto first = bus.plug(processorProfile("/fake/hidraw0"));
    auto second = bus.plug(processorProfile("/fake/hidraw1"));
    pump();
    ASSERT_EQ(controller->Devices().size(), 2u);
    TJvHidDevice* held = port.Device();
    ASSERT_EQ(held, controller->Devices()[0]) << "the first one is taken, not the last";
    TJvHidDevice* other = controller->Devices()[1];
    EXPECT_FALSE(other->IsCheckedOut());
    expectCounts(1, 1, 0);

    const std::uint8_t data[] = {0x10, 0x02, 0x00, 0x01, 0x00};
    EXPECT_TRUE(port.Frame(other, data, sizeof data).empty()) << "data of another device is ignored";
    EXPECT_FALSE(port.Unplug(other)) << "an unplug of another device is ignored";
    EXPECT_EQ(port.Device(), held);

    second->unplug();
    pump();
    EXPECT_EQ(port.Device(), held) << "unplugging the other device changes nothing";
    EXPECT_TRUE(held->IsCheckedOut());
    expectCounts(0, 1, 0);
    first->unplug();
    pump();
    EXPECT_EQ(port.Device(), nullptr);
}

TEST_F(HidFixture, UnplugOfTheHeldDeviceComesBeforeRemovalAndKeepsItUntilCheckIn)
{
    recorder.checkInOnUnplug = false;
    bindProgram();
    auto device = bus.plug(processorProfile("/fake/hidraw0"));
    pump();
    TJvHidDevice* held = port.Device();
    ASSERT_NE(held, nullptr);
    recorder.events.clear();

    device->unplug();
    pump();
    ASSERT_GE(recorder.events.size(), 2u);
    EXPECT_EQ(recorder.events[0], "unplug");
    EXPECT_EQ(recorder.events[1], "removal");
    EXPECT_FALSE(held->IsPluggedIn());
    ASSERT_EQ(controller->Devices().size(), 1u) << "an unplugged device stays until its check-in";
    expectCounts(0, 0, 1);

    const std::size_t changes = recorder.events.size();
    controller->DeviceChange();
    EXPECT_EQ(recorder.events.size(), changes) << "a later scan does not report the same unplug again";

    TJvHidDevice* mine = held;
    controller->CheckIn(mine);
    EXPECT_EQ(mine, nullptr);
    EXPECT_TRUE(controller->Devices().empty());
    expectCounts(0, 0, 0);
}

TEST_F(HidFixture, TwoNoticesForOnePlugReportOneChange)
{
    bindProgram();
    pump();
    recorder.events.clear();
    bus.plug(keyboardProfile("/fake/hidraw3"));
    window.postMessage({WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0, {}});
    pump();
    EXPECT_EQ(recorder.events, std::vector<std::string>{"change"});
    EXPECT_EQ(controller->Devices().size(), 1u);
}

TEST_F(HidFixture, ArrivalAndRemovalSeeTheDeviceMarkedForQueries)
{
    std::vector<std::wstring> names;
    auto seen = [&](TJvHidDevice* device) {
        EXPECT_TRUE(device->IsEnumerated());
        names.push_back(device->ProductName());
    };
    controller->SetOnArrival(TJvHidPlugEvent::of(&seen));
    controller->SetOnRemoval(TJvHidPlugEvent::of(&seen));
    auto keyboard = bus.plug(keyboardProfile("/fake/k"));
    pump();
    keyboard->unplug();
    pump();
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Keyboard", L"Keyboard"})) << "removal gives the cached name";
    EXPECT_TRUE(controller->Devices().empty());
    EXPECT_EQ(controller->Version(), "1.0.34");
    controller->SetVersion("9.9");
    EXPECT_EQ(controller->Version(), "1.0.34") << "the version cannot be written";
    EXPECT_EQ(controller->HidVersion(), "fake");
}

TEST_F(HidFixture, ANoticeArrivingDuringAScanDoesNotScanAgain)
{
    int scans = 0;
    auto changed = [&](TJvHidDeviceController*) {
        // A handler that runs a message loop while another device comes.
        if (++scans == 1) {
            bus.plug(keyboardProfile("/fake/second"));
            window.dispatchPending();
        }
    };
    bus.plug(keyboardProfile("/fake/first"));
    pump();
    controller->SetOnDeviceChange(TJvHidNotifyEvent::of(&changed));
    EXPECT_EQ(scans, 0) << "the device was listed already: no change";
    scans = 0;
    window.postMessage({WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, -1, {}});
    pump();
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(controller->Devices().size(), 1u) << "the notice met during the scan was passed over";
    controller->DeviceChange();
    EXPECT_EQ(controller->Devices().size(), 2u);
}

TEST_F(HidFixture, ScansAndEnumerationNeverOpenOtherDevices)
{
    auto keyboard = bus.plug(keyboardProfile("/fake/hidraw3"));
    auto processor = bus.plug(processorProfile("/fake/hidraw0"));
    bindProgram();
    pump();
    controller->DeviceChange();
    controller->Enumerate();
    ASSERT_NE(port.Device(), nullptr);
    EXPECT_EQ(keyboard->connectionsOpened(), 0u);
    EXPECT_GT(processor->connectionsOpened(), 0u);
}

TEST_F(HidFixture, EnumerateOffersPluggedDevicesUntilTheHandlerSaysStop)
{
    bus.plug(keyboardProfile("/fake/a"));
    bus.plug(keyboardProfile("/fake/b"));
    bus.plug(keyboardProfile("/fake/c"));
    pump();
    EXPECT_EQ(controller->Enumerate(), 1) << "without a handler: 1 when any device is plugged in";

    int offered = 0;
    bool goOn = true;
    auto handler = [&](TJvHidDevice* device, int index) {
        EXPECT_TRUE(device->IsEnumerated());
        EXPECT_EQ(controller->Devices()[static_cast<std::size_t>(index)], device);
        ++offered;
        return goOn || offered < 2;
    };
    controller->SetOnEnumerate(TJvHidEnumerateEvent::of(&handler));
    EXPECT_EQ(controller->Enumerate(), 3);
    EXPECT_FALSE(controller->Devices()[0]->IsEnumerated()) << "the mark ends with the call";
    offered = 0;
    goOn = false;
    EXPECT_EQ(controller->Enumerate(), 2) << "the device that stopped it is counted";
}

TEST_F(HidFixture, CheckOutVariants)
{
    bus.plug(keyboardProfile("/fake/a"));
    bus.plug(processorProfile("/fake/b"));
    pump();
    TJvHidDevice* device = reinterpret_cast<TJvHidDevice*>(this);
    for (int index : {-1, 2}) {
        EXPECT_FALSE(controller->CheckOutByIndex(device, index)) << index;
        EXPECT_EQ(device, nullptr) << index;
    }
    ASSERT_TRUE(controller->CheckOutByIndex(device, 1));
    TJvHidDevice* again = nullptr;
    EXPECT_FALSE(controller->CheckOutByIndex(again, 1)) << "a checked-out device is not handed out twice";
    controller->CheckIn(device);
    expectCounts(2, 0, 0);

    ASSERT_TRUE(controller->CheckOutByID(device, 0x0168, -1)) << "product -1 takes any product of the vendor";
    EXPECT_EQ(device->Attributes().ProductID, 0x0821);
    controller->CheckIn(device);
    EXPECT_FALSE(controller->CheckOutByID(device, 0x0168, 0x0001));

    EXPECT_FALSE(controller->CheckOutByProductName(device, L""));
    EXPECT_FALSE(controller->CheckOutByProductName(device, L"Keyboard"))
        << "a device neither checked out nor enumerated has no name until one was read";
    auto readNames = [](TJvHidDevice* d, int) {
        d->ProductName();
        d->VendorName();
        return true;
    };
    controller->SetOnEnumerate(TJvHidEnumerateEvent::of(&readNames));
    controller->Enumerate();
    ASSERT_TRUE(controller->CheckOutByProductName(device, L"Keyboard"));
    EXPECT_EQ(device->ProductName(), L"Keyboard");
    controller->CheckIn(device);
    ASSERT_TRUE(controller->CheckOutByVendorName(device, L"Keys Inc."));
    controller->CheckIn(device);
    EXPECT_FALSE(controller->CheckOutByClass(device, ""));
    ASSERT_TRUE(controller->CheckOutByClass(device, "hid"));
    controller->CheckIn(device);

    int asked = 0;
    ASSERT_TRUE(controller->CheckOutByCallback(device, [&](TJvHidDevice* d) {
        ++asked;
        EXPECT_TRUE(d->IsEnumerated());
        return d->Attributes().VendorID == 0x0168;
    }));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(controller->CountByID(0x0168, 0x0821), 1);
    EXPECT_EQ(controller->CountByProductName(L"Keyboard"), 1) << "the name read during the enumeration";
    EXPECT_EQ(controller->CountByCallback([](TJvHidDevice*) { return true; }), 2);
    controller->CheckIn(device);
    controller->CheckIn(device);
    expectCounts(2, 0, 0);
}

TEST_F(HidFixture, OnlyDevicesStillCarryingTheOldHandlerTakeANewOne)
{
    recorder.enumerateOnChange = false;
    controller->SetOnDeviceDataError(TJvHidDataErrorEvent::bind<&HidRecorder::DataError>(&recorder));
    bindProgram();
    bus.plug(processorProfile("/fake/a"));
    pump();
    TJvHidDevice* device = controller->Devices().at(0);
    EXPECT_FALSE(device->OnDataError()) << "a device made by a scan does not take the data-error handler";
    EXPECT_TRUE(device->OnData() == controller->OnDeviceData());

    HidRecorder other;
    controller->SetOnDeviceDataError(TJvHidDataErrorEvent::bind<&HidRecorder::DataError>(&other));
    EXPECT_FALSE(device->OnDataError()) << "it never carried the old handler";
    const auto own = TJvHidDataEvent::bind<&HidRecorder::Data>(&other);
    device->SetOnData(own);
    controller->SetOnDeviceData(TJvHidDataEvent::bind<&HidRecorder::Data>(&recorder));
    EXPECT_TRUE(device->OnData() == own) << "a handler set on the device itself stays";

    controller->SetDevThreadSleepTime(50);
    EXPECT_EQ(device->ThreadSleepTime(), 50);
    device->SetThreadSleepTime(70);
    controller->SetDevThreadSleepTime(60);
    EXPECT_EQ(device->ThreadSleepTime(), 70);
}

TEST_F(HidFixture, ThreadSleepTimeTakesTenToTenThousand)
{
    bus.plug(keyboardProfile("/fake/a"));
    pump();
    TJvHidDevice* device = controller->Devices().at(0);
    const struct
    {
        int set;
        int expected;
    } cases[] = {{5, 100}, {20000, 100}, {10, 10}, {10000, 10000}, {9, 10000}};
    for (const auto& c : cases) {
        device->SetThreadSleepTime(c.set);
        EXPECT_EQ(device->ThreadSleepTime(), c.expected) << c.set;
    }
}

TEST_F(HidFixture, NumberedAndUnnumberedReportsArriveWithTheirIdInFront)
{
    hid::FakeDeviceProfile mouse = keyboardProfile("/fake/mouse");
    mouse.reportDescriptor = hid::test::kNumberedReports;
    auto mouseSide = bus.plug(mouse);
    auto processor = bus.plug(processorProfile("/fake/p"));
    controller->SetOnDeviceData(TJvHidDataEvent::bind<&HidRecorder::Data>(&recorder));
    pump();
    TJvHidDevice* m = nullptr;
    TJvHidDevice* p = nullptr;
    ASSERT_TRUE(controller->CheckOutByIndex(m, 0));
    ASSERT_TRUE(controller->CheckOutByIndex(p, 1));
    processor->sendInputReport(processorReport({0xAA}));
    ASSERT_TRUE(pumpUntil([&] { return recorder.reports.size() == 1; }));
    EXPECT_EQ(recorder.reports[0].reportId, 0) << "an unnumbered report gets id 0 in front";
    EXPECT_EQ(recorder.reports[0].data.size(), 64u);
    EXPECT_EQ(recorder.reports[0].data[0], 0xAA);

    mouseSide->sendInputReport({2, 0xE9, 0x00});
    ASSERT_TRUE(pumpUntil([&] { return recorder.reports.size() == 2; }));
    EXPECT_EQ(recorder.reports[1].device, m);
    EXPECT_EQ(recorder.reports[1].reportId, 2) << "a numbered report keeps its own id";
    EXPECT_EQ(recorder.reports[1].data, (std::vector<std::uint8_t>{0xE9, 0x00}));
    controller->CheckIn(m);
    controller->CheckIn(p);
}

TEST_F(HidFixture, EmptyingOnDataStopsTheThreadAndANewHandlerStartsOne)
{
    bindProgram();
    auto device = bus.plug(processorProfile("/fake/a"));
    pump();
    TJvHidDevice* held = port.Device();
    ASSERT_NE(held, nullptr);
    held->SetOnData({});
    device->sendInputReport(processorReport({1}));
    pump();
    EXPECT_TRUE(recorder.reports.empty());
    held->SetOnData(TJvHidDataEvent::bind<&HidRecorder::Data>(&recorder));
    device->sendInputReport(processorReport({2}));
    ASSERT_TRUE(pumpUntil([&] { return !recorder.reports.empty() && recorder.reports.back().data[0] == 2; }));
}

// Ruling: a device that is gone fails every read at once; the thread waits
// one slice before each new try.
TEST_F(HidFixture, ReadThreadWaitsASliceBetweenFailedReads)
{
    recorder.checkInOnUnplug = false;
    bindProgram();
    auto device = bus.plug(processorProfile("/fake/a"));
    pump();
    TJvHidDevice* held = port.Device();
    ASSERT_NE(held, nullptr);
    held->SetThreadSleepTime(40);
    controller->SetOnDeviceDataError(TJvHidDataErrorEvent::bind<&HidRecorder::DataError>(&recorder));
    ASSERT_TRUE(held->OnDataError()) << "assigned again while the device is listed";

    device->unplug();
    ASSERT_TRUE(pumpUntil([&] { return recorder.errors.size() >= 5; }));
    const std::vector<long long> sleeps = bus.sleeps();
    EXPECT_GE(sleeps.size(), recorder.errors.size() - 1) << "one slice after each failed read";
    for (long long slice : sleeps)
        EXPECT_EQ(slice, 40);
    for (std::uint32_t error : recorder.errors)
        EXPECT_EQ(error, static_cast<std::uint32_t>(ENODEV));

    TJvHidDevice* mine = held;
    controller->CheckIn(mine);
    EXPECT_TRUE(controller->Devices().empty());
}

// Ruling: check-in never waits on a thread that waits on this thread.
TEST_F(HidFixture, CheckInWhileTheThreadWaitsInItsHandOverDoesNotDeadlock)
{
    bindProgram();
    auto device = bus.plug(processorProfile("/fake/a"));
    pump();
    TJvHidDevice* held = port.Device();
    ASSERT_NE(held, nullptr);
    device->sendInputReport(processorReport({1}));
    ASSERT_TRUE(waitForHandOver()) << "the thread waits in its hand-over";

    TJvHidDevice* mine = held;
    port.Unplug(mine); // checks it in on this thread without serving the hand-over
    EXPECT_EQ(window.pendingCount(), 0u) << "the abandoned hand-over is dropped";
    pump();
    EXPECT_TRUE(recorder.reports.empty());
    EXPECT_FALSE(held->IsCheckedOut());
}

// Ruling: the same holds for destroying a checked-out device.
TEST_F(HidFixture, DestroyingAHeldDeviceLeavesAFreshOneInItsPlace)
{
    recorder.enumerateOnChange = false;
    bindProgram();
    auto device = bus.plug(processorProfile("/fake/a"));
    pump();
    TJvHidDevice* held = nullptr;
    ASSERT_TRUE(controller->CheckOutByIndex(held, 0));
    held->SetThreadSleepTime(30);
    device->sendInputReport(processorReport({1}));
    ASSERT_TRUE(waitForHandOver());

    delete held;
    ASSERT_EQ(controller->Devices().size(), 1u);
    TJvHidDevice* fresh = controller->Devices()[0];
    EXPECT_FALSE(fresh->IsCheckedOut());
    EXPECT_EQ(fresh->ThreadSleepTime(), 30);
    EXPECT_TRUE(fresh->OnData() == controller->OnDeviceData());
    expectCounts(1, 0, 0);
    pump();
    EXPECT_TRUE(recorder.reports.empty());
}

TEST_F(HidFixture, ControllerEndUnplugsHeldDevicesForTheirHolder)
{
    bindProgram();
    auto processor = bus.plug(processorProfile("/fake/a"));
    bus.plug(keyboardProfile("/fake/b"));
    pump();
    ASSERT_NE(port.Device(), nullptr);
    processor->sendInputReport(processorReport({1}));
    ASSERT_TRUE(waitForHandOver());
    recorder.events.clear();
    controller.reset(); // with the read thread waiting in a hand-over
    pump();
    EXPECT_TRUE(recorder.reports.empty());
    EXPECT_EQ(recorder.events, std::vector<std::string>{"unplug"});
    EXPECT_EQ(port.Device(), nullptr) << "the holder checked it in";
}

TEST_F(HidFixture, WithoutHidSupportNothingIsFound)
{
    bus.setAvailable(false);
    bus.plug(processorProfile("/fake/a"));
    TJvHidDeviceController without(window, bus);
    pump();
    without.DeviceChange();
    EXPECT_TRUE(without.Devices().empty());
    EXPECT_EQ(without.Enumerate(), 0);
    TJvHidDevice* device = nullptr;
    EXPECT_FALSE(without.CheckOut(device));
    EXPECT_EQ(without.HidVersion(), "");
}

TEST_F(HidFixture, DirectCreationIsRefused)
{
    EXPECT_THROW(TJvHidDevice(), EControllerError);
    EXPECT_THROW(TJvHidDeviceReadThread(), EControllerError);
}

} // namespace
} // namespace qx::test
