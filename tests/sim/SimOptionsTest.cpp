#include "SimOptions.h"

#include "TempDir.h"
#include "codec/SharedConstants.h"
#include "model/FactoryDefault.h"
#include "model/PresetFile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qx::sim::test {
namespace {
SimOptions Parse(std::vector<std::string> args)
{
    const auto parsed = ParseOptions(args);
    EXPECT_EQ(parsed.error, "") << "command line should be valid";
    return parsed.options;
}

TEST(SimOptions, TransportsDefaultToAnEphemeralLoopbackPort)
{
    EXPECT_EQ(Parse({}).tcpPort, std::optional<std::uint16_t>(0));
    const auto ptyOnly = Parse({"--pty"});
    EXPECT_FALSE(ptyOnly.tcpPort) << "a pseudo-terminal alone opens no TCP port";
    EXPECT_TRUE(ptyOnly.pty);
    EXPECT_EQ(Parse({"--tcp", "127.0.0.1:9761", "--pty"}).tcpPort, std::optional<std::uint16_t>(9761));
}

TEST(SimOptions, DeviceAndFaultSwitches)
{
    const auto o = Parse({"--id",
                          "7",
                          "--model",
                          "QX-73B V011",
                          "--lock",
                          "1234",
                          "--latency-ms",
                          "1200",
                          "--latency",
                          "0x10=150",
                          "--silent",
                          "0x40",
                          "--silent-frame",
                          "3",
                          "--duplicate",
                          "all",
                          "--foreign-id",
                          "9",
                          "--payload",
                          "0x40=-30",
                          "--payload",
                          "20=+2",
                          "--zero-length",
                          "0x12",
                          "--chunk",
                          "5",
                          "--coalesce",
                          "--garbage",
                          "4",
                          "--junk",
                          "0x10,255,2",
                          "--close-at-frame",
                          "40",
                          "--transfer-end",
                          "0x5A",
                          "--presets-used",
                          "1,3,20",
                          "--coefficient",
                          "0:4:0=51.5",
                          "--coefficient",
                          "2:11:7=nan",
                          "--meter",
                          "hot",
                          "--dsp-load",
                          "99",
                          "--no-link-groups",
                          "--log",
                          "sim.log"});
    EXPECT_EQ(o.device.deviceId, 7);
    EXPECT_EQ(o.device.model, "QX-73B V011");
    EXPECT_FALSE(o.device.followLinkGroups);
    EXPECT_EQ(o.lock, std::optional<std::string>("1234"));
    EXPECT_EQ(o.faults.LatencyFor(0x12), 1200);
    EXPECT_EQ(o.faults.LatencyFor(0x10), 150);
    EXPECT_TRUE(o.faults.silent.Has(0x40));
    EXPECT_FALSE(o.faults.silent.Has(0x12));
    EXPECT_EQ(o.faults.silentFrame, 3);
    EXPECT_TRUE(o.faults.duplicate.Has(0x99));
    EXPECT_EQ(o.faults.foreignId, 9);
    EXPECT_EQ(o.faults.payloadDelta.at(0x40), -30);
    EXPECT_EQ(o.faults.payloadDelta.at(20), 2);
    EXPECT_TRUE(o.faults.zeroLength.Has(0x12));
    EXPECT_EQ(o.faults.chunkSize, 5u);
    EXPECT_TRUE(o.faults.coalesce);
    EXPECT_EQ(o.faults.garbageBytes, 4u);
    EXPECT_EQ(o.faults.junk, (std::vector<std::uint8_t>{0x10, 0xFF, 0x02}));
    EXPECT_EQ(o.faults.closeAtFrame, 40);
    EXPECT_TRUE(o.faults.transferEnd.Has(0x5A));
    EXPECT_EQ(o.usedPresets, (std::vector<int>{1, 3, 20}));
    ASSERT_EQ(o.coefficients.size(), 2u);
    EXPECT_EQ(o.coefficients[0].channel, 4);
    EXPECT_EQ(o.coefficients[0].value, 51.5f);
    EXPECT_TRUE(std::isnan(o.coefficients[1].value));
    EXPECT_EQ(o.meters.levels, MeterPattern::Levels::Hot);
    EXPECT_EQ(o.meters.dspLoadPercent, 99.0);
    EXPECT_EQ(o.logFile, "sim.log");
}

TEST(SimOptions, BadCommandLinesAreRefusedWithAReason)
{
    struct Case
    {
        std::vector<std::string> args;
        const char* reason;
    };
    const Case cases[] = {
        {{"--tcp", "0.0.0.0:9761"}, "127.0.0.1 only"},
        {{"--tcp", std::string(kDefaultDeviceAddress) + ":9761"}, "127.0.0.1 only"},
        {{"--tcp", "127.0.0.1:70000"}, "bad number"},
        {{"--id", "0"}, "bad number"},
        {{"--id", "255"}, "bad number"},
        {{"--id"}, "needs a value"},
        {{"--bogus"}, "unknown option"},
        {{"--latency", "0x10"}, "expected '='"},
        {{"--coefficient", "0:12:0=1"}, "bad number"},
        {{"--coefficient", "0:1:0=abc"}, "bad number"},
        {{"--coefficient", "0:1:0=1.5x"}, "bad number"},
        {{"--coefficient", "0:1:0="}, "bad number"},
        {{"--coefficient", "0:1:0=+-1"}, "bad number"},
        {{"--meter", "loud"}, "unknown meter pattern"},
        {{"--presets-used", "0"}, "bad number"},
        {{"--junk", "256"}, "bad number"},
        {{"--junk", ""}, "at least one byte"},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseOptions(c.args);
        EXPECT_NE(parsed.error.find(c.reason), std::string::npos) << c.args[0] << ": " << parsed.error;
    }
}

TEST(SimOptions, DeviceOptionsReachTheCore)
{
    SimOptions options = Parse({"--lock", "4321", "--presets-used", "2", "--coefficient", "0:0:0=51"});
    DeviceCore core(options.device);
    ApplyDeviceOptions(options, core);
    EXPECT_TRUE(core.LockActive());
    EXPECT_TRUE(core.IsPresetUsed(2));
    EXPECT_FALSE(core.IsPresetUsed(1));
    EXPECT_EQ(core.Coefficients().Set(0)[3], 0x42) << "51.0 stored little-endian";
}

TEST(SimOptions, APresetFileBecomesTheCurrentSettingsAndCoefficients)
{
    qx::test::TempDir folder;
    UnitRecord record = kFactoryDefaultRecord;
    record[rec::kInputsStart + rec::kInGain] = 0x55;
    record[rec::kStatus] = 0x12; // outside what a file carries
    FirBuffers buffers = unitImpulseBuffers();
    buffers[1][0] = 0.25F;
    const std::size_t inBCount = rec::kInputsStart + rec::kInputSize + rec::kInFirTapCount;
    record[inBCount] = 1; // one coefficient, low byte first
    record[inBCount + 1] = 0;
    const auto file = folder / "state.prs";
    qx::test::writeBytes(file, encodePresetFile(record, buffers));

    SimOptions options = Parse({"--preset-file", file.string()});
    DeviceCore core(options.device);
    ApplyDeviceOptions(options, core);
    EXPECT_EQ(core.CurrentImage()[rec::kInputsStart + rec::kInGain], 0x55);
    EXPECT_EQ(core.CurrentImage()[rec::kStatus], kFactoryDefaultRecord[rec::kStatus]);
    EXPECT_EQ(getFloatLe(core.Coefficients().Set(0), kFirAreaSize), 0.25F) << "InB's first coefficient";
    EXPECT_EQ(core.Coefficients().Set(1)[kFirAreaSize], 0xFF) << "stored presets keep their memory";

    const auto refused = folder / "short.prs";
    qx::test::writeBytes(refused, std::vector<std::uint8_t>(100, 0));
    for (const auto& path : {refused, folder / "missing.prs"}) {
        SimOptions bad = Parse({"--preset-file", path.string()});
        DeviceCore untouched(bad.device);
        EXPECT_THROW(ApplyDeviceOptions(bad, untouched), std::runtime_error) << path;
    }
}
} // namespace
} // namespace qx::sim::test
