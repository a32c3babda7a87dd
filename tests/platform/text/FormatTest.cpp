#include "platform/text/EConvertError.h"
#include "platform/text/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

struct FormatCase {
    std::string text;
    const char* expected;
};

void ExpectTexts(std::initializer_list<FormatCase> cases)
{
    for (const FormatCase& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

TEST(Format, FormatsOfTheEditor)
{
    ExpectTexts({
        {Format("%4.2fKHz", 1.5), "1.50KHz"},
        {Format("%4.1fHz", 5.0), " 5.0Hz"},
        {Format(" %4.1fHz", 19.7), " 19.7Hz"},
        {Format("%+1.1fdB", 3.0), "+3.0dB"},
        {Format("%+1.1fdB", -3.5), "-3.5dB"},
        {Format("-%3.1fdB", 12.0), "-12.0dB"},
        {Format("%1.1fms", 0.1), "0.1ms"},
        {Format("%3dms", 5), "  5ms"},
        {Format("%ddB", -3), "-3dB"},
        {Format("%1.2f", 0.5), "0.50"},
        {Format("%4.3fm", 1.0 * 48 * 343.5 / 48 * 0.001), "0.344m"},
        {Format("%4.1f - %4.1f", 20.0, 200.0), "20.0 - 200.0"},
        {Format("%.0f%%", 42.4), "42%"},
        {Format("%d%%", 50), "50%"},
        {Format("%02X ", 10), "0A "},
        {Format("USB W %02X  ", 0), "USB W 00  "},
        {Format("U%02d", 3), "U03"},
        {Format("\\\\.\\COM%d", 12), "\\\\.\\COM12"},
        {Format("%d.%d.%d.%d", 127, 0, 0, 1), "127.0.0.1"},
        {Format("%s=%s", "Color", std::string("0")), "Color=0"},
        {Format("%s=%d", std::string_view("Tag"), 7), "Tag=7"},
        {Format("unknown HID error %x", 0x80110001u), "unknown HID error 80110001"},
        {Format("unknown Locale ID $%.4x", 0x409), "unknown Locale ID $0409"},
        {Format("Pos: %d", -2), "Pos: -2"},
        {Format("no conversions"), "no conversions"},
    });
}

// A plain fixed conversion (no flag but "+") is written without printf:
// every digit and the rounding of ties, signs and the field width as printf
// writes them.
TEST(Format, PlainFixedFormAsPrintfWritesIt)
{
    const double values[] = {0.0, -0.0, 0.125, -0.125, 0.375, 2.5, 0.005, 1.005, -0.0049, 19.95, 999.995,
                             1000.0 / 3, 1e-9, -1e-9, 123456789.987654321, 1e300, -2.675, 0.045};
    for (const double v : values) {
        for (int precision = -1; precision <= 4; ++precision) {
            for (int width = -1; width <= 12; width += 4) {
                std::string pattern = width == 3 ? "%+" : "%";
                if (width >= 0)
                    pattern += std::to_string(width);
                if (precision >= 0)
                    pattern.append(1, '.').append(std::to_string(precision));
                pattern += "f";
                char expected[512];
                std::snprintf(expected, sizeof expected, pattern.c_str(), v);
                EXPECT_EQ(Format(pattern, v), expected) << pattern << " of " << v;
            }
        }
    }
}

TEST(Format, FlagsWidthAndPrecision)
{
    ExpectTexts({
        {Format("%-5s|", "ab"), "ab   |"},
        {Format("%5s|", "ab"), "   ab|"},
        {Format("%.1s", "ab"), "a"},
        {Format("%c%c", 'O', 75), "OK"},
        {Format("%3c|", 'x'), "  x|"},
        {Format("%*d", 5, 42), "   42"},
        {Format("%*d|", -5, 42), "42   |"},
        {Format("%.*f", 2, 3.14159), "3.14"},
        {Format("%.*f", -1, 0.5), "0.500000"},  // a negative precision counts as none
        {Format("%.f", 2.5), "2"},
        {Format("%05.1f", -2.25), "-02.2"},
        {Format("% d", 7), " 7"},
        {Format("%#x", 255), "0xff"},
        {Format("%o", 8), "10"},
        {Format("%e", 12345.678), "1.234568e+04"},
        {Format("%G", 0.00001), "1E-05"},
        {Format("%g", 0.0001), "0.0001"},
        {Format("%f", 3), "3.000000"},          // a whole number for a floating conversion
        {Format("%i", 'A'), "65"},
        {Format("%d", true), "1"},
        {Format("%s", static_cast<const char*>(nullptr)), "(null)"},
        {Format("%5%|"), "%|"},
    });
}

TEST(Format, WholeNumbersHaveTheSizesOfThe32BitPlatform)
{
    ExpectTexts({
        {Format("%u", -1), "4294967295"},
        {Format("%x", -1), "ffffffff"},
        {Format("%d", std::int64_t{4294967297}), "1"},        // int has 32 bits
        {Format("%ld", std::int64_t{4294967297}), "1"},       // and so has long
        {Format("%lld", std::int64_t{4294967297}), "4294967297"},
        {Format("%llu", std::uint64_t{18446744073709551615u}), "18446744073709551615"},
        {Format("%hd", 70000), "4464"},
        {Format("%hhd", 300), "44"},
        {Format("%hhu", -1), "255"},
    });
}

TEST(Format, ArgumentsThatDoNotFitAreConversionErrors)
{
    EXPECT_THROW(Format("%d", 1.5), EConvertError) << "floating value for a whole number";
    EXPECT_THROW(Format("%x", "text"), EConvertError) << "text for a whole number";
    EXPECT_THROW(Format("%s", 5), EConvertError) << "whole number for a text";
    EXPECT_THROW(Format("%f", "text"), EConvertError) << "text for a floating value";
    EXPECT_THROW(Format("%c", 2.0), EConvertError) << "floating value for a character";
    EXPECT_THROW(Format("%p", 5), EConvertError) << "whole number for a pointer";
    EXPECT_THROW(Format("%d %d", 5), EConvertError) << "missing argument";
    EXPECT_THROW(Format("%*d", 5), EConvertError) << "missing argument after a width";
    EXPECT_THROW(Format("%*d", 1.5, 5), EConvertError) << "floating width";
    EXPECT_THROW(Format("%n", 5), EConvertError) << "%n writes through its argument";
    EXPECT_THROW(Format("%y", 5), EConvertError) << "unknown conversion";
    EXPECT_THROW(Format("100%"), EConvertError) << "a lone % at the end";
    EXPECT_THROW(Format("%5.2"), EConvertError) << "unfinished conversion";
    EXPECT_THROW(Format("%99999d", 5), EConvertError) << "width beyond reason";
    EXPECT_THROW(Format("%.99999f", 5.0), EConvertError) << "precision beyond reason";
    EXPECT_THROW(Format("%*d", 1 << 30, 5), EConvertError) << "width argument beyond reason";
}

TEST(Format, ConversionErrorNamesTheFormat)
{
    try {
        Format("Pos: %d", "x");
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Format 'Pos: %d' invalid or incompatible with argument");
    }
}

TEST(Format, ExtraArgumentsAreIgnored)
{
    EXPECT_EQ(Format("%d", 1, 2, "three"), "1");
}

TEST(Format, PointersAreWritten)
{
    int x = 0;
    EXPECT_FALSE(Format("%p", static_cast<const void*>(&x)).empty());
    EXPECT_NE(Format("%p", &x), Format("%p", static_cast<const void*>(&x + 1)));
}

}  // namespace
