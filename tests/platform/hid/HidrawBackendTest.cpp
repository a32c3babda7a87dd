#include "platform/hid/HidrawBackend.h"

#include <gtest/gtest.h>

namespace {

// These look at the machine's device tree and open nothing: any HID
// interface found is only listed.
TEST(HidrawBackend, ListsWithoutOpeningAndRefusesTransfersWithOtherDevices)
{
    qx::hid::HidrawBackend backend({{0x0168, 0x0821}});
    for (const qx::hid::DeviceInfo& info : backend.enumerate()) {
        EXPECT_FALSE(info.path.empty());
        if (info.vendorId != 0x0168 || info.productId != 0x0821) {
            EXPECT_FALSE(info.readWriteAccess) << info.path << " would be opened for transfers";
        }
    }
    EXPECT_TRUE(backend.isOpenable(0x0168, 0x0821));
    EXPECT_FALSE(backend.isOpenable(0x7777, 0x6002));
}

TEST(HidrawBackend, PathsThatAreNoHidInterfaceAreRefusedBeforeAnyOpen)
{
    qx::hid::HidrawBackend backend({{0x0168, 0x0821}});
    for (const char* path : {"/dev/null", "/nonexistent/hidraw0", ""}) {
        const qx::hid::OpenResult result = backend.open(path, qx::hid::Access::ReadWrite);
        EXPECT_FALSE(result.connection) << path;
        EXPECT_FALSE(result.error.message.empty()) << path;
    }
}

} // namespace

namespace {

TEST(HidrawBackend, ChangeWatchStartsAndStopsPromptly)
{
    qx::hid::HidrawBackend backend({{0x0168, 0x0821}}, std::chrono::milliseconds(10000));
    auto watch = backend.watchChanges([] {});
    ASSERT_TRUE(watch);
    watch.reset(); // ends its thread at once, not after the poll interval
    SUCCEED();
}

} // namespace
