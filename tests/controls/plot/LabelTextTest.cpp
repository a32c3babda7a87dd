// Axis values as text in all six styles, with significant and fixed precision, SI prefixes,
// date-time patterns, prices in 32nds, thousands separators and the logarithmic branch.

#include "controls/plot/base/iPlotTextFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct LabelCase
{
    TiPlotTextFormat style;
    int precision;
    TiPrecisionStyle precisionStyle;
    double span;
    double value;
    const char* text;
    const char* dateFormat = "hh:nn:ss";
};

std::string Text(const LabelCase& c, TiPlotScaleType type = ipstLinear, int labelsPrecision = 3,
                 TiPrecisionStyle labelsStyle = ipsSignificantDigits)
{
    TiPlotTextFormatSettings format;
    format.Style = c.style;
    format.Precision = c.precision;
    format.PrecisionStyle = c.precisionStyle;
    format.DateTimeFormat = c.dateFormat;
    TiPlotTextScale scale;
    scale.Span = c.span;
    scale.ScaleType = type;
    scale.LabelsPrecision = labelsPrecision;
    scale.LabelsPrecisionStyle = labelsStyle;
    bool final = false;
    return FormatPlotValue(format, scale, c.value, final);
}

void ExpectTexts(std::initializer_list<LabelCase> cases)
{
    for (const LabelCase& c : cases)
        EXPECT_EQ(Text(c), c.text) << "style " << c.style << ", precision " << c.precision << ", span " << c.span
                                   << ", value " << c.value;
}

constexpr auto sig = ipsSignificantDigits;
constexpr auto fixed = ipsFixedDecimalPoints;

TEST(LabelText, DecimalsForRange)
{
    struct Case { int precision; TiPrecisionStyle style; double a, b; int decimals; };
    const Case cases[] = {
        {2, sig, 0, 120, 0},   {2, sig, 0, 5, 1},      {2, sig, 0, 0.5, 2},  {3, fixed, 0, 120, 3},
        {0, sig, 0, 0.5, 0},   {-2, sig, 0, 0.5, 0},   {3, sig, 0, 0, 1},    {3, sig, 0, 1000, 0},
        {5, sig, 0, 1000, 1},  {5, sig, 1000, 0, 1},   {3, sig, 0, 1e-6, 9}, {3, static_cast<TiPrecisionStyle>(7), 0, 1, 0},
        {3, sig, 0, std::numeric_limits<double>::infinity(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecimalsForRange(c.precision, c.style, c.a, c.b), c.decimals)
            << c.precision << " over " << c.a << ".." << c.b;
}

TEST(LabelText, PlainValues)
{
    ExpectTexts({
        {iptfValue, 2, sig, 120, -100, "-100"},
        {iptfValue, 2, sig, 120, 20, "20"},
        {iptfValue, 2, sig, 5, 1.5, "1.5"},
        {iptfValue, 2, sig, 0.5, 0.25, "0.25"},
        {iptfValue, 3, fixed, 120, 20, "20.000"},
        {iptfValue, 0, fixed, 120, 19.5, "20"},
        {iptfValue, 3, sig, 100, 33.333, "33"},
        {iptfValue, 3, sig, 10, 3.3333, "3.3"},
        {iptfValue, 3, sig, 9, 3.3333, "3.33"},
        {iptfValue, 3, sig, 1e6, 250000, "250000"},
    });
}

TEST(LabelText, ExponentNotation)
{
    ExpectTexts({
        {iptfExponent, 3, sig, 100, 1500, "1.500e+03"},
        {iptfExponent, 2, fixed, 100, 1500, "1.500e+03"},
        {iptfExponent, 1, sig, 100, -0.00025, "-2.5e-04"},
    });
}

TEST(LabelText, SiPrefixes)
{
    ExpectTexts({
        {iptfPrefix, 3, sig, 100, 1500, "1.50K"},
        {iptfPrefix, 3, sig, 100, -1500, "-1.50K"},
        {iptfPrefix, 3, sig, 100, 0.0005, "0.500m"},
        {iptfPrefix, 3, sig, 100, 0.002, "0.00200"},
        {iptfPrefix, 3, sig, 100, 0.000001, "1.00?"},
        {iptfPrefix, 3, sig, 100, 2.5e-9, "0.00250?"},   // the exponent is truncated toward zero
        {iptfPrefix, 3, sig, 100, 2.5e-11, "0.0250n"},
        {iptfPrefix, 3, sig, 100, 4.7e6, "4.70M"},
        {iptfPrefix, 3, sig, 100, 2e24, "2.00Y"},
        {iptfPrefix, 2, fixed, 100, 1500, "1.50K"},
        {iptfPrefix, 3, sig, 100, 0, "0.0"},
        {iptfPrefix, 3, sig, 1e-11, 0, "0.0"},
        {iptfPrefix, 3, sig, 100, 5e27, "Unknown"},
        {iptfPrefix, 3, sig, 100, 5e-30, "0.00000"},  // 10^-27 has no letter; the zero text
        {iptfPrefix, 3, sig, 1e-11, 5e-30, "Unknown"},
        {iptfPrefix, 3, sig, 100, std::numeric_limits<double>::infinity(), "Error"},
    });
    const int exponents[] = {24, 21, 18, 15, 12, 9, 6, 3, 0, -3, -6, -9, -12, -15, -18, -21, -24};
    const char* letters[] = {"Y", "Z", "E", "P", "T", "G", "M", "K", "", "m", "?", "n", "p", "f", "a", "z", "y"};
    for (std::size_t i = 0; i < std::size(exponents); ++i)
        EXPECT_STREQ(SiPrefix(exponents[i]), letters[i]) << exponents[i];
    EXPECT_EQ(SiPrefix(27), nullptr);
    EXPECT_EQ(SiPrefix(1), nullptr);
}

TEST(LabelText, DatesAndTimes)
{
    ExpectTexts({
        {iptfDateTime, 3, sig, 1, 3.5, "3 12:00", "Jhh:nn"},
        {iptfDateTime, 3, sig, 1, 3.5, "3 12:00", "jhh:nn"},
        {iptfDateTime, 3, sig, 1, 0.75, "18:00:00"},
        {iptfDateTime, 3, sig, 1, 45351.25, "2024-02-29 06:00", "yyyy-mm-dd hh:nn"},
        {iptfDateTime, 3, sig, 1, 1e7, "Error"},
        {iptfDateTime, 3, sig, 1, std::nan(""), "Error", "Jhh"},
    });
}

TEST(LabelText, PricesInThirtySeconds)
{
    ExpectTexts({
        {iptfPrice32nds, 3, sig, 1, 101.5, "101.160"},
        {iptfPrice32nds, 3, sig, 1, 101.25, "101.080"},
        {iptfPrice32nds, 3, sig, 1, 101 + 1.0 / 32, "101.010"},
        {iptfPrice32nds, 3, sig, 1, 101 + 1.0 / 64, "101.004"},  // eighths of a 32nd
        {iptfPrice32nds, 3, sig, 1, 99 + 31.0 / 32, "99.310"},
        {iptfPrice32nds, 3, sig, 1, 0, "0.000"},
        // A negative price: the text of its magnitude behind a minus.
        {iptfPrice32nds, 3, sig, 1, -101.5, "-101.160"},
        {iptfPrice32nds, 3, sig, 1, -0.25, "-0.080"},
        {iptfPrice32nds, 3, sig, 1, std::numeric_limits<double>::infinity(), "Error"},
    });
}

TEST(LabelText, ThousandsSeparators)
{
    ExpectTexts({
        {iptfThousands, 2, sig, 10000, 98765.4, "98,765"},
        {iptfThousands, 2, sig, 5, 1234.56, "1,234.6"},
        {iptfThousands, 2, fixed, 5, -1234567.891, "-1,234,567.89"},
        {iptfThousands, 2, sig, 10000, 12, "12"},
    });
}

TEST(LabelText, LogarithmicScalesReadTheLabelPrecision)
{
    const LabelCase c200{iptfValue, 9, sig, 1000, 200, ""};
    EXPECT_EQ(Text(c200, ipstLog10, 3, sig), "200") << "3 significant digits of 200";
    EXPECT_EQ(Text({iptfValue, 9, sig, 1000, 0.05, ""}, ipstLog10, 3, sig), "0.050");
    EXPECT_EQ(Text({iptfValue, 9, sig, 1000, 12345, ""}, ipstLog10, 3, sig), "12345");
    EXPECT_EQ(Text(c200, ipstLog10, 2, fixed), "200.00");
    TiPlotTextFormatSettings format;
    TiPlotTextScale scale;
    scale.ScaleType = ipstLog10;
    bool final = false;
    EXPECT_EQ(FormatPlotValue(format, scale, 0, final), "Unknown");
    EXPECT_TRUE(final) << "not customised further";
    EXPECT_EQ(FormatPlotValue(format, scale, -3, final), "Unknown");
    EXPECT_EQ(FormatPlotValue(format, scale, 10, final), "10.0");
    EXPECT_FALSE(final);
}

TEST(LabelText, PrecisionsAreHeldWithinTheirRange)
{
    EXPECT_EQ(ClampPlotPrecision(50), 30);
    EXPECT_EQ(ClampPlotPrecision(-4), 0);
    EXPECT_EQ(ClampPlotPrecision(7), 7);
    const std::string thirty = Text({iptfValue, 1000, fixed, 1, 0.5, ""});
    EXPECT_EQ(thirty, "0." + std::string("5") + std::string(29, '0')) << "a precision of 1000 writes 30 decimals";
    EXPECT_EQ(Text({iptfValue, -7, fixed, 1, 0.5, ""}), "0") << "a negative precision writes none";
    // Significant digits over a tiny span need hundreds of decimals: the text grows to hold them.
    const std::string tiny = Text({iptfValue, 30, sig, 1e-300, 1e-300, ""});
    EXPECT_EQ(tiny.size(), 2u + 300 + 30 - 1 + 1);
    EXPECT_EQ(tiny.substr(0, 6), "0.0000");
    EXPECT_EQ(Text({static_cast<TiPlotTextFormat>(9), 3, sig, 1, 1, ""}), "Unknown");
}

} // namespace
