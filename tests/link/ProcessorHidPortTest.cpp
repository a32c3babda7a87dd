#include "HidFixture.h"

namespace qx::test {
namespace {

TEST(ProcessorHidPort, FrameReportIsIdZeroFramePaddingOrNothing)
{
    const std::vector<std::uint8_t> frame = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
    const auto report = frameReport(frame, 12);
    ASSERT_TRUE(report);
    EXPECT_EQ(*report, (std::vector<std::uint8_t>{0, 0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13, 0, 0}));
    EXPECT_TRUE(frameReport(frame, 10)) << "frame + id exactly fills the report";
    EXPECT_FALSE(frameReport(frame, 9)) << "count + 1 above the output length is refused";
    EXPECT_FALSE(frameReport({}, 0)) << "a device without output report takes nothing";
}

TEST(ProcessorHidPort, FrameInReportNeverReadsPastTheReport)
{
    const struct
    {
        const char* rule;
        std::vector<std::uint8_t> data;
        std::size_t expected;
    } cases[] = {
        {"empty report", {}, 0},
        {"too short for the length byte: taken whole", {0x10, 0x02, 0x00, 0x01}, 4},
        {"length byte 1: 9 bytes", {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13, 0, 0, 0}, 9},
        {"length byte past the end: cut at the report", {0x10, 0x02, 0x00, 0x01, 0xF0, 0x12}, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frameInReport(c.data).size(), c.expected) << c.rule;
}

class ProcessorPort : public HidFixture
{
};

TEST_F(ProcessorPort, OversizedFramesAndDevicesWithoutOutputReportCountAsFailedWrites)
{
    bindProgram();
    auto device = bus.plug(processorProfile("/fake/a"));
    int written = 0;
    device->setOutputHandler([&](std::vector<std::uint8_t>) { ++written; });
    pump();
    ASSERT_NE(port.Device(), nullptr);

    EXPECT_TRUE(port.Write(std::vector<std::uint8_t>(64, 0x55))) << "64 bytes and the id fill 65";
    EXPECT_FALSE(port.Write(std::vector<std::uint8_t>(65, 0x55)));
    EXPECT_EQ(written, 1) << "nothing is written past the report";
    EXPECT_EQ(port.FailedWrites(), 1u);
    device->unplug();
    pump();

    hid::FakeDeviceProfile inputOnly = processorProfile("/fake/b");
    inputOnly.reportDescriptor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x40, 0x81, 0x02, 0xC0};
    auto second = bus.plug(inputOnly);
    second->setOutputHandler([&](std::vector<std::uint8_t>) { ++written; });
    pump();
    ASSERT_NE(port.Device(), nullptr);
    EXPECT_EQ(port.Device()->GetCaps().OutputReportByteLength, 0);
    EXPECT_FALSE(port.Write(std::vector<std::uint8_t>{0x10, 0x02}));
    EXPECT_EQ(written, 1);
    EXPECT_EQ(port.FailedWrites(), 2u);
}

TEST_F(ProcessorPort, WriterThreadAndUnplugMeetSafely)
{
    bindProgram();
    auto device = bus.plug(processorProfile("/fake/a"));
    pump();
    ASSERT_NE(port.Device(), nullptr);
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        const std::vector<std::uint8_t> frame = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
        while (!stop)
            port.Write(frame);
    });
    device->unplug();
    pump();
    stop = true;
    writer.join();
    EXPECT_EQ(port.Device(), nullptr);
}

} // namespace
} // namespace qx::test
