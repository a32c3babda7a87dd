#include "platform/hid/PreparsedData.h"

#include <algorithm>
#include <utility>

namespace qx::hid {

namespace {

bool validType(HIDP_REPORT_TYPE type)
{
    return type == HidP_Input || type == HidP_Output || type == HidP_Feature;
}

ReportType toType(HIDP_REPORT_TYPE type)
{
    return static_cast<ReportType>(type);
}

USAGE pageOf(std::uint32_t usage)
{
    return static_cast<USAGE>(usage >> 16);
}

USAGE idOf(std::uint32_t usage)
{
    return static_cast<USAGE>(usage & 0xFFFF);
}

bool matches(USAGE wanted, USAGE actual)
{
    return wanted == 0 || wanted == actual;
}

// Bits are little-endian from the byte after the report id.
std::uint32_t readBits(std::span<const std::uint8_t> report, std::uint32_t offset, std::uint32_t size)
{
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < size && i < 32; ++i) {
        const std::uint32_t bit = offset + i;
        if (report[1 + bit / 8] & (1u << (bit % 8)))
            value |= 1u << i;
    }
    return value;
}

void writeBits(std::span<std::uint8_t> report, std::uint32_t offset, std::uint32_t size, std::uint32_t value)
{
    for (std::uint32_t i = 0; i < size; ++i) {
        const std::uint32_t bit = offset + i;
        const auto mask = static_cast<std::uint8_t>(1u << (bit % 8));
        if (i < 32 && (value & (1u << i)))
            report[1 + bit / 8] |= mask;
        else
            report[1 + bit / 8] &= static_cast<std::uint8_t>(~mask);
    }
}

std::int32_t signExtend(std::uint32_t value, std::uint32_t bits)
{
    if (bits == 0 || bits >= 32)
        return static_cast<std::int32_t>(value);
    const std::uint32_t sign = 1u << (bits - 1);
    return static_cast<std::int32_t>((value ^ sign) - sign);
}

template <class Caps>
void fillLink(Caps& caps, const ReportField& field, const ReportDescriptor& descriptor)
{
    caps.UsagePage = pageOf(field.usageOf(0));
    caps.ReportID = field.reportId;
    caps.BitField = static_cast<std::uint16_t>(field.flags);
    caps.LinkCollection = field.collection;
    if (field.collection < descriptor.collections().size()) {
        caps.LinkUsage = descriptor.collections()[field.collection].usage;
        caps.LinkUsagePage = descriptor.collections()[field.collection].usagePage;
    }
    caps.IsAbsolute = !field.isRelative();
}

} // namespace

struct PreparsedData::Element
{
    const ReportField* field;
    std::uint32_t usage;
    std::uint16_t dataIndex;
};

PreparsedData::PreparsedData(ReportDescriptor descriptor) : descriptor_(std::move(descriptor))
{
    for (const ReportField& field : descriptor_.fields()) {
        const int t = static_cast<int>(field.type);
        if (field.isButton()) {
            HIDP_BUTTON_CAPS caps;
            fillLink(caps, field, descriptor_);
            // One index per element of a variable field, per usage of an array.
            const auto n = static_cast<std::uint32_t>(field.isVariable() ? field.count : field.usages.size());
            caps.ReportCount = static_cast<std::uint16_t>(field.count);
            auto usageAt = [&](std::uint32_t i) { return field.isVariable() ? field.usageOf(i) : field.usages[i]; };
            if (field.usageRange && n > 0) {
                caps.IsRange = true;
                caps.Range = {idOf(usageAt(0)), idOf(usageAt(n - 1)), field.dataIndexMin,
                              static_cast<std::uint16_t>(field.dataIndexMin + n - 1)};
                buttonCaps_[t].push_back(caps);
            } else {
                for (std::uint32_t i = 0; i < n; ++i) {
                    const auto index = static_cast<std::uint16_t>(field.dataIndexMin + i);
                    caps.UsagePage = pageOf(usageAt(i));
                    caps.Range = {idOf(usageAt(i)), idOf(usageAt(i)), index, index};
                    buttonCaps_[t].push_back(caps);
                }
            }
            continue;
        }
        HIDP_VALUE_CAPS caps;
        fillLink(caps, field, descriptor_);
        caps.HasNull = field.hasNullState();
        caps.BitSize = static_cast<std::uint16_t>(field.bitSize);
        caps.UnitsExp = field.unitExponent;
        caps.Units = field.unit;
        caps.LogicalMin = field.logicalMin;
        caps.LogicalMax = field.logicalMax;
        caps.PhysicalMin = field.physicalMin;
        caps.PhysicalMax = field.physicalMax;
        const std::uint32_t capsCount = field.isValueArray() ? 1 : field.count;
        for (std::uint32_t i = 0; i < capsCount; ++i) {
            const auto index = static_cast<std::uint16_t>(field.dataIndexMin + i);
            caps.ReportCount = static_cast<std::uint16_t>(field.isValueArray() ? field.count : 1);
            caps.UsagePage = pageOf(field.usageOf(i));
            caps.Range = {idOf(field.usageOf(i)), idOf(field.usageOf(i)), index, index};
            valueCaps_[t].push_back(caps);
        }
    }
}

NTSTATUS PreparsedData::getCaps(HIDP_CAPS& caps) const
{
    caps = HIDP_CAPS{};
    caps.UsagePage = descriptor_.usagePage();
    caps.Usage = descriptor_.usage();
    caps.InputReportByteLength = static_cast<std::uint16_t>(descriptor_.reportByteLength(ReportType::Input));
    caps.OutputReportByteLength = static_cast<std::uint16_t>(descriptor_.reportByteLength(ReportType::Output));
    caps.FeatureReportByteLength = static_cast<std::uint16_t>(descriptor_.reportByteLength(ReportType::Feature));
    caps.NumberLinkCollectionNodes = static_cast<std::uint16_t>(descriptor_.collections().size());
    caps.NumberInputButtonCaps = static_cast<std::uint16_t>(buttonCaps_[0].size());
    caps.NumberInputValueCaps = static_cast<std::uint16_t>(valueCaps_[0].size());
    caps.NumberInputDataIndices = static_cast<std::uint16_t>(maxDataListLength(HidP_Input));
    caps.NumberOutputButtonCaps = static_cast<std::uint16_t>(buttonCaps_[1].size());
    caps.NumberOutputValueCaps = static_cast<std::uint16_t>(valueCaps_[1].size());
    caps.NumberOutputDataIndices = static_cast<std::uint16_t>(maxDataListLength(HidP_Output));
    caps.NumberFeatureButtonCaps = static_cast<std::uint16_t>(buttonCaps_[2].size());
    caps.NumberFeatureValueCaps = static_cast<std::uint16_t>(valueCaps_[2].size());
    caps.NumberFeatureDataIndices = static_cast<std::uint16_t>(maxDataListLength(HidP_Feature));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS PreparsedData::getLinkCollectionNodes(HIDP_LINK_COLLECTION_NODE* nodes, std::uint32_t& length) const
{
    const auto& collections = descriptor_.collections();
    const auto count = static_cast<std::uint32_t>(collections.size());
    if (length < count) {
        length = count;
        return HIDP_STATUS_BUFFER_TOO_SMALL;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        HIDP_LINK_COLLECTION_NODE node;
        node.LinkUsage = collections[i].usage;
        node.LinkUsagePage = collections[i].usagePage;
        node.CollectionType = collections[i].type;
        node.Parent = static_cast<std::uint16_t>(std::max(collections[i].parent, 0));
        for (std::uint32_t j = i + 1; j < count; ++j)
            if (collections[j].parent == static_cast<int>(i)) {
                if (node.NumberOfChildren++ == 0)
                    node.FirstChild = static_cast<std::uint16_t>(j);
            }
        for (std::uint32_t j = i + 1; j < count; ++j)
            if (collections[j].parent == collections[i].parent) {
                node.NextSibling = static_cast<std::uint16_t>(j);
                break;
            }
        nodes[i] = node;
    }
    length = count;
    return HIDP_STATUS_SUCCESS;
}

template <class Caps>
static NTSTATUS copyCaps(const std::vector<Caps>& all, USAGE page, std::uint16_t collection, USAGE usage, Caps* out,
                         std::uint16_t& length)
{
    std::uint16_t found = 0;
    const std::uint16_t room = length;
    for (const Caps& caps : all) {
        const bool usageFits = usage == 0 || (usage >= caps.Range.UsageMin && usage <= caps.Range.UsageMax);
        if (!matches(page, caps.UsagePage) || (collection != 0 && collection != caps.LinkCollection) || !usageFits)
            continue;
        if (found < room)
            out[found] = caps;
        ++found;
    }
    length = found;
    if (found == 0)
        return HIDP_STATUS_USAGE_NOT_FOUND;
    return found > room ? HIDP_STATUS_BUFFER_TOO_SMALL : HIDP_STATUS_SUCCESS;
}

NTSTATUS PreparsedData::getSpecificButtonCaps(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection,
                                              USAGE usage, HIDP_BUTTON_CAPS* caps, std::uint16_t& length) const
{
    if (!validType(type))
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    return copyCaps(buttonCaps_[type], page, collection, usage, caps, length);
}

NTSTATUS PreparsedData::getSpecificValueCaps(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection,
                                             USAGE usage, HIDP_VALUE_CAPS* caps, std::uint16_t& length) const
{
    if (!validType(type))
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    return copyCaps(valueCaps_[type], page, collection, usage, caps, length);
}

std::uint32_t PreparsedData::maxDataListLength(HIDP_REPORT_TYPE type) const
{
    std::uint32_t total = 0;
    for (const ReportField& field : descriptor_.fields())
        if (validType(type) && field.type == toType(type))
            total += field.dataIndexCount();
    return total;
}

std::uint32_t PreparsedData::maxUsageListLength(HIDP_REPORT_TYPE type, USAGE page) const
{
    std::uint32_t total = 0;
    for (const ReportField& field : descriptor_.fields())
        if (validType(type) && field.type == toType(type) && field.isButton()
            && (page == 0 || pageOf(field.usageOf(0)) == page))
            total += field.isVariable() ? field.count : std::min<std::uint32_t>(field.count, static_cast<std::uint32_t>(field.usages.size()));
    return total;
}

NTSTATUS PreparsedData::checkReport(HIDP_REPORT_TYPE type, std::size_t length) const
{
    if (!validType(type))
        return HIDP_STATUS_INVALID_REPORT_TYPE;
    const std::size_t expected = descriptor_.reportByteLength(toType(type));
    if (expected == 0 || length != expected)
        return HIDP_STATUS_INVALID_REPORT_LENGTH;
    return HIDP_STATUS_SUCCESS;
}

std::vector<PreparsedData::Element> PreparsedData::pressed(HIDP_REPORT_TYPE type, std::uint16_t collection,
                                                           std::span<const std::uint8_t> report) const
{
    std::vector<Element> result;
    for (const ReportField& field : descriptor_.fields()) {
        if (field.type != toType(type) || !field.isButton() || field.reportId != report[0]
            || (collection != 0 && field.collection != collection))
            continue;
        for (std::uint32_t i = 0; i < field.count; ++i) {
            const std::uint32_t raw = readBits(report, field.bitOffset + i * field.bitSize, field.bitSize);
            if (field.isVariable()) {
                if (raw)
                    result.push_back({&field, field.usageOf(i), static_cast<std::uint16_t>(field.dataIndexMin + i)});
                continue;
            }
            const std::int64_t selector = std::int64_t{field.logicalMin < 0 ? signExtend(raw, field.bitSize)
                                                                            : static_cast<std::int32_t>(raw)}
                                          - field.logicalMin;
            if (selector < 0 || selector >= static_cast<std::int64_t>(field.usages.size())
                || field.usages[static_cast<std::size_t>(selector)] == 0 || raw == 0)
                continue;
            result.push_back({&field, field.usages[static_cast<std::size_t>(selector)],
                              static_cast<std::uint16_t>(field.dataIndexMin + selector)});
        }
    }
    return result;
}

NTSTATUS PreparsedData::getUsages(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE* list,
                                  std::uint32_t& length, std::span<const std::uint8_t> report) const
{
    if (const NTSTATUS status = checkReport(type, report.size()); status != HIDP_STATUS_SUCCESS)
        return status;
    std::uint32_t found = 0;
    for (const Element& e : pressed(type, collection, report)) {
        if (!matches(page, pageOf(e.usage)))
            continue;
        if (found < length)
            list[found] = idOf(e.usage);
        ++found;
    }
    const bool fits = found <= length;
    length = found;
    return fits ? HIDP_STATUS_SUCCESS : HIDP_STATUS_BUFFER_TOO_SMALL;
}

NTSTATUS PreparsedData::getUsagesEx(HIDP_REPORT_TYPE type, std::uint16_t collection, USAGE_AND_PAGE* list,
                                    std::uint32_t& length, std::span<const std::uint8_t> report) const
{
    if (const NTSTATUS status = checkReport(type, report.size()); status != HIDP_STATUS_SUCCESS)
        return status;
    const std::vector<Element> all = pressed(type, collection, report);
    const auto found = static_cast<std::uint32_t>(all.size());
    for (std::uint32_t i = 0; i < found && i < length; ++i)
        list[i] = {idOf(all[i].usage), pageOf(all[i].usage)};
    const bool fits = found <= length;
    length = found;
    return fits ? HIDP_STATUS_SUCCESS : HIDP_STATUS_BUFFER_TOO_SMALL;
}

NTSTATUS PreparsedData::changeButton(HIDP_REPORT_TYPE type, std::uint32_t usage, std::uint16_t collection, bool press,
                                     std::span<std::uint8_t> report) const
{
    bool inOtherReport = false;
    for (const ReportField& field : descriptor_.fields()) {
        if (field.type != toType(type) || !field.isButton() || (collection != 0 && field.collection != collection))
            continue;
        const auto at = std::find(field.usages.begin(), field.usages.end(), usage);
        if (at == field.usages.end())
            continue;
        if (field.reportId != report[0]) {
            inOtherReport = true;
            continue;
        }
        if (field.isVariable()) {
            for (std::uint32_t i = 0; i < field.count; ++i)
                if (field.usageOf(i) == usage) {
                    writeBits(report, field.bitOffset + i * field.bitSize, field.bitSize, press ? 1 : 0);
                    return HIDP_STATUS_SUCCESS;
                }
            continue;
        }
        const auto selector = static_cast<std::uint32_t>(field.logicalMin + (at - field.usages.begin()));
        const std::uint32_t mask = field.bitSize >= 32 ? 0xFFFFFFFFu : (1u << field.bitSize) - 1;
        for (std::uint32_t i = 0; i < field.count; ++i) {
            const std::uint32_t offset = field.bitOffset + i * field.bitSize;
            const std::uint32_t raw = readBits(report, offset, field.bitSize);
            if (press && raw == 0) {
                writeBits(report, offset, field.bitSize, selector & mask);
                return HIDP_STATUS_SUCCESS;
            }
            if (!press && raw == (selector & mask)) {
                writeBits(report, offset, field.bitSize, 0);
                return HIDP_STATUS_SUCCESS;
            }
        }
        return press ? HIDP_STATUS_BUFFER_TOO_SMALL : HIDP_STATUS_BUTTON_NOT_PRESSED;
    }
    return inOtherReport ? HIDP_STATUS_INCOMPATIBLE_REPORT_ID : HIDP_STATUS_USAGE_NOT_FOUND;
}

NTSTATUS PreparsedData::changeButtons(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, const USAGE* list,
                                      std::uint32_t& length, std::span<std::uint8_t> report, bool press) const
{
    if (const NTSTATUS status = checkReport(type, report.size()); status != HIDP_STATUS_SUCCESS)
        return status;
    for (std::uint32_t i = 0; i < length; ++i)
        if (const NTSTATUS status = changeButton(type, (std::uint32_t{page} << 16) | list[i], collection, press, report);
            status != HIDP_STATUS_SUCCESS) {
            length = i;
            return status;
        }
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS PreparsedData::setUsages(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, const USAGE* list,
                                  std::uint32_t& length, std::span<std::uint8_t> report) const
{
    return changeButtons(type, page, collection, list, length, report, true);
}

NTSTATUS PreparsedData::unsetUsages(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, const USAGE* list,
                                    std::uint32_t& length, std::span<std::uint8_t> report) const
{
    return changeButtons(type, page, collection, list, length, report, false);
}

namespace {

// Bit offset of the element of a variable value field that carries `usage`.
std::uint32_t elementOffset(const ReportField& field, std::uint32_t usage)
{
    for (std::uint32_t i = 0; i < field.count; ++i)
        if (field.usageOf(i) == usage)
            return field.bitOffset + i * field.bitSize;
    return field.bitOffset;
}

} // namespace

struct PreparsedData::ValueElement
{
    const ReportField* field = nullptr;
    std::uint32_t bitOffset = 0;
};

PreparsedData::ValueElement PreparsedData::findValue(HIDP_REPORT_TYPE type, USAGE page,
                                                     std::uint16_t collection, USAGE usage,
                                                     std::span<const std::uint8_t> report,
                                                     NTSTATUS& status) const
{
    status = checkReport(type, report.size());
    if (status != HIDP_STATUS_SUCCESS)
        return {};
    const std::uint8_t reportId = report[0];
    const std::uint32_t wanted = (std::uint32_t{page} << 16) | usage;
    status = HIDP_STATUS_USAGE_NOT_FOUND;
    for (const ReportField& field : descriptor_.fields()) {
        if (field.type != toType(type) || field.isButton() || (collection != 0 && field.collection != collection))
            continue;
        if (std::find(field.usages.begin(), field.usages.end(), wanted) == field.usages.end())
            continue;
        if (field.reportId != reportId) {
            status = HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
            continue;
        }
        status = HIDP_STATUS_SUCCESS;
        return {&field, elementOffset(field, wanted)};
    }
    return {};
}

NTSTATUS PreparsedData::getUsageValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                      std::uint32_t& value, std::span<const std::uint8_t> report) const
{
    NTSTATUS status;
    const ValueElement element = findValue(type, page, collection, usage, report, status);
    if (element.field)
        value = readBits(report, element.bitOffset, element.field->bitSize);
    return status;
}

NTSTATUS PreparsedData::setUsageValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                      std::uint32_t value, std::span<std::uint8_t> report) const
{
    NTSTATUS status;
    const ValueElement element = findValue(type, page, collection, usage, report, status);
    if (element.field)
        writeBits(report, element.bitOffset, element.field->bitSize, value);
    return status;
}

namespace {

struct Scale
{
    std::int64_t lmin, lmax, pmin, pmax;
};

bool scaleOf(const ReportField& field, Scale& scale)
{
    scale = {field.logicalMin, field.logicalMax, field.physicalMin, field.physicalMax};
    if (scale.pmin == 0 && scale.pmax == 0) {
        scale.pmin = scale.lmin;
        scale.pmax = scale.lmax;
    }
    return scale.lmax > scale.lmin && scale.pmax > scale.pmin;
}

// Maps `from` in [fromMin, fromMax] onto [toMin, toMax]. Both spans can reach
// 2^32 - 1, so their product needs all 64 bits unsigned.
std::int64_t rescale(std::int64_t from, std::int64_t fromMin, std::int64_t fromMax, std::int64_t toMin,
                     std::int64_t toMax)
{
    const auto product =
        static_cast<std::uint64_t>(from - fromMin) * static_cast<std::uint64_t>(toMax - toMin);
    return toMin + static_cast<std::int64_t>(product / static_cast<std::uint64_t>(fromMax - fromMin));
}

} // namespace

NTSTATUS PreparsedData::getScaledUsageValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                            std::int32_t& value, std::span<const std::uint8_t> report) const
{
    NTSTATUS status;
    const ValueElement element = findValue(type, page, collection, usage, report, status);
    const ReportField* field = element.field;
    if (!field)
        return status;
    Scale s;
    if (!scaleOf(*field, s))
        return HIDP_STATUS_BAD_LOG_PHY_VALUES;
    const std::uint32_t raw = readBits(report, element.bitOffset, field->bitSize);
    const std::int64_t logical = field->logicalMin < 0 ? signExtend(raw, field->bitSize) : std::int64_t{raw};
    if (logical < s.lmin || logical > s.lmax)
        return field->hasNullState() ? HIDP_STATUS_NULL : HIDP_STATUS_VALUE_OUT_OF_RANGE;
    value = static_cast<std::int32_t>(rescale(logical, s.lmin, s.lmax, s.pmin, s.pmax));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS PreparsedData::setScaledUsageValue(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                            std::int32_t value, std::span<std::uint8_t> report) const
{
    NTSTATUS status;
    const ValueElement element = findValue(type, page, collection, usage, report, status);
    const ReportField* field = element.field;
    if (!field)
        return status;
    Scale s;
    if (!scaleOf(*field, s))
        return HIDP_STATUS_BAD_LOG_PHY_VALUES;
    if (value < s.pmin || value > s.pmax)
        return HIDP_STATUS_VALUE_OUT_OF_RANGE;
    const std::int64_t logical = rescale(value, s.pmin, s.pmax, s.lmin, s.lmax);
    writeBits(report, element.bitOffset, field->bitSize, static_cast<std::uint32_t>(logical));
    return HIDP_STATUS_SUCCESS;
}

// The value array that carries `usage`, when `room` bytes hold all its bits.
const ReportField* PreparsedData::findValueArray(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection,
                                                 USAGE usage, std::span<const std::uint8_t> report,
                                                 std::size_t room, NTSTATUS& status) const
{
    const ReportField* field = findValue(type, page, collection, usage, report, status).field;
    if (!field)
        return nullptr;
    if (!field->isValueArray())
        status = HIDP_STATUS_NOT_VALUE_ARRAY;
    else if (room * 8 < std::size_t{field->bitSize} * field->count)
        status = HIDP_STATUS_BUFFER_TOO_SMALL;
    return status == HIDP_STATUS_SUCCESS ? field : nullptr;
}

NTSTATUS PreparsedData::getUsageValueArray(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                           std::span<std::uint8_t> values, std::span<const std::uint8_t> report) const
{
    NTSTATUS status;
    const ReportField* field = findValueArray(type, page, collection, usage, report, values.size(), status);
    if (!field)
        return status;
    const std::uint32_t bits = field->bitSize * field->count;
    std::fill(values.begin(), values.end(), std::uint8_t{0});
    for (std::uint32_t bit = 0; bit < bits; ++bit)
        if (readBits(report, field->bitOffset + bit, 1))
            values[bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS PreparsedData::setUsageValueArray(HIDP_REPORT_TYPE type, USAGE page, std::uint16_t collection, USAGE usage,
                                           std::span<const std::uint8_t> values, std::span<std::uint8_t> report) const
{
    NTSTATUS status;
    const ReportField* field = findValueArray(type, page, collection, usage, report, values.size(), status);
    if (!field)
        return status;
    const std::uint32_t bits = field->bitSize * field->count;
    for (std::uint32_t bit = 0; bit < bits; ++bit)
        writeBits(report, field->bitOffset + bit, 1, (values[bit / 8] >> (bit % 8)) & 1u);
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS PreparsedData::getData(HIDP_REPORT_TYPE type, HIDP_DATA* list, std::uint32_t& length,
                                std::span<const std::uint8_t> report) const
{
    if (const NTSTATUS status = checkReport(type, report.size()); status != HIDP_STATUS_SUCCESS)
        return status;
    std::vector<HIDP_DATA> data;
    for (const Element& e : pressed(type, 0, report))
        data.push_back({e.dataIndex, 1});
    for (const ReportField& field : descriptor_.fields()) {
        if (field.type != toType(type) || field.isButton() || field.isValueArray() || field.reportId != report[0])
            continue;
        for (std::uint32_t i = 0; i < field.count; ++i)
            data.push_back({static_cast<std::uint16_t>(field.dataIndexMin + i),
                            readBits(report, field.bitOffset + i * field.bitSize, field.bitSize)});
    }
    std::sort(data.begin(), data.end(), [](const HIDP_DATA& a, const HIDP_DATA& b) { return a.DataIndex < b.DataIndex; });
    const auto found = static_cast<std::uint32_t>(data.size());
    std::copy_n(data.begin(), std::min(found, length), list);
    const bool fits = found <= length;
    length = found;
    return fits ? HIDP_STATUS_SUCCESS : HIDP_STATUS_BUFFER_TOO_SMALL;
}

NTSTATUS PreparsedData::setData(HIDP_REPORT_TYPE type, const HIDP_DATA* list, std::uint32_t& length,
                                std::span<std::uint8_t> report) const
{
    if (const NTSTATUS status = checkReport(type, report.size()); status != HIDP_STATUS_SUCCESS)
        return status;
    for (std::uint32_t n = 0; n < length; ++n) {
        const HIDP_DATA& item = list[n];
        NTSTATUS status = HIDP_STATUS_DATA_INDEX_NOT_FOUND;
        for (const ReportField& field : descriptor_.fields()) {
            if (field.type != toType(type) || item.DataIndex < field.dataIndexMin
                || item.DataIndex >= field.dataIndexMin + field.dataIndexCount() || field.isValueArray())
                continue;
            const std::uint32_t i = item.DataIndex - field.dataIndexMin;
            if (field.reportId != report[0]) {
                status = HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
            } else if (field.isVariable()) {
                writeBits(report, field.bitOffset + i * field.bitSize, field.bitSize, item.RawValue);
                status = HIDP_STATUS_SUCCESS;
            } else {
                status = changeButton(type, field.usages[i], 0, item.RawValue != 0, report);
            }
            break;
        }
        if (status != HIDP_STATUS_SUCCESS) {
            length = n;
            return status;
        }
    }
    return HIDP_STATUS_SUCCESS;
}

NTSTATUS PreparsedData::initializeReportForId(HIDP_REPORT_TYPE type, std::uint8_t reportId,
                                              std::span<std::uint8_t> report) const
{
    if (const NTSTATUS status = checkReport(type, report.size()); status != HIDP_STATUS_SUCCESS)
        return status;
    if (!descriptor_.hasReport(toType(type), reportId))
        return HIDP_STATUS_REPORT_DOES_NOT_EXIST;
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    report[0] = reportId;
    return HIDP_STATUS_SUCCESS;
}

} // namespace qx::hid
