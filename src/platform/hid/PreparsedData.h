#pragma once

#include "platform/hid/HidTypes.h"
#include "platform/hid/ReportDescriptor.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qx::hid {

/// The report-parsing services of the HID library over a parsed report
/// descriptor: capabilities, link collections, and reading and writing
/// buttons and values in report buffers. Report buffers hold the report id
/// in byte 0 and are exactly as long as the capabilities say. A link
/// collection, usage page or usage of 0 matches any.
class PreparsedData
{
public:
    explicit PreparsedData(ReportDescriptor descriptor);

    const ReportDescriptor& descriptor() const { return descriptor_; }

    NTSTATUS getCaps(HIDP_CAPS& caps) const;
    NTSTATUS getLinkCollectionNodes(HIDP_LINK_COLLECTION_NODE* nodes, std::uint32_t& length) const;
    NTSTATUS getSpecificButtonCaps(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                   HIDP_BUTTON_CAPS* caps, std::uint16_t& length) const;
    NTSTATUS getSpecificValueCaps(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                  HIDP_VALUE_CAPS* caps, std::uint16_t& length) const;
    std::uint32_t maxDataListLength(HIDP_REPORT_TYPE type) const;
    std::uint32_t maxUsageListLength(HIDP_REPORT_TYPE type, USAGE page) const;

    NTSTATUS getUsages(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE* list,
                       std::uint32_t& length, std::span<const std::uint8_t> report) const;
    NTSTATUS getUsagesEx(HIDP_REPORT_TYPE type, std::uint16_t collection, USAGE_AND_PAGE* list,
                         std::uint32_t& length, std::span<const std::uint8_t> report) const;
    NTSTATUS setUsages(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, const USAGE* list,
                       std::uint32_t& length, std::span<std::uint8_t> report) const;
    NTSTATUS unsetUsages(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, const USAGE* list,
                         std::uint32_t& length, std::span<std::uint8_t> report) const;

    NTSTATUS getUsageValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                           std::uint32_t& value, std::span<const std::uint8_t> report) const;
    NTSTATUS setUsageValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                           std::uint32_t value, std::span<std::uint8_t> report) const;
    NTSTATUS getScaledUsageValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                 std::int32_t& value, std::span<const std::uint8_t> report) const;
    NTSTATUS setScaledUsageValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                 std::int32_t value, std::span<std::uint8_t> report) const;
    NTSTATUS getUsageValueArray(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                std::span<std::uint8_t> values, std::span<const std::uint8_t> report) const;
    NTSTATUS setUsageValueArray(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                std::span<const std::uint8_t> values, std::span<std::uint8_t> report) const;

    NTSTATUS getData(HIDP_REPORT_TYPE type, HIDP_DATA* list, std::uint32_t& length,
                     std::span<const std::uint8_t> report) const;
    NTSTATUS setData(HIDP_REPORT_TYPE type, const HIDP_DATA* list, std::uint32_t& length,
                     std::span<std::uint8_t> report) const;
    NTSTATUS initializeReportForId(HIDP_REPORT_TYPE type, std::uint8_t reportId, std::span<std::uint8_t> report) const;

private:
    struct Element; // one usage in one field
    struct ValueElement; // a value field and the bit offset of one usage's element
    NTSTATUS checkReport(HIDP_REPORT_TYPE type, std::size_t length) const;
    ValueElement findValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                 std::span<const std::uint8_t> report, NTSTATUS& status) const;
    const ReportField* findValueArray(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                      std::span<const std::uint8_t> report, std::size_t room,
                                      NTSTATUS& status) const;
    std::vector<Element> pressed(HIDP_REPORT_TYPE type, std::uint16_t collection,
                                 std::span<const std::uint8_t> report) const;
    NTSTATUS changeButtons(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, const USAGE* list,
                           std::uint32_t& length, std::span<std::uint8_t> report, bool press) const;
    NTSTATUS changeButton(HIDP_REPORT_TYPE type, std::uint32_t usage, std::uint16_t collection, bool press,
                          std::span<std::uint8_t> report) const;

    ReportDescriptor descriptor_;
    std::vector<HIDP_BUTTON_CAPS> buttonCaps_[3];
    std::vector<HIDP_VALUE_CAPS> valueCaps_[3];
};

} // namespace qx::hid
