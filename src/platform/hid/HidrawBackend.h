#pragma once

#include "platform/hid/HidBackend.h"

#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

namespace qx::hid {

/// The machine's HID interfaces: listed from udev and sysfs without opening
/// them, opened for transfers through hidapi's hidraw back end, with hidraw
/// ioctls for what hidapi cannot give. Plug and unplug come from a udev
/// monitor, or from a periodic enumeration where udev cannot monitor.
///
/// Only the interfaces of the listed vendor and product ids are ever opened
/// for transfers; any other interface opens for queries only.
class HidrawBackend final : public Backend
{
public:
    using VendorProduct = std::pair<std::uint16_t, std::uint16_t>;

    explicit HidrawBackend(std::vector<VendorProduct> openable,
                           std::chrono::milliseconds pollInterval = std::chrono::milliseconds(2000));
    ~HidrawBackend() override;

    bool available() const override;
    std::string libraryVersion() const override;
    std::vector<DeviceInfo> enumerate() override;
    OpenResult open(const std::string& path, Access access) override;
    std::unique_ptr<ChangeWatch> watchChanges(std::function<void()> changed) override;

    /// Whether transfers are allowed with a device of these ids.
    bool isOpenable(std::uint16_t vendorId, std::uint16_t productId) const;

private:
    std::vector<VendorProduct> openable_;
    std::chrono::milliseconds pollInterval_;
    bool hidapiReady_ = false;
};

} // namespace qx::hid
