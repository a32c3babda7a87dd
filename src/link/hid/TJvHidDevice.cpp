#include "link/hid/TJvHidDevice.h"

#include "link/hid/TJvHidDeviceController.h"
#include "link/hid/TJvHidDeviceReadThread.h"
#include "link/hid/TJvHidPnPInfo.h"
#include "platform/hid/PreparsedData.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <span>

namespace {

constexpr std::size_t kMaxStringChars = 254; // a 508-byte string buffer

std::span<std::uint8_t> bytes(void* report, std::uint32_t length)
{
    return {static_cast<std::uint8_t*>(report), length};
}

std::span<const std::uint8_t> bytes(const void* report, std::uint32_t length)
{
    return {static_cast<const std::uint8_t*>(report), length};
}

} // namespace

std::string HidErrorString(NTSTATUS Status)
{
    static const std::map<NTSTATUS, const char*> messages = {
        {HIDP_STATUS_NULL, "device not plugged in"},
        {HIDP_STATUS_INVALID_PREPARSED_DATA, "invalid preparsed data"},
        {HIDP_STATUS_INVALID_REPORT_TYPE, "invalid report type"},
        {HIDP_STATUS_INVALID_REPORT_LENGTH, "invalid report length"},
        {HIDP_STATUS_USAGE_NOT_FOUND, "usage not found"},
        {HIDP_STATUS_VALUE_OUT_OF_RANGE, "value out of range"},
        {HIDP_STATUS_BAD_LOG_PHY_VALUES, "bad logical or physical values"},
        {HIDP_STATUS_BUFFER_TOO_SMALL, "buffer too small"},
        {HIDP_STATUS_INTERNAL_ERROR, "internal error"},
        {HIDP_STATUS_I8042_TRANS_UNKNOWN, "8042 key translation impossible"},
        {HIDP_STATUS_INCOMPATIBLE_REPORT_ID, "incompatible report ID"},
        {HIDP_STATUS_NOT_VALUE_ARRAY, "not a value array"},
        {HIDP_STATUS_IS_VALUE_ARRAY, "is a value array"},
        {HIDP_STATUS_DATA_INDEX_NOT_FOUND, "data index not found"},
        {HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE, "data index out of range"},
        {HIDP_STATUS_BUTTON_NOT_PRESSED, "button not pressed"},
        {HIDP_STATUS_REPORT_DOES_NOT_EXIST, "report does not exist"},
        {HIDP_STATUS_NOT_IMPLEMENTED, "not implemented"},
    };
    const bool hidFacility = ((Status >> 16) & 0xFF) == 0x11;
    const bool errorOrWarning = (Status & 0xC0000000u) != 0;
    if (!hidFacility || !errorOrWarning)
        return {};
    const auto found = messages.find(Status);
    if (found != messages.end())
        return std::string("HID Error: ") + found->second;
    char text[40];
    std::snprintf(text, sizeof text, "unknown HID error %x", static_cast<unsigned>(Status));
    return std::string("HID Error: ") + text;
}

NTSTATUS HidError(NTSTATUS Status)
{
    const std::string text = HidErrorString(Status);
    if (!text.empty())
        throw EHidClientError(text);
    return Status;
}

NTSTATUS HidCheck(NTSTATUS Status)
{
    if (Status != HIDP_STATUS_SUCCESS)
        HidError(Status);
    return Status;
}

TJvHidDevice::TJvHidDevice()
{
    throw EControllerError("Direct creation of a TJvHidDevice object is not allowed");
}

TJvHidDevice::TJvHidDevice(TJvHidPnPInfo* pnpInfo, TJvHidDeviceController* controller)
    : FMyController(controller), FBackend(&controller->Backend()), FWindow(&controller->Window()), FPnPInfo(pnpInfo)
{
    SetOnData(controller->OnDeviceData());
    FUnplug = controller->OnDeviceUnplug();
    // The enumeration already knows what an open would tell; nothing is
    // opened here, so listing devices never touches them.
    const qx::hid::DeviceInfo& info = pnpInfo->Info();
    const char* failure = info.path.empty() ? "device cannot be opened"
                          : !info.identified ? "device cannot be identified"
                                             : nullptr;
    if (failure) {
        delete FPnPInfo;
        throw EControllerError(failure);
    }
    FHasReadWriteAccess = info.readWriteAccess;
    FAttributes.VendorID = info.vendorId;
    FAttributes.ProductID = info.productId;
    FAttributes.VersionNumber = info.versionNumber;
}

TJvHidDevice::~TJvHidDevice()
{
    const TJvHidDataEvent data = FData;
    const TJvHidPlugEvent unplug = FUnplug;
    SetOnData({});
    FUnplug = {};
    CloseAllHandles();
    {
        std::lock_guard lock(FHandleLock);
        FPreparsedData.reset();
    }
    FLanguageStrings.clear();
    if (FMyController)
        FMyController->DeviceDestroyed(this, data, unplug);
    delete FPnPInfo;
}

qx::hid::OpenError TJvHidDevice::LastOpenError() const
{
    std::lock_guard lock(FHandleLock);
    return FLastOpenError;
}

// Handles

std::shared_ptr<qx::hid::Connection> TJvHidDevice::SyncHandle()
{
    std::lock_guard lock(FHandleLock);
    if (!Accessible())
        return nullptr;
    if (!FHidFileHandle) {
        const std::string& path = FPnPInfo->DevicePath();
        qx::hid::OpenResult opened = FBackend->open(path, qx::hid::Access::ReadWrite);
        FHasReadWriteAccess = opened.connection != nullptr;
        FLastOpenError = opened.error;
        if (!opened.connection)
            opened = FBackend->open(path, qx::hid::Access::Query);
        FHidFileHandle = opened.connection;
        // The system keeps a fixed input buffer per open node: a buffer
        // count cannot be set, NumInputBuffers stays as it is.
    }
    return FHidFileHandle;
}

std::shared_ptr<qx::hid::Connection> TJvHidDevice::OpenHandleEx(TJvHidOpenExMode Mode)
{
    std::lock_guard lock(FHandleLock);
    if (!Accessible())
        return nullptr;
    auto& handle = Mode == omhRead ? FHidOverlappedRead : FHidOverlappedWrite;
    if (!handle)
        handle = FBackend->open(FPnPInfo->DevicePath(), Mode == omhRead ? qx::hid::Access::Read : qx::hid::Access::Write)
                     .connection;
    return handle;
}

bool TJvHidDevice::OpenFile()
{
    return SyncHandle() != nullptr;
}

bool TJvHidDevice::OpenFileEx(TJvHidOpenExMode Mode)
{
    return OpenHandleEx(Mode) != nullptr;
}

void TJvHidDevice::CloseFile()
{
    std::lock_guard lock(FHandleLock);
    FHidFileHandle.reset();
    FNumInputBuffers = 0;
}

void TJvHidDevice::CloseFileEx(TJvHidOpenExMode Mode)
{
    std::lock_guard lock(FHandleLock);
    if (Mode == omhRead) {
        if (FHidOverlappedRead)
            FHidOverlappedRead->cancelRead();
        FHidOverlappedRead.reset();
        FNumOverlappedBuffers = 0;
    } else {
        FHidOverlappedWrite.reset();
    }
}

void TJvHidDevice::CloseAllHandles()
{
    CloseFile();
    CloseFileEx(omhRead);
    CloseFileEx(omhWrite);
}

// Thread

void TJvHidDevice::SetOnData(const TJvHidDataEvent& DataEvent)
{
    if (!DataEvent)
        StopThread();
    FData = DataEvent;
    StartThread();
}

void TJvHidDevice::StartThread()
{
    if (!FData || !FIsPluggedIn || !FIsCheckedOut || !FHasReadWriteAccess || FDataThread)
        return;
    // Open the read handle here, so the reports that come from now on are
    // queued for the thread even before it first reads.
    OpenFileEx(omhRead);
    FDataThread = new TJvHidDeviceReadThread(this);
    FDataThread->Resume();
}

void TJvHidDevice::StopThread()
{
    TJvHidDeviceReadThread* thread = FDataThread;
    if (!thread)
        return;
    FDataThread = nullptr;
    thread->Terminate();
    thread->WaitFor();
    delete thread;
}

bool TJvHidDevice::CheckOut()
{
    if (!FMyController || !FIsPluggedIn || FIsCheckedOut)
        return false;
    FIsCheckedOut = true;
    FMyController->CountCheckOut();
    StartThread();
    return true;
}

void TJvHidDevice::Unplug()
{
    FIsPluggedIn = false; // first, so no other thread opens a handle again
    CloseAllHandles();
    const TJvHidPlugEvent handler = FUnplug;
    FUnplug = {};
    if (handler)
        handler(this); // may destroy this device
}

// Transfers

TJvHidDevice::ReadOutcome TJvHidDevice::ReadReport(qx::hid::Connection& connection, std::uint8_t* report,
                                                   std::uint32_t size, int timeoutMs, std::stop_token stop)
{
    if (size == 0)
        return {0, EINVAL};
    bool numbered = false;
    {
        std::lock_guard lock(FHandleLock);
        numbered = FPreparsedData && FPreparsedData->descriptor().usesReportIds();
    }
    // Without numbered reports the system leaves out the report id byte;
    // callers always get it, as 0, in front.
    std::uint8_t* target = numbered ? report : report + 1;
    const std::uint32_t room = numbered ? size : size - 1;
    const qx::hid::IoResult result =
        connection.read({target, room}, std::chrono::milliseconds(timeoutMs), std::move(stop));
    if (!result.ok())
        return {0, static_cast<std::uint32_t>(result.error)};
    if (result.bytes <= 0)
        return {0, 0};
    if (!numbered)
        report[0] = 0;
    return {static_cast<std::uint32_t>(result.bytes) + (numbered ? 0u : 1u), 0};
}

bool TJvHidDevice::WriteFile(const void* Report, std::uint32_t ToWrite, std::uint32_t& BytesWritten)
{
    BytesWritten = 0;
    const auto handle = SyncHandle();
    if (!handle)
        return false;
    const qx::hid::IoResult result = handle->write(bytes(Report, ToWrite));
    if (!result.ok())
        return false;
    BytesWritten = static_cast<std::uint32_t>(result.bytes);
    return true;
}

bool TJvHidDevice::ReadFile(void* Report, std::uint32_t ToRead, std::uint32_t& BytesRead)
{
    BytesRead = 0;
    const auto handle = SyncHandle();
    if (!handle)
        return false;
    const ReadOutcome outcome = ReadReport(*handle, static_cast<std::uint8_t*>(Report), ToRead, -1, {});
    BytesRead = outcome.bytes;
    return outcome.error == 0;
}

bool TJvHidDevice::DeviceIoControl(std::uint32_t, const void*, std::uint32_t, void*, std::uint32_t,
                                   std::uint32_t& BytesReturned)
{
    BytesReturned = 0;
    return false;
}

bool TJvHidDevice::ReadFileEx(void* Report, std::uint32_t ToRead, TCompletionRoutine Completion, void* Context)
{
    const auto handle = OpenHandleEx(omhRead);
    if (!handle)
        return false;
    const ReadOutcome outcome = ReadReport(*handle, static_cast<std::uint8_t*>(Report), ToRead, -1, {});
    {
        std::lock_guard lock(FHandleLock);
        FReadResult = outcome.bytes;
    }
    if (Completion)
        Completion(outcome.error, outcome.bytes, Context);
    return true;
}

bool TJvHidDevice::WriteFileEx(const void* Report, std::uint32_t ToWrite, TCompletionRoutine Completion, void* Context)
{
    const auto handle = OpenHandleEx(omhWrite);
    if (!handle)
        return false;
    const qx::hid::IoResult result = handle->write(bytes(Report, ToWrite));
    const std::uint32_t written = result.ok() ? static_cast<std::uint32_t>(result.bytes) : 0;
    {
        std::lock_guard lock(FHandleLock);
        FWriteResult = written;
    }
    if (Completion)
        Completion(static_cast<std::uint32_t>(result.error), written, Context);
    return true;
}

std::uint32_t TJvHidDevice::HidOverlappedReadResult()
{
    std::lock_guard lock(FHandleLock);
    return FHidOverlappedRead ? FReadResult : 0;
}

std::uint32_t TJvHidDevice::HidOverlappedWriteResult()
{
    std::lock_guard lock(FHandleLock);
    return FHidOverlappedWrite ? FWriteResult : 0;
}

bool TJvHidDevice::GetFeature(void* Report, int Size)
{
    const auto handle = SyncHandle();
    return handle && Size > 0 && handle->getFeature(bytes(Report, static_cast<std::uint32_t>(Size))).ok();
}

bool TJvHidDevice::SetFeature(const void* Report, int Size)
{
    const auto handle = SyncHandle();
    return handle && Size > 0 && handle->setFeature(bytes(Report, static_cast<std::uint32_t>(Size))).ok();
}

bool TJvHidDevice::GetInputReport(void* Report, int Size)
{
    const auto handle = SyncHandle();
    return handle && Size > 0 && handle->getInputReport(bytes(Report, static_cast<std::uint32_t>(Size))).ok();
}

bool TJvHidDevice::SetOutputReport(const void* Report, int Size)
{
    const auto handle = SyncHandle();
    return handle && Size > 0 && handle->setOutputReport(bytes(Report, static_cast<std::uint32_t>(Size))).ok();
}

bool TJvHidDevice::FlushQueue()
{
    const auto handle = SyncHandle();
    return handle && handle->flush();
}

bool TJvHidDevice::CancelIO(TJvHidOpenExMode Mode)
{
    std::lock_guard lock(FHandleLock);
    const auto& handle = Mode == omhRead ? FHidOverlappedRead : FHidOverlappedWrite;
    if (!handle)
        return false;
    if (Mode == omhRead)
        handle->cancelRead();
    return true; // writes complete before WriteFileEx returns
}

HIDD_CONFIGURATION TJvHidDevice::Configuration()
{
    // The system has no configuration record for a HID interface.
    return {};
}

void TJvHidDevice::SetConfiguration(const HIDD_CONFIGURATION&) {}

// Strings and descriptors

std::wstring TJvHidDevice::CachedString(std::wstring& cache,
                                        std::optional<std::wstring> (qx::hid::Connection::*get)())
{
    if (!cache.empty() || !Accessible())
        return cache;
    if (const auto handle = SyncHandle())
        if (const auto text = ((*handle).*get)())
            cache = text->substr(0, kMaxStringChars);
    CloseFile();
    return cache;
}

std::wstring TJvHidDevice::VendorName()
{
    return CachedString(FVendorName, &qx::hid::Connection::manufacturer);
}

std::wstring TJvHidDevice::ProductName()
{
    return CachedString(FProductName, &qx::hid::Connection::product);
}

std::vector<std::uint16_t> TJvHidDevice::LanguageIds(qx::hid::Connection& connection)
{
    std::vector<std::uint16_t> ids;
    if (const auto list = connection.indexedString(0))
        for (std::size_t i = 0; i < list->size() && i < kMaxStringChars; ++i)
            ids.push_back(static_cast<std::uint16_t>((*list)[i]));
    return ids;
}

std::wstring TJvHidDevice::SerialNumber()
{
    if (!FSerialNumber.empty() || !Accessible())
        return FSerialNumber;
    if (const auto handle = SyncHandle()) {
        if (const auto serial = handle->serialNumber()) {
            // Some devices answer the serial number request with their
            // language list; such a serial, or a device that has an empty
            // list, is not taken. A system that cannot read the list at
            // all takes the serial as it is.
            const bool listReadable = handle->indexedString(0).has_value();
            const std::vector<std::uint16_t> ids = LanguageIds(*handle);
            bool differs = !listReadable;
            for (std::size_t i = 0; i < ids.size(); ++i)
                differs = differs || (i < serial->size() ? static_cast<std::uint16_t>((*serial)[i]) : 0) != ids[i];
            if (differs)
                FSerialNumber = serial->substr(0, kMaxStringChars);
        }
    }
    CloseFile();
    return FSerialNumber;
}

std::vector<std::string> TJvHidDevice::LanguageStrings()
{
    if (!FLanguageStrings.empty() || !Accessible())
        return FLanguageStrings;
    if (const auto handle = SyncHandle())
        for (const std::uint16_t id : LanguageIds(*handle)) {
            // The system has no table of language names by id.
            char text[32];
            std::snprintf(text, sizeof text, "unknown Locale ID $%.4x", id);
            FLanguageStrings.emplace_back(text);
        }
    CloseFile();
    return FLanguageStrings;
}

TJvPhysicalDescriptor TJvHidDevice::PhysicalDescriptor()
{
    // Physical descriptors cannot be read through the system's HID
    // interface: the result stays empty, as for a device without one.
    if (FPhysicalDescriptor.empty() && Accessible()) {
        OpenFile();
        CloseFile();
    }
    return FPhysicalDescriptor;
}

std::wstring TJvHidDevice::GetDeviceStringUnicode(std::uint8_t Idx)
{
    if (Idx == 0)
        return {};
    const auto handle = SyncHandle();
    if (!handle)
        return {};
    const auto text = handle->indexedString(Idx);
    return text ? text->substr(0, kMaxStringChars) : std::wstring();
}

std::string TJvHidDevice::GetDeviceStringAnsi(std::uint8_t Idx)
{
    std::string text;
    for (const wchar_t c : GetDeviceStringUnicode(Idx))
        text.push_back(c >= 0 && c <= 0xFF ? static_cast<char>(c) : '?');
    return text;
}

std::shared_ptr<const qx::hid::PreparsedData> TJvHidDevice::PreparsedData()
{
    {
        std::lock_guard lock(FHandleLock);
        if (FPreparsedData)
            return FPreparsedData;
    }
    const auto handle = SyncHandle();
    if (!handle)
        return nullptr;
    std::shared_ptr<const qx::hid::PreparsedData> parsed;
    if (const auto descriptor = handle->reportDescriptor()) {
        auto result = qx::hid::ReportDescriptor::parse(*descriptor);
        if (result.descriptor)
            parsed = std::make_shared<const qx::hid::PreparsedData>(std::move(*result.descriptor));
    }
    CloseFile();
    std::lock_guard lock(FHandleLock);
    if (!FPreparsedData)
        FPreparsedData = parsed;
    return FPreparsedData;
}

HIDP_CAPS TJvHidDevice::GetCaps()
{
    HIDP_CAPS caps;
    if (const auto preparsed = PreparsedData())
        preparsed->getCaps(caps);
    return caps;
}

HIDP_LINK_COLLECTION_NODE TJvHidDevice::GetLinkCollectionNode(std::uint16_t Idx)
{
    if (FLinkCollection.empty()) {
        const HIDP_CAPS caps = GetCaps();
        if (const auto preparsed = PreparsedData()) {
            std::uint32_t count = caps.NumberLinkCollectionNodes;
            FLinkCollection.resize(count);
            if (preparsed->getLinkCollectionNodes(FLinkCollection.data(), count) != HIDP_STATUS_SUCCESS)
                FLinkCollection.clear();
        }
    }
    return Idx < FLinkCollection.size() ? FLinkCollection[Idx] : HIDP_LINK_COLLECTION_NODE{};
}

// Parameters

void TJvHidDevice::SetNumInputBuffers(int Count)
{
    // The system's input buffer per open node has a fixed size, so the
    // count cannot be set; the open still happens as it would.
    if (Count != FNumInputBuffers)
        OpenFile();
}

void TJvHidDevice::SetNumOverlappedBuffers(int Count)
{
    if (Count != FNumOverlappedBuffers)
        OpenFileEx(omhRead);
}

void TJvHidDevice::SetThreadSleepTime(int SleepTime)
{
    if (SleepTime >= 10 && SleepTime <= 10000)
        FThreadSleepTime = SleepTime;
}

void TJvHidDevice::SetReportTypeParam(std::uint32_t ReportType)
{
    FReportTypeParam = ReportType;
    RefreshMaxLengths();
}

void TJvHidDevice::SetUsagePageParam(USAGE UsagePage)
{
    FUsagePageParam = UsagePage;
    RefreshMaxLengths();
}

void TJvHidDevice::RefreshMaxLengths()
{
    if (!Accessible())
        return;
    if (const auto preparsed = PreparsedData()) {
        const auto type = static_cast<HIDP_REPORT_TYPE>(FReportTypeParam);
        FMaxDataListLength = preparsed->maxDataListLength(type);
        FMaxUsageListLength = preparsed->maxUsageListLength(type, FUsagePageParam);
        FMaxButtonListLength = FMaxUsageListLength;
    }
}

// Report parsing

template <class Call>
NTSTATUS TJvHidDevice::WithPreparsed(Call call)
{
    if (!Accessible())
        return HIDP_STATUS_NULL;
    const auto preparsed = PreparsedData();
    if (!preparsed)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    return call(*preparsed, static_cast<HIDP_REPORT_TYPE>(FReportTypeParam));
}

NTSTATUS TJvHidDevice::GetButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, std::uint16_t& Count)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getSpecificButtonCaps(type, 0, 0, 0, ButtonCaps, Count);
    });
}

NTSTATUS TJvHidDevice::GetSpecificButtonCaps(HIDP_BUTTON_CAPS* ButtonCaps, std::uint16_t& Count)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getSpecificButtonCaps(type, FUsagePageParam, FLinkCollectionParam, FUsageParam, ButtonCaps, Count);
    });
}

NTSTATUS TJvHidDevice::GetValueCaps(HIDP_VALUE_CAPS* ValueCaps, std::uint16_t& Count)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getSpecificValueCaps(type, 0, 0, 0, ValueCaps, Count);
    });
}

NTSTATUS TJvHidDevice::GetSpecificValueCaps(HIDP_VALUE_CAPS* ValueCaps, std::uint16_t& Count)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getSpecificValueCaps(type, FUsagePageParam, FLinkCollectionParam, FUsageParam, ValueCaps, Count);
    });
}

NTSTATUS TJvHidDevice::GetData(HIDP_DATA* DataList, std::uint32_t& DataLength, const void* Report,
                               std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getData(type, DataList, DataLength, bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::SetData(const HIDP_DATA* DataList, std::uint32_t& DataLength, void* Report,
                               std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.setData(type, DataList, DataLength, bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::GetUsages(USAGE* UsageList, std::uint32_t& UsageLength, const void* Report,
                                 std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getUsages(type, FUsagePageParam, FLinkCollectionParam, UsageList, UsageLength,
                           bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::GetButtons(USAGE* UsageList, std::uint32_t& UsageLength, const void* Report,
                                  std::uint32_t ReportLength)
{
    return GetUsages(UsageList, UsageLength, Report, ReportLength);
}

NTSTATUS TJvHidDevice::GetUsagesEx(USAGE_AND_PAGE* UsageList, std::uint32_t& UsageLength, const void* Report,
                                   std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getUsagesEx(type, FLinkCollectionParam, UsageList, UsageLength, bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::GetButtonsEx(USAGE_AND_PAGE* UsageList, std::uint32_t& UsageLength, const void* Report,
                                    std::uint32_t ReportLength)
{
    return GetUsagesEx(UsageList, UsageLength, Report, ReportLength);
}

NTSTATUS TJvHidDevice::SetUsages(const USAGE* UsageList, std::uint32_t& UsageLength, void* Report,
                                 std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.setUsages(type, FUsagePageParam, FLinkCollectionParam, UsageList, UsageLength,
                           bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::SetButtons(const USAGE* UsageList, std::uint32_t& UsageLength, void* Report,
                                  std::uint32_t ReportLength)
{
    return SetUsages(UsageList, UsageLength, Report, ReportLength);
}

NTSTATUS TJvHidDevice::UnsetUsages(const USAGE* UsageList, std::uint32_t& UsageLength, void* Report,
                                   std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.unsetUsages(type, FUsagePageParam, FLinkCollectionParam, UsageList, UsageLength,
                             bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::UnsetButtons(const USAGE* UsageList, std::uint32_t& UsageLength, void* Report,
                                    std::uint32_t ReportLength)
{
    return UnsetUsages(UsageList, UsageLength, Report, ReportLength);
}

NTSTATUS TJvHidDevice::GetUsageValue(std::uint32_t& UsageValue, const void* Report, std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getUsageValue(type, FUsagePageParam, FLinkCollectionParam, FUsageParam, UsageValue,
                               bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::GetScaledUsageValue(std::int32_t& UsageValue, const void* Report, std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getScaledUsageValue(type, FUsagePageParam, FLinkCollectionParam, FUsageParam, UsageValue,
                                     bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::SetUsageValue(std::uint32_t UsageValue, void* Report, std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.setUsageValue(type, FUsagePageParam, FLinkCollectionParam, FUsageParam, UsageValue,
                               bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::SetScaledUsageValue(std::int32_t UsageValue, void* Report, std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.setScaledUsageValue(type, FUsagePageParam, FLinkCollectionParam, FUsageParam, UsageValue,
                                     bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::GetUsageValueArray(void* UsageValueBuffer, std::uint16_t UsageValueByteLength,
                                          const void* Report, std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.getUsageValueArray(type, FUsagePageParam, FLinkCollectionParam, FUsageParam,
                                    bytes(UsageValueBuffer, UsageValueByteLength), bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::SetUsageValueArray(const void* UsageValueBuffer, std::uint16_t UsageValueByteLength,
                                          void* Report, std::uint32_t ReportLength)
{
    return WithPreparsed([&](const qx::hid::PreparsedData& p, HIDP_REPORT_TYPE type) {
        return p.setUsageValueArray(type, FUsagePageParam, FLinkCollectionParam, FUsageParam,
                                    bytes(UsageValueBuffer, UsageValueByteLength), bytes(Report, ReportLength));
    });
}

NTSTATUS TJvHidDevice::GetExtendedAttributes(HIDP_REPORT_TYPE, std::uint16_t, void*, std::uint32_t&)
{
    if (!Accessible())
        return HIDP_STATUS_NULL;
    return HIDP_STATUS_NOT_IMPLEMENTED;
}

NTSTATUS TJvHidDevice::InitializeReportForID(HIDP_REPORT_TYPE ReportType, std::uint8_t ReportID, void* Report,
                                             std::uint32_t ReportLength)
{
    if (!Accessible())
        return HIDP_STATUS_NULL;
    std::shared_ptr<const qx::hid::PreparsedData> preparsed;
    {
        std::lock_guard lock(FHandleLock);
        preparsed = FPreparsedData; // the data held now; not fetched for this
    }
    if (!preparsed)
        return HIDP_STATUS_INVALID_PREPARSED_DATA;
    return preparsed->initializeReportForId(ReportType, ReportID, bytes(Report, ReportLength));
}
