#include "platform/gui/LayoutWriter.h"

#include "platform/gui/Collection.h"
#include "platform/gui/PropertyRegistry.h"

#include <exception>
#include <memory>

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
        // A value is left out only when it equals what the reader's freshly made object
        // holds: some constructors set values other than the declared default.
        std::unique_ptr<TComponent> fresh;
        if (info->create) {
            try {
                fresh.reset(info->create(nullptr));
            } catch (const std::exception&) {
                fresh.reset();
            }
        }
        properties(root_, fresh.get(), "", top.properties);
        return top;
    }

private:
    /// fresh: the object of the same place as the reader makes it, or null when there is
    /// none (the declared defaults then stand for it).
    void properties(TPersistent& instance, TPersistent* fresh, const std::string& prefix,
                    std::vector<LayoutProperty>& out)
    {
        const ClassInfo* info = ClassRegistry::instance().classOf(instance);
        if (!info)
            return;
        if (fresh && ClassRegistry::instance().classOf(*fresh) != info)
            fresh = nullptr;
        for (const PropertyInfo* p : info->properties())
            if (p->storedFor(instance))
                property(instance, fresh, *p, prefix + p->name, out);
    }

    void property(TPersistent& instance, TPersistent* fresh, const PropertyInfo& p, const std::string& path,
                  std::vector<LayoutProperty>& out)
    {
        switch (p.type) {
        case PropertyType::Event:
            return;
        case PropertyType::Object:
            if (TPersistent* sub = p.object ? p.object(instance) : nullptr)
                properties(*sub, fresh ? p.object(*fresh) : nullptr, path + ".", out);
            return;
        case PropertyType::Collection:
            if (TPersistent* sub = p.object ? p.object(instance) : nullptr)
                out.push_back(collection(*sub, fresh ? p.object(*fresh) : nullptr, path));
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
        if (isDefault(p, fresh, value))
            return;
        out.push_back(leaf(path, std::move(value)));
    }

    static bool isDefault(const PropertyInfo& p, TPersistent* fresh, const PropertyValue& value)
    {
        if (!fresh)
            return p.defaultValue && value == *p.defaultValue;
        try {
            return value == p.get(*fresh);
        } catch (const std::exception&) {
            return false;
        }
    }

    /// freshItems: the same collection of the fresh object; its items are made one by one
    /// as the reader makes them (cleared first, each taken in before the next is made).
    LayoutProperty collection(TPersistent& items, TPersistent* freshItems, const std::string& path)
    {
        LayoutProperty c;
        c.name = path;
        c.isCollection = true;
        auto* freshOwned = dynamic_cast<TOwnedItemsReader*>(freshItems);
        auto* freshList = dynamic_cast<TCollection*>(freshItems);
        const auto freshItem = [&]() -> TPersistent* {
            try {
                if (freshOwned)
                    return freshOwned->NewItem();
                if (freshList)
                    return freshList->Add();
            } catch (const std::exception&) {
            }
            return nullptr;
        };
        try {
            if (freshOwned)
                freshOwned->ClearItems();
            else if (freshList)
                freshList->Clear();
        } catch (const std::exception&) {
            freshOwned = nullptr;
            freshList = nullptr;
        }
        const auto addItem = [&](TPersistent& item) {
            TPersistent* fresh = freshItem();
            LayoutObject written;
            try {
                properties(item, fresh, "", written.properties);
            } catch (const std::exception&) {
                // The item keeps the properties written before the failure.
            }
            c.items.push_back(std::move(written));
            if (fresh && freshOwned) {
                try {
                    freshOwned->ItemRead(*fresh);
                } catch (const std::exception&) {
                }
            }
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
