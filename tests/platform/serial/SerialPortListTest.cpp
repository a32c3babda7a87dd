#include "TempDir.h"
#include "platform/serial/SerialPortList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(SerialPortList, TheTrailingNumberIsTheWholeNumberAtTheEnd)
{
    const struct
    {
        const char* path;
        std::optional<int> number;
    } cases[] = {
        {"/dev/ttyUSB0", 0}, {"/dev/ttyUSB12", 12}, {"/dev/ttyS3", 3}, {"/dev/pts/17", 17},
        {"/dev/ttyACM", std::nullopt}, {"", std::nullopt}, {"/dev/tty99999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::serialPortNumber(c.path), c.number) << c.path;
}

TEST(SerialPortList, SortsByNameThenNumber)
{
    std::vector<std::string> paths{"/dev/ttyUSB10", "/dev/ttyS1", "/dev/ttyUSB2", "/dev/ttyACM0", "/dev/ttyUSB"};
    qx::sortSerialPorts(paths);
    EXPECT_EQ(paths, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyS1", "/dev/ttyUSB", "/dev/ttyUSB2",
                                               "/dev/ttyUSB10"}));
}

class SysfsTree : public ::testing::Test
{
protected:

    void add(const std::string& name, bool device, const char* uartType = nullptr)
    {
        fs::create_directories(root / name);
        if (device)
            fs::create_directories(root / name / "device");
        if (uartType)
            std::ofstream(root / name / "type") << uartType << "\n";
    }
    qx::test::TempDir folder;
    fs::path root = folder.path();
};

TEST_F(SysfsTree, KeepsOnlyPortsWithARealDeviceBehindThem)
{
    add("ttyUSB10", true);
    add("ttyUSB2", true);
    add("ttyACM0", true);
    add("ttyS0", true, "4");  // a 16550A
    add("ttyS1", true, "0");  // an empty UART slot
    add("ttyS2", true);       // no type reported
    add("tty0", false);       // a virtual console
    add("ptmx", false);
    auto ports = qx::SysfsSerialPorts(root.string(), "/dev").ports();
    qx::sortSerialPorts(ports);
    EXPECT_EQ(ports, (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB2", "/dev/ttyUSB10"}));
}

TEST_F(SysfsTree, AMissingClassFolderGivesNoPorts)
{
    EXPECT_TRUE(qx::SysfsSerialPorts((root / "absent").string()).ports().empty());
}

TEST(SerialPortList, AnInstalledProviderReplacesTheSystemList)
{
    qx::setSerialPortProvider(std::make_unique<qx::FixedSerialPorts>(
        std::vector<std::string>{"/dev/pts/9", "/dev/pts/10", "/dev/pts/3"}));
    EXPECT_EQ(qx::listSerialPorts(), (std::vector<std::string>{"/dev/pts/3", "/dev/pts/9", "/dev/pts/10"}));
    qx::setSerialPortProvider(nullptr);
}

} // namespace
