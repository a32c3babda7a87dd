#include "platform/gui/LayoutWriter.h"

#include "platform/gui/Collection.h"
#include "platform/gui/LayoutLoader.h"
#include "platform/gui/PropertyRegistry.h"

#include <exception>
#include <memory>
#include <set>
#include <string>

namespace qx {

namespace {

// Strings longer than this are written in pieces, one a line.
constexpr std::size_t kPieceLength = 64;

/// Values named by their place in the written component: the property path, with "[i]."
/// after a collection for its item i ("ToolBarManager[0].ZOrder").
using Places = std::set<std::string>;

/// Calls visit with each item of a collection, in writing order. Some collections make
/// their items for the visit only, so an item is used inside the call alone.
template <class Visit>
void forEachItem(TPersistent& items, Visit&& visit)
{
    if (auto* owned = dynamic_cast<TOwnedItemsReader*>(&items))
        owned->ForEachItem(visit);
    else if (auto* list = dynamic_cast<TCollection*>(&items))
        for (int i = 0; i < list->Count(); ++i)
            visit(*list->Items(i));
}

std::string itemPlace(const std::string& collection, int index)
{
    return collection + "[" + std::to_string(index) + "].";
}

/// Whether a value is one the writer leaves out for equalling the declared default.
bool declaredDefault(TPersistent& instance, const PropertyInfo& p, const PropertyValue& value)
{
    return p.type != PropertyType::Event && p.type != PropertyType::Object && p.type != PropertyType::Collection &&
           p.type != PropertyType::Component && p.get && p.set && p.defaultValue && p.storedFor(instance) &&
           value == *p.defaultValue;
}

class Writer
{
public:
    /// kept: values written although they equal their declared default.
    Writer(TComponent& root, const Places& kept) : root_(root), kept_(kept) {}

    LayoutObject component()
    {
        const ClassInfo* info = ClassRegistry::instance().classOf(root_);
        if (!info)
            throw PropertyError("Class " + root_.ClassName() + " has no published properties");
        LayoutObject top;
        top.name = root_.Name();
        top.className = info->name();
        properties(root_, "", "", top.properties);
        return top;
    }

private:
    /// prefix: the written path of the properties; place: their place (see Places).
    void properties(TPersistent& instance, const std::string& prefix, const std::string& place,
                    std::vector<LayoutProperty>& out)
    {
        const ClassInfo* info = ClassRegistry::instance().classOf(instance);
        if (!info)
            return;
        for (const PropertyInfo* p : info->properties())
            if (p->storedFor(instance))
                property(instance, *p, prefix + p->name, place + p->name, out);
    }

    void property(TPersistent& instance, const PropertyInfo& p, const std::string& path, const std::string& place,
                  std::vector<LayoutProperty>& out)
    {
        switch (p.type) {
        case PropertyType::Event:
            return;
        case PropertyType::Object:
            if (TPersistent* sub = p.object ? p.object(instance) : nullptr)
                properties(*sub, path + ".", place + ".", out);
            return;
        case PropertyType::Collection:
            if (TPersistent* sub = p.object ? p.object(instance) : nullptr)
                out.push_back(collection(*sub, path, place));
            return;
        case PropertyType::Component:
            if (TComponent* c = p.getComponent && p.setComponent ? p.getComponent(instance) : nullptr)
                if (c == &root_ || c->Owner() == &root_)
                    out.push_back(leaf(path, Ident{c == &root_ ? root_.Name() : c->Name()}));
            return;
        default:
            break;
        }
        if (!p.get || !p.set)
            return;
        PropertyValue value = p.get(instance);
        if (declaredDefault(instance, p, value) && !kept_.contains(place))
            return;
        out.push_back(leaf(path, std::move(value)));
    }

    LayoutProperty collection(TPersistent& items, const std::string& path, const std::string& place)
    {
        LayoutProperty c;
        c.name = path;
        c.isCollection = true;
        forEachItem(items, [&](TPersistent& item) {
            LayoutObject written;
            try {
                properties(item, "", itemPlace(place, static_cast<int>(c.items.size())), written.properties);
            } catch (const std::exception&) {
                // The item keeps the properties written before the failure.
            }
            c.items.push_back(std::move(written));
        });
        return c;
    }

    static LayoutProperty leaf(const std::string& path, PropertyValue value)
    {
        LayoutProperty p;
        p.name = path;
        p.value = std::move(value);
        return p;
    }

    TComponent& root_;
    const Places& kept_;
};

/// Adds to kept every value of written left out for its declared default that read, the
/// same object read back from the layout, does not hold (a constructor, or the reading
/// itself, gave it another value). place: the place of written's properties. Returns
/// whether it added any.
bool keepLost(TPersistent& written, TPersistent& read, const std::string& place, Places& kept)
{
    const ClassInfo* info = ClassRegistry::instance().classOf(written);
    if (!info || ClassRegistry::instance().classOf(read) != info)
        return false;
    bool added = false;
    for (const PropertyInfo* p : info->properties()) {
        if (!p->storedFor(written))
            continue;
        const std::string at = place + p->name;
        if (p->type == PropertyType::Object) {
            TPersistent* w = p->object ? p->object(written) : nullptr;
            TPersistent* r = p->object ? p->object(read) : nullptr;
            if (w && r)
                added = keepLost(*w, *r, at + ".", kept) || added;
        } else if (p->type == PropertyType::Collection) {
            TPersistent* w = p->object ? p->object(written) : nullptr;
            TPersistent* r = p->object ? p->object(read) : nullptr;
            if (!w || !r)
                continue;
            int i = 0;
            forEachItem(*w, [&](TPersistent& writtenItem) {
                int j = 0;
                forEachItem(*r, [&](TPersistent& readItem) {
                    if (j++ == i)
                        added = keepLost(writtenItem, readItem, itemPlace(at, i), kept) || added;
                });
                ++i;
            });
        } else if (p->get && !kept.contains(at)) {
            const PropertyValue value = p->get(written);
            if (declaredDefault(written, *p, value) && !(p->get(read) == value)) {
                kept.insert(at);
                added = true;
            }
        }
    }
    return added;
}

/// Reads layout into a fresh component of written's class and keeps what it loses (see
/// keepLost). False when nothing is to be added or there is no fresh component to read into.
bool keepLostOnReading(TComponent& written, const LayoutObject& layout, Places& kept)
{
    const ClassInfo* info = ClassRegistry::instance().classOf(written);
    if (!info || !info->create)
        return false;
    try {
        const std::unique_ptr<TComponent> read(info->create(nullptr));
        loadLayoutText(*read, layoutText(layout), "written.layout");
        return keepLost(written, *read, "", kept);
    } catch (const std::exception&) {
        // A layout that does not read into a fresh component keeps the declared defaults out.
        return false;
    }
}

void indent(std::string& out, int depth) { out.append(static_cast<std::size_t>(depth) * 2, ' '); }

void valueText(std::string& out, const PropertyValue& value, int depth)
{
    const std::string* s = std::get_if<std::string>(&value);
    if (!s || s->size() <= kPieceLength) {
        out += toText(value);
        return;
    }
    for (std::size_t at = 0; at < s->size(); at += kPieceLength) {
        if (at > 0) {
            out += " +\n";
            indent(out, depth + 1);
        }
        out += toText(PropertyValue(s->substr(at, kPieceLength)));
    }
}

void objectText(std::string& out, const LayoutObject& object, int depth);

void propertiesText(std::string& out, const LayoutObject& object, int depth)
{
    for (const LayoutProperty& p : object.properties) {
        indent(out, depth);
        out += p.name + " = ";
        if (!p.isCollection) {
            valueText(out, p.value, depth);
            out += '\n';
            continue;
        }
        out += "<\n";
        for (const LayoutObject& item : p.items) {
            indent(out, depth + 1);
            out += "item\n";
            propertiesText(out, item, depth + 2);
            indent(out, depth + 1);
            out += "end\n";
        }
        indent(out, depth);
        out += ">\n";
    }
    for (const LayoutObject& child : object.children)
        objectText(out, child, depth);
}

void objectText(std::string& out, const LayoutObject& object, int depth)
{
    indent(out, depth);
    out += "object " + object.name + ": " + object.className + '\n';
    propertiesText(out, object, depth + 1);
    indent(out, depth);
    out += "end\n";
}

} // namespace

LayoutObject layoutOf(TComponent& component)
{
    // A value equal to its declared default is left out, unless reading the layout without
    // it gives another value (a constructor or the reading sets one): such values are found
    // by reading the layout back and written, until the reading loses none. Each round adds
    // at least one value, so this ends.
    Places kept;
    for (;;) {
        LayoutObject layout = Writer(component, kept).component();
        if (!keepLostOnReading(component, layout, kept))
            return layout;
    }
}

std::string layoutText(const LayoutObject& layout)
{
    std::string out;
    objectText(out, layout, 0);
    return out;
}

std::string writeLayoutText(TComponent& component) { return layoutText(layoutOf(component)); }

} // namespace qx
