#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace qx::hid {

enum class ReportType : std::uint8_t { Input = 0, Output = 1, Feature = 2 };

/// One main item of a report descriptor: `count` elements of `bitSize` bits
/// at `bitOffset` bits after the report id byte of report `reportId`.
struct ReportField
{
    ReportType type = ReportType::Input;
    std::uint8_t reportId = 0;
    std::uint32_t bitOffset = 0;
    std::uint32_t bitSize = 0;
    std::uint32_t count = 0;
    std::uint32_t flags = 0; ///< the main item's data bits
    std::vector<std::uint32_t> usages; ///< page << 16 | usage, one per element or per array selector
    bool usageRange = false; ///< usages came from a usage minimum and maximum
    std::int32_t logicalMin = 0;
    std::int32_t logicalMax = 0;
    std::int32_t physicalMin = 0;
    std::int32_t physicalMax = 0;
    std::uint32_t unit = 0;
    std::uint32_t unitExponent = 0;
    std::uint16_t collection = 0; ///< index of the innermost enclosing collection
    std::uint16_t dataIndexMin = 0;

    bool isConstant() const { return flags & 0x01; }
    bool isVariable() const { return flags & 0x02; }
    bool isRelative() const { return flags & 0x04; }
    bool hasNullState() const { return flags & 0x40; }
    /// Buttons are arrays and one-bit variables; everything else is a value.
    bool isButton() const { return !isVariable() || bitSize == 1; }
    /// A value with one usage and several elements.
    bool isValueArray() const { return !isButton() && count > 1 && usages.size() == 1; }
    /// The usage of element `i` of a variable field (the last usage repeats).
    std::uint32_t usageOf(std::uint32_t i) const;
    /// Data indices this field takes.
    std::uint32_t dataIndexCount() const;
};

struct CollectionNode
{
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint8_t type = 0;
    int parent = -1; ///< -1 for a top-level collection
};

/// A parsed report descriptor: where every field of every report lies. It
/// stands in for the HID library's preparsed data.
class ReportDescriptor
{
public:
    struct ParseResult;
    /// Reads a descriptor; malformed input gives an error text, never a
    /// partial result.
    static ParseResult parse(std::span<const std::uint8_t> bytes);

    const std::vector<ReportField>& fields() const { return fields_; }
    const std::vector<CollectionNode>& collections() const { return collections_; }
    /// Whether the device numbers its reports (a report id item was seen).
    bool usesReportIds() const { return usesReportIds_; }
    /// Longest report of the type in bytes, the report id byte included;
    /// 0 when the device has no report of that type.
    std::size_t reportByteLength(ReportType type) const;
    /// Whether a report of the type exists with that id.
    bool hasReport(ReportType type, std::uint8_t reportId) const;
    /// Usage page and usage of the first top-level collection.
    std::uint16_t usagePage() const;
    std::uint16_t usage() const;

private:
    friend class DescriptorParser;
    std::vector<ReportField> fields_;
    std::vector<CollectionNode> collections_;
    bool usesReportIds_ = false;
    std::map<std::pair<int, std::uint8_t>, std::uint32_t> reportBits_; ///< (type, id) -> length in bits
};

struct ReportDescriptor::ParseResult
{
    std::optional<ReportDescriptor> descriptor;
    std::string error;
};

} // namespace qx::hid
