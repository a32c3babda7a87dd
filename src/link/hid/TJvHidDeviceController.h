#pragma once

#include "link/hid/TJvHidDevice.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qx {
class MessageTarget;
struct WindowMessage;
namespace hid {
class Backend;
class ChangeWatch;
} // namespace hid
} // namespace qx

class TJvHidDeviceController;

using TJvHidNotifyEvent = qx::Closure<void(TJvHidDeviceController* Sender)>;
using TJvHidCheckCallback = std::function<bool(TJvHidDevice* HidDev)>;

/// Keeps the list of the HID interfaces present, follows plug and unplug,
/// hands a device out for exclusive use (check-out) and takes it back
/// (check-in), and passes the devices' data, read-error and unplug events
/// on to its owner. Lives on the GUI thread.
///
/// The window it is given stands in for its hidden window: plug and unplug
/// notices arrive there as WM_DEVICECHANGE messages, and the devices' read
/// threads hand their reports over through it. The window's handler passes
/// every message to HandleMessage.
///
/// A device in the list belongs to the controller until it is checked out,
/// then to whoever checked it out until CheckIn.
class TJvHidDeviceController
{
public:
    explicit TJvHidDeviceController(qx::MessageTarget& window,
                                    qx::hid::Backend& backend = qx::hid::systemBackend());
    virtual ~TJvHidDeviceController();

    TJvHidDeviceController(const TJvHidDeviceController&) = delete;
    TJvHidDeviceController& operator=(const TJvHidDeviceController&) = delete;

    /// The hidden window's message handler: device-change notices and the
    /// read threads' hand-overs. Returns false for any other message.
    bool HandleMessage(const qx::WindowMessage& message);

    /// Rescans the devices now.
    void DeviceChange();
    /// Offers each plugged-in device to OnEnumerate; returns how many were offered.
    int Enumerate();

    bool CheckOut(TJvHidDevice*& HidDev);
    bool CheckOutByIndex(TJvHidDevice*& HidDev, int Idx);
    bool CheckOutByID(TJvHidDevice*& HidDev, int Vid, int Pid);
    bool CheckOutByProductName(TJvHidDevice*& HidDev, const std::wstring& ProductName);
    bool CheckOutByVendorName(TJvHidDevice*& HidDev, const std::wstring& VendorName);
    bool CheckOutByClass(TJvHidDevice*& HidDev, const std::string& ClassName);
    bool CheckOutByCallback(TJvHidDevice*& HidDev, const TJvHidCheckCallback& Check);
    void CheckIn(TJvHidDevice*& HidDev);

    int CountByID(int Vid, int Pid);
    int CountByProductName(const std::wstring& ProductName);
    int CountByVendorName(const std::wstring& VendorName);
    int CountByClass(const std::string& ClassName);
    int CountByCallback(const TJvHidCheckCallback& Check);

    /// Version text of the HID library in use.
    std::string HidVersion() const;

    // Properties
    const GUID& HidGuid() const { return FHidGuid; }
    int NumCheckedInDevices() const { return FNumCheckedInDevices; }
    int NumCheckedOutDevices() const { return FNumCheckedOutDevices; }
    int NumUnpluggedDevices() const { return FNumUnpluggedDevices; }
    int DevThreadSleepTime() const { return FDevThreadSleepTime; }
    void SetDevThreadSleepTime(int SleepTime);
    const std::string& Version() const { return FVersion; }
    void SetVersion(const std::string& Version) { FDummy = Version; }
    /// The device list in order, for looking at; the controller keeps it.
    const std::vector<TJvHidDevice*>& Devices() const { return FList; }

    const TJvHidPlugEvent& OnArrival() const { return FArrivalEvent; }
    void SetOnArrival(const TJvHidPlugEvent& Event) { FArrivalEvent = Event; }
    const TJvHidEnumerateEvent& OnEnumerate() const { return FEnumerateEvent; }
    void SetOnEnumerate(const TJvHidEnumerateEvent& Event) { FEnumerateEvent = Event; }
    const TJvHidNotifyEvent& OnDeviceChange() const { return FDeviceChangeEvent; }
    /// A new handler runs a scan at once.
    void SetOnDeviceChange(const TJvHidNotifyEvent& Event);
    const TJvHidDataEvent& OnDeviceData() const { return FDevDataEvent; }
    void SetOnDeviceData(const TJvHidDataEvent& Event);
    const TJvHidDataErrorEvent& OnDeviceDataError() const { return FDevDataErrorEvent; }
    void SetOnDeviceDataError(const TJvHidDataErrorEvent& Event);
    const TJvHidPlugEvent& OnDeviceUnplug() const { return FDevUnplugEvent; }
    void SetOnDeviceUnplug(const TJvHidPlugEvent& Event);
    const TJvHidPlugEvent& OnRemoval() const { return FRemovalEvent; }
    void SetOnRemoval(const TJvHidPlugEvent& Event) { FRemovalEvent = Event; }

    qx::hid::Backend& Backend() const { return FBackend; }
    qx::MessageTarget& Window() const { return FWindow; }

private:
    friend class TJvHidDevice;

    std::vector<TJvHidDevice*> ScanDevices();
    bool CheckOutAt(TJvHidDevice*& HidDev, const std::function<bool(TJvHidDevice*)>& Test);
    bool DoEnumerate(TJvHidDevice* HidDev, int Idx);
    void FirePlugEvent(const TJvHidPlugEvent& Event, TJvHidDevice* HidDev);
    int CountIf(const std::function<bool(TJvHidDevice*)>& Test);
    void Recount();
    void CountCheckOut();
    void DeviceDestroyed(TJvHidDevice* HidDev, const TJvHidDataEvent& Data, const TJvHidPlugEvent& Unplug);

    qx::MessageTarget& FWindow;
    qx::hid::Backend& FBackend;
    GUID FHidGuid = GUID_DEVINTERFACE_HID;
    TJvHidPlugEvent FArrivalEvent;
    TJvHidNotifyEvent FDeviceChangeEvent;
    TJvHidEnumerateEvent FEnumerateEvent;
    TJvHidDataEvent FDevDataEvent;
    TJvHidDataErrorEvent FDevDataErrorEvent;
    TJvHidPlugEvent FDevUnplugEvent;
    TJvHidPlugEvent FRemovalEvent;
    int FDevThreadSleepTime = 100;
    std::string FVersion = "1.0.34";
    std::string FDummy;
    std::vector<TJvHidDevice*> FList;
    int FNumCheckedInDevices = 0;
    int FNumCheckedOutDevices = 0;
    int FNumUnpluggedDevices = 0;
    bool FInDeviceChange = false;
    std::intptr_t FLParam = 0;
    bool FLibraryLoaded = false;
    std::unique_ptr<qx::hid::ChangeWatch> FHWnd;
};
