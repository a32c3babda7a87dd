#include "app/strings/TextTable.h"

#include <algorithm>
#include <stdexcept>

namespace qx {
namespace {

std::vector<std::string_view> SplitLines(std::string_view source)
{
    std::vector<std::string_view> lines;
    while (!source.empty()) {
        const std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        source.remove_prefix(end + 1);
    }
    return lines;
}

bool IsComment(std::string_view line)
{
    return line.starts_with("//");
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

[[noreturn]] void Malformed(std::size_t lineIndex, std::string_view why)
{
    throw std::invalid_argument("text table line " + std::to_string(lineIndex + 1) + ": "
                                + std::string(why));
}

}  // namespace

bool IsStringId(std::string_view line)
{
    if (!line.starts_with("SID_") || line.size() == 4 || line.back() == '_')
        return false;
    char previous = '_';
    for (char c : line.substr(4)) {
        const bool word = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!word && !(c == '_' && previous != '_'))
            return false;
        previous = c;
    }
    return true;
}

TextTable TextTable::Parse(std::string_view source)
{
    const std::vector<std::string_view> lines = SplitLines(source);
    TextTable table;
    table.lineCount_ = lines.size();
    if (!lines.empty())
        table.firstLine_ = lines.front();

    std::size_t contentEnd = lines.size();
    while (contentEnd > 0 && lines[contentEnd - 1].empty())
        --contentEnd;

    for (std::size_t i = 0; i < contentEnd; ++i) {
        const std::string_view line = lines[i];
        if (IsComment(line)) {
            ++table.commentCount_;
            continue;
        }
        if (!IsStringId(line))
            Malformed(i, "expected a comment or a string id, found \"" + std::string(line) + "\"");
        if (i + 1 >= lines.size())
            Malformed(i, "string id without a text line");
        table.entries_.push_back({std::string(line), std::string(lines[i + 1])});
        ++i;
    }
    return table;
}

const TextTable::Entry* TextTable::Find(std::string_view id) const
{
    for (const Entry& entry : entries_)
        if (EqualIgnoringAsciiCase(entry.id, id))
            return &entry;
    return nullptr;
}

std::string_view TextTable::Lookup(std::string_view id) const
{
    const Entry* entry = Find(id);
    return entry != nullptr ? std::string_view(entry->text) : std::string_view(firstLine_);
}

}  // namespace qx
