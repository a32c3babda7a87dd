// The HID report-descriptor parser, and the report readers and writers over
// what it parsed: a descriptor is refused with a reason or gives
// capabilities that every reader of a received report, and every writer of a
// report to send, of that length uses without leaving the report's buffer.
// The input is a two-byte descriptor length, the descriptor, then the report
// bytes, which are also the values written.

#include "FuzzInput.h"

#include "platform/hid/PreparsedData.h"
#include "platform/hid/ReportDescriptor.h"

#include <vector>

namespace {

using namespace qx::hid;

// Bounds the lists a forged descriptor could make the reader allocate.
constexpr std::uint32_t kMaxList = 1 << 16;

void readValues(const PreparsedData& data, HIDP_REPORT_TYPE type, std::uint16_t count,
                std::span<const std::uint8_t> report)
{
    std::vector<HIDP_VALUE_CAPS> caps(count);
    std::uint16_t length = count;
    if (data.getSpecificValueCaps(type, 0, 0, 0, caps.data(), length) != HIDP_STATUS_SUCCESS)
        return;
    qxfuzz::check(length <= count, "no more value capabilities than counted");
    for (std::uint16_t i = 0; i < length; ++i) {
        const HIDP_VALUE_CAPS& cap = caps[i];
        const USAGE usage = cap.Range.UsageMin;
        std::uint32_t value = 0;
        std::int32_t scaled = 0;
        data.getUsageValue(type, cap.UsagePage, cap.LinkCollection, usage, value, report);
        data.getScaledUsageValue(type, cap.UsagePage, cap.LinkCollection, usage, scaled, report);
        const std::size_t bytes = (static_cast<std::size_t>(cap.BitSize) * cap.ReportCount + 7) / 8;
        if (bytes <= kMaxList) {
            std::vector<std::uint8_t> values(bytes);
            data.getUsageValueArray(type, cap.UsagePage, cap.LinkCollection, usage, values, report);
        }
    }
}

// Writes each value and button the capabilities name, with values from the
// input, into a report of the capabilities' length.
void writeReport(const PreparsedData& data, HIDP_REPORT_TYPE type, std::size_t length, std::uint16_t valueCaps,
                 std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> report(length, 0);
    qxfuzz::InputReader in(bytes);
    data.initializeReportForId(type, in.byte(), report);

    std::vector<HIDP_VALUE_CAPS> caps(valueCaps);
    std::uint16_t count = valueCaps;
    if (data.getSpecificValueCaps(type, 0, 0, 0, caps.data(), count) == HIDP_STATUS_SUCCESS) {
        for (std::uint16_t i = 0; i < count; ++i) {
            const HIDP_VALUE_CAPS& cap = caps[i];
            const std::uint32_t value = in.word() | static_cast<std::uint32_t>(in.word()) << 16;
            data.setUsageValue(type, cap.UsagePage, cap.LinkCollection, cap.Range.UsageMin, value, report);
            data.setScaledUsageValue(type, cap.UsagePage, cap.LinkCollection, cap.Range.UsageMin,
                                     static_cast<std::int32_t>(value), report);
            const std::size_t arrayBytes = (static_cast<std::size_t>(cap.BitSize) * cap.ReportCount + 7) / 8;
            if (arrayBytes <= kMaxList) {
                std::vector<std::uint8_t> values(arrayBytes, 0x5A);
                data.setUsageValueArray(type, cap.UsagePage, cap.LinkCollection, cap.Range.UsageMin, values, report);
            }
        }
    }

    // Buttons and values by data index, and buttons by usage.
    std::vector<HIDP_DATA> list;
    std::vector<USAGE> usages;
    while (!in.empty() && list.size() < 64) {
        list.push_back({in.word(), in.byte()});
        usages.push_back(in.word());
    }
    std::uint32_t listLength = static_cast<std::uint32_t>(list.size());
    data.setData(type, list.data(), listLength, report);
    std::uint32_t usageLength = static_cast<std::uint32_t>(usages.size());
    data.setUsages(type, 0, 0, usages.data(), usageLength, report);
    usageLength = static_cast<std::uint32_t>(usages.size());
    data.unsetUsages(type, 0, 0, usages.data(), usageLength, report);
}

void readReport(const PreparsedData& data, HIDP_REPORT_TYPE type, std::size_t length, std::uint16_t valueCaps,
                std::span<const std::uint8_t> bytes)
{
    if (length == 0)
        return;
    // A report of exactly the capabilities' length, filled from the input.
    std::vector<std::uint8_t> report(length, 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), length), report.begin());

    std::uint32_t dataLength = std::min(data.maxDataListLength(type), kMaxList);
    std::vector<HIDP_DATA> list(dataLength);
    data.getData(type, list.data(), dataLength, report);

    std::uint32_t usageLength = std::min(data.maxUsageListLength(type, 0), kMaxList);
    std::vector<USAGE_AND_PAGE> usages(usageLength);
    data.getUsagesEx(type, 0, usages.data(), usageLength, report);

    readValues(data, type, valueCaps, report);
    writeReport(data, type, length, valueCaps, bytes);

    // A report of the wrong length is refused, not read.
    std::uint32_t shortLength = 1;
    HIDP_DATA one;
    data.getData(type, &one, shortLength, std::span(report).first(length - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qxfuzz::InputReader in(data, size);
    const auto descriptorBytes = in.take(in.word());
    auto parsed = ReportDescriptor::parse(descriptorBytes);
    if (!parsed.descriptor) {
        qxfuzz::check(!parsed.error.empty(), "a refused descriptor says why");
        return 0;
    }
    const PreparsedData preparsed(std::move(*parsed.descriptor));
    HIDP_CAPS caps;
    if (preparsed.getCaps(caps) != HIDP_STATUS_SUCCESS)
        return 0;
    std::vector<HIDP_LINK_COLLECTION_NODE> nodes(caps.NumberLinkCollectionNodes);
    std::uint32_t nodeCount = caps.NumberLinkCollectionNodes;
    preparsed.getLinkCollectionNodes(nodes.data(), nodeCount);

    const auto report = in.rest();
    readReport(preparsed, HidP_Input, caps.InputReportByteLength, caps.NumberInputValueCaps, report);
    readReport(preparsed, HidP_Output, caps.OutputReportByteLength, caps.NumberOutputValueCaps, report);
    readReport(preparsed, HidP_Feature, caps.FeatureReportByteLength, caps.NumberFeatureValueCaps, report);
    return 0;
}
