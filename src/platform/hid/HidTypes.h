#pragma once

// The records and status codes of the HID library as the device classes use
// them. Field names and sizes follow that library, so code written against
// it reads the same here.

#include <cstdint>

struct GUID
{
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {};
    friend bool operator==(const GUID&, const GUID&) = default;
};

/// The HID device interface class.
inline constexpr GUID GUID_DEVINTERFACE_HID{0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct HIDD_ATTRIBUTES
{
    std::uint32_t Size = 12;
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    std::uint16_t VersionNumber = 0;
};

struct HIDD_CONFIGURATION
{
    void* cookie = nullptr;
    std::uint32_t size = 0;
    std::uint32_t RingBufferSize = 0;
};

using USAGE = std::uint16_t;
using NTSTATUS = std::uint32_t;

struct HIDP_CAPS
{
    USAGE Usage = 0;
    USAGE UsagePage = 0;
    std::uint16_t InputReportByteLength = 0;
    std::uint16_t OutputReportByteLength = 0;
    std::uint16_t FeatureReportByteLength = 0;
    std::uint16_t Reserved[17] = {};
    std::uint16_t NumberLinkCollectionNodes = 0;
    std::uint16_t NumberInputButtonCaps = 0;
    std::uint16_t NumberInputValueCaps = 0;
    std::uint16_t NumberInputDataIndices = 0;
    std::uint16_t NumberOutputButtonCaps = 0;
    std::uint16_t NumberOutputValueCaps = 0;
    std::uint16_t NumberOutputDataIndices = 0;
    std::uint16_t NumberFeatureButtonCaps = 0;
    std::uint16_t NumberFeatureValueCaps = 0;
    std::uint16_t NumberFeatureDataIndices = 0;
};

struct HIDP_LINK_COLLECTION_NODE
{
    USAGE LinkUsage = 0;
    USAGE LinkUsagePage = 0;
    std::uint16_t Parent = 0;
    std::uint16_t NumberOfChildren = 0;
    std::uint16_t NextSibling = 0;
    std::uint16_t FirstChild = 0;
    std::uint8_t CollectionType = 0;
    bool IsAlias = false;
};

/// Usage or usage range of a button or value capability.
struct HIDP_USAGE_RANGE
{
    USAGE UsageMin = 0;
    USAGE UsageMax = 0;
    std::uint16_t DataIndexMin = 0;
    std::uint16_t DataIndexMax = 0;
};

struct HIDP_BUTTON_CAPS
{
    USAGE UsagePage = 0;
    std::uint8_t ReportID = 0;
    bool IsAlias = false;
    std::uint16_t BitField = 0;
    std::uint16_t LinkCollection = 0;
    USAGE LinkUsage = 0;
    USAGE LinkUsagePage = 0;
    bool IsRange = false;
    bool IsAbsolute = false;
    std::uint16_t ReportCount = 0;
    HIDP_USAGE_RANGE Range; ///< UsageMin = UsageMax and one data index when IsRange is false
};

struct HIDP_VALUE_CAPS
{
    USAGE UsagePage = 0;
    std::uint8_t ReportID = 0;
    bool IsAlias = false;
    std::uint16_t BitField = 0;
    std::uint16_t LinkCollection = 0;
    USAGE LinkUsage = 0;
    USAGE LinkUsagePage = 0;
    bool IsRange = false;
    bool IsAbsolute = false;
    bool HasNull = false;
    std::uint16_t BitSize = 0;
    std::uint16_t ReportCount = 0;
    std::uint32_t UnitsExp = 0;
    std::uint32_t Units = 0;
    std::int32_t LogicalMin = 0;
    std::int32_t LogicalMax = 0;
    std::int32_t PhysicalMin = 0;
    std::int32_t PhysicalMax = 0;
    HIDP_USAGE_RANGE Range;
};

struct HIDP_DATA
{
    std::uint16_t DataIndex = 0;
    std::uint32_t RawValue = 0; ///< the value, or 1 for a pressed button
};

struct USAGE_AND_PAGE
{
    USAGE Usage = 0;
    USAGE UsagePage = 0;
};

enum HIDP_REPORT_TYPE : std::uint32_t { HidP_Input = 0, HidP_Output = 1, HidP_Feature = 2 };

inline constexpr NTSTATUS HIDP_STATUS_SUCCESS = 0x00110000;
inline constexpr NTSTATUS HIDP_STATUS_NULL = 0x80110001;
inline constexpr NTSTATUS HIDP_STATUS_INVALID_PREPARSED_DATA = 0xC0110001;
inline constexpr NTSTATUS HIDP_STATUS_INVALID_REPORT_TYPE = 0xC0110002;
inline constexpr NTSTATUS HIDP_STATUS_INVALID_REPORT_LENGTH = 0xC0110003;
inline constexpr NTSTATUS HIDP_STATUS_USAGE_NOT_FOUND = 0xC0110004;
inline constexpr NTSTATUS HIDP_STATUS_VALUE_OUT_OF_RANGE = 0xC0110005;
inline constexpr NTSTATUS HIDP_STATUS_BAD_LOG_PHY_VALUES = 0xC0110006;
inline constexpr NTSTATUS HIDP_STATUS_BUFFER_TOO_SMALL = 0xC0110007;
inline constexpr NTSTATUS HIDP_STATUS_INTERNAL_ERROR = 0xC0110008;
inline constexpr NTSTATUS HIDP_STATUS_I8042_TRANS_UNKNOWN = 0xC0110009;
inline constexpr NTSTATUS HIDP_STATUS_INCOMPATIBLE_REPORT_ID = 0xC011000A;
inline constexpr NTSTATUS HIDP_STATUS_NOT_VALUE_ARRAY = 0xC011000B;
inline constexpr NTSTATUS HIDP_STATUS_IS_VALUE_ARRAY = 0xC011000C;
inline constexpr NTSTATUS HIDP_STATUS_DATA_INDEX_NOT_FOUND = 0xC011000D;
inline constexpr NTSTATUS HIDP_STATUS_DATA_INDEX_OUT_OF_RANGE = 0xC011000E;
inline constexpr NTSTATUS HIDP_STATUS_BUTTON_NOT_PRESSED = 0xC011000F;
inline constexpr NTSTATUS HIDP_STATUS_REPORT_DOES_NOT_EXIST = 0xC0110010;
inline constexpr NTSTATUS HIDP_STATUS_NOT_IMPLEMENTED = 0xC0110020;
