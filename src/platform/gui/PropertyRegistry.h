#pragma once

#include "platform/gui/Component.h"

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

class TStrings;

namespace qx {

/// An enumerator or colour name, or the name of a handler or component, as
/// a layout or property file writes it.
struct Ident
{
    std::string name;
    bool operator==(const Ident&) const = default;
};
/// The members of a set property: [akLeft, akTop].
struct IdentSet
{
    std::vector<std::string> names;
    bool operator==(const IdentSet&) const = default;
};
/// The lines of a string-list property.
struct StringLines
{
    std::vector<std::string> lines;
    bool operator==(const StringLines&) const = default;
};

using PropertyValue = std::variant<std::monostate, bool, std::int64_t, double, std::string, Ident, IdentSet, StringLines>;

/// Text of a value as a layout writes it ("alClient", 12, "'text'", [a, b]).
std::string toText(const PropertyValue& value);

/// Bytes as upper-case hexadecimal digits, two a byte.
std::string hexText(const std::vector<std::uint8_t>& bytes);

/// A property that does not exist, does not take the value given, or
/// refused it. The message names the class and property.
class PropertyError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class PropertyType {
    Boolean, Integer, Float, String, Enum, Set, Color, StringList, Picture, Object, Collection, Component, Event,
    /// Bytes in a format of their own (an image list's stream), given as a string of
    /// hexadecimal digits; streamed with a layout but left out of property files.
    Binary
};

/// One published property of a class.
struct PropertyInfo
{
    std::string name;
    PropertyType type = PropertyType::Integer;
    std::string typeName;
    std::optional<PropertyValue> defaultValue;
    /// Written to files; a property that is not stored is still read.
    bool stored = true;
    /// When set, a stored property is written only for an instance where this holds (a
    /// collection that holds items, an image list that holds pictures).
    std::function<bool(TPersistent&)> storedWhen;
    /// Names this property had before, accepted when reading only.
    std::vector<std::string> oldNames;

    std::function<PropertyValue(TPersistent&)> get;
    std::function<void(TPersistent&, const PropertyValue&)> set;
    /// Object and Collection properties: the sub-object.
    std::function<TPersistent*(TPersistent&)> object;
    /// Component properties: setter and getter of the referenced component.
    std::function<bool(TPersistent&, TComponent*)> setComponent;
    std::function<TComponent*(TPersistent&)> getComponent;
    /// Event properties: the handler type and the binder of a handler made
    /// by a published method.
    std::type_index eventType = typeid(void);
    std::function<void(TPersistent&, const std::any& handler)> bindEvent;
    std::function<void(TPersistent&)> clearEvent;

    bool isLeaf() const { return type != PropertyType::Object && type != PropertyType::Collection; }
    /// Whether the instance writes this property: stored, and its condition holds.
    bool storedFor(TPersistent& instance) const { return stored && (!storedWhen || storedWhen(instance)); }
};

/// A method a form publishes for the layout to bind handlers to.
struct MethodInfo
{
    std::string name;
    std::type_index handlerType = typeid(void);
    std::function<std::any(TObject& instance)> makeHandler;
};

/// A field of a form that the layout loader fills with the control of the
/// same name.
struct FieldInfo
{
    std::string name;
    std::string typeName;
    /// Stores the component; false when it has the wrong class.
    std::function<bool(TObject& instance, TComponent* component)> assign;
};

/// The published part of one class.
class ClassInfo
{
public:
    ClassInfo(std::string name, const ClassInfo* parent);

    const std::string& name() const { return name_; }
    const ClassInfo* parent() const { return parent_; }
    int depth() const { return depth_; }
    bool inheritsFrom(const ClassInfo& other) const;

    /// Finds a property here or in a base class. Old names count only when
    /// reading.
    const PropertyInfo* findProperty(std::string_view name, bool reading = false) const;
    /// All properties, base class first.
    std::vector<const PropertyInfo*> properties() const;
    const MethodInfo* findMethod(std::string_view name) const;
    /// All fields, base class first.
    std::vector<const FieldInfo*> fields() const;

    /// Makes an instance owned by owner; null for classes that cannot be
    /// made by name.
    std::function<TComponent*(TComponent* owner)> create;
    std::function<bool(const TObject&)> isInstance;

    /// The class's own properties, to add or change (the lookup of every
    /// class is made again after a change).
    std::vector<PropertyInfo>& ownProperties();
    std::vector<MethodInfo>& ownMethods() { return methods_; }
    std::vector<FieldInfo>& ownFields() { return fields_; }

private:
    // Names (case folded) to properties, here and in the base classes, the
    // nearest class first; made when first asked and again after any class's
    // properties changed. A layout sets tens of thousands of properties.
    struct Lookup
    {
        unsigned generation = 0;
        std::unordered_map<std::string, const PropertyInfo*> byName, byOldName;
    };
    const Lookup& lookup() const;

    std::string name_;
    const ClassInfo* parent_;
    int depth_;
    mutable std::mutex lookupMutex_;
    mutable std::unique_ptr<Lookup> lookup_;
    std::vector<PropertyInfo> properties_;
    std::vector<MethodInfo> methods_;
    std::vector<FieldInfo> fields_;
};

/// Every registered class, by name and by C++ type.
class ClassRegistry
{
public:
    static ClassRegistry& instance();

    /// Adds a class, or returns it when a class of that name is there.
    ClassInfo& add(std::type_index type, const std::string& name, const ClassInfo* parent);
    const ClassInfo* find(std::string_view name) const;
    const ClassInfo* find(std::type_index type) const;
    /// The most derived registered class of the object, nullptr when none.
    const ClassInfo* classOf(const TObject& object) const;

    struct EnumInfo
    {
        std::string typeName;
        std::vector<std::pair<std::string, int>> values;
        std::optional<int> valueOf(std::string_view name) const;
        const std::string* nameOf(int value) const;
    };
    void addEnum(std::type_index type, EnumInfo info);
    const EnumInfo* findEnum(std::type_index type) const;
    /// The enumeration registered under typeName, nullptr when none.
    const EnumInfo* findEnum(std::string_view typeName) const;

private:
    std::map<std::string, std::unique_ptr<ClassInfo>, std::less<>> byName_;
    std::map<std::type_index, ClassInfo*> byType_;
    std::map<std::type_index, EnumInfo> enums_;
};

/// The value of the property at a dotted path from object ("Font.Name",
/// "pnlTop.Caption": a path step may be an object property or an owned
/// component's name). Throws PropertyError.
PropertyValue getProperty(TPersistent& object, std::string_view path);
/// Sets the property at a dotted path; with reading, old names are accepted.
void setProperty(TPersistent& object, std::string_view path, const PropertyValue& value, bool reading = false);

/// The object and property a dotted path leads to.
struct PropertyTarget
{
    TPersistent* object = nullptr;
    const PropertyInfo* property = nullptr;
};
PropertyTarget resolvePropertyPath(TPersistent& object, std::string_view path, bool reading = false);

template <class E>
void registerEnum(const std::string& typeName, std::vector<std::pair<std::string, E>> values)
{
    ClassRegistry::EnumInfo info{typeName, {}};
    for (auto& [name, value] : values)
        info.values.emplace_back(name, static_cast<int>(value));
    ClassRegistry::instance().addEnum(typeid(E), std::move(info));
}

} // namespace qx

#include "platform/gui/PropertyBuilder.h"
