// What a typed band or cut-off value means: suffixes cut, characters
// refused, C-style number reading, snapping and clamping.

#include "codec/ValueScales.h"
#include "editors/eq/ValueEntry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Entry
{
    const char* typed;
    std::optional<int> index;
};

void expectEntries(std::optional<int> (*entry)(std::string_view), std::initializer_list<Entry> table)
{
    for (const Entry& e : table)
        EXPECT_EQ(entry(e.typed), e.index) << '"' << e.typed << '"';
}

TEST(ValueEntryTest, FrequencyEntries)
{
    const std::string huge = "1" + std::string(400, '0');
    expectEntries(qx::frequencyEntry, {
                                          {"1k", 170},          {"1K", 170},     {"1kHz", 170},
                                          {"1000Hz", 170},      {"1000", 170},   {"1.5 kHz", 188},
                                          {"10", 0},            {"0.01k", 0},    {"30k", 300},
                                          {"1,000", 0},         {" 500.0Hz", 140}, {"0", 0},
                                          {"abc", std::nullopt}, {"1.2.3", std::nullopt},
                                          {"", std::nullopt},   {".", std::nullopt},
                                          {"Hz", std::nullopt}, {"-100", std::nullopt},
                                          {"1e3", std::nullopt},
                                      });
    // A number too large for any index is held at the top of the scale.
    EXPECT_EQ(qx::frequencyEntry(huge), 300);
    EXPECT_EQ(qx::frequencyEntry(huge + "k"), 300);
}

TEST(ValueEntryTest, QEntries)
{
    expectEntries(qx::qEntry, {
                                  {"200", 100},        {"128", 100},          {"0", 0},
                                  {"0.3", 0},          {"0.4", 0},            {"0.71", 10},
                                  {"1.7", 25},         {"3", 35},             {"3,5", 35},
                                  {"", std::nullopt},  {".", std::nullopt},   {"1.2.3", std::nullopt},
                                  {"-1", std::nullopt}, {"q", std::nullopt},
                                  {std::string(400, '9').c_str(), 100},
                              });
}

TEST(ValueEntryTest, GainEntries)
{
    expectEntries(qx::gainEntry, {
                                     {"+3.27dB", 152},      {"3.2", 152},          {"-3.5", 85},
                                     {"-3.5dB", 85},        {"-20", 0},            {"20", 240},
                                     {"0", 120},            {"-0.3", 117},         {"12DB", 240},
                                     {"5.", std::nullopt},  {"-", std::nullopt},   {".", std::nullopt},
                                     {"", std::nullopt},    {"1.2.3", std::nullopt}, {"--1", std::nullopt},
                                     {"3x", std::nullopt},  {"dB", std::nullopt},
                                     {std::string(400, '9').c_str(), 240},
                                 });
}

// Every text a box shows reads back as the position it was made from, so
// leaving a box unedited changes nothing.
TEST(ValueEntryTest, EveryShownTextReadsBackAsItsPosition)
{
    for (int p = 0; p <= 300; ++p)
        EXPECT_EQ(qx::frequencyEntry(qx::frequencyBoxText(p)), p) << qx::frequencyBoxText(p);
    for (int p = 0; p <= 100; ++p)
        EXPECT_EQ(qx::qEntry(qx::qBoxText(p)), p) << qx::qBoxText(p);
    for (int p = 0; p <= 240; ++p)
        EXPECT_EQ(qx::gainEntry(qx::gainBoxText(p)), p) << qx::gainBoxText(p);
}

TEST(ValueEntryTest, BoxTexts)
{
    EXPECT_EQ(qx::frequencyBoxText(0), "19.7Hz");
    EXPECT_EQ(qx::frequencyBoxText(170), "1.00KHz");
    EXPECT_EQ(qx::frequencyBoxText(300), "20.16KHz");
    EXPECT_EQ(qx::qBoxText(10), "0.71");
    EXPECT_EQ(qx::gainBoxText(152), "+3.2dB");
    EXPECT_EQ(qx::gainBoxText(0), "-12.0dB");
    EXPECT_EQ(qx::gainBoxText(120), "+0.0dB");
}

} // namespace
