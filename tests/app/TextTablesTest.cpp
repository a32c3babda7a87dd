#include "app/strings/TextTable.h"
#include "app/strings/TextTables.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using qx::TextTable;

std::set<std::string> DistinctIds(const TextTable& table)
{
    std::set<std::string> ids;
    for (const TextTable::Entry& entry : table.Entries())
        ids.insert(entry.id);
    return ids;
}

std::map<std::string, int> Occurrences(const TextTable& table)
{
    std::map<std::string, int> count;
    for (const TextTable::Entry& entry : table.Entries())
        ++count[entry.id];
    return count;
}

// The printf conversions of a text, in order ("%d", "%4.1f", "%%", ...).
std::vector<std::string> FormatSpecifiers(const std::string& text)
{
    static const std::regex conversion(R"(%[-+ #0]*(\*|\d+)?(\.(\*|\d+))?(hh|h|ll|l|L|z|j|t)?[diouxXeEfFgGaAcspn%])");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

TEST(TextTables, EnglishTableHasItsShape)
{
    const TextTable& table = qx::EnglishTextTable();
    EXPECT_EQ(table.LineCount(), 370u);
    EXPECT_EQ(table.CommentCount(), 35u);
    EXPECT_EQ(table.Entries().size(), 167u);
    EXPECT_EQ(DistinctIds(table).size(), 164u);
    EXPECT_EQ(table.FirstLine(), "//---------------------- Menu ------------------------");

    std::map<std::string, int> repeated;
    for (const auto& [id, n] : Occurrences(table))
        if (n > 1)
            repeated[id] = n;
    EXPECT_EQ(repeated, (std::map<std::string, int>{{"SID_EXIT", 2}, {"SID_LOCK_MODE", 2}, {"SID_NUMBER", 2}}));
}

TEST(TextTables, SimplifiedChineseTableHasTheSameIds)
{
    const TextTable& chinese = qx::SimplifiedChineseTextTable();
    EXPECT_EQ(chinese.LineCount(), 367u);
    EXPECT_EQ(chinese.CommentCount(), 35u);
    EXPECT_EQ(chinese.Entries().size(), 166u);
    EXPECT_EQ(DistinctIds(chinese), DistinctIds(qx::EnglishTextTable()));
}

TEST(TextTables, EveryEnglishIdResolvesInBothTables)
{
    const TextTable& english = qx::EnglishTextTable();
    const TextTable& chinese = qx::SimplifiedChineseTextTable();
    for (const std::string& id : DistinctIds(english)) {
        EXPECT_NE(english.Lookup(id), english.FirstLine()) << id;
        EXPECT_NE(chinese.Lookup(id), chinese.FirstLine()) << id;
        EXPECT_FALSE(chinese.Lookup(id).empty()) << id;
    }
}

TEST(TextTables, FormatSpecifiersAgreeBetweenTables)
{
    const TextTable& chinese = qx::SimplifiedChineseTextTable();
    for (const TextTable::Entry& entry : qx::EnglishTextTable().Entries())
        EXPECT_EQ(FormatSpecifiers(std::string(chinese.Lookup(entry.id))), FormatSpecifiers(entry.text)) << entry.id;
}

TEST(TextTables, FormatSpecifierScanFindsConversions)
{
    EXPECT_EQ(FormatSpecifiers("%4.1f dB at %d%% of %s"), (std::vector<std::string>{"%4.1f", "%d", "%%", "%s"}));
    EXPECT_TRUE(FormatSpecifiers("Taps Over Maximum 2048!!").empty());
}

TEST(TextTables, EnglishTextsAsTheUserSeesThem)
{
    const struct {
        const char* id;
        const char* text;
    } cases[] = {
        {"SID_INFO_CON_FIRST", "You Must Connect First !!"},
        {"sid_info_con_first", "You Must Connect First !!"},
        {"SID_EXIT", "Exit"},
        {"SID_NUMBER", "Number :"},
        {"SID_LOCK_MODE", "Select Lock Mode!"},
        {"SID_PARAM_KEY", "Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )"},
        {"SID_INPUT_ID", " Input ID Number"},
        {"SID_NAME", "    Name"},
        {"SID_LANGUAGE", "语言"},
        {"SID_IN_EQ_PARAM_TITLE",
         "  PEQ       Frequency                   Q                    Gain                   Type                  Bypass"},
        {"SID_INFO_ERROR_TAP_OVER_1024", "Taps Over Maximum 1024!!"},
        {"SID_NOT_THERE", "//---------------------- Menu ------------------------"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::Translate(qx::kLanguageEnglish, c.id), c.text) << c.id;
}

TEST(TextTables, LanguagesChooseTheirTable)
{
    EXPECT_EQ(qx::TextTableOf("English"), &qx::EnglishTextTable());
    EXPECT_EQ(qx::TextTableOf("ChineseGB"), &qx::SimplifiedChineseTextTable());
    EXPECT_EQ(qx::TextTableOf("ChineseBIG5"), nullptr);
    EXPECT_EQ(qx::TextTableOf("english"), nullptr) << "language names are compared exactly";

    EXPECT_EQ(qx::Translate(qx::kLanguageSimplifiedChinese, "SID_EXIT"), "退出");
    EXPECT_EQ(qx::Translate(qx::kLanguageSimplifiedChinese, "SID_NUMBER"), "编号：");
    EXPECT_EQ(qx::Translate(qx::kLanguageTraditionalChinese, "SID_EXIT"), "Exit")
        << "a language without a table reads the English one";
}

// The added texts (why a device would not open) are found through the same
// lookup, in each language, and never shadow an id of the two tables.
TEST(TextTables, AddedTextsComeInBothLanguagesWithTheSameConversions)
{
    const TextTable& english = qx::AddedTextTableOf(qx::kLanguageEnglish);
    const TextTable& chinese = qx::AddedTextTableOf(qx::kLanguageSimplifiedChinese);
    ASSERT_FALSE(english.Entries().empty());
    EXPECT_EQ(DistinctIds(english), DistinctIds(chinese));
    for (const TextTable::Entry& entry : english.Entries()) {
        EXPECT_EQ(qx::EnglishTextTable().Find(entry.id), nullptr) << entry.id;
        EXPECT_EQ(qx::SimplifiedChineseTextTable().Find(entry.id), nullptr) << entry.id;
        const std::string_view shown = qx::Translate(qx::kLanguageSimplifiedChinese, entry.id);
        EXPECT_EQ(FormatSpecifiers(entry.text), FormatSpecifiers(std::string(shown))) << entry.id;
        EXPECT_NE(shown, entry.text) << entry.id << " is translated";
        EXPECT_EQ(qx::Translate(qx::kLanguageEnglish, entry.id), entry.text);
        EXPECT_EQ(qx::Translate(qx::kLanguageTraditionalChinese, entry.id), entry.text);
    }
    EXPECT_EQ(qx::Translate(qx::kLanguageEnglish, "SID_ACCESS_BUSY"),
              "%s is in use by another program. Close that program, then scan again.");
}

}  // namespace
