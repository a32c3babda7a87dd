#include "platform/hid/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace qx::hid {

namespace {

// Limits the kernel's own parser applies; larger values mean a broken descriptor.
constexpr std::uint32_t kMaxReportSize = 256;
constexpr std::uint32_t kMaxReportCount = 12288;
constexpr std::size_t kMaxReportBytes = 16384;
constexpr std::size_t kMaxStackDepth = 16;
constexpr std::size_t kMaxUsages = 12288;

enum ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2 };

struct GlobalState
{
    std::uint16_t usagePage = 0;
    std::int32_t logicalMin = 0;
    std::uint32_t logicalMaxRaw = 0;
    std::uint8_t logicalMaxSize = 0;
    std::int32_t physicalMin = 0;
    std::uint32_t physicalMaxRaw = 0;
    std::uint8_t physicalMaxSize = 0;
    std::uint32_t unitExponent = 0;
    std::uint32_t unit = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

struct LocalState
{
    std::vector<std::uint32_t> usages; // short usages keep page 0 until the main item
    std::vector<bool> extended;
    std::optional<std::uint32_t> usageMin;
    std::optional<std::uint32_t> usageMax;
    bool minExtended = false;
    bool maxExtended = false;
};

std::int32_t signExtend(std::uint32_t raw, std::uint8_t size)
{
    switch (size) {
    case 1: return static_cast<std::int8_t>(raw);
    case 2: return static_cast<std::int16_t>(raw);
    default: return static_cast<std::int32_t>(raw);
    }
}

// A maximum is read unsigned when its minimum is not negative.
std::int32_t maximumOf(std::int32_t minimum, std::uint32_t raw, std::uint8_t size)
{
    return minimum >= 0 ? static_cast<std::int32_t>(raw) : signExtend(raw, size);
}

} // namespace

class DescriptorParser
{
public:
    explicit DescriptorParser(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    ReportDescriptor::ParseResult run()
    {
        std::size_t pos = 0;
        while (pos < bytes_.size()) {
            const std::uint8_t prefix = bytes_[pos];
            if (prefix == 0xFE) { // long item: skipped, only its length matters
                if (pos + 2 >= bytes_.size())
                    return fail("long item runs past the end");
                pos += 3 + bytes_[pos + 1];
                if (pos > bytes_.size())
                    return fail("long item runs past the end");
                continue;
            }
            const std::uint8_t sizeCode = prefix & 0x03;
            const std::uint8_t size = sizeCode == 3 ? 4 : sizeCode;
            if (pos + 1 + size > bytes_.size())
                return fail("item at offset " + std::to_string(pos) + " runs past the end");
            std::uint32_t data = 0;
            for (std::uint8_t i = 0; i < size; ++i)
                data |= std::uint32_t{bytes_[pos + 1 + i]} << (8 * i);
            const auto type = static_cast<ItemType>((prefix >> 2) & 0x03);
            const std::uint8_t tag = prefix >> 4;
            std::string error;
            if (type == Main)
                error = mainItem(tag, data);
            else if (type == Global)
                error = globalItem(tag, data, size);
            else if (type == Local)
                error = localItem(tag, data, size);
            if (!error.empty())
                return fail(error + " at offset " + std::to_string(pos));
            pos += 1 + size;
        }
        if (!open_.empty())
            return fail("collection not closed");
        assignDataIndices();
        out_.reportBits_ = offsets_;
        ReportDescriptor::ParseResult result;
        result.descriptor = std::move(out_);
        return result;
    }

private:
    static ReportDescriptor::ParseResult fail(std::string error)
    {
        ReportDescriptor::ParseResult result;
        result.error = std::move(error);
        return result;
    }

    std::string mainItem(std::uint8_t tag, std::uint32_t data)
    {
        std::string error;
        switch (tag) {
        case 0x8: error = addField(ReportType::Input, data); break;
        case 0x9: error = addField(ReportType::Output, data); break;
        case 0xB: error = addField(ReportType::Feature, data); break;
        case 0xA: error = openCollection(data); break;
        case 0xC:
            if (open_.empty())
                return "end collection without collection";
            open_.pop_back();
            break;
        default: return "unknown main item";
        }
        local_ = LocalState{};
        return error;
    }

    std::string openCollection(std::uint32_t data)
    {
        if (out_.collections_.size() >= 0xFFFF)
            return "too many collections";
        CollectionNode node;
        node.usagePage = global_.usagePage;
        if (!local_.usages.empty()) {
            const std::uint32_t usage = resolve(local_.usages.front(), local_.extended.front());
            node.usagePage = static_cast<std::uint16_t>(usage >> 16);
            node.usage = static_cast<std::uint16_t>(usage);
        } else if (local_.usageMin) {
            const std::uint32_t usage = resolve(*local_.usageMin, local_.minExtended);
            node.usagePage = static_cast<std::uint16_t>(usage >> 16);
            node.usage = static_cast<std::uint16_t>(usage);
        }
        node.type = static_cast<std::uint8_t>(data);
        node.parent = open_.empty() ? -1 : open_.back();
        open_.push_back(static_cast<int>(out_.collections_.size()));
        out_.collections_.push_back(node);
        return {};
    }

    std::uint32_t resolve(std::uint32_t usage, bool extended) const
    {
        return extended ? usage : (std::uint32_t{global_.usagePage} << 16) | (usage & 0xFFFF);
    }

    std::string addField(ReportType type, std::uint32_t data)
    {
        if (global_.reportSize > kMaxReportSize)
            return "report size too large";
        if (global_.reportCount > kMaxReportCount)
            return "report count too large";
        std::uint32_t& offset = offsets_[{static_cast<int>(type), global_.reportId}];
        ReportField field;
        field.type = type;
        field.reportId = global_.reportId;
        field.bitOffset = offset;
        field.bitSize = global_.reportSize;
        field.count = global_.reportCount;
        field.flags = data;
        const std::uint64_t end = std::uint64_t{offset} + std::uint64_t{field.bitSize} * field.count;
        if ((end + 7) / 8 + 1 > kMaxReportBytes)
            return "report too long";
        offset = static_cast<std::uint32_t>(end);
        if (field.count == 0 || field.bitSize == 0 || field.isConstant())
            return {}; // padding: takes room, carries no data
        if (local_.usageMin && local_.usageMax) {
            const std::uint32_t lo = resolve(*local_.usageMin, local_.minExtended);
            std::uint32_t hi = resolve(*local_.usageMax, local_.maxExtended);
            if (hi < lo)
                return "usage maximum below usage minimum";
            hi = std::min<std::uint32_t>(hi, lo + static_cast<std::uint32_t>(kMaxUsages) - 1);
            for (std::uint32_t u = lo; u <= hi; ++u)
                field.usages.push_back(u);
            field.usageRange = true;
        }
        for (std::size_t i = 0; i < local_.usages.size(); ++i)
            field.usages.push_back(resolve(local_.usages[i], local_.extended[i]));
        field.logicalMin = global_.logicalMin;
        field.logicalMax = maximumOf(global_.logicalMin, global_.logicalMaxRaw, global_.logicalMaxSize);
        field.physicalMin = global_.physicalMin;
        field.physicalMax = maximumOf(global_.physicalMin, global_.physicalMaxRaw, global_.physicalMaxSize);
        field.unit = global_.unit;
        field.unitExponent = global_.unitExponent;
        field.collection = open_.empty() ? 0 : static_cast<std::uint16_t>(open_.back());
        out_.fields_.push_back(std::move(field));
        return {};
    }

    std::string globalItem(std::uint8_t tag, std::uint32_t data, std::uint8_t size)
    {
        switch (tag) {
        case 0x0: global_.usagePage = static_cast<std::uint16_t>(data); break;
        case 0x1: global_.logicalMin = signExtend(data, size); break;
        case 0x2: global_.logicalMaxRaw = data; global_.logicalMaxSize = size; break;
        case 0x3: global_.physicalMin = signExtend(data, size); break;
        case 0x4: global_.physicalMaxRaw = data; global_.physicalMaxSize = size; break;
        case 0x5: global_.unitExponent = data; break;
        case 0x6: global_.unit = data; break;
        case 0x7: global_.reportSize = data; break;
        case 0x8:
            if (data == 0 || data > 0xFF)
                return "report id out of range";
            global_.reportId = static_cast<std::uint8_t>(data);
            out_.usesReportIds_ = true;
            break;
        case 0x9: global_.reportCount = data; break;
        case 0xA:
            if (stack_.size() >= kMaxStackDepth)
                return "push too deep";
            stack_.push_back(global_);
            break;
        case 0xB:
            if (stack_.empty())
                return "pop without push";
            global_ = stack_.back();
            stack_.pop_back();
            break;
        default: return "unknown global item";
        }
        return {};
    }

    std::string localItem(std::uint8_t tag, std::uint32_t data, std::uint8_t size)
    {
        const bool extended = size == 4;
        switch (tag) {
        case 0x0:
            if (local_.usages.size() >= kMaxUsages)
                return "too many usages";
            local_.usages.push_back(data);
            local_.extended.push_back(extended);
            break;
        case 0x1: local_.usageMin = data; local_.minExtended = extended; break;
        case 0x2: local_.usageMax = data; local_.maxExtended = extended; break;
        default: break; // designators, strings and delimiters carry nothing we use
        }
        return {};
    }

    void assignDataIndices()
    {
        std::array<std::uint32_t, 3> next{};
        for (ReportField& field : out_.fields_) {
            std::uint32_t& index = next[static_cast<int>(field.type)];
            field.dataIndexMin = static_cast<std::uint16_t>(index);
            index += field.dataIndexCount();
        }
    }

    std::span<const std::uint8_t> bytes_;
    ReportDescriptor out_;
    GlobalState global_;
    LocalState local_;
    std::vector<GlobalState> stack_;
    std::vector<int> open_;
    std::map<std::pair<int, std::uint8_t>, std::uint32_t> offsets_;
};

std::uint32_t ReportField::usageOf(std::uint32_t i) const
{
    if (usages.empty())
        return 0;
    return usages[std::min<std::size_t>(i, usages.size() - 1)];
}

std::uint32_t ReportField::dataIndexCount() const
{
    if (!isVariable())
        return static_cast<std::uint32_t>(usages.size()); // one per selectable usage
    if (isValueArray())
        return 1;
    return count;
}

ReportDescriptor::ParseResult ReportDescriptor::parse(std::span<const std::uint8_t> bytes)
{
    return DescriptorParser(bytes).run();
}

std::size_t ReportDescriptor::reportByteLength(ReportType type) const
{
    std::uint32_t longest = 0;
    bool any = false;
    for (const auto& [key, bits] : reportBits_)
        if (key.first == static_cast<int>(type)) {
            any = true;
            longest = std::max(longest, (bits + 7) / 8);
        }
    return any ? std::size_t{longest} + 1 : 0;
}

bool ReportDescriptor::hasReport(ReportType type, std::uint8_t reportId) const
{
    return reportBits_.count({static_cast<int>(type), reportId}) > 0;
}

std::uint16_t ReportDescriptor::usagePage() const
{
    return collections_.empty() ? 0 : collections_.front().usagePage;
}

std::uint16_t ReportDescriptor::usage() const
{
    return collections_.empty() ? 0 : collections_.front().usage;
}

} // namespace qx::hid
