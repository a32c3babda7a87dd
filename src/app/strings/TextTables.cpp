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

const TextTable& AddedTextTableOf(std::string_view language)
{
    static const TextTable english = TextTable::Parse(qx_string_resources::resource("EnglishAdded.txt"));
    static const TextTable chinese = TextTable::Parse(qx_string_resources::resource("ChineseGBAdded.txt"));
    return language == kLanguageSimplifiedChinese ? chinese : english;
}

std::string_view Translate(std::string_view language, std::string_view id)
{
    const TextTable* found = TextTableOf(language);
    const TextTable& table = found != nullptr ? *found : EnglishTextTable();
    if (table.Find(id) == nullptr) {
        if (const TextTable::Entry* added = AddedTextTableOf(language).Find(id))
            return added->text;
    }
    return table.Lookup(id);
}

}  // namespace qx
