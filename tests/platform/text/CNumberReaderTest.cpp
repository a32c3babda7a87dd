#include "platform/text/CNumberReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(CNumberReader, StrtodReadsTheLeadingDecimalNumber)
{
    const struct {
        const char* text;
        double value;
        std::size_t consumed;
    } cases[] = {
        {"12.5", 12.5, 4},
        {"  -3.25xyz", -3.25, 7},
        {"\t\n+7", 7, 4},
        {"1,5", 1, 1},         // a comma ends the number
        {"-25,7", -25, 3},
        {"5-", 5, 1},
        {"12.34.5", 12.34, 5},  // one point only
        {".5", 0.5, 2},
        {"5.", 5, 2},
        {"1e3", 1000, 3},
        {"2E-2x", 0.02, 4},
        {"1e", 1, 1},          // an exponent needs digits
        {"1e+", 1, 1},
        {"3 dB", 3, 1},
        {"0x10", 0, 1},        // no hexadecimal numbers
        {"1e-400", 0, 6},      // underflow
        {"- 5", 0, 0},
        {"+-3", 0, 0},
        {".", 0, 0},
        {"", 0, 0},
        {"   ", 0, 0},
        {"abc", 0, 0},
        {"inf", 0, 0},         // no infinities or NaNs
        {"nan", 0, 0},
        {"-infinity", 0, 0},
    };
    for (const auto& c : cases) {
        std::size_t consumed = 99;
        EXPECT_EQ(qx::CLocaleStrtod(c.text, &consumed), c.value) << '"' << c.text << '"';
        EXPECT_EQ(consumed, c.consumed) << '"' << c.text << '"';
        EXPECT_EQ(qx::CLocaleAtof(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(CNumberReader, StrtodOverflowGivesHugeVal)
{
    EXPECT_EQ(qx::CLocaleAtof("1e400"), HUGE_VAL);
    EXPECT_EQ(qx::CLocaleAtof("-1e400"), -HUGE_VAL);
}

TEST(CNumberReader, StrtodReadsWithoutMoreThanTheTextGives)
{
    // A view into a longer buffer: the digits after its end are not read.
    const std::string_view text = std::string_view("12345").substr(0, 2);
    EXPECT_EQ(qx::CLocaleAtof(text), 12);
}

TEST(CNumberReader, AtolReadsTheLeadingWholeNumber)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"123", 123},
        {"  -45abc", -45},
        {"+7", 7},
        {"12.9", 12},
        {"007", 7},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"99999999999999999999", kMax},
        {"-2147483648", kMin},
        {"-99999999999", kMin},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::CLocaleAtol(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
