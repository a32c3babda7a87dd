#include "platform/gui/IniFile.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {

bool sameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::string decodeText(const std::string& bytes)
{
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return bytes.substr(3);
    if (bytes.size() >= 2 && bytes.compare(0, 2, "\xFF\xFE") == 0) {
        const auto units = (bytes.size() - 2) / 2;
        std::u16string utf16(units, u'\0');
        for (std::size_t i = 0; i < units; ++i)
            utf16[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * i])
                                             | static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
        return QString::fromStdU16String(utf16).toStdString();
    }
    return bytes;
}

std::string encodeText(const std::string& text, qx::IniEncoding encoding)
{
    switch (encoding) {
    case qx::IniEncoding::Utf8:
        return text;
    case qx::IniEncoding::Utf8WithMark:
        return "\xEF\xBB\xBF" + text;
    case qx::IniEncoding::Utf16: {
        const auto utf16 = QString::fromStdString(text).toStdU16String();
        std::string bytes = "\xFF\xFE";
        for (const char16_t unit : utf16) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        return bytes;
    }
    }
    return text;
}

} // namespace

TMemIniFile::TMemIniFile(std::string fileName, qx::IniEncoding encoding)
    : fileName_(std::move(fileName)), encoding_(encoding)
{
    load();
}

void TMemIniFile::load()
{
    std::ifstream in(fileName_, std::ios::binary);
    if (!in)
        return; // a missing file is an empty one
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    parse(decodeText(bytes));
}

void TMemIniFile::parse(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    Section* current = nullptr;
    while (std::getline(lines, line)) {
        const std::string t = trimmed(line);
        if (t.empty() || t[0] == ';')
            continue;
        if (t.front() == '[' && t.back() == ']') {
            const std::string name = trimmed(t.substr(1, t.size() - 2));
            current = findSection(name);
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        const auto eq = t.find('=');
        if (!current || eq == std::string::npos)
            continue; // lines outside a section or without "=" carry no value
        current->entries.push_back({trimmed(t.substr(0, eq)), trimmed(t.substr(eq + 1))});
    }
}

const TMemIniFile::Section* TMemIniFile::findSection(const std::string& name) const
{
    const auto it = std::find_if(sections_.begin(), sections_.end(),
                                 [&](const Section& s) { return sameText(s.name, name); });
    return it == sections_.end() ? nullptr : &*it;
}

TMemIniFile::Section* TMemIniFile::findSection(const std::string& name)
{
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const TMemIniFile::Entry* TMemIniFile::findEntry(const std::string& section, const std::string& ident) const
{
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    const auto it = std::find_if(s->entries.begin(), s->entries.end(),
                                 [&](const Entry& e) { return sameText(e.key, ident); });
    return it == s->entries.end() ? nullptr : &*it;
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& def) const
{
    const Entry* e = findEntry(section, ident);
    return e ? e->value : def;
}

int TMemIniFile::ReadInteger(const std::string& section, const std::string& ident, int def) const
{
    const std::string text = trimmed(ReadString(section, ident, {}));
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    int base = 10;
    if (!digits.empty() && digits[0] == '$') {
        base = 16;
        digits.remove_prefix(1);
    } else if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        return def;
    value = negative ? -value : value;
    if (value < INT32_MIN || value > UINT32_MAX)
        return def;
    return static_cast<int>(static_cast<std::uint32_t>(value)); // "$FFFFFFFF" reads as -1
}

bool TMemIniFile::ReadBool(const std::string& section, const std::string& ident, bool def) const
{
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

double TMemIniFile::ReadFloat(const std::string& section, const std::string& ident, double def) const
{
    const std::string text = trimmed(ReadString(section, ident, {}));
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return def;
    return value;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    const auto it = std::find_if(s->entries.begin(), s->entries.end(),
                                 [&](const Entry& e) { return sameText(e.key, ident); });
    if (it != s->entries.end())
        it->value = value;
    else
        s->entries.push_back({ident, value});
}

void TMemIniFile::WriteInteger(const std::string& section, const std::string& ident, int value)
{
    WriteString(section, ident, std::to_string(value));
}

void TMemIniFile::WriteBool(const std::string& section, const std::string& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

void TMemIniFile::WriteFloat(const std::string& section, const std::string& ident, double value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    WriteString(section, ident, std::string(buffer, ec == std::errc() ? end : buffer));
}

std::vector<std::string> TMemIniFile::ReadSection(const std::string& section) const
{
    std::vector<std::string> keys;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            keys.push_back(e.key);
    return keys;
}

std::vector<std::string> TMemIniFile::ReadSections() const
{
    std::vector<std::string> names;
    for (const Section& s : sections_)
        names.push_back(s.name);
    return names;
}

std::vector<std::string> TMemIniFile::ReadSectionValues(const std::string& section) const
{
    std::vector<std::string> lines;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            lines.push_back(e.key + "=" + e.value);
    return lines;
}

bool TMemIniFile::SectionExists(const std::string& section) const
{
    return findSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(const std::string& section, const std::string& ident) const
{
    return findEntry(section, ident) != nullptr;
}

void TMemIniFile::EraseSection(const std::string& section)
{
    std::erase_if(sections_, [&](const Section& s) { return sameText(s.name, section); });
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    if (Section* s = findSection(section))
        std::erase_if(s->entries, [&](const Entry& e) { return sameText(e.key, ident); });
}

void TMemIniFile::Clear()
{
    sections_.clear();
}

void TMemIniFile::UpdateFile() const
{
    std::string text;
    for (const Section& s : sections_) {
        text += "[" + s.name + "]\n";
        for (const Entry& e : s.entries)
            text += e.key + "=" + e.value + "\n";
        text += "\n";
    }
    std::ofstream out(fileName_, std::ios::binary | std::ios::trunc);
    out << encodeText(text, encoding_);
    if (!out.flush())
        throw std::runtime_error("Cannot write the settings file " + fileName_);
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    TMemIniFile::WriteString(section, ident, value);
    UpdateFile();
}

void TIniFile::EraseSection(const std::string& section)
{
    TMemIniFile::EraseSection(section);
    UpdateFile();
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    TMemIniFile::DeleteKey(section, ident);
    UpdateFile();
}
