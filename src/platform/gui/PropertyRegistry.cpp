#include "platform/gui/PropertyRegistry.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <sstream>

namespace qx {

namespace {

std::string quoted(const std::string& s)
{
    std::string out = "\"";
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            // Other control bytes are escaped, so a line holds nothing a text tool would change.
            out += "\\x";
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

// The items between the open and close marks, separated by ", ", quoted when asked.
std::string listed(const std::vector<std::string>& items, bool quote, char open, char close)
{
    std::string out(1, open);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            out += ", ";
        if (quote)
            out += quoted(items[i]);
        else
            out += items[i];
    }
    out += close;
    return out;
}

} // namespace

std::string toText(const PropertyValue& value)
{
    struct Visitor
    {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t i) const { return std::to_string(i); }
        std::string operator()(double d) const
        {
            std::ostringstream s;
            s.imbue(std::locale::classic());
            s.precision(17);
            s << d;
            std::string t = s.str();
            if (t.find_first_of(".eEn") == std::string::npos)
                t += ".0";
            return t;
        }
        std::string operator()(const std::string& s) const { return quoted(s); }
        std::string operator()(const Ident& i) const { return i.name; }
        std::string operator()(const IdentSet& s) const { return listed(s.names, false, '[', ']'); }
        std::string operator()(const StringLines& l) const { return listed(l.lines, true, '(', ')'); }
    };
    return std::visit(Visitor{}, value);
}

std::string hexText(const std::vector<std::uint8_t>& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0xF];
    }
    return text;
}

// ---- classes ----

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent)
    : name_(std::move(name)), parent_(parent), depth_(parent ? parent->depth() + 1 : 0)
{
}

bool ClassInfo::inheritsFrom(const ClassInfo& other) const
{
    for (const ClassInfo* c = this; c; c = c->parent_)
        if (c == &other)
            return true;
    return false;
}

namespace {

// Counts the changes to any class's properties: a class's lookup made before
// the last change is made again.
std::atomic<unsigned> gPropertyChanges{1};

std::string folded(std::string_view name)
{
    std::string key(name.size(), '\0');
    std::transform(name.begin(), name.end(), key.begin(), foldCase);
    return key;
}

} // namespace

std::vector<PropertyInfo>& ClassInfo::ownProperties()
{
    ++gPropertyChanges;
    return properties_;
}

const ClassInfo::Lookup& ClassInfo::lookup() const
{
    const unsigned generation = gPropertyChanges.load();
    if (!lookup_ || lookup_->generation != generation) {
        auto made = std::make_unique<Lookup>();
        made->generation = generation;
        // The first of a name wins: the nearest class, then the order of adding.
        for (const ClassInfo* c = this; c; c = c->parent_)
            for (const PropertyInfo& p : c->properties_) {
                made->byName.emplace(folded(p.name), &p);
                for (const std::string& old : p.oldNames)
                    made->byOldName.emplace(folded(old), &p);
            }
        lookup_ = std::move(made);
    }
    return *lookup_;
}

const PropertyInfo* ClassInfo::findProperty(std::string_view name, bool reading) const
{
    const std::string key = folded(name);
    const std::lock_guard lock(lookupMutex_);
    const Lookup& found = lookup();
    if (auto it = found.byName.find(key); it != found.byName.end())
        return it->second;
    if (reading)
        if (auto it = found.byOldName.find(key); it != found.byOldName.end())
            return it->second;
    return nullptr;
}

std::vector<const PropertyInfo*> ClassInfo::properties() const
{
    std::vector<const PropertyInfo*> all = parent_ ? parent_->properties() : std::vector<const PropertyInfo*>{};
    for (const PropertyInfo& p : properties_) {
        auto it = std::find_if(all.begin(), all.end(), [&](const PropertyInfo* q) { return sameText(q->name, p.name); });
        if (it != all.end())
            *it = &p; // re-published with other settings
        else
            all.push_back(&p);
    }
    return all;
}

const MethodInfo* ClassInfo::findMethod(std::string_view name) const
{
    for (const ClassInfo* c = this; c; c = c->parent_)
        for (const MethodInfo& m : c->methods_)
            if (m.name == name)
                return &m;
    return nullptr;
}

std::vector<const FieldInfo*> ClassInfo::fields() const
{
    std::vector<const FieldInfo*> all = parent_ ? parent_->fields() : std::vector<const FieldInfo*>{};
    for (const FieldInfo& f : fields_)
        all.push_back(&f);
    return all;
}

ClassRegistry& ClassRegistry::instance()
{
    static ClassRegistry registry;
    return registry;
}

ClassInfo& ClassRegistry::add(std::type_index type, const std::string& name, const ClassInfo* parent)
{
    auto it = byName_.find(name);
    if (it != byName_.end())
        return *it->second;
    auto info = std::make_unique<ClassInfo>(name, parent);
    ClassInfo& ref = *info;
    byName_.emplace(name, std::move(info));
    byType_[type] = &ref;
    return ref;
}

const ClassInfo* ClassRegistry::find(std::string_view name) const
{
    auto it = byName_.find(name);
    if (it != byName_.end())
        return it->second.get();
    for (const auto& [key, info] : byName_)
        if (sameText(key, name))
            return info.get();
    return nullptr;
}

const ClassInfo* ClassRegistry::find(std::type_index type) const
{
    auto it = byType_.find(type);
    return it == byType_.end() ? nullptr : it->second;
}

const ClassInfo* ClassRegistry::classOf(const TObject& object) const
{
    if (const ClassInfo* exact = find(typeid(object)))
        return exact;
    const ClassInfo* best = nullptr;
    for (const auto& [name, info] : byName_)
        if (info->isInstance && (!best || info->depth() > best->depth()) && info->isInstance(object))
            best = info.get();
    return best;
}

std::optional<int> ClassRegistry::EnumInfo::valueOf(std::string_view name) const
{
    for (const auto& [n, v] : values)
        if (sameText(n, name))
            return v;
    return std::nullopt;
}

const std::string* ClassRegistry::EnumInfo::nameOf(int value) const
{
    for (const auto& [n, v] : values)
        if (v == value)
            return &n;
    return nullptr;
}

void ClassRegistry::addEnum(std::type_index type, EnumInfo info) { enums_[type] = std::move(info); }

const ClassRegistry::EnumInfo* ClassRegistry::findEnum(std::type_index type) const
{
    auto it = enums_.find(type);
    return it == enums_.end() ? nullptr : &it->second;
}

const ClassRegistry::EnumInfo* ClassRegistry::findEnum(std::string_view typeName) const
{
    for (const auto& [type, info] : enums_)
        if (info.typeName == typeName)
            return &info;
    return nullptr;
}

// ---- paths ----

namespace {

std::vector<std::string_view> splitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t dot = path.find('.', start);
        parts.push_back(path.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return parts;
}

std::string join(const std::vector<std::string_view>& parts, std::size_t from, std::size_t to)
{
    std::string s;
    for (std::size_t i = from; i < to; ++i) {
        if (i > from)
            s += '.';
        s += parts[i];
    }
    return s;
}

const ClassInfo& classInfoOf(const TPersistent& object)
{
    const ClassInfo* info = ClassRegistry::instance().classOf(object);
    if (!info)
        throw PropertyError("Class " + object.ClassName() + " has no published properties");
    return *info;
}

} // namespace

PropertyTarget resolvePropertyPath(TPersistent& object, std::string_view path, bool reading)
{
    const auto parts = splitPath(path);
    TPersistent* current = &object;
    std::size_t i = 0;
    while (i < parts.size()) {
        const ClassInfo& info = classInfoOf(*current);
        // The longest run of steps that names a property ("Font.Name" is one).
        const PropertyInfo* found = nullptr;
        std::size_t used = 0;
        for (std::size_t n = parts.size() - i; n > 0 && !found; --n)
            if ((found = info.findProperty(join(parts, i, i + n), reading)))
                used = n;
        if (found && i + used == parts.size())
            return {current, found};
        if (found && !found->isLeaf()) {
            current = found->object(*current);
            if (!current)
                throw PropertyError("Property " + found->name + " of " + info.name() + " is empty");
            i += used;
            continue;
        }
        auto* component = dynamic_cast<TComponent*>(current);
        TComponent* child = component ? component->FindComponent(parts[i]) : nullptr;
        if (!child || i + 1 == parts.size())
            throw PropertyError("Class " + info.name() + " has no property " + std::string(parts[i]));
        current = child;
        ++i;
    }
    throw PropertyError("Empty property path");
}

PropertyValue getProperty(TPersistent& object, std::string_view path)
{
    PropertyTarget t = resolvePropertyPath(object, path);
    const PropertyInfo& p = *t.property;
    if (p.getComponent) {
        TComponent* c = p.getComponent(*t.object);
        return c ? PropertyValue(Ident{c->Name()}) : PropertyValue(Ident{"nil"});
    }
    if (!p.get)
        throw PropertyError("Property " + p.name + " cannot be read as a value");
    return p.get(*t.object);
}

void setProperty(TPersistent& object, std::string_view path, const PropertyValue& value, bool reading)
{
    PropertyTarget t = resolvePropertyPath(object, path, reading);
    const PropertyInfo& p = *t.property;
    if (!p.set)
        throw PropertyError("Property " + p.name + " cannot be set from a value");
    p.set(*t.object, value);
}

// ---- conversions ----

namespace detail {

namespace {

[[noreturn]] void wrongValue(const PropertyValue& v, const std::string& expected)
{
    throw PropertyError("Invalid property value " + toText(v) + ": " + expected + " expected");
}

const ClassRegistry::EnumInfo& enumInfo(std::type_index type)
{
    const auto* info = ClassRegistry::instance().findEnum(type);
    if (!info)
        throw std::logic_error(std::string("enumeration not registered: ") + type.name());
    return *info;
}

struct NamedColor
{
    const char* name;
    TColor value;
};

const NamedColor kColors[] = {
    {"clNone", clNone},
    {"clBlack", clBlack},
    {"clWhite", clWhite},
    {"clRed", clRed},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clBtnFace", clBtnFace},
    {"clDefault", clDefault}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clLime", clLime}, {"clYellow", clYellow}, {"clBlue", clBlue},
    {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue},
    {"clCream", clCream}, {"clMedGray", clMedGray}, {"clScrollBar", clScrollBar},
    {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption}, {"clMenu", clMenu}, {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText}, {"clCaptionText", clCaptionText}, {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder}, {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText}, {"clBtnText", clBtnText}, {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText}, {"clInfoBk", clInfoBk}, {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption}, {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
};

const std::pair<const char*, TFontStyles> kFontStyles[] = {
    {"fsBold", 1}, {"fsItalic", 2}, {"fsUnderline", 4}, {"fsStrikeOut", 8}};

} // namespace

bool asBool(const PropertyValue& v)
{
    if (const bool* b = std::get_if<bool>(&v))
        return *b;
    wrongValue(v, "True or False");
}

std::int64_t asInteger(const PropertyValue& v, std::int64_t min, std::int64_t max)
{
    const std::int64_t* i = std::get_if<std::int64_t>(&v);
    if (!i)
        wrongValue(v, "a whole number");
    if (*i < min || *i > max)
        wrongValue(v, "a number from " + std::to_string(min) + " to " + std::to_string(max));
    return *i;
}

double asFloat(const PropertyValue& v)
{
    if (const double* d = std::get_if<double>(&v))
        return *d;
    if (const std::int64_t* i = std::get_if<std::int64_t>(&v))
        return static_cast<double>(*i);
    wrongValue(v, "a number");
}

std::string asString(const PropertyValue& v)
{
    if (const std::string* s = std::get_if<std::string>(&v))
        return *s;
    wrongValue(v, "a string");
}

int enumValue(std::type_index type, const PropertyValue& v)
{
    const auto& info = enumInfo(type);
    if (const Ident* i = std::get_if<Ident>(&v))
        if (auto value = info.valueOf(i->name))
            return *value;
    wrongValue(v, "a value of " + info.typeName);
}

PropertyValue enumIdent(std::type_index type, int value)
{
    const auto& info = enumInfo(type);
    if (const std::string* name = info.nameOf(value))
        return Ident{*name};
    return static_cast<std::int64_t>(value);
}

std::uint64_t setBits(std::type_index type, const PropertyValue& v)
{
    const auto& info = enumInfo(type);
    const IdentSet* s = std::get_if<IdentSet>(&v);
    if (!s)
        wrongValue(v, "a set of " + info.typeName);
    std::uint64_t bits = 0;
    for (const std::string& name : s->names) {
        auto value = info.valueOf(name);
        if (!value)
            wrongValue(Ident{name}, "a value of " + info.typeName);
        bits |= std::uint64_t{1} << *value;
    }
    return bits;
}

PropertyValue setIdents(std::type_index type, std::uint64_t bits)
{
    IdentSet s;
    for (const auto& [name, value] : enumInfo(type).values)
        if (value >= 0 && value < 64 && (bits >> value & 1))
            s.names.push_back(name);
    return s;
}

const std::string& enumTypeName(std::type_index type) { return enumInfo(type).typeName; }

TColor asColor(const PropertyValue& v)
{
    if (const std::int64_t* i = std::get_if<std::int64_t>(&v)) {
        if (*i < INT32_MIN || *i > UINT32_MAX)
            wrongValue(v, "a colour");
        return static_cast<TColor>(*i);
    }
    if (const Ident* i = std::get_if<Ident>(&v))
        for (const NamedColor& c : kColors)
            if (sameText(c.name, i->name))
                return c.value;
    wrongValue(v, "a colour");
}

PropertyValue colorValue(TColor color)
{
    for (const NamedColor& c : kColors)
        if (c.value == color)
            return Ident{c.name};
    return static_cast<std::int64_t>(color);
}

TFontStyles asFontStyles(const PropertyValue& v)
{
    const IdentSet* s = std::get_if<IdentSet>(&v);
    if (!s)
        wrongValue(v, "a set of TFontStyle");
    TFontStyles styles = 0;
    for (const std::string& name : s->names) {
        auto it = std::find_if(std::begin(kFontStyles), std::end(kFontStyles),
                               [&](const auto& p) { return sameText(p.first, name); });
        if (it == std::end(kFontStyles))
            wrongValue(Ident{name}, "a value of TFontStyle");
        styles = static_cast<TFontStyles>(styles | it->second);
    }
    return styles;
}

PropertyValue fontStylesValue(TFontStyles styles)
{
    IdentSet s;
    for (const auto& [name, bit] : kFontStyles)
        if (styles & bit)
            s.names.emplace_back(name);
    return s;
}

PropertyValue bytesValue(const std::vector<std::uint8_t>& bytes) { return hexText(bytes); }

std::vector<std::uint8_t> asBytes(const PropertyValue& v)
{
    const std::string* text = std::get_if<std::string>(&v);
    if (!text)
        wrongValue(v, "hexadecimal digits in a string");
    if (text->size() % 2 != 0)
        throw PropertyError("Invalid binary value: an odd number of hexadecimal digits");
    std::vector<std::uint8_t> bytes(text->size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        unsigned value = 0;
        const char* first = text->data() + 2 * i;
        const auto [end, error] = std::from_chars(first, first + 2, value, 16);
        if (error != std::errc() || end != first + 2)
            throw PropertyError("Invalid binary value: '" + text->substr(2 * i, 2) + "' is no hexadecimal byte");
        bytes[i] = static_cast<std::uint8_t>(value);
    }
    return bytes;
}

} // namespace detail
} // namespace qx
