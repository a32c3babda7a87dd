#include "platform/serial/SerialPort.h"

#include "PseudoTerminal.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <thread>
#include <vector>

#include <termios.h>
#include <unistd.h>

namespace {

using qx::SerialPort;
using qx::SerialSettings;
using qx::test::PseudoTerminal;
using qx::test::waitUntil;

class SerialPortTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.isOpen());
        ASSERT_TRUE(port.open(pty.devicePath())) << port.error();
    }
    PseudoTerminal pty;
    SerialPort port;
};

TEST_F(SerialPortTest, ConfiguresRawModeAtStandardAndOtherSpeeds)
{
    for (int baud : {1200, 9600, 115200, 128000}) {
        ASSERT_TRUE(port.configure({baud, 8, 0, 0})) << baud << ": " << port.error();
        EXPECT_EQ(port.baudRate(), baud);
    }
}

// A pseudo-terminal always keeps 8 data bits without parity, so only the
// stop bits and the raw mode can be read back here.
TEST_F(SerialPortTest, LineSettingsReachTheTerminalRaw)
{
    const struct
    {
        SerialSettings settings;
        bool twoStopBits;
    } cases[] = {
        {{115200, 8, 0, 0}, false}, // the processor's 8N1
        {{19200, 8, 0, 2}, true},
    };
    for (const auto& c : cases) {
        const int baud = c.settings.baudRate;
        ASSERT_TRUE(port.configure(c.settings)) << baud << ": " << port.error();
        termios line{};
        ASSERT_EQ(::tcgetattr(port.fd(), &line), 0);
        EXPECT_EQ(line.c_cflag & (CSIZE | PARENB), tcflag_t{CS8}) << baud;
        EXPECT_EQ((line.c_cflag & CSTOPB) != 0, c.twoStopBits) << baud;
        EXPECT_EQ(line.c_cflag & CRTSCTS, 0u) << "no hardware handshake, " << baud;
        EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG), 0u) << "no line editing, echo or signals, " << baud;
        EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL), 0u) << "bytes pass unchanged, " << baud;
        EXPECT_EQ(line.c_oflag & OPOST, 0u) << baud;
        EXPECT_EQ(port.baudRate(), baud);
    }
}

TEST_F(SerialPortTest, RefusesLineSettingsItCannotMake)
{
    const SerialSettings refused[] = {
        {115200, 9, 0, 0}, // data bits
        {115200, 8, 3, 0}, // mark parity
        {115200, 8, 0, 1}, // one and a half stop bits
        {0, 8, 0, 0},      // speed
    };
    for (const auto& settings : refused)
        EXPECT_FALSE(port.configure(settings));
}

TEST_F(SerialPortTest, BytesPassUnchangedBothWays)
{
    ASSERT_TRUE(port.configure({}));
    // Raw mode: CR, LF, DLE, XON and 0xFF must not be translated or eaten.
    const std::vector<std::uint8_t> frame{0x10, 0x02, 0x0D, 0x0A, 0x11, 0x13, 0xFF, 0x10, 0x03};
    ASSERT_TRUE(port.writeAll(frame));
    EXPECT_EQ(pty.readAvailable(frame.size()), frame);

    pty.write(frame);
    std::array<std::uint8_t, 32> buffer{};
    std::vector<std::uint8_t> got;
    std::optional<std::size_t> n = 0;
    waitUntil(
        [&] {
            pty.waitReadableOnDevice(port.fd());
            n = port.read(buffer);
            if (n)
                got.insert(got.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(*n));
            return !n || got.size() >= frame.size();
        },
        "the frame at the port", [] {});
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(got, frame);
}

TEST_F(SerialPortTest, WritesEveryByteOfALongWriteAndReportsAWriteThatCannotComplete)
{
    ASSERT_TRUE(port.configure({}));
    // Far more than the line buffers hold: the write must wait for room.
    std::vector<std::uint8_t> bytes(200000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    std::vector<std::uint8_t> got;
    std::thread reader([&] { got = pty.readAvailable(bytes.size()); });
    EXPECT_TRUE(port.writeAll(bytes, 5000));
    reader.join();
    EXPECT_EQ(got, bytes);

    pty.closeController();
    EXPECT_FALSE(port.writeAll(bytes, 5000));
    EXPECT_FALSE(port.error().empty());
}

TEST_F(SerialPortTest, ReadsNothingWhenNothingWaitsAndFailsWhenTheOtherEndIsGone)
{
    ASSERT_TRUE(port.configure({}));
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(port.read(buffer), std::optional<std::size_t>(0));
    pty.closeController();
    EXPECT_EQ(port.read(buffer), std::nullopt);
    EXPECT_FALSE(port.error().empty());
}

TEST_F(SerialPortTest, PurgeDropsWaitingInput)
{
    ASSERT_TRUE(port.configure({}));
    pty.write({1, 2, 3});
    pty.waitReadableOnDevice(port.fd());
    EXPECT_TRUE(port.purge());
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(port.read(buffer), std::optional<std::size_t>(0));
}

TEST(SerialPortOpen, AMissingDeviceSaysWhichAndWhy)
{
    SerialPort port;
    EXPECT_FALSE(port.open("/nonexistent/ttyUSB7"));
    EXPECT_FALSE(port.isOpen());
    EXPECT_NE(port.error().find("/nonexistent/ttyUSB7"), std::string::npos) << port.error();
}

} // namespace
