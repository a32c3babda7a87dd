#include "platform/text/FloatFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct FloatCase {
    double value;
    int precision;
    int digits;
    const char* text;
};

void ExpectFloatToStrF(TStringFloatFormat format, std::initializer_list<FloatCase> cases)
{
    for (const FloatCase& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, format, c.precision, c.digits), c.text)
            << "value " << c.value << ", precision " << c.precision << ", digits " << c.digits;
}

TEST(FloatFormat, GeneralIsTheShortestText)
{
    ExpectFloatToStrF(sffGeneral, {
        {18, 15, 0, "18"}, {-6, 15, 0, "-6"}, {0.5, 15, 0, "0.5"}, {180, 15, 0, "180"},
        {0, 15, 0, "0"}, {-0.0, 15, 0, "0"}, {2.5, 15, 0, "2.5"},
        {0.1 + 0.2, 15, 0, "0.3"},
        {1.0 / 3, 15, 0, "0.333333333333333"},
        {2.0 / 3, 15, 0, "0.666666666666667"},
        {123456789012345, 15, 0, "123456789012345"},
        {1e15, 15, 0, "1E15"},
        {1234567890123456, 15, 0, "1.23456789012346E15"},
        {0.0001, 15, 0, "0.0001"},
        {0.00001, 15, 0, "0.00001"},
        {0.000001, 15, 0, "1E-6"},
        {-1.5e-7, 15, 0, "-1.5E-7"},
        {1e100, 15, 0, "1E100"},
        {1234, 3, 0, "1.23E3"},
        {999.5, 3, 0, "1E3"},          // rounding carries into a new digit
        {0.00012345, 3, 0, "0.000123"},
        {1e-7, 15, 2, "1E-07"},        // digits: least exponent digits
        {12345, 2, 4, "1.2E0004"},
        {1e-7, 15, 9, "1E-0007"},      // held at four exponent digits
    });
}

TEST(FloatFormat, ExponentShowsEveryDigitAndTheExponentSign)
{
    ExpectFloatToStrF(sffExponent, {
        {1234.5, 4, 2, "1.235E+03"},   // the half is rounded away from zero
        {0, 4, 2, "0.000E+00"},
        {-0.00123, 3, 0, "-1.23E-3"},
        {5, 1, 1, "5E+0"},
        {9.99, 2, 2, "1.0E+01"},
    });
}

TEST(FloatFormat, FixedShowsTheGivenDecimals)
{
    ExpectFloatToStrF(sffFixed, {
        {2.5, 15, 0, "3"}, {-2.5, 15, 0, "-3"}, {0.125, 15, 2, "0.13"},
        {1.005, 15, 2, "1.00"},        // 1.005 is stored just below the half
        {-0.001, 15, 2, "0.00"},       // no sign on a value shown as zero
        {1234.5678, 15, 2, "1234.57"}, {5, 15, 3, "5.000"}, {0.5, 15, 0, "1"},
        {0.05, 15, 1, "0.1"}, {0.0049, 15, 2, "0.00"},
        {1e20, 15, 2, "1E20"},         // more integer digits than the precision
        {123.456, 2, 1, "1.2E2"},
        {1.5, 15, 40, "1.500000000000000000"},  // held at 18 decimals
    });
}

TEST(FloatFormat, NumberAndCurrencyGroupThousands)
{
    ExpectFloatToStrF(sffNumber, {
        {1234567.891, 15, 2, "1,234,567.89"}, {-1234.5, 15, 0, "-1,235"},
        {999.999, 15, 2, "1,000.00"}, {100, 15, 0, "100"}, {0.5, 15, 1, "0.5"},
    });
    ExpectFloatToStrF(sffCurrency, {
        {1234.5, 15, 2, "$1,234.50"}, {-1.5, 15, 2, "($1.50)"}, {0, 15, 2, "$0.00"},
    });
}

TEST(FloatFormat, SpecialValues)
{
    for (TStringFloatFormat format : {sffGeneral, sffExponent, sffFixed, sffNumber, sffCurrency}) {
        EXPECT_EQ(FloatToStrF(std::numeric_limits<double>::quiet_NaN(), format, 15, 2), "NAN");
        EXPECT_EQ(FloatToStrF(std::numeric_limits<double>::infinity(), format, 15, 2), "INF");
        EXPECT_EQ(FloatToStrF(-std::numeric_limits<double>::infinity(), format, 15, 2), "-INF");
    }
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity()), "INF");
}

TEST(FloatFormat, FloatToStrIsGeneralWithFifteenDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.1, "0.1"}, {-273.15, "-273.15"}, {1e21, "1E21"}, {3.14159265358979323, "3.14159265358979"},
        {20000, "20000"}, {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
}

TEST(FloatFormat, FormatFloatFollowsThePicture)
{
    const struct {
        const char* pattern;
        double value;
        const char* text;
    } cases[] = {
        {"#,#0", 98765.4, "98,765"},
        {"#,#0.00", 98765.4, "98,765.40"},
        {"#,##0", -1234567, "-1,234,567"},
        {"0,000", 12, "0,012"},
        {"0.00", 0.125, "0.13"},
        {"0.00", 1.005, "1.00"},
        {"#.##", 0.5, ".5"},
        {"#0.00", 0.5, "0.50"},
        {".00", 12.5, "12.50"},
        {"0.##", 1, "1"},
        {"0.##", 1.5, "1.5"},
        {"0.0#", 1.5, "1.5"},
        {"000", 7, "007"},
        {"#", 0, ""},
        {"0", 1234.5, "1235"},
        {"0.0", -1.25, "-1.3"},
        {"0.0", -0.01, "0.0"},
        {"0.0;(0.0)", -1.25, "(1.3)"},
        {"0.0;(0.0);'zero'", 0, "zero"},
        {"0.0;(0.0);'zero'", 0.01, "zero"},   // shown as zero: the zero section
        {"0.0;;'zero'", -2, "-2.0"},           // an empty section falls back to the first
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E-00", 12345, "1.23E04"},
        {"0.0E+0", 0.000123, "1.2E-4"},
        {"00.0E+00", 12345, "12.3E+03"},
        {"0.0e-0", 0, "0.0e0"},
        {"'Value: '0.0' dB'", 3.14, "Value: 3.1 dB"},
        {"\"a;b\"0", 5, "a;b5"},               // a quoted ";" does not split sections
        {"0 kHz", 12.7, "13 kHz"},
        {"", 1.5, "1.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text) << c.pattern << " of " << c.value;
}

}  // namespace
