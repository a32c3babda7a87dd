#pragma once

#include "platform/hid/HidBackend.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace qx::hid {

class FakeHidBus;

/// What a fake device shows the system when it is plugged in.
struct FakeDeviceProfile
{
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
    std::string path; ///< unique among the plugged-in devices
    std::vector<std::uint8_t> reportDescriptor;
    std::wstring manufacturer;
    std::wstring product;
    std::wstring serialNumber;
    std::map<int, std::wstring> indexedStrings; ///< string 0: the language ids, one per character
    bool readWriteAccess = true; ///< false: opens for queries only
};

/// The device side of one fake HID interface: what a simulator or a test
/// holds. Output reports the program writes come to the output handler;
/// input reports the device sends go to every connection open for reading,
/// in order.
class FakeHidDevice
{
public:
    using OutputHandler = std::function<void(std::vector<std::uint8_t> report)>;

    const FakeDeviceProfile& profile() const { return profile_; }

    /// Receives every output report written, report id first, on the
    /// writing thread. Must not call back into a connection.
    void setOutputHandler(OutputHandler handler);
    /// Sends an input report as the system delivers it: without a report id
    /// byte on a device without numbered reports.
    void sendInputReport(std::vector<std::uint8_t> report);
    /// Feature report returned for its id (report[0]); stored by setFeature.
    void setFeatureReport(std::vector<std::uint8_t> report);
    std::vector<std::uint8_t> featureReport(std::uint8_t reportId) const;

    /// Takes the device off the bus: open connections fail from now on.
    void unplug();
    bool pluggedIn() const;
    /// Connections open now, and opened since the device was plugged in
    /// (query-only connections are not counted).
    std::size_t openConnections() const;
    std::size_t connectionsOpened() const;

    /// Refuses the next `count` opens for transfers (every one when
    /// negative) with the errno value `error`: a node udev has not given its
    /// rights yet (EACCES, mayRetry), one another program holds (EBUSY), one
    /// that vanished (ENODEV). A refusal of rights also shows in the
    /// enumeration, as the system's access check would.
    void refuseOpens(int error, int count, bool mayRetry);
    /// Opens for reading and writing (the handle the program writes through)
    /// tried since the device was plugged in, refused ones included.
    std::size_t openAttempts() const;

private:
    friend class FakeHidBus;
    friend class FakeConnection;
    FakeHidDevice(FakeHidBus& bus, FakeDeviceProfile profile, std::string instanceKey);

    struct Reader;
    FakeHidBus& bus_;
    const FakeDeviceProfile profile_;
    const std::string instanceKey_;
    mutable std::mutex mutex_;
    bool pluggedIn_ = true;
    std::size_t opened_ = 0;
    std::vector<Reader*> readers_;
    std::size_t openNow_ = 0;
    std::size_t attempts_ = 0;
    int refusalError_ = 0;
    int refusalsLeft_ = 0;
    bool refusalMayRetry_ = false;
    OutputHandler output_;
    std::map<std::uint8_t, std::vector<std::uint8_t>> features_;
};

/// A HID bus in memory: devices appear and disappear when told to, and
/// watchers hear of each change at once, on the calling thread.
class FakeHidBus final : public Backend
{
public:
    FakeHidBus();
    ~FakeHidBus() override;

    /// Plugs a device in. A device plugged in again later is a new device.
    std::shared_ptr<FakeHidDevice> plug(FakeDeviceProfile profile);
    /// Makes the bus unusable, as a system without HID support.
    void setAvailable(bool available);
    /// Slices the read thread waited through sleep(), in milliseconds.
    std::vector<long long> sleeps() const;

    bool available() const override;
    std::string libraryVersion() const override { return "fake"; }
    std::vector<DeviceInfo> enumerate() override;
    OpenResult open(const std::string& path, Access access) override;
    std::unique_ptr<ChangeWatch> watchChanges(std::function<void()> changed) override;
    /// Records the slice, then waits it out as the system would.
    bool sleep(std::chrono::milliseconds slice, std::stop_token stop) override;

private:
    friend class FakeHidDevice;
    class Watch;
    void notify();
    void removeWatch(Watch* watch);
    std::shared_ptr<FakeHidDevice> find(const std::string& path) const;
    static DeviceInfo infoOf(const FakeHidDevice& device);

    mutable std::mutex mutex_;
    bool available_ = true;
    std::size_t plugCount_ = 0;
    std::vector<std::shared_ptr<FakeHidDevice>> devices_;
    std::vector<Watch*> watches_;
    std::vector<long long> sleeps_;
};

} // namespace qx::hid
