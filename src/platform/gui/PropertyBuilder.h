#pragma once
// Registration of classes and their published properties. Included by
// PropertyRegistry.h; use as
//   qx::registerClass<TPanel, TCustomControl>("TPanel")
//       .property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).defaultValue(bvRaised)
//       .event("OnClick", &TPanel::OnClick);

#include "platform/gui/CanvasTypes.h"
#include "platform/gui/Collection.h"
#include "platform/gui/EnumSet.h"
#include "platform/gui/Strings.h"

#include <functional>
#include <limits>
#include <type_traits>

namespace qx {
namespace detail {

template <class T>
struct IsEnumSet : std::false_type {};
template <class E>
struct IsEnumSet<EnumSet<E>> : std::true_type
{
    using Enum = E;
};

// Conversions of values, throwing PropertyError with a message naming what was expected.
bool asBool(const PropertyValue& v);
std::int64_t asInteger(const PropertyValue& v, std::int64_t min, std::int64_t max);
double asFloat(const PropertyValue& v);
std::string asString(const PropertyValue& v);
int enumValue(std::type_index type, const PropertyValue& v);
PropertyValue enumIdent(std::type_index type, int value);
std::uint64_t setBits(std::type_index type, const PropertyValue& v);
PropertyValue setIdents(std::type_index type, std::uint64_t bits);
const std::string& enumTypeName(std::type_index type);
TColor asColor(const PropertyValue& v);
PropertyValue colorValue(TColor color);
TFontStyles asFontStyles(const PropertyValue& v);
PropertyValue fontStylesValue(TFontStyles styles);
/// Bytes as a string of hexadecimal digits, two a byte, and back; an odd count or a
/// character that is no hexadecimal digit throws PropertyError.
PropertyValue bytesValue(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> asBytes(const PropertyValue& v);

template <class T>
PropertyType typeOf()
{
    if constexpr (std::is_same_v<T, bool>)
        return PropertyType::Boolean;
    else if constexpr (std::is_enum_v<T>)
        return PropertyType::Enum;
    else if constexpr (std::is_integral_v<T>)
        return PropertyType::Integer;
    else if constexpr (std::is_floating_point_v<T>)
        return PropertyType::Float;
    else if constexpr (std::is_same_v<T, std::string>)
        return PropertyType::String;
    else {
        static_assert(IsEnumSet<T>::value, "no published property type for this C++ type");
        return PropertyType::Set;
    }
}

template <class T>
std::string typeNameOf()
{
    if constexpr (std::is_same_v<T, bool>)
        return "Boolean";
    else if constexpr (std::is_enum_v<T>)
        return enumTypeName(typeid(T));
    else if constexpr (std::is_integral_v<T>)
        return "Integer";
    else if constexpr (std::is_floating_point_v<T>)
        return "Double";
    else if constexpr (std::is_same_v<T, std::string>)
        return "String";
    else
        return "set of " + enumTypeName(typeid(typename IsEnumSet<T>::Enum));
}

template <class T>
PropertyValue toValue(const T& v)
{
    if constexpr (std::is_same_v<T, bool>)
        return v;
    else if constexpr (std::is_enum_v<T>)
        return enumIdent(typeid(T), static_cast<int>(v));
    else if constexpr (std::is_integral_v<T>)
        return static_cast<std::int64_t>(v);
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<double>(v);
    else if constexpr (std::is_same_v<T, std::string>)
        return v;
    else
        return setIdents(typeid(typename IsEnumSet<T>::Enum), v.bits());
}

inline PropertyValue toValue(const char* v) { return std::string(v); }

template <class T>
T fromValue(const PropertyValue& v)
{
    if constexpr (std::is_same_v<T, bool>)
        return asBool(v);
    else if constexpr (std::is_enum_v<T>)
        return static_cast<T>(enumValue(typeid(T), v));
    else if constexpr (std::is_integral_v<T>)
        return static_cast<T>(asInteger(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(asFloat(v));
    else if constexpr (std::is_same_v<T, std::string>)
        return asString(v);
    else
        return T::fromBits(setBits(typeid(typename IsEnumSet<T>::Enum), v));
}

} // namespace detail

/// Adds the published members of class C; each call adds one property,
/// and defaultValue/stored/oldName change the one added last.
template <class C>
class ClassBuilder
{
public:
    explicit ClassBuilder(ClassInfo& info) : info_(info) {}

    ClassInfo& info() { return info_; }

    /// A property of a plain type (bool, integer, floating, string, a
    /// registered enum, or an EnumSet of one), read and written through
    /// getter(const C&) and setter(C&, value); member pointers do.
    template <class G, class S>
    ClassBuilder& property(const std::string& name, G getter, S setter)
    {
        using T = std::decay_t<std::invoke_result_t<G, const C&>>;
        PropertyInfo p = make(name, detail::typeOf<T>(), detail::typeNameOf<T>());
        p.get = [getter](TPersistent& o) { return detail::toValue<T>(std::invoke(getter, self(o))); };
        p.set = [setter](TPersistent& o, const PropertyValue& v) {
            std::invoke(setter, self(o), detail::fromValue<T>(v));
        };
        return add(std::move(p));
    }

    /// A colour: a number (0x00BBGGRR) or a colour name (clBtnFace).
    template <class G, class S>
    ClassBuilder& color(const std::string& name, G getter, S setter)
    {
        PropertyInfo p = make(name, PropertyType::Color, "TColor");
        p.get = [getter](TPersistent& o) { return detail::colorValue(std::invoke(getter, self(o))); };
        p.set = [setter](TPersistent& o, const PropertyValue& v) { std::invoke(setter, self(o), detail::asColor(v)); };
        return add(std::move(p));
    }

    /// A picture given by the name of a resource (empty for none).
    template <class G, class S>
    ClassBuilder& picture(const std::string& name, G getter, S setter)
    {
        PropertyInfo p = make(name, PropertyType::Picture, "TPicture");
        p.get = [getter](TPersistent& o) { return PropertyValue(std::string(std::invoke(getter, self(o)))); };
        p.set = [setter](TPersistent& o, const PropertyValue& v) { std::invoke(setter, self(o), detail::asString(v)); };
        return add(std::move(p));
    }

    /// A string list reached through accessor(C&) -> TStrings*.
    template <class A>
    ClassBuilder& strings(const std::string& name, A accessor)
    {
        PropertyInfo p = make(name, PropertyType::StringList, "TStrings");
        p.get = [accessor](TPersistent& o) {
            return PropertyValue(StringLines{std::invoke(accessor, self(o))->Lines()});
        };
        p.set = [accessor](TPersistent& o, const PropertyValue& v) {
            std::invoke(accessor, self(o))->SetLines(stringLines(v));
        };
        return add(std::move(p));
    }

    /// Bytes in a format of their own, read through getter(const C&) -> bytes and written
    /// through setter(C&, const bytes&); a layout holds them as hexadecimal digits.
    template <class G, class S>
    ClassBuilder& binary(const std::string& name, G getter, S setter)
    {
        PropertyInfo p = make(name, PropertyType::Binary, "binary");
        p.get = [getter](TPersistent& o) { return detail::bytesValue(std::invoke(getter, self(o))); };
        p.set = [setter](TPersistent& o, const PropertyValue& v) { std::invoke(setter, self(o), detail::asBytes(v)); };
        return add(std::move(p));
    }

    /// A sub-object with properties of its own, reached through accessor(C&).
    template <class A>
    ClassBuilder& object(const std::string& name, A accessor)
    {
        PropertyInfo p = make(name, PropertyType::Object, "TPersistent");
        p.object = [accessor](TPersistent& o) -> TPersistent* { return std::invoke(accessor, self(o)); };
        return add(std::move(p));
    }

    /// A collection reached through accessor(C&) -> TCollection*.
    template <class A>
    ClassBuilder& collection(const std::string& name, A accessor)
    {
        PropertyInfo p = make(name, PropertyType::Collection, "TCollection");
        p.object = [accessor](TPersistent& o) -> TPersistent* { return std::invoke(accessor, self(o)); };
        return add(std::move(p));
    }

    /// A font, published as the leaf properties Name.Name, Name.Color,
    /// Name.Height and Name.Style; getter returns the font, setter takes one.
    template <class G, class S>
    ClassBuilder& font(const std::string& name, G getter, S setter)
    {
        auto edit = [getter, setter](TPersistent& o, auto change) {
            TFont f = std::invoke(getter, self(o));
            change(f);
            std::invoke(setter, self(o), f);
        };
        PropertyInfo family = make(name + ".Name", PropertyType::String, "TFontName");
        family.get = [getter](TPersistent& o) { return PropertyValue(std::invoke(getter, self(o)).Name); };
        family.set = [edit](TPersistent& o, const PropertyValue& v) {
            edit(o, [&](TFont& f) { f.Name = detail::asString(v); });
        };
        std::vector<std::size_t> group;
        add(std::move(family));
        group.push_back(lastIndex_);
        PropertyInfo color = make(name + ".Color", PropertyType::Color, "TColor");
        color.get = [getter](TPersistent& o) { return detail::colorValue(std::invoke(getter, self(o)).Color); };
        color.set = [edit](TPersistent& o, const PropertyValue& v) {
            edit(o, [&](TFont& f) { f.Color = detail::asColor(v); });
        };
        add(std::move(color));
        group.push_back(lastIndex_);
        PropertyInfo height = make(name + ".Height", PropertyType::Integer, "Integer");
        height.get = [getter](TPersistent& o) {
            return PropertyValue(std::int64_t{std::invoke(getter, self(o)).Height()});
        };
        height.set = [edit](TPersistent& o, const PropertyValue& v) {
            edit(o, [&](TFont& f) { f.SetHeight(static_cast<int>(detail::asInteger(v, -2000, 2000))); });
        };
        add(std::move(height));
        group.push_back(lastIndex_);
        PropertyInfo style = make(name + ".Style", PropertyType::Set, "TFontStyles");
        style.get = [getter](TPersistent& o) { return detail::fontStylesValue(std::invoke(getter, self(o)).Style); };
        style.set = [edit](TPersistent& o, const PropertyValue& v) {
            edit(o, [&](TFont& f) { f.Style = detail::asFontStyles(v); });
        };
        add(std::move(style));
        group.push_back(lastIndex_);
        group_ = std::move(group);
        return *this;
    }

    /// A reference to another component of the same form, by name.
    template <class T, class G, class S>
    ClassBuilder& component(const std::string& name, G getter, S setter)
    {
        PropertyInfo p = make(name, PropertyType::Component, "component");
        p.getComponent = [getter](TPersistent& o) -> TComponent* { return std::invoke(getter, self(o)); };
        p.setComponent = [setter](TPersistent& o, TComponent* c) {
            T* typed = dynamic_cast<T*>(c);
            if (c && !typed)
                return false;
            std::invoke(setter, self(o), typed);
            return true;
        };
        return add(std::move(p));
    }

    /// An event: a public handler member of type E (std::function).
    template <class E>
    ClassBuilder& event(const std::string& name, E C::*member)
    {
        PropertyInfo p = make(name, PropertyType::Event, "event");
        p.eventType = typeid(E);
        p.bindEvent = [member](TPersistent& o, const std::any& h) { self(o).*member = std::any_cast<E>(h); };
        p.clearEvent = [member](TPersistent& o) { self(o).*member = nullptr; };
        return add(std::move(p));
    }

    /// A method the layout binds event handlers to, by its name.
    template <class... A>
    ClassBuilder& method(const std::string& name, void (C::*m)(A...))
    {
        using Handler = std::function<void(A...)>;
        MethodInfo info{name, typeid(Handler), [m](TObject& instance) {
                            C* target = dynamic_cast<C*>(&instance);
                            return std::any(Handler([target, m](A... args) { (target->*m)(args...); }));
                        }};
        for (auto& existing : info_.ownMethods())
            if (existing.name == name) {
                existing = std::move(info);
                return *this;
            }
        info_.ownMethods().push_back(std::move(info));
        return *this;
    }

    /// A field the layout loader fills with the component of the same name.
    template <class T>
    ClassBuilder& field(const std::string& name, T* C::*member)
    {
        FieldInfo info{name, typeid(T).name(), [member](TObject& instance, TComponent* c) {
                           T* typed = dynamic_cast<T*>(c);
                           C* target = dynamic_cast<C*>(&instance);
                           if (!typed || !target)
                               return false;
                           target->*member = typed;
                           return true;
                       }};
        info_.ownFields().push_back(std::move(info));
        return *this;
    }

    template <class T>
    ClassBuilder& defaultValue(const T& value)
    {
        last().defaultValue = detail::toValue(value);
        return *this;
    }
    ClassBuilder& colorDefault(TColor value)
    {
        last().defaultValue = detail::colorValue(value);
        return *this;
    }
    ClassBuilder& stored(bool value)
    {
        last().stored = value;
        return *this;
    }
    /// Written only for an instance where condition(const C&) holds; after font, this holds
    /// for all four of the font's properties.
    template <class P>
    ClassBuilder& storedWhen(P condition)
    {
        auto when = [condition](TPersistent& o) { return std::invoke(condition, self(o)); };
        if (group_.empty())
            last().storedWhen = when;
        for (std::size_t index : group_)
            info_.ownProperties().at(index).storedWhen = when;
        return *this;
    }
    ClassBuilder& oldName(const std::string& name)
    {
        last().oldNames.push_back(name);
        return *this;
    }

private:
    static C& self(TPersistent& o) { return static_cast<C&>(o); }
    static std::vector<std::string> stringLines(const PropertyValue& v)
    {
        if (const auto* l = std::get_if<StringLines>(&v))
            return l->lines;
        return {detail::asString(v)};
    }
    static PropertyInfo make(const std::string& name, PropertyType type, std::string typeName)
    {
        PropertyInfo p;
        p.name = name;
        p.type = type;
        p.typeName = std::move(typeName);
        return p;
    }
    ClassBuilder& add(PropertyInfo p)
    {
        auto& props = info_.ownProperties();
        for (auto& existing : props)
            if (sameText(existing.name, p.name)) {
                existing = std::move(p);
                lastIndex_ = static_cast<std::size_t>(&existing - props.data());
                group_.clear();
                return *this;
            }
        props.push_back(std::move(p));
        lastIndex_ = props.size() - 1;
        group_.clear();
        return *this;
    }
    PropertyInfo& last() { return info_.ownProperties().at(lastIndex_); }

    ClassInfo& info_;
    std::size_t lastIndex_ = 0;
    // The properties of the last font, which storedWhen sets together.
    std::vector<std::size_t> group_;
};

/// Registers class C (derived from the registered class Base, or a root when
/// Base is void) under name, made by name when it has a constructor from an
/// owner. Registering a name again returns the same class.
template <class C, class Base = void>
ClassBuilder<C> registerClass(const std::string& name)
{
    const ClassInfo* parent = nullptr;
    if constexpr (!std::is_void_v<Base>) {
        static_assert(std::is_base_of_v<Base, C>);
        parent = ClassRegistry::instance().find(typeid(Base));
        if (!parent)
            throw std::logic_error("base class of " + name + " is not registered");
    }
    ClassInfo& info = ClassRegistry::instance().add(typeid(C), name, parent);
    info.isInstance = [](const TObject& o) { return dynamic_cast<const C*>(&o) != nullptr; };
    if constexpr (std::is_constructible_v<C, TComponent*> && !std::is_abstract_v<C>)
        info.create = [](TComponent* owner) -> TComponent* { return new C(owner); };
    return ClassBuilder<C>(info);
}

} // namespace qx
