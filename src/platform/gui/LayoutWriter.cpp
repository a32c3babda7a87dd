#include "platform/gui/LayoutWriter.h"

#include "platform/gui/Collection.h"
#include "platform/gui/PropertyRegistry.h"

#include <exception>

namespace qx {

namespace {

// Strings longer than this are written in pieces, one a line.
constexpr std::size_t kPieceLength = 64;

class Writer
{
public:
    explicit Writer(TComponent& root) : root_(root) {}

    LayoutObject component()
    {
        const ClassInfo* info = ClassRegistry::instance().classOf(root_);
        if (!info)
            throw PropertyError("Class " + root_.ClassName() + " has no published properties");
        LayoutObject top;
        top.name = root_.Name();
        top.className = info->name();
        properties(root_, "", top.properties);
        return top;
    }

private:
    void properties(TPersistent& instance, const std::string& prefix, std::vector<LayoutProperty>& out)
    {
        const ClassInfo* info = ClassRegistry::instance().classOf(instance);
        if (!info)
            return;
        for (const PropertyInfo* p : info->properties())
            if (p->storedFor(instance))
                property(instance, *p, prefix + p->name, out);
    }

    void property(TPersistent& instance, const PropertyInfo& p, const std::string& path,
                  std::vector<LayoutProperty>& out)
    {
        switch (p.type) {
        case PropertyType::Event:
            return;
        case PropertyType::Object:
            if (TPersistent* sub = p.object ? p.object(instance) : nullptr)
                properties(*sub, path + ".", out);
            return;
        case PropertyType::Collection:
            if (TPersistent* sub = p.object ? p.object(instance) : nullptr)
                out.push_back(collection(*sub, path));
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
        if (p.defaultValue && value == *p.defaultValue)
            return;
        out.push_back(leaf(path, std::move(value)));
    }

    LayoutProperty collection(TPersistent& items, const std::string& path)
    {
        LayoutProperty c;
        c.name = path;
        c.isCollection = true;
        const auto addItem = [&](TPersistent& item) {
            LayoutObject written;
            try {
                properties(item, "", written.properties);
            } catch (const std::exception&) {
                // The item keeps the properties written before the failure.
            }
            c.items.push_back(std::move(written));
        };
        if (auto* owned = dynamic_cast<TOwnedItemsReader*>(&items))
            owned->ForEachItem(addItem);
        else if (auto* list = dynamic_cast<TCollection*>(&items))
            for (int i = 0; i < list->Count(); ++i)
                addItem(*list->Items(i));
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
};

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

LayoutObject layoutOf(TComponent& component) { return Writer(component).component(); }

std::string layoutText(const LayoutObject& layout)
{
    std::string out;
    objectText(out, layout, 0);
    return out;
}

std::string writeLayoutText(TComponent& component) { return layoutText(layoutOf(component)); }

} // namespace qx
