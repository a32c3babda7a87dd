#include "app/strings/TextTables.h"

#include "app/strings/TextTable.h"

namespace qx_string_resources {
std::string_view resource(std::string_view name);
}

namespace qx {

const TextTable& EnglishTextTable()
{
    static const TextTable table = TextTable::Parse(qx_string_resources::resource("English.txt"));
    return table;
}

const TextTable& SimplifiedChineseTextTable()
{
    static const TextTable table = TextTable::Parse(qx_string_resources::resource("ChineseGB.txt"));
    return table;
}

const TextTable* TextTableOf(std::string_view language)
{
    if (language == kLanguageEnglish)
        return &EnglishTextTable();
    if (language == kLanguageSimplifiedChinese)
        return &SimplifiedChineseTextTable();
    return nullptr;
}

std::string_view Translate(std::string_view language, std::string_view id)
{
    const TextTable* table = TextTableOf(language);
    return (table != nullptr ? *table : EnglishTextTable()).Lookup(id);
}

}  // namespace qx
