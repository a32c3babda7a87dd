#pragma once

#include "platform/hid/HidBackend.h"

#include <cstdint>
#include <string>
#include <vector>

/// The plug-and-play description of one HID interface: its device path, the
/// identity the controller compares, and what the system's device tree says
/// about it. Known from the enumeration, without opening the device.
class TJvHidPnPInfo
{
public:
    explicit TJvHidPnPInfo(const qx::hid::DeviceInfo& info);
    virtual ~TJvHidPnPInfo() = default;

    /// Same value for the same interface while it stays plugged in; a new
    /// value when it comes back after an unplug.
    std::uint32_t DeviceID() const { return FDeviceID; }
    const std::string& DevicePath() const { return FDevicePath; }
    std::uint32_t Capabilities() const { return 0; }
    const std::string& ClassDescr() const { return FClassDescr; }
    const std::string& ClassGUID() const { return FClassGUID; }
    const std::vector<std::string>& CompatibleIDs() const { return FCompatibleIDs; }
    std::uint32_t ConfigFlags() const { return 0; }
    const std::string& DeviceDescr() const { return FDeviceDescr; }
    const std::string& Driver() const { return FDriver; }
    const std::string& FriendlyName() const { return FFriendlyName; }
    const std::vector<std::string>& HardwareID() const { return FHardwareID; }
    const std::vector<std::string>& LowerFilters() const { return FLowerFilters; }
    const std::string& Mfg() const { return FMfg; }
    const std::vector<std::string>& UpperFilters() const { return FUpperFilters; }
    const std::string& Address() const { return FAddress; }
    std::uint32_t BusNumber() const { return FBusNumber; }
    const std::string& BusType() const { return FBusType; }
    const std::string& Characteristics() const { return FCharacteristics; }
    std::uint32_t DevType() const { return 0; }
    const std::string& EnumeratorName() const { return FEnumeratorName; }
    std::uint32_t Exclusive() const { return 0; }
    std::uint32_t LegacyBusType() const { return 0; }
    const std::string& LocationInfo() const { return FLocationInfo; }
    const std::string& PhysDevObjName() const { return FPhysDevObjName; }
    const std::string& SecuritySDS() const { return FSecuritySDS; }
    const std::string& Service() const { return FService; }
    std::uint32_t UINumber() const { return 0; }
    const std::string& UINumberFormat() const { return FUINumberFormat; }

    /// What the enumeration found, for the device's own queries.
    const qx::hid::DeviceInfo& Info() const { return FInfo; }

private:
    qx::hid::DeviceInfo FInfo;
    std::uint32_t FDeviceID = 0;
    std::string FDevicePath;
    std::string FClassDescr;
    std::string FClassGUID;
    std::vector<std::string> FCompatibleIDs;
    std::string FDeviceDescr;
    std::string FDriver;
    std::string FFriendlyName;
    std::vector<std::string> FHardwareID;
    std::vector<std::string> FLowerFilters;
    std::string FMfg;
    std::vector<std::string> FUpperFilters;
    std::string FAddress;
    std::uint32_t FBusNumber = 0;
    std::string FBusType;
    std::string FCharacteristics;
    std::string FEnumeratorName;
    std::string FLocationInfo;
    std::string FPhysDevObjName;
    std::string FSecuritySDS;
    std::string FService;
    std::string FUINumberFormat;
};
