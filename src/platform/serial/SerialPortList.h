#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

/// Where the list of serial ports comes from. The program reads the system's;
/// tests and the simulator install a fixed list of pseudo-terminal paths.
class SerialPortProvider
{
public:
    virtual ~SerialPortProvider() = default;
    /// Device paths, in any order.
    virtual std::vector<std::string> ports() const = 0;
};

/// The ports under a sysfs tty class folder that have a real device behind
/// them: USB serial and ACM ports, and UARTs whose type is known.
class SysfsSerialPorts final : public SerialPortProvider
{
public:
    explicit SysfsSerialPorts(std::string classDir = "/sys/class/tty", std::string devDir = "/dev");
    std::vector<std::string> ports() const override;

private:
    std::string classDir_;
    std::string devDir_;
};

/// A list given in advance.
class FixedSerialPorts final : public SerialPortProvider
{
public:
    explicit FixedSerialPorts(std::vector<std::string> ports) : ports_(std::move(ports)) {}
    std::vector<std::string> ports() const override { return ports_; }

private:
    std::vector<std::string> ports_;
};

/// The whole trailing number of a device path (/dev/ttyUSB12 gives 12).
std::optional<int> serialPortNumber(std::string_view path);

/// Orders paths by their name without the trailing number, then by number.
void sortSerialPorts(std::vector<std::string>& paths);

/// Replaces the process's provider; null restores the system's.
void setSerialPortProvider(std::unique_ptr<SerialPortProvider> provider);

/// The ports of the current provider, sorted by name and number.
std::vector<std::string> listSerialPorts();

} // namespace qx
