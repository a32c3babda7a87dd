#pragma once

#include <string_view>

namespace qx {

class TextTable;

// Language names as the main window holds them.
inline constexpr std::string_view kLanguageEnglish = "English";
inline constexpr std::string_view kLanguageSimplifiedChinese = "ChineseGB";
inline constexpr std::string_view kLanguageTraditionalChinese = "ChineseBIG5";

// The compiled-in tables, read on first use and kept until the process ends.
const TextTable& EnglishTextTable();
const TextTable& SimplifiedChineseTextTable();

// The table of a language name (compared exactly); null for a language that
// has no table, such as "ChineseBIG5".
const TextTable* TextTableOf(std::string_view language);

// The texts this system adds to each language (telling why a device cannot
// be opened), kept apart so the two tables above stay as they are.
const TextTable& AddedTextTableOf(std::string_view language);

// The text of `id` in the table of `language`, else in its added table. A
// language without a table reads the English ones. The text lives as long as
// the process.
std::string_view Translate(std::string_view language, std::string_view id);

}  // namespace qx
