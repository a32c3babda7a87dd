#pragma once

#include "link/hid/Closure.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/HidTypes.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

namespace qx {
class MessageTarget;
namespace hid {
class PreparsedData;
}
} // namespace qx

class TJvHidDevice;
class TJvHidDeviceController;
class TJvHidDeviceReadThread;
class TJvHidPnPInfo;

/// Raised when a device cannot be created, or by a forbidden direct creation.
class EControllerError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// Raised by HidError and HidCheck for a HID error status.
class EHidClientError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

using TJvHidPlugEvent = qx::Closure<void(TJvHidDevice* HidDev)>;
using TJvHidEnumerateEvent = qx::Closure<bool(TJvHidDevice* HidDev, int Idx)>;
/// Data points at the report bytes after the report id; Size counts them.
using TJvHidDataEvent =
    qx::Closure<void(TJvHidDevice* HidDev, std::uint8_t ReportID, const std::uint8_t* Data, std::uint16_t Size)>;
/// Error is an errno value.
using TJvHidDataErrorEvent = qx::Closure<void(TJvHidDevice* HidDev, std::uint32_t Error)>;

enum TJvHidOpenExMode { omhRead, omhWrite };

using TJvPhysicalDescriptor = std::vector<std::uint16_t>;

/// Text of a HID status: empty unless it is an error or warning of the HID
/// facility, else "HID Error: " and what went wrong.
std::string HidErrorString(NTSTATUS Status);
/// Raises EHidClientError for a status HidErrorString has a text for.
NTSTATUS HidError(NTSTATUS Status);
/// HidError for every status but success.
NTSTATUS HidCheck(NTSTATUS Status);

/// One HID interface handed out by the controller. It reads the device's
/// attributes, capabilities and strings, moves reports, and runs a read
/// thread while it is checked out and has a data handler.
///
/// Threads: everything belongs to the GUI thread except GetCaps, WriteFile
/// and the flag and parameter reads, which the writer of a link and the
/// read thread call too. Handles and cached descriptor data sit behind one
/// lock that is never held during a transfer or a wait for the GUI thread.
class TJvHidDevice
{
public:
    /// Direct creation is not allowed: raises EControllerError.
    TJvHidDevice();
    /// Made by the controller's scan; raises EControllerError when the
    /// interface cannot be opened or identified. Takes ownership of pnpInfo.
    TJvHidDevice(TJvHidPnPInfo* pnpInfo, TJvHidDeviceController* controller);
    virtual ~TJvHidDevice();

    TJvHidDevice(const TJvHidDevice&) = delete;
    TJvHidDevice& operator=(const TJvHidDevice&) = delete;

    // Properties
    const HIDD_ATTRIBUTES& Attributes() const { return FAttributes; }
    HIDP_CAPS Caps() { return GetCaps(); }
    bool HasReadWriteAccess() const { return FHasReadWriteAccess; }
    bool IsCheckedOut() const { return FIsCheckedOut; }
    bool IsPluggedIn() const { return FIsPluggedIn; }
    bool IsEnumerated() const { return FIsEnumerated; }
    const TJvHidPnPInfo* PnPInfo() const { return FPnPInfo; }
    TJvHidDeviceController* Controller() const { return FMyController; }
    /// Expires when the device is destroyed.
    std::weak_ptr<const int> LifetimeToken() const { return FLifetime; }
    /// Why the last open of the synchronous handle failed, empty after a success.
    qx::hid::OpenError LastOpenError() const;

    std::wstring VendorName();
    std::wstring ProductName();
    std::wstring SerialNumber();
    std::vector<std::string> LanguageStrings();
    TJvPhysicalDescriptor PhysicalDescriptor();
    std::shared_ptr<const qx::hid::PreparsedData> PreparsedData();
    HIDD_CONFIGURATION Configuration();
    void SetConfiguration(const HIDD_CONFIGURATION& Config);

    int NumInputBuffers() const { return FNumInputBuffers; }
    void SetNumInputBuffers(int Count);
    int NumOverlappedBuffers() const { return FNumOverlappedBuffers; }
    void SetNumOverlappedBuffers(int Count);
    int ThreadSleepTime() const { return FThreadSleepTime; }
    /// Accepts 10..10000 ms only.
    void SetThreadSleepTime(int SleepTime);
    std::uint32_t ReportTypeParam() const { return FReportTypeParam; }
    void SetReportTypeParam(std::uint32_t ReportType);
    USAGE UsagePageParam() const { return FUsagePageParam; }
    void SetUsagePageParam(USAGE UsagePage);
    std::uint16_t LinkCollectionParam() const { return FLinkCollectionParam; }
    void SetLinkCollectionParam(std::uint16_t LinkCollection) { FLinkCollectionParam = LinkCollection; }
    USAGE UsageParam() const { return FUsageParam; }
    void SetUsageParam(USAGE Usage) { FUsageParam = Usage; }
    std::uint32_t MaxDataListLength() const { return FMaxDataListLength; }
    std::uint32_t MaxUsageListLength() const { return FMaxUsageListLength; }
    std::uint32_t MaxButtonListLength() const { return FMaxButtonListLength; }
    int Tag() const { return FTag; }
    void SetTag(int Tag) { FTag = Tag; }

    const TJvHidDataEvent& OnData() const { return FData; }
    /// An empty handler stops the read thread; a handler starts it when it can run.
    void SetOnData(const TJvHidDataEvent& DataEvent);
    const TJvHidDataErrorEvent& OnDataError() const { return FDataError; }
    void SetOnDataError(const TJvHidDataErrorEvent& DataErrorEvent) { FDataError = DataErrorEvent; }
    const TJvHidPlugEvent& OnUnplug() const { return FUnplug; }
    void SetOnUnplug(const TJvHidPlugEvent& Unplug) { FUnplug = Unplug; }

    // The program's road
    HIDP_CAPS GetCaps();
    bool WriteFile(const void* Report, std::uint32_t ToWrite, std::uint32_t& BytesWritten);
    bool CheckOut();

    // Handles
    bool OpenFile();
    bool OpenFileEx(TJvHidOpenExMode Mode);
    void CloseFile();
    void CloseFileEx(TJvHidOpenExMode Mode);

    // Input and output
    /// One input report, report id first; waits until one comes.
    bool ReadFile(void* Report, std::uint32_t ToRead, std::uint32_t& BytesRead);
    /// Not on Linux: device-specific control codes have no safe equivalent.
    bool DeviceIoControl(std::uint32_t IoControlCode, const void* InBuffer, std::uint32_t InSize, void* OutBuffer,
                         std::uint32_t OutSize, std::uint32_t& BytesReturned);
    /// Reads one input report on the overlapped read handle, then calls the
    /// completion routine with the errno value and the byte count.
    using TCompletionRoutine = void (*)(std::uint32_t Error, std::uint32_t Bytes, void* Context);
    bool ReadFileEx(void* Report, std::uint32_t ToRead, TCompletionRoutine Completion, void* Context = nullptr);
    bool WriteFileEx(const void* Report, std::uint32_t ToWrite, TCompletionRoutine Completion, void* Context = nullptr);
    std::uint32_t HidOverlappedReadResult();
    std::uint32_t HidOverlappedWriteResult();
    bool GetFeature(void* Report, int Size);
    bool SetFeature(const void* Report, int Size);
    bool GetInputReport(void* Report, int Size);
    bool SetOutputReport(const void* Report, int Size);
    bool FlushQueue();
    bool CancelIO(TJvHidOpenExMode Mode);

    // Strings and descriptors
    std::wstring GetDeviceStringUnicode(std::uint8_t Idx);
    std::string GetDeviceStringAnsi(std::uint8_t Idx);
    HIDP_LINK_COLLECTION_NODE GetLinkCollectionNode(std::uint16_t Idx);

    // Report parsing with the device's parameters; HIDP_STATUS_NULL when
    // the device is not accessible.
    NTSTATUS GetButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, std::uint16_t& Count);
    NTSTATUS GetSpecificButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, std::uint16_t& Count);
    NTSTATUS GetValueCaps(HIDP_VALUE_CAPS* ValueCaps, std::uint16_t& Count);
    NTSTATUS GetSpecificValueCaps(HIDP_VALUE_CAPS* ValueCaps, std::uint16_t& Count);
    NTSTATUS GetData(HIDP_DATA* DataList, std::uint32_t& DataLength, const void* Report, std::uint32_t ReportLength);
    NTSTATUS SetData(const HIDP_DATA* DataList, std::uint32_t& DataLength, void* Report, std::uint32_t ReportLength);
    NTSTATUS GetUsages(USAGE* UsageList, std::uint32_t& UsageLength, const void* Report, std::uint32_t ReportLength);
    NTSTATUS GetButtons(USAGE* UsageList, std::uint32_t& UsageLength, const void* Report, std::uint32_t ReportLength);
    NTSTATUS GetUsagesEx(USAGE_AND_PAGE* UsageList, std::uint32_t& UsageLength, const void* Report,
                         std::uint32_t ReportLength);
    NTSTATUS GetButtonsEx(USAGE_AND_PAGE* UsageList, std::uint32_t& UsageLength, const void* Report,
                          std::uint32_t ReportLength);
    NTSTATUS SetUsages(const USAGE* UsageList, std::uint32_t& UsageLength, void* Report, std::uint32_t ReportLength);
    NTSTATUS SetButtons(const USAGE* UsageList, std::uint32_t& UsageLength, void* Report, std::uint32_t ReportLength);
    NTSTATUS UnsetUsages(const USAGE* UsageList, std::uint32_t& UsageLength, void* Report, std::uint32_t ReportLength);
    NTSTATUS UnsetButtons(const USAGE* UsageList, std::uint32_t& UsageLength, void* Report, std::uint32_t ReportLength);
    NTSTATUS GetUsageValue(std::uint32_t& UsageValue, const void* Report, std::uint32_t ReportLength);
    NTSTATUS GetScaledUsageValue(std::int32_t& UsageValue, const void* Report, std::uint32_t ReportLength);
    NTSTATUS SetUsageValue(std::uint32_t UsageValue, void* Report, std::uint32_t ReportLength);
    NTSTATUS SetScaledUsageValue(std::int32_t UsageValue, void* Report, std::uint32_t ReportLength);
    NTSTATUS GetUsageValueArray(void* UsageValueBuffer, std::uint16_t UsageValueByteLength, const void* Report,
                                std::uint32_t ReportLength);
    NTSTATUS SetUsageValueArray(const void* UsageValueBuffer, std::uint16_t UsageValueByteLength, void* Report,
                                std::uint32_t ReportLength);
    /// The HID library here has no extended attributes: HIDP_STATUS_NOT_IMPLEMENTED.
    NTSTATUS GetExtendedAttributes(HIDP_REPORT_TYPE ReportType, std::uint16_t DataIndex, void* Attributes,
                                   std::uint32_t& LengthAttributes);
    NTSTATUS InitializeReportForID(HIDP_REPORT_TYPE ReportType, std::uint8_t ReportID, void* Report,
                                   std::uint32_t ReportLength);

private:
    friend class TJvHidDeviceController;
    friend class TJvHidDeviceReadThread;

    struct ReadOutcome
    {
        std::uint32_t bytes = 0;
        std::uint32_t error = 0; ///< errno; the read could not be made
    };

    bool Accessible() const { return FIsPluggedIn && (FIsCheckedOut || FIsEnumerated); }
    std::shared_ptr<qx::hid::Connection> SyncHandle();
    std::shared_ptr<qx::hid::Connection> OpenHandleEx(TJvHidOpenExMode Mode);
    /// Reads one report into `report` with the report id in front, also for
    /// a device without numbered reports. Waits at most `timeoutMs`
    /// (negative: without limit); 0 bytes when nothing came.
    ReadOutcome ReadReport(qx::hid::Connection& connection, std::uint8_t* report, std::uint32_t size, int timeoutMs,
                           std::stop_token stop);
    std::wstring CachedString(std::wstring& cache, std::optional<std::wstring> (qx::hid::Connection::*get)());
    std::vector<std::uint16_t> LanguageIds(qx::hid::Connection& connection);
    template <class Call>
    NTSTATUS WithPreparsed(Call call);
    void RefreshMaxLengths();
    void CloseAllHandles();
    void StartThread();
    void StopThread();
    void Unplug();
    void SetEnumerated(bool Enumerated) { FIsEnumerated = Enumerated; }

    TJvHidDeviceController* FMyController = nullptr;
    qx::hid::Backend* FBackend = nullptr;
    qx::MessageTarget* FWindow = nullptr;
    std::atomic<bool> FIsPluggedIn{true};
    std::atomic<bool> FIsCheckedOut{false};
    std::atomic<bool> FIsEnumerated{false};
    HIDD_ATTRIBUTES FAttributes;
    TJvHidPnPInfo* FPnPInfo = nullptr;
    std::wstring FVendorName;
    std::wstring FProductName;
    std::wstring FSerialNumber;
    TJvPhysicalDescriptor FPhysicalDescriptor;
    std::vector<std::string> FLanguageStrings;
    std::vector<HIDP_LINK_COLLECTION_NODE> FLinkCollection;
    std::atomic<int> FNumInputBuffers{0};
    std::atomic<int> FNumOverlappedBuffers{0};
    std::atomic<int> FThreadSleepTime{100};
    std::uint32_t FMaxDataListLength = 0;
    std::uint32_t FMaxUsageListLength = 0;
    std::uint32_t FMaxButtonListLength = 0;
    std::uint32_t FReportTypeParam = 0;
    USAGE FUsagePageParam = 0;
    std::uint16_t FLinkCollectionParam = 0;
    USAGE FUsageParam = 0;
    TJvHidDataEvent FData;
    TJvHidDataErrorEvent FDataError;
    TJvHidPlugEvent FUnplug;
    std::atomic<bool> FHasReadWriteAccess{false};
    TJvHidDeviceReadThread* FDataThread = nullptr;
    int FTag = 0;

    // Shared with the writer and the read thread.
    mutable std::mutex FHandleLock;
    std::shared_ptr<qx::hid::Connection> FHidFileHandle;
    std::shared_ptr<qx::hid::Connection> FHidOverlappedRead;
    std::shared_ptr<qx::hid::Connection> FHidOverlappedWrite;
    std::shared_ptr<const qx::hid::PreparsedData> FPreparsedData;
    qx::hid::OpenError FLastOpenError;
    std::uint32_t FReadResult = 0;
    std::uint32_t FWriteResult = 0;

    /// Expires when the device is destroyed, so a scan can tell whether an
    /// event handler destroyed it.
    std::shared_ptr<int> FLifetime = std::make_shared<int>(0);
};
