#include "platform/text/EConvertError.h"
#include "platform/text/NumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

template <typename Conversion>
void ExpectConversionError(Conversion convert, const char* message)
{
    try {
        convert();
        ADD_FAILURE() << "no conversion error, expected: " << message;
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

TEST(NumberText, StrToIntTakesASignedRunOfDigits)
{
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"0", 0}, {"123", 123}, {"-45", -45}, {"+7", 7}, {"007", 7},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TryStrToInt(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(StrToInt(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(NumberText, StrToIntRefusesEverythingElse)
{
    for (const char* text : {"", "-", "+", " 1", "1 ", "1.5", "3.", ".3", "1,2", "abc", "1a", "--1", "0x10",
                             "2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_EQ(TryStrToInt(text), std::nullopt) << '"' << text << '"';
        EXPECT_THROW(StrToInt(text), EConvertError) << '"' << text << '"';
    }
}

TEST(NumberText, StrToIntErrorNamesTheText)
{
    ExpectConversionError([] { StrToInt("3.-"); }, "'3.-' is not a valid integer value");
}

TEST(NumberText, StrToFloatTakesAWholeDecimalNumber)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1.5", 1.5}, {" 2.5 ", 2.5}, {"-3", -3}, {"+.5", 0.5}, {"5.", 5},
        {"1e3", 1000}, {"1E-2", 0.01}, {"-0", 0}, {"123456789012345", 123456789012345.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TryStrToFloat(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(StrToFloat(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(NumberText, StrToFloatRefusesEverythingElse)
{
    for (const char* text : {"", " ", "1,5", "abc", "1.2.3", "1e", "1e+", ".", "-", "- 1", "\t1", "1\t",
                             "inf", "nan", "1e400", "-1e400", "0x1p3", "12 dB"}) {
        EXPECT_EQ(TryStrToFloat(text), std::nullopt) << '"' << text << '"';
        EXPECT_THROW(StrToFloat(text), EConvertError) << '"' << text << '"';
    }
}

TEST(NumberText, StrToFloatErrorNamesTheText)
{
    ExpectConversionError([] { StrToFloat("x1"); }, "'x1' is not a valid floating point value");
}

}  // namespace
