#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qx {

/// Line settings in the numbering the link layer uses: parity 0 none, 1 odd,
/// 2 even; stop bits 0 one, 2 two (1, one and a half, is not available).
struct SerialSettings
{
    int baudRate = 115200;
    int dataBits = 8;
    int parity = 0;
    int stopBits = 0;
};

/// A serial port on termios: a device path opened non-blocking, without
/// becoming the controlling terminal, in raw mode.
class SerialPort
{
public:
    SerialPort() = default;
    ~SerialPort();

    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    /// Opens the device for exclusive reading and writing. On failure the
    /// port stays closed and error() says why.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    /// Raw mode at the given speed and framing, no flow control; any speed
    /// the driver takes is allowed.
    bool configure(const SerialSettings& settings);
    /// The output speed the port reports now.
    std::optional<int> baudRate() const;

    /// Drops everything in the input and output buffers.
    bool purge();

    /// Reads what is waiting, up to the buffer's size: the count read, 0
    /// when nothing waits, nullopt when the port failed.
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer);

    /// Writes every byte, waiting up to `timeoutMs` for room each time the
    /// output is full; false when the port failed or stayed full.
    bool writeAll(std::span<const std::uint8_t> bytes, int timeoutMs = 1000);

    const std::string& error() const { return error_; }
    /// The errno value of the last failure; 0 after a success.
    int errorCode() const { return errorCode_; }
    /// The last open was refused by a node that changed moments ago: udev
    /// may still be giving a port just plugged in its group and mode, so
    /// another try shortly may succeed.
    bool mayRetry() const { return mayRetry_; }

private:
    bool fail(const std::string& what);

    int fd_ = -1;
    std::string error_;
    int errorCode_ = 0;
    bool mayRetry_ = false;
};

} // namespace qx
