#include "platform/hid/PreparsedData.h"
#include "platform/hid/ReportDescriptor.h"

#include "Descriptors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using qx::hid::PreparsedData;
using qx::hid::ReportDescriptor;
using qx::hid::ReportType;
namespace d = qx::hid::test;

PreparsedData preparsed(const std::vector<std::uint8_t>& bytes)
{
    auto result = ReportDescriptor::parse(bytes);
    EXPECT_TRUE(result.descriptor) << result.error;
    return PreparsedData(std::move(*result.descriptor));
}

HIDP_CAPS capsOf(const std::vector<std::uint8_t>& bytes)
{
    HIDP_CAPS caps;
    EXPECT_EQ(preparsed(bytes).getCaps(caps), HIDP_STATUS_SUCCESS);
    return caps;
}

TEST(ReportDescriptor, VendorDeviceHas64ByteReportsWithoutIds)
{
    const HIDP_CAPS caps = capsOf(d::kVendor64);
    EXPECT_EQ(caps.UsagePage, 0xFF00);
    EXPECT_EQ(caps.Usage, 1);
    EXPECT_EQ(caps.InputReportByteLength, 65) << "64 data bytes and the report id byte";
    EXPECT_EQ(caps.OutputReportByteLength, 65);
    EXPECT_EQ(caps.FeatureReportByteLength, 0) << "no feature report, length 0";
    EXPECT_EQ(caps.NumberLinkCollectionNodes, 1);
    EXPECT_EQ(caps.NumberInputValueCaps, 1) << "64 bytes of one usage are one value array";
    EXPECT_EQ(caps.NumberInputButtonCaps, 0);
    EXPECT_FALSE(ReportDescriptor::parse(d::kVendor64).descriptor->usesReportIds());
}

TEST(ReportDescriptor, KeyboardHasModifiersKeysAndLeds)
{
    const HIDP_CAPS caps = capsOf(d::kKeyboard);
    EXPECT_EQ(caps.UsagePage, 0x01);
    EXPECT_EQ(caps.Usage, 0x06);
    EXPECT_EQ(caps.InputReportByteLength, 9) << "modifiers, reserved byte, six keys, id byte";
    EXPECT_EQ(caps.OutputReportByteLength, 2) << "five LED bits padded to a byte, id byte";
    EXPECT_EQ(caps.NumberInputButtonCaps, 2) << "modifier bits and the key array";
    EXPECT_EQ(caps.NumberInputValueCaps, 0);
    EXPECT_EQ(caps.NumberInputDataIndices, 8 + 102) << "one index per modifier and per selectable key";
    EXPECT_EQ(caps.NumberOutputButtonCaps, 1);
    EXPECT_EQ(caps.NumberOutputDataIndices, 5);
}

TEST(ReportDescriptor, NumberedReportsTakeTheLongestReportAndKeepEveryCollection)
{
    const auto parsed = ReportDescriptor::parse(d::kNumberedReports);
    ASSERT_TRUE(parsed.descriptor) << parsed.error;
    EXPECT_TRUE(parsed.descriptor->usesReportIds());
    EXPECT_TRUE(parsed.descriptor->hasReport(ReportType::Input, 1));
    EXPECT_TRUE(parsed.descriptor->hasReport(ReportType::Input, 2));
    EXPECT_FALSE(parsed.descriptor->hasReport(ReportType::Input, 3));

    const HIDP_CAPS caps = capsOf(d::kNumberedReports);
    EXPECT_EQ(caps.InputReportByteLength, 4) << "report 1 has 3 data bytes, report 2 has 2";
    EXPECT_EQ(caps.OutputReportByteLength, 0);
    EXPECT_EQ(caps.NumberLinkCollectionNodes, 3);
    EXPECT_EQ(caps.NumberInputValueCaps, 2) << "X and Y";
    EXPECT_EQ(caps.NumberInputButtonCaps, 2) << "mouse buttons and the consumer array";

    HIDP_LINK_COLLECTION_NODE nodes[3];
    std::uint32_t count = 3;
    ASSERT_EQ(preparsed(d::kNumberedReports).getLinkCollectionNodes(nodes, count), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(nodes[0].LinkUsage, 0x02);
    EXPECT_EQ(nodes[0].NumberOfChildren, 1);
    EXPECT_EQ(nodes[0].FirstChild, 1);
    EXPECT_EQ(nodes[1].Parent, 0);
    EXPECT_EQ(nodes[1].LinkUsage, 0x01) << "the pointer collection";
    EXPECT_EQ(nodes[2].LinkUsagePage, 0x0C);
}

TEST(ReportDescriptor, MalformedInputGivesAnErrorNotAResult)
{
    const struct
    {
        const char* rule;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"an item cut off by the end", {0x05, 0x01, 0x26, 0xFF}},
        {"a long item cut off by the end", {0xFE, 0x10, 0x00, 0x01}},
        {"an end collection without a collection", {0xC0}},
        {"a collection never closed", {0x09, 0x01, 0xA1, 0x01}},
        {"a pop without a push", {0xB4}},
        {"report id 0 is reserved", {0x85, 0x00}},
        {"a report size beyond 256 bits", {0x76, 0x01, 0x02, 0x95, 0x01, 0x81, 0x02}},
        {"a report count beyond the usage limit", {0x75, 0x08, 0x96, 0xFF, 0xFF, 0x81, 0x02}},
        {"a usage maximum below its minimum", {0x19, 0x05, 0x29, 0x01, 0x75, 0x01, 0x95, 0x01, 0x81, 0x02}},
    };
    for (const auto& c : cases) {
        const auto result = ReportDescriptor::parse(c.bytes);
        EXPECT_FALSE(result.descriptor) << c.rule;
        EXPECT_FALSE(result.error.empty()) << c.rule;
    }
}

TEST(ReportDescriptor, EmptyDescriptorHasNoReports)
{
    const HIDP_CAPS caps = capsOf({});
    EXPECT_EQ(caps.InputReportByteLength, 0);
    EXPECT_EQ(caps.NumberLinkCollectionNodes, 0);
}

TEST(PreparsedData, KeyboardReportGivesPressedKeysAndTakesNewOnes)
{
    const PreparsedData keyboard = preparsed(d::kKeyboard);
    // Left shift (E1) held with the keys 'a' (04) and 'b' (05).
    const std::vector<std::uint8_t> report = {0, 0x02, 0, 0x04, 0x05, 0, 0, 0, 0};
    USAGE usages[8] = {};
    std::uint32_t length = 8;
    ASSERT_EQ(keyboard.getUsages(HidP_Input, 0x07, 0, usages, length, report), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 3u);
    EXPECT_EQ(usages[0], 0xE1);
    EXPECT_EQ(usages[1], 0x04);
    EXPECT_EQ(usages[2], 0x05);

    length = 2;
    EXPECT_EQ(keyboard.getUsages(HidP_Input, 0x07, 0, usages, length, report), HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(length, 3u) << "the length needed comes back";

    std::vector<std::uint8_t> built(9, 0);
    const USAGE press[] = {0xE0, 0x1E};
    length = 2;
    ASSERT_EQ(keyboard.setUsages(HidP_Input, 0x07, 0, press, length, built), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(built, (std::vector<std::uint8_t>{0, 0x01, 0, 0x1E, 0, 0, 0, 0, 0}));
    length = 1;
    ASSERT_EQ(keyboard.unsetUsages(HidP_Input, 0x07, 0, press + 1, length, built), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(built[3], 0);
    EXPECT_EQ(keyboard.unsetUsages(HidP_Input, 0x07, 0, press + 1, length, built), HIDP_STATUS_BUTTON_NOT_PRESSED);

    const std::vector<std::uint8_t> shortReport(5, 0);
    length = 8;
    EXPECT_EQ(keyboard.getUsages(HidP_Input, 0x07, 0, usages, length, shortReport),
              HIDP_STATUS_INVALID_REPORT_LENGTH)
        << "a report of the wrong length is never read";
}

TEST(PreparsedData, NumberedReportValuesAreReadFromTheirOwnReport)
{
    const PreparsedData mouse = preparsed(d::kNumberedReports);
    const std::vector<std::uint8_t> move = {1, 0x05, 0xFE, 0x07};
    std::uint32_t raw = 0;
    ASSERT_EQ(mouse.getUsageValue(HidP_Input, 0x01, 0, 0x30, raw, move), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(raw, 0xFEu);
    std::int32_t scaled = 0;
    ASSERT_EQ(mouse.getScaledUsageValue(HidP_Input, 0x01, 0, 0x30, scaled, move), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(scaled, -2) << "a signed logical range reads sign-extended";
    ASSERT_EQ(mouse.getScaledUsageValue(HidP_Input, 0x01, 0, 0x31, scaled, move), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(scaled, 7);

    USAGE buttons[3] = {};
    std::uint32_t length = 3;
    ASSERT_EQ(mouse.getUsages(HidP_Input, 0x09, 0, buttons, length, move), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 2u);
    EXPECT_EQ(buttons[0], 1);
    EXPECT_EQ(buttons[1], 3);

    const std::vector<std::uint8_t> consumer = {2, 0xE9, 0x00, 0x00};
    EXPECT_EQ(mouse.getUsageValue(HidP_Input, 0x01, 0, 0x30, raw, consumer), HIDP_STATUS_INCOMPATIBLE_REPORT_ID);
    length = 3;
    ASSERT_EQ(mouse.getUsages(HidP_Input, 0x0C, 0, buttons, length, consumer), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(length, 1u);
    EXPECT_EQ(buttons[0], 0xE9) << "volume up from the consumer array";

    std::vector<std::uint8_t> out(4, 0xAA);
    EXPECT_EQ(mouse.initializeReportForId(HidP_Input, 2, out), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(mouse.initializeReportForId(HidP_Input, 3, out), HIDP_STATUS_REPORT_DOES_NOT_EXIST);
}

TEST(PreparsedData, ScaledValuesSpanTheWholeThirtyTwoBitRange)
{
    // X as one 32-bit value, logical and physical range both -2^31 .. 2^31-1.
    const PreparsedData wide = preparsed({0x05, 0x01, 0x09, 0x01, 0xA1, 0x01, 0x09, 0x30,
                                          0x17, 0x00, 0x00, 0x00, 0x80, 0x27, 0xFF, 0xFF, 0xFF, 0x7F,
                                          0x37, 0x00, 0x00, 0x00, 0x80, 0x47, 0xFF, 0xFF, 0xFF, 0x7F,
                                          0x75, 0x20, 0x95, 0x01, 0x81, 0x02, 0xC0});
    const struct {
        std::int32_t value;
        std::vector<std::uint8_t> report;
    } cases[] = {
        {INT32_MAX, {0, 0xFF, 0xFF, 0xFF, 0x7F}},
        {INT32_MIN, {0, 0x00, 0x00, 0x00, 0x80}},
        {-1, {0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {0, {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        std::int32_t scaled = 0;
        ASSERT_EQ(wide.getScaledUsageValue(HidP_Input, 0x01, 0, 0x30, scaled, c.report), HIDP_STATUS_SUCCESS);
        EXPECT_EQ(scaled, c.value) << "the range products need all 64 bits";
        std::vector<std::uint8_t> built(5, 0);
        ASSERT_EQ(wide.setScaledUsageValue(HidP_Input, 0x01, 0, 0x30, c.value, built), HIDP_STATUS_SUCCESS);
        EXPECT_EQ(built, c.report) << c.value;
    }
}

TEST(PreparsedData, VendorReportIsOneValueArray)
{
    const PreparsedData vendor = preparsed(d::kVendor64);
    std::vector<std::uint8_t> report(65, 0);
    std::vector<std::uint8_t> values(64);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::uint8_t>(i * 3);
    ASSERT_EQ(vendor.setUsageValueArray(HidP_Output, 0xFF00, 0, 3, values, report), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(report[0], 0);
    EXPECT_EQ(std::vector<std::uint8_t>(report.begin() + 1, report.end()), values);
    std::vector<std::uint8_t> back(64);
    ASSERT_EQ(vendor.getUsageValueArray(HidP_Output, 0xFF00, 0, 3, back, report), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(back, values);
    std::vector<std::uint8_t> tooSmall(63);
    EXPECT_EQ(vendor.getUsageValueArray(HidP_Output, 0xFF00, 0, 3, tooSmall, report), HIDP_STATUS_BUFFER_TOO_SMALL);
    EXPECT_EQ(vendor.getUsageValueArray(HidP_Output, 0xFF00, 0, 9, back, report), HIDP_STATUS_USAGE_NOT_FOUND);
}

} // namespace

namespace {

TEST(PreparsedData, ButtonCapsAreRangesOrOnePerListedUsage)
{
    HIDP_BUTTON_CAPS caps[4];
    std::uint16_t count = 4;
    ASSERT_EQ(preparsed(d::kNumberedReports).getSpecificButtonCaps(HidP_Input, 0x09, 0, 0, caps, count),
              HIDP_STATUS_SUCCESS);
    ASSERT_EQ(count, 1);
    EXPECT_TRUE(caps[0].IsRange);
    EXPECT_EQ(caps[0].ReportID, 1);
    EXPECT_EQ(caps[0].Range.UsageMin, 1);
    EXPECT_EQ(caps[0].Range.UsageMax, 3);
    EXPECT_EQ(caps[0].Range.DataIndexMax - caps[0].Range.DataIndexMin, 2);
    EXPECT_EQ(caps[0].LinkCollection, 1) << "inside the pointer collection";

    // Three buttons named one by one: 1, 5 and 9 of the button page.
    const std::vector<std::uint8_t> listed = {0x05, 0x09, 0x09, 0x01, 0x09, 0x05, 0x09, 0x09, 0x15, 0x00,
                                              0x25, 0x01, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02};
    count = 4;
    ASSERT_EQ(preparsed(listed).getSpecificButtonCaps(HidP_Input, 0, 0, 0, caps, count), HIDP_STATUS_SUCCESS);
    ASSERT_EQ(count, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(caps[i].IsRange);
        EXPECT_EQ(caps[i].Range.UsageMin, caps[i].Range.UsageMax);
    }
    EXPECT_EQ(caps[1].Range.UsageMin, 5);
    EXPECT_EQ(caps[2].Range.DataIndexMin, 2);
    count = 4;
    EXPECT_EQ(preparsed(listed).getSpecificButtonCaps(HidP_Input, 0, 0, 5, caps, count), HIDP_STATUS_SUCCESS);
    EXPECT_EQ(count, 1) << "asking for one usage";
    count = 4;
    EXPECT_EQ(preparsed(listed).getSpecificButtonCaps(HidP_Output, 0, 0, 0, caps, count),
              HIDP_STATUS_USAGE_NOT_FOUND);
}

} // namespace

namespace {

// Descriptors come from devices: whatever bytes they hold, parsing and
// reading reports by them stays inside the buffers (run under the address
// sanitizer to see it).
TEST(PreparsedData, ArbitraryDescriptorsAndReportsStayInBounds)
{
    std::uint32_t seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(seed >> 16);
    };
    // Item prefixes that make the parser do something, mixed with noise.
    const std::uint8_t prefixes[] = {0x05, 0x09, 0x19, 0x29, 0x15, 0x25, 0x75, 0x95, 0x81, 0x91,
                                     0xB1, 0xA1, 0xC0, 0x85, 0xA4, 0xB4, 0x06, 0x0A, 0x27, 0xFE};
    int parsed = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> bytes;
        const int items = 1 + next() % 24;
        for (int i = 0; i < items; ++i) {
            bytes.push_back(next() % 4 == 0 ? next() : prefixes[next() % sizeof prefixes]);
            bytes.push_back(next() % 16);
            if (next() % 3 == 0)
                bytes.push_back(next());
        }
        auto result = ReportDescriptor::parse(bytes);
        if (!result.descriptor)
            continue;
        ++parsed;
        const PreparsedData data(std::move(*result.descriptor));
        HIDP_CAPS caps;
        data.getCaps(caps);
        for (HIDP_REPORT_TYPE type : {HidP_Input, HidP_Output, HidP_Feature}) {
            const std::size_t length = data.descriptor().reportByteLength(static_cast<ReportType>(type));
            if (length == 0)
                continue;
            std::vector<std::uint8_t> report(length);
            for (auto& b : report)
                b = next();
            USAGE usages[64];
            std::uint32_t n = 64;
            data.getUsages(type, 0, 0, usages, n, report);
            HIDP_DATA list[64];
            n = 64;
            data.getData(type, list, n, report);
            std::uint32_t value = 0;
            data.getUsageValue(type, 0, 0, 0, value, report);
            const USAGE press[] = {1, 2, 3};
            n = 3;
            data.setUsages(type, 0x09, 0, press, n, report);
        }
    }
    EXPECT_GT(parsed, 100) << "enough descriptors parsed to exercise the readers";
}

} // namespace
