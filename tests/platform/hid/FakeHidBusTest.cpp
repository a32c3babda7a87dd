#include "platform/hid/FakeHidBus.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>

namespace {

using namespace std::chrono_literals;
using qx::hid::Access;
using qx::hid::FakeHidBus;

qx::hid::FakeDeviceProfile profile(const char* path)
{
    qx::hid::FakeDeviceProfile s;
    s.vendorId = 0x0168;
    s.productId = 0x0821;
    s.path = path;
    return s;
}

TEST(FakeHidBus, DevicesAppearAndDisappearWithNoticesToWatchers)
{
    FakeHidBus bus;
    int notices = 0;
    auto watch = bus.watchChanges([&] { ++notices; });
    auto device = bus.plug(profile("/fake/a"));
    ASSERT_EQ(bus.enumerate().size(), 1u);
    EXPECT_EQ(bus.enumerate()[0].path, "/fake/a");
    device->unplug();
    EXPECT_TRUE(bus.enumerate().empty());
    EXPECT_EQ(notices, 2);
    watch.reset();
    bus.plug(profile("/fake/b"));
    EXPECT_EQ(notices, 2) << "a dropped watch hears nothing more";
}

TEST(FakeHidBus, OutputReportsReachTheDeviceAndInputReportsEveryReader)
{
    FakeHidBus bus;
    auto device = bus.plug(profile("/fake/a"));
    std::vector<std::vector<std::uint8_t>> written;
    device->setOutputHandler([&](std::vector<std::uint8_t> report) { written.push_back(std::move(report)); });
    auto connection = bus.open("/fake/a", Access::ReadWrite).connection;
    ASSERT_TRUE(connection);
    const std::uint8_t out[] = {0, 1, 2};
    EXPECT_EQ(connection->write(out).bytes, 3);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0], (std::vector<std::uint8_t>{0, 1, 2}));

    device->sendInputReport({7, 8});
    std::uint8_t in[4] = {};
    const auto got = connection->read(in, 0ms, {});
    EXPECT_EQ(got.bytes, 2);
    EXPECT_EQ(in[0], 7);
    EXPECT_EQ(connection->read(in, 0ms, {}).bytes, 0) << "nothing more queued: a time-out";

    device->unplug();
    EXPECT_EQ(connection->read(in, 0ms, {}).error, ENODEV);
    EXPECT_EQ(connection->write(out).error, ENODEV);
}

TEST(FakeHidBus, QueryOpenNeverCountsAsAnOpen)
{
    FakeHidBus bus;
    auto s = profile("/fake/a");
    s.readWriteAccess = false;
    auto device = bus.plug(s);
    EXPECT_EQ(bus.open("/fake/a", Access::ReadWrite).error.error, EACCES);
    EXPECT_TRUE(bus.open("/fake/a", Access::Query).connection);
    EXPECT_EQ(device->connectionsOpened(), 0u);
    EXPECT_EQ(bus.open("/fake/none", Access::Query).error.error, ENOENT);
}

} // namespace
