// FIR coefficient files: the sample files of a separate writer, and a table
// of texts with what each reads as or why it is refused.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "model/FirCoefficientFile.h"

namespace {

using qx::FirFileStatus;

const std::filesystem::path kSamples = std::filesystem::path(QX_TEST_DATA_DIR) / "samples";

TEST(FirCoefficientFile, SampleFilesGiveTheirCountsAndEndValues)
{
    const struct
    {
        const char* file;
        std::size_t count;
        float first;
        float last;
    } cases[] = {
        {"lowpass-2048.txt", 2048, 2.21683385e-05F, 2.21683385e-05F},
        {"lowpass-100-crlf-no-final-newline.txt", 100, -0.0001589707680977881F, -0.0001589707680977881F},
    };
    for (const auto& c : cases) {
        const qx::FirFileRead read = qx::readFirCoefficientFile(kSamples / c.file);
        ASSERT_TRUE(read.ok()) << c.file;
        ASSERT_EQ(read.values.size(), c.count) << c.file;
        EXPECT_EQ(read.count, c.count) << c.file;
        EXPECT_EQ(read.values.front(), c.first) << c.file;
        EXPECT_EQ(read.values.back(), c.last) << c.file;
    }
}

struct TextCase
{
    const char* what;
    std::string text;
    FirFileStatus status;
    std::vector<float> values;
};

TEST(FirCoefficientFile, TextsReadAsTheirNumbersOrAreRefused)
{
    using S = FirFileStatus;
    const std::string longest = "0.5" + std::string(qx::kMaxFirNumberText - 3, '0');
    const std::vector<TextCase> cases = {
        {"commas, tabs and line ends separate", "1,2\t3\n4", S::Ok, {1, 2, 3, 4}},
        {"CR LF is one line end; empty lines give nothing", "0.5\r\n\r\n-0.25\r\n", S::Ok, {0.5F, -0.25F}},
        {"doubled and trailing separators give nothing", ",1,,2,", S::Ok, {1, 2}},
        {"the last number needs no separator", "1\n2", S::Ok, {1, 2}},
        {"NUL bytes are skipped inside a number", std::string("1\0.5", 4), S::Ok, {1.5F}},
        {"a number beginning with 0x7F is skipped", "\x7f" "5,6", S::Ok, {6}},
        {"exponents in either case", "1e2,1E-2", S::Ok, {100, 0.01F}},
        {"reading stops where the number does", "1.5+2", S::Ok, {1.5F}},
        {"blanks before a number", "  0.5,\t 1", S::Ok, {0.5F, 1}},
        {"a UTF-8 byte-order mark is skipped", "\xef\xbb\xbf" "0.5\r\n1\r\n", S::Ok, {0.5F, 1}},
        {"an empty file", "", S::BadText, {}},
        {"only separators", ",\n\t\r\n", S::BadText, {}},
        {"a text of blanks", "1,  ,2", S::BadText, {}},
        {"a lone sign", "1,-\n2", S::BadText, {}},
        {"a lone E", "E", S::BadText, {}},
        {"a tilde", "1\n~", S::BadText, {}},
        {"a lone point", "0.5,.", S::BadText, {}},
        {"a CR-only file", "0.5\r0.25\r", S::BadText, {}},
        {"a CR at the end without LF", "0.5\r", S::BadText, {}},
        {"UTF-16 little-endian", std::string("\xff\xfe" "1\0,\0" "2\0", 8), S::BadText, {}},
        {"UTF-16 big-endian", std::string("\xfe\xff\0" "1\0,\0" "2", 8), S::BadText, {}},
        {"a letter refuses the file", "1\nabc\n", S::BadText, {}},
        {"a byte above 0x7F refuses the file", "0.5\xc3\xa9", S::BadText, {}},
        {"the longest number text", longest, S::Ok, {0.5F}},
        {"a number text one byte longer", longest + "1", S::BadText, {}},
        {"beyond the float range", "1,-1e39", S::BadText, {}},
        {"beyond the double range", "1e400", S::BadText, {}},
        {"no lower limit but the float range", "-1000,-3e38", S::Ok, {-1000, -3e38F}},
    };
    for (const TextCase& c : cases) {
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(c.text.data()), c.text.size());
        const qx::FirFileRead read = qx::parseFirCoefficients(bytes);
        EXPECT_EQ(read.status, c.status) << c.what;
        EXPECT_EQ(read.values, c.values) << c.what;
        EXPECT_EQ(read.textId.empty(), c.status == S::Ok) << c.what;
    }
}

TEST(FirCoefficientFile, AtMost2048Values)
{
    std::string text;
    for (std::size_t k = 0; k < qx::kMaxFirCoefficients; ++k)
        text += "0.001\n";
    const auto parse = [](const std::string& t) {
        return qx::parseFirCoefficients(std::span(reinterpret_cast<const std::uint8_t*>(t.data()), t.size()));
    };
    EXPECT_EQ(parse(text).values.size(), qx::kMaxFirCoefficients);
    const qx::FirFileRead over = parse(text + "0.001");
    EXPECT_EQ(over.status, FirFileStatus::TooMany);
    EXPECT_EQ(over.textId, "SID_INFO_ERROR_TAP_OVER_2048");
    EXPECT_EQ(over.count, qx::kMaxFirCoefficients + 1);
    EXPECT_EQ(over.values.size(), qx::kMaxFirCoefficients) << "the first 2048 stay for a check";
    // Numbers past 2048 are counted, however many, not stored.
    std::string many = text;
    for (int k = 0; k < 5000; ++k)
        many += "1,";
    const qx::FirFileRead far = parse(many);
    EXPECT_EQ(far.status, FirFileStatus::TooMany);
    EXPECT_EQ(far.count, qx::kMaxFirCoefficients + 5000);
    EXPECT_EQ(far.values.size(), qx::kMaxFirCoefficients);
}

TEST(FirCoefficientFile, MissingFoldersAndOversizedFilesAreRefused)
{
    qx::test::TempDir dir;
    std::filesystem::create_directory(dir / "folder.txt");
    qx::test::writeBytes(dir / "large.txt", std::vector<std::uint8_t>(qx::kMaxFirFileSize + 1, 0));
    for (const char* name : {"missing.txt", "folder.txt", "large.txt"}) {
        const qx::FirFileRead read = qx::readFirCoefficientFile(dir / name);
        EXPECT_EQ(read.status, FirFileStatus::CannotOpen) << name;
        EXPECT_EQ(read.textId, "SID_INFO_ERROR_FIR_COEFF") << name;
    }
}

} // namespace
