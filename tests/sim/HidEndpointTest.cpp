#include "HidEndpoint.h"
#include "Responder.h"
#include "codec/CmMcs.h"

#include <gtest/gtest.h>

namespace qx::sim::test {
namespace {
Bytes OutputReport(const LCmd& command, std::size_t length = HidEndpoint::kDefaultReportLength)
{
    Bytes report(length, 0);
    const Bytes frame = EncodeFrame(command, 1);
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

class HidEndpointTest : public ::testing::Test
{
protected:
    DeviceCore core_;
    Responder responder_{core_};
};

TEST_F(HidEndpointTest, OutputReportGetsAnInputReportWithTheFrameFromByteZero)
{
    HidEndpoint device(responder_);
    const auto answer = device.WriteOutputReport(OutputReport(CM_MCS_CMD(1, 0x14)));
    ASSERT_EQ(answer.reports.size(), 1u);
    const Bytes& report = answer.reports[0];
    ASSERT_EQ(report.size(), 64u) << "padded to the input report length";
    EXPECT_EQ(Bytes(report.begin(), report.begin() + 10),
              (Bytes{0x10, 0x02, 0x01, 0x00, 0x02, 0x14, 0x00, 0x10, 0x03, 0x16}));
    EXPECT_TRUE(std::all_of(report.begin() + 10, report.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_FALSE(answer.unplug);
}

TEST_F(HidEndpointTest, MalformedOutputReportsAreRefused)
{
    HidEndpoint device(responder_);
    Bytes wrongId = OutputReport(LCmd(1, 0x12));
    wrongId[0] = 1;
    EXPECT_TRUE(device.WriteOutputReport(wrongId).reports.empty()) << "report id must be 0";
    EXPECT_TRUE(device.WriteOutputReport(OutputReport(LCmd(1, 0x12), 32)).reports.empty())
        << "report shorter than the output report length";
    Bytes lying = OutputReport(LCmd(1, 0x12));
    lying[1 + 4] = 0xFF;
    EXPECT_TRUE(device.WriteOutputReport(lying).reports.empty()) << "length byte past the report";
}

TEST_F(HidEndpointTest, LongAnswersSpanSeveralInputReports)
{
    HidEndpoint device(responder_, 16, 64);
    const auto answer = device.WriteOutputReport(OutputReport(CM_MCS_CMD(1, 0x40)));
    EXPECT_EQ(answer.reports.size(), 3u) << "43-byte meter reply in 16-byte input reports";
}

TEST_F(HidEndpointTest, RestartUnplugsTheDevice)
{
    HidEndpoint device(responder_);
    EXPECT_TRUE(device.WriteOutputReport(OutputReport(CM_MCS_MCU_RESET(1))).unplug);
}
} // namespace
} // namespace qx::sim::test
