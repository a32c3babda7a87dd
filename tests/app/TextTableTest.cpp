#include "app/strings/TextTable.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using qx::TextTable;

const char* const kSmallTable =
    "//--- first ---\n"
    "SID_ONE\n"
    "One\n"
    "//--- second ---\n"
    "SID_TWO\n"
    "  Two with blanks\n"
    "SID_ONE\n"
    "One again\n"
    "\n";

TEST(TextTable, ParseCountsLinesCommentsAndEntries)
{
    const TextTable table = TextTable::Parse(kSmallTable);
    EXPECT_EQ(table.LineCount(), 9u);
    EXPECT_EQ(table.CommentCount(), 2u);
    ASSERT_EQ(table.Entries().size(), 3u);
    EXPECT_EQ(table.FirstLine(), "//--- first ---");
    EXPECT_EQ(table.Entries()[1].text, "  Two with blanks") << "text lines are kept as written";
}

TEST(TextTable, ParseAcceptsCrLfLineEnds)
{
    const TextTable table = TextTable::Parse("// c\r\nSID_A\r\nText A\r\n");
    EXPECT_EQ(table.FirstLine(), "// c");
    EXPECT_EQ(table.Lookup("SID_A"), "Text A");
}

TEST(TextTable, ParseRefusesMalformedTables)
{
    const struct {
        const char* source;
        const char* why;
    } cases[] = {
        {"// c\nSID_A\n", "an id on the last line has no text"},
        {"// c\nSID_A\nText\nNot an id\nText\n", "a text where an id belongs"},
        {"// c\n\nSID_A\nText\n", "an empty line inside the table"},
        {"// c\nsid_a\nText\n", "ids are upper case"},
        {"// c\nSID__A\nText\n", "words are joined by single underscores"},
        {"// c\nSID_\nText\n", "an id needs a word after the prefix"},
    };
    for (const auto& c : cases)
        EXPECT_THROW(TextTable::Parse(c.source), std::invalid_argument) << c.why;
}

TEST(TextTable, LookupIgnoresLetterCaseAndFindsTheFirstOccurrence)
{
    const TextTable table = TextTable::Parse(kSmallTable);
    const struct {
        const char* id;
        const char* text;
    } cases[] = {
        {"SID_ONE", "One"},           // first of two occurrences
        {"sid_one", "One"},           // lower case
        {"Sid_Two", "  Two with blanks"},
        {"SID_THREE", "//--- first ---"},  // missing id: the first line
        {"One", "//--- first ---"},   // a text line is not an id
        {"", "//--- first ---"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.Lookup(c.id), c.text) << c.id;
}

TEST(TextTable, LookupOfTheLastLineDoesNotReadPastTheEnd)
{
    const TextTable table = TextTable::Parse("// c\nSID_A\nlast");
    EXPECT_EQ(table.Lookup("last"), "// c");
}

TEST(TextTable, EmptyTableYieldsEmptyText)
{
    const TextTable table = TextTable::Parse("");
    EXPECT_EQ(table.LineCount(), 0u);
    EXPECT_EQ(table.Lookup("SID_A"), "");
}

TEST(TextTable, StringIdShape)
{
    const struct {
        const char* line;
        bool id;
    } cases[] = {
        {"SID_EXIT", true}, {"SID_RS232_CODE", true}, {"SID_INFO_ERROR_TAP_OVER_2048", true},
        {"SID_EQ_TYPE0", true}, {"SID_", false}, {"SID_A_", false}, {"SID_A__B", false},
        {"SID_a", false}, {"XID_A", false}, {"SID_A B", false}, {"//SID_A", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::IsStringId(c.line), c.id) << c.line;
}

}  // namespace
