#include "link/hid/TJvHidDeviceController.h"

#include "link/hid/HidMessages.h"
#include "link/hid/TJvHidDeviceReadThread.h"
#include "link/hid/TJvHidPnPInfo.h"
#include "platform/hid/HidBackend.h"
#include "platform/sync/MessageTarget.h"

#include <algorithm>
#include <utility>

namespace {

qx::WindowMessage deviceChangeMessage(std::intptr_t lParam)
{
    qx::WindowMessage message;
    message.id = WM_DEVICECHANGE;
    message.wParam = DBT_DEVNODES_CHANGED;
    message.lParam = lParam;
    return message;
}

// A device with the token to tell afterwards whether a handler destroyed it.
struct Tracked
{
    TJvHidDevice* device;
    std::weak_ptr<const int> alive;
};

std::vector<Tracked> track(const std::vector<TJvHidDevice*>& list)
{
    std::vector<Tracked> tracked;
    for (TJvHidDevice* device : list)
        tracked.push_back({device, device->LifetimeToken()});
    return tracked;
}

// A new controller-wide event replaces the old one on every device that
// still has the old one; a device given an event of its own keeps it.
template <class Event>
void PassOnEvent(const std::vector<TJvHidDevice*>& devices, Event& current, const Event& next,
                 const Event& (TJvHidDevice::*get)() const, void (TJvHidDevice::*set)(const Event&))
{
    if (next == current)
        return;
    for (TJvHidDevice* device : devices)
        if ((device->*get)() == current)
            (device->*set)(next);
    current = next;
}

} // namespace

TJvHidDeviceController::TJvHidDeviceController(qx::MessageTarget& window, qx::hid::Backend& backend)
    : FWindow(window), FBackend(backend), FLibraryLoaded(backend.available())
{
    if (!FLibraryLoaded)
        return;
    FHWnd = FBackend.watchChanges([&window] { window.postMessage(deviceChangeMessage(0)); });
    // The first scan runs when the message loop gets here, after the owner is complete.
    FWindow.postMessage(deviceChangeMessage(-1));
}

TJvHidDeviceController::~TJvHidDeviceController()
{
    FDeviceChangeEvent = {};
    FDevUnplugEvent = {};
    FEnumerateEvent = {};
    FHWnd.reset();
    for (const Tracked& entry : track(FList)) {
        if (entry.alive.expired())
            continue;
        entry.device->FMyController = nullptr;
        // A checked-out device is its holder's: it hears of the unplug and
        // is expected to check the device in, which destroys it.
        if (entry.device->IsCheckedOut())
            entry.device->Unplug();
        else
            delete entry.device;
    }
    FList.clear();
}

bool TJvHidDeviceController::HandleMessage(const qx::WindowMessage& message)
{
    if (message.id == WM_DEVICECHANGE) {
        if (FLibraryLoaded && message.wParam == DBT_DEVNODES_CHANGED && !FInDeviceChange) {
            FLParam = message.lParam;
            FInDeviceChange = true;
            DeviceChange();
            FInDeviceChange = false;
        }
        return true;
    }
    return TJvHidDeviceReadThread::Dispatch(message);
}

std::vector<TJvHidDevice*> TJvHidDeviceController::ScanDevices()
{
    std::vector<TJvHidDevice*> found;
    if (!FLibraryLoaded)
        return found;
    for (const qx::hid::DeviceInfo& info : FBackend.enumerate()) {
        try {
            found.push_back(new TJvHidDevice(new TJvHidPnPInfo(info), this));
        } catch (const EControllerError&) {
            // cannot be opened or identified: left out
        }
    }
    return found;
}

void TJvHidDeviceController::DeviceChange()
{
    bool changed = FLParam == -1;
    std::vector<TJvHidDevice*> found = ScanDevices();
    auto presentIn = [](const std::vector<TJvHidDevice*>& list, const TJvHidDevice* device) {
        return std::any_of(list.begin(), list.end(), [&](const TJvHidDevice* other) {
            return other && other->PnPInfo()->DeviceID() == device->PnPInfo()->DeviceID();
        });
    };

    // Gone devices, last to first. A device unplugged at an earlier scan
    // waits for its check-in and is not reported again.
    const std::vector<Tracked> current = track(FList);
    for (auto entry = current.rbegin(); entry != current.rend(); ++entry) {
        TJvHidDevice* device = entry->device;
        if (entry->alive.expired() || !device->IsPluggedIn() || presentIn(found, device))
            continue;
        changed = true;
        device->Unplug();
        if (entry->alive.expired())
            continue; // checked in by its unplug handler
        FirePlugEvent(FRemovalEvent, device);
        if (!entry->alive.expired() && !device->IsCheckedOut())
            delete device; // leaves the list as it goes
    }

    // Known devices: the new object is not needed.
    for (TJvHidDevice*& fresh : found) {
        const bool known = std::any_of(FList.begin(), FList.end(), [&](const TJvHidDevice* device) {
            return device->IsPluggedIn() && device->PnPInfo()->DeviceID() == fresh->PnPInfo()->DeviceID();
        });
        if (known) {
            fresh->FMyController = nullptr;
            delete fresh;
            fresh = nullptr;
        }
    }

    // Arrivals, in order.
    for (TJvHidDevice* fresh : found) {
        if (!fresh)
            continue;
        FList.push_back(fresh);
        changed = true;
        FirePlugEvent(FArrivalEvent, fresh);
    }
    Recount();
    if (changed && FDeviceChangeEvent)
        FDeviceChangeEvent(this);
}

void TJvHidDeviceController::FirePlugEvent(const TJvHidPlugEvent& Event, TJvHidDevice* HidDev)
{
    if (!Event)
        return;
    const std::weak_ptr<const int> alive = HidDev->LifetimeToken();
    HidDev->SetEnumerated(true);
    Event(HidDev);
    if (!alive.expired())
        HidDev->SetEnumerated(false);
}

int TJvHidDeviceController::Enumerate()
{
    int count = 0;
    for (std::size_t i = 0; i < FList.size(); ++i) {
        if (!FList[i]->IsPluggedIn())
            continue;
        ++count;
        if (!DoEnumerate(FList[i], static_cast<int>(i)))
            break;
    }
    return count;
}

bool TJvHidDeviceController::DoEnumerate(TJvHidDevice* HidDev, int Idx)
{
    if (!FEnumerateEvent)
        return false;
    const std::weak_ptr<const int> alive = HidDev->LifetimeToken();
    HidDev->SetEnumerated(true);
    const bool more = FEnumerateEvent(HidDev, Idx);
    if (alive.expired())
        return more;
    HidDev->SetEnumerated(false);
    if (!HidDev->IsCheckedOut())
        HidDev->CloseAllHandles();
    return more;
}

void TJvHidDeviceController::CountCheckOut()
{
    ++FNumCheckedOutDevices;
    --FNumCheckedInDevices;
}

bool TJvHidDeviceController::CheckOutAt(TJvHidDevice*& HidDev, const std::function<bool(TJvHidDevice*)>& Test)
{
    HidDev = nullptr;
    for (TJvHidDevice* device : FList) {
        if (device->IsCheckedOut() || !Test(device))
            continue;
        HidDev = device;
        device->FIsCheckedOut = true;
        CountCheckOut();
        device->StartThread();
        return true;
    }
    return false;
}

bool TJvHidDeviceController::CheckOut(TJvHidDevice*& HidDev)
{
    return CheckOutAt(HidDev, [](TJvHidDevice*) { return true; });
}

bool TJvHidDeviceController::CheckOutByIndex(TJvHidDevice*& HidDev, int Idx)
{
    HidDev = nullptr;
    if (Idx < 0 || Idx >= static_cast<int>(FList.size()))
        return false;
    const TJvHidDevice* wanted = FList[static_cast<std::size_t>(Idx)];
    return CheckOutAt(HidDev, [wanted](TJvHidDevice* device) { return device == wanted; });
}

bool TJvHidDeviceController::CheckOutByID(TJvHidDevice*& HidDev, int Vid, int Pid)
{
    return CheckOutAt(HidDev, [Vid, Pid](TJvHidDevice* device) {
        return device->Attributes().VendorID == Vid && (device->Attributes().ProductID == Pid || Pid == -1);
    });
}

bool TJvHidDeviceController::CheckOutByProductName(TJvHidDevice*& HidDev, const std::wstring& ProductName)
{
    HidDev = nullptr;
    return !ProductName.empty()
           && CheckOutAt(HidDev, [&](TJvHidDevice* device) { return device->ProductName() == ProductName; });
}

bool TJvHidDeviceController::CheckOutByVendorName(TJvHidDevice*& HidDev, const std::wstring& VendorName)
{
    HidDev = nullptr;
    return !VendorName.empty()
           && CheckOutAt(HidDev, [&](TJvHidDevice* device) { return device->VendorName() == VendorName; });
}

bool TJvHidDeviceController::CheckOutByClass(TJvHidDevice*& HidDev, const std::string& ClassName)
{
    HidDev = nullptr;
    return !ClassName.empty()
           && CheckOutAt(HidDev, [&](TJvHidDevice* device) { return device->PnPInfo()->ClassDescr() == ClassName; });
}

bool TJvHidDeviceController::CheckOutByCallback(TJvHidDevice*& HidDev, const TJvHidCheckCallback& Check)
{
    return CheckOutAt(HidDev, [&](TJvHidDevice* device) {
        device->SetEnumerated(true);
        const bool take = Check(device);
        device->SetEnumerated(false);
        if (!take)
            device->CloseAllHandles();
        return take;
    });
}

void TJvHidDeviceController::CheckIn(TJvHidDevice*& HidDev)
{
    TJvHidDevice* device = HidDev;
    HidDev = nullptr;
    if (!device || !device->IsCheckedOut())
        return; // checking in twice must not upset the counters
    device->StopThread();
    if (device->IsPluggedIn()) {
        // Not accessible from here on, so a writer on another thread
        // cannot open a handle again after they are closed.
        device->FIsCheckedOut = false;
        device->CloseAllHandles();
        --FNumCheckedOutDevices;
        ++FNumCheckedInDevices;
    } else {
        device->CloseAllHandles();
        delete device; // leaves the list as it goes
    }
}

int TJvHidDeviceController::CountIf(const std::function<bool(TJvHidDevice*)>& Test)
{
    int count = 0;
    for (const Tracked& entry : track(FList))
        if (!entry.alive.expired() && entry.device->IsPluggedIn() && Test(entry.device))
            ++count;
    return count;
}

int TJvHidDeviceController::CountByID(int Vid, int Pid)
{
    return CountIf([Vid, Pid](TJvHidDevice* device) {
        return device->Attributes().VendorID == Vid && (device->Attributes().ProductID == Pid || Pid == -1);
    });
}

int TJvHidDeviceController::CountByProductName(const std::wstring& ProductName)
{
    return CountIf([&](TJvHidDevice* device) { return device->ProductName() == ProductName; });
}

int TJvHidDeviceController::CountByVendorName(const std::wstring& VendorName)
{
    return CountIf([&](TJvHidDevice* device) { return device->VendorName() == VendorName; });
}

int TJvHidDeviceController::CountByClass(const std::string& ClassName)
{
    return CountIf([&](TJvHidDevice* device) { return device->PnPInfo()->ClassDescr() == ClassName; });
}

int TJvHidDeviceController::CountByCallback(const TJvHidCheckCallback& Check)
{
    return CountIf([&](TJvHidDevice* device) {
        device->SetEnumerated(true);
        const bool counted = Check(device);
        device->SetEnumerated(false);
        if (!device->IsCheckedOut())
            device->CloseAllHandles();
        return counted;
    });
}

std::string TJvHidDeviceController::HidVersion() const
{
    return FLibraryLoaded ? FBackend.libraryVersion() : std::string();
}

void TJvHidDeviceController::SetDevThreadSleepTime(int SleepTime)
{
    if (SleepTime == FDevThreadSleepTime)
        return;
    for (TJvHidDevice* device : FList)
        if (device->ThreadSleepTime() == FDevThreadSleepTime)
            device->SetThreadSleepTime(SleepTime);
    FDevThreadSleepTime = SleepTime;
}

void TJvHidDeviceController::SetOnDeviceChange(const TJvHidNotifyEvent& Event)
{
    if (Event == FDeviceChangeEvent)
        return;
    FDeviceChangeEvent = Event;
    DeviceChange();
}

void TJvHidDeviceController::SetOnDeviceData(const TJvHidDataEvent& Event)
{
    PassOnEvent(FList, FDevDataEvent, Event, &TJvHidDevice::OnData, &TJvHidDevice::SetOnData);
}

void TJvHidDeviceController::SetOnDeviceDataError(const TJvHidDataErrorEvent& Event)
{
    PassOnEvent(FList, FDevDataErrorEvent, Event, &TJvHidDevice::OnDataError, &TJvHidDevice::SetOnDataError);
}

void TJvHidDeviceController::SetOnDeviceUnplug(const TJvHidPlugEvent& Event)
{
    PassOnEvent(FList, FDevUnplugEvent, Event, &TJvHidDevice::OnUnplug, &TJvHidDevice::SetOnUnplug);
}

void TJvHidDeviceController::Recount()
{
    FNumCheckedInDevices = FNumCheckedOutDevices = FNumUnpluggedDevices = 0;
    for (const TJvHidDevice* device : FList) {
        if (!device->IsCheckedOut())
            ++FNumCheckedInDevices;
        if (!device->IsPluggedIn())
            ++FNumUnpluggedDevices;
        else if (device->IsCheckedOut())
            ++FNumCheckedOutDevices;
    }
}

void TJvHidDeviceController::DeviceDestroyed(TJvHidDevice* HidDev, const TJvHidDataEvent& Data,
                                             const TJvHidPlugEvent& Unplug)
{
    const auto at = std::find(FList.begin(), FList.end(), HidDev);
    if (at == FList.end())
        return;
    if (!HidDev->IsPluggedIn()) {
        FList.erase(at);
        --FNumUnpluggedDevices;
        return;
    }
    // A present device gets a fresh, checked-in object in its slot.
    const bool wasCheckedOut = HidDev->IsCheckedOut();
    TJvHidPnPInfo* info = HidDev->FPnPInfo;
    HidDev->FPnPInfo = nullptr;
    try {
        auto* replacement = new TJvHidDevice(info, this);
        replacement->SetOnData(Data);
        replacement->FUnplug = Unplug;
        replacement->FThreadSleepTime = HidDev->ThreadSleepTime();
        *at = replacement;
        if (wasCheckedOut) {
            --FNumCheckedOutDevices;
            ++FNumCheckedInDevices;
        }
    } catch (const EControllerError&) {
        // The interface cannot be made again: its slot goes.
        FList.erase(at);
        --(wasCheckedOut ? FNumCheckedOutDevices : FNumCheckedInDevices);
    }
}
