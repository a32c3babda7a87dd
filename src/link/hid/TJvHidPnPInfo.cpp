#include "link/hid/TJvHidPnPInfo.h"

#include <map>
#include <mutex>

namespace {

// Device ids are handed out per instance key, so an interface keeps its id
// while it stays plugged in and gets a new one when it comes back.
std::uint32_t deviceIdFor(const std::string& instanceKey)
{
    static std::mutex mutex;
    static std::map<std::string, std::uint32_t> ids;
    std::lock_guard lock(mutex);
    const auto [at, added] = ids.try_emplace(instanceKey, static_cast<std::uint32_t>(ids.size() + 1));
    return at->second;
}

} // namespace

TJvHidPnPInfo::TJvHidPnPInfo(const qx::hid::DeviceInfo& info)
    : FInfo(info),
      FDeviceID(deviceIdFor(info.instanceKey)),
      FDevicePath(info.path),
      FClassDescr(info.properties.subsystem),
      FDeviceDescr(info.properties.name),
      FDriver(info.properties.driver),
      FMfg(info.properties.usbManufacturer),
      FAddress(info.properties.interfaceNumber),
      FBusNumber(info.properties.busNumber),
      FBusType(info.properties.busType),
      FEnumeratorName(info.properties.busType),
      FLocationInfo(info.properties.phys),
      FPhysDevObjName(info.path),
      FService(info.properties.driver)
{
    if (!info.properties.modalias.empty())
        FHardwareID.push_back(info.properties.modalias);
}
