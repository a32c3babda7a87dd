#include "FakeHidProcessor.h"
#include "HidFixture.h"

#include "DeviceCore.h"
#include "Responder.h"
#include "codec/LCmd.h"

#include <algorithm>

namespace qx::test {
namespace {

constexpr int kFramed = 1;

// The program's HID side (controller and processor port) against the
// simulated processor on the fake bus.
class FakeHidProcessorTest : public HidFixture
{
protected:
    sim::DeviceCore core;
    sim::Responder responder{core};

    static std::uint8_t commandOf(const std::vector<std::uint8_t>& report) { return frameInReport(report)[5]; }
};

TEST_F(FakeHidProcessorTest, TheProcessorIsFoundAndAnswersTheHandshakeAsInputReports)
{
    bindProgram();
    sim::FakeHidProcessor processor(bus, responder);
    pump();
    ASSERT_NE(port.Device(), nullptr) << "vendor and product of the processor";
    EXPECT_EQ(port.Device()->GetCaps().OutputReportByteLength, 65) << "64 bytes and the report id";

    ASSERT_TRUE(port.Write(EncodeFrame(LCmd(1, 0x10), kFramed)));
    ASSERT_TRUE(pumpUntil([&] { return recorder.reports.size() == 1; }));
    ASSERT_TRUE(port.Write(EncodeFrame(LCmd(1, 0x13), kFramed)));
    ASSERT_TRUE(pumpUntil([&] { return recorder.reports.size() == 2; }));
    EXPECT_EQ(commandOf(recorder.reports[0].data), 16);
    EXPECT_EQ(commandOf(recorder.reports[1].data), 19);
    EXPECT_EQ(recorder.reports[0].data.size(), 64u);
    EXPECT_EQ(processor.ReportsWritten(), 2u);
}

TEST_F(FakeHidProcessorTest, AnswersKeepTheirOrderThroughDelays)
{
    responder.Faults().latencyByCode[0x10] = 30;
    bindProgram();
    sim::FakeHidProcessor processor(bus, responder);
    pump();
    ASSERT_NE(port.Device(), nullptr);
    ASSERT_TRUE(port.Write(EncodeFrame(LCmd(1, 0x10), kFramed)));
    ASSERT_TRUE(port.Write(EncodeFrame(LCmd(1, 0x13), kFramed)));
    ASSERT_TRUE(pumpUntil([&] { return recorder.reports.size() == 2; }));
    EXPECT_EQ(commandOf(recorder.reports[0].data), 16);
    EXPECT_EQ(commandOf(recorder.reports[1].data), 19);
}

TEST_F(FakeHidProcessorTest, ADroppedConnectionUnplugsTheDevice)
{
    responder.Faults().closeAtFrame = 1;
    bindProgram();
    sim::FakeHidProcessor processor(bus, responder);
    pump();
    ASSERT_NE(port.Device(), nullptr);
    port.Write(EncodeFrame(LCmd(1, 0x10), kFramed));
    ASSERT_TRUE(pumpUntil([&] { return port.Device() == nullptr; }));
    EXPECT_NE(std::find(recorder.events.begin(), recorder.events.end(), "unplug"), recorder.events.end());
}

} // namespace
} // namespace qx::test
