#include "controls/plot/base/iPropertyText.h"

#include "platform/gui/PropertyRegistry.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/text/FloatFormat.h"
#include "platform/text/EConvertError.h"
#include "platform/text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>

namespace qx::plot {

std::string Trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

std::string UpperCase(std::string Text)
{
    for (char& c : Text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return Text;
}

namespace {

std::string joinPath(const std::string& prefix, const std::string& name)
{
    return Trim(prefix).empty() ? name : prefix + "." + name;
}

bool isLeafKind(PropertyType type)
{
    switch (type) {
    case PropertyType::Boolean: case PropertyType::Integer: case PropertyType::Float: case PropertyType::String:
    case PropertyType::Enum: case PropertyType::Set: case PropertyType::Color:
        return true;
    default:
        return false;
    }
}

const ClassRegistry::EnumInfo* enumOf(const PropertyInfo& p)
{
    std::string_view name = p.typeName;
    if (p.type == PropertyType::Set && name.starts_with("set of "))
        name.remove_prefix(7);
    return ClassRegistry::instance().findEnum(name);
}

bool isFontStyles(const PropertyInfo& p) { return p.type == PropertyType::Set && p.typeName == "TFontStyles"; }

/// The ordinal of an integer-like value: Booleans 0/1, enumerators their value, sets their
/// bit mask, colours and integers themselves.
std::int64_t ordinalOf(const PropertyInfo& p, const PropertyValue& v)
{
    if (const bool* b = std::get_if<bool>(&v))
        return *b ? 1 : 0;
    if (const std::int64_t* i = std::get_if<std::int64_t>(&v))
        return *i;
    if (p.type == PropertyType::Color)
        return static_cast<std::int64_t>(static_cast<std::uint32_t>(detail::asColor(v)));
    if (isFontStyles(p))
        return detail::asFontStyles(v);
    const auto* info = enumOf(p);
    if (const Ident* id = std::get_if<Ident>(&v); id && info)
        return info->valueOf(id->name).value_or(0);
    if (const IdentSet* set = std::get_if<IdentSet>(&v); set && info) {
        std::int64_t bits = 0;
        for (const std::string& name : set->names)
            if (auto value = info->valueOf(name))
                bits |= std::int64_t{1} << *value;
        return bits;
    }
    return 0;
}

PropertyValue valueOfOrdinal(const PropertyInfo& p, std::int64_t n)
{
    switch (p.type) {
    case PropertyType::Boolean:
        return n != 0;
    case PropertyType::Enum:
        if (const auto* info = enumOf(p))
            if (const std::string* name = info->nameOf(static_cast<int>(n)))
                return Ident{*name};
        return n;
    case PropertyType::Set: {
        if (isFontStyles(p))
            return detail::fontStylesValue(static_cast<TFontStyles>(n));
        IdentSet set;
        if (const auto* info = enumOf(p))
            for (const auto& [name, value] : info->values)
                if (value >= 0 && value < 63 && (n >> value & 1))
                    set.names.push_back(name);
        return set;
    }
    default:
        return n;
    }
}

std::string encodeBreaks(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\r')
            out += "#13";
        else if (c == '\n')
            out += "#10";
        else
            out += c;
    }
    return out;
}

std::string decodeBreaks(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '#' && i + 2 < s.size() && s[i + 1] == '1' && (s[i + 2] == '3' || s[i + 2] == '0')) {
            out += s[i + 2] == '3' ? '\r' : '\n';
            i += 2;
        } else
            out += s[i];
    }
    return out;
}

std::int64_t parseInteger(const std::string& text)
{
    std::int64_t n = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, n);
    if (error != std::errc() || end != last || text.empty())
        throw EConvertError("'" + text + "' is not a valid integer value");
    return n;
}

bool inList(const std::vector<std::string>* list, const std::string& path)
{
    return list && std::any_of(list->begin(), list->end(), [&](const std::string& s) { return sameText(s, path); });
}

const PropertyInfo* findProperty(TPersistent& instance, std::string_view name)
{
    const ClassInfo* info = ClassRegistry::instance().classOf(instance);
    if (!info)
        return nullptr;
    for (const PropertyInfo* p : info->properties())
        if (sameText(p->name, name))
            return p;
    return nullptr;
}

} // namespace

bool SplitNameValue(std::string_view Text, char Separator, std::string& Name, std::string& Value)
{
    const auto at = Text.find(Separator);
    if (at == std::string_view::npos) {
        Name.clear();
        Value.clear();
        return false;
    }
    Name = Trim(Text.substr(0, at));
    Value = Trim(Text.substr(at + 1));
    return true;
}

bool TakeValueByName(const std::string& Name, std::string& Value, std::vector<std::string>& Lines)
{
    for (auto it = Lines.begin(); it != Lines.end(); ++it) {
        std::string name, value;
        SplitNameValue(*it, '=', name, value);
        if (sameText(name, Name)) {
            Value = value;
            Lines.erase(it);
            return true;
        }
    }
    return false;
}

void SavePropertiesAsText(TPersistent& Instance, const std::string& Prefix, std::vector<std::string>& Lines,
                          const std::vector<std::string>* Exclude, bool SkipDefaults)
{
    const ClassInfo* info = ClassRegistry::instance().classOf(Instance);
    if (!info)
        return;
    for (const PropertyInfo* p : info->properties()) {
        if (!p->stored)
            continue;
        const std::string path = joinPath(Prefix, p->name);
        if (inList(Exclude, path))
            continue;
        if (p->type == PropertyType::Object) {
            if (TPersistent* sub = p->object ? p->object(Instance) : nullptr)
                SavePropertiesAsText(*sub, path, Lines, Exclude, SkipDefaults);
            continue;
        }
        if (!isLeafKind(p->type) || !p->get || !p->set)
            continue;
        const PropertyValue value = p->get(Instance);
        std::string text;
        if (p->type == PropertyType::Float)
            text = FloatToStr(detail::asFloat(value));
        else if (p->type == PropertyType::String)
            text = encodeBreaks(detail::asString(value));
        else {
            const std::int64_t n = ordinalOf(*p, value);
            if (SkipDefaults && p->defaultValue && ordinalOf(*p, *p->defaultValue) == n)
                continue;
            text = std::to_string(n);
        }
        Lines.push_back(path + " = " + text);
    }
}

namespace {

/// A settable property found by its dotted path and the value read from its text.
struct PropertyLine
{
    TPersistent* object = nullptr;
    const PropertyInfo* property = nullptr;
    PropertyValue value;
};

/// The property at Path with the value of its text; nothing for a name that matches no
/// settable property. A malformed number throws EConvertError.
std::optional<PropertyLine> readPropertyLine(TPersistent& Instance, std::string_view Path,
                                             const std::string& Value)
{
    // A flattened property (Font.Height) is found under its whole name first.
    const PropertyInfo* p = findProperty(Instance, Path);
    if (!p) {
        const auto dot = Path.find('.');
        if (dot == std::string_view::npos)
            return std::nullopt;
        if (TPersistent* sub = ClassPropertyObject(Instance, Path.substr(0, dot)))
            return readPropertyLine(*sub, Path.substr(dot + 1), Value);
        return std::nullopt;
    }
    if (!isLeafKind(p->type) || !p->set)
        return std::nullopt;
    switch (p->type) {
    case PropertyType::Float: {
        // Files written where the decimal separator is a comma are read here too.
        std::string text = Value;
        if (const auto comma = text.find(','); comma != std::string::npos)
            text[comma] = '.';
        return PropertyLine{&Instance, p, StrToFloat(text)};
    }
    case PropertyType::String:
        return PropertyLine{&Instance, p, decodeBreaks(Value)};
    default:
        return PropertyLine{&Instance, p, valueOfOrdinal(*p, parseInteger(Trim(Value)))};
    }
}

std::optional<PropertyLine> readPropertyLine(TPersistent& Instance, const std::string& Line)
{
    std::string name, value;
    SplitNameValue(Line, '=', name, value);
    return readPropertyLine(Instance, name, value);
}

} // namespace

void SetPropertyFromText(TPersistent& Instance, std::string_view Path, const std::string& Value)
{
    if (const auto line = readPropertyLine(Instance, Path, Value))
        line->property->set(*line->object, line->value);
}

void SetPropertiesFromLines(TPersistent& Instance, const std::vector<std::string>& Lines)
{
    for (const std::string& line : Lines)
        readPropertyLine(Instance, line);
    // Each line is found again as it is set, after the lines before it.
    std::vector<PropertyLine> before;
    try {
        for (const std::string& line : Lines) {
            const auto read = readPropertyLine(Instance, line);
            if (!read)
                continue;
            if (read->property->get)
                before.push_back({read->object, read->property, read->property->get(*read->object)});
            read->property->set(*read->object, read->value);
        }
    } catch (...) {
        for (auto it = before.rbegin(); it != before.rend(); ++it) {
            try {
                it->property->set(*it->object, it->value);
            } catch (...) {
                // The value it held is put back where the setter takes it; the first error
                // is the one reported.
            }
        }
        throw;
    }
}

void LoadPropertiesFromText(TPersistent& Instance, const std::string& Prefix, std::vector<std::string>& Lines)
{
    const std::string prefix = Trim(Prefix);
    while (!Lines.empty()) {
        std::string name, value;
        SplitNameValue(Lines.front(), '=', name, value);
        if (!prefix.empty()) {
            if (name.size() <= prefix.size() || !sameText(name.substr(0, prefix.size()), prefix)
                || name[prefix.size()] != '.')
                return;
            name.erase(0, prefix.size() + 1);
        }
        SetPropertyFromText(Instance, name, value);
        Lines.erase(Lines.begin());
    }
}

TTypeKind PropertyTypeOf(TPersistent& Instance, std::string_view Path)
{
    const PropertyInfo* p = findProperty(Instance, Path);
    if (!p) {
        const auto dot = Path.find('.');
        if (dot == std::string_view::npos)
            return tkUnknown;
        TPersistent* sub = ClassPropertyObject(Instance, Path.substr(0, dot));
        return sub ? PropertyTypeOf(*sub, Path.substr(dot + 1)) : tkUnknown;
    }
    if (!p->set)
        return tkUnknown;
    switch (p->type) {
    case PropertyType::Boolean: case PropertyType::Enum:
        return tkEnumeration;
    case PropertyType::Integer: case PropertyType::Color:
        return tkInteger;
    case PropertyType::Float:
        return tkFloat;
    case PropertyType::String:
        return tkUString;
    case PropertyType::Set:
        return tkSet;
    case PropertyType::Event:
        return tkMethod;
    default:
        return tkUnknown;
    }
}

TPersistent* ClassPropertyObject(TPersistent& Instance, std::string_view Name)
{
    const PropertyInfo* p = findProperty(Instance, Name);
    return p && p->type == PropertyType::Object && p->object ? p->object(Instance) : nullptr;
}

std::string PropertyLineFromFile(const std::string& Line)
{
    // Valid UTF-8 is taken as it stands; anything else is an older single-byte line.
    std::size_t i = 0;
    while (i < Line.size()) {
        const unsigned char c = static_cast<unsigned char>(Line[i]);
        int follow = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (follow < 0 || i + static_cast<std::size_t>(follow) >= Line.size() + (follow == 0 ? 1 : 0))
            return AnsiToUtf8(Line);
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(Line[i + static_cast<std::size_t>(k)]) >> 6) != 2)
                return AnsiToUtf8(Line);
        i += static_cast<std::size_t>(follow) + 1;
    }
    return Line;
}

std::vector<std::string> LoadLinesFromFile(const std::string& FileName)
{
    std::ifstream in(FileName, std::ios::binary);
    if (!in)
        throw EiPlotError("Cannot open file \"" + FileName + "\"");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    if (in.bad())
        throw EiPlotError("Cannot read file \"" + FileName + "\"");
    return lines;
}

void SaveLinesToFile(const std::string& FileName, const std::vector<std::string>& Lines)
{
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    if (!out)
        throw EiPlotError("Cannot create file \"" + FileName + "\"");
    for (const std::string& line : Lines)
        out << line << "\r\n";
    if (!out.flush())
        throw EiPlotError("Cannot write file \"" + FileName + "\"");
}

std::vector<std::string> LoadPropertyLinesFromFile(const std::string& FileName)
{
    std::vector<std::string> lines = LoadLinesFromFile(FileName);
    for (std::string& line : lines)
        line = PropertyLineFromFile(line);
    return lines;
}

} // namespace qx::plot
