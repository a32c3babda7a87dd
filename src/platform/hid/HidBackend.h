#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

namespace qx::hid {

/// What the system says about a HID interface's place in the device tree.
/// Empty texts and zeros where the system has nothing to say.
struct DeviceProperties
{
    std::string subsystem;   ///< of the HID device ("hid")
    std::string driver;      ///< kernel driver bound to the HID device
    std::string name;        ///< the HID device's name
    std::string phys;        ///< its physical location
    std::string uniq;        ///< its unique id, often the serial number
    std::string modalias;
    std::string busType;     ///< "USB", "Bluetooth", "I2C", ... from the HID id
    std::string usbManufacturer;
    std::string interfaceNumber;
    std::uint32_t busNumber = 0;
};

/// One HID interface as found by an enumeration. Found without opening it.
struct DeviceInfo
{
    std::string path;        ///< device node the interface opens through
    std::string instanceKey; ///< identity of this interface while it stays plugged in
    bool identified = false; ///< vendor, product and version are known
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
    bool readWriteAccess = false; ///< the node would open for reading and writing
    std::wstring manufacturer;
    std::wstring product;
    std::wstring serialNumber;
    std::vector<std::uint8_t> reportDescriptor; ///< empty when unknown
    DeviceProperties properties;
};

/// Outcome of one transfer: a byte count, or an errno value.
struct IoResult
{
    std::ptrdiff_t bytes = 0;
    int error = 0;
    bool ok() const { return error == 0; }
    static IoResult failed(int error) { return {-1, error}; }
};

enum class Access {
    ReadWrite,
    Read,
    Write,
    Query, ///< no transfers; descriptor and strings only, known without opening the node
};

/// An open HID interface. Every call may come from any thread; the calls
/// that move reports may run at the same time as each other.
class Connection
{
public:
    virtual ~Connection() = default;

    /// Writes one output report, report id first (0 on a device without
    /// numbered reports).
    virtual IoResult write(std::span<const std::uint8_t> report) = 0;
    /// Reads one input report as the system delivers it: without the report
    /// id byte on a device without numbered reports. Waits at most
    /// `timeout` (negative: without limit) or until `stop` is requested or
    /// cancelRead() is called; 0 bytes then.
    virtual IoResult read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout,
                          std::stop_token stop) = 0;
    /// Ends a read that is waiting now.
    virtual void cancelRead() = 0;
    /// Drops the input reports queued for this connection.
    virtual bool flush() = 0;

    /// Feature, input and output reports by control transfer; report[0]
    /// holds the report id.
    virtual IoResult getFeature(std::span<std::uint8_t> report) = 0;
    virtual IoResult setFeature(std::span<const std::uint8_t> report) = 0;
    virtual IoResult getInputReport(std::span<std::uint8_t> report) = 0;
    virtual IoResult setOutputReport(std::span<const std::uint8_t> report) = 0;

    virtual std::optional<std::vector<std::uint8_t>> reportDescriptor() = 0;
    virtual std::optional<std::wstring> manufacturer() = 0;
    virtual std::optional<std::wstring> product() = 0;
    virtual std::optional<std::wstring> serialNumber() = 0;
    /// String descriptor by index; string 0 is the language id list, one
    /// language id per character. nullopt when it cannot be read.
    virtual std::optional<std::wstring> indexedString(int index) = 0;
};

/// Why an open failed, said so a person can act on it.
struct OpenError
{
    int error = 0;         ///< errno value
    std::string message;   ///< error text, the device node's group, whether a retry may help
    bool mayRetry = false; ///< a node just created may not have its permissions yet
};

struct OpenResult
{
    std::shared_ptr<Connection> connection;
    OpenError error;
};

/// Ends the notifications of watchChanges when destroyed.
class ChangeWatch
{
public:
    virtual ~ChangeWatch() = default;
};

/// The HID services of the system: a back end on the machine's devices or
/// a fake one in tests and the simulator.
class Backend
{
public:
    virtual ~Backend() = default;

    /// Whether the back end can list devices at all.
    virtual bool available() const = 0;
    /// Version text of the HID library in use, empty when unknown.
    virtual std::string libraryVersion() const = 0;
    /// The HID interfaces present now. Opens none of them.
    virtual std::vector<DeviceInfo> enumerate() = 0;
    /// Opens a listed interface; Access::Query opens nothing underneath.
    virtual OpenResult open(const std::string& path, Access access) = 0;
    /// Calls `changed`, from any thread, whenever interfaces may have come or
    /// gone, until the watch is destroyed.
    virtual std::unique_ptr<ChangeWatch> watchChanges(std::function<void()> changed) = 0;
    /// Waits `slice` or until `stop` is requested; false when stopped.
    virtual bool sleep(std::chrono::milliseconds slice, std::stop_token stop);
};

/// A connection that answers descriptor and string queries from what the
/// enumeration found, and refuses every transfer.
std::shared_ptr<Connection> makeQueryConnection(const DeviceInfo& info);

/// The back end on this machine's HID interfaces (hidraw, hidapi, udev).
Backend& systemBackend();

} // namespace qx::hid
